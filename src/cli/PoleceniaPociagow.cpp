// Polecenie train: lista zapisanych pociągów, tabele pociągu, ponowna wycena
// pociągu na obecnej sieci, usunięcie i zapis nowego pociągu. Te same operacje
// rdzenia co menu "Plik" i lista pociągów okien.

#include "common/BledyPlikow.h"
#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"
#include "trains/PlikiPociagu.h"
#include "trains/ZapisPociagu.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

namespace tks::cli {
namespace {

QString katalog(const Argumenty& a) { return a.wartosc(QStringLiteral("dir"), QDir::currentPath()); }

// Ostatni komunikat rdzenia (opis błędu operacji).
QString ostatniKomunikat(const InterakcjaSkryptowa& ia, const QString& domyslny)
{
    return ia.zdarzenia().isEmpty() ? domyslny : ia.zdarzenia().back().tekst;
}

int idPociagu(const Argumenty& a, const QString& polecenie)
{
    if (a.pozycyjne().size() != 1)
        throw BladUzycia(QStringLiteral("Użycie: taksatura-cli train %1 ID").arg(polecenie));
    bool ok = false;
    const int id = a.pozycyjne().first().toInt(&ok);
    if (!ok || id <= 0)
        throw BladUzycia(
            QStringLiteral("Identyfikator pociągu musi być dodatnią liczbą całkowitą: %1").arg(a.pozycyjne().first()));
    return id;
}

void bezArgumentow(const Argumenty& a)
{
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
}

QString nieMaPociagu(int id) { return QStringLiteral("Nie ma pociągu o identyfikatorze %1.").arg(id); }

// Wiersz listy pociągu o danym id albo -1.
int wierszListy(const Tabela& l, int id)
{
    for (int w = 0; w < l.liczbaWierszy(); ++w)
        if (l.calkowita(w, QStringLiteral("IdPociagu"), -1) == id)
            return w;
    return -1;
}

int trainList(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne());
    bezArgumentow(a);
    InterakcjaSkryptowa ia;
    Droga d(ia, katalog(a));
    if (!OtworzListePociagow(d))
        throw BladUzycia(ostatniKomunikat(ia, QStringLiteral("Nie można odczytać listy pociągów.")));
    Tabela& l = d.pociag.ListaPociagow;
    l.ustawIndeks(QStringLiteral("IdPociagu"));
    wypiszJson(QJsonObject{{QStringLiteral("ListaPociagow"), tabelaJakoJson(l)}});
    return 0;
}

int trainShow(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne());
    const int id = idPociagu(a, QStringLiteral("show"));
    InterakcjaSkryptowa ia;
    const Droga d(ia, katalog(a));
    if (!pociagIstnieje(d, id))
        throw BladUzycia(nieMaPociagu(id));
    QString blad;
    const auto t = wczytajPlikiPociagu(d, id, blad);
    if (!t)
        throw BladUzycia(blad);
    wypiszJson(QJsonObject{{QStringLiteral("IdPociagu"), id},
                           {QStringLiteral("Naglowek"), tabelaJakoJson(t->Naglowek)},
                           {QStringLiteral("PociagStacje"), tabelaJakoJson(t->PociagStacje)},
                           {QStringLiteral("GlowneStacje"), tabelaJakoJson(t->GlowneStacje)},
                           {QStringLiteral("OdcinkiZabronione"), tabelaJakoJson(t->OdcinkiZabronione)},
                           {QStringLiteral("StacjeZabronione"), tabelaJakoJson(t->StacjeZabronione)},
                           {QStringLiteral("Kalendarz"), tabelaJakoJson(t->Kalendarz)},
                           {QStringLiteral("Trasa"), tabelaJakoJson(t->Trasa)}});
    return 0;
}

// Błąd zapisu pociągu jako wyjątek z ostatnim komunikatem rdzenia.
void zglosWynikZapisu(WynikZapisu w, const InterakcjaSkryptowa& ia)
{
    const QString tekst = ostatniKomunikat(ia, QStringLiteral("Pociągu nie zapisano."));
    switch (w) {
    case WynikZapisu::Zapisano: return;
    case WynikZapisu::BladPliku: throw BladOperacji(tekst);
    default: throw BladUzycia(tekst);
    }
}

int trainPrice(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + QStringList{QStringLiteral("level")}, {QStringLiteral("save")});
    const int id = idPociagu(a, QStringLiteral("price"));
    const int poziom = a.liczba(QStringLiteral("level"), 0);
    if (poziom < 0 || poziom > 2)
        throw BladUzycia(QStringLiteral("Opcja --level: poziom musi być liczbą od 0 do 2."));
    auto sesja = przygotujTrase(a);
    Droga& d = sesja->droga;
    if (!pociagIstnieje(d, id))
        throw BladUzycia(nieMaPociagu(id));
    if (!WczytajPociag(d, id))
        throw BladUzycia(ostatniKomunikat(sesja->interakcja, nieMaPociagu(id)));
    if (a.flaga(QStringLiteral("save"))) {
        OknaPociaguSkryptowe okna;
        zglosWynikZapisu(ZapiszPociagZWynikiem(d, okna), sesja->interakcja);
    }
    wypiszTraseJson(*sesja, poziom);
    return 0;
}

