// Wyszukiwanie drogi minimalnej: remisy, stacje wykluczone, kryteria, wybór linii.

#include "routing/Oznaczenia.h"
#include "routing/Wyszukiwanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Romb: A-B-D linią 1 i A-C-D linią 2, obie drogi po 2 km. `najpierwLinia2`
// dodaje najpierw odcinki linii 2 (inna kolejność list odcinków).
struct Romb : DrogaTestowa {
    int A, B, C, D;
    explicit Romb(bool najpierwLinia2 = false)
    {
        A = dodajStacje(s(), QStringLiteral("A"), 0, 0);
        B = dodajStacje(s(), QStringLiteral("B"), 1, 1);
        C = dodajStacje(s(), QStringLiteral("C"), 1, -1);
        D = dodajStacje(s(), QStringLiteral("D"), 2, 0);
        if (najpierwLinia2) {
            dodajOdcinek(s(), A, C, 1000, 2);
            dodajOdcinek(s(), C, D, 1000, 2);
            dodajOdcinek(s(), A, B, 1000, 1);
            dodajOdcinek(s(), B, D, 1000, 1);
        } else {
            dodajOdcinek(s(), A, B, 1000, 1);
            dodajOdcinek(s(), B, D, 1000, 1);
            dodajOdcinek(s(), A, C, 1000, 2);
            dodajOdcinek(s(), C, D, 1000, 2);
        }
        przygotuj();
    }
};

} // namespace

TEST(Wyszukiwanie, PrzyRownychDrogachZostajePierwszaRelaksacja)
{
    Romb r;
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.D, 0));
    EXPECT_DOUBLE_EQ(r.etykieta(r.D), 2.0);
    EXPECT_EQ(r.s().Stacje[r.D].StPop, r.B);

    Romb odwrotnie(true);
    ASSERT_TRUE(ObliczMinOdleglosci(odwrotnie.d, odwrotnie.A, odwrotnie.D, 0));
    EXPECT_EQ(odwrotnie.s().Stacje[odwrotnie.D].StPop, odwrotnie.C);

    // Oznaczona droga idzie przez poprzednika celu.
    ASSERT_TRUE(OznaczStart(r.d, r.A));
    ASSERT_TRUE(OznaczMeta(r.d, r.D));
    EXPECT_EQ(r.stacjeTrasy(), (std::vector<int>{r.A, r.B, r.D}));
    EXPECT_EQ(r.d.dziennik.filter(QStringLiteral("obliczenia ")).size(), 2);
    EXPECT_EQ(r.d.dziennik.filter(QStringLiteral("Oznaczanie drogi ")).size(), 1);
}

TEST(Wyszukiwanie, StacjaWykluczonaJakoCelINaPoczatku)
{
    Romb r;
    OznaczOminStacje(r.d, r.D);
    EXPECT_FALSE(ObliczMinOdleglosci(r.d, r.A, r.D, 0));
    EXPECT_EQ(r.etykieta(r.D), kWykluczona);

    // Wykluczona stacja na drodze jest omijana.
    OznaczOminStacje(r.d, r.B);
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.C, 0));
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.C, r.A, 0));
    EXPECT_EQ(r.etykieta(r.B), kWykluczona);

    // Wyszukiwanie z wykluczonej stacji: jej etykieta staje się 0, a kolejne
    // wyszukiwanie już jej nie omija, choć zostaje na liście.
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.B, r.C, 0));
    EXPECT_EQ(r.etykieta(r.B), 0.0);
    EXPECT_DOUBLE_EQ(r.etykieta(r.C), 2.0);
    EXPECT_EQ(r.etykieta(r.D), kWykluczona);
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.B, 0));
    EXPECT_DOUBLE_EQ(r.etykieta(r.B), 1.0);
    EXPECT_EQ(r.t().ListaStacjiZabronionych, (std::vector<int>{r.D, r.B}));
}

TEST(Wyszukiwanie, NajtanszaWybieraOdcinekBezStawki)
{
    // A-B-D krótsza (2 km) ze stawką, A-C-D dłuższa (3 km) z odcinkiem C-D bez stawki.
    DrogaTestowa t;
    const int A = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int B = dodajStacje(t.s(), QStringLiteral("B"), 1, 1);
    const int C = dodajStacje(t.s(), QStringLiteral("C"), 1, -1);
    const int D = dodajStacje(t.s(), QStringLiteral("D"), 2, 0);
    dodajOdcinek(t.s(), A, B, 1000, 1);
    dodajOdcinek(t.s(), B, D, 1000, 1);
    dodajOdcinek(t.s(), A, C, 1000, 2);
    const int cd = dodajOdcinek(t.s(), C, D, 2000, 2);
    t.przygotuj(10000);
    t.s().Stawki.ustaw(cd, 0, 0, 0);

    t.d.kontrolki.kryterium = 1;
    ASSERT_TRUE(OznaczStart(t.d, A));
    ASSERT_TRUE(OznaczMeta(t.d, D));
    EXPECT_EQ(t.stacjeTrasy(), (std::vector<int>{A, C, D}));
    EXPECT_DOUBLE_EQ(t.t().GlowneStacje[1].OdlDoPunktu, 10.0);   // tylko A-C: 1 km po 10 zł
    const TSciezka& bez = t.t().Sciezki.back();
    EXPECT_EQ(bez.LpOdcinka, cd);
    EXPECT_EQ(bez.WgCennika, 0);
    EXPECT_EQ(bez.Uwagi, QStringLiteral("taksatura indywidualna"));

    // Najkrótsza idzie drugą drogą.
    t.d.kontrolki.kryterium = 0;
    ASSERT_TRUE(ObliczMinOdleglosci(t.d, A, D, 0));
    EXPECT_EQ(t.s().Stacje[D].StPop, B);
}

