#include "common/Daty.h"
#include "common/Interakcja.h"
#include "network/BazaSieci.h"
#include "network/PlikSieci.h"
#include "wspolne/DrukQt.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

using namespace tks;

namespace {

QString sciezkaDanych(const QString& plik) { return QStringLiteral(TKS_DANE "/") + plik; }

// Baza testowa: schemat programu i mała sieć; testy dopisują własne wiersze.
class BazaSieciTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString plik;
    InterakcjaSkryptowa ia;
    QStringList dziennik;

    void SetUp() override
    {
        plik = dir.filePath(QStringLiteral("siec.sqlite"));
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("przygotowanie"));
            db.setDatabaseName(plik);
            ASSERT_TRUE(db.open());
            QFile f(sciezkaDanych(QStringLiteral("schemat.sql")));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            QString bezKomentarzy;
            for (const QString& linia : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
                if (!linia.trimmed().startsWith(QLatin1String("--")))
                    bezKomentarzy += linia + QLatin1Char('\n');
            for (const QString& polecenie : bezKomentarzy.split(QLatin1Char(';'))) {
                if (polecenie.trimmed().isEmpty())
                    continue;
                QSqlQuery q(db);
                ASSERT_TRUE(q.exec(polecenie)) << q.lastError().text().toStdString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("przygotowanie"));
        wykonaj({
            "INSERT INTO Zarzadcy VALUES (1, 'KZT ZLT S.A.'), (2, 'Inny Zarządca Sp. z o.o.')",
            "INSERT INTO RodzajeStawek VALUES (0, ' Pasażerski ', 'P', 'PAS', 3), (1, 'Towarowy', 'T', 'TOW', 4)",
            "INSERT INTO ZakresyBr VALUES (1,0,0,0,200,150,'do 200 t'),(2,0,1,200,400,300,'do 400 t'),"
            "(3,0,2,400,900,600,'ponad 400 t'),(4,1,0,0,1000,800,'a'),(5,1,1,1000,2000,1500,'b'),"
            "(6,1,2,2000,3000,2500,'c'),(7,1,3,3000,5000,4000,'d')",
            "INSERT INTO KonturPolski VALUES (1,1,1000,2000),(1,2,3000,4000)",
            "INSERT INTO StacjeDoProgramu VALUES (0, 10, 'A', ' Alfa ', 833333.33, 9500000, 1, NULL),"
            "(1, 11, 'B', 'Beta', 850000, 9520000, -1, 2.5), (2, 12, 'PSL', 'Gamma', 870000, 9540000, 0, NULL)",
            "INSERT INTO OdcinkiDoProgramu (LpOdcinka, lp, LpStA, LpStB, IdObA, IdObB, Odleglosc, MetrOsiA, MetrOsiB, "
            "NrLinii, KodZarzadu, OznFK, IdWojewodztwa, Klasa, KatCenSP, KatCenST, Szerokotorowa, BrakSieci, VP1, VOgr2) "
            "VALUES (0, 100, 0, 1, 10, 11, 5000, 0, 5000, 8, 1, 'AB', NULL, NULL, 1, 2, FALSE, TRUE, 120, 90),"
            "(1, 101, 1, 2, 11, 12, 7000, 5000, 12000, 65, 2, NULL, 6, 3, NULL, 7, TRUE, FALSE, NULL, NULL)",
            // kategoria 1 (pasażerska): tylko dwie stawki na trzy przedziały; 12,3456 → 12346, 0,0005 → 0
            "INSERT INTO Cennik VALUES (1, 'P', 12.3456), (1, 'P', 0.0005), (2, 'T', 20), (2, 'T', 10.0015),"
            "(2, 'T', 30), (2, 'T', 40), (7, 'T', 50.5)",
            "INSERT INTO Swieta VALUES ('2018-01-01'), ('2017-12-25')",
        });
    }
    void TearDown() override { ZamknijBazeSieci(); }

    void wykonaj(std::initializer_list<const char*> polecenia)
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dopisz"));
        db.setDatabaseName(plik);
        ASSERT_TRUE(db.open());
        for (const char* p : polecenia) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QString::fromUtf8(p))) << p << ": " << q.lastError().text().toStdString();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("dopisz"));
    }

    bool wczytaj(Siec& s, QString& blad)
    {
        auto baza = PolaczZBazaSieci(plik, ia, blad);
        if (!baza)
            return false;
        return WczytajLinieZBazy(s, *baza, ia, dziennik, blad);
    }
};

} // namespace

