#pragma once
// Tabela nazwanych, typowanych kolumn: Null odróżniony od 0 i "", kolejność
// wierszy, indeks sortujący, filtr, sumy oraz zapis i odczyt (obraz binarny
// w pliku sieci, JSON w plikach pociągów). Wszystkie tabele programu (pociągi,
// podgląd trasy, lista pociągów, zestawienia, tabele słownikowe sieci) są tego typu.

#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

namespace tks {

enum class TypPola : std::uint8_t {
    Calkowita = 1,   // 32 bity ze znakiem
    Mala = 2,        // 16 bitów ze znakiem
    Rzeczywista = 3, // double
    DataCzas = 4,    // numer dnia z ułamkiem (dzień 0 = 1899-12-30)
    Logiczna = 5,
    Tekst = 6,       // co najwyżej `rozmiar` znaków
    Memo = 7,        // tekst dowolnej długości
};

QString nazwaTypu(TypPola t);
std::optional<TypPola> typZNazwy(const QString& s);

struct DefinicjaKolumny {
    QString nazwa;
    TypPola typ = TypPola::Calkowita;
    int rozmiar = 0;        // dla Tekst
    bool wyliczana = false; // nie zapisywana; wartość daje funkcja wyliczająca
};

class Tabela {
public:
    using Filtr = std::function<bool(const Tabela&, int wiersz)>;
    using Wyliczanie = std::function<QVariant(const Tabela&, int wiersz, int kolumna)>;

    Tabela() = default;
    Tabela(QString nazwa, QVector<DefinicjaKolumny> kolumny);

    const QString& nazwa() const { return nazwa_; }
    void ustawNazwe(const QString& n) { nazwa_ = n; }

    int liczbaKolumn() const { return int(kolumny_.size()); }
    const DefinicjaKolumny& kolumna(int k) const { return kolumny_[k]; }
    const QVector<DefinicjaKolumny>& kolumny() const { return kolumny_; }
    // Indeks kolumny po nazwie (bez rozróżniania wielkości liter) albo -1.
    int indeksKolumny(const QString& nazwa) const;

    int liczbaWierszy() const { return int(wiersze_.size()); }
    bool pusta() const { return wiersze_.isEmpty(); }

    QVariant wartosc(int wiersz, int kolumna) const;
    QVariant wartosc(int wiersz, const QString& kolumna) const;
    bool jestNull(int wiersz, const QString& kolumna) const { return !wartosc(wiersz, kolumna).isValid(); }
    // Wygodne odczyty: Null daje wartość domyślną.
    int calkowita(int wiersz, const QString& kolumna, int domyslna = 0) const;
    double rzeczywista(int wiersz, const QString& kolumna, double domyslna = 0.0) const;
    QString tekst(int wiersz, const QString& kolumna) const;
    bool logiczna(int wiersz, const QString& kolumna, bool domyslna = false) const;

    // Zapis wartości z przekształceniem do typu kolumny (tekst przycięty do rozmiaru);
    // pusty QVariant zapisuje Null. Zwraca false dla nieznanej kolumny albo
    // wartości, której nie da się przekształcić.
    bool ustaw(int wiersz, int kolumna, const QVariant& v);
    bool ustaw(int wiersz, const QString& kolumna, const QVariant& v);

    int dodajWiersz();                 // wiersz z samymi Null; zwraca jego indeks
    void wstawWiersz(int przed);
    void usunWiersz(int wiersz);
    void wyczysc();                    // usuwa wiersze, kolumny zostają

    void ustawWyliczanie(Wyliczanie f) { wyliczanie_ = std::move(f); }

    // Widok: kolejność według indeksu i wiersze przepuszczone przez filtr.
    void ustawIndeks(const QString& kolumna, bool malejaco = false);
    void usunIndeks();
    QString kolumnaIndeksu() const { return indeks_; }
    bool indeksMalejacy() const { return malejaco_; }
    void ustawFiltr(Filtr f);
    void usunFiltr();
    bool filtrowana() const { return bool(filtr_); }
    // Indeksy wierszy w kolejności widoku.
    QVector<int> widok() const;
    // Suma kolumny liczbowej po wierszach widoku (Null pomijane); Null, gdy brak wartości.
    QVariant suma(const QString& kolumna) const;

    // Obraz binarny (format opisany w docs/formaty.md). Długość obrazu jest
    // zapisana w nim samym, więc czytający wie, gdzie obraz się kończy.
    QByteArray obraz() const;
    // Czyta obraz z bufora; `zuzyte` = długość obrazu. Przy błędzie zwraca
    // std::nullopt i opis w `blad`.
    static std::optional<Tabela> zObrazu(const char* dane, qsizetype dostepne, qsizetype& zuzyte, QString& blad);

    // JSON samoopisujący (kolumny z typami, wiersze jako tablice, Null jako null).
    QJsonObject doJson() const;
    static std::optional<Tabela> zJson(const QJsonObject& o, QString& blad);

    // Zapis atomowy do pliku (plik tymczasowy, potem zamiana nazwy) i odczyt.
    bool zapiszDoPliku(const QString& sciezka, QString& blad) const;
    static std::optional<Tabela> wczytajZPliku(const QString& sciezka, QString& blad);

    bool operator==(const Tabela& o) const;

private:
    static QVariant przeksztalc(const DefinicjaKolumny& k, const QVariant& v, bool* ok);

    QString nazwa_;
    QVector<DefinicjaKolumny> kolumny_;
    QVector<QVector<QVariant>> wiersze_;
    Wyliczanie wyliczanie_;
    QString indeks_;
    bool malejaco_ = false;
    Filtr filtr_;
};

} // namespace tks
