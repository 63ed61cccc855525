// Polecenie render-map przez prawdziwy program taksatura-cli na sieci przykładowej.

#include "wspolne/Cli.h"
#include "wspolne/DrukQt.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

const QRgb kTloDomyslne = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kLiniaTrasy = qRgb(0xFF, 0xFF, 0x00);   // KolorLiniiTrasy 0x00FFFF (BGR)

int ilePikseli(const QImage& im, QRgb kolor)
{
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            n += im.pixel(x, y) == (kolor | 0xFF000000u);
    return n;
}

class RenderMap : public ::testing::Test {
protected:
    WynikCli rysuj(const QStringList& argumenty)
    {
        return uruchomCli(QStringList{QStringLiteral("render-map"), QStringLiteral("--network"),
                                      plikSieciPrzykladowej(), QStringLiteral("--dir"), katalog.path()} +
                          argumenty);
    }
    QString plik(const char* nazwa) const { return katalog.filePath(QString::fromLatin1(nazwa)); }
    QTemporaryDir katalog;
};

TEST_F(RenderMap, DomyslnyRozmiarTloITrasa)
{
    const WynikCli bez = rysuj({QStringLiteral("--out"), plik("bez.png")});
    ASSERT_EQ(bez.kod, 0) << bez.bledy.toStdString();
    EXPECT_TRUE(bez.bledy.isEmpty()) << bez.bledy.toStdString();
    const QImage im(plik("bez.png"));
    ASSERT_FALSE(im.isNull());
    EXPECT_EQ(im.size(), QSize(1600, 1000));
    EXPECT_EQ(im.pixel(2, 997), kTloDomyslne | 0xFF000000u);
    EXPECT_EQ(im.pixel(1597, 2), kTloDomyslne | 0xFF000000u);
    EXPECT_EQ(ilePikseli(im, kLiniaTrasy), 0);
    const QJsonObject j = bez.json();
    EXPECT_EQ(j[QStringLiteral("width")].toInt(), 1600);
    EXPECT_EQ(j[QStringLiteral("zoom")].toInt(), 10000);
    EXPECT_EQ(j[QStringLiteral("out")].toString(), QFileInfo(plik("bez.png")).absoluteFilePath());

    const WynikCli z = rysuj({QStringLiteral("--start"), QStringLiteral("Lublin"), QStringLiteral("--end"),
                              QStringLiteral("Kraków Główny"), QStringLiteral("--out"), plik("trasa.png")});
    ASSERT_EQ(z.kod, 0) << z.bledy.toStdString();
    const QImage t(plik("trasa.png"));
    EXPECT_GT(ilePikseli(t, kLiniaTrasy), 100);
}

TEST_F(RenderMap, RozmiarPowiekszenieSrodekIKoloryZUstawien)
{
    {
        QFile ini(plik("taksatura.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Kolory]\nKolorTla=3158064\n");   // 0x303030
    }
    const WynikCli w = rysuj({QStringLiteral("--out"), plik("m.png"), QStringLiteral("--width"), QStringLiteral("300"),
                              QStringLiteral("--height"), QStringLiteral("200"), QStringLiteral("--zoom"),
                              QStringLiteral("4"), QStringLiteral("--centre"), QStringLiteral("600000.5,250000")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QImage im(plik("m.png"));
    EXPECT_EQ(im.size(), QSize(300, 200));
    const QJsonObject j = w.json();
    EXPECT_EQ(j[QStringLiteral("zoom")].toInt(), 40000);
    EXPECT_EQ(j[QStringLiteral("centre")][QStringLiteral("x")].toDouble(), 600000.5);
    EXPECT_EQ(j[QStringLiteral("centre")][QStringLiteral("y")].toDouble(), 250000.0);
    // tło z pliku ustawień folderu programu (poza krajem, na wschodzie)
    const WynikCli wschod = rysuj({QStringLiteral("--out"), plik("w.png"), QStringLiteral("--width"),
                                   QStringLiteral("100"), QStringLiteral("--height"), QStringLiteral("100"),
                                   QStringLiteral("--zoom"), QStringLiteral("64"), QStringLiteral("--centre"),
                                   QStringLiteral("1500000,300000")});
    ASSERT_EQ(wschod.kod, 0) << wschod.bledy.toStdString();
    EXPECT_EQ(QImage(plik("w.png")).pixel(50, 50), qRgb(0x30, 0x30, 0x30));
}

TEST_F(RenderMap, BledneOpcjeIPlikNieDoZapisu)
{
    for (const QStringList& zle :
         {QStringList{}, QStringList{QStringLiteral("--width"), QStringLiteral("0")},
          QStringList{QStringLiteral("--height"), QStringLiteral("abc")},
          QStringList{QStringLiteral("--zoom"), QStringLiteral("0.5")},
          QStringList{QStringLiteral("--zoom"), QStringLiteral("9000")},
          QStringList{QStringLiteral("--centre"), QStringLiteral("500000")},
          QStringList{QStringLiteral("--centre"), QStringLiteral("a,b")},
          QStringList{QStringLiteral("--start"), QStringLiteral("Nie Ma Takiej")},
          QStringList{QStringLiteral("--kolor"), QStringLiteral("1")}}) {
        const bool bezOut = zle.isEmpty();
        const WynikCli w = rysuj(bezOut ? zle : zle + QStringList{QStringLiteral("--out"), plik("zle.png")});
        EXPECT_EQ(w.kod, 2) << zle.join(' ').toStdString();
        EXPECT_EQ(w.bledy.count(QLatin1Char('\n')), 1) << w.bledy.toStdString();
        EXPECT_FALSE(QFile::exists(plik("zle.png")));
    }
    const WynikCli w = rysuj({QStringLiteral("--out"), plik("brak/folderu/m.png")});
    EXPECT_EQ(w.kod, 1);
    EXPECT_TRUE(w.bledy.startsWith(QStringLiteral("Nie można zapisać pliku"))) << w.bledy.toStdString();
    EXPECT_TRUE(QDir(katalog.path()).entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty());
}

} // namespace
} // namespace tks::test
