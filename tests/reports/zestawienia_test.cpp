// Zestawienie zapisanych pociągów: budowa listy z plików, filtr rodzaju, sumy,
// tekst do schowka, treść wydruku.

#include "reports/Zestawienia.h"
#include "trains/PlikiPociagu.h"
#include "trains/TabelePociagu.h"
#include "wspolne/DrogaTestowa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

struct Zapisany {
    int id;
    const char* nr;
    int rodzaj;
    double dlugosc, cena;
    int dni;
};

struct Zestawienia : DrogaTestowa, ::testing::Test {
    QTemporaryDir katalog;

    Zestawienia()
    {
        d.katalogProgramu = katalog.path() + QLatin1Char('/');
        d.plikListyPociagow = d.katalogProgramu + QStringLiteral("Pociagi/ListaPociagow.cds");
        dodajRodzaje(d.siec);
        QDir(katalog.path()).mkpath(QStringLiteral("Pociagi"));
    }

    // Nagłówki i lista pociągów zapisane wprost (lista w podanej kolejności).
    void zapisz(const std::vector<Zapisany>& pociagi)
    {
        Tabela lista = nowaTabelaListaPociagow();
        QString blad;
        for (const Zapisany& p : pociagi) {
            const int w = lista.dodajWiersz();
            lista.ustaw(w, QStringLiteral("IdPociagu"), p.id);
            lista.ustaw(w, QStringLiteral("NrPociagu"), QString::fromUtf8(p.nr));
            if (p.id == 0)
                continue;
            Tabela n = nowaTabelaNaglowka();
            n.dodajWiersz();
            n.ustaw(0, QStringLiteral("IdPociagu"), p.id);
            n.ustaw(0, QStringLiteral("NrPociagu"), QString::fromUtf8(p.nr));
            n.ustaw(0, QStringLiteral("IdRodzajuStawki"), p.rodzaj);
            n.ustaw(0, QStringLiteral("Dlugosc"), p.dlugosc);
            n.ustaw(0, QStringLiteral("CenaWyliczona"), p.cena);
            n.ustaw(0, QStringLiteral("LDniKurs"), p.dni);
            n.ustaw(0, QStringLiteral("CenaRozkJazdy"), p.cena * p.dni);
            n.ustaw(0, QStringLiteral("StacjaPoczatkowa"), QStringLiteral("Alfa"));
            n.ustaw(0, QStringLiteral("StacjaKoncowa"), QStringLiteral("Łódź"));
            ASSERT_TRUE(zapiszTabele(n, plikTabeliPociagu(d, QStringLiteral("Naglowek"), p.id), blad)) << blad.toStdString();
        }
        ASSERT_TRUE(zapiszTabele(lista, plikListyPociagow(d), blad));
    }

    QStringList kolumna(const Zestawienie& z, const char* pole)
    {
        QStringList l;
        for (int w : z.lista.widok())
            l << z.lista.wartosc(w, QString::fromLatin1(pole)).toString();
        return l;
    }
};

TEST_F(Zestawienia, BezPociagowListaPustaSumyZeroIWydrukNiedostepny)
{
    Zestawienie z;
    ASSERT_TRUE(ZbudujZestawienie(d, z));   // brak pliku listy: pusta lista
    EXPECT_EQ(z.LiczbaPoc, 0);
    EXPECT_EQ(z.SumaCen, 0.0);
    EXPECT_EQ(z.SumaCenRozk, 0.0);
    EXPECT_FALSE(drukZestawieniaDostepny(z));
    EXPECT_EQ(linieZestawienia(z).size(), 1);
    EXPECT_TRUE(ia.zdarzenia().isEmpty());
}

