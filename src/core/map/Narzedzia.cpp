#include "Narzedzia.h"

#include "app/Droga.h"


namespace tks {

bool WcisnijNarzedzie(Droga& d, Narzedzie n)
{
    d.widok.narzedzie = n;
    Trasa& t = d.trasa;
    if (n == Narzedzie::Wskaznik) {
        const bool kandydaci = !t.OdcinkiWyboru.empty() || !t.PunktyWyboru.empty();
        t.TrybWyboru = 0;
        return kandydaci;
    }
    if (d.kontrolki.kryterium != 2)
        return false;
    switch (n) {
    case Narzedzie::Start:
        t.TrybWyboru = 1;
        break;
    case Narzedzie::Przez:
        t.TrybWyboru = 2;
        break;
    case Narzedzie::Koniec:
        t.TrybWyboru = 3;
        break;
    default:
        return false;
    }
    return !t.GlowneStacje.empty();
}

int KursorNarzedzia(Narzedzie n)
{
    switch (n) {
    case Narzedzie::Powieksz: return 21;
    case Narzedzie::Przesun: return 22;
    case Narzedzie::Start: return 23;
    case Narzedzie::Koniec: return 24;
    case Narzedzie::Przez: return 25;
    case Narzedzie::Usun: return 26;
    case Narzedzie::NiePrzez: return 27;
    case Narzedzie::Wskaznik: break;
    }
    return 0;
}

Narzedzie NarzedzieZKursora(int numer)
{
    for (const Narzedzie n : {Narzedzie::Powieksz, Narzedzie::Przesun, Narzedzie::Start, Narzedzie::Koniec,
                              Narzedzie::Przez, Narzedzie::Usun, Narzedzie::NiePrzez})
        if (KursorNarzedzia(n) == numer)
            return n;
    return Narzedzie::Wskaznik;
}

bool ZmienWidokPoKliknieciu(Widok& w, TPiksel dol, TPiksel gora)
{
    if (w.narzedzie == Narzedzie::Powieksz) {
        PowiekszMape(w, gora.x, gora.y);
        return true;
    }
    if (w.narzedzie == Narzedzie::Przesun)
        return PrzesunMape(w, dol, gora);
    return false;
}

StanNaglowka ZapamietajNaglowek(const Droga& d)
{
    return {d.pociag.pole(QStringLiteral("StacjaPoczatkowa")), d.pociag.pole(QStringLiteral("StacjaKoncowa")),
            d.pociag.pole(QStringLiteral("Dlugosc"))};
}

namespace {
bool rozne(const QVariant& a, const QVariant& b) { return a.isValid() != b.isValid() || a != b; }
} // namespace

bool AktualizujNaglowekPoKliknieciu(Droga& d, const StanNaglowka& przed)
{
    const StanNaglowka po = ZapamietajNaglowek(d);
    const bool zmiana = rozne(przed.stacjaPoczatkowa, po.stacjaPoczatkowa) ||
                        rozne(przed.stacjaKoncowa, po.stacjaKoncowa) || rozne(przed.dlugosc, po.dlugosc);
    if (zmiana) {
        d.wycena.sumaPostojow = 0;
        d.pociag.PociagStacje.wyczysc();
    }
    Pociag& p = d.pociag;
    if (p.maNaglowek()) {
        const QVariant cena = p.pole(QStringLiteral("CenaWyliczona"));
        p.ustaw(QStringLiteral("CenaRozkJazdy"),
                cena.isValid() ? QVariant(d.kalendarz.LDniKurs * cena.toDouble()) : QVariant());
        p.ustaw(QStringLiteral("CenaPostojow"), d.wycena.sumaPostojow);
        p.zatwierdz();
    }
    if (po.dlugosc.isValid())
        d.trasa.dlugoscDoNaglowka = po.dlugosc.toDouble();
    return zmiana;
}

} // namespace tks
