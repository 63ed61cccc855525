#pragma once
// Wyszukiwanie drogi minimalnej (etykiety w rekordach stacji, kolejka FIFO)
// i oznaczanie znalezionej drogi jako elementów trasy.

#include <QString>

namespace tks {

class Droga;

// Etykietuje stacje najmniejszą odległością, kosztem albo czasem od `od` przy
// bieżącym kryterium i ograniczeniach. `doSt` = -1: bez celu. `linia`: 0 - w wyborze
// ręcznym linię ustala wyszukiwanie, -1 - dowolna linia, inna - tylko ta linia.
// Zwraca true, gdy droga istnieje (bez celu zawsze, poza błędem wyboru linii).
bool ObliczMinOdleglosci(Droga& d, int od, int doSt, int linia);

// Linia wyszukiwania "wybór ręczny" między `od` i `doSt`: jedyna wspólna linia albo
// wybrana w oknie wyboru linii. false (z komunikatem przy braku wspólnej linii), gdy
// wyszukiwanie ma się nie udać.
bool ustalLinie(Droga& d, int od, int doSt, int& linia);

// Przechodzi etykiety wstecz od `doSt` i dopisuje elementy odcinka drogi do
// Sciezki; na końcu wycenia trasę. Wywoływać po ObliczMinOdleglosci z tym samym `od`.
void OznaczMinDroge(Droga& d, int od, int doSt, bool odwrotnie, int lpDrogi, int nrGrupy);

// Usuwa z Sciezki pierwszy nieprzerwany ciąg elementów o danym NrGrupy.
void ZdejmOznaczenieMinDrogi(Droga& d, int nrGrupy);

// Teksty okna wyboru linii (kryterium "wybór ręczny").
inline const QString kTytulWyboruLinii = QStringLiteral("Proszę wybrać :");

} // namespace tks
