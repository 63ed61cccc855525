// Polecenia summary, train reprice-all i price-batch przez prawdziwy program
// taksatura-cli na sieci przykładowej.

#include "wspolne/Cli.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

QString tekstProgramu(const QString& program, const QStringList& argumenty)
{
    QProcess p;
    p.start(program, argumenty);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QMap<QString, QByteArray> pliki(const QString& folder)
{
    QMap<QString, QByteArray> m;
    for (const QString& n : QDir(folder).entryList(QDir::Files)) {
        QFile f(QDir(folder).filePath(n));
        f.open(QIODevice::ReadOnly);
        m.insert(n, f.readAll());
    }
    return m;
}

struct ZestawieniaCli : ::testing::Test {
    QTemporaryDir katalog;
    QStringList wspolne() const
    {
        return {QStringLiteral("--network"), plikSieciPrzykladowej(), QStringLiteral("--dir"), katalog.path()};
    }
    WynikCli cli(QStringList argumenty) const { return uruchomCli(argumenty + wspolne()); }
    void zapiszPociag(const char* start, const char* koniec, int rodzaj, const char* numer) const
    {
        const WynikCli w = cli({QStringLiteral("train"), QStringLiteral("save"), QStringLiteral("--start"),
                                QString::fromUtf8(start), QStringLiteral("--end"), QString::fromUtf8(koniec),
                                QStringLiteral("--kind"), QString::number(rodzaj), QStringLiteral("--number"),
                                QString::fromUtf8(numer)});
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    }
};

TEST_F(ZestawieniaCli, ZestawienieJsonWydrukArkuszITekst)
{
    QDir(katalog.path()).mkpath(QStringLiteral("Pociagi"));
    WynikCli pusta = cli({QStringLiteral("summary")});
    ASSERT_EQ(pusta.kod, 0) << pusta.bledy.toStdString();
    EXPECT_EQ(pusta.json()[QStringLiteral("LiczbaPoc")].toInt(), 0);
    EXPECT_FALSE(pusta.json()[QStringLiteral("drukDostepny")].toBool());

    zapiszPociag("Lublin", "Kraków Główny", 0, "P1");
    zapiszPociag("Warszawa Centralna", "Kraków Główny", 1, "T2");
    const WynikCli w = cli({QStringLiteral("summary")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonArray lista = w.json()[QStringLiteral("lista")].toArray();
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(lista[1].toObject()[QStringLiteral("Rodzaj")].toString(), QStringLiteral("Towarowy"));
    const double suma = lista[0].toObject()[QStringLiteral("CenaWyliczona")].toDouble()
                        + lista[1].toObject()[QStringLiteral("CenaWyliczona")].toDouble();
    EXPECT_NEAR(w.json()[QStringLiteral("SumaCen")].toDouble(), suma, 1e-6);

    const WynikCli towarowe = cli({QStringLiteral("summary"), QStringLiteral("--kind"), QStringLiteral("1")});
    EXPECT_EQ(towarowe.json()[QStringLiteral("LiczbaPoc")].toInt(), 1);
    EXPECT_EQ(towarowe.json()[QStringLiteral("filtr")].toString(), QStringLiteral("(1=1)and(IdRodzajuStawki=1)"));
    EXPECT_EQ(cli({QStringLiteral("summary"), QStringLiteral("--kind"), QStringLiteral("77")}).kod, 2);

    const QString pdf = katalog.filePath(QStringLiteral("z.pdf"));
    ASSERT_EQ(cli({QStringLiteral("summary"), QStringLiteral("--kind"), QStringLiteral("1"), QStringLiteral("--out"), pdf}).kod, 0);
    const QString tekst = tekstProgramu(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* t : {"ZESTAWIENIE POCIĄGÓW", "rodzaju pociągu: Towarowy", "T2", "Warszawa Centralna", "Razem",
                          "Ogółem dla wszystkich przewoźnikow", "Strona: 1"})
        EXPECT_TRUE(tekst.contains(QString::fromUtf8(t))) << t;
    EXPECT_FALSE(tekst.contains(QStringLiteral("P1")));

    const QString xlsx = katalog.filePath(QStringLiteral("z.xlsx"));
    ASSERT_EQ(cli({QStringLiteral("summary"), QStringLiteral("--out"), xlsx}).kod, 0);
    const QString arkusz = tekstProgramu(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QStringLiteral("xl/worksheets/sheet1.xml")});
    EXPECT_TRUE(arkusz.contains(QStringLiteral("state=\"frozen\"")));
    // cena pociągu P1 zapisana jako liczba (komórka bez t="s")
    const QString cena = QString::number(lista[0].toObject()[QStringLiteral("CenaWyliczona")].toDouble(), 'g', 15);
    EXPECT_TRUE(arkusz.contains(QStringLiteral("<v>") + cena.left(6))) << arkusz.toStdString();

    const QString txt = katalog.filePath(QStringLiteral("z.txt"));
    ASSERT_EQ(cli({QStringLiteral("summary"), QStringLiteral("--out"), txt}).kod, 0);
    QFile f(txt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readLine().startsWith(QStringLiteral("Lp\tNr pociągu\t").toUtf8()));
}

TEST_F(ZestawieniaCli, PrzeliczenieWszystkichBezZapisuNicNieZmienia)
{
    zapiszPociag("Lublin", "Kraków Główny", 0, "P1");
    const QString folder = katalog.filePath(QStringLiteral("Pociagi"));
    const auto przed = pliki(folder);
    const WynikCli w = cli({QStringLiteral("train"), QStringLiteral("reprice-all")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonArray p = w.json()[QStringLiteral("pociagi")].toArray();
    ASSERT_EQ(p.size(), 1);
    EXPECT_TRUE(p[0].toObject()[QStringLiteral("Odtworzona")].toBool());
    EXPECT_EQ(p[0].toObject()[QStringLiteral("RoznicaCeny")].toDouble(), 0.0);
    EXPECT_EQ(pliki(folder), przed);
    // --save na niezmienionej sieci: nic do zapisania
    const WynikCli z = cli({QStringLiteral("train"), QStringLiteral("reprice-all"), QStringLiteral("--save")});
    ASSERT_EQ(z.kod, 0) << z.bledy.toStdString();
    EXPECT_EQ(z.json()[QStringLiteral("zapisane")].toInt(), 0);
    EXPECT_EQ(pliki(folder), przed);
}

TEST_F(ZestawieniaCli, WycenaWsadowaDobreIBledneWiersze)
{
    const QString we = katalog.filePath(QStringLiteral("trasy.csv"));
    {
        QFile f(we);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFstart;end;via;kind;vmax;number\r\n"
                "Lublin;Kraków Główny;;;;A1\r\n"
                "Lublin;Nibylandia;;;;A2\r\n"
                "Lublin;Kraków Główny;;jeden;;A3\r\n"
                "Lublin;Kraków Główny;Warszawa Centralna;1;80,0;A4\r\n");
    }
    const QString wy = katalog.filePath(QStringLiteral("wyniki.csv"));
    const WynikCli w = cli({QStringLiteral("price-batch"), QStringLiteral("--in"), we, QStringLiteral("--out"), wy});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.json()[QStringLiteral("bledne")].toInt(), 2);
    EXPECT_TRUE(w.bledy.contains(QStringLiteral("z błędem: 2")));
    QFile f(wy);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList linie = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(linie.size(), 5);
    EXPECT_TRUE(linie[1].startsWith(QStringLiteral("Lublin;Kraków Główny;;;;A1;")));
    EXPECT_TRUE(linie[1].endsWith(QStringLiteral(";")));   // pusty opis błędu
    EXPECT_TRUE(linie[2].endsWith(QStringLiteral("Nieznana stacja: Nibylandia")));
    EXPECT_TRUE(linie[3].contains(QStringLiteral("jeden")));
    EXPECT_TRUE(linie[4].contains(QStringLiteral(";Tak;")));

    const QString xlsx = katalog.filePath(QStringLiteral("wyniki.xlsx"));
    ASSERT_EQ(cli({QStringLiteral("price-batch"), QStringLiteral("--in"), we, QStringLiteral("--out"), xlsx}).kod, 0);
    EXPECT_TRUE(tekstProgramu(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QStringLiteral("xl/sharedStrings.xml")})
                    .contains(QStringLiteral("Nieznana stacja: Nibylandia")));
    // plik bez kolumny end: błąd danych, nic nie zapisano
    QFile zly(katalog.filePath(QStringLiteral("zly.csv")));
    ASSERT_TRUE(zly.open(QIODevice::WriteOnly));
    zly.write("start;via\nLublin;\n");
    zly.close();
    const QString wy2 = katalog.filePath(QStringLiteral("nic.csv"));
    EXPECT_EQ(cli({QStringLiteral("price-batch"), QStringLiteral("--in"), zly.fileName(), QStringLiteral("--out"), wy2}).kod, 2);
    EXPECT_FALSE(QFile::exists(wy2));
}

} // namespace
} // namespace tks::test
