#include "Wyszukiwanie.h"

#include "Dziennik.h"

#include "app/Droga.h"
#include "pricing/Wycenianie.h"
#include "routing/BrakDrogi.h"
#include "routing/Warunki.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace tks {
namespace {

constexpr int kMaxUwagi = 150;

// Wspólne linie stacji `od` i `doSt` w kolejności list odcinków.
QVector<int> wspolneLinie(const Siec& s, int od, int doSt)
{
    QVector<int> linie;
    for (std::int32_t e1 : s.OdcinkiStacji[std::size_t(od)])
        for (std::int32_t e2 : s.OdcinkiStacji[std::size_t(doSt)]) {
            const int n = s.Odcinki[std::size_t(e1)].NrLinii;
            if (n == s.Odcinki[std::size_t(e2)].NrLinii && !linie.contains(n))
                linie.append(n);
        }
    return linie;
}

// Największa etykieta wśród stacji punktów trasy (0 bez punktów).
double ograniczenieBezCelu(const Droga& d, const double* etykiety)
{
    double g = 0;
    bool jest = false;
    for (const auto& p : d.trasa.GlowneStacje) {
        if (p.LpStacji < 0 || p.LpStacji >= d.siec.liczbaStacji())
            continue;
        const double v = etykiety[p.LpStacji];
        if (!jest || v > g)
            g = v;
        jest = true;
    }
    return g;
}

bool czyStacjaPunktu(const Droga& d, int s)
{
    for (const auto& p : d.trasa.GlowneStacje)
        if (p.LpStacji == s)
            return true;
    return false;
}

// Lista odcinków stacji przepisana przy pierwszym zdjęciu stacji z kolejki w danym
// wyszukiwaniu (znacznik = numer wyszukiwania): sąsiad i waga każdego odcinka w
// kolejności listy. Stacja zdejmowana ponownie (po poprawie etykiety) czyta już
// tylko tę zwartą kopię. Waga +inf oznacza odcinek pomijany (zabroniony maską, bez
// prędkości, spoza linii wyboru ręcznego): etykieta + inf nigdy nie jest mniejsza
// od etykiety sąsiada, więc odcinek odpada przy tym samym porównaniu, co każdy inny.
struct WpisSasiada {
    double waga;
    std::int32_t sasiad;
    std::int32_t odcinek;
};

struct ListaStacji {
    std::uint32_t znacznik = 0;
    std::uint32_t poczatek = 0;
    std::uint32_t liczba = 0;
};

// Bufory wyszukiwania używane ponownie (rosną do rozmiaru sieci, nie maleją):
// etykiety i poprzednicy stacji w zwartych tablicach (w trakcie wyszukiwania
// zamiast rekordów stacji), przepisane listy odcinków i kolejka. Jedne na program,
// jak cały program działający w jednym wątku; nic z nich nie przechodzi do
// następnego wyszukiwania.
struct BuforWyszukiwania {
    std::vector<double> etykiety;
    std::vector<std::int32_t> stPop;
    std::vector<std::int32_t> odcPop;
    std::vector<ListaStacji> listy;
    std::vector<WpisSasiada> wpisy;
    std::vector<std::int32_t> kolejka;
    std::uint32_t znacznik = 0;
};

BuforWyszukiwania& bufor()
{
    static BuforWyszukiwania b;
    return b;
}

struct WarunkiWagi {
    int kryterium;
    std::uint16_t maska;
    int r;
    int b;
    bool pasazerski;
    int linia;
};

constexpr double kPominiety = std::numeric_limits<double>::infinity();

double wagaOdcinka(const Siec& s, const TOdcinek& o, std::size_t e, const WarunkiWagi& w)
{
    // Odcinek zabroniony maską ma wagę 1e100: nigdy nie da etykiety poniżej nieosiągniętej.
    if (o.Cechy & w.maska)
        return kPominiety;
    if (w.kryterium == 2 && o.NrLinii != w.linia && w.linia != -1)
        return kPominiety;
    switch (w.kryterium) {
    case 1:
        return double(s.Stawki.stawka(e, w.r, w.b)) / 1000.0 * (double(o.Odleglosc) / 1000.0);
    case 3: {
        const int v = w.pasazerski ? int(o.VP1) + int(o.VP2) : int(o.VT1) + int(o.VT2);
        if (v == 0)
            return kPominiety;   // odcinek bez prędkości jest nieprzejezdny
        return (double(o.Odleglosc) / 1000.0) / double(v) * 2.0;
    }
    default:
        return double(o.Odleglosc) / 1000.0;
    }
}

// Pętla kolejki FIFO. Kolejność zdejmowania stacji, przeglądania odcinków i
// porównań jest dokładnie taka, jak w opisie algorytmu. Etykiety i poprzednicy
// są w zwartych tablicach bufora; do rekordów stacji trafiają na końcu. Kolejka
// (KolejkaStacji) rośnie skokami, a na końcu ma dokładnie dopisane stacje.
template <bool Reczny, bool ZCelem>
void przeszukaj(Droga& d, BuforWyszukiwania& bf, int od, int doSt, const WarunkiWagi& ww)
{
    Siec& s = d.siec;
    double* const etykiety = bf.etykiety.data();
    std::int32_t* const stPop = bf.stPop.data();
    std::int32_t* const odcPop = bf.odcPop.data();
    ListaStacji* const listy = bf.listy.data();
    std::vector<WpisSasiada>& wpisy = bf.wpisy;
    wpisy.clear();
    const std::uint32_t znacznik = bf.znacznik;
    // Ograniczenie: z celem etykieta celu, bez celu największa etykieta stacji
    // punktów trasy (zmienia się tylko, gdy poprawia się etykieta takiej stacji).
    double granica = ZCelem ? etykiety[doSt] : ograniczenieBezCelu(d, etykiety);

    // Kolejka w buforze, który tylko rośnie (bez zerowania przy każdym wyszukiwaniu);
    // na końcu przepisywana do KolejkaStacji.
    std::vector<std::int32_t>& kolejka = bf.kolejka;
    if (kolejka.size() < 1024)
        kolejka.resize(1024);
    kolejka[0] = od;
    std::size_t dlugosc = 1;
    std::int32_t* q = kolejka.data();
    for (std::size_t glowa = 0; glowa < dlugosc; ++glowa) {
        const std::int32_t c = q[glowa];
        ListaStacji& lista = listy[c];
        if (lista.znacznik != znacznik) {
            const auto& odcinki = s.OdcinkiStacji[std::size_t(c)];
            lista.znacznik = znacznik;
            lista.poczatek = std::uint32_t(wpisy.size());
            lista.liczba = std::uint32_t(odcinki.size());
            for (const std::int32_t e : odcinki) {
                const TOdcinek& o = s.Odcinki[std::size_t(e)];
                wpisy.push_back({wagaOdcinka(s, o, std::size_t(e), ww), o.LpStA == c ? o.LpStB : o.LpStA, e});
            }
        }
        if (dlugosc + lista.liczba > kolejka.size()) {
            kolejka.resize(std::max(2 * kolejka.size(), dlugosc + lista.liczba));
            q = kolejka.data();
        }
        const double etykietaC = etykiety[c];
        const WpisSasiada* w = wpisy.data() + lista.poczatek;
        for (const WpisSasiada* const koniec = w + lista.liczba; w != koniec; ++w) {
            const std::int32_t nb = w->sasiad;
            const double etykietaN = etykiety[nb];
            if (etykietaN >= kProgWejscia)
                continue;
            const double t = etykietaC + w->waga;
            if constexpr (Reczny) {
                if (!(t < etykietaN))
                    continue;
            } else {
                if (!(t < etykietaN) || !(t < granica))
                    continue;
            }
            etykiety[nb] = t;
            stPop[nb] = c;
            odcPop[nb] = w->odcinek;
            q[dlugosc++] = nb;
            if constexpr (ZCelem) {
                if (nb == doSt)
                    granica = t;
            } else if (czyStacjaPunktu(d, nb)) {
                granica = ograniczenieBezCelu(d, etykiety);
            }
        }
    }
    d.trasa.KolejkaStacji.assign(q, q + dlugosc);

    // Wynik do rekordów stacji, po kolei: stacja, która dostała etykietę, ma ją
    // poniżej nieosiągniętej (start: 0); pozostałe mają już w rekordach wartości
    // z inicjalizacji.
    const std::size_t n = s.Stacje.size();
    for (std::size_t v = 0; v < n; ++v)
        if (etykiety[v] < kNieosiagnieta) {
            TStacja& st = s.Stacje[v];
            st.OdlMin = etykiety[v];
            st.StPop = stPop[v];
            st.OdcPop = odcPop[v];
        }
}

} // namespace