TEST_F(BazaSieciTest, WczytujeCalyModel)
{
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    ASSERT_FALSE(ia.zdarzenia().isEmpty());
    EXPECT_EQ(ia.zdarzenia().first().tekst, QStringLiteral("proba polaczenia z bza"));
    EXPECT_EQ(ia.zdarzenia().size(), 1);

    ASSERT_EQ(s.Zarzadcy.size(), 3u);
    EXPECT_EQ(s.Zarzadcy[0].tekst(), QString());
    EXPECT_EQ(s.Zarzadcy[1].tekst(), QStringLiteral("KZT ZLT S.A."));
    ASSERT_EQ(s.RodzajeStawek.size(), 2u);
    EXPECT_EQ(s.RodzajeStawek[0].Nazwa.tekst(), QStringLiteral("Pasażerski"));   // przycięte spacje
    EXPECT_EQ(s.RodzajeStawek[1].LZakrBr, 4);
    EXPECT_EQ(s.ZakresyBr.liczbaWierszy(), 7);
    EXPECT_EQ(s.RodzajeStawekTab.tekst(1, QStringLiteral("Skrot")), QStringLiteral("T"));

    ASSERT_EQ(s.Stacje.size(), 3u);
    EXPECT_EQ(s.nazwaStacji(0), QStringLiteral("Alfa"));
    EXPECT_NEAR(s.Stacje[0].Xkm, 500000.0, 0.01);   // 19°E po przeliczeniu
    EXPECT_EQ(s.Stacje[1].Widocznosc, -1);
    EXPECT_EQ(s.Stacje[1].Stawka, 2.5);
    EXPECT_EQ(s.Stacje[0].OdlMin, kNieosiagnieta);
    EXPECT_EQ(s.Stacje[0].StPop, -1);
    EXPECT_EQ(s.OdcinkiStacji[1], (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(s.Stacje[1].LOdcinkow, 2);

    ASSERT_EQ(s.Odcinki.size(), 2u);
    const auto& o0 = s.Odcinki[0];
    EXPECT_EQ(o0.Lp, 100);
    EXPECT_EQ(o0.OznFK.tekst(), QStringLiteral("A"));   // pierwszy znak
    EXPECT_EQ(o0.XB, s.Stacje[1].Xkm);
    EXPECT_EQ(o0.IdWojewodztwa, 0);
    EXPECT_EQ(o0.VP1, 120);
    EXPECT_EQ(o0.VOgr2, 90);
    // szerokość toru i zarządca
    EXPECT_EQ(o0.Cechy, cechy::Normalnotorowa | cechy::BrakSieci);
    EXPECT_EQ(s.Odcinki[1].Cechy, cechy::Szerokotorowa | cechy::ObcyZarzad);
    EXPECT_EQ(s.Odcinki[1].Klasa, 3);
    EXPECT_EQ(s.Odcinki[1].IdWojewodztwa, 6);

    // stawki: dwie pozycje cennika na trzy przedziały - ostatnia powtórzona;
    // posortowane rosnąco; połówki do parzystej
    EXPECT_EQ(s.Stawki.stawka(0, 0, 0), 0);       // 0,0005 → 0
    EXPECT_EQ(s.Stawki.stawka(0, 0, 1), 12346);   // 12,3456 → 12346
    EXPECT_EQ(s.Stawki.stawka(0, 0, 2), 12346);
    EXPECT_EQ(s.Stawki.stawka(0, 1, 0), 10002);   // 10,0015 → 10001,5 → 10002
    EXPECT_EQ(s.Stawki.stawka(0, 1, 3), 40000);
    // kategoria pusta = 0, bez pozycji w cenniku: zera
    EXPECT_EQ(s.Stawki.stawka(1, 0, 2), 0);
    EXPECT_EQ(s.Stawki.stawka(1, 1, 0), 50500);
    EXPECT_EQ(s.Stawki.stawka(1, 1, 3), 50500);

    EXPECT_EQ(s.Swieta, (std::vector<double>{dzienZDaty(QDate(2017, 12, 25)), dzienZDaty(QDate(2018, 1, 1))}));
    EXPECT_EQ(dziennik.size(), 2);
    EXPECT_TRUE(dziennik[0].startsWith(QStringLiteral("Wczytywanie stacji z bazy ")));
    EXPECT_TRUE(dziennik[1].startsWith(QStringLiteral("Wczytywanie linii z bazy ")));
}

TEST_F(BazaSieciTest, TowarowyRodzajBierzeSkrotRodzajuOId1)
{
    // trzeci rodzaj: stawki towarowe nadal z cennika rodzaju 1, a trzeci bez stawek
    wykonaj({"INSERT INTO RodzajeStawek VALUES (2, 'Lokomotywa luzem', 'L', 'LOK', 2)",
             "INSERT INTO Cennik VALUES (2, 'L', 1)"});
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    EXPECT_EQ(s.Stawki.stawka(0, 1, 0), 10002);
    EXPECT_EQ(s.Stawki.stawka(0, 2, 0), 0);
    EXPECT_EQ(s.Stawki.stawka(0, 2, 1), 0);
}

TEST_F(BazaSieciTest, PusteTabele)
{
    wykonaj({"DELETE FROM Zarzadcy", "DELETE FROM RodzajeStawek", "DELETE FROM Swieta"});
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    EXPECT_TRUE(s.Zarzadcy.empty());
    EXPECT_TRUE(s.RodzajeStawek.empty());
    EXPECT_TRUE(s.Swieta.empty());
    EXPECT_EQ(s.Stawki.liczbaRodzajow(), 0);
    EXPECT_EQ(s.Stawki.stawka(0, 0, 0), 0);
    EXPECT_EQ(s.Odcinki.size(), 2u);
}

TEST_F(BazaSieciTest, BlednyWierszStacjiJestZglaszanyAWczytywanieIdzieDalej)
{
    wykonaj({"UPDATE StacjeDoProgramu SET Widocznosc = 'dużo' WHERE LpStacji = 1",
             "UPDATE OdcinkiDoProgramu SET Odleglosc = 'x' WHERE LpOdcinka = 0"});
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    const QStringList t = ia.teksty();
    EXPECT_TRUE(t.contains(QStringLiteral("Błąd pobierania stacji."))) << t.join('|').toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Błąd pobierania odcinków.")));
    for (const auto& z : ia.zdarzenia()) {
        if (z.tekst.startsWith(QStringLiteral("Błąd"))) {
            EXPECT_EQ(z.tytul, QStringLiteral("Uwaga !"));
        }
    }
    EXPECT_EQ(s.nazwaStacji(2), QStringLiteral("Gamma"));
    EXPECT_EQ(s.Odcinki[1].Odleglosc, 7000);
}

TEST_F(BazaSieciTest, PredkoscSpozaBajtuPrzycietaBezUtratyStawek)
{
    wykonaj({"UPDATE OdcinkiDoProgramu SET VP1 = 300, VOgr2 = -1 WHERE LpOdcinka = 0"});
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    EXPECT_TRUE(ia.teksty().filter(QStringLiteral("Błąd pobierania")).isEmpty()) << ia.teksty().join('|').toStdString();
    EXPECT_EQ(s.Odcinki[0].VP1, 255);
    EXPECT_EQ(s.Odcinki[0].VOgr2, 0);
    EXPECT_EQ(s.Stawki.stawka(0, 0, 1), 12346);
    // tekst zamiast prędkości: błąd wiersza, ale stawki zostają
    wykonaj({"UPDATE OdcinkiDoProgramu SET VP1 = 'szybko' WHERE LpOdcinka = 0"});
    Siec s2;
    ASSERT_TRUE(wczytaj(s2, blad)) << blad.toStdString();
    EXPECT_TRUE(ia.teksty().contains(QStringLiteral("Błąd pobierania odcinków.")));
    EXPECT_EQ(s2.Stawki.stawka(0, 0, 1), 12346);
    // czasy w dzienniku z przecinkiem dziesiętnym
    ASSERT_FALSE(dziennik.isEmpty());
    for (const QString& l : dziennik)
        if (l.startsWith(QStringLiteral("Wczytywanie")))
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^Wczytywanie (stacji|linii) z bazy \\d+,\\d{6}$")).match(l).hasMatch())
                << l.toStdString();
}

TEST_F(BazaSieciTest, KluczePozaTablicaSaBledemZNumeremWiersza)
{
    wykonaj({"UPDATE OdcinkiDoProgramu SET LpStB = 9 WHERE LpOdcinka = 1"});
    Siec s;
    s.Stacje.resize(1);
    QString blad;
    EXPECT_FALSE(wczytaj(s, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("OdcinkiDoProgramu"))) << blad.toStdString();
    EXPECT_TRUE(blad.contains(QStringLiteral("wiersz 2")));
    EXPECT_EQ(s.Stacje.size(), 1u);   // model bez zmian

    // ujemna długość: błąd wczytywania z numerem wiersza, nic nie jest zapisywane
    wykonaj({"UPDATE OdcinkiDoProgramu SET LpStB = 2, Odleglosc = -7 WHERE LpOdcinka = 1"});
    EXPECT_FALSE(wczytaj(s, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("wiersz 2"))) << blad.toStdString();
    EXPECT_TRUE(blad.contains(QStringLiteral("Odleglosc = -7 m"))) << blad.toStdString();
    wykonaj({"UPDATE OdcinkiDoProgramu SET Odleglosc = 7000 WHERE LpOdcinka = 1"});

    // koniec, który nie jest liczbą: błąd wiersza, wczytywanie idzie dalej, odcinek pusty i odłączony
    wykonaj({"UPDATE OdcinkiDoProgramu SET LpStB = 2, LpStA = 'zz' WHERE LpOdcinka = 1"});
    Siec t;
    ASSERT_TRUE(wczytaj(t, blad)) << blad.toStdString();
    EXPECT_TRUE(ia.teksty().contains(QStringLiteral("Błąd pobierania odcinków.")));
    ASSERT_EQ(t.Odcinki.size(), 2u);
    EXPECT_EQ(t.Odcinki[1].Odleglosc, 0);
    for (const auto& lista : t.OdcinkiStacji)
        EXPECT_EQ(std::count(lista.begin(), lista.end(), 1), 0);
    EXPECT_EQ(t.OdcinkiStacji[0].size(), 1u);
    // taki model da się zapisać i wczytać z pliku sieci
    const QString plikSieci = dir.filePath(QStringLiteral("FDane.bin"));
    ASSERT_TRUE(ZapiszLinieDoPliku(t, plikSieci, blad)) << blad.toStdString();
    Siec u;
    EXPECT_TRUE(WczytajLinieZPliku(u, plikSieci, blad)) << blad.toStdString();

    wykonaj({"UPDATE OdcinkiDoProgramu SET LpStB = 2 WHERE LpOdcinka = 1",
             "UPDATE StacjeDoProgramu SET LpStacji = 5 WHERE LpStacji = 2"});
    EXPECT_FALSE(wczytaj(s, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("LpStacji"))) << blad.toStdString();
}

TEST_F(BazaSieciTest, ZarzadcyWKolejnosciLiczbowejTakzeZKluczamiTekstowymi)
{
    // klucze bez typu: tekst '5' baza porządkuje za liczbami, więc ostatni wiersz nie ma największego klucza
    wykonaj({"DROP TABLE Zarzadcy", "CREATE TABLE Zarzadcy (Id, Nazwa)",
             "INSERT INTO Zarzadcy VALUES (1, 'KZT ZLT S.A.'), (2, 'Inny Zarządca Sp. z o.o.'), (12, 'Dwunasty'), "
             "('5', 'Piąty')"});
    Siec s;
    QString blad;
    ASSERT_TRUE(wczytaj(s, blad)) << blad.toStdString();
    ASSERT_EQ(s.Zarzadcy.size(), 13u);
    EXPECT_EQ(s.Zarzadcy[12].tekst(), QStringLiteral("Dwunasty"));
    EXPECT_EQ(s.Zarzadcy[5].tekst(), QStringLiteral("Piąty"));
}

TEST_F(BazaSieciTest, StawkaPozaZakresemJestBledem)
{
    wykonaj({"INSERT INTO Cennik VALUES (1, 'P', 70)"});
    Siec s;
    QString blad;
    EXPECT_FALSE(wczytaj(s, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("65,535"))) << blad.toStdString();
}

TEST_F(BazaSieciTest, BrakBazyToCzytelnyBlad)
{
    Siec s;
    QString blad;
    auto baza = PolaczZBazaSieci(dir.filePath(QStringLiteral("nie_ma.sqlite")), ia, blad);
    EXPECT_FALSE(baza);
    EXPECT_TRUE(blad.startsWith(QStringLiteral("Nie można połączyć się z bazą sieci"))) << blad.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nie_ma.sqlite"))));   // nie tworzy pustej bazy
    // nieosiągalny serwer
    blad.clear();
    baza = PolaczZBazaSieci(QStringLiteral("postgresql://u:p@127.0.0.1:1/brak"), ia, blad);
    EXPECT_FALSE(baza);
    EXPECT_FALSE(blad.isEmpty());
}
