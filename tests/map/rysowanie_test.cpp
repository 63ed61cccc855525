// Rysowanie mapy na małych sieciach: obcinanie, obszary, strzałki, nazwy,
// widoczność, kolory i styl odcinków, panel wokół mapy.

#include "MapaTestowa.h"

#include "map/Kolory.h"
#include "routing/Warunki.h"
#include "wspolne/SiecTestowa.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

constexpr int W = kSzerWidoku;
constexpr int H = kWysWidoku;

class Rysowanie : public ::testing::Test, public WidokTestowy {
protected:
    void SetUp() override { ustawZoom(20000); }
    ElementyWydruku wydruk() { return rysujDoWydruku(*d, W, H, 96); }
    static int ileNapisow(const ElementyWydruku& e, const QString& t)
    {
        return int(std::count_if(e.napisy.begin(), e.napisy.end(), [&](const TPrintNapis& n) { return n.Tekst == t; }));
    }
    static const TPrintKolo* kolo(const ElementyWydruku& e, TPiksel p, int promien)
    {
        for (const auto& k : e.kola)
            if (k.X == p.x && k.Y == p.y && k.Promien == promien)
                return &k;
        return nullptr;
    }
    QSize rozmiar(const QString& t, std::uint8_t styl = 0)
    {
        ElementyWydruku e;
        KanwaWydruku k(e, W, H, 96);
        k.czcionka.styl = styl;
        return k.rozmiarTekstu(t);
    }
};

// ---------------------------------------------------------------- obcinanie

TEST_F(Rysowanie, OdcinekOJednakowychKoncachNieJestRysowany)
{
    TPiksel p, q;
    EXPECT_FALSE(OdcPiks(d->widok, m(100, 100), m(100, 100), p, q));
    // Punkt poza kołem też nie.
    const double R = d->widok.PromienWidoku;
    EXPECT_FALSE(OdcPiks(d->widok, {500000 + 2 * R, 400000}, {500000 + 2 * R, 400000}, p, q));
}

TEST_F(Rysowanie, OdcinekPrzezCalyWidokToCieciwaKola)
{
    const Widok& w = d->widok;
    const double R = w.PromienWidoku;
    const double rPiks = R * w.k() / 10000;
    TPiksel p, q;
    ASSERT_TRUE(OdcPiks(w, {500000 - 10 * R, 400000}, {500000 + 10 * R, 400000}, p, q));
    EXPECT_NEAR(p.x, w.polSzerokosci - rPiks, 1);
    EXPECT_NEAR(q.x, w.polSzerokosci + rPiks, 1);
    EXPECT_EQ(p.y, w.polWysokosci);
    EXPECT_EQ(q.y, w.polWysokosci);
    // Cięciwa ukośna poza środkiem: końce na okręgu.
    ASSERT_TRUE(OdcPiks(w, {500000 - 10 * R, 400000 - 5 * R}, {500000 + 10 * R, 400000 + 4 * R}, p, q));
    for (const TPiksel x : {p, q})
        EXPECT_NEAR(std::hypot(x.x - w.polSzerokosci, x.y - w.polWysokosci), rPiks, 1.5);
    // Oba końce za kołem po tej samej stronie, albo prosta mija koło: nic.
    EXPECT_FALSE(OdcPiks(w, {500000 + 2 * R, 400000}, {500000 + 3 * R, 400000}, p, q));
    EXPECT_FALSE(OdcPiks(w, {500000 - 5 * R, 400000 + 1.01 * R}, {500000 + 5 * R, 400000 + 1.01 * R}, p, q));
    // Jeden koniec w widoku zostaje na swoim pikselu.
    ASSERT_TRUE(OdcPiks(w, m(300, 200), {500000 + 10 * R, 400000}, p, q));
    EXPECT_EQ(p, (TPiksel{300, 200}));
}

// ---------------------------------------------------------------- obszary

