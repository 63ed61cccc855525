#pragma once
// Wydruk trasy: przygotowanie treści (tytuł, nagłówek raportu, linie opisu
// pociągu, tytuły kolumn, wiersze) i jej układ na stronach silnika raportów.

#include "reports/SilnikRaportu.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tks {

class Droga;

inline const QString kUwagaNiepelnaWycena = QStringLiteral("Wyliczona cena nie obejmuje całej trasy");

struct WydrukTrasy {
    int poziom = 0;
    QString tytul;                 // etykieta tytułu
    QString naglowek;              // QRLabelNaglowek
    QStringList opis;              // linie opisu pociągu pod tytułem
    QStringList tytulyKolumn;      // 9 tytułów pasma nagłówka kolumn
    QVector<QStringList> wiersze;  // po 9 wartości na wiersz podglądu
};

// Tytuł wydruku dla numeru pociągu (pusty: bez numeru).
QString tytulWydruku(const QString& numer);
// Nagłówek raportu (QRLabelNaglowek) dla poziomu i numeru.
QString naglowekWydruku(int poziom, const QString& numer);

// Przygotowanie wydruku na poziomie, po WyznaczTrase(poziom): filtr podglądu
// zdjęty i porządek trasy przywrócony, tytuł, nagłówek, opis i wiersze.
WydrukTrasy PrzygotujWydruk(Droga& d, int poziom);

// Strony wydruku: A4 pionowo, tytuł z opisem, nagłówek kolumn na każdej stronie,
// wiersze, stopka "Strona: " + numer.
Raport RaportTrasy(const WydrukTrasy& w);

} // namespace tks