TEST_F(Zestawienia, ListaWedlugIdBezZeraZRodzajamiISumami)
{
    // lista w innej kolejności niż id, wiersz z id 0, rodzaj 7 spoza tabeli rodzajów
    zapisz({{5, "T5", 1, 120.5, 1000.25, 10}, {0, "zero", 0, 0, 0, 0}, {2, "P2", 0, 30, 200, 3}, {9, "X9", 7, 10, 50, 1}});
    Zestawienie z;
    ASSERT_TRUE(ZbudujZestawienie(d, z));
    EXPECT_EQ(kolumna(z, "IdPociagu"), (QStringList{"2", "5", "9"}));
    EXPECT_EQ(kolumna(z, "lp"), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(kolumna(z, "Rodzaj"), (QStringList{QStringLiteral("Pasażerski"), QStringLiteral("Towarowy"), QString()}));
    EXPECT_EQ(z.LiczbaPoc, 3);
    EXPECT_DOUBLE_EQ(z.SumaCen, 1250.25);
    EXPECT_DOUBLE_EQ(z.SumaCenRozk, 600 + 10002.5 + 50);
    EXPECT_TRUE(drukZestawieniaDostepny(z));
    EXPECT_EQ(z.filtr, QStringLiteral("(1=1)and(1=1)"));
    EXPECT_EQ(podtytulZestawienia(z), QStringLiteral("wszystkich rodzajów "));
}

TEST_F(Zestawienia, FiltrTowarowychNumerujeISumujeTylkoTowarowe)
{
    zapisz({{1, "P1", 0, 30, 200, 3}, {2, "T2", 1, 100, 1000, 2}, {3, "P3", 0, 40, 300, 1}, {4, "T4", 1, 50, 500, 4}});
    Zestawienie z;
    ASSERT_TRUE(ZbudujZestawienie(d, z));
    FiltrujZestawienie(z, d.siec, false, 1);
    EXPECT_EQ(kolumna(z, "NrPociagu"), (QStringList{"T2", "T4"}));
    EXPECT_EQ(kolumna(z, "lp"), (QStringList{"1", "2"}));
    EXPECT_EQ(z.LiczbaPoc, 2);
    EXPECT_DOUBLE_EQ(z.SumaCen, 1500);
    EXPECT_DOUBLE_EQ(z.SumaCenRozk, 4000);
    EXPECT_EQ(z.filtr, QStringLiteral("(1=1)and(IdRodzajuStawki=1)"));
    EXPECT_EQ(podtytulZestawienia(z), QStringLiteral("rodzaju pociągu: Towarowy"));

    // z powrotem wszystkie: numeracja całej listy
    FiltrujZestawienie(z, d.siec, true, 1);
    EXPECT_EQ(kolumna(z, "lp"), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(z.LiczbaPoc, 4);

    // rodzaj bez pociągów: lista pusta, druk niedostępny
    FiltrujZestawienie(z, d.siec, false, 0);
    FiltrujZestawienie(z, d.siec, false, 3);
    EXPECT_EQ(z.LiczbaPoc, 0);
    EXPECT_FALSE(drukZestawieniaDostepny(z));
}

TEST_F(Zestawienia, TekstDoSchowkaZKolumnamiUkrytymi)
{
    zapisz({{1, "P1", 0, 30.5, 200.25, 3}});
    Zestawienie z;
    ASSERT_TRUE(ZbudujZestawienie(d, z));
    EXPECT_EQ(tekstZestawienia(z),
              QStringLiteral("Lp\tNr pociągu\tNazwa pociągu\tRodzaj\tDługość trasy\tCena trasy\tCena rozkładu\t"
                             "Liczba dni kursowania\tStacja początkowa\tStacja końcowa\tIdPociagu\tPrzewoźnik\t"
                             "IdRodzajuStawki\t\r\n"
                             "1\tP1\t\tPasażerski\t30,5\t200,25\t600,75\t3\tAlfa\tŁódź\t1\t\t0\t\r\n"));
}

TEST_F(Zestawienia, NieczytelnyNaglowekZatrzymujeBudoweZNazwaPliku)
{
    zapisz({{1, "P1", 0, 30, 200, 3}, {2, "P2", 0, 30, 200, 3}});
    {
        QFile f(plikTabeliPociagu(d, QStringLiteral("Naglowek"), 2));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{ uszkodzony");
    }
    Zestawienie z;
    EXPECT_FALSE(ZbudujZestawienie(d, z));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(QStringLiteral("Naglowek_2.cds")));
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    // częściowa lista pokazałaby sumy części pociągów jako sumy wszystkich
    EXPECT_EQ(z.LiczbaPoc, 0);
    EXPECT_EQ(z.SumaCenRozk, 0.0);
}

TEST_F(Zestawienia, WydrukZTytulemPodtytulemWierszamiISumami)
{
    zapisz({{1, "P1", 0, 30, 200, 3}, {2, "T2", 1, 1234.5, 1000, 2}});
    Zestawienie z;
    ASSERT_TRUE(ZbudujZestawienie(d, z));
    FiltrujZestawienie(z, d.siec, false, 1);
    const Raport r = RaportZestawienia(z);
    QStringList teksty;
    for (const Pasmo& p : r.tytul)
        for (const TekstPasma& t : p.teksty)
            teksty << t.tekst;
    for (const TekstPasma& t : r.naglowekKolumn.teksty)
        teksty << t.tekst;
    for (const Pasmo& p : r.szczegoly)
        for (const TekstPasma& t : p.teksty)
            teksty << t.tekst;
    EXPECT_EQ(teksty, (QStringList{"ZESTAWIENIE POCIĄGÓW", "rodzaju pociągu: Towarowy", "Nr pociągu",
                                   "Stacja początkowa", "Stacja koncowa", "Długość trasy [km]", "Cena trasy [zł]",
                                   "Wartość [zł]", "Rodzaj", "Ilość tras w rozkładzie", "T2", "Alfa", "Łódź",
                                   "1 234,500", "1 000,00", "2 000,00", "Towarowy", "2", "Razem", "2 000,00 zł",
                                   "Ogółem dla wszystkich przewoźnikow", "2 000,00 zł"}));
    EXPECT_EQ(r.liczbaStron(), 1);
    EXPECT_EQ(r.stopka(1), QStringLiteral("Strona: 1"));
}

} // namespace
} // namespace tks::test
