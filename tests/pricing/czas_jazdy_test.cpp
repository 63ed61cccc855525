// Czas jazdy z profilu prędkości, ograniczenie Vmax taboru, teksty pól i podpowiedzi.

#include "pricing/CzasJazdy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/TabelePociagu.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace tks;
using namespace tks::test;

namespace {

// Trasa po kolejnych odcinkach (długość w metrach, prędkość km/h), S0 .. Sn.
struct Przejazd : DrogaTestowa {
    std::vector<int> st;
    Przejazd(const std::vector<std::pair<int, int>>& odcinki, int rodzaj = 0, int przedzial = 0)
    {
        for (std::size_t i = 0; i <= odcinki.size(); ++i)
            st.push_back(dodajStacje(s(), QStringLiteral("S%1").arg(i), double(i), 0));
        for (std::size_t i = 0; i < odcinki.size(); ++i)
            dodajOdcinek(s(), st[i], st[i + 1], odcinki[i].first, 1, cechy::Normalnotorowa, 0, odcinki[i].second);
        przygotuj();
        d.kontrolki.idRodzajuStawki = rodzaj;
        d.kontrolki.lpZakresuBr = przedzial;
        d.kontrolki.zawRuchPas = false;
    }
    void trasa()
    {
        ASSERT_TRUE(OznaczStart(d, st.front()));
        ASSERT_TRUE(OznaczMeta(d, st.back()));
    }
    const std::vector<TMetrProfilu>& profil() { return profilPredkosci(d.wycena); }
    int Tr() const { return d.wycena.Tr; }
};

} // namespace

TEST(CzasJazdy, LimitZOgraniczeniaLiniiITaboru)
{
    Przejazd p({{400, 80}, {400, 120}});
    p.trasa();
    ASSERT_EQ(p.profil().size(), 800u);
    for (std::size_t m = 0; m < 400; ++m)
        ASSERT_EQ(p.profil()[m].Limit, 77) << m;
    for (std::size_t m = 400; m < 800; ++m)
        ASSERT_EQ(p.profil()[m].Limit, 97) << m;   // Vmax taboru 100
    EXPECT_EQ(p.profil().front().Predkosc, 0);
    EXPECT_EQ(p.profil().back().Predkosc, 0);

    // W kierunku 2 obowiązują prędkości kierunku 2 (pociąg towarowy: VT).
    Przejazd t({{300, 100}}, 1);
    t.s().Odcinki[0].VT1 = 90;
    t.s().Odcinki[0].VT2 = 50;
    ASSERT_TRUE(OznaczStart(t.d, t.st[1]));
    ASSERT_TRUE(OznaczMeta(t.d, t.st[0]));
    EXPECT_EQ(t.profil()[10].Limit, 47);
}

TEST(CzasJazdy, WynikZgodnyZPrzeliczeniemRecznym)
{
    Przejazd p({{5000, 100}});
    p.trasa();
    EXPECT_EQ(p.Tr(), 240);
    Przejazd h({{3000, 100}, {2000, 60}});
    h.trasa();
    EXPECT_EQ(h.Tr(), 281);
    // Pociąg nie przekracza niższego z ograniczeń i osiąga je dopiero po rozpędzeniu.
    int najwyzsza = 0;
    for (const auto& x : p.profil())
        najwyzsza = std::max(najwyzsza, int(x.Predkosc));
    EXPECT_EQ(najwyzsza, 97);
    EXPECT_LT(p.profil()[1].Predkosc, 10);
}

TEST(CzasJazdy, HamowaniePrzedNizszymOgraniczeniem)
{
    Przejazd p({{20000, 160}, {2000, 60}});
    p.d.kontrolki.vmaxTekst = QStringLiteral("160");
    p.trasa();
    const auto& pr = p.profil();
    const std::size_t granica = 20000;
    EXPECT_EQ(pr[granica].Predkosc, 57);
    // Ostatni metr z pełną prędkością 157 km/h (po zaokrągleniu: od 156,5 km/h):
    // dalej już tylko hamowanie z opóźnieniem B do 57 km/h na granicy.
    std::size_t ostatniPelny = 0;
    for (std::size_t m = 0; m < granica; ++m)
        if (pr[m].Predkosc == 157)
            ostatniPelny = m;
    const double B = kLokomotywaPasazerska.B;
    const double v1 = 156.5 / 3.6, v2 = 57 / 3.6;
    EXPECT_NEAR(double(granica - ostatniPelny), (v1 * v1 - v2 * v2) / (2 * B), 3.0);
    const double pol = 0.5 / 3.6;   // zapisane prędkości są zaokrąglone do 1 km/h
    for (std::size_t m = ostatniPelny; m + 1 < granica; ++m) {
        const double a = pr[m].Predkosc / 3.6, b = pr[m + 1].Predkosc / 3.6;
        ASSERT_GE(pr[m].Predkosc, pr[m + 1].Predkosc) << m;
        ASSERT_LE(a - pol, std::sqrt((b + pol) * (b + pol) + 2 * B)) << m;
        ASSERT_GE(a + pol, std::sqrt((b - pol) * (b - pol) + 2 * B)) << m;
    }
}

TEST(CzasJazdy, MasaPrzedzialuZmieniaCzas)
{
    Przejazd p({{5000, 100}}, 1, 0);
    p.trasa();
    EXPECT_EQ(p.Tr(), 313);
    ZmianaPrzedzialuMasy(p.d, 1);
    EXPECT_EQ(p.Tr(), 381);

    // Masa, przy której pociąg nie ruszy: prędkość 0 zamiast pierwiastka z liczby ujemnej.
    p.s().ZakresyBr.ustaw(4, QStringLiteral("BrDoObl"), 20000);
    ObliczMinParametry(p.d);
    EXPECT_EQ(p.Tr(), 0);
}

