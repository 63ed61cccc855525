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

// Dane symulacji wspólne dla obu sposobów liczenia.
struct WarunkiSymulacji {
    ParametryLokomotywy lok;
    int vtab;
    double M;   // masa przedziału, t
};

WarunkiSymulacji warunkiSymulacji(const Droga& d)
{
    const bool pasazerski = d.kontrolki.idRodzajuStawki == 0;
    const int wiersz = wierszPrzedzialu(d.siec, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr);
    return {pasazerski ? kLokomotywaPasazerska : kLokomotywaTowarowa,
            ograniczVTab(d.kontrolki.vmaxTekst, pasazerski),
            wiersz >= 0 ? d.siec.ZakresyBr.rzeczywista(wiersz, QStringLiteral("BrDoObl")) : 0.0};
}

// Ograniczenie prędkości na elemencie trasy (km/h, z zapasem 3 km/h).
std::uint8_t limitElementu(const Droga& d, const TSciezka& e, int vtab)
{
    const TOdcinek& o = d.siec.Odcinki[std::size_t(e.LpOdcinka)];
    const bool kierunek1 = e.LpStOd == o.LpStA;
    int L;
    if (d.kontrolki.idRodzajuStawki == 0)
        L = kierunek1 ? std::min(o.VOgr1, o.VP1) : std::min(o.VOgr2, o.VP2);
    else
        L = kierunek1 ? std::min(o.VOgr1, o.VT1) : std::min(o.VOgr2, o.VT2);
    return std::uint8_t(std::max(0, std::min(L, vtab) - 3));
}

// Jeden metr hamowania (wstecz): v to prędkość z metra następnego, m/s; wynik to
// prędkość tego metra w km/h, v zmienia się na prędkość dla metra poprzedniego.
inline std::uint8_t krokHamowania(double& v, std::uint8_t limit, double dwaB)
{
    std::uint8_t predkosc = doBajtu(v * 3.6);
    const double vLimit = limit / 3.6;
    if (limit < predkosc) {
        v = vLimit;
        predkosc = limit;
    } else if (v >= vLimit) {
        v = vLimit;   // pierwiastek i tak większy od ograniczenia
    } else {
        v = std::min(std::sqrt(v * v + dwaB), vLimit);
    }
    return predkosc;
}

// Jeden metr rozpędzania: predkosc to prędkość po hamowaniu, v prędkość z metra poprzedniego.
inline std::uint8_t krokRozpedzania(double& v, std::uint8_t predkosc, const WarunkiSymulacji& w, double ciezar)
{
    const double vMax = predkosc / 3.6;
    if (predkosc > v * 3.6) {
        double a;
        if (w.M > 0) {
            const double R = (kOporA * v * v + kOporB) * ciezar;
            const double F = std::min(w.lok.Fmax, w.lok.P / (v + 1.0));
            a = (F * 1000.0 - R) / (w.M * 1000.0);
        } else {
            a = std::numeric_limits<double>::infinity();
        }
        const double arg = v * v + 2.0 * a;
        v = arg > 0 ? std::min(std::sqrt(arg), vMax) : 0.0;   // ujemny pierwiastek: pociąg stoi
        return doBajtu(v * 3.6);
    }
    v = vMax;
    return predkosc;
}

using Odcinek = TOdcinekProfilu;

void dopisz(std::vector<Odcinek>& ciag, std::uint8_t wartosc, std::size_t metry)
{
    if (metry == 0)
        return;
    if (!ciag.empty() && ciag.back().wartosc == wartosc)
        ciag.back().metry += metry;
    else
        ciag.push_back({wartosc, metry});
}

// Symulacja metr po metrze: wzorzec, z którym zgadza się liczenie odcinkami.
void symulacjaMetrowa(Droga& d, const WarunkiSymulacji& w)
{
    auto& profil = d.wycena.ProfilPredkosci;
    profil.clear();

    std::size_t n = 0;
    for (const auto& e : d.trasa.Sciezki)
        n += std::size_t(std::max(0, e.Odleglosc));
    profil.resize(n);

    std::size_t m = 0;
    for (const auto& e : d.trasa.Sciezki) {
        const auto limit = limitElementu(d, e, w.vtab);
        const std::size_t koniec = m + std::size_t(std::max(0, e.Odleglosc));
        for (; m < koniec; ++m)
            profil[m].Limit = limit;
    }

    // Hamowanie: od końca trasy wstecz, prędkość z metra następnego.
    double v = 0;
    const double dwaB = 2.0 * w.lok.B;
    for (std::size_t i = n > 0 ? n - 1 : 0; i >= 1; --i)
        profil[i].Predkosc = krokHamowania(v, profil[i].Limit, dwaB);

    // Rozpędzanie: od początku, z siłą pociągową lokomotywy i oporem ruchu.
    v = 0;
    const double ciezar = w.M * kG;
    for (std::size_t i = 1; i < n; ++i)
        profil[i].Predkosc = krokRozpedzania(v, profil[i].Predkosc, w, ciezar);

    double t = 0;
    for (const auto& x : profil)
        t += kCzasMetra.t[x.Predkosc];
    d.wycena.Tr = int(zaokraglij(t));

    d.wycena.LimityOdcinkami.clear();
    d.wycena.PredkosciOdcinkami.clear();
    for (const auto& x : profil) {
        dopisz(d.wycena.LimityOdcinkami, x.Limit, 1);
        dopisz(d.wycena.PredkosciOdcinkami, x.Predkosc, 1);
    }
    d.wycena.profilAktualny = true;
}

