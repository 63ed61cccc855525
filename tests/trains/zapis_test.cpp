// Zapis, wczytanie i usunięcie pociągu, identyfikatory, pytania o zapis.

#include "app/CyklDrogi.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"
#include "pricing/Wycenianie.h"
#include "routing/Warunki.h"
#include "trains/MenuPlik.h"
#include "trains/NowyPociag.h"
#include "trains/PociagTestowy.h"
#include "trains/TabelePociagu.h"
#include "wspolne/LimitPliku.h"
#include "wspolne/WierszeKalendarza.h"

#include <QDir>
#include <map>
#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

struct Zapis : ::testing::Test, PociagTestowy {
    // Lista pociągów z wierszami o podanych id (w tej kolejności).
    void lista(std::initializer_list<int> ids)
    {
        Tabela l = nowaTabelaListaPociagow();
        for (int id : ids) {
            const int w = l.dodajWiersz();
            l.ustaw(w, QStringLiteral("IdPociagu"), id);
            l.ustaw(w, QStringLiteral("NrPociagu"), QStringLiteral("N%1").arg(id));
        }
        QString blad;
        ASSERT_TRUE(zapiszTabele(l, plikListy(), blad)) << blad.toStdString();
    }
    // Kalendarz: dni robocze (A), 25.12.2017 nie kursuje, 5.05.2018 (sobota) kursuje.
    void kalendarzA()
    {
        Tabela t = nowaTabelaKalendarz();
        dodajZakres(t, QDate(2017, 12, 10), QDate(2018, 12, 8), "11111002");
        dodajOznaczenie(t, QDate(2017, 12, 25), 0);
        dodajOznaczenie(t, QDate(2018, 5, 5), 1);
        dodajOznaczenie(t, QDate(2018, 5, 7), 1);   // poniedziałek: zgodne z regułą
        WczytajKalendarz(d, t);
    }
    int zapiszNowy()
    {
        d.pociag.IdBiezacegoPociagu = 0;
        EXPECT_TRUE(ZapiszPociag(d, okna)) << ia.teksty().join(QStringLiteral(" | ")).toStdString();
        return d.pociag.IdBiezacegoPociagu;
    }
};

} // namespace

TEST_F(Zapis, IdentyfikatoryZListy)
{
    EXPECT_EQ(NoweId(d), 1);   // brak pliku listy: pusta lista
    EXPECT_TRUE(ia.zdarzenia().isEmpty());

    lista({5, 1, 2});
    d.pociag.listaOtwarta = false;
    EXPECT_EQ(NoweId(d), 6);

    // usunięcie pociągu o najwyższym id: to id wraca
    EXPECT_TRUE(UsunPociag(d, 5, QStringLiteral("N5")));
    EXPECT_EQ(NoweId(d), 3);
    EXPECT_TRUE(UsunPociag(d, 2, QStringLiteral("N2")));
    trasaAD();
    EXPECT_EQ(zapiszNowy(), 2);

    // zgubiona lista: numery pociągów, które mają jeszcze pliki, nie są wydawane ponownie
    ASSERT_TRUE(QFile::remove(plikListy()));
    d.pociag.listaOtwarta = false;
    EXPECT_EQ(NoweId(d), 3);
    const QByteArray naglowek2 = tresc(plik("Naglowek", 2));
    EXPECT_EQ(zapiszNowy(), 3);
    EXPECT_EQ(tresc(plik("Naglowek", 2)), naglowek2);

    // najwyższy możliwy numer zajęty: komunikat zamiast cichej porażki
    lista({2147483647});
    d.pociag.listaOtwarta = false;
    ia.wyczysc();
    EXPECT_EQ(NoweId(d), 0);
    ASSERT_FALSE(ia.zdarzenia().isEmpty());
    EXPECT_TRUE(ia.zdarzenia().back().tekst.startsWith(QStringLiteral("Nie ma wolnego numeru pociągu")));
}

