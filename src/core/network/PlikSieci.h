#pragma once
// Plik sieci "FDane.bin": cały model sieci zapisany rekord po rekordzie,
// poprzedzony obrazami dwóch tabel słownikowych i zaszyfrowany bajt po bajcie
// kluczem zależnym od pozycji. Układ opisuje docs/formaty.md.

#include "Siec.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tks {

class Interakcja;

inline const QString kNazwaPlikuSieci = QStringLiteral("FDane.bin");

// Parametry strumienia klucza: bajt klucza dla pozycji p (od 1) to
// (p mod kOkresKlucza) + kPrzesuniecieKlucza.
inline constexpr int kOkresKlucza = 199;
inline constexpr int kPrzesuniecieKlucza = 37;

// Szyfruje albo odszyfrowuje (ta sama operacja) w miejscu.
void przeksztalcKluczem(QByteArray& dane);

// Zawartość pliku przed zaszyfrowaniem.
QByteArray budujZawartoscSieci(const Siec& s);
// Odczyt zawartości (już odszyfrowanej). Przy błędzie nullopt i opis w `blad`.
std::optional<Siec> czytajZawartoscSieci(const QByteArray& jawna, QString& blad);

// Zapis modelu do pliku (zapis atomowy: plik tymczasowy, potem zamiana).
bool ZapiszLinieDoPliku(const Siec& s, const QString& sciezka, QString& blad);
// Odczyt pliku; przy jakimkolwiek błędzie model w pamięci zostaje bez zmian,
// a `blad` zawiera polski komunikat z nazwą pliku.
bool WczytajLinieZPliku(Siec& s, const QString& sciezka, QString& blad);
// To samo razem z wartościami pochodnymi (budujWartosciPochodne), jak przy starcie:
// indeks nazw powstaje w trakcie odczytu reszty pliku.
bool WczytajSiecZWartosciamiPochodnymi(Siec& s, const QString& sciezka, QString& blad, Interakcja* interakcja = nullptr);

} // namespace tks
