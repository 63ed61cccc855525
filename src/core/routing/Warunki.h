#pragma once
// Warunki wyszukiwania z kontrolek i usuwanie całej trasy.

#include <cstdint>

namespace tks {

class Droga;
struct StanKontrolek;

// Bity maski ograniczeń zaznaczone w kontrolkach (bez bitów stałych wyszukiwania).
std::uint16_t MaskaKontrolek(const StanKontrolek& k);

// Kryterium i maska ograniczeń ze stanów kontrolek.
void UstalWarunki(Droga& d);
// Usuwa całą trasę i wszystkie oznaczenia bieżącego pociągu.
void KasujDroge(Droga& d);
// Usuwa stan wyboru ręcznego (odcinki i punkty kandydatów).
void UsunWyborReczny(Droga& d);

} // namespace tks
