#pragma once
// Okno "Wydruk mapki": podgląd strony mapy (obraz strony w układzie 150
// pikseli na cal, pokazany w powiększeniu podglądu), "Drukuj" na wybranej
// drukarce, "Zapisz PDF" i "Zamknij". Bez drukarki w systemie "Drukuj" jest
// wyłączone, a strona może trafić do pliku PDF.

#include "map/WydrukMapki.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace tks {
class Interakcja;
}

namespace tks::ui {

class TFrmWydrukMapki : public QDialog {
    Q_OBJECT
public:
    // `drukarka`: nazwa drukarki wydruku (pusta: domyślna); `drukarkaJest`:
    // czy w systemie jest jakakolwiek drukarka; `nazwaPdf`: proponowany plik PDF.
    TFrmWydrukMapki(StronaMapy strona, Interakcja& interakcja, bool drukarkaJest, const QString& drukarka,
                    const QString& nazwaPdf, QWidget* rodzic = nullptr);

    int zoom() const { return zoom_; }
    const QImage& obrazStrony() const { return obraz_; }
    const StronaMapy& strona() const { return strona_; }

    // Wybór pliku PDF (proponowana ścieżka -> wybrana, pusta: anulowano).
    std::function<QString(const QString&)> wyborPliku;

    QToolButton* SBFitioPage = nullptr;
    QToolButton* SBPowieksz = nullptr;
    QToolButton* SBZmniejsz = nullptr;
    QPushButton* BitBtn2 = nullptr;      // "Drukuj"
    QPushButton* BitBtnPdf = nullptr;    // "Zapisz PDF"
    QPushButton* BitBtn1 = nullptr;      // "Zamknij"
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* IMG1 = nullptr;

public slots:
    void CalaStrona();
    void Powieksz();
    void Zmniejsz();
    void drukuj();
    void ZapiszPdf();

private:
    // Obraz strony rysowany raz; pokazywany w rozmiarze bazowym × zoom / 10000.
    void RysujPodglad();
    void UstalRozmiarElementow();

    StronaMapy strona_;
    Interakcja& interakcja_;
    QString drukarka_;
    QString nazwaPdf_;
    QImage obraz_;
    int zoom_ = kZoomPodgladu100;
};

} // namespace tks::ui
