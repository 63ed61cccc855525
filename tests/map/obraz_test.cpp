// Obraz mapy sieci przykładowej: piksele w znanych miejscach i pliki PNG do obejrzenia.

#include "MapaTestowa.h"

#include "map/Kolory.h"
#include "map/Widok.h"
#include "routing/Warunki.h"

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
    }
    DrogaTestowa d;
};

TEST_F(ObrazSieci, ZapisPng)
{
    trasaWzdluzLinii(*d, 0, 1, 40);
    for (std::int64_t z : {10000LL, 40000LL, 640000LL}) {
        d->widok.zoom = z;
        if (z > 10000) {
            d->widok.WspXSrodka = d->siec.Stacje[0].Xkm;
            d->widok.WspYSrodka = d->siec.Stacje[0].Ykm;
        }
        const QImage im = rysuj(*d, 1600, 1000);
        im.save(QStringLiteral(TKS_RUN_DIR "/../mapa_%1x.png").arg(z / 10000));
    }
}

TEST_F(ObrazSieci, ZapisPngWoj)
{
    d->kolory.PodzialTerytorialny = 1;
    // województwa domyślnie mają kolor 0 - dla podglądu barwy z numeru
    for (std::size_t i = 0; i < d->siec.Wojewodztwa.size(); ++i)
        d->siec.Wojewodztwa[i].Kolor = std::int32_t(0x808080 + i * 0x0F1B2D) & 0xFFFFFF;
    rysuj(*d, 1600, 1000).save(QStringLiteral(TKS_RUN_DIR "/../mapa_woj_1x.png"));
    d->widok.zoom = 80000;
    d->widok.WspXSrodka = 640000; d->widok.WspYSrodka = 250000;
    rysuj(*d, 1600, 1000).save(QStringLiteral(TKS_RUN_DIR "/../mapa_woj_8x.png"));
    d->widok.zoom = 20000;
    d->widok.WspXSrodka = 400000; d->widok.WspYSrodka = 150000;
    rysuj(*d, 1601, 999).save(QStringLiteral(TKS_RUN_DIR "/../mapa_woj_2x.png"));
}
} // namespace
} // namespace tks::test