TEST_F(Zapis, PierwszyZapisTworzyPlikiIWierszListy)
{
    EXPECT_FALSE(QDir(katalog.filePath(QStringLiteral("Pociagi"))).exists());
    trasaAD();
    OznaczOminStacje(d, C);   // trasa przez Epsilon
    OznaczOminOdcinek(d, 1);
    d.pociag.ustaw(QStringLiteral("NazwaPociagu"), QStringLiteral("Poranny"));
    d.pociag.zatwierdz();
    ASSERT_TRUE(d.pociag.ZmianyPociagu);
    ASSERT_TRUE(d.pociag.NowyPociag);

    EXPECT_EQ(zapiszNowy(), 1);
    EXPECT_EQ(okna.liczbaNaglowkow, 1);
    // zapisany pociąg nie jest już nowy: tytuł okna i pytanie o zapis mówią o jego numerze
    EXPECT_FALSE(d.pociag.NowyPociag);
    EXPECT_EQ(tekstPytaniaOZapis(d), QStringLiteral("Czy zapisać zmiany dla pociągu nr 1234 ?"));
    EXPECT_FALSE(d.pociag.ZmianyPociagu);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("IdPociagu")).toInt(), 1);
    for (const char* t :
         {"Naglowek", "PociagStacje", "GlowneStacje", "OdcinkiZabronione", "StacjeZabronione", "Kalendarz"})
        EXPECT_TRUE(QFile::exists(plik(t, 1))) << t;
    EXPECT_FALSE(QFile::exists(plik("Trasa", 1)));   // zapis nie pisze tabeli trasy

    QString blad;
    const auto l = wczytajListePociagow(d, blad);
    ASSERT_TRUE(l);
    ASSERT_EQ(l->liczbaWierszy(), 1);
    EXPECT_EQ(l->calkowita(0, QStringLiteral("IdPociagu")), 1);
    EXPECT_EQ(l->tekst(0, QStringLiteral("NrPociagu")), QStringLiteral("1234"));
    EXPECT_EQ(l->tekst(0, QStringLiteral("NazwaPociagu")), QStringLiteral("Poranny"));
    EXPECT_EQ(l->tekst(0, QStringLiteral("Relacja")), QStringLiteral("Alfa - Delta"));   // przycięte nazwy

    const auto st = wczytajTabele(plik("StacjeZabronione", 1), nowaTabelaStacjeZabronione(), blad);
    ASSERT_TRUE(st);
    ASSERT_EQ(st->liczbaWierszy(), 1);
    EXPECT_EQ(st->calkowita(0, QStringLiteral("IdObEksp")), 103);
    EXPECT_FALSE(st->wartosc(0, QStringLiteral("IdStacjiZabr")).isValid());
    const auto od = wczytajTabele(plik("OdcinkiZabronione", 1), nowaTabelaOdcinkiZabronione(), blad);
    ASSERT_TRUE(od);
    ASSERT_EQ(od->liczbaWierszy(), 1);
    EXPECT_EQ(od->calkowita(0, QStringLiteral("NrLinii")), 1);
    EXPECT_EQ(od->calkowita(0, QStringLiteral("IdObEkspOd")), 102);
    EXPECT_EQ(od->calkowita(0, QStringLiteral("IdObEkspDo")), 103);
}

TEST_F(Zapis, LiniaPunktuGlownego)
{
    ASSERT_TRUE(OznaczStart(d, A));
    ASSERT_TRUE(OznaczMeta(d, D));
    ASSERT_TRUE(OznaczPP(d, E));
    PrzeliczPonownieDroge(d);
    auto& P = t().GlowneStacje;
    ASSERT_EQ(P.size(), 3u);
    P[2].NrLinii = 9;   // własna linia punktu zostaje
    ASSERT_EQ(zapiszNowy(), 1);

    QString blad;
    const auto g = wczytajTabele(plik("GlowneStacje", 1), nowaTabelaGlowneStacje(), blad);
    ASSERT_TRUE(g);
    ASSERT_EQ(g->liczbaWierszy(), 3);
    // początek: grupa 0 nie ma elementów - Null
    EXPECT_FALSE(g->wartosc(0, QStringLiteral("NrLinii")).isValid());
    EXPECT_EQ(g->calkowita(0, QStringLiteral("Rodzaj")), 1);
    // Epsilon: ostatni element jego grupy przy tej stacji to Beta - Epsilon, linia 2
    EXPECT_EQ(g->calkowita(1, QStringLiteral("NrLinii")), 2);
    EXPECT_EQ(g->calkowita(1, QStringLiteral("IdObEksp")), 105);
    EXPECT_EQ(g->calkowita(1, QStringLiteral("LpGlStacji")), 1);
    EXPECT_EQ(g->calkowita(2, QStringLiteral("NrLinii")), 9);
    EXPECT_EQ(g->calkowita(2, QStringLiteral("Rodzaj")), 3);
    for (int w = 0; w < 3; ++w) {
        EXPECT_EQ(g->calkowita(w, QStringLiteral("IdPociagu")), 1);
        EXPECT_EQ(g->calkowita(w, QStringLiteral("NrGrupy")), P[std::size_t(w)].NrGrupy);
    }
}

TEST_F(Zapis, BrakPunktowIEdytorAnulowany)
{
    EXPECT_EQ(ZapiszPociagZWynikiem(d, okna), WynikZapisu::BrakPunktow);
    ASSERT_TRUE(OznaczStart(d, A));
    EXPECT_EQ(ZapiszPociagZWynikiem(d, okna), WynikZapisu::BrakPunktow);
    EXPECT_EQ(ia.teksty(), (QStringList{"Proszę oznaczyć stację początkową", "Proszę oznaczyć stację końcową"}));
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga"));
    EXPECT_EQ(ia.zdarzenia()[0].ikona, Ikona::Ostrzezenie);
    EXPECT_EQ(okna.liczbaNaglowkow, 0);

    ASSERT_TRUE(OznaczMeta(d, D));
    okna.anulujNaglowek = true;
    EXPECT_EQ(ZapiszPociagZWynikiem(d, okna), WynikZapisu::Anulowano);
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);
    EXPECT_FALSE(QFile::exists(plikListy()));
}

