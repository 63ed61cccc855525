#pragma once
// Wiersze tabeli Kalendarz w testach: zakresy z kodów reguł i oznaczenia dni.

#include "common/Daty.h"
#include "common/Tabela.h"

#include <QDate>
#include <QString>

namespace tks::test {

// Wiersz zakresu: kod "D1..D8", np. "11111002".
inline void dodajZakres(Tabela& t, const QDate& od, const QDate& doDnia, const char* kod)
{
    const int w = t.dodajWiersz();
    t.ustaw(w, QStringLiteral("ZakresOd"), dzienZDaty(od));
    t.ustaw(w, QStringLiteral("ZakresDo"), dzienZDaty(doDnia));
    for (int k = 0; k < 8; ++k)
        t.ustaw(w, QStringLiteral("D%1").arg(k + 1), kod[k] - '0');
    t.ustaw(w, QStringLiteral("Dod"), 2);
}

// Oznaczenie jednego dnia (Dod 1: kursuje, 0: nie kursuje).
inline void dodajOznaczenie(Tabela& t, const QDate& dzien, int dod)
{
    const int w = t.dodajWiersz();
    t.ustaw(w, QStringLiteral("ZakresOd"), dzienZDaty(dzien));
    t.ustaw(w, QStringLiteral("ZakresDo"), dzienZDaty(dzien));
    for (int k = 0; k < 8; ++k)
        t.ustaw(w, QStringLiteral("D%1").arg(k + 1), 0);
    t.ustaw(w, QStringLiteral("Dod"), dod);
}

} // namespace tks::test
