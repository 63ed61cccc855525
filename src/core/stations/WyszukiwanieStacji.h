#pragma once
// Stan okna wyszukiwania stacji "Wybierz stację:" (TFrmStacje) bez okna:
// przefiltrowana lista stacji w porządku alfabetycznym, liczba widocznych
// wierszy, pozycja paska przewijania, wybrany wiersz i wyszukiwanie przy każdej
// zmianie tekstu. Okno tylko maluje wiersze i przekazuje klawisze i mysz.

#include <QCollator>
#include <QString>
#include <vector>

namespace tks {

struct Siec;

inline constexpr int kWysokoscWierszaStacji = 14;   // piksele wiersza listy

class WyszukiwanieStacji {
public:
    // `lista`: indeksy stacji w kolejności listy (alfabetycznej).
    WyszukiwanieStacji(const Siec& s, std::vector<int> lista);

    // Aktywacja okna z listą wysokości `wysokoscListy` pikseli: liczba wierszy,
    // pasek przewijania, pierwszy wiersz wybrany, potem wyszukanie "a".
    void aktywuj(int wysokoscListy);

    // Wyszukanie tekstu (`znajdz`): wybrany zostaje pierwszy wpis nie mniejszy
    // od tekstu (albo ostatni), lista przewija się tylko tyle, ile trzeba.
    // Zwraca, czy nazwa wybranego wpisu jest równa tekstowi.
    bool znajdz(const QString& tekst);
    // Pozycja na liście wpisu, który wyszukanie wybrałoby dla tekstu (-1: pusta lista).
    int pozycjaDlaTekstu(const QString& tekst) const;

    // Przewinięcie paskiem (pozycja ograniczona do 0..maksimum); zwraca nazwę
    // wybranego wpisu - tekst do pola wyszukiwania.
    QString przewin(int pozycja);
    // Strzałka w górę (-1) albo w dół (+1): pozycja o jeden, a gdy lista dalej
    // się nie przewija - wybrany wiersz o jeden. Zwraca pozycję.
    int przesun(int krok);
    // Kliknięcie wiersza `wiersz` (0 = górny widoczny); fałsz, gdy pod nim nie
    // ma wpisu (wybór się nie zmienia).
    bool kliknij(int wiersz);

    const Siec& siec() const { return s_; }
    const std::vector<int>& lista() const { return lista_; }
    int dlugosc() const { return int(lista_.size()); }
    // Numer ostatniego wiersza ("a"); widocznych wierszy jest o jeden więcej.
    int ostatniWiersz() const { return a_; }
    int liczbaWierszy() const { return a_ + 1; }
    bool pasekWidoczny() const { return pasek_; }
    int maksimum() const { return maksimum_; }
    int duzyKrok() const { return a_; }
    int pozycja() const { return pozycja_; }
    int wybranyWiersz() const { return wiersz_; }

    // Nazwa i stacja w wierszu `k` (pusta nazwa / -1 pod końcem listy).
    QString nazwaWiersza(int k) const;
    int stacjaWiersza(int k) const;
    // Wpis wybrany: pozycja + wybrany wiersz.
    QString nazwaWybranej() const { return nazwaWiersza(wiersz_); }
    // Wynik okna: stacja wybranego wpisu (-1, gdy lista jest pusta).
    int wynik() const { return stacjaWiersza(wiersz_); }

private:
    QString nazwa(int pozycjaNaLiscie) const;

    const Siec& s_;
    std::vector<int> lista_;
    int a_ = 0;
    bool pasek_ = false;
    int maksimum_ = 0;
    int pozycja_ = 0;
    int wiersz_ = 0;
    QCollator bezWielkosci_;
    QCollator zWielkoscia_;
};

} // namespace tks
