#pragma once
// Sortowanie i warunki filtru okien z listą (lista pociągów, podgląd trasy):
// indeks "indeks" na jednej kolumnie (rosnąco bez rozróżniania wielkości
// liter, malejąco z rozróżnianiem), warunki nakładane razem (wiersz jest
// widoczny, gdy spełnia każdy). Działa na dowolnej tabeli `Tabela`.

#include "common/Tabela.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <cstdint>

namespace tks {

// Rodzaj warunku z menu podręcznego siatki (porównanie wartości także dla tekstu).
inline constexpr std::uint8_t kRodzajZMenu = 3;

// Operatory dla wartości.
enum OperatorWartosci { Rowne = 0, Rozne = 1, Wieksze = 2, Mniejsze = 3, WiekszeLubRowne = 4, MniejszeLubRowne = 5 };
// Operatory dla tekstu (z rozróżnianiem wielkości liter).
enum OperatorTekstu { CalePole = 0, PoczatekPola = 1, CzescPola = 2 };

// Jeden warunek filtru.
struct Tfiltr {
    QString kolumna;               // nazwa kolumny tabeli
    QVariant wartosc;              // wartość porównywana (pusty QVariant = Null)
    int operacja = 0;              // 0..5 dla wartości, 0..2 dla tekstu
    std::uint8_t rodzaj = kRodzajZMenu;   // typ kolumny (TypPola) z okna filtru albo 3 z menu
};

// Warunek z pozycji menu podręcznego siatki: wartość kolumny w wierszu, rodzaj 3.
Tfiltr warunekZMenu(const Tabela& t, int wiersz, const QString& kolumna, int operacja);
// Warunek z okna "Filtruj": wartość i kryterium z okna, rodzaj = typ kolumny.
Tfiltr warunekZOkna(const Tabela& t, const QString& kolumna, const QVariant& wartosc, int kryterium);

// Czy rodzaj warunku porównuje tekst operatorami tekstu.
bool rodzajTekstowy(std::uint8_t rodzaj);
// Czy wiersz tabeli spełnia warunek.
bool spelniaWarunek(const Tabela& t, int wiersz, const Tfiltr& w);

// Stos warunków filtru i indeks sortujący jednej tabeli.
class WarunkiFiltru {
public:
    const QVector<Tfiltr>& warunki() const { return warunki_; }

    // Początek pracy okna: bez warunków, indeks na `kolumnaDomyslna` rosnąco.
    void otworz(Tabela& t, const QString& kolumnaDomyslna);
    // Sortowanie po kolumnie (poprzedni indeks znika).
    void sortuj(Tabela& t, const QString& kolumna, bool malejaco);
    // Nowy warunek na końcu stosu.
    void dodaj(Tabela& t, const Tfiltr& w);
    // "Usuń filtr": bez warunków, indeks na `kolumnaDomyslna` rosnąco.
    void usun(Tabela& t, const QString& kolumnaDomyslna);
    // Zamknięcie okna: filtr wyłączony (tabela pokazuje wszystkie wiersze).
    void zamknij(Tabela& t);
    // Warunki okna (i jego porządek) od nowa na tabeli, np. po usunięciu wiersza.
    void przywroc(Tabela& t);

private:
    void zastosuj(Tabela& t) const;
    QVector<Tfiltr> warunki_;
    QString indeks_;          // porządek ustawiony przez okno
    bool malejaco_ = false;
};

// Pozycje menu podręcznego siatki dodające warunek, w kolejności menu.
struct PozycjaFiltru {
    QString podpis;
    int operacja;
};
const QVector<PozycjaFiltru>& pozycjeMenuFiltru();
inline const QString kMenuSortujRosnaco = QStringLiteral("Sortuj rosnaco");
inline const QString kMenuSortujMalejaco = QStringLiteral("Sortuj malejaco");

// Okno filtru "Filtruj": kryteria porównania dla typu kolumny (pierwsze wybrane).
QStringList kryteriaPorownania(TypPola typ);
// Wartość wpisana w polu "Wartość :" jako wartość typu kolumny; pusty tekst to Null.
// Tekst, który nie jest wartością tego typu: nullopt i opis w `blad`.
std::optional<QVariant> wartoscZTekstu(TypPola typ, const QString& tekst, QString& blad);
// Wartość pola jako tekst do edycji w polu "Wartość :".
QString tekstDoEdycji(const QVariant& v, TypPola typ);

} // namespace tks
