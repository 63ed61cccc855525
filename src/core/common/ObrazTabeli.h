#pragma once
// Kolumny obrazu binarnego tabeli odczytane bez wierszy: czytający sprawdza, czy
// obraz ma oczekiwane kolumny, zanim cokolwiek zarezerwuje na wiersze.

#include "Tabela.h"

#include <optional>

namespace tks {

// Kolumny obrazu z początku bufora; przy uszkodzonym nagłówku nullopt i opis w `blad`.
std::optional<QVector<DefinicjaKolumny>> kolumnyObrazuTabeli(const char* dane, qsizetype dostepne, QString& blad);

} // namespace tks
