// Wydruk mapki: widok przebiegu wydruku (cała sieć, okno, dopasowanie do
// trasy) i powrót do widoku ekranu, kolory czarno-białe bez śladu w kolorach
// ekranu, tytuł i dane pociągu, piksele strony, pasek skali, konfiguracja
// kolorów i środek domyślny mapy.

#include "MapaTestowa.h"

#include "app/CyklDrogi.h"
#include "app/PlikUstawien.h"
#include "map/KonfiguracjaKolorow.h"
#include "map/Kolory.h"
#include "map/PasekSkali.h"
#include "map/WydrukMapki.h"
#include "routing/Oznaczenia.h"
#include "wspolne/DrukQt.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

namespace tks::test {
namespace {

const QString kSiec = QStringLiteral(TKS_RUN_DIR "/FDane.bin");

// Lewy górny róg obszaru mapy na stronie 150 ppi.
constexpr int kOx = 100;   // Round(17 / 25.4 × 150) = 100,4
constexpr int kOy = 118;   // Round(20 / 25.4 × 150) = 118,1

class WydrukMapy : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TworzDroge(*d, kSiec));
        PokazanieDrogi(*d);
        // widok ekranu jak po narysowaniu okna 800 × 600
        rysuj(*d, 800, 600);
    }
    void ustawienia(const char* tekst)
    {
        QFile f(d->plikUstawien);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tekst);
        f.close();
        WczytajKolory(*d);
    }
    void trasa()
    {
        ASSERT_TRUE(OznaczStart(*d, stacja(*d, "Lublin")));
        ASSERT_TRUE(OznaczMeta(*d, stacja(*d, "Kraków Główny")));
        ASSERT_FALSE(d->trasa.Sciezki.empty());
    }
    DrogaTestowa d;
};

void oczekujTenSamWidok(const Widok& a, const Widok& b)
{
    EXPECT_EQ(a.zoom, b.zoom);
    EXPECT_EQ(a.WspXSrodka, b.WspXSrodka);
    EXPECT_EQ(a.WspYSrodka, b.WspYSrodka);
    EXPECT_EQ(a.SkalaBazowa, b.SkalaBazowa);
    EXPECT_EQ(a.szerokosc, b.szerokosc);
    EXPECT_EQ(a.wysokosc, b.wysokosc);
    EXPECT_EQ(a.PromienWidoku, b.PromienWidoku);
    EXPECT_EQ(a.rysowanieWstrzymane, b.rysowanieWstrzymane);
}

