// Zdarzenia kontrolek okna głównego: każde uaktualnia d.kontrolki, wywołuje
// operację rdzenia i pokazuje jej wynik.

#include "Kursory.h"
#include "ObszarMapy.h"
#include "TFrmAboutBox.h"
#include "TFrmDroga.h"
#include "TFrmHelp.h"
#include "map/Klikniecia.h"
#include "map/OknaMapy.h"
#include "map/Narzedzia.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "reports/OknaRaportow.h"
#include "routing/Kontrolki.h"
#include "routing/Warunki.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <utility>

namespace tks::ui {

void TFrmDroga::ComboBoxKryteriumChange()
{
    Droga& d = droga();
    const int nowe = ComboBoxKryterium->currentIndex();
    const WynikZmianyKryterium w = ZmianaKryterium(d, nowe);
    if (w.kryterium != nowe) {
        pokazKontrolki();   // "Nie": lista wraca do poprzedniego kryterium
        return;
    }
    if (w.wyczyscPolaTrasy)
        wyczyscPanelCeny();
    if (w.wcisnijNarzedziaWyboru)
        for (QToolButton* b : {SpeedButtonSetStart, SpeedButtonSetPrzez, SpeedButtonSetEnd})
            b->click();
    odswiezMape();
    pokazNaglowek();
    if (w.wyczyscCenePostojow)
        DBEditCenaPostojow->clear();
    pokazCzasJazdy();
}

void TFrmDroga::OgraniczenieKlikniete(QAbstractButton* kontrolka)
{
    using K = KontrolkaOgraniczenia;
    const std::pair<QAbstractButton*, K> kontrolki[] = {
        {RadioButtonNormalne, K::Normalne},           {RadioButtonSzerokie, K::Szerokie},
        {CheckBoxBrakSieci, K::BrakSieci},            {CheckBoxNieczynne, K::Nieczynne},
        {CheckBoxPodObcymZarzadem, K::PodObcymZarzadem}, {CheckBoxNieWskazanyRuchPas, K::NieWskazanyRuchPas},
        {CheckBoxNieWskazanyRuchTow, K::NieWskazanyRuchTow}, {CheckBoxZawRuchPas, K::ZawRuchPas},
        {CheckBoxZawRuchTow, K::ZawRuchTow},          {CheckBoxDefault, K::DopasujDoRodzaju},
    };
    czytajKontrolki();
    for (const auto& [przycisk, k] : kontrolki) {
        if (przycisk != kontrolka)
            continue;
        if (ZmianaOgraniczenia(droga(), k))
            odswiezMape();
        pokazNaglowek();
        pokazCzasJazdy();
        return;
    }
}

void TFrmDroga::DBLookupComboBoxRodzajeClick()
{
    czytajKontrolki();
    Droga& d = droga();
    ZmianaRodzajuStawki(d, d.kontrolki.idRodzajuStawki);
    pokazKontrolki();   // przedziały nowego rodzaju, pola stawek
    odswiezMape();
    pokazNaglowek();
    pokazCzasJazdy();
}

void TFrmDroga::DBLookupComboBoxBruttoClick()
{
    czytajKontrolki();
    Droga& d = droga();
    ZmianaPrzedzialuMasy(d, d.kontrolki.lpZakresuBr);
    odswiezMape();
    pokazNaglowek();
    pokazCzasJazdy();
}

void TFrmDroga::EditVTabExit()
{
    czytajKontrolki();
    ObliczMinParametry(droga());
    pokazKontrolki();   // tekst pola po ograniczeniu do dopuszczalnych wartości
    odswiezMape();
    pokazNaglowek();
    pokazCzasJazdy();
}

void TFrmDroga::SpeedButtonKasujDrogeClick()
{
    UsunCalaTrase(droga());
    wyczyscPanelCeny();
    odswiezMape();
}

void TFrmDroga::SpeedButtonZoomOutClick()
{
    PomniejszMape(droga().widok);
    odswiezMape();
}

void TFrmDroga::NarzedzieKlikniete(int numer)
{
    // przycisk wciśnięty po kliknięciu: jego kursor, inaczej domyślny
    const QAbstractButton* b = grupaNarzedzi->button(numer);
    if (numer == kKursorDomyslny || !b || !b->isChecked())
        Pb1->unsetCursor();
    else
        Pb1->setCursor(kursorMapy(numer));
    if (WcisnijNarzedzie(droga(), b && b->isChecked() ? NarzedzieZKursora(numer) : Narzedzie::Wskaznik))
        odswiezMape();
}

void TFrmDroga::NarzedzieDwuklik(int numer)
{
    const WynikWyboruZListy w = DwuklikNarzedzia(droga(), NarzedzieZKursora(numer), oknaStacji());
    if (!w.przerysuj)
        return;
    pokazNaglowek();
    if (w.wyczyscKoniec)
        for (QLineEdit* e : {DBEditStacjaKoncowa, DBEditDlugosc, DBEditCena, DBEditCenaRozkJazdy})
            e->clear();
    if (w.wyczyscPoczatek)
        for (QLineEdit* e : {DBEditStacjaPoczatkowa, DBEditDlugosc, DBEditCena, DBEditCenaRozkJazdy})
            e->clear();
    pokazCzasJazdy();
    odswiezMape();
}

// ---- menu ----

void TFrmDroga::DrukujMapke(int rodzaj) { PokazWydrukMapki(*this, rodzaj); }
void TFrmDroga::DrukujTrase(int poziom) { PokazWydrukTrasy(droga(), poziom, this); }
void TFrmDroga::PokazTrase(int poziom) { PokazPodgladTrasy(droga(), poziom, this); }
void TFrmDroga::Kolory1Click() { PokazKolory(*this); }
void TFrmDroga::Drukarka1Click() { WybierzDrukarke(*this); }

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
