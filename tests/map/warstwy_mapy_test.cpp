// Pamięć dolnych warstw mapy, rysowanie odcinków listami jednym piórem i siatka
// odcinków: obraz ma być ten sam piksel w piksel, co rysowany wprost linia po
// linii, przy każdym powiększeniu, z trasą i wykluczeniami, po każdej zmianie.

#include "MapaTestowa.h"

#include "map/Kolory.h"
#include "map/WarstwyMapy.h"
#include "map/Widok.h"
#include "network/GeneratorSieci.h"
#include "routing/Warunki.h"
#include "wspolne/Obrazy.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tks::test {
namespace {

// Płótno ekranu rysujące każdą linię osobnym wywołaniem (jak przed rysowaniem
// listami), każde koło przez QPainter (jak przed pieczęciami kół) i każdy napis
// przez drawText (jak przed pamięcią glifów).
class KanwaPoJednejLinii : public KanwaEkranu {
public:
    KanwaPoJednejLinii(QPainter& p, bool aa) : KanwaEkranu(p, aa)
    {
        uzywajPieczeci(false);
        uzywajGlifow(false);
    }
    void Linie(const std::vector<TLiniaPiks>& linie) override { Kanwa::Linie(linie); }
};

// Rysowanie do obrazu wypełnionego wcześniej innym kolorem (obraz z pamięci nie
// może zależeć od tego, co było na płótnie).
QImage narysuj(Droga& d, int szer, int wys, bool aa, PamiecWarstwMapy* pamiec, bool poJednejLinii = false)
{
    QImage im(szer, wys, QImage::Format_RGB32);
    im.fill(QColor(255, 0, 255));
    QPainter p(&im);
    if (poJednejLinii) {
        KanwaPoJednejLinii k(p, aa);
        odswiez(d, k, pamiec);
    } else {
        KanwaEkranu k(p, aa);
        odswiez(d, k, pamiec);
    }
    p.end();
    return im;
}

// Trasa, wykluczone stacje i odcinki (odcinek wykluczony jest kropkowany).
void trasaZWykluczeniami(Droga& d, int odcinkiTrasy)
{
    UstalWarunki(d);
    trasaWzdluzLinii(d, 0, d.siec.Odcinki[0].NrLinii, odcinkiTrasy);
    const int n = d.siec.liczbaStacji(), m = d.siec.liczbaOdcinkow();
    for (const int st : {n / 3, n / 2, 2 * n / 3})
        d.trasa.ListaStacjiZabronionych.push_back(st);
    for (const int o : {m / 5, m / 4, m / 2, 3 * m / 4}) {
        d.siec.Odcinki[std::size_t(o)].Cechy |= cechy::Zabroniony;
        d.trasa.ListaOdcinkowZabronionych.push_back(o);
    }
    UstalWarunki(d);
}

// Przy 1× środek domyślny, dalej środek w stacji w połowie trasy.
void ustawWidok(Droga& d, std::int64_t krotnosc)
{
    d.widok.zoom = krotnosc * kPowiekszenie1x;
    const auto& sc = d.trasa.Sciezki;
    const TSciezka& e = sc.empty() ? TSciezka{} : sc[sc.size() / 2];
    UstawSrodek(d.widok, e.XOd, e.YOd);
}

// Dla każdego powiększenia i wygładzania: linia po linii bez pamięci, listami bez
// pamięci, z pamięcią przy pierwszym rysowaniu i z pamięcią przy drugim.
void porownajWszystkieSposoby(Droga& d, int szer, int wys)
{
    for (const std::int64_t krotnosc : {1, 8, 64})
        for (const bool aa : {true, false}) {
            SCOPED_TRACE(testing::Message() << krotnosc << "x, wygładzanie " << aa);
            ustawWidok(d, krotnosc);
            const QImage wzor = narysuj(d, szer, wys, aa, nullptr, true);
            EXPECT_EQ(roznePiksele(narysuj(d, szer, wys, aa, nullptr), wzor), 0);
            PamiecWarstwMapy pamiec;
            EXPECT_EQ(roznePiksele(narysuj(d, szer, wys, aa, &pamiec), wzor), 0);
            EXPECT_EQ(roznePiksele(narysuj(d, szer, wys, aa, &pamiec), wzor), 0);
            EXPECT_EQ(pamiec.liczbaRysowan(), 1u);
        }
}

TEST(WarstwyMapy, SiecPrzykladowaTeSamePiksele)
{
    DrogaTestowa d;
    ASSERT_TRUE(wczytajSiecPrzykladowa(d->siec));
    d->siecWczytana = true;
    trasaZWykluczeniami(*d, 40);
    porownajWszystkieSposoby(*d, 1000, 700);
}

TEST(WarstwyMapy, SiecSkaliTeSamePiksele)
{
    DrogaTestowa d;
    d->siec = GenerujSiec({6000, 3});
    budujWartosciPochodne(d->siec, nullptr);
    d->siecWczytana = true;
    trasaZWykluczeniami(*d, 60);
    // województwa zamiast zakładów: inne obszary pod odcinkami
    d->kolory.PodzialTerytorialny = 1;
    porownajWszystkieSposoby(*d, 1200, 800);
}

// Każda zmiana tego, co widać w dolnych warstwach, rysuje je od nowa; zmiana trasy
// nie. Po każdym kroku obraz jest taki, jak narysowany wprost.
TEST(WarstwyMapy, RysujeOdNowaTylkoPoZmianieDolnychWarstw)
{
    DrogaTestowa d;
    ASSERT_TRUE(wczytajSiecPrzykladowa(d->siec));
    d->siecWczytana = true;
    trasaZWykluczeniami(*d, 20);
    ustawWidok(*d, 8);
    PamiecWarstwMapy pamiec;
    int szer = 900, wys = 600;
    bool aa = true;
    std::uint64_t oczekiwane = 0;
    auto krok = [&](const char* co, bool odNowa) {
        SCOPED_TRACE(co);
        oczekiwane += odNowa ? 1 : 0;
        const QImage z = narysuj(*d, szer, wys, aa, &pamiec);
        EXPECT_EQ(pamiec.liczbaRysowan(), oczekiwane);
        EXPECT_EQ(roznePiksele(z, narysuj(*d, szer, wys, aa, nullptr)), 0);
    };
    krok("pierwsze rysowanie", true);
    krok("bez zmian", false);
    trasaWzdluzLinii(*d, 5, d->siec.Odcinki[5].NrLinii, 10);
    d->trasa.ListaStacjiZabronionych.push_back(7);
    krok("inna trasa i wykluczona stacja", false);
    d->siec.Odcinki[3].Cechy |= cechy::Zabroniony;
    krok("wykluczony odcinek", true);
    {
        // Odcinek daleko poza widokiem: nic się na obrazie nie zmienia.
        const Widok& w = d->widok;
        int daleki = -1;
        for (int i = 0; i < d->siec.liczbaOdcinkow() && daleki < 0; ++i) {
            const TOdcinek& o = d->siec.Odcinki[std::size_t(i)];
            if (std::hypot(o.XA - w.WspXSrodka, o.YA - w.WspYSrodka) > 4 * w.PromienWidoku &&
                std::hypot(o.XB - w.WspXSrodka, o.YB - w.WspYSrodka) > 4 * w.PromienWidoku && !(o.Cechy & cechy::Zabroniony))
                daleki = i;
        }
        ASSERT_GE(daleki, 0);
        d->siec.Odcinki[std::size_t(daleki)].Cechy |= cechy::Zabroniony;
        krok("wykluczony odcinek poza widokiem", false);
    }
    d->trasa.MaskaOgraniczen = 0;
    krok("inne ograniczenia", true);
    d->kolory.KolorLinii = 0x123456;
    krok("kolor linii", true);
    d->kolory.KolorTla = 0xFFFFFF;
    krok("kolor tła", true);
    d->kolory.PodzialTerytorialny = 1;
    krok("województwa", true);
    if (!d->siec.Wojewodztwa.empty()) {
        d->siec.Wojewodztwa.back().Kolor ^= 0x00FF00;
        krok("kolor województwa", true);
    }
    PrzesunMape(d->widok, {100, 100}, {140, 120});
    krok("przesunięcie", true);
    PowiekszMape(d->widok, 300, 200);
    krok("powiększenie", true);
    szer = 700;
    krok("rozmiar", true);
    aa = false;
    krok("bez wygładzania", true);
    d->siec.Odcinki[10].XA += 1000;
    krok("położenie odcinka", true);
    d->siec.KonturPolski.front().x += 5000;
    krok("kontur kraju", true);
    Siec inna = GenerujSiec({800, 4});
    budujWartosciPochodne(inna, nullptr);
    d->trasa = Trasa{};
    d->siec = std::move(inna);
    UstalWarunki(*d);
    krok("inna sieć", true);
}

// Wydruk nie korzysta z pamięci: te same elementy, co bez niej.
TEST(WarstwyMapy, WydrukBezPamieci)
{
    DrogaTestowa d;
    ASSERT_TRUE(wczytajSiecPrzykladowa(d->siec));
    trasaZWykluczeniami(*d, 20);
    PamiecWarstwMapy pamiec;
    ElementyWydruku a, b;
    {
        KanwaWydruku k(a, 1004, 945, 150);
        odswiez(*d, k, &pamiec);
    }
    {
        KanwaWydruku k(b, 1004, 945, 150);
        odswiez(*d, k);
    }
    EXPECT_EQ(pamiec.liczbaRysowan(), 0u);
    ASSERT_EQ(a.linie.size(), b.linie.size());
    for (std::size_t i = 0; i < a.linie.size(); ++i) {
        const TPrintLinia &x = a.linie[i], &y = b.linie[i];
        EXPECT_TRUE(x.X1 == y.X1 && x.Y1 == y.Y1 && x.X2 == y.X2 && x.Y2 == y.Y2 && x.Grubosc == y.Grubosc &&
                    x.Styl == y.Styl && x.Kolor == y.Kolor)
            << i;
    }
}

// Siatka oddaje (rosnąco, bez powtórzeń) każdy odcinek, którego prostokąt
// otaczający przecina zadany prostokąt, także odcinki zerowe, bardzo długie i bez
// położenia liczbowego.
TEST(SiatkaOdcinkow, WybieraKazdyOdcinekPrzecinajacyProstokat)
{
    std::mt19937 los(7);
    std::uniform_real_distribution<double> pole(0, 100000), krotki(-3000, 3000);
    Siec s;
    for (int i = 0; i < 3000; ++i) {
        TOdcinek o;
        o.XA = pole(los), o.YA = pole(los);
        o.XB = o.XA + krotki(los), o.YB = o.YA + krotki(los);
        if (i % 97 == 0)
            o.XB = o.XA, o.YB = o.YA;
        if (i % 211 == 0)
            o.XB = -1e7, o.YB = 2e7;
        if (i % 499 == 0)
            o.YA = std::numeric_limits<double>::quiet_NaN();
        s.Odcinki.push_back(o);
    }
    SiatkaOdcinkow siatka;
    siatka.zbuduj(s);
    std::vector<std::int32_t> wynik;
    int wybranoZSiatki = 0;
    for (int p = 0; p < 300; ++p) {
        const double x = pole(los) * 1.2 - 10000, y = pole(los) * 1.2 - 10000;
        const double r = p % 3 == 0 ? 50 : pole(los) / 20;
        if (!siatka.wybierz(x - r, y - r, x + r, y + r, wynik))
            continue;
        ++wybranoZSiatki;
        EXPECT_TRUE(std::is_sorted(wynik.begin(), wynik.end()));
        EXPECT_EQ(std::adjacent_find(wynik.begin(), wynik.end()), wynik.end());
        for (std::size_t i = 0; i < s.Odcinki.size(); ++i) {
            const TOdcinek& o = s.Odcinki[i];
            const bool bezPolozenia = std::isnan(o.YA);
            const bool przecina = std::min(o.XA, o.XB) <= x + r && std::max(o.XA, o.XB) >= x - r &&
                                  std::min(o.YA, o.YB) <= y + r && std::max(o.YA, o.YB) >= y - r;
            if (bezPolozenia || przecina) {
                EXPECT_TRUE(std::binary_search(wynik.begin(), wynik.end(), std::int32_t(i))) << i;
            }
        }
    }
    EXPECT_GT(wybranoZSiatki, 250);
    // Prostokąt obejmujący całą sieć: wszystkie odcinki (siatka odmawia).
    EXPECT_FALSE(siatka.wybierz(-1e9, -1e9, 1e9, 1e9, wynik));
}

} // namespace
} // namespace tks::test
