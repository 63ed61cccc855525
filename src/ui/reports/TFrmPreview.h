#pragma once
// Okno "Podgląd wydruku": strony raportu z powiększeniem 10-300 %, przewijanie
// stron, dopasowanie całej strony, ustawienie drukarki, druk, zapis PDF.
// Każdy podgląd to nowe okno, zwalniane po zamknięciu.

#include "reports/SilnikRaportu.h"

#include <QMainWindow>
#include <QSpinBox>
#include <functional>
#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;

namespace tks {
class Interakcja;
}

namespace tks::ui {

// Pole powiększenia: wpisaną liczbę spoza zakresu ogranicza do granic
// (5 -> 10, 350 -> 300) zamiast ją odrzucać.
class PoleZoomu : public QSpinBox {
    Q_OBJECT
public:
    explicit PoleZoomu(QWidget* rodzic = nullptr);

protected:
    QValidator::State validate(QString& tekst, int& pozycja) const override;
    void fixup(QString& tekst) const override;
};

class TFrmPreview : public QMainWindow {
    Q_OBJECT
public:
    // `nazwaPdf`: proponowana nazwa pliku dla "Zapisz PDF".
    TFrmPreview(std::shared_ptr<const Raport> raport, Interakcja& interakcja, const QString& nazwaPdf,
                QWidget* rodzic = nullptr);

    // Pokazanie zmaksymalizowane, bez blokowania okna głównego.
    void pokaz();

    int strona() const { return strona_; }
    int liczbaStron() const;
    int zoom() const { return zoom_; }
    const Raport& raport() const { return *raport_; }
    // Obraz bieżącej strony w bieżącym powiększeniu (piksele urządzenia).
    const QImage& obraz() const { return obraz_; }

    // Wybór pliku PDF (proponowana ścieżka -> wybrana, pusta: anulowano).
    std::function<QString(const QString&)> wyborPliku;

    QLabel* LabelRozmiar = nullptr;
    PoleZoomu* SpinEditZoom = nullptr;
    QToolButton* SBPierwsza = nullptr;
    QToolButton* SBPoprzednia = nullptr;
    QToolButton* SBNastepna = nullptr;
    QToolButton* SBOstatnia = nullptr;
    QToolButton* SBZoom100 = nullptr;
    QToolButton* SBCalaStrona = nullptr;
    QToolButton* SBUstawienieDrukarki = nullptr;
    QToolButton* SBDrukuj = nullptr;
    QToolButton* SBZapiszPdf = nullptr;
    QToolButton* SBWyjscie = nullptr;
    QScrollArea* ScrollBox = nullptr;
    QLabel* Strona = nullptr;          // obraz strony
    QLabel* PanelStanu = nullptr;      // "Strona n/N"

public slots:
    void PierwszaStrona();
    void PoprzedniaStrona();
    void NastepnaStrona();
    void OstatniaStrona();
    void Powiekszenie100();
    void CalaStrona();
    void UstawienieDrukarki();
    void Drukuj();
    void ZapiszPdf();
    void ustawZoom(int procent);

private:
    void idzDoStrony(int n);
    void pokazStrone();
    double dpiEkranu() const;

    std::shared_ptr<const Raport> raport_;
    Interakcja& interakcja_;
    QString nazwaPdf_;
    int strona_ = 1;
    int zoom_ = 100;
    QImage obraz_;
};

} // namespace tks::ui