TEST_F(WydrukMapy, CalaSiecZawszePrzy1xIWidokEkranuWraca)
{
    d->widok.zoom = 80000;
    UstawSrodek(d->widok, d->siec.SrodekDomyslny.x + 90000, d->siec.SrodekDomyslny.y - 40000);
    rysuj(*d, 800, 600);
    const Widok przed = d->widok;

    const StronaMapy s = WydrukMapki(*d, MapkaCala);
    EXPECT_EQ(s.zoom, kPowiekszenie1x);
    EXPECT_EQ(s.srodekX, d->siec.SrodekDomyslny.x);
    EXPECT_EQ(s.srodekY, d->siec.SrodekDomyslny.y);
    EXPECT_DOUBLE_EQ(s.pikseliNaMetr, std::min(945.0, 0.873 * 1004) / 670000);
    oczekujTenSamWidok(d->widok, przed);
    ASSERT_EQ(s.elementy.napisyEx.size(), 1u);   // bez trasy tylko tytuł
    EXPECT_EQ(s.elementy.napisyEx[0].Linie, QStringList{QStringLiteral("Sieć linii kolejowych")});
    EXPECT_EQ(s.elementy.napisyEx[0].Czcionka, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(s.elementy.napisyEx[0].Rozmiar, 8);
    EXPECT_DOUBLE_EQ(s.elementy.napisyEx[0].X, 77);
    EXPECT_DOUBLE_EQ(s.elementy.napisyEx[0].Y, 13);
    // tło: pierwszy obszar to cały obszar mapy 1004 × 945
    ASSERT_FALSE(s.elementy.obszary.empty());
    EXPECT_EQ(s.elementy.obszary[0].Punkty[2], (TPrintPunkt{1004, 945}));
}

TEST_F(WydrukMapy, OknoOdrobineSzerszeNizEkranZTymSamymSrodkiem)
{
    d->widok.zoom = 40000;
    UstawSrodek(d->widok, d->siec.SrodekDomyslny.x - 50000, d->siec.SrodekDomyslny.y + 20000);
    rysuj(*d, 800, 600);
    const StronaMapy s = WydrukMapki(*d, MapkaOkno);
    EXPECT_EQ(s.zoom, 38000);
    EXPECT_EQ(s.srodekX, d->widok.WspXSrodka);
    EXPECT_EQ(s.srodekY, d->widok.WspYSrodka);
    EXPECT_EQ(d->widok.zoom, 40000);
    EXPECT_EQ(s.elementy.napisyEx[0].Linie, QStringList{QStringLiteral("Wycinek sieci linii kolejowych")});
}

TEST_F(WydrukMapy, DopasowanieBezTrasyWokolBiezacegoSrodkaBezTytuluIDanych)
{
    d->widok.zoom = 20000;
    UstawSrodek(d->widok, d->siec.SrodekDomyslny.x + 1234, d->siec.SrodekDomyslny.y - 4321);
    const double x = d->widok.WspXSrodka, y = d->widok.WspYSrodka;
    const StronaMapy s = WydrukMapki(*d, MapkaDoTrasy);
    // mały prostokąt startowy wokół środka: środek bez zmian, mocne powiększenie
    EXPECT_NEAR(s.srodekX, x, 1);
    EXPECT_NEAR(s.srodekY, y, 1);
    EXPECT_GT(s.zoom, 100 * kPowiekszenie1x);
    ASSERT_EQ(s.elementy.napisyEx.size(), 1u);
    EXPECT_EQ(s.elementy.napisyEx[0].Linie, QStringList{QString()});
}

TEST_F(WydrukMapy, DopasowanieDoTrasyMiesciTraseZTytulemIDanymiPociagu)
{
    trasa();
    const StronaMapy s = WydrukMapki(*d, MapkaDoTrasy);
    EXPECT_GT(s.zoom, kPowiekszenie1x);
    // każdy koniec elementu trasy na obszarze mapy
    Widok w = d->widok;
    w.zoom = s.zoom;
    UstalSkale(w, kSzerMapyPiks, kWysMapyPiks, d->siec.SrodekDomyslny);
    w.WspXSrodka = s.srodekX;
    w.WspYSrodka = s.srodekY;
    for (const TSciezka& e : d->trasa.Sciezki) {
        for (const TPiksel p : {pktpiks(w, e.XOd, e.YOd), pktpiks(w, e.XDo, e.YDo)}) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, kSzerMapyPiks);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, kWysMapyPiks);
        }
    }
    ASSERT_EQ(s.elementy.napisyEx.size(), 2u);
    EXPECT_EQ(s.elementy.napisyEx[0].Linie, QStringList{QStringLiteral("Trasa nowego pociągu (bez numeru)")});
    const TPrintNapisEX& dane = s.elementy.napisyEx[1];
    EXPECT_DOUBLE_EQ(dane.X, 19);
    EXPECT_DOUBLE_EQ(dane.Y, 197);
    ASSERT_GE(dane.Linie.size(), 6);
    EXPECT_EQ(dane.Linie[0], QStringLiteral("Numer pociągu : "));
    EXPECT_TRUE(dane.Linie[1].startsWith(QStringLiteral("Rodzaj pociągu : "))) << dane.Linie[1].toStdString();
    EXPECT_TRUE(dane.Linie[2].startsWith(QStringLiteral("Brutto : ")));
    EXPECT_EQ(dane.Linie[3], QStringLiteral("Kryterium wyboru trasy : najkrótsza"));
    EXPECT_TRUE(dane.Linie[4].startsWith(QStringLiteral("Długość trasy : ")) && dane.Linie[4].endsWith(QStringLiteral(" km")));
    EXPECT_TRUE(dane.Linie[5].startsWith(QStringLiteral("Wyliczona cena: ")) && dane.Linie[5].endsWith(QStringLiteral(" zł")));
    // z numerem pociągu
    d->pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("12/34"));
    const StronaMapy z = WydrukMapki(*d, MapkaCala);
    EXPECT_EQ(z.elementy.napisyEx[0].Linie, QStringList{QStringLiteral("Trasa pociągu nr 12/34")});
    EXPECT_EQ(z.elementy.napisyEx[1].Linie[0], QStringLiteral("Numer pociągu : 12/34"));
    EXPECT_EQ(NazwaPlikuMapki(*d), QStringLiteral("MapkaPoc12_34.pdf"));
}

