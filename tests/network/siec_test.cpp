#include "wspolne/SiecTestowa.h"

#include "common/Interakcja.h"
#include "network/GeneratorSieci.h"
#include "network/Geo.h"

#include <QCollator>
#include <algorithm>
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

// Równe nazwy stoją w kolejności indeksów (9 przed 10, nie według tekstu
// "10" < "9"); równe są też nazwy różniące się tylko wielkością liter.
TEST(StacjeWgNazwy, RowneNazwyWgIndeksu)
{
    Siec s;
    for (int i = 0; i < 12; ++i)
        dodajStacje(s, i == 9 || i == 10 ? QStringLiteral("Grabowo") : QStringLiteral("Inna %1").arg(i), 0, 0);
    s.Stacje[11].NazwaStacji.ustaw(QStringLiteral("GRABOWO"));
    s.Stacje[0].NazwaStacji.ustaw(QStringLiteral("grabowo"));
    budujStacjeWgNazwy(s, nullptr);
    ASSERT_GE(s.StacjeWgNazwy.size(), 4u);
    EXPECT_EQ(std::vector<std::int32_t>(s.StacjeWgNazwy.begin(), s.StacjeWgNazwy.begin() + 4),
              (std::vector<std::int32_t>{0, 9, 10, 11}));
}

// Nazwa będąca początkiem innej stoi przed nią: spacja w dłuższej nazwie nie
// przesuwa krótszej za wszystkie jej rozwinięcia.
TEST(StacjeWgNazwy, KrotszaNazwaPrzedDluzszymi)
{
    Siec s;
    for (const char* n : {"Kielce Piaski", "Kielce Białogon", "Kielce", "Kielce Herby", "Kędzierzyn Koźle Zachodnie",
                          "Kędzierzyn Koźle", "Kędzierzyn Koźle Azoty", "Kielce-Ślichowice"})
        dodajStacje(s, QString::fromUtf8(n), 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    EXPECT_EQ(nazwyWgIndeksu(s), (QStringList{"Kędzierzyn Koźle", "Kędzierzyn Koźle Azoty", "Kędzierzyn Koźle Zachodnie",
                                              "Kielce", "Kielce Białogon", "Kielce Herby", "Kielce Piaski",
                                              "Kielce-Ślichowice"}));
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

// Porządek wprost: klucze porządkowania QCollator każdej nazwy osobno, przy równych
// kluczach mniejszy indeks. (Porównanie QCollator::compare stawia pusty tekst przed
// tekstem z samych znaków pomijanych przy porządkowaniu, klucze są wtedy równe.)
std::vector<std::int32_t> wzorcoweStacjeWgNazwy(const Siec& s)
{
    QCollator k{QLocale(QLocale::Polish, QLocale::Poland)};
    k.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::int32_t> w(std::size_t(s.liczbaStacji()));
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] = std::int32_t(i);
    std::sort(w.begin(), w.end(), [&](int a, int b) {
        const int c = k.sortKey(s.nazwaStacji(a)).compare(k.sortKey(s.nazwaStacji(b)));
        return c != 0 ? c < 0 : a < b;
    });
    return w;
}

} // namespace

// Indeks z kluczy porządkowania daje to samo co porównywanie nazw: na nazwach
// sieci skali i na nazwach ze znakami przestankowymi, cyframi i powtórzeniami.
TEST(StacjeWgNazwy, JakPorownanieNazw)
{
    Siec s = GenerujSiec({3000, 5});
    Losowanie los(99);
    const char* const kawalki[] = {";", ".", ";.;", "1", "09", " ", "Ą", "a", "Z", "ż", "-", ";.;12", "Ł", "A"};
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
