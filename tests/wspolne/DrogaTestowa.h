#pragma once
// Stan okna głównego na małej sieci testowej: interakcja skryptowa, nowy pociąg,
// warunki z domyślnych kontrolek (rodzaj 0, przedział 0).

#include "app/Droga.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "wspolne/SiecTestowa.h"

#include <memory>

namespace tks::test {

struct DrogaTestowa {
    InterakcjaSkryptowa ia;
    Droga d{ia, QStringLiteral("/tmp/")};

    // Sieć z rodzajami stawek (stawki wszystkich odcinków = `stawka`, gdy nie ustawiono ich wcześniej).
    void przygotuj(std::uint16_t stawka = 10000)
    {
        if (d.siec.RodzajeStawek.empty())
            dodajRodzaje(d.siec);
        if (d.siec.Stawki.liczbaOdcinkow() != d.siec.Odcinki.size())
            przygotujStawki(d.siec, stawka);
        d.siecWczytana = true;
        d.kontrolki.idRodzajuStawki = 0;
        d.kontrolki.lpZakresuBr = 0;
        UstalWarunki(d);
        KasujDroge(d);
        UtworzTabelePociagu(d);
        TworzNowyPociag(d);
    }

    Siec& s() { return d.siec; }
    Trasa& t() { return d.trasa; }
    QVariant pole(const char* nazwa) const { return d.pociag.pole(QString::fromLatin1(nazwa)); }
    double etykieta(int stacja) const { return d.siec.Stacje[std::size_t(stacja)].OdlMin; }

    // Stacje trasy w kolejności elementów (po posortowaniu): od pierwszej do ostatniej.
    std::vector<int> stacjeTrasy() const
    {
        std::vector<int> w;
        for (const auto& e : d.trasa.Sciezki) {
            if (w.empty())
                w.push_back(e.LpStOd);
            w.push_back(e.LpStDo);
        }
        return w;
    }
    std::vector<int> punkty() const
    {
        std::vector<int> w;
        for (const auto& p : d.trasa.GlowneStacje)
            w.push_back(p.LpStacji);
        return w;
    }
};

} // namespace tks::test