TEST_F(WydrukMapy, CzarnoBialyPrzebiegNieZmieniaKolorowEkranuAniOgraniczen)
{
    // "Kolor" 5: każda wartość poza 1 to wydruk czarno-biały
    ustawienia("[Drukarka]\nKolor=5\n[Kolory]\nKolorTla=255\n");
    trasa();
    d->kontrolki.brakSieci = true;   // stan kontrolek inny niż w ustawieniach
    const Kolory przed = d->kolory;
    std::vector<std::int32_t> zaklady;
    for (const auto& z : d->siec.Zaklady)
        zaklady.push_back(z.Kolor);
    d->siec.Zaklady[0].Kolor = 0x123456;   // zmieniony w oknie kolorów, niezapisany
    zaklady[0] = 0x123456;

    const StronaMapy s = WydrukMapki(*d, MapkaCala);
    EXPECT_TRUE(s.czarnoBiala);
    EXPECT_EQ(s.elementy.obszary[0].Kolor, 0xFFFFFF);   // tło białe
    for (const auto& l : s.elementy.linie)
        EXPECT_NE(l.Kolor, przed.KolorLiniiTrasy);
    bool trasaCzarna = false;
    for (const auto& l : s.elementy.linie)
        trasaCzarna = trasaCzarna || (l.Grubosc == 3 && l.Kolor == 0);
    EXPECT_TRUE(trasaCzarna);

    EXPECT_EQ(d->kolory.KolorTla, 255);
    EXPECT_EQ(d->kolory.KolorLiniiTrasy, przed.KolorLiniiTrasy);
    EXPECT_EQ(d->kolory.DrukarkaKolor, 5);
    for (std::size_t i = 0; i < zaklady.size(); ++i)
        EXPECT_EQ(d->siec.Zaklady[i].Kolor, zaklady[i]);
    EXPECT_TRUE(d->kontrolki.brakSieci);
    // plik ustawień nietknięty
    EXPECT_EQ(PlikUstawien(d->plikUstawien).calkowita(QStringLiteral("Kolory"), QStringLiteral("KolorTla"), 0), 255);

    // "Kolor" 1: kolorowy, tło i trasa w kolorach mapy
    ustawienia("[Drukarka]\nKolor=1\n");
    const StronaMapy k = WydrukMapki(*d, MapkaCala);
    EXPECT_FALSE(k.czarnoBiala);
    EXPECT_EQ(k.elementy.obszary[0].Kolor, d->kolory.KolorTla);
    // wymuszony czarno-biały mimo ustawienia
    EXPECT_TRUE(WydrukMapki(*d, MapkaCala, kPpiPdf, true).czarnoBiala);
}

// ---- strona

std::int32_t piks(const QImage& im, int x, int y) { return bgr(im, x, y); }

