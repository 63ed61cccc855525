#pragma once
// Okno główne "Taksatura": menu, panel narzędzi (warunki trasy, rodzaj
// pociągu i masa, prędkość, ceny, narzędzia mapy) i mapa. Stan reguł trzyma
// `Droga`; okno przekłada zdarzenia kontrolek na operacje rdzenia i utrzymuje
// d.kontrolki zgodne z kontrolkami.

#include "app/Droga.h"
#include "app/Srodowisko.h"
#include "stations/WyborStacji.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QKeyEvent;

namespace tks::ui {

class InterakcjaOkienna;
class ObszarMapy;
class OknaPociaguOkienne;

class TFrmDroga : public QMainWindow {
    Q_OBJECT
public:
    // Utworzenie okna: opłaty za postoje, znacznik pierwszego pokazania,
    // kursory mapy, plik listy pociągów i aktywacja (sieć, warunki, kolory,
    // ustawienia). `interakcja` == nullptr: komunikaty w oknach dialogowych.
    explicit TFrmDroga(const Srodowisko& srodowisko, Interakcja* interakcja = nullptr, QWidget* rodzic = nullptr);
    ~TFrmDroga() override;

    Droga& droga() { return *d_; }
    const Srodowisko& srodowisko() const { return srodowisko_; }

    // Pokazanie modalne, zmaksymalizowane; wraca po zamknięciu okna.
    void pokazModalnie();

    // d.kontrolki -> kontrolki (bez wywoływania zdarzeń); listy rodzajów i
    // przedziałów zgodne z wybranym rodzajem.
    void pokazKontrolki();
    // kontrolki -> d.kontrolki
    void czytajKontrolki();
    // Pola panelu ceny z wiersza nagłówka (Null: puste pole).
    void pokazNaglowek();
    // "Czas jazdy", "Vr sr" (teksty z wyceny), widoczność ceny za postoje.
    void pokazCzasJazdy();
    // Opróżnia wyświetlane pola trasy i cen.
    void wyczyscPanelCeny();
    void odswiezMape();
    // Numer wciśniętego narzędzia (numer jego kursora; 0 - wskaźnik).
    int narzedzie() const;

    // Zapis pociągu wywoływany po odpowiedzi "Tak" w pytaniu przy zamykaniu;
    // zwraca, czy zapisano (domyślnie ZapiszPociag z oknami pociągów).
    std::function<bool()> zapisPociagu;
    // Edytor nagłówka, lista pociągów i okno kalendarza dla operacji pociągów.
    OknaPociaguOkienne* oknaPociagu() const { return oknaPociagu_.get(); }

    ObszarMapy* mapa() const { return Pb1; }
    const QImage& bufor() const { return pb2; }

public slots:
    // Zdarzenia kontrolek. Każde uaktualnia d.kontrolki; reguły trasy i wyceny
    // dokładają tu swoje operacje.
    void ComboBoxKryteriumChange();
    void OgraniczenieKlikniete(QAbstractButton* kontrolka);
    void DBLookupComboBoxRodzajeClick();
    void DBLookupComboBoxBruttoClick();
    void EditVTabExit();
    void SpeedButtonKasujDrogeClick();
    void SpeedButtonZoomOutClick();
    void NarzedzieKlikniete(int numer);
    void NarzedzieDwuklik(int numer);
    void ScrollBar1Change(int pozycja);

    // Menu
    void Nowypocig1Click();
    void Wczytajpocig1Click();
    void ZapiszPocig1Click();
    void Zapiszzmiany1Click();
    void Edytujnagwek1Click();
    void Terminykursowania1Click();
    void Koniec1Click();
    void DrukujMapke(int rodzaj);       // 0 "Cała", 1 "Okno", 2 "Dopasuj do trasy"
    void DrukujTrase(int poziom);       // 0..2 jak "Wg zmian linii" .. "Wg odcinków"
    void PokazTrase(int poziom);        // menu "Dane"
    void Kolory1Click();
    void Drukarka1Click();
    void Instrukcja1Click();
    void OSystemie1Click();
    // "Dane" -> "Porównanie tras" i "Profil prędkości"
    void PorownanieTras1Click();
    void ProfilPredkosci1Click();

signals:
    void zamkniete();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

public:
    // Kontrolki (nazwy obiektów jak nazwy kontrolek).
    QWidget* Panel2 = nullptr;        // pojemnik panelu narzędzi
    QWidget* Panel1 = nullptr;        // panel narzędzi
    QScrollBar* ScrollBar1 = nullptr;
    ObszarMapy* Pb1 = nullptr;
    QImage pb2;                       // ukryty bufor mapy

    QButtonGroup* grupaNarzedzi = nullptr;
    QToolButton* SpeedButtonWskaznik = nullptr;
    QToolButton* SpeedButtonZoomIn = nullptr;
    QToolButton* SpeedButtonZoomOut = nullptr;
    QToolButton* SpeedButtonMove = nullptr;
    QToolButton* SpeedButtonSetStart = nullptr;
    QToolButton* SpeedButtonSetEnd = nullptr;
    QToolButton* SpeedButtonSetPrzez = nullptr;
    QToolButton* SpeedButtonResetPrzez = nullptr;
    QToolButton* SpeedButtonSetNiePrzez = nullptr;
    QToolButton* SpeedButtonKasujDroge = nullptr;

