// Symulacja czasu jazdy liczona ciągami metrów daje te same czasy i profile co
// symulacja metr po metrze, a wycena wsadowa na sieci przykładowej ten sam plik wyników.

#include "network/PlikSieci.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "pricing/WycenaWsadowa.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <random>

using namespace tks;
using namespace tks::test;

namespace {

struct Wynik {
    int Tr;
    std::vector<TMetrProfilu> profil;
};

Wynik symulacja(Droga& d, bool metrowa)
{
    d.wycena.symulacjaMetrowa = metrowa;
    WyznaczCzasJazdy(d);
    d.wycena.symulacjaMetrowa = false;
    return {d.wycena.Tr, profilPredkosci(d.wycena)};
}

void porownajProfile(const Wynik& a, const Wynik& b, const std::string& opis)
{
    EXPECT_EQ(a.Tr, b.Tr) << opis;
    ASSERT_EQ(a.profil.size(), b.profil.size()) << opis;
    for (std::size_t m = 0; m < a.profil.size(); ++m) {
        ASSERT_EQ(a.profil[m].Limit, b.profil[m].Limit) << opis << " metr " << m;
        ASSERT_EQ(a.profil[m].Predkosc, b.profil[m].Predkosc) << opis << " metr " << m;
    }
}

} // namespace

// Losowe trasy: krótkie i długie odcinki, ograniczenia od 0 do ponad Vmax taboru,
// powtórzone ograniczenia (ciągi łączone między odcinkami), oba rodzaje, różne masy
// i prędkości taboru, także masa, przy której pociąg nie ruszy.
TEST(SymulacjaOdcinkami, ZgodnaZSymulacjaMetrPoMetrze)
{
    std::mt19937 los(20181);
    const int predkosci[] = {0, 2, 3, 4, 20, 40, 60, 80, 100, 100, 120, 140, 160, 200};
    for (int proba = 0; proba < 60; ++proba) {
        std::vector<std::pair<int, int>> odcinki;
        const int ile = 1 + int(los() % 12);
        for (int i = 0; i < ile; ++i) {
            const int dlugosc = los() % 4 == 0 ? 1 + int(los() % 50) : 100 + int(los() % 40000);
            odcinki.push_back({dlugosc, predkosci[los() % std::size(predkosci)]});
        }
        DrogaTestowa t;
        Siec& s = t.s();
        std::vector<int> st;
        for (std::size_t i = 0; i <= odcinki.size(); ++i)
            st.push_back(dodajStacje(s, QStringLiteral("S%1").arg(i), double(i), 0));
        for (std::size_t i = 0; i < odcinki.size(); ++i)
            dodajOdcinek(s, st[i], st[i + 1], odcinki[i].first, 1, cechy::Normalnotorowa, 0, odcinki[i].second);
        t.przygotuj();
        Droga& d = t.d;
        d.kontrolki.idRodzajuStawki = int(los() % 2);
        d.kontrolki.lpZakresuBr = int(los() % 4);
        d.kontrolki.zawRuchPas = false;
        d.kontrolki.vmaxTekst = QString::number(10 + int(los() % 160));
        if (proba % 15 == 14)
            s.ZakresyBr.ustaw(wierszPrzedzialu(s, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr),
                              QStringLiteral("BrDoObl"), 20000);
        const bool wTyl = los() % 2 == 0;
        ASSERT_TRUE(OznaczStart(d, wTyl ? st.back() : st.front()));
        ASSERT_TRUE(OznaczMeta(d, wTyl ? st.front() : st.back()));

        const Wynik odcinkami = symulacja(d, false);
        const Wynik metrowo = symulacja(d, true);
        porownajProfile(odcinkami, metrowo, "próba " + std::to_string(proba));
        if (HasFatalFailure())
            return;
    }
}

// Trasa bez metrów i trasa jednometrowa: zero sekund w obu symulacjach.
TEST(SymulacjaOdcinkami, TrasyBezDrogi)
{
    DrogaTestowa t;
    const int a = dodajStacje(t.s(), QStringLiteral("A"), 0, 0);
    const int b = dodajStacje(t.s(), QStringLiteral("B"), 1, 0);
    dodajOdcinek(t.s(), a, b, 1, 1, cechy::Normalnotorowa, 0, 100);
    t.przygotuj();
    t.d.kontrolki.zawRuchPas = false;
    porownajProfile(symulacja(t.d, false), symulacja(t.d, true), "pusta");
    ASSERT_TRUE(OznaczStart(t.d, a));
    ASSERT_TRUE(OznaczMeta(t.d, b));
    const Wynik w = symulacja(t.d, false);
    porownajProfile(w, symulacja(t.d, true), "jeden metr");
    EXPECT_EQ(w.Tr, 0);
    EXPECT_EQ(w.profil.size(), 1u);
}

