#include "trains/PrzeliczenieWszystkich.h"

#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "reports/Arkusz.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "trains/PlikiPociagu.h"
#include "trains/TabelePociagu.h"
#include "trains/ZapisPociagu.h"

#include <cmath>

namespace tks {

namespace {

bool pusta(const QVariant& v) { return !v.isValid() || v.isNull(); }

QVariant roznica(const QVariant& przed, const QVariant& teraz)
{
    if (pusta(teraz))
        return {};
    return zaokraglij(teraz.toDouble() - (pusta(przed) ? 0.0 : przed.toDouble()), 2);
}

bool rozneLiczby(const QVariant& a, const QVariant& b, double tolerancja)
{
    if (pusta(a) || pusta(b))
        return pusta(a) != pusta(b);
    return std::fabs(a.toDouble() - b.toDouble()) > tolerancja;
}

// Zapisane kolumny nagłówka różnią się (wyliczane pomijane).
bool rozneNaglowki(const Tabela& a, const Tabela& b)
{
    if (a.liczbaWierszy() == 0 || b.liczbaWierszy() == 0)
        return a.liczbaWierszy() != b.liczbaWierszy();
    for (int k = 0; k < a.liczbaKolumn(); ++k) {
        const DefinicjaKolumny& kol = a.kolumna(k);
        if (kol.wyliczana)
            continue;
        const QVariant x = a.wartosc(0, k), y = b.wartosc(0, kol.nazwa);
        if (kol.typ == TypPola::Rzeczywista || kol.typ == TypPola::DataCzas) {
            if (rozneLiczby(x, y, 1e-9))
                return true;
        } else if (pusta(x) != pusta(y) || (!pusta(x) && x != y)) {
            return true;
        }
    }
    return false;
}

} // namespace

QVariant WynikPrzeliczenia::roznicaCeny() const { return roznica(cenaPrzed, cenaTeraz); }
QVariant WynikPrzeliczenia::roznicaCenyRozk() const { return roznica(cenaRozkPrzed, cenaRozkTeraz); }

SesjaPrzeliczenia::SesjaPrzeliczenia(const Droga& wzor) : droga(interakcja, wzor.katalogProgramu)
{
    Droga& d = droga;
    d.plikUstawien = wzor.plikUstawien;
    d.plikListyPociagow = wzor.plikListyPociagow;
    d.siec = wzor.siec;
    d.siecWczytana = wzor.siecWczytana;
    d.kontrolki = wzor.kontrolki;
    d.kontrolki.wczytywaniePociagu = false;
    d.rozkladOd = wzor.rozkladOd;
    d.rozkladDo = wzor.rozkladDo;
    d.kalendarz = wzor.kalendarz;
    // wynik przeliczenia to długości i ceny: symulacja czasu jazdy (najdłuższa część
    // wyceny) nic by do niego nie wniosła
    d.wycena.bezCzasuJazdy = true;
    UstalVTab(d);
    UstalWarunki(d);
    KasujDroge(d);
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);
    d.pierwszePokazanie = false;
}