    QComboBox* ComboBoxKryterium = nullptr;
    QComboBox* DBLookupComboBoxRodzaje = nullptr;
    QComboBox* DBLookupComboBoxBrutto = nullptr;

    QGroupBox* GroupBoxOgraniczenia = nullptr;
    QCheckBox* CheckBoxPodObcymZarzadem = nullptr;
    QRadioButton* RadioButtonSzerokie = nullptr;
    QRadioButton* RadioButtonNormalne = nullptr;
    QCheckBox* CheckBoxZawRuchPas = nullptr;
    QCheckBox* CheckBoxZawRuchTow = nullptr;
    QCheckBox* CheckBoxNieczynne = nullptr;
    QCheckBox* CheckBoxNieWskazanyRuchPas = nullptr;
    QCheckBox* CheckBoxNieWskazanyRuchTow = nullptr;
    QCheckBox* CheckBoxDefault = nullptr;
    QCheckBox* CheckBoxBrakSieci = nullptr;

    QGroupBox* GroupBoxPredkosc = nullptr;
    QLineEdit* EditVTab = nullptr;
    QLineEdit* EditTr = nullptr;
    QLineEdit* EditVr = nullptr;

    QLineEdit* DBEditStacjaPoczatkowa = nullptr;
    QLineEdit* DBEditStacjaKoncowa = nullptr;
    QLineEdit* DBEditDlugosc = nullptr;
    QLineEdit* DBEditCena = nullptr;              // CenaWyliczona
    QLineEdit* DBEditCenaRozkJazdy = nullptr;
    QLineEdit* DBEditCenaPrzejazdu = nullptr;
    QLabel* LabelCenaPostojow = nullptr;
    QLineEdit* DBEditCenaPostojow = nullptr;

    QMenu* menuPlik = nullptr;
    QAction* Nowypocig1 = nullptr;
    QAction* Wczytajpocig1 = nullptr;
    QAction* ZapiszPocig1 = nullptr;
    QAction* Zapiszzmiany1 = nullptr;
    QAction* Edytujnagwek1 = nullptr;
    QAction* Terminykursowania1 = nullptr;
    QAction* Koniec1 = nullptr;
    QMenu* menuDrukuj = nullptr;
    QMenu* menuMapka = nullptr;   // "Drukuj" > "Mapka"
    QMenu* menuKonfiguracja = nullptr;
    QAction* Kolory1 = nullptr;
    QAction* Drukarka1 = nullptr;
    QMenu* menuDane = nullptr;
    QAction* PorownanieTras1 = nullptr;
    QAction* ProfilPredkosci1 = nullptr;
    QMenu* menuPomoc = nullptr;
    QAction* Instrukcja1 = nullptr;
    QAction* OSystemie1 = nullptr;

private:
    void budujMenu();
    void budujMenuWgladu();   // pozycje "Porównanie tras" i "Profil prędkości" w menu "Dane"
    void budujPanel();
    void ustawKolejnoscTab();
    void polaczZdarzenia();
    void ulozPanel();
    void ustawPasekPrzewijania();
    void ustawBufor();
    // Strzałka na przycisku narzędzia: fokus na sąsiedni przycisk; false - nie ten klawisz.
    bool przeniesFokusNarzedzia(QToolButton* z, int klawisz);
    void wypelnijRodzaje();
    void wypelnijPrzedzialy(int idRodzaju);
    // Kontrolki, nagłówek i mapa od nowa po poleceniu menu "Plik".
    void pokazPociag();
    // Po udanym zapisie: stan panelu (tytuł, menu) i linia stanu.
    void poZapisie();

    Srodowisko srodowisko_;
    std::unique_ptr<InterakcjaOkienna> interakcjaOkien_;
    std::unique_ptr<Droga> d_;
    std::unique_ptr<OknaPociaguOkienne> oknaPociagu_;
    int rodzajListyPrzedzialow_ = -1;   // rodzaj, którego przedziały są na liście
    bool ustawianie_ = false;           // kontrolki ustawia program: zdarzenia milczą

    // ---- wybór stacji po nazwie (okna wyszukiwania i listy stacji)
public:
    // Okna wyboru stacji: prawdziwe okna, a gdy okno dostało interakcję z
    // zewnątrz (testy) - odpowiedzi przez tę interakcję.
    OknaStacji& oknaStacji();
    void ustawOknaStacji(std::unique_ptr<OknaStacji> okna);
    // "Dane" > "Znajdź stację…" (Ctrl+F): stacja na środku mapy i pierścień wokół niej.
    void ZnajdzStacje1Click();
    QAction* ZnajdzStacje1 = nullptr;
    // Pierścień wokół znalezionej stacji (znika po 2 s).
    QWidget* pierscienStacji() const { return pierscien_; }

private:
    void budujMenuStacji();
    // Spacja albo Enter na przycisku narzędzia początku, końca, pośredniej,
    // ominięcia albo usuwania: jak dwuklik (po wciśnięciu narzędzia).
    bool klawiszNarzedzia(QObject* obiekt, QKeyEvent* k);
    std::unique_ptr<OknaStacji> oknaStacji_;
    QPointer<QWidget> pierscien_;
};

} // namespace tks::ui