int trainDelete(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne());
    const int id = idPociagu(a, QStringLiteral("delete"));
    InterakcjaSkryptowa ia;
    Droga d(ia, katalog(a));
    if (!OtworzListePociagow(d))
        throw BladUzycia(ostatniKomunikat(ia, QStringLiteral("Nie można odczytać listy pociągów.")));
    const int w = wierszListy(d.pociag.ListaPociagow, id);
    if (w < 0 && !pociagIstnieje(d, id))
        throw BladUzycia(nieMaPociagu(id));
    QString numer;
    if (w >= 0) {
        numer = d.pociag.ListaPociagow.tekst(w, QStringLiteral("NrPociagu"));
    } else {
        QString blad;
        if (const auto n = wczytajTabele(plikTabeliPociagu(d, QStringLiteral("Naglowek"), id),
                                         wzorTabeliPociagu(QStringLiteral("Naglowek")), blad);
            n && n->liczbaWierszy() > 0)
            numer = n->tekst(0, QStringLiteral("NrPociagu"));
    }
    if (!UsunPociag(d, id, numer))
        throw BladOperacji(ostatniKomunikat(ia, QStringLiteral("Pociągu nie usunięto.")));
    wypiszJson(QJsonObject{{QStringLiteral("IdPociagu"), id}, {QStringLiteral("komunikaty"), komunikatyJakoJson(ia)}});
    return 0;
}

int trainSave(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji()
                                     + QStringList{QStringLiteral("number"), QStringLiteral("name"),
                                                   QStringLiteral("calendar")});
    bezArgumentow(a);
    const auto numer = a.wartosc(QStringLiteral("number"));
    if (!numer)
        throw BladUzycia(QStringLiteral("Opcja --number (numer pociągu) jest wymagana."));
    std::optional<Tabela> kalendarzPociagu;
    if (const auto plik = a.wartosc(QStringLiteral("calendar"))) {
        QFile f(*plik);
        if (!f.open(QIODevice::ReadOnly))
            throw BladUzycia(
                QStringLiteral("Nie można odczytać pliku kalendarza \"%1\": %2").arg(*plik, opisBleduPliku(f, *plik, false)));
        kalendarzPociagu = kalendarzZJson(f.readAll());
    }

    auto sesja = przygotujTrase(a);
    Droga& d = sesja->droga;
    wykonajOperacje(*sesja, a);
    if (kalendarzPociagu)
        WczytajKalendarz(d, *kalendarzPociagu);

    // edytor nagłówka: numer i nazwa, potem OK
    OknaPociaguSkryptowe okna;
    const QString nazwa = a.wartosc(QStringLiteral("name"), QString());
    okna.wypelnijNaglowek = [&](Droga& dr) {
        dr.pociag.ustaw(QStringLiteral("NrPociagu"), numer->isEmpty() ? QVariant() : QVariant(*numer));
        dr.pociag.ustaw(QStringLiteral("NazwaPociagu"), nazwa.isEmpty() ? QVariant() : QVariant(nazwa));
    };
    zglosWynikZapisu(ZapiszPociagZWynikiem(d, okna), sesja->interakcja);
    wypiszJson(QJsonObject{{QStringLiteral("IdPociagu"), d.pociag.IdBiezacegoPociagu}});
    return 0;
}

} // namespace

int polecenieTrain(const QStringList& argumenty)
{
    const QString uzycie = QStringLiteral("Użycie: taksatura-cli train list|show ID|price ID|delete ID|save [opcje]|reprice-all [--save]");
    if (argumenty.isEmpty())
        throw BladUzycia(uzycie);
    const QString pod = argumenty.first();
    const QStringList reszta = argumenty.mid(1);
    if (pod == QLatin1String("list"))
        return trainList(reszta);
    if (pod == QLatin1String("show"))
        return trainShow(reszta);
    if (pod == QLatin1String("price"))
        return trainPrice(reszta);
    if (pod == QLatin1String("delete"))
        return trainDelete(reszta);
    if (pod == QLatin1String("save"))
        return trainSave(reszta);
    if (pod == QLatin1String("reprice-all"))
        return polecenieTrainRepriceAll(reszta);
    throw BladUzycia(QStringLiteral("Nieznane polecenie train %1. ").arg(pod) + uzycie);
}

} // namespace tks::cli
