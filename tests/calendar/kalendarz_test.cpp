// Reguły dni kursowania, odbudowa z tabeli, edycja zakresów i oznaczeń,
// przyciski reguł okna kalendarza.

#include "KalendarzTestowy.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// Zakresy [od, do] z kodami reguł; reszta jak w TworzSiatkeKalendarza.
Tabela zakresy(std::initializer_list<std::tuple<QDate, QDate, const char*>> z)
{
    Tabela t = nowaTabelaKalendarz();
    for (const auto& [od, doDnia, kod] : z)
        dodajZakres(t, od, doDnia, kod);
    return t;
}

QString kodZakresu(const TZakresy& z)
{
    QString s;
    for (auto v : z.D)
        s += QString::number(v);
    return s;
}

QString dataZakresu(double d) { return dataIso(d); }

// Trzy zakresy: A do końca lutego, C w marcu, E od kwietnia.
Tabela trzyZakresy()
{
    return zakresy({{QDate(2017, 12, 10), QDate(2018, 2, 28), "11111002"},
                    {QDate(2018, 3, 1), QDate(2018, 3, 31), "00000111"},
                    {QDate(2018, 4, 1), QDate(2018, 12, 8), "11111100"}});
}

TEST(RegulyDnia, SwietoWSrodeISobote)
{
    const struct {
        const char* kod;
        bool sroda;    // 15-08-18, środa świąteczna
        bool sobota;   // 06-01-18, sobota świąteczna
    } przypadki[] = {
        {"11111000", false, false},
        {"11111002", true, false},
        {"11111001", true, true},
        {"11111005", false, false},   // reguła świąt spoza 0..2: nie kursuje nigdy
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.kod);
        Kalendarz k;
        TworzSiatkeKalendarza(k, QDate(2017, 12, 10), QDate(2018, 12, 8), swieta2018());
        TZakresy z = ZakresDomyslny(QDate(2017, 12, 10), QDate(2018, 12, 8));
        for (int i = 0; i < 8; ++i)
            z.D[i] = std::uint8_t(p.kod[i] - '0');
        k.Zakresy = {z};
        const int sroda = IndeksDnia(k, dzien(2018, 8, 15));
        const int sobota = IndeksDnia(k, dzien(2018, 1, 6));
        EXPECT_EQ(KursujeWgReguly(k, sroda), p.sroda);
        EXPECT_EQ(KursujeWgReguly(k, sobota), p.sobota);
        // zwykła środa obok
        EXPECT_EQ(KursujeWgReguly(k, sroda + 7), p.kod[7] != '5');
    }
}

TEST(RegulyDnia, DniOkresuIDniTygodnia)
{
    PociagTestowy t;
    ASSERT_EQ(t.k.liczbaDni(), 364);
    EXPECT_EQ(t.k.Dni.front().DzienTyg, '7');   // 10-12-17 to niedziela
    EXPECT_EQ(t.k.Dni.back().DzienTyg, '6');    // 08-12-18 to sobota
    EXPECT_EQ(DzienTygodnia(dzien(2018, 5, 1)), '2');
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 11, 12))].Swieto, 1);
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 11, 13))].Swieto, 0);
}

TEST(WczytanieKalendarza, OznaczenieZgodneZRegulaNieJestZapisywane)
{
    PociagTestowy t;
    Tabela tab = caly("11111002");
    dodajOznaczenie(tab, QDate(2018, 3, 5), 1);    // poniedziałek: kursuje i tak
    dodajOznaczenie(tab, QDate(2018, 3, 6), 0);    // wtorek odwołany
    dodajOznaczenie(tab, QDate(2018, 3, 10), 1);   // sobota dodatkowo
    dodajOznaczenie(tab, QDate(2018, 3, 11), 0);   // niedziela: nie kursuje i tak
    WczytajKalendarz(t.d, tab);
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 3, 5))].Dod, 1);

    const Tabela zapis = WierszeKalendarza(t.k, 7);
    ASSERT_EQ(zapis.liczbaWierszy(), 3);
    EXPECT_EQ(zapis.calkowita(0, QStringLiteral("Dod")), 2);
    EXPECT_EQ(zapis.calkowita(0, QStringLiteral("IdPociagu")), 7);
    EXPECT_EQ(zapis.rzeczywista(1, QStringLiteral("ZakresOd")), dzien(2018, 3, 6));
    EXPECT_EQ(zapis.rzeczywista(1, QStringLiteral("ZakresDo")), dzien(2018, 3, 6));
    EXPECT_EQ(zapis.calkowita(1, QStringLiteral("Dod")), 0);
    EXPECT_EQ(zapis.calkowita(1, QStringLiteral("D1")), 0);
    EXPECT_EQ(zapis.rzeczywista(2, QStringLiteral("ZakresOd")), dzien(2018, 3, 10));
    EXPECT_EQ(zapis.calkowita(2, QStringLiteral("Dod")), 1);

    // po ponownym wczytaniu dni kursują tak samo, a zgodne oznaczenie znika
    PociagTestowy u;
    WczytajKalendarz(u.d, zapis);
    EXPECT_EQ(u.k.Dni[std::size_t(u.i(2018, 3, 5))].Dod, 2);
    for (int i = 0; i < t.k.liczbaDni(); ++i)
        ASSERT_EQ(Kursuje(u.k, i), Kursuje(t.k, i)) << i;
    EXPECT_EQ(u.kursuje(), t.kursuje());
}

