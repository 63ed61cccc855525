#pragma once
// Oznaczenia na stacjach i odcinkach: punkty trasy (początek, pośrednie, koniec),
// stacje i odcinki do ominięcia. Każda operacja utrzymuje trasę aktualną.

namespace tks {

class Droga;

// Czyni stację początkiem trasy; false, gdy wyszukiwanie się nie udało (bez zmian).
bool OznaczStart(Droga& d, int stacja);
// Czyni stację końcem trasy.
bool OznaczMeta(Droga& d, int stacja);
// Dodaje stację jako punkt pośredni (w odcinek o najmniejszym wydłużeniu drogi).
bool OznaczPP(Droga& d, int stacja);

// Wyklucza stację / odcinek i przelicza trasę.
void OznaczOminStacje(Droga& d, int stacja);
void OznaczOminOdcinek(Droga& d, int odcinek);
// Zdejmuje wykluczenie (wszystkie wpisy na liście); przelicza, gdy coś zdjęto.
void ZdejmOznaczZabronionejStacji(Droga& d, int stacja);
void ZdejmOznaczZabronionegoOdcinka(Droga& d, int odcinek);
// Usuwa punkt trasy o podanym numerze i przelicza trasę.
void ZdejmOznaczPP(Droga& d, int punkt);
// Usuwa wszystkie oznaczenia stacji (punkty trasy i wykluczenie).
void ZdejmOznacz(Droga& d, int stacja);

// Nazwy stacji początkowej i końcowej w nagłówku pociągu z punktów trasy.
void AktualizujNaglowekPunktow(Droga& d);

} // namespace tks
