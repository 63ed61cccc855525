// Cykl życia okna głównego w rdzeniu: aktywacja (sieć, ustawienia), pokazanie,
// krok przed zestawieniami, pytanie przy zamykaniu.

#include "app/CyklDrogi.h"
#include "app/Droga.h"
#include "app/Srodowisko.h"
#include "network/PlikSieci.h"
#include "routing/Warunki.h"
#include "wspolne/SiecTestowa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks;

namespace {

const QString kSiecPrzykladowa = QStringLiteral(TKS_RUN_DIR "/FDane.bin");

struct Cykl : ::testing::Test {
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    Droga d{ia, katalog.path()};

    void plik(const QString& sciezka, const QByteArray& tresc)
    {
        QFile f(sciezka);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tresc);
    }
    QByteArray tresc(const QString& sciezka)
    {
        QFile f(sciezka);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Mała sieć: dwa rodzaje, trzy stacje, kontur kraju.
    QString malaSiec()
    {
        Siec s;
        test::dodajRodzaje(s);
        const int a = test::dodajStacje(s, QStringLiteral("Zielona"), 0, 0);
        const int b = test::dodajStacje(s, QStringLiteral("Ąbrowo"), 1000, 0);
        const int c = test::dodajStacje(s, QStringLiteral("Borki"), 2000, 0);
        test::dodajOdcinek(s, a, b, 1000, 1);
        test::dodajOdcinek(s, b, c, 1000, 1);
        test::przygotujStawki(s, 1000);
        s.KonturPolski = {{0, 0, 1}, {4000, 0, 1}, {4000, 2000, 1}, {0, 2000, 1}};
        const QString sciezka = katalog.filePath(QStringLiteral("FDane.bin"));
        QString blad;
        EXPECT_TRUE(ZapiszLinieDoPliku(s, sciezka, blad)) << blad.toStdString();
        return sciezka;
    }
    void punktTrasy()
    {
        TGlownaStacja g;
        g.Rodzaj = kPunktPoczatkowy;
        g.LpStacji = 0;
        d.trasa.GlowneStacje.push_back(g);
    }
};

TEST_F(Cykl, AktywacjaWczytujeSiecIUstalaStanPoczatkowy)
{
    const QString sciezka = malaSiec();
    d.pociag.ZmianyPociagu = true;
    d.kontrolki.wczytywaniePociagu = true;
    d.kontrolki.kryterium = 2;
    d.trasa.TrybWyboru = 3;
    d.trasa.ListaStacjiZabronionych = {1, 1};
    d.trasa.ListaOdcinkowZabronionych = {0};
    d.trasa.LicznikGrup = 7;
    d.wycena.sumaPostojow = 12.5;
    punktTrasy();

    ASSERT_TRUE(TworzDroge(d, sciezka));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
    EXPECT_TRUE(d.siecWczytana);
    EXPECT_EQ(d.siec.liczbaStacji(), 3);
    EXPECT_EQ(d.wycena.sumaPostojow, 0);
    EXPECT_TRUE(d.pierwszePokazanie);
    EXPECT_EQ(d.plikListyPociagow, d.katalogProgramu + QStringLiteral("Pociagi/ListaPociagow.cds"));
    EXPECT_FALSE(d.pociag.ZmianyPociagu);
    EXPECT_FALSE(d.kontrolki.wczytywaniePociagu);
    EXPECT_EQ(d.trasa.TrybWyboru, 0);
    EXPECT_TRUE(d.trasa.ListaStacjiZabronionych.empty());
    EXPECT_TRUE(d.trasa.ListaOdcinkowZabronionych.empty());
    // pierwszy rodzaj i jego pierwszy przedział
    EXPECT_EQ(d.kontrolki.idRodzajuStawki, 0);
    EXPECT_EQ(d.kontrolki.lpZakresuBr, 0);
    // indeks nazw (polskie porządkowanie) i środek domyślny
    ASSERT_EQ(d.siec.StacjeWgNazwy.size(), 3u);
    EXPECT_EQ(d.siec.nazwaStacji(d.siec.StacjeWgNazwy[0]), QStringLiteral("Ąbrowo"));
    EXPECT_DOUBLE_EQ(d.siec.SrodekDomyslny.x, 2000);
    EXPECT_DOUBLE_EQ(d.siec.SrodekDomyslny.y, 1000);
    // kryterium "najkrótsza", warunki z kontrolek
    EXPECT_EQ(d.kontrolki.kryterium, 0);
    EXPECT_EQ(d.trasa.Kryterium, 0);
    EXPECT_TRUE(d.trasa.MaskaOgraniczen & cechy::Zabroniony);
    EXPECT_TRUE(d.trasa.MaskaOgraniczen & cechy::DoPominiecia);
    // widok bez pliku ustawień: 1x na środku domyślnym
    EXPECT_EQ(d.widok.zoom, 10000);
    EXPECT_EQ(d.widok.tolerancjaKlikniecia, 20);
    EXPECT_DOUBLE_EQ(d.widok.WspXSrodka, 2000);
    EXPECT_DOUBLE_EQ(d.widok.WspYSrodka, 1000);
    // pusta trasa
    EXPECT_TRUE(d.trasa.GlowneStacje.empty());
    EXPECT_EQ(d.trasa.LicznikGrup, 0);
    EXPECT_EQ(d.trasa.dlugoscDoNaglowka, 1e100);
}

TEST_F(Cykl, AktywacjaNaSieciPrzykladowej)
{
    ASSERT_TRUE(aktywacja(d, kSiecPrzykladowa));
    EXPECT_GT(d.siec.liczbaStacji(), 0);
    EXPECT_EQ(d.siec.StacjeWgNazwy.size(), d.siec.Stacje.size());
    EXPECT_GE(d.kontrolki.lpZakresuBr, 0);
}

TEST_F(Cykl, BrakPlikuSieciKomunikatIDzialanieBezSieci)
{
    plik(d.plikUstawien, "[Ustawienia]\nPowiekszenie=\"4\"\nWspXSrodka=\"123,5\"\nWspYSrodka=\"7\"\n"
                         "[Inne]\nBrakSieci=1\n");
    const QString brak = katalog.filePath(QStringLiteral("nie-ma/FDane.bin"));
    EXPECT_FALSE(TworzDroge(d, brak));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    const auto& z = ia.zdarzenia()[0];
    EXPECT_EQ(z.tytul, QStringLiteral("Błąd"));
    EXPECT_EQ(z.ikona, Ikona::Blad);
    EXPECT_TRUE(z.tekst.contains(brak)) << z.tekst.toStdString();
    EXPECT_FALSE(d.siecWczytana);
    EXPECT_EQ(d.siec.liczbaStacji(), 0);
    EXPECT_EQ(d.kontrolki.lpZakresuBr, -1);
    // ustawienia przeczytane mimo braku sieci, więc zamknięcie ich nie zamazuje
    EXPECT_EQ(d.widok.zoom, 40000);
    EXPECT_TRUE(d.kontrolki.brakSieci);
    PokazanieDrogi(d);
    KasujDroge(d);
    ASSERT_TRUE(ZamykanieDrogi(d, [] { return false; }));
    Droga e(ia, katalog.path());
    aktywacja(e, brak);
    EXPECT_EQ(e.widok.zoom, 40000);
    EXPECT_DOUBLE_EQ(e.widok.WspXSrodka, 123.5);
    EXPECT_DOUBLE_EQ(e.widok.WspYSrodka, 7);
    EXPECT_TRUE(e.kontrolki.brakSieci);
}

TEST_F(Cykl, UszkodzonyPlikSieciKomunikatISiecPusta)
{
    const QString dobry = malaSiec();
    QByteArray b = tresc(dobry);
    const QString zly = katalog.filePath(QStringLiteral("uciety.bin"));
    plik(zly, b.left(b.size() / 2));
    EXPECT_FALSE(aktywacja(d, zly));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    EXPECT_EQ(d.siec.liczbaStacji(), 0);
    EXPECT_EQ(d.siec.liczbaOdcinkow(), 0);
    EXPECT_TRUE(d.siec.StacjeWgNazwy.empty());
}

TEST_F(Cykl, ZestawieniaPrzedPierwszymPokazaniem)
{
    TworzDroge(d, malaSiec());
    ASSERT_TRUE(d.pierwszePokazanie);
    d.pociag.Naglowek.dodajWiersz();   // coś, co utworzenie tabel ma wyczyścić
    PrzygotujZestawienia(d);
    EXPECT_TRUE(d.pociag.tabeleUtworzone);
    EXPECT_FALSE(d.pierwszePokazanie);
    EXPECT_EQ(d.pociag.Naglowek.liczbaWierszy(), 0);   // bez nowego pociągu

    // pokazanie potem: nowy pociąg i skasowana trasa
    punktTrasy();
    d.trasa.ListaStacjiZabronionych = {2};
    PokazanieDrogi(d);
    EXPECT_EQ(d.pociag.Naglowek.liczbaWierszy(), 1);
    EXPECT_TRUE(d.pociag.NowyPociag);
    EXPECT_TRUE(d.trasa.GlowneStacje.empty());
    EXPECT_TRUE(d.trasa.ListaStacjiZabronionych.empty());
    EXPECT_FALSE(d.pociag.ZmianyPociagu);

    // ponowne zestawienia nie ruszają bieżącego pociągu
    PrzygotujZestawienia(d);
    EXPECT_EQ(d.pociag.Naglowek.liczbaWierszy(), 1);
}

TEST_F(Cykl, PierwszePokazanieTworzyTabeleINowyPociag)
{
    TworzDroge(d, malaSiec());
    d.kontrolki.idRodzajuStawki = 1;
    d.kontrolki.lpZakresuBr = 1;
    PokazanieDrogi(d);
    EXPECT_TRUE(d.pociag.tabeleUtworzone);
    EXPECT_FALSE(d.pierwszePokazanie);
    ASSERT_EQ(d.pociag.Naglowek.liczbaWierszy(), 1);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("IdRodzajuStawki")).toInt(), 1);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("LpZakresuBr")).toInt(), 1);
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);
}

