// Opis dni kursowania i liczba dni kursowania w nagłówku.

#include "KalendarzTestowy.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

const QString CRLF = QStringLiteral("\r\n");

struct Przypadek {
    const char* kod;
    const char* opis;
    int dni;
};

// Jeden zakres na cały okres (52 pełne tygodnie, 14 świąt, z tego 6 w pn/wt/pt).
TEST(OpisKalendarza, JedenZakresNaCalyOkres)
{
    const Przypadek przypadki[] = {
        {"00000002", "Nie kursuje", 0},
        {"11111112", "kursuje codziennie\r\n", 364},
        {"11001002", "kursuje w (1), (2), (5)\r\n", 156},
        {"11001000", "kursuje w (1), (2), (5) oprócz świąt\r\n", 150},
        {"11001001", "kursuje w (1), (2), (5) i święta\r\n", 164},
        {"00000001", "kursuje w święta\r\n", 14},
        {"11111110", "kursuje codziennie oprócz świąt\r\n", 350},
        {"00000011", "kursuje w niedziele i święta\r\n", 52 + 11},
        {"11111002", "kursuje w (A)\r\n", 260},
        {"11111012", "kursuje w (B)\r\n", 312},
        {"00000111", "kursuje w (C)\r\n", 104 + 10},
        {"11111000", "kursuje w (D)\r\n", 260 - 10},
        {"11111100", "kursuje w (E)\r\n", 312 - 11},
        {"00000100", "kursuje w (6) oprócz świąt\r\n", 51},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.kod);
        PociagTestowy t;
        WczytajKalendarz(t.d, caly(p.kod));
        EXPECT_EQ(t.kursuje(), QString::fromUtf8(p.opis));
        EXPECT_EQ(t.lDniKurs(), p.dni);
        EXPECT_EQ(t.k.LDniKurs, p.dni);
    }
}

TEST(OpisKalendarza, DomyslnyKalendarzNowegoPociagu)
{
    PociagTestowy t;
    ASSERT_EQ(t.k.liczbaZakresow(), 1);
    EXPECT_EQ(t.opis(0), QString());
    EXPECT_EQ(t.kursuje(), QStringLiteral("Nie kursuje"));
    EXPECT_EQ(t.lDniKurs(), 0);
    for (int i = 0; i < t.k.liczbaDni(); ++i)
        ASSERT_FALSE(Kursuje(t.k, i)) << i;
    EXPECT_EQ(t.d.pociag.pole(QStringLiteral("RozkladOd")).toDouble(), dzien(2017, 12, 10));
    EXPECT_EQ(t.d.pociag.pole(QStringLiteral("RozkladDo")).toDouble(), dzien(2018, 12, 8));
    EXPECT_FALSE(t.d.pociag.pole(QStringLiteral("CenaRozkJazdy")).isValid());
}

TEST(OpisKalendarza, OkresZakresuZDwiemaSpacjami)
{
    PociagTestowy t;
    Tabela tab = nowaTabelaKalendarz();
    dodajZakres(tab, QDate(2017, 12, 10), QDate(2018, 3, 31), "11111002");
    dodajZakres(tab, QDate(2018, 4, 1), QDate(2018, 12, 8), "00000002");
    WczytajKalendarz(t.d, tab);
    EXPECT_EQ(t.opis(0), QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A)") + CRLF);
    EXPECT_EQ(t.opis(1), QString());   // zakres bez dni kursowania nie daje linii ani okresu
    EXPECT_EQ(t.kursuje(), t.opis(0));
    EXPECT_EQ(t.lDniKurs(), 80);
}

TEST(OpisKalendarza, WyjatkiIDniDodatkowe)
{
    {
        SCOPED_TRACE("dzień odwołany");
        PociagTestowy t;
        Tabela tab = caly("11111002");
        dodajOznaczenie(tab, QDate(2017, 12, 25), 0);
        WczytajKalendarz(t.d, tab);
        EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A), oprócz 25-12-17") + CRLF);
        EXPECT_EQ(t.lDniKurs(), 259);
    }
    {
        SCOPED_TRACE("sam dzień dodatkowy");
        PociagTestowy t;
        Tabela tab = caly("00000002");
        dodajOznaczenie(tab, QDate(2018, 5, 1), 1);
        WczytajKalendarz(t.d, tab);
        EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje 01-05-18"));
        EXPECT_EQ(t.lDniKurs(), 1);
    }
    {
        SCOPED_TRACE("dwa zakresy i dni dodatkowe");
        PociagTestowy t;
        Tabela tab = nowaTabelaKalendarz();
        dodajZakres(tab, QDate(2017, 12, 10), QDate(2018, 3, 31), "11111002");
        dodajZakres(tab, QDate(2018, 4, 1), QDate(2018, 12, 8), "00000111");
        dodajOznaczenie(tab, QDate(2018, 5, 2), 1);
        dodajOznaczenie(tab, QDate(2018, 5, 4), 1);
        dodajOznaczenie(tab, QDate(2018, 5, 1), 1);   // święto: kursuje i bez oznaczenia
        dodajOznaczenie(tab, QDate(2018, 1, 2), 0);
        dodajOznaczenie(tab, QDate(2018, 1, 3), 0);
        WczytajKalendarz(t.d, tab);
        EXPECT_EQ(t.kursuje(), QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A), oprócz 02-01-18, 03-01-18") + CRLF +
                                   QStringLiteral("Od 01-04-18 do 08-12-18  kursuje w (C)") + CRLF +
                                   QStringLiteral("dodatkowo kursuje 02-05-18, 04-05-18"));
        EXPECT_EQ(t.lDniKurs(), 80 - 2 + 79 + 2);
    }
}

