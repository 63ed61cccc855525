#pragma once
// Wspólne elementy poleceń: wczytanie sieci, komunikaty jako JSON.

#include "Argumenty.h"

#include "common/Interakcja.h"
#include "network/Siec.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tks::cli {

// Wczytuje sieć z --network (domyślnie FDane.bin w bieżącym folderze) i buduje
// wartości pochodne; uszkodzony albo brakujący plik to błąd danych (kod 2).
Siec wczytajSiec(const Argumenty& a, Interakcja& interakcja);
QJsonArray komunikatyJakoJson(const InterakcjaSkryptowa& interakcja);
QJsonObject siecJakoJson(const Siec& s);

} // namespace tks::cli
