#include "TFrmDroga.h"

#include "Kursory.h"
#include "ObszarMapy.h"
#include "TFrmAboutBox.h"
#include "TFrmHelp.h"
#include "app/CyklDrogi.h"
#include "common/Ekran.h"
#include "common/OknoSiatki.h"
#include "common/InterakcjaOkienna.h"
#include "common/Liczby.h"
#include "map/MapaOkna.h"
#include "map/Rysowanie.h"
#include "network/PlikSieci.h"
#include "pricing/Przedzialy.h"
#include "trains/MenuPlik.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/TFrmKalendarz.h"
#include "trains/OznaczenieCeny.h"
#include "trains/ZapisPociagu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

namespace tks::ui {

TFrmDroga::TFrmDroga(const Srodowisko& srodowisko, Interakcja* interakcja, QWidget* rodzic)
    : QMainWindow(rodzic), srodowisko_(srodowisko)
{
    setObjectName(QStringLiteral("FrmDroga"));
    setWindowTitle(QStringLiteral("Taksatura"));
    // mieści się na ekranie 1024x600; niższy panel narzędzi przewija jego pasek
    setMinimumSize(640, 440);
    if (!interakcja) {
        interakcjaOkien_ = std::make_unique<InterakcjaOkienna>(this);
        interakcja = interakcjaOkien_.get();
    }
    d_ = std::make_unique<Droga>(*interakcja, srodowisko.katalogProgramu);
    if (!srodowisko.plikUstawien.isEmpty())
        d_->plikUstawien = srodowisko.plikUstawien;
    OknoSiatki::ustawDomyslnyPlikUstawien(d_->plikUstawien);
    if (srodowisko.rozkladOd.isValid())
        d_->rozkladOd = srodowisko.rozkladOd;
    if (srodowisko.rozkladDo.isValid())
        d_->rozkladDo = srodowisko.rozkladDo;

    // okna pociągów: edytor nagłówka, lista pociągów; "Tak" przy zamykaniu zapisuje
    oknaPociagu_ = std::make_unique<OknaPociaguOkienne>(*d_, this);
    zapisPociagu = [this] { return ZapiszPociag(*d_, *oknaPociagu_); };
    // okno kalendarza: "Plik -> Terminy kursowania" i przycisk edytora nagłówka
    oknaPociagu_->ustawOknoKalendarza([this] {
        TFrmKalendarz okno(*d_, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
        okno.exec();
    });

    budujMenu();
    budujPanel();
    ustawKolejnoscTab();
    polaczZdarzenia();

    // utworzenie: kursory mapy, potem kroki rdzenia i aktywacja
    ZarejestrujKursory();
    TworzDroge(*d_, srodowisko.plikSieci.isEmpty() ? kNazwaPlikuSieci : srodowisko.plikSieci);
    // aktywacja: pasek przewijania panelu i bufor mapy
    ulozPanel();
    ustawBufor();
    pokazKontrolki();
    pokazCzasJazdy();
    ustawRozmiarWEkranie(this, QSize(1280, 860));
}

TFrmDroga::~TFrmDroga() { ZamknijTabelePociagu(*d_); }

void TFrmDroga::budujMenu()
{
    QMenuBar* mb = menuBar();
    const auto akcja = [this](QMenu* m, const QString& tekst, const char* nazwa, bool wlaczona) {
        QAction* a = m->addAction(tekst);
        if (nazwa)
            a->setObjectName(QString::fromLatin1(nazwa));
        a->setEnabled(wlaczona);
        return a;
    };

    // Plik; "Terminy kursowania" czeka na okno kalendarza
    menuPlik = mb->addMenu(QStringLiteral("&Plik"));
    menuPlik->setObjectName(QStringLiteral("Plik1"));
    Nowypocig1 = akcja(menuPlik, QStringLiteral("&Nowy pociąg"), "Nowypocig1", true);
    Wczytajpocig1 = akcja(menuPlik, QStringLiteral("&Wczytaj pociąg"), "Wczytajpocig1", true);
    menuPlik->addSeparator();
    ZapiszPocig1 = akcja(menuPlik, QStringLiteral("Zapisz &jako nowy pociąg"), "ZapiszPocig1", true);
    Zapiszzmiany1 = akcja(menuPlik, QStringLiteral("&Zapisz zmiany"), "Zapiszzmiany1", true);
    menuPlik->addSeparator();
    Edytujnagwek1 = akcja(menuPlik, QStringLiteral("&Edytuj nagłówek"), "Edytujnagwek1", true);
    menuPlik->addSeparator();
    Terminykursowania1 = akcja(menuPlik, QStringLiteral("&Terminy kursowania"), "Terminykursowania1",
                               oknaPociagu_->kalendarzDostepny());
    connect(menuPlik, &QMenu::aboutToShow, this,
            [this] { Terminykursowania1->setEnabled(oknaPociagu_->kalendarzDostepny()); });
    menuPlik->addSeparator();
    Koniec1 = akcja(menuPlik, QStringLiteral("&Koniec"), "Koniec1", true);
    connect(Nowypocig1, &QAction::triggered, this, &TFrmDroga::Nowypocig1Click);
    connect(Wczytajpocig1, &QAction::triggered, this, &TFrmDroga::Wczytajpocig1Click);
    connect(ZapiszPocig1, &QAction::triggered, this, &TFrmDroga::ZapiszPocig1Click);
    connect(Zapiszzmiany1, &QAction::triggered, this, &TFrmDroga::Zapiszzmiany1Click);
    connect(Edytujnagwek1, &QAction::triggered, this, &TFrmDroga::Edytujnagwek1Click);
    connect(Terminykursowania1, &QAction::triggered, this, &TFrmDroga::Terminykursowania1Click);
    connect(Koniec1, &QAction::triggered, this, &TFrmDroga::Koniec1Click);

    const QStringList poziomy = {QStringLiteral("Wg zmian &linii"), QStringLiteral("Wg zmian linii i &stawek"),
                                 QStringLiteral("Wg &odcinków")};
    menuDrukuj = mb->addMenu(QStringLiteral("&Drukuj"));
    menuDrukuj->setObjectName(QStringLiteral("Drukuj1"));
    QMenu* mapka = menuMapka = menuDrukuj->addMenu(QStringLiteral("&Mapka"));
    mapka->setObjectName(QStringLiteral("Mapka1"));
    const QStringList mapki = {QStringLiteral("&Cała"), QStringLiteral("&Okno"), QStringLiteral("&Dopasuj do trasy")};
    for (int i = 0; i < mapki.size(); ++i)
        connect(akcja(mapka, mapki[i], nullptr, false), &QAction::triggered, this, [this, i] { DrukujMapke(i); });
    QMenu* trasa = menuDrukuj->addMenu(QStringLiteral("&Trasa"));
    trasa->setObjectName(QStringLiteral("DrukujTrasa1"));
    for (int i = 0; i < poziomy.size(); ++i)
        connect(akcja(trasa, poziomy[i], nullptr, false), &QAction::triggered, this, [this, i] { DrukujTrase(i); });

    menuKonfiguracja = mb->addMenu(QStringLiteral("&Konfiguracja"));
    menuKonfiguracja->setObjectName(QStringLiteral("Konfiguracja1"));
    Kolory1 = akcja(menuKonfiguracja, QStringLiteral("&Kolory"), "Kolory1", true);
    Drukarka1 = akcja(menuKonfiguracja, QStringLiteral("&Drukarka"), "Drukarka1", true);
    connect(Kolory1, &QAction::triggered, this, &TFrmDroga::Kolory1Click);
    connect(Drukarka1, &QAction::triggered, this, &TFrmDroga::Drukarka1Click);

    menuDane = mb->addMenu(QStringLiteral("D&ane"));
    menuDane->setObjectName(QStringLiteral("Dane1"));
    QMenu* daneTrasa = menuDane->addMenu(QStringLiteral("&Trasa"));
    daneTrasa->setObjectName(QStringLiteral("DaneTrasa1"));
    for (int i = 0; i < poziomy.size(); ++i)
        connect(akcja(daneTrasa, poziomy[i], nullptr, false), &QAction::triggered, this, [this, i] { PokazTrase(i); });
    budujMenuWgladu();

    menuPomoc = mb->addMenu(QStringLiteral("Po&moc"));
    menuPomoc->setObjectName(QStringLiteral("Pomoc1"));
    Instrukcja1 = akcja(menuPomoc, QStringLiteral("&Instrukcja"), "Instrukcja1", true);
    OSystemie1 = akcja(menuPomoc, QStringLiteral("&O systemie"), "OSystemie1", true);
    connect(Instrukcja1, &QAction::triggered, this, &TFrmDroga::Instrukcja1Click);
    connect(OSystemie1, &QAction::triggered, this, &TFrmDroga::OSystemie1Click);

    budujMenuStacji();
}

void TFrmDroga::ustawBufor()
{
    // ukryty bufor mapy: rozmiar obszaru mapy
    const QSize r = Pb1->size().expandedTo(QSize(1, 1));
    if (pb2.size() != r)
        pb2 = QImage(r, QImage::Format_RGB32);
}

void TFrmDroga::pokazModalnie()
{
    setWindowModality(Qt::ApplicationModal);
    // bez menedżera okien maksymalizacji nie ma komu wykonać: cały ekran z góry
    if (QScreen* e = screen())
        setGeometry(e->availableGeometry());
    showMaximized();
    QEventLoop petla;
    connect(this, &TFrmDroga::zamkniete, &petla, &QEventLoop::quit);
    if (isVisible())
        petla.exec();
}

void TFrmDroga::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous())
        return;
    PokazanieDrogi(*d_);
    pokazKontrolki();
    pokazNaglowek();
    odswiezMape();
    // aktywacja okna: fokus na wyborze rodzaju pociągu
    DBLookupComboBoxRodzaje->setFocus(Qt::OtherFocusReason);
}

