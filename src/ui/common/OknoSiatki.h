#pragma once
// Okno z siatką jednej tabeli: przyciski sortowania i filtru nad siatką, menu
// podręczne siatki (sortowanie, warunki "wg wyboru") i okno "Filtruj". Warunki
// i porządek trzyma okno pochodne; tu jest obsługa siatki wspólna dla listy
// pociągów i podglądu trasy.

#include "trains/FiltrTabeli.h"

#include <QDialog>

class QHBoxLayout;
class QMenu;
class QTableView;
class QToolButton;

namespace tks {
class Interakcja;
}

namespace tks::ui {

class ModelTabeli;
class TFrmFiltrOgolny;

class OknoSiatki : public QDialog {
    Q_OBJECT
public:
    // Wiersz tabeli w bieżącym wierszu siatki (-1: brak).
    int biezacyWiersz() const;
    // Kolumna tabeli bieżącej kolumny siatki; bez bieżącej albo ukryta: kolumna siatki 1.
    QString biezacePole() const;

    QToolButton* SpeedButtonRosnaco = nullptr;
    QToolButton* SpeedButtonMalejaco = nullptr;
    QToolButton* SpeedButtonFiltr = nullptr;
    QToolButton* SpeedButtonUsunFiltr = nullptr;
    QTableView* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    TFrmFiltrOgolny* FrmFiltrOgolny = nullptr;

public slots:
    void Sortuj(bool malejaco);
    void FiltrujDane();
    void UsunFiltr();
    void FiltrujWgWyboru(int operacja);

protected:
    using QDialog::QDialog;

    // Przyciski, siatka nad modelem, menu podręczne i okno filtru. Wołane raz
    // w konstruktorze okna pochodnego; zwraca układ z czterema przyciskami.
    QHBoxLayout* zbudujSiatke(ModelTabeli* model, Interakcja& interakcja);
    // Siatka od nowa, bieżący wiersz na wierszu tabeli (-1 albo niewidoczny: pierwszy).
    void odswiezSiatke(int wierszTabeli);

    // Porządek i warunki tabeli okna. Kolumn wyliczanych tu nie ma.
    virtual void sortujTabele(const QString& pole, bool malejaco) = 0;
    virtual void dodajWarunek(const Tfiltr& warunek) = 0;
    virtual void usunWarunki() = 0;

private:
    int biezacaKolumnaSiatki() const;
    bool poleDoFiltru(const QString& pole) const;

    ModelTabeli* modelSiatki_ = nullptr;
};

} // namespace tks::ui
