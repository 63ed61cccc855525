#pragma once
// Zaokrąglanie i formatowanie liczb tak, jak wymaga tego program: połówki do
// parzystej, przecinek dziesiętny, spacja jako separator tysięcy.

#include <QString>
#include <cstdint>

namespace tks {

// Zaokrąglenie do całkowitej, połówki do parzystej. Wartości, które w zapisie
// dziesiętnym są dokładnie połówką, a w dwójkowym leżą o włos obok (0,0005*1000),
// też są traktowane jako połówka.
double zaokraglij(double x);
// Zaokrąglenie do podanej liczby miejsc po przecinku (połówki do parzystej).
double zaokraglij(double x, int miejsca);
// Obcięcie w stronę zera.
inline std::int64_t obetnij(double x) { return static_cast<std::int64_t>(x); }

// Liczba z przecinkiem dziesiętnym i spacją co trzy cyfry: "1 234 567,89".
QString formatujGrupy(double x, int miejsca);
// Format "#,###,##0.00 zł".
QString formatujZl(double x);
// Format "#,###,##0.000 km".
QString formatujKm(double x);
// Czas w sekundach do ukrytego dziennika: sześć miejsc po przecinku dziesiętnym.
QString tekstSekund(double sekundy);
// Odczyt liczby zapisanej z przecinkiem dziesiętnym (dopuszcza spacje grupujące);
// kropka nie jest separatorem. Zwraca false, gdy tekst nie jest liczbą.
bool czytajLiczbe(const QString& tekst, double& wynik);

} // namespace tks