void TFrmDroga::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    // każda aktywacja okna (także po zamknięciu okna z niego otwartego)
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        DBLookupComboBoxRodzaje->setFocus(Qt::ActiveWindowFocusReason);
}

void TFrmDroga::closeEvent(QCloseEvent* e)
{
    czytajKontrolki();
    if (!ZamykanieDrogi(*d_, zapisPociagu)) {
        e->ignore();
        return;
    }
    e->accept();
    QMainWindow::closeEvent(e);
    emit zamkniete();
}

// ---- kontrolki <-> rdzeń ----

void TFrmDroga::wypelnijRodzaje()
{
    const Tabela& t = d_->siec.RodzajeStawekTab;
    DBLookupComboBoxRodzaje->clear();
    for (int w : t.widok())
        DBLookupComboBoxRodzaje->addItem(t.tekst(w, QStringLiteral("Nazwa")),
                                         t.calkowita(w, QStringLiteral("IdRodzajuStawki")));
}

void TFrmDroga::wypelnijPrzedzialy(int idRodzaju)
{
    const Tabela& t = d_->siec.ZakresyBr;
    DBLookupComboBoxBrutto->clear();
    for (int w : przedzialyRodzaju(d_->siec, idRodzaju))
        DBLookupComboBoxBrutto->addItem(t.tekst(w, QStringLiteral("Opis")), t.calkowita(w, QStringLiteral("LpZakresuBr")));
    rodzajListyPrzedzialow_ = idRodzaju;
}

