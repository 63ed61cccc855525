#pragma once
// Kalendarz dni kursowania bieżącego pociągu: zakresy dat z regułami dni
// tygodnia i świąt oraz oznaczenia pojedynczych dni. Tu są czyste funkcje
// modelu (reguły dnia, przypisanie dni do zakresów, edycja zakresów i oznaczeń,
// stan przycisków reguł okna kalendarza); operacje na pociągu (nowy kalendarz,
// wczytanie z tabeli, aktywacja zakresu z opisem) są w KalendarzPociagu.h.

#include <QDate>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace tks {

// Jeden zakres reguł.
struct TZakresy {
    double ZakresOd = 0;          // numer dnia (cały dzień)
    double ZakresDo = 0;
    std::uint8_t D[8] = {0, 0, 0, 0, 0, 0, 0, 2};   // D1..D7 poniedziałek..niedziela, D8 święta
    QString OpisZakresu;          // linia opisu (pusta albo zakończona CR LF)
};

// Jeden dzień okresu rozkładu.
struct TDzienKalendarza {
    double Data = 0;
    std::uint8_t Dod = 2;         // 2 bez oznaczenia, 1 kursuje, 0 nie kursuje
    char DzienTyg = '1';          // '1' poniedziałek .. '7' niedziela
    std::uint8_t Swieto = 0;
    int NrZakresu = 0;
    // położenie w siatce okna kalendarza
    int Kolumna = 0;
    int Wiersz = 0;
    QRect Prostokat;              // komórka dnia (szerokość 17, wysokość 20)
    std::uint8_t Zaznaczony = 0;  // zaznaczenie podczas przeciągania
};

// Przyciski wzorców (grupa, w której wciśnięty jest co najwyżej jeden).
enum class Wzorzec : int {
    Brak = -1,
    Codziennie = 0,    // "Codziennie" w wierszu "Kursuje"
    NieCodziennie,     // "Codziennie" w wierszu "Nie kursuje"
    U,
    A,
    B,
    C,
    D,
    E,
};
constexpr int kLiczbaWzorcow = 8;

// Stan przycisków reguł okna kalendarza. J[k] wciśnięty oznacza, że N[k] jest
// zwolniony (para, w której zawsze jeden jest wciśnięty). JS i NS: co najwyżej
// jeden wciśnięty; oba zwolnione - święta według dni tygodnia.
struct PrzyciskiRegul {
    bool J[7] = {false, false, false, false, false, false, false};
    bool JS = false;
    bool NS = false;
    Wzorzec wzorzec = Wzorzec::Brak;

    bool N(int k) const { return !J[k]; }
};

struct Kalendarz {
    std::vector<TZakresy> Zakresy;
    std::vector<TDzienKalendarza> Dni;
    int AktywnyZakres = 0;
    int LDniKurs = 0;
    PrzyciskiRegul przyciski;

    // Siatka okna: wiersz = miesiąc, kolumna = dzień tygodnia przesunięty o
    // początek miesiąca. komorki[wiersz * LKolumn + kolumna] = indeks dnia albo -1.
    int LWierszy = 0;
    int LKolumn = 0;
    std::vector<QDate> miesiaceWierszy;   // pierwszy dzień miesiąca każdego wiersza
    std::vector<int> komorki;

    int liczbaDni() const { return int(Dni.size()); }
    int liczbaZakresow() const { return int(Zakresy.size()); }
    // Indeks dnia w komórce siatki albo -1 (pusta komórka, poza siatką).
    int dzienWKomorce(int wiersz, int kolumna) const;
};

// Cyfra dnia tygodnia ISO ('1' poniedziałek .. '7' niedziela) daty podanej numerem dnia.
char DzienTygodnia(double data);

// Buduje Dni dla okresu od..do (wszystkie bez oznaczeń, w zakresie 0, niezaznaczone,
// święta według listy) oraz siatkę okna kalendarza.
void TworzSiatkeKalendarza(Kalendarz& k, const QDate& od, const QDate& doDnia, const std::vector<double>& swieta);

// Zakres domyślny nowego pociągu: cały okres, żaden dzień tygodnia, święta według dni tygodnia.
TZakresy ZakresDomyslny(const QDate& od, const QDate& doDnia);

// Indeks dnia daty (Trunc(data - pierwszy dzień okresu)); może wyjść poza okres.
int IndeksDnia(const Kalendarz& k, double data);

// Czy pociąg kursuje dnia i według samych reguł jego zakresu.
bool KursujeWgReguly(const Kalendarz& k, int i);
// Czy pociąg kursuje dnia i z uwzględnieniem oznaczenia dnia.
bool Kursuje(const Kalendarz& k, int i);
// Liczba dni okresu, w których pociąg kursuje.
int LiczDniKursowania(const Kalendarz& k);

// Przypisuje każdy dzień zakresowi, który go obejmuje.
void PrzypiszDniDoZakresow(Kalendarz& k);

// --- zaznaczanie dni (przeciąganie w siatce) ---

// Zaznacza dni od a do b włącznie (w dowolnej kolejności), pozostałe odznacza.
void ZaznaczDni(Kalendarz& k, int a, int b);
void WyczyscZaznaczenie(Kalendarz& k);

// --- edycja oznaczeń i zakresów (po każdej zmianie wywołujący generuje opis: GenerujOpis) ---

// Zaznaczone dni dostają przeciwieństwo obecnego stanu dnia s (dzień, na którym
// wciśnięto przycisk myszy): 1, gdy s nie kursuje, inaczej 0.
void UstawOznaczenia(Kalendarz& k, int s);
// Usuwa oznaczenie jednego dnia.
void UsunOznaczenie(Kalendarz& k, int dzien);
// Usuwa oznaczenia wszystkich dni aktywnego zakresu; zwraca dni, które się zmieniły.
std::vector<int> UsunOznaczeniaZakresu(Kalendarz& k);

// Dzieli zakres obejmujący dzień b tak, że b zaczyna nowy zakres (kopię reguł
// i opisu). Zwraca false, gdy b nie jest podziałem wewnątrz zakresu.
bool PodzielZakres(Kalendarz& k, int b);
// Usuwa podział przed dniem b: lewy zakres wchłania prawy i zachowuje swoje
// reguły. Zwraca false, gdy przed b nie ma podziału między zakresami.
bool UsunPodzial(Kalendarz& k, int b);
// Przesuwa podział z b0 (początek prawego zakresu) do b1: dni między nimi
// przechodzą do zakresu, od którego strony przesunięto podział. Zakres, który
// stracił wszystkie dni, znika. Zwraca false, gdy nic się nie zmieniło.
bool PrzesunPodzial(Kalendarz& k, int b0, int b1);

// --- przyciski reguł (okno kalendarza) ---

// Reguły wzorca: D1..D7 i D8.
const std::uint8_t* RegulyWzorca(Wzorzec w);
// Ustawia przyciski według reguł (D1..D8) jak kliknięcie wzorca - bez aktualizacji.
void UstawPrzyciskiWgRegul(PrzyciskiRegul& p, const std::uint8_t* D);
// Aktualizacja reguł po kliknięciu przycisku: porządkuje przyciski świąt,
// wyznacza wciśnięty wzorzec i zapisuje przyciski do aktywnego zakresu.
// (Opis generuje wywołujący.)
void AktualizujReguly(Kalendarz& k);

} // namespace tks
