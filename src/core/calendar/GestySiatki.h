#pragma once
// Obsługa myszy i klawiatury w siatce okna kalendarza, bez okien: kursor i menu
// podręczne dla położenia wskaźnika, zaznaczanie dni przy przeciąganiu, skutki
// kliknięcia (oznaczenia dni, aktywacja zakresu, przesunięcie granicy), pozycje
// menu podręcznego i kursor dnia klawiatury. Okno tylko rysuje i przekazuje
// zdarzenia; po każdej zmianie modelu opis jest już wygenerowany.

#include "SiatkaKalendarza.h"

namespace tks {

class Droga;

// Kursor nad siatką.
enum class KursorSiatki {
    Domyslny,
    FingerPlus,    // dzień aktywnego zakresu, w którym pociąg nie kursuje (kliknięcie doda)
    FingerMinus,   // dzień aktywnego zakresu, w którym pociąg kursuje (kliknięcie odejmie)
    Dlon,          // podział wewnątrz zakresu
    Podzial,       // granica dwóch zakresów (poziomy podział)
};

// Pozycje menu podręcznego siatki; widoczna jest co najwyżej jedna.
enum class PozycjaMenuSiatki {
    Brak,
    UsunPodzial,     // "Usun podzial kalendarza"
    Podziel,         // "Podziel kalendarz"
    UsunOznaczenie,  // "Usun oznaczenie dodatkowego terminu"
};

struct WskazanieSiatki {
    KursorSiatki kursor = KursorSiatki::Domyslny;
    PozycjaMenuSiatki menu = PozycjaMenuSiatki::Brak;
};

// Kursor i pozycja menu dla położenia wskaźnika (ruch bez wciśniętego przycisku).
WskazanieSiatki WskazanieDla(const Kalendarz& k, const PolozenieWskaznika& p);

// Gest lewym przyciskiem myszy od wciśnięcia do zwolnienia oraz położenie, na
// którym działa menu podręczne.
class GestSiatki {
public:
    // Lewy przycisk wciśnięty w (x, y): zapamiętuje położenie; na dniu aktywnego
    // zakresu zaznacza ten dzień.
    void wcisniecie(Kalendarz& k, int x, int y);
    // Ruch z wciśniętym przyciskiem; true, gdy zmieniło się zaznaczenie.
    bool ruch(Kalendarz& k, int x, int y);
    // Zwolnienie przycisku w (x, y); `wPolu` - w obrębie pola siatki (tylko wtedy
    // jest to kliknięcie). Czyści zaznaczenie i zapomina wciśnięcie. true, gdy
    // zmienił się kalendarz albo aktywny zakres (opis jest wtedy wygenerowany).
    bool zwolnienie(Droga& d, int x, int y, bool wPolu);
    bool trwa() const { return trwa_; }
    const PolozenieWskaznika& wcisniete() const { return wcisniete_; }

    // Menu podręczne w (x, y) (prawy przycisk): zapamiętuje położenie, na którym
    // zadziała wybrana pozycja; zwraca pozycję do pokazania.
    PozycjaMenuSiatki menuW(const Kalendarz& k, int x, int y);
    // Menu podręczne dnia (z klawiatury, dla kursora dnia).
    PozycjaMenuSiatki menuDnia(const Kalendarz& k, int dzien);
    // Wybór pozycji menu dla zapamiętanego położenia; true, gdy kalendarz się zmienił.
    bool wykonaj(Droga& d, PozycjaMenuSiatki pozycja);

private:
    bool trwa_ = false;
    PolozenieWskaznika wcisniete_;
    PolozenieWskaznika menu_;
};

// "Usuń oznaczenia dod. terminów": oznaczenia dni aktywnego zakresu usunięte,
// opis od nowa; true, gdy któryś dzień miał oznaczenie.
bool UsunOznaczeniaTerminow(Droga& d);

// Kursor dnia klawiatury: dzień w aktywnym zakresie (poprzedni `dzien`, jeśli w
// nim leży, inaczej pierwszy dzień zakresu); -1 bez dni.
int KursorDniaWZakresie(const Kalendarz& k, int dzien);
// Przesunięcie kursora dnia o dx dni albo o dy wierszy siatki (komórka nad albo
// pod); kursor zostaje, gdy tam nie ma dnia aktywnego zakresu.
int PrzesunKursorDnia(const Kalendarz& k, int dzien, int dx, int dy);
// Pierwszy albo ostatni dzień aktywnego zakresu.
int SkrajnyDzienZakresu(const Kalendarz& k, bool ostatni);
// Spacja na dniu aktywnego zakresu: oznaczenie jak kliknięcie tego dnia; true,
// gdy dzień leży w aktywnym zakresie.
bool PrzelaczDzien(Droga& d, int dzien);

} // namespace tks
