// Wybór stacji po nazwie: wyszukiwanie w oknie "Wybierz stację:" (wybór,
// przewijanie, pasek), filtr listy, lista oznaczonych stacji narzędzia
// usuwania, lista kandydatów wyboru ręcznego i odnalezienie stacji na mapie.

#include "map/Klikniecia.h"
#include "map/Widok.h"
#include "routing/Oznaczenia.h"
#include "routing/WyborReczny.h"
#include "stations/WyborStacji.h"
#include "stations/WyszukiwanieStacji.h"
#include "wspolne/Cli.h"
#include "wspolne/DrogaTestowa.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

// Sieć z samymi nazwami (indeks nazw zbudowany).
Siec siecZNazw(std::initializer_list<const char*> nazwy)
{
    Siec s;
    for (const char* n : nazwy)
        dodajStacje(s, QString::fromUtf8(n), 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    return s;
}

std::vector<int> wszystkie(const Siec& s)
{
    return std::vector<int>(s.StacjeWgNazwy.begin(), s.StacjeWgNazwy.end());
}

const char* const kNazwy[] = {"Kielce Piaski", "Kraków Główny", "Kielce Białogon", "Kielce", "Katowice",
                              "Koluszki", "Krajenka", "Kraków Płaszów", "Łódź Kaliska", "Lublin",
                              "Kramsk", "Zakopane", "Żary", "Ełk", "Elbląg", "Biała Podlaska"};

Siec siecProbna()
{
    Siec s;
    for (const char* n : kNazwy)
        dodajStacje(s, QString::fromUtf8(n), 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    return s;
}

// Litery wpisywane kolejno: każda zmiana tekstu to jedno wyszukanie.
void wpisz(WyszukiwanieStacji& w, const QString& tekst)
{
    for (int i = 1; i <= tekst.size(); ++i)
        w.znajdz(tekst.left(i));
}

TEST(WyszukiwanieStacji, KolejneLiteryWybierajaPierwszaNieMniejsza)
{
    const Siec s = siecProbna();
    WyszukiwanieStacji w(s, wszystkie(s));
    w.aktywuj(10 * kWysokoscWierszaStacji);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Biała Podlaska"));   // po aktywacji: "a"
    w.znajdz(QStringLiteral("K"));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Katowice"));
    w.znajdz(QStringLiteral("Kr"));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Krajenka"));
    EXPECT_FALSE(w.znajdz(QStringLiteral("Kra")));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Krajenka"));
    // litera z ogonkiem po swojej literze bazowej
    EXPECT_FALSE(w.znajdz(QStringLiteral("Ł")));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Łódź Kaliska"));
    // pełna nazwa: wybrana i równa
    EXPECT_TRUE(w.znajdz(QStringLiteral("Kraków Główny")));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Kraków Główny"));
    // tekst za ostatnią nazwą: ostatnia stacja
    EXPECT_FALSE(w.znajdz(QStringLiteral("Żyrardów")));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Żary"));
    EXPECT_EQ(w.wynik(), s.StacjeWgNazwy.back());
}

// "Kielce" i Enter daje Kielce, nie pierwszą z "Kielce …".
TEST(WyszukiwanieStacji, DokladnaNazwaWybieraTeStacje)
{
    const Siec s = siecProbna();
    WyszukiwanieStacji w(s, wszystkie(s));
    w.aktywuj(5 * kWysokoscWierszaStacji);
    wpisz(w, QStringLiteral("Kielce"));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Kielce"));
    EXPECT_EQ(w.wynik(), 3);
    EXPECT_TRUE(w.znajdz(QStringLiteral("Kielce")));
    wpisz(w, QStringLiteral("Kielce B"));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Kielce Białogon"));
}

// Porównanie z rozróżnianiem wielkości liter na liście uporządkowanej bez
// niego: wynik jak przy przeglądaniu listy od początku.
TEST(WyszukiwanieStacji, WielkoscLiterJakPrzegladanieOdPoczatku)
{
    const Siec s = siecZNazw({"kielce", "Kielce", "KIELCE", "Kielce Herby", "kielce herby", "Abc", "żary"});
    WyszukiwanieStacji w(s, wszystkie(s));
    QCollator zWielkoscia{QLocale(QLocale::Polish, QLocale::Poland)};
    zWielkoscia.setCaseSensitivity(Qt::CaseSensitive);
    for (const char* t : {"kielce", "Kielce", "KIELCE", "KIELCE H", "kielce h", "Kielce Herby", "kielce herbyy", "a",
                          "ZZZ", "", "Ż", "ż"}) {
        const QString tekst = QString::fromUtf8(t);
        int oczekiwana = w.dlugosc() - 1;
        for (int i = 0; i < w.dlugosc() - 1; ++i)
            if (zWielkoscia.compare(s.nazwaStacji(w.lista()[std::size_t(i)]), tekst) >= 0) {
                oczekiwana = i;
                break;
            }
        EXPECT_EQ(w.pozycjaDlaTekstu(tekst), oczekiwana) << t;
    }
}

TEST(WyszukiwanieStacji, PrzewijanieTylkoOIleTrzeba)
{
    Siec s;
    for (int i = 0; i < 30; ++i)
        dodajStacje(s, QStringLiteral("Stacja %1").arg(i, 2, 10, QLatin1Char('0')), 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    WyszukiwanieStacji w(s, wszystkie(s));
    w.aktywuj(10 * kWysokoscWierszaStacji + 5);   // 10 wierszy: a = 9
    EXPECT_TRUE(w.pasekWidoczny());
    EXPECT_EQ(w.liczbaWierszy(), 10);
    EXPECT_EQ(w.maksimum(), 20);
    EXPECT_EQ(w.duzyKrok(), 9);
    EXPECT_EQ(w.pozycja(), 0);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Stacja 00"));   // "a" przed wszystkimi
    EXPECT_EQ(w.wybranyWiersz(), 0);
    // wpis za widocznymi wierszami i za maksimum: lista na końcu, wiersz = wpis - maksimum
    w.znajdz(QStringLiteral("Stacja 25"));
    EXPECT_EQ(w.pozycja(), 20);
    EXPECT_EQ(w.wybranyWiersz(), 5);
    // wpis dalej niż wybrany wiersz: wybrany wiersz zostaje, lista się przesuwa
    w.znajdz(QStringLiteral("Stacja 22"));
    EXPECT_EQ(w.wybranyWiersz(), 5);
    EXPECT_EQ(w.pozycja(), 17);
    // wpis nie dalej niż wybrany wiersz: wiersz = wpis, pozycja 0
    w.znajdz(QStringLiteral("Stacja 03"));
    EXPECT_EQ(w.pozycja(), 0);
    EXPECT_EQ(w.wybranyWiersz(), 3);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Stacja 03"));
    // przewinięcie paskiem: nazwa do pola, wybrany wiersz bez zmian
    EXPECT_EQ(w.przewin(14), QStringLiteral("Stacja 17"));
    EXPECT_EQ(w.przewin(99), QStringLiteral("Stacja 23"));   // ograniczone do maksimum
    // strzałki: lista o wiersz; na końcu listy zaznaczenie o wiersz (do ostatniej stacji)
    EXPECT_EQ(w.przesun(1), 20);
    EXPECT_EQ(w.wybranyWiersz(), 4);
    for (int i = 0; i < 10; ++i)
        w.przesun(1);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Stacja 29"));
    EXPECT_EQ(w.wybranyWiersz(), 9);
    EXPECT_EQ(w.przesun(-1), 19);
    EXPECT_EQ(w.wybranyWiersz(), 9);
    // kliknięcie wiersza
    EXPECT_TRUE(w.kliknij(0));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Stacja 19"));
    EXPECT_FALSE(w.kliknij(10));
    EXPECT_EQ(w.nazwaWiersza(9), QStringLiteral("Stacja 28"));
}

TEST(WyszukiwanieStacji, MniejStacjiNizWierszyBezPaska)
{
    const Siec s = siecZNazw({"Gdynia", "Gdańsk", "Sopot"});
    WyszukiwanieStacji w(s, wszystkie(s));
    w.aktywuj(20 * kWysokoscWierszaStacji);
    EXPECT_FALSE(w.pasekWidoczny());
    EXPECT_EQ(w.liczbaWierszy(), 3);
    EXPECT_EQ(w.maksimum(), 0);
    EXPECT_EQ(w.nazwaWiersza(0), QStringLiteral("Gdańsk"));
    EXPECT_EQ(w.nazwaWiersza(2), QStringLiteral("Sopot"));
    EXPECT_TRUE(w.nazwaWiersza(3).isEmpty());
    EXPECT_FALSE(w.kliknij(3));
    w.znajdz(QStringLiteral("Zzz"));
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Sopot"));
    EXPECT_EQ(w.pozycja(), 0);
    // bez paska strzałki przesuwają zaznaczenie, nie dalej niż lista
    w.przesun(-1);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Gdynia"));
    w.przesun(1);
    w.przesun(1);
    EXPECT_EQ(w.nazwaWybranej(), QStringLiteral("Sopot"));

    // pusta lista: nic nie wybrane, bez błędu
    WyszukiwanieStacji pusta(s, {});
    pusta.aktywuj(20 * kWysokoscWierszaStacji);
    EXPECT_FALSE(pusta.znajdz(QStringLiteral("G")));
    EXPECT_EQ(pusta.wynik(), -1);
    EXPECT_EQ(pusta.liczbaWierszy(), 0);
}

class WyborZListy : public ::testing::Test {
protected:
    void SetUp() override
    {
        Siec& s = d.s();
        a = dodajStacje(s, QStringLiteral("Alfa"), 0, 0, 11);
        b = dodajStacje(s, QStringLiteral("Beta"), 1000, 0, 12);
        c = dodajStacje(s, QStringLiteral("Gamma"), 2000, 0, 13);
        x = dodajStacje(s, QStringLiteral("Delta"), 3000, 0, 14);
        ukryta = dodajStacje(s, QStringLiteral("Ukryta"), 4000, 0, 15, 10000);
        dodajOdcinek(s, a, b, 1000, 1);
        dodajOdcinek(s, b, c, 1000, 1);
        dodajOdcinek(s, c, x, 1000, 2);
        dodajOdcinek(s, x, ukryta, 1000, 2);
        budujStacjeWgNazwy(s, nullptr);
        d.przygotuj();
    }
    DrogaTestowa d;
    int a, b, c, x, ukryta;
};

TEST_F(WyborZListy, FiltrWszystkichIKandydatow)
{
    UstawWybieralne(*&d.d);
    EXPECT_EQ(StacjeWybieralne(d.s()), (std::vector<int>{a, b, x, c}));
    EXPECT_EQ(d.s().Stacje[std::size_t(ukryta)].Wybieralna, 0);
    // wybór ręczny z początkiem w Alfa i narzędziem pośredniej: stacje linii 1
    d.d.kontrolki.kryterium = 2;
    OznaczStart(d.d, a);
    PrzygotujWyborReczny(d.d, 2);
    ASSERT_FALSE(d.t().PunktyWyboru.empty());
    UstawWybieralne(d.d);
    EXPECT_EQ(StacjeWybieralne(d.s()), (std::vector<int>{b, c}));
}

TEST_F(WyborZListy, UsuwanieZOznaczonychIPustaLista)
{
    InterakcjaSkryptowa ia;
    OknaStacjiInterakcji okna(ia);
    // brak oznaczonych stacji: pusta lista, nic nie wybrane
    EXPECT_EQ(WybierzStacjeZListy(d.d, true, okna), -1);
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_TRUE(ia.zdarzenia()[0].pozycje.isEmpty());
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Lista stacji"));

    // stacja wybrana po nazwie: ostatnia o tej nazwie
    const int druga = dodajStacje(d.s(), QStringLiteral("Beta"), 5000, 0, 16);
    OznaczOminStacje(d.d, b);
    ia.dodajWybor(0);
    EXPECT_EQ(WybierzStacjeZListy(d.d, true, okna), druga);

    // anulowanie okna wyszukiwania
    ia.dodajWybor(-1);
    EXPECT_EQ(WybierzStacjeZListy(d.d, false, okna), -1);
    EXPECT_EQ(ia.zdarzenia().last().tytul, QStringLiteral("Wybierz stację:"));
}

// W wyborze ręcznym lista narzędzia usuwania ma tylko pierwszy i ostatni
// punkt trasy, potem stacje wykluczone.
TEST_F(WyborZListy, UsuwanieWWyborzeRecznym)
{
    OznaczStart(d.d, a);
    OznaczMeta(d.d, x);
    OznaczPP(d.d, b);
    OznaczOminStacje(d.d, ukryta);
    d.d.kontrolki.kryterium = 2;
    EXPECT_EQ(NazwyOznaczonychStacji(d.d), (QStringList{"Alfa", "Delta", "Ukryta"}));
}

TEST_F(WyborZListy, ListaKandydatowZLiniamiStycznymiISzerokoscia)
{
    d.d.kontrolki.kryterium = 2;
    OznaczStart(d.d, a);
    PrzygotujWyborReczny(d.d, 2);
    const auto dlugosc = [](const QString& t) { return int(t.size()) * 7; };
    const ListaKandydatow l = ListaStacjiRecznych(d.d, dlugosc, 100);
    EXPECT_EQ(l.nazwy, (QStringList{"Beta", "Gamma (Linie styczne - 2)"}));
    EXPECT_EQ(l.szerokosc, 25 * 7 + 10);
    // wąskie nazwy: szerokość początkowa
    EXPECT_EQ(ListaStacjiRecznych(d.d, dlugosc, 400).szerokosc, 400);
    // miara czcionką mapy: najszersza nazwa + 10
    const ListaKandydatow m = ListaStacjiRecznych(d.d);
    EXPECT_GE(m.szerokosc, kSzerokoscListyStacji);
}

TEST(ListaStacji, PoczatekZaNazwamiSprzedA)
{
    QStringList l;
    for (int i = 0; i < 40; ++i)
        l << QStringLiteral("%1 km").arg(i, 2, 10, QLatin1Char('0'));
    l << QStringLiteral("Alfa") << QStringLiteral("Beta");
    // skoki o 15: 0, 15, 30, 41 (ostatnia: skok zatrzymany na końcu)
    EXPECT_EQ(PoczatekListyStacji(l), 41);
    EXPECT_EQ(PoczatekListyStacji({QStringLiteral("Alfa")}), 0);
    EXPECT_EQ(PoczatekListyStacji({QStringLiteral("1"), QStringLiteral("Alfa")}), 1);
    EXPECT_EQ(PoczatekListyStacji({}), -1);
}

TEST(ZnajdzStacje, SrodekIPowiekszenieZNazwa)
{
    Siec s;
    const int st = dodajStacje(s, QStringLiteral("Mała"), 1234, 5678, 1, 16);
    Widok w;
    w.zoom = 20000;
    PokazStacjeNaMapie(w, s, st);
    EXPECT_EQ(w.zoom, 160000);
    // stacja widoczna przy 1×: i tak nie przy 1× (tam mapa nie ma środka)
    s.Stacje[std::size_t(st)].Widocznosc = 1;
    w.zoom = 10000;
    PokazStacjeNaMapie(w, s, st);
    EXPECT_EQ(w.zoom, kPowiekszenieZnalezionej);
    s.Stacje[std::size_t(st)].Widocznosc = 16;
    EXPECT_DOUBLE_EQ(w.WspXSrodka, 1234);
    EXPECT_DOUBLE_EQ(w.WspYSrodka, 5678);
    // większe powiększenie zostaje
    w.zoom = 640000;
    PokazStacjeNaMapie(w, s, st);
    EXPECT_EQ(w.zoom, 640000);
}

// Polecenie stations na sieci przykładowej: pełna nazwa, litery, kandydaci.
TEST(StationsCli, ZnajdowanieJakWOknie)
{
    const QString siec = plikSieciPrzykladowej();
    WynikCli w = uruchomCli({"stations", "--network", siec, "--find", "Kielce"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    QJsonObject o = w.json();
    EXPECT_EQ(o.value("wybrana").toObject().value("NazwaStacji").toString(), QStringLiteral("Kielce"));
    EXPECT_TRUE(o.value("rowna").toBool());
    const QJsonArray lista = o.value("lista").toArray();
    ASSERT_GT(lista.size(), 1000);
    int kielce = -1;
    for (int i = 0; i < lista.size(); ++i)
        if (lista[i].toObject().value("NazwaStacji").toString() == QStringLiteral("Kielce"))
            kielce = i;
    ASSERT_GE(kielce, 0);
    EXPECT_EQ(lista[kielce + 1].toObject().value("NazwaStacji").toString(), QStringLiteral("Kielce Białogon"));

    w = uruchomCli({"stations", "--network", siec, "--find", "Kra"});
    o = w.json();
    EXPECT_FALSE(o.value("rowna").toBool());
    EXPECT_EQ(o.value("wybrana").toObject().value("NazwaStacji").toString(), QStringLiteral("Krajenka"));

    // wybór ręczny z początkiem: tylko kandydaci
    w = uruchomCli({"stations", "--network", siec, "--find", "K", "--criterion", "2", "--start", "Kielce",
                    "--mode", "2"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const int kandydatow = w.json().value("lista").toArray().size();
    EXPECT_GT(kandydatow, 0);
    EXPECT_LT(kandydatow, lista.size());

    EXPECT_EQ(uruchomCli({"stations", "--network", siec}).kod, 2);
    EXPECT_EQ(uruchomCli({"stations", "--network", siec, "--find", "K", "--mode", "7"}).kod, 2);
}

} // namespace
} // namespace tks::test
