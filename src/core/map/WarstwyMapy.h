#pragma once
// Pamięć dolnych warstw mapy. Tło, obszary terytorialne, kontur kraju i odcinki
// zależą tylko od widoku, ograniczeń, kolorów i sieci; przy zmianie trasy, punktu
// czy podpowiedzi nie trzeba ich rysować od nowa. Pamięć trzyma je jako obraz
// (jeden widok naraz) i wkleja go na płótno, a przy zmianie rysuje od nowa,
// biorąc z siatki na płaszczyźnie mapy tylko odcinki w pobliżu widoku.

#include "Kanwa.h"
#include "MapaStacji.h"
#include "UkladSiatki.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

namespace tks {

class Droga;
struct Siec;
struct Widok;

// Równomierna siatka odcinków na płaszczyźnie mapy: odcinek jest w każdej komórce,
// którą przecina jego prostokąt otaczający.
class SiatkaOdcinkow {
public:
    void zbuduj(const Siec& s);
    // Rosnące indeksy odcinków, których prostokąt otaczający może przecinać prostokąt
    // [x1, x2] × [y1, y2] (metry mapy). false, gdy prostokąt obejmuje większość siatki:
    // wtedy taniej przejrzeć wszystkie odcinki.
    bool wybierz(double x1, double y1, double x2, double y2, std::vector<std::int32_t>& wynik) const;

private:
    UkladSiatki u_;
    std::vector<std::uint32_t> poczatki_;   // komórki + 2 (dodatkowa: odcinki bez położenia)
    std::vector<std::int32_t> odcinki_;
};

class PamiecWarstwMapy {
public:
    // Dolne warstwy na płótnie przy ustalonej skali widoku d.widok: wkleja obraz z
    // pamięci, a gdy coś się zmieniło, najpierw rysuje go od nowa. Stan pióra,
    // pędzla i czcionki płótna jest potem taki, jak po rysowaniu wprost.
    // false, gdy płótno nie pozwala wkleić obrazu (wydruk, urządzenie inne niż
    // obraz): wtedy rysuje wołający.
    bool wklej(Kanwa& k, const Droga& d);

    // Stacje sieci do rysowania (budowane od nowa dla innej sieci).
    MapaStacji& mapaStacji(const Siec& s);

    // Ile razy dolne warstwy były rysowane (nie wklejane).
    std::uint64_t liczbaRysowan() const { return rysowan_; }
    void wyczysc();

    // Odcisk sieci: geometria odcinków i konturów, cechy i zarząd odcinków,
    // kolory regionów. Zmienia się, gdy zmienia się cokolwiek, co widać w dolnych
    // warstwach. `odcinki`: tylko te odcinki (rosnące indeksy), gdy rysuje się tylko
    // je; nullptr: wszystkie.
    static std::uint64_t odciskSieci(const Siec& s, const std::vector<std::int32_t>* odcinki = nullptr);

private:
    struct Klucz {
        int szerokosc = 0;
        int wysokosc = 0;
        QImage::Format format = QImage::Format_Invalid;
        bool antyalias = false;
        std::int64_t zoom = 0;
        double x = 0;
        double y = 0;
        double skala = 0;
        double promien = 0;
        int rzad = 0;
        std::uint16_t maska = 0;
        std::int32_t kolorTla = 0;
        std::int32_t kolorLinii = 0;
        std::int32_t kolorLiniiObcych = 0;
        int podzial = 0;
        const void* siec = nullptr;
        std::uint64_t numer = 0;
        const void* odcinki = nullptr;
        std::size_t liczbaOdcinkow = 0;
        std::uint64_t odcisk = 0;
        bool operator==(const Klucz&) const = default;
    };

    QImage obraz_;
    Klucz klucz_;
    bool jest_ = false;
    Pioro pioro_;
    Pedzel pedzel_;
    Czcionka czcionka_;
    std::uint64_t rysowan_ = 0;
    // Siatka zbudowana dla tej sieci (obiekt, numer, wektor odcinków). Położenia
    // odcinków zmienia tylko wczytanie sieci (nowa sieć ma nowy numer); cechy
    // odcinków (wykluczenia) zmieniają się w miejscu i odcisk je obejmuje.
    SiatkaOdcinkow siatka_;
    const void* siecSiatki_ = nullptr;
    std::uint64_t numerSiatki_ = 0;
    const void* odcinkiSiatki_ = nullptr;
    std::size_t liczbaSiatki_ = 0;
    bool jestSiatka_ = false;
    // Odcinki z siatki dla ostatniego obszaru widoku.
    std::vector<std::int32_t> wybrane_;
    std::array<double, 4> obszarWyboru_{};
    bool zSiatki_ = false;
    bool jestWybor_ = false;
    MapaStacji stacje_;
};

} // namespace tks
