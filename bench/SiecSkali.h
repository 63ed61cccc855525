#pragma once
// Sieci w skali kraju dla benchmarków: pliki generowane raz do build/bench
// (nazwa z liczbą stacji, ziarnem i wersją generatora) i stan okna głównego
// z wczytaną siecią, stałymi parami stacji i trasą ok. 1000 km.

#include "WzorDijkstry.h"

#include "app/Droga.h"
#include "common/Interakcja.h"
#include "map/WarstwyMapy.h"

#include <QImage>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace tks::bench {

inline constexpr std::uint64_t kZiarnoSkali = 1;
inline constexpr int kParWyszukiwan = 48;
inline constexpr int kZrodelBezCelu = 12;

// Plik sieci o `stacje` stacjach (wygenerowany, gdy go jeszcze nie ma).
QString plikSieciSkali(int stacje, std::uint64_t ziarno = kZiarnoSkali);

// Sieć z pliku w stanie okna głównego, z wartościami pochodnymi; błąd kończy program.
void wczytajSiec(Droga& d, const QString& plik);
// Pomiar przerysowania mapy (odswiez) do obrazu 1600×1000 ze środkiem w stacji `srodek`
// przy powiększeniu `zoom`; zwraca ostatni obraz. Z pamięcią warstw: jak po zmianie
// trasy albo punktu (widok bez zmian), tło, obszary, kontur i odcinki z pamięci.
QImage mierzPrzerysowanie(benchmark::State& st, Droga& d, std::int64_t zoom, int srodek, bool wygladzanie,
                          PamiecWarstwMapy* warstwy = nullptr);

// Jak po otwarciu okna głównego: pierwszy rodzaj pociągu i przedział masy,
// warunki, pusta trasa, tabele pociągu i nowy pociąg.
void nowyPociagNaSieci(Droga& d);

// Pomiar zapytań na przemian (czas na zapytanie w kolejnych rundach, ns) i praca
// kolejki FIFO w każdym zapytaniu.
struct CzasyZapytan {
    std::vector<double> nasze;       // ObliczMinOdleglosci
    std::vector<double> wzor;        // Dijkstra z Boost.Graph
    std::vector<double> wzorcowe;    // prosta kolejka FIFO (wersja sprzed zmian wydajności)
    std::vector<double> wstawienia;  // długość kolejki FIFO po wyszukiwaniu (ile razy stacje trafiały do kolejki)
    std::vector<double> etykietowane;// stacje z etykietą poniżej nieosiągniętej
};

struct StanSkali {
    explicit StanSkali(int stacje);

    int stacje;
    InterakcjaSkryptowa ia;
    Droga d;
    QString plik;
    std::vector<std::pair<int, int>> pary;   // losowe pary stacji połączonych przy domyślnych ograniczeniach
    std::vector<int> zrodlaBezCelu;          // stacje, od których szuka się bez celu (wstawianie punktu pośredniego)
    std::vector<int> punktyTrasy;            // początek, trzy pośrednie, koniec
    WzorDijkstry wzor[2];                    // kryterium 0 i 1

    // Ustawia kryterium i warunki wyszukiwania (domyślne kontrolki).
    void ustawKryterium(int kryterium);
    WarunkiWag warunki() const;
    // Punkty trasy bez elementów (do wyszukiwania bez celu i przeliczenia trasy).
    void ustawPunktyTrasy();
    int stacjaONazwie(const char* nazwa) const;

    // Sprawdza etykiety wyszukiwania względem Dijkstry, a wszystkie pola wyszukiwania
    // stacji względem prostej kolejki FIFO; pusty napis, gdy wszystko równe.
    // Potem mierzy zapytania rundami na przemian (trzy wersje).
    std::string sprawdzZCelem(int kryterium, CzasyZapytan& c);
    std::string sprawdzBezCelu(CzasyZapytan& c);

private:
    std::string porownajZWzorcowym(int od, int doSt, CzasyZapytan& c);
    void zmierzNaPrzemian(int kryterium, CzasyZapytan& c);
};

StanSkali& stanSkali(int stacje);

} // namespace tks::bench
