#pragma once
// Okno "Zestawienia": wszystkie zapisane pociągi z długościami i cenami, filtr
// rodzaju stawki, sumy, eksport do schowka i do arkusza, wydruk zestawienia
// i przeliczenie wszystkich pociągów na obecnej sieci. Okno "Przeliczenie
// pociągów" pokazuje wynik przeliczenia i zapisuje nowe ceny po potwierdzeniu.

#include "common/ModelTabeli.h"
#include "reports/Zestawienia.h"
#include "trains/PrzeliczenieWszystkich.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTableView;

namespace tks {
class Droga;
class Interakcja;
}

namespace tks::ui {

class TFrmPreview;

class TFrmPrzeliczenie : public QDialog {
    Q_OBJECT
public:
    // `interakcja`: pytania i komunikaty okna (potwierdzenie zapisu, błędy).
    TFrmPrzeliczenie(SesjaPrzeliczenia& sesja, WynikiPrzeliczenia& wyniki, Interakcja& interakcja,
                     QWidget* rodzic = nullptr);
    ~TFrmPrzeliczenie() override;

    QLabel* LabelPodsumowanie = nullptr;
    QTableView* DBGrid1 = nullptr;
    QPushButton* BitBtnZapisz = nullptr;
    QPushButton* BitBtnArkusz = nullptr;
    QPushButton* BitBtnZamknij = nullptr;
    std::function<QString(const QString&)> wyborArkusza;
    ModelTabeli* model() const { return model_; }
    bool zapisano() const { return zapisano_; }

public slots:
    void ZapiszNoweCeny();
    void ZapiszDoArkusza();

private:
    void odswiez();

    SesjaPrzeliczenia& sesja_;
    WynikiPrzeliczenia& wyniki_;
    Interakcja& interakcja_;
    Tabela tabela_;
    ModelTabeli* model_ = nullptr;
    bool zapisano_ = false;
};

class TFrmZestawienia : public QDialog {
    Q_OBJECT
public:
    explicit TFrmZestawienia(Droga& d, QWidget* rodzic = nullptr);
    ~TFrmZestawienia() override;

    const Zestawienie& zestawienie() const { return z_; }
    ModelTabeli* model() const { return model_; }

    QLabel* Label1 = nullptr;                 // "Wykaz pociągow"
    QTableView* DBGrid1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;           // "Rodzaj pociągu"
    QCheckBox* CheckBoxWszystkie = nullptr;   // "Wszystkie rodzaje"
    QComboBox* DBLookupComboBoxRodzaj = nullptr;
    QLineEdit* DBEditSumaCen = nullptr;
    QLineEdit* DBEditSumaCenRozk = nullptr;
    QLineEdit* DBEditLiczbaPoc = nullptr;
    QPushButton* BitBtnSchowek = nullptr;     // "Zapisz wykaz do schowka"
    QPushButton* BitBtnArkusz = nullptr;      // "Zapisz do arkusza (.xlsx)"
    QPushButton* BitBtnPrzelicz = nullptr;    // "Przelicz wszystkie na obecnej sieci"
    QPushButton* BitBtnZamknij = nullptr;     // "Zamknij"
    QMenuBar* MainMenu1 = nullptr;
    QAction* Drukujzestawienie1 = nullptr;    // "Drukuj zestawienie"

    // Wybór pliku arkusza (proponowana ścieżka -> wybrana, pusta: anulowano).
    std::function<QString(const QString&)> wyborArkusza;
    // Okno wyników przeliczenia (domyślnie modalne TFrmPrzeliczenie).
    std::function<void(SesjaPrzeliczenia&, WynikiPrzeliczenia&)> pokazPrzeliczenie;

    // Budowa listy (pokazanie okna) i wybór rodzaju okna głównego (aktywacja).
    void FormShow();

public slots:
    void FiltrZmieniony();
    void ZapiszDoSchowka();
    TFrmPreview* DrukujZestawienie();
    void ZapiszDoArkusza();
    void PrzeliczWszystkie();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void pokazSumy();

    Droga& d_;
    Zestawienie z_;
    ModelTabeli* model_ = nullptr;
};

} // namespace tks::ui