TEST_F(Cykl, PytanieOZapisTylkoDlaZmienionegoPociaguZPunktem)
{
    TworzDroge(d, malaSiec());
    PokazanieDrogi(d);
    int zapisy = 0;
    const auto zapis = [&] { ++zapisy; return false; };

    // zmieniony, bez punktów: bez pytania
    d.pociag.ZmianyPociagu = true;
    EXPECT_TRUE(ZamykanieDrogi(d, zapis));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
    EXPECT_TRUE(QFile::exists(d.plikUstawien));

    // z punktem, niezmieniony: bez pytania
    punktTrasy();
    d.pociag.ZmianyPociagu = false;
    EXPECT_TRUE(ZamykanieDrogi(d, zapis));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());

    // zmieniony z punktem: pytanie
    d.pociag.ZmianyPociagu = true;
    QFile::remove(d.plikUstawien);
    ia.dodajOdpowiedz(Odpowiedz::Anuluj);
    EXPECT_FALSE(ZamykanieDrogi(d, zapis));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    const auto& z = ia.zdarzenia()[0];
    EXPECT_EQ(z.rodzaj, ZdarzenieInterakcji::Rodzaj::Pytanie);
    EXPECT_EQ(z.tekst, QStringLiteral("Czy zapisać zmiany dla nowego pociągu ?"));
    EXPECT_EQ(z.tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(z.ikona, Ikona::Ostrzezenie);
    EXPECT_FALSE(QFile::exists(d.plikUstawien));   // Anuluj: ustawień nie zapisano
    EXPECT_EQ(zapisy, 0);

    // Tak z nieudanym zapisem: okno zostaje
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    EXPECT_FALSE(ZamykanieDrogi(d, zapis));
    EXPECT_EQ(zapisy, 1);
    EXPECT_FALSE(QFile::exists(d.plikUstawien));

    // Tak z udanym zapisem, potem Nie: zamknięcie i zapis ustawień
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    EXPECT_TRUE(ZamykanieDrogi(d, [] { return true; }));
    ia.dodajOdpowiedz(Odpowiedz::Nie);
    d.wycena.sumaPostojow = 3;
    EXPECT_TRUE(ZamykanieDrogi(d, zapis));
    EXPECT_EQ(zapisy, 1);
    EXPECT_EQ(d.wycena.sumaPostojow, 0);
    EXPECT_TRUE(QFile::exists(d.plikUstawien));
}

