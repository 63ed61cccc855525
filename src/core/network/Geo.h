#pragma once
// Przeliczenie współrzędnych geograficznych z bazy sieci na płaszczyznę mapy
// (własne odwzorowanie poprzeczne Merkatora programu, metry).

#include "Siec.h"

#include <optional>

namespace tks {

// Surowe wartości z bazy: X koduje długość, Y szerokość geograficzną.
// Zwraca nullopt, gdy przeliczona wartość w stopniach przekracza 1e20.
std::optional<TPunkt> GeoToPktKm(double xSurowe, double ySurowe);
// Punkt użyty przez program, gdy przeliczenie nie daje wyniku.
inline constexpr TPunkt kPunktBezWspolrzednych{0.0, 0.0};

// Przejście odwrotne do surowego zapisu: stopnie -> wartości kolumn Xkm/Ykm.
inline double surowyXZDlugosci(double dlugosc) { return (dlugosc - 14.0) / 0.000006; }
inline double surowyYZSzerokosci(double szerokosc) { return (szerokosc - 14.0) / 0.000004; }

} // namespace tks
