// Trasy według kryteriów obok siebie: trzy różne trasy z tymi samymi liczbami, jakie
// daje ułożenie trasy w danym kryterium, a bieżąca trasa zostaje nietknięta.

#include "pricing/CzasJazdy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/PorownanieTras.h"
#include "routing/Przeliczanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Trzy drogi z A do B: przez X (linia 1, 2 × 10 km, droga, 40 km/h), przez Y (linia 2,
// 2 × 15 km, tania, 40 km/h) i przez Z (linia 3, 2 × 20 km, droga, 160 km/h).
struct TrzyDrogi : DrogaTestowa {
    int A, X, Y, Z, B;
    explicit TrzyDrogi(int kryterium = 0)
    {
        A = dodajStacje(s(), QStringLiteral("A"), 0, 0);
        X = dodajStacje(s(), QStringLiteral("X"), 10, 0);
        Y = dodajStacje(s(), QStringLiteral("Y"), 10, 10);
        Z = dodajStacje(s(), QStringLiteral("Z"), 10, -10);
        B = dodajStacje(s(), QStringLiteral("B"), 20, 0);
        struct Opis {
            int a, b, metry, linia, v;
            std::uint16_t stawka;
        };
        const std::vector<Opis> odcinki = {{A, X, 10000, 1, 40, 50000}, {X, B, 10000, 1, 40, 50000},
                                           {A, Y, 15000, 2, 40, 1000},  {Y, B, 15000, 2, 40, 1000},
                                           {A, Z, 20000, 3, 160, 50000}, {Z, B, 20000, 3, 160, 50000}};
        int km = 0;
        for (const auto& o : odcinki) {
            dodajOdcinek(s(), o.a, o.b, o.metry, o.linia, cechy::Normalnotorowa, km, o.v);
            km += o.metry;
        }
        stawkiOdcinkow(s(), odcinki);
        przygotuj();
        d.kontrolki.kryterium = kryterium;
        UstalWarunki(d);
    }
    void trasaAB()
    {
        ASSERT_TRUE(OznaczStart(d, A));
        ASSERT_TRUE(OznaczMeta(d, B));
    }
};

std::vector<int> linieTrasy(const Droga& d)
{
    std::vector<int> w;
    for (const auto& e : d.trasa.Sciezki)
        if (w.empty() || w.back() != e.NrLinii)
            w.push_back(e.NrLinii);
    return w;
}

} // namespace

TEST(PorownanieTras, TrzyKryteriaDajaTrzyRozneTrasyZLiczbamiJakPrzyUlozeniuTrasy)
{
    TrzyDrogi t;
    t.trasaAB();
    const auto trasy = PorownajTrasy(t.d);
    ASSERT_EQ(trasy.size(), 3u);
    EXPECT_EQ(trasy[0].kryterium, 0);
    EXPECT_EQ(trasy[1].kryterium, 1);
    EXPECT_EQ(trasy[2].kryterium, 3);
    EXPECT_EQ(trasy[0].linie, std::vector<int>{1});
    EXPECT_EQ(trasy[1].linie, std::vector<int>{2});
    EXPECT_EQ(trasy[2].linie, std::vector<int>{3});
    EXPECT_DOUBLE_EQ(trasy[0].dlugosc, 20.0);
    EXPECT_DOUBLE_EQ(trasy[1].cena, 30.0);    // 30 km po 1 zł
    EXPECT_DOUBLE_EQ(trasy[2].dlugosc, 40.0);
    EXPECT_LT(trasy[2].czasJazdy, trasy[0].czasJazdy);
    EXPECT_LT(trasy[1].cena, trasy[0].cena);

    // każda kolumna to dokładnie trasa ułożona w tym kryterium od początku
    for (const auto& p : trasy) {
        TrzyDrogi r(p.kryterium);
        r.trasaAB();
        SortujSciezki(r.d);
        EXPECT_EQ(p.linie, linieTrasy(r.d)) << p.kryterium;
        EXPECT_EQ(p.dlugosc, r.pole("Dlugosc").toDouble()) << p.kryterium;
        EXPECT_EQ(p.dlugoscWycen, r.pole("DlugoscWycen").toDouble()) << p.kryterium;
        EXPECT_EQ(p.cena, r.pole("CenaWyliczona").toDouble()) << p.kryterium;
        EXPECT_EQ(p.cenaRozkJazdy, r.pole("CenaRozkJazdy").toDouble()) << p.kryterium;
        EXPECT_EQ(p.wycenaPelna, r.pole("WycenaPelna").toBool()) << p.kryterium;
        EXPECT_EQ(p.czasJazdy, r.d.wycena.Tr) << p.kryterium;
        EXPECT_EQ(p.EditTr, r.d.wycena.EditTr) << p.kryterium;
        EXPECT_EQ(p.EditVr, r.d.wycena.EditVr) << p.kryterium;
        EXPECT_EQ(p.liczbaGrup, 1) << p.kryterium;
        EXPECT_TRUE(p.kompletna);
        EXPECT_TRUE(p.komunikaty.isEmpty());
    }
}

