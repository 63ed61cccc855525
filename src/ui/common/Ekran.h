#pragma once
// Rozmiary okien na małych ekranach: okno nie może wyjść poza dostępny obszar
// ekranu (np. 1024x600 bez paska zadań), bo jego dół byłby nieosiągalny.

#include <QSize>

class QWidget;

namespace tks::ui {

// Dostępny obszar ekranu okna (albo ekranu głównego), bez ramki okna.
QSize dostepnyRozmiarEkranu(const QWidget* okno);
// Rozmiar okna: `pozadany`, ale nie większy niż dostępny obszar ekranu.
void ustawRozmiarWEkranie(QWidget* okno, QSize pozadany);

} // namespace tks::ui