TEST_F(WydrukMapy, StronaTloRamkaTrasaMarginesyIDane)
{
    // bez obszarów terytorialnych: tło mapy widać wszędzie poza liniami i napisami
    ustawienia("[Drukarka]\nKolor=1\n[Inne]\nPodzialTerytorialny=2\n");
    trasa();
    StronaMapy s = WydrukMapki(*d, MapkaDoTrasy);
    // element mapy sięgający daleko w lewy margines
    s.elementy.linie.push_back({-150, 500, 300, 500, 5, 0, 0x0000FF});
    const QImage im = ObrazStronyMapy(s);
    ASSERT_EQ(im.size(), QSize(1234, 1754));

    // margines biały, także tam, gdzie sięga linia; na mapie linia czerwona
    EXPECT_EQ(piks(im, 5, 5), 0xFFFFFF);
    int czerwone = 0;
    for (int x = 0; x < kOx - 2; ++x)
        EXPECT_EQ(piks(im, x, kOy + 500), 0xFFFFFF) << x;
    for (int x = kOx + 10; x < kOx + 290; ++x)
        czerwone += piks(im, x, kOy + 500) == 0x0000FF ? 1 : 0;
    EXPECT_GT(czerwone, 200);
    EXPECT_EQ(piks(im, 1200, 1700), 0xFFFFFF);
    // ramka (3 px) na krawędzi obszaru mapy, czarna także tam, gdzie linia ją przecina
    EXPECT_EQ(piks(im, kOx, kOy + 300), 0);
    EXPECT_EQ(piks(im, kOx, kOy + 500), 0);
    EXPECT_EQ(piks(im, kOx + 1004, kOy + 300), 0);
    EXPECT_EQ(piks(im, kOx + 400, kOy + 945), 0);
    // tło mapy w rogu obszaru (poza konturem kraju)
    EXPECT_EQ(piks(im, kOx + 6, kOy + 6), d->kolory.KolorTla);
    // piksel trasy: środek pierwszego elementu trasy
    Widok w = d->widok;
    w.zoom = s.zoom;
    UstalSkale(w, kSzerMapyPiks, kWysMapyPiks, d->siec.SrodekDomyslny);
    w.WspXSrodka = s.srodekX;
    w.WspYSrodka = s.srodekY;
    int naTrasie = 0;
    for (const TSciezka& e : d->trasa.Sciezki) {
        const TPiksel p = pktpiks(w, (e.XOd + e.XDo) / 2, (e.YOd + e.YDo) / 2);
        naTrasie += jestKolorWokol(im, p.x + kOx, p.y + kOy, 2, d->kolory.KolorLiniiTrasy) ? 1 : 0;
    }
    EXPECT_GT(naTrasie, int(d->trasa.Sciezki.size()) / 2);
    // blok danych: czarny tekst w okolicy (19, 197) mm
    const int xd = int(19 / 25.4 * 150), yd = int(197 / 25.4 * 150);
    int czarne = 0;
    for (int y = yd; y < yd + 20; ++y)
        for (int x = xd; x < xd + 200; ++x)
            czarne += piks(im, x, y) == 0 ? 1 : 0;
    EXPECT_GT(czarne, 50);
}

TEST_F(WydrukMapy, CzarnoBialaStronaBezKolorow)
{
    ustawienia("[Drukarka]\nKolor=0\n");
    trasa();
    const QImage im = ObrazStronyMapy(WydrukMapki(*d, MapkaCala));
    // tylko odcienie szarości, poza województwami (kolory województw zostają)
    int kolorowe = 0;
    for (int y = 0; y < im.height(); y += 3)
        for (int x = 0; x < im.width(); x += 3) {
            const QColor c = im.pixelColor(x, y);
            kolorowe += (c.red() != c.green() || c.green() != c.blue()) ? 1 : 0;
        }
    EXPECT_LT(kolorowe, 200);   // wygładzone brzegi napisów
    EXPECT_EQ(piks(im, kOx + 6, kOy + 6), 0xFFFFFF);
}

TEST_F(WydrukMapy, PasekSkaliNaStronieIWylaczenieUstawieniem)
{
    ustawienia("[Drukarka]\nKolor=1\n");
    const auto czarneWRogu = [](const QImage& im) {
        int n = 0;
        for (int y = kOy + 945 - 50; y < kOy + 945 - 5; ++y)
            for (int x = kOx + 8; x < kOx + 250; ++x)
                n += bgr(im, x, y) == 0 ? 1 : 0;
        return n;
    };
    const StronaMapy s = WydrukMapki(*d, MapkaCala);
    EXPECT_TRUE(s.pasekSkali);
    const int z = czarneWRogu(ObrazStronyMapy(s));
    ustawienia("[Drukarka]\nKolor=1\n[Inne]\nPasekSkali=0\n");
    const StronaMapy b = WydrukMapki(*d, MapkaCala);
    EXPECT_FALSE(b.pasekSkali);
    EXPECT_GT(z, czarneWRogu(ObrazStronyMapy(b)) + 100);
}

