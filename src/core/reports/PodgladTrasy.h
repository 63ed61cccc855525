#pragma once
// Reguły okna "Podgląd trasy": kolumny siatki i ich widoczność na poziomach,
// tytuły okna, porządek i filtry tabeli podglądu, tekst eksportu (schowek
// i plik) z proponowaną nazwą pliku. Okno i CLI tylko je wywołują.

#include "common/Tabela.h"
#include "trains/FiltrTabeli.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tks {

class Droga;
struct Pociag;

inline const QString kTytulPodgladuTrasy = QStringLiteral("Podgląd trasy");
// Porządek domyślny podglądu: kolejność trasy.
inline const QString kPorzadekTrasy = QStringLiteral("LpDrogi;LpSciezkiOd");

// Kolumna siatki podglądu: pole tabeli i tytuł (pusty: kolumna bez tytułu).
struct KolumnaPodgladu {
    QString pole;
    QString tytul;
};
// 14 kolumn siatki w kolejności.
const QVector<KolumnaPodgladu>& kolumnyPodgladu();
// Tytuł kolumny w siatce; kolumna bez tytułu pokazuje nazwę pola.
QString tytulKolumnyPodgladu(const KolumnaPodgladu& k);

// Widoczność kolumn siatki (po kolei jak kolumnyPodgladu()) na poziomie; `ukryteWyznaczTrase`
// to kolumny, które ukrywa WyznaczTrase.
QVector<bool> widocznoscKolumnPodgladu(int poziom, const QStringList& ukryteWyznaczTrase);

// Tytuł okna podglądu (menu "Dane") dla poziomu i numeru pociągu (pusty: bez numeru).
QString tytulOknaPodgladu(int poziom, const QString& numer);

// Numer pociągu z nagłówka (pusty tekst, gdy Null albo brak nagłówka).
QString numerPociagu(const Pociag& p);

// Teksty pól sum pod siatką: "Całkowita cena", "Całkowita długość trasy",
// "Sumaryczna długość trasy podlegająca wycenie" (Null: puste pole).
struct SumyPodgladu {
    QString cena;
    QString dlugosc;
    QString dlugoscWycen;
};
SumyPodgladu sumyPodgladu(const Pociag& p);

// Wiersz bez ceny (pusta Cena): malowany kolorem tła podpowiedzi.
bool wierszBezCeny(const Tabela& podglad, int wiersz);

// Stan okna podglądu: warunki filtru i indeks "indeks" tabeli podglądu.
// Sortowanie i warunki na kolumnie wyliczanej (Lp) nic nie robią: Lp to numer
// wiersza w bieżącym porządku i filtrze, więc odwoływałby się sam do siebie.
class StanPodgladuTrasy {
public:
    // Otwarcie okna i "Usuń filtr": bez warunków, porządek trasy.
    void otworz(Tabela& t);
    void usunFiltr(Tabela& t);
    // Sortowanie po kolumnie siatki (rosnąco bez rozróżniania wielkości liter).
    void sortuj(Tabela& t, const QString& pole, bool malejaco);
    // Pozycja menu podręcznego: warunek na kolumnie z wartością wiersza, rodzaj 3.
    void filtrujWgWyboru(Tabela& t, int wiersz, const QString& pole, int operacja);
    // "Filtruj" z okna filtru: wartość i kryterium z okna, rodzaj = typ kolumny.
    void filtruj(Tabela& t, const QString& pole, const QVariant& wartosc, int kryterium);
    // Gotowy warunek na końcu stosu (kolumna Lp pominięta).
    void dodaj(Tabela& t, const Tfiltr& warunek);
    // Zamknięcie okna: indeks i filtr zdjęte (sumy i wydruk widzą całą tabelę).
    void zamknij(Tabela& t);

    const QVector<Tfiltr>& warunki() const { return filtr_.warunki(); }

private:
    WarunkiFiltru filtr_;
};

// Tekst wartości bez formatów siatki (liczby z przecinkiem dziesiętnym); Null: pusty.
QString tekstWartosci(const QVariant& v, TypPola typ);

// Linie eksportu: tytuły kolumn siatki (bez "Zelektryfikowana", "IdObOd", "IdObDo"),
// potem wiersze w bieżącym porządku i filtrze (także kolumny ukryte); każde pole
// zakończone tabulatorem. Lp: pozycja w widoku od 1.
QStringList liniePodgladu(const Tabela& podglad);
// Linie złączone w jeden tekst (CR LF po każdej linii).
QString tekstPodgladu(const Tabela& podglad);

// Proponowana nazwa pliku: "Poc" + numer + rozszerzenie albo "PocBezNumeru" + rozszerzenie;
// każde "/" zastąpione przez "_".
QString proponowanaNazwaPliku(const QString& numer, const QString& rozszerzenie = QStringLiteral(".txt"));
inline const QString kFiltrPlikowTekstowych = QStringLiteral("Pliki tekstowe|*.txt");

// Zapis tekstu eksportu do pliku (w całości albo wcale, UTF-8); false i opis błędu.
bool ZapiszTraseDoPliku(const Tabela& podglad, const QString& sciezka, QString& blad);

} // namespace tks
