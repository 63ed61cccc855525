// Plik ustawień: powiększenie i środek mapy, kolory, trzy ograniczenia.

#include "app/Droga.h"
#include "app/PlikUstawien.h"
#include "app/SzerokosciKolumn.h"
#include "app/Ustawienia.h"
#include "map/Kolory.h"
#include "wspolne/DrukQt.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks;

namespace {

struct Ustawienia : ::testing::Test {
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    Droga d{ia, katalog.path()};

    void SetUp() override
    {
        ASSERT_TRUE(katalog.isValid());
        d.siec.SrodekDomyslny = {512000.5, 250000.25};
    }
    void plik(const QByteArray& tresc)
    {
        QFile f(d.plikUstawien);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tresc);
    }
    QByteArray tresc()
    {
        QFile f(d.plikUstawien);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::int64_t zoomZ(const QByteArray& wartosc)
    {
        static int n = 0;
        d.plikUstawien = katalog.filePath(QStringLiteral("zoom%1.ini").arg(++n));
        plik("[Ustawienia]\nPowiekszenie=" + wartosc + "\n");
        d.widok.zoom = 0;
        WczytajUstawienia(d);
        return d.widok.zoom;
    }
};

TEST_F(Ustawienia, PowiekszenieZPrzecinkiemIWartosciBrzegowe)
{
    EXPECT_EQ(zoomZ("0,5"), 10000);       // poniżej 1,0 -> 1,0
    EXPECT_EQ(zoomZ("2,5"), 25000);
    EXPECT_EQ(zoomZ("\"2,5\""), 25000);   // zapis dawniejszej wersji programu
    EXPECT_EQ(zoomZ(" 2,5 \r"), 25000);    // spacje i koniec linii CR LF
    EXPECT_EQ(zoomZ("2.5"), 10000);       // kropka: nie liczba, wartość domyślna
    EXPECT_EQ(zoomZ("3"), 30000);
    EXPECT_EQ(zoomZ("1,00005"), 10000);   // 10000,5 -> do parzystej
    EXPECT_EQ(zoomZ("1,00015"), 10002);
    EXPECT_EQ(zoomZ(""), 10000);
    EXPECT_EQ(zoomZ("dwa"), 10000);
    EXPECT_EQ(zoomZ("-4"), 10000);
    EXPECT_EQ(zoomZ("1e300"), 81920000);  // nie przepełnia licznika
}

TEST_F(Ustawienia, BezPlikuWartosciDomyslne)
{
    d.widok.zoom = 40000;
    d.kontrolki.brakSieci = true;
    d.kontrolki.podObcymZarzadem = false;
    d.kontrolki.szerokie = false;
    d.kontrolki.normalne = true;
    d.kolory.KolorTla = 1;
    WczytajUstawienia(d);
    WczytajKolory(d);
    EXPECT_EQ(d.widok.zoom, 10000);
    EXPECT_DOUBLE_EQ(d.widok.WspXSrodka, 512000.5);
    EXPECT_DOUBLE_EQ(d.widok.WspYSrodka, 250000.25);
    EXPECT_FALSE(d.kontrolki.brakSieci);
    EXPECT_TRUE(d.kontrolki.podObcymZarzadem);
    EXPECT_TRUE(d.kontrolki.szerokie);
    EXPECT_FALSE(d.kontrolki.normalne);
    EXPECT_EQ(d.kolory.KolorTla, 0xC0C0C0);
    EXPECT_EQ(d.kolory.KolorLinii, 128);
    EXPECT_EQ(d.kolory.KolorPunktowStacjiWezlowych, 0x00FF00);
    EXPECT_EQ(d.kolory.PodzialTerytorialny, 0);
    EXPECT_FALSE(d.kolory.NumerowanieStacji);
    EXPECT_FALSE(QFile::exists(d.plikUstawien));   // odczyt nie tworzy pliku
}

TEST_F(Ustawienia, SrodekZPliku)
{
    plik("[Ustawienia]\nWspXSrodka=\"600000,75\"\nWspYSrodka=300000.5\n");
    WczytajUstawienia(d);
    EXPECT_DOUBLE_EQ(d.widok.WspXSrodka, 600000.75);
    EXPECT_DOUBLE_EQ(d.widok.WspYSrodka, 250000.25);   // kropka: domyślny środek

    // środek daleko poza każdą siecią: środek domyślny w obu osiach
    plik("[Ustawienia]\nWspXSrodka=600000\nWspYSrodka=1e200\n");
    WczytajUstawienia(d);
    EXPECT_DOUBLE_EQ(d.widok.WspXSrodka, d.siec.SrodekDomyslny.x);
    EXPECT_DOUBLE_EQ(d.widok.WspYSrodka, 250000.25);
}

TEST_F(Ustawienia, PlikWStronieKodowejWindowsINieczytelnyPlik)
{
    // komentarz z polskimi literami w CP1250 przechodzi przez zapis bez zniekształceń
    plik("; Ustawienia stanowiska \xb3\xf3" "d\x9f\r\n[Ustawienia]\r\nPowiekszenie=2\r\n");
    WczytajUstawienia(d);
    EXPECT_EQ(d.widok.zoom, 20000);
    ASSERT_TRUE(ZapiszUstawienia(d));
    EXPECT_TRUE(QString::fromUtf8(tresc()).startsWith(QStringLiteral("; Ustawienia stanowiska łódź\n")))
        << tresc().toStdString();

    // plik, którego nie da się przeczytać (tu folder), nie jest nadpisywany: błąd z nazwą
    d.plikUstawien = katalog.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(d.plikUstawien));
    ia.wyczysc();
    EXPECT_FALSE(ZapiszUstawienia(d));
    ASSERT_FALSE(ia.zdarzenia().isEmpty());
    EXPECT_TRUE(ia.zdarzenia().back().tekst.contains(QStringLiteral("folder.ini"))) << ia.zdarzenia().back().tekst.toStdString();
    EXPECT_TRUE(QFileInfo(d.plikUstawien).isDir());
}

