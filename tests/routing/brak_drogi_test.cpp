// Dlaczego nie ma trasy: komunikat oznaczenia bez drogi i wyjaśnienie, co trzeba
// zmienić (ograniczenie, ominięcie albo nic, bo sieć jest rozdzielona).

#include "network/PlikSieci.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "routing/BrakDrogi.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Wyszukiwanie.h"
#include "trains/TabelePociagu.h"
#include "wspolne/Cli.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// A - M - B (linia 1) i B - F (linia 2, pod obcym zarządem), C - N (linia 5, nieczynna),
// D osobno, bez odcinków.
struct Siatka : DrogaTestowa {
    int A, M, B, F, C, N, D;
    int odcAM, odcMB;
    Siatka()
    {
        dodajZarzadcow(s());
        A = dodajStacje(s(), QStringLiteral("A"), 0, 0);
        M = dodajStacje(s(), QStringLiteral("Koluszki"), 1, 0);
        B = dodajStacje(s(), QStringLiteral("B"), 2, 0);
        F = dodajStacje(s(), QStringLiteral("F"), 3, 0);
        C = dodajStacje(s(), QStringLiteral("C"), 0, 5);
        N = dodajStacje(s(), QStringLiteral("N"), 1, 5);
        D = dodajStacje(s(), QStringLiteral("D"), 9, 9);
        odcAM = dodajOdcinek(s(), A, M, 1000, 1);
        odcMB = dodajOdcinek(s(), M, B, 1000, 1, cechy::Normalnotorowa, 1000);
        dodajOdcinek(s(), B, F, 1000, 2, cechy::Normalnotorowa | cechy::ObcyZarzad);
        dodajOdcinek(s(), C, N, 1000, 5, cechy::Normalnotorowa | cechy::Nieczynna);
        dodajOdcinek(s(), A, C, 1000, 6, cechy::Normalnotorowa | cechy::Nieczynna | cechy::ObcyZarzad);
        przygotuj();
    }
    QStringList teksty() const { return ia.teksty(); }
};

QString pierwszaLinia(const QString& t) { return t.section(QLatin1Char('\n'), 0, 0); }

} // namespace

TEST(BrakDrogi, OgraniczenieObcegoZarzaduJestNazwaneIPunktyZostajaBezZmian)
{
    Siatka s;
    ASSERT_TRUE(OznaczStart(s.d, s.A));
    EXPECT_FALSE(OznaczMeta(s.d, s.F));
    EXPECT_EQ(s.punkty(), std::vector<int>{s.A});
    ASSERT_EQ(s.teksty().size(), 1);
    const QString t = s.teksty().first();
    EXPECT_EQ(pierwszaLinia(t), QStringLiteral("Nie można wyznaczyć trasy z A do F przy obecnych warunkach."));
    EXPECT_EQ(t.section(QLatin1Char('\n'), 1), QStringLiteral("Trasa istnieje, gdy dopuścisz: Linie pod obcym zarządem"));

    // start dopisany przed końcem szuka od nowego startu do końca
    s.ia.wyczysc();
    KasujDroge(s.d);
    ASSERT_TRUE(OznaczMeta(s.d, s.F));
    EXPECT_FALSE(OznaczStart(s.d, s.A));
    ASSERT_EQ(s.teksty().size(), 1);
    EXPECT_EQ(pierwszaLinia(s.teksty().first()),
              QStringLiteral("Nie można wyznaczyć trasy z A do F przy obecnych warunkach."));
}

TEST(BrakDrogi, OminietaStacjaJestNazwanaAOminiecieZostaje)
{
    Siatka s;
    OznaczOminStacje(s.d, s.M);
    ASSERT_TRUE(OznaczStart(s.d, s.A));
    EXPECT_FALSE(OznaczMeta(s.d, s.B));
    ASSERT_EQ(s.teksty().size(), 1);
    EXPECT_EQ(s.teksty().first().section(QLatin1Char('\n'), 1),
              QStringLiteral("Trasa istnieje, gdy zdejmiesz ominięcie stacji Koluszki"));
    EXPECT_EQ(s.etykieta(s.M), kWykluczona);

    // ominięty odcinek: nazwany stacjami i linią; bit wykluczenia zostaje
    s.ia.wyczysc();
    ZdejmOznaczZabronionejStacji(s.d, s.M);
    OznaczOminOdcinek(s.d, s.odcMB);
    EXPECT_FALSE(OznaczMeta(s.d, s.B));
    ASSERT_EQ(s.teksty().size(), 1);
    EXPECT_EQ(s.teksty().first().section(QLatin1Char('\n'), 1),
              QStringLiteral("Trasa istnieje, gdy zdejmiesz ominięcie odcinka Koluszki – B (linia 1)"));
    EXPECT_TRUE(s.s().Odcinki[std::size_t(s.odcMB)].Cechy & cechy::Zabroniony);
}

