// Zdarzenia kontrolek okna głównego. Na razie każde tylko uaktualnia
// d.kontrolki i warunki trasy; reguły trasy, wyceny, mapy i pociągów
// dokładają tu wywołania swoich operacji.

#include "Kursory.h"
#include "ObszarMapy.h"
#include "TFrmAboutBox.h"
#include "TFrmDroga.h"
#include "TFrmHelp.h"
#include "pricing/Przedzialy.h"
#include "routing/Warunki.h"

#include <QLineEdit>

namespace tks::ui {

void TFrmDroga::ComboBoxKryteriumChange()
{
    czytajKontrolki();
    UstalWarunki(droga());
}

void TFrmDroga::OgraniczenieKlikniete(QAbstractButton*)
{
    czytajKontrolki();
    if (droga().kontrolki.wczytywaniePociagu)
        return;
    UstalWarunki(droga());
}

void TFrmDroga::DBLookupComboBoxRodzajeClick()
{
    czytajKontrolki();
    Droga& d = droga();
    // lista przedziałów nowego rodzaju, wybrany jej pierwszy przedział
    d.kontrolki.lpZakresuBr = -1;
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, d.kontrolki.idRodzajuStawki);
    pokazKontrolki();
    UstalWarunki(d);
}

void TFrmDroga::DBLookupComboBoxBruttoClick() { czytajKontrolki(); }

void TFrmDroga::EditVTabExit() { czytajKontrolki(); }

void TFrmDroga::SpeedButtonKasujDrogeClick()
{
    Droga& d = droga();
    KasujDroge(d);
    wyczyscPanelCeny();
    odswiezMape();
}

void TFrmDroga::SpeedButtonZoomOutClick() { odswiezMape(); }

void TFrmDroga::NarzedzieKlikniete(int numer)
{
    if (numer == kKursorDomyslny)
        Pb1->unsetCursor();
    else
        Pb1->setCursor(kursorMapy(numer));
}

void TFrmDroga::NarzedzieDwuklik(int) {}

// ---- menu ----

void TFrmDroga::DrukujMapke(int) {}
void TFrmDroga::DrukujTrase(int) {}
void TFrmDroga::PokazTrase(int) {}
void TFrmDroga::Kolory1Click() {}
void TFrmDroga::Drukarka1Click() {}

void TFrmDroga::Koniec1Click() { close(); }

void TFrmDroga::Instrukcja1Click()
{
    TFrmHelp okno(srodowisko().katalogProgramu, this);
    okno.exec();
}

void TFrmDroga::OSystemie1Click()
{
    TFrmAboutBox okno(this);
    okno.exec();
}

} // namespace tks::ui
