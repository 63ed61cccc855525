#pragma once
// Wycena wielu tras naraz z pliku CSV: jedna trasa na wiersz, kolumny nazwane
// w wierszu nagłówka (start, end, via, kind, band, criterion, vmax, number).
// Każdy wiersz wyceniany jak pojedyncza trasa; wiersz, którego nie da się
// wycenić, dostaje opis błędu, a pozostałe idą dalej.

#include "reports/Arkusz.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

namespace tks {

class Droga;
class InterakcjaSkryptowa;
struct Siec;

// Plik wejściowy: tytuły kolumn, wiersze (tyle pól, ile tytułów), separator.
struct WsadTras {
    QStringList kolumny;
    QVector<QStringList> wiersze;
    QChar separator = QLatin1Char(';');
};

// Odczyt CSV: UTF-8 z BOM albo bez, separator ";" albo "," według wiersza
// nagłówka, pola w cudzysłowach (z "" w środku), puste linie pominięte.
// Brak kolumny start albo end, plik bez nagłówka: nullopt i opis.
std::optional<WsadTras> czytajWsadTras(const QByteArray& dane, QString& blad);

struct WynikTrasyWsadu {
    QVariant dlugosc;          // km
    QVariant dlugoscWycen;     // km
    QVariant cena;             // zł
    QVariant wycenaPelna;      // bool
    QString czasJazdy;         // tekst pola czasu przejazdu
    QString blad;              // pusty: wiersz wyceniony
};

// Stacja z opisu: IdObEksp (liczba), "@" + indeks albo dokładna nazwa (pierwsza
// w kolejności indeksów; odstępy na brzegach nazwy nie mają znaczenia). -1 i opis,
// gdy stacji nie ma.
class SzukanieStacji {
public:
    explicit SzukanieStacji(const Siec& s);
    int stacja(const QString& opis, QString& blad) const;

private:
    const Siec& siec_;
    QHash<QString, int> nazwy_;
    QHash<QString, int> przyciete_;
    QHash<int, int> id_;
};

// Wycena wierszy na stanie `d` (sieć wczytana; interakcja `ia` to interakcja `d`,
// z niej brane są komunikaty o braku połączenia). `postep(gotowe, wszystkie)`
// po każdym wierszu; false przerywa (reszta wierszy bez wyników).
QVector<WynikTrasyWsadu> wycenWsad(Droga& d, InterakcjaSkryptowa& ia, const WsadTras& wsad,
                                   const std::function<bool(int, int)>& postep = {});

// Kolumny dopisywane do wyników, w tej kolejności.
const QStringList& kolumnyWynikuWsadu();
// Wyniki jako CSV: kolumny wejścia, potem wyników; separator wejścia, liczby
// z przecinkiem dziesiętnym przy ";" i z kropką przy ","; UTF-8, CR LF.
QByteArray csvWynikowWsadu(const WsadTras& wsad, const QVector<WynikTrasyWsadu>& wyniki);
// Wyniki jako arkusz (liczby jako liczby).
Arkusz arkuszWynikowWsadu(const WsadTras& wsad, const QVector<WynikTrasyWsadu>& wyniki);
// Liczba wierszy z błędem.
int liczbaBledowWsadu(const QVector<WynikTrasyWsadu>& wyniki);

} // namespace tks
