#pragma once
// Reguły edytora nagłówka pociągu "Informacje o pociągu": sprawdzenie przed
// zapisem, filtr numeru pociągu, oznaczenie ceny niepełnej, paski przewijania
// pól wielowierszowych. Okno tylko je wywołuje.

#include <QChar>
#include <QString>

namespace tks {

class Droga;
struct Pociag;

inline const QString kTytulEdytoraNaglowka = QStringLiteral("Informacje o pociągu");
inline const QString kPrzyciskZapiszPociag = QStringLiteral("Zapisz pociąg");   // OK w trybie zapisu
inline const QString kPrzyciskOK = QStringLiteral("OK");                        // OK w trybie edycji

// Przycisk OK w trybie zapisu: numer pociągu i terminy kursowania (komunikaty
// "Błąd" przez d.interakcja). true - okno zamyka się z OK; false - zostaje otwarte.
bool SprawdzNaglowekDoZapisu(Droga& d);

// Znak dozwolony na końcu numeru pociągu: '/', cyfra, litera ASCII.
bool znakNumeruPociagu(QChar c);
// Numer po wpisaniu znaku: sprawdzany jest tylko ostatni znak; niedozwolony
// jest usuwany. Znaki wcześniejsze zostają, jakie są.
QString filtrujNumerPociagu(const QString& tekst);

// Cena nie obejmuje całej trasy: WycenaPelna ma wartość i jest fałszem.
bool cenaNiepelna(const Pociag& p);
// Podpowiedź pola ceny okna głównego przy cenie niepełnej.
inline const QString kPodpowiedzCenyNiepelnej =
    QStringLiteral("Cena za przejazd i postoje, nie obejmuje calej trasy\r\n"
                   "z uwagi na ruch po liniach\r\nnie objetych cennikiem");
// Czy pole ceny okna głównego ma tło podpowiedzi (cena niepełna i różna od 0).
bool wyroznijCeneOknaGlownego(const Pociag& p);

// Paski przewijania pola wielowierszowego dla rozmiaru tekstu (najdłuższa
// linia, wysokość całości) i rozmiaru pola, w pikselach.
struct PaskiPrzewijania {
    bool poziomy = false;
    bool pionowy = false;
};
PaskiPrzewijania paskiPola(int szerokoscTekstu, int wysokoscTekstu, int szerokoscPola, int wysokoscPola);

} // namespace tks