TEST(Wyszukiwanie, CzasPrzejazduIOdcinekBezPredkosci)
{
    // A-B-D 2 km po 50 km/h, A-C-D 3 km po 150 km/h.
    DrogaTestowa t;
    const int A = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int B = dodajStacje(t.s(), QStringLiteral("B"), 1, 1);
    const int C = dodajStacje(t.s(), QStringLiteral("C"), 1, -1);
    const int D = dodajStacje(t.s(), QStringLiteral("D"), 2, 0);
    dodajOdcinek(t.s(), A, B, 1000, 1, cechy::Normalnotorowa, 0, 50);
    dodajOdcinek(t.s(), B, D, 1000, 1, cechy::Normalnotorowa, 0, 50);
    dodajOdcinek(t.s(), A, C, 1500, 2, cechy::Normalnotorowa, 0, 150);
    const int cd = dodajOdcinek(t.s(), C, D, 1500, 2, cechy::Normalnotorowa, 0, 150);
    t.przygotuj();
    t.d.kontrolki.kryterium = 3;
    ASSERT_TRUE(ObliczMinOdleglosci(t.d, A, D, 0));
    EXPECT_EQ(t.s().Stacje[D].StPop, C);
    EXPECT_DOUBLE_EQ(t.etykieta(D), 3.0 / 150.0);

    // Odcinek, którego obie prędkości są zerowe, jest nieprzejezdny.
    t.s().Odcinki[cd].VP1 = t.s().Odcinki[cd].VP2 = 0;
    ASSERT_TRUE(ObliczMinOdleglosci(t.d, A, D, 0));
    EXPECT_EQ(t.s().Stacje[D].StPop, B);
    t.s().Odcinki[1].VP1 = t.s().Odcinki[1].VP2 = 0;
    EXPECT_FALSE(ObliczMinOdleglosci(t.d, A, D, 0));
    // pociąg towarowy liczy po prędkościach towarowych, które zostały
    t.d.kontrolki.idRodzajuStawki = 1;
    EXPECT_TRUE(ObliczMinOdleglosci(t.d, A, D, 0));
}

TEST(Wyszukiwanie, WyborRecznyUstalaLinie)
{
    Romb r;
    r.d.kontrolki.kryterium = 2;

    // Jedna wspólna linia: bez pytania.
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.B, 0));
    EXPECT_TRUE(r.ia.zdarzenia().isEmpty());

    // Kilka wspólnych linii: okno wyboru; wybrana linia 2 prowadzi przez C.
    r.ia.dodajWybor(1);
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.D, 0));
    ASSERT_EQ(r.ia.zdarzenia().size(), 1);
    const auto& z = r.ia.zdarzenia().first();
    EXPECT_EQ(z.tytul, QStringLiteral("Proszę wybrać :"));
    EXPECT_EQ(z.tekst, QStringLiteral("Stacje A\noraz D\n leżą na 2 wspólnych liniach.\nProszę wybrać właściwą."));
    EXPECT_EQ(z.pozycje, (QStringList{QStringLiteral("Linia 1"), QStringLiteral("Linia 2")}));
    EXPECT_EQ(r.s().Stacje[r.D].StPop, r.C);

    // Anulowanie: niepowodzenie bez komunikatu.
    r.ia.wyczysc();
    r.ia.dodajWybor(-1);
    EXPECT_FALSE(ObliczMinOdleglosci(r.d, r.A, r.D, 0));
    ASSERT_EQ(r.ia.zdarzenia().size(), 1);
    EXPECT_EQ(r.ia.zdarzenia().first().rodzaj, ZdarzenieInterakcji::Rodzaj::Wybor);

    // Brak wspólnej linii.
    r.ia.wyczysc();
    EXPECT_FALSE(ObliczMinOdleglosci(r.d, r.B, r.C, 0));
    EXPECT_EQ(r.ia.teksty(), QStringList{QStringLiteral("Błąd - stacje B i C Nie leżą na tej samej linii")});

    // Linia -1: każdy odcinek dozwolony, bez pytania.
    r.ia.wyczysc();
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.B, r.C, -1));
    EXPECT_DOUBLE_EQ(r.etykieta(r.C), 2.0);
    EXPECT_TRUE(r.ia.zdarzenia().isEmpty());

    // Podana linia poza wczytywaniem pociągu jest ustalana od nowa; podczas
    // wczytywania obowiązuje bez pytania i tylko jej odcinki są używane.
    EXPECT_FALSE(ObliczMinOdleglosci(r.d, r.B, r.C, 1));
    EXPECT_EQ(r.ia.zdarzenia().size(), 1);
    r.ia.wyczysc();
    r.d.kontrolki.wczytywaniePociagu = true;
    EXPECT_FALSE(ObliczMinOdleglosci(r.d, r.B, r.C, 1));
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, r.D, 2));
    EXPECT_EQ(r.s().Stacje[r.D].StPop, r.C);
    EXPECT_TRUE(r.ia.zdarzenia().isEmpty());
}