bool SesjaPrzeliczenia::przeliczJeden(WynikPrzeliczenia& w)
{
    Droga& d = droga;
    interakcja.wyczysc();
    w.odtworzona = false;
    w.trasaZmieniona = false;
    w.zmieniony = false;
    w.dlugoscTeraz = w.cenaTeraz = w.cenaRozkTeraz = QVariant();

    QString blad;
    const auto zapisany = wczytajTabele(plikTabeliPociagu(d, QStringLiteral("Naglowek"), w.id),
                                        wzorTabeliPociagu(QStringLiteral("Naglowek")), blad);
    if (!zapisany) {
        w.uwagi = blad;
        return false;
    }
    if (zapisany->liczbaWierszy() == 0) {
        w.uwagi = QStringLiteral("Brak w bazie informacji o wybranym pociągu");
        return false;
    }
    const Tabela& stary = *zapisany;
    w.nrPociagu = stary.tekst(0, QStringLiteral("NrPociagu"));
    w.dlugoscPrzed = stary.wartosc(0, QStringLiteral("Dlugosc"));
    w.cenaPrzed = stary.wartosc(0, QStringLiteral("CenaWyliczona"));
    w.cenaRozkPrzed = stary.wartosc(0, QStringLiteral("CenaRozkJazdy"));

    if (!WczytajPociag(d, w.id)) {
        const QStringList t = interakcja.teksty();
        w.uwagi = t.isEmpty() ? QStringLiteral("Pociągu nie można wczytać.") : t.last();
        return false;
    }
    const Pociag& p = d.pociag;
    QStringList uwagi;
    const int punktyWPliku = p.GlowneStacje.liczbaWierszy();
    const int punkty = int(d.trasa.GlowneStacje.size());
    if (punkty < punktyWPliku)
        uwagi << QStringLiteral("Stacji trasy nie ma w obecnej sieci: %1 z %2.").arg(punktyWPliku - punkty).arg(punktyWPliku);
    for (const QString& t : interakcja.teksty())
        if (!uwagi.contains(t))
            uwagi << t;
    const bool brakTrasy = d.trasa.Sciezki.empty() || punkty < 2;
    if (brakTrasy && uwagi.isEmpty())
        uwagi << QStringLiteral("Nie można odtworzyć trasy pociągu.");
    w.odtworzona = uwagi.isEmpty();

    w.dlugoscTeraz = p.pole(QStringLiteral("Dlugosc"));
    w.cenaTeraz = p.pole(QStringLiteral("CenaWyliczona"));
    w.cenaRozkTeraz = p.pole(QStringLiteral("CenaRozkJazdy"));
    if (!w.odtworzona) {
        // ceny niepełnej trasy nie są porównywalne z zapisanymi
        w.dlugoscTeraz = w.cenaTeraz = w.cenaRozkTeraz = QVariant();
        w.uwagi = uwagi.join(QLatin1Char(' '));
        return true;
    }
    const QVariant rodzajPrzed = stary.wartosc(0, QStringLiteral("IdRodzajuStawki"));
    if (!pusta(rodzajPrzed) && rodzajPrzed.toInt() != p.pole(QStringLiteral("IdRodzajuStawki")).toInt())
        uwagi << QStringLiteral("Rodzaju stawki %1 nie ma w obecnej sieci.").arg(rodzajPrzed.toInt());
    // trasa nie jest zapisywana z pociągiem: zmianę widać po długościach i stacjach krańcowych
    w.trasaZmieniona = rozneLiczby(w.dlugoscPrzed, w.dlugoscTeraz, 0.0005)
                       || rozneLiczby(stary.wartosc(0, QStringLiteral("DlugoscWycen")),
                                      p.pole(QStringLiteral("DlugoscWycen")), 0.0005)
                       || stary.tekst(0, QStringLiteral("StacjaPoczatkowa")) != p.pole(QStringLiteral("StacjaPoczatkowa")).toString()
                       || stary.tekst(0, QStringLiteral("StacjaKoncowa")) != p.pole(QStringLiteral("StacjaKoncowa")).toString();
    if (w.trasaZmieniona)
        uwagi << QStringLiteral("Trasa zmieniona.");
    w.zmieniony = rozneNaglowki(stary, p.Naglowek);
    w.uwagi = uwagi.join(QLatin1Char(' '));
    return true;
}

bool SesjaPrzeliczenia::zapiszJeden(WynikPrzeliczenia& w)
{
    Droga& d = droga;
    QString blad;
    if (!ZapiszPlikiPociagu(d, w.id, blad)) {
        w.uwagi = (w.uwagi.isEmpty() ? QString() : w.uwagi + QLatin1Char(' ')) + QStringLiteral("Nie zapisano: ") + blad;
        return false;
    }
    w.zapisany = true;
    d.pociag.ZmianyPociagu = false;
    // relacja na liście według nowych nazw stacji (zapis listy raz, na końcu)
    Tabela& l = d.pociag.ListaPociagow;
    const QString relacja = relacjaPociagu(d.pociag.pole(QStringLiteral("StacjaPoczatkowa")).toString(),
                                           d.pociag.pole(QStringLiteral("StacjaKoncowa")).toString());
    for (int r = 0; r < l.liczbaWierszy(); ++r)
        if (l.calkowita(r, QStringLiteral("IdPociagu"), -1) == w.id && l.tekst(r, QStringLiteral("Relacja")) != relacja) {
            l.ustaw(r, QStringLiteral("Relacja"), relacja);
            listaZmieniona_ = true;
        }
    return true;
}

bool SesjaPrzeliczenia::zapiszListe(QString& blad)
{
    if (!listaZmieniona_)
        return true;
    if (!zapiszTabele(droga.pociag.ListaPociagow, plikListyPociagow(droga), blad))
        return false;
    listaZmieniona_ = false;
    return true;
}