void TFrmDroga::pokazKontrolki()
{
    const bool bylo = ustawianie_;
    ustawianie_ = true;
    const StanKontrolek& k = d_->kontrolki;
    ComboBoxKryterium->setCurrentIndex(k.kryterium >= 0 && k.kryterium < ComboBoxKryterium->count() ? k.kryterium : -1);
    RadioButtonSzerokie->setChecked(k.szerokie);
    RadioButtonNormalne->setChecked(k.normalne);
    CheckBoxBrakSieci->setChecked(k.brakSieci);
    CheckBoxNieczynne->setChecked(k.nieczynne);
    CheckBoxPodObcymZarzadem->setChecked(k.podObcymZarzadem);
    CheckBoxNieWskazanyRuchPas->setChecked(k.nieWskazanyRuchPas);
    CheckBoxNieWskazanyRuchPas->setEnabled(k.nieWskazanyRuchPasWlaczony);
    CheckBoxNieWskazanyRuchTow->setChecked(k.nieWskazanyRuchTow);
    CheckBoxNieWskazanyRuchTow->setEnabled(k.nieWskazanyRuchTowWlaczony);
    CheckBoxZawRuchPas->setChecked(k.zawRuchPas);
    CheckBoxZawRuchPas->setEnabled(k.zawRuchPasWlaczony);
    CheckBoxZawRuchTow->setChecked(k.zawRuchTow);
    CheckBoxZawRuchTow->setEnabled(k.zawRuchTowWlaczony);
    CheckBoxDefault->setChecked(k.dopasujDoRodzaju);

    if (DBLookupComboBoxRodzaje->count() != d_->siec.RodzajeStawekTab.liczbaWierszy())
        wypelnijRodzaje();
    DBLookupComboBoxRodzaje->setCurrentIndex(DBLookupComboBoxRodzaje->findData(k.idRodzajuStawki));
    if (rodzajListyPrzedzialow_ != k.idRodzajuStawki || DBLookupComboBoxBrutto->count() == 0)
        wypelnijPrzedzialy(k.idRodzajuStawki);
    DBLookupComboBoxBrutto->setCurrentIndex(k.lpZakresuBr >= 0 ? DBLookupComboBoxBrutto->findData(k.lpZakresuBr) : -1);

    if (EditVTab->text() != k.vmaxTekst)
        EditVTab->setText(k.vmaxTekst);
    ustawianie_ = bylo;
}

