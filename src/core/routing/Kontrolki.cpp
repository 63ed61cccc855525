#include "Kontrolki.h"

#include "app/Droga.h"
#include "pricing/Wycenianie.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"

namespace tks {

WynikZmianyKryterium ZmianaKryterium(Droga& d, int nowe)
{
    WynikZmianyKryterium w;
    const int poprzednie = d.kontrolki.kryterium;
    if (!d.trasa.Sciezki.empty()) {
        d.pociag.ZmianyPociagu = true;
        ObliczMinParametry(d);
    }
    if (nowe == 2 && !d.trasa.Sciezki.empty()) {
        const Odpowiedz o =
            d.interakcja.pytanie(kPytanieUsuniecieDrogi, kTytulUwaga2, Ikona::Ostrzezenie, Przyciski::TakNie);
        if (o != Odpowiedz::Tak) {
            w.kryterium = poprzednie;
            return w;
        }
    }
    d.kontrolki.kryterium = nowe;
    UstalWarunki(d);
    if (nowe == 2) {
        if (!d.trasa.Sciezki.empty()) {
            UsunCalaTrase(d);
            w.wyczyscPolaTrasy = true;
        }
        // narzędzia początku, pośredniej i końca wciskane po kolei: zostaje koniec
        d.trasa.TrybWyboru = 3;
        w.wcisnijNarzedziaWyboru = true;
    } else {
        d.trasa.TrybWyboru = 0;
        if (!d.trasa.GlowneStacje.empty()) {
            UsunWyborReczny(d);
            PrzeliczPonownieDroge(d);
        }
    }
    d.pociag.ustaw(QStringLiteral("IdKryteriumWyboru"), nowe);
    d.pociag.ustaw(QStringLiteral("Dlugosc"), d.wycena.dlugoscTrasy);
    WpiszCenyDoNaglowka(d);
    if (d.wycena.dlugoscTrasy != d.trasa.dlugoscDoNaglowka) {
        d.wycena.sumaPostojow = 0;
        w.wyczyscCenePostojow = true;
    }
    w.kryterium = nowe;
    return w;
}

void UsunCalaTrase(Droga& d)
{
    KasujDroge(d);
    Pociag& p = d.pociag;
    p.ustaw(QStringLiteral("CenaWyliczona"), 0.0);
    p.ustaw(QStringLiteral("CenaRozkJazdy"), 0.0);
    p.ustaw(QStringLiteral("CenaPrzejazdu"), 0.0);
    p.ustaw(QStringLiteral("CenaPostojow"), 0.0);
    p.ustaw(QStringLiteral("StacjaPoczatkowa"), QStringLiteral(""));
    p.ustaw(QStringLiteral("StacjaKoncowa"), QStringLiteral(""));
    p.ustaw(QStringLiteral("Dlugosc"), QVariant());
    p.zatwierdz();
    d.wycena.cenaTrasy = 0;
    d.wycena.dlugoscTrasy = 0;
    d.wycena.dlugoscWycen = 0;
    d.wycena.sumaPostojow = 0;
}

bool ZmianaOgraniczenia(Droga& d, KontrolkaOgraniczenia k)
{
    using K = KontrolkaOgraniczenia;
    const StanKontrolek& s = d.kontrolki;
    if (k == K::DopasujDoRodzaju)
        return false;
    if (k == K::Normalne || k == K::Szerokie) {
        ZmianaRozstawu(d);
        return true;
    }
    bool odswiez = false;
    if (!s.wczytywaniePociagu) {
        bool wlaczona = true;
        switch (k) {
        case K::NieWskazanyRuchPas: wlaczona = s.nieWskazanyRuchPasWlaczony; break;
        case K::NieWskazanyRuchTow: wlaczona = s.nieWskazanyRuchTowWlaczony; break;
        case K::ZawRuchPas: wlaczona = s.zawRuchPasWlaczony; break;
        case K::ZawRuchTow: wlaczona = s.zawRuchTowWlaczony; break;
        default: break;
        }
        if (wlaczona) {
            UstalWarunki(d);
            PrzeliczPonownieDroge(d);
            odswiez = true;
        }
    }
    if ((k == K::ZawRuchPas || k == K::ZawRuchTow) && d.trasa.Sciezki.empty()) {
        ZerujCenyNaglowka(d);
        odswiez = true;
    }
    return odswiez;
}

} // namespace tks
