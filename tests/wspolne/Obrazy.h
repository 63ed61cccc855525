#pragma once
// Porównanie obrazów piksel w piksel w testach rysowania.

#include <QImage>

namespace tks::test {

// Liczba różnych pikseli (0: obrazy równe, -1: różne rozmiary).
inline int roznePiksele(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace tks::test
