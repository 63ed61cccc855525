#include "WyborReczny.h"

#include "Warunki.h"
#include "app/Droga.h"

#include <algorithm>

namespace tks {

namespace {
constexpr int kMaksNazwyKandydata = 80;

void dodajBezPowtorzen(std::vector<int>& lista, int v)
{
    if (std::find(lista.begin(), lista.end(), v) == lista.end())
        lista.push_back(v);
}
} // namespace

int StacjaZaczepienia(const Droga& d, int tryb)
{
    const auto& gs = d.trasa.GlowneStacje;
    if (gs.empty() || tryb == 0)
        return -1;
    const auto& pierwszy = gs.front();
    const auto& ostatni = gs.back();
    const std::size_t n = gs.size();
    switch (tryb) {
    case 1:
        if (pierwszy.Rodzaj == kPunktPoczatkowy && n == 1)
            return -1;
        return pierwszy.LpStacji;
    case 2:
        return ostatni.Rodzaj != kPunktKoncowy ? ostatni.LpStacji : -1;
    case 3:
        if (ostatni.Rodzaj != kPunktKoncowy)
            return ostatni.LpStacji;
        return n > 1 ? gs[n - 2].LpStacji : -1;
    default:
        return -1;
    }
}

void PrzygotujWyborReczny(Droga& d, int tryb)
{
    const int kotwica = StacjaZaczepienia(d, tryb);
    const Siec& s = d.siec;
    if (kotwica < 0 || kotwica >= s.liczbaStacji()) {
        UsunWyborReczny(d);
        return;
    }
    auto& odcinki = d.trasa.OdcinkiWyboru;
    auto& punkty = d.trasa.PunktyWyboru;
    odcinki.clear();
    punkty.clear();

    // Linie przez punkt zaczepienia, w kolejności pierwszego wystąpienia.
    std::vector<int> linie;
    for (const std::int32_t o : s.OdcinkiStacji[std::size_t(kotwica)])
        dodajBezPowtorzen(linie, s.Odcinki[std::size_t(o)].NrLinii);

    for (const int linia : linie)
        for (int o = 0; o < s.liczbaOdcinkow(); ++o)
            if (s.Odcinki[std::size_t(o)].NrLinii == linia)
                odcinki.push_back(o);

    std::vector<int> styczne;
    for (const int linia : linie) {
        for (int j = 0; j < s.liczbaStacji(); ++j) {
            if (j == kotwica)
                continue;
            const TStacja& st = s.Stacje[std::size_t(j)];
            bool naLinii = false;
            styczne.clear();
            for (const std::int32_t o : s.OdcinkiStacji[std::size_t(j)]) {
                const int nr = s.Odcinki[std::size_t(o)].NrLinii;
                if (nr == linia)
                    naLinii = true;
                else
                    dodajBezPowtorzen(styczne, nr);
            }
            if (!naLinii || st.IdObEksp < 0)
                continue;
            TPunktWyboru p;
            QString nazwa = st.NazwaStacji.tekst();
            if (!styczne.empty()) {
                nazwa += QStringLiteral(" (Linie styczne -");
                for (const int nr : styczne)
                    nazwa += QLatin1Char(' ') + QString::number(nr);
                nazwa += QLatin1Char(')');
            }
            p.Nazwa = nazwa.left(kMaksNazwyKandydata);
            p.LpStacji = j;
            p.LLiniiStycznych = std::int32_t(styczne.size());
            p.Widocznosc = st.Widocznosc;
            p.Xkm = st.Xkm;
            p.Ykm = st.Ykm;
            punkty.push_back(std::move(p));
        }
    }
}

} // namespace tks
