#pragma once
// Plik ustawień programu (INI): nazwa programu z rozszerzeniem ".ini" w
// folderze programu. Liczby rzeczywiste są zapisywane i czytane z przecinkiem
// dziesiętnym, bez cudzysłowów ("Powiekszenie=2,5"); wartość, która nie jest
// liczbą, daje wartość domyślną. Sekcje i klucze bez rozróżniania wielkości
// liter; inne klucze, komentarze i kolejność linii zostają przy zapisie.

#include <QString>
#include <QStringList>

namespace tks {

class PlikUstawien {
public:
    explicit PlikUstawien(const QString& sciezka);
    ~PlikUstawien();
    PlikUstawien(const PlikUstawien&) = delete;
    PlikUstawien& operator=(const PlikUstawien&) = delete;

    // Tekst wartości (bez otaczających cudzysłowów, jeśli są); pusty QString,
    // gdy klucza nie ma.
    QString tekst(const QString& sekcja, const QString& klucz) const;
    bool jest(const QString& sekcja, const QString& klucz) const;

    // Liczba z przecinkiem dziesiętnym; "2.5" nie jest liczbą.
    double rzeczywista(const QString& sekcja, const QString& klucz, double domyslna) const;
    // Liczba całkowita dziesiętnie albo szesnastkowo ("$FF00", "0xFF00").
    int calkowita(const QString& sekcja, const QString& klucz, int domyslna) const;
    // "1"/"0" (każda liczba różna od zera to prawda) albo "true"/"false".
    bool logiczna(const QString& sekcja, const QString& klucz, bool domyslna) const;

    void zapiszRzeczywista(const QString& sekcja, const QString& klucz, double v);
    void zapiszCalkowita(const QString& sekcja, const QString& klucz, int v);
    void zapiszLogiczna(const QString& sekcja, const QString& klucz, bool v);

    // Zapis zmian na dysk; false i polski opis w `blad`, gdy się nie udało.
    bool zapisz(QString& blad);

    const QString& sciezka() const { return sciezka_; }

private:
    // Linia klucza w sekcji (-1: brak).
    int linia(const QString& sekcja, const QString& klucz) const;
    void zapiszTekst(const QString& sekcja, const QString& klucz, const QString& wartosc);

    QString sciezka_;
    QStringList linie_;
    bool nieczytelny_ = false;   // plik jest, ale nie dał się przeczytać
};

// Tekst liczby rzeczywistej z przecinkiem, bez grupowania, najkrótszy
// dokładny zapis ("2,5", "512345,678").
QString tekstRzeczywistej(double v);

} // namespace tks
