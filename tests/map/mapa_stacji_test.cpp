// Stacje w widoku z siatki i z list widocznych: te same stacje, w tej samej
// kolejności i z tymi samymi pikselami, co przejście po wszystkich stacjach.

#include "map/MapaStacji.h"
#include "map/Widok.h"
#include "network/Siec.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tks::test {
namespace {

Siec losowaSiec(int n, std::uint32_t ziarno)
{
    std::mt19937 los(ziarno);
    std::uniform_real_distribution<double> pole(0, 700000), skupisko(-2000, 2000);
    const std::int32_t widocznosci[] = {-1, 0, 1, 2, 4, 8, 16, 32, 10000};
    Siec s;
    for (int i = 0; i < n; ++i) {
        TStacja st;
        if (i % 5 == 0 && i > 0) {
            // gęsto wokół poprzedniej stacji (kilka stacji na piksel przy 1×)
            st.Xkm = s.Stacje.back().Xkm + skupisko(los);
            st.Ykm = s.Stacje.back().Ykm + skupisko(los);
        } else {
            st.Xkm = pole(los);
            st.Ykm = pole(los);
        }
        if (i % 397 == 0)
            st.Xkm = std::numeric_limits<double>::quiet_NaN();
        if (i % 601 == 0)
            st.Ykm = std::numeric_limits<double>::infinity();
        st.Widocznosc = widocznosci[los() % std::size(widocznosci)];
        s.Stacje.push_back(st);
    }
    s.SrodekDomyslny = {350000, 350000};
    return s;
}

std::vector<StacjaWidoku> wszystkie(const Siec& s, const Widok& w, int szer, int wys)
{
    std::vector<StacjaWidoku> wynik;
    for (int i = 0; i < s.liczbaStacji(); ++i) {
        const TStacja& st = s.Stacje[std::size_t(i)];
        const bool widoczna = w.zoom >= std::int64_t(st.Widocznosc) * 10000;
        if (!widoczna && st.Widocznosc != 0 && st.Widocznosc != -1)
            continue;
        const TPiksel p = pktpiks(w, st.Xkm, st.Ykm);
        if (p.x >= 0 && p.x <= szer && p.y >= 0 && p.y <= wys)
            wynik.push_back({i, p, widoczna});
    }
    return wynik;
}

bool rowne(const std::vector<StacjaWidoku>& a, const std::vector<StacjaWidoku>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].lp != b[i].lp || !(a[i].p == b[i].p) || a[i].widoczna != b[i].widoczna)
            return false;
    return true;
}

TEST(MapaStacji, StacjeWidokuJakPrzejsciePoWszystkich)
{
    const Siec s = losowaSiec(6000, 11);
    MapaStacji zSiatka, bezSiatki;
    zSiatka.zbuduj(s, true);
    bezSiatki.zbuduj(s, false);
    std::mt19937 los(5);
    std::uniform_real_distribution<double> srodek(-100000, 800000);
    std::vector<StacjaWidoku> a, b;
    std::vector<std::int32_t> robocze;
    int zWidokiem = 0;
    for (int p = 0; p < 400; ++p) {
        Widok w;
        const std::int64_t krotnosci[] = {1, 2, 4, 8, 64, 512, 3};
        w.zoom = krotnosci[p % std::size(krotnosci)] * kPowiekszenie1x;
        const int szer = 300 + int(los() % 1400), wys = 200 + int(los() % 900);
        UstalSkale(w, szer, wys, s.SrodekDomyslny);
        if (w.zoom != kPowiekszenie1x) {
            // środek często w stacji: widok pełen stacji, także na jego brzegach
            const TStacja& st = s.Stacje[los() % s.Stacje.size()];
            UstawSrodek(w, p % 2 ? st.Xkm : srodek(los), p % 2 ? st.Ykm : srodek(los));
        }
        SCOPED_TRACE(testing::Message() << "widok " << p << ", zoom " << w.zoom);
        const auto wzor = wszystkie(s, w, szer, wys);
        StacjeWidoku(zSiatka, w, szer, wys, a, robocze);
        StacjeWidoku(bezSiatki, w, szer, wys, b, robocze);
        EXPECT_TRUE(rowne(a, wzor));
        EXPECT_TRUE(rowne(b, wzor));
        zWidokiem += !wzor.empty();
    }
    EXPECT_GT(zWidokiem, 200);
}

TEST(MapaStacji, WidoczneRosnacoIPamietaneDlaSieci)
{
    Siec s = losowaSiec(1000, 3);
    MapaStacji m;
    m.zbuduj(s, true);
    EXPECT_TRUE(m.dla(s));
    for (const std::int64_t zoom : {10000LL, 80000LL, 10000LL, 100000000LL}) {
        std::vector<std::int32_t> wzor;
        for (int i = 0; i < s.liczbaStacji(); ++i)
            if (zoom >= std::int64_t(s.Stacje[std::size_t(i)].Widocznosc) * 10000)
                wzor.push_back(i);
        EXPECT_EQ(m.widoczne(zoom), wzor) << zoom;
    }
    // Nazwy bez odstępów na końcach, takie jak w rekordach stacji.
    s.Stacje[7].NazwaStacji.ustaw(QStringLiteral("  Łódź Kaliska "));
    s.Stacje[8].NazwaStacji.ustaw(QStringLiteral("Żółkiewka"));
    m.zbuduj(s, true);
    EXPECT_EQ(m.nazwa(s, 7), QStringLiteral("Łódź Kaliska"));
    EXPECT_EQ(m.nazwa(s, 8), QStringLiteral("Żółkiewka"));
    EXPECT_EQ(m.nazwa(s, 7), QStringLiteral("Łódź Kaliska"));
    EXPECT_TRUE(m.nazwa(s, 9).isEmpty());
    // Sieć wczytana na miejsce poprzedniej (nowy obiekt przeniesiony na to samo
    // miejsce) i jej kopia w innym miejscu: mapa jest już nieaktualna.
    Siec kopia = s;
    EXPECT_FALSE(m.dla(kopia));
    s = losowaSiec(1000, 4);
    EXPECT_FALSE(m.dla(s));
}

} // namespace
} // namespace tks::test