TEST_F(Zapis, ZapiszJakoNowyZostawiaStaryPociag)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    d.pociag.listaOtwarta = false;   // jak po ponownym uruchomieniu
    ASSERT_TRUE(WczytajPociag(d, 1));
    QMap<QString, QByteArray> stare;
    for (const QString& n : nazwyTabelPociagu())
        stare[n] = tresc(plikTabeliPociagu(d, n, 1));
    const QByteArray staraLista = tresc(plikListy());

    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("77"));
    d.pociag.zatwierdz();
    ASSERT_TRUE(MenuZapiszJakoNowy(d, okna));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 2);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("IdPociagu")).toInt(), 2);
    for (const QString& n : nazwyTabelPociagu())
        EXPECT_EQ(tresc(plikTabeliPociagu(d, n, 1)), stare[n]) << n.toStdString();
    const Tabela& l = d.pociag.ListaPociagow;
    ASSERT_EQ(l.liczbaWierszy(), 2);
    EXPECT_EQ(l.tekst(0, QStringLiteral("NrPociagu")), QStringLiteral("1234"));
    EXPECT_EQ(l.tekst(1, QStringLiteral("NrPociagu")), QStringLiteral("77"));
    EXPECT_TRUE(tresc(plikListy()).startsWith(staraLista.left(20)));

    // "Zapisz zmiany" pisze pod bieżącym id i poprawia jego wiersz listy
    d.pociag.ustaw(QStringLiteral("NazwaPociagu"), QStringLiteral("Wieczorny"));
    d.pociag.zatwierdz();
    ASSERT_TRUE(MenuZapiszZmiany(d, okna));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 2);
    ASSERT_EQ(l.liczbaWierszy(), 2);
    EXPECT_EQ(l.tekst(1, QStringLiteral("NazwaPociagu")), QStringLiteral("Wieczorny"));

    // nieudany "Zapisz jako nowy" (anulowany edytor): id 0, następny zapis daje nowe id
    okna.anulujNaglowek = true;
    EXPECT_FALSE(MenuZapiszJakoNowy(d, okna));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);
    okna.anulujNaglowek = false;
    ASSERT_TRUE(MenuZapiszZmiany(d, okna));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 3);
}

TEST_F(Zapis, WczytaniePrzywracaWarunkiOznaczeniaIKalendarz)
{
    ASSERT_TRUE(OznaczStart(d, A));
    ASSERT_TRUE(OznaczMeta(d, D));
    OznaczOminStacje(d, C);
    ASSERT_TRUE(OznaczPP(d, E));
    PrzeliczPonownieDroge(d);
    kalendarzA();
    d.kontrolki.dopasujDoRodzaju = true;
    d.kontrolki.brakSieci = true;
    UstalWarunki(d);
    ObliczMinParametry(d);
    const int dni = d.pociag.pole(QStringLiteral("LDniKurs")).toInt();
    ASSERT_EQ(dni, LiczDniKursowania(d.kalendarz));
    const QString kursuje = d.pociag.pole(QStringLiteral("Kursuje")).toString();
    const double cena = d.pociag.pole(QStringLiteral("CenaWyliczona")).toDouble();
    const auto elementy = stacjeTrasy();
    const Tabela wiersze = WierszeKalendarza(d.kalendarz, 1);
    ASSERT_EQ(zapiszNowy(), 1);

    // kalendarz w pliku: zakres, potem tylko oznaczenia różne od reguły
    QString blad;
    const auto k = wczytajTabele(plik("Kalendarz", 1), nowaTabelaKalendarz(), blad);
    ASSERT_TRUE(k);
    ASSERT_EQ(k->liczbaWierszy(), 3);
    EXPECT_EQ(k->calkowita(0, QStringLiteral("Dod")), 2);
    EXPECT_EQ(k->calkowita(1, QStringLiteral("Dod")), 0);
    EXPECT_EQ(k->rzeczywista(1, QStringLiteral("ZakresOd")), dzienZDaty(QDate(2017, 12, 25)));
    EXPECT_EQ(k->calkowita(2, QStringLiteral("Dod")), 1);
    EXPECT_EQ(k->rzeczywista(2, QStringLiteral("ZakresDo")), dzienZDaty(QDate(2018, 5, 5)));

    // inny stan przed wczytaniem
    MenuNowyPociag(d, okna);
    d.kontrolki = StanKontrolek{};
    d.kontrolki.kryterium = 1;
    ASSERT_TRUE(t().GlowneStacje.empty());

    ASSERT_TRUE(WczytajPociag(d, 1));
    EXPECT_TRUE(ia.zdarzenia().isEmpty()) << ia.teksty().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 1);
    EXPECT_FALSE(d.pociag.NowyPociag);
    EXPECT_FALSE(d.pociag.ZmianyPociagu);
    EXPECT_FALSE(d.kontrolki.wczytywaniePociagu);
    EXPECT_EQ(d.kontrolki.kryterium, 0);
    EXPECT_TRUE(d.kontrolki.dopasujDoRodzaju);
    EXPECT_TRUE(d.kontrolki.brakSieci);
    EXPECT_EQ(punkty(), (std::vector<int>{A, E, D}));
    EXPECT_EQ(t().ListaStacjiZabronionych, (std::vector<int>{C}));
    EXPECT_EQ(s().Stacje[std::size_t(C)].OdlMin, kWykluczona);
    EXPECT_EQ(t().LicznikGrup, 2);   // najwyższa zapisana grupa
    EXPECT_EQ(stacjeTrasy(), elementy);
    EXPECT_DOUBLE_EQ(d.pociag.pole(QStringLiteral("CenaWyliczona")).toDouble(), cena);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("LDniKurs")).toInt(), dni);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("Kursuje")).toString(), kursuje);
    EXPECT_TRUE(kursuje.contains(QStringLiteral("oprócz 25-12-17"))) << kursuje.toStdString();
    EXPECT_EQ(WierszeKalendarza(d.kalendarz, 1), wiersze);
    // oznaczenie zgodne z regułą nie wróciło
    EXPECT_EQ(d.kalendarz.Dni[std::size_t(IndeksDnia(d.kalendarz, dzienZDaty(QDate(2018, 5, 7))))].Dod, 2);
}

