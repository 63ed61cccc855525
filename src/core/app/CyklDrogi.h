#pragma once
// Cykl życia okna głównego po stronie rdzenia: utworzenie, aktywacja (sieć,
// wartości pochodne, warunki, kolory, ustawienia), pokazanie, zamknięcie.
// Kroki czysto okienkowe (kursory, pasek przewijania, bufor mapy, fokus)
// wykonuje okno.

#include <QString>
#include <functional>

namespace tks {

class Droga;

// Utworzenie okna głównego: opłaty za postoje 0, znacznik pierwszego
// pokazania, plik listy pociągów, aktywacja. Zwraca wynik aktywacji.
bool TworzDroge(Droga& d, const QString& plikSieci);

// Sekwencja aktywacji. Brak albo uszkodzenie pliku sieci: komunikat "Błąd",
// model sieci pusty, a kroki niezależne od sieci (warunki, kolory, ustawienia,
// pusta trasa) i tak się wykonują - okno działa bez sieci, a zamknięcie nie
// zamazuje zapisanych ustawień domyślnymi. Zwraca true, gdy sieć wczytano.
bool aktywacja(Droga& d, const QString& plikSieci);

// Pokazanie okna głównego: za pierwszym razem puste tabele pociągu i nowy
// pociąg, później nowy pociąg i skasowanie trasy (odświeżenie mapy - okno).
void PokazanieDrogi(Droga& d);

// Krok przed zestawieniami: gdy okna głównego nigdy nie pokazano, tworzy
// puste tabele pociągu (bez nowego pociągu) i zdejmuje znacznik pierwszego pokazania.
void PrzygotujZestawienia(Droga& d);

// Tekst pytania o zapis bieżącego pociągu.
QString tekstPytaniaOZapis(const Droga& d);
// Czy pytać o zapis: pociąg zmieniony i trasa ma choć jeden punkt główny.
bool trzebaPytacOZapis(const Droga& d);
// Pytanie o zapis (Tak/Nie/Anuluj, "Uwaga !", ostrzeżenie), gdy trzeba.
// Tak wywołuje `zapisz`. Zwraca true, gdy można iść dalej (nie pytano, Nie,
// albo Tak z udanym zapisem); false przy Anuluj albo nieudanym zapisie.
bool PytanieOZapis(Droga& d, const std::function<bool()>& zapisz);

// Zapytanie przy zamykaniu okna głównego: pytanie o zapis, zapis ustawień,
// wyzerowanie opłat za postoje. Zwraca true, gdy okno można zamknąć.
bool ZamykanieDrogi(Droga& d, const std::function<bool()>& zapisz);

} // namespace tks
