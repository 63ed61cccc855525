// Siatka okna kalendarza: położenie dni, etykiety, położenie wskaźnika.

#include "KalendarzTestowy.h"

#include "calendar/SiatkaKalendarza.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

TEST(SiatkaKalendarza, WymiaryIPolozenieDni)
{
    PociagTestowy t;
    const Kalendarz& k = t.k;
    EXPECT_EQ(k.LWierszy, 13);
    EXPECT_EQ(k.LKolumn, 37);
    EXPECT_EQ(RozmiarSiatki(k), QSize(767, 304));

    // 10-12-17: grudzień 2017 zaczyna się w piątek, więc kolumna 4 + 9
    const TDzienKalendarza& pierwszy = k.Dni.front();
    EXPECT_EQ(pierwszy.Wiersz, 0);
    EXPECT_EQ(pierwszy.Kolumna, 13);
    EXPECT_EQ(pierwszy.Prostokat, QRect(13 * 18 + 101, 31, 17, 20));
    EXPECT_EQ(k.dzienWKomorce(0, 12), -1);
    EXPECT_EQ(k.dzienWKomorce(0, 13), 0);
    // 1-10-18 to poniedziałek: kolumna 0 wiersza 10
    const TDzienKalendarza& pazdziernik = k.Dni[std::size_t(t.i(2018, 10, 1))];
    EXPECT_EQ(pazdziernik.Wiersz, 10);
    EXPECT_EQ(pazdziernik.Kolumna, 0);
    EXPECT_EQ(k.Dni.back().Wiersz, 12);
    EXPECT_EQ(k.dzienWKomorce(13, 0), -1);

    EXPECT_EQ(ProstokatEtykietyWiersza(2), QRect(1, 2 * 21 + 31, 99, 20));
    EXPECT_EQ(ProstokatEtykietyKolumny(3), QRect(3 * 18 + 101, 1, 17, 29));
}

TEST(SiatkaKalendarza, EtykietyILiczbyDniWMiesiacach)
{
    PociagTestowy t;
    EXPECT_EQ(EtykietaWiersza(t.k, 0), QStringLiteral("2017 grudzień"));
    EXPECT_EQ(EtykietaWiersza(t.k, 10), QStringLiteral("2018 październ."));
    EXPECT_EQ(EtykietaWiersza(t.k, 12), QStringLiteral("2018 grudzień"));
    QStringList kolumny;
    for (int c = 0; c < 8; ++c)
        kolumny << EtykietaKolumny(c);
    EXPECT_EQ(kolumny.join(QLatin1Char(' ')), QStringLiteral("po wt śr cz pt so ni po"));

    EXPECT_EQ(DniKursowaniaWWierszu(t.k, 0), 0);
    dwaZakresy(t);
    EXPECT_EQ(DniKursowaniaWWierszu(t.k, 0), 15);   // od 10 grudnia, dni robocze
    EXPECT_EQ(DniKursowaniaWWierszu(t.k, 2), 20);   // luty 2018
    EXPECT_EQ(DniKursowaniaWWierszu(t.k, 12), 3);   // 1, 2 i 8 grudnia 2018
}

TEST(SiatkaKalendarza, PolozenieWskaznika)
{
    PociagTestowy t;
    dwaZakresy(t);
    const Kalendarz& k = t.k;
    auto dzien = [&](int r, int m, int d) { return k.Dni[std::size_t(t.i(r, m, d))].Prostokat; };

    PolozenieWskaznika p = PolozenieWSiatce(k, dzien(2018, 1, 10).center().x(), dzien(2018, 1, 10).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::DzienAktywnegoZakresu);
    EXPECT_EQ(p.dzien, t.i(2018, 1, 10));
    EXPECT_EQ(p.zakres, 0);

    p = PolozenieWSiatce(k, dzien(2018, 3, 10).center().x(), dzien(2018, 3, 10).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::DzienInnegoZakresu);
    EXPECT_EQ(p.zakres, 1);

    // przy lewym brzegu dnia: podział przed nim
    p = PolozenieWSiatce(k, dzien(2018, 1, 10).left(), dzien(2018, 1, 10).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::PodzialWZakresie);
    EXPECT_EQ(p.podzial, t.i(2018, 1, 10));
    // przy prawym brzegu dnia: podział za nim
    p = PolozenieWSiatce(k, dzien(2018, 1, 10).right(), dzien(2018, 1, 10).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::PodzialWZakresie);
    EXPECT_EQ(p.podzial, t.i(2018, 1, 11));
    // granica zakresów z obu stron: za 28 lutego (także z pustej komórki obok) i przed 1 marca
    const QRect luty28 = dzien(2018, 2, 28);
    for (int x : {luty28.right(), luty28.right() + 3}) {
        p = PolozenieWSiatce(k, x, luty28.center().y());
        EXPECT_EQ(p.stan, StanWskaznika::PodzialMiedzyZakresami) << x;
        EXPECT_EQ(p.podzial, t.i(2018, 3, 1)) << x;
    }
    p = PolozenieWSiatce(k, dzien(2018, 3, 1).left(), dzien(2018, 3, 1).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::PodzialMiedzyZakresami);
    // pas przed pierwszą kolumną liczy się do kolumny 0
    p = PolozenieWSiatce(k, 90, dzien(2018, 10, 1).center().y());
    EXPECT_EQ(p.stan, StanWskaznika::PodzialWZakresie);
    EXPECT_EQ(p.podzial, t.i(2018, 10, 1));

    // brzegi okresu, puste komórki i miejsca poza wierszami miesięcy
    EXPECT_EQ(PolozenieWSiatce(k, k.Dni.front().Prostokat.left(), 40).stan, StanWskaznika::Brak);
    EXPECT_EQ(PolozenieWSiatce(k, k.Dni.back().Prostokat.right(), k.Dni.back().Prostokat.center().y()).stan,
              StanWskaznika::Brak);
    EXPECT_EQ(PolozenieWSiatce(k, 5 * 18 + 110, 40).stan, StanWskaznika::Brak);
    EXPECT_EQ(PolozenieWSiatce(k, 200, 5).stan, StanWskaznika::Brak);
    EXPECT_EQ(PolozenieWSiatce(k, 200, 310).stan, StanWskaznika::Brak);
    // 20 pikseli nad pierwszym wierszem to jeszcze wiersz 0
    p = PolozenieWSiatce(k, k.Dni.front().Prostokat.center().x(), 15);
    EXPECT_EQ(p.stan, StanWskaznika::DzienAktywnegoZakresu);
    EXPECT_EQ(p.dzien, 0);
}

} // namespace
