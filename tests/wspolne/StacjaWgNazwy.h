#pragma once
// Stacja sieci po nazwie w testach okien i wydruków.

#include "app/Droga.h"

namespace tks::test {

// Numer pierwszej stacji o tej nazwie (-1: nie ma takiej).
inline int stacja(const Droga& d, const char* nazwa)
{
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (d.siec.nazwaStacji(i) == QString::fromUtf8(nazwa))
            return i;
    return -1;
}

} // namespace tks::test
