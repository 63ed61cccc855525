#pragma once
// Indeks stacji według nazw: numery stacji w porządku listy alfabetycznej
// (stacjaPrzedWgNazwy: polskie porządkowanie bez rozróżniania wielkości liter,
// przy nazwach równych w tym porządku mniejszy numer).

#include "Siec.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tks {

// Sposób liczenia kluczy porządkowania. Wszystkie dają ten sam porządek;
// wybór służy porównaniom w testach i pomiarach.
enum class SposobIndeksuNazw {
    // Wagi znaków z tablicy dla 256 bajtów strony kodowej (zbudowanej raz na proces
    // z ICU i sprawdzonej z nią, co kosztuje tyle, co klucze ICU ok. 8 000 nazw),
    // gdy sieć jest duża albo tablica już jest; inaczej - albo gdy tablica nie
    // powstała - klucze ICU, a bez ICU - QCollator.
    Najszybszy,
    // Klucz ICU każdej nazwy osobno.
    KluczeIcu,
    // Klucze QCollator (bez ICU).
    KluczeQCollator,
};

// Od tylu stacji część pracy indeksu idzie do drugiego wątku (przy starcie: cały
// indeks równolegle z odczytem pliku).
inline constexpr int kStacjiNaDwaWatki = 20000;

// `rownolegle`: przy dużej sieci klucze ICU połowy stacji liczy drugi wątek.
std::vector<std::int32_t> indeksNazw(const std::vector<TStacja>& stacje,
                                     SposobIndeksuNazw sposob = SposobIndeksuNazw::Najszybszy, bool rownolegle = true);

// Przygotowuje raz na proces to, czego indeks dużej sieci potrzebuje (tablicę wag
// znaków); wołane z góry, np. w innym wątku w trakcie odczytu pliku.
void przygotujIndeksNazw();

// Czy działa tablica wag znaków (przy Najszybszy). Gdy nie, indeks liczy się kluczami ICU.
bool tablicaWagZnakowDziala();
// Pary bajtów, które ICU porządkuje jako jeden element (np. "l·"), znalezione przy
// budowie tablicy; puste, gdy tablica nie działa.
std::vector<std::pair<std::uint8_t, std::uint8_t>> paryBajtowJednegoElementu();

} // namespace tks
