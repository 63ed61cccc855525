#pragma once
// Obiekty mapy pod kursorem: stacje i odcinki trafione kliknięciem, wybór
// spośród kilku trafionych i położenie listy wyboru.

#include "Widok.h"
#include "network/Siec.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tks {

class Droga;

// Pozycja listy trafionych stacji.
struct TKliknietaStacja {
    std::int32_t LpStacji = -1;
    QString tekst;                 // najwyżej 80 znaków
    std::int32_t punktTrasy = -1;  // indeks punktu trasy albo -1
};

// Pozycja listy trafionych odcinków: kopia odcinka i jego indeks.
struct TKliknietyOdcinek {
    TOdcinek odcinek;
    std::int32_t LpOdcinka = -1;
    double odl2 = 0;               // kwadrat odległości kliknięcia od środka odcinka
};

struct WybranaStacja {
    std::int32_t LpStacji = -1;
    std::int32_t punktTrasy = -1;
    bool wybrana() const { return LpStacji >= 0; }
};

inline const QString kTytulListyWyboru = QStringLiteral("Wybór stacji");
inline const QString kOpisListyWyboru = QStringLiteral("Proszę wybrać :");

// Trwa ręczny wybór punktu: narzędzie punktu trasy, tryb wyboru i kandydaci
// (albo co najmniej dwa punkty trasy). Wtedy trafia się tylko kandydatów.
bool TrwaWyborReczny(const Droga& d);

// Kwadrat trafienia wokół kliknięcia, w metrach mapy (min x, min y, max x, max y).
struct ObszarKlikniecia {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool zawiera(double x, double y) const { return minX <= x && x <= maxX && minY <= y && y <= maxY; }
};
ObszarKlikniecia ObszarTrafienia(const Widok& w, int x, int y);

// Stacje pod kliknięciem według bieżącego narzędzia (d.widok.narzedzie).
std::vector<TKliknietaStacja> ZnajdzKliknieteStacje(const Droga& d, int x, int y);
// Odcinki pod kliknięciem (gdy nie trafiono stacji); najwyżej jeden na linię.
std::vector<TKliknietyOdcinek> ZnajdzKliknieteOdcinki(const Droga& d, int x, int y);

// Teksty listy wyboru.
QStringList TekstyWyboru(const std::vector<TKliknietaStacja>& trafione);
QStringList TekstyWyboru(const std::vector<TKliknietyOdcinek>& trafione);

// Wybór przez człowieka spośród trafionych (okno "Wybór stacji"); rezygnacja
// daje (-1, -1). Wybrany tekst wskazuje pierwszą pozycję o tym tekście.
WybranaStacja WybierzKliknietaStacja(Droga& d, const std::vector<TKliknietaStacja>& trafione);
// Indeks odcinka w Odcinki albo -1.
int WybierzKliknietyOdcinek(Droga& d, const std::vector<TKliknietyOdcinek>& trafione);

// Całe wskazanie: brak trafień - nic, jedno - ono, kilka - wybór z listy.
WybranaStacja WskazanaStacja(Droga& d, int x, int y);
int WskazanyOdcinek(Droga& d, int x, int y);

// Położenie listy wyboru przy kursorze (piksele obszaru rysowania): szerokość
// max(najszerszy tekst + 20, 120), wysokość suma wysokości tekstów + 30, lewy
// górny róg w kursor + (10, 0); przesunięta w górę, by kończyć się na dole
// obszaru, i na lewo od kursora, gdy wychodzi za prawą krawędź.
TProstokat ProstokatListyWyboru(TPiksel kursor, int najszerszyTekst, int wysokoscTekstow, int szerokoscPb,
                                int wysokoscPb);

} // namespace tks