// ---- pasek skali

TEST(PasekSkali, OkraglaDlugoscMieszczacaSieWPasku)
{
    EXPECT_EQ(DlugoscPaskaSkali(0.0015, 120), 50000);   // 80 km -> 50 km
    EXPECT_EQ(DlugoscPaskaSkali(0.001, 120), 100000);   // dokładnie 120 km -> 100 km
    EXPECT_EQ(DlugoscPaskaSkali(0.01, 100), 10000);     // dokładnie 10 km
    EXPECT_EQ(DlugoscPaskaSkali(12, 120), 10);          // 8192×: metry
    EXPECT_EQ(DlugoscPaskaSkali(0, 120), 0);
    EXPECT_EQ(DlugoscPaskaSkali(200, 120), 0);          // mniej niż metr
    // przy każdym powiększeniu pasek od 40 % do 100 % najdłuższego
    for (double k = 0.0001; k < 100; k *= 1.37) {
        const double m = DlugoscPaskaSkali(k, 120);
        const double mantysa = m / std::pow(10.0, std::floor(std::log10(m) + 1e-9));
        EXPECT_TRUE(std::abs(mantysa - 1) < 1e-9 || std::abs(mantysa - 2) < 1e-9 || std::abs(mantysa - 5) < 1e-9) << m;
        EXPECT_LE(m * k, 120 + 1e-9);
        EXPECT_GE(m * k, 120 * 0.4 - 1e-9);
    }
    EXPECT_EQ(TekstPaskaSkali(50000), QStringLiteral("50 km"));
    EXPECT_EQ(TekstPaskaSkali(1000), QStringLiteral("1 km"));
    EXPECT_EQ(TekstPaskaSkali(500), QStringLiteral("500 m"));
}

TEST(PasekSkali, RysowanyWLewymDolnymRoguIZmieniaSieZPowiekszeniem)
{
    const auto pasek = [](double k) {
        QImage im(400, 300, QImage::Format_RGB32);
        im.fill(Qt::white);
        QPainter p(&im);
        RysujPasekSkali(p, QRectF(im.rect()), k);
        p.end();
        // najdalszy czarny piksel w pasie paska
        int prawy = -1, gorny = 300;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                if (bgr(im, x, y) == 0) {
                    prawy = std::max(prawy, x);
                    gorny = std::min(gorny, y);
                }
        return std::pair{prawy, gorny};
    };
    const auto [p1, g1] = pasek(0.0015);
    EXPECT_GT(g1, 300 - 45);          // w dolnym pasie
    EXPECT_GT(p1, 10 + 0.0015 * 50000);   // koniec paska 75 px od początku, z napisem dalej
    EXPECT_LT(p1, 200);
    // dwa razy większe powiększenie: 20 km zamiast 50 km, pasek krótszy
    const auto [p2, g2] = pasek(0.003);
    EXPECT_LT(p2, p1);
    (void)g2;
}

// ---- podgląd

TEST(PodgladMapki, GranicePowiekszenia)
{
    EXPECT_EQ(PowiekszPodglad(10000), 12000);
    EXPECT_EQ(ZmniejszPodglad(12000), 10000);
    EXPECT_EQ(PowiekszPodglad(300000), 360000);   // jeszcze nie powyżej 300000
    EXPECT_EQ(PowiekszPodglad(360000), 360000);
    EXPECT_EQ(ZmniejszPodglad(334), 278);         // co najmniej 333,33
    EXPECT_EQ(ZmniejszPodglad(333), 333);
}

// ---- konfiguracja kolorów