// Wycena wsadowa na sieci przykładowej: relacje losowe, z punktami pośrednimi,
// różnymi rodzajami, przedziałami, kryteriami i Vmax, także wiersze z błędami.
// Plik wyników musi być ten sam bajt w bajt przy obu symulacjach.
TEST(SymulacjaOdcinkami, WycenaWsadowaBezZmianWyniku)
{
    InterakcjaSkryptowa ia;
    Droga d(ia, QStringLiteral(TKS_RUN_DIR));
    QString blad;
    ASSERT_TRUE(WczytajLinieZPliku(d.siec, QStringLiteral(TKS_RUN_DIR "/FDane.bin"), blad)) << blad.toStdString();
    budujWartosciPochodne(d.siec, nullptr);
    d.siecWczytana = true;
    d.kontrolki.idRodzajuStawki = pierwszyRodzaj(d.siec);
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, d.kontrolki.idRodzajuStawki);
    UstalWarunki(d);
    KasujDroge(d);
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);

    std::mt19937 los(18);
    const int n = d.siec.liczbaStacji();
    auto stacja = [&] { return QStringLiteral("@%1").arg(int(los() % unsigned(n))); };
    QByteArray csv = "start;end;via;kind;band;criterion;vmax\n";
    for (int r = 0; r < 60; ++r) {
        QString via;
        if (r % 4 == 1)
            via = stacja();
        else if (r % 9 == 2)
            via = stacja() + QLatin1Char('|') + stacja();
        const QString kind = QString::number(los() % 3);
        const QString band = r % 5 == 0 ? QString::number(1 + los() % 3) : QString();
        const QString kryterium = QString::number(los() % 4);
        const QString vmax = r % 3 == 0 ? QString::number(20 + los() % 160) : QString();
        const QString koniec = r == 7 ? QStringLiteral("Nie ma takiej") : stacja();
        csv += QStringList{stacja(), koniec, via, kind, band, kryterium, vmax}.join(QLatin1Char(';')).toUtf8() + '\n';
    }
    const auto wsad = czytajWsadTras(csv, blad);
    ASSERT_TRUE(wsad) << blad.toStdString();

    const auto odcinkami = wycenWsad(d, ia, *wsad);
    d.wycena.symulacjaMetrowa = true;
    const auto metrowo = wycenWsad(d, ia, *wsad);
    d.wycena.symulacjaMetrowa = false;

    const int wycenione = int(odcinkami.size()) - liczbaBledowWsadu(odcinkami);
    EXPECT_GT(wycenione, 20);
    EXPECT_GT(liczbaBledowWsadu(odcinkami), 0);
    EXPECT_EQ(csvWynikowWsadu(*wsad, odcinkami), csvWynikowWsadu(*wsad, metrowo));
}

// Suma czasów stałej prędkości: seria dodawań jednym mnożeniem daje bit w bit to samo
// co dodawanie po kolei, także przez kolejne potęgi dwójki i przy remisach zaokrąglenia.
TEST(SymulacjaOdcinkami, DodawanieSeriiJakPoKolei)
{
    auto poKolei = [](double t, double c, std::size_t razy) {
        for (std::size_t i = 0; i < razy; ++i)
            t += c;
        return t;
    };
    std::mt19937_64 los(7);
    std::vector<double> skladniki;
    for (int v = 0; v < 256; ++v)
        skladniki.push_back(v == 0 ? 0.0 : 3.6 / v);
    // remisy: c równe połowie siatki sumy albo jej nieparzystej wielokrotności
    skladniki.push_back(std::ldexp(1.0, -44));
    skladniki.push_back(3 * std::ldexp(1.0, -43));
    skladniki.push_back(std::ldexp(1.0, -60));
    for (int proba = 0; proba < 3000; ++proba) {
        const double c = skladniki[los() % skladniki.size()];
        const double t = proba % 7 == 0 ? 0.0 : std::ldexp(double(los() % 1000000 + 1) / 7.0, int(los() % 20) - 6);
        const std::size_t razy = los() % 3 == 0 ? los() % 5 : los() % 200000;
        const double a = dodajRazy(t, c, razy);
        const double b = poKolei(t, c, razy);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "t=" << t << " c=" << c << " razy=" << razy;
    }
}
