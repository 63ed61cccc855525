// Mysz i klawiatura w siatce kalendarza (bez okien): kursory i menu podręczne,
// zaznaczanie przy przeciąganiu, skutki kliknięcia, pozycje menu, kursor dnia.

#include "KalendarzTestowy.h"

#include "calendar/GestySiatki.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

QRect komorka(const PociagTestowy& t, int r, int m, int d) { return t.k.Dni[std::size_t(t.i(r, m, d))].Prostokat; }
QPoint srodek(const PociagTestowy& t, int r, int m, int d) { return komorka(t, r, m, d).center(); }

std::vector<int> zaznaczone(const Kalendarz& k)
{
    std::vector<int> z;
    for (int i = 0; i < k.liczbaDni(); ++i)
        if (k.Dni[std::size_t(i)].Zaznaczony)
            z.push_back(i);
    return z;
}

TEST(GestySiatki, KursorIMenuWedlugPolozenia)
{
    PociagTestowy t;
    dwaZakresy(t);
    Kalendarz& k = t.k;
    const auto wsk = [&](QPoint p) { return WskazanieDla(k, PolozenieWSiatce(k, p.x(), p.y())); };

    // środa w A kursuje, sobota nie; bez oznaczenia nie ma menu
    EXPECT_EQ(wsk(srodek(t, 2018, 1, 10)).kursor, KursorSiatki::FingerMinus);
    EXPECT_EQ(wsk(srodek(t, 2018, 1, 13)).kursor, KursorSiatki::FingerPlus);
    EXPECT_EQ(wsk(srodek(t, 2018, 1, 10)).menu, PozycjaMenuSiatki::Brak);
    // oznaczony dzień: kursor według dnia z oznaczeniem, menu "Usun oznaczenie..."
    k.Dni[std::size_t(t.i(2018, 1, 13))].Dod = 1;
    EXPECT_EQ(wsk(srodek(t, 2018, 1, 13)).kursor, KursorSiatki::FingerMinus);
    EXPECT_EQ(wsk(srodek(t, 2018, 1, 13)).menu, PozycjaMenuSiatki::UsunOznaczenie);
    // dzień innego zakresu: nic
    EXPECT_EQ(wsk(srodek(t, 2018, 3, 14)).kursor, KursorSiatki::Domyslny);
    EXPECT_EQ(wsk(srodek(t, 2018, 3, 14)).menu, PozycjaMenuSiatki::Brak);
    // podział wewnątrz zakresu (0,13 szerokości dnia od brzegu) i granica zakresów
    const QRect r = komorka(t, 2018, 1, 10);
    EXPECT_EQ(wsk(QPoint(r.left() + 1, r.center().y())).kursor, KursorSiatki::Dlon);
    EXPECT_EQ(wsk(QPoint(r.left() + 1, r.center().y())).menu, PozycjaMenuSiatki::Podziel);
    EXPECT_EQ(wsk(QPoint(r.left() + 3, r.center().y())).kursor, KursorSiatki::FingerMinus);   // 3/18 > 0,13
    const QRect marzec1 = komorka(t, 2018, 3, 1);
    EXPECT_EQ(wsk(QPoint(marzec1.left(), marzec1.center().y())).kursor, KursorSiatki::Podzial);
    EXPECT_EQ(wsk(QPoint(marzec1.left(), marzec1.center().y())).menu, PozycjaMenuSiatki::UsunPodzial);
    // poza wierszami miesięcy
    EXPECT_EQ(wsk(QPoint(300, 5)).kursor, KursorSiatki::Domyslny);
}

