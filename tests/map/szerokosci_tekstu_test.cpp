// Pamięć szerokości tekstów między rysowaniami: te same wymiary co pomiar
// czcionką wprost, osobno dla każdej rozdzielczości urządzenia, i ten sam obraz
// mapy przy pustej i pełnej pamięci.

#include "MapaTestowa.h"

#include "network/GeneratorSieci.h"
#include "routing/Warunki.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Wymiary tekstu zmierzone wprost (podkreślenie i przekreślenie nie zmieniają wymiarów).
QSize wprost(const Czcionka& c, const QPaintDevice* u, const QString& tekst)
{
    Czcionka bez = c;
    bez.styl = c.styl & (stylCzcionki::Pogrubiona | stylCzcionki::Kursywa);
    const QFontMetrics m(qFontZ(bez), u);
    return {m.horizontalAdvance(tekst), m.height()};
}

} // namespace

TEST(SzerokosciTekstu, JakPomiarWprostNaKazdymUrzadzeniu)
{
    const Siec s = GenerujSiec({600, 3});
    QStringList teksty{QString(), QStringLiteral(" "), QStringLiteral("Ąę ŁÓŻ źć")};
    for (const auto& st : s.Stacje)
        teksty << st.NazwaStacji.tekst();
    Kanwa::wyczyscPamiecSzerokosci();
    QImage ekran(50, 50, QImage::Format_RGB32);
    QImage druk(50, 50, QImage::Format_RGB32);
    druk.setDotsPerMeterX(11811);   // 300 dpi
    druk.setDotsPerMeterY(11811);
    for (int przebieg = 0; przebieg < 2; ++przebieg)   // drugi przebieg z pamięci
        for (QImage* u : {&ekran, &druk}) {
            QPainter p(u);
            KanwaEkranu k(p);
            for (const std::uint8_t styl : {std::uint8_t(0), stylCzcionki::Pogrubiona, stylCzcionki::Podkreslona,
                                            std::uint8_t(stylCzcionki::Pogrubiona | stylCzcionki::Kursywa)})
                for (const std::uint8_t rozmiar : {std::uint8_t(8), std::uint8_t(11)}) {
                    k.czcionka.styl = styl;
                    k.czcionka.rozmiar = rozmiar;
                    for (const QString& t : teksty)
                        ASSERT_EQ(k.rozmiarTekstu(t), wprost(k.czcionka, u, t))
                            << t.toStdString() << " styl " << int(styl) << " rozmiar " << int(rozmiar)
                            << " przebieg " << przebieg;
                }
        }
}

TEST(SzerokosciTekstu, ObrazMapyTakiSamZPamieciaIBez)
{
    DrogaTestowa t;
    Droga& d = *t;
    d.siec = GenerujSiec({4000, 11});
    budujWartosciPochodne(d.siec, nullptr);
    UstalWarunki(d);
    for (const std::int64_t zoom : {std::int64_t(10000), std::int64_t(80000)}) {
        d.widok.zoom = zoom;
        d.widok.WspXSrodka = d.siec.Stacje[0].Xkm;
        d.widok.WspYSrodka = d.siec.Stacje[0].Ykm;
        Kanwa::wyczyscPamiecSzerokosci();
        const QImage pierwszy = rysuj(d, 800, 500);
        const QImage drugi = rysuj(d, 800, 500);
        EXPECT_EQ(pierwszy, drugi) << zoom;
    }
}
