#pragma once
// Kliknięcia narzędziami na mapie: oznaczenia stacji i odcinków wskazanych
// kliknięciem, całe puszczenie przycisku myszy (widok, oznaczenie, nagłówek)
// oraz wybór stacji z listy po dwukliku przycisku narzędzia.

#include "Widok.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tks {

class Droga;
class OknaStacji;

// Stacja pod kliknięciem (jedna trafiona albo wybrana z listy) jako początek,
// koniec, punkt pośredni trasy. Nic nie trafiono albo wybór anulowany: nic.
void OznaczPoczatkowa(Droga& d, int x, int y);
void OznaczKoncowa(Droga& d, int x, int y);
// Po dodaniu punktu pośredniego cała trasa jest przeliczana od nowa.
void OznaczPrzez(Droga& d, int x, int y);
// Zdejmuje oznaczenie stacji (punkt trasy albo wykluczenie), a gdy nie
// trafiono stacji - wykluczenie odcinka.
void ZdejmOznaczenie(Droga& d, int x, int y);
// Wyklucza stację, a gdy nie trafiono stacji - odcinek.
void OznaczNiePrzez(Droga& d, int x, int y);

// Skutek puszczenia przycisku myszy dla okna.
struct WynikKlikniecia {
    bool przerysuj = false;     // widok albo oznaczenia się zmieniły
    bool wyczyscPola = false;   // pola początku, długości i cen do opróżnienia (AktualizujNaglowekPoKliknieciu)
};

// Puszczenie lewego przycisku myszy na mapie (naciśnięty w `dol`, puszczony
// w `gora`): powiększenie albo przesunięcie, albo oznaczenie bieżącym
// narzędziem w punkcie puszczenia; na końcu zawsze aktualizacja nagłówka.
WynikKlikniecia PuszczenieMyszy(Droga& d, TPiksel dol, TPiksel gora);

// ---- dwuklik przycisku narzędzia: stacja z listy zamiast kliknięcia

inline const QString kTytulListyStacji = QStringLiteral("Wybierz stację:");
inline const QString kTytulListyOznaczonych = QStringLiteral("Lista stacji");

// Nazwy na liście oznaczonych stacji narzędzia usuwania: punkty trasy (w wyborze
// ręcznym tylko pierwszy i ostatni), potem stacje wykluczone.
QStringList NazwyOznaczonychStacji(const Droga& d);
// Stacja o tej nazwie (ostatnia w kolejności Stacje) albo -1.
int StacjaONazwie(const Droga& d, const QString& nazwa);
// Stacje listy wyboru narzędzi początku, końca, pośredniej i wykluczenia, w
// kolejności alfabetycznej: kandydaci wyboru ręcznego, gdy są, inaczej stacje
// o widoczności poniżej 10000.
std::vector<int> StacjeListyWyboru(const Droga& d);

// Co okno robi po wyborze stacji z listy.
struct WynikWyboruZListy {
    bool przerysuj = false;
    bool wyczyscKoniec = false;     // pokazane: koniec, długość, cena, cena rozkładu jazdy
    bool wyczyscPoczatek = false;   // pokazane: początek, długość, cena, cena rozkładu jazdy
};

// Stacja wybrana z listy po dwukliku przycisku narzędzia `n` (-1: nic nie
// wybrano). Początek, koniec, pośrednia: oznaczenie, a przy powiększeniu
// powyżej 1× środek mapy na stacji; wykluczenie: OznaczOminStacje; usuwanie:
// ZdejmOznacz.
WynikWyboruZListy WybranoStacjeZListy(Droga& d, Narzedzie n, int stacja);

// Cały dwuklik: okno wyboru stacji i wybór. Dla narzędzi bez listy nic.
WynikWyboruZListy DwuklikNarzedzia(Droga& d, Narzedzie n, OknaStacji& okna);
// To samo z odpowiedziami przez Interakcja (CLI, testy).
WynikWyboruZListy DwuklikNarzedzia(Droga& d, Narzedzie n);

} // namespace tks
