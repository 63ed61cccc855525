#include "wspolne/SiecTestowa.h"

#include "network/PlikSieci.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Sieć z każdym rodzajem danych, także z "brudem" w niewykorzystanej części
// napisów i w bajtach zarezerwowanych - zapis musi je zachować.
Siec pelnaSiec()
{
    Siec s;
    dodajRodzaje(s);
    s.RodzajeStawek[0].Rezerwa[3] = 0x5A;
    s.Zarzadcy.resize(3);
    s.Zarzadcy[1].ustaw(QStringLiteral("KZT ZLT S.A."));
    s.Zarzadcy[2].ustaw(QStringLiteral("Inny zarządca"));
    s.Zarzadcy[2].znaki[140] = 'x';   // poza długością napisu
    s.KonturPolski = {{1, 2, 1}, {3, 4, 1}, {5, 6, 2}};
    TPodzial z;
    z.Nazwa.ustaw(QStringLiteral("Zakład Kraków"));
    z.Kolor = 0x00AABBCC;
    z.KolorDomyslny = 0x00112233;
    z.LPunktow = 2;
    s.Zaklady = {z, TPodzial{}};
    s.KonturyZakladow = {{{10, 20}, {30, 40}}, {}};
    TPodzial w;
    w.Nazwa.ustaw(QStringLiteral("małopolskie"));
    w.LPunktow = 1;
    s.Wojewodztwa = {w};
    s.KonturyWojewodztw = {{{7, 8}}};
    const int a = dodajStacje(s, QStringLiteral("Kraków Główny"), 100, 200);
    const int b = dodajStacje(s, QStringLiteral("Łódź Kaliska"), 300, 400);
    const int c = dodajStacje(s, QStringLiteral("Źródła"), 500, 600);
    dodajStacje(s, QStringLiteral("Samotna"), 0, 0);   // bez odcinków: nic w liście sąsiedztwa
    s.Stacje[std::size_t(a)].NazwaStacji.znaki[70] = '\x7f';
    s.Stacje[std::size_t(b)].OdlMin = 12.5;
    s.Stacje[std::size_t(b)].StPop = a;
    dodajOdcinek(s, a, b, 1500, 8);
    const int e = dodajOdcinek(s, b, c, 2500, 91, cechy::Szerokotorowa | cechy::ObcyZarzad);
    s.Odcinki[std::size_t(e)].Rezerwa = 0x77;
    s.Odcinki[std::size_t(e)].Znacznik = 3;
    przygotujStawki(s, 0);
    s.Stawki.ustaw(0, 0, 2, 15230);
    s.Stawki.ustaw(1, 1, 1, 65535);
    s.Swieta = {43094, 43101};
    return s;
}

QByteArray zapiszBajty(const Siec& s)
{
    QByteArray b = budujZawartoscSieci(s);
    przeksztalcKluczem(b);
    return b;
}

class PlikSieciTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString sciezka(const QString& n = QStringLiteral("FDane.bin")) const { return dir.filePath(n); }
    void zapiszSurowe(const QByteArray& b, const QString& n = QStringLiteral("FDane.bin"))
    {
        QFile f(sciezka(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
};

} // namespace

TEST_F(PlikSieciTest, ZapisOdczytZapisDajeTeSameBajty)
{
    const Siec s = pelnaSiec();
    QString blad;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad)) << blad.toStdString();
    Siec r;
    ASSERT_TRUE(WczytajLinieZPliku(r, sciezka(), blad)) << blad.toStdString();
    ASSERT_TRUE(ZapiszLinieDoPliku(r, sciezka(QStringLiteral("2.bin")), blad));

    QFile f1(sciezka()), f2(sciezka(QStringLiteral("2.bin")));
    ASSERT_TRUE(f1.open(QIODevice::ReadOnly) && f2.open(QIODevice::ReadOnly));
    EXPECT_EQ(f1.readAll(), f2.readAll());

    // zawartość odczytana wiernie, łącznie z bajtami spoza długości napisów
    EXPECT_EQ(r.Stacje.size(), 4u);
    EXPECT_EQ(r.nazwaStacji(1), QStringLiteral("Łódź Kaliska"));
    EXPECT_EQ(r.Stacje[0].NazwaStacji.znaki[70], '\x7f');
    EXPECT_EQ(r.Stacje[1].OdlMin, 12.5);
    EXPECT_EQ(r.Zarzadcy[2].znaki[140], 'x');
    EXPECT_EQ(r.RodzajeStawek[0].Rezerwa[3], 0x5A);
    EXPECT_EQ(r.Odcinki[1].Rezerwa, 0x77);
    EXPECT_EQ(r.Odcinki[1].Cechy, cechy::Szerokotorowa | cechy::ObcyZarzad);
    EXPECT_EQ(r.OdcinkiStacji[1], (std::vector<std::int32_t>{0, 1}));
    EXPECT_TRUE(r.OdcinkiStacji[3].empty());
    EXPECT_EQ(r.Stawki.stawka(0, 0, 2), 15230);
    EXPECT_EQ(r.Stawki.stawka(1, 1, 1), 65535);
    EXPECT_EQ(r.KonturyZakladow[0].size(), 2u);
    EXPECT_EQ(r.KonturyZakladow[0][1].y, 40);
    EXPECT_EQ(r.Swieta, s.Swieta);
    EXPECT_EQ(r.ZakresyBr, s.ZakresyBr);
    EXPECT_EQ(r.RodzajeStawekTab, s.RodzajeStawekTab);
}

