#include "Widok.h"

#include "common/Liczby.h"

#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tks {

namespace {

// Round: połówki do parzystej (domyślny tryb zaokrąglania). Na x86-64 jednym
// rozkazem (cvtsd2si zaokrągla w bieżącym trybie, jak nearbyint) zamiast wywołania
// biblioteki: mapa przelicza tak położenie każdej stacji przy każdym rysowaniu.
inline std::int32_t okr(double v)
{
#if defined(__SSE2__)
    return std::int32_t(_mm_cvtsd_si32(_mm_set_sd(v)));
#else
    return std::int32_t(std::nearbyint(v));
#endif
}

constexpr double kPi = 3.14159265358979323846;

} // namespace

TPiksel pktpiks(const Widok& w, double x, double y)
{
    const double k = w.k();
    const double wh = double(w.szerokosc / 2);
    const double hh = double(w.wysokosc / 2);
    return {okr((wh * 10000.0 + k * (x - w.WspXSrodka)) / 10000.0),
            okr((hh * 10000.0 + k * (w.WspYSrodka - y)) / 10000.0)};
}

TPiksel pktpiksObc(const Widok& w, double x, double y)
{
    const double k = w.k();
    return {okr((double(w.polSzerokosci) * 10000.0 + k * (x - w.WspXSrodka)) / 10000.0),
            okr((double(w.polWysokosci) * 10000.0 + k * (w.WspYSrodka - y)) / 10000.0)};
}

TPunkt pktkm(const Widok& w, int px, int py)
{
    const double k = w.k();
    const int wh = w.szerokosc / 2;
    const int hh = w.wysokosc / 2;
    return {double(px - wh) / k * 10000.0 + w.WspXSrodka, double(hh - py) / k * 10000.0 + w.WspYSrodka};
}

void UstalSkale(Widok& w, int szerokosc, int wysokosc, const TPunkt& srodekDomyslny)
{
    w.szerokosc = szerokosc;
    w.wysokosc = wysokosc;
    const double baza = 0.873 * szerokosc > wysokosc ? double(wysokosc) : 0.873 * szerokosc;
    w.SkalaBazowa = baza / 670000.0;
    w.polSzerokosci = okr(szerokosc / 2.0);
    w.polWysokosci = okr(wysokosc / 2.0);
    if (w.zoom == kPowiekszenie1x) {
        w.WspXSrodka = srodekDomyslny.x;
        w.WspYSrodka = srodekDomyslny.y;
    }
    w.PromienStacji = int(obetnij(std::log10(double(w.zoom + 50000) / 10000.0))) + 1;
    // Koło obcinania: opisane na wielokącie foremnym, który zawiera cały widok.
    const TPunkt a = pktkm(w, 0, 0);
    const TPunkt b = pktkm(w, szerokosc, wysokosc);
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double d2 = (dx * dx + dy * dy) / 4.0;
    const double c = std::cos(kPi / w.rzadWielokata);
    w.PromienWidoku = std::sqrt(d2 / (c * c));
}

bool PomniejszMape(Widok& w)
{
    if (w.zoom <= kPowiekszenie1x)
        return false;
    // Zoom spoza potęg dwójki (np. 1,5× z ustawień) nie schodzi poniżej 1×.
    const std::int64_t nowy = std::max(std::int64_t(double(w.zoom) / 2.0 / 10000.0) * 10000, kPowiekszenie1x);
    const bool zmiana = nowy != w.zoom;
    w.zoom = nowy;
    return zmiana;
}

void PowiekszMape(Widok& w, int x, int y)
{
    const TPunkt p = pktkm(w, x, y);
    w.WspXSrodka = p.x + (w.WspXSrodka - p.x) / 2.0;
    w.WspYSrodka = p.y + (w.WspYSrodka - p.y) / 2.0;
    if (w.zoom < kGranicaPowiekszania)
        w.zoom *= 2;
}

bool PrzesunMape(Widok& w, TPiksel a, TPiksel b)
{
    if (a == b)
        return false;
    const TPunkt ma = pktkm(w, a.x, a.y);
    const TPunkt mb = pktkm(w, b.x, b.y);
    w.WspXSrodka -= mb.x - ma.x;
    w.WspYSrodka -= mb.y - ma.y;
    return true;
}

void UstawSrodek(Widok& w, double x, double y)
{
    w.WspXSrodka = x;
    w.WspYSrodka = y;
}

int MinDlugoscStrzalki(std::int64_t zoom)
{
    return 8 * int(obetnij(std::log2(double(zoom) / 10000.0))) + 11;
}

} // namespace tks
