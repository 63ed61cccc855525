#pragma once
// Okno startowe "Taksatura 2018": cztery przyciski. Przy pierwszej aktywacji
// tworzy pozostałe okna (okno główne z aktywacją: sieć, ustawienia);
// zamknięcie niszczy je i kończy program.

#include "app/Srodowisko.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace tks {
class Interakcja;
}

namespace tks::ui {

class TFrmDroga;

// Kolor napisów okna startowego.
inline const QColor kKolorNapisowStartu(0x00, 0x24, 0xA8);

class TDM : public QWidget {
    Q_OBJECT
public:
    // `interakcja` przekazywana oknu głównemu (nullptr: okna dialogowe).
    explicit TDM(const Srodowisko& srodowisko, Interakcja* interakcja = nullptr, QWidget* rodzic = nullptr);
    ~TDM() override;

    const Srodowisko& srodowisko() const { return srodowisko_; }
    // Tworzy pozostałe okna (raz; przy pierwszej aktywacji).
    void utworzOkna();
    // Niszczy okna w odwrotnej kolejności.
    void zniszczOkna();
    TFrmDroga* frmDroga() const { return frmDroga_.get(); }

    QLabel* LabelNazwa;
    QLabel* LabelOpis;
    QLabel* LabelWersja;
    QLabel* LObowiazujeOd;
    QPushButton* BitBtn1;     // "Wyznaczanie trasy"
    QPushButton* BitBtn3;     // "Instrukcja obsługi"
    QPushButton* BitBtn2;     // "Zestawienia"
    QPushButton* BitBtnUsun;  // "Usuń pociąg z bazy"

public slots:
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();
    void BitBtnUsunClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Srodowisko srodowisko_;
    Interakcja* interakcja_;
    std::unique_ptr<TFrmDroga> frmDroga_;
    bool oknaUtworzone_ = false;
    bool wysrodkowane_ = false;
};

} // namespace tks::ui
