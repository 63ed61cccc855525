#include "wspolne/SiecTestowa.h"

#include "common/Interakcja.h"
#include "network/GeneratorSieci.h"
#include "network/Geo.h"

#include <QCollator>
#include <QLocale>
#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {
QStringList nazwyWgIndeksu(const Siec& s)
{
    QStringList l;
    for (auto i : s.StacjeWgNazwy)
        l << s.nazwaStacji(i);
    return l;
}
} // namespace

TEST(StacjeWgNazwy, PolskiePorzadkowanieBezWielkosciLiter)
{
    Siec s;
    for (const char* n : {"Żary", "Łódź Widzew", "lublin", "Ćmielów", "Czersk", "Źródła", "Zakopane", "Śrem",
                          "Sanok", "Ełk", "Elbląg", "ostrów", "Ósemka", "Oświęcim", "Łask", "Aleksandrów", "Ąkowo"})
        dodajStacje(s, QString::fromUtf8(n), 0, 0);
    InterakcjaSkryptowa ia;
    budujStacjeWgNazwy(s, &ia);
    EXPECT_EQ(nazwyWgIndeksu(s),
              (QStringList{"Aleksandrów", "Ąkowo", "Czersk", "Ćmielów", "Elbląg", "Ełk", "lublin", "Łask",
                           "Łódź Widzew", "ostrów", "Oświęcim", "Ósemka", "Sanok", "Śrem", "Zakopane", "Źródła", "Żary"}));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
}

