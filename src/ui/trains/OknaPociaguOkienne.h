#pragma once
// Okna pociągów dla operacji rdzenia: edytor nagłówka, lista pociągów i (gdy
// jest) okno kalendarza. Tworzy je okno główne; przyciski i menu wywołują przez
// nie operacje rdzenia.

#include "trains/ZapisPociagu.h"

#include <functional>

class QWidget;

namespace tks::ui {

class TFrmNaglowek;
class TFrmWyborPociagu;

class OknaPociaguOkienne : public OknaPociagu {
public:
    OknaPociaguOkienne(Droga& d, QWidget* rodzic);
    ~OknaPociaguOkienne() override;

    bool naglowek(Droga& d, bool trybEdycji) override;
    void kalendarz(Droga& d) override;
    bool kalendarzDostepny() const override { return bool(oknoKalendarza_); }
    int wyborPociagu(Droga& d) override;

    // Okno kalendarza (modalne), gdy powstanie; włącza przycisk edytora nagłówka.
    void ustawOknoKalendarza(std::function<void()> okno);

    TFrmNaglowek* FrmNaglowek = nullptr;
    TFrmWyborPociagu* FrmWyborPociagu = nullptr;

private:
    Droga& d_;
    std::function<void()> oknoKalendarza_;
};

} // namespace tks::ui
