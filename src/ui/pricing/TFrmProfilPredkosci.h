#pragma once
// Okno "Profil prędkości": wykres prędkości i ograniczenia wzdłuż trasy, odczyt pod
// kursorem, zapis wykresu do PNG i PDF.

#include "pricing/ProfilWykresu.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tks::ui {

class WidokProfilu;
class WykresProfilu;

class TFrmProfilPredkosci : public QDialog {
    Q_OBJECT
public:
    explicit TFrmProfilPredkosci(ProfilTrasy profil, QWidget* rodzic = nullptr);

    WykresProfilu* wykres() const { return wykres_; }
    WidokProfilu* widok() const { return widok_; }
    // Zapis do pliku (rozszerzenie .png albo .pdf); błąd w oknie komunikatu.
    bool zapisz(const QString& plik);

    QLabel* LabelOdczyt = nullptr;
    QPushButton* ButtonCalosc = nullptr;
    QPushButton* ButtonPng = nullptr;
    QPushButton* ButtonPdf = nullptr;

private:
    void zapiszJako(const QString& filtr, const QString& rozszerzenie);

    WykresProfilu* wykres_ = nullptr;
    WidokProfilu* widok_ = nullptr;
};

} // namespace tks::ui
