// Reguły okna podglądu trasy: tytuły, widoczność kolumn, filtry i sortowanie
// z numeracją Lp, tekst eksportu i proponowana nazwa pliku.

#include "reports/PodgladTrasy.h"
#include "reports/RaportTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tks;
using namespace tks::test;

namespace {

QStringList widoczne(int poziom, const QStringList& ukryte)
{
    QStringList l;
    const QVector<bool> w = widocznoscKolumnPodgladu(poziom, ukryte);
    for (int i = 0; i < w.size(); ++i)
        if (w[i])
            l << kolumnyPodgladu()[i].pole;
    return l;
}

} // namespace

TEST(PodgladTrasy, TytulyOknaZNumeremIBez)
{
    EXPECT_EQ(tytulOknaPodgladu(0, {}), QStringLiteral("Trasa pociągu bez numeru według zmian linii"));
    EXPECT_EQ(tytulOknaPodgladu(1, {}), QStringLiteral("Trasa pociągu bez numeru według zmian linii i stawek"));
    EXPECT_EQ(tytulOknaPodgladu(2, {}), QStringLiteral("Szczegółowa trasa pociągu bez numeru"));
    EXPECT_EQ(tytulOknaPodgladu(0, QStringLiteral("Ex 12")), QStringLiteral("Trasa pociągu nr Ex 12 według zmian linii"));
    EXPECT_EQ(tytulOknaPodgladu(1, QStringLiteral("Ex 12")),
              QStringLiteral("Trasa pociągu nr Ex 12 według zmian linii i stawek"));
    EXPECT_EQ(tytulOknaPodgladu(2, QStringLiteral("Ex 12")), QStringLiteral("Szczegółowa trasa pociągu nr Ex 12"));
}

TEST(PodgladTrasy, WidocznoscKolumnNaPoziomach)
{
    // poziom 0: WyznaczTrase ukrywa Stawka i Uwagi, menu ukrywa Nr wg Id-12
    TrasaRaportu t({{}, {}});
    const QStringList ukryte0 = WyznaczTrase(t.d, 0);
    EXPECT_EQ(widoczne(0, ukryte0),
              (QStringList{"Lp", "OdStacji", "DoStacji", "NrLinii", "OdKm", "DoKm", "Dlugosc", "Cena"}));
    EXPECT_EQ(widoczne(1, WyznaczTrase(t.d, 1)),
              (QStringList{"Lp", "OdStacji", "DoStacji", "NrLinii", "OdKm", "DoKm", "Dlugosc", "Stawka2008", "Cena",
                           "Uwagi"}));
    EXPECT_EQ(widoczne(2, WyznaczTrase(t.d, 2)),
              (QStringList{"Lp", "OdStacji", "DoStacji", "NrLinii", "OdKm", "DoKm", "Dlugosc", "Stawka2008", "Cena",
                           "Uwagi", "NrOdcMERIDO"}));
    ASSERT_EQ(kolumnyPodgladu().size(), 14);
    EXPECT_EQ(tytulKolumnyPodgladu(kolumnyPodgladu()[10]), QStringLiteral("Nr wg Id-12"));
    EXPECT_EQ(tytulKolumnyPodgladu(kolumnyPodgladu()[12]), QStringLiteral("IdObOd"));
}

TEST(PodgladTrasy, ProponowanaNazwaPliku)
{
    EXPECT_EQ(proponowanaNazwaPliku(QStringLiteral("12/3")), QStringLiteral("Poc12_3.txt"));
    EXPECT_EQ(proponowanaNazwaPliku(QStringLiteral("a/b/c")), QStringLiteral("Poca_b_c.txt"));
    EXPECT_EQ(proponowanaNazwaPliku({}), QStringLiteral("PocBezNumeru.txt"));
    EXPECT_EQ(proponowanaNazwaPliku(QStringLiteral("12/3"), QStringLiteral(".pdf")), QStringLiteral("Poc12_3.pdf"));
}

TEST(PodgladTrasy, FiltrWiekszeOdWyboruNaNumerzeLinii)
{
    TrasaRaportu t({{7}, {8}, {9}, {12}, {10}, {8}});
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    ASSERT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"7", "8", "9", "12", "10", "8"}));
    s.filtrujWgWyboru(t.p(), 1, QStringLiteral("NrLinii"), Wieksze);
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"9", "12", "10"}));
    EXPECT_EQ(t.kolumnaWidoku("Lp"), (QStringList{"1", "2", "3"}));
    // drugi warunek dokłada się do pierwszego
    s.filtrujWgWyboru(t.p(), 3, QStringLiteral("NrLinii"), Rozne);
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"9", "10"}));
    s.usunFiltr(t.p());
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"7", "8", "9", "12", "10", "8"}));
    EXPECT_TRUE(s.warunki().isEmpty());
    EXPECT_EQ(t.p().kolumnaIndeksu(), QStringLiteral("LpDrogi;LpSciezkiOd"));
}

TEST(PodgladTrasy, SortowanieCenyMalejacoPustePrzyKoncuILpOdNowa)
{
    // ceny wierszy: 10, brak (taksatura indywidualna), 30, brak, 20
    TrasaRaportu t({{1, 10000}, {2, 0}, {3, 30000}, {4, 0}, {5, 20000}});
    WyznaczTrase(t.d, 1);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    s.sortuj(t.p(), QStringLiteral("Cena"), true);
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"3", "5", "1", "2", "4"}));
    EXPECT_EQ(t.kolumnaWidoku("Lp"), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(wierszBezCeny(t.p(), 1));
    EXPECT_FALSE(wierszBezCeny(t.p(), 0));
    // eksport idzie w bieżącym porządku, Lp od 1
    const QStringList linie = liniePodgladu(t.p());
    ASSERT_EQ(linie.size(), 6);
    EXPECT_TRUE(linie[1].startsWith(QStringLiteral("1\tS2\tS3\t3\t")));
    EXPECT_TRUE(linie[5].startsWith(QStringLiteral("5\tS3\tS4\t4\t")));
    s.sortuj(t.p(), QStringLiteral("Cena"), false);
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"2", "4", "1", "5", "3"}));
}

