#pragma once
// Narzędzia mapy (przyciski panelu): wciśnięcie, numery kursorów oraz zmiany
// po puszczeniu przycisku myszy na mapie.

#include "Widok.h"

#include <QVariant>

namespace tks {

class Droga;

// Wciśnięcie narzędzia. W wyborze ręcznym narzędzia punktów trasy ustawiają
// TrybWyboru (1, 2, 3), wskaźnik kończy wybór (0). Zwraca true, gdy mapę
// trzeba przerysować.
bool WcisnijNarzedzie(Droga& d, Narzedzie n);

// Numer kursora mapy dla narzędzia (21..27; 0 - kursor domyślny) i odwrotnie
// (okno rozpoznaje przyciski narzędzi po numerach kursorów).
int KursorNarzedzia(Narzedzie n);
Narzedzie NarzedzieZKursora(int numer);

// Powiększenie albo przesunięcie po puszczeniu przycisku myszy (narzędzia
// Powieksz i Przesun). Zwraca true, gdy widok się zmienił.
bool ZmienWidokPoKliknieciu(Widok& w, TPiksel dol, TPiksel gora);

// Pola nagłówka sprzed kliknięcia narzędziem punktu trasy albo wykluczenia.
struct StanNaglowka {
    QVariant stacjaPoczatkowa;
    QVariant stacjaKoncowa;
    QVariant dlugosc;
};
StanNaglowka ZapamietajNaglowek(const Droga& d);

// Po kliknięciu narzędziem: gdy początek, koniec albo długość się zmieniły,
// suma opłat za postoje = 0 i tabela stacji z postojami pusta; zawsze
// CenaRozkJazdy = LDniKurs × CenaWyliczona, CenaPostojow = suma opłat za
// postoje, a zapamiętana długość trasy bierze Dlugosc (gdy nie Null).
// Zwraca true, gdy okno ma wyczyścić pola stacji początkowej, długości i cen.
bool AktualizujNaglowekPoKliknieciu(Droga& d, const StanNaglowka& przed);

} // namespace tks
