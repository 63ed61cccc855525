// Kryterium wyboru trasy, kontrolki ograniczeń i usunięcie całej trasy.

#include "routing/Kontrolki.h"
#include "routing/Oznaczenia.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// A-B-D linią 1 (2 x 2 km, bez sieci trakcyjnej na B-D) i A-C-D linią 2 (2 x 1 km,
// zelektryfikowana, ale wykluczana domyślnym "Linie towarowe").
struct Siatka : DrogaTestowa {
    int A, B, C, D;
    Siatka()
    {
        A = dodajStacje(s(), QStringLiteral("A"), 0, 0);
        B = dodajStacje(s(), QStringLiteral("B"), 1, 1);
        C = dodajStacje(s(), QStringLiteral("C"), 1, -1);
        D = dodajStacje(s(), QStringLiteral("D"), 2, 0);
        dodajOdcinek(s(), A, B, 2000, 1);
        dodajOdcinek(s(), B, D, 2000, 1, cechy::Normalnotorowa | cechy::BrakSieci);
        dodajOdcinek(s(), A, C, 1000, 2, cechy::Normalnotorowa | cechy::NieWskazanyRuchPas);
        dodajOdcinek(s(), C, D, 1000, 2, cechy::Normalnotorowa | cechy::NieWskazanyRuchPas);
        przygotuj();
    }
    void trasa()
    {
        ASSERT_TRUE(OznaczStart(d, A));
        ASSERT_TRUE(OznaczMeta(d, D));
    }
};

} // namespace

TEST(Kryterium, ZmianaBezTrasyUstalaWarunkiINaglowek)
{
    Siatka s;
    const auto w = ZmianaKryterium(s.d, 1);
    EXPECT_EQ(w.kryterium, 1);
    EXPECT_FALSE(w.wcisnijNarzedziaWyboru);
    EXPECT_TRUE(s.ia.zdarzenia().isEmpty());
    EXPECT_EQ(s.d.kontrolki.kryterium, 1);
    EXPECT_EQ(s.t().Kryterium, 1);
    EXPECT_TRUE(s.t().MaskaOgraniczen & cechy::DoPominiecia);
    EXPECT_EQ(s.pole("IdKryteriumWyboru").toInt(), 1);
}

TEST(Kryterium, WyborRecznyZTrasaPytaINieZostawiaPoprzednie)
{
    Siatka s;
    s.trasa();
    s.d.pociag.ZmianyPociagu = false;
    s.ia.dodajOdpowiedz(Odpowiedz::Nie);
    const auto w = ZmianaKryterium(s.d, 2);
    ASSERT_EQ(s.ia.zdarzenia().size(), 1);
    const auto& z = s.ia.zdarzenia().first();
    EXPECT_EQ(z.rodzaj, ZdarzenieInterakcji::Rodzaj::Pytanie);
    EXPECT_EQ(z.tekst, QStringLiteral("Ułożona dotychczas droga zostanie usunięta. Kontynuować ?"));
    EXPECT_EQ(z.tytul, QStringLiteral("Uwaga!!"));
    EXPECT_EQ(z.ikona, Ikona::Ostrzezenie);
    EXPECT_EQ(w.kryterium, 0);
    EXPECT_EQ(s.d.kontrolki.kryterium, 0);
    EXPECT_FALSE(s.t().Sciezki.empty());
    EXPECT_TRUE(s.d.pociag.ZmianyPociagu);
}

TEST(Kryterium, WyborRecznyZTrasaTakUsuwaTraseIWciskaNarzedzia)
{
    Siatka s;
    s.trasa();
    const auto w = ZmianaKryterium(s.d, 2);
    EXPECT_EQ(w.kryterium, 2);
    EXPECT_TRUE(w.wcisnijNarzedziaWyboru);
    EXPECT_TRUE(w.wyczyscPolaTrasy);
    EXPECT_TRUE(s.t().GlowneStacje.empty());
    EXPECT_TRUE(s.t().Sciezki.empty());
    EXPECT_EQ(s.t().TrybWyboru, 3);
    EXPECT_FALSE(s.t().MaskaOgraniczen & cechy::DoPominiecia);
    EXPECT_EQ(s.pole("IdKryteriumWyboru").toInt(), 2);
    EXPECT_DOUBLE_EQ(s.pole("CenaWyliczona").toDouble(), 0.0);
    EXPECT_EQ(s.pole("StacjaPoczatkowa").toString(), QString());
}

