#pragma once
// Trasa na prostej sieci testowej do raportów: stacje "S0".."Sn" w linii,
// odcinki po 1 km z podanymi liniami, cechami i stawkami.

#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "wspolne/DrogaTestowa.h"


namespace tks::test {

struct Odc {
    int linia = 1;
    std::uint16_t stawka = 10000;   // tysięczne zł/km; 0: taksatura indywidualna (bez ceny)
    std::uint16_t cechy = cechy::Normalnotorowa;
};

struct TrasaRaportu : DrogaTestowa {
    std::vector<int> st;

    explicit TrasaRaportu(const std::vector<Odc>& odcinki)
    {
        st = stacjeWLinii(s(), odcinki.size() + 1);
        for (std::size_t i = 0; i < odcinki.size(); ++i)
            dodajOdcinek(s(), st[i], st[i + 1], 1000, odcinki[i].linia, odcinki[i].cechy, int(i) * 1000);
        dodajZarzadcow(s());
        stawkiOdcinkow(s(), odcinki);
        przygotuj();
        d.kontrolki.podObcymZarzadem = false;
        d.kontrolki.brakSieci = false;
        UstalWarunki(d);
        OznaczStart(d, st.front());
        OznaczMeta(d, st.back());
    }

    Tabela& p() { return d.trasa.Podglad; }
    // Wartość kolumny w kolejnych wierszach widoku tabeli podglądu.
    QStringList kolumnaWidoku(const char* kolumna)
    {
        QStringList l;
        for (int w : p().widok())
            l << p().wartosc(w, QString::fromLatin1(kolumna)).toString();
        return l;
    }
};

} // namespace tks::test
