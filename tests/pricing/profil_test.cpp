// Profil prędkości do wykresu: elementy i punkty trasy na osi kilometrów,
// przerzedzenie do kolumn, odczyt w punkcie, zapis co 100 m.

#include "pricing/CzasJazdy.h"
#include "pricing/ProfilWykresu.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// S0 -(2 km, 120, linia 1)- S1 -(1,5 km, 60, linia 7)- S2 -(3 km, 100, linia 7)- S3,
// trasa S0 → S3 przez S1.
struct Trasa3 : DrogaTestowa {
    int S0, S1, S2, S3;
    Trasa3()
    {
        S0 = dodajStacje(s(), QStringLiteral("S0"), 0, 0);
        S1 = dodajStacje(s(), QStringLiteral("Łódź"), 2, 0);
        S2 = dodajStacje(s(), QStringLiteral("S2"), 3, 0);
        S3 = dodajStacje(s(), QStringLiteral("S3"), 6, 0);
        dodajOdcinek(s(), S0, S1, 2000, 1, cechy::Normalnotorowa, 0, 120);
        dodajOdcinek(s(), S1, S2, 1500, 7, cechy::Normalnotorowa, 0, 60);
        dodajOdcinek(s(), S2, S3, 3000, 7, cechy::Normalnotorowa, 1500, 100);
        przygotuj();
        d.kontrolki.zawRuchPas = false;
        UstalWarunki(d);
        EXPECT_TRUE(OznaczStart(d, S0));
        EXPECT_TRUE(OznaczMeta(d, S3));
        EXPECT_TRUE(OznaczPP(d, S1));
        PrzeliczPonownieDroge(d);
    }
};

} // namespace

TEST(ProfilWykresu, ElementyIPunktyTrasyLezaNaSwoichKilometrach)
{
    Trasa3 t;
    const ProfilTrasy p = ProfilBiezacejTrasy(t.d);
    ASSERT_EQ(p.metry.size(), 6500u);
    ASSERT_EQ(p.elementy.size(), 3u);
    EXPECT_EQ(p.elementy[1].odMetra, 2000u);
    EXPECT_EQ(p.elementy[1].doMetra, 3500u);
    EXPECT_EQ(p.elementy[1].nrLinii, 7);
    ASSERT_EQ(p.stacje.size(), 3u);
    EXPECT_DOUBLE_EQ(p.stacje[0].km, 0.0);
    EXPECT_EQ(p.stacje[1].nazwa, QStringLiteral("Łódź"));
    EXPECT_DOUBLE_EQ(p.stacje[1].km, 2.0);
    EXPECT_DOUBLE_EQ(p.stacje[2].km, 6.5);
    EXPECT_EQ(p.czasJazdy, t.d.wycena.Tr);
    EXPECT_TRUE(tytulProfilu(p).startsWith(QStringLiteral("S0 – S3, 6,500 km, czas jazdy 00:")));
    EXPECT_TRUE(tytulProfilu(p).endsWith(QStringLiteral(" km/h")));

    // odczyt: metr w drugim elemencie
    const OdczytProfilu o = odczytProfilu(p, 2.75);
    ASSERT_TRUE(o.wTrasie);
    EXPECT_EQ(o.nrLinii, 7);
    EXPECT_EQ(o.odcinek, QStringLiteral("Łódź – S2"));
    EXPECT_EQ(o.predkosc, profilPredkosci(t.d.wycena)[2750].Predkosc);
    EXPECT_EQ(o.limit, 57);   // 60 - 3
    EXPECT_FALSE(odczytProfilu(p, 6.5).wTrasie);
    EXPECT_FALSE(odczytProfilu(p, -0.1).wTrasie);
}

TEST(ProfilWykresu, KolumnyZawierajaKazdyMetrProfiluAPrzyPowiekszeniuSaNim)
{
    Trasa3 t;
    const ProfilTrasy p = ProfilBiezacejTrasy(t.d);
    const auto kol = kolumnyProfilu(p, 0, 6.5, 300);
    ASSERT_EQ(kol.size(), 300u);
    EXPECT_DOUBLE_EQ(kol.front().odKm, 0.0);
    EXPECT_DOUBLE_EQ(kol.back().doKm, 6.5);
    std::size_t c = 0;
    for (std::size_t m = 0; m < p.metry.size(); m += 7) {
        while (kol[c].doKm * 1000 <= double(m))
            ++c;
        EXPECT_LE(kol[c].vMin, p.metry[m].Predkosc) << m;
        EXPECT_GE(kol[c].vMax, p.metry[m].Predkosc) << m;
        EXPECT_LE(kol[c].limitMin, p.metry[m].Limit) << m;
        EXPECT_GE(kol[c].limitMax, p.metry[m].Limit) << m;
    }
    // 200 m na 1000 kolumn: jedna kolumna na metr, dokładnie profil
    const auto blisko = kolumnyProfilu(p, 1.9, 2.1, 1000);
    ASSERT_EQ(blisko.size(), 200u);
    for (std::size_t i = 0; i < blisko.size(); ++i) {
        EXPECT_EQ(blisko[i].vMin, p.metry[1900 + i].Predkosc);
        EXPECT_EQ(blisko[i].vMax, p.metry[1900 + i].Predkosc);
    }
    // zakres poza trasą i pusty profil
    EXPECT_TRUE(kolumnyProfilu(p, 7, 8, 100).empty());
    EXPECT_TRUE(kolumnyProfilu(ProfilTrasy{}, 0, 1, 100).empty());
}

TEST(ProfilWykresu, ZapisCo100MetrowMaWierszNaKazde100Metrow)
{
    Trasa3 t;
    const ProfilTrasy p = ProfilBiezacejTrasy(t.d);
    const QStringList w = QString::fromLatin1(csvProfilu(p)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(w.size(), 1 + 65);
    EXPECT_EQ(w[0], QStringLiteral("km;predkosc;limit;linia"));
    EXPECT_EQ(w[1], QStringLiteral("0,000;0;97;1"));   // Vmax taboru 100 - 3
    EXPECT_EQ(w[21], QStringLiteral("2,000;%1;57;7").arg(p.metry[2000].Predkosc));
    EXPECT_TRUE(w[65].startsWith(QStringLiteral("6,400;")));
    EXPECT_TRUE(w[65].endsWith(QStringLiteral(";97;7")));
}

TEST(ProfilWykresu, TrasaBezElementowDajePustyProfil)
{
    Trasa3 t;
    KasujDroge(t.d);
    const ProfilTrasy p = ProfilBiezacejTrasy(t.d);
    EXPECT_TRUE(p.pusty());
    EXPECT_EQ(csvProfilu(p), QByteArray("km;predkosc;limit;linia\r\n"));
    EXPECT_EQ(tytulProfilu(p), QStringLiteral("Profil prędkości – brak trasy"));
}
