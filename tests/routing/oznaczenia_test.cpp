// Punkty trasy, wykluczenia i ponowne przeliczanie trasy.

#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Linia 1: P0 - A - P1 - B - P2, odcinki po 1 km. Odgałęzienia: X-P1 5 km (linia 2),
// Y-B 1 km (linia 3); Z bez odcinków.
struct Linia : DrogaTestowa {
    int P0, A, P1, B, P2, X, Y, Z;
    Linia()
    {
        P0 = dodajStacje(s(), QStringLiteral("P0"), 0, 0);
        A = dodajStacje(s(), QStringLiteral("A"), 1, 0);
        P1 = dodajStacje(s(), QStringLiteral("P1"), 2, 0);
        B = dodajStacje(s(), QStringLiteral("B"), 3, 0);
        P2 = dodajStacje(s(), QStringLiteral("P2"), 4, 0);
        X = dodajStacje(s(), QStringLiteral("X"), 2, 5);
        Y = dodajStacje(s(), QStringLiteral("Y"), 3, 1);
        Z = dodajStacje(s(), QStringLiteral("Z"), 9, 9);
        dodajOdcinek(s(), P0, A, 1000, 1, cechy::Normalnotorowa, 0);
        dodajOdcinek(s(), A, P1, 1000, 1, cechy::Normalnotorowa, 1000);
        dodajOdcinek(s(), P1, B, 1000, 1, cechy::Normalnotorowa, 2000);
        dodajOdcinek(s(), B, P2, 1000, 1, cechy::Normalnotorowa, 3000);
        dodajOdcinek(s(), X, P1, 5000, 2);
        dodajOdcinek(s(), Y, B, 1000, 3);
        przygotuj();
    }
    std::vector<int> drogi() const
    {
        std::vector<int> w;
        for (const auto& e : d.trasa.Sciezki)
            w.push_back(e.LpDrogi);
        return w;
    }
    void trzyPunkty()
    {
        ASSERT_TRUE(OznaczStart(d, P0));
        ASSERT_TRUE(OznaczMeta(d, P2));
        ASSERT_TRUE(OznaczPP(d, P1));
        PrzeliczPonownieDroge(d);
    }
};

} // namespace

TEST(Oznaczenia, PunktPosredniTrafiaWOdcinekONajmniejszymObjezdzie)
{
    Linia l;
    l.trzyPunkty();
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P1, l.P2}));
    EXPECT_EQ(l.t().LicznikGrup, 3);

    // Y leży przy drugim odcinku: wstawiony między P1 a P2, drogi od razu w porządku trasy.
    ASSERT_TRUE(OznaczPP(l.d, l.Y));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P1, l.Y, l.P2}));
    SortujSciezki(l.d);
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1, l.B, l.Y, l.B, l.P2}));
    EXPECT_EQ(l.drogi(), (std::vector<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(l.t().GlowneStacje[2].NrGrupy, 4);
    EXPECT_EQ(l.t().LicznikGrup, 5);
    EXPECT_DOUBLE_EQ(l.t().GlowneStacje[2].OdlDoPunktu, 2.0);
    EXPECT_DOUBLE_EQ(l.t().GlowneStacje[3].OdlDoPunktu, 2.0);
}

TEST(Oznaczenia, PrzyRownymObjezdzieWygrywaWczesniejszyOdcinek)
{
    Linia l;
    l.trzyPunkty();
    // X wisi na P1: objazd 10 km w obu odcinkach.
    ASSERT_TRUE(OznaczPP(l.d, l.X));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.X, l.P1, l.P2}));
    PrzeliczPonownieDroge(l.d);
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1, l.X, l.P1, l.B, l.P2}));
    EXPECT_DOUBLE_EQ(l.d.wycena.dlugoscTrasy, 14.0);
}

TEST(Oznaczenia, PunktPosredniBezKoncaDopisywanyNaKoncu)
{
    Linia l;
    ASSERT_TRUE(OznaczStart(l.d, l.P0));
    ASSERT_TRUE(OznaczPP(l.d, l.P2));
    ASSERT_TRUE(OznaczPP(l.d, l.P1));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P2, l.P1}));
    EXPECT_EQ(l.t().GlowneStacje[2].Rodzaj, kPunktPosredni);
    EXPECT_EQ(l.pole("StacjaKoncowa").toString(), QString());
    EXPECT_EQ(l.drogi(), (std::vector<int>{1, 1, 1, 1, 2, 2}));
}

