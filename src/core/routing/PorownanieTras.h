#pragma once
// Porównanie tras według kryteriów: najkrótsza, najtańsza i najszybsza trasa dla
// obecnych punktów trasy, warunków i ominięć, każda liczona na kopii stanu trasy,
// tak że bieżąca trasa (punkty, elementy, wycena, nagłówek, etykiety stacji)
// zostaje nietknięta.

#include "common/Interakcja.h"
#include "common/Tabela.h"
#include "routing/Trasa.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tks {

class Droga;

// Kryteria porównywane obok siebie, w tej kolejności.
inline constexpr int kKryteriaPorownania[] = {0, 1, 3};

struct TrasaKryterium {
    int kryterium = 0;
    bool kompletna = false;        // każdy odcinek drogi znaleziony
    double dlugosc = 0;            // km (Dlugosc nagłówka)
    double dlugoscWycen = 0;       // km objęte wyceną
    double cena = 0;               // CenaWyliczona
    double cenaRozkJazdy = 0;      // CenaRozkJazdy
    bool wycenaPelna = true;
    int czasJazdy = 0;             // s
    QString EditTr;                // "hh:nn"
    QString EditVr;                // "N km/h"
    int VTab = 0;
    double sredniaPredkosc = 0;    // km/h; 0 bez czasu jazdy
    int liczbaGrup = 0;            // grupy rozliczeniowe
    std::vector<int> linie;        // numery linii w kolejności trasy (bez powtórzeń z rzędu)
    Tabela naglowek;               // wiersz nagłówka po przeliczeniu
    std::vector<TSciezka> sciezki; // elementy trasy w kolejności trasy
    QVector<ZdarzenieInterakcji> komunikaty;   // komunikaty, które przeliczenie pokazałoby
};

// Nazwa kryterium w porównaniu ("najkrótsza", "najtańsza", "najszybsza").
QString nazwaKryteriumPorownania(int kryterium);
// Czy kryterium ma pozycję na liście "Kryterium wyboru trasy" okna głównego.
bool kryteriumNaLiscie(int kryterium);

// Trzy trasy (kryteria 0, 1, 3) dla bieżących punktów trasy i warunków. Bez
// punktów trasy albo przed wczytaniem sieci: pusta lista.
std::vector<TrasaKryterium> PorownajTrasy(Droga& d);

// Nagłówki wierszy tabeli porównania i teksty komórek jednej trasy (te same wiersze).
QStringList wierszePorownania();
QStringList komorkiPorownania(const TrasaKryterium& t);

} // namespace tks
