#pragma once
// Lista zapisanych pociągów "Wybór pociągu": tryb wyboru (wczytanie pociągu)
// i tryb usuwania (okno startowe), sortowanie po kolumnie i warunki filtru
// z menu podręcznego siatki albo z okna "Filtruj".

#include "common/OknoSiatki.h"
#include "trains/ListaPociagow.h"

class QPushButton;

namespace tks {
class Droga;
}

namespace tks::ui {

class ModelTabeli;

class TFrmWyborPociagu : public OknoSiatki {
    Q_OBJECT
public:
    explicit TFrmWyborPociagu(Droga& d, QWidget* rodzic = nullptr);

    // Tryb wyboru: identyfikator wybranego pociągu albo 0.
    int wybierz();
    // Tryb usuwania: "Usuń pociag" i "Zamknij" zamiast "Wybierz" i "Anuluj";
    // po zamknięciu przyciski wracają do trybu wyboru.
    void usuwanie();

    const StanListyPociagow& stan() const { return stan_; }
    ModelTabeli* model() const { return model_; }

    QPushButton* BitBtnWybierz = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;
    QPushButton* BitBtnUsun = nullptr;
    QPushButton* BitBtnZamknij = nullptr;

public slots:
    void BitBtnWybierzClick();
    void BitBtnUsunClick();

protected:
    void done(int wynik) override;
    void sortujTabele(const QString& pole, bool malejaco) override;
    void dodajWarunek(const Tfiltr& warunek) override;
    void usunWarunki() override;

private:
    void trybUsuwania(bool usuwanie);

    Droga& d_;
    ModelTabeli* model_ = nullptr;
    StanListyPociagow stan_;
};

} // namespace tks::ui
