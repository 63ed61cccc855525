// Przeliczenie wszystkich zapisanych pociągów po zmianie sieci: zmieniona
// stawka, zamknięta linia, pociąg bez odtworzonej trasy, zapis tylko na
// życzenie, zapis przerwany i nieudany zostawiają pliki pociągów bez zmian.

#include "trains/PociagTestowy.h"
#include "trains/PrzeliczenieWszystkich.h"
#include "wspolne/LimitPliku.h"

#include "routing/Warunki.h"

#include <QDir>

namespace tks::test {
namespace {

struct Przeliczenie : PociagTestowy, ::testing::Test {
    int p1 = 0, p2 = 0, p3 = 0;

    Przeliczenie()
    {
        // odcinek C-D droższy: najtańsza trasa B-D biegnie linią 2 przez Epsilon
        ustawStawke(2, 30000);
        p1 = zapiszPociag({A, D}, 0);   // A-B-C-D, 30 km
        p2 = zapiszPociag({B, E}, 0);   // B-E, tylko linią 2
        p3 = zapiszPociag({B, D}, 1);   // najtańsza: B-E-D, 30 km
    }

    void ustawStawke(int odcinek, std::uint16_t stawka)
    {
        for (int r = 0; r < s().Stawki.liczbaRodzajow(); ++r)
            for (int p = 0; p < s().Stawki.liczbaPrzedzialow(r); ++p)
                s().Stawki.ustaw(std::size_t(odcinek), r, p, stawka);
    }

    int zapiszPociag(std::vector<int> punkty, int kryterium)
    {
        KasujDroge(d);
        TworzNowyPociag(d);
        d.kontrolki.kryterium = kryterium;
        UstalWarunki(d);
        d.pociag.ustaw(QStringLiteral("IdKryteriumWyboru"), kryterium);
        OznaczStart(d, punkty.front());
        OznaczMeta(d, punkty.back());
        d.pociag.IdBiezacegoPociagu = 0;
        d.pociag.ustaw(QStringLiteral("NrPociagu"), QVariant());
        EXPECT_TRUE(ZapiszPociag(d, okna));
        return d.pociag.IdBiezacegoPociagu;
    }

    // Sieć po zmianie: droższy odcinek C-D, zamknięta linia 2.
    void zmienSiec()
    {
        ustawStawke(2, 40000);
        s().Odcinki[3].Cechy |= cechy::Nieczynna;
        s().Odcinki[4].Cechy |= cechy::Nieczynna;
    }

    // Treść wszystkich plików w folderze pociągów.
    QMap<QString, QByteArray> pliki() const
    {
        QMap<QString, QByteArray> m;
        const QDir k(katalogPociagow(d));
        for (const QString& n : k.entryList(QDir::Files | QDir::Hidden))
            m.insert(n, tresc(k.filePath(n)));
        return m;
    }