bool ustalLinie(Droga& d, int od, int doSt, int& linia)
{
    const QVector<int> linie = wspolneLinie(d.siec, od, doSt);
    if (linie.isEmpty()) {
        d.interakcja.komunikat(QStringLiteral("Błąd - stacje ") + d.siec.nazwaStacji(od) + QStringLiteral(" i ")
                               + d.siec.nazwaStacji(doSt) + QStringLiteral(" Nie leżą na tej samej linii"));
        return false;
    }
    if (linie.size() == 1) {
        linia = linie.first();
        return true;
    }
    QStringList pozycje;
    for (int n : linie)
        pozycje << QStringLiteral("Linia ") + QString::number(n);
    const QString opis = QStringLiteral("Stacje ") + d.siec.nazwaStacji(od) + QLatin1Char('\n') + QStringLiteral("oraz ")
                         + d.siec.nazwaStacji(doSt) + QLatin1Char('\n') + QStringLiteral(" leżą na ")
                         + QString::number(linie.size()) + QStringLiteral(" wspólnych liniach.") + QLatin1Char('\n')
                         + QStringLiteral("Proszę wybrać właściwą.");
    const int i = d.interakcja.wybor(kTytulWyboruLinii, opis, pozycje);
    if (i < 0 || i >= linie.size())
        return false;
    linia = linie[i];
    return true;
}

