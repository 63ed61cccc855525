#pragma once
// Podpowiedź mapy: opis stacji albo odcinków pod zatrzymanym kursorem
// (po 300 ms) i ramka podpowiedzi przy kursorze.

#include "Widok.h"

#include <QSize>
#include <QStringList>

namespace tks {

class Droga;
class Kanwa;

inline constexpr int kOpoznieniePodpowiedzi = 300;   // ms, zegar TimerHint

// Ramka podpowiedzi (TLabelHint).
struct TLabelHint {
    TProstokat rect;
    std::int32_t szerokosc = 0;   // najszersza linia
    std::int32_t wysokosc = 0;    // suma wysokości linii
    bool pokazana = false;
    std::int32_t LLinii = 0;
    QStringList linie;
};

void LabelHintClear(TLabelHint& h);
// Dopisuje linię o zmierzonym rozmiarze tekstu.
void LabelHintAdd(TLabelHint& h, const QString& linia, QSize rozmiar);
// Ramka przy kursorze (x + 10, y + 3); przy dolnej krawędzi obszaru przesunięta
// w górę, przy prawej - na lewo od kursora.
void LabelHintSetPos(TLabelHint& h, int x, int y, int szerokoscPb, int wysokoscPb);
// Położenie i-tej linii w ramce.
TPiksel PozycjaLiniiPodpowiedzi(const TLabelHint& h, int i);

// Linie podpowiedzi dla punktu (piksele obszaru rysowania) według bieżącego
// narzędzia; pusta lista poza obszarem albo gdy nic nie trafiono.
QStringList LiniePodpowiedzi(const Droga& d, int x, int y);

// Cała obsługa zegara podpowiedzi: linie zmierzone na płótnie mapy i ramka
// ustawiona. Zwraca true, gdy jest co pokazać.
bool PrzygotujPodpowiedz(const Droga& d, int x, int y, Kanwa& k, TLabelHint& h);

// Rysuje ramkę (tło `kolorTla`, 0x00BBGGRR) i linie czarnym tekstem.
void RysujPodpowiedz(Kanwa& k, const TLabelHint& h, std::int32_t kolorTla);

} // namespace tks
