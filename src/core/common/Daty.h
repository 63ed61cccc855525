#pragma once
// Daty jako numery dni z ułamkiem: dzień 0 to 30 grudnia 1899.

#include <QDate>
#include <QDateTime>

namespace tks {

// Największy co do wartości numer dnia traktowany jako data (rok 9999 to ok. 2,96 mln);
// dalszy numer (np. z uszkodzonego pliku) daje datę nieważną.
inline constexpr double kNajdalszyDzien = 2958465.0;

double dzienZDaty(const QDate& d);
double dzienZDatyCzasu(const QDateTime& dt);
QDate dataZDnia(double dzien);
QDateTime dataCzasZDnia(double dzien);
// "YYYY-MM-DD"
QString dataIso(double dzien);

// Okres rozkładu jazdy, stały w programie.
QDate poczatekRozkladu();   // 2017-12-10
QDate koniecRozkladu();     // 2018-12-08

} // namespace tks