TEST(Wyszukiwanie, BezCeluIBezPunktowNicPozaStartem)
{
    Romb r;
    ASSERT_TRUE(ObliczMinOdleglosci(r.d, r.A, -1, 0));
    EXPECT_EQ(r.etykieta(r.A), 0.0);
    for (int s : {r.B, r.C, r.D})
        EXPECT_EQ(r.etykieta(s), kNieosiagnieta);

    // Z punktem trasy ograniczeniem jest jego etykieta: stacje dalsze niż punkt zostają nieosiągnięte.
    DrogaTestowa t;
    const int A = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int B = dodajStacje(t.s(), QStringLiteral("B"), 1, 0);
    const int C = dodajStacje(t.s(), QStringLiteral("C"), 2, 0);
    const int X = dodajStacje(t.s(), QStringLiteral("X"), 0, 5);
    dodajOdcinek(t.s(), A, B, 1000, 1);
    dodajOdcinek(t.s(), B, C, 1000, 1);
    dodajOdcinek(t.s(), A, X, 5000, 2);
    t.przygotuj();
    ASSERT_TRUE(OznaczMeta(t.d, B));
    ASSERT_TRUE(ObliczMinOdleglosci(t.d, A, -1, 0));
    EXPECT_DOUBLE_EQ(t.etykieta(B), 1.0);
    EXPECT_EQ(t.etykieta(C), kNieosiagnieta);
    EXPECT_EQ(t.etykieta(X), kNieosiagnieta);
}

TEST(Wyszukiwanie, OgraniczeniaMaskiIZawieszonyRuch)
{
    // A-B szerokotorowy (maska domyślna go wyklucza), A-C-B normalny z zawieszonym ruchem.
    DrogaTestowa t;
    const int A = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int B = dodajStacje(t.s(), QStringLiteral("B"), 2, 0);
    const int C = dodajStacje(t.s(), QStringLiteral("C"), 1, 1);
    dodajOdcinek(t.s(), A, B, 1000, 65, cechy::Szerokotorowa);
    dodajOdcinek(t.s(), A, C, 1000, 1, cechy::Normalnotorowa | cechy::ZawRuchCalk);
    dodajOdcinek(t.s(), C, B, 1000, 1);
    t.przygotuj();
    ASSERT_TRUE(OznaczStart(t.d, A));
    ASSERT_TRUE(OznaczMeta(t.d, B));
    EXPECT_EQ(t.stacjeTrasy(), (std::vector<int>{A, C, B}));
    EXPECT_EQ(t.t().Sciezki.front().WgCennika, 0);
    EXPECT_EQ(t.t().Sciezki.front().Uwagi, QStringLiteral("Taksatura indywidualna"));

    // Odcinek wykluczony przez użytkownika też nie jest używany.
    OznaczOminOdcinek(t.d, 2);
    EXPECT_TRUE(t.t().Sciezki.empty());
    t.d.kontrolki.szerokie = false;
    ASSERT_TRUE(ObliczMinOdleglosci(t.d, A, B, 0));
    EXPECT_EQ(t.s().Stacje[B].OdcPop, 0);
}

TEST(Wyszukiwanie, ZdejmowanieOdcinkaDrogiUsuwaPierwszyCiagGrupy)
{
    DrogaTestowa t;
    dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    t.przygotuj();
    auto& sc = t.t().Sciezki;
    for (int g : {1, 1, 2, 1, 3}) {
        TSciezka e;
        e.NrGrupy = g;
        sc.push_back(e);
    }
    ZdejmOznaczenieMinDrogi(t.d, 1);
    ASSERT_EQ(sc.size(), 3u);
    EXPECT_EQ(sc[0].NrGrupy, 2);
    EXPECT_EQ(sc[1].NrGrupy, 1);
    ZdejmOznaczenieMinDrogi(t.d, 7);
    EXPECT_EQ(sc.size(), 3u);
}
