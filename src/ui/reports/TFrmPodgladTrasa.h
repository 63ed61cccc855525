#pragma once
// Okno "Podgląd trasy": tabela podglądu trasy na wybranym poziomie, sortowanie
// i filtry jak na liście pociągów, sumy trasy, eksport do schowka i do pliku.

#include "common/ModelTabeli.h"
#include "common/OknoSiatki.h"
#include "reports/PodgladTrasy.h"

#include <functional>

class QLineEdit;
class QPushButton;

namespace tks {
class Droga;
}

namespace tks::ui {

// Model siatki podglądu: Lp jako numer wiersza widoku, wiersze bez ceny na tle podpowiedzi.
class ModelPodgladu : public ModelTabeli {
    Q_OBJECT
public:
    using ModelTabeli::ModelTabeli;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
};

class TFrmPodgladTrasa : public OknoSiatki {
    Q_OBJECT
public:
    explicit TFrmPodgladTrasa(Droga& d, QWidget* rodzic = nullptr);

    // Po WyznaczTrase(poziom): tytuł, widoczność kolumn, filtr i porządek od nowa, sumy.
    void przygotuj(int poziom, const QStringList& ukryteWyznaczTrase);
    // przygotuj() i pokazanie modalne.
    int pokaz(int poziom, const QStringList& ukryteWyznaczTrase);

    const StanPodgladuTrasy& stan() const { return stan_; }
    ModelPodgladu* model() const { return model_; }

    // Wybór pliku do zapisu (proponowana ścieżka -> wybrana, pusta: anulowano);
    // domyślnie okno zapisu z filtrem plików tekstowych.
    std::function<QString(const QString&)> wyborPliku;

    QLineEdit* DBEditNrPociagu = nullptr;
    QLineEdit* DBEditCena = nullptr;
    QLineEdit* DBEditDlugosc = nullptr;
    QLineEdit* DBEditDlugoscWycen = nullptr;
    QPushButton* BitBtnDoPliku = nullptr;
    QPushButton* BitBtnDoSchowka = nullptr;
    QPushButton* BitBtnOK = nullptr;
    // Zapis podglądu do arkusza .xlsx; wybór pliku jak wyborPliku.
    QPushButton* BitBtnDoArkusza = nullptr;
    std::function<QString(const QString&)> wyborArkusza;

public slots:
    void ZapiszDoSchowka();
    void ZapiszDoPliku();
    void ZapiszDoArkusza();

protected:
    void done(int wynik) override;
    void sortujTabele(const QString& pole, bool malejaco) override;
    void dodajWarunek(const Tfiltr& warunek) override;
    void usunWarunki() override;

private:

    Droga& d_;
    ModelPodgladu* model_ = nullptr;
    StanPodgladuTrasy stan_;
};

} // namespace tks::ui
