#pragma once
// Warunki wyszukiwania z kontrolek i usuwanie całej trasy.

namespace tks {

class Droga;

// Kryterium i maska ograniczeń ze stanów kontrolek.
void UstalWarunki(Droga& d);
// Usuwa całą trasę i wszystkie oznaczenia bieżącego pociągu.
void KasujDroge(Droga& d);
// Usuwa stan wyboru ręcznego (odcinki i punkty kandydatów).
void UsunWyborReczny(Droga& d);

} // namespace tks
