// Kliknięcia narzędziami na mapie: oznaczenia w punkcie kliknięcia, wybór przy
// kilku trafionych, puszczenie przycisku myszy, stacje z listy po dwukliku.

#include "MapaTestowa.h"

#include "map/Klikniecia.h"
#include "map/Trafienia.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "trains/TabelePociagu.h"
#include "wspolne/SiecTestowa.h"

#include <gtest/gtest.h>

namespace tks::test {
namespace {

constexpr int W = 800;
constexpr int H = 600;

// A -1- B -1- C wzdłuż osi x, objazd A -2- D -2- C, E tuż przy B (linia 3).
class Klikniecia : public ::testing::Test {
protected:
    void SetUp() override
    {
        Siec& s = d->siec;
        a = dodajStacje(s, QStringLiteral("Alfa"), 0, 0);
        b = dodajStacje(s, QStringLiteral("Beta"), 10000, 0);
        c = dodajStacje(s, QStringLiteral("Gamma"), 20000, 0);
        dd = dodajStacje(s, QStringLiteral("Delta"), 10000, 8000);
        e = dodajStacje(s, QStringLiteral("Epsilon"), 10000, -300);
        dodajOdcinek(s, a, b, 10000, 1);
        dodajOdcinek(s, b, c, 10000, 1);
        dodajOdcinek(s, a, dd, 13000, 2);
        dodajOdcinek(s, dd, c, 13000, 2);
        be = dodajOdcinek(s, b, e, 300, 3);
        dodajRodzaje(s);
        przygotujStawki(s, 10000);
        budujStacjeWgNazwy(s, nullptr);
        s.SrodekDomyslny = {10000, 0};
        d->siecWczytana = true;
        d->kontrolki.idRodzajuStawki = 0;
        d->kontrolki.lpZakresuBr = 0;
        UstalWarunki(*d);
        KasujDroge(*d);
        UtworzTabelePociagu(*d);
        TworzNowyPociag(*d);
        d->widok.zoom = 400000;
        UstalSkale(d->widok, W, H, s.SrodekDomyslny);
    }
    TPiksel px(int stacja) const
    {
        const TStacja& st = d->siec.Stacje[std::size_t(stacja)];
        return pktpiks(d->widok, st.Xkm, st.Ykm);
    }
    std::vector<int> punkty() const
    {
        std::vector<int> l;
        for (const auto& p : d->trasa.GlowneStacje)
            l.push_back(p.LpStacji);
        return l;
    }
    bool przez(int stacja) const
    {
        for (const auto& el : d->trasa.Sciezki)
            if (el.LpStOd == stacja || el.LpStDo == stacja)
                return true;
        return false;
    }