TEST_F(Rysowanie, ObszarObejmujacyWidokWypelniaGoCaly)
{
    const double R = d->widok.PromienWidoku;
    const TKontur kontur = {{500000 - 50 * R, 400000 - 50 * R}, {500000 + 50 * R, 400000 - 50 * R},
                            {500000 + 50 * R, 400000 + 50 * R}, {500000 - 50 * R, 400000 + 50 * R}};
    const auto w = WielokatObszaru(d->widok, kontur);
    ASSERT_GE(w.size(), 10u);
    QPolygon p;
    for (const auto& x : w)
        p << QPoint(x.x, x.y);
    for (const QPoint rog : {QPoint(0, 0), QPoint(W, 0), QPoint(W, H), QPoint(0, H)})
        EXPECT_TRUE(p.containsPoint(rog, Qt::OddEvenFill)) << rog.x() << "," << rog.y();
}

TEST_F(Rysowanie, ObszarWewnatrzWidokuToJegoPunktyZDomknieciem)
{
    const TKontur kontur = {m(100, 100), m(300, 100), m(300, 300), m(100, 300)};
    const auto w = WielokatObszaru(d->widok, kontur);
    // Pierwszy punkt wraca krawędzią domykającą (kontur zapisany bez powtórzenia).
    EXPECT_EQ(w, (std::vector<TPiksel>{{300, 100}, {300, 300}, {100, 300}, {100, 100}}));
    // Kontur z powtórzonym pierwszym punktem daje ten sam wielokąt.
    TKontur zamkniety = kontur;
    zamkniety.push_back(kontur.front());
    EXPECT_EQ(WielokatObszaru(d->widok, zamkniety), w);
}

TEST_F(Rysowanie, ObszarPozaWidokiemNicNieDaje)
{
    const double R = d->widok.PromienWidoku;
    const TKontur kontur = {{500000 + 3 * R, 400000}, {500000 + 4 * R, 400000}, {500000 + 4 * R, 400000 + R}};
    EXPECT_TRUE(WielokatObszaru(d->widok, kontur).empty());
}

TEST_F(Rysowanie, ObszarCzesciowoWWidokuIdzieLukiemPoKoleObcinania)
{
    // Prostokąt od lewej krawędzi daleko poza widokiem do środka widoku.
    const double R = d->widok.PromienWidoku;
    const TPunkt s = m(400, 300);
    const TKontur kontur = {{s.x, s.y - 20 * R}, {s.x, s.y + 20 * R}, {s.x - 20 * R, s.y + 20 * R},
                            {s.x - 20 * R, s.y - 20 * R}};
    const auto w = WielokatObszaru(d->widok, kontur);
    QPolygon p;
    for (const auto& x : w)
        p << QPoint(x.x, x.y);
    EXPECT_TRUE(p.containsPoint(QPoint(2, 2), Qt::OddEvenFill));
    EXPECT_TRUE(p.containsPoint(QPoint(2, H - 2), Qt::OddEvenFill));
    EXPECT_TRUE(p.containsPoint(QPoint(390, 300), Qt::OddEvenFill));
    EXPECT_FALSE(p.containsPoint(QPoint(410, 300), Qt::OddEvenFill));
    EXPECT_FALSE(p.containsPoint(QPoint(W - 2, 2), Qt::OddEvenFill));
}

TEST_F(Rysowanie, PodzialTerytorialnyWybieraObszaryAlboZadne)
{
    TPodzial z;
    z.Kolor = 0x112233;
    d->siec.Zaklady = {z};
    d->siec.KonturyZakladow = {{m(100, 100), m(300, 100), m(300, 300)}};
    TPodzial w0, w1;
    w0.Kolor = 0x445566;
    w1.Kolor = 0x778899;
    d->siec.Wojewodztwa = {w0, w1};
    d->siec.KonturyWojewodztw = {{m(10, 10), m(50, 10), m(50, 50)}, {m(400, 400), m(500, 400), m(500, 500)}};

    auto kolory = [&](int podzial) {
        d->kolory.PodzialTerytorialny = podzial;
        std::vector<std::int32_t> k;
        for (const auto& o : wydruk().obszary)
            k.push_back(o.Kolor);
        return k;
    };
    const std::int32_t tlo = d->kolory.KolorTla;
    EXPECT_EQ(kolory(0), (std::vector<std::int32_t>{tlo, 0x112233}));
    // Województwo 0 nie jest rysowane.
    EXPECT_EQ(kolory(1), (std::vector<std::int32_t>{tlo, 0x778899}));
    EXPECT_EQ(kolory(2), (std::vector<std::int32_t>{tlo}));
    // Tło to prostokąt całego obszaru rysowania.
    const auto e = wydruk();
    EXPECT_EQ(e.obszary[0].Punkty, (std::vector<TPrintPunkt>{{0, 0}, {W, 0}, {W, H}, {0, H}}));
}