// Ta sama symulacja na ciągach metrów o stałej wartości. Krok metra zależy tylko od
// prędkości wejściowej i wartości metra: gdy krok nie zmienia prędkości, wszystkie
// dalsze metry ciągu dają ten sam wynik i nie trzeba ich liczyć po kolei.
void symulacjaOdcinkami(Droga& d, const WarunkiSymulacji& w)
{
    std::vector<Odcinek> limity;
    for (const auto& e : d.trasa.Sciezki)
        dopisz(limity, limitElementu(d, e, w.vtab), std::size_t(std::max(0, e.Odleglosc)));
    std::size_t n = 0;
    for (const auto& o : limity)
        n += o.metry;

    // Hamowanie wstecz (metr 0 zostaje z prędkością 0); ciągi prędkości od końca.
    std::vector<Odcinek> hamowanie;
    double v = 0;
    const double dwaB = 2.0 * w.lok.B;
    std::size_t koniec = n;
    for (auto o = limity.rbegin(); o != limity.rend(); ++o) {
        const std::size_t poczatek = koniec - o->metry;
        std::size_t i = koniec;
        while (i > std::max<std::size_t>(poczatek, 1)) {
            --i;
            const double przed = v;
            const std::uint8_t p = krokHamowania(v, o->wartosc, dwaB);
            dopisz(hamowanie, p, 1);
            if (v == przed) {
                dopisz(hamowanie, p, i - std::max<std::size_t>(poczatek, 1));
                break;
            }
        }
        koniec = poczatek;
    }
    if (n > 0)
        dopisz(hamowanie, 0, 1);   // metr 0
    std::reverse(hamowanie.begin(), hamowanie.end());

    // Rozpędzanie od początku.
    std::vector<Odcinek> predkosci;
    v = 0;
    const double ciezar = w.M * kG;
    bool pierwszy = true;
    for (const auto& o : hamowanie) {
        std::size_t ile = o.metry;
        if (pierwszy) {   // metr 0 bez zmian
            dopisz(predkosci, o.wartosc, 1);
            --ile;
            pierwszy = false;
        }
        while (ile > 0) {
            const double przed = v;
            const std::uint8_t p = krokRozpedzania(v, o.wartosc, w, ciezar);
            dopisz(predkosci, p, 1);
            --ile;
            if (v == przed) {
                dopisz(predkosci, p, ile);
                break;
            }
        }
    }

    double t = 0;
    for (const auto& o : predkosci)
        t = dodajRazy(t, kCzasMetra.t[o.wartosc], o.metry);
    d.wycena.Tr = int(zaokraglij(t));

    d.wycena.LimityOdcinkami = std::move(limity);
    d.wycena.PredkosciOdcinkami = std::move(predkosci);
}

} // namespace

void WyznaczCzasJazdy(Droga& d)
{
    SortujSciezki(d);
    d.wycena.profilAktualny = false;
    const WarunkiSymulacji w = warunkiSymulacji(d);
    if (d.wycena.symulacjaMetrowa)
        symulacjaMetrowa(d, w);
    else
        symulacjaOdcinkami(d, w);
}

// Suma czasów metrów jadących ze stałą prędkością: `metry` razy t += c, z tym samym
// zaokrągleniem każdego dodawania. Dopóki suma nie przekracza potęgi dwójki, każde
// dodanie zwiększa ją o tę samą wielokrotność ulp (c zaokrąglone do siatki ulp), więc
// całą serię takich dodawań można wykonać jednym mnożeniem bez błędu. Remis (c równe
// połowie siatki) rozstrzyga parzystość sumy: wtedy dodawania są wykonywane po kolei.
double dodajRazy(double t, double c, std::size_t metry)
{
    while (metry > 0) {
        if (t > 0 && c > 0) {
            int wykladnik;
            std::frexp(t, &wykladnik);                     // t w [2^(w-1), 2^w)
            const double granica = std::ldexp(1.0, wykladnik);
            const double ulp = std::ldexp(1.0, wykladnik - 53);
            const double reszta = std::fmod(c, ulp);
            if (reszta != ulp / 2 && t + c < granica) {
                const double krok = reszta < ulp / 2 ? c - reszta : c - reszta + ulp;
                // dodawania, po których suma dokładna zostaje poniżej granicy (z zapasem)
                std::size_t seria = metry;
                if (krok > 0) {
                    const double zapas = (granica - t - c - ulp) / krok;
                    seria = zapas > 2 ? std::min(metry, std::size_t(zapas) - 1) : 0;
                }
                // sprawdzenie ostatniego dodania serii: suma przed nim jest dokładna
                while (seria > 0 && !(t + double(seria - 1) * krok + c < granica))
                    seria /= 2;
                if (seria > 0) {
                    t += double(seria) * krok;
                    metry -= seria;
                    continue;
                }
            }
        }
        t += c;
        --metry;
    }
    return t;
}

const std::vector<TMetrProfilu>& profilPredkosci(Wycena& w)
{
    if (!w.profilAktualny) {
        std::size_t n = 0;
        for (const auto& o : w.LimityOdcinkami)
            n += o.metry;
        auto& profil = w.ProfilPredkosci;
        if (n > kMaxMetrowProfilu) {
            // trasa z setek tysięcy km: profil metr po metrze zająłby gigabajty
            profil.clear();
            profil.shrink_to_fit();
            w.profilAktualny = true;
            return profil;
        }
        profil.assign(n, TMetrProfilu{});
        std::size_t m = 0;
        for (const auto& o : w.LimityOdcinkami)
            for (const std::size_t k = m + o.metry; m < k; ++m)
                profil[m].Limit = o.wartosc;
        m = 0;
        for (const auto& o : w.PredkosciOdcinkami)
            for (const std::size_t k = m + o.metry; m < k && m < n; ++m)
                profil[m].Predkosc = o.wartosc;
        w.profilAktualny = true;
    }
    return w.ProfilPredkosci;
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
