// Kandydaci ręcznego wyboru trasy: punkt zaczepienia, linie, linie styczne.

#include "MapaTestowa.h"

#include "routing/WyborReczny.h"
#include "wspolne/SiecTestowa.h"

#include <gtest/gtest.h>

namespace tks::test {
namespace {

class WyborReczny : public ::testing::Test {
protected:
    void SetUp() override
    {
        Siec& s = d->siec;
        A = dodajStacje(s, QStringLiteral("A"), 0, 0);
        B = dodajStacje(s, QStringLiteral("B"), 1000, 0, -1, 4);
        C = dodajStacje(s, QStringLiteral("C"), 2000, 0);
        D = dodajStacje(s, QStringLiteral("D"), 3000, 0);
        E = dodajStacje(s, QStringLiteral("E"), 2000, 1000);
        F = dodajStacje(s, QStringLiteral("F"), 2000, -1000);
        G = dodajStacje(s, QStringLiteral("G"), 4000, 0);
        s.Stacje[std::size_t(G)].IdObEksp = -5;   // ujemny IdObEksp: nigdy kandydatem
        dodajOdcinek(s, A, B, 1000, 1);
        dodajOdcinek(s, B, C, 1000, 1);
        dodajOdcinek(s, C, D, 1000, 1);
        dodajOdcinek(s, C, E, 1000, 3);
        dodajOdcinek(s, C, F, 1000, 16);
        dodajOdcinek(s, D, G, 1000, 1);
        dodajOdcinek(s, E, F, 1000, 3);
    }
    QStringList nazwy() const
    {
        QStringList l;
        for (const auto& p : d->trasa.PunktyWyboru)
            l << p.Nazwa;
        return l;
    }
    void punkty(std::initializer_list<std::pair<int, std::uint8_t>> p)
    {
        d->trasa.GlowneStacje.clear();
        for (const auto& [st, r] : p)
            d->trasa.GlowneStacje.push_back(punkt(d->siec, st, r));
    }
    DrogaTestowa d;
    int A, B, C, D, E, F, G;
};

TEST_F(WyborReczny, SamPoczatekINarzedziePosredniej)
{
    punkty({{A, kPunktPoczatkowy}});
    PrzygotujWyborReczny(*d, 2);
    EXPECT_EQ(d->trasa.OdcinkiWyboru, (std::vector<std::int32_t>{0, 1, 2, 5}));
    EXPECT_EQ(nazwy(), (QStringList{QStringLiteral("B"), QStringLiteral("C (Linie styczne - 3 16)"),
                                    QStringLiteral("D")}));
    const TPunktWyboru& c = d->trasa.PunktyWyboru[1];
    EXPECT_EQ(c.LpStacji, C);
    EXPECT_EQ(c.LLiniiStycznych, 2);
    EXPECT_EQ(c.Xkm, 2000);
    EXPECT_EQ(d->trasa.PunktyWyboru[0].Widocznosc, 4);
}

TEST_F(WyborReczny, StacjaNaDwochLiniachZaczepieniaJestKandydatemDwaRazy)
{
    punkty({{C, kPunktPoczatkowy}, {D, kPunktPosredni}});
    PrzygotujWyborReczny(*d, 1);   // zaczepienie w pierwszym punkcie
    EXPECT_EQ(nazwy(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D"),
                                    QStringLiteral("E"), QStringLiteral("F (Linie styczne - 16)"),
                                    QStringLiteral("F (Linie styczne - 3)")}));
    EXPECT_EQ(d->trasa.OdcinkiWyboru, (std::vector<std::int32_t>{0, 1, 2, 5, 3, 6, 4}));
}

TEST_F(WyborReczny, PunktZaczepieniaWedlugTrybu)
{
    // Koniec: zaczepienie w punkcie przed końcem, więc koniec można wybrać ponownie.
    punkty({{A, kPunktPoczatkowy}, {D, kPunktKoncowy}});
    EXPECT_EQ(StacjaZaczepienia(*d, 3), A);
    EXPECT_EQ(StacjaZaczepienia(*d, 2), -1);
    EXPECT_EQ(StacjaZaczepienia(*d, 1), A);
    punkty({{A, kPunktPoczatkowy}, {C, kPunktPosredni}});
    EXPECT_EQ(StacjaZaczepienia(*d, 3), C);
    EXPECT_EQ(StacjaZaczepienia(*d, 2), C);
    punkty({{D, kPunktKoncowy}});
    EXPECT_EQ(StacjaZaczepienia(*d, 3), -1);
    EXPECT_EQ(StacjaZaczepienia(*d, 1), D);
    punkty({{A, kPunktPoczatkowy}});
    EXPECT_EQ(StacjaZaczepienia(*d, 1), -1);
    EXPECT_EQ(StacjaZaczepienia(*d, 0), -1);
}

TEST_F(WyborReczny, BezZaczepieniaStanWyboruJestCzyszczony)
{
    punkty({{A, kPunktPoczatkowy}});
    PrzygotujWyborReczny(*d, 2);
    ASSERT_FALSE(d->trasa.PunktyWyboru.empty());
    PrzygotujWyborReczny(*d, 0);
    EXPECT_TRUE(d->trasa.PunktyWyboru.empty());
    EXPECT_TRUE(d->trasa.OdcinkiWyboru.empty());
    PrzygotujWyborReczny(*d, 2);
    PrzygotujWyborReczny(*d, 1);   // sam początek: brak zaczepienia
    EXPECT_TRUE(d->trasa.PunktyWyboru.empty());
    d->trasa.GlowneStacje.clear();
    PrzygotujWyborReczny(*d, 3);
    EXPECT_TRUE(d->trasa.OdcinkiWyboru.empty());
}

TEST_F(WyborReczny, NazwaKandydataObcietaDo80Znakow)
{
    d->siec.Stacje[std::size_t(C)].NazwaStacji.ustaw(QString(75, QLatin1Char('x')));
    punkty({{A, kPunktPoczatkowy}});
    PrzygotujWyborReczny(*d, 2);
    EXPECT_EQ(d->trasa.PunktyWyboru[1].Nazwa, QString(75, QLatin1Char('x')) + QStringLiteral(" (Lin"));
}

} // namespace
} // namespace tks::test
