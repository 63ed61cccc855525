#pragma once
// Podgląd trasy jako arkusz: widoczne kolumny siatki w bieżącym porządku
// i filtrze, liczby jako liczby, pod tabelą sumy trasy z nagłówka pociągu.

#include "reports/Arkusz.h"

#include <QStringList>
#include <QVector>

namespace tks {

struct Pociag;

// `widoczne`: widoczność kolumn podglądu jak w siatce (pusta: wszystkie poza
// "Zelektryfikowana", IdObOd i IdObDo).
Arkusz arkuszPodgladuTrasy(const Tabela& podglad, const Pociag& p, const QVector<bool>& widoczne = {});

} // namespace tks
