// Trafianie stacji i odcinków kliknięciem, wybór z listy, położenie listy.

#include "MapaTestowa.h"

#include "map/Trafienia.h"
#include "wspolne/SiecTestowa.h"

#include <gtest/gtest.h>

namespace tks::test {
namespace {

constexpr int W = kSzerWidoku;
constexpr int H = kWysWidoku;

class Trafienia : public ::testing::Test, public WidokTestowy {
protected:
    void SetUp() override { ustawZoom(40000); }
    std::vector<int> stacje(int x, int y) const
    {
        std::vector<int> l;
        for (const auto& e : ZnajdzKliknieteStacje(*d, x, y))
            l.push_back(e.LpStacji);
        return l;
    }
};

TEST_F(Trafienia, DwieBliskieStacjeTrafioneObieWKolejnosciTablicy)
{
    const int b = stacja(QStringLiteral("Beta"), 410, 300);
    const int a = stacja(QStringLiteral("Alfa"), 400, 300);
    const auto l = ZnajdzKliknieteStacje(*d, 405, 300);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].LpStacji, b);
    EXPECT_EQ(l[1].LpStacji, a);
    EXPECT_EQ(TekstyWyboru(l), (QStringList{QStringLiteral("Beta"), QStringLiteral("Alfa")}));
    EXPECT_EQ(l[0].punktTrasy, -1);

    // Lista wyboru: wybór drugiej pozycji; rezygnacja nic nie daje.
    d.ia.dodajWybor(1);
    const WybranaStacja w = WskazanaStacja(*d, 405, 300);
    EXPECT_EQ(w.LpStacji, a);
    ASSERT_EQ(d.ia.zdarzenia().size(), 1);
    EXPECT_EQ(d.ia.zdarzenia()[0].tytul, QStringLiteral("Wybór stacji"));
    EXPECT_EQ(d.ia.zdarzenia()[0].pozycje, (QStringList{QStringLiteral("Beta"), QStringLiteral("Alfa")}));
    d.ia.dodajWybor(-1);
    EXPECT_FALSE(WskazanaStacja(*d, 405, 300).wybrana());
    // Jedna trafiona: bez pytania.
    d.ia.wyczysc();
    EXPECT_EQ(WskazanaStacja(*d, 385, 300).LpStacji, a);
    EXPECT_EQ(WskazanaStacja(*d, 425, 300).LpStacji, b);
    EXPECT_TRUE(d.ia.zdarzenia().isEmpty());
    EXPECT_FALSE(WskazanaStacja(*d, 300, 100).wybrana());
}

TEST_F(Trafienia, KwadratTrafieniaMa41Pikseli)
{
    const int a = stacja(QStringLiteral("A"), 400, 300);
    EXPECT_EQ(stacje(420, 280), std::vector<int>{a});
    EXPECT_EQ(stacje(380, 320), std::vector<int>{a});
    EXPECT_TRUE(stacje(421, 300).empty());
    EXPECT_TRUE(stacje(400, 279).empty());
}

TEST_F(Trafienia, StacjaNiewidocznaPrzy1xNieDoTrafieniaAleWykluczonaUsuwaniemTak)
{
    ustawZoom(10000);
    const int a = stacja(QStringLiteral("Mała"), 400, 300, 3);
    EXPECT_TRUE(stacje(400, 300).empty());
    d->trasa.ListaStacjiZabronionych = {a, a};
    d->widok.narzedzie = Narzedzie::Usun;
    const auto l = ZnajdzKliknieteStacje(*d, 400, 300);
    ASSERT_EQ(l.size(), 1u);   // wykluczona dwa razy - na liście raz
    EXPECT_EQ(l[0].LpStacji, a);
    EXPECT_EQ(l[0].tekst, QStringLiteral("Mała"));
    EXPECT_EQ(l[0].punktTrasy, -1);
}

TEST_F(Trafienia, UsuwanieWidziPunktyTrasyZNumeramiAWWyborzeRecznymTylkoOstatni)
{
    const int a = stacja(QStringLiteral("A"), 400, 300);
    const int b = stacja(QStringLiteral("B"), 405, 300);
    const int c = stacja(QStringLiteral("C"), 410, 300);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy), punkt(d->siec, b, kPunktPosredni),
                             punkt(d->siec, c, kPunktKoncowy)};
    d->trasa.ListaStacjiZabronionych = {b};
    d->widok.narzedzie = Narzedzie::Usun;
    auto l = ZnajdzKliknieteStacje(*d, 405, 300);
    EXPECT_EQ(TekstyWyboru(l), (QStringList{QStringLiteral("1 A"), QStringLiteral("2 B"), QStringLiteral("3 C")}));
    EXPECT_EQ(l[2].punktTrasy, 2);

    d->kontrolki.kryterium = 2;
    l = ZnajdzKliknieteStacje(*d, 405, 300);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].LpStacji, c);
    EXPECT_EQ(l[0].tekst, QStringLiteral("C"));
    EXPECT_EQ(l[0].punktTrasy, 2);
    // Ostatni punkt poza kwadratem: nic.
    EXPECT_TRUE(ZnajdzKliknieteStacje(*d, 380, 300).empty());
}

