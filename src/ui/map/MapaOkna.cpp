#include "MapaOkna.h"

#include "app/ObszarMapy.h"
#include "app/TFrmDroga.h"
#include "common/InterakcjaOkienna.h"
#include "map/Rysowanie.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace tks::ui {

namespace {
void wlaczMenu(QMenu* m, bool wlacz)
{
    for (QAction* a : m->actions()) {
        if (a->menu())
            wlaczMenu(a->menu(), wlacz);
        else if (!a->isSeparator())
            a->setEnabled(wlacz);
    }
}
} // namespace

void PolaczMape(TFrmDroga& w)
{
    ObszarMapy* mapa = w.Pb1;
    QObject::connect(mapa, &ObszarMapy::narysowano, &w,
                     [&w](const StanPaneluMapy& s) { ZastosujStanPaneluMapy(w, s); });
    QObject::connect(mapa, &ObszarMapy::puszczonoMysz, &w, [&w](bool wyczysc) { PokazPoKliknieciu(w, wyczysc); });
    if (auto* io = dynamic_cast<InterakcjaOkienna*>(&w.droga().interakcja))
        io->ustawWyborNaMapie([mapa](const QStringList& pozycje) { return mapa->wybierzZListy(pozycje); });
}

void ZastosujStanPaneluMapy(TFrmDroga& w, const StanPaneluMapy& s)
{
    w.SpeedButtonSetStart->setVisible(s.pokazStart);
    w.SpeedButtonSetEnd->setVisible(s.pokazKoniec);
    w.SpeedButtonSetPrzez->setVisible(s.pokazPrzez);
    w.SpeedButtonSetNiePrzez->setVisible(s.pokazNiePrzez);
    const QString& vmax = w.droga().kontrolki.vmaxTekst;
    if (w.EditVTab->text() != vmax)
        w.EditVTab->setText(vmax);
    w.pokazCzasJazdy();
    w.setWindowTitle(s.tytul);
    // pozycje pociągu i wydruku tylko z trasą
    w.ZapiszPocig1->setEnabled(s.jestTrasa);
    w.Zapiszzmiany1->setEnabled(s.jestTrasa);
    wlaczMenu(w.menuDrukuj, s.jestTrasa);
    wlaczMenu(w.menuMapka, true);    // mapa sieci drukuje się także bez trasy
    wlaczMenu(w.menuDane, s.jestTrasa);
    if (w.ZnajdzStacje1)
        w.ZnajdzStacje1->setEnabled(true);   // szukanie stacji nie wymaga trasy
    w.Wczytajpocig1->setEnabled(s.wczytajPociagWlaczone);
}

void PokazPoKliknieciu(TFrmDroga& w, bool wyczysc)
{
    if (wyczysc)
        for (QLineEdit* e : {w.DBEditStacjaPoczatkowa, w.DBEditDlugosc, w.DBEditCena, w.DBEditCenaRozkJazdy,
                             w.DBEditCenaPrzejazdu, w.DBEditCenaPostojow})
            e->clear();
    w.pokazNaglowek();
    w.pokazCzasJazdy();
}

} // namespace tks::ui
