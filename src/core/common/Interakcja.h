#pragma once
// Jedyny kanał, którym rdzeń programu rozmawia z człowiekiem: komunikaty,
// pytania i wybór z listy. Okna realizują go oknami dialogowymi, a CLI i testy
// odpowiedziami ze skryptu (z zapisem wszystkiego, o co zapytano).

#include <QString>
#include <QStringList>
#include <QVector>
#include <deque>

namespace tks {

enum class Ikona { Brak, Informacja, Ostrzezenie, Blad, Pytanie };
// TakNieDomyslnieNie: Tak/Nie z przyciskiem "Nie" domyślnym (pytania przed
// czymś nieodwracalnym: Enter niczego nie niszczy).
enum class Przyciski { OK, TakNie, TakNieAnuluj, OKAnuluj, TakNieDomyslnieNie };
enum class Odpowiedz { OK, Tak, Nie, Anuluj };

QString nazwaOdpowiedzi(Odpowiedz o);

class Interakcja {
public:
    virtual ~Interakcja() = default;
    // Okno komunikatu z jednym przyciskiem.
    virtual void komunikat(const QString& tekst, const QString& tytul = {}, Ikona ikona = Ikona::Brak) = 0;
    // Pytanie z podanym zestawem przycisków.
    virtual Odpowiedz pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski) = 0;
    // Wybór jednej pozycji z listy; zwraca indeks albo -1, gdy anulowano.
    virtual int wybor(const QString& tytul, const QString& opis, const QStringList& pozycje) = 0;
};

// Zdarzenie zapisane przez interakcję skryptową.
struct ZdarzenieInterakcji {
    enum class Rodzaj { Komunikat, Pytanie, Wybor } rodzaj = Rodzaj::Komunikat;
    QString tekst;
    QString tytul;
    Ikona ikona = Ikona::Brak;
    QStringList pozycje;   // tylko dla wyboru
    QString odpowiedz;     // tekst odpowiedzi ("OK", "Tak", "Nie", "Anuluj", pozycja listy)
};

// Interakcja bez okien: odpowiada z kolejki przygotowanych odpowiedzi (albo
// odpowiedzią domyślną) i zapamiętuje każde zdarzenie.
class InterakcjaSkryptowa : public Interakcja {
public:
    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona) override;
    Odpowiedz pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski) override;
    int wybor(const QString& tytul, const QString& opis, const QStringList& pozycje) override;

    void dodajOdpowiedz(Odpowiedz o) { odpowiedzi_.push_back(o); }
    void dodajWybor(int indeks) { wybory_.push_back(indeks); }
    // Odpowiedź na pytanie, gdy kolejka jest pusta (domyślnie: Tak albo OK).
    void ustawDomyslnaOdpowiedz(Odpowiedz o) { domyslna_ = o; domyslnaUstawiona_ = true; }
    // Wybór, gdy kolejka jest pusta (domyślnie pierwsza pozycja).
    void ustawDomyslnyWybor(int indeks) { domyslnyWybor_ = indeks; }

    const QVector<ZdarzenieInterakcji>& zdarzenia() const { return zdarzenia_; }
    QStringList teksty() const;
    void wyczysc() { zdarzenia_.clear(); }

private:
    std::deque<Odpowiedz> odpowiedzi_;
    std::deque<int> wybory_;
    Odpowiedz domyslna_ = Odpowiedz::Tak;
    bool domyslnaUstawiona_ = false;
    int domyslnyWybor_ = 0;
    QVector<ZdarzenieInterakcji> zdarzenia_;
};

} // namespace tks
