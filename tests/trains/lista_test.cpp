// Lista pociągów: warunki filtru, sortowanie, wybór i usuwanie; reguły edytora
// nagłówka (sprawdzenie przed zapisem, filtr numeru, paski przewijania).

#include "trains/EdytorNaglowka.h"
#include "trains/ListaPociagow.h"
#include "trains/PociagTestowy.h"
#include "trains/TabelePociagu.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

struct Lista : ::testing::Test, PociagTestowy {
    StanListyPociagow stan;

    Lista()
    {
        struct W { int id; const char* nr; const char* nazwa; const char* relacja; };
        const W wiersze[] = {
            {3, "IC1", "Ślązak", "Kraków Główny - Gliwice"},
            {2, "TLK2", "wawel", "Łódź - krakówek"},
            {1, "IC1", "Wawel", "Warszawa - Kraków Płaszów"},
            {5, "ic3", "Bałtyk", "Gdynia - Kraków"},
            {4, "R4", "", "Poznań - Szczecin"},
        };
        Tabela l = nowaTabelaListaPociagow();
        for (const W& w : wiersze) {
            const int r = l.dodajWiersz();
            l.ustaw(r, QStringLiteral("IdPociagu"), w.id);
            l.ustaw(r, QStringLiteral("NrPociagu"), QString::fromUtf8(w.nr));
            if (*w.nazwa)
                l.ustaw(r, QStringLiteral("NazwaPociagu"), QString::fromUtf8(w.nazwa));
            l.ustaw(r, QStringLiteral("Relacja"), QString::fromUtf8(w.relacja));
        }
        QString blad;
        EXPECT_TRUE(zapiszTabele(l, plikListy(), blad));
        EXPECT_TRUE(PokazanieListyPociagow(d, stan));
    }
    Tabela& l() { return d.pociag.ListaPociagow; }
    // Identyfikatory widocznych wierszy w kolejności widoku.
    std::vector<int> widok()
    {
        std::vector<int> w;
        for (int r : l().widok())
            w.push_back(l().calkowita(r, QStringLiteral("IdPociagu")));
        return w;
    }
    int wierszId(int id)
    {
        for (int r = 0; r < l().liczbaWierszy(); ++r)
            if (l().calkowita(r, QStringLiteral("IdPociagu")) == id)
                return r;
        return -1;
    }
    // Warunek z menu podręcznego na kolumnie z wartością z wiersza pociągu id.
    void zMenu(const char* kolumna, int id, int operacja)
    {
        const QString k = QString::fromLatin1(kolumna);
        stan.filtr.dodaj(l(), {k, l().wartosc(wierszId(id), k), operacja, kRodzajZMenu});
    }
    void zOkna(const char* kolumna, const QString& wartosc, int kryterium)
    {
        stan.filtr.dodaj(l(), {QString::fromLatin1(kolumna), wartosc, kryterium, std::uint8_t(TypPola::Tekst)});
    }
};

} // namespace

