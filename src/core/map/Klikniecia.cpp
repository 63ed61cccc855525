#include "Klikniecia.h"

#include "Narzedzia.h"
#include "Trafienia.h"
#include "app/Droga.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "stations/WyborStacji.h"

#include <algorithm>

namespace tks {

void OznaczPoczatkowa(Droga& d, int x, int y)
{
    const WybranaStacja s = WskazanaStacja(d, x, y);
    if (s.wybrana())
        OznaczStart(d, s.LpStacji);
}

void OznaczKoncowa(Droga& d, int x, int y)
{
    const WybranaStacja s = WskazanaStacja(d, x, y);
    if (s.wybrana())
        OznaczMeta(d, s.LpStacji);
}

void OznaczPrzez(Droga& d, int x, int y)
{
    const WybranaStacja s = WskazanaStacja(d, x, y);
    if (!s.wybrana())
        return;
    OznaczPP(d, s.LpStacji);
    PrzeliczPonownieDroge(d);
}

void ZdejmOznaczenie(Droga& d, int x, int y)
{
    // Trafiona stacja (nawet gdy wybór anulowano) zamyka sprawę: odcinków się wtedy nie szuka.
    if (!ZnajdzKliknieteStacje(d, x, y).empty()) {
        const WybranaStacja s = WskazanaStacja(d, x, y);
        if (!s.wybrana())
            return;
        if (s.punktTrasy >= 0)
            ZdejmOznaczPP(d, s.punktTrasy);
        else
            ZdejmOznaczZabronionejStacji(d, s.LpStacji);
        return;
    }
    const int o = WskazanyOdcinek(d, x, y);
    if (o >= 0)
        ZdejmOznaczZabronionegoOdcinka(d, o);
}

void OznaczNiePrzez(Droga& d, int x, int y)
{
    if (!ZnajdzKliknieteStacje(d, x, y).empty()) {
        const WybranaStacja s = WskazanaStacja(d, x, y);
        if (s.wybrana())
            OznaczOminStacje(d, s.LpStacji);
        return;
    }
    const int o = WskazanyOdcinek(d, x, y);
    if (o >= 0)
        OznaczOminOdcinek(d, o);
}

WynikKlikniecia PuszczenieMyszy(Droga& d, TPiksel dol, TPiksel gora)
{
    WynikKlikniecia w;
    const StanNaglowka przed = ZapamietajNaglowek(d);
    switch (d.widok.narzedzie) {
    case Narzedzie::Powieksz:
    case Narzedzie::Przesun:
        w.przerysuj = ZmienWidokPoKliknieciu(d.widok, dol, gora);
        break;
    case Narzedzie::Start:
        OznaczPoczatkowa(d, gora.x, gora.y);
        w.przerysuj = true;
        break;
    case Narzedzie::Koniec:
        OznaczKoncowa(d, gora.x, gora.y);
        w.przerysuj = true;
        break;
    case Narzedzie::Przez:
        OznaczPrzez(d, gora.x, gora.y);
        w.przerysuj = true;
        break;
    case Narzedzie::Usun:
        ZdejmOznaczenie(d, gora.x, gora.y);
        w.przerysuj = true;
        break;
    case Narzedzie::NiePrzez:
        OznaczNiePrzez(d, gora.x, gora.y);
        w.przerysuj = true;
        break;
    case Narzedzie::Wskaznik:
        break;
    }
    w.wyczyscPola = AktualizujNaglowekPoKliknieciu(d, przed);
    return w;
}

// ---- dwuklik przycisku narzędzia

QStringList NazwyOznaczonychStacji(const Droga& d)
{
    QStringList l;
    const Siec& s = d.siec;
    const auto& gs = d.trasa.GlowneStacje;
    const auto dodaj = [&](int st) {
        if (st >= 0 && st < s.liczbaStacji())
            l << s.nazwaStacji(st);
    };
    if (d.kontrolki.kryterium == 2) {
        if (!gs.empty())
            dodaj(gs.front().LpStacji);
        if (gs.size() > 1)
            dodaj(gs.back().LpStacji);
    } else {
        for (const auto& g : gs)
            dodaj(g.LpStacji);
    }
    for (const std::int32_t st : d.trasa.ListaStacjiZabronionych)
        dodaj(st);
    return l;
}

int StacjaONazwie(const Droga& d, const QString& nazwa)
{
    int wynik = -1;
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (d.siec.nazwaStacji(i) == nazwa)
            wynik = i;
    return wynik;
}

std::vector<int> StacjeListyWyboru(const Droga& d)
{
    const Siec& s = d.siec;
    const int n = s.liczbaStacji();
    std::vector<char> wybieralna(std::size_t(n), 0);
    const auto& kandydaci = d.trasa.PunktyWyboru;
    if (!kandydaci.empty()) {
        for (const auto& p : kandydaci)
            if (p.LpStacji >= 0 && p.LpStacji < n)
                wybieralna[std::size_t(p.LpStacji)] = 1;
    } else {
        for (int i = 0; i < n; ++i)
            wybieralna[std::size_t(i)] = s.Stacje[std::size_t(i)].Widocznosc < 10000;
    }
    std::vector<int> l;
    for (const std::int32_t i : s.StacjeWgNazwy)
        if (i >= 0 && i < n && wybieralna[std::size_t(i)])
            l.push_back(i);
    return l;
}

WynikWyboruZListy WybranoStacjeZListy(Droga& d, Narzedzie n, int stacja)
{
    WynikWyboruZListy w;
    if (stacja < 0 || stacja >= d.siec.liczbaStacji())
        return w;
    const auto naSrodek = [&] {
        if (d.widok.zoom > kPowiekszenie1x) {
            const TStacja& s = d.siec.Stacje[std::size_t(stacja)];
            UstawSrodek(d.widok, s.Xkm, s.Ykm);
        }
    };
    const auto bezPostojow = [&] {
        // wybrane stacje z opłatą za postój przestają obowiązywać
        d.pociag.PociagStacje.wyczysc();
        d.wycena.sumaPostojow = 0;
    };
    const auto pusty = [&](const char* pole) {
        const QVariant v = d.pociag.pole(QString::fromLatin1(pole));
        return !v.isValid() || v.toString().isEmpty();
    };
    switch (n) {
    case Narzedzie::Start:
        if (OznaczStart(d, stacja))
            naSrodek();
        bezPostojow();
        w.wyczyscKoniec = pusty("StacjaKoncowa");
        break;
    case Narzedzie::Koniec:
        if (OznaczMeta(d, stacja))
            naSrodek();
        bezPostojow();
        w.wyczyscPoczatek = pusty("StacjaPoczatkowa");
        break;
    case Narzedzie::Przez:
        if (OznaczPP(d, stacja))
            naSrodek();
        break;
    case Narzedzie::NiePrzez:
        OznaczOminStacje(d, stacja);
        break;
    case Narzedzie::Usun:
        ZdejmOznacz(d, stacja);
        break;
    default:
        return w;
    }
    w.przerysuj = true;
    return w;
}

WynikWyboruZListy DwuklikNarzedzia(Droga& d, Narzedzie n, OknaStacji& okna)
{
    switch (n) {
    case Narzedzie::Start:
    case Narzedzie::Koniec:
    case Narzedzie::Przez:
    case Narzedzie::NiePrzez:
    case Narzedzie::Usun: {
        const int st = WybierzStacjeZListy(d, n == Narzedzie::Usun, okna);
        if (st < 0)
            return {};
        return WybranoStacjeZListy(d, n, st);
    }
    default:
        return {};
    }
}

WynikWyboruZListy DwuklikNarzedzia(Droga& d, Narzedzie n)
{
    OknaStacjiInterakcji okna(d.interakcja);
    return DwuklikNarzedzia(d, n, okna);
}

} // namespace tks