// ---------------------------------------------------------------- strzałki

TEST_F(Rysowanie, StrzalkaTylkoNaDostatecznieDlugimKawalku)
{
    ElementyWydruku e;
    KanwaWydruku k(e, W, H, 96);
    Widok w = d->widok;
    w.zoom = 10000;
    EXPECT_FALSE(Strzalka(k, w, 100, 100, 110, 100));
    EXPECT_TRUE(Strzalka(k, w, 100, 100, 111, 100));
    w.zoom = 20000;
    EXPECT_FALSE(Strzalka(k, w, 100, 100, 100, 118));
    EXPECT_TRUE(Strzalka(k, w, 100, 100, 100, 119));
    EXPECT_EQ(e.strzalki.size(), 2u);
}

TEST_F(Rysowanie, GrotStrzalkiOsiemPikseliZaSrodkiemWKierunkuJazdy)
{
    ElementyWydruku e;
    KanwaWydruku k(e, W, H, 96);
    k.pioro = {0x123456, 2, StylPiora::Ciagle};
    k.pedzel = {0x0000FF, true};
    ASSERT_TRUE(Strzalka(k, d->widok, 0, 0, 40, 0));
    const TPrintStrzalka& s = e.strzalki[0];
    EXPECT_EQ(s.Punkty[0], (TPrintPunkt{28, 0}));
    EXPECT_EQ(s.Punkty[1], (TPrintPunkt{13, -4}));
    EXPECT_EQ(s.Punkty[2], (TPrintPunkt{13, 4}));
    // Grot piórem grubości 1 w kolorze pióra, wypełniony pędzlem; grubość wraca.
    EXPECT_EQ(s.Grubosc, 1);
    EXPECT_EQ(s.KolorPiora, 0x123456);
    EXPECT_EQ(s.KolorPedzla, 0x0000FF);
    EXPECT_EQ(k.pioro.grubosc, 2);
}

TEST_F(Rysowanie, NaWydrukuKrotkaStrzalkaZalezyOdRozdzielczosciDrukarki)
{
    ElementyWydruku e;
    KanwaWydruku k(e, W, H, 150, 300);
    Widok w = d->widok;
    w.zoom = 10000;
    // 20 pikseli to na drukarce 300 ppi tylko 6,4 piksela ekranu.
    EXPECT_FALSE(Strzalka(k, w, 0, 0, 20, 0));
    EXPECT_TRUE(Strzalka(k, w, 0, 0, 40, 0));
}

TEST_F(Rysowanie, TrasaZeStrzalkamiIKoloramiWyceny)
{
    const int a = stacja(QStringLiteral("A"), 100, 300);
    const int b = stacja(QStringLiteral("B"), 300, 300);
    const int c = stacja(QStringLiteral("C"), 305, 300);
    d->trasa.Sciezki = {element(d->siec, a, b, -1, true), element(d->siec, b, c, -1, false)};
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy), punkt(d->siec, c, kPunktKoncowy)};
    const auto e = wydruk();
    const Kolory& kol = d->kolory;
    std::vector<std::int32_t> trasa;
    for (const auto& l : e.linie)
        if (l.Grubosc == 3)
            trasa.push_back(l.Kolor);
    EXPECT_EQ(trasa, (std::vector<std::int32_t>{kol.KolorLiniiTrasy, kol.KolorLiniiTrasyNieWycenionej}));
    // Strzałka tylko na długim elemencie.
    ASSERT_EQ(e.strzalki.size(), 1u);
    EXPECT_EQ(e.strzalki[0].KolorPedzla, kol.KolorPunktowTrasy);
    // Początek: wnętrze kolorem linii trasy, obrys kolorem punktów; koniec odwrotnie.
    const int r = d->widok.PromienStacji;
    const TPrintKolo* ks = kolo(e, {100, 300}, r + 2);
    const TPrintKolo* kk = kolo(e, {305, 300}, r + 2);
    ASSERT_TRUE(ks && kk);
    EXPECT_EQ(ks->KolorPedzla, kol.KolorLiniiTrasy);
    EXPECT_EQ(ks->KolorPiora, kol.KolorPunktowTrasy);
    EXPECT_EQ(kk->KolorPedzla, kol.KolorPunktowTrasy);
    EXPECT_EQ(kk->KolorPiora, kol.KolorLiniiTrasy);
    EXPECT_EQ(ks->Grubosc, 2);
}