TEST(StacjeWgNazwy, RowneNazwyPoTekscieIndeksu)
{
    Siec s;
    for (int i = 0; i < 11; ++i)
        dodajStacje(s, i == 9 || i == 10 ? QStringLiteral("Grabowo") : QStringLiteral("Inna %1").arg(i), 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    // "Grabowo;.;10" przed "Grabowo;.;9"
    ASSERT_GE(s.StacjeWgNazwy.size(), 2u);
    EXPECT_EQ(s.StacjeWgNazwy[0], 10);
    EXPECT_EQ(s.StacjeWgNazwy[1], 9);
}

TEST(StacjeWgNazwy, NazwaZSeparatoremNieMyliIndeksu)
{
    Siec s;
    dodajStacje(s, QStringLiteral("B"), 0, 0);
    dodajStacje(s, QStringLiteral("A;.;7"), 0, 0);
    InterakcjaSkryptowa ia;
    budujStacjeWgNazwy(s, &ia);
    EXPECT_EQ(s.StacjeWgNazwy, (std::vector<std::int32_t>{1, 0}));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
}

namespace {

// Indeks wprost według opisu: teksty nazwa + ";.;" + indeks, klucze porządkowania,
// a indeks odczytany z tekstu zza separatora.
std::vector<std::int32_t> wzorcoweStacjeWgNazwy(const Siec& s)
{
    const QString sep = QStringLiteral(";.;");
    QStringList teksty;
    for (int i = 0; i < s.liczbaStacji(); ++i)
        teksty << s.nazwaStacji(i) + sep + QString::number(i);
    QCollator k{QLocale(QLocale::Polish, QLocale::Poland)};
    k.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> klucze;
    for (const auto& t : teksty)
        klucze.push_back(k.sortKey(t));
    std::vector<int> kol(std::size_t(teksty.size()));
    for (std::size_t i = 0; i < kol.size(); ++i)
        kol[i] = int(i);
    std::stable_sort(kol.begin(), kol.end(), [&](int a, int b) { return klucze[std::size_t(a)].compare(klucze[std::size_t(b)]) < 0; });
    std::vector<std::int32_t> w;
    for (const int i : kol) {
        const QString& t = teksty[i];
        bool ok = false;
        w.push_back(t.mid(t.lastIndexOf(sep) + sep.size()).toInt(&ok));
        EXPECT_TRUE(ok) << t.toStdString();
    }
    return w;
}

} // namespace

// Szybsza budowa indeksu (bez odczytu indeksu z tekstu) daje to samo, co opis
// krok po kroku: na nazwach sieci skali i na nazwach z separatorami i cyframi.
TEST(StacjeWgNazwy, JakWedlugOpisu)
{
    Siec s = GenerujSiec({3000, 5});
    Losowanie los(99);
    const char* const kawalki[] = {";", ".", ";.;", "1", "09", " ", "Ą", "a", "Z", "ż", "-", ";.;12", "Ł"};
    for (int i = 0; i < 400; ++i) {
        QString n;
        for (int k = los.ponizej(6); k >= 0; --k)
            n += QString::fromUtf8(kawalki[los.ponizej(int(std::size(kawalki)))]);
        s.Stacje[std::size_t(los.ponizej(s.liczbaStacji()))].NazwaStacji.ustaw(n);
    }
    InterakcjaSkryptowa ia;
    budujStacjeWgNazwy(s, &ia);
    EXPECT_EQ(s.StacjeWgNazwy, wzorcoweStacjeWgNazwy(s));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
}

// Klucze porządkowania liczone wprost dają ten sam porządek, co klucze QCollator,
// dla nazw z dowolnych znaków strony kodowej pliku (wielkie i małe litery, znaki
// diakrytyczne innych języków, przestankowe, cyfry, spacje), także pustych i
// jednakowych. Sieć dość duża, żeby klucze liczyły dwa wątki.
TEST(StacjeWgNazwy, WszystkieZnakiStronyKodowej)
{
    Siec s = GenerujSiec({21000, 11});
    Losowanie los(5);
    for (int i = 0; i < s.liczbaStacji(); ++i) {
        QByteArray b;
        for (int k = los.ponizej(9); k > 0; --k)
            b += char(1 + los.ponizej(255));
        if (i % 3 == 0)
            continue;   // część nazw z generatora
        if (i % 50 == 1)
            b = "Jednakowa";
        if (i % 77 == 0)
            b.clear();
        s.Stacje[std::size_t(i)].NazwaStacji.ustawBajty(b);
    }
    budujStacjeWgNazwy(s, nullptr);
    EXPECT_EQ(s.StacjeWgNazwy, wzorcoweStacjeWgNazwy(s));
}

TEST(SrodekDomyslny, SredniaPunktowKonturu)
{
    Siec s;
    s.KonturPolski = {{0, 0, 1}, {10, 0, 1}, {10, 20, 2}, {0, 20, 2}};
    budujWartosciPochodne(s, nullptr);
    EXPECT_DOUBLE_EQ(s.SrodekDomyslny.x, 5);
    EXPECT_DOUBLE_EQ(s.SrodekDomyslny.y, 10);
    s.KonturPolski.clear();
    budujWartosciPochodne(s, nullptr);
    EXPECT_DOUBLE_EQ(s.SrodekDomyslny.x, 0);
}

TEST(GeoToPktKm, PunktyPoliczoneZeWzoru)
{
    // Południk środkowy 19°, szerokość 52°: x = 500000, y = p·N − 41450 − 5300000,
    // N = c / √(1 + e'² cos² p).
    auto p = GeoToPktKm(surowyXZDlugosci(19.0), surowyYZSzerokosci(52.0));
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 500000.0, 1e-6);
    EXPECT_NEAR(p->y, 459231.9263066137, 1e-6);
    // 15° E, 50° N: pełne szeregi
    p = GeoToPktKm(1.0 / 0.000006, 36.0 / 0.000004);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 213257.3855563769, 1e-6);
    EXPECT_NEAR(p->y, 243162.16784221027, 1e-6);
    // surowe zera: 14° E, 14° N
    p = GeoToPktKm(0, 0);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, -40780.317327380064, 1e-6);
    EXPECT_NEAR(p->y, -3776952.7453594077, 1e-6);
    // na wschód od południka x rośnie, na północ y rośnie
    EXPECT_GT(GeoToPktKm(surowyXZDlugosci(20), surowyYZSzerokosci(52))->x, 500000.0);
    EXPECT_GT(GeoToPktKm(surowyXZDlugosci(19), surowyYZSzerokosci(53))->y, 459231.93);
}

TEST(GeoToPktKm, WartosciPozaZakresemNieDajaPunktu)
{
    EXPECT_FALSE(GeoToPktKm(1e30, 0));
    EXPECT_FALSE(GeoToPktKm(0, -1e30));
    EXPECT_FALSE(GeoToPktKm(std::nan(""), 0));
}
