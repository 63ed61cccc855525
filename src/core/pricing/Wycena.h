#pragma once
// Sumy wyceny trasy i wyniki czasu jazdy, trzymane przez okno główne.

#include <QString>

namespace tks {

struct Wycena {
    double dlugoscTrasy = 0;      // km, zaokrąglona do 0,001
    double dlugoscWycen = 0;      // km objęte wyceną
    double cenaTrasy = 0;         // CenaPrzejazdu
    double sumaPostojow = 0;      // opłaty za postoje (nic jej nie podnosi)
    bool wycenaPelna = true;
    int Tr = 0;                   // czas jazdy w sekundach
    QString EditTr;               // tekst pola "Czas jazdy"
    QString EditVr;               // tekst pola "Vr sr"
    bool pokazCenePostojow = true;// widoczność pola "Cena za postoje"
};

} // namespace tks
