#include "ZapisPociagu.h"

#include "EdytorNaglowka.h"
#include "NowyPociag.h"
#include "PlikiPociagu.h"
#include "TabelePociagu.h"
#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "routing/BrakDrogi.h"
#include "routing/Kontrolki.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace tks {
namespace {

const QString kBlad = QStringLiteral("Błąd");
const QString kUwagaWykrzyknik = QStringLiteral("Uwaga !");

// Wartość całkowita pola albo brak (Null).
std::optional<int> liczba(const Tabela& t, int w, const char* kolumna)
{
    const QVariant v = t.wartosc(w, QString::fromLatin1(kolumna));
    return v.isValid() ? std::optional<int>(v.toInt()) : std::nullopt;
}

// Liczba wierszy, którymi różnią się dwie tabele o tych samych kolumnach.
int rozneWiersze(const Tabela& a, const Tabela& b)
{
    const int n = std::max(a.liczbaWierszy(), b.liczbaWierszy());
    int r = 0;
    for (int w = 0; w < n; ++w) {
        bool rowne = w < a.liczbaWierszy() && w < b.liczbaWierszy();
        for (int k = 0; rowne && k < a.liczbaKolumn(); ++k)
            rowne = a.wartosc(w, k) == b.wartosc(w, k) && a.wartosc(w, k).isValid() == b.wartosc(w, k).isValid();
        r += rowne ? 0 : 1;
    }
    return r;
}

// Linia punktu głównego do zapisu: własna, gdy nie 0; inaczej linia ostatniego
// elementu trasy jego grupy, który zaczyna się albo kończy na jego stacji; Null, gdy brak.
QVariant liniaPunktu(const Droga& d, const TGlownaStacja& g)
{
    if (g.NrLinii != 0)
        return g.NrLinii;
    QVariant linia;
    for (const TSciezka& e : d.trasa.Sciezki)
        if (e.NrGrupy == g.NrGrupy && (e.LpStOd == g.LpStacji || e.LpStDo == g.LpStacji))
            linia = e.NrLinii;
    return linia;
}

// Tabele zapisu z trasy bieżącego pociągu.
Tabela tabelaGlownychStacji(const Droga& d, int id)
{
    Tabela t = nowaTabelaGlowneStacje();
    const auto& P = d.trasa.GlowneStacje;
    for (std::size_t k = 0; k < P.size(); ++k) {
        const TGlownaStacja& g = P[k];
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("IdPociagu"), id);
        t.ustaw(w, QStringLiteral("LpGlStacji"), int(k));
        t.ustaw(w, QStringLiteral("IdObEksp"), d.siec.Stacje[std::size_t(g.LpStacji)].IdObEksp);
        t.ustaw(w, QStringLiteral("Rodzaj"), int(g.Rodzaj));
        t.ustaw(w, QStringLiteral("NrGrupy"), g.NrGrupy);
        t.ustaw(w, QStringLiteral("NrLinii"), liniaPunktu(d, g));
    }
    return t;
}

Tabela tabelaOdcinkowZabronionych(const Droga& d, int id)
{
    Tabela t = nowaTabelaOdcinkiZabronione();
    for (int e : d.trasa.ListaOdcinkowZabronionych) {
        const TOdcinek& o = d.siec.Odcinki[std::size_t(e)];
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("IdPociagu"), id);
        t.ustaw(w, QStringLiteral("NrLinii"), int(o.NrLinii));
        t.ustaw(w, QStringLiteral("IdObEkspOd"), o.IdObA);
        t.ustaw(w, QStringLiteral("IdObEkspDo"), o.IdObB);
    }
    return t;
}

Tabela tabelaStacjiZabronionych(const Droga& d, int id)
{
    Tabela t = nowaTabelaStacjeZabronione();
    for (int s : d.trasa.ListaStacjiZabronionych) {
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("IdPociagu"), id);
        t.ustaw(w, QStringLiteral("IdObEksp"), d.siec.Stacje[std::size_t(s)].IdObEksp);
    }
    return t;
}

// Stacje o danym IdObEksp, w kolejności indeksów.
template <typename F>
void dlaStacji(const Siec& s, int idOb, F f)
{
    for (int i = 0; i < s.liczbaStacji(); ++i)
        if (s.Stacje[std::size_t(i)].IdObEksp == idOb)
            f(i);
}