TEST_F(Zapis, PociagBezDniKursowaniaMaPustyKalendarz)
{
    trasaAD();
    kalendarzA();
    UstawAutomatycznyOpis(d, true);
    // reguła "nie kursuje nigdy": LDniKurs 0, ale zakresy są w modelu
    d.kalendarz.Zakresy[0].D[0] = d.kalendarz.Zakresy[0].D[1] = d.kalendarz.Zakresy[0].D[2] = 0;
    d.kalendarz.Zakresy[0].D[3] = d.kalendarz.Zakresy[0].D[4] = 0;
    for (auto& dz : d.kalendarz.Dni)
        dz.Dod = 2;
    AktywujZakres(d, 0);
    ASSERT_EQ(d.pociag.pole(QStringLiteral("LDniKurs")).toInt(), 0);
    ASSERT_EQ(zapiszNowy(), 1);
    EXPECT_EQ(ia.teksty().last(), QStringLiteral("Nie określono terminów kursowania. Kontynuować zapis?"));
    QString blad;
    const auto k = wczytajTabele(plik("Kalendarz", 1), nowaTabelaKalendarz(), blad);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->liczbaWierszy(), 0);

    kalendarzA();
    ASSERT_TRUE(WczytajPociag(d, 1));
    ASSERT_EQ(d.kalendarz.Zakresy.size(), 1u);
    EXPECT_EQ(d.kalendarz.Zakresy[0].D[0], 0);
    EXPECT_EQ(d.kalendarz.Zakresy[0].D[7], 2);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("LDniKurs")).toInt(), 0);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("Kursuje")).toString(), QStringLiteral("Nie kursuje"));
}

TEST_F(Zapis, StacjeSpozaSieciPomijaneBezKomunikatu)
{
    ASSERT_TRUE(OznaczStart(d, A));
    ASSERT_TRUE(OznaczMeta(d, D));
    ASSERT_TRUE(OznaczPP(d, E));
    OznaczOminOdcinek(d, 0);   // Alfa - Beta: trasa się urywa, ale oznaczenie zostaje
    OznaczOminStacje(d, C);
    ASSERT_EQ(zapiszNowy(), 1);

    // nowa sieć: Epsilon i Gamma mają inne IdObEksp, odcinek Alfa - Beta inną linię
    s().Stacje[std::size_t(E)].IdObEksp = 905;
    s().Stacje[std::size_t(C)].IdObEksp = 903;
    s().Odcinki[0].NrLinii = 8;
    ia.wyczysc();
    ASSERT_TRUE(WczytajPociag(d, 1));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
    EXPECT_EQ(punkty(), (std::vector<int>{A, D}));
    EXPECT_TRUE(t().ListaStacjiZabronionych.empty());
    EXPECT_TRUE(t().ListaOdcinkowZabronionych.empty());
    EXPECT_EQ(stacjeTrasy(), (std::vector<int>{A, B, C, D}));
    EXPECT_EQ(t().LicznikGrup, 2);   // najwyższa grupa z pliku, także pominiętego punktu

    // następny zapis jest już bez nich
    ASSERT_TRUE(MenuZapiszZmiany(d, okna));
    QString blad;
    EXPECT_EQ(wczytajTabele(plik("GlowneStacje", 1), nowaTabelaGlowneStacje(), blad)->liczbaWierszy(), 2);
    EXPECT_EQ(wczytajTabele(plik("StacjeZabronione", 1), nowaTabelaStacjeZabronione(), blad)->liczbaWierszy(), 0);
}

