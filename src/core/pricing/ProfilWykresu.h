#pragma once
// Profil prędkości trasy do wykresu: kopia profilu metr po metrze z ostatniej wyceny,
// elementy trasy wzdłuż kilometrów, znaczniki punktów trasy, przerzedzenie do
// kolumn ekranu (najmniejsza i największa wartość w kolumnie), odczyt w punkcie
// i zapis co 100 m.

#include "pricing/Wycena.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tks {

class Droga;

// Element trasy na osi kilometrów wykresu.
struct ElementProfilu {
    std::size_t odMetra = 0;   // pierwszy metr elementu w profilu
    std::size_t doMetra = 0;   // metr za ostatnim
    int nrLinii = 0;
    QString odStacji;
    QString doStacji;
};

// Punkt trasy (stacja początkowa, pośrednia, końcowa) na osi kilometrów.
struct ZnacznikProfilu {
    double km = 0;
    QString nazwa;
};

struct ProfilTrasy {
    std::vector<TMetrProfilu> metry;     // jeden wpis na metr trasy
    std::vector<ElementProfilu> elementy;
    std::vector<ZnacznikProfilu> stacje;
    int czasJazdy = 0;                   // s
    double dlugosc = 0;                  // km (długość trasy z wyceny)
    QString poczatek;
    QString koniec;

    double dlugoscKm() const { return double(metry.size()) / 1000.0; }
    bool pusty() const { return metry.empty(); }
};

// Profil bieżącej trasy (po wycenie). Bez elementów trasy: pusty profil.
ProfilTrasy ProfilBiezacejTrasy(Droga& d);

// Kolumna przerzedzonego profilu: zakres kilometrów i skrajne wartości w nim.
struct KolumnaProfilu {
    double odKm = 0;
    double doKm = 0;
    int vMin = 0;
    int vMax = 0;
    int limitMin = 0;
    int limitMax = 0;
};

// Przerzedzenie odcinka [odKm, doKm] do co najwyżej `kolumny` kolumn (jedna na piksel):
// w każdej najmniejsza i największa prędkość oraz ograniczenie. Gdy metrów jest mniej
// niż kolumn, jedna kolumna na metr.
std::vector<KolumnaProfilu> kolumnyProfilu(const ProfilTrasy& p, double odKm, double doKm, int kolumny);

// Odczyt w punkcie trasy (kursor wykresu).
struct OdczytProfilu {
    bool wTrasie = false;
    double km = 0;
    int predkosc = 0;
    int limit = 0;
    int nrLinii = 0;
    QString odcinek;    // "Stacja A – Stacja B"
};
OdczytProfilu odczytProfilu(const ProfilTrasy& p, double km);
// Tekst odczytu pod wykresem: "km 12,345 · 87 km/h · ograniczenie 100 km/h · linia 3 · A – B".
QString tekstOdczytu(const OdczytProfilu& o);

// Tytuł wykresu: stacje, czas jazdy i średnia prędkość.
QString tytulProfilu(const ProfilTrasy& p);

// Zapis co 100 m: nagłówek "km;predkosc;limit;linia", potem wiersz dla metrów 0, 100,
// 200, ... (km z przecinkiem dziesiętnym, trzy miejsca), wiersze zakończone CR LF.
QByteArray csvProfilu(const ProfilTrasy& p);

} // namespace tks