bool stacjaMaLinie(const Siec& s, int stacja, int linia)
{
    for (int e : s.OdcinkiStacji[std::size_t(stacja)])
        if (s.Odcinki[std::size_t(e)].NrLinii == linia)
            return true;
    return false;
}

// Kroki wczytania od warunków po punkty główne (tabele już w pamięci).
void odtworzWarunkiIOznaczenia(Droga& d, const TabeleZPlikow& t)
{
    Pociag& p = d.pociag;
    StanKontrolek& k = d.kontrolki;
    Siec& s = d.siec;

    // rodzaj i przedział masy (nieznane w obecnej sieci: pierwsze dostępne)
    int rodzaj = liczba(p.Naglowek, 0, "IdRodzajuStawki").value_or(k.idRodzajuStawki);
    if (wierszRodzaju(s, rodzaj) < 0)
        rodzaj = pierwszyRodzaj(s);
    k.idRodzajuStawki = rodzaj;
    int przedzial = liczba(p.Naglowek, 0, "LpZakresuBr").value_or(-1);
    if (wierszPrzedzialu(s, rodzaj, przedzial) < 0)
        przedzial = pierwszyPrzedzial(s, rodzaj);
    k.lpZakresuBr = przedzial;

    // kryterium i kontrolki ograniczeń (0x0800: "Dopasuj do rodzaju poc.")
    const int kryterium = liczba(p.Naglowek, 0, "IdKryteriumWyboru").value_or(0);
    k.kryterium = (kryterium >= 0 && kryterium <= 3) ? kryterium : 0;
    UstawKontrolkiZOgraniczen(k, liczba(p.Naglowek, 0, "Ograniczenia").value_or(0));
    // plik bez "Vmax tab." (starszy zapis) zostawia pole, jakie jest
    if (const auto vtab = liczba(p.Naglowek, 0, "VTab"))
        k.vmaxTekst = QString::number(*vtab);
    UstalWarunki(d);

    // stacje i odcinki wykluczone; te, których nie ma w sieci, są pomijane
    for (int w = 0; w < t.StacjeZabronione.liczbaWierszy(); ++w) {
        const auto id = liczba(t.StacjeZabronione, w, "IdObEksp");
        if (!id)
            continue;
        dlaStacji(s, *id, [&](int i) {
            d.trasa.ListaStacjiZabronionych.push_back(i);
            s.Stacje[std::size_t(i)].OdlMin = kWykluczona;
        });
    }
    for (int w = 0; w < t.OdcinkiZabronione.liczbaWierszy(); ++w) {
        const auto linia = liczba(t.OdcinkiZabronione, w, "NrLinii");
        const auto od = liczba(t.OdcinkiZabronione, w, "IdObEkspOd");
        const auto doSt = liczba(t.OdcinkiZabronione, w, "IdObEkspDo");
        if (!linia || !od || !doSt)
            continue;
        for (int e = 0; e < s.liczbaOdcinkow(); ++e) {
            TOdcinek& o = s.Odcinki[std::size_t(e)];
            if (o.NrLinii == *linia && ((o.IdObA == *od && o.IdObB == *doSt) || (o.IdObA == *doSt && o.IdObB == *od))) {
                d.trasa.ListaOdcinkowZabronionych.push_back(e);
                o.Cechy |= cechy::Zabroniony;
            }
        }
    }

    // punkty główne w kolejności LpGlStacji
    QVector<int> wiersze;
    for (int w = 0; w < t.GlowneStacje.liczbaWierszy(); ++w)
        wiersze.append(w);
    std::stable_sort(wiersze.begin(), wiersze.end(), [&](int a, int b) {
        return liczba(t.GlowneStacje, a, "LpGlStacji").value_or(INT32_MAX)
               < liczba(t.GlowneStacje, b, "LpGlStacji").value_or(INT32_MAX);
    });
    auto& P = d.trasa.GlowneStacje;
    for (int w : wiersze) {
        const auto id = liczba(t.GlowneStacje, w, "IdObEksp");
        const int grupa = liczba(t.GlowneStacje, w, "NrGrupy").value_or(0);
        d.trasa.LicznikGrup = std::max(d.trasa.LicznikGrup, grupa);
        if (!id)
            continue;
        dlaStacji(s, *id, [&](int i) {
            TGlownaStacja g;
            g.Rodzaj = std::uint8_t(liczba(t.GlowneStacje, w, "Rodzaj").value_or(0));
            g.LpStacji = i;
            g.NrGrupy = grupa;
            g.NrLinii = liczba(t.GlowneStacje, w, "NrLinii").value_or(0);
            g.OdlDoPunktu = kNieosiagnieta;
            g.Xkm = s.Stacje[std::size_t(i)].Xkm;
            g.Ykm = s.Stacje[std::size_t(i)].Ykm;
            P.push_back(g);
        });
    }
    // wybór ręczny: linia zostaje, gdy obie stacje odcinka drogi leżą na niej
    if (k.kryterium == 2)
        for (std::size_t i = 1; i < P.size(); ++i)
            if (!stacjaMaLinie(s, P[i - 1].LpStacji, P[i].NrLinii) || !stacjaMaLinie(s, P[i].LpStacji, P[i].NrLinii))
                P[i].NrLinii = -1;
}

} // namespace

