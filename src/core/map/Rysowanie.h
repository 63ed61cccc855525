#pragma once
// Rysowanie mapy (`odswiez`): tło, obszary terytorialne, kontur kraju, odcinki,
// kandydaci wyboru ręcznego, trasa ze strzałkami, stacje, punkty trasy,
// wykluczenia i nazwy stacji. Jedno przejście służy ekranowi i wydrukowi
// (rodzaj płótna decyduje).

#include "Kanwa.h"
#include "Widok.h"

#include <QString>
#include <vector>

namespace tks {

class Droga;
class PamiecWarstwMapy;

// Stan okna wokół mapy wyliczany przed rysowaniem; okno go tylko stosuje
// (razem z polami "Vmax tab.", "Czas jazdy" i "Vr sr": d.kontrolki.vmaxTekst,
// d.wycena.EditTr, d.wycena.EditVr).
struct StanPaneluMapy {
    // Widoczność przycisków punktów trasy (w wyborze ręcznym zależna od punktów).
    bool pokazStart = true;
    bool pokazKoniec = true;
    bool pokazPrzez = true;
    bool pokazNiePrzez = true;
    QString tytul;                        // podpis okna głównego
    bool jestTrasa = false;               // pozycje menu pociągu i wydruku włączone
    bool wczytajPociagWlaczone = false;   // "Wczytaj pociąg": jest plik listy pociągów
};

inline const QString kTytulNowegoPociagu = QStringLiteral("Wyznaczanie trasy - nowy pociąg");
inline const QString kTytulPociaguNr = QStringLiteral("Wyznaczanie trasy - pociąg nr ");

// Odświeżenie panelu (przyciski, pole prędkości taboru i czasu jazdy, podpis,
// menu), zatwierdzenie edytowanego nagłówka i przygotowanie kandydatów wyboru
// ręcznego.
StanPaneluMapy OdswiezPanelMapy(Droga& d);

// Całe rysowanie mapy na płótnie (z odświeżeniem panelu na początku). Z pamięcią
// warstw tło, obszary, kontur i odcinki są rysowane tylko wtedy, gdy zmienił się
// widok, ograniczenia, kolory albo sieć; obraz jest ten sam piksel w piksel.
StanPaneluMapy odswiez(Droga& d, Kanwa& k, PamiecWarstwMapy* pamiec = nullptr);

// Dolne warstwy mapy (tło, obszary terytorialne, kontur kraju, odcinki) przy
// ustalonej skali. `odcinkiWidoku`: rosnące indeksy odcinków, wśród których są
// wszystkie widoczne (nullptr: wszystkie).
void RysujWarstwyDolne(Kanwa& k, const Droga& d, const std::vector<std::int32_t>* odcinkiWidoku);

// ---- elementy rysowania (dostępne dla wydruku i testów)

// Odcinek obcięty do koła widoku; false, gdy nic nie widać.
bool OdcPiks(const Widok& w, TPunkt e1, TPunkt e2, TPiksel& p, TPiksel& q);

// Obcinanie krawędzi konturu z kątami wejścia i wyjścia.
namespace flagiKrawedzi {
inline constexpr int Wejscie = 1;    // początek przesunięty na koło
inline constexpr int Wyjscie = 2;    // koniec przesunięty na koło
inline constexpr int Zerowa = 4;     // krawędź długości zero
inline constexpr int Widoczna = 8;   // krawędź (albo punkt) w kole
} // namespace flagiKrawedzi

struct KrawedzObcieta {
    int flagi = 0;
    TPiksel p1;
    TPiksel p2;
    double a1 = 0;          // kąt wejścia
    double a2 = 0;          // kąt wyjścia
    double obrotPrzed = 0;  // obrót przed wejściem
    double obrotPo = 0;     // obrót po wyjściu
};
KrawedzObcieta OdcPiksEx(const Widok& w, TPunkt e1, TPunkt e2);

// Kąt punktu mapy wokół środka widoku (orientacja ekranu).
double KatPunktu(const Widok& w, TPunkt p);
// Punkty łuku koła obcinania: obrót A od kąta B (cięciwy najwyżej 36 stopni).
void arc(const Widok& w, double A, double B, std::vector<TPiksel>& punkty);
// Wielokąt obszaru obcięty do koła widoku (pusty, gdy nic nie widać).
std::vector<TPiksel> WielokatObszaru(const Widok& w, const TKontur& kontur);

// Grot strzałki kierunku na widocznym kawałku odcinka trasy; false, gdy
// kawałek jest krótszy od minimum (albo za krótki na wydruku).
bool Strzalka(Kanwa& k, const Widok& w, int x1, int y1, int x2, int y2);

// Prostokąty etykiet, które się stykają (wspólna krawędź też).
inline bool StykajaSie(const TProstokat& a, const TProstokat& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Tekst etykiety punktu trasy (z numerem, gdy włączone numerowanie stacji).
QString TekstPunktuTrasy(const Droga& d, int punkt);

} // namespace tks
