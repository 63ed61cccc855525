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

namespace {

// Ograniczenia prędkości trasy jako ciągi metrów o jednym ograniczeniu (po jednym
// na element trasy): metr m należy do pierwszego ciągu o końcu > m.
struct CiagLimitu {
    std::size_t koniec;
    std::uint8_t limit;
};

// Metry w bloku przeliczania; profil trasy dłuższej niż kMaxMetrowProfilu jest
// liczony blokami i nie jest przechowywany.
constexpr std::size_t kMetrowBloku = std::size_t(1) << 20;

// Hamowanie na metrze: prędkość wniesiona z metra następnego (`v`, m/s) i ograniczenie;
// zwraca prędkość zapisaną na metrze, `v` dostaje wartość wnoszoną do metra poprzedniego.
inline std::uint8_t hamowanie(double& v, std::uint8_t limit, double dwaB)
{
    std::uint8_t p = doBajtu(v * 3.6);
    const double vLimit = limit / 3.6;
    if (limit < p) {
        v = vLimit;
        p = limit;
    } else if (v >= vLimit) {
        v = vLimit;   // pierwiastek i tak większy od ograniczenia
    } else {
        v = std::min(std::sqrt(v * v + dwaB), vLimit);
    }
    return p;
}

} // namespace

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

    std::vector<CiagLimitu> ciagi;
    ciagi.reserve(d.trasa.Sciezki.size());
    std::size_t n = 0;
    for (const auto& e : d.trasa.Sciezki) {
        const TOdcinek& o = s.Odcinki[std::size_t(e.LpOdcinka)];
        const bool kierunek1 = e.LpStOd == o.LpStA;
        int L;
        if (pasazerski)
            L = kierunek1 ? std::min(o.VOgr1, o.VP1) : std::min(o.VOgr2, o.VP2);
        else
            L = kierunek1 ? std::min(o.VOgr1, o.VT1) : std::min(o.VOgr2, o.VT2);
        const auto limit = std::uint8_t(std::max(0, std::min(L, vtab) - 3));
        n += std::size_t(std::max(0, e.Odleglosc));
        if (!ciagi.empty() && ciagi.back().koniec == n)
            continue;   // element o długości 0
        ciagi.push_back({n, limit});
    }

    // Profil metr po metrze ma 2 B na metr: trasa z 1000 punktów po odległych
    // stacjach (setki tysięcy km) potrzebowałaby gigabajtów. Dlatego przeliczanie
    // idzie blokami: hamowanie (od końca) raz przez całą trasę, zapamiętując tylko
    // prędkość wnoszoną do każdego bloku, potem blok po bloku od początku hamowanie
    // w bloku od tej prędkości (te same działania, więc te same wartości) i rozpędzanie.
    // Profil jest przechowywany dla tras do kMaxMetrowProfilu.
    const bool przechowuj = n <= kMaxMetrowProfilu;
    if (przechowuj)
        profil.resize(n);
    const double dwaB = 2.0 * lok.B;
    const std::size_t bloki = (n + kMetrowBloku - 1) / kMetrowBloku;
    std::vector<double> vNaKoncuBloku(bloki, 0.0);
    {
        double v = 0;
        std::size_t c = ciagi.size();
        for (std::size_t i = n > 0 ? n - 1 : 0; i >= 1; --i) {
            if (i % kMetrowBloku == kMetrowBloku - 1 || i == n - 1)
                vNaKoncuBloku[i / kMetrowBloku] = v;
            while (c > 0 && ciagi[c - 1].koniec > i)
                --c;
            hamowanie(v, ciagi[c].limit, dwaB);
        }
    }

    std::vector<std::uint8_t> predkosci;
    std::vector<std::uint8_t> limity;
    double v = 0;                      // rozpędzanie: prędkość z metra poprzedniego
    double t = 0;
    const double ciezar = M * kG;
    std::size_t cPrzod = 0;
    for (std::size_t b = 0; b < bloki; ++b) {
        const std::size_t poczatek = b * kMetrowBloku;
        const std::size_t koniec = std::min(n, poczatek + kMetrowBloku);
        const std::size_t dl = koniec - poczatek;
        predkosci.assign(dl, 0);
        limity.resize(dl);
        for (std::size_t i = poczatek; i < koniec; ++i) {
            while (ciagi[cPrzod].koniec <= i)
                ++cPrzod;
            limity[i - poczatek] = ciagi[cPrzod].limit;
        }
        double vh = vNaKoncuBloku[b];
        for (std::size_t i = koniec - 1; i >= std::max<std::size_t>(poczatek, 1); --i) {
            predkosci[i - poczatek] = hamowanie(vh, limity[i - poczatek], dwaB);
            if (i == 0)
                break;
        }

        // Rozpędzanie: od początku, z siłą pociągową lokomotywy i oporem ruchu.
        for (std::size_t i = std::max<std::size_t>(poczatek, 1); i < koniec; ++i) {
            std::uint8_t& p = predkosci[i - poczatek];
            const double vMax = p / 3.6;
            if (p > v * 3.6) {
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
                p = doBajtu(v * 3.6);
            } else {
                v = vMax;
            }
        }
        for (std::size_t i = 0; i < dl; ++i) {
            t += kCzasMetra.t[predkosci[i]];
            if (przechowuj)
                profil[poczatek + i] = TMetrProfilu{predkosci[i], limity[i]};
        }
    }
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
