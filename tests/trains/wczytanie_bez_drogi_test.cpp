// Wczytanie pociągu, którego odcinka drogi nie da się odtworzyć na obecnej sieci.

#include "trains/MenuPlik.h"
#include "trains/PociagTestowy.h"

using namespace tks;
using namespace tks::test;

namespace {
struct WczytanieBezDrogi : ::testing::Test, PociagTestowy {};
} // namespace

TEST_F(WczytanieBezDrogi, OdcinekBezDrogiJestZgloszonyZPrzyczynaAPunktyZostaja)
{
    trasaAD();
    d.pociag.IdBiezacegoPociagu = 0;
    ASSERT_TRUE(ZapiszPociag(d, okna)) << ia.teksty().join(QStringLiteral(" | ")).toStdString();
    const int id = d.pociag.IdBiezacegoPociagu;

    // na obecnej sieci oba odcinki do Delty są nieczynne
    s().Odcinki[2].Cechy |= cechy::Nieczynna;
    s().Odcinki[4].Cechy |= cechy::Nieczynna;
    MenuNowyPociag(d, okna);
    ia.wyczysc();
    ASSERT_TRUE(WczytajPociag(d, id));
    ASSERT_EQ(ia.teksty().size(), 1) << ia.teksty().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(ia.teksty().first(), QStringLiteral("Nie można wyznaczyć trasy z   Alfa  do Delta przy obecnych warunkach.\n"
                                                  "Trasa istnieje, gdy dopuścisz: Linie nieczynne"));
    EXPECT_EQ(punkty(), (std::vector<int>{A, D}));
    EXPECT_TRUE(t().Sciezki.empty());
    EXPECT_EQ(t().OdcinekBezDrogi, 1);
    EXPECT_FALSE(d.kontrolki.wczytywaniePociagu);

    // ta sama trasa na sieci bez zmian wczytuje się bez komunikatu
    s().Odcinki[2].Cechy &= std::uint16_t(~cechy::Nieczynna);
    ia.wyczysc();
    ASSERT_TRUE(WczytajPociag(d, id));
    EXPECT_TRUE(ia.zdarzenia().isEmpty()) << ia.teksty().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(t().OdcinekBezDrogi, 0);
}
