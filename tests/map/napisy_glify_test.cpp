// Napisy z zapamiętanych ciągów glifów mają dawać te same piksele, co drawText:
// nazwy z polskimi literami, spacjami i cyframi, w stylach i rozmiarach mapy, na
// obrazach obu formatów ekranu, także drugi raz (z pamięci) i po zmianie czcionki.

#include "map/Kanwa.h"
#include "wspolne/Obrazy.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

QImage napisy(QImage::Format format, bool glify, int powtorzen)
{
    const QStringList teksty = {QStringLiteral("Warszawa Centralna"), QStringLiteral("Łódź Kaliska"),
                                QStringLiteral("Żyrardów"),           QStringLiteral("Szczecin Główny"),
                                QStringLiteral(" 12 Kraków Płaszów"), QStringLiteral("ĄĘÓŚĆŹŻŁŃ ąęóśćźżłń"),
                                QStringLiteral("Poznań Gł. (T)"),     QStringLiteral("Bielsko-Biała 2"),
                                QStringLiteral("x")};
    QImage im(520, 420, format);
    im.fill(QColor(190, 215, 170));
    QPainter p(&im);
    KanwaEkranu k(p, true);
    k.uzywajGlifow(glify);
    int y = 2;
    for (int i = 0; i < powtorzen; ++i)
        for (const std::uint8_t styl : {std::uint8_t(0), stylCzcionki::Pogrubiona, stylCzcionki::Kursywa,
                                        stylCzcionki::Podkreslona, std::uint8_t(stylCzcionki::Pogrubiona |
                                                                                stylCzcionki::Podkreslona)})
            for (const std::uint8_t rozmiar : {7, 8, 10}) {
                k.czcionka.styl = styl;
                k.czcionka.rozmiar = rozmiar;
                k.czcionka.kolor = 0x800000 + styl * 0x10 + rozmiar;
                int x = 3 + (y * 7) % 37;
                for (const QString& t : teksty) {
                    k.Etykieta({x % 480, y % 400}, t);
                    x += 23;
                    y += 3;
                }
            }
    return im;
}

TEST(NapisyGlify, TeSamePikseleCoDrawText)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(format);
        EXPECT_EQ(roznePiksele(napisy(format, true, 2), napisy(format, false, 2)), 0);
    }
}

} // namespace
} // namespace tks::test
