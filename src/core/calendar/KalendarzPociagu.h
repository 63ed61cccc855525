#pragma once
// Kalendarz bieżącego pociągu: kalendarz domyślny, odbudowa z tabeli Kalendarz,
// aktywacja zakresu, przyciski reguł okna kalendarza i wiersze do zapisu.
// Każda zmiana reguł kończy się wygenerowaniem opisu (GenerujOpis).

#include "Kalendarz.h"

#include "common/Tabela.h"

namespace tks {

class Droga;

// Kalendarz domyślny nowego pociągu: jeden zakres na cały okres, bez dni
// kursowania, bez oznaczeń; aktywny zakres 0.
void NowyKalendarz(Droga& d);

// Odbudowa kalendarza z wierszy tabeli Kalendarz: wiersz z Dod = 2 to zakres
// (daty przycięte do okresu rozkładu), inny wiersz to oznaczenie dnia (poza
// okresem pomijane). Bez żadnego zakresu - zakres domyślny.
void WczytajKalendarz(Droga& d, const Tabela& wiersze);

// Czyni zakres k (przycięty do istniejących) aktywnym, pokazuje jego reguły na
// przyciskach (co porządkuje reguły świąt) i generuje opis.
void AktywujZakres(Droga& d, int k);

// Kliknięcie przycisku dnia tygodnia: J1..J7 (kursuje = true) albo N1..N7;
// dzien 0 = poniedziałek .. 6 = niedziela.
void KliknijDzienTygodnia(Droga& d, int dzien, bool kursuje);
// Kliknięcie "Święta" w wierszu "Kursuje" (JS) albo "Nie kursuje" (NS);
// kliknięcie wciśniętego zwalnia go.
void KliknijSwieta(Droga& d, bool kursuje);
// Kliknięcie przycisku wzorca.
void KliknijWzorzec(Droga& d, Wzorzec w);

// Przełączenie automatycznego opisu (AutGenOpKurs); włączenie generuje opis.
void UstawAutomatycznyOpis(Droga& d, bool wlaczony);

// Wiersze tabeli Kalendarz do zapisu pociągu: zakresy (Dod = 2), potem
// oznaczenia tylko tych dni, w których oznaczenie zmienia wynik reguł.
// (Zapis pociągu bierze je tylko przy LDniKurs > 0.)
Tabela WierszeKalendarza(const Kalendarz& k, const QVariant& idPociagu = {});

} // namespace tks
