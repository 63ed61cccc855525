// Widok mapy: przejścia piksel <-> mapa, skala, powiększanie, przesuwanie, ustawienia.

#include "map/Widok.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tks {
namespace {

const TPunkt kSrodek{520000, 350000};

Widok widok(std::int64_t zoom, int szer = 1600, int wys = 1000, TPunkt srodek = {600000, 400000})
{
    Widok w;
    w.zoom = zoom;
    w.WspXSrodka = srodek.x;
    w.WspYSrodka = srodek.y;
    UstalSkale(w, szer, wys, kSrodek);
    return w;
}

TEST(Widok, PikselIMapaWracajaDoSiebieZDokladnosciaPolPiksela)
{
    for (const std::int64_t zoom : {10000LL, 20000LL, 640000LL, 81920000LL}) {
        for (const auto& [szer, wys] : {std::pair{1600, 1000}, std::pair{1601, 999}, std::pair{333, 777}}) {
            const Widok w = widok(zoom, szer, wys);
            const double metryNaPiksel = 10000.0 / w.k();
            for (const TPunkt p : {TPunkt{w.WspXSrodka, w.WspYSrodka}, TPunkt{w.WspXSrodka + 1234.5, w.WspYSrodka - 77.7},
                                   TPunkt{w.WspXSrodka - 0.3, w.WspYSrodka + 0.9}}) {
                const TPiksel px = pktpiks(w, p.x, p.y);
                const TPunkt z = pktkm(w, px.x, px.y);
                EXPECT_LE(std::fabs(z.x - p.x), 0.5 * metryNaPiksel + 1e-9) << zoom << " " << szer;
                EXPECT_LE(std::fabs(z.y - p.y), 0.5 * metryNaPiksel + 1e-9) << zoom << " " << szer;
            }
        }
    }
}

TEST(Widok, OsYRosnieNaPolnocAOsPikseliWDol)
{
    const Widok w = widok(20000);
    const TPiksel s = pktpiks(w, w.WspXSrodka, w.WspYSrodka);
    EXPECT_EQ(s, (TPiksel{800, 500}));
    const TPiksel pn = pktpiks(w, w.WspXSrodka + 1000, w.WspYSrodka + 1000);
    EXPECT_GT(pn.x, s.x);
    EXPECT_LT(pn.y, s.y);
}

TEST(Widok, SkalaBazowaZKrotszegoBokuIPowrotDoSrodkaPrzy1x)
{
    Widok w = widok(10000, 1600, 1000);
    EXPECT_DOUBLE_EQ(w.SkalaBazowa, 1000.0 / 670000.0);
    // Przy 1× środek zawsze wraca do domyślnego.
    EXPECT_DOUBLE_EQ(w.WspXSrodka, kSrodek.x);
    EXPECT_DOUBLE_EQ(w.WspYSrodka, kSrodek.y);
    w = widok(10000, 800, 1000);
    EXPECT_DOUBLE_EQ(w.SkalaBazowa, 0.873 * 800 / 670000.0);
    w = widok(20000);
    EXPECT_DOUBLE_EQ(w.WspXSrodka, 600000);
    // Połowy rozmiaru do obcinania: Round, połówki do parzystej.
    EXPECT_EQ(widok(20000, 1601, 999).polSzerokosci, 800);
    EXPECT_EQ(widok(20000, 1603, 1001).polSzerokosci, 802);
    EXPECT_EQ(widok(20000, 1603, 1001).polWysokosci, 500);
}

TEST(Widok, PromienStacjiRosnieZPowiekszeniem)
{
    const std::pair<std::int64_t, int> oczekiwane[] = {{1, 1},    {4, 1},    {8, 2},    {64, 2},
                                                       {128, 3},  {512, 3},  {1024, 4}, {8192, 4}};
    for (const auto& [krotnosc, r] : oczekiwane)
        EXPECT_EQ(widok(krotnosc * 10000).PromienStacji, r) << krotnosc;
}

TEST(Widok, PromienWidokuObejmujeNaroznikiZZapasemDziesieciokata)
{
    const Widok w = widok(40000);
    const TPunkt a = pktkm(w, 0, 0);
    const double polPrzekatnej = std::hypot(a.x - w.WspXSrodka, a.y - w.WspYSrodka);
    EXPECT_NEAR(w.PromienWidoku, polPrzekatnej / std::cos(M_PI / 10), 1e-6 * polPrzekatnej);
}

TEST(Widok, PomniejszanieOdTrzechObcinaDoJednego)
{
    Widok w = widok(30000);
    EXPECT_TRUE(PomniejszMape(w));
    EXPECT_EQ(w.zoom, 10000);
    // Przy 1× nic się nie zmienia (kółko nie przerysowuje).
    EXPECT_FALSE(PomniejszMape(w));
    EXPECT_EQ(w.zoom, 10000);
    // 1,5× z ustawień nie spada poniżej 1×.
    w.zoom = 15000;
    EXPECT_TRUE(PomniejszMape(w));
    EXPECT_EQ(w.zoom, 10000);
}

TEST(Widok, PowiekszanieZatrzymujeSieNa8192xAleSrodekDalejSiePrzesuwa)
{
    Widok w = widok(10000);
    for (int i = 0; i < 13; ++i) {
        PowiekszMape(w, 800, 500);
        UstalSkale(w, 1600, 1000, kSrodek);
    }
    EXPECT_EQ(w.zoom, 81920000);
    const double x = w.WspXSrodka;
    PowiekszMape(w, 1000, 500);
    EXPECT_EQ(w.zoom, 81920000);
    EXPECT_GT(w.WspXSrodka, x);
    // Tam i z powrotem: zoom zostaje potęgą dwójki razy 10000.
    for (int i = 0; i < 5; ++i)
        PomniejszMape(w);
    EXPECT_EQ(w.zoom, 2560000);
}

TEST(Widok, PowiekszaniePozostawiaPunktPodKursorem)
{
    Widok w = widok(40000);
    const TPunkt p = pktkm(w, 300, 200);
    PowiekszMape(w, 300, 200);
    UstalSkale(w, 1600, 1000, kSrodek);
    EXPECT_EQ(w.zoom, 80000);
    EXPECT_EQ(pktpiks(w, p.x, p.y), (TPiksel{300, 200}));
}

TEST(Widok, PrzesuniecieMapaPodazaZaMyszaAPowrotDoPunktuStartuNicNieZmienia)
{
    Widok w = widok(40000);
    const Widok przed = w;
    EXPECT_FALSE(PrzesunMape(w, {100, 100}, {100, 100}));
    EXPECT_EQ(w.WspXSrodka, przed.WspXSrodka);
    EXPECT_EQ(w.WspYSrodka, przed.WspYSrodka);

    const TPunkt podMysza = pktkm(w, 100, 100);
    EXPECT_TRUE(PrzesunMape(w, {100, 100}, {250, 40}));
    EXPECT_EQ(pktpiks(w, podMysza.x, podMysza.y), (TPiksel{250, 40}));
    EXPECT_TRUE(PrzesunMape(w, {250, 40}, {100, 100}));
    EXPECT_NEAR(w.WspXSrodka, przed.WspXSrodka, 1e-6);
    EXPECT_NEAR(w.WspYSrodka, przed.WspYSrodka, 1e-6);
}

TEST(Widok, MinimalnaDlugoscStrzalki)
{
    EXPECT_EQ(MinDlugoscStrzalki(10000), 11);
    EXPECT_EQ(MinDlugoscStrzalki(20000), 19);
    EXPECT_EQ(MinDlugoscStrzalki(30000), 19);
    EXPECT_EQ(MinDlugoscStrzalki(81920000), 115);
}

} // namespace
} // namespace tks