    DrogaTestowa d;
    int a = 0, b = 0, c = 0, dd = 0, e = 0, be = 0;
};

TEST_F(Klikniecia, KilkaTrafionychStacjiWybieraCzlowiekRezygnacjaNicNieRobi)
{
    OznaczStart(*d, a);
    OznaczMeta(*d, c);
    const TPiksel pb = px(b);
    // Beta i Epsilon w jednym kwadracie: lista wyboru; wybrana Beta omijana
    d.ia.dodajWybor(0);
    OznaczNiePrzez(*d, pb.x, pb.y);
    ASSERT_EQ(d.ia.zdarzenia().size(), 1);
    EXPECT_EQ(d.ia.zdarzenia()[0].pozycje, (QStringList{QStringLiteral("Beta"), QStringLiteral("Epsilon")}));
    EXPECT_EQ(d->trasa.ListaStacjiZabronionych, std::vector<std::int32_t>{b});
    EXPECT_TRUE(przez(dd));
    // rezygnacja nie schodzi do odcinków pod kliknięciem
    d.ia.dodajWybor(-1);
    OznaczNiePrzez(*d, pb.x, pb.y);
    EXPECT_EQ(d->trasa.ListaStacjiZabronionych, std::vector<std::int32_t>{b});
    EXPECT_TRUE(d->trasa.ListaOdcinkowZabronionych.empty());

    // usuwanie: trafiają tylko punkty trasy i stacje wykluczone
    OznaczOminStacje(*d, e);
    OznaczOminOdcinek(*d, be);   // środek odcinka B-E w tym samym kwadracie
    d->widok.narzedzie = Narzedzie::Usun;
    d.ia.dodajWybor(-1);
    ZdejmOznaczenie(*d, pb.x, pb.y);
    EXPECT_EQ(d->trasa.ListaStacjiZabronionych, (std::vector<std::int32_t>{b, e}));
    EXPECT_EQ(d->trasa.ListaOdcinkowZabronionych, std::vector<std::int32_t>{be});
    d.ia.dodajWybor(0);
    ZdejmOznaczenie(*d, pb.x, pb.y);
    EXPECT_EQ(d->trasa.ListaStacjiZabronionych, std::vector<std::int32_t>{e});
    EXPECT_TRUE(przez(b));
    EXPECT_LT(d->siec.Stacje[std::size_t(b)].OdlMin, 1e100);

    // punkt trasy przy usuwaniu: numer i nazwa; zdjęcie przelicza trasę
    d.ia.wyczysc();
    ZdejmOznaczenie(*d, px(c).x, px(c).y);
    EXPECT_EQ(punkty(), std::vector<int>{a});
    EXPECT_TRUE(d->trasa.Sciezki.empty());
    EXPECT_TRUE(d.ia.zdarzenia().isEmpty());
}

TEST_F(Klikniecia, PuszczenieMyszyWedlugNarzedzia)
{
    // wskaźnik: nic do przerysowania, nagłówek bez zmian
    WynikKlikniecia w = PuszczenieMyszy(*d, px(a), px(a));
    EXPECT_FALSE(w.przerysuj);
    EXPECT_FALSE(w.wyczyscPola);
    EXPECT_TRUE(d->trasa.GlowneStacje.empty());

    // przesuwanie: przeciągnięcie w miejscu nic nie zmienia
    d->widok.narzedzie = Narzedzie::Przesun;
    const double sx = d->widok.WspXSrodka;
    EXPECT_FALSE(PuszczenieMyszy(*d, {100, 100}, {100, 100}).przerysuj);
    EXPECT_TRUE(PuszczenieMyszy(*d, {100, 100}, {110, 100}).przerysuj);
    EXPECT_LT(d->widok.WspXSrodka, sx);
    d->widok.WspXSrodka = sx;

    // początek i koniec: pola panelu do opróżnienia, opłaty za postoje wyzerowane
    d->widok.narzedzie = Narzedzie::Start;
    w = PuszczenieMyszy(*d, px(a), px(a));
    EXPECT_TRUE(w.przerysuj);
    EXPECT_TRUE(w.wyczyscPola);
    d->wycena.sumaPostojow = 12.5;
    d->pociag.PociagStacje.dodajWiersz();
    d->widok.narzedzie = Narzedzie::Koniec;
    w = PuszczenieMyszy(*d, px(c), px(c));
    EXPECT_TRUE(w.wyczyscPola);
    EXPECT_EQ(d->wycena.sumaPostojow, 0.0);
    EXPECT_EQ(d->pociag.PociagStacje.liczbaWierszy(), 0);
    EXPECT_DOUBLE_EQ(d->trasa.dlugoscDoNaglowka, 20.0);
    // kliknięcie końca w ten sam koniec: trasa ta sama, pola zostają
    w = PuszczenieMyszy(*d, px(c), px(c));
    EXPECT_TRUE(w.przerysuj);
    EXPECT_FALSE(w.wyczyscPola);

    // powiększanie w punkcie puszczenia
    d->widok.narzedzie = Narzedzie::Powieksz;
    EXPECT_TRUE(PuszczenieMyszy(*d, {0, 0}, px(b)).przerysuj);
    EXPECT_EQ(d->widok.zoom, 800000);
}

TEST_F(Klikniecia, ListyOznaczonychIWszystkichStacji)
{
    OznaczStart(*d, a);
    OznaczPP(*d, dd);
    OznaczMeta(*d, c);
    OznaczOminStacje(*d, e);
    EXPECT_EQ(NazwyOznaczonychStacji(*d), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Delta"),
                                                        QStringLiteral("Gamma"), QStringLiteral("Epsilon")}));
    d->kontrolki.kryterium = 2;   // wybór ręczny: tylko pierwszy i ostatni punkt
    EXPECT_EQ(NazwyOznaczonychStacji(*d), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Gamma"),
                                                        QStringLiteral("Epsilon")}));

    // dwie stacje o tej samej nazwie: wygrywa późniejsza
    const int druga = dodajStacje(d->siec, QStringLiteral("Beta"), 50000, 50000);
    EXPECT_EQ(StacjaONazwie(*d, QStringLiteral("Beta")), druga);
    EXPECT_EQ(StacjaONazwie(*d, QStringLiteral("Omega")), -1);

    // lista wszystkich: alfabetycznie, bez stacji o widoczności 10000 i więcej
    d->siec.Stacje[std::size_t(dd)].Widocznosc = 10000;
    budujStacjeWgNazwy(d->siec, nullptr);
    EXPECT_EQ(StacjeListyWyboru(*d), (std::vector<int>{a, b, druga, e, c}));
    // w trakcie wyboru ręcznego: kandydaci
    TPunktWyboru k;
    k.LpStacji = dd;
    d->trasa.PunktyWyboru = {k};
    EXPECT_EQ(StacjeListyWyboru(*d), std::vector<int>{dd});
}

