// Wydruk trasy: treść (tytuł, nagłówek, linie opisu, kolumny, wiersze), układ
// stron silnika raportów i PDF odczytany z powrotem programem pdftotext.

#include "reports/PodgladTrasy.h"
#include "reports/RaportTestowy.h"

#include <gtest/gtest.h>
#include "reports/WydrukTrasy.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tks;
using namespace tks::test;

namespace {

WydrukTrasy wydruk(TrasaRaportu& t, int poziom)
{
    WyznaczTrase(t.d, poziom);
    return PrzygotujWydruk(t.d, poziom);
}

// Tekst PDF z pdftotext (pusty, gdy programu nie ma).
QString tekstPdf(const QString& plik)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty())
        return {};
    QProcess p;
    p.start(program, {QStringLiteral("-layout"), plik, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Ile pikseli obrazu nie jest białych.
int ciemne(const QImage& im)
{
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            n += qGray(im.pixel(x, y)) < 200;
    return n;
}

} // namespace

TEST(WydrukTrasy, TytulINaglowekZNumeremIBez)
{
    EXPECT_EQ(tytulWydruku({}), QStringLiteral("TAKSATURA TRASY NOWEGO POCIĄGU (BEZ NUMERU)"));
    EXPECT_EQ(tytulWydruku(QStringLiteral("Ex Łódź 1")), QStringLiteral("TAKSATURA POCIĄGU NR EX ŁÓDŹ 1"));
    // okno i wydruk różnią się dla pociągu bez numeru
    EXPECT_EQ(naglowekWydruku(0, {}), QStringLiteral("Trasa nowego pociągu (bez numeru) według zmian linii"));
    EXPECT_EQ(naglowekWydruku(1, {}), QStringLiteral("Trasa nowego pociągu (bez numeru) według zmian linii i stawek"));
    EXPECT_EQ(naglowekWydruku(2, {}), QStringLiteral("Szczegółowa trasa nowego pociągu (bez numeru)"));
    EXPECT_EQ(naglowekWydruku(0, QStringLiteral("7")), QStringLiteral("Trasa pociągu nr 7 według zmian linii"));
    EXPECT_EQ(naglowekWydruku(1, QStringLiteral("7")), QStringLiteral("Trasa pociągu nr 7 według zmian linii i stawek"));
    EXPECT_EQ(naglowekWydruku(2, QStringLiteral("7")), QStringLiteral("Szczegółowa trasa pociągu nr 7"));
}

TEST(WydrukTrasy, Poziom0DrukujeUwagiIPustyTytulStawki)
{
    TrasaRaportu t({{7}, {7, 10000, cechy::Normalnotorowa | cechy::ObcyZarzad}, {8, 12500}});
    const WydrukTrasy w = wydruk(t, 0);
    EXPECT_EQ(w.tytul, QStringLiteral("TAKSATURA TRASY NOWEGO POCIĄGU (BEZ NUMERU)"));
    EXPECT_EQ(w.naglowek, QStringLiteral("Trasa nowego pociągu (bez numeru) według zmian linii"));
    EXPECT_EQ(w.tytulyKolumn, (QStringList{"Od punktu", "Do punktu", "Nr linii", "Od km", "Do km", "Długość", "",
                                           "Cena", "Uwagi"}));
    ASSERT_EQ(w.wiersze.size(), 2);
    EXPECT_EQ(w.wiersze[0], (QStringList{"S0", "S2", "7", "0,000", "2,000", "2,000", "", "10,00",
                                         "Zarząd: Obcy Zarząd Sp. z o.o."}));
    EXPECT_EQ(w.wiersze[1], (QStringList{"S2", "S3", "8", "2,000", "3,000", "1,000", "", "12,50", ""}));
    // niepełna wycena: ostatnia linia opisu to uwaga z notą ceny, po pustej linii
    ASSERT_GE(w.opis.size(), 2);
    EXPECT_EQ(w.opis.last(), QStringLiteral("Wyliczona cena nie obejmuje całej trasy z uwagi na ruch po liniach "
                                            "obcego zarządu."));
    EXPECT_EQ(w.opis[w.opis.size() - 2], QString());

    const WydrukTrasy w1 = wydruk(t, 1);
    EXPECT_EQ(w1.tytulyKolumn[6], QStringLiteral("Stawka"));
    ASSERT_EQ(w1.wiersze.size(), 3);   // element obcego zarządu ma inną stawkę: osobny wiersz
    EXPECT_EQ(w1.wiersze[0][6], QStringLiteral("10"));   // stawka bez stałej liczby miejsc
    EXPECT_EQ(w1.wiersze[1][6], QString());
    EXPECT_EQ(w1.wiersze[1][7], QString());
    EXPECT_EQ(w1.wiersze[2][6], QStringLiteral("12,5"));
}

TEST(WydrukTrasy, LinieOpisuWKolejnosciIZWarunkami)
{
    TrasaRaportu t({{1, 10000}, {1, 10000}});
    WyznaczTrase(t.d, 0);
    Pociag& p = t.d.pociag;
    // bez numeru, nazwy i opisu; pełna wycena
    WydrukTrasy w = PrzygotujWydruk(t.d, 0);
    EXPECT_EQ(w.opis, (QStringList{"Numer pociągu : ", "Rodzaj pociągu : Pasażerski", "Brutto : do 200 t",
                                   "Kryterium wyboru trasy : najkrótsza", "Długość trasy : 2,000 km",
                                   "Wyliczona cena: 20,00 zł", "Cena za cały okres kursowania: 0,00 zł",
                                   "Liczba dni kursowania: 0", "Terminy kursowania: Nie kursuje", ""}));

    // "Wyliczona cena" to cena przejazdu (bez postojów), kwoty i długości z odstępem tysięcy
    p.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("ir 12/3"));
    p.ustaw(QStringLiteral("NazwaPociagu"), QStringLiteral("Śnieżka"));
    p.ustaw(QStringLiteral("Opis"), QStringLiteral("próbny"));
    p.ustaw(QStringLiteral("CenaPrzejazdu"), 1234567.891);
    p.ustaw(QStringLiteral("CenaWyliczona"), 9.99);
    p.ustaw(QStringLiteral("Dlugosc"), 1234.5);
    p.ustaw(QStringLiteral("CenaRozkJazdy"), QVariant());
    p.ustaw(QStringLiteral("LDniKurs"), QVariant());
    p.ustaw(QStringLiteral("Kursuje"), QStringLiteral("W dni robocze\r\noprócz 24.12\r\n"));
    t.d.kontrolki.kryterium = 1;
    t.d.kontrolki.idRodzajuStawki = 1;
    t.d.kontrolki.lpZakresuBr = 1;
    w = PrzygotujWydruk(t.d, 2);
    EXPECT_EQ(w.tytul, QStringLiteral("TAKSATURA POCIĄGU NR IR 12/3"));
    EXPECT_EQ(w.naglowek, QStringLiteral("Szczegółowa trasa pociągu nr ir 12/3"));
    EXPECT_EQ(w.opis, (QStringList{"Numer pociągu : ir 12/3", "Nazwa pociągu : Śnieżka", "Rodzaj pociągu : Towarowy",
                                   "Brutto : powyżej 1000 t", "Opis pociągu : próbny",
                                   "Kryterium wyboru trasy : najtańsza", "Długość trasy : 1 234,500 km",
                                   "Wyliczona cena: 1 234 567,89 zł", "Terminy kursowania: W dni robocze",
                                   "oprócz 24.12", ""}));
    // opis z samych końców linii (ręcznie poprawiony plik): bez linii terminów
    p.ustaw(QStringLiteral("Kursuje"), QStringLiteral("\r\n\r\n"));
    w = PrzygotujWydruk(t.d, 2);
    EXPECT_EQ(w.opis.last(), QString());
    EXPECT_EQ(w.opis[w.opis.size() - 2], QStringLiteral("Wyliczona cena: 1 234 567,89 zł"));
}

