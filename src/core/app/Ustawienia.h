#pragma once
// Ustawienia widoku i ograniczeń zapisywane przy zamknięciu okna głównego.

namespace tks {

class Droga;

// Powiększenie i środek mapy z sekcji "Ustawienia". Powiększenie poniżej 1,0
// daje 1,0; brakujący albo błędny klucz daje wartość domyślną (1,0 i środek
// domyślny z konturu kraju).
void WczytajUstawienia(Droga& d);
// Powiększenie, środek mapy i trzy ograniczenia z sekcji "Inne". Błąd zapisu
// zgłasza komunikatem; zwraca false, gdy pliku nie udało się zapisać.
bool ZapiszUstawienia(Droga& d);

} // namespace tks
