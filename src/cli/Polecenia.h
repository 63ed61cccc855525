#pragma once
// Polecenia taksatura-cli. Każde dostaje argumenty po nazwie polecenia i zwraca
// kod wyjścia; błędy zgłasza wyjątkami BladUzycia / BladOperacji.

#include <QStringList>

#include "common/Tabela.h"

namespace tks::cli {

int polecenieBuildNetwork(const QStringList& argumenty);
int polecenieDumpNetwork(const QStringList& argumenty);
int polecenieGeo2Map(const QStringList& argumenty);
int polecenieRoute(const QStringList& argumenty);
int polecenieSearchBatch(const QStringList& argumenty);
int polecenieCalendar(const QStringList& argumenty);
int polecenieTrain(const QStringList& argumenty);
int polecenieRenderMap(const QStringList& argumenty);
int polecenieReport(const QStringList& argumenty);
int polecenieGenerateNetwork(const QStringList& argumenty);
// print-map: strona wydruku mapki (PDF albo PNG).
int polecenieDrukujMape(const QStringList& argumenty);

// Trasy według kryteriów obok siebie; profil prędkości trasy.
int polecenieCompare(const QStringList& argumenty);
int polecenieProfile(const QStringList& argumenty);
int polecenieStations(const QStringList& argumenty);

// Zestawienia, przeliczenie wszystkich pociągów, wycena wsadowa.
int polecenieSummary(const QStringList& argumenty);
int polecenieTrainRepriceAll(const QStringList& argumenty);
int polecenieBatchPricing(const QStringList& argumenty);

// Dane kalendarza {"ranges":[{"od","do","d":[D1..D8]}],"marks":{"RRRR-MM-DD":0|1}}
// jako wiersze tabeli Kalendarz (zakresy, potem oznaczenia); zły JSON, zła data
// albo wartość D spoza zakresu to BladUzycia.
Tabela kalendarzZJson(const QByteArray& json);

} // namespace tks::cli
