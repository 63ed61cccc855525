#pragma once
// Zapis pliku w całości albo wcale: plik tymczasowy obok, potem zamiana nazwy.
// Przerwany zapis (pełny dysk, limit rozmiaru) zostawia stary plik bez zmian.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace tks {

// Zwraca false i opis błędu (z nazwą pliku), gdy zapis się nie udał.
bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad);

// Kilka plików razem: najpierw wszystkie do plików tymczasowych obok docelowych; gdy
// którykolwiek zapis się nie uda (pełny dysk), żaden plik docelowy się nie zmienia.
// Dopiero potem zamiany nazw (każda atomowa). false i opis błędu z nazwą pliku.
bool zapiszAtomowoRazem(const std::vector<std::pair<QString, QByteArray>>& pliki, QString& blad);

} // namespace tks