TEST(Kryterium, PowrotZWyboruRecznegoPrzeliczaTrase)
{
    Siatka s;
    s.d.kontrolki.kryterium = 2;
    s.d.kontrolki.nieWskazanyRuchPas = false;
    s.ia.dodajWybor(0);   // "Linia 1"
    s.trasa();
    ASSERT_DOUBLE_EQ(s.d.wycena.dlugoscTrasy, 4.0);
    s.t().TrybWyboru = 3;
    s.t().PunktyWyboru.push_back({});

    const auto w = ZmianaKryterium(s.d, 0);
    EXPECT_EQ(w.kryterium, 0);
    EXPECT_EQ(s.t().TrybWyboru, 0);
    EXPECT_TRUE(s.t().PunktyWyboru.empty());
    EXPECT_EQ(s.stacjeTrasy(), (std::vector<int>{s.A, s.C, s.D}));
    EXPECT_DOUBLE_EQ(s.pole("Dlugosc").toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(s.pole("CenaPrzejazdu").toDouble(), 20.0);
    // długość trasy inna niż zapamiętana: opłaty za postoje wyzerowane
    EXPECT_TRUE(w.wyczyscCenePostojow);
    s.t().dlugoscDoNaglowka = 2.0;
    EXPECT_FALSE(ZmianaKryterium(s.d, 1).wyczyscCenePostojow);
}

TEST(Ograniczenia, WczytywaniePociaguNicNiePrzelicza)
{
    Siatka s;
    s.trasa();
    ASSERT_EQ(s.stacjeTrasy(), (std::vector<int>{s.A, s.B, s.D}));   // linia 2 wykluczona domyślnie
    s.d.kontrolki.brakSieci = true;
    s.d.kontrolki.wczytywaniePociagu = true;
    EXPECT_FALSE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::BrakSieci));
    EXPECT_EQ(s.t().Sciezki.size(), 2u);
    s.d.kontrolki.wczytywaniePociagu = false;
    EXPECT_TRUE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::BrakSieci));
    EXPECT_TRUE(s.t().Sciezki.empty());
    EXPECT_TRUE(s.t().MaskaOgraniczen & cechy::BrakSieci);
}

TEST(Ograniczenia, WylaczonaKontrolkaNiePrzeliczaTrasy)
{
    Siatka s;
    s.trasa();
    s.d.kontrolki.nieWskazanyRuchPas = false;   // ukryta i wyłączona: bez przeliczenia
    EXPECT_FALSE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::NieWskazanyRuchPas));
    EXPECT_EQ(s.stacjeTrasy(), (std::vector<int>{s.A, s.B, s.D}));
    s.d.kontrolki.nieWskazanyRuchPasWlaczony = true;
    EXPECT_TRUE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::NieWskazanyRuchPas));
    EXPECT_EQ(s.stacjeTrasy(), (std::vector<int>{s.A, s.C, s.D}));
    EXPECT_FALSE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::DopasujDoRodzaju));
}

TEST(Ograniczenia, BrakStawkiBezTrasyZerujeNaglowekTakzePodczasWczytywania)
{
    Siatka s;
    s.d.pociag.ustaw(QStringLiteral("CenaWyliczona"), 99.0);
    s.d.pociag.ustaw(QStringLiteral("Dlugosc"), 9.0);
    s.d.kontrolki.wczytywaniePociagu = true;
    s.d.kontrolki.zawRuchPas = false;
    EXPECT_TRUE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::ZawRuchPas));
    for (const char* pole : {"CenaWyliczona", "CenaRozkJazdy", "CenaPrzejazdu", "CenaPostojow", "Dlugosc"}) {
        EXPECT_TRUE(s.pole(pole).isValid()) << pole;
        EXPECT_DOUBLE_EQ(s.pole(pole).toDouble(), 0.0) << pole;
    }
    // Z trasą ceny zostają z wyceny.
    Siatka z;
    z.trasa();
    z.d.kontrolki.zawRuchTow = true;
    EXPECT_TRUE(ZmianaOgraniczenia(z.d, KontrolkaOgraniczenia::ZawRuchTow));
    EXPECT_DOUBLE_EQ(z.pole("CenaPrzejazdu").toDouble(), 40.0);
}

