// Wycena trasy: stawki elementów, grupy rozliczeniowe, zaokrąglenia, pola nagłówka
// oraz wybór rodzaju pociągu, przedziału masy i widoczność ceny za postoje.

#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Wyszukiwanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

struct Odc {
    int metry = 1000;
    int linia = 1;
    std::uint16_t stawka = 10000;   // rodzaj 0, przedział 0
    const char* oznFK = "A";
    std::uint16_t cechy = cechy::Normalnotorowa;
};

// Stacje w linii prostej połączone podanymi odcinkami; trasa od pierwszej do ostatniej.
struct Ciag : DrogaTestowa {
    std::vector<int> st;
    explicit Ciag(const std::vector<Odc>& odcinki)
    {
        st = stacjeWLinii(s(), odcinki.size() + 1);
        for (std::size_t i = 0; i < odcinki.size(); ++i) {
            const int e = dodajOdcinek(s(), st[i], st[i + 1], odcinki[i].metry, odcinki[i].linia, odcinki[i].cechy);
            s().Odcinki[std::size_t(e)].OznFK.ustaw(QString::fromLatin1(odcinki[i].oznFK));
        }
        stawkiOdcinkow(s(), odcinki);
        przygotuj();
        d.kontrolki.podObcymZarzadem = false;
    }
    void trasa()
    {
        ASSERT_TRUE(OznaczStart(d, st.front()));
        ASSERT_TRUE(OznaczMeta(d, st.back()));
    }
    double cena() const { return pole("CenaPrzejazdu").toDouble(); }
};

} // namespace

TEST(Wycena, CenaGrupyZaokraglanaDoGrosza)
{
    Ciag c({{12345, 1, 15230}});
    c.trasa();
    const TSciezka& e = c.t().Sciezki.front();
    EXPECT_DOUBLE_EQ(e.Stawka, 15.23);
    EXPECT_NEAR(e.Cena, 188.01435, 1e-9);
    EXPECT_DOUBLE_EQ(c.cena(), 188.01);
    EXPECT_DOUBLE_EQ(c.pole("CenaWyliczona").toDouble(), 188.01);
    EXPECT_DOUBLE_EQ(c.pole("Dlugosc").toDouble(), 12.345);
    EXPECT_DOUBLE_EQ(c.pole("DlugoscWycen").toDouble(), 12.345);
    EXPECT_TRUE(c.pole("WycenaPelna").toBool());
}