bool SesjaPrzeliczenia::przelicz(WynikiPrzeliczenia& w, bool zapisz, const PostepPrzeliczenia& postep, QString& blad)
{
    w = WynikiPrzeliczenia();
    Droga& d = droga;
    auto lista = wczytajListePociagow(d, blad);
    if (!lista)
        return false;
    d.pociag.ListaPociagow = *lista;
    d.pociag.listaOtwarta = true;
    lista->ustawIndeks(QStringLiteral("IdPociagu"));
    QVector<int> id;
    for (int r : lista->widok())
        if (const int i = lista->calkowita(r, QStringLiteral("IdPociagu")); i != 0)
            id.append(i);

    for (int i = 0; i < id.size(); ++i) {
        if (postep && !postep(i, int(id.size()))) {
            w.przerwane = true;
            break;
        }
        WynikPrzeliczenia r;
        r.id = id[i];
        przeliczJeden(r);
        if (!r.odtworzona)
            ++w.nieodtworzone;
        else if (zapisz && r.zmieniony) {
            if (zapiszJeden(r))
                ++w.zapisane;
            else
                ++w.bledyZapisu;
        }
        w.pociagi.append(std::move(r));
    }
    if (postep && !w.przerwane)
        postep(int(id.size()), int(id.size()));
    QString bladListy;
    if (!zapiszListe(bladListy)) {
        blad = bladListy;
        ++w.bledyZapisu;
    }
    KasujDroge(d);
    return true;
}

void SesjaPrzeliczenia::zapiszZmienione(WynikiPrzeliczenia& w, const PostepPrzeliczenia& postep)
{
    QVector<int> doZapisu;
    for (int i = 0; i < w.pociagi.size(); ++i)
        if (w.pociagi[i].odtworzona && w.pociagi[i].zmieniony && !w.pociagi[i].zapisany)
            doZapisu.append(i);
    w.przerwane = false;
    for (int n = 0; n < doZapisu.size(); ++n) {
        if (postep && !postep(n, int(doZapisu.size()))) {
            w.przerwane = true;
            break;
        }
        WynikPrzeliczenia& r = w.pociagi[doZapisu[n]];
        // ponowne wczytanie: zapisywany jest pociąg wyceniony na sieci z tej chwili
        if (!przeliczJeden(r) || !r.odtworzona) {
            ++w.bledyZapisu;
            continue;
        }
        if (!r.zmieniony)
            continue;
        if (zapiszJeden(r))
            ++w.zapisane;
        else
            ++w.bledyZapisu;
    }
    if (postep && !w.przerwane)
        postep(int(doZapisu.size()), int(doZapisu.size()));
    QString blad;
    if (!zapiszListe(blad))
        ++w.bledyZapisu;
    KasujDroge(droga);
}