TEST_F(Zapis, UszkodzonyPlikNieZmieniaNiczegoWPamieci)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    ASSERT_TRUE(OznaczPP(d, E));
    PrzeliczPonownieDroge(d);
    ASSERT_EQ(zapiszNowy(), 2);
    const auto elementy = stacjeTrasy();
    const Tabela naglowek = d.pociag.Naglowek;
    ia.wyczysc();

    zapiszTresc(plik("GlowneStacje", 1), "{\"format\": \"taksatura-tabela\", \"wersja\": 1, \"tab");
    EXPECT_FALSE(WczytajPociag(d, 1));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(plik("GlowneStacje", 1))) << ia.zdarzenia()[0].tekst.toStdString();
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(QStringLiteral("uszkodzony")));
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 2);
    EXPECT_FALSE(d.pociag.NowyPociag);   // jak przed próbą: zapisany pociąg
    EXPECT_EQ(d.pociag.Naglowek, naglowek);
    EXPECT_EQ(stacjeTrasy(), elementy);
    EXPECT_EQ(punkty(), (std::vector<int>{A, E, D}));

    // punkt trasy z rodzajem spoza 1..3 albo absurdalnym numerem grupy
    for (const auto& [kolumna, wartosc] : {std::pair{"Rodzaj", 9}, std::pair{"NrGrupy", 2147483647}}) {
        QString b;
        auto g = Tabela::wczytajZPliku(plik("GlowneStacje", 2), b);
        ASSERT_TRUE(g) << b.toStdString();
        g->ustaw(0, QString::fromLatin1(kolumna), wartosc);
        ASSERT_TRUE(g->zapiszDoPliku(plik("GlowneStacje", 1), b));
        ia.wyczysc();
        EXPECT_FALSE(WczytajPociag(d, 1));
        ASSERT_EQ(ia.zdarzenia().size(), 1);
        EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(QString::fromLatin1(kolumna) + QStringLiteral(" = ")))
            << ia.zdarzenia()[0].tekst.toStdString();
        EXPECT_EQ(d.pociag.Naglowek, naglowek);
        EXPECT_EQ(punkty(), (std::vector<int>{A, E, D}));
    }

    // kolumna złego typu (numer jako liczba) też jest uszkodzeniem
    Tabela n(QStringLiteral("Naglowek"), {{QStringLiteral("IdPociagu"), TypPola::Calkowita},
                                            {QStringLiteral("NrPociagu"), TypPola::Calkowita}});
    n.ustaw(n.dodajWiersz(), 0, 1);
    QString blad;
    ASSERT_TRUE(n.zapiszDoPliku(plik("Naglowek", 1), blad));
    ia.wyczysc();
    EXPECT_FALSE(WczytajPociag(d, 1));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(QStringLiteral("NrPociagu"))) << ia.zdarzenia()[0].tekst.toStdString();
    EXPECT_EQ(d.pociag.Naglowek, naglowek);

    // plik innej tabeli pod nazwą nagłówka
    QFile::remove(plik("Naglowek", 1));
    ASSERT_TRUE(QFile::copy(plik("Kalendarz", 2), plik("Naglowek", 1)));
    ia.wyczysc();
    EXPECT_FALSE(WczytajPociag(d, 1));
    const QString tekst = ia.teksty().join(QString());
    EXPECT_TRUE(tekst.contains(QStringLiteral("Kalendarz"))) << tekst.toStdString();

    // brak pliku pociągu
    ia.wyczysc();
    EXPECT_FALSE(WczytajPociag(d, 9));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(plik("Naglowek", 9)));
    EXPECT_EQ(d.pociag.Naglowek, naglowek);
}