TEST(WczytanieKalendarza, ZakresyPrzycinaneDoOkresuOznaczeniaSpozaPomijane)
{
    PociagTestowy t;
    Tabela tab = zakresy({{QDate(2017, 11, 1), QDate(2018, 12, 31), "11111002"}});
    dodajOznaczenie(tab, QDate(2017, 12, 8), 1);
    dodajOznaczenie(tab, QDate(2018, 12, 9), 1);
    dodajOznaczenie(tab, QDate(2018, 12, 8), 1);   // ostatni dzień okresu, sobota
    WczytajKalendarz(t.d, tab);
    ASSERT_EQ(t.k.liczbaZakresow(), 1);
    EXPECT_EQ(t.k.Zakresy[0].ZakresOd, dzien(2017, 12, 10));
    EXPECT_EQ(t.k.Zakresy[0].ZakresDo, dzien(2018, 12, 8));
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A)\r\ndodatkowo kursuje 08-12-18"));
    EXPECT_EQ(t.lDniKurs(), 261);
}

TEST(WczytanieKalendarza, PustaTabelaAlboSameOznaczeniaDajaZakresDomyslny)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, caly("11111112"));
    WczytajKalendarz(t.d, nowaTabelaKalendarz());
    ASSERT_EQ(t.k.liczbaZakresow(), 1);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("00000002"));
    EXPECT_EQ(t.kursuje(), QStringLiteral("Nie kursuje"));

    Tabela same = nowaTabelaKalendarz();
    dodajOznaczenie(same, QDate(2018, 5, 2), 1);
    WczytajKalendarz(t.d, same);
    ASSERT_EQ(t.k.liczbaZakresow(), 1);
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje 02-05-18"));
}

TEST(WczytanieKalendarza, AktywacjaPorzadkujeRegulySwiatZakresu)
{
    PociagTestowy t;
    // wszystkie dni + "kursuje w święta" to codziennie; żaden dzień + "nie w święta" to żaden dzień
    WczytajKalendarz(t.d, zakresy({{QDate(2017, 12, 10), QDate(2018, 5, 31), "11111111"},
                                   {QDate(2018, 6, 1), QDate(2018, 12, 8), "00000000"}}));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111112"));
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::Codziennie);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("00000000"));
    AktywujZakres(t.d, 5);   // przycięty do ostatniego
    EXPECT_EQ(t.k.AktywnyZakres, 1);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("00000002"));
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::NieCodziennie);
}

TEST(EdycjaZakresow, PodzialNaPoczatkuMarca)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, caly("11111002"));
    ASSERT_TRUE(PodzielZakres(t.k, t.i(2018, 3, 1)));
    GenerujOpis(t.d);
    ASSERT_EQ(t.k.liczbaZakresow(), 2);
    EXPECT_EQ(dataZakresu(t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-02-28"));
    EXPECT_EQ(dataZakresu(t.k.Zakresy[1].ZakresOd), QStringLiteral("2018-03-01"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("11111002"));
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 3, 1))].NrZakresu, 1);
    EXPECT_EQ(t.kursuje(), QStringLiteral("Od 10-12-17 do 28-02-18  kursuje w (A)\r\n"
                                          "Od 01-03-18 do 08-12-18  kursuje w (A)\r\n"));
    EXPECT_EQ(t.lDniKurs(), 260);
    // podział między zakresami albo na brzegu okresu nie jest podziałem wewnątrz zakresu
    EXPECT_FALSE(PodzielZakres(t.k, t.i(2018, 3, 1)));
    EXPECT_FALSE(PodzielZakres(t.k, 0));
    EXPECT_FALSE(PodzielZakres(t.k, t.k.liczbaDni()));
}

