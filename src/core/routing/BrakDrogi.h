#pragma once
// Dlaczego nie ma drogi: po nieudanym wyszukiwaniu próbuje jeszcze raz bez
// poszczególnych ograniczeń i bez ominięć, i mówi, co trzeba zmienić, żeby
// droga istniała. Próby są ograniczone (jedna z wszystkim zdjętym, po jednej na
// każde zaznaczone ograniczenie, jedna bez ominięć) i zostawiają etykiety stacji,
// warunki i ominięcia dokładnie takie, jakie były.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tks {

class Droga;

// Pierwsza linia komunikatu oznaczenia, które nie znalazło drogi.
QString tekstNieMoznaWyznaczyc(const Droga& d, int od, int doSt);

// Linie wyjaśnienia (bez pierwszej linii komunikatu). Puste w wyborze ręcznym
// (tam mówi o tym wybór linii) i przy złych indeksach stacji.
QStringList WyjasnijBrakDrogi(Droga& d, int od, int doSt);

// Komunikat o braku drogi: `pierwszaLinia`, pod nią wyjaśnienie.
void ZglosBrakDrogi(Droga& d, int od, int doSt, const QString& pierwszaLinia);

// Nazwa ograniczenia w wyjaśnieniu ("Linie pod obcym zarządem") dla bitu maski.
QString nazwaOgraniczenia(std::uint16_t bit);

// Liczba wyszukiwań ostatniego WyjasnijBrakDrogi (do testów ograniczenia prób).
int liczbaProbOstatniegoWyjasnienia();

} // namespace tks