void TFrmDroga::czytajKontrolki()
{
    StanKontrolek& k = d_->kontrolki;
    // Kryterium 3 (czas jazdy) nie ma pozycji na liście: pusta lista zostawia kryterium.
    if (ComboBoxKryterium->currentIndex() >= 0)
        k.kryterium = ComboBoxKryterium->currentIndex();
    k.normalne = RadioButtonNormalne->isChecked();
    k.szerokie = RadioButtonSzerokie->isChecked();
    k.brakSieci = CheckBoxBrakSieci->isChecked();
    k.nieczynne = CheckBoxNieczynne->isChecked();
    k.podObcymZarzadem = CheckBoxPodObcymZarzadem->isChecked();
    k.nieWskazanyRuchPas = CheckBoxNieWskazanyRuchPas->isChecked();
    k.nieWskazanyRuchPasWlaczony = CheckBoxNieWskazanyRuchPas->isEnabled();
    k.nieWskazanyRuchTow = CheckBoxNieWskazanyRuchTow->isChecked();
    k.nieWskazanyRuchTowWlaczony = CheckBoxNieWskazanyRuchTow->isEnabled();
    k.zawRuchPas = CheckBoxZawRuchPas->isChecked();
    k.zawRuchPasWlaczony = CheckBoxZawRuchPas->isEnabled();
    k.zawRuchTow = CheckBoxZawRuchTow->isChecked();
    k.zawRuchTowWlaczony = CheckBoxZawRuchTow->isEnabled();
    k.dopasujDoRodzaju = CheckBoxDefault->isChecked();
    if (DBLookupComboBoxRodzaje->currentIndex() >= 0)
        k.idRodzajuStawki = DBLookupComboBoxRodzaje->currentData().toInt();
    // przedział tylko z listy wybranego rodzaju
    if (rodzajListyPrzedzialow_ == k.idRodzajuStawki)
        k.lpZakresuBr = DBLookupComboBoxBrutto->currentIndex() >= 0 ? DBLookupComboBoxBrutto->currentData().toInt() : -1;
    k.vmaxTekst = EditVTab->text();
}