TEST(GestySiatki, PrzeciaganiePoDniachIOznaczenie)
{
    PociagTestowy t;
    dwaZakresy(t);
    Kalendarz& k = t.k;
    GestSiatki g;
    // 3 stycznia 2018 (środa) kursuje: przeciągnięcie 3 -> 7 -> 5 zaznacza 3..5
    g.wcisniecie(k, srodek(t, 2018, 1, 3).x(), srodek(t, 2018, 1, 3).y());
    EXPECT_EQ(zaznaczone(k), std::vector<int>{t.i(2018, 1, 3)});
    EXPECT_TRUE(g.ruch(k, srodek(t, 2018, 1, 7).x(), srodek(t, 2018, 1, 7).y()));
    EXPECT_EQ(zaznaczone(k).size(), 5u);
    g.ruch(k, srodek(t, 2018, 1, 5).x(), srodek(t, 2018, 1, 5).y());
    EXPECT_EQ(zaznaczone(k), (std::vector<int>{t.i(2018, 1, 3), t.i(2018, 1, 4), t.i(2018, 1, 5)}));
    // poza aktywnym zakresem (marzec) i poza siatką zaznaczenie zostaje
    EXPECT_FALSE(g.ruch(k, srodek(t, 2018, 3, 7).x(), srodek(t, 2018, 3, 7).y()));
    EXPECT_FALSE(g.ruch(k, 300, 2));
    EXPECT_EQ(zaznaczone(k).size(), 3u);
    // zwolnienie na dniu innego zakresu: to nadal kliknięcie z wciśnięciem na 3 stycznia
    EXPECT_TRUE(g.zwolnienie(t.d, srodek(t, 2018, 3, 7).x(), srodek(t, 2018, 3, 7).y(), true));
    EXPECT_TRUE(zaznaczone(k).empty());
    EXPECT_FALSE(g.trwa());
    for (int d = 3; d <= 5; ++d) {
        EXPECT_EQ(k.Dni[std::size_t(t.i(2018, 1, d))].Dod, 0) << d;
        EXPECT_FALSE(t.kursujeDnia(2018, 1, d)) << d;
    }
    EXPECT_EQ(t.kursuje(),
              QStringLiteral("Od 10-12-17 do 28-02-18  kursuje w (A), oprócz 03-01-18, 04-01-18, 05-01-18\r\n"
                             "Od 01-03-18 do 08-12-18  kursuje w (C)\r\n"));

    // gest od soboty 6 stycznia (nie kursuje) przez 4 i 5 (oznaczone 0): wszystkie kursują
    g.wcisniecie(k, srodek(t, 2018, 1, 6).x(), srodek(t, 2018, 1, 6).y());
    g.ruch(k, srodek(t, 2018, 1, 4).x(), srodek(t, 2018, 1, 4).y());
    g.zwolnienie(t.d, srodek(t, 2018, 1, 4).x(), srodek(t, 2018, 1, 4).y(), true);
    for (int d = 4; d <= 6; ++d)
        EXPECT_TRUE(t.kursujeDnia(2018, 1, d)) << d;
    EXPECT_FALSE(t.kursujeDnia(2018, 1, 3));

    // zwolnienie poza polem siatki: nic się nie dzieje, zaznaczenie znika
    const int przed = t.lDniKurs();
    g.wcisniecie(k, srodek(t, 2018, 1, 3).x(), srodek(t, 2018, 1, 3).y());
    EXPECT_FALSE(g.zwolnienie(t.d, -5, -5, false));
    EXPECT_FALSE(t.kursujeDnia(2018, 1, 3));
    EXPECT_EQ(t.lDniKurs(), przed);
    EXPECT_TRUE(zaznaczone(k).empty());
}

TEST(GestySiatki, KlikniecieInnegoZakresuIPodzialuWZakresie)
{
    PociagTestowy t;
    dwaZakresy(t);
    Kalendarz& k = t.k;
    GestSiatki g;
    // dzień innego zakresu: ten zakres staje się aktywny, przyciski pokazują C
    g.wcisniecie(k, srodek(t, 2018, 5, 9).x(), srodek(t, 2018, 5, 9).y());
    EXPECT_TRUE(zaznaczone(k).empty());   // dzień innego zakresu nie jest zaznaczany
    EXPECT_TRUE(g.zwolnienie(t.d, srodek(t, 2018, 5, 9).x(), srodek(t, 2018, 5, 9).y(), true));
    EXPECT_EQ(k.AktywnyZakres, 1);
    EXPECT_EQ(k.przyciski.wzorzec, Wzorzec::C);
    EXPECT_TRUE(k.przyciski.JS);
    EXPECT_TRUE(k.przyciski.J[5] && k.przyciski.J[6] && !k.przyciski.J[0]);
    // nic z dni nie zmieniło oznaczeń
    for (const auto& dz : k.Dni)
        EXPECT_EQ(dz.Dod, 2);

    // podział wewnątrz zakresu 0 (nieaktywnego): aktywuje zakres 0
    const QRect r = komorka(t, 2018, 1, 10);
    g.wcisniecie(k, r.left(), r.center().y());
    EXPECT_EQ(g.wcisniete().stan, StanWskaznika::PodzialWZakresie);
    g.zwolnienie(t.d, r.left(), r.center().y(), true);
    EXPECT_EQ(k.AktywnyZakres, 0);
    EXPECT_EQ(k.przyciski.wzorzec, Wzorzec::A);
    EXPECT_EQ(k.liczbaZakresow(), 2);   // samo kliknięcie nie dzieli
}