    const WynikPrzeliczenia& wynik(const WynikiPrzeliczenia& w, int id)
    {
        for (const auto& p : w.pociagi)
            if (p.id == id)
                return p;
        ADD_FAILURE() << "brak pociągu " << id;
        return w.pociagi.front();
    }
};

TEST_F(Przeliczenie, RoznicyCenITrasyNieodtworzonaBezZapisu)
{
    zmienSiec();
    const auto przed = pliki();
    SesjaPrzeliczenia sesja(d);
    WynikiPrzeliczenia w;
    QString blad;
    ASSERT_TRUE(sesja.przelicz(w, false, {}, blad));
    ASSERT_EQ(w.pociagi.size(), 3);

    const auto& r1 = wynik(w, p1);   // ta sama trasa, droższy odcinek C-D
    EXPECT_TRUE(r1.odtworzona);
    EXPECT_FALSE(r1.trasaZmieniona);
    EXPECT_DOUBLE_EQ(r1.dlugoscPrzed.toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(r1.dlugoscTeraz.toDouble(), 30.0);
    EXPECT_GT(r1.roznicaCeny().toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(r1.roznicaCeny().toDouble(),
                     r1.cenaTeraz.toDouble() - r1.cenaPrzed.toDouble());
    EXPECT_EQ(zmianaCeny(r1), ZmianaCeny::Drozej);

    const auto& r2 = wynik(w, p2);   // linia 2 zamknięta: Epsilon nieosiągalny
    EXPECT_FALSE(r2.odtworzona);
    EXPECT_FALSE(r2.uwagi.isEmpty());
    EXPECT_FALSE(r2.cenaTeraz.isValid());
    EXPECT_EQ(zmianaCeny(r2), ZmianaCeny::NieOdtworzono);

    const auto& r3 = wynik(w, p3);   // najtańsza po zamknięciu linii 2: przez Gamma
    EXPECT_TRUE(r3.odtworzona);
    EXPECT_TRUE(r3.trasaZmieniona);
    EXPECT_DOUBLE_EQ(r3.dlugoscPrzed.toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(r3.dlugoscTeraz.toDouble(), 20.0);

    EXPECT_EQ(w.nieodtworzone, 1);
    EXPECT_EQ(w.zapisane, 0);
    EXPECT_EQ(pliki(), przed);   // nic nie zapisano
    EXPECT_TRUE(podsumowaniePrzeliczenia(w).contains(QStringLiteral("bez odtworzonej trasy: 1")));

    // tabela wyników: kolumna różnicy i flagi
    const Tabela t = tabelaPrzeliczenia(w);
    EXPECT_EQ(t.liczbaWierszy(), 3);
    EXPECT_FALSE(t.logiczna(1, QStringLiteral("Odtworzona")));
    EXPECT_TRUE(t.logiczna(2, QStringLiteral("TrasaZmieniona")));
    EXPECT_EQ(zmianaCenyWiersza(t, 0), ZmianaCeny::Drozej);
}

TEST_F(Przeliczenie, ZapisNowychCenPomijaNieodtworzone)
{
    zmienSiec();
    const auto przed = pliki();
    SesjaPrzeliczenia sesja(d);
    WynikiPrzeliczenia w;
    QString blad;
    ASSERT_TRUE(sesja.przelicz(w, true, {}, blad));
    EXPECT_EQ(w.zapisane, 2);
    EXPECT_EQ(w.bledyZapisu, 0);
    const auto po = pliki();
    // pociąg bez odtworzonej trasy: żaden plik nie zmieniony
    for (const char* t : {"Naglowek", "GlowneStacje", "Kalendarz", "OdcinkiZabronione", "StacjeZabronione"}) {
        const QString n = QStringLiteral("%1_%2.cds").arg(QLatin1String(t)).arg(p2);
        EXPECT_EQ(po.value(n), przed.value(n)) << n.toStdString();
    }
    EXPECT_NE(po.value(QStringLiteral("Naglowek_%1.cds").arg(p1)), przed.value(QStringLiteral("Naglowek_%1.cds").arg(p1)));

    // ponowne przeliczenie: zapisane ceny są już obecne
    WynikiPrzeliczenia w2;
    ASSERT_TRUE(sesja.przelicz(w2, false, {}, blad));
    EXPECT_EQ(zmianaCeny(wynik(w2, p1)), ZmianaCeny::BezZmian);
    EXPECT_FALSE(wynik(w2, p3).trasaZmieniona);
    EXPECT_FALSE(wynik(w2, p2).odtworzona);
}

TEST_F(Przeliczenie, ZapisPotwierdzonyPoPrzeliczeniu)
{
    zmienSiec();
    SesjaPrzeliczenia sesja(d);
    WynikiPrzeliczenia w;
    QString blad;
    ASSERT_TRUE(sesja.przelicz(w, false, {}, blad));
    sesja.zapiszZmienione(w, {});
    EXPECT_EQ(w.zapisane, 2);
    EXPECT_TRUE(wynik(w, p1).zapisany);
    EXPECT_FALSE(wynik(w, p2).zapisany);
    QString b;
    const auto n = wczytajTabele(plik("Naglowek", p1), wzorTabeliPociagu(QStringLiteral("Naglowek")), b);
    ASSERT_TRUE(n);
    EXPECT_DOUBLE_EQ(n->rzeczywista(0, QStringLiteral("CenaWyliczona")), wynik(w, p1).cenaTeraz.toDouble());
    // przeliczenie pomija symulację czasu jazdy: zapisany nagłówek jak po zwykłym wczytaniu
    ASSERT_TRUE(WczytajPociag(d, p1));
    for (int k = 0; k < n->liczbaKolumn(); ++k)
        EXPECT_EQ(d.pociag.Naglowek.wartosc(0, k), n->wartosc(0, k)) << n->kolumna(k).nazwa.toStdString();
}

TEST_F(Przeliczenie, PrzerwanyAlboNieudanyZapisZostawiaPociagiNietkniete)
{
    zmienSiec();
    const auto przed = pliki();
    {
        // pełny dysk: żaden plik pociągu nie powstaje ani nie zmienia się
        SesjaPrzeliczenia sesja(d);
        WynikiPrzeliczenia w;
        QString blad;
        zLimitemRozmiaruPliku(64, [&] { return sesja.przelicz(w, true, {}, blad); });
        EXPECT_EQ(w.zapisane, 0);
        EXPECT_EQ(w.bledyZapisu, 2);
        EXPECT_TRUE(wynik(w, p1).uwagi.contains(QStringLiteral("Nie zapisano")));
        EXPECT_EQ(pliki(), przed);
    }
    {
        // przerwanie po pierwszym pociągu: dalsze nie są ani przeliczane, ani zapisywane
        SesjaPrzeliczenia sesja(d);
        WynikiPrzeliczenia w;
        QString blad;
        ASSERT_TRUE(sesja.przelicz(w, true, [](int gotowe, int) { return gotowe < 1; }, blad));
        EXPECT_TRUE(w.przerwane);
        EXPECT_EQ(w.pociagi.size(), 1);
        const auto po = pliki();
        for (const QString& n : po.keys())
            if (!n.endsWith(QStringLiteral("_%1.cds").arg(p1)))
                EXPECT_EQ(po.value(n), przed.value(n)) << n.toStdString();
    }
}

TEST_F(Przeliczenie, StacjaUsunietaZSieciToTrasaNieodtworzona)
{
    // punkt główny pociągu, którego stacji nie ma już w sieci
    QString blad;
    Tabela g = *wczytajTabele(plik("GlowneStacje", p1), wzorTabeliPociagu(QStringLiteral("GlowneStacje")), blad);
    g.ustaw(g.liczbaWierszy() - 1, QStringLiteral("IdObEksp"), 999);
    ASSERT_TRUE(zapiszTabele(g, plik("GlowneStacje", p1), blad));
    SesjaPrzeliczenia sesja(d);
    WynikiPrzeliczenia w;
    ASSERT_TRUE(sesja.przelicz(w, true, {}, blad));
    const auto& r = wynik(w, p1);
    EXPECT_FALSE(r.odtworzona);
    EXPECT_TRUE(r.uwagi.contains(QStringLiteral("nie ma w obecnej sieci")));
    EXPECT_FALSE(r.zapisany);
}

} // namespace
} // namespace tks::test
