#pragma once
// Zestawienie zapisanych pociągów ("Zestawienia"): lista budowana z listy
// pociągów i nagłówków, filtr rodzaju stawki, sumy, tekst do schowka, wydruk
// "ZESTAWIENIE POCIĄGÓW" i arkusz.

#include "common/Tabela.h"
#include "reports/Arkusz.h"
#include "reports/SilnikRaportu.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tks {

class Droga;
struct Siec;

inline const QString kTytulZestawien = QStringLiteral("Zestawienia");
inline const QString kTytulWydrukuZestawienia = QStringLiteral("ZESTAWIENIE POCIĄGÓW");
inline const QString kDrukujZestawienie = QStringLiteral("Drukuj zestawienie");
inline const QString kSumaCen = QStringLiteral("Suma cen tras pociągow z wykazu");
inline const QString kSumaCenRozk = QStringLiteral("Suma cen rozkładów jazdy pociągów z wykazu");
inline const QString kLiczbaPoc = QStringLiteral("Liczba pociągow na wykazie");

// Kolumna siatki zestawienia: pole, tytuł, czy ukryta. Kolejność jak w siatce,
// kolumny ukryte na końcu.
struct KolumnaZestawienia {
    QString pole;
    QString tytul;
    bool ukryta = false;
};
const QVector<KolumnaZestawienia>& kolumnyZestawienia();

// Tabela zestawienia: lp, kolumny nagłówka pociągu, Rodzaj.
Tabela nowaTabelaZestawienia();

struct Zestawienie {
    Tabela lista = nowaTabelaZestawienia();
    bool wszystkieRodzaje = true;
    int idRodzaju = 0;          // wybrany rodzaj (gdy nie wszystkie)
    QString nazwaRodzaju;       // Nazwa wybranego rodzaju
    QString filtr = QStringLiteral("(1=1)and(1=1)");
    // Sumy po wierszach przepuszczonych przez filtr.
    double SumaCen = 0;
    double SumaCenRozk = 0;
    int LiczbaPoc = 0;
};

// Nazwa rodzaju stawki z tabeli rodzajów sieci; pusta dla nieznanego identyfikatora.
QString nazwaRodzajuStawki(const Siec& s, int idRodzaju);

// Budowa listy: lista pociągów z pliku, nagłówek każdego pociągu (id 0 pominięte),
// porządek IdPociagu rosnąco, filtr "wszystkie rodzaje". Nieczytelna lista albo
// nagłówek: komunikat z nazwą pliku (d.interakcja), lista pusta, false.
bool ZbudujZestawienie(Droga& d, Zestawienie& z);
// Filtr rodzaju stawki: wszystkie albo tylko `idRodzaju`; lp i sumy od nowa.
void FiltrujZestawienie(Zestawienie& z, const Siec& s, bool wszystkie, int idRodzaju);
// Tekst filtru: "(1=1)and(IdRodzajuStawki=K)" albo "(1=1)and(1=1)".
QString tekstFiltruZestawienia(bool wszystkie, int idRodzaju);
// "Drukuj zestawienie" dostępne tylko, gdy na liście są pociągi.
inline bool drukZestawieniaDostepny(const Zestawienie& z) { return z.LiczbaPoc > 0; }

// Eksport do schowka: tytuły wszystkich kolumn siatki (z ukrytymi), potem wiersze;
// każde pole zakończone tabulatorem, linie CR LF.
QStringList linieZestawienia(const Zestawienie& z);
QString tekstZestawienia(const Zestawienie& z);

// Podtytuł wydruku: "wszystkich rodzajów " albo "rodzaju pociągu: " + nazwa.
QString podtytulZestawienia(const Zestawienie& z);
// Tytuły kolumn wydruku i wiersze (po 8 wartości) - treść wydruku.
QStringList tytulyKolumnWydrukuZestawienia();
QVector<QStringList> wierszeWydrukuZestawienia(const Zestawienie& z);
// Strony wydruku.
Raport RaportZestawienia(const Zestawienie& z);
// Arkusz z widocznymi kolumnami siatki i sumami.
Arkusz arkuszZestawienia(const Zestawienie& z);

} // namespace tks
