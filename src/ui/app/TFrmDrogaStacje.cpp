// Okno główne: wybór stacji po nazwie - okna wyboru dla dwukliku i klawiatury
// na przyciskach narzędzi oraz "Znajdź stację…".

#include "ObszarMapy.h"
#include "TFrmDroga.h"
#include "map/Narzedzia.h"
#include "map/Widok.h"
#include "stations/OknaStacjiOkienne.h"
#include "stations/PierscienStacji.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMenu>

namespace tks::ui {

OknaStacji& TFrmDroga::oknaStacji()
{
    if (!oknaStacji_) {
        if (interakcjaOkien_)
            oknaStacji_ = std::make_unique<OknaStacjiOkienne>(d_->siec, this);
        else
            oknaStacji_ = std::make_unique<OknaStacjiInterakcji>(d_->interakcja);
    }
    return *oknaStacji_;
}

void TFrmDroga::ustawOknaStacji(std::unique_ptr<OknaStacji> okna)
{
    oknaStacji_ = std::move(okna);
}

void TFrmDroga::budujMenuStacji()
{
    menuDane->addSeparator();
    ZnajdzStacje1 = menuDane->addAction(QStringLiteral("&Znajdź stację…"));
    ZnajdzStacje1->setObjectName(QStringLiteral("ZnajdzStacje1"));
    ZnajdzStacje1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(ZnajdzStacje1, &QAction::triggered, this, &TFrmDroga::ZnajdzStacje1Click);
}

bool TFrmDroga::klawiszNarzedzia(QObject* obiekt, QKeyEvent* k)
{
    auto* b = qobject_cast<QAbstractButton*>(obiekt);
    if (!b || !grupaNarzedzi || grupaNarzedzi->id(b) == -1)
        return false;
    const bool klawisz = k->key() == Qt::Key_Space || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (!klawisz || (k->modifiers() & ~Qt::KeypadModifier))
        return false;
    const int numer = grupaNarzedzi->id(b);
    switch (NarzedzieZKursora(numer)) {
    case Narzedzie::Start:
    case Narzedzie::Koniec:
    case Narzedzie::Przez:
    case Narzedzie::NiePrzez:
    case Narzedzie::Usun:
        break;
    default:
        return false;
    }
    if (k->isAutoRepeat())
        return true;
    // jak dwuklik: pierwsze kliknięcie wciska narzędzie (w wyborze ręcznym
    // ustala też, który punkt trasy jest wybierany)
    if (!b->isChecked())
        b->click();
    if (auto* o = dynamic_cast<OknaStacjiOkienne*>(&oknaStacji()))
        o->otworzPrzy(b->mapToGlobal(QPoint(b->width(), b->height() / 2)));
    NarzedzieDwuklik(numer);
    return true;
}

void TFrmDroga::ZnajdzStacje1Click()
{
    Droga& d = droga();
    const int st = oknaStacji().wyszukajStacje(d.siec, WszystkieStacjeDoWyboru(d.siec));
    if (st < 0)
        return;
    PokazStacjeNaMapie(d.widok, d.siec, st);
    odswiezMape();
    Pb1->aktualizuj();
    delete pierscien_.data();
    const TStacja& s = d.siec.Stacje[std::size_t(st)];
    const TPiksel p = pktpiks(d.widok, s.Xkm, s.Ykm);
    pierscien_ = new PierscienStacji(Pb1, QPoint(p.x, p.y));
}

} // namespace tks::ui
