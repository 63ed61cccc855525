#pragma once
// Równomierna siatka kwadratowych komórek na płaszczyźnie mapy (siatka odcinków
// pamięci warstw, siatka stacji): układ komórek i komórki prostokąta zapytania.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tks {

struct UkladSiatki {
    double x0 = 0;
    double y0 = 0;
    double bok = 1;
    int kolumn = 0;   // 0: siatki nie ma
    int wierszy = 0;

    // Ok. `komorek` kwadratowych komórek na prostokącie [x1, x2] × [y1, y2]; false
    // (siatki nie ma), gdy bok komórki nie wychodzi liczbą dodatnią.
    bool ustaw(double x1, double y1, double x2, double y2, double komorek)
    {
        kolumn = wierszy = 0;
        const double szer = std::max(x2 - x1, 1.0), wys = std::max(y2 - y1, 1.0);
        bok = std::sqrt(szer * wys / std::clamp(komorek, 1.0, double(1 << 20)));
        if (!(bok > 0) || !std::isfinite(bok))
            return false;
        kolumn = std::clamp(int(szer / bok) + 1, 1, 4096);
        wierszy = std::clamp(int(wys / bok) + 1, 1, 4096);
        x0 = x1;
        y0 = y1;
        return true;
    }

    std::size_t komorki() const { return std::size_t(kolumn) * std::size_t(wierszy); }
    std::size_t komorka(int k, int w) const { return std::size_t(w) * std::size_t(kolumn) + std::size_t(k); }
    int kolumna(double x) const { return std::clamp(int(std::floor((x - x0) / bok)), 0, kolumn - 1); }
    int wiersz(double y) const { return std::clamp(int(std::floor((y - y0) / bok)), 0, wierszy - 1); }

    enum class Zakres {
        Poza,       // prostokąt całkiem poza siatką
        Komorki,    // kolumny [a, b], wiersze [c, e]
        Wszystko,   // ponad połowa komórek (taniej przejrzeć wszystko), brak siatki, zły prostokąt
    };
    Zakres zakres(double x1, double y1, double x2, double y2, int& a, int& b, int& c, int& e) const
    {
        if (kolumn == 0 || !(x1 <= x2) || !(y1 <= y2))
            return Zakres::Wszystko;
        const double k1 = std::floor((x1 - x0) / bok), k2 = std::floor((x2 - x0) / bok);
        const double w1 = std::floor((y1 - y0) / bok), w2 = std::floor((y2 - y0) / bok);
        if (!std::isfinite(k1) || !std::isfinite(k2) || !std::isfinite(w1) || !std::isfinite(w2))
            return Zakres::Wszystko;
        if (k2 < 0 || w2 < 0 || k1 > kolumn - 1 || w1 > wierszy - 1)
            return Zakres::Poza;
        a = int(std::clamp(k1, 0.0, double(kolumn - 1)));
        b = int(std::clamp(k2, 0.0, double(kolumn - 1)));
        c = int(std::clamp(w1, 0.0, double(wierszy - 1)));
        e = int(std::clamp(w2, 0.0, double(wierszy - 1)));
        if (2 * std::size_t(b - a + 1) * std::size_t(e - c + 1) > komorki())
            return Zakres::Wszystko;
        return Zakres::Komorki;
    }

    // Elementy komórek, które może przecinać prostokąt, i komórki dodatkowej (za
    // ostatnią: elementy bez położenia), rosnąco i bez powtórzeń. `poczatki`: początki
    // komórek w `elementy` (komórki + 2 liczby). false, gdy prostokąt obejmuje
    // większość siatki albo siatki nie ma.
    bool wybierz(double x1, double y1, double x2, double y2, const std::vector<std::uint32_t>& poczatki,
                 const std::vector<std::int32_t>& elementy, std::vector<std::int32_t>& wynik) const
    {
        wynik.clear();
        int a = 0, b = 0, c = 0, e = 0;
        const Zakres z = zakres(x1, y1, x2, y2, a, b, c, e);
        if (z == Zakres::Wszystko)
            return false;
        auto dopisz = [&](std::size_t od, std::size_t doKomorki) {
            wynik.insert(wynik.end(), elementy.begin() + poczatki[od], elementy.begin() + poczatki[doKomorki]);
        };
        if (z == Zakres::Komorki)
            for (int w = c; w <= e; ++w)
                dopisz(komorka(a, w), komorka(b, w) + 1);
        dopisz(komorki(), komorki() + 1);
        std::sort(wynik.begin(), wynik.end());
        wynik.erase(std::unique(wynik.begin(), wynik.end()), wynik.end());
        return true;
    }
};

} // namespace tks