TEST(EdycjaZakresow, PrzesuniecieIUsuniecieGranicy)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, trzyZakresy());
    const int b = t.i(2018, 3, 1);
    // dwa dni w prawo: 1 i 2 marca przechodzą do lewego zakresu
    ASSERT_TRUE(PrzesunPodzial(t.k, b, b + 2));
    EXPECT_EQ(dataZakresu(t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-03-02"));
    EXPECT_EQ(dataZakresu(t.k.Zakresy[1].ZakresOd), QStringLiteral("2018-03-03"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111002"));
    EXPECT_EQ(t.k.Dni[std::size_t(b + 1)].NrZakresu, 0);
    // trzy dni w lewo: 28 lutego .. 2 marca przechodzą do prawego
    ASSERT_TRUE(PrzesunPodzial(t.k, b + 2, b - 1));
    EXPECT_EQ(dataZakresu(t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-02-27"));
    EXPECT_EQ(dataZakresu(t.k.Zakresy[1].ZakresOd), QStringLiteral("2018-02-28"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("00000111"));
    EXPECT_FALSE(PrzesunPodzial(t.k, b - 1, b - 1));
    EXPECT_FALSE(PrzesunPodzial(t.k, t.i(2018, 1, 10), t.i(2018, 1, 12)));   // tam nie ma granicy

    // usunięcie granicy: lewy zakres zachowuje swoje reguły i sięga do końca prawego
    ASSERT_TRUE(UsunPodzial(t.k, b - 1));
    GenerujOpis(t.d);
    ASSERT_EQ(t.k.liczbaZakresow(), 2);
    EXPECT_EQ(dataZakresu(t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-03-31"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111002"));
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 4, 1))].NrZakresu, 1);
    EXPECT_EQ(t.kursuje(), QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A)\r\n"
                                          "Od 01-04-18 do 08-12-18  kursuje w (E)\r\n"));
    EXPECT_FALSE(UsunPodzial(t.k, t.i(2018, 2, 1)));
}

TEST(EdycjaZakresow, PrzesuniecieZabierajaceCalyZakres)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, trzyZakresy());
    AktywujZakres(t.d, 2);
    // granica A|C przesunięta za koniec marca i dwa dni dalej: C znika
    ASSERT_TRUE(PrzesunPodzial(t.k, t.i(2018, 3, 1), t.i(2018, 4, 3)));
    ASSERT_EQ(t.k.liczbaZakresow(), 2);
    EXPECT_EQ(dataZakresu(t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-04-02"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("11111100"));
    EXPECT_EQ(t.k.AktywnyZakres, 1);   // nadal zakres E

    // aktywny zakres traci wszystkie dni: aktywny jest ten, który je przejął
    ASSERT_TRUE(PrzesunPodzial(t.k, t.i(2018, 4, 3), t.k.liczbaDni()));
    ASSERT_EQ(t.k.liczbaZakresow(), 1);
    EXPECT_EQ(t.k.AktywnyZakres, 0);
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::A);
}

TEST(EdycjaZakresow, AktywnyZakresZostajeTymSamymZakresem)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, trzyZakresy());
    AktywujZakres(t.d, 2);   // E
    ASSERT_TRUE(PodzielZakres(t.k, t.i(2018, 1, 15)));
    EXPECT_EQ(t.k.AktywnyZakres, 3);
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::E);
    KliknijDzienTygodnia(t.d, 6, true);   // niedziela do aktywnego zakresu
    EXPECT_EQ(kodZakresu(t.k.Zakresy[3]), QStringLiteral("11111110"));
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("11111002"));

    // usunięcie granicy przed aktywnym zakresem: aktywny staje się lewy, przyciski pokazują jego reguły
    AktywujZakres(t.d, 2);   // C
    ASSERT_TRUE(UsunPodzial(t.k, t.i(2018, 3, 1)));
    EXPECT_EQ(t.k.AktywnyZakres, 1);
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::A);
    KliknijDzienTygodnia(t.d, 0, false);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[1]), QStringLiteral("01111002"));
}