namespace tks::test {
namespace {

// Piksel punktu mapy zaokrągla się jak nearbyint (połówki do parzystej), także dla
// połówek dokładnych, ujemnych i daleko poza obrazem.
TEST(Widok, PikselZaokraglaPolowkiDoParzystej)
{
    Widok w;
    w.SkalaBazowa = 1.0;   // k() = 10000: piksel = połowa szerokości + (x - środek)
    w.zoom = 10000;
    w.szerokosc = 800;
    w.wysokosc = 600;
    w.polSzerokosci = 400;
    w.polWysokosci = 300;
    auto wzor = [](double v) { return std::int32_t(std::nearbyint(v)); };
    for (int n = -3000; n <= 3000; ++n)
        for (const double ulamek : {0.0, 0.25, 0.5, 0.75, 0.4999999, 0.5000001}) {
            const double x = n + ulamek, y = -n - ulamek;
            const TPiksel p = pktpiks(w, x, y);
            EXPECT_EQ(p.x, wzor(400 + x)) << x;
            EXPECT_EQ(p.y, wzor(300 - y)) << y;
            const TPiksel q = pktpiksObc(w, x * 1000, y);
            EXPECT_EQ(q.x, wzor((400 * 10000.0 + 10000.0 * (x * 1000)) / 10000.0)) << x;
        }
}

} // namespace
} // namespace tks::test