// ---- okna skryptowe ----

bool OknaPociaguSkryptowe::naglowek(Droga& d, bool trybEdycji)
{
    ++liczbaNaglowkow;
    if (wypelnijNaglowek)
        wypelnijNaglowek(d);
    d.pociag.zatwierdz();
    if (anulujNaglowek)
        return false;
    return trybEdycji || SprawdzNaglowekDoZapisu(d);
}

void OknaPociaguSkryptowe::kalendarz(Droga& d)
{
    if (edytujKalendarz)
        edytujKalendarz(d);
}

int OknaPociaguSkryptowe::wyborPociagu(Droga&) { return wybierz; }

// ---- lista i identyfikatory ----

QString relacjaPociagu(const QString& poczatkowa, const QString& koncowa)
{
    return poczatkowa.trimmed() + QStringLiteral(" - ") + koncowa.trimmed();
}

bool OtworzListePociagow(Droga& d)
{
    Pociag& p = d.pociag;
    if (p.listaOtwarta)
        return true;
    QString blad;
    auto lista = wczytajListePociagow(d, blad);
    if (!lista) {
        d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
        return false;
    }
    p.ListaPociagow = std::move(*lista);
    p.listaOtwarta = true;
    return true;
}

int NoweId(Droga& d)
{
    if (!OtworzListePociagow(d))
        return 0;
    const Tabela& l = d.pociag.ListaPociagow;
    int najwyzszy = 0;
    for (int w = 0; w < l.liczbaWierszy(); ++w)
        najwyzszy = std::max(najwyzszy, l.calkowita(w, QStringLiteral("IdPociagu")));
    // Pociąg, którego nie ma na liście (lista zgubiona albo odtworzona), ma jeszcze
    // pliki: jego numer też jest zajęty, inaczej nowy pociąg nadpisałby jego pliki.
    static const QRegularExpression wzorNaglowka(QStringLiteral("^Naglowek_(\\d{1,10})\\.cds$"),
                                                QRegularExpression::CaseInsensitiveOption);
    for (const QString& plik : QDir(katalogPociagow(d)).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = wzorNaglowka.match(plik);
        if (m.hasMatch())
            najwyzszy = int(std::max<qint64>(najwyzszy, std::min<qint64>(m.captured(1).toLongLong(), INT32_MAX)));
    }
    if (najwyzszy >= INT32_MAX) {
        d.interakcja.komunikat(QStringLiteral("Nie ma wolnego numeru pociągu (najwyższy zajęty to %1).").arg(najwyzszy),
                               kBlad, Ikona::Blad);
        return 0;
    }
    return najwyzszy + 1;
}

// ---- zapis ----

bool ZapiszPlikiPociagu(Droga& d, int id, QString& blad)
{
    Pociag& p = d.pociag;
    p.GlowneStacje = tabelaGlownychStacji(d, id);
    p.OdcinkiZabronione = tabelaOdcinkowZabronionych(d, id);
    p.StacjeZabronione = tabelaStacjiZabronionych(d, id);
    // kalendarz tylko dla pociągu, który kursuje choć jeden dzień
    const auto dni = liczba(p.Naglowek, 0, "LDniKurs");
    p.Kalendarz = (dni && *dni > 0) ? WierszeKalendarza(d.kalendarz, id) : nowaTabelaKalendarz();

    // pliki pociągu razem: nieudany zapis (pełny dysk) nie zostawia mieszaniny nowych i starych
    return zapiszTabeleRazem(d, id,
                             {{"Naglowek", &p.Naglowek},
                              {"PociagStacje", &p.PociagStacje},
                              {"GlowneStacje", &p.GlowneStacje},
                              {"OdcinkiZabronione", &p.OdcinkiZabronione},
                              {"StacjeZabronione", &p.StacjeZabronione},
                              {"Kalendarz", &p.Kalendarz}},
                             blad);
}

