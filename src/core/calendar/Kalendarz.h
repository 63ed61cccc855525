#pragma once
// Kalendarz dni kursowania bieżącego pociągu: zakresy dat z regułami dni
// tygodnia i świąt oraz oznaczenia pojedynczych dni.

#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace tks {

// Jeden zakres reguł.
struct TZakresy {
    double ZakresOd = 0;          // numer dnia
    double ZakresDo = 0;
    std::uint8_t D[8] = {0, 0, 0, 0, 0, 0, 0, 2};   // D1..D7 poniedziałek..niedziela, D8 święta
    QString OpisZakresu;
};

// Jeden dzień okresu rozkładu.
struct TDzienKalendarza {
    double Data = 0;
    std::uint8_t Dod = 2;         // 2 bez oznaczenia, 1 kursuje, 0 nie kursuje
    char DzienTyg = '1';          // '1' poniedziałek .. '7' niedziela
    std::uint8_t Swieto = 0;
    int NrZakresu = 0;
    // położenie w siatce okna kalendarza
    int Kolumna = 0;
    int Wiersz = 0;
    QRect Prostokat;
    std::uint8_t Zaznaczony = 0;
};

struct Kalendarz {
    std::vector<TZakresy> Zakresy;
    std::vector<TDzienKalendarza> Dni;
    int AktywnyZakres = 0;
    int LDniKurs = 0;
};

} // namespace tks
