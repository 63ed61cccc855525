#pragma once
// Składanie trasy z odcinków drogi między punktami głównymi: ponowne
// przeliczenie wszystkich odcinków, porządek elementów, wiersze podglądu trasy.

#include <QString>
#include <QStringList>

namespace tks {

class Droga;

// Odbudowuje Sciezki z GlowneStacje przy bieżących warunkach, odcinek po odcinku;
// odcinek bez drogi kończy przeliczanie (dalsze zostają bez elementów).
void PrzeliczPonownieDroge(Droga& d);

// Ustawia Sciezki w kolejności trasy: LpDrogi, potem LpSciezki (sortowanie stabilne).
void SortujSciezki(Droga& d);

// Poziomy podglądu trasy.
inline constexpr int kPoziomZmianyLinii = 0;          // "Wg zmian linii"
inline constexpr int kPoziomZmianyLiniiIStawek = 1;   // "Wg zmian linii i stawek"
inline constexpr int kPoziomOdcinki = 2;              // "Wg odcinków"

// Przebudowuje tabelę podglądu trasy d.trasa.Podglad na danym poziomie, jej sumy
// SumCena i SumDroga oraz NotaCeny. Zwraca nazwy kolumn tabeli, które siatka
// podglądu ukrywa na tym poziomie (z tych, o których decyduje ta operacja).
QStringList WyznaczTrase(Droga& d, int poziom);

// Czy oznaczenie stacji jest kodem punktu technicznego (nie stacji).
bool punktTechniczny(const QString& oznaczenieStacji);

// Nadaje elementom trasy LpDrogi równe pozycji punktu, na którym kończy się ich
// odcinek (po NrGrupy); potrzebne po wstawieniu punktu w środek listy.
void PrzenumerujDrogi(Droga& d);

} // namespace tks
