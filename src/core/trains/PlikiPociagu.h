#pragma once
// Pliki tabel pociągów w folderze "Pociagi" folderu programu: nazwy, odczyt
// ze sprawdzeniem kolumn i zapis atomowy. Błąd odczytu albo zapisu to opis
// po polsku z nazwą pliku; dane w pamięci zmienia dopiero wywołujący, gdy
// wszystko się udało.

#include "common/Tabela.h"

#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

namespace tks {

class Droga;

// Najwięcej punktów trasy w pliku pociągu (i największy numer grupy). Więcej to
// plik uszkodzony: odtworzenie takiej trasy trwałoby minuty.
inline constexpr int kMaxPunktowTrasy = 1000;

// Folder pociągów: katalogProgramu + "Pociagi/".
QString katalogPociagow(const Droga& d);
// Plik tabeli pociągu: "Pociagi/" + prefiks + "_" + id + ".cds", np. "Naglowek_12.cds".
QString plikTabeliPociagu(const Droga& d, const QString& tabela, int id);
// Plik listy pociągów (d.plikListyPociagow, a bez niego "Pociagi/ListaPociagow.cds").
QString plikListyPociagow(const Droga& d);

// Tabele jednego pociągu w kolejności usuwania plików: GlowneStacje,
// OdcinkiZabronione, StacjeZabronione, Kalendarz, Trasa, Naglowek, PociagStacje.
const QStringList& nazwyTabelPociagu();
// Pusta tabela o danej nazwie (kolumny jak w plikach).
Tabela wzorTabeliPociagu(const QString& nazwa);

// Odczyt pliku tabeli i dopasowanie do kolumn wzoru. Plik nieczytelny,
// uszkodzony albo z kolumną złego typu: nullopt i komunikat z nazwą pliku.
std::optional<Tabela> wczytajTabele(const QString& sciezka, const Tabela& wzor, QString& blad);
// Zapis atomowy (plik tymczasowy, potem zamiana); tworzy brakujący folder.
bool zapiszTabele(const Tabela& t, const QString& sciezka, QString& blad);
// Tabele jednego pociągu (nazwa tabeli, tabela) zapisane razem: wszystkie albo żadna.
bool zapiszTabeleRazem(const Droga& d, int id, std::initializer_list<std::pair<const char*, const Tabela*>> tabele,
                       QString& blad);

// Wszystkie tabele zapisanego pociągu.
struct TabeleZPlikow {
    Tabela Naglowek;
    Tabela PociagStacje;
    Tabela GlowneStacje;
    Tabela OdcinkiZabronione;
    Tabela StacjeZabronione;
    Tabela Kalendarz;
    Tabela Trasa;   // plik powstaje dopiero przy zamknięciu programu; brak pliku = pusta tabela
};

// Czy istnieje plik nagłówka pociągu.
bool pociagIstnieje(const Droga& d, int id);
// Odczyt wszystkich plików pociągu do zmiennych tymczasowych. Brak któregoś
// pliku (poza Trasa) albo uszkodzony plik: nullopt i komunikat z nazwą pliku.
std::optional<TabeleZPlikow> wczytajPlikiPociagu(const Droga& d, int id, QString& blad);

// Lista pociągów z pliku: brak pliku to pusta lista; plik uszkodzony - nullopt.
std::optional<Tabela> wczytajListePociagow(const Droga& d, QString& blad);

} // namespace tks