TEST_F(Zapis, BrakujacaKolumnaToNull)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    // nagłówek bez kolumny Opis i z kolumną nieznaną
    QString blad;
    auto surowa = Tabela::wczytajZPliku(plik("Naglowek", 1), blad);
    ASSERT_TRUE(surowa);
    QVector<DefinicjaKolumny> kol;
    for (const auto& k : surowa->kolumny())
        if (k.nazwa != QLatin1String("NazwaPociagu"))
            kol.append(k);
    kol.append({QStringLiteral("Dodatkowa"), TypPola::Memo});
    Tabela t(QStringLiteral("Naglowek"), kol);
    const int w = t.dodajWiersz();
    for (int k = 0; k < t.liczbaKolumn() - 1; ++k)
        t.ustaw(w, k, surowa->wartosc(0, t.kolumna(k).nazwa));
    t.ustaw(w, QStringLiteral("Dodatkowa"), QStringLiteral("x"));
    ASSERT_TRUE(t.zapiszDoPliku(plik("Naglowek", 1), blad));

    d.pociag.ustaw(QStringLiteral("NazwaPociagu"), QStringLiteral("stara"));
    ASSERT_TRUE(WczytajPociag(d, 1)) << ia.teksty().join(QString()).toStdString();
    EXPECT_FALSE(d.pociag.pole(QStringLiteral("NazwaPociagu")).isValid());
    EXPECT_EQ(d.pociag.pole(QStringLiteral("NrPociagu")).toString(), QStringLiteral("1234"));
    EXPECT_EQ(d.pociag.Naglowek.liczbaKolumn(), nowaTabelaNaglowka().liczbaKolumn());
}

TEST_F(Zapis, VmaxTaboruZapisanaZPociagiem)
{
    // pociąg zapisany przy "Vmax tab." 60 wraca z 60, choć w polu jest już 120
    d.kontrolki.vmaxTekst = QStringLiteral("60");
    trasaAD();
    const int czas60 = d.wycena.Tr;
    ASSERT_EQ(zapiszNowy(), 1);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("VTab")).toInt(), 60);
    d.kontrolki.vmaxTekst = QStringLiteral("120");
    ObliczMinParametry(d);
    ASSERT_NE(d.wycena.Tr, czas60);
    ASSERT_TRUE(WczytajPociag(d, 1));
    EXPECT_EQ(d.kontrolki.vmaxTekst, QStringLiteral("60"));
    EXPECT_EQ(d.wycena.Tr, czas60);
    EXPECT_FALSE(d.pociag.ZmianyPociagu);

    // wartość spoza zakresu w pliku: ograniczona jak wpisana w pole
    {
        QString blad;
        auto t = Tabela::wczytajZPliku(plik("Naglowek", 1), blad);
        ASSERT_TRUE(t);
        t->ustaw(0, QStringLiteral("VTab"), 5);
        ASSERT_TRUE(t->zapiszDoPliku(plik("Naglowek", 1), blad));
        ASSERT_TRUE(WczytajPociag(d, 1));
        EXPECT_EQ(d.kontrolki.vmaxTekst, QStringLiteral("10"));
    }

    // plik ze starszej wersji (bez kolumny VTab): pole zostaje, jakie było
    QString blad;
    auto surowa = Tabela::wczytajZPliku(plik("Naglowek", 1), blad);
    ASSERT_TRUE(surowa);
    QVector<DefinicjaKolumny> kol;
    for (const auto& k : surowa->kolumny())
        if (k.nazwa != QLatin1String("VTab"))
            kol.append(k);
    Tabela stara(QStringLiteral("Naglowek"), kol);
    const int w = stara.dodajWiersz();
    for (int k = 0; k < stara.liczbaKolumn(); ++k)
        stara.ustaw(w, k, surowa->wartosc(0, stara.kolumna(k).nazwa));
    ASSERT_TRUE(stara.zapiszDoPliku(plik("Naglowek", 1), blad));
    d.kontrolki.vmaxTekst = QStringLiteral("90");
    ASSERT_TRUE(WczytajPociag(d, 1));
    EXPECT_EQ(d.kontrolki.vmaxTekst, QStringLiteral("90"));
    EXPECT_FALSE(d.pociag.pole(QStringLiteral("VTab")).isValid());
}

TEST_F(Zapis, NaglowekBezWiersza)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    QString blad;
    ASSERT_TRUE(nowaTabelaNaglowka().zapiszDoPliku(plik("Naglowek", 1), blad));
    ia.wyczysc();
    EXPECT_FALSE(WczytajPociag(d, 1));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_EQ(ia.zdarzenia()[0].tekst, QStringLiteral("Brak w bazie informacji o wybranym pociągu"));
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(ia.zdarzenia()[0].ikona, Ikona::Blad);
    // trasa skasowana; zamiast nagłówka bez wiersza - nowy pociąg
    EXPECT_TRUE(t().GlowneStacje.empty());
    EXPECT_TRUE(t().Sciezki.empty());
    EXPECT_TRUE(d.pociag.maNaglowek());
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);
    EXPECT_TRUE(d.pociag.NowyPociag);
    EXPECT_EQ(d.pociag.pole(QStringLiteral("Kursuje")).toString(), QStringLiteral("Nie kursuje"));
}

