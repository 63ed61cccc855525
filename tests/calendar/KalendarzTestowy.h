#pragma once
// Bieżący pociąg z kalendarzem do testów: prawdziwe święta okresu 2017/2018,
// wiersze tabeli Kalendarz budowane z kodów reguł.

#include "wspolne/DrukQt.h"
#include "wspolne/WierszeKalendarza.h"

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "calendar/OpisKalendarza.h"
#include "common/Daty.h"
#include "trains/NowyPociag.h"
#include "trains/TabelePociagu.h"

#include <QDate>
#include <QString>

namespace tks::test {

inline double dzien(int r, int m, int d) { return dzienZDaty(QDate(r, m, d)); }

// Święta okresu rozkładu 10-12-2017 .. 08-12-2018.
inline std::vector<double> swieta2018()
{
    return {dzien(2017, 12, 25), dzien(2017, 12, 26), dzien(2018, 1, 1),  dzien(2018, 1, 6),  dzien(2018, 4, 1),
            dzien(2018, 4, 2),   dzien(2018, 5, 1),   dzien(2018, 5, 3),  dzien(2018, 5, 20), dzien(2018, 5, 31),
            dzien(2018, 8, 15),  dzien(2018, 11, 1),  dzien(2018, 11, 11), dzien(2018, 11, 12)};
}

// Pociąg po TworzNowyPociag: nagłówek z automatycznym opisem i kalendarz domyślny.
struct PociagTestowy {
    InterakcjaSkryptowa ia;
    Droga d{ia, QString()};
    Kalendarz& k = d.kalendarz;

    PociagTestowy()
    {
        d.siec.Swieta = swieta2018();
        UtworzTabelePociagu(d);
        TworzNowyPociag(d);
    }
    QString kursuje() const { return d.pociag.pole(QStringLiteral("Kursuje")).toString(); }
    int lDniKurs() const { return d.pociag.pole(QStringLiteral("LDniKurs")).toInt(); }
    // indeks dnia okresu
    int i(int r, int m, int dz) const { return int(dzien(r, m, dz) - dzienZDaty(d.rozkladOd)); }
    bool kursujeDnia(int r, int m, int dz) const { return Kursuje(k, i(r, m, dz)); }
    QString opis(int zakres) const { return k.Zakresy[std::size_t(zakres)].OpisZakresu; }
};

// Tabela z jednym zakresem na cały okres.
inline Tabela caly(const char* kod)
{
    Tabela t = nowaTabelaKalendarz();
    dodajZakres(t, QDate(2017, 12, 10), QDate(2018, 12, 8), kod);
    return t;
}

// Dwa zakresy: A do końca lutego, C od marca; aktywny zakres 0.
inline void dwaZakresy(PociagTestowy& t)
{
    Tabela tab = nowaTabelaKalendarz();
    dodajZakres(tab, QDate(2017, 12, 10), QDate(2018, 2, 28), "11111002");
    dodajZakres(tab, QDate(2018, 3, 1), QDate(2018, 12, 8), "00000111");
    WczytajKalendarz(t.d, tab);
}

} // namespace tks::test
