#pragma once
// Przeliczenie wszystkich zapisanych pociągów na obecnej sieci: każdy pociąg
// wczytany (trasa odbudowana jak przy wczytaniu), wyceniony od nowa i porównany
// z zapisanym nagłówkiem. Zapis nowych cen tylko na życzenie; pociąg zapisywany
// jest w całości albo wcale, pociąg z błędem zostaje nietknięty.

#include "app/Droga.h"
#include "common/Interakcja.h"
#include "common/Tabela.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

namespace tks {

inline const QString kPrzeliczWszystkie = QStringLiteral("Przelicz wszystkie na obecnej sieci");

struct WynikPrzeliczenia {
    int id = 0;
    QString nrPociagu;
    // Przed (z pliku) i teraz (po odbudowie trasy); Null, gdy brak wartości.
    QVariant dlugoscPrzed, dlugoscTeraz;
    QVariant cenaPrzed, cenaTeraz;
    QVariant cenaRozkPrzed, cenaRozkTeraz;
    bool odtworzona = false;        // trasę odbudowano ze wszystkimi punktami
    bool trasaZmieniona = false;    // inna długość, punkty albo stacje krańcowe
    bool zmieniony = false;         // nagłówek po wycenie różni się od zapisanego
    bool zapisany = false;
    QString uwagi;                  // dlaczego nie odtworzono / nie zapisano

    // Różnica teraz - przed (Null przed liczone jako 0); Null bez nowej wartości.
    QVariant roznicaCeny() const;
    QVariant roznicaCenyRozk() const;
};

struct WynikiPrzeliczenia {
    QVector<WynikPrzeliczenia> pociagi;
    bool przerwane = false;
    int nieodtworzone = 0;
    int zapisane = 0;
    int bledyZapisu = 0;
};

// (gotowe, wszystkie) po każdym pociągu; false przerywa pracę.
using PostepPrzeliczenia = std::function<bool(int gotowe, int wszystkie)>;

// Stan roboczy przeliczeń: własna kopia sieci i stanu okna, by przeliczenie
// nie zmieniało pociągu otwartego w oknie głównym. Komunikaty rdzenia przy
// wczytywaniu zbiera interakcja skryptowa.
class SesjaPrzeliczenia {
public:
    explicit SesjaPrzeliczenia(const Droga& wzor);
    SesjaPrzeliczenia(const SesjaPrzeliczenia&) = delete;
    SesjaPrzeliczenia& operator=(const SesjaPrzeliczenia&) = delete;

    // Przeliczenie wszystkich pociągów listy (id 0 pominięte), w kolejności IdPociagu.
    // Z `zapisz` pociągi odtworzone i zmienione są zapisywane od razu (każdy atomowo).
    // Lista pociągów nieczytelna: false i opis w `blad`.
    bool przelicz(WynikiPrzeliczenia& w, bool zapisz, const PostepPrzeliczenia& postep, QString& blad);
    // Zapis pociągów wyników, które odtworzono i które się zmieniły (po potwierdzeniu
    // wyników przeliczenia bez zapisu): każdy wczytany i wyceniony ponownie, potem zapisany.
    void zapiszZmienione(WynikiPrzeliczenia& w, const PostepPrzeliczenia& postep);

    InterakcjaSkryptowa interakcja;
    Droga droga;

private:
    bool przeliczJeden(WynikPrzeliczenia& w);
    bool zapiszJeden(WynikPrzeliczenia& w);
    bool zapiszListe(QString& blad);
    bool listaZmieniona_ = false;
};

// Kierunek zmiany: według ceny rozkładu, a bez niej według ceny trasy.
enum class ZmianaCeny { BezZmian, Drozej, Taniej, NieOdtworzono };
ZmianaCeny zmianaCeny(const WynikPrzeliczenia& w);
// To samo dla wiersza tabeli wyników (kolumny Odtworzona, RoznicaCenyRozk, RoznicaCeny).
ZmianaCeny zmianaCenyWiersza(const Tabela& t, int wiersz);

// Wyniki jako tabela (siatka, JSON, arkusz): IdPociagu, NrPociagu, DlugoscPrzed,
// DlugoscTeraz, CenaPrzed, CenaTeraz, RoznicaCeny, CenaRozkPrzed, CenaRozkTeraz,
// RoznicaCenyRozk, Odtworzona, TrasaZmieniona, Zapisany, Uwagi.
Tabela tabelaPrzeliczenia(const WynikiPrzeliczenia& w);
// Tytuły kolumn tabeli wyników (pole -> tytuł) w kolejności kolumn.
const QVector<QPair<QString, QString>>& tytulyPrzeliczenia();
// Tabela wyników jako arkusz "Przeliczenie": długości w km, ceny i różnice w zł.
struct Arkusz;
Arkusz arkuszPrzeliczenia(const Tabela& t);
// Podsumowanie: liczba pociągów, droższych, tańszych, nieodtworzonych, zmienionych tras.
QString podsumowaniePrzeliczenia(const WynikiPrzeliczenia& w);

} // namespace tks