TEST(PodgladTrasy, FiltrTekstowyZOknaFiltru)
{
    TrasaRaportu t({{1}, {2}, {3}});
    t.s().Stacje[1].NazwaStacji.ustaw(QStringLiteral("Kraków Płaszów"));
    t.s().Stacje[2].NazwaStacji.ustaw(QStringLiteral("Nowy Kraków"));
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    const QString od = QStringLiteral("OdStacji");
    s.filtruj(t.p(), od, QStringLiteral("Kraków"), PoczatekPola);
    EXPECT_EQ(t.kolumnaWidoku("OdStacji"), (QStringList{"Kraków Płaszów"}));
    s.usunFiltr(t.p());
    s.filtruj(t.p(), od, QStringLiteral("Kraków"), CzescPola);
    EXPECT_EQ(t.kolumnaWidoku("OdStacji"), (QStringList{"Kraków Płaszów", "Nowy Kraków"}));
    s.usunFiltr(t.p());
    s.filtruj(t.p(), od, QStringLiteral("kraków"), CzescPola);
    EXPECT_TRUE(t.kolumnaWidoku("OdStacji").isEmpty());
    // relacje 3..5 nie mają znaczenia dla tekstu: zostają wszystkie wiersze
    s.usunFiltr(t.p());
    s.filtruj(t.p(), od, QStringLiteral("zzz"), Mniejsze);
    EXPECT_EQ(t.kolumnaWidoku("OdStacji").size(), 3);
}

TEST(PodgladTrasy, LpNieDajeSieSortowacAniFiltrowac)
{
    // Lp zależy od porządku i filtru: warunek na nim odwoływałby się sam do siebie
    TrasaRaportu t({{1}, {2}, {3}});
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    s.sortuj(t.p(), QStringLiteral("Lp"), true);
    s.filtrujWgWyboru(t.p(), 1, QStringLiteral("Lp"), Wieksze);
    s.filtruj(t.p(), QStringLiteral("Lp"), 1, Rowne);
    EXPECT_EQ(t.kolumnaWidoku("NrLinii"), (QStringList{"1", "2", "3"}));
    EXPECT_TRUE(s.warunki().isEmpty());
}

TEST(PodgladTrasy, ZamkniecieOknaZdejmujeFiltrISumyWidzaCalaTrase)
{
    TrasaRaportu t({{1}, {2}, {3}});
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    s.filtrujWgWyboru(t.p(), 0, QStringLiteral("NrLinii"), Rowne);
    ASSERT_EQ(t.p().widok().size(), 1);
    s.zamknij(t.p());
    EXPECT_FALSE(t.p().filtrowana());
    EXPECT_TRUE(t.p().kolumnaIndeksu().isEmpty());
    WyznaczTrase(t.d, 0);
    EXPECT_DOUBLE_EQ(t.d.trasa.SumDroga.toDouble(), 3.0);
}

TEST(PodgladTrasy, TekstEksportuIPlik)
{
    TrasaRaportu t({{7, 12345}, {7, 12345, cechy::Normalnotorowa | cechy::ObcyZarzad}, {9, 0}});
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    const QStringList linie = liniePodgladu(t.p());
    ASSERT_EQ(linie.size(), 3);
    EXPECT_EQ(linie[0], QStringLiteral("Lp\tOd punktu\tDo punktu\tNr linii\tOd km\tDo km\tDługość\tStawka\tCena\t"
                                       "Uwagi\tNr wg Id-12\t"));
    // ukryte na poziomie 0 kolumny Stawka i Uwagi też idą do eksportu; liczby bez formatów siatki
    EXPECT_EQ(linie[1], QStringLiteral("1\tS0\tS2\t7\t0\t2\t2\t\t12,345\tZarząd: Obcy Zarząd Sp. z o.o.\t7A\t"));
    EXPECT_EQ(linie[2], QStringLiteral("2\tS2\tS3\t9\t2\t3\t1\t\t\ttaksatura indywidualna\t9A\t"));
    EXPECT_EQ(tekstPodgladu(t.p()), linie.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

    QTemporaryDir katalog;
    const QString plik = katalog.filePath(proponowanaNazwaPliku(QStringLiteral("12/3")));
    QString blad;
    ASSERT_TRUE(ZapiszTraseDoPliku(t.p(), plik, blad)) << blad.toStdString();
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), tekstPodgladu(t.p()));
    EXPECT_FALSE(ZapiszTraseDoPliku(t.p(), katalog.filePath(QStringLiteral("brak/plik.txt")), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("plik.txt"))) << blad.toStdString();
}

TEST(PodgladTrasy, SumyZNaglowka)
{
    TrasaRaportu t({{1, 10000}, {2, 0}});
    t.d.pociag.ustaw(QStringLiteral("Dlugosc"), 1234.5);
    const SumyPodgladu s = sumyPodgladu(t.d.pociag);
    EXPECT_EQ(s.cena, QStringLiteral("10,00 zł"));
    EXPECT_EQ(s.dlugosc, QStringLiteral("1 234,500 km"));
    EXPECT_EQ(s.dlugoscWycen, QStringLiteral("1,000 km"));
    EXPECT_EQ(numerPociagu(t.d.pociag), QString());
}
