// Czas jazdy na trasach dłuższych niż blok przeliczania i niż najdłuższy
// przechowywany profil: wynik jak z symulacji całej trasy naraz.

#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "routing/Oznaczenia.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace tks;
using namespace tks::test;

namespace {

struct Przejazd : DrogaTestowa {
    std::vector<int> st;
    std::vector<std::pair<int, int>> odcinki;
    Przejazd(std::vector<std::pair<int, int>> o, int rodzaj) : odcinki(std::move(o))
    {
        for (std::size_t i = 0; i <= odcinki.size(); ++i)
            st.push_back(dodajStacje(s(), QStringLiteral("S%1").arg(i), double(i), 0));
        for (std::size_t i = 0; i < odcinki.size(); ++i)
            dodajOdcinek(s(), st[i], st[i + 1], odcinki[i].first, 1, cechy::Normalnotorowa, 0, odcinki[i].second);
        przygotuj();
        d.kontrolki.idRodzajuStawki = rodzaj;
        d.kontrolki.lpZakresuBr = 0;
        d.kontrolki.zawRuchPas = false;
    }

    // Symulacja całej trasy naraz, metr po metrze, z całym profilem w pamięci.
    std::pair<std::vector<TMetrProfilu>, int> wzorzec() const
    {
        const bool pas = d.kontrolki.idRodzajuStawki == 0;
        const ParametryLokomotywy& lok = pas ? kLokomotywaPasazerska : kLokomotywaTowarowa;
        const int vtab = ograniczVTab(d.kontrolki.vmaxTekst, pas);
        const int w = wierszPrzedzialu(d.siec, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr);
        const double M = w >= 0 ? d.siec.ZakresyBr.rzeczywista(w, QStringLiteral("BrDoObl")) : 0.0;
        const auto bajt = [](double kmh) { return std::uint8_t(std::clamp(std::nearbyint(kmh), 0.0, 255.0)); };
        std::vector<TMetrProfilu> p;
        for (const auto& [dl, vmax] : odcinki)
            p.insert(p.end(), std::size_t(dl), TMetrProfilu{0, std::uint8_t(std::min(vmax, vtab) - 3)});
        double v = 0;
        for (std::size_t m = p.size() - 1; m >= 1; --m) {
            p[m].Predkosc = bajt(v * 3.6);
            if (p[m].Limit < p[m].Predkosc) {
                v = p[m].Limit / 3.6;
                p[m].Predkosc = p[m].Limit;
            } else {
                v = std::min(std::sqrt(v * v + 2 * lok.B), p[m].Limit / 3.6);
            }
        }
        v = 0;
        for (std::size_t m = 1; m < p.size(); ++m) {
            if (p[m].Predkosc > v * 3.6) {
                const double R = (kOporA * v * v + kOporB) * M * kG;
                const double F = std::min(lok.Fmax, lok.P / (v + 1.0));
                const double a = M > 0 ? (F * 1000.0 - R) / (M * 1000.0) : INFINITY;
                const double arg = v * v + 2.0 * a;
                v = arg > 0 ? std::min(std::sqrt(arg), p[m].Predkosc / 3.6) : 0.0;
                p[m].Predkosc = bajt(v * 3.6);
            } else {
                v = p[m].Predkosc / 3.6;
            }
        }
        double t = 0;
        for (const auto& x : p)
            t += x.Predkosc ? 3.6 / x.Predkosc : 0.0;
        return {p, int(std::nearbyint(t))};
    }
};

} // namespace

TEST(DlugaTrasa, ProfilPrzezGraniceBlokowJakCalaTrasaNaraz)
{
    // 2100 km: kilka bloków przeliczania, zmiany ograniczeń tuż przy ich granicach
    Przejazd p({{700000, 120}, {348570, 60}, {1, 40}, {351429, 140}, {700000, 90}}, 0);
    ASSERT_TRUE(OznaczStart(p.d, p.st.front()));
    ASSERT_TRUE(OznaczMeta(p.d, p.st.back()));
    const auto [profil, tr] = p.wzorzec();
    const auto& wyliczony = profilPredkosci(p.d.wycena);
    ASSERT_EQ(wyliczony.size(), profil.size());
    for (std::size_t m = 0; m < profil.size(); ++m) {
        ASSERT_EQ(wyliczony[m].Predkosc, profil[m].Predkosc) << m;
        ASSERT_EQ(wyliczony[m].Limit, profil[m].Limit) << m;
    }
    EXPECT_EQ(p.d.wycena.Tr, tr);
}

TEST(DlugaTrasa, BardzoDlugaTrasaBezProfiluWPamieciTenSamCzas)
{
    // ponad kMaxMetrowProfilu: profil nie jest przechowywany, czas ten sam
    std::vector<std::pair<int, int>> odcinki;
    std::size_t metry = 0;
    for (int i = 0; metry <= kMaxMetrowProfilu; ++i) {
        odcinki.push_back({kMaxDlugoscOdcinka, i % 3 == 0 ? 60 : 100});
        metry += std::size_t(kMaxDlugoscOdcinka);
    }
    Przejazd p(odcinki, 1);
    ASSERT_TRUE(OznaczStart(p.d, p.st.front()));
    ASSERT_TRUE(OznaczMeta(p.d, p.st.back()));
    EXPECT_TRUE(profilPredkosci(p.d.wycena).empty());
    EXPECT_EQ(p.d.wycena.Tr, p.wzorzec().second);
    EXPECT_GT(p.d.wycena.Tr, 0);
}