TEST_F(Ustawienia, ZapisZPrzecinkiemIOdczytTychSamychWartosci)
{
    plik("[Kolory]\nKolorTla=255\n\n[Inne]\nPodzialTerytorialny=1\n");
    d.widok.zoom = 25000;
    d.widok.WspXSrodka = 512345.678;
    d.widok.WspYSrodka = -0.5;
    d.kontrolki.brakSieci = true;
    d.kontrolki.podObcymZarzadem = false;
    d.kontrolki.szerokie = false;
    d.kontrolki.normalne = true;
    ASSERT_TRUE(ZapiszUstawienia(d));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());

    const QByteArray t = tresc();
    // liczby jak w zwykłym pliku INI: z przecinkiem, bez cudzysłowów
    EXPECT_TRUE(t.contains("Powiekszenie=2,5\n")) << t.toStdString();
    EXPECT_TRUE(t.contains("WspXSrodka=512345,678\n")) << t.toStdString();
    EXPECT_TRUE(t.contains("BrakSieci=1")) << t.toStdString();
    EXPECT_TRUE(t.contains("PodObcymZarzadem=0")) << t.toStdString();
    EXPECT_TRUE(t.contains("Szerokie=0")) << t.toStdString();
    EXPECT_TRUE(t.contains("KolorTla=255"));            // inne klucze zostają
    EXPECT_TRUE(t.contains("PodzialTerytorialny=1"));

    Droga e(ia, katalog.path());
    WczytajUstawienia(e);
    WczytajKolory(e);
    EXPECT_EQ(e.widok.zoom, 25000);
    EXPECT_DOUBLE_EQ(e.widok.WspXSrodka, 512345.678);
    EXPECT_DOUBLE_EQ(e.widok.WspYSrodka, -0.5);
    EXPECT_TRUE(e.kontrolki.brakSieci);
    EXPECT_FALSE(e.kontrolki.podObcymZarzadem);
    EXPECT_FALSE(e.kontrolki.szerokie);
    EXPECT_TRUE(e.kontrolki.normalne);
    EXPECT_EQ(e.kolory.KolorTla, 255);
}

TEST_F(Ustawienia, ZapisZachowujeInneLinieISzukaBezWielkosciLiter)
{
    plik("; ustawienia stanowiska\r\n[ustawienia]\r\npowiekszenie=4\r\nInny=x\r\n\r\n[Obca]\r\nA=1\r\n");
    WczytajUstawienia(d);
    EXPECT_EQ(d.widok.zoom, 40000);
    d.widok.zoom = 20000;
    ASSERT_TRUE(ZapiszUstawienia(d));
    const QString t = QString::fromUtf8(tresc());
    // klucz zamieniony w miejscu, nowe klucze na końcu swojej sekcji, reszta bez zmian
    EXPECT_TRUE(t.startsWith(QStringLiteral("; ustawienia stanowiska\n[ustawienia]\npowiekszenie=2\nInny=x\nWspXSrodka=")))
        << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("\n\n[Obca]\nA=1\n"))) << t.toStdString();
    EXPECT_EQ(t.count(QStringLiteral("[ustawienia]"), Qt::CaseInsensitive), 1);
    EXPECT_TRUE(t.contains(QStringLiteral("[Inne]\nBrakSieci="))) << t.toStdString();
    Droga e(ia, katalog.path());
    e.plikUstawien = d.plikUstawien;
    WczytajUstawienia(e);
    EXPECT_EQ(e.widok.zoom, 20000);
}

TEST_F(Ustawienia, NieudanyZapisZglaszaBlad)
{
    // folder pliku ustawień jest zwykłym plikiem: nie da się go utworzyć
    plik("x");
    d.plikUstawien = d.plikUstawien + QStringLiteral("/taksatura.ini");
    EXPECT_FALSE(ZapiszUstawienia(d));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    EXPECT_EQ(ia.zdarzenia()[0].ikona, Ikona::Blad);
}