TEST(WydrukTrasy, WydrukZaczynaOdCalejTabeliWKolejnosciTrasy)
{
    TrasaRaportu t({{3}, {1}, {2}});
    WyznaczTrase(t.d, 0);
    StanPodgladuTrasy s;
    s.otworz(t.p());
    s.sortuj(t.p(), QStringLiteral("NrLinii"), true);
    s.filtrujWgWyboru(t.p(), 0, QStringLiteral("NrLinii"), Rowne);
    const WydrukTrasy w = PrzygotujWydruk(t.d, 0);
    ASSERT_EQ(w.wiersze.size(), 3);
    EXPECT_EQ(w.wiersze[0][2], QStringLiteral("3"));
    EXPECT_EQ(w.wiersze[2][2], QStringLiteral("2"));
    EXPECT_EQ(t.kolumnaWidoku("Lp"), (QStringList{"1", "2", "3"}));
}

TEST(WydrukTrasy, StronyNaglowekKolumnNaKazdejStronieIStopka)
{
    TrasaRaportu t(std::vector<Odc>{Odc{1}});
    WydrukTrasy w = wydruk(t, 2);
    Raport jedna = RaportTrasy(w);
    EXPECT_EQ(jedna.liczbaStron(), 1);
    const QImage obraz = jedna.obrazStrony(1, 50);
    EXPECT_EQ(obraz.size(), QSize(413, 585));   // A4 w 50 dpi
    EXPECT_GT(ciemne(obraz), 500);

    for (int i = 0; i < 150; ++i)
        w.wiersze << QStringList{QStringLiteral("Stacja %1").arg(i), QStringLiteral("Stacja %1").arg(i + 1),
                                 QStringLiteral("1"), {}, {}, {}, {}, {}, {}};
    const Raport r = RaportTrasy(w);
    const int n = r.liczbaStron();
    EXPECT_GE(n, 3);
    EXPECT_LE(n, 5);
    EXPECT_EQ(r.stopka(2), QStringLiteral("Strona: 2"));
    // strona poza zakresem nic nie rysuje; każda strona ma treść
    EXPECT_EQ(ciemne(r.obrazStrony(n + 1, 30)), 0);
    for (int s = 1; s <= n; ++s)
        EXPECT_GT(ciemne(r.obrazStrony(s, 30)), 200) << s;
    // kopia rozłożonego raportu rysuje te same strony
    const Raport kopia = r;
    EXPECT_EQ(kopia.liczbaStron(), n);
    EXPECT_EQ(kopia.obrazStrony(n, 30), r.obrazStrony(n, 30));
}