TEST(OpisKalendarza, CodziennieZeSwietamiBezPrzyimka)
{
    // zakres aktywny jest porządkowany (wszystkie dni i święta = codziennie),
    // drugi zostaje z regułą świąt 1
    PociagTestowy t;
    Tabela tab = nowaTabelaKalendarz();
    dodajZakres(tab, QDate(2017, 12, 10), QDate(2018, 3, 31), "11111111");
    dodajZakres(tab, QDate(2018, 4, 1), QDate(2018, 12, 8), "11111111");
    WczytajKalendarz(t.d, tab);
    EXPECT_EQ(t.opis(0), QStringLiteral("Od 10-12-17 do 31-03-18  kursuje codziennie") + CRLF);
    EXPECT_EQ(t.opis(1), QStringLiteral("Od 01-04-18 do 08-12-18  kursuje codziennie i święta") + CRLF);
    EXPECT_EQ(t.lDniKurs(), 364);
}

TEST(OpisKalendarza, ZakresyNigdyNieKursujaceNieDajaLinii)
{
    // "oprócz świąt" bez dni tygodnia i reguła świąt spoza 0..2: według reguł
    // zakres nie kursuje, więc opis nie może twierdzić, że kursuje
    PociagTestowy t;
    Tabela tab = nowaTabelaKalendarz();
    dodajZakres(tab, QDate(2017, 12, 10), QDate(2018, 1, 31), "00000002");
    dodajZakres(tab, QDate(2018, 2, 1), QDate(2018, 5, 31), "00000000");
    dodajZakres(tab, QDate(2018, 6, 1), QDate(2018, 12, 8), "11111117");
    WczytajKalendarz(t.d, tab);
    EXPECT_EQ(t.opis(1), QString());
    EXPECT_EQ(t.opis(2), QString());
    EXPECT_EQ(t.kursuje(), QStringLiteral("Nie kursuje"));
    EXPECT_EQ(t.lDniKurs(), 0);
}

TEST(OpisKalendarza, BezAutomatycznegoOpisuZmieniaSieTylkoLiczbaICena)
{
    PociagTestowy t;
    t.d.pociag.ustaw(QStringLiteral("CenaWyliczona"), 1234.5);
    UstawAutomatycznyOpis(t.d, false);
    t.d.pociag.ustaw(QStringLiteral("Kursuje"), QStringLiteral("wg uzgodnień"));
    t.d.pociag.zatwierdz();

    KliknijWzorzec(t.d, Wzorzec::A);
    EXPECT_EQ(t.kursuje(), QStringLiteral("wg uzgodnień"));
    EXPECT_EQ(t.lDniKurs(), 260);
    EXPECT_DOUBLE_EQ(t.d.pociag.pole(QStringLiteral("CenaRozkJazdy")).toDouble(), 260 * 1234.5);

    UstawAutomatycznyOpis(t.d, true);
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A)") + CRLF);

    t.d.pociag.ustaw(QStringLiteral("CenaWyliczona"), QVariant());
    KliknijWzorzec(t.d, Wzorzec::E);
    EXPECT_FALSE(t.d.pociag.pole(QStringLiteral("CenaRozkJazdy")).isValid());
}

TEST(OpisKalendarza, ZmianaRegulOznaczaPociagJakoZmieniony)
{
    PociagTestowy t;
    t.d.pociag.ZmianyPociagu = false;
    AktywujZakres(t.d, 0);   // nic się nie zmienia
    EXPECT_FALSE(t.d.pociag.ZmianyPociagu);
    KliknijDzienTygodnia(t.d, 2, true);
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (3)") + CRLF);
    EXPECT_TRUE(t.d.pociag.ZmianyPociagu);
}

} // namespace
