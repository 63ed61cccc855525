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

std::uint16_t bitKontrolki(KontrolkaOgraniczenia k)
{
    using K = KontrolkaOgraniczenia;
    switch (k) {
    case K::Normalne: return cechy::Normalnotorowa;
    case K::Szerokie: return cechy::Szerokotorowa;
    case K::BrakSieci: return cechy::BrakSieci;
    case K::Nieczynne: return cechy::Nieczynna;
    case K::PodObcymZarzadem: return cechy::ObcyZarzad;
    case K::NieWskazanyRuchPas: return cechy::NieWskazanyRuchPas;
    case K::NieWskazanyRuchTow: return cechy::NieWskazanyRuchTow;
    case K::ZawRuchPas: return cechy::ZawRuchPas;
    case K::ZawRuchTow: return cechy::ZawRuchTow;
    case K::DopasujDoRodzaju: return cechy::DopasujDoRodzaju;
    }
    return 0;
}

QString podpisKontrolki(KontrolkaOgraniczenia k)
{
    using K = KontrolkaOgraniczenia;
    switch (k) {
    case K::Normalne: return QStringLiteral("Normalnych");
    case K::Szerokie: return QStringLiteral("Szerokich");
    case K::BrakSieci: return QStringLiteral("Brak sieci trakcyjnej");
    case K::Nieczynne: return QStringLiteral("Linie nieczynne");
    case K::PodObcymZarzadem: return QStringLiteral("Linie pod obcym zarządem");
    case K::NieWskazanyRuchPas: return QStringLiteral("Linie towarowe");
    case K::NieWskazanyRuchTow: return QStringLiteral("Linie pasażerskie");
    case K::ZawRuchPas: return QStringLiteral("Brak stawki dla poc. pas.");
    case K::ZawRuchTow: return QStringLiteral("Brak stawki dla poc. tow.");
    case K::DopasujDoRodzaju: return QStringLiteral("Dopasuj do rodzaju poc.");
    }
    return {};
}

QString podpowiedzKontrolki(KontrolkaOgraniczenia k)
{
    using K = KontrolkaOgraniczenia;
    switch (k) {
    case K::Normalne: return QStringLiteral("Nie ukladaj trasy na liniach normalnotorowych");
    case K::Szerokie: return QStringLiteral("Nie ukladaj trasy na liniach szerokotorowych");
    case K::BrakSieci: return QStringLiteral("Nie ukladaj trasy na liniach bez elektrycznej sieci trakcyjnej");
    case K::PodObcymZarzadem:
        return QStringLiteral("Nie ukladaj trasy na liniach zarzadznych przez innego zarzadce niz KZT ZLT S.A.");
    case K::ZawRuchPas:
        return QStringLiteral("Nie ukladaj trasy na liniach, dla których nie opracowuje się rocznego rozkładu jazdy "
                              "dla pociągów pasażerskich");
    case K::ZawRuchTow:
        return QStringLiteral("Nie ukladaj trasy na liniach, dla których nie opracowuje się rocznego rozkładu jazdy "
                              "dla pociągów towarowych");
    default: return {};
    }
}

void UstawKontrolkiZOgraniczen(StanKontrolek& k, int bity)
{
    k.normalne = bity & cechy::Normalnotorowa;
    k.szerokie = bity & cechy::Szerokotorowa;
    k.brakSieci = bity & cechy::BrakSieci;
    k.nieczynne = bity & cechy::Nieczynna;
    k.podObcymZarzadem = bity & cechy::ObcyZarzad;
    k.nieWskazanyRuchPas = bity & cechy::NieWskazanyRuchPas;
    k.nieWskazanyRuchTow = bity & cechy::NieWskazanyRuchTow;
    k.zawRuchPas = bity & cechy::ZawRuchPas;
    k.zawRuchTow = bity & cechy::ZawRuchTow;
    k.dopasujDoRodzaju = bity & cechy::DopasujDoRodzaju;
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
