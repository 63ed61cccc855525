#pragma once
// Zapis tabel do arkusza kalkulacyjnego (.xlsx): liczby jako liczby z formatami
// programu (kwoty "# ##0,00 zł", długości "0,000 km"), pogrubione tytuły kolumn,
// zamrożony wiersz tytułów, szerokości kolumn według treści. Plik powstaje
// w całości albo wcale (plik tymczasowy obok, potem zamiana nazwy).

#include "common/Tabela.h"

#include <QString>
#include <QVariant>
#include <QVector>

namespace tks {

enum class FormatKomorki { Tekst, Calkowita, Liczba, Zl, Km };

struct KolumnaArkusza {
    QString tytul;
    FormatKomorki format = FormatKomorki::Tekst;
};

struct Arkusz {
    QString nazwa;                         // nazwa karty (najwyżej 31 znaków)
    QVector<KolumnaArkusza> kolumny;
    QVector<QVector<QVariant>> wiersze;    // pusty QVariant: pusta komórka
    // Wiersze sum pod tabelą (po jednym pustym wierszu), pogrubione.
    QVector<QVector<QVariant>> sumy;
};

// Kody formatów liczb zapisywane w pliku (arkusz pokazuje je w ustawieniach
// regionalnych użytkownika, po polsku "# ##0,00 zł" i "0,000 km").
inline const char* const kFormatZl = "#,##0.00\\ \"zł\"";
inline const char* const kFormatKm = "0.000\\ \"km\"";

// Tekst komórki tak, jak pokazuje go program (do szerokości kolumn).
QString tekstKomorki(const QVariant& v, FormatKomorki f);

// Kolumny tabeli (nazwa pola, tytuł, format) jako arkusz: wiersze w kolejności widoku.
struct PoleArkusza {
    QString pole;
    QString tytul;
    FormatKomorki format = FormatKomorki::Tekst;
};
Arkusz arkuszZTabeli(const QString& nazwa, const Tabela& t, const QVector<PoleArkusza>& pola);

// Zapis arkuszy do pliku .xlsx. false i opis błędu po polsku, stary plik zostaje.
bool zapiszXlsx(const QString& sciezka, const QVector<Arkusz>& arkusze, QString& blad);

} // namespace tks
