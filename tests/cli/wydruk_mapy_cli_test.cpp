// Polecenie print-map przez prawdziwy program taksatura-cli: strona mapki
// z trasą jako PDF i PNG, kolorowa albo czarno-biała, i błędne wywołania.

#include "wspolne/Cli.h"
#include "wspolne/DrukQt.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

class PrintMap : public ::testing::Test {
protected:
    WynikCli drukuj(const QStringList& argumenty)
    {
        return uruchomCli(QStringList{QStringLiteral("print-map"), QStringLiteral("--network"),
                                      plikSieciPrzykladowej(), QStringLiteral("--dir"), katalog.path()} +
                          argumenty);
    }
    QString plik(const char* nazwa) const { return katalog.filePath(QString::fromLatin1(nazwa)); }
    void ustawienia(const char* tekst)
    {
        QFile f(plik("taksatura.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tekst);
    }
    QTemporaryDir katalog;
};

const QStringList kTrasa{QStringLiteral("--start"), QStringLiteral("Lublin"), QStringLiteral("--end"),
                         QStringLiteral("Kraków Główny")};

// Liczba pikseli koloru na obszarze mapy strony 150 ppi.
int ilePikseliMapy(const QImage& im, QRgb kolor)
{
    int n = 0;
    for (int y = 120; y < 1060; ++y)
        for (int x = 102; x < 1102; ++x)
            n += im.pixel(x, y) == (kolor | 0xFF000000u);
    return n;
}

TEST_F(PrintMap, StronaZTrasaDoPdfZTytulemIDanymi)
{
    const WynikCli w = drukuj(QStringList{QStringLiteral("--kind"), QStringLiteral("2"), QStringLiteral("--out"),
                                          plik("mapa.pdf")} + kTrasa);
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject j = w.json();
    EXPECT_EQ(j[QStringLiteral("tytul")].toString(), QStringLiteral("Trasa nowego pociągu (bez numeru)"));
    EXPECT_TRUE(j[QStringLiteral("czarnoBiala")].toBool());   // bez ustawienia: czarno-biały
    const QJsonArray dane = j[QStringLiteral("dane")].toArray();
    ASSERT_GE(dane.size(), 6);
    EXPECT_EQ(dane[0].toString(), QStringLiteral("Numer pociągu : "));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {plik("mapa.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(tekst.contains(QStringLiteral("Trasa nowego pociągu (bez numeru)"))) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("Długość trasy : "))) << tekst.toStdString();
    // jedna strona A4 pionowo
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {plik("mapa.pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString opis = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(opis.contains(QRegularExpression(QStringLiteral("Pages: +1\n")))) << opis.toStdString();
    EXPECT_TRUE(opis.contains(QStringLiteral("(A4)"))) << opis.toStdString();
}

TEST_F(PrintMap, KolorowaWedlugUstawienCzarnoBialaZOpcjaMono)
{
    ustawienia("[Drukarka]\nKolor=1\n");
    ASSERT_EQ(drukuj(QStringList{QStringLiteral("--kind=0"), QStringLiteral("--out"), plik("k.png")} + kTrasa).kod, 0);
    const QImage k(plik("k.png"));
    ASSERT_EQ(k.size(), QSize(1234, 1754));
    EXPECT_GT(ilePikseliMapy(k, qRgb(0xFF, 0xFF, 0x00)), 20);   // trasa w kolorze 0x00FFFF
    EXPECT_EQ(k.pixel(108, 126), qRgb(0xC0, 0xC0, 0xC0));        // tło mapy w rogu
    EXPECT_EQ(k.pixel(20, 20), qRgb(0xFF, 0xFF, 0xFF));          // margines

    const WynikCli m = drukuj(QStringList{QStringLiteral("--kind=0"), QStringLiteral("--mono"), QStringLiteral("--out"),
                                          plik("m.png")} + kTrasa);
    ASSERT_EQ(m.kod, 0) << m.bledy.toStdString();
    EXPECT_TRUE(m.json()[QStringLiteral("czarnoBiala")].toBool());
    const QImage b(plik("m.png"));
    EXPECT_EQ(ilePikseliMapy(b, qRgb(0xFF, 0xFF, 0x00)), 0);
    EXPECT_EQ(b.pixel(108, 126), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(k.pixel(100, 500), qRgb(0, 0, 0));                 // ramka
}

TEST_F(PrintMap, BledneWywolania)
{
    EXPECT_EQ(drukuj({QStringLiteral("--out"), plik("a.pdf")}).kod, 2);   // bez --kind
    EXPECT_EQ(drukuj({QStringLiteral("--kind"), QStringLiteral("3"), QStringLiteral("--out"), plik("a.pdf")}).kod, 2);
    const WynikCli t = drukuj({QStringLiteral("--kind"), QStringLiteral("0"), QStringLiteral("--out"), plik("a.txt")});
    EXPECT_EQ(t.kod, 2);
    EXPECT_TRUE(t.bledy.contains(QStringLiteral(".pdf"))) << t.bledy.toStdString();
    EXPECT_FALSE(QFile::exists(plik("a.txt")));
    // rodzaj stawki podaje --rate-kind; zły rodzaj to błąd warunków, nie rodzaju mapki
    EXPECT_EQ(drukuj({QStringLiteral("--kind"), QStringLiteral("0"), QStringLiteral("--rate-kind"), QStringLiteral("999"),
                      QStringLiteral("--out"), plik("a.pdf")}).kod, 2);
}

} // namespace
} // namespace tks::test