TEST_F(PlikSieciTest, PustyModelZapisujeZeraIWracaPusty)
{
    Siec s;   // bez zarządców, świąt, konturów, stacji, rodzajów
    QString blad;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
    Siec r = pelnaSiec();
    ASSERT_TRUE(WczytajLinieZPliku(r, sciezka(), blad)) << blad.toStdString();
    EXPECT_TRUE(r.Zarzadcy.empty());
    EXPECT_TRUE(r.Swieta.empty());
    EXPECT_TRUE(r.KonturPolski.empty());
    EXPECT_TRUE(r.Stacje.empty());
    EXPECT_TRUE(r.Odcinki.empty());
    EXPECT_EQ(r.ZakresyBr.liczbaWierszy(), 0);
}

TEST_F(PlikSieciTest, StacjaBezOdcinkowNieDokladaBajtow)
{
    Siec s = pelnaSiec();
    const auto przed = budujZawartoscSieci(s).size();
    dodajStacje(s, QStringLiteral("Jeszcze jedna"), 1, 1);
    EXPECT_EQ(budujZawartoscSieci(s).size() - przed, kRozmiarStacji);
}

TEST_F(PlikSieciTest, RozmiaryRekordowZgadzajaSieZUkladem)
{
    Siec s;
    const auto pusty = budujZawartoscSieci(s).size();
    dodajStacje(s, QStringLiteral("A"), 0, 0);
    EXPECT_EQ(budujZawartoscSieci(s).size() - pusty, 138);
    dodajStacje(s, QStringLiteral("B"), 0, 0);
    const auto dwie = budujZawartoscSieci(s).size();
    dodajOdcinek(s, 0, 1, 10, 1);
    przygotujStawki(s, 0);
    EXPECT_EQ(budujZawartoscSieci(s).size() - dwie, 83 + 2 * 4);   // rekord + dwa wpisy sąsiedztwa
    s.RodzajeStawek.resize(1);
    const auto bez = budujZawartoscSieci(s).size();
    s.RodzajeStawek[0].LZakrBr = 2;
    przygotujStawki(s, 0);
    EXPECT_EQ(budujZawartoscSieci(s).size() - bez, 2 * 2);
    s.Zarzadcy.resize(1);
    s.Swieta.push_back(1.0);
    s.KonturPolski.push_back({});
    EXPECT_EQ(budujZawartoscSieci(s).size() - bez - 4, 151 + 8 + 20);
}

