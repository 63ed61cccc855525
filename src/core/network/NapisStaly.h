#pragma once
// Napis o stałej pojemności, jak w pliku sieci: bajt długości i `N` bajtów
// znaków w stronie kodowej 1250. Niewykorzystana część bufora jest
// przechowywana bez zmian, żeby zapis odtwarzał plik bajt w bajt.

#include "common/Cp1250.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tks {

template <int N>
struct NapisStaly {
    static constexpr int Pojemnosc = N;
    std::uint8_t dl = 0;
    char znaki[N] = {};

    QString tekst() const { return zCp1250(znaki, std::min<int>(dl, N)); }
    QByteArray bajty() const { return QByteArray(znaki, std::min<int>(dl, N)); }
    // Ustawia wartość (przyciętą do pojemności); reszta bufora zostaje bez zmian.
    void ustaw(const QString& s) { ustawBajty(naCp1250(s)); }
    void ustawBajty(const QByteArray& b)
    {
        const int n = std::min<int>(int(b.size()), N);
        std::memcpy(znaki, b.constData(), size_t(n));
        dl = std::uint8_t(n);
    }
    bool pusty() const { return dl == 0; }
    bool operator==(const NapisStaly& o) const { return dl == o.dl && std::memcmp(znaki, o.znaki, N) == 0; }
};

} // namespace tks