WynikZapisu ZapiszPociagZWynikiem(Droga& d, OknaPociagu& okna)
{
    const auto& P = d.trasa.GlowneStacje;
    if (P.empty() || P.front().Rodzaj != kPunktPoczatkowy) {
        d.interakcja.komunikat(QStringLiteral("Proszę oznaczyć stację początkową"), QStringLiteral("Uwaga"),
                               Ikona::Ostrzezenie);
        return WynikZapisu::BrakPunktow;
    }
    if (P.back().Rodzaj != kPunktKoncowy) {
        d.interakcja.komunikat(QStringLiteral("Proszę oznaczyć stację końcową"), QStringLiteral("Uwaga"),
                               Ikona::Ostrzezenie);
        return WynikZapisu::BrakPunktow;
    }
    if (!okna.naglowek(d, false))
        return WynikZapisu::Anulowano;

    Pociag& p = d.pociag;
    bool nowoWpisany = false;
    if (p.IdBiezacegoPociagu == 0) {
        const int noweId = NoweId(d);
        if (noweId <= 0)
            return WynikZapisu::BladListy;
        p.IdBiezacegoPociagu = noweId;
        p.ustaw(QStringLiteral("IdPociagu"), noweId);
        p.zatwierdz();
        nowoWpisany = true;
    }
    const int id = p.IdBiezacegoPociagu;

    // "Vmax tab." z pociągiem: po wczytaniu ten sam czas jazdy co przy zapisie
    p.ustaw(QStringLiteral("VTab"), UstalVTab(d));
    {
        QString blad;
        if (!ZapiszPlikiPociagu(d, id, blad)) {
            d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
            return WynikZapisu::BladPliku;
        }
    }

    // wiersz listy; lista w pamięci zmienia się dopiero po udanym zapisie pliku
    if (!OtworzListePociagow(d))
        return WynikZapisu::BladListy;
    Tabela lista = p.ListaPociagow;
    int w = -1;
    if (!nowoWpisany)
        for (int i = 0; i < lista.liczbaWierszy() && w < 0; ++i)
            if (lista.wartosc(i, QStringLiteral("IdPociagu")) == QVariant(id))
                w = i;
    if (w < 0)
        w = lista.dodajWiersz();
    lista.ustaw(w, QStringLiteral("IdPociagu"), id);
    lista.ustaw(w, QStringLiteral("NrPociagu"), p.pole(QStringLiteral("NrPociagu")));
    lista.ustaw(w, QStringLiteral("NazwaPociagu"), p.pole(QStringLiteral("NazwaPociagu")));
    lista.ustaw(w, QStringLiteral("Relacja"),
                relacjaPociagu(p.pole(QStringLiteral("StacjaPoczatkowa")).toString(),
                               p.pole(QStringLiteral("StacjaKoncowa")).toString()));
    QString blad;
    if (!zapiszTabele(lista, plikListyPociagow(d), blad)) {
        d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
        return WynikZapisu::BladPliku;
    }
    p.ListaPociagow = std::move(lista);

    p.ZmianyPociagu = false;
    p.zapomnijZmianyNaglowka();
    p.NowyPociag = false;   // zapisany pociąg ma numer: tytuł okna i pytania już z nim
    return WynikZapisu::Zapisano;
}

// ---- wczytanie ----

