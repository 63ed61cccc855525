// Wycena wielu tras z pliku CSV: odczyt pliku (BOM, separator, cudzysłowy),
// wiersze dobre i błędne obok siebie, wynik CSV i arkusz.

#include "pricing/WycenaWsadowa.h"
#include "trains/PociagTestowy.h"

namespace tks::test {
namespace {

TEST(WsadTras, OdczytSeparatoraBomICudzyslowow)
{
    QString blad;
    const auto w = czytajWsadTras("\xEF\xBB\xBF" "Start,End,via,vmax\r\n\"Alfa, Beta\",Delta,\"B|C\",\"80,5\"\r\n\r\n"
                                  "@1,104\r\n",
                                  blad);
    ASSERT_TRUE(w) << blad.toStdString();
    EXPECT_EQ(w->separator, QLatin1Char(','));
    EXPECT_EQ(w->kolumny, (QStringList{"start", "end", "via", "vmax"}));
    ASSERT_EQ(w->wiersze.size(), 2);   // pusta linia pominięta
    EXPECT_EQ(w->wiersze[0], (QStringList{"Alfa, Beta", "Delta", "B|C", "80,5"}));
    EXPECT_EQ(w->wiersze[1], (QStringList{"@1", "104", "", ""}));

    const auto s = czytajWsadTras("start;end;number\nA;B;\"12\"\"3\"\n", blad);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->separator, QLatin1Char(';'));
    EXPECT_EQ(s->wiersze[0][2], QStringLiteral("12\"3"));

    EXPECT_FALSE(czytajWsadTras("start;via\nA;B\n", blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("\"end\"")));
    EXPECT_FALSE(czytajWsadTras("", blad));
}

struct Wsad : PociagTestowy, ::testing::Test {};

TEST_F(Wsad, DobreWierszeWycenioneBledneZOpisemReszta)
{
    QString blad;
    const auto w = czytajWsadTras(QStringLiteral("start;end;via;kind;band;criterion;vmax;number\n"
                                                 "  Alfa ;Delta;;;;;;P1\n"      // nazwa w sieci to "  Alfa "
                                                 "101;@3;105;1;1;0;80;T2\n"     // IdObEksp, indeks, przez Epsilon
                                                 "Alfa;Omega;;;;;;\n"           // nieznana stacja
                                                 "Alfa;Delta;;x;;;;\n"          // zła liczba
                                                 "Alfa;Delta;;;;;90,0;\n"       // przecinek dziesiętny
                                                 "Alfa;Delta;;;7;;;\n")         // przedział spoza rodzaju
                                      .toUtf8(),
                                  blad);
    ASSERT_TRUE(w);
    const auto wyniki = wycenWsad(d, ia, *w);
    ASSERT_EQ(wyniki.size(), 6);
    EXPECT_TRUE(wyniki[0].blad.isEmpty()) << wyniki[0].blad.toStdString();
    EXPECT_DOUBLE_EQ(wyniki[0].dlugosc.toDouble(), 30.0);
    EXPECT_TRUE(wyniki[0].wycenaPelna.toBool());
    EXPECT_GT(wyniki[0].cena.toDouble(), 0.0);
    EXPECT_FALSE(wyniki[0].czasJazdy.isEmpty());
    EXPECT_TRUE(wyniki[1].blad.isEmpty()) << wyniki[1].blad.toStdString();
    EXPECT_DOUBLE_EQ(wyniki[1].dlugosc.toDouble(), 40.0);   // A-B-E-D
    EXPECT_EQ(wyniki[2].blad, QStringLiteral("Nieznana stacja: Omega"));
    EXPECT_FALSE(wyniki[2].cena.isValid());
    EXPECT_EQ(wyniki[3].blad, QStringLiteral("Kolumna kind: \"x\" nie jest liczbą całkowitą."));
    EXPECT_TRUE(wyniki[4].blad.isEmpty());
    EXPECT_TRUE(wyniki[5].blad.contains(QStringLiteral("przedziału 7")));
    EXPECT_EQ(liczbaBledowWsadu(wyniki), 3);

    // CSV: kolumny wejścia i wyników, przecinek dziesiętny przy ";"
    const QStringList linie = QString::fromUtf8(csvWynikowWsadu(*w, wyniki)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linie[0], QStringLiteral("start;end;via;kind;band;criterion;vmax;number;length;priced_length;price;"
                                       "full_pricing;running_time;error"));
    EXPECT_TRUE(linie[1].startsWith(QStringLiteral("  Alfa ;Delta;;;;;;P1;30,000;30,000;")));
    EXPECT_TRUE(linie[3].endsWith(QStringLiteral(";;;;;;Nieznana stacja: Omega")));
    EXPECT_EQ(linie.size(), 8);   // nagłówek, 6 wierszy, pusty po ostatnim CR LF

    // ten sam wiersz jak pojedyncza trasa: wynik nie zależy od wierszy przed nim
    const auto pojedynczy = czytajWsadTras("start;end\nAlfa;Delta\n", blad);
    const auto w1 = wycenWsad(d, ia, *pojedynczy);
    EXPECT_DOUBLE_EQ(w1[0].cena.toDouble(), wyniki[0].cena.toDouble());
}

TEST_F(Wsad, BrakPolaczeniaToBladWiersza)
{
    const int f = dodajStacje(s(), QStringLiteral("Samotna"), 50, 50, 106);
    przygotuj();
    QString blad;
    const auto w = czytajWsadTras("start,end\nAlfa,Samotna\nAlfa,Delta\n", blad);
    ASSERT_TRUE(w);
    const auto wyniki = wycenWsad(d, ia, *w);
    EXPECT_TRUE(wyniki[0].blad.contains(QStringLiteral("Samotna"))) << wyniki[0].blad.toStdString();
    EXPECT_TRUE(wyniki[1].blad.isEmpty());
    // separator "," w wyniku: kropka dziesiętna
    const QString csv = QString::fromUtf8(csvWynikowWsadu(*w, wyniki));
    EXPECT_TRUE(csv.contains(QStringLiteral("Alfa,Delta,30.000,30.000,"))) << csv.toStdString();
    Q_UNUSED(f);
}

} // namespace
} // namespace tks::test
