#pragma once
// Zapis pliku w całości albo wcale: plik tymczasowy obok, potem zamiana nazwy.
// Przerwany zapis (pełny dysk, limit rozmiaru) zostawia stary plik bez zmian.

#include <QByteArray>
#include <QString>

namespace tks {

// Zwraca false i opis błędu (z nazwą pliku), gdy zapis się nie udał.
bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad);

} // namespace tks
