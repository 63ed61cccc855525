#pragma once
// Widok mapy: powiększenie, środek, skala i przejścia między płaszczyzną mapy
// (metry) a pikselami obszaru rysowania, oraz wszystkie zmiany widoku
// (powiększanie, pomniejszanie, przesuwanie).

#include "network/Siec.h"

#include <cstdint>

namespace tks {

inline constexpr std::int64_t kPowiekszenie1x = 10000;
// Powyżej tej wartości powiększanie już nie podwaja (największe osiągalne: 8192×).
inline constexpr std::int64_t kGranicaPowiekszania = 50000000;
inline constexpr std::int64_t kPowiekszenieMax = 81920000;

// Narzędzia mapy (przyciski panelu; jedno wciśnięte naraz).
enum class Narzedzie : std::uint8_t {
    Wskaznik,   // SpeedButtonWskaznik
    Powieksz,   // SpeedButtonZoomIn
    Przesun,    // SpeedButtonMove
    Start,      // SpeedButtonSetStart
    Koniec,     // SpeedButtonSetEnd
    Przez,      // SpeedButtonSetPrzez
    Usun,       // SpeedButtonResetPrzez
    NiePrzez,   // SpeedButtonSetNiePrzez
};

struct TPiksel {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TPiksel&) const = default;
};

// Prostokąt (lewa, góra, prawa, dół) w pikselach.
struct TProstokat {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t szerokosc() const { return right - left; }
    std::int32_t wysokosc() const { return bottom - top; }
    bool operator==(const TProstokat&) const = default;
};

struct Widok {
    std::int64_t zoom = kPowiekszenie1x;   // powiększenie × 10000, nigdy poniżej 10000
    double WspXSrodka = 0;                 // środek widoku, metry płaszczyzny mapy
    double WspYSrodka = 0;
    int tolerancjaKlikniecia = 20;         // piksele
    Narzedzie narzedzie = Narzedzie::Wskaznik;
    // Rysowanie wstrzymane (przebieg wydruku mapy, wczytywanie pociągu):
    // zdarzenie rysowania obszaru mapy nie woła wtedy odswiez.
    bool rysowanieWstrzymane = false;

    // Wartości ustalane na początku każdego rysowania (UstalSkale).
    int szerokosc = 0;                     // rozmiar obszaru rysowania Pb1
    int wysokosc = 0;
    double SkalaBazowa = 0;                // piksele na metr przy zoom 10000
    int polSzerokosci = 0;                 // Round(szerokość / 2) - obcinanie i łuki
    int polWysokosci = 0;                  // Round(wysokość / 2)
    int PromienStacji = 1;                 // piksele
    double PromienWidoku = 0;              // promień koła obcinania, metry
    int rzadWielokata = 10;                // boki wielokąta przybliżającego koło obcinania

    double k() const { return SkalaBazowa * double(zoom); }
};

// Mapa -> piksel (połowy rozmiaru obcięte, jak przy punktach i kliknięciach).
TPiksel pktpiks(const Widok& w, double x, double y);
// Piksel -> mapa.
TPunkt pktkm(const Widok& w, int px, int py);
// Mapa -> piksel z połowami zaokrąglonymi (obcinanie odcinków i łuki obszarów).
TPiksel pktpiksObc(const Widok& w, double x, double y);

// Pierwszy krok każdego rysowania: skala bazowa z rozmiaru obszaru, połowy
// rozmiaru, powrót do środka domyślnego przy 1×, promień stacji, promień widoku.
void UstalSkale(Widok& w, int szerokosc, int wysokosc, const TPunkt& srodekDomyslny);

// Pomniejszenie o połowę (przycisk i kółko w dół). Zwraca true, gdy zmieniło zoom.
bool PomniejszMape(Widok& w);
// Powiększenie w punkcie (piksele obszaru rysowania): środek przesuwa się w pół
// drogi do punktu, zoom podwaja się poniżej granicy.
void PowiekszMape(Widok& w, int x, int y);
// Przesunięcie mapy przeciągnięciem od a do b (piksele). Zwraca true, gdy a != b.
bool PrzesunMape(Widok& w, TPiksel a, TPiksel b);
// Ustawienie środka na punkt mapy (np. po wyborze stacji z listy).
void UstawSrodek(Widok& w, double x, double y);

// Minimalna długość (piksele) odcinka trasy, na którym rysuje się strzałkę.
int MinDlugoscStrzalki(std::int64_t zoom);

} // namespace tks