TEST_F(Zapis, UsuniecieKasujePlikiIWiersz)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    ASSERT_EQ(zapiszNowy(), 2);
    ZamknijTabelePociagu(d);   // przy zamknięciu programu powstaje plik trasy
    ASSERT_TRUE(QFile::exists(plik("Trasa", 2)));
    ia.wyczysc();

    ASSERT_TRUE(UsunPociag(d, 2, QStringLiteral("1234")));
    for (const QString& n : nazwyTabelPociagu()) {
        EXPECT_FALSE(QFile::exists(plikTabeliPociagu(d, n, 2))) << n.toStdString();
        EXPECT_TRUE(n == QLatin1String("Trasa") || QFile::exists(plikTabeliPociagu(d, n, 1)));
    }
    EXPECT_EQ(ia.teksty(), QStringList{"Pomyślnie usunięto pociąg o numerze 1234 z bazy. "});
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(ia.zdarzenia()[0].ikona, Ikona::Informacja);
    QString blad;
    EXPECT_EQ(wczytajListePociagow(d, blad)->liczbaWierszy(), 1);

    // pociągu nie ma na liście
    ia.wyczysc();
    ASSERT_TRUE(UsunPociag(d, 7, QStringLiteral("X")));
    EXPECT_EQ(ia.teksty(), (QStringList{"Podczs usuwania pociagu z bazy pojawiły sie błędy. ",
                                        "Pomyślnie usunięto pociąg o numerze X z bazy. "}));
    // id 0: bez plików i listy, tylko komunikat
    ia.wyczysc();
    ASSERT_TRUE(UsunPociag(d, 0, QStringLiteral("Y")));
    EXPECT_EQ(ia.teksty(), QStringList{"Pomyślnie usunięto pociąg o numerze Y z bazy. "});
    EXPECT_EQ(d.pociag.ListaPociagow.liczbaWierszy(), 1);
}

TEST_F(Zapis, PrzerwanyZapisZostawiaStaryPlik)
{
    trasaAD();
    ASSERT_EQ(zapiszNowy(), 1);
    const QByteArray stary = tresc(plik("Naglowek", 1));
    const QByteArray staraLista = tresc(plikListy());
    ASSERT_GT(stary.size(), 600);

    // pełny dysk w połowie pliku: zapis większy niż 300 bajtów się nie udaje
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("999"));
    d.pociag.zatwierdz();
    ia.wyczysc();
    const WynikZapisu w = test::zLimitemRozmiaruPliku(300, [&] { return ZapiszPociagZWynikiem(d, okna); });

    EXPECT_EQ(w, WynikZapisu::BladPliku);
    ASSERT_FALSE(ia.zdarzenia().isEmpty());
    EXPECT_TRUE(ia.zdarzenia().back().tekst.contains(plik("Naglowek", 1))) << ia.zdarzenia().back().tekst.toStdString();
    EXPECT_EQ(ia.zdarzenia().back().tytul, QStringLiteral("Błąd"));
    EXPECT_TRUE(d.pociag.ZmianyPociagu);
    EXPECT_EQ(tresc(plik("Naglowek", 1)), stary);
    EXPECT_EQ(tresc(plikListy()), staraLista);
    // bez plików tymczasowych
    const QStringList pliki = QDir(katalogPociagow(d)).entryList(QDir::Files);
    for (const QString& f : pliki)
        EXPECT_TRUE(f.endsWith(QLatin1String(".cds"))) << f.toStdString();

    // po zwolnieniu miejsca zapis się udaje
    ASSERT_TRUE(MenuZapiszZmiany(d, okna));
    ASSERT_TRUE(WczytajPociag(d, 1));
    EXPECT_EQ(d.pociag.pole(QStringLiteral("NrPociagu")).toString(), QStringLiteral("999"));
}

TEST_F(Zapis, NieudanyZapisJednegoPlikuNieZmieniaZadnego)
{
    trasaAD();
    // dni robocze i 40 sobót dodatkowo: plik kalendarza większy niż nagłówek
    Tabela k = nowaTabelaKalendarz();
    dodajZakres(k, QDate(2017, 12, 10), QDate(2018, 12, 8), "11111002");
    for (int i = 0; i < 40; ++i)
        dodajOznaczenie(k, QDate(2017, 12, 16).addDays(7 * i), 1);
    WczytajKalendarz(d, k);
    ASSERT_EQ(zapiszNowy(), 1);
    std::map<QString, QByteArray> stare;
    for (const char* n : {"Naglowek", "PociagStacje", "GlowneStacje", "OdcinkiZabronione", "StacjeZabronione", "Kalendarz"})
        stare[QString::fromLatin1(n)] = tresc(plik(n, 1));
    qsizetype najwiekszy = 0;
    for (const auto& [n, t] : stare)
        najwiekszy = std::max(najwiekszy, t.size());
    const qsizetype naglowek = stare[QStringLiteral("Naglowek")].size();
    ASSERT_GT(najwiekszy, naglowek + 200);

    // nagłówek zmieściłby się w limicie, największy plik już nie: żaden plik się nie zmienia
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("998"));
    d.pociag.zatwierdz();
    const WynikZapisu w =
        test::zLimitemRozmiaruPliku(rlim_t(naglowek + 100), [&] { return ZapiszPociagZWynikiem(d, okna); });
    EXPECT_EQ(w, WynikZapisu::BladPliku);
    for (const auto& [n, t] : stare)
        EXPECT_EQ(tresc(plik(n.toLatin1().constData(), 1)), t) << n.toStdString();
    for (const QString& f : QDir(katalogPociagow(d)).entryList(QDir::Files))
        EXPECT_TRUE(f.endsWith(QLatin1String(".cds"))) << f.toStdString();
}

