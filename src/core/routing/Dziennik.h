#pragma once
// Ukryty dziennik czasów obliczeń okna głównego ("obliczenia ", "Oznaczanie drogi ").

#include "app/Droga.h"
#include "common/Liczby.h"

#include <QElapsedTimer>

namespace tks {

// Dopisuje linię: przedrostek i czas od startu zegara w sekundach (przecinek dziesiętny).
inline void dopiszDziennik(Droga& d, const QString& przedrostek, const QElapsedTimer& zegar)
{
    d.dziennik.append(przedrostek + tekstSekund(double(zegar.nsecsElapsed()) / 1e9));
}

} // namespace tks
