#include "Oznaczenia.h"

#include "app/Droga.h"
#include "routing/BrakDrogi.h"
#include "routing/Przeliczanie.h"
#include "routing/Wyszukiwanie.h"

#include <algorithm>

namespace tks {
namespace {

bool stacjaIstnieje(const Droga& d, int s) { return s >= 0 && s < d.siec.liczbaStacji(); }

// Wyszukiwanie odcinka drogi dla oznaczenia. Gdy drogi nie ma, mówi o tym (nazywa obie
// stacje i to, co trzeba zmienić); w wyborze ręcznym mówi o tym już wybór linii.
bool szukajDlaOznaczenia(Droga& d, int od, int doSt)
{
    if (ObliczMinOdleglosci(d, od, doSt, 0))
        return true;
    if (d.kontrolki.kryterium != 2)
        ZglosBrakDrogi(d, od, doSt, tekstNieMoznaWyznaczyc(d, od, doSt));
    return false;
}

double etykieta(const Droga& d, int s) { return d.siec.Stacje[std::size_t(s)].OdlMin; }

// Nowy punkt trasy na stacji.
TGlownaStacja punkt(const Droga& d, std::uint8_t rodzaj, int s)
{
    TGlownaStacja p;
    p.Rodzaj = rodzaj;
    p.LpStacji = s;
    p.Xkm = d.siec.Stacje[std::size_t(s)].Xkm;
    p.Ykm = d.siec.Stacje[std::size_t(s)].Ykm;
    return p;
}

void ustawStacje(const Droga& d, TGlownaStacja& p, std::uint8_t rodzaj, int s)
{
    p.Rodzaj = rodzaj;
    p.LpStacji = s;
    p.Xkm = d.siec.Stacje[std::size_t(s)].Xkm;
    p.Ykm = d.siec.Stacje[std::size_t(s)].Ykm;
}

// Dopisanie punktu na końcu listy, gdy ostatni punkt nie jest końcem trasy
// (wspólne dla końca i punktu pośredniego).
bool dopiszNaKoncu(Droga& d, int s, std::uint8_t rodzaj)
{
    auto& P = d.trasa.GlowneStacje;
    const int ostatnia = P.back().LpStacji;
    if (!szukajDlaOznaczenia(d, ostatnia, s))
        return false;
    TGlownaStacja p = punkt(d, rodzaj, s);
    p.NrGrupy = ++d.trasa.LicznikGrup;
    p.OdlDoPunktu = etykieta(d, s);
    P.push_back(p);
    OznaczMinDroge(d, ostatnia, s, false, int(P.size()) - 1, p.NrGrupy);
    return true;
}

} // namespace

void AktualizujNaglowekPunktow(Droga& d)
{
    const auto& P = d.trasa.GlowneStacje;
    const bool start = !P.empty() && P.front().Rodzaj == kPunktPoczatkowy;
    const bool meta = !P.empty() && P.back().Rodzaj == kPunktKoncowy;
    d.pociag.ustaw(QStringLiteral("StacjaPoczatkowa"),
                   start ? d.siec.nazwaStacji(P.front().LpStacji) : QStringLiteral(""));
    d.pociag.ustaw(QStringLiteral("StacjaKoncowa"), meta ? d.siec.nazwaStacji(P.back().LpStacji) : QStringLiteral(""));
    d.pociag.zatwierdz();
}

bool OznaczStart(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return false;
    auto& P = d.trasa.GlowneStacje;
    if (P.empty()) {
        P.push_back({});
    } else if (P.front().Rodzaj != kPunktPoczatkowy) {
        const int cel = P.front().LpStacji;
        if (!szukajDlaOznaczenia(d, s, cel))
            return false;
        P.insert(P.begin(), punkt(d, kPunktPoczatkowy, s));
        P[1].NrGrupy = ++d.trasa.LicznikGrup;
        PrzenumerujDrogi(d);
        OznaczMinDroge(d, s, cel, false, 1, P[1].NrGrupy);
        P[1].OdlDoPunktu = etykieta(d, cel);
    } else if (P.size() > 1) {
        const int cel = P[1].LpStacji;
        if (!szukajDlaOznaczenia(d, s, cel))
            return false;
        ZdejmOznaczenieMinDrogi(d, P[1].NrGrupy);
        ustawStacje(d, P.front(), kPunktPoczatkowy, s);
        OznaczMinDroge(d, s, cel, false, 1, P[1].NrGrupy);
        P[1].OdlDoPunktu = etykieta(d, cel);
    }
    TGlownaStacja& p0 = P.front();
    ustawStacje(d, p0, kPunktPoczatkowy, s);
    p0.NrGrupy = 0;
    p0.OdlDoPunktu = 0;
    AktualizujNaglowekPunktow(d);
    return true;
}

bool OznaczMeta(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return false;
    auto& P = d.trasa.GlowneStacje;
    if (P.empty()) {
        P.push_back({});
    } else if (P.back().Rodzaj != kPunktKoncowy) {
        if (!dopiszNaKoncu(d, s, kPunktKoncowy))
            return false;
    } else if (P.size() >= 2) {
        const int od = P[P.size() - 2].LpStacji;
        if (!szukajDlaOznaczenia(d, od, s))
            return false;
        ZdejmOznaczenieMinDrogi(d, P.back().NrGrupy);
        P.back().OdlDoPunktu = etykieta(d, s);
        ustawStacje(d, P.back(), kPunktKoncowy, s);
        OznaczMinDroge(d, od, s, false, int(P.size()) - 1, P.back().NrGrupy);
    }
    ustawStacje(d, P.back(), kPunktKoncowy, s);
    AktualizujNaglowekPunktow(d);
    return true;
}

bool OznaczPP(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return false;
    Trasa& t = d.trasa;
    auto& P = t.GlowneStacje;
    if (P.empty()) {
        P.push_back(punkt(d, kPunktPosredni, s));
    } else if (P.back().Rodzaj != kPunktKoncowy) {
        if (!dopiszNaKoncu(d, s, kPunktPosredni))
            return false;
    } else if (P.size() == 1) {
        if (!ObliczMinOdleglosci(d, s, -1, 0))
            return false;
        P.insert(P.begin(), punkt(d, kPunktPosredni, s));
        P[1].NrGrupy = ++t.LicznikGrup;
        PrzenumerujDrogi(d);
        const int cel = P[1].LpStacji;
        OznaczMinDroge(d, s, cel, false, 1, P[1].NrGrupy);
        P[1].OdlDoPunktu = etykieta(d, cel);
    } else {
        if (!ObliczMinOdleglosci(d, s, -1, 0))
            return false;
        // odcinek o najmniejszym wydłużeniu drogi; przy równych pierwszy
        std::size_t k = 1;
        double najmniejsze = 0;
        for (std::size_t i = 1; i < P.size(); ++i) {
            const double objazd =
                etykieta(d, P[i - 1].LpStacji) + etykieta(d, P[i].LpStacji) - P[i].OdlDoPunktu;
            if (i == 1 || objazd < najmniejsze) {
                najmniejsze = objazd;
                k = i;
            }
        }
        P.insert(P.begin() + std::ptrdiff_t(k), punkt(d, kPunktPosredni, s));
        ZdejmOznaczenieMinDrogi(d, P[k + 1].NrGrupy);
        P[k].NrGrupy = ++t.LicznikGrup;
        P[k].OdlDoPunktu = etykieta(d, P[k - 1].LpStacji);
        PrzenumerujDrogi(d);
        OznaczMinDroge(d, s, P[k - 1].LpStacji, true, int(k), P[k].NrGrupy);
        ++t.LicznikGrup;
        OznaczMinDroge(d, s, P[k + 1].LpStacji, false, int(k + 1), P[k + 1].NrGrupy);
        P[k + 1].OdlDoPunktu = etykieta(d, P[k + 1].LpStacji);
    }
    AktualizujNaglowekPunktow(d);
    return true;
}

void OznaczOminStacje(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return;
    TStacja& st = d.siec.Stacje[std::size_t(s)];
    st.OdlMin = kWykluczona;
    st.Wybieralna = 1;
    d.trasa.ListaStacjiZabronionych.push_back(s);
    PrzeliczPonownieDroge(d);
}

void OznaczOminOdcinek(Droga& d, int o)
{
    if (o < 0 || o >= d.siec.liczbaOdcinkow())
        return;
    d.siec.Odcinki[std::size_t(o)].Cechy |= cechy::Zabroniony;
    d.trasa.ListaOdcinkowZabronionych.push_back(o);
    PrzeliczPonownieDroge(d);
}

void ZdejmOznaczZabronionejStacji(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return;
    auto& lista = d.trasa.ListaStacjiZabronionych;
    const auto przed = lista.size();
    lista.erase(std::remove(lista.begin(), lista.end(), s), lista.end());
    TStacja& st = d.siec.Stacje[std::size_t(s)];
    st.OdlMin = kNieosiagnieta;
    st.Wybieralna = 1;
    if (lista.size() != przed)
        PrzeliczPonownieDroge(d);
}

void ZdejmOznaczZabronionegoOdcinka(Droga& d, int o)
{
    if (o < 0 || o >= d.siec.liczbaOdcinkow())
        return;
    auto& lista = d.trasa.ListaOdcinkowZabronionych;
    const auto przed = lista.size();
    lista.erase(std::remove(lista.begin(), lista.end(), o), lista.end());
    d.siec.Odcinki[std::size_t(o)].Cechy &= std::uint16_t(~cechy::Zabroniony);
    if (lista.size() != przed)
        PrzeliczPonownieDroge(d);
}

void ZdejmOznaczPP(Droga& d, int k)
{
    auto& P = d.trasa.GlowneStacje;
    if (k < 0 || std::size_t(k) >= P.size())
        return;
    P.erase(P.begin() + k);
    PrzeliczPonownieDroge(d);
}

void ZdejmOznacz(Droga& d, int s)
{
    if (!stacjaIstnieje(d, s))
        return;
    auto& P = d.trasa.GlowneStacje;
    for (std::size_t i = 0; i < P.size();) {
        if (P[i].LpStacji == s) {
            P.erase(P.begin() + std::ptrdiff_t(i));
            PrzeliczPonownieDroge(d);
        } else {
            ++i;
        }
    }
    ZdejmOznaczZabronionejStacji(d, s);
    if (!P.empty())
        AktualizujNaglowekPunktow(d);
}

} // namespace tks
