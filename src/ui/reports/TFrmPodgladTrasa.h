#pragma once
// Okno "Podgląd trasy": tabela podglądu trasy na wybranym poziomie, sortowanie
// i filtry jak na liście pociągów, sumy trasy, eksport do schowka i do pliku.

#include "common/ModelTabeli.h"
#include "reports/PodgladTrasy.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

namespace tks {
class Droga;
}

namespace tks::ui {

class TFrmFiltrOgolny;

// Model siatki podglądu: Lp jako numer wiersza widoku, wiersze bez ceny na tle podpowiedzi.
class ModelPodgladu : public ModelTabeli {
    Q_OBJECT
public:
    using ModelTabeli::ModelTabeli;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
};

class TFrmPodgladTrasa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPodgladTrasa(Droga& d, QWidget* rodzic = nullptr);

    // Po WyznaczTrase(poziom): tytuł, widoczność kolumn, filtr i porządek od nowa, sumy.
    void przygotuj(int poziom, const QStringList& ukryteWyznaczTrase);
    // przygotuj() i pokazanie modalne.
    int pokaz(int poziom, const QStringList& ukryteWyznaczTrase);

    // Wiersz tabeli w bieżącym wierszu siatki (-1: brak) i pole bieżącej kolumny.
    int biezacyWiersz() const;
    QString biezacePole() const;
    const StanPodgladuTrasy& stan() const { return stan_; }
    ModelPodgladu* model() const { return model_; }

    // Wybór pliku do zapisu (proponowana ścieżka -> wybrana, pusta: anulowano);
    // domyślnie okno zapisu z filtrem plików tekstowych.
    std::function<QString(const QString&)> wyborPliku;

    QToolButton* SpeedButtonRosnaco = nullptr;
    QToolButton* SpeedButtonMalejaco = nullptr;
    QToolButton* SpeedButtonFiltr = nullptr;
    QToolButton* SpeedButtonUsunFiltr = nullptr;
    QTableView* DBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLineEdit* DBEditNrPociagu = nullptr;
    QLineEdit* DBEditCena = nullptr;
    QLineEdit* DBEditDlugosc = nullptr;
    QLineEdit* DBEditDlugoscWycen = nullptr;
    QPushButton* BitBtnDoPliku = nullptr;
    QPushButton* BitBtnDoSchowka = nullptr;
    QPushButton* BitBtnOK = nullptr;
    TFrmFiltrOgolny* FrmFiltrOgolny = nullptr;

public slots:
    void Sortuj(bool malejaco);
    void FiltrujDane();
    void UsunFiltr();
    void FiltrujWgWyboru(int operacja);
    void ZapiszDoSchowka();
    void ZapiszDoPliku();

protected:
    void done(int wynik) override;

private:
    void odswiezSiatke(int wierszTabeli);

    Droga& d_;
    ModelPodgladu* model_ = nullptr;
    StanPodgladuTrasy stan_;
};

} // namespace tks::ui