void TFrmDroga::wyczyscPanelCeny()
{
    for (QLineEdit* e : {DBEditStacjaPoczatkowa, DBEditStacjaKoncowa, DBEditDlugosc, DBEditCena, DBEditCenaRozkJazdy,
                         DBEditCenaPrzejazdu, DBEditCenaPostojow})
        e->clear();
}

void TFrmDroga::pokazNaglowek()
{
    const Pociag& p = d_->pociag;
    const auto tekst = [&](const char* kol) { return p.pole(QString::fromLatin1(kol)).toString(); };
    const auto kwota = [&](const char* kol) {
        const QVariant v = p.pole(QString::fromLatin1(kol));
        return v.isValid() ? formatujZl(v.toDouble()) : QString();
    };
    DBEditStacjaPoczatkowa->setText(tekst("StacjaPoczatkowa"));
    DBEditStacjaKoncowa->setText(tekst("StacjaKoncowa"));
    const QVariant dl = p.pole(QStringLiteral("Dlugosc"));
    DBEditDlugosc->setText(dl.isValid() ? formatujKm(dl.toDouble()) : QString());
    DBEditCena->setText(kwota("CenaWyliczona"));
    DBEditCenaRozkJazdy->setText(kwota("CenaRozkJazdy"));
    DBEditCenaPrzejazdu->setText(kwota("CenaPrzejazdu"));
    DBEditCenaPostojow->setText(kwota("CenaPostojow"));
    oznaczCeneOknaGlownego(DBEditCena, p);
    for (QLineEdit* e : {DBEditStacjaPoczatkowa, DBEditStacjaKoncowa, DBEditDlugosc, DBEditCena, DBEditCenaRozkJazdy,
                         DBEditCenaPrzejazdu, DBEditCenaPostojow})
        e->setCursorPosition(0);
}

void TFrmDroga::pokazCzasJazdy()
{
    EditTr->setText(d_->wycena.EditTr);
    EditVr->setText(d_->wycena.EditVr);
    LabelCenaPostojow->setVisible(d_->wycena.pokazCenePostojow);
    DBEditCenaPostojow->setVisible(d_->wycena.pokazCenePostojow);
}

void TFrmDroga::odswiezMape() { Pb1->przerysuj(); }

// ---- menu "Plik" ----

void TFrmDroga::pokazPociag()
{
    pokazKontrolki();
    pokazNaglowek();
    pokazCzasJazdy();
    odswiezMape();
}

void TFrmDroga::Nowypocig1Click()
{
    czytajKontrolki();
    if (MenuNowyPociag(*d_, *oknaPociagu_))
        wyczyscPanelCeny();
    pokazPociag();
}

void TFrmDroga::Wczytajpocig1Click()
{
    czytajKontrolki();
    if (MenuWczytajPociag(*d_, *oknaPociagu_))
        SpeedButtonWskaznik->click();   // mapa w trybie wskaźnika
    pokazPociag();
}

void TFrmDroga::ZapiszPocig1Click()
{
    czytajKontrolki();
    if (MenuZapiszJakoNowy(*d_, *oknaPociagu_))
        poZapisie();
    pokazNaglowek();
}

void TFrmDroga::Zapiszzmiany1Click()
{
    czytajKontrolki();
    if (MenuZapiszZmiany(*d_, *oknaPociagu_))
        poZapisie();
    pokazNaglowek();
}

void TFrmDroga::poZapisie()
{
    // tytuł z numerem i "Wczytaj pociąg" od razu, nie przy następnym rysowaniu mapy
    ZastosujStanPaneluMapy(*this, OdswiezPanelMapy(*d_));
    statusBar()->showMessage(tekstPoZapisie(*d_));
}

void TFrmDroga::Edytujnagwek1Click()
{
    MenuEdytujNaglowek(*d_, *oknaPociagu_);
    pokazNaglowek();
}

void TFrmDroga::Terminykursowania1Click()
{
    MenuTerminyKursowania(*d_, *oknaPociagu_);
    pokazNaglowek();
}

} // namespace tks::ui
