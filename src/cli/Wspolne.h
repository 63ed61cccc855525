#pragma once
// Wspólne elementy poleceń: wczytanie sieci, komunikaty jako JSON.

#include "Argumenty.h"

#include "common/Interakcja.h"
#include "common/Tabela.h"
#include "network/Siec.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tks::cli {

// Wczytuje sieć z --network (domyślnie FDane.bin w bieżącym folderze) i buduje
// wartości pochodne; uszkodzony albo brakujący plik to błąd danych (kod 2).
Siec wczytajSiec(const Argumenty& a, Interakcja& interakcja);
QJsonArray komunikatyJakoJson(const InterakcjaSkryptowa& interakcja);
QJsonObject siecJakoJson(const Siec& s);
// Wartość pola tabeli w JSON: Null jako null, daty jako "RRRR-MM-DD".
QJsonValue wartoscJson(const Tabela& t, int wiersz, int kolumna);
// Wiersz tabeli jako obiekt {kolumna: wartość}.
QJsonObject wierszJson(const Tabela& t, int wiersz);
// Wiersze tabeli w kolejności widoku.
QJsonArray tabelaJakoJson(const Tabela& t);

} // namespace tks::cli
