#pragma once
// Okno wyboru jednej pozycji z listy (np. linii, gdy dwie stacje leżą na kilku
// wspólnych liniach): komunikat nad listą, "OK" i "Anuluj", na środku ekranu.

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace tks::ui {

class TFrmWybor : public QDialog {
    Q_OBJECT
public:
    TFrmWybor(const QString& tytul, const QString& komunikat, const QStringList& pozycje, QWidget* rodzic = nullptr);

    // Indeks wybranej pozycji (pierwsza wybrana na początku), -1 bez wyboru.
    int wybrana() const;

    QLabel* LabelKomunikat = nullptr;
    QListWidget* Lista = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace tks::ui
