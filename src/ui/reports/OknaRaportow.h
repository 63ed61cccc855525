#pragma once
// Wejścia okien raportów z menu okna głównego: "Dane" -> "Trasa" (okno podglądu
// trasy) i "Drukuj" -> "Trasa" (wydruk w oknie podglądu wydruku).

#include <QString>

class QWidget;

namespace tks {
class Droga;
}

namespace tks::ui {

class TFrmPreview;

// WyznaczTrase(poziom) i okno "Podgląd trasy" pokazane modalnie.
void PokazPodgladTrasy(Droga& d, int poziom, QWidget* rodzic);
// WyznaczTrase(poziom), PrzygotujWydruk(poziom) i nowe okno "Podgląd wydruku"
// (niemodalne, zwalnia się po zamknięciu).
TFrmPreview* PokazWydrukTrasy(Droga& d, int poziom, QWidget* rodzic);

// Okno zapisu pliku: proponowana ścieżka, filtr w postaci "Opis|*.roz", domyślne
// rozszerzenie. Zwraca wybraną ścieżkę albo pusty tekst.
QString wybierzPlikDoZapisu(QWidget* rodzic, const QString& proponowana, const QString& filtr,
                            const QString& rozszerzenie);

} // namespace tks::ui
