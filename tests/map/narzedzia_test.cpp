// Narzędzia mapy i nagłówek po kliknięciu narzędziem.

#include "MapaTestowa.h"

#include "map/Narzedzia.h"
#include "wspolne/SiecTestowa.h"

#include <gtest/gtest.h>

namespace tks::test {
namespace {

TEST(Narzedzia, WyborRecznyUstawiaTrybWyboru)
{
    DrogaTestowa d;
    const int a = dodajStacje(d->siec, QStringLiteral("A"), 0, 0);
    d->kontrolki.kryterium = 2;
    EXPECT_FALSE(WcisnijNarzedzie(*d, Narzedzie::Start));   // bez punktów nie trzeba przerysować
    EXPECT_EQ(d->trasa.TrybWyboru, 1);
    EXPECT_EQ(d->widok.narzedzie, Narzedzie::Start);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    EXPECT_TRUE(WcisnijNarzedzie(*d, Narzedzie::Przez));
    EXPECT_EQ(d->trasa.TrybWyboru, 2);
    EXPECT_TRUE(WcisnijNarzedzie(*d, Narzedzie::Koniec));
    EXPECT_EQ(d->trasa.TrybWyboru, 3);
    // Powiększanie nie zmienia trybu.
    EXPECT_FALSE(WcisnijNarzedzie(*d, Narzedzie::Powieksz));
    EXPECT_EQ(d->trasa.TrybWyboru, 3);
    // Wskaźnik kończy wybór; przerysowanie tylko przy kandydatach.
    d->trasa.OdcinkiWyboru = {0};
    EXPECT_TRUE(WcisnijNarzedzie(*d, Narzedzie::Wskaznik));
    EXPECT_EQ(d->trasa.TrybWyboru, 0);
    d->trasa.OdcinkiWyboru.clear();
    EXPECT_FALSE(WcisnijNarzedzie(*d, Narzedzie::Wskaznik));
    // Inne kryterium: tryb bez zmian.
    d->kontrolki.kryterium = 0;
    EXPECT_FALSE(WcisnijNarzedzie(*d, Narzedzie::Start));
    EXPECT_EQ(d->trasa.TrybWyboru, 0);
}

TEST(Narzedzia, NumeryKursorow)
{
    EXPECT_EQ(KursorNarzedzia(Narzedzie::Wskaznik), 0);
    EXPECT_EQ(KursorNarzedzia(Narzedzie::Powieksz), 21);
    EXPECT_EQ(KursorNarzedzia(Narzedzie::NiePrzez), 27);
    for (int n = 21; n <= 27; ++n)
        EXPECT_EQ(KursorNarzedzia(NarzedzieZKursora(n)), n);
    EXPECT_EQ(NarzedzieZKursora(0), Narzedzie::Wskaznik);
}

TEST(Narzedzia, PuszczenieMyszyZmieniaWidokTylkoNarzedziamiWidoku)
{
    Widok w;
    w.zoom = 40000;
    UstalSkale(w, 800, 600, {0, 0});
    w.narzedzie = Narzedzie::Start;
    EXPECT_FALSE(ZmienWidokPoKliknieciu(w, {10, 10}, {50, 50}));
    w.narzedzie = Narzedzie::Przesun;
    EXPECT_FALSE(ZmienWidokPoKliknieciu(w, {10, 10}, {10, 10}));
    EXPECT_TRUE(ZmienWidokPoKliknieciu(w, {10, 10}, {50, 50}));
    w.narzedzie = Narzedzie::Powieksz;
    EXPECT_TRUE(ZmienWidokPoKliknieciu(w, {10, 10}, {50, 50}));
    EXPECT_EQ(w.zoom, 80000);
}

TEST(Narzedzia, NaglowekPoKliknieciu)
{
    DrogaTestowa d;
    Pociag& p = d->pociag;
    p.Naglowek.dodajWiersz();
    p.ustaw(QStringLiteral("StacjaPoczatkowa"), QStringLiteral("A"));
    p.ustaw(QStringLiteral("CenaWyliczona"), 100.0);
    p.ustaw(QStringLiteral("Dlugosc"), 12.5);
    p.zatwierdz();
    p.ZmianyPociagu = false;
    p.PociagStacje.dodajWiersz();
    d->kalendarz.LDniKurs = 3;
    d->wycena.sumaPostojow = 7;

    // Bez zmiany początku, końca i długości: opłaty za postoje zostają.
    StanNaglowka przed = ZapamietajNaglowek(*d);
    EXPECT_FALSE(AktualizujNaglowekPoKliknieciu(*d, przed));
    EXPECT_EQ(d->wycena.sumaPostojow, 7);
    EXPECT_EQ(p.PociagStacje.liczbaWierszy(), 1);
    EXPECT_DOUBLE_EQ(p.pole(QStringLiteral("CenaRozkJazdy")).toDouble(), 300);
    EXPECT_DOUBLE_EQ(p.pole(QStringLiteral("CenaPostojow")).toDouble(), 7);
    EXPECT_DOUBLE_EQ(d->trasa.dlugoscDoNaglowka, 12.5);
    EXPECT_TRUE(p.ZmianyPociagu);

    // Nowy koniec: opłaty za postoje zerowane.
    przed = ZapamietajNaglowek(*d);
    p.ustaw(QStringLiteral("StacjaKoncowa"), QStringLiteral("B"));
    p.ustaw(QStringLiteral("Dlugosc"), 20.0);
    EXPECT_TRUE(AktualizujNaglowekPoKliknieciu(*d, przed));
    EXPECT_EQ(d->wycena.sumaPostojow, 0);
    EXPECT_EQ(p.PociagStacje.liczbaWierszy(), 0);
    EXPECT_DOUBLE_EQ(p.pole(QStringLiteral("CenaPostojow")).toDouble(), 0);
    EXPECT_DOUBLE_EQ(d->trasa.dlugoscDoNaglowka, 20);

    // Bez ceny: cena za rozkład pusta; pusta długość nie zmienia zapamiętanej.
    przed = ZapamietajNaglowek(*d);
    p.ustaw(QStringLiteral("CenaWyliczona"), QVariant());
    p.ustaw(QStringLiteral("Dlugosc"), QVariant());
    EXPECT_TRUE(AktualizujNaglowekPoKliknieciu(*d, przed));
    EXPECT_FALSE(p.pole(QStringLiteral("CenaRozkJazdy")).isValid());
    EXPECT_DOUBLE_EQ(d->trasa.dlugoscDoNaglowka, 20);
}

} // namespace
} // namespace tks::test
