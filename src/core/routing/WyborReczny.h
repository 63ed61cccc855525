#pragma once
// Ręczny wybór trasy: kandydaci na następny punkt trasy wzdłuż linii
// przechodzących przez punkt zaczepienia.

namespace tks {

class Droga;

// Buduje OdcinkiWyboru i PunktyWyboru dla trybu `tryb` (TrybWyboru: 0 brak,
// 1 początek, 2 pośrednia, 3 koniec). Bez punktów trasy, przy trybie 0 albo
// bez punktu zaczepienia czyści stan wyboru. Mapa woła to przed każdym rysowaniem.
void PrzygotujWyborReczny(Droga& d, int tryb);

// Stacja zaczepienia dla trybu albo -1.
int StacjaZaczepienia(const Droga& d, int tryb);

} // namespace tks
