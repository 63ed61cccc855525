#include "Wyszukiwanie.h"

#include "Dziennik.h"

#include "app/Droga.h"
#include "pricing/Wycenianie.h"
#include "routing/Warunki.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>

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

// Ustalenie linii w kryterium "wybór ręczny"; false, gdy wyszukiwanie ma się nie udać.
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

// Największa etykieta wśród stacji punktów trasy (0 bez punktów).
double ograniczenieBezCelu(const Droga& d)
{
    double g = 0;
    bool jest = false;
    for (const auto& p : d.trasa.GlowneStacje) {
        if (p.LpStacji < 0 || p.LpStacji >= d.siec.liczbaStacji())
            continue;
        const double v = d.siec.Stacje[std::size_t(p.LpStacji)].OdlMin;
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

} // namespace

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
    const std::uint16_t maska = d.trasa.MaskaOgraniczen;

    if (kryterium == 2 && linia >= 0 && zCelem && (!d.kontrolki.wczytywaniePociagu || linia == 0)) {
        if (!ustalLinie(d, od, doSt, linia))
            return false;
    }

    for (auto& st : s.Stacje) {
        if (st.OdlMin < kProgWejscia)
            st.OdlMin = kNieosiagnieta;
        st.OdcPop = -1;
        st.StPop = -1;
        st.Wybieralna = 1;
    }
    TStacja& start = s.Stacje[std::size_t(od)];
    start.OdlMin = 0;
    start.OdcPop = -1;
    start.StPop = od;
    start.Wybieralna = 0;

    // Ograniczenie bez celu zmienia się tylko, gdy poprawia się etykieta stacji punktu trasy.
    double ograniczenie = zCelem ? 0.0 : ograniczenieBezCelu(d);

    std::vector<std::int32_t>& kolejka = d.trasa.KolejkaStacji;
    kolejka.clear();
    kolejka.push_back(od);
    for (std::size_t glowa = 0; glowa < kolejka.size(); ++glowa) {
        const std::int32_t c = kolejka[glowa];
        const double etykietaC = s.Stacje[std::size_t(c)].OdlMin;
        for (std::int32_t e : s.OdcinkiStacji[std::size_t(c)]) {
            const TOdcinek& o = s.Odcinki[std::size_t(e)];
            const std::int32_t nb = o.LpStA == c ? o.LpStB : o.LpStA;
            TStacja& sn = s.Stacje[std::size_t(nb)];
            if (sn.OdlMin >= kProgWejscia)
                continue;
            // Odcinek zabroniony maską ma wagę 1e100: nigdy nie da etykiety poniżej nieosiągniętej.
            if (o.Cechy & maska)
                continue;
            double w;
            switch (kryterium) {
            case 1:
                w = double(s.Stawki.stawka(std::size_t(e), r, b)) / 1000.0 * (double(o.Odleglosc) / 1000.0);
                break;
            case 3: {
                const int v = pasazerski ? int(o.VP1) + int(o.VP2) : int(o.VT1) + int(o.VT2);
                if (v == 0)
                    continue;   // odcinek bez prędkości jest nieprzejezdny
                w = (double(o.Odleglosc) / 1000.0) / double(v) * 2.0;
                break;
            }
            default:
                w = double(o.Odleglosc) / 1000.0;
                break;
            }
            const double t = etykietaC + w;
            if (kryterium == 2) {
                if (o.NrLinii != linia && linia != -1)
                    continue;
                if (!(t < sn.OdlMin))
                    continue;
            } else {
                const double granica = zCelem ? s.Stacje[std::size_t(doSt)].OdlMin : ograniczenie;
                if (!(t < sn.OdlMin) || !(t < granica))
                    continue;
            }
            sn.OdlMin = t;
            sn.StPop = c;
            sn.OdcPop = e;
            kolejka.push_back(nb);
            if (!zCelem && czyStacjaPunktu(d, nb))
                ograniczenie = ograniczenieBezCelu(d);
        }
    }

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
        d.interakcja.komunikat(
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
