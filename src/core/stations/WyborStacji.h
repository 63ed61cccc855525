#pragma once
// Wybór stacji po nazwie zamiast kliknięcia na mapie: listy stacji dla okna
// wyszukiwania i okna listy, filtr Wybieralna, zawartość i szerokość listy
// kandydatów wyboru ręcznego oraz odnalezienie stacji na mapie.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QFont;

namespace tks {

class Droga;
class Interakcja;
struct Siec;
struct Widok;

inline const QString kTytulOknaStacji = QStringLiteral("Wybierz stację:");
inline const QString kTytulOknaListyStacji = QStringLiteral("Lista stacji");

// Wszystkie stacje w porządku alfabetycznym (indeks nazw budowany przy
// aktywacji sieci).
const std::vector<std::int32_t>& StacjeAlfabetycznie(const Siec& s);

// Filtr listy wyszukiwania (bajt Wybieralna stacji): przy kandydatach wyboru
// ręcznego tylko ich stacje, inaczej stacje o widoczności poniżej 10000.
void UstawWybieralne(Droga& d);
// Filtr dla wszystkich stacji o widoczności poniżej 10000 (bez kandydatów).
void UstawWybieralneWszystkie(Siec& s);
// Stacje z ustawionym Wybieralna w porządku alfabetycznym.
std::vector<int> StacjeWybieralne(const Siec& s);
// UstawWybieralne i StacjeWybieralne naraz (jedno przejście po rekordach stacji).
std::vector<int> StacjeDoWyboru(Droga& d);
// UstawWybieralneWszystkie i StacjeWybieralne naraz.
std::vector<int> WszystkieStacjeDoWyboru(Siec& s);

// Okna wyboru stacji. Okno główne pokazuje prawdziwe okna, CLI i testy
// odpowiadają ze skryptu.
class OknaStacji {
public:
    virtual ~OknaStacji() = default;
    // Okno wyszukiwania "Wybierz stację:" nad listą `lista` (indeksy stacji
    // w kolejności listy); wybrana stacja albo -1.
    virtual int wyszukajStacje(const Siec& s, const std::vector<int>& lista) = 0;
    // Okno "Lista stacji" z listą oznaczonych stacji; numer wybranej pozycji albo -1.
    virtual int wybierzOznaczona(const QStringList& nazwy) = 0;
};

// Odpowiedzi przez Interakcja::wybor (tytuł okna, nazwy pozycji).
class OknaStacjiInterakcji : public OknaStacji {
public:
    explicit OknaStacjiInterakcji(Interakcja& i) : i_(i) {}
    int wyszukajStacje(const Siec& s, const std::vector<int>& lista) override;
    int wybierzOznaczona(const QStringList& nazwy) override;

private:
    Interakcja& i_;
};

// Stacja wybrana z listy dla dwukliku narzędzia: przy narzędziu usuwania
// (`usuwanie`) z listy oznaczonych stacji (nazwa zamieniona na ostatnią stację
// o tej nazwie), inaczej z okna wyszukiwania po ustawieniu filtru. -1: nic.
int WybierzStacjeZListy(Droga& d, bool usuwanie, OknaStacji& okna);

// Lista kandydatów wyboru ręcznego (ListBoxStacjeReczne): nazwy kandydatów
// (z liniami stycznymi) i szerokość listy - `szerokoscPoczatkowa`, a gdy
// któraś nazwa jest szersza, jej szerokość + 10 pikseli.
struct ListaKandydatow {
    QStringList nazwy;
    int szerokosc = 0;
};
inline constexpr int kSzerokoscListyStacji = 200;
ListaKandydatow ListaStacjiRecznych(const Droga& d, const std::function<int(const QString&)>& szerokoscTekstu,
                                    int szerokoscPoczatkowa = kSzerokoscListyStacji);
// To samo ze szerokościami mierzonymi czcionką mapy.
ListaKandydatow ListaStacjiRecznych(const Droga& d);

// Lista wszystkich stacji (ListBoxStacje): nazwy stacji o widoczności poniżej
// 10000 w porządku alfabetycznym.
QStringList NazwyWszystkichStacji(const Siec& s);
// Pierwsza zaznaczona pozycja takiej listy: od 0 skokami o 15, póki pozycja
// stoi przed "A" i nie jest ostatnia (pomija nazwy od cyfr i znaków).
int PoczatekListyStacji(const QStringList& nazwy);

// "Znajdź stację…": środek mapy na stacji i powiększenie (co najmniej obecne
// i co najmniej kPowiekszenieZnalezionej), przy którym stacja i jej nazwa są
// rysowane. Niczego nie oznacza.
inline constexpr std::int64_t kPowiekszenieZnalezionej = 4 * 10000;
void PokazStacjeNaMapie(Widok& w, const Siec& s, int stacja);

} // namespace tks
