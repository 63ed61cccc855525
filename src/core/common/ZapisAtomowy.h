#pragma once
// Zapis pliku w całości albo wcale: plik tymczasowy obok, potem zamiana nazwy.
// Przerwany zapis (pełny dysk, limit rozmiaru) zostawia stary plik bez zmian.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tks {

// Zwraca false i opis błędu (z nazwą pliku), gdy zapis się nie udał.
bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad);

// Kilka plików razem: najpierw wszystkie do plików tymczasowych obok docelowych; gdy
// którykolwiek zapis się nie uda (pełny dysk), żaden plik docelowy się nie zmienia.
// Dopiero potem zamiany nazw (każda atomowa). false i opis błędu z nazwą pliku.
bool zapiszAtomowoRazem(const std::vector<std::pair<QString, QByteArray>>& pliki, QString& blad);

// Usuwa pozostałości zapisu razem pliku `sciezka` przerwanego zabiciem programu
// (pliki tymczasowe procesów, których już nie ma); zapisu trwającego w innym
// programie nie rusza.
void usunPozostalosciZapisu(const QString& sciezka);

// Kończy zapis razem plików `pliki` (w kolejności zapisu) przerwany zabiciem
// programu między zamianami nazw (według dziennika zapisu), potem usuwa
// pozostałości. Zapisu trwającego w innym programie nie rusza.
void dokonczPrzerwanyZapis(const QStringList& pliki);

} // namespace tks