bool ObliczMinOdleglosci(Droga& d, int od, int doSt, int linia)
{
    QElapsedTimer zegar;
    zegar.start();
    const int r = d.kontrolki.idRodzajuStawki;
    const int b = d.kontrolki.lpZakresuBr;
    const bool pasazerski = r == 0;
    UstalWarunki(d);

    Siec& s = d.siec;
    const int n = s.liczbaStacji();
    if (od < 0 || od >= n || doSt >= n)
        return false;
    const bool zCelem = doSt >= 0;
    const int kryterium = d.trasa.Kryterium;

    if (kryterium == 2 && linia >= 0 && zCelem && (!d.kontrolki.wczytywaniePociagu || linia == 0)) {
        if (!ustalLinie(d, od, doSt, linia))
            return false;
    }

    BuforWyszukiwania& bf = bufor();
    bf.etykiety.resize(std::size_t(n));
    bf.stPop.resize(std::size_t(n));
    bf.odcPop.resize(std::size_t(n));
    if (bf.listy.size() < std::size_t(n))
        bf.listy.resize(std::size_t(n));
    bf.wpisy.reserve(2 * s.Odcinki.size());
    if (++bf.znacznik == 0) {
        // Po przepełnieniu numeru wyszukiwania żadna stara lista nie może wyglądać na bieżącą.
        for (auto& l : bf.listy)
            l = ListaStacji{};
        bf.znacznik = 1;
    }

    // Inicjalizacja rekordów; rekord, który ma już wartości początkowe (stacje spoza
    // poprzedniego wyszukiwania), jest tylko czytany.
    double* const etykiety = bf.etykiety.data();
    for (int i = 0; i < n; ++i) {
        TStacja& st = s.Stacje[std::size_t(i)];
        const double e = st.OdlMin < kProgWejscia ? kNieosiagnieta : st.OdlMin;
        if (st.OdlMin != e || st.OdcPop != -1 || st.StPop != -1 || st.Wybieralna != 1) {
            st.OdlMin = e;
            st.OdcPop = -1;
            st.StPop = -1;
            st.Wybieralna = 1;
        }
        etykiety[i] = e;
    }
    TStacja& start = s.Stacje[std::size_t(od)];
    start.OdlMin = 0;
    start.OdcPop = -1;
    start.StPop = od;
    start.Wybieralna = 0;
    etykiety[od] = 0;
    bf.stPop[std::size_t(od)] = od;
    bf.odcPop[std::size_t(od)] = -1;

    const WarunkiWagi ww{kryterium, d.trasa.MaskaOgraniczen, r, b, pasazerski, linia};
    if (kryterium == 2)
        zCelem ? przeszukaj<true, true>(d, bf, od, doSt, ww) : przeszukaj<true, false>(d, bf, od, doSt, ww);
    else
        zCelem ? przeszukaj<false, true>(d, bf, od, doSt, ww) : przeszukaj<false, false>(d, bf, od, doSt, ww);

    bool wynik = true;
    if (zCelem && s.Stacje[std::size_t(doSt)].OdlMin >= kNieosiagnieta)
        wynik = false;
    dopiszDziennik(d, QStringLiteral("obliczenia "), zegar);
    return wynik;
}

