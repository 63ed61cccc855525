#include "Wycenianie.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"

namespace tks {
namespace {

const QString kIdRodzajuStawki = QStringLiteral("IdRodzajuStawki");
const QString kLpZakresuBr = QStringLiteral("LpZakresuBr");
const QString kDlugosc = QStringLiteral("Dlugosc");
const QString kStacjaPoczatkowa = QStringLiteral("StacjaPoczatkowa");
const QString kStacjaKoncowa = QStringLiteral("StacjaKoncowa");
const QString kOgraniczenia = QStringLiteral("Ograniczenia");
const QString kCenaWyliczona = QStringLiteral("CenaWyliczona");
const QString kWycenaPelna = QStringLiteral("WycenaPelna");
const QString kCzasMin = QStringLiteral("CzasMin");
const QString kCzasMax = QStringLiteral("CzasMax");
const QString kCenaPrzejazdu = QStringLiteral("CenaPrzejazdu");
const QString kCenaPostojow = QStringLiteral("CenaPostojow");
const QString kDlugoscWycen = QStringLiteral("DlugoscWycen");
const QString kCenaRozkJazdy = QStringLiteral("CenaRozkJazdy");

} // namespace

int liczbaDniKursowania(const Droga& d)
{
    const QVariant v = d.pociag.pole(QStringLiteral("LDniKurs"));
    return v.isValid() ? v.toInt() : 0;
}

void ObliczMinParametry(Droga& d)
{
    const int k = d.kontrolki.idRodzajuStawki;
    const int b = d.kontrolki.lpZakresuBr;
    UstalVTab(d);

    Pociag& p = d.pociag;
    p.ustaw(kIdRodzajuStawki, k);
    p.ustaw(kLpZakresuBr, b >= 0 ? QVariant(b) : QVariant());
    p.ustaw(kDlugosc, QVariant());
    p.ustaw(kStacjaPoczatkowa, QStringLiteral(""));
    p.ustaw(kStacjaKoncowa, QStringLiteral(""));
    p.ustaw(kOgraniczenia,
            int(d.trasa.MaskaOgraniczen) | (d.kontrolki.dopasujDoRodzaju ? int(cechy::DopasujDoRodzaju) : 0));
    p.ustaw(kCenaWyliczona, QVariant());
    p.ustaw(kWycenaPelna, true);
    p.ustaw(kCzasMin, QVariant());
    p.ustaw(kCzasMax, QVariant());

    Wycena& w = d.wycena;
    double dlugosc = 0;
    w.dlugoscWycen = 0;
    w.cenaTrasy = 0;
    w.wycenaPelna = true;

    auto& sciezki = d.trasa.Sciezki;
    for (auto& e : sciezki) {
        if (e.WgCennika == 1) {
            e.Stawka = d.siec.Stawki.stawka(std::size_t(e.LpOdcinka), k, b) / 1000.0;
            e.Cena = e.Odleglosc * e.Stawka / 1000.0;
        } else {
            w.wycenaPelna = false;
        }
    }

    if (w.bezCzasuJazdy) {
        SortujSciezki(d);
        w.Tr = 0;
    } else {
        WyznaczCzasJazdy(d);   // porządkuje Sciezki
    }

    // Grupy rozliczeniowe: ciągi elementów na tej samej linii z tym samym pierwszym znakiem OznFK.
    int licznik = 0;
    int poprzLinia = -1;
    QChar poprzZnak = QLatin1Char('#');
    for (auto& e : sciezki) {
        if (e.NrLinii != poprzLinia || e.OznFK != poprzZnak)
            ++licznik;
        poprzLinia = e.NrLinii;
        poprzZnak = e.OznFK;
        e.Grupa = licznik;
    }

    // Sumy; cena każdej grupy zaokrąglana do grosza przed dodaniem.
    int biezaca = 0;
    double dlugoscGrupy = 0;
    double cenaGrupy = 0;
    for (const auto& e : sciezki) {
        dlugosc += e.Odleglosc / 1000.0;
        if (e.WgCennika == 1) {
            if (e.Grupa != biezaca) {
                w.dlugoscWycen += dlugoscGrupy;
                w.cenaTrasy += zaokraglij(cenaGrupy, 2);
                dlugoscGrupy = 0;
                cenaGrupy = 0;
                biezaca = e.Grupa;
            }
            dlugoscGrupy += e.Odleglosc / 1000.0;
            cenaGrupy += e.Cena;
        }
    }
    w.cenaTrasy += zaokraglij(cenaGrupy, 2);
    w.dlugoscWycen += dlugoscGrupy;
    w.dlugoscTrasy = zaokraglij(dlugosc, 3);

    for (const auto& g : d.trasa.GlowneStacje) {
        if (g.Rodzaj == kPunktPoczatkowy)
            p.ustaw(kStacjaPoczatkowa, d.siec.nazwaStacji(g.LpStacji));
        else if (g.Rodzaj == kPunktKoncowy)
            p.ustaw(kStacjaKoncowa, d.siec.nazwaStacji(g.LpStacji));
    }

    if (!sciezki.empty()) {
        const double postoje = k == 0 ? w.sumaPostojow : 0.0;
        p.ustaw(kDlugosc, w.dlugoscTrasy);
        p.ustaw(kCenaPrzejazdu, w.cenaTrasy);
        p.ustaw(kCenaPostojow, postoje);
        p.ustaw(kCenaWyliczona, w.cenaTrasy + postoje);
        p.ustaw(kWycenaPelna, w.wycenaPelna);
        p.ustaw(kDlugoscWycen, w.dlugoscWycen);
    }
    const QVariant wyliczona = p.pole(kCenaWyliczona);
    p.ustaw(kCenaRozkJazdy,
            wyliczona.isValid() ? QVariant(liczbaDniKursowania(d) * wyliczona.toDouble()) : QVariant());
    p.zatwierdz();

    PokazCzasJazdy(d);
}

void WpiszCenyDoNaglowka(Droga& d, bool postojeZawsze)
{
    const double postoje = (postojeZawsze || d.kontrolki.idRodzajuStawki == 0) ? d.wycena.sumaPostojow : 0.0;
    const double wyliczona = d.wycena.cenaTrasy + postoje;
    Pociag& p = d.pociag;
    p.ustaw(kCenaWyliczona, wyliczona);
    p.ustaw(kCenaRozkJazdy, liczbaDniKursowania(d) * wyliczona);
    p.ustaw(kCenaPrzejazdu, d.wycena.cenaTrasy);
    p.ustaw(kCenaPostojow, postoje);
    p.zatwierdz();
}

void ZerujCenyNaglowka(Droga& d)
{
    Pociag& p = d.pociag;
    p.ustaw(kCenaWyliczona, 0.0);
    p.ustaw(kCenaRozkJazdy, 0.0);
    p.ustaw(kCenaPrzejazdu, 0.0);
    p.ustaw(kCenaPostojow, 0.0);
    p.ustaw(kDlugosc, 0.0);
    p.zatwierdz();
}

void DopasujOgraniczeniaDoRodzaju(StanKontrolek& k)
{
    if (!k.dopasujDoRodzaju)
        return;
    switch (k.idRodzajuStawki) {
    case 0:
        k.zawRuchPas = true;
        k.zawRuchTow = false;
        break;
    case 1:
    case 2:
        k.zawRuchPas = false;
        k.zawRuchTow = true;
        break;
    default:
        k.zawRuchPas = false;
        k.zawRuchTow = false;
        break;
    }
}

void AktualizujPoleCenyPostojow(Droga& d)
{
    switch (d.kontrolki.idRodzajuStawki) {
    case 0:
        if (d.kontrolki.szerokie)
            d.wycena.pokazCenePostojow = true;
        else if (d.kontrolki.normalne)
            d.wycena.pokazCenePostojow = false;
        break;
    case 1:
        d.wycena.pokazCenePostojow = false;
        break;
    default:
        break;
    }
}

void ZmianaRodzajuStawki(Droga& d, int idRodzaju)
{
    d.kontrolki.idRodzajuStawki = idRodzaju;
    if (!d.trasa.Sciezki.empty()) {
        d.pociag.ZmianyPociagu = true;
        ObliczMinParametry(d);
    }
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, idRodzaju);
    ObliczMinParametry(d);
    WpiszCenyDoNaglowka(d);
    DopasujOgraniczeniaDoRodzaju(d.kontrolki);
    if (d.kontrolki.kryterium == 2) {
        ObliczMinParametry(d);
    } else {
        UstalWarunki(d);
        PrzeliczPonownieDroge(d);
    }
    AktualizujPoleCenyPostojow(d);
}

void ZmianaPrzedzialuMasy(Droga& d, int lpZakresuBr)
{
    d.kontrolki.lpZakresuBr = lpZakresuBr;
    if (!d.trasa.Sciezki.empty()) {
        d.pociag.ZmianyPociagu = true;
        ObliczMinParametry(d);
        WpiszCenyDoNaglowka(d);
    } else {
        ZerujCenyNaglowka(d);
    }
    AktualizujPoleCenyPostojow(d);
}

void ZmianaRozstawu(Droga& d)
{
    if (!d.kontrolki.wczytywaniePociagu) {
        UstalWarunki(d);
        PrzeliczPonownieDroge(d);
    }
    if (!d.trasa.Sciezki.empty()) {
        d.wycena.pokazCenePostojow = true;
        WpiszCenyDoNaglowka(d, true);
    } else {
        ZerujCenyNaglowka(d);
    }
    AktualizujPoleCenyPostojow(d);
}

} // namespace tks