TEST_F(PlikSieciTest, PodwojneSzyfrowanieOddajeTresc)
{
    QByteArray b(1000, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char(i * 7);
    QByteArray c = b;
    przeksztalcKluczem(c);
    EXPECT_NE(c, b);
    // klucz zależy od pozycji: te same bajty na różnych pozycjach różnią się po zaszyfrowaniu
    QByteArray zera(400, '\0');
    przeksztalcKluczem(zera);
    EXPECT_NE(zera[0], zera[1]);
    EXPECT_EQ(zera[0], zera[kOkresKlucza]);
    przeksztalcKluczem(c);
    EXPECT_EQ(c, b);
}

// Szyfrowanie blokami po okresie klucza daje to samo, co bajt po bajcie według
// opisu: bajt na pozycji p (od 1) XOR ((p mod okres) + przesunięcie).
TEST_F(PlikSieciTest, SzyfrowanieJakBajtPoBajcie)
{
    for (const int n : {0, 1, kOkresKlucza - 1, kOkresKlucza, kOkresKlucza + 1, 5 * kOkresKlucza + 17, 100000}) {
        QByteArray b(n, '\0');
        for (int i = 0; i < n; ++i)
            b[i] = char((i * 131 + 7) ^ (i >> 3));
        QByteArray wzor = b;
        for (qsizetype i = 0; i < wzor.size(); ++i)
            wzor[i] = char(static_cast<unsigned char>(wzor[i])
                           ^ static_cast<unsigned char>(((i + 1) % kOkresKlucza) + kPrzesuniecieKlucza));
        przeksztalcKluczem(b);
        EXPECT_EQ(b, wzor) << n << " B";
    }
}

TEST_F(PlikSieciTest, ObcietyPlikJestOdrzucanyWKazdymMiejscu)
{
    const Siec wzor = pelnaSiec();
    const QByteArray pelny = zapiszBajty(wzor);
    for (int n = 0; n < pelny.size(); ++n) {
        zapiszSurowe(pelny.left(n));
        Siec s = pelnaSiec();
        s.Stacje[0].Widocznosc = 77;
        QString blad;
        ASSERT_FALSE(WczytajLinieZPliku(s, sciezka(), blad)) << "długość " << n;
        ASSERT_TRUE(blad.contains(sciezka())) << blad.toStdString();
        ASSERT_EQ(s.Stacje[0].Widocznosc, 77) << "model zmieniony przy długości " << n;
        ASSERT_EQ(s.Stacje.size(), 4u);
    }
}

TEST_F(PlikSieciTest, UszkodzonePlikiSaOdrzucaneZOpisem)
{
    const Siec wzor = pelnaSiec();
    QString blad;
    Siec s;

    zapiszSurowe(QByteArray());
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("pusty"))) << blad.toStdString();

    zapiszSurowe(zapiszBajty(wzor) + QByteArray(5, 'z'));
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("nadmiarowych"))) << blad.toStdString();

    // zmyślona, ogromna liczba: odrzucona bez prób rezerwowania pamięci
    Siec tylkoKontur;
    tylkoKontur.KonturPolski = {{1, 1, 1}};
    QByteArray k = budujZawartoscSieci(tylkoKontur);
    // ostatnie 4 bajty to liczba świąt (0); ustaw ją na 0x7fffffff
    k[k.size() - 1] = char(0x7f);
    k[k.size() - 2] = char(0xff);
    k[k.size() - 3] = char(0xff);
    k[k.size() - 4] = char(0xff);
    przeksztalcKluczem(k);
    zapiszSurowe(k);
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("świąt"))) << blad.toStdString();

    // ujemna liczba
    QByteArray u = budujZawartoscSieci(tylkoKontur);
    u[u.size() - 1] = char(0xff);
    przeksztalcKluczem(u);
    zapiszSurowe(u);
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("ujemna"))) << blad.toStdString();

    // plik niezaszyfrowany (np. podmieniony) też jest odrzucany, a nie czytany na ślepo
    zapiszSurowe(budujZawartoscSieci(wzor));
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(), blad));
}

TEST_F(PlikSieciTest, OdwolaniaPozaTabliceSaOdrzucane)
{
    QString blad;
    Siec s = pelnaSiec();
    s.Odcinki[1].LpStB = 99;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
    Siec r;
    EXPECT_FALSE(WczytajLinieZPliku(r, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("nieistniejącą stację"))) << blad.toStdString();

    s = pelnaSiec();
    s.OdcinkiStacji[0][0] = 5;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
    EXPECT_FALSE(WczytajLinieZPliku(r, sciezka(), blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("nieistniejący odcinek"))) << blad.toStdString();

    s = pelnaSiec();
    s.Stacje[2].NazwaStacji.dl = 200;   // długość większa niż pojemność
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
    EXPECT_FALSE(WczytajLinieZPliku(r, sciezka(), blad));

    // ujemna długość odcinka (wyszukiwanie krążyłoby bez końca) i absurdalna długość
    for (const std::int32_t dlugosc : {-5000, kMaxDlugoscOdcinka + 1}) {
        s = pelnaSiec();
        s.Odcinki[1].Odleglosc = dlugosc;
        ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
        EXPECT_FALSE(WczytajLinieZPliku(r, sciezka(), blad));
        EXPECT_TRUE(blad.contains(QStringLiteral("odcinek 1 ma długość"))) << blad.toStdString();
    }
    s = pelnaSiec();
    s.Odcinki[1].Odleglosc = kMaxDlugoscOdcinka;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, sciezka(), blad));
    EXPECT_TRUE(WczytajLinieZPliku(r, sciezka(), blad)) << blad.toStdString();
}

TEST_F(PlikSieciTest, BrakPlikuToKomunikatZNazwa)
{
    Siec s = pelnaSiec();
    QString blad;
    EXPECT_FALSE(WczytajLinieZPliku(s, sciezka(QStringLiteral("nie_ma.bin")), blad));
    EXPECT_TRUE(blad.startsWith(QStringLiteral("Nie można otworzyć pliku sieci"))) << blad.toStdString();
    EXPECT_TRUE(blad.contains(QStringLiteral("nie_ma.bin")));
    EXPECT_EQ(s.Stacje.size(), 4u);
}
