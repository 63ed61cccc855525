#include "PorownanieTras.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Wycenianie.h"
#include "routing/EtykietyStacji.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"

#include <algorithm>

namespace tks {
namespace {

// Sieć bieżącej trasy przeniesiona na czas porównania do stanu roboczego (bez
// kopiowania całej sieci) i oddana z powrotem z etykietami stacji sprzed porównania,
// także przy wyjątku.
class PozyczonaSiec {
public:
    PozyczonaSiec(Droga& z, Droga& do_) : z_(z), do_(do_), etykiety_(z.siec)
    {
        do_.siec = std::move(z.siec);
    }
    ~PozyczonaSiec()
    {
        z_.siec = std::move(do_.siec);
        etykiety_.przywroc(z_.siec);
    }

private:
    Droga& z_;
    Droga& do_;
    EtykietyStacji etykiety_;
};

double liczbaZNaglowka(const Pociag& p, const char* pole, double zastepcza)
{
    const QVariant v = p.pole(QString::fromLatin1(pole));
    return v.isValid() ? v.toDouble() : zastepcza;
}

} // namespace

QString nazwaKryteriumPorownania(int kryterium)
{
    switch (kryterium) {
    case 0: return QStringLiteral("najkrótsza");
    case 1: return QStringLiteral("najtańsza");
    case 3: return QStringLiteral("najszybsza");
    default: return QStringLiteral("wybór ręczny");
    }
}

bool kryteriumNaLiscie(int kryterium) { return kryterium >= 0 && kryterium <= 2; }

std::vector<TrasaKryterium> PorownajTrasy(Droga& d)
{
    std::vector<TrasaKryterium> wynik;
    if (!d.siecWczytana || d.trasa.GlowneStacje.empty())
        return wynik;

    InterakcjaSkryptowa ia;
    ia.ustawDomyslnaOdpowiedz(Odpowiedz::Nie);
    ia.ustawDomyslnyWybor(-1);
    Droga k(ia, d.katalogProgramu);
    k.siecWczytana = true;
    k.pociag.Naglowek = d.pociag.Naglowek;
    k.pociag.PociagStacje = d.pociag.PociagStacje;
    const PozyczonaSiec siec(d, k);

    for (const int kryterium : kKryteriaPorownania) {
        k.kontrolki = d.kontrolki;
        k.kontrolki.kryterium = kryterium;
        k.kontrolki.wczytywaniePociagu = false;
        k.trasa = d.trasa;
        k.trasa.Sciezki.clear();
        UsunWyborReczny(k);
        k.pociag.Naglowek = d.pociag.Naglowek;
        // wycena od zera, bez profilu i tekstów czasu bieżącej trasy
        k.wycena = Wycena{};
        k.wycena.sumaPostojow = d.wycena.sumaPostojow;
        UstalWarunki(k);
        PrzeliczPonownieDroge(k);
        SortujSciezki(k);

        TrasaKryterium t;
        t.kryterium = kryterium;
        t.kompletna = k.trasa.OdcinekBezDrogi == 0 && k.trasa.GlowneStacje.size() >= 2;
        const Wycena& w = k.wycena;
        const bool jest = !k.trasa.Sciezki.empty();
        t.dlugosc = jest ? liczbaZNaglowka(k.pociag, "Dlugosc", w.dlugoscTrasy) : 0.0;
        t.dlugoscWycen = jest ? liczbaZNaglowka(k.pociag, "DlugoscWycen", w.dlugoscWycen) : 0.0;
        t.cena = jest ? liczbaZNaglowka(k.pociag, "CenaWyliczona", w.cenaTrasy) : 0.0;
        t.cenaRozkJazdy = jest ? liczbaZNaglowka(k.pociag, "CenaRozkJazdy", 0.0) : 0.0;
        t.wycenaPelna = w.wycenaPelna;
        t.czasJazdy = jest ? w.Tr : 0;
        t.EditTr = w.EditTr;
        t.EditVr = w.EditVr;
        t.VTab = w.VTab;
        t.sredniaPredkosc = t.czasJazdy > 0 ? w.dlugoscTrasy / t.czasJazdy * 3600.0 : 0.0;
        for (const TSciezka& e : k.trasa.Sciezki) {
            t.liczbaGrup = std::max(t.liczbaGrup, e.Grupa);
            if (t.linie.empty() || t.linie.back() != e.NrLinii)
                t.linie.push_back(e.NrLinii);
        }
        t.naglowek = k.pociag.Naglowek;
        t.sciezki = std::move(k.trasa.Sciezki);
        t.komunikaty = ia.zdarzenia();
        ia.wyczysc();
        wynik.push_back(std::move(t));
    }
    return wynik;
}

QStringList wierszePorownania()
{
    return {QStringLiteral("Długość"),        QStringLiteral("Długość objęta wyceną"), QStringLiteral("Cena"),
            QStringLiteral("Cena za rozkład jazdy"), QStringLiteral("Czas jazdy"),   QStringLiteral("Średnia prędkość"),
            QStringLiteral("Grupy rozliczeniowe"), QStringLiteral("Wycena"),          QStringLiteral("Linie"),
            QStringLiteral("Trasa")};
}

QStringList komorkiPorownania(const TrasaKryterium& t)
{
    if (t.sciezki.empty())
        return QStringList(wierszePorownania().size(), QStringLiteral("—"));
    QStringList linie;
    for (int n : t.linie)
        linie << QString::number(n);
    return {formatujKm(t.dlugosc),
            formatujKm(t.dlugoscWycen),
            formatujZl(t.cena),
            formatujZl(t.cenaRozkJazdy),
            t.czasJazdy > 0 ? czasJazdyJakoTekst(t.czasJazdy) : QStringLiteral("—"),
            t.sredniaPredkosc > 0 ? QString::number(qint64(zaokraglij(t.sredniaPredkosc))) + QStringLiteral(" km/h")
                                  : QStringLiteral("—"),
            QString::number(t.liczbaGrup),
            t.wycenaPelna ? QStringLiteral("pełna") : QStringLiteral("niepełna"),
            linie.join(QStringLiteral(", ")),
            t.kompletna ? QStringLiteral("cała") : QStringLiteral("niepełna – brak drogi na części trasy")};
}

} // namespace tks
