#pragma once
// Siatka okna kalendarza: położenie dni (wiersz = miesiąc, kolumna = dzień
// tygodnia), prostokąty komórek, etykiety wierszy i kolumn oraz położenie
// wskaźnika myszy względem dni i podziałów zakresów.

#include "Kalendarz.h"

#include <QSize>
#include <QString>

namespace tks {

namespace siatka {
constexpr int SzerokoscDnia = 18;
constexpr int WysokoscDnia = 21;
constexpr int SzerokoscEtykiet = 100;   // kolumna etykiet wierszy
constexpr int WysokoscEtykiet = 30;     // wiersz etykiet kolumn
constexpr double ProgPodzialu = 0.13;   // część szerokości dnia, w której wskaźnik jest "przy podziale"
} // namespace siatka

// Wylicza Kolumna, Wiersz, Prostokat dni, mapę komórek i wymiary siatki
// (wywoływane przez TworzSiatkeKalendarza).
void UlozSiatke(Kalendarz& k);

// Prostokąt komórki dnia (prawy i dolny brzeg wyłączne: szerokość 17, wysokość 20).
QRect ProstokatKomorki(int wiersz, int kolumna);
QRect ProstokatEtykietyWiersza(int wiersz);
QRect ProstokatEtykietyKolumny(int kolumna);
// Rozmiar pola rysowania siatki.
QSize RozmiarSiatki(const Kalendarz& k);

// Etykieta wiersza: rok i nazwa miesiąca (październik skrócony), najwyżej 16 znaków.
QString EtykietaWiersza(const Kalendarz& k, int wiersz);
// Etykieta kolumny: dwie pierwsze litery krótkiej nazwy dnia tygodnia.
QString EtykietaKolumny(int kolumna);
// Liczba dni kursowania w miesiącu wiersza (pokazywana w etykiecie, gdy > 0).
int DniKursowaniaWWierszu(const Kalendarz& k, int wiersz);

// Co leży pod wskaźnikiem myszy.
enum class StanWskaznika {
    Brak,
    DzienAktywnegoZakresu,
    DzienInnegoZakresu,
    PodzialWZakresie,      // podział wewnątrz zakresu (można podzielić)
    PodzialMiedzyZakresami // granica dwóch zakresów (można usunąć albo przesunąć)
};

struct PolozenieWskaznika {
    StanWskaznika stan = StanWskaznika::Brak;
    int dzien = -1;        // dzień pod wskaźnikiem (-1 poza dniami)
    int podzial = -1;      // najbliższy podział: indeks pierwszego dnia za nim (-1 poza wierszami)
    int zakres = -1;       // zakres dnia albo zakres, w którym leży podział (dla granicy: prawy)
};

// Położenie wskaźnika (x, y w pikselach pola siatki).
PolozenieWskaznika PolozenieWSiatce(const Kalendarz& k, int x, int y);

} // namespace tks
