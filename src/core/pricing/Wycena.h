#pragma once
// Sumy wyceny trasy i wyniki czasu jazdy, trzymane przez okno główne.

#include <QString>
#include <cstdint>
#include <vector>

namespace tks {

// Jeden metr profilu prędkości (km/h).
struct TMetrProfilu {
    std::uint8_t Predkosc = 0;    // prędkość osiągnięta na tym metrze
    std::uint8_t Limit = 0;       // najwyższa dozwolona prędkość
};

// Ciąg kolejnych metrów trasy o tej samej wartości (km/h).
struct TOdcinekProfilu {
    std::uint8_t wartosc = 0;
    std::size_t metry = 0;
};

struct Wycena {
    double dlugoscTrasy = 0;      // km, zaokrąglona do 0,001
    double dlugoscWycen = 0;      // km objęte wyceną
    double cenaTrasy = 0;         // CenaPrzejazdu
    double sumaPostojow = 0;      // opłaty za postoje (nic jej nie podnosi)
    bool wycenaPelna = true;
    int Tr = 0;                   // czas jazdy w sekundach
    int VTab = 100;               // prędkość maksymalna taboru po ograniczeniu, km/h
    QString EditTr;               // tekst pola "Czas jazdy"
    QString EditVr;               // tekst pola "Vr sr"
    bool pokazCenePostojow = true;// widoczność pola "Cena za postoje"
    // Wycena bez symulacji czasu jazdy (Tr = 0): dla przeliczeń wielu pociągów,
    // które pokazują tylko długości i ceny; nagłówek pociągu wychodzi ten sam.
    bool bezCzasuJazdy = false;
    // Wynik ostatniej symulacji jako ciągi metrów o stałej wartości: ograniczenia
    // i prędkości (razem tyle metrów, ile ma trasa).
    std::vector<TOdcinekProfilu> LimityOdcinkami;
    std::vector<TOdcinekProfilu> PredkosciOdcinkami;
    // Profil metr po metrze rozwijany z ciągów dopiero na żądanie (profilPredkosci()):
    // wycena potrzebuje tylko czasu. Bufor używany ponownie.
    std::vector<TMetrProfilu> ProfilPredkosci;
    bool profilAktualny = false;
    // Symulacja liczona metr po metrze zamiast ciągami metrów o stałej prędkości
    // (wynik ten sam; wolniejsza, zostaje jako wzorzec do porównań).
    bool symulacjaMetrowa = false;
};

} // namespace tks