TEST(WydrukTrasy, PdfOdczytanyZPowrotem)
{
    TrasaRaportu t({{1, 10000}, {2, 12500}, {3, 0}});
    t.d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("ab 12"));
    WydrukTrasy w = wydruk(t, 1);
    for (int i = 0; i < 120; ++i)
        w.wiersze << QStringList{QStringLiteral("Żółkiewka %1").arg(i), QStringLiteral("Ćmielów"), QStringLiteral("9"),
                                 QStringLiteral("1,000"), QStringLiteral("2,000"), QStringLiteral("1,000"), {},
                                 QStringLiteral("5,00"), {}};
    const Raport r = RaportTrasy(w);
    ASSERT_GE(r.liczbaStron(), 3);

    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("trasa.pdf"));
    QString blad;
    ASSERT_TRUE(r.zapiszPdf(plik, blad)) << blad.toStdString();
    const QString tekst = tekstPdf(plik);
    if (tekst.isEmpty())
        GTEST_SKIP() << "brak pdftotext";
    EXPECT_TRUE(tekst.contains(QStringLiteral("TAKSATURA POCIĄGU NR AB 12")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("Trasa pociągu nr ab 12 według zmian linii i stawek")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("Wyliczona cena nie obejmuje całej trasy z uwagi na ruch po liniach z "
                                              "taksaturą indywidualną.")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("Żółkiewka 119")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("indywidualna")));   // uwaga zawinięta w kolumnie
    // stopka na każdej stronie, nagłówek kolumn na każdej stronie
    const QStringList strony = tekst.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(strony.size(), r.liczbaStron());
    for (int s = 0; s < strony.size(); ++s) {
        EXPECT_TRUE(strony[s].contains(QStringLiteral("Strona: %1").arg(s + 1))) << s;
        EXPECT_TRUE(strony[s].contains(QStringLiteral("Od punktu"))) << s;
    }
    EXPECT_EQ(tekst.count(QStringLiteral("TAKSATURA")), 1);   // tytuł tylko na pierwszej stronie

    // zapis, który się nie udaje, nie zostawia pliku
    const QString zly = katalog.filePath(QStringLiteral("brak/trasa.pdf"));
    EXPECT_FALSE(r.zapiszPdf(zly, blad));
    EXPECT_FALSE(QFile::exists(zly));
}

