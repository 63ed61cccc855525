#pragma once
// Okno z siatką jednej tabeli: przyciski sortowania i filtru nad siatką, menu
// podręczne siatki (sortowanie, warunki "wg wyboru") i okno "Filtruj". Warunki
// i porządek trzyma okno pochodne; tu jest obsługa siatki wspólna dla listy
// pociągów, podglądu trasy i zestawień.
//
// Kolumny mają szerokość według treści (nazwy widać w całości), wolne miejsce
// zostaje puste za ostatnią kolumną. Szerokość ustawioną przez użytkownika
// (przeciągnięcie krawędzi nagłówka) okno pamięta w pliku ustawień.
// Klawiatura: Tab przechodzi przez przyciski i siatkę (nie po komórkach),
// klawisz menu albo Shift+F10 otwiera menu podręczne przy bieżącej komórce.

#include "trains/FiltrTabeli.h"

#include <QDialog>
#include <QHash>

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

    // Plik ustawień, w którym okno pamięta szerokości kolumn; bez niego -
    // plik domyślny (ustawiany przez okno główne).
    void ustawPlikUstawien(const QString& plik) { plikUstawien_ = plik; }
    static void ustawDomyslnyPlikUstawien(const QString& plik);
    // Szerokości kolumn ustawione przez użytkownika (nazwa kolumny tabeli -> piksele).
    const QHash<QString, int>& szerokosciUzytkownika() const { return ustawione_; }

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
    // Siatka od nowa, bieżący wiersz na wierszu tabeli (-1 albo niewidoczny: pierwszy);
    // kolumny według treści albo szerokości zapamiętanych.
    void odswiezSiatke(int wierszTabeli);
    // Szerokości widocznych kolumn: zapamiętane albo według treści.
    void dopasujKolumny();

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

    // Porządek i warunki tabeli okna. Kolumn wyliczanych tu nie ma.
    virtual void sortujTabele(const QString& pole, bool malejaco) = 0;
    virtual void dodajWarunek(const Tfiltr& warunek) = 0;
    virtual void usunWarunki() = 0;

private:
    int biezacaKolumnaSiatki() const;
    bool poleDoFiltru(const QString& pole) const;
    QString nazwaKolumny(int kolumnaSiatki) const;
    QString plikUstawien() const;
    void zapiszSzerokosci();
    // Menu podręczne w punkcie obszaru komórek (mysz) albo przy bieżącej komórce (klawiatura).
    void pokazMenu(const QPoint& punkt, bool zKlawiatury);

    ModelTabeli* modelSiatki_ = nullptr;
    QString plikUstawien_;
    QHash<QString, int> ustawione_;   // szerokości zmienione przez użytkownika
    bool wczytane_ = false;           // zapamiętane szerokości już wczytane
    bool zmienione_ = false;          // jest coś do zapisania
    bool ukladam_ = false;            // szerokości zmienia program, nie użytkownik
};

} // namespace tks::ui
