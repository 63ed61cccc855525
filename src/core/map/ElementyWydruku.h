#pragma once
// Elementy mapy zbierane przy rysowaniu w trybie wydruku (punkty w pikselach
// obszaru rysowania); strona wydruku odtwarza je we własnej skali.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tks {

struct TPrintPunkt {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TPrintPunkt&) const = default;
};

// Wypełniony wielokąt.
struct TPrintObszar {
    std::int32_t Kolor = 0;
    std::int32_t LPunktow = 0;
    std::vector<TPrintPunkt> Punkty;
};

// Styl pióra w elementach: 0 ciągłe, 2 kropkowane, 5 brak.
struct TPrintLinia {
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;
    std::uint8_t Grubosc = 1;
    std::uint8_t Styl = 0;
    std::int32_t Kolor = 0;
};

struct TPrintKolo {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint8_t Promien = 0;
    std::uint8_t Grubosc = 1;
    std::int32_t KolorPiora = 0;
    std::int32_t KolorPedzla = 0;
};

// Grot strzałki: trójkąt.
struct TPrintStrzalka {
    TPrintPunkt Punkty[3];
    std::uint8_t Grubosc = 1;
    std::int32_t KolorPiora = 0;
    std::int32_t KolorPedzla = 0;
};

inline constexpr int kMaksTekstuNapisu = 40;
inline constexpr int kMaksNazwyCzcionki = 32;

// Napis; (X, Y) to lewy górny róg. Styl: bit 0 pogrubiona, 1 kursywa,
// 2 podkreślona, 3 przekreślona.
struct TPrintNapis {
    QString Tekst;        // najwyżej 40 znaków
    std::uint8_t Rozmiar = 8;
    QString Czcionka;     // najwyżej 32 znaki
    std::int32_t Kolor = 0;
    std::uint8_t Styl = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// Blok tekstu strony wydruku (tytuł, dane pociągu); położenie w milimetrach.
struct TPrintNapisEX {
    QStringList Linie;
    QString Czcionka;     // najwyżej 40 znaków
    std::uint8_t Styl = 0;
    std::int32_t Rozmiar = 8;
    double X = 0;
    double Y = 0;
};

struct ElementyWydruku {
    std::vector<TPrintObszar> obszary;
    std::vector<TPrintLinia> linie;
    std::vector<TPrintKolo> kola;
    std::vector<TPrintStrzalka> strzalki;
    std::vector<TPrintNapis> napisy;
    std::vector<TPrintNapisEX> napisyEx;

    void wyczysc()
    {
        obszary.clear();
        linie.clear();
        kola.clear();
        strzalki.clear();
        napisy.clear();
        napisyEx.clear();
    }
    bool puste() const
    {
        return obszary.empty() && linie.empty() && kola.empty() && strzalki.empty() && napisy.empty() &&
               napisyEx.empty();
    }
};

} // namespace tks
