#include "wspolne/Cli.h"
#include "wspolne/DrukQt.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks::test;

TEST(CliSieci, DumpNetworkPokazujeCalyModelSieciPrzykladowej)
{
    const auto w = uruchomCli({QStringLiteral("dump-network")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject o = w.json();
    for (const char* klucz : {"Zarzadcy", "RodzajeStawek", "tabele", "KonturPolski", "Zaklady", "Wojewodztwa", "Stacje",
                              "Odcinki", "Swieta", "SrodekDomyslny", "StacjeWgNazwy"})
        EXPECT_TRUE(o.contains(QLatin1String(klucz))) << klucz;
    const QJsonArray stacje = o.value(QStringLiteral("Stacje")).toArray();
    const QJsonArray odcinki = o.value(QStringLiteral("Odcinki")).toArray();
    EXPECT_GT(stacje.size(), 500);
    EXPECT_GT(odcinki.size(), 500);
    EXPECT_EQ(o.value(QStringLiteral("StacjeWgNazwy")).toArray().size(), stacje.size());
    EXPECT_EQ(o.value(QStringLiteral("Zarzadcy")).toArray().at(1).toString(), QStringLiteral("KZT ZLT S.A."));
    EXPECT_TRUE(o.value(QStringLiteral("Swieta")).toArray().contains(QStringLiteral("2018-11-12")));

    // spójność: lista odcinków stacji wskazuje odcinki, które dotykają tej stacji
    for (int i = 0; i < stacje.size(); i += 37) {
        const QJsonObject s = stacje[i].toObject();
        for (const auto& e : s.value(QStringLiteral("odcinki")).toArray()) {
            const QJsonObject od = odcinki[e.toInt()].toObject();
            EXPECT_TRUE(od.value(QStringLiteral("LpStA")).toInt() == i || od.value(QStringLiteral("LpStB")).toInt() == i);
        }
    }
    // stawki [rodzaj][przedział], tyle przedziałów, ile ma rodzaj
    const QJsonArray rodzaje = o.value(QStringLiteral("RodzajeStawek")).toArray();
    const QJsonArray st0 = odcinki[0].toObject().value(QStringLiteral("stawki")).toArray();
    ASSERT_EQ(st0.size(), rodzaje.size());
    for (int r = 0; r < rodzaje.size(); ++r)
        EXPECT_EQ(st0[r].toArray().size(), rodzaje[r].toObject().value(QStringLiteral("LZakrBr")).toInt());
}

TEST(CliSieci, Geo2Map)
{
    auto w = uruchomCli({QStringLiteral("geo2map"), QStringLiteral("833333.3333333334"), QStringLiteral("9500000")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_NEAR(w.json().value(QStringLiteral("x")).toDouble(), 500000.0, 1e-6);
    EXPECT_NEAR(w.json().value(QStringLiteral("y")).toDouble(), 459231.9263066137, 1e-6);

    w = uruchomCli({QStringLiteral("geo2map"), QStringLiteral("abc"), QStringLiteral("1")});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(w.bledy.count(QLatin1Char('\n')), 1) << w.bledy.toStdString();
    EXPECT_TRUE(w.wyjscie.isEmpty());
}

TEST(CliSieci, BledneWywolaniaIUszkodzonyPlik)
{
    auto w = uruchomCli({QStringLiteral("dump-network"), QStringLiteral("--nieznana"), QStringLiteral("1")});
    EXPECT_EQ(w.kod, 2);
    EXPECT_TRUE(w.bledy.contains(QStringLiteral("Nieznana opcja"))) << w.bledy.toStdString();

    w = uruchomCli({QStringLiteral("nie-ma-takiego")});
    EXPECT_EQ(w.kod, 2);

    QTemporaryDir dir;
    const QString zly = dir.filePath(QStringLiteral("FDane.bin"));
    QFile f(zly);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QFile dobry(plikSieciPrzykladowej());
    ASSERT_TRUE(dobry.open(QIODevice::ReadOnly));
    f.write(dobry.read(5000));   // obcięty
    f.close();
    w = uruchomCli({QStringLiteral("dump-network"), QStringLiteral("--network"), zly});
    EXPECT_EQ(w.kod, 2);
    EXPECT_TRUE(w.bledy.contains(QStringLiteral("uszkodzony"))) << w.bledy.toStdString();
    EXPECT_TRUE(w.wyjscie.isEmpty());

    // brak pliku w bieżącym folderze
    w = uruchomCli({QStringLiteral("dump-network")}, {}, dir.filePath(QStringLiteral("..")));
    EXPECT_EQ(w.kod, 2);

    // baza, której nie ma: operacja się nie udała, żaden plik nie powstaje
    const QString wyj = dir.filePath(QStringLiteral("nowy.bin"));
    w = uruchomCli({QStringLiteral("build-network"), QStringLiteral("--db"), dir.filePath(QStringLiteral("brak.sqlite")),
                    QStringLiteral("--out"), wyj});
    EXPECT_EQ(w.kod, 1);
    EXPECT_FALSE(QFile::exists(wyj));
}
