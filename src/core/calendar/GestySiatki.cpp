#include "GestySiatki.h"

#include "KalendarzPociagu.h"
#include "OpisKalendarza.h"
#include "app/Droga.h"

#include <algorithm>

namespace tks {
namespace {

bool wAktywnymZakresie(const Kalendarz& k, int dzien)
{
    return dzien >= 0 && dzien < k.liczbaDni() && k.Dni[std::size_t(dzien)].NrZakresu == k.AktywnyZakres;
}

} // namespace

WskazanieSiatki WskazanieDla(const Kalendarz& k, const PolozenieWskaznika& p)
{
    WskazanieSiatki w;
    switch (p.stan) {
    case StanWskaznika::DzienAktywnegoZakresu: {
        w.kursor = Kursuje(k, p.dzien) ? KursorSiatki::FingerMinus : KursorSiatki::FingerPlus;
        const int dod = k.Dni[std::size_t(p.dzien)].Dod;
        if (dod == 0 || dod == 1)
            w.menu = PozycjaMenuSiatki::UsunOznaczenie;
        break;
    }
    case StanWskaznika::PodzialWZakresie:
        w.kursor = KursorSiatki::Dlon;
        w.menu = PozycjaMenuSiatki::Podziel;
        break;
    case StanWskaznika::PodzialMiedzyZakresami:
        w.kursor = KursorSiatki::Podzial;
        w.menu = PozycjaMenuSiatki::UsunPodzial;
        break;
    case StanWskaznika::DzienInnegoZakresu:
    case StanWskaznika::Brak:
        break;
    }
    return w;
}

void GestSiatki::wcisniecie(Kalendarz& k, int x, int y)
{
    WyczyscZaznaczenie(k);
    trwa_ = true;
    wcisniete_ = PolozenieWSiatce(k, x, y);
    if (wcisniete_.stan == StanWskaznika::DzienAktywnegoZakresu)
        ZaznaczDni(k, wcisniete_.dzien, wcisniete_.dzien);
}

bool GestSiatki::ruch(Kalendarz& k, int x, int y)
{
    if (!trwa_)
        return false;
    const PolozenieWskaznika p = PolozenieWSiatce(k, x, y);
    int a = -1, b = -1;
    if (wcisniete_.stan == StanWskaznika::DzienAktywnegoZakresu) {
        // także tuż przy brzegu komórki: dzień pod wskaźnikiem, byle z aktywnego zakresu
        if (!wAktywnymZakresie(k, p.dzien))
            return false;
        a = std::min(wcisniete_.dzien, p.dzien);
        b = std::max(wcisniete_.dzien, p.dzien);
    } else if (wcisniete_.stan == StanWskaznika::PodzialMiedzyZakresami) {
        if (p.podzial < 0)
            return false;
        // dni między podziałami (przy tym samym podziale - żaden)
        a = std::min(wcisniete_.podzial, p.podzial);
        b = std::max(wcisniete_.podzial, p.podzial) - 1;
    } else {
        return false;
    }
    bool zmiana = false;
    for (int i = 0; i < k.liczbaDni(); ++i) {
        const std::uint8_t z = (i >= a && i <= b) ? 1 : 0;
        if (k.Dni[std::size_t(i)].Zaznaczony != z) {
            k.Dni[std::size_t(i)].Zaznaczony = z;
            zmiana = true;
        }
    }
    return zmiana;
}

bool GestSiatki::zwolnienie(Droga& d, int x, int y, bool wPolu)
{
    Kalendarz& k = d.kalendarz;
    if (!trwa_) {
        WyczyscZaznaczenie(k);
        return false;
    }
    const PolozenieWskaznika w = wcisniete_;
    trwa_ = false;
    wcisniete_ = {};
    bool zmiana = false;
    if (wPolu) {
        switch (w.stan) {
        case StanWskaznika::DzienAktywnegoZakresu:
            UstawOznaczenia(k, w.dzien);
            GenerujOpis(d);
            zmiana = true;
            break;
        case StanWskaznika::DzienInnegoZakresu:
            AktywujZakres(d, w.zakres);
            zmiana = true;
            break;
        case StanWskaznika::PodzialWZakresie:
            if (w.zakres != k.AktywnyZakres)
                AktywujZakres(d, w.zakres);
            else
                GenerujOpis(d);
            zmiana = true;
            break;
        case StanWskaznika::PodzialMiedzyZakresami: {
            const PolozenieWskaznika p = PolozenieWSiatce(k, x, y);
            if (p.podzial >= 0 && PrzesunPodzial(k, w.podzial, p.podzial)) {
                GenerujOpis(d);
                zmiana = true;
            }
            break;
        }
        case StanWskaznika::Brak:
            break;
        }
    }
    WyczyscZaznaczenie(k);
    return zmiana;
}

PozycjaMenuSiatki GestSiatki::menuW(const Kalendarz& k, int x, int y)
{
    menu_ = PolozenieWSiatce(k, x, y);
    return WskazanieDla(k, menu_).menu;
}

PozycjaMenuSiatki GestSiatki::menuDnia(const Kalendarz& k, int dzien)
{
    menu_ = {};
    if (!wAktywnymZakresie(k, dzien))
        return PozycjaMenuSiatki::Brak;
    menu_.stan = StanWskaznika::DzienAktywnegoZakresu;
    menu_.dzien = dzien;
    menu_.zakres = k.AktywnyZakres;
    return WskazanieDla(k, menu_).menu;
}

bool GestSiatki::wykonaj(Droga& d, PozycjaMenuSiatki pozycja)
{
    Kalendarz& k = d.kalendarz;
    const PolozenieWskaznika m = menu_;
    menu_ = {};
    // pozycja działa tylko tam, gdzie menu ją pokazało
    if (pozycja == PozycjaMenuSiatki::Brak || WskazanieDla(k, m).menu != pozycja)
        return false;
    bool zmiana = false;
    switch (pozycja) {
    case PozycjaMenuSiatki::Podziel:
        zmiana = PodzielZakres(k, m.podzial);
        break;
    case PozycjaMenuSiatki::UsunPodzial:
        zmiana = UsunPodzial(k, m.podzial);
        break;
    case PozycjaMenuSiatki::UsunOznaczenie:
        UsunOznaczenie(k, m.dzien);
        zmiana = true;
        break;
    case PozycjaMenuSiatki::Brak:
        break;
    }
    if (zmiana)
        GenerujOpis(d);
    return zmiana;
}

bool UsunOznaczeniaTerminow(Droga& d)
{
    const bool zmiana = !UsunOznaczeniaZakresu(d.kalendarz).empty();
    GenerujOpis(d);
    return zmiana;
}

int SkrajnyDzienZakresu(const Kalendarz& k, bool ostatni)
{
    if (k.AktywnyZakres < 0 || k.AktywnyZakres >= k.liczbaZakresow())
        return -1;
    const TZakresy& z = k.Zakresy[std::size_t(k.AktywnyZakres)];
    const int i = std::clamp(IndeksDnia(k, ostatni ? z.ZakresDo : z.ZakresOd), 0, k.liczbaDni() - 1);
    return wAktywnymZakresie(k, i) ? i : -1;
}

int KursorDniaWZakresie(const Kalendarz& k, int dzien)
{
    return wAktywnymZakresie(k, dzien) ? dzien : SkrajnyDzienZakresu(k, false);
}

int PrzesunKursorDnia(const Kalendarz& k, int dzien, int dx, int dy)
{
    dzien = KursorDniaWZakresie(k, dzien);
    if (dzien < 0)
        return -1;
    int cel = dzien + dx;
    if (dy != 0) {
        const TDzienKalendarza& dz = k.Dni[std::size_t(dzien)];
        cel = k.dzienWKomorce(dz.Wiersz + dy, dz.Kolumna);
    }
    return wAktywnymZakresie(k, cel) ? cel : dzien;
}

bool PrzelaczDzien(Droga& d, int dzien)
{
    Kalendarz& k = d.kalendarz;
    if (!wAktywnymZakresie(k, dzien))
        return false;
    ZaznaczDni(k, dzien, dzien);
    UstawOznaczenia(k, dzien);
    WyczyscZaznaczenie(k);
    GenerujOpis(d);
    return true;
}

} // namespace tks