TEST(CzasJazdy, KrotkaTrasaIOgraniczenieNizszeNizTrzy)
{
    Przejazd p({{1, 100}});
    p.d.wycena.EditTr = QStringLiteral("01:02");
    p.d.wycena.EditVr = QStringLiteral("33 km/h");
    p.trasa();
    EXPECT_EQ(p.Tr(), 0);
    EXPECT_EQ(p.d.wycena.EditTr, QStringLiteral("01:02"));
    EXPECT_EQ(p.d.wycena.EditVr, QStringLiteral("33 km/h"));

    Przejazd w({{500, 2}});
    w.trasa();
    EXPECT_EQ(w.profil()[100].Limit, 0);
    EXPECT_EQ(w.Tr(), 0);
}

TEST(CzasJazdy, TekstyPolCzasuIPredkosci)
{
    Przejazd p({{5000, 100}});
    p.trasa();
    EXPECT_EQ(p.d.wycena.EditTr, QStringLiteral("00:04"));
    EXPECT_EQ(p.d.wycena.EditVr, QStringLiteral("75 km/h"));   // 5 km w 240 s
    EXPECT_EQ(czasJazdyJakoTekst(3599), QStringLiteral("00:59"));
    EXPECT_EQ(czasJazdyJakoTekst(12047), QStringLiteral("03:20"));
    EXPECT_EQ(czasJazdyJakoTekst(90000), QStringLiteral("25:00"));   // pełne godziny, nie godzina doby
    EXPECT_EQ(czasJazdyJakoTekst(0), QStringLiteral("00:00"));

    // Trasa bez elementów (sam początek, skasowana trasa): oba pola puste, bo
    // stary czas czytano by jako czas jazdy niczego.
    Przejazd j({{5000, 100}});
    j.trasa();
    ASSERT_FALSE(j.d.wycena.EditTr.isEmpty());
    KasujDroge(j.d);
    PokazCzasJazdy(j.d);
    EXPECT_TRUE(j.d.wycena.EditTr.isEmpty());
    EXPECT_TRUE(j.d.wycena.EditVr.isEmpty());
    j.d.wycena.EditTr = QStringLiteral("x");
    ASSERT_TRUE(OznaczStart(j.d, j.st[0]));
    ObliczMinParametry(j.d);
    EXPECT_TRUE(j.d.wycena.EditTr.isEmpty());
    // z trasą znów są, a trasa bez dodatniego czasu zostawia poprzednie (test wyżej)
    ASSERT_TRUE(OznaczMeta(j.d, j.st[1]));
    EXPECT_EQ(j.d.wycena.EditTr, QStringLiteral("00:04"));
}

TEST(CzasJazdy, OgraniczenieVmaxTaboru)
{
    EXPECT_EQ(ograniczVTab(QStringLiteral("5"), true), 10);
    EXPECT_EQ(ograniczVTab(QStringLiteral("200"), true), 160);
    EXPECT_EQ(ograniczVTab(QStringLiteral("200"), false), 120);
    EXPECT_EQ(ograniczVTab(QStringLiteral("140"), true), 140);
    EXPECT_EQ(ograniczVTab(QStringLiteral("140"), false), 120);
    EXPECT_EQ(ograniczVTab(QStringLiteral("abc"), true), 10);
    EXPECT_EQ(ograniczVTab(QString(), true), 10);
    EXPECT_EQ(ograniczVTab(QStringLiteral("99999999999999999999"), true), 10);

    Przejazd p({{1000, 100}}, 1);
    p.d.kontrolki.vmaxTekst = QStringLiteral("200");
    ObliczMinParametry(p.d);
    EXPECT_EQ(p.d.kontrolki.vmaxTekst, QStringLiteral("120"));
    EXPECT_EQ(p.d.wycena.VTab, 120);
}

TEST(CzasJazdy, CzasyNaglowkaJakoTekst)
{
    Tabela n = nowaTabelaNaglowka();
    const int w = n.dodajWiersz();
    n.ustaw(w, QStringLiteral("CzasMin"), 125);
    n.ustaw(w, QStringLiteral("CzasMax"), 5);
    EXPECT_EQ(n.tekst(w, QStringLiteral("CzasMinStr")), QStringLiteral("02:05"));
    EXPECT_EQ(n.tekst(w, QStringLiteral("CzasMaxStr")), QStringLiteral("00:05"));
    n.ustaw(w, QStringLiteral("CzasMin"), QVariant());
    EXPECT_EQ(n.tekst(w, QStringLiteral("CzasMinStr")), QString());
}

TEST(CzasJazdy, PodpowiedziPol)
{
    const QStringList vr = kPodpowiedzEditVr.split(QStringLiteral("\r\n"));
    const QStringList tr = kPodpowiedzEditTr.split(QStringLiteral("\r\n"));
    ASSERT_EQ(vr.size(), 7);
    ASSERT_EQ(tr.size(), 7);
    EXPECT_EQ(vr[0], QStringLiteral("Średnia prędkość techniczna bez uwzględnienia postojów, "));
    EXPECT_EQ(tr[0], QStringLiteral("Surowy czas jazdy bez uwzględnienia postojów, "));
    EXPECT_EQ(vr.mid(1), tr.mid(1));
    EXPECT_EQ(vr[6], QStringLiteral("dla pociągów pasażerskich   EP09, dla towarowych ET22 "));
    EXPECT_EQ(kPodpowiedzEditVTab, QStringLiteral("Maksymalna predkość taboru"));
}
