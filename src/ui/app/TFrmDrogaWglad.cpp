// Okno główne: porównanie tras według kryteriów i profil prędkości (menu "Dane").

#include "TFrmDroga.h"

#include "pricing/ProfilWykresu.h"
#include "pricing/TFrmProfilPredkosci.h"
#include "routing/PorownanieTras.h"
#include "routing/TFrmPorownanieTras.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace tks::ui {

void TFrmDroga::budujMenuWgladu()
{
    menuDane->addSeparator();
    PorownanieTras1 = menuDane->addAction(QStringLiteral("&Porównanie tras…"));
    PorownanieTras1->setObjectName(QStringLiteral("PorownanieTras1"));
    PorownanieTras1->setShortcut(QKeySequence(Qt::Key_F7));
    ProfilPredkosci1 = menuDane->addAction(QStringLiteral("Pro&fil prędkości…"));
    ProfilPredkosci1->setObjectName(QStringLiteral("ProfilPredkosci1"));
    ProfilPredkosci1->setShortcut(QKeySequence(Qt::Key_F8));
    connect(PorownanieTras1, &QAction::triggered, this, &TFrmDroga::PorownanieTras1Click);
    connect(ProfilPredkosci1, &QAction::triggered, this, &TFrmDroga::ProfilPredkosci1Click);
}

void TFrmDroga::PorownanieTras1Click()
{
    Droga& d = droga();
    czytajKontrolki();
    std::vector<TrasaKryterium> trasy = PorownajTrasy(d);
    if (trasy.empty()) {
        d.interakcja.komunikat(QStringLiteral("Nie ma czego porównać: najpierw zaznacz na mapie stację początkową "
                                              "i końcową trasy."),
                               QStringLiteral("Porównanie tras"), Ikona::Informacja);
        return;
    }
    TFrmPorownanieTras okno(std::move(trasy), d.kontrolki.kryterium, this);
    if (okno.exec() != QDialog::Accepted)
        return;
    const int k = okno.wybraneKryterium();
    // jak wybór na liście: zdarzenie zmiany kryterium przelicza trasę
    if (k >= 0 && k < ComboBoxKryterium->count() && k != ComboBoxKryterium->currentIndex())
        ComboBoxKryterium->setCurrentIndex(k);
}

void TFrmDroga::ProfilPredkosci1Click()
{
    Droga& d = droga();
    ProfilTrasy profil = ProfilBiezacejTrasy(d);
    if (profil.pusty()) {
        d.interakcja.komunikat(QStringLiteral("Nie ma profilu prędkości: trasa nie ma jeszcze żadnego odcinka."),
                               QStringLiteral("Profil prędkości"), Ikona::Informacja);
        return;
    }
    TFrmProfilPredkosci okno(std::move(profil), this);
    okno.exec();
}

} // namespace tks::ui
