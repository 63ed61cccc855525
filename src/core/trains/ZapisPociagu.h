#pragma once
// Zapis, wczytanie i usunięcie pociągu, identyfikator nowego pociągu, lista
// pociągów w pamięci, wywołanie okna kalendarza. Okna, o które pytają te
// operacje (edytor nagłówka, kalendarz, lista pociągów), są za interfejsem
// OknaPociagu: okno główne daje prawdziwe okna, CLI i testy - skryptowe.

#include <QString>
#include <functional>

namespace tks {

class Droga;

class OknaPociagu {
public:
    virtual ~OknaPociagu() = default;
    // Edytor nagłówka, modalnie. `trybEdycji` false: tryb zapisu (OK sprawdza,
    // czy pociąg można zapisać). Zwraca true, gdy zamknięto przyciskiem OK.
    virtual bool naglowek(Droga& d, bool trybEdycji) = 0;
    // Okno kalendarza, modalnie (zmienia model kalendarza i nagłówek).
    virtual void kalendarz(Droga& d) = 0;
    // Czy okno kalendarza jest dostępne (przycisk i pozycja menu).
    virtual bool kalendarzDostepny() const = 0;
    // Lista pociągów w trybie wyboru; wybrany identyfikator albo 0.
    virtual int wyborPociagu(Droga& d) = 0;
};

// Okna bez okien: edytor nagłówka "klika OK" (w trybie zapisu ze sprawdzeniem
// i pytaniami przez d.interakcja; odmowa = anulowanie), lista zwraca `wybierz`.
class OknaPociaguSkryptowe : public OknaPociagu {
public:
    std::function<void(Droga&)> wypelnijNaglowek;   // wpisy w edytorze przed OK
    std::function<void(Droga&)> edytujKalendarz;    // zmiany w oknie kalendarza
    bool anulujNaglowek = false;
    int wybierz = 0;
    int liczbaNaglowkow = 0;                        // ile razy pokazano edytor

    bool naglowek(Droga& d, bool trybEdycji) override;
    void kalendarz(Droga& d) override;
    bool kalendarzDostepny() const override { return bool(edytujKalendarz); }
    int wyborPociagu(Droga& d) override;
};

// Wynik zapisu pociągu.
enum class WynikZapisu {
    Zapisano,
    BrakPunktow,    // brak stacji początkowej albo końcowej
    Anulowano,      // edytor nagłówka zamknięty bez OK
    BladListy,      // lista pociągów uszkodzona: nie ma jak nadać identyfikatora
    BladPliku,      // pliku nie dało się zapisać (pliki zapisane wcześniej zostają)
};

// Zapis bieżącego pociągu (nowy identyfikator przy IdBiezacegoPociagu = 0).
WynikZapisu ZapiszPociagZWynikiem(Droga& d, OknaPociagu& okna);
inline bool ZapiszPociag(Droga& d, OknaPociagu& okna)
{
    return ZapiszPociagZWynikiem(d, okna) == WynikZapisu::Zapisano;
}

// Pliki bieżącego pociągu pod identyfikatorem id (bez listy pociągów): nagłówek,
// stacje, wykluczenia i kalendarz razem - wszystkie albo żaden. false i opis błędu.
bool ZapiszPlikiPociagu(Droga& d, int id, QString& blad);

// Otwiera listę pociągów z pliku, jeśli nie jest otwarta (brak pliku: pusta
// lista). Plik uszkodzony: komunikat "Błąd", lista zostaje zamknięta, false.
bool OtworzListePociagow(Droga& d);
// Identyfikator nowego pociągu: największy na liście + 1, dla pustej listy 1;
// 0, gdy listy nie da się otworzyć.
int NoweId(Droga& d);

// Wczytanie pociągu id jako bieżącego. Plik brakujący albo uszkodzony:
// komunikat z nazwą pliku, nic w pamięci się nie zmienia, false. Nagłówek bez
// wiersza: komunikat, trasa skasowana i nowy, pusty pociąg, false.
bool WczytajPociag(Droga& d, int id);

// Usunięcie pociągu: pliki, wiersz listy, komunikaty. id 0 pomija pliki i listę.
// false, gdy pliku nie dało się usunąć albo zapisać listy (komunikat "Błąd").
bool UsunPociag(Droga& d, int id, const QString& nrPociagu);

// Okno kalendarza; gdy kalendarz albo nagłówek się zmieniły, pociąg jest
// zmieniony. Zwraca liczbę zmian (0 - bez zmian).
int kalendarz(Droga& d, OknaPociagu& okna);

// Przy zamykaniu programu: plik trasy bieżącego (zapisanego) pociągu
// powstaje, jeśli go nie ma. Błędy są pomijane.
void ZamknijTabelePociagu(Droga& d);

// Relacja na liście pociągów: przycięte nazwy stacji złączone " - ".
QString relacjaPociagu(const QString& poczatkowa, const QString& koncowa);

} // namespace tks
