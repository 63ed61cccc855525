#include "CzasJazdy.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/Przedzialy.h"
#include "routing/Przeliczanie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tks {
namespace {

// Zaokrąglenie nieujemnej prędkości do bajtu, połówki do parzystej: dodanie i odjęcie
// 2^52 zaokrągla w domyślnym trybie (do najbliższej, remis do parzystej) bez wywołań biblioteki.
inline std::uint8_t doBajtu(double kmh)
{
    constexpr double k2do52 = 4503599627370496.0;
    const double r = (kmh + k2do52) - k2do52;
    return std::uint8_t(std::clamp(r, 0.0, 255.0));
}

// Czas przejazdu metra z prędkością v km/h, w sekundach (0 dla v = 0).
struct TablicaCzasow {
    double t[256];
    constexpr TablicaCzasow() : t()
    {
        t[0] = 0;
        for (int v = 1; v < 256; ++v)
            t[v] = 3.6 / v;
    }
};
constexpr TablicaCzasow kCzasMetra;

} // namespace

int ograniczVTab(const QString& tekst, bool pasazerski)
{
    bool ok = false;
    const qlonglong v = tekst.trimmed().toLongLong(&ok);
    const qlonglong wartosc = ok ? v : 0;
    return int(std::clamp<qlonglong>(wartosc, kVTabMin, pasazerski ? kVTabMaxPasazerski : kVTabMaxInny));
}

int UstalVTab(Droga& d)
{
    const int v = ograniczVTab(d.kontrolki.vmaxTekst, d.kontrolki.idRodzajuStawki == 0);
    d.kontrolki.vmaxTekst = QString::number(v);
    d.wycena.VTab = v;
    return v;
}

void WyznaczCzasJazdy(Droga& d)
{
    const Siec& s = d.siec;
    const bool pasazerski = d.kontrolki.idRodzajuStawki == 0;
    const int vtab = ograniczVTab(d.kontrolki.vmaxTekst, pasazerski);
    const ParametryLokomotywy& lok = pasazerski ? kLokomotywaPasazerska : kLokomotywaTowarowa;
    const int wiersz = wierszPrzedzialu(s, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr);
    const double M = wiersz >= 0 ? s.ZakresyBr.rzeczywista(wiersz, QStringLiteral("BrDoObl")) : 0.0;

    auto& profil = d.wycena.ProfilPredkosci;
    profil.clear();
    SortujSciezki(d);

    std::size_t n = 0;
    for (const auto& e : d.trasa.Sciezki)
        n += std::size_t(std::max(0, e.Odleglosc));
    profil.resize(n);

    std::size_t m = 0;
    for (const auto& e : d.trasa.Sciezki) {
        const TOdcinek& o = s.Odcinki[std::size_t(e.LpOdcinka)];
        const bool kierunek1 = e.LpStOd == o.LpStA;
        int L;
        if (pasazerski)
            L = kierunek1 ? std::min(o.VOgr1, o.VP1) : std::min(o.VOgr2, o.VP2);
        else
            L = kierunek1 ? std::min(o.VOgr1, o.VT1) : std::min(o.VOgr2, o.VT2);
        const auto limit = std::uint8_t(std::max(0, std::min(L, vtab) - 3));
        const std::size_t koniec = m + std::size_t(std::max(0, e.Odleglosc));
        for (; m < koniec; ++m)
            profil[m].Limit = limit;
    }

    // Hamowanie: od końca trasy wstecz, prędkość z metra następnego.
    double v = 0;
    const double dwaB = 2.0 * lok.B;
    for (std::size_t i = n > 0 ? n - 1 : 0; i >= 1; --i) {
        TMetrProfilu& x = profil[i];
        x.Predkosc = doBajtu(v * 3.6);
        const double vLimit = x.Limit / 3.6;
        if (x.Limit < x.Predkosc) {
            v = vLimit;
            x.Predkosc = x.Limit;
        } else if (v >= vLimit) {
            v = vLimit;   // pierwiastek i tak większy od ograniczenia
        } else {
            v = std::min(std::sqrt(v * v + dwaB), vLimit);
        }
    }

    // Rozpędzanie: od początku, z siłą pociągową lokomotywy i oporem ruchu.
    v = 0;
    const double ciezar = M * kG;
    for (std::size_t i = 1; i < n; ++i) {
        TMetrProfilu& x = profil[i];
        const double vMax = x.Predkosc / 3.6;
        if (x.Predkosc > v * 3.6) {
            double a;
            if (M > 0) {
                const double R = (kOporA * v * v + kOporB) * ciezar;
                const double F = std::min(lok.Fmax, lok.P / (v + 1.0));
                a = (F * 1000.0 - R) / (M * 1000.0);
            } else {
                a = std::numeric_limits<double>::infinity();
            }
            const double arg = v * v + 2.0 * a;
            v = arg > 0 ? std::min(std::sqrt(arg), vMax) : 0.0;   // ujemny pierwiastek: pociąg stoi
            x.Predkosc = doBajtu(v * 3.6);
        } else {
            v = vMax;
        }
    }

    double t = 0;
    for (const auto& x : profil)
        t += kCzasMetra.t[x.Predkosc];
    d.wycena.Tr = int(zaokraglij(t));
}

QString czasJazdyJakoTekst(int sekundy)
{
    const int h = sekundy / 3600;
    const int mi = (sekundy % 3600) / 60;
    return QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(mi, 2, 10, QLatin1Char('0'));
}

void PokazCzasJazdy(Droga& d)
{
    if (d.trasa.Sciezki.empty()) {
        d.wycena.EditTr.clear();
        d.wycena.EditVr.clear();
        return;
    }
    const int tr = d.wycena.Tr;
    if (d.trasa.GlowneStacje.size() < 2 || tr <= 0)
        return;
    d.wycena.EditTr = czasJazdyJakoTekst(tr);
    d.wycena.EditVr =
        QString::number(qint64(zaokraglij(d.wycena.dlugoscTrasy / tr * 3600.0))) + QStringLiteral(" km/h");
}

} // namespace tks
