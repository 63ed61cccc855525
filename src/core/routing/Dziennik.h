#pragma once
// Ukryty dziennik czasów obliczeń okna głównego ("obliczenia ", "Oznaczanie drogi ").

#include "app/Droga.h"

#include <QElapsedTimer>

namespace tks {

// Dopisuje linię: przedrostek i czas od startu zegara w sekundach (przecinek dziesiętny).
inline void dopiszDziennik(Droga& d, const QString& przedrostek, const QElapsedTimer& zegar)
{
    const double sekundy = double(zegar.nsecsElapsed()) / 1e9;
    d.dziennik.append(przedrostek + QString::number(sekundy, 'f', 6).replace(QLatin1Char('.'), QLatin1Char(',')));
}

} // namespace tks