const QVector<QPair<QString, QString>>& tytulyPrzeliczenia()
{
    static const QVector<QPair<QString, QString>> t = {
        {QStringLiteral("IdPociagu"), QStringLiteral("Id")},
        {QStringLiteral("NrPociagu"), QStringLiteral("Nr pociągu")},
        {QStringLiteral("DlugoscPrzed"), QStringLiteral("Długość przed")},
        {QStringLiteral("DlugoscTeraz"), QStringLiteral("Długość teraz")},
        {QStringLiteral("CenaPrzed"), QStringLiteral("Cena trasy przed")},
        {QStringLiteral("CenaTeraz"), QStringLiteral("Cena trasy teraz")},
        {QStringLiteral("RoznicaCeny"), QStringLiteral("Różnica ceny trasy")},
        {QStringLiteral("CenaRozkPrzed"), QStringLiteral("Cena rozkładu przed")},
        {QStringLiteral("CenaRozkTeraz"), QStringLiteral("Cena rozkładu teraz")},
        {QStringLiteral("RoznicaCenyRozk"), QStringLiteral("Różnica ceny rozkładu")},
        {QStringLiteral("Odtworzona"), QStringLiteral("Trasa odtworzona")},
        {QStringLiteral("TrasaZmieniona"), QStringLiteral("Trasa zmieniona")},
        {QStringLiteral("Zapisany"), QStringLiteral("Zapisano")},
        {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")},
    };
    return t;
}

Tabela tabelaPrzeliczenia(const WynikiPrzeliczenia& w)
{
    const auto I = TypPola::Calkowita, F = TypPola::Rzeczywista, B = TypPola::Logiczna, M = TypPola::Memo;
    Tabela t(QStringLiteral("Przeliczenie"),
             {{QStringLiteral("IdPociagu"), I},      {QStringLiteral("NrPociagu"), TypPola::Tekst, 25},
              {QStringLiteral("DlugoscPrzed"), F},   {QStringLiteral("DlugoscTeraz"), F},
              {QStringLiteral("CenaPrzed"), F},      {QStringLiteral("CenaTeraz"), F},
              {QStringLiteral("RoznicaCeny"), F},    {QStringLiteral("CenaRozkPrzed"), F},
              {QStringLiteral("CenaRozkTeraz"), F},  {QStringLiteral("RoznicaCenyRozk"), F},
              {QStringLiteral("Odtworzona"), B},     {QStringLiteral("TrasaZmieniona"), B},
              {QStringLiteral("Zapisany"), B},       {QStringLiteral("Uwagi"), M}});
    for (const WynikPrzeliczenia& p : w.pociagi) {
        const int r = t.dodajWiersz();
        t.ustaw(r, 0, p.id);
        t.ustaw(r, 1, p.nrPociagu.isEmpty() ? QVariant() : QVariant(p.nrPociagu));
        t.ustaw(r, 2, p.dlugoscPrzed);
        t.ustaw(r, 3, p.dlugoscTeraz);
        t.ustaw(r, 4, p.cenaPrzed);
        t.ustaw(r, 5, p.cenaTeraz);
        t.ustaw(r, 6, p.roznicaCeny());
        t.ustaw(r, 7, p.cenaRozkPrzed);
        t.ustaw(r, 8, p.cenaRozkTeraz);
        t.ustaw(r, 9, p.roznicaCenyRozk());
        t.ustaw(r, 10, p.odtworzona);
        t.ustaw(r, 11, p.trasaZmieniona);
        t.ustaw(r, 12, p.zapisany);
        t.ustaw(r, 13, p.uwagi.isEmpty() ? QVariant() : QVariant(p.uwagi));
    }
    return t;
}

namespace {
ZmianaCeny kierunek(bool odtworzona, const QVariant& roznicaRozk, const QVariant& roznicaCeny)
{
    if (!odtworzona)
        return ZmianaCeny::NieOdtworzono;
    // cena rozkładu 0 (pociąg bez dni kursowania) nie mówi nic o zmianie stawek
    const QVariant r = !pusta(roznicaRozk) && std::fabs(roznicaRozk.toDouble()) >= 0.005 ? roznicaRozk : roznicaCeny;
    if (pusta(r))
        return ZmianaCeny::BezZmian;
    if (r.toDouble() >= 0.005)
        return ZmianaCeny::Drozej;
    if (r.toDouble() <= -0.005)
        return ZmianaCeny::Taniej;
    return ZmianaCeny::BezZmian;
}
} // namespace

ZmianaCeny zmianaCeny(const WynikPrzeliczenia& w)
{
    return kierunek(w.odtworzona, w.roznicaCenyRozk(), w.roznicaCeny());
}

ZmianaCeny zmianaCenyWiersza(const Tabela& t, int wiersz)
{
    return kierunek(t.logiczna(wiersz, QStringLiteral("Odtworzona")), t.wartosc(wiersz, QStringLiteral("RoznicaCenyRozk")),
                    t.wartosc(wiersz, QStringLiteral("RoznicaCeny")));
}

QString podsumowaniePrzeliczenia(const WynikiPrzeliczenia& w)
{
    int drozsze = 0, tansze = 0, zmienioneTrasy = 0;
    for (const WynikPrzeliczenia& p : w.pociagi) {
        const ZmianaCeny z = zmianaCeny(p);
        drozsze += z == ZmianaCeny::Drozej;
        tansze += z == ZmianaCeny::Taniej;
        if (p.trasaZmieniona)
            ++zmienioneTrasy;
    }
    QString s = QStringLiteral("Przeliczono pociągów: %1. Droższe: %2, tańsze: %3, ze zmienioną trasą: %4, "
                               "bez odtworzonej trasy: %5.")
                    .arg(w.pociagi.size())
                    .arg(drozsze)
                    .arg(tansze)
                    .arg(zmienioneTrasy)
                    .arg(w.nieodtworzone);
    if (w.zapisane || w.bledyZapisu)
        s += QStringLiteral(" Zapisano: %1, błędy zapisu: %2.").arg(w.zapisane).arg(w.bledyZapisu);
    if (w.przerwane)
        s += QStringLiteral(" Przerwano przed końcem.");
    return s;
}

Arkusz arkuszPrzeliczenia(const Tabela& t)
{
    QVector<PoleArkusza> pola;
    for (const auto& [pole, tytul] : tytulyPrzeliczenia()) {
        FormatKomorki f = FormatKomorki::Tekst;
        if (pole.startsWith(QLatin1String("Dlugosc")))
            f = FormatKomorki::Km;
        else if (pole.startsWith(QLatin1String("Cena")) || pole.startsWith(QLatin1String("Roznica")))
            f = FormatKomorki::Zl;
        else if (pole == QLatin1String("IdPociagu"))
            f = FormatKomorki::Calkowita;
        pola.append({pole, tytul, f});
    }
    return arkuszZTabeli(QStringLiteral("Przeliczenie"), t, pola);
}

} // namespace tks
