#pragma once
// Okno wyszukiwania stacji "Wybierz stację:": pole tekstu, lista wierszy po
// 14 pikseli malowana ze stanu WyszukiwanieStacji, pasek przewijania, OK i
// "Anuluj". Każda zmiana tekstu wybiera pierwszą stację nie mniejszą od niego.

#include "stations/WyszukiwanieStacji.h"

#include <QDialog>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tks::ui {

class TFrmStacje;

// Lista LB1: widoczne wiersze stanu, wybrany wiersz podświetlony.
class ListaWierszyStacji : public QWidget {
    Q_OBJECT
public:
    ListaWierszyStacji(TFrmStacje& okno, QWidget* rodzic);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    TFrmStacje& okno_;
};

class TFrmStacje : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWierszyListy = 20;

    // `lista`: indeksy stacji w kolejności alfabetycznej.
    TFrmStacje(const Siec& s, std::vector<int> lista, QWidget* rodzic = nullptr);

    // Lewy brzeg w punkcie, środek wysokości na jego wysokości (w granicach ekranu).
    void otworzPrzy(QPoint punkt);
    // Wybrana stacja (po zamknięciu: stacja wybranego wpisu) albo -1.
    int wynik() const { return stan_.wynik(); }
    WyszukiwanieStacji& stan() { return stan_; }

    QLineEdit* Edit1 = nullptr;
    ListaWierszyStacji* LB1 = nullptr;
    QScrollBar* sb1 = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    friend class ListaWierszyStacji;
    void aktywuj();
    void Edit1Change(const QString& tekst);
    void sb1Change(int pozycja);
    // Pasek zgodny ze stanem bez kopiowania nazwy do pola.
    void pokazPozycje();
    void kliknietoWiersz(int wiersz);
    // Strzałka w polu albo na pasku: lista albo zaznaczenie o jeden wiersz.
    void strzalka(int krok);

    WyszukiwanieStacji stan_;
    bool aktywne_ = false;
    bool szukanie_ = false;
};

} // namespace tks::ui
