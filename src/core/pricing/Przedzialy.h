#pragma once
// Rodzaje stawek i przedziały masy brutto z tabel słownikowych sieci.

#include <QVector>

namespace tks {

struct Siec;

// IdRodzajuStawki pierwszego wiersza tabeli rodzajów; 0, gdy tabela pusta.
int pierwszyRodzaj(const Siec& s);
// Wiersze tabeli ZakresyBr przedziałów danego rodzaju, w kolejności LpZakresuBr.
QVector<int> przedzialyRodzaju(const Siec& s, int idRodzaju);
// LpZakresuBr pierwszego przedziału rodzaju; -1, gdy rodzaj nie ma przedziałów.
int pierwszyPrzedzial(const Siec& s, int idRodzaju);
// Wiersz tabeli ZakresyBr dla rodzaju i LpZakresuBr; -1, gdy brak.
int wierszPrzedzialu(const Siec& s, int idRodzaju, int lpZakresuBr);
// Wiersz tabeli RodzajeStawek o danym IdRodzajuStawki; -1, gdy brak.
int wierszRodzaju(const Siec& s, int idRodzaju);

} // namespace tks