TEST_F(Rysowanie, PunktyTrasyRysowaneTakzePozaWidokiem)
{
    const int a = stacja(QStringLiteral("Daleko"), -500, 300);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPosredni)};
    const auto e = wydruk();
    EXPECT_NE(kolo(e, {-500, 300}, d->widok.PromienStacji + 1), nullptr);
    // Stacja poza widokiem nie ma zwykłego kółka.
    EXPECT_EQ(kolo(e, {-500, 300}, d->widok.PromienStacji), nullptr);
}

// ---------------------------------------------------------------- odcinki

TEST_F(Rysowanie, OdcinkiOmijanePrzezWyszukiwanieSaKropkowane)
{
    const int a = stacja(QStringLiteral("A"), 100, 100);
    const int b = stacja(QStringLiteral("B"), 200, 100);
    const int c = stacja(QStringLiteral("C"), 300, 100);
    const int o1 = dodajOdcinek(d->siec, a, b, 1000, 1);
    dodajOdcinek(d->siec, b, c, 1000, 2, cechy::Normalnotorowa | cechy::ObcyZarzad);
    d->kontrolki.kryterium = 0;
    UstalWarunki(*d);   // domyślnie omija linie obcego zarządu
    auto e = wydruk();
    ASSERT_EQ(e.linie.size(), 2u);
    EXPECT_EQ(e.linie[0].Styl, 0);
    EXPECT_EQ(e.linie[0].Kolor, d->kolory.KolorLinii);
    EXPECT_EQ(e.linie[1].Styl, 2);
    EXPECT_EQ(e.linie[1].Kolor, d->kolory.KolorLiniiObcych);
    // Odcinek wykluczony przez użytkownika: kropkowany i z krzyżykiem w środku.
    d->siec.Odcinki[std::size_t(o1)].Cechy |= cechy::Zabroniony;
    d->trasa.ListaOdcinkowZabronionych = {o1};
    e = wydruk();
    EXPECT_EQ(e.linie[0].Styl, 2);
    const int r4 = 4 * d->widok.PromienStacji;
    const auto krzyz = std::find_if(e.linie.begin(), e.linie.end(), [&](const TPrintLinia& l) {
        return l.X1 == 150 - r4 && l.Y1 == 100 - r4 && l.X2 == 150 + r4 && l.Y2 == 100 + r4;
    });
    ASSERT_NE(krzyz, e.linie.end());
    EXPECT_EQ(krzyz->Kolor, d->kolory.KolorPunktowZabronionych);
    EXPECT_EQ(krzyz->Grubosc, 2);
}

TEST_F(Rysowanie, KandydaciWyboruRecznego)
{
    const int a = stacja(QStringLiteral("A"), 100, 100);
    const int b = stacja(QStringLiteral("B"), 200, 100);
    const int c = stacja(QStringLiteral("C"), 200, 200);
    dodajOdcinek(d->siec, a, b, 1000, 1);
    dodajOdcinek(d->siec, b, c, 1000, 3);
    d->kontrolki.kryterium = 2;
    UstalWarunki(*d);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    d->trasa.TrybWyboru = 2;
    const auto e = wydruk();
    // Odcinek linii 1 drugi raz, kolorem punktów trasy.
    ASSERT_EQ(e.linie.size(), 3u);
    EXPECT_EQ(e.linie[2].Kolor, d->kolory.KolorPunktowTrasy);
    // B leży też na linii 3: punkt styczności.
    const TPrintKolo* k = kolo(e, {200, 100}, d->widok.PromienStacji);
    ASSERT_NE(k, nullptr);
    EXPECT_TRUE(std::any_of(e.kola.begin(), e.kola.end(), [&](const TPrintKolo& x) {
        return x.X == 200 && x.Y == 100 && x.KolorPedzla == d->kolory.KolorPunktowStycznosci;
    }));
    EXPECT_FALSE(std::any_of(e.kola.begin(), e.kola.end(), [&](const TPrintKolo& x) {
        return x.X == 200 && x.Y == 200 && x.KolorPedzla == d->kolory.KolorPunktowStycznosci;
    }));
}

