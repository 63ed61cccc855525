#include "WyszukiwanieWzorcowe.h"

#include "app/Droga.h"
#include "routing/Warunki.h"
#include "routing/Wyszukiwanie.h"


namespace tks::test {
namespace {

using namespace tks;

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

bool WzorcoweObliczMinOdleglosci(Droga& d, int od, int doSt, int linia)
{
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

    // Z celem: niepowodzenie, gdy cel nie dostał etykiety.
    return !(zCelem && s.Stacje[std::size_t(doSt)].OdlMin >= kNieosiagnieta);
}

} // namespace tks::test