TEST_F(Cykl, TekstPytaniaDlaWczytanegoPociagu)
{
    TworzDroge(d, malaSiec());
    PokazanieDrogi(d);
    d.pociag.NowyPociag = false;
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("IC1234"));
    EXPECT_EQ(tekstPytaniaOZapis(d), QStringLiteral("Czy zapisać zmiany dla pociągu nr IC1234 ?"));
}

TEST(Srodowisko, FolderProgramuIPlikUstawien)
{
    QTemporaryDir inny;
    QString blad;
    auto s = srodowiskoStartu({}, QStringLiteral("/opt/tks/taksatura"), blad);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->katalogProgramu, QStringLiteral("/opt/tks/"));
    EXPECT_EQ(s->plikUstawien, QStringLiteral("/opt/tks/taksatura.ini"));
    EXPECT_EQ(s->plikSieci, QStringLiteral("FDane.bin"));
    EXPECT_EQ(s->rozkladOd, QDate(2017, 12, 10));
    EXPECT_EQ(s->rozkladDo, QDate(2018, 12, 8));

    s = srodowiskoStartu({QStringLiteral("-x"), QStringLiteral("--katalog"), inny.path()},
                         QStringLiteral("/opt/tks/taksatura"), blad);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->katalogProgramu, QDir(inny.path()).absolutePath() + QLatin1Char('/'));
    EXPECT_EQ(s->plikUstawien, s->katalogProgramu + QStringLiteral("taksatura.ini"));
    EXPECT_EQ(plikPomocy(s->katalogProgramu), s->katalogProgramu + QStringLiteral("Pomoc/Taksatura.htm"));

    EXPECT_FALSE(srodowiskoStartu({QStringLiteral("--katalog")}, QStringLiteral("/opt/tks/taksatura"), blad));
    EXPECT_FALSE(srodowiskoStartu({QStringLiteral("--katalog=") + inny.filePath(QStringLiteral("brak"))},
                                  QStringLiteral("/opt/tks/taksatura"), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("nie istnieje")));
}

} // namespace
