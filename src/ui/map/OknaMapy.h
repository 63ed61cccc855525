#pragma once
// Wejścia okien mapy z menu okna głównego: "Konfiguracja" -> "Kolory",
// "Konfiguracja" -> "Drukarka" i "Drukuj" -> "Mapka".

#include <QString>

namespace tks::ui {

class TFrmDroga;

// Okno "Konfiguracja kolorystyki" modalnie; po zamknięciu (którymkolwiek
// przyciskiem) ustawienia kolorów czytane od nowa i mapa rysowana od nowa.
void PokazKolory(TFrmDroga& w);

// Systemowe okno wyboru drukarki; bez drukarek w systemie tylko komunikat.
void WybierzDrukarke(TFrmDroga& w);

// Wydruk mapki (0 "Cała", 1 "Okno", 2 "Dopasuj do trasy"): bez drukarki
// komunikat, potem podgląd "Wydruk mapki" (z "Drukuj" wyłączonym).
void PokazWydrukMapki(TFrmDroga& w, int rodzaj);

// Drukarka wybrana w "Konfiguracja" -> "Drukarka" (pusta: domyślna systemu).
QString wybranaDrukarka();

} // namespace tks::ui