TEST(WydrukTrasy, SzerokosciKolumnWgTresci)
{
    // mieści się: nadmiar dostaje ostatnia kolumna, pusta kolumna zostaje pusta
    EXPECT_EQ(szerokosciWgTresci({30, 0, 10, 20}, {true, false, false, true}, 100, 15),
              (QVector<double>{30, 0, 10, 60}));
    // nie mieści się: węższe tylko kolumny zawijane, w stosunku do nadmiaru ponad minimum
    const QVector<double> s = szerokosciWgTresci({60, 10, 110}, {true, false, true}, 120, 20);
    EXPECT_DOUBLE_EQ(s[1], 10);
    EXPECT_NEAR(s[0] + s[1] + s[2], 120, 1e-9);
    EXPECT_NEAR(s[0], 60 - 40 * 60.0 / 130, 1e-9);   // 60 mm nadmiaru, 40 z 130 ponad minimum
    // kolumny zawijane już przy minimum: więcej nie ubywa (tekst i tak się zawinie)
    EXPECT_EQ(szerokosciWgTresci({20, 50}, {true, false}, 40, 20), (QVector<double>{20, 50}));
}

TEST(WydrukTrasy, KolumnyWydrukuWgTresciIOdstepPodOpisem)
{
    TrasaRaportu t({{7}, {7, 10000, cechy::Normalnotorowa | cechy::ObcyZarzad}, {8, 12500}});
    const WydrukTrasy w = wydruk(t, 0);
    const Raport r = RaportTrasy(w);
    const CzcionkaRaportu cWiersz{8, false};
    // każdy wiersz w jednej linii: uwaga "Zarząd: …" nie zawija się w wąskiej kolumnie
    const double linia = wysokoscTekstu(cWiersz, 1000, QStringLiteral("S"));
    ASSERT_EQ(r.szczegoly.size(), 2);
    for (const Pasmo& p : r.szczegoly)
        EXPECT_LT(p.wysokosc, 1.5 * linia);
    // pusta kolumna "Stawka" na poziomie 0 nie zajmuje miejsca: cena tuż za długością
    const auto obszar = [&](const QString& tekst) {   // ostatni tekst o tej treści (Długość po "Do km")
        QRectF o;
        for (const TekstPasma& x : r.szczegoly[0].teksty)
            if (x.tekst == tekst)
                o = x.obszar;
        return o;
    };
    const QRectF dlugosc = obszar(QStringLiteral("2,000")), cena = obszar(QStringLiteral("10,00"));
    ASSERT_TRUE(dlugosc.isValid() && cena.isValid());
    EXPECT_LT(cena.left() - dlugosc.right(), 5.0);   // dawniej 14 mm pustej kolumny
    // uwaga o niepełnej wycenie nie styka się z nagłówkiem tabeli
    const Pasmo& uwaga = r.tytul.last();
    ASSERT_EQ(uwaga.teksty.size(), 1);
    EXPECT_GE(uwaga.wysokosc - uwaga.teksty[0].obszar.height(), 3.0);
}

TEST(WydrukTrasy, PelnaWycenaBezUwagiNaKoncu)
{
    TrasaRaportu t({{1, 10000}, {2, 12500}});
    const WydrukTrasy w = wydruk(t, 1);
    ASSERT_TRUE(t.d.pociag.pole(QStringLiteral("WycenaPelna")).toBool());
    EXPECT_EQ(w.opis.last(), QString());
    for (const QString& l : w.opis)
        EXPECT_FALSE(l.startsWith(kUwagaNiepelnaWycena)) << l.toStdString();
}