TEST_F(Trafienia, WTrakcieWyboruRecznegoTrafiaSieTylkoKandydatow)
{
    const int a = stacja(QStringLiteral("A"), 400, 300);
    const int b = stacja(QStringLiteral("B"), 405, 300, 16);
    const int c = stacja(QStringLiteral("C"), 410, 300);
    d->kontrolki.kryterium = 2;
    d->widok.narzedzie = Narzedzie::Przez;
    d->trasa.TrybWyboru = 2;
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    TPunktWyboru k1;
    k1.Nazwa = QStringLiteral("C (Linie styczne - 3)");
    k1.LpStacji = c;
    k1.Xkm = d->siec.Stacje[std::size_t(c)].Xkm;
    k1.Ykm = d->siec.Stacje[std::size_t(c)].Ykm;
    k1.LLiniiStycznych = 1;
    k1.Widocznosc = 1;
    TPunktWyboru k2 = k1;   // ten sam kandydat drugi raz (druga linia)
    TPunktWyboru k3 = k1;
    k3.Nazwa = QStringLiteral("B");
    k3.LpStacji = b;
    k3.Widocznosc = 16;
    k3.LLiniiStycznych = 0;
    d->trasa.PunktyWyboru = {k1, k2, k3};
    ASSERT_TRUE(TrwaWyborReczny(*d));
    auto l = ZnajdzKliknieteStacje(*d, 405, 300);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].tekst, QStringLiteral("C (Linie styczne - 3)"));
    // Kandydat bez linii stycznych przy dostatecznym powiększeniu.
    ustawZoom(160000);
    const int bx = pktpiks(d->widok, k3.Xkm, k3.Ykm).x;
    EXPECT_EQ(stacje(bx, 300), (std::vector<int>{c, b}));
    // Narzędzie wskaźnika: zwykłe stacje.
    d->widok.narzedzie = Narzedzie::Wskaznik;
    EXPECT_FALSE(TrwaWyborReczny(*d));
    EXPECT_EQ(stacje(400, 300), (std::vector<int>{a, b}));
}

TEST_F(Trafienia, OdcinekTrafionyTylkoMiedzyKoncami)
{
    const int a = stacja(QStringLiteral("A"), 200, 300);
    const int b = stacja(QStringLiteral("B"), 400, 300);
    const int o = dodajOdcinek(d->siec, a, b, 1000, 7);
    auto odcinki = [&](int x, int y) {
        std::vector<int> l;
        for (const auto& e : ZnajdzKliknieteOdcinki(*d, x, y))
            l.push_back(e.LpOdcinka);
        return l;
    };
    EXPECT_EQ(odcinki(300, 310), std::vector<int>{o});
    EXPECT_EQ(odcinki(300, 340), std::vector<int>{o});   // odległość do 40 pikseli
    EXPECT_TRUE(odcinki(300, 345).empty());
    EXPECT_EQ(odcinki(400, 300), std::vector<int>{o});
    // Za końcem B, na przedłużeniu: nic.
    EXPECT_TRUE(odcinki(410, 300).empty());
    EXPECT_TRUE(odcinki(190, 300).empty());
    const auto l = ZnajdzKliknieteOdcinki(*d, 300, 310);
    EXPECT_EQ(l[0].odcinek.NrLinii, 7);
}

TEST_F(Trafienia, JedenOdcinekNaLinieNajblizszySrodkiem)
{
    const int a = stacja(QStringLiteral("A"), 200, 300);
    const int b = stacja(QStringLiteral("B"), 300, 300);
    const int c = stacja(QStringLiteral("C"), 420, 300);
    const int e = stacja(QStringLiteral("E"), 250, 290);
    const int f = stacja(QStringLiteral("F"), 350, 290);
    dodajOdcinek(d->siec, a, c, 1000, 7);   // środek w 310
    const int o2 = dodajOdcinek(d->siec, a, b, 1000, 7);   // środek w 250
    const int o9 = dodajOdcinek(d->siec, e, f, 1000, 9);
    const auto l = ZnajdzKliknieteOdcinki(*d, 260, 300);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(TekstyWyboru(l), (QStringList{QStringLiteral("Linia 7"), QStringLiteral("Linia 9")}));
    EXPECT_EQ(l[0].LpOdcinka, o2);
    EXPECT_EQ(l[1].LpOdcinka, o9);
    d.ia.dodajWybor(1);
    EXPECT_EQ(WskazanyOdcinek(*d, 260, 300), o9);
    d.ia.dodajWybor(-1);
    EXPECT_EQ(WskazanyOdcinek(*d, 260, 300), -1);
}

TEST_F(Trafienia, UsuwanieTrafiaWykluczoneOdcinkiSrodkiem)
{
    const int a = stacja(QStringLiteral("A"), 200, 300);
    const int b = stacja(QStringLiteral("B"), 400, 300);
    const int o = dodajOdcinek(d->siec, a, b, 1000, 7);
    d->widok.narzedzie = Narzedzie::Usun;
    EXPECT_TRUE(ZnajdzKliknieteOdcinki(*d, 300, 300).empty());
    d->trasa.ListaOdcinkowZabronionych = {o, o};
    const auto l = ZnajdzKliknieteOdcinki(*d, 310, 310);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].LpOdcinka, o);
    EXPECT_TRUE(ZnajdzKliknieteOdcinki(*d, 230, 300).empty());
}

TEST_F(Trafienia, PolozenieListyWyboru)
{
    // Zwykle: 10 pikseli w prawo od kursora, szerokość co najmniej 120.
    EXPECT_EQ(ProstokatListyWyboru({100, 100}, 50, 26, W, H), (TProstokat{110, 100, 230, 156}));
    EXPECT_EQ(ProstokatListyWyboru({100, 100}, 200, 26, W, H), (TProstokat{110, 100, 330, 156}));
    // Przy dolnej krawędzi w górę, przy prawej na lewo od kursora.
    EXPECT_EQ(ProstokatListyWyboru({700, 580}, 200, 26, W, H), (TProstokat{470, 544, 690, 600}));
}

} // namespace
} // namespace tks::test
