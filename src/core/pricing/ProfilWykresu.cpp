#include "ProfilWykresu.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "routing/Przeliczanie.h"

#include <algorithm>
#include <cmath>

namespace tks {
namespace {

QString kmTekst(double km, int miejsca) { return formatujGrupy(km, miejsca); }

} // namespace

ProfilTrasy ProfilBiezacejTrasy(Droga& d)
{
    ProfilTrasy p;
    SortujSciezki(d);
    const auto& sc = d.trasa.Sciezki;
    std::size_t metry = 0;
    for (const TSciezka& e : sc)
        metry += std::size_t(std::max(0, e.Odleglosc));
    // profil z ostatniej wyceny, chyba że trasa zmieniła się od niej bez wyceny
    std::size_t metryWyceny = 0;
    for (const auto& o : d.wycena.LimityOdcinkami)
        metryWyceny += o.metry;
    if (metryWyceny != metry)
        WyznaczCzasJazdy(d);
    if (metry == 0)
        return p;

    p.metry = profilPredkosci(d.wycena);
    p.czasJazdy = d.wycena.Tr;
    p.dlugosc = d.wycena.dlugoscTrasy;

    const Siec& s = d.siec;
    const auto& punkty = d.trasa.GlowneStacje;
    std::size_t m = 0;
    int poprzLpDrogi = -1;
    for (const TSciezka& e : sc) {
        if (e.LpDrogi != poprzLpDrogi) {
            // początek odcinka drogi: punkt trasy, na którym poprzedni odcinek się kończy
            const int k = e.LpDrogi - 1;
            if (k >= 0 && std::size_t(k) < punkty.size())
                p.stacje.push_back({double(m) / 1000.0, s.nazwaStacji(punkty[std::size_t(k)].LpStacji)});
            poprzLpDrogi = e.LpDrogi;
        }
        ElementProfilu el;
        el.odMetra = m;
        m += std::size_t(std::max(0, e.Odleglosc));
        el.doMetra = m;
        el.nrLinii = e.NrLinii;
        el.odStacji = s.nazwaStacji(e.LpStOd);
        el.doStacji = s.nazwaStacji(e.LpStDo);
        p.elementy.push_back(std::move(el));
    }
    if (poprzLpDrogi >= 0 && std::size_t(poprzLpDrogi) < punkty.size())
        p.stacje.push_back({double(m) / 1000.0, s.nazwaStacji(punkty[std::size_t(poprzLpDrogi)].LpStacji)});
    p.poczatek = p.elementy.front().odStacji;
    p.koniec = p.elementy.back().doStacji;
    return p;
}

std::vector<KolumnaProfilu> kolumnyProfilu(const ProfilTrasy& p, double odKm, double doKm, int kolumny)
{
    std::vector<KolumnaProfilu> w;
    const std::size_t n = p.metry.size();
    if (n == 0 || kolumny <= 0 || !(doKm > odKm))
        return w;
    const double a = std::clamp(odKm * 1000.0, 0.0, double(n));
    const double b = std::clamp(doKm * 1000.0, 0.0, double(n));
    auto m0 = std::size_t(std::floor(a));
    auto m1 = std::size_t(std::ceil(b));
    if (m1 <= m0)
        m1 = std::min(n, m0 + 1);
    if (m0 >= n)
        return w;
    const std::size_t liczba = m1 - m0;
    const std::size_t k = std::min<std::size_t>(std::size_t(kolumny), liczba);
    w.reserve(k);
    for (std::size_t c = 0; c < k; ++c) {
        const std::size_t od = m0 + liczba * c / k;
        const std::size_t doM = m0 + liczba * (c + 1) / k;
        KolumnaProfilu kol;
        kol.odKm = double(od) / 1000.0;
        kol.doKm = double(doM) / 1000.0;
        kol.vMin = kol.limitMin = 255;
        for (std::size_t i = od; i < doM; ++i) {
            const TMetrProfilu& x = p.metry[i];
            kol.vMin = std::min<int>(kol.vMin, x.Predkosc);
            kol.vMax = std::max<int>(kol.vMax, x.Predkosc);
            kol.limitMin = std::min<int>(kol.limitMin, x.Limit);
            kol.limitMax = std::max<int>(kol.limitMax, x.Limit);
        }
        w.push_back(kol);
    }
    return w;
}

OdczytProfilu odczytProfilu(const ProfilTrasy& p, double km)
{
    OdczytProfilu o;
    if (p.metry.empty() || !(km >= 0) || km * 1000.0 >= double(p.metry.size()))
        return o;
    const auto m = std::size_t(km * 1000.0);
    o.wTrasie = true;
    o.km = km;
    o.predkosc = p.metry[m].Predkosc;
    o.limit = p.metry[m].Limit;
    const auto it = std::upper_bound(p.elementy.begin(), p.elementy.end(), m,
                                     [](std::size_t v, const ElementProfilu& e) { return v < e.doMetra; });
    if (it != p.elementy.end()) {
        o.nrLinii = it->nrLinii;
        o.odcinek = it->odStacji + QStringLiteral(" – ") + it->doStacji;
    }
    return o;
}

QString tekstOdczytu(const OdczytProfilu& o)
{
    if (!o.wTrasie)
        return {};
    return QStringLiteral("km %1 · %2 km/h · ograniczenie %3 km/h · linia %4 · %5")
        .arg(kmTekst(o.km, 3))
        .arg(o.predkosc)
        .arg(o.limit)
        .arg(o.nrLinii)
        .arg(o.odcinek);
}

QString tytulProfilu(const ProfilTrasy& p)
{
    if (p.pusty())
        return QStringLiteral("Profil prędkości – brak trasy");
    QString t = QStringLiteral("%1 – %2, %3 km").arg(p.poczatek, p.koniec, kmTekst(p.dlugosc, 3));
    if (p.czasJazdy > 0)
        t += QStringLiteral(", czas jazdy %1, średnia prędkość %2 km/h")
                 .arg(czasJazdyJakoTekst(p.czasJazdy))
                 .arg(qint64(zaokraglij(p.dlugosc / p.czasJazdy * 3600.0)));
    return t;
}

QByteArray csvProfilu(const ProfilTrasy& p)
{
    QByteArray w("km;predkosc;limit;linia\r\n");
    std::size_t e = 0;
    for (std::size_t m = 0; m < p.metry.size(); m += 100) {
        while (e < p.elementy.size() && p.elementy[e].doMetra <= m)
            ++e;
        const int linia = e < p.elementy.size() ? p.elementy[e].nrLinii : 0;
        w += QString::number(double(m) / 1000.0, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(',')).toLatin1();
        w += ';' + QByteArray::number(p.metry[m].Predkosc) + ';' + QByteArray::number(p.metry[m].Limit) + ';'
             + QByteArray::number(linia) + "\r\n";
    }
    return w;
}

} // namespace tks
