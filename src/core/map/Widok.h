#pragma once
// Stan widoku mapy: powiększenie i środek.

#include <cstdint>

namespace tks {

inline constexpr std::int64_t kPowiekszenie1x = 10000;

struct Widok {
    std::int64_t zoom = kPowiekszenie1x;   // powiększenie × 10000
    double WspXSrodka = 0;                 // środek widoku, metry płaszczyzny mapy
    double WspYSrodka = 0;
    int tolerancjaKlikniecia = 20;         // piksele
};

} // namespace tks