TEST(BrakDrogi, RozdzielonaSiecIZmianaNarazSaPowiedzianeWprost)
{
    Siatka s;
    ASSERT_TRUE(OznaczStart(s.d, s.A));
    EXPECT_FALSE(OznaczMeta(s.d, s.D));
    ASSERT_EQ(s.teksty().size(), 1);
    EXPECT_EQ(s.teksty().first().section(QLatin1Char('\n'), 1),
              QStringLiteral("Stacje A i D leżą w częściach sieci, których nie łączy żadna linia."));

    // do N tylko przez odcinek nieczynny pod obcym zarządem i linię nieczynną:
    // pojedyncze zdjęcie nie wystarcza
    s.ia.wyczysc();
    EXPECT_FALSE(OznaczMeta(s.d, s.N));
    ASSERT_EQ(s.teksty().size(), 1);
    EXPECT_EQ(s.teksty().first().section(QLatin1Char('\n'), 1),
              QStringLiteral("Żadna pojedyncza zmiana nie wystarczy. Trasa istnieje, gdy dopuścisz naraz: "
                             "Linie nieczynne i Linie pod obcym zarządem."));
}

TEST(BrakDrogi, ProbySaOgraniczoneIZostawiajaEtykietyIWarunki)
{
    Siatka s;
    OznaczOminStacje(s.d, s.M);
    ASSERT_FALSE(ObliczMinOdleglosci(s.d, s.A, s.F, 0));
    std::vector<double> etykiety;
    std::vector<int> pop;
    for (const auto& st : s.s().Stacje) {
        etykiety.push_back(st.OdlMin);
        pop.push_back(st.StPop);
    }
    const auto maska = s.t().MaskaOgraniczen;
    const auto dziennik = s.d.dziennik.size();
    const StanKontrolek k = s.d.kontrolki;

    const QStringList w = WyjasnijBrakDrogi(s.d, s.A, s.F);
    EXPECT_FALSE(w.isEmpty());
    // zaznaczone domyślnie: Szerokich, nieczynne, obcy zarząd, linie towarowe, brak stawki pas.
    // - po jednej próbie, jedna bez ominięć i jedna z wszystkim zdjętym
    EXPECT_LE(liczbaProbOstatniegoWyjasnienia(), 5 + 2);
    for (std::size_t i = 0; i < etykiety.size(); ++i) {
        EXPECT_EQ(s.s().Stacje[i].OdlMin, etykiety[i]) << i;
        EXPECT_EQ(s.s().Stacje[i].StPop, pop[i]) << i;
    }
    EXPECT_EQ(s.t().MaskaOgraniczen, maska);
    EXPECT_EQ(s.d.dziennik.size(), dziennik);
    EXPECT_EQ(s.d.kontrolki.podObcymZarzadem, k.podObcymZarzadem);
    EXPECT_EQ(s.d.kontrolki.nieczynne, k.nieczynne);
    EXPECT_EQ(s.d.kontrolki.szerokie, k.szerokie);
}

TEST(BrakDrogi, KomunikatWstawianiaPunktuPosredniegoZachowujePierwszaLinie)
{
    // punkt pośredni F za obcym zarządem: wyszukiwanie bez celu, potem komunikat oznaczania
    Siatka s;
    ASSERT_TRUE(OznaczStart(s.d, s.A));
    ASSERT_TRUE(OznaczMeta(s.d, s.B));
    s.ia.wyczysc();
    OznaczPP(s.d, s.F);
    ASSERT_FALSE(s.teksty().isEmpty());
    const QString t = s.teksty().first();
    EXPECT_EQ(pierwszaLinia(t),
              QStringLiteral("Przy wybranych ograniczeniach nie można znaleźć połączenia między stacją F a stacją A"));
    EXPECT_EQ(t.section(QLatin1Char('\n'), 1), QStringLiteral("Trasa istnieje, gdy dopuścisz: Linie pod obcym zarządem"));
}

TEST(BrakDrogi, WyborRecznyNieDostajeWyjasnienia)
{
    Siatka s;
    s.d.kontrolki.kryterium = 2;
    UstalWarunki(s.d);
    EXPECT_TRUE(WyjasnijBrakDrogi(s.d, s.A, s.F).isEmpty());
}

TEST(BrakDrogi, SiecPrzykladowaWarszawaCentralnaGrabowoNazywaLinieNieczynne)
{
    InterakcjaSkryptowa ia;
    Droga d(ia, QStringLiteral("/tmp/"));
    QString blad;
    ASSERT_TRUE(WczytajLinieZPliku(d.siec, plikSieciPrzykladowej(), blad)) << blad.toStdString();
    budujWartosciPochodne(d.siec, &ia);
    d.siecWczytana = true;
    d.kontrolki.idRodzajuStawki = pierwszyRodzaj(d.siec);
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, d.kontrolki.idRodzajuStawki);
    DopasujOgraniczeniaDoRodzaju(d.kontrolki);
    UstalWarunki(d);
    KasujDroge(d);
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);
    ia.wyczysc();
    const auto stacja = [&](const char* n) {
        for (int i = 0; i < d.siec.liczbaStacji(); ++i)
            if (d.siec.nazwaStacji(i) == QString::fromUtf8(n))
                return i;
        return -1;
    };
    const int wc = stacja("Warszawa Centralna");
    const int gr = stacja("Grabowo");
    ASSERT_GE(wc, 0);
    ASSERT_GE(gr, 0);
    ASSERT_TRUE(OznaczStart(d, wc));
    EXPECT_FALSE(OznaczMeta(d, gr));
    ASSERT_EQ(ia.teksty().size(), 1);
    const QString t = ia.teksty().first();
    EXPECT_EQ(pierwszaLinia(t),
              QStringLiteral("Nie można wyznaczyć trasy z Warszawa Centralna do Grabowo przy obecnych warunkach."));
    EXPECT_TRUE(t.contains(QStringLiteral("Linie nieczynne"))) << t.toStdString();
}
