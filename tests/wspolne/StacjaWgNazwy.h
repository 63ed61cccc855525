#pragma once
// Stacja sieci po nazwie w testach okien i wydruków.

#include "app/Droga.h"

namespace tks::test {

// Numer pierwszej stacji o tej nazwie (-1: nie ma takiej).
inline int stacja(const Droga& d, const QString& nazwa)
{
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (d.siec.nazwaStacji(i) == nazwa)
            return i;
    return -1;
}

inline int stacja(const Droga& d, const char* nazwa) { return stacja(d, QString::fromUtf8(nazwa)); }

} // namespace tks::test