TEST_F(WydrukMapy, BrakKoloruWezlowMapaZielonyOknoCzerwoneIZapisCzerwony)
{
    ustawienia("[Drukarka]\nKolor=5\n[Inne]\nPodzialTerytorialny=0\nNumerowanieStacji=1\n");
    EXPECT_EQ(d->kolory.KolorPunktowStacjiWezlowych, 0x00FF00);
    const StanOknaKolorow s = WczytajOknoKolorow(*d);
    EXPECT_EQ(s.kolory[5], 0x0000FF);                  // "Kolor punktów stacji węzłowych"
    EXPECT_EQ(s.kolory[0], 0x000080);                  // "Kolor Linii": domyślny mapy
    EXPECT_EQ(s.rodzajWydruku, 0);                     // 5 pokazane jako "Czarno-biały"
    EXPECT_TRUE(s.numerowanie);
    EXPECT_EQ(s.podzial, 1);

    d->siec.Wojewodztwa[2].Kolor = 0x00AA00;           // zmieniony w oknie
    QString blad;
    ASSERT_TRUE(ZapiszOknoKolorow(*d, s, blad)) << blad.toStdString();
    d->kontrolki.brakSieci = true;
    WczytajKoloryPoOknie(*d);
    EXPECT_EQ(d->kolory.KolorPunktowStacjiWezlowych, 0x0000FF);
    EXPECT_EQ(d->kolory.PodzialTerytorialny, 1);       // zapis przełącza na województwa
    EXPECT_EQ(d->kolory.DrukarkaKolor, 0);
    EXPECT_EQ(d->siec.Wojewodztwa[2].Kolor, 0x00AA00);
    EXPECT_TRUE(d->kontrolki.brakSieci);               // kontrolki ograniczeń bez zmian

    // zmiana koloru obszaru bez zapisu: po zamknięciu okna wraca zapisany
    d->siec.Wojewodztwa[2].Kolor = 0x0000AA;
    WczytajKoloryPoOknie(*d);
    EXPECT_EQ(d->siec.Wojewodztwa[2].Kolor, 0x00AA00);
}

// ---- środek domyślny

TEST(SrodekDomyslnyMapy, GestyKonturPoJednejStronieDajeSrodekProstokata)
{
    // kontur 600 km wysoki, punkty zagęszczone na południu: średnia 100 km od dołu
    std::vector<TPunktKonturuPolski> k;
    for (int i = 0; i < 50; ++i)
        k.push_back({double(i * 1000), 0, 0});
    k.push_back({0, 600000, 0});
    k.push_back({50000, 600000, 0});
    const TPunkt s = obliczSrodekDomyslny(k);
    EXPECT_DOUBLE_EQ(s.y, 300000);
    EXPECT_DOUBLE_EQ(s.x, 25000);
    // kontur, który ze średniej widać cały: średnia zostaje
    const TPunkt m = obliczSrodekDomyslny({{0, 0, 0}, {100000, 0, 0}, {100000, 300000, 0}});
    EXPECT_DOUBLE_EQ(m.y, 100000);
}

TEST_F(WydrukMapy, CalaSiecPrzykladowaWidocznaPrzy1x)
{
    // okno mapy szerokie i niskie: widok 1× ma dokładnie 670 km wysokości
    for (const QSize rozmiar : {QSize(1100, 760), QSize(800, 600)}) {
        rysuj(*d, rozmiar.width(), rozmiar.height());
        ASSERT_EQ(d->widok.zoom, kPowiekszenie1x);
        for (const auto& p : d->siec.KonturPolski) {
            const TPiksel q = pktpiks(d->widok, p.x, p.y);
            EXPECT_TRUE(q.x >= 0 && q.x <= rozmiar.width() && q.y >= 0 && q.y <= rozmiar.height())
                << q.x << "," << q.y;
        }
        for (const auto& st : d->siec.Stacje) {
            const TPiksel q = pktpiks(d->widok, st.Xkm, st.Ykm);
            EXPECT_TRUE(q.y >= 0 && q.y <= rozmiar.height()) << st.NazwaStacji.tekst().toStdString();
        }
    }
}

} // namespace
} // namespace tks::test