TEST(PorownanieTras, BiezacaTrasaNaglowekIEtykietyZostajaNietkniete)
{
    TrzyDrogi t(1);
    t.trasaAB();
    OznaczOminStacje(t.d, t.X);
    const auto sciezki = t.d.trasa.Sciezki;
    const auto punkty = t.punkty();
    const Tabela naglowek = t.d.pociag.Naglowek;
    const int tr = t.d.wycena.Tr;
    const auto profil = profilPredkosci(t.d.wycena).size();
    std::vector<double> etykiety;
    for (const auto& st : t.s().Stacje)
        etykiety.push_back(st.OdlMin);
    const bool zmiany = t.d.pociag.ZmianyPociagu;

    const auto trasy = PorownajTrasy(t.d);
    ASSERT_EQ(trasy.size(), 3u);
    // ominięta stacja X obowiązuje także w porównaniu: najkrótsza idzie przez Y
    EXPECT_EQ(trasy[0].linie, std::vector<int>{2});

    EXPECT_EQ(t.d.trasa.Sciezki.size(), sciezki.size());
    for (std::size_t i = 0; i < sciezki.size(); ++i)
        EXPECT_EQ(t.d.trasa.Sciezki[i].LpOdcinka, sciezki[i].LpOdcinka);
    EXPECT_EQ(t.punkty(), punkty);
    EXPECT_TRUE(t.d.pociag.Naglowek == naglowek);
    EXPECT_EQ(t.d.wycena.Tr, tr);
    EXPECT_EQ(profilPredkosci(t.d.wycena).size(), profil);
    EXPECT_EQ(t.d.kontrolki.kryterium, 1);
    EXPECT_EQ(t.d.trasa.Kryterium, 1);
    EXPECT_EQ(t.d.pociag.ZmianyPociagu, zmiany);
    for (std::size_t i = 0; i < etykiety.size(); ++i)
        EXPECT_EQ(t.s().Stacje[i].OdlMin, etykiety[i]) << i;
    EXPECT_EQ(t.etykieta(t.X), kWykluczona);
    EXPECT_TRUE(t.ia.zdarzenia().isEmpty());
}

TEST(PorownanieTras, BezPunktowTrasyNicNieMaAPojedynczyPunktDajePusteTrasy)
{
    TrzyDrogi t;
    EXPECT_TRUE(PorownajTrasy(t.d).empty());
    ASSERT_TRUE(OznaczStart(t.d, t.A));
    const auto trasy = PorownajTrasy(t.d);
    ASSERT_EQ(trasy.size(), 3u);
    for (const auto& p : trasy) {
        EXPECT_TRUE(p.sciezki.empty());
        EXPECT_FALSE(p.kompletna);
        EXPECT_EQ(komorkiPorownania(p).size(), wierszePorownania().size());
    }
}

TEST(PorownanieTras, TrasaBezDrogiWJednymKryteriumNiesieKomunikatIOdcinekBezDrogi)
{
    // B osiągalne tylko odcinkiem bez prędkości: w kryterium czasu nie ma drogi
    DrogaTestowa t;
    const int A = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int B = dodajStacje(t.s(), QStringLiteral("B"), 1, 0);
    dodajOdcinek(t.s(), A, B, 1000, 1, cechy::Normalnotorowa, 0, 0);
    t.przygotuj();
    ASSERT_TRUE(OznaczStart(t.d, A));
    ASSERT_TRUE(OznaczMeta(t.d, B));
    const auto trasy = PorownajTrasy(t.d);
    ASSERT_EQ(trasy.size(), 3u);
    EXPECT_TRUE(trasy[0].kompletna);
    EXPECT_FALSE(trasy[2].kompletna);
    EXPECT_TRUE(trasy[2].sciezki.empty());
    EXPECT_EQ(komorkiPorownania(trasy[2]).first(), QStringLiteral("—"));
}