void OznaczMinDroge(Droga& d, int od, int doSt, bool odwrotnie, int lpDrogi, int nrGrupy)
{
    QElapsedTimer zegar;
    zegar.start();
    const int r = d.kontrolki.idRodzajuStawki;
    const int b = d.kontrolki.lpZakresuBr;
    d.pociag.ZmianyPociagu = true;

    Siec& s = d.siec;
    const int n = s.liczbaStacji();
    if (od < 0 || od >= n || doSt < 0 || doSt >= n)
        return;
    const TStacja& cel = s.Stacje[std::size_t(doSt)];
    if (cel.OdlMin > 1e99 || cel.StPop == -1) {
        ZglosBrakDrogi(d, od, doSt,
                       QStringLiteral("Przy wybranych ograniczeniach nie można znaleźć połączenia między stacją ")
                           + s.nazwaStacji(od) + QStringLiteral(" a stacją ") + s.nazwaStacji(doSt));
        return;
    }
    if (lpDrogi >= 0 && std::size_t(lpDrogi) < d.trasa.GlowneStacje.size())
        d.trasa.GlowneStacje[std::size_t(lpDrogi)].OdlDoPunktu = cel.OdlMin;

    int k = 0;
    int c = doSt;
    // Poprzedniki tworzą drzewo; licznik chroni przed etykietami z innego wyszukiwania.
    for (int krok = 0; c != od && krok < n; ++krok) {
        const TStacja& sc = s.Stacje[std::size_t(c)];
        const int p = sc.StPop;
        const int e = sc.OdcPop;
        if (p < 0 || p >= n || e < 0 || e >= s.liczbaOdcinkow())
            break;
        const TOdcinek& o = s.Odcinki[std::size_t(e)];
        TSciezka el;
        el.LpDrogi = lpDrogi;
        el.LpSciezki = k;
        el.NrGrupy = nrGrupy;
        el.LpOdcinka = e;
        el.NrLinii = o.NrLinii;
        el.Znacznik = o.Znacznik;
        el.Odleglosc = o.Odleglosc;
        el.Cechy = o.Cechy;
        el.OznFK = o.OznFK.pusty() ? QChar() : o.OznFK.tekst().at(0);
        if (!odwrotnie) {
            el.LpStOd = p;
            el.LpStDo = c;
            --k;
        } else {
            el.LpStOd = c;
            el.LpStDo = p;
            ++k;
        }
        const TStacja& sOd = s.Stacje[std::size_t(el.LpStOd)];
        const TStacja& sDo = s.Stacje[std::size_t(el.LpStDo)];
        el.XOd = sOd.Xkm;
        el.YOd = sOd.Ykm;
        el.XDo = sDo.Xkm;
        el.YDo = sDo.Ykm;
        if (el.LpStOd == o.LpStA) {
            el.OdKm = o.MetrOsiA / 1000.0;
            el.DoKm = o.MetrOsiB / 1000.0;
        } else {
            el.OdKm = o.MetrOsiB / 1000.0;
            el.DoKm = o.MetrOsiA / 1000.0;
        }
        if (o.Cechy & (cechy::ZawRuchCalk | cechy::ObcyZarzad | cechy::Nieczynna)) {
            el.WgCennika = 0;
            if (o.Cechy & cechy::ObcyZarzad) {
                const QString zarzad = o.KodZarzadu < s.Zarzadcy.size() ? s.Zarzadcy[o.KodZarzadu].tekst() : QString();
                el.Uwagi = (QStringLiteral("Zarząd: ") + zarzad).left(kMaxUwagi);
            } else {
                el.Uwagi = QStringLiteral("Taksatura indywidualna");
            }
        } else {
            el.WgCennika = 1;
            const std::uint16_t stawka = s.Stawki.stawka(std::size_t(e), r, b);
            if (stawka != 0) {
                el.Stawka = stawka;
            } else {
                el.WgCennika = 0;
                el.Uwagi = QStringLiteral("taksatura indywidualna");
            }
        }
        el.Cena = el.Odleglosc * el.Stawka / 1000.0;   // wstępnie; ObliczMinParametry liczy od nowa
        d.trasa.Sciezki.push_back(std::move(el));
        c = p;
    }
    dopiszDziennik(d, QStringLiteral("Oznaczanie drogi "), zegar);
    if (!d.trasa.WycenaOdlozona)
        ObliczMinParametry(d);
}

void ZdejmOznaczenieMinDrogi(Droga& d, int nrGrupy)
{
    auto& sc = d.trasa.Sciezki;
    const auto pierwszy = std::find_if(sc.begin(), sc.end(), [&](const TSciezka& e) { return e.NrGrupy == nrGrupy; });
    if (pierwszy == sc.end())
        return;
    const auto koniec = std::find_if(pierwszy, sc.end(), [&](const TSciezka& e) { return e.NrGrupy != nrGrupy; });
    sc.erase(pierwszy, koniec);
}

} // namespace tks
