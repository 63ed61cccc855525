#pragma once
// Lista zapisanych pociągów "Wybór pociągu": tryb wyboru (wczytanie pociągu)
// i tryb usuwania (okno startowe), sortowanie po kolumnie i warunki filtru
// z menu podręcznego siatki albo z okna "Filtruj".

#include "trains/ListaPociagow.h"

#include <QDialog>

class QAction;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

namespace tks {
class Droga;
}

namespace tks::ui {

class ModelTabeli;
class TFrmFiltrOgolny;

class TFrmWyborPociagu : public QDialog {
    Q_OBJECT
public:
    explicit TFrmWyborPociagu(Droga& d, QWidget* rodzic = nullptr);

    // Tryb wyboru: identyfikator wybranego pociągu albo 0.
    int wybierz();
    // Tryb usuwania: "Usuń pociag" i "Zamknij" zamiast "Wybierz" i "Anuluj";
    // po zamknięciu przyciski wracają do trybu wyboru.
    void usuwanie();

    // Wiersz tabeli listy w bieżącym wierszu siatki (-1: brak) i bieżąca kolumna.
    int biezacyWiersz() const;
    QString biezacaKolumna() const;
    const StanListyPociagow& stan() const { return stan_; }
    ModelTabeli* model() const { return model_; }

    QToolButton* SpeedButtonRosnaco = nullptr;
    QToolButton* SpeedButtonMalejaco = nullptr;
    QToolButton* SpeedButtonFiltr = nullptr;
    QToolButton* SpeedButtonUsunFiltr = nullptr;
    QTableView* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QPushButton* BitBtnWybierz = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;
    QPushButton* BitBtnUsun = nullptr;
    QPushButton* BitBtnZamknij = nullptr;
    TFrmFiltrOgolny* FrmFiltrOgolny = nullptr;

public slots:
    void Sortuj(bool malejaco);
    void FiltrujDane();
    void UsunFiltr();
    void FiltrujWgWyboru(int operacja);
    void BitBtnWybierzClick();
    void BitBtnUsunClick();

protected:
    void done(int wynik) override;

private:
    void trybUsuwania(bool usuwanie);
    void odswiezSiatke(int wierszTabeli);

    Droga& d_;
    ModelTabeli* model_ = nullptr;
    StanListyPociagow stan_;
};

} // namespace tks::ui