TEST_F(Klikniecia, StacjaZListyPoDwuklikuPrzycisku)
{
    // początek bez końca: pokazany koniec do opróżnienia; przy 40× środek na stacji
    d->pociag.PociagStacje.dodajWiersz();
    WynikWyboruZListy w = WybranoStacjeZListy(*d, Narzedzie::Start, a);
    EXPECT_TRUE(w.przerysuj);
    EXPECT_TRUE(w.wyczyscKoniec);
    EXPECT_FALSE(w.wyczyscPoczatek);
    EXPECT_EQ(punkty(), std::vector<int>{a});
    EXPECT_EQ(d->widok.WspXSrodka, 0.0);
    EXPECT_EQ(d->pociag.PociagStacje.liczbaWierszy(), 0);
    // koniec przy 1×: środek bez zmian (i tak wraca do domyślnego)
    d->widok.zoom = 10000;
    w = WybranoStacjeZListy(*d, Narzedzie::Koniec, c);
    EXPECT_FALSE(w.wyczyscPoczatek);
    EXPECT_EQ(d->widok.WspXSrodka, 0.0);
    EXPECT_EQ(punkty(), (std::vector<int>{a, c}));
    // ominięcie stacji
    WybranoStacjeZListy(*d, Narzedzie::NiePrzez, b);
    EXPECT_TRUE(przez(dd));
    // nic nie wybrano
    EXPECT_FALSE(WybranoStacjeZListy(*d, Narzedzie::Start, -1).przerysuj);

    // cały dwuklik usuwania: lista oznaczonych, wybór, zdjęcie wszystkich oznaczeń stacji
    d.ia.dodajWybor(2);
    w = DwuklikNarzedzia(*d, Narzedzie::Usun);
    ASSERT_FALSE(d.ia.zdarzenia().isEmpty());
    EXPECT_EQ(d.ia.zdarzenia().last().tytul, QStringLiteral("Lista stacji"));
    EXPECT_EQ(d.ia.zdarzenia().last().pozycje,
              (QStringList{QStringLiteral("Alfa"), QStringLiteral("Gamma"), QStringLiteral("Beta")}));
    EXPECT_TRUE(d->trasa.ListaStacjiZabronionych.empty());
    EXPECT_TRUE(przez(b));
    // koniec bez początku: pokazany początek do opróżnienia
    ZdejmOznaczPP(*d, 0);
    d.ia.dodajWybor(0);   // pierwsza alfabetycznie: Alfa
    w = DwuklikNarzedzia(*d, Narzedzie::Koniec);
    EXPECT_EQ(d.ia.zdarzenia().last().tytul, QStringLiteral("Wybierz stację:"));
    EXPECT_TRUE(w.wyczyscPoczatek);
    EXPECT_EQ(punkty(), std::vector<int>{a});
    // narzędzia widoku nie mają listy
    EXPECT_FALSE(DwuklikNarzedzia(*d, Narzedzie::Przesun).przerysuj);
}

} // namespace
} // namespace tks::test