TEST(GestySiatki, PrzesuniecieGranicyMysza)
{
    PociagTestowy t;
    dwaZakresy(t);
    Kalendarz& k = t.k;
    GestSiatki g;
    // granica przed 1 marca; przeciągnięcie do podziału przed 26 lutego (trzy dni w lewo)
    const QRect marzec1 = komorka(t, 2018, 3, 1);
    g.wcisniecie(k, marzec1.left(), marzec1.center().y());
    ASSERT_EQ(g.wcisniete().stan, StanWskaznika::PodzialMiedzyZakresami);
    const QRect luty26 = komorka(t, 2018, 2, 26);
    EXPECT_TRUE(g.ruch(k, luty26.left() + 2, luty26.center().y()));
    EXPECT_EQ(zaznaczone(k), (std::vector<int>{t.i(2018, 2, 26), t.i(2018, 2, 27), t.i(2018, 2, 28)}));
    // poza wierszami zaznaczenie zostaje
    EXPECT_FALSE(g.ruch(k, luty26.left(), 2));
    EXPECT_TRUE(g.zwolnienie(t.d, luty26.left() + 2, luty26.center().y(), true));
    ASSERT_EQ(k.liczbaZakresow(), 2);
    EXPECT_EQ(dataIso(k.Zakresy[0].ZakresDo), QStringLiteral("2018-02-25"));
    EXPECT_EQ(dataIso(k.Zakresy[1].ZakresOd), QStringLiteral("2018-02-26"));
    EXPECT_EQ(k.Dni[std::size_t(t.i(2018, 2, 26))].NrZakresu, 1);
    EXPECT_TRUE(t.kursuje().startsWith(QStringLiteral("Od 10-12-17 do 25-02-18  kursuje w (A)")));
    EXPECT_TRUE(zaznaczone(k).empty());

    // powrót na to samo miejsce: nic się nie zmienia (i nie ma opisu do generowania)
    const QRect luty26b = komorka(t, 2018, 2, 26);
    g.wcisniecie(k, luty26b.left(), luty26b.center().y());
    g.ruch(k, luty26b.left() + 40, luty26b.center().y());
    g.ruch(k, luty26b.left() + 1, luty26b.center().y());
    EXPECT_TRUE(zaznaczone(k).empty());
    EXPECT_FALSE(g.zwolnienie(t.d, luty26b.left() + 1, luty26b.center().y(), true));
    EXPECT_EQ(dataIso(k.Zakresy[1].ZakresOd), QStringLiteral("2018-02-26"));

    // granica przeciągnięta do przodu przez cały zakres za nią: ten zakres znika
    Tabela trzy = nowaTabelaKalendarz();
    dodajZakres(trzy, QDate(2017, 12, 10), QDate(2018, 1, 31), "11111002");
    dodajZakres(trzy, QDate(2018, 2, 1), QDate(2018, 2, 28), "00000111");
    dodajZakres(trzy, QDate(2018, 3, 1), QDate(2018, 12, 8), "11111100");
    WczytajKalendarz(t.d, trzy);
    const QRect luty1 = komorka(t, 2018, 2, 1);
    g.wcisniecie(k, luty1.left(), luty1.center().y());
    const QRect marzec2 = komorka(t, 2018, 3, 2);
    g.zwolnienie(t.d, marzec2.left(), marzec2.center().y(), true);
    ASSERT_EQ(k.liczbaZakresow(), 2);
    EXPECT_EQ(dataIso(k.Zakresy[0].ZakresDo), QStringLiteral("2018-03-01"));
    EXPECT_EQ(k.Zakresy[1].D[5], 1);   // E zostało
}

