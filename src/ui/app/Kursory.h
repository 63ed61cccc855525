#pragma once
// Kursory mapy (numery 21-27) i ikony przycisków narzędzi, rysowane w programie.

#include <QCursor>
#include <QIcon>

namespace tks::ui {

// Numery kursorów mapy; przyciski narzędzi mają te same numery.
enum NrKursora : int {
    kKursorDomyslny = 0,
    kKursorLupaPlus = 21,
    kKursorDlon = 22,
    kKursorSetStart = 23,
    kKursorSetMeta = 24,
    kKursorSetPrzez = 25,
    kKursorResetPrzez = 26,
    kKursorSetNiePrzez = 27,
};

// Rejestruje siedem kursorów (przy tworzeniu okna głównego; kolejne wywołania nic nie robią).
void ZarejestrujKursory();
// Kursor o numerze; nieznany numer albo 0 daje kursor domyślny (strzałkę).
QCursor kursorMapy(int numer);
// Nazwa zasobu kursora ("LupaPlus", "Dlon", ...); pusta dla nieznanego numeru.
QString nazwaKursora(int numer);

// Ikony przycisków narzędzi.
enum class IkonaNarzedzia { Wskaznik, LupaPlus, LupaMinus, Dlon, Start, Meta, Przez, Usun, Omin, KasujDroge };
QIcon ikonaNarzedzia(IkonaNarzedzia i);

} // namespace tks::ui
