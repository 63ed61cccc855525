// Polecenia compare i profile oraz wyjaśnienie braku trasy w komunikatach route,
// przez prawdziwy program taksatura-cli na sieci przykładowej.

#include "wspolne/Cli.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks::test;

namespace {

const QStringList kTrasa = {QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"), QStringLiteral("--end"),
                            QStringLiteral("Kraków Główny")};

} // namespace

TEST(CliWglad, CompareDajeTrzyKryteriaZNaglowkiemJakRoute)
{
    const WynikCli c = uruchomCli(QStringList{QStringLiteral("compare")} + kTrasa);
    ASSERT_EQ(c.kod, 0) << c.bledy.toStdString();
    const QJsonArray trasy = c.json().value(QStringLiteral("trasy")).toArray();
    ASSERT_EQ(trasy.size(), 3);
    const int kryteria[] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject t = trasy[i].toObject();
        EXPECT_EQ(t.value(QStringLiteral("kryterium")).toInt(), kryteria[i]);
        EXPECT_FALSE(t.value(QStringLiteral("linie")).toArray().isEmpty());
        EXPECT_GT(t.value(QStringLiteral("czas")).toObject().value(QStringLiteral("Tr")).toInt(), 0);
        EXPECT_TRUE(t.value(QStringLiteral("komunikaty")).toArray().isEmpty());

        // naglowek i czas jak w route z tym kryterium
        const WynikCli r = uruchomCli(QStringList{QStringLiteral("route"), QStringLiteral("--criterion"),
                                                  QString::number(kryteria[i])}
                                      + kTrasa);
        ASSERT_EQ(r.kod, 0) << r.bledy.toStdString();
        const QJsonObject rn = r.json().value(QStringLiteral("naglowek")).toObject();
        const QJsonObject cn = t.value(QStringLiteral("naglowek")).toObject();
        for (const char* pole : {"CenaWyliczona", "Dlugosc", "DlugoscWycen", "CenaRozkJazdy", "WycenaPelna"})
            EXPECT_EQ(cn.value(QLatin1String(pole)), rn.value(QLatin1String(pole))) << kryteria[i] << " " << pole;
        EXPECT_EQ(t.value(QStringLiteral("czas")).toObject(), r.json().value(QStringLiteral("czas")).toObject());
        // linie w kolejności trasy: kolejne różne numery linii elementów
        QJsonArray linie;
        for (const QJsonValue e : r.json().value(QStringLiteral("sciezki")).toArray()) {
            const int n = e.toObject().value(QStringLiteral("NrLinii")).toInt();
            if (linie.isEmpty() || linie.last().toInt() != n)
                linie.append(n);
        }
        EXPECT_EQ(t.value(QStringLiteral("linie")).toArray(), linie) << kryteria[i];
    }
}

TEST(CliWglad, RouteDoGrabowaMowiDlaczegoNieMaTrasy)
{
    const WynikCli r = uruchomCli({QStringLiteral("route"), QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"),
                                   QStringLiteral("--end"), QStringLiteral("Grabowo")});
    ASSERT_EQ(r.kod, 0) << r.bledy.toStdString();
    const QJsonArray k = r.json().value(QStringLiteral("komunikaty")).toArray();
    ASSERT_EQ(k.size(), 1);
    const QString t = k[0].toObject().value(QStringLiteral("tekst")).toString();
    EXPECT_TRUE(t.startsWith(
        QStringLiteral("Nie można wyznaczyć trasy z Warszawa Centralna do Grabowo przy obecnych warunkach.\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("Linie nieczynne"))) << t.toStdString();
    EXPECT_EQ(r.json().value(QStringLiteral("punkty")).toArray().size(), 1);
}

TEST(CliWglad, ProfileZapisujeWierszeCo100MetrowObrazIPdf)
{
    QTemporaryDir tmp;
    const QString csv = tmp.filePath(QStringLiteral("profil.csv"));
    const WynikCli c = uruchomCli(QStringList{QStringLiteral("profile"), QStringLiteral("--out"), csv} + kTrasa);
    ASSERT_EQ(c.kod, 0) << c.bledy.toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList w = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const WynikCli r = uruchomCli(QStringList{QStringLiteral("route")} + kTrasa);
    const double km = r.json().value(QStringLiteral("naglowek")).toObject().value(QStringLiteral("Dlugosc")).toDouble();
    const int metry = int(std::lround(km * 1000));
    ASSERT_EQ(w.size(), 1 + (metry + 99) / 100);
    EXPECT_EQ(w[0], QStringLiteral("km;predkosc;limit;linia"));
    EXPECT_TRUE(w[1].startsWith(QStringLiteral("0,000;0;")));
    EXPECT_TRUE(w[11].startsWith(QStringLiteral("1,000;")));
    for (const QString& wiersz : w.mid(1))
        ASSERT_EQ(wiersz.split(QLatin1Char(';')).size(), 4) << wiersz.toStdString();

    const QString png = tmp.filePath(QStringLiteral("profil.png"));
    const WynikCli p = uruchomCli(QStringList{QStringLiteral("profile"), QStringLiteral("--out"), png} + kTrasa);
    ASSERT_EQ(p.kod, 0) << p.bledy.toStdString();
    const QImage obraz(png);
    EXPECT_EQ(obraz.size(), QSize(1600, 800));

    const QString pdf = tmp.filePath(QStringLiteral("profil.pdf"));
    const WynikCli d = uruchomCli(QStringList{QStringLiteral("profile"), QStringLiteral("--out"), pdf} + kTrasa);
    ASSERT_EQ(d.kod, 0) << d.bledy.toStdString();
    QFile fp(pdf);
    ASSERT_TRUE(fp.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fp.read(5) == "%PDF-");
}

TEST(CliWglad, ProfileBezTrasyAlboZeZlymPlikiemToBladUzycia)
{
    QTemporaryDir tmp;
    const WynikCli bezTrasy = uruchomCli({QStringLiteral("profile"), QStringLiteral("--start"), QStringLiteral("Lublin"),
                                          QStringLiteral("--out"), tmp.filePath(QStringLiteral("p.csv"))});
    EXPECT_EQ(bezTrasy.kod, 2);
    EXPECT_FALSE(QFile::exists(tmp.filePath(QStringLiteral("p.csv"))));
    const WynikCli zlyPlik =
        uruchomCli(QStringList{QStringLiteral("profile"), QStringLiteral("--out"), tmp.filePath(QStringLiteral("p.txt"))}
                   + kTrasa);
    EXPECT_EQ(zlyPlik.kod, 2);
    EXPECT_TRUE(zlyPlik.bledy.contains(QStringLiteral(".png, .pdf albo .csv")));
    // folder, którego nie ma: operacja się nie udała
    const WynikCli brakFolderu = uruchomCli(
        QStringList{QStringLiteral("profile"), QStringLiteral("--out"), tmp.filePath(QStringLiteral("nie/ma/p.png"))}
        + kTrasa);
    EXPECT_EQ(brakFolderu.kod, 1);
}