TEST(Oznaczenia, GestPrzeciwnyDoStanuWcisnietegoDnia)
{
    PociagTestowy t;
    WczytajKalendarz(t.d, caly("11111002"));
    // 3..7 marca 2018 (sobota .. środa), przeciągnięcie wraca do 5.
    const int s = t.i(2018, 3, 3);
    ZaznaczDni(t.k, s, t.i(2018, 3, 7));
    ZaznaczDni(t.k, s, t.i(2018, 3, 5));
    for (int i = 0; i < t.k.liczbaDni(); ++i)
        ASSERT_EQ(t.k.Dni[std::size_t(i)].Zaznaczony, (i >= s && i <= s + 2) ? 1 : 0) << i;
    UstawOznaczenia(t.k, s);   // sobota nie kursuje: wszystkie dostają 1
    WyczyscZaznaczenie(t.k);
    GenerujOpis(t.d);
    EXPECT_TRUE(t.kursujeDnia(2018, 3, 3));
    EXPECT_TRUE(t.kursujeDnia(2018, 3, 4));
    EXPECT_EQ(t.k.Dni[std::size_t(s + 2)].Dod, 1);
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A)\r\ndodatkowo kursuje 03-03-18, 04-03-18"));

    // od poniedziałku (kursuje) w lewo: odwołane
    ZaznaczDni(t.k, s + 2, s + 1);
    UstawOznaczenia(t.k, s + 2);
    GenerujOpis(t.d);
    EXPECT_FALSE(t.kursujeDnia(2018, 3, 4));
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A), oprócz 05-03-18\r\ndodatkowo kursuje 03-03-18"));

    UsunOznaczenie(t.k, s);
    EXPECT_EQ(t.k.Dni[std::size_t(s)].Dod, 2);
}

TEST(Oznaczenia, UsuniecieOznaczenTylkoWAktywnymZakresie)
{
    PociagTestowy t;
    Tabela tab = trzyZakresy();
    dodajOznaczenie(tab, QDate(2018, 1, 2), 0);
    dodajOznaczenie(tab, QDate(2018, 1, 3), 0);
    dodajOznaczenie(tab, QDate(2018, 3, 5), 1);
    WczytajKalendarz(t.d, tab);
    const std::vector<int> zmienione = UsunOznaczeniaZakresu(t.k);
    EXPECT_EQ(zmienione, (std::vector<int>{t.i(2018, 1, 2), t.i(2018, 1, 3)}));
    EXPECT_EQ(t.k.Dni[std::size_t(t.i(2018, 3, 5))].Dod, 1);
}

TEST(PrzyciskiRegul, DniRoboczeToWzorzecA)
{
    PociagTestowy t;
    for (int d = 0; d < 5; ++d)
        KliknijDzienTygodnia(t.d, d, true);
    KliknijDzienTygodnia(t.d, 5, false);
    KliknijDzienTygodnia(t.d, 6, false);
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::A);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111002"));
    EXPECT_EQ(t.kursuje(), QStringLiteral("kursuje w (A)\r\n"));

    KliknijSwieta(t.d, false);   // NS
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::D);
    KliknijSwieta(t.d, true);    // JS zwalnia NS
    EXPECT_TRUE(t.k.przyciski.JS);
    EXPECT_FALSE(t.k.przyciski.NS);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111001"));
    KliknijSwieta(t.d, true);    // wciśnięty JS zwolniony: święta według dni tygodnia
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111002"));
}

TEST(PrzyciskiRegul, WszystkieDniIZwiataToCodziennie)
{
    PociagTestowy t;
    for (int d = 0; d < 7; ++d)
        KliknijDzienTygodnia(t.d, d, true);
    KliknijSwieta(t.d, true);
    EXPECT_FALSE(t.k.przyciski.JS);
    EXPECT_EQ(t.k.przyciski.wzorzec, Wzorzec::Codziennie);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("11111112"));

    KliknijWzorzec(t.d, Wzorzec::U);
    EXPECT_EQ(kodZakresu(t.k.Zakresy[0]), QStringLiteral("00000011"));
    EXPECT_TRUE(t.k.przyciski.JS);
    KliknijWzorzec(t.d, Wzorzec::NieCodziennie);
    EXPECT_EQ(t.kursuje(), QStringLiteral("Nie kursuje"));
}

} // namespace
