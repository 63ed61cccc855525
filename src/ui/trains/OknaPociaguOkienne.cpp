#include "OknaPociaguOkienne.h"

#include "TFrmNaglowek.h"
#include "TFrmWyborPociagu.h"

namespace tks::ui {

OknaPociaguOkienne::OknaPociaguOkienne(Droga& d, QWidget* rodzic)
    : FrmNaglowek(new TFrmNaglowek(d, rodzic)), FrmWyborPociagu(new TFrmWyborPociagu(d, rodzic)), d_(d)
{
}

// okna dialogowe są dziećmi okna głównego i giną razem z nim
OknaPociaguOkienne::~OknaPociaguOkienne() = default;

bool OknaPociaguOkienne::naglowek(Droga&, bool trybEdycji) { return FrmNaglowek->pokaz(trybEdycji); }

void OknaPociaguOkienne::kalendarz(Droga&)
{
    if (oknoKalendarza_)
        oknoKalendarza_();
}

int OknaPociaguOkienne::wyborPociagu(Droga&) { return FrmWyborPociagu->wybierz(); }

void OknaPociaguOkienne::ustawOknoKalendarza(std::function<void()> okno)
{
    oknoKalendarza_ = std::move(okno);
    if (oknoKalendarza_)
        FrmNaglowek->terminyKursowania = [this] { tks::kalendarz(d_, *this); };
    else
        FrmNaglowek->terminyKursowania = nullptr;
}

} // namespace tks::ui