TEST_F(Zapis, UszkodzonaListaBlokujeZapis)
{
    trasaAD();
    QDir().mkpath(katalog.filePath(QStringLiteral("Pociagi")));
    zapiszTresc(plikListy(), "nie json");
    EXPECT_EQ(ZapiszPociagZWynikiem(d, okna), WynikZapisu::BladListy);
    EXPECT_TRUE(ia.teksty().last().contains(plikListy()));
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);
    EXPECT_FALSE(QFile::exists(plik("Naglowek", 1)));
    EXPECT_EQ(tresc(plikListy()), QByteArray("nie json"));   // lista nie zamazana
}

TEST_F(Zapis, PytanieOZapisPrzyPoleceniach)
{
    // bez punktu trasy: bez pytania
    d.pociag.ZmianyPociagu = true;
    EXPECT_TRUE(MenuNowyPociag(d, okna));
    EXPECT_TRUE(ia.zdarzenia().isEmpty());

    trasaAD();
    ASSERT_TRUE(d.pociag.ZmianyPociagu);
    const Tabela naglowek = d.pociag.Naglowek;
    const auto elementy = stacjeTrasy();

    // Anuluj: nic się nie zmienia
    ia.dodajOdpowiedz(Odpowiedz::Anuluj);
    EXPECT_FALSE(MenuNowyPociag(d, okna));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_EQ(ia.zdarzenia()[0].tekst, QStringLiteral("Czy zapisać zmiany dla nowego pociągu ?"));
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(d.pociag.Naglowek, naglowek);
    EXPECT_EQ(stacjeTrasy(), elementy);

    // Tak z anulowanym edytorem: polecenie się kończy
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    okna.anulujNaglowek = true;
    EXPECT_FALSE(MenuWczytajPociag(d, okna));
    EXPECT_EQ(stacjeTrasy(), elementy);
    okna.anulujNaglowek = false;

    // Tak: zapis, potem nowy pociąg
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    EXPECT_TRUE(MenuNowyPociag(d, okna));
    EXPECT_TRUE(QFile::exists(plik("Naglowek", 1)));
    EXPECT_TRUE(t().GlowneStacje.empty());
    EXPECT_EQ(d.pociag.IdBiezacegoPociagu, 0);

    // wczytany pociąg: pytanie z numerem; Nie - wczytanie bez zapisu
    okna.wybierz = 1;
    ASSERT_TRUE(MenuWczytajPociag(d, okna));
    OznaczOminStacje(d, C);
    ASSERT_TRUE(d.pociag.ZmianyPociagu);
    ia.wyczysc();
    ia.dodajOdpowiedz(Odpowiedz::Nie);
    okna.wybierz = 0;   // lista zamknięta bez wyboru
    EXPECT_FALSE(MenuWczytajPociag(d, okna));
    EXPECT_EQ(ia.teksty(), QStringList{"Czy zapisać zmiany dla pociągu nr 1234 ?"});
    EXPECT_EQ(t().ListaStacjiZabronionych.size(), 1u);

    // zamknięcie okna: Tak zapisuje
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    EXPECT_TRUE(ZamykanieOknaGlownego(d, okna));
    QString blad;
    EXPECT_EQ(wczytajTabele(plik("StacjeZabronione", 1), nowaTabelaStacjeZabronione(), blad)->liczbaWierszy(), 1);
}

TEST_F(Zapis, KalendarzOznaczaZmiany)
{
    d.pociag.ZmianyPociagu = false;
    EXPECT_EQ(MenuTerminyKursowania(d, okna), 0);
    EXPECT_FALSE(d.pociag.ZmianyPociagu);
    okna.edytujKalendarz = [](Droga& dr) { KliknijWzorzec(dr, Wzorzec::A); };
    EXPECT_GT(MenuTerminyKursowania(d, okna), 0);
    EXPECT_TRUE(d.pociag.ZmianyPociagu);
    EXPECT_GT(d.pociag.pole(QStringLiteral("LDniKurs")).toInt(), 200);
}