bool WczytajPociag(Droga& d, int id)
{
    QString blad;
    auto pliki = wczytajPlikiPociagu(d, id, blad);
    if (!pliki) {
        d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
        return false;
    }
    Pociag& p = d.pociag;
    p.NowyPociag = false;
    p.Naglowek = std::move(pliki->Naglowek);
    while (p.Naglowek.liczbaWierszy() > 1)   // nagłówek ma dokładnie jeden wiersz
        p.Naglowek.usunWiersz(p.Naglowek.liczbaWierszy() - 1);
    KasujDroge(d);
    if (!p.maNaglowek()) {
        d.interakcja.komunikat(QStringLiteral("Brak w bazie informacji o wybranym pociągu"), kUwagaWykrzyknik,
                               Ikona::Blad);
        // bez wiersza nagłówka nic nie dałoby się wycenić ani zapisać: nowy pociąg
        TworzNowyPociag(d);
        return false;
    }
    p.PociagStacje = std::move(pliki->PociagStacje);

    d.kontrolki.wczytywaniePociagu = true;
    odtworzWarunkiIOznaczenia(d, *pliki);
    p.GlowneStacje = std::move(pliki->GlowneStacje);
    p.OdcinkiZabronione = std::move(pliki->OdcinkiZabronione);
    p.StacjeZabronione = std::move(pliki->StacjeZabronione);
    p.Trasa = std::move(pliki->Trasa);
    p.Kalendarz = std::move(pliki->Kalendarz);
    WczytajKalendarz(d, p.Kalendarz);

    // mapa w trybie wskaźnika, trasa od nowa przy obecnej sieci
    d.trasa.TrybWyboru = 0;
    PrzeliczPonownieDroge(d);
    d.kontrolki.wczytywaniePociagu = false;
    // Odcinek, którego nie da się odtworzyć na obecnej sieci: trasa kończy się przed nim,
    // więc planista musi się dowiedzieć, dlaczego.
    if (const int a = d.trasa.OdcinekBezDrogi; a > 0) {
        const int od = d.trasa.GlowneStacje[std::size_t(a - 1)].LpStacji;
        const int doSt = d.trasa.GlowneStacje[std::size_t(a)].LpStacji;
        ZglosBrakDrogi(d, od, doSt, tekstNieMoznaWyznaczyc(d, od, doSt));
    }

    p.IdBiezacegoPociagu = id;
    p.ZmianyPociagu = false;
    p.zapomnijZmianyNaglowka();
    return true;
}

// ---- usunięcie ----

bool UsunPociag(Droga& d, int id, const QString& nrPociagu)
{
    const QString informacja = kUwagaWykrzyknik;
    if (id != 0) {
        for (const QString& n : nazwyTabelPociagu()) {
            const QString plik = plikTabeliPociagu(d, n, id);
            if (QFileInfo::exists(plik) && !QFile::remove(plik)) {
                d.interakcja.komunikat(QStringLiteral("Nie można usunąć pliku \"%1\".").arg(plik), kBlad,
                                       Ikona::Blad);
                return false;
            }
        }
        if (!OtworzListePociagow(d))
            return false;
        Tabela lista = d.pociag.ListaPociagow;
        int w = -1;
        for (int i = 0; i < lista.liczbaWierszy() && w < 0; ++i)
            if (lista.wartosc(i, QStringLiteral("IdPociagu")) == QVariant(id))
                w = i;
        if (w >= 0) {
            lista.usunWiersz(w);
            QString blad;
            if (!zapiszTabele(lista, plikListyPociagow(d), blad)) {
                d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
                return false;
            }
            d.pociag.ListaPociagow = std::move(lista);
        } else {
            d.interakcja.komunikat(QStringLiteral("Podczs usuwania pociagu z bazy pojawiły sie błędy. "), informacja,
                                   Ikona::Informacja);
        }
    }
    d.interakcja.komunikat(
        QStringLiteral("Pomyślnie usunięto pociąg o numerze ") + nrPociagu + QStringLiteral(" z bazy. "), informacja,
        Ikona::Informacja);
    return true;
}

// ---- kalendarz ----

int kalendarz(Droga& d, OknaPociagu& okna)
{
    const Tabela przed = WierszeKalendarza(d.kalendarz);
    const Tabela naglowekPrzed = d.pociag.Naglowek;
    okna.kalendarz(d);
    const int zmiany =
        rozneWiersze(przed, WierszeKalendarza(d.kalendarz)) + rozneWiersze(naglowekPrzed, d.pociag.Naglowek);
    if (zmiany > 0)
        d.pociag.ZmianyPociagu = true;
    return zmiany;
}

void ZamknijTabelePociagu(Droga& d)
{
    const int id = d.pociag.IdBiezacegoPociagu;
    if (id == 0 || !pociagIstnieje(d, id))
        return;
    const QString plik = plikTabeliPociagu(d, QStringLiteral("Trasa"), id);
    if (QFileInfo::exists(plik))
        return;
    QString blad;
    zapiszTabele(d.pociag.Trasa, plik, blad);
}

} // namespace tks
