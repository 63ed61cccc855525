#pragma once
// Stacje sieci w postaci, w jakiej potrzebuje ich rysowanie mapy: położenia i
// widoczności w zwartych tablicach (przejście po nich nie czyta pełnych rekordów
// stacji), stacje widoczne przy danym powiększeniu i równomierna siatka na
// płaszczyźnie mapy, z której bierze się tylko stacje w pobliżu widoku.
//
// Stacje w widoku (`StacjeWidoku`) idą w kolejności numerów, jak w przejściu po
// wszystkich stacjach, więc rysowanie i reguła nakładania się nazw dają ten sam obraz.

#include "UkladSiatki.h"
#include "Widok.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace tks {

struct Siec;

class MapaStacji {
public:
    // Tablice (i siatka, gdy `zSiatka`) dla sieci `s`.
    void zbuduj(const Siec& s, bool zSiatka);
    // Zbudowana dla tej sieci (ten sam obiekt, numer i wektor stacji).
    bool dla(const Siec& s) const;

    int liczba() const { return int(x_.size()); }
    double x(std::int32_t i) const { return x_[std::size_t(i)]; }
    double y(std::int32_t i) const { return y_[std::size_t(i)]; }
    std::int32_t widocznosc(std::int32_t i) const { return widocznosc_[std::size_t(i)]; }

    // Nazwa stacji bez odstępów na końcach, odczytana z sieci przy pierwszym użyciu
    // (nazwy, jak położenia, zmienia tylko wczytanie sieci).
    const QString& nazwa(const Siec& s, std::int32_t i);

    // Rosnące numery stacji widocznych przy powiększeniu `zoom` (pamiętane dla
    // ostatniego powiększenia).
    const std::vector<std::int32_t>& widoczne(std::int64_t zoom);

    // Rosnące numery stacji, których punkt może leżeć w prostokącie
    // [x1, x2] × [y1, y2] (metry mapy). false, gdy siatki nie ma albo prostokąt
    // obejmuje większość siatki: wtedy taniej przejrzeć wszystkie stacje.
    bool wybierz(double x1, double y1, double x2, double y2, std::vector<std::int32_t>& wynik) const;

private:
    const void* siec_ = nullptr;
    std::uint64_t numer_ = 0;
    const void* dane_ = nullptr;
    bool zSiatka_ = false;
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<std::int32_t> widocznosc_;
    std::vector<QString> nazwy_;
    std::vector<char> maNazwe_;

    std::int64_t zoomWidocznych_ = -1;
    std::vector<std::int32_t> widoczne_;

    // Siatka: numery stacji każdej komórki rosnąco; stacje bez położenia
    // (nieskończone, nieliczbowe) w komórce dodatkowej na końcu.
    UkladSiatki u_;
    std::vector<std::uint32_t> poczatki_;
    std::vector<std::int32_t> stacje_;
};

// Stacja w widoku: numer i piksel.
struct StacjaWidoku {
    std::int32_t lp;
    TPiksel p;
    bool widoczna;   // widoczna przy powiększeniu (węzły zawsze są w widoku, gdy ich punkt jest)
};

// Stacje, których punkt leży w obszarze szer × wys (krawędzie włącznie) i które są
// widoczne przy powiększeniu widoku albo są węzłami (widoczność -1 lub 0), rosnąco
// według numeru. Widok ma ustaloną skalę.
void StacjeWidoku(MapaStacji& m, const Widok& w, int szer, int wys, std::vector<StacjaWidoku>& wynik,
                  std::vector<std::int32_t>& robocze);

} // namespace tks
