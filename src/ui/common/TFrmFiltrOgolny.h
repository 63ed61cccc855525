#pragma once
// Okno filtru "Filtruj": wartość i kryterium porównania dla jednej kolumny.

#include "common/Tabela.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tks {
class Interakcja;
}

namespace tks::ui {

class TFrmFiltrOgolny : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFiltrOgolny(Interakcja& interakcja, QWidget* rodzic = nullptr);

    // Wypełnienie przed pokazaniem: tytuł i typ kolumny, wartość bieżącego wiersza.
    void ustaw(const QString& tytulKolumny, TypPola typ, const QVariant& wartosc);
    // Po zamknięciu przyciskiem "Filtruj": wartość typu kolumny i indeks kryterium.
    QVariant wartosc() const { return wartosc_; }
    int kryterium() const;

    QLabel* LabelKolumna = nullptr;
    QLineEdit* EditWartosc = nullptr;
    QComboBox* ComboBoxKryterium = nullptr;
    QPushButton* BitBtnFiltruj = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;

public slots:
    void BitBtnFiltrujClick();

private:
    Interakcja& interakcja_;
    TypPola typ_ = TypPola::Tekst;
    QVariant wartosc_;
};

} // namespace tks::ui