TEST(Oznaczenia, DrugiStartZastepujePoczatekIPrzeliczaTylkoPierwszyOdcinek)
{
    Linia l;
    l.trzyPunkty();
    const int licznik = l.t().LicznikGrup;
    const int grupa1 = l.t().GlowneStacje[1].NrGrupy;
    ASSERT_TRUE(OznaczStart(l.d, l.A));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.A, l.P1, l.P2}));
    EXPECT_EQ(l.t().LicznikGrup, licznik);
    EXPECT_EQ(l.t().GlowneStacje[1].NrGrupy, grupa1);
    EXPECT_DOUBLE_EQ(l.t().GlowneStacje[1].OdlDoPunktu, 1.0);
    SortujSciezki(l.d);
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.A, l.P1, l.B, l.P2}));
    EXPECT_EQ(l.pole("StacjaPoczatkowa").toString(), QStringLiteral("A"));
    EXPECT_DOUBLE_EQ(l.pole("Dlugosc").toDouble(), 3.0);

    // Start, z którego nie ma drogi: punkty się nie zmieniają, komunikat mówi dlaczego.
    EXPECT_FALSE(OznaczStart(l.d, l.Z));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.A, l.P1, l.P2}));
    ASSERT_EQ(l.ia.teksty().size(), 1);
    EXPECT_EQ(l.ia.teksty().first(),
              QStringLiteral("Nie można wyznaczyć trasy z Z do P1 przy obecnych warunkach.\n"
                             "Stacje Z i P1 leżą w częściach sieci, których nie łączy żadna linia."));
}

TEST(Oznaczenia, StartPrzedSamotnymKoncem)
{
    Linia l;
    ASSERT_TRUE(OznaczMeta(l.d, l.P2));
    EXPECT_TRUE(l.d.dziennik.isEmpty());   // samotny koniec bez wyszukiwania
    EXPECT_EQ(l.pole("StacjaKoncowa").toString(), QStringLiteral("P2"));
    ASSERT_TRUE(OznaczMeta(l.d, l.B));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.B}));

    ASSERT_TRUE(OznaczStart(l.d, l.P0));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.B}));
    EXPECT_EQ(l.t().GlowneStacje[0].Rodzaj, kPunktPoczatkowy);
    EXPECT_EQ(l.t().GlowneStacje[1].Rodzaj, kPunktKoncowy);
    EXPECT_EQ(l.t().GlowneStacje[1].NrGrupy, 1);
    EXPECT_DOUBLE_EQ(l.t().GlowneStacje[1].OdlDoPunktu, 3.0);
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1, l.B}));
    EXPECT_EQ(l.pole("StacjaPoczatkowa").toString(), QStringLiteral("P0"));
    EXPECT_TRUE(l.d.pociag.ZmianyPociagu);
}

TEST(Oznaczenia, StartWstawianyPrzedIstniejaceOdcinkiZachowujePorzadekTrasy)
{
    Linia l;
    ASSERT_TRUE(OznaczPP(l.d, l.P1));
    ASSERT_TRUE(OznaczMeta(l.d, l.P2));
    ASSERT_TRUE(OznaczStart(l.d, l.P0));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P1, l.P2}));
    SortujSciezki(l.d);
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1, l.B, l.P2}));
    EXPECT_EQ(l.drogi(), (std::vector<int>{1, 1, 2, 2}));
}

TEST(Oznaczenia, PunktPosredniPrzedSamotnymKoncemIKomunikatBrakuPolaczenia)
{
    Linia l;
    ASSERT_TRUE(OznaczMeta(l.d, l.P2));
    ASSERT_TRUE(OznaczPP(l.d, l.P1));
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P1, l.P2}));
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P1, l.B, l.P2}));

    Linia m;
    ASSERT_TRUE(OznaczMeta(m.d, m.P2));
    ASSERT_TRUE(OznaczPP(m.d, m.Z));   // punkt wstawiony, ale odcinka drogi nie ma
    EXPECT_EQ(m.punkty(), (std::vector<int>{m.Z, m.P2}));
    EXPECT_TRUE(m.t().Sciezki.empty());
    // pierwsza linia jak dotąd, pod nią przyczyna
    EXPECT_EQ(m.ia.teksty(),
              QStringList{QStringLiteral(
                  "Przy wybranych ograniczeniach nie można znaleźć połączenia między stacją Z a stacją P2\n"
                  "Stacje Z i P2 leżą w częściach sieci, których nie łączy żadna linia.")});
}