// ---------------------------------------------------------------- stacje i nazwy

TEST_F(Rysowanie, WidocznoscStacjiZaleznaOdPowiekszenia)
{
    d->widok.zoom = 10000;
    UstalSkale(d->widok, W, H, d->siec.SrodekDomyslny);
    stacja(QStringLiteral("Mała"), 500, 250, 2);
    auto e = wydruk();
    EXPECT_EQ(e.kola.size(), 0u);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Mała")), 0);

    d->widok.zoom = 20000;
    d->widok.WspXSrodka = 500000;
    d->widok.WspYSrodka = 400000;
    e = wydruk();
    ASSERT_EQ(e.kola.size(), 1u);
    EXPECT_EQ(e.kola[0].KolorPedzla, d->kolory.KolorPunktowStacji);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Mała")), 1);
}

TEST_F(Rysowanie, WezlyMajaWiekszeKolaICzarnyObrys)
{
    stacja(QStringLiteral("Węzeł"), 100, 100, 0);
    stacja(QStringLiteral("Główny"), 300, 100, -1);
    const auto e = wydruk();
    const int r = d->widok.PromienStacji;
    const TPrintKolo* w = kolo(e, {100, 100}, r + 2);
    const TPrintKolo* g = kolo(e, {300, 100}, r + 3);
    ASSERT_TRUE(w && g);
    EXPECT_EQ(w->KolorPiora, 0);
    EXPECT_EQ(w->Grubosc, 2);
    EXPECT_EQ(g->KolorPedzla, d->kolory.KolorPunktowStacjiWezlowych);
    // Nazwa głównego węzła pogrubiona, zwykłego węzła nie.
    for (const auto& n : e.napisy) {
        if (n.Tekst == QStringLiteral("Główny")) {
            EXPECT_EQ(n.Styl, stylCzcionki::Pogrubiona);
        }
        if (n.Tekst == QStringLiteral("Węzeł")) {
            EXPECT_EQ(n.Styl, 0);
        }
    }
}

TEST_F(Rysowanie, NazwaStacjiZeStawkaZaPostojWygrywaZNazwaWezlaObok)
{
    // Dwa węzły tej samej klasy, nazwy na siebie zachodzą: wcześniejszy (mniejszy
    // indeks) to węzeł bez postoju, późniejszy - główna stacja pasażerska.
    const int wezel = stacja(QStringLiteral("Miasto Wschód"), 100, 100, -1);
    const int glowna = stacja(QStringLiteral("Miasto Główne"), 110, 104, -1);
    d->siec.Stacje[std::size_t(glowna)].Stawka = 9.75;
    auto e = wydruk();
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Główne")), 1);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Wschód")), 0);
    // Bez stawki obowiązuje kolejność stacji.
    d->siec.Stacje[std::size_t(glowna)].Stawka = 0;
    e = wydruk();
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Wschód")), 1);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Główne")), 0);
    // Klasa -1 nadal przed klasą 0, także gdy węzeł klasy 0 ma stawkę.
    d->siec.Stacje[std::size_t(wezel)].Widocznosc = 0;
    d->siec.Stacje[std::size_t(wezel)].Stawka = 5;
    e = wydruk();
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Główne")), 1);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Miasto Wschód")), 0);
}

TEST_F(Rysowanie, NazwyWezlowStykajaceSieKrawedziaNieSaRysowaneObie)
{
    const QString n1 = QStringLiteral("Pierwszy");
    const QSize r1 = rozmiar(n1);
    stacja(n1, 100, 100, 0);
    stacja(QStringLiteral("Drugi"), 100 + r1.width(), 100, 0);
    stacja(QStringLiteral("Trzeci"), 100, 100 + r1.height() + 1, 0);
    const auto e = wydruk();
    EXPECT_EQ(ileNapisow(e, n1), 1);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Drugi")), 0);
    // Piksel odstępu wystarcza.
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Trzeci")), 1);
}

