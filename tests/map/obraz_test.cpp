// Obraz mapy sieci przykładowej: piksele w znanych miejscach; obrazy PNG
// (build/mapa_*.png) do obejrzenia.

#include "MapaTestowa.h"

#include "map/Kolory.h"
#include "map/Widok.h"
#include "routing/Warunki.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

class ObrazSieci : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wczytajSiecPrzykladowa(d->siec));
        d->siecWczytana = true;
        UstalWarunki(*d);
        trasaWzdluzLinii(*d, 0, 1, 40);
    }
    // Środki elementów trasy krótszych od strzałki (środek dłuższych zajmuje
    // strzałka), z dala od punktów trasy, ich nazw i kół stacji.
    std::vector<TPiksel> punktyNaTrasie() const
    {
        std::vector<TPiksel> l;
        for (const auto& e : d->trasa.Sciezki) {
            const TPiksel p = pktpiks(d->widok, e.XOd, e.YOd), q = pktpiks(d->widok, e.XDo, e.YDo);
            const double dl = std::hypot(q.x - p.x, q.y - p.y);
            if (dl < 6 || dl >= MinDlugoscStrzalki(d->widok.zoom))
                continue;
            const TPiksel c{(p.x + q.x) / 2, (p.y + q.y) / 2};
            bool blisko = false;
            for (const auto& g : d->trasa.GlowneStacje) {
                const TPiksel x = pktpiks(d->widok, g.Xkm, g.Ykm);
                blisko = blisko || std::hypot(c.x - x.x, c.y - x.y) < 25;
            }
            // koło stacji rysowane na trasie też ją zasłania
            for (const auto& st : d->siec.Stacje) {
                if (d->widok.zoom < std::int64_t(st.Widocznosc) * 10000)
                    continue;
                const TPiksel x = pktpiks(d->widok, st.Xkm, st.Ykm);
                blisko = blisko || std::hypot(c.x - x.x, c.y - x.y) < 8;
            }
            if (!blisko)
                l.push_back(c);
        }
        return l;
    }
    DrogaTestowa d;
};

TEST_F(ObrazSieci, PikseleTlaTrasyIPunktowTrasy)
{
    const Kolory& k = d->kolory;
    for (const bool aa : {false, true}) {
        const QImage im = rysuj(*d, 1600, 1000, aa);
        // Narożnik poza krajem: tło.
        EXPECT_EQ(bgr(im, 3, 996), k.KolorTla);
        EXPECT_EQ(bgr(im, 1596, 3), k.KolorTla);
        // Linia trasy.
        const auto naTrasie = punktyNaTrasie();
        EXPECT_GE(naTrasie.size(), 3u);
        for (const TPiksel s : naTrasie)
            EXPECT_TRUE(jestKolorWokol(im, s.x, s.y, 1, k.KolorLiniiTrasy)) << aa << " " << s.x << "," << s.y;
        // Początek: środek koła w kolorze linii trasy, obwódka w kolorze punktów trasy.
        const TGlownaStacja& start = d->trasa.GlowneStacje.front();
        const TPiksel p = pktpiks(d->widok, start.Xkm, start.Ykm);
        EXPECT_EQ(bgr(im, p.x, p.y), k.KolorLiniiTrasy) << aa;
        EXPECT_TRUE(jestKolorWokol(im, p.x, p.y, 4, k.KolorPunktowTrasy)) << aa;
        // Koniec: odwrotnie.
        const TGlownaStacja& koniec = d->trasa.GlowneStacje.back();
        const TPiksel q = pktpiks(d->widok, koniec.Xkm, koniec.Ykm);
        EXPECT_EQ(bgr(im, q.x, q.y), k.KolorPunktowTrasy) << aa;
        // Węzeł główny poza trasą: wypełnienie kolorem punktów węzłowych.
        for (int i = 1; i < d->siec.liczbaStacji(); ++i) {
            const TStacja& st = d->siec.Stacje[std::size_t(i)];
            if (st.Widocznosc != -1 || i == koniec.LpStacji)
                continue;
            const TPiksel w = pktpiks(d->widok, st.Xkm, st.Ykm);
            if (std::hypot(w.x - p.x, w.y - p.y) < 30 || std::hypot(w.x - q.x, w.y - q.y) < 30)
                continue;
            EXPECT_EQ(bgr(im, w.x, w.y), k.KolorPunktowStacjiWezlowych) << st.NazwaStacji.tekst().toStdString();
            break;
        }
    }
}

TEST_F(ObrazSieci, KolorTlaZUstawien)
{
    d->kolory.KolorTla = 0x102030;
    const QImage im = rysuj(*d, 800, 500);
    EXPECT_EQ(bgr(im, 2, 497), 0x102030);
}

TEST_F(ObrazSieci, ObrazyDoObejrzenia)
{
    const TStacja& w = d->siec.Stacje[0];
    for (const std::int64_t krotnosc : {1, 4, 64}) {
        d->widok.zoom = krotnosc * 10000;
        d->widok.WspXSrodka = w.Xkm;
        d->widok.WspYSrodka = w.Ykm;
        const QImage im = rysuj(*d, 1600, 1000);
        EXPECT_TRUE(im.save(QStringLiteral(TKS_RUN_DIR "/../mapa_%1x.png").arg(krotnosc)));
    }
    d->kolory.PodzialTerytorialny = 1;
    d->widok.zoom = 10000;
    EXPECT_TRUE(rysuj(*d, 1600, 1000).save(QStringLiteral(TKS_RUN_DIR "/../mapa_wojewodztwa_1x.png")));
}

} // namespace
} // namespace tks::test
