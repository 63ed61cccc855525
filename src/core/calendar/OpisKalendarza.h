#pragma once
// Opis dni kursowania ("kursuje w (A), oprócz 25-12-17") i liczba dni kursowania.

#include "Kalendarz.h"

#include <QString>

namespace tks {

class Droga;

// Data w opisie: "dd-mm-yy".
QString DataOpisu(double dzien);

// Linia opisu zakresu r (pusta albo zakończona CR LF); od, do - okres rozkładu.
QString LiniaZakresu(const Kalendarz& k, int r, double od, double doDnia);

// Buduje linie wszystkich zakresów (OpisZakresu), liczy LDniKurs i zwraca cały opis.
QString BudujOpis(Kalendarz& k, double od, double doDnia);

// Generuje opis i liczbę dni kursowania bieżącego pociągu i zapisuje je w nagłówku:
// Kursuje (tylko przy automatycznym opisie), RozkladOd, RozkladDo, LDniKurs,
// CenaRozkJazdy = LDniKurs * CenaWyliczona (Null, gdy brak ceny).
void GenerujOpis(Droga& d);

} // namespace tks