TEST(Oznaczenia, PodwojneWykluczenieStacjiIJegoZdjecie)
{
    Linia l;
    ASSERT_TRUE(OznaczStart(l.d, l.P0));
    ASSERT_TRUE(OznaczMeta(l.d, l.P2));
    OznaczOminStacje(l.d, l.B);
    OznaczOminStacje(l.d, l.B);
    EXPECT_EQ(l.t().ListaStacjiZabronionych, (std::vector<int>{l.B, l.B}));
    EXPECT_TRUE(l.t().Sciezki.empty());
    EXPECT_EQ(l.etykieta(l.B), kWykluczona);

    ZdejmOznaczZabronionejStacji(l.d, l.B);
    EXPECT_TRUE(l.t().ListaStacjiZabronionych.empty());
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1, l.B, l.P2}));
    EXPECT_DOUBLE_EQ(l.pole("Dlugosc").toDouble(), 4.0);

    // Odcinek tak samo: dwa wpisy, jedno zdjęcie usuwa oba i bit wykluczenia.
    OznaczOminOdcinek(l.d, 1);
    OznaczOminOdcinek(l.d, 1);
    EXPECT_EQ(l.t().ListaOdcinkowZabronionych, (std::vector<int>{1, 1}));
    EXPECT_TRUE(l.s().Odcinki[1].Cechy & cechy::Zabroniony);
    ZdejmOznaczZabronionegoOdcinka(l.d, 1);
    EXPECT_TRUE(l.t().ListaOdcinkowZabronionych.empty());
    EXPECT_FALSE(l.s().Odcinki[1].Cechy & cechy::Zabroniony);
    EXPECT_EQ(l.t().Sciezki.size(), 4u);
}

TEST(Oznaczenia, NieudanyOdcinekWSrodkuPrzeliczenia)
{
    Linia l;
    l.trzyPunkty();
    l.ia.wyczysc();
    OznaczOminStacje(l.d, l.B);   // drugi odcinek nie ma drogi
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P1, l.P2}));
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1}));
    EXPECT_DOUBLE_EQ(l.pole("Dlugosc").toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(l.pole("CenaPrzejazdu").toDouble(), 20.0);
    EXPECT_TRUE(l.ia.zdarzenia().isEmpty());
}

TEST(Oznaczenia, TrasaBezElementowNieZostawiaWNaglowkuStarejCenyIDlugosci)
{
    Linia l;
    ASSERT_TRUE(OznaczStart(l.d, l.P0));
    ASSERT_TRUE(OznaczMeta(l.d, l.P2));
    ASSERT_DOUBLE_EQ(l.pole("CenaPrzejazdu").toDouble(), 40.0);
    l.d.pociag.ustaw(QStringLiteral("LDniKurs"), 10);

    OznaczOminStacje(l.d, l.A);   // pierwszy (jedyny) odcinek bez drogi
    EXPECT_TRUE(l.t().Sciezki.empty());
    EXPECT_FALSE(l.pole("Dlugosc").isValid());
    EXPECT_FALSE(l.pole("CenaWyliczona").isValid());
    EXPECT_FALSE(l.pole("CenaRozkJazdy").isValid());
    EXPECT_DOUBLE_EQ(l.pole("CenaPrzejazdu").toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(l.pole("DlugoscWycen").toDouble(), 0.0);
    EXPECT_EQ(l.pole("StacjaPoczatkowa").toString(), QStringLiteral("P0"));
    EXPECT_EQ(l.pole("StacjaKoncowa").toString(), QStringLiteral("P2"));

    // Usunięcie końca: jeden punkt, nagłówek też bez długości.
    ZdejmOznaczZabronionejStacji(l.d, l.A);
    ASSERT_DOUBLE_EQ(l.pole("Dlugosc").toDouble(), 4.0);
    ZdejmOznaczPP(l.d, 1);
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0}));
    EXPECT_FALSE(l.pole("Dlugosc").isValid());
    EXPECT_EQ(l.pole("StacjaKoncowa").toString(), QString());
}

TEST(Oznaczenia, ZdejmowanieWszystkichOznaczenStacji)
{
    Linia l;
    l.trzyPunkty();
    ZdejmOznacz(l.d, l.P2);
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0, l.P1}));
    EXPECT_EQ(l.pole("StacjaKoncowa").toString(), QString());
    EXPECT_EQ(l.stacjeTrasy(), (std::vector<int>{l.P0, l.A, l.P1}));

    // Stacja będąca punktem i wykluczona: znika z punktów i z listy wykluczeń.
    OznaczOminStacje(l.d, l.P1);
    EXPECT_TRUE(l.t().Sciezki.empty());
    ZdejmOznacz(l.d, l.P1);
    EXPECT_EQ(l.punkty(), (std::vector<int>{l.P0}));
    EXPECT_TRUE(l.t().ListaStacjiZabronionych.empty());
    EXPECT_EQ(l.etykieta(l.P1), kNieosiagnieta);
    EXPECT_EQ(l.pole("StacjaPoczatkowa").toString(), QStringLiteral("P0"));

    // Ostatni punkt: lista pusta, nazwy w nagłówku zostają.
    ZdejmOznacz(l.d, l.P0);
    EXPECT_TRUE(l.punkty().empty());
    EXPECT_EQ(l.pole("StacjaPoczatkowa").toString(), QStringLiteral("P0"));
}
