#pragma once
// Polecenia menu "Plik" okna głównego (poza "Koniec"): pytanie o zapis, zapis,
// wczytanie, nowy pociąg, nagłówek, terminy kursowania. Okno po każdym
// poleceniu pokazuje stan kontrolek, nagłówek i mapę od nowa.

#include <QString>

namespace tks {

class Droga;
class OknaPociagu;

// "Nowy pociąg": pytanie o zapis (Anuluj albo nieudany zapis: nic się nie
// zmienia), potem trasa skasowana i nowy pociąg. true, gdy zaczęto nowy pociąg.
bool MenuNowyPociag(Droga& d, OknaPociagu& okna);
// "Wczytaj pociąg": pytanie o zapis, lista pociągów, wczytanie wybranego.
// true, gdy wczytano pociąg.
bool MenuWczytajPociag(Droga& d, OknaPociagu& okna);
// "Zapisz jako nowy pociąg": zapis pod nowym identyfikatorem (pliki
// poprzedniego pociągu zostają).
bool MenuZapiszJakoNowy(Droga& d, OknaPociagu& okna);
// "Zapisz zmiany".
bool MenuZapiszZmiany(Droga& d, OknaPociagu& okna);
// Tekst linii stanu po udanym zapisie: "Zapisano pociąg nr IC12345".
QString tekstPoZapisie(const Droga& d);
// "Edytuj nagłówek": edytor nagłówka w trybie edycji; nic nie jest zapisywane.
bool MenuEdytujNaglowek(Droga& d, OknaPociagu& okna);
// "Terminy kursowania": okno kalendarza; zwraca liczbę zmian.
int MenuTerminyKursowania(Droga& d, OknaPociagu& okna);
// Zamykanie okna głównego: pytanie o zapis (Tak zapisuje), ustawienia.
// true, gdy okno można zamknąć.
bool ZamykanieOknaGlownego(Droga& d, OknaPociagu& okna);

} // namespace tks