TEST_F(Ustawienia, KoloryOpcjeIKoloryRegionow)
{
    plik("[Kolory]\nKolorLinii=$0000FF\nKolorTla=0x102030\nKolorNazwStacji=zielony\nKolorPunktowTrasy=-1\n"
         "[Drukarka]\nKolor=5\n"
         "[Inne]\nNumerowanieStacji=1\nPodzialTerytorialny=2\nBrakSieci=true\nPodObcymZarzadem=0\nSzerokie=false\n"
         "[Zaklady]\nKolorIZ2=4660\n"
         "[Wojewodztwa]\nKolorWoj1=17\nKolorWoj3=x\n");
    d.siec.Zaklady.resize(2);
    d.siec.Zaklady[0].KolorDomyslny = 111;
    d.siec.Zaklady[1].KolorDomyslny = 222;
    d.siec.Wojewodztwa.resize(3);
    for (int i = 0; i < 3; ++i)
        d.siec.Wojewodztwa[std::size_t(i)].KolorDomyslny = 300 + i;
    WczytajKolory(d);
    EXPECT_EQ(d.kolory.KolorLinii, 0xFF);
    EXPECT_EQ(d.kolory.KolorTla, 0x102030);
    EXPECT_EQ(d.kolory.KolorNazwStacji, 0x800000);   // nie liczba: domyślny
    EXPECT_EQ(d.kolory.KolorPunktowTrasy, -1);
    EXPECT_EQ(d.kolory.DrukarkaKolor, 5);
    EXPECT_TRUE(d.kolory.NumerowanieStacji);
    EXPECT_EQ(d.kolory.PodzialTerytorialny, 2);
    EXPECT_TRUE(d.kontrolki.brakSieci);
    EXPECT_FALSE(d.kontrolki.podObcymZarzadem);
    EXPECT_FALSE(d.kontrolki.szerokie);
    EXPECT_TRUE(d.kontrolki.normalne);
    EXPECT_EQ(d.siec.Zaklady[0].Kolor, 111);
    EXPECT_EQ(d.siec.Zaklady[1].Kolor, 4660);
    EXPECT_EQ(d.siec.Wojewodztwa[0].Kolor, 17);
    EXPECT_EQ(d.siec.Wojewodztwa[1].Kolor, 301);
    EXPECT_EQ(d.siec.Wojewodztwa[2].Kolor, 302);
}

TEST(TekstRzeczywistej, PrzecinekBezGrupowania)
{
    EXPECT_EQ(tekstRzeczywistej(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(tekstRzeczywistej(3), QStringLiteral("3"));
    EXPECT_EQ(tekstRzeczywistej(1234567.125), QStringLiteral("1234567,125"));
    EXPECT_EQ(tekstRzeczywistej(-0.0001), QStringLiteral("-0,0001"));
}

} // namespace

TEST_F(Ustawienia, SzerokosciKolumnSiatek)
{
    plik("[Inne]\r\nNieczynne=1\r\n");
    const QString p = d.plikUstawien;
    QString blad;
    ASSERT_TRUE(ZapiszSzerokosciKolumn(p, QStringLiteral("FrmPodgladTrasa"),
                                       {{QStringLiteral("OdStacji"), 240}, {QStringLiteral("Cena"), 20000}}, blad))
        << blad.toStdString();
    // inne okno, ta sama kolumna: osobny klucz
    ASSERT_TRUE(ZapiszSzerokosciKolumn(p, QStringLiteral("FrmWyborPociagu"), {{QStringLiteral("OdStacji"), 90}}, blad));
    const auto s = WczytajSzerokosciKolumn(p, QStringLiteral("FrmPodgladTrasa"),
                                           {QStringLiteral("OdStacji"), QStringLiteral("Cena"), QStringLiteral("Uwagi")});
    EXPECT_EQ(s.value(QStringLiteral("OdStacji")), 240);
    EXPECT_EQ(s.value(QStringLiteral("Cena")), kMaxSzerokoscKolumny);   // ograniczona przy zapisie
    EXPECT_FALSE(s.contains(QStringLiteral("Uwagi")));                  // nieustawiona: według treści
    EXPECT_EQ(WczytajSzerokosciKolumn(p, QStringLiteral("FrmWyborPociagu"), {QStringLiteral("OdStacji")})
                  .value(QStringLiteral("OdStacji")),
              90);
    // inne sekcje zostają; ręcznie zepsuta wartość jest pomijana
    PlikUstawien u(p);
    EXPECT_TRUE(u.logiczna(QStringLiteral("Inne"), QStringLiteral("Nieczynne"), false));
    u.zapiszCalkowita(QStringLiteral("Kolumny"), QStringLiteral("FrmPodgladTrasa.OdStacji"), 2);
    ASSERT_TRUE(u.zapisz(blad));
    EXPECT_TRUE(WczytajSzerokosciKolumn(p, QStringLiteral("FrmPodgladTrasa"), {QStringLiteral("OdStacji")}).isEmpty());
}
