#pragma once
// Wspólne przygotowanie trasy dla poleceń CLI: sieć, warunki (kryterium, rodzaj,
// przedział, kontrolki, Vmax, linia), nowy pociąg, operacje na trasie w kolejności
// podania i trasa jako JSON. Żadnych reguł: tylko wywołania operacji rdzenia.

#include "Argumenty.h"

#include "app/Droga.h"
#include "common/Interakcja.h"

#include <QJsonObject>
#include <QStringList>
#include <memory>
#include <optional>

namespace tks::cli {

// Odpowiedzi skryptowe; wybór linii odpowiada linią z --line (domyślnie pierwszą).
class InterakcjaCli : public InterakcjaSkryptowa {
public:
    std::optional<int> linia;
    int wybor(const QString& tytul, const QString& opis, const QStringList& pozycje) override;
};

struct SesjaTrasy {
    explicit SesjaTrasy(const QString& katalog) : droga(interakcja, katalog) {}
    InterakcjaCli interakcja;
    Droga droga;
};

// Nazwy opcji (bez "--") z wartością.
QStringList opcjeWspolne();     // network, dir
QStringList opcjeWarunkow();    // criterion, kind, band, controls, vmax, line
QStringList opcjeOperacji();    // start, end, via, avoid-station, avoid-segment, remove-point, remove

// Sieć, warunki i nowy pociąg według opcji; błędne wartości to BladUzycia.
std::unique_ptr<SesjaTrasy> przygotujTrase(const Argumenty& a);
// Operacje na trasie w kolejności podania.
void wykonajOperacje(SesjaTrasy& s, const Argumenty& a);
// Stacja z argumentu: IdObEksp, @indeks albo dokładna nazwa (pierwsza w kolejności indeksów).
int stacjaZArgumentu(const Siec& siec, const QString& arg);
// Liczba całkowita z tekstu (dziesiętnie albo 0x...); BladUzycia przy złym zapisie.
int liczbaZOpcji(const QString& nazwa, const QString& wartosc);

// Wynik polecenia route: punkty, sciezki, naglowek, czas, wiersze podglądu na
// poziomie `poziom`, NotaCeny, komunikaty.
QJsonObject trasaJakoJson(SesjaTrasy& s, int poziom);
// To samo wypisane na standardowe wyjście kawałkami (elementy i wiersze po jednym),
// bez całego dokumentu w pamięci; dla długich tras.
void wypiszTraseJson(SesjaTrasy& s, int poziom);
QJsonObject naglowekJakoJson(const Pociag& p);

} // namespace tks::cli