TEST_F(Lista, PokazanieWKolejnosciIdIZamkniecieBezFiltra)
{
    EXPECT_EQ(widok(), (std::vector<int>{1, 2, 3, 4, 5}));
    stan.filtr.sortuj(l(), QStringLiteral("NrPociagu"), true);
    zMenu("NrPociagu", 1, Rowne);
    EXPECT_EQ(widok().size(), 2u);

    ZamkniecieListyPociagow(d, stan);
    EXPECT_FALSE(l().filtrowana());
    EXPECT_EQ(l().widok().size(), 5);
    EXPECT_EQ(NoweId(d), 6);

    // ponowne otwarcie: znów kolejność IdPociagu i bez warunków
    ASSERT_TRUE(PokazanieListyPociagow(d, stan));
    EXPECT_TRUE(stan.filtr.warunki().isEmpty());
    EXPECT_EQ(widok(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(Lista, WarunkiZMenuNakladajaSie)
{
    zMenu("NrPociagu", 3, Rowne);   // "IC1": pociągi 1 i 3
    EXPECT_EQ(widok(), (std::vector<int>{1, 3}));
    zMenu("NazwaPociagu", 1, Rozne);   // bez "Wawel"
    EXPECT_EQ(widok(), (std::vector<int>{3}));
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    EXPECT_EQ(widok(), (std::vector<int>{1, 2, 3, 4, 5}));

    // wartości liczbowe
    zMenu("IdPociagu", 3, Mniejsze);
    EXPECT_EQ(widok(), (std::vector<int>{1, 2}));
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zMenu("IdPociagu", 3, WiekszeLubRowne);
    EXPECT_EQ(widok(), (std::vector<int>{3, 4, 5}));
    zMenu("IdPociagu", 4, MniejszeLubRowne);
    EXPECT_EQ(widok(), (std::vector<int>{3, 4}));
    zMenu("IdPociagu", 3, Wieksze);
    EXPECT_EQ(widok(), (std::vector<int>{4}));

    // pusta nazwa (Null): "wg wyboru" zostawia tylko puste, "z wyłączeniem" - pozostałe
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zMenu("NazwaPociagu", 4, Rowne);
    EXPECT_EQ(widok(), (std::vector<int>{4}));
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zMenu("NazwaPociagu", 4, Rozne);
    EXPECT_EQ(widok(), (std::vector<int>{1, 2, 3, 5}));
}

TEST_F(Lista, WarunkiTekstoweRozrozniajaWielkoscLiter)
{
    zOkna("Relacja", QStringLiteral("Kraków"), CzescPola);
    EXPECT_EQ(widok(), (std::vector<int>{1, 3, 5}));   // "krakówek" nie
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zOkna("Relacja", QStringLiteral("kraków"), CzescPola);
    EXPECT_EQ(widok(), (std::vector<int>{2}));
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zOkna("Relacja", QStringLiteral("Kraków"), PoczatekPola);
    EXPECT_EQ(widok(), (std::vector<int>{3}));
    stan.filtr.usun(l(), QStringLiteral("IdPociagu"));
    zOkna("NazwaPociagu", QStringLiteral("Wawel"), CalePole);
    EXPECT_EQ(widok(), (std::vector<int>{1}));
    zOkna("NazwaPociagu", QStringLiteral("Wawe"), CalePole);
    EXPECT_TRUE(widok().empty());
}

TEST_F(Lista, Sortowanie)
{
    // rosnąco bez rozróżniania wielkości liter, polski porządek liter
    stan.filtr.sortuj(l(), QStringLiteral("NrPociagu"), false);
    const auto rosnaco = widok();
    EXPECT_EQ(rosnaco[0], 3);   // IC1, IC1, ic3, R4, TLK2 (stabilnie)
    EXPECT_EQ(rosnaco, (std::vector<int>{3, 1, 5, 4, 2}));
    stan.filtr.sortuj(l(), QStringLiteral("NazwaPociagu"), false);
    // Null, Bałtyk, Ślązak, wawel = Wawel (w kolejności tabeli)
    EXPECT_EQ(widok(), (std::vector<int>{4, 5, 3, 2, 1}));
    // malejąco z rozróżnianiem: "Wawel" przed "wawel"
    stan.filtr.sortuj(l(), QStringLiteral("NazwaPociagu"), true);
    EXPECT_EQ(widok(), (std::vector<int>{1, 2, 3, 5, 4}));
    // sortowanie nie zdejmuje warunków
    zOkna("Relacja", QStringLiteral("Kraków"), CzescPola);
    stan.filtr.sortuj(l(), QStringLiteral("IdPociagu"), true);
    EXPECT_EQ(widok(), (std::vector<int>{5, 3, 1}));
}

TEST_F(Lista, WyborIUsuwanie)
{
    // "Wybierz" bez bieżącego wiersza
    d.widok.zoom = 40000;
    EXPECT_FALSE(WybierzPociagZListy(d, stan, -1));
    EXPECT_EQ(ia.teksty(), QStringList{"Nie wybrano żadnego pociągu"});
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(ia.zdarzenia()[0].ikona, Ikona::Ostrzezenie);
    EXPECT_EQ(d.widok.zoom, 40000);

    EXPECT_TRUE(WybierzPociagZListy(d, stan, wierszId(4)));
    EXPECT_EQ(stan.wybraneId, 4);
    EXPECT_EQ(d.widok.zoom, kPowiekszenie1x);

    // usuwanie po kolei do pustej listy (pytanie, odpowiedź Tak, komunikat)
    EXPECT_FALSE(UsunPociagZListy(d, stan, -1));
    for (int id : {3, 1, 2, 5, 4}) {
        ia.wyczysc();
        ASSERT_TRUE(UsunPociagZListy(d, stan, wierszId(id)));
        EXPECT_EQ(ia.teksty().size(), 2);
    }
    EXPECT_EQ(ia.teksty(), (QStringList{"Czy usunąć pociąg nr R4 (relacja Poznań - Szczecin)?",
                                        "Pomyślnie usunięto pociąg o numerze R4 z bazy. "}));
    EXPECT_EQ(l().liczbaWierszy(), 0);
    QString blad;
    EXPECT_EQ(wczytajListePociagow(d, blad)->liczbaWierszy(), 0);
    EXPECT_EQ(NoweId(d), 1);
}

TEST_F(Lista, UsuniecieTylkoPoPotwierdzeniu)
{
    // pliki znikają bezpowrotnie: najpierw pytanie z domyślnym "Nie"
    ia.dodajOdpowiedz(Odpowiedz::Nie);
    EXPECT_FALSE(UsunPociagZListy(d, stan, wierszId(3)));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    const ZdarzenieInterakcji& z = ia.zdarzenia()[0];
    EXPECT_EQ(z.rodzaj, ZdarzenieInterakcji::Rodzaj::Pytanie);
    EXPECT_EQ(z.tekst, QStringLiteral("Czy usunąć pociąg nr IC1 (relacja Kraków Główny - Gliwice)?"));
    EXPECT_EQ(z.ikona, Ikona::Pytanie);
    EXPECT_EQ(l().liczbaWierszy(), 5);
    QString blad;
    EXPECT_EQ(wczytajListePociagow(d, blad)->liczbaWierszy(), 5);
    // pociąg bez relacji: bez nawiasu
    EXPECT_EQ(pytanieOUsuniecie(QStringLiteral("7"), QStringLiteral("  ")), QStringLiteral("Czy usunąć pociąg nr 7?"));
}

TEST_F(Lista, UsuniecieZostawiaWarunkiIPorzadek)
{
    zOkna("Relacja", QStringLiteral("Krak"), CzescPola);
    stan.filtr.sortuj(l(), QStringLiteral("IdPociagu"), true);
    EXPECT_EQ(widok(), (std::vector<int>{5, 3, 1}));
    ASSERT_TRUE(UsunPociagZListy(d, stan, wierszId(3)));
    EXPECT_EQ(widok(), (std::vector<int>{5, 1}));
    // lista wczytana przy usuwaniu od nowa z pliku: warunki okna wracają na nią
    d.pociag.listaOtwarta = false;
    ASSERT_TRUE(UsunPociagZListy(d, stan, wierszId(5)));
    EXPECT_EQ(widok(), (std::vector<int>{1}));
    EXPECT_EQ(l().liczbaWierszy(), 3);
}

TEST(EdytorNaglowka, SprawdzenieWTrybieZapisu)
{
    PociagTestowy p;
    Droga& d = p.d;
    d.pociag.ustaw(QStringLiteral("LDniKurs"), QVariant());
    EXPECT_FALSE(SprawdzNaglowekDoZapisu(d));
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("12"));
    EXPECT_FALSE(SprawdzNaglowekDoZapisu(d));
    d.pociag.ustaw(QStringLiteral("LDniKurs"), 0);
    p.ia.dodajOdpowiedz(Odpowiedz::Nie);
    EXPECT_FALSE(SprawdzNaglowekDoZapisu(d));
    p.ia.dodajOdpowiedz(Odpowiedz::Tak);
    EXPECT_TRUE(SprawdzNaglowekDoZapisu(d));
    d.pociag.ustaw(QStringLiteral("LDniKurs"), 250);
    EXPECT_TRUE(SprawdzNaglowekDoZapisu(d));

    const auto& z = p.ia.zdarzenia();
    ASSERT_EQ(z.size(), 4);
    EXPECT_EQ(z[0].tekst, QStringLiteral("Proszę podać numer pociągu"));
    EXPECT_EQ(z[1].tekst, QStringLiteral("Proszę określić terminy kursowania"));
    EXPECT_EQ(z[2].tekst, QStringLiteral("Nie określono terminów kursowania. Kontynuować zapis?"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(z[i].tytul, QStringLiteral("Błąd"));
    EXPECT_EQ(z[0].ikona, Ikona::Blad);
    EXPECT_EQ(z[1].ikona, Ikona::Blad);
    EXPECT_EQ(z[2].ikona, Ikona::Pytanie);
    EXPECT_EQ(z[2].rodzaj, ZdarzenieInterakcji::Rodzaj::Pytanie);
}

TEST(EdytorNaglowka, FiltrNumeru)
{
    // pisanie znak po znaku
    QString t;
    for (QChar c : QStringLiteral("IC 1234/ł")) {
        t += c;
        t = filtrujNumerPociagu(t);
    }
    EXPECT_EQ(t, QStringLiteral("IC1234/"));
    // wklejony tekst: tylko ostatni znak sprawdzany
    EXPECT_EQ(filtrujNumerPociagu(QStringLiteral("A-1")), QStringLiteral("A-1"));
    EXPECT_EQ(filtrujNumerPociagu(QStringLiteral("A-")), QStringLiteral("A"));
    EXPECT_EQ(filtrujNumerPociagu(QString()), QString());
    for (QChar c : QStringLiteral("ąĄżŻ ._-"))
        EXPECT_FALSE(znakNumeruPociagu(c));
    for (QChar c : QStringLiteral("azAZ09/"))
        EXPECT_TRUE(znakNumeruPociagu(c));
}

TEST(EdytorNaglowka, CenaNiepelnaIPaskiPrzewijania)
{
    PociagTestowy p;
    Pociag& pc = p.d.pociag;
    EXPECT_FALSE(cenaNiepelna(pc));   // Null
    pc.ustaw(QStringLiteral("WycenaPelna"), false);
    pc.ustaw(QStringLiteral("CenaWyliczona"), 12.5);
    EXPECT_TRUE(cenaNiepelna(pc));
    EXPECT_TRUE(wyroznijCeneOknaGlownego(pc));
    pc.ustaw(QStringLiteral("CenaWyliczona"), 0.0);
    EXPECT_FALSE(wyroznijCeneOknaGlownego(pc));
    pc.ustaw(QStringLiteral("WycenaPelna"), true);
    EXPECT_FALSE(cenaNiepelna(pc));

    // pole 100 x 60
    const auto paski = [](int w, int h) {
        const auto p = paskiPola(w, h, 100, 60);
        return std::pair{p.poziomy, p.pionowy};
    };
    EXPECT_EQ(paski(94, 54), std::pair(false, false));
    EXPECT_EQ(paski(95, 10), std::pair(true, false));
    EXPECT_EQ(paski(95, 38), std::pair(true, true));    // poziomy zabiera miejsce: > 60 - 23
    EXPECT_EQ(paski(10, 55), std::pair(false, true));
    EXPECT_EQ(paski(78, 55), std::pair(true, true));    // pionowy zabiera miejsce: > 100 - 23
    EXPECT_EQ(paski(77, 55), std::pair(false, true));
}

TEST(TabelePociagu, CzasyJakoTekstIRelacja)
{
    Tabela n = nowaTabelaNaglowka();
    n.dodajWiersz();
    EXPECT_EQ(n.tekst(0, QStringLiteral("CzasMinStr")), QString());
    n.ustaw(0, QStringLiteral("CzasMin"), 135);
    n.ustaw(0, QStringLiteral("CzasMax"), 1505);
    EXPECT_EQ(n.tekst(0, QStringLiteral("CzasMinStr")), QStringLiteral("02:15"));
    EXPECT_EQ(n.tekst(0, QStringLiteral("CzasMaxStr")), QStringLiteral("25:05"));
    EXPECT_EQ(relacjaPociagu(QStringLiteral("  A "), QStringLiteral("B")), QStringLiteral("A - B"));
    EXPECT_EQ(relacjaPociagu(QString(), QString()), QStringLiteral(" - "));
}