TEST_F(Rysowanie, NazwaStacjiZakrywajacaPunktDalszejStacjiNieJestRysowana)
{
    const QString n = QStringLiteral("Długa nazwa");
    const QSize r = rozmiar(n);
    stacja(n, 100, 100);
    stacja(QStringLiteral("X"), 100 + r.width() / 2, 100 + r.height() / 2);
    auto e = wydruk();
    EXPECT_EQ(ileNapisow(e, n), 0);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("X")), 1);
}

TEST_F(Rysowanie, SprawdzanieDalszychStacjiKonczySiePonizejEtykiety)
{
    // Stacje nie biegną z północy na południe: stacja poniżej etykiety kończy
    // przegląd, więc zakryty punkt dalej w tablicy nie blokuje nazwy.
    const QString n = QStringLiteral("Długa nazwa");
    const QSize r = rozmiar(n);
    stacja(n, 100, 100);
    stacja(QStringLiteral("Niżej"), 500, 100 + r.height() + 1);
    stacja(QStringLiteral("X"), 100 + r.width() / 2, 100 + r.height() / 2);
    const auto e = wydruk();
    EXPECT_EQ(ileNapisow(e, n), 1);
    // Nazwa X styka się z już narysowaną.
    EXPECT_EQ(ileNapisow(e, QStringLiteral("X")), 0);
    EXPECT_EQ(ileNapisow(e, QStringLiteral("Niżej")), 1);
}

TEST_F(Rysowanie, NazwyPunktowTrasyZawszeINumerowane)
{
    const int a = stacja(QStringLiteral("Alfa"), 100, 100);
    const int b = stacja(QStringLiteral("Beta"), 102, 101);
    const int c = stacja(QStringLiteral("Gamma"), 104, 102);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy), punkt(d->siec, b, kPunktPosredni),
                             punkt(d->siec, c, kPunktKoncowy)};
    auto e = wydruk();
    ASSERT_GE(e.napisy.size(), 3u);
    EXPECT_EQ(e.napisy[0].Tekst, QStringLiteral("Alfa"));
    EXPECT_EQ(e.napisy[0].Styl, stylCzcionki::Pogrubiona | stylCzcionki::Podkreslona);
    EXPECT_EQ(e.napisy[1].Tekst, QStringLiteral("Beta"));
    EXPECT_EQ(e.napisy[1].Styl, stylCzcionki::Podkreslona);
    EXPECT_EQ(e.napisy[1].Kolor, d->kolory.KolorNazwStacjiTrasy);
    EXPECT_EQ(e.napisy[2].Tekst, QStringLiteral("Gamma"));
    EXPECT_EQ(e.napisy.size(), 3u);   // zwykłe nazwy tych stacji zakryte przez nazwy trasy

    d->kolory.NumerowanieStacji = true;
    e = wydruk();
    EXPECT_EQ(e.napisy[0].Tekst, QStringLiteral(" 1 Alfa"));
    EXPECT_EQ(e.napisy[2].Tekst, QStringLiteral(" 3 Gamma"));
    EXPECT_EQ(TekstPunktuTrasy(*d, 2), QStringLiteral(" 3 Gamma"));
}

TEST_F(Rysowanie, WydrukINapisySkracaneDoPojemnosci)
{
    const QString dluga = QString(50, QLatin1Char('x'));
    const int a = stacja(dluga, 100, 100);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    const auto e = wydruk();
    ASSERT_FALSE(e.napisy.empty());
    EXPECT_EQ(e.napisy[0].Tekst.size(), 40);
    EXPECT_EQ(e.napisy[0].Czcionka, kCzcionkaMapy);
    EXPECT_EQ(e.napisy[0].Rozmiar, 8);
}

