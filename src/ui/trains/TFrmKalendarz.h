#pragma once
// Okno "Kalendarz": dni kursowania bieżącego pociągu na siatce miesięcy
// (wiersz = miesiąc, kolumna = dzień tygodnia), przyciski reguł aktywnego
// zakresu, cena i opis. Reguły myszy, przycisków i klawiatury są w rdzeniu
// (calendar/GestySiatki.h, calendar/KalendarzPociagu.h); okno rysuje siatkę
// i przekazuje zdarzenia.

#include "calendar/GestySiatki.h"

#include <QCursor>
#include <QDialog>
#include <QWidget>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tks {
class Droga;
}

namespace tks::ui {

// Kursory dnia aktywnego zakresu: palec z plusem (kliknięcie doda dzień
// kursowania) i z minusem (odejmie).
QCursor kursorFingerPlus();
QCursor kursorFingerMinus();

// Kolory siatki.
namespace kolorySiatki {
inline const QColor Tlo(0xC0, 0xC0, 0xC0);
inline const QColor DzienKursuje(0xC0, 0xDC, 0xC0);
inline const QColor DzienNieKursuje(0xFF, 0xFF, 0xE1);
inline const QColor Swieto(0xFF, 0x00, 0x00);
inline const QColor Sobota(0x00, 0x00, 0x80);
inline const QColor Szary(0x80, 0x80, 0x80);
inline const QColor Aktywny(0x00, 0x00, 0xFF);
// Dzień zaznaczony podczas przeciągania: każda składowa × 0,8 (obcięta).
QColor zaznaczony(const QColor& c);
} // namespace kolorySiatki

// Pole siatki kalendarza.
class PoleKalendarza : public QWidget {
    Q_OBJECT
public:
    explicit PoleKalendarza(Droga& d, QWidget* rodzic = nullptr);

    QSize sizeHint() const override;
    // Kursor dnia klawiatury (indeks dnia, -1 bez dni).
    int kursorDnia() const { return kursorDnia_; }
    void ustawKursorDnia(int dzien);
    // Menu podręczne siatki (trzy pozycje, widoczna co najwyżej jedna).
    QMenu* menu() const { return menu_; }
    QAction* UsunPodzial1 = nullptr;      // "Usun podzial kalendarza"
    QAction* Podziel1 = nullptr;          // "Podziel kalendarz"
    QAction* UsunOznaczenie1 = nullptr;   // "Usun oznaczenie dodatkowego terminu"
    // Widoczność pozycji menu jak dla danej pozycji (co najwyżej jedna widoczna).
    void pokazPozycjeMenu(PozycjaMenuSiatki p);

signals:
    // Kalendarz albo aktywny zakres zmienił się (opis już wygenerowany).
    void zmieniony();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void ustawKursorMyszy(const QPoint& p);
    void rysujEtykiety(QPainter& p);
    void rysujDzien(QPainter& p, int i);
    void wykonaj(PozycjaMenuSiatki p);

    Droga& d_;
    GestSiatki gest_;
    int kursorDnia_ = -1;
    QMenu* menu_ = nullptr;
};

class TFrmKalendarz : public QDialog {
    Q_OBJECT
public:
    explicit TFrmKalendarz(Droga& d, QWidget* rodzic = nullptr);

    // Przyciski, pola i siatka od nowa z modelu i z wiersza nagłówka.
    void odswiez();

    PoleKalendarza* PaintBox1 = nullptr;
    QPushButton* Jcodziennie = nullptr;
    QPushButton* J[7] = {};
    QPushButton* JS = nullptr;
    QPushButton* JNS = nullptr;
    QPushButton* JA = nullptr;
    QPushButton* JB = nullptr;
    QPushButton* JC = nullptr;
    QPushButton* JD = nullptr;
    QPushButton* JE = nullptr;
    QPushButton* NCodziennie = nullptr;
    QPushButton* N[7] = {};
    QPushButton* NS = nullptr;
    QPushButton* Button1 = nullptr;    // "Usuń oznaczenia dod. terminów"
    QPushButton* BitBtn2 = nullptr;    // "Zamknij"
    QLineEdit* DBEditCena = nullptr;
    QLineEdit* DBEditCenaRozkJazdy = nullptr;
    QLineEdit* DBEditLDniKurs = nullptr;
    QLineEdit* EditOd = nullptr;
    QLineEdit* EditDo = nullptr;
    QCheckBox* DBCheckBoxAutGenOp = nullptr;
    QPlainTextEdit* DBMemoTerminy = nullptr;

    // Przycisk wzorca (w kolejności Wzorzec: Codziennie, NieCodziennie, U, A .. E).
    QPushButton* przyciskWzorca(Wzorzec w) const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void done(int wynik) override;

private:
    void ustawPolaOpisu();
    void ustawPaski();

    Droga& d_;
    bool wypelnianie_ = false;
};

} // namespace tks::ui
