// Polecenie stations: lista okna wyszukiwania stacji i stacja, którą okno
// wybiera dla tekstu - skrypty rozpoznają nazwy tak jak okno.

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wyjscie.h"

#include "map/Narzedzia.h"
#include "routing/WyborReczny.h"
#include "stations/WyborStacji.h"
#include "stations/WyszukiwanieStacji.h"

#include <QJsonArray>

namespace tks::cli {

namespace {

QJsonObject stacjaJakoJson(const Siec& s, int i)
{
    const TStacja& st = s.Stacje[std::size_t(i)];
    return QJsonObject{{QStringLiteral("LpStacji"), i},
                       {QStringLiteral("IdObEksp"), st.IdObEksp},
                       {QStringLiteral("NazwaStacji"), st.NazwaStacji.tekst()}};
}

} // namespace

int polecenieStations(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji()
                                     + QStringList{QStringLiteral("find"), QStringLiteral("mode")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const std::optional<QString> tekst = a.wartosc(QStringLiteral("find"));
    if (!tekst)
        throw BladUzycia(QStringLiteral("Brak opcji --find TEKST (tekst wpisany w oknie \"Wybierz stację:\")."));
    const int tryb = a.liczba(QStringLiteral("mode"), 0);
    if (tryb < 0 || tryb > 3)
        throw BladUzycia(QStringLiteral("Opcja --mode: 1 (początek), 2 (pośrednia) albo 3 (koniec)."));

    auto sesja = przygotujTrase(a);
    wykonajOperacje(*sesja, a);
    Droga& d = sesja->droga;
    // Wciśnięte narzędzie punktu trasy; w wyborze ręcznym mapa przygotowuje
    // wtedy kandydatów przed rysowaniem.
    if (tryb > 0) {
        const Narzedzie n[] = {Narzedzie::Start, Narzedzie::Przez, Narzedzie::Koniec};
        WcisnijNarzedzie(d, n[tryb - 1]);
        PrzygotujWyborReczny(d, d.trasa.TrybWyboru);
    }

    WyszukiwanieStacji w(d.siec, StacjeDoWyboru(d));
    QJsonArray lista;
    for (const int i : w.lista())
        lista.append(stacjaJakoJson(d.siec, i));
    const int p = w.pozycjaDlaTekstu(*tekst);
    const int st = p >= 0 ? w.lista()[std::size_t(p)] : -1;
    wypiszJson(QJsonObject{
        {QStringLiteral("lista"), lista},
        {QStringLiteral("wybrana"), st >= 0 ? QJsonValue(stacjaJakoJson(d.siec, st)) : QJsonValue()},
        {QStringLiteral("rowna"), st >= 0 && d.siec.nazwaStacji(st) == *tekst},
    });
    return 0;
}

} // namespace tks::cli