TEST_F(Rysowanie, MiaraTekstuTakaSamaNaEkranieINaWydrukuTejSamejRozdzielczosci)
{
    QImage im(W, H, QImage::Format_RGB32);
    QPainter p(&im);
    KanwaEkranu ekran(p);
    ElementyWydruku e;
    KanwaWydruku wydruk(e, W, H, 96);
    for (const std::uint8_t styl : {std::uint8_t(0), stylCzcionki::Pogrubiona}) {
        ekran.czcionka.styl = wydruk.czcionka.styl = styl;
        EXPECT_EQ(ekran.rozmiarTekstu(QStringLiteral("Żółć Łódź")), wydruk.rozmiarTekstu(QStringLiteral("Żółć Łódź")));
    }
    // Wydruk w 150 ppi: większe piksele tekstu.
    KanwaWydruku w150(e, W, H, 150);
    EXPECT_GT(w150.rozmiarTekstu(QStringLiteral("Łódź")).width(), wydruk.rozmiarTekstu(QStringLiteral("Łódź")).width());
}

TEST_F(Rysowanie, StanPlotnaPoRysowaniu)
{
    ElementyWydruku e;
    KanwaWydruku k(e, W, H, 96);
    odswiez(*d, k);
    EXPECT_EQ(k.pioro, (Pioro{0, 1, StylPiora::Ciagle}));
    EXPECT_EQ(k.pedzel, (Pedzel{0xC0C0C0, true}));
    EXPECT_EQ(k.czcionka.kolor, 0);
}

TEST_F(Rysowanie, PustyObszarRysowaniaNicNieRysuje)
{
    const int a = stacja(QStringLiteral("A"), 100, 100);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    EXPECT_TRUE(rysujDoWydruku(*d, 0, 0).puste());
}

// ---------------------------------------------------------------- panel

TEST_F(Rysowanie, PanelWokolMapy)
{
    d->pociag.Naglowek.dodajWiersz();
    d->kontrolki.vmaxTekst = QStringLiteral("5");
    auto p = OdswiezPanelMapy(*d);
    EXPECT_EQ(d->kontrolki.vmaxTekst, QStringLiteral("10"));   // pole prędkości taboru ograniczone
    EXPECT_TRUE(p.pokazStart && p.pokazKoniec && p.pokazPrzez && p.pokazNiePrzez);
    EXPECT_EQ(p.tytul, QStringLiteral("Wyznaczanie trasy - nowy pociąg"));
    EXPECT_FALSE(p.jestTrasa);
    EXPECT_FALSE(p.wczytajPociagWlaczone);

    d->pociag.NowyPociag = false;
    d->pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("12345"));
    const int a = stacja(QStringLiteral("A"), 10, 10);
    const int b = stacja(QStringLiteral("B"), 20, 10);
    d->trasa.Sciezki = {element(d->siec, a, b)};
    QDir().mkpath(d->katalogProgramu + QStringLiteral("Pociagi"));
    QFile f(d->katalogProgramu + QStringLiteral("Pociagi/ListaPociagow.cds"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    p = OdswiezPanelMapy(*d);
    EXPECT_EQ(p.tytul, QStringLiteral("Wyznaczanie trasy - pociąg nr 12345"));
    EXPECT_TRUE(p.jestTrasa);
    EXPECT_TRUE(p.wczytajPociagWlaczone);
    // Zmieniony nagłówek zostaje zatwierdzony.
    EXPECT_TRUE(d->pociag.ZmianyPociagu);

    // Wybór ręczny: przyciski według punktów trasy, wykluczanie ukryte.
    d->kontrolki.kryterium = 2;
    d->trasa.GlowneStacje.clear();
    p = OdswiezPanelMapy(*d);
    EXPECT_TRUE(p.pokazStart);
    EXPECT_FALSE(p.pokazKoniec);
    EXPECT_TRUE(p.pokazPrzez);
    EXPECT_FALSE(p.pokazNiePrzez);
    d->trasa.GlowneStacje = {punkt(d->siec, a, kPunktPoczatkowy)};
    p = OdswiezPanelMapy(*d);
    EXPECT_TRUE(p.pokazStart && p.pokazKoniec && p.pokazPrzez);
    d->trasa.GlowneStacje.push_back(punkt(d->siec, b, kPunktKoncowy));
    p = OdswiezPanelMapy(*d);
    EXPECT_FALSE(p.pokazStart);
    EXPECT_TRUE(p.pokazKoniec);
    EXPECT_FALSE(p.pokazPrzez);
}

} // namespace
} // namespace tks::test