TEST(Ograniczenia, RozstawPrzeliczaIWpisujeCenyZPostojami)
{
    Siatka s;
    s.s().Odcinki[0].Cechy = cechy::Szerokotorowa;   // A-B szerokotorowy
    s.d.kontrolki.nieWskazanyRuchPas = false;
    s.trasa();
    ASSERT_EQ(s.stacjeTrasy(), (std::vector<int>{s.A, s.C, s.D}));
    s.d.kontrolki.idRodzajuStawki = 1;
    s.d.wycena.sumaPostojow = 5;
    s.d.kontrolki.szerokie = false;
    s.d.kontrolki.normalne = true;
    EXPECT_TRUE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::Normalne));
    EXPECT_TRUE(s.t().Sciezki.empty());   // linia 2 normalnotorowa, a A-B szerokotorowy przed B-D normalnym
    EXPECT_DOUBLE_EQ(s.pole("CenaWyliczona").toDouble(), 0.0);

    s.d.kontrolki.szerokie = true;
    s.d.kontrolki.normalne = false;
    EXPECT_TRUE(ZmianaOgraniczenia(s.d, KontrolkaOgraniczenia::Szerokie));
    ASSERT_FALSE(s.t().Sciezki.empty());
    // opłaty za postoje wchodzą do ceny bez względu na rodzaj
    EXPECT_DOUBLE_EQ(s.pole("CenaPostojow").toDouble(), 5.0);
    EXPECT_DOUBLE_EQ(s.pole("CenaWyliczona").toDouble(), s.d.wycena.cenaTrasy + 5.0);
    EXPECT_FALSE(s.d.wycena.pokazCenePostojow);   // rodzaj 1: pole ukryte
}

TEST(UsuniecieTrasy, ZerujeCenyINazwyIWszystkieOznaczenia)
{
    Siatka s;
    s.trasa();
    OznaczOminStacje(s.d, s.C);
    OznaczOminOdcinek(s.d, 2);
    s.d.wycena.sumaPostojow = 3;
    UsunCalaTrase(s.d);
    EXPECT_TRUE(s.t().GlowneStacje.empty());
    EXPECT_TRUE(s.t().Sciezki.empty());
    EXPECT_TRUE(s.t().ListaStacjiZabronionych.empty());
    EXPECT_TRUE(s.t().ListaOdcinkowZabronionych.empty());
    EXPECT_EQ(s.etykieta(s.C), kNieosiagnieta);
    EXPECT_FALSE(s.s().Odcinki[2].Cechy & cechy::Zabroniony);
    for (const char* pole : {"CenaWyliczona", "CenaRozkJazdy", "CenaPrzejazdu", "CenaPostojow"})
        EXPECT_DOUBLE_EQ(s.pole(pole).toDouble(), 0.0) << pole;
    EXPECT_FALSE(s.pole("Dlugosc").isValid());
    EXPECT_EQ(s.pole("StacjaPoczatkowa").toString(), QString());
    EXPECT_EQ(s.pole("StacjaKoncowa").toString(), QString());
    EXPECT_EQ(s.d.wycena.cenaTrasy, 0.0);
    EXPECT_EQ(s.d.wycena.sumaPostojow, 0.0);
    EXPECT_EQ(s.t().LicznikGrup, 0);
}

TEST(Ograniczenia, MaskaZKontrolekIZPolaOgraniczenia)
{
    DrogaTestowa t;
    dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    t.przygotuj();
    // Domyślne: "Szerokich", ukryte "Linie nieczynne" i "Linie towarowe", obcy zarząd,
    // brak stawki pas.; zawsze odcinki wykluczone, w kryteriach 0, 1 i 3 pomijane.
    EXPECT_EQ(t.t().MaskaOgraniczen, 0x3174);
    for (int k : {1, 3}) {
        t.d.kontrolki.kryterium = k;
        UstalWarunki(t.d);
        EXPECT_EQ(t.t().MaskaOgraniczen, 0x3174) << k;
    }
    t.d.kontrolki.kryterium = 2;
    UstalWarunki(t.d);
    EXPECT_EQ(t.t().MaskaOgraniczen, 0x1174);

    // Pole Ograniczenia z powrotem na kontrolki: ta sama maska.
    StanKontrolek k;
    UstawKontrolkiZOgraniczen(k, 0x03FE & ~0x0100);
    t.d.kontrolki = k;
    t.d.kontrolki.kryterium = 0;
    UstalWarunki(t.d);
    EXPECT_EQ(t.t().MaskaOgraniczen, 0x3000 | (0x03FE & ~0x0100));
    EXPECT_FALSE(k.dopasujDoRodzaju);
    EXPECT_EQ(bitKontrolki(KontrolkaOgraniczenia::DopasujDoRodzaju), 0x0800);
    EXPECT_EQ(podpowiedzKontrolki(KontrolkaOgraniczenia::PodObcymZarzadem),
              QStringLiteral("Nie ukladaj trasy na liniach zarzadznych przez innego zarzadce niz KZT ZLT S.A."));
}