TEST(Wycena, KazdaGrupaZaokraglanaOsobno)
{
    // Dwie linie: 10,004 + 20,004 = 30,00, nie 30,01.
    Ciag linie({{1000, 1, 10004}, {1000, 2, 20004}});
    linie.trasa();
    EXPECT_DOUBLE_EQ(linie.cena(), 30.00);

    // Jedna linia, dwa różne pierwsze znaki OznFK: dwie grupy.
    Ciag znaki({{1000, 1, 10004, "A"}, {1000, 1, 10004, "B"}});
    znaki.trasa();
    EXPECT_EQ(znaki.t().Sciezki[0].Grupa, 1);
    EXPECT_EQ(znaki.t().Sciezki[1].Grupa, 2);
    EXPECT_DOUBLE_EQ(znaki.cena(), 20.00);

    // Ten sam znak: jedna grupa, także gdy przerywa ją element bez stawki.
    Ciag jedna({{1000, 1, 10004, "A"}, {1000, 1, 0, "A"}, {1000, 1, 10004, "A"}});
    jedna.trasa();
    EXPECT_EQ(jedna.t().Sciezki[2].Grupa, 1);
    EXPECT_DOUBLE_EQ(jedna.cena(), 20.01);
    EXPECT_DOUBLE_EQ(jedna.pole("DlugoscWycen").toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(jedna.pole("Dlugosc").toDouble(), 3.0);
}

TEST(Wycena, PrzeliczenieTrasyJakWycenaPoKazdymOdcinkuDrogi)
{
    // trzy odcinki drogi przez dwa punkty pośrednie, różne stawki, grupy i element bez stawki
    const std::vector<Odc> odc{{1200, 1, 10004, "A"}, {800, 1, 10004, "B"}, {1500, 2, 0},
                               {700, 2, 12000},       {900, 3, 15230},       {1100, 3, 15230, "C"}};
    Ciag a(odc);
    ASSERT_TRUE(OznaczStart(a.d, a.st.front()));
    ASSERT_TRUE(OznaczMeta(a.d, a.st.back()));
    ASSERT_TRUE(OznaczPP(a.d, a.st[2]));
    ASSERT_TRUE(OznaczPP(a.d, a.st[4]));
    PrzeliczPonownieDroge(a.d);

    // te same odcinki drogi oznaczane po kolei, z wyceną po każdym
    Ciag b(odc);
    b.d.trasa.GlowneStacje = a.d.trasa.GlowneStacje;
    b.d.trasa.LicznikGrup = a.d.trasa.LicznikGrup;
    const auto& P = b.d.trasa.GlowneStacje;
    for (std::size_t i = 1; i < P.size(); ++i) {
        ASSERT_TRUE(ObliczMinOdleglosci(b.d, P[i - 1].LpStacji, P[i].LpStacji, P[i].NrLinii));
        OznaczMinDroge(b.d, P[i - 1].LpStacji, P[i].LpStacji, false, int(i), P[i].NrGrupy);
    }
    ASSERT_EQ(a.t().Sciezki.size(), b.t().Sciezki.size());
    for (std::size_t i = 0; i < a.t().Sciezki.size(); ++i) {
        const TSciezka& x = a.t().Sciezki[i];
        const TSciezka& y = b.t().Sciezki[i];
        EXPECT_EQ(x.LpOdcinka, y.LpOdcinka);
        EXPECT_EQ(x.Stawka, y.Stawka);
        EXPECT_EQ(x.Cena, y.Cena);
        EXPECT_EQ(x.Grupa, y.Grupa);
        EXPECT_EQ(x.Uwagi, y.Uwagi);
    }
    for (const char* pole : {"Dlugosc", "CenaPrzejazdu", "CenaWyliczona", "DlugoscWycen", "WycenaPelna",
                             "StacjaPoczatkowa", "StacjaKoncowa", "Ograniczenia"})
        EXPECT_EQ(a.pole(pole), b.pole(pole)) << pole;
    EXPECT_EQ(a.d.wycena.Tr, b.d.wycena.Tr);
    EXPECT_FALSE(a.t().WycenaOdlozona);
}

TEST(Wycena, ElementBezStawkiIObcyZarzad)
{
    Ciag c({{1000, 1, 10000}, {2000, 1, 0}, {500, 1, 10000, "A", cechy::Normalnotorowa | cechy::ObcyZarzad}});
    c.s().Zarzadcy.resize(3);
    c.s().Zarzadcy[2].ustaw(QString(148, QLatin1Char('Z')));
    c.trasa();
    const auto& sc = c.t().Sciezki;
    ASSERT_EQ(sc.size(), 3u);
    EXPECT_EQ(sc[1].WgCennika, 0);
    EXPECT_EQ(sc[1].Uwagi, QStringLiteral("taksatura indywidualna"));
    EXPECT_EQ(sc[1].Cena, 0.0);
    EXPECT_EQ(sc[2].WgCennika, 0);
    EXPECT_EQ(sc[2].Uwagi, QStringLiteral("Zarząd: ") + QString(142, QLatin1Char('Z')));   // razem 150 znaków
    EXPECT_FALSE(c.pole("WycenaPelna").toBool());
    EXPECT_DOUBLE_EQ(c.cena(), 10.0);
    EXPECT_DOUBLE_EQ(c.pole("DlugoscWycen").toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(c.pole("Dlugosc").toDouble(), 3.5);
}

TEST(Wycena, PolaNaglowkaICenaZaOkresRozkladu)
{
    Ciag c({{2000, 1, 12500}});
    c.d.pociag.ustaw(QStringLiteral("LDniKurs"), 3);
    c.d.pociag.ustaw(QStringLiteral("CzasMin"), 50);
    c.d.pociag.ustaw(QStringLiteral("CzasMax"), 70);
    c.trasa();
    EXPECT_DOUBLE_EQ(c.pole("CenaRozkJazdy").toDouble(), 75.0);
    EXPECT_DOUBLE_EQ(c.pole("CenaPostojow").toDouble(), 0.0);
    EXPECT_FALSE(c.pole("CzasMin").isValid());
    EXPECT_FALSE(c.pole("CzasMax").isValid());
    EXPECT_EQ(c.pole("IdRodzajuStawki").toInt(), 0);
    EXPECT_EQ(c.pole("LpZakresuBr").toInt(), 0);
    EXPECT_EQ(c.pole("Ograniczenia").toInt(), int(c.t().MaskaOgraniczen) | 0x0800);
    EXPECT_EQ(c.pole("StacjaPoczatkowa").toString(), QStringLiteral("S0"));
    EXPECT_EQ(c.pole("StacjaKoncowa").toString(), QStringLiteral("S1"));
    c.d.kontrolki.dopasujDoRodzaju = false;
    ObliczMinParametry(c.d);
    EXPECT_EQ(c.pole("Ograniczenia").toInt(), int(c.t().MaskaOgraniczen));
}

TEST(RodzajPociagu, ZmianaNaTowarowyZerujeCenePostojow)
{
    Ciag c({{2000, 1, 10000}});
    c.s().Stawki.ustaw(0, 1, 0, 20000);
    c.trasa();
    c.d.wycena.sumaPostojow = 5;
    ZmianaPrzedzialuMasy(c.d, 0);
    EXPECT_DOUBLE_EQ(c.pole("CenaPostojow").toDouble(), 5.0);
    EXPECT_DOUBLE_EQ(c.pole("CenaWyliczona").toDouble(), 25.0);
    EXPECT_TRUE(c.d.wycena.pokazCenePostojow);

    c.d.pociag.ZmianyPociagu = false;
    ZmianaRodzajuStawki(c.d, 1);
    EXPECT_EQ(c.d.kontrolki.lpZakresuBr, pierwszyPrzedzial(c.s(), 1));
    EXPECT_DOUBLE_EQ(c.pole("CenaPostojow").toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(c.pole("CenaPrzejazdu").toDouble(), 40.0);
    EXPECT_DOUBLE_EQ(c.pole("CenaWyliczona").toDouble(), 40.0);
    EXPECT_EQ(c.pole("IdRodzajuStawki").toInt(), 1);
    EXPECT_TRUE(c.d.pociag.ZmianyPociagu);
    // "Dopasuj do rodzaju poc.": stawki pociągów towarowych zamiast pasażerskich
    EXPECT_FALSE(c.d.kontrolki.zawRuchPas);
    EXPECT_TRUE(c.d.kontrolki.zawRuchTow);
    EXPECT_FALSE(c.d.wycena.pokazCenePostojow);
}

TEST(RodzajPociagu, WWyborzeRecznymTrasaNieJestOznaczanaOdNowa)
{
    // Odcinek 1: stawka tylko dla rodzaju 0; odcinek 2: tylko dla rodzaju 1.
    auto przygotujCiag = [](Ciag& c) {
        c.s().Stawki.ustaw(1, 0, 0, 0);
        c.s().Stawki.ustaw(1, 1, 0, 5000);
    };
    Ciag r({{1000, 1, 10000}, {1000, 1, 10000}});
    przygotujCiag(r);
    r.d.kontrolki.kryterium = 2;
    r.trasa();
    ASSERT_EQ(r.t().Sciezki[1].Uwagi, QStringLiteral("taksatura indywidualna"));
    const auto obliczen = r.d.dziennik.filter(QStringLiteral("obliczenia ")).size();
    ZmianaRodzajuStawki(r.d, 1);
    EXPECT_EQ(r.d.dziennik.filter(QStringLiteral("obliczenia ")).size(), obliczen);
    const auto& sc = r.t().Sciezki;
    EXPECT_EQ(sc[0].WgCennika, 1);   // wyceniony wcześniej: stawka 0, ale dalej wyceniony
    EXPECT_EQ(sc[0].Stawka, 0.0);
    EXPECT_EQ(sc[0].Cena, 0.0);
    EXPECT_EQ(sc[1].WgCennika, 0);   // bez stawki: nota zostaje, choć nowy rodzaj ma stawkę
    EXPECT_EQ(sc[1].Uwagi, QStringLiteral("taksatura indywidualna"));
    EXPECT_FALSE(r.pole("WycenaPelna").toBool());
    EXPECT_DOUBLE_EQ(r.pole("CenaPrzejazdu").toDouble(), 0.0);

    // Inne kryterium: trasa oznaczana od nowa ze stawkami nowego rodzaju.
    Ciag n({{1000, 1, 10000}, {1000, 1, 10000}});
    przygotujCiag(n);
    n.trasa();
    ZmianaRodzajuStawki(n.d, 1);
    EXPECT_EQ(n.t().Sciezki[0].WgCennika, 0);
    EXPECT_EQ(n.t().Sciezki[1].WgCennika, 1);
    EXPECT_DOUBLE_EQ(n.pole("CenaPrzejazdu").toDouble(), 5.0);
}

TEST(PrzedzialMasy, ZmianaWyceniaAlboZerujePustaTrase)
{
    Ciag c({{1000, 1, 10000}});
    c.s().Stawki.ustaw(0, 0, 1, 16000);
    ZmianaPrzedzialuMasy(c.d, 1);
    for (const char* pole : {"CenaWyliczona", "CenaRozkJazdy", "CenaPrzejazdu", "CenaPostojow", "Dlugosc"})
        EXPECT_DOUBLE_EQ(c.pole(pole).toDouble(), 0.0) << pole;
    c.trasa();
    EXPECT_DOUBLE_EQ(c.cena(), 16.0);
    ZmianaPrzedzialuMasy(c.d, 0);
    EXPECT_DOUBLE_EQ(c.cena(), 10.0);
    EXPECT_EQ(c.pole("LpZakresuBr").toInt(), 0);
}

TEST(PrzedzialMasy, ListaPrzedzialowRodzajuIPierwszyPrzedzial)
{
    Ciag c({Odc{}});
    EXPECT_EQ(przedzialyRodzaju(c.s(), 1).size(), 2);
    EXPECT_EQ(pierwszyPrzedzial(c.s(), 1), 0);
    EXPECT_EQ(pierwszyPrzedzial(c.s(), 7), -1);
    // Rodzaj bez przedziałów: stawki 0, elementy bez wyceny, bez awarii.
    ZmianaRodzajuStawki(c.d, 7);
    EXPECT_EQ(c.d.kontrolki.lpZakresuBr, -1);
    c.trasa();
    EXPECT_EQ(c.t().Sciezki.front().WgCennika, 0);
    EXPECT_FALSE(c.pole("LpZakresuBr").isValid());
}

TEST(CenaZaPostoje, WidocznoscPolaWedlugRodzajuIRozstawu)
{
    Ciag c({Odc{}});
    auto widoczne = [&](int rodzaj, bool szerokie, bool przed) {
        c.d.kontrolki.idRodzajuStawki = rodzaj;
        c.d.kontrolki.szerokie = szerokie;
        c.d.kontrolki.normalne = !szerokie;
        c.d.wycena.pokazCenePostojow = przed;
        AktualizujPoleCenyPostojow(c.d);
        return c.d.wycena.pokazCenePostojow;
    };
    EXPECT_TRUE(widoczne(0, true, false));
    EXPECT_FALSE(widoczne(0, false, true));
    EXPECT_FALSE(widoczne(1, true, true));
    EXPECT_TRUE(widoczne(2, true, true));   // inne rodzaje: bez zmian
    EXPECT_FALSE(widoczne(2, true, false));
}

TEST(RodzajPociagu, DopasowanieOgraniczenStawek)
{
    StanKontrolek k;
    const struct { int rodzaj; bool pas, tow; } oczekiwane[] = {{0, true, false}, {1, false, true}, {2, false, true}, {3, false, false}};
    for (const auto& o : oczekiwane) {
        k.idRodzajuStawki = o.rodzaj;
        DopasujOgraniczeniaDoRodzaju(k);
        EXPECT_EQ(k.zawRuchPas, o.pas) << o.rodzaj;
        EXPECT_EQ(k.zawRuchTow, o.tow) << o.rodzaj;
    }
    k.dopasujDoRodzaju = false;
    k.idRodzajuStawki = 0;
    DopasujOgraniczeniaDoRodzaju(k);
    EXPECT_FALSE(k.zawRuchPas);
}
