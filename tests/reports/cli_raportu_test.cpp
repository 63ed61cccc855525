// Polecenie report przez prawdziwy program taksatura-cli na sieci przykładowej.

#include "wspolne/Cli.h"
#include "wspolne/DrukQt.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

class Report : public ::testing::Test {
protected:
    WynikCli raport(const QStringList& argumenty)
    {
        return uruchomCli(QStringList{QStringLiteral("report"), QStringLiteral("--network"), plikSieciPrzykladowej(),
                                      QStringLiteral("--dir"), katalog.path(), QStringLiteral("--start"),
                                      QStringLiteral("Warszawa Centralna"), QStringLiteral("--end"),
                                      QStringLiteral("Kraków Główny")}
                          + argumenty);
    }
    QString plik(const char* nazwa) const { return katalog.filePath(QString::fromLatin1(nazwa)); }
    QTemporaryDir katalog;
};

TEST_F(Report, PdfITekstTejSamejTrasy)
{
    const WynikCli pdf = raport({"--level", "1", "--number", "12/3", "--name", "Próbny", "--out", plik("t.pdf")});
    ASSERT_EQ(pdf.kod, 0) << pdf.bledy.toStdString();
    const QJsonObject j = pdf.json();
    EXPECT_EQ(j[QStringLiteral("tytul")].toString(), QStringLiteral("TAKSATURA POCIĄGU NR 12/3"));
    EXPECT_EQ(j[QStringLiteral("naglowek")].toString(), QStringLiteral("Trasa pociągu nr 12/3 według zmian linii i stawek"));
    EXPECT_EQ(j[QStringLiteral("strony")].toInt(), 1);
    EXPECT_EQ(j[QStringLiteral("opis")].toArray().at(1).toString(), QStringLiteral("Nazwa pociągu : Próbny"));
    QFile f(plik("t.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");

    const WynikCli txt = raport({"--level", "1", "--out", plik("t.txt")});
    ASSERT_EQ(txt.kod, 0) << txt.bledy.toStdString();
    QFile t(plik("t.txt"));
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    const QStringList linie = QString::fromUtf8(t.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(linie.size(), j[QStringLiteral("wiersze")].toInt() + 1);
    EXPECT_TRUE(linie[0].startsWith(QStringLiteral("Lp\tOd punktu\tDo punktu\t")));
    EXPECT_TRUE(linie[1].startsWith(QStringLiteral("1\tWarszawa Centralna\t")));
    EXPECT_EQ(txt.json()[QStringLiteral("wiersze")].toInt(), linie.size() - 1);
}

TEST_F(Report, ZleOpcjeIPlikDoKtoregoNieMoznaPisac)
{
    EXPECT_EQ(raport({"--level", "3", "--out", plik("a.pdf")}).kod, 2);
    EXPECT_EQ(raport({"--level", "x", "--out", plik("a.pdf")}).kod, 2);
    EXPECT_EQ(raport({"--out", plik("a.pdf")}).kod, 2);
    EXPECT_EQ(raport({"--level", "0", "--out", plik("a.png")}).kod, 2);
    EXPECT_EQ(raport({"--level", "0"}).kod, 2);
    EXPECT_EQ(raport({"--level", "0", "--out", plik("a.pdf"), "--bez-sensu", "1"}).kod, 2);
    for (const char* n : {"brak/a.pdf", "brak/a.txt"}) {
        const WynikCli w = raport({"--level", "0", "--out", plik(n)});
        EXPECT_EQ(w.kod, 1) << n;
        EXPECT_FALSE(w.bledy.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(plik(n)));
    }
}

} // namespace
} // namespace tks::test
