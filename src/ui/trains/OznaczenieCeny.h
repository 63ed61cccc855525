#pragma once
// Tło pól tylko do odczytu i oznaczenie ceny, która nie obejmuje całej trasy.

#include <QPalette>

class QWidget;
class QLineEdit;

namespace tks {
struct Pociag;
}

namespace tks::ui {

// Tło pola edycji w kolorze roli palety (Button - tło przycisku, ToolTipBase - tło podpowiedzi).
void tloPola(QWidget* pole, QPalette::ColorRole kolor);
// Pole ceny okna głównego: tło podpowiedzi i podpowiedź, gdy cena nie obejmuje
// całej trasy (tło wraca do zwykłego przy cenie 0).
void oznaczCeneOknaGlownego(QLineEdit* pole, const Pociag& p);

} // namespace tks::ui