TEST(GestySiatki, PozycjeMenuPodreczego)
{
    PociagTestowy t;
    KliknijWzorzec(t.d, Wzorzec::A);
    Kalendarz& k = t.k;
    GestSiatki g;
    // "Podziel kalendarz" przed 1 marca
    const QRect marzec1 = komorka(t, 2018, 3, 1);
    ASSERT_EQ(g.menuW(k, marzec1.left(), marzec1.center().y()), PozycjaMenuSiatki::Podziel);
    // pozycja inna niż pokazana nic nie robi (i zapomina położenie)
    EXPECT_FALSE(g.wykonaj(t.d, PozycjaMenuSiatki::UsunPodzial));
    EXPECT_FALSE(g.wykonaj(t.d, PozycjaMenuSiatki::Podziel));
    g.menuW(k, marzec1.left(), marzec1.center().y());
    EXPECT_TRUE(g.wykonaj(t.d, PozycjaMenuSiatki::Podziel));
    ASSERT_EQ(k.liczbaZakresow(), 2);
    EXPECT_EQ(dataIso(k.Zakresy[0].ZakresDo), QStringLiteral("2018-02-28"));
    EXPECT_EQ(t.kursuje(), QStringLiteral("Od 10-12-17 do 28-02-18  kursuje w (A)\r\n"
                                          "Od 01-03-18 do 08-12-18  kursuje w (A)\r\n"));

    // "Usun oznaczenie dodatkowego terminu" tylko na oznaczonym dniu aktywnego zakresu
    const QPoint s = srodek(t, 2018, 1, 13);
    EXPECT_EQ(g.menuW(k, s.x(), s.y()), PozycjaMenuSiatki::Brak);
    k.Dni[std::size_t(t.i(2018, 1, 13))].Dod = 1;
    GenerujOpis(t.d);
    EXPECT_EQ(g.menuW(k, s.x(), s.y()), PozycjaMenuSiatki::UsunOznaczenie);
    const int przed = t.lDniKurs();
    EXPECT_TRUE(g.wykonaj(t.d, PozycjaMenuSiatki::UsunOznaczenie));
    EXPECT_EQ(k.Dni[std::size_t(t.i(2018, 1, 13))].Dod, 2);
    EXPECT_EQ(t.lDniKurs(), przed - 1);

    // "Usun podzial kalendarza": z prawym zakresem aktywnym zostaje lewy z własnymi regułami
    AktywujZakres(t.d, 1);
    KliknijWzorzec(t.d, Wzorzec::C);
    ASSERT_EQ(g.menuW(k, marzec1.left(), marzec1.center().y()), PozycjaMenuSiatki::UsunPodzial);
    EXPECT_TRUE(g.wykonaj(t.d, PozycjaMenuSiatki::UsunPodzial));
    ASSERT_EQ(k.liczbaZakresow(), 1);
    EXPECT_EQ(k.AktywnyZakres, 0);
    EXPECT_EQ(k.przyciski.wzorzec, Wzorzec::A);
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A)\r\n"));
}

TEST(GestySiatki, KursorDniaKlawiatury)
{
    PociagTestowy t;
    dwaZakresy(t);
    AktywujZakres(t.d, 1);
    const Kalendarz& k = t.k;
    // spoza aktywnego zakresu kursor trafia na jego pierwszy dzień
    EXPECT_EQ(KursorDniaWZakresie(k, t.i(2018, 1, 10)), t.i(2018, 3, 1));
    EXPECT_EQ(KursorDniaWZakresie(k, -1), t.i(2018, 3, 1));
    // w lewo z pierwszego dnia zakresu: zostaje; w prawo: następny dzień
    EXPECT_EQ(PrzesunKursorDnia(k, t.i(2018, 3, 1), -1, 0), t.i(2018, 3, 1));
    EXPECT_EQ(PrzesunKursorDnia(k, t.i(2018, 3, 1), 1, 0), t.i(2018, 3, 2));
    // w dół: komórka pod spodem (ta sama kolumna w wierszu kwietnia)
    const auto& m15 = k.Dni[std::size_t(t.i(2018, 3, 15))];
    const int pod = PrzesunKursorDnia(k, t.i(2018, 3, 15), 0, 1);
    EXPECT_EQ(k.Dni[std::size_t(pod)].Kolumna, m15.Kolumna);
    EXPECT_EQ(k.Dni[std::size_t(pod)].Wiersz, m15.Wiersz + 1);
    // w górę do lutego (inny zakres): zostaje
    EXPECT_EQ(PrzesunKursorDnia(k, t.i(2018, 3, 15), 0, -1), t.i(2018, 3, 15));
    // ostatni dzień okresu: dalej nie ma dni
    EXPECT_EQ(SkrajnyDzienZakresu(k, true), k.liczbaDni() - 1);
    EXPECT_EQ(PrzesunKursorDnia(k, k.liczbaDni() - 1, 1, 0), k.liczbaDni() - 1);

    // spacja: jak kliknięcie dnia; drugi raz wraca do reguły
    const int sobota = t.i(2018, 3, 10);
    const int n = t.lDniKurs();
    EXPECT_TRUE(PrzelaczDzien(t.d, sobota));
    EXPECT_FALSE(Kursuje(k, sobota));
    EXPECT_EQ(t.lDniKurs(), n - 1);
    EXPECT_TRUE(PrzelaczDzien(t.d, sobota));
    EXPECT_TRUE(Kursuje(k, sobota));
    // dzień spoza aktywnego zakresu nie zmienia się
    EXPECT_FALSE(PrzelaczDzien(t.d, t.i(2018, 1, 10)));
    EXPECT_EQ(k.Dni[std::size_t(t.i(2018, 1, 10))].Dod, 2);
}

} // namespace
