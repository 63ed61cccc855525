#pragma once
// Okno "Porównanie tras": trasa najkrótsza, najtańsza i najszybsza obok siebie
// (długości, ceny, czas jazdy, średnia prędkość, grupy, linie) z przyciskiem
// "Użyj tej trasy" pod każdą, którą można wybrać na liście kryteriów.

#include "routing/PorownanieTras.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tks::ui {

class TFrmPorownanieTras : public QDialog {
    Q_OBJECT
public:
    // `obecne`: kryterium trasy w oknie głównym (jego kolumna jest oznaczona).
    TFrmPorownanieTras(std::vector<TrasaKryterium> trasy, int obecne, QWidget* rodzic = nullptr);

    // Kryterium wybrane przyciskiem "Użyj tej trasy"; -1, gdy zamknięto bez wyboru.
    int wybraneKryterium() const { return wybrane_; }

    QTableWidget* Tabela = nullptr;
    QLabel* LabelUwagi = nullptr;
    std::vector<QPushButton*> przyciskiUzyj;   // w kolejności kolumn

private:
    std::vector<TrasaKryterium> trasy_;
    int wybrane_ = -1;
};

} // namespace tks::ui
