#pragma once
// Wydruk mapki na jednej stronie pionowej: mapa narysowana raz w trybie
// wydruku w układzie 150 pikseli na cal (cała sieć, okno albo widok
// dopasowany do trasy), tytuł i dane pociągu; strona odtwarzana z list
// elementów na podglądzie (obraz), drukarce albo w pliku PDF.

#include "ElementyWydruku.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class QPainter;
class QPagedPaintDevice;

namespace tks {

class Droga;
struct Kolory;
struct Siec;

// Układ strony (milimetry) i jego rozdzielczość.
inline constexpr int kPpiUkladu = 150;
inline constexpr double kSzerStronyMm = 209;
inline constexpr double kWysStronyMm = 297;
inline constexpr double kLewaMapyMm = 17;
inline constexpr double kGoraMapyMm = 20;
inline constexpr double kSzerMapyMm = 170;
inline constexpr double kWysMapyMm = 160;
inline constexpr double kTytulXMm = 77;
inline constexpr double kTytulYMm = 13;
inline constexpr double kDaneXMm = 19;
inline constexpr double kDaneYMm = 197;
// Obszar mapy i strona w pikselach układu.
inline constexpr int kSzerMapyPiks = 1004;   // Round(170 / 25.4 × 150)
inline constexpr int kWysMapyPiks = 945;     // Round(160 / 25.4 × 150)
inline constexpr int kSzerStronyPiks = 1234;
inline constexpr int kWysStronyPiks = 1754;
// Rozdzielczość zapisu PDF (i drukarki, gdy jej nie ma).
inline constexpr int kPpiPdf = 600;

inline const QString kCzcionkaDanychMapki = QStringLiteral("MS Sans Serif");
inline const QString kTytulOknaWydrukuMapki = QStringLiteral("Wydruk mapki");
inline const QString kBrakDrukarekMapki = QStringLiteral("Brak w systemie zainstalowanych drukarek.");

enum RodzajMapki : int { MapkaCala = 0, MapkaOkno = 1, MapkaDoTrasy = 2 };

struct StronaMapy {
    ElementyWydruku elementy;      // mapa (piksele obszaru mapy) i bloki tekstu (mm)
    double pikseliNaMetr = 0;      // skala mapy w pikselach układu
    std::int64_t zoom = 0;         // widok przebiegu wydruku
    double srodekX = 0;
    double srodekY = 0;
    bool pasekSkali = true;
    bool czarnoBiala = false;
};

// Czy wydruk jest czarno-biały: każda wartość "Drukarka"/"Kolor" poza 1.
inline bool WydrukCzarnoBialy(int drukarkaKolor) { return drukarkaKolor != 1; }
// Kolory przebiegu czarno-białego (kolory województw zostają).
void KoloryCzarnoBiale(Kolory& k, Siec& s);

// Tytuł strony (pusty tekst dla "Dopasuj do trasy" bez trasy).
QString TytulMapki(const Droga& d, int rodzaj);
// Linie danych pociągu (puste bez elementów trasy).
QStringList DanePociaguMapki(const Droga& d);

// Proponowana nazwa pliku PDF: "Mapka.pdf" bez trasy, z trasą "MapkaPoc" +
// numer pociągu albo "MapkaPocBezNumeru".
QString NazwaPlikuMapki(const Droga& d);

// Przebieg wydruku: widok według rodzaju, kolory czarno-białe według ustawień
// albo `czarnoBiala`, rysowanie w trybie wydruku, tytuł i dane pociągu. Widok,
// kolory i tryb rysowania wracają potem do stanu sprzed wywołania.
// `ppiDrukarki` decyduje o pomijaniu krótkich strzałek.
StronaMapy WydrukMapki(Droga& d, int rodzaj, int ppiDrukarki = kPpiPdf, std::optional<bool> czarnoBiala = {});

// Odtworzenie strony na płótnie o rozdzielczości `ppi` (lewy górny róg płótna
// to róg strony): elementy mapy w skali ppi / 150, białe pasy marginesów,
// ramka, bloki tekstu i pasek skali.
void RysujStroneMapy(QPainter& p, const StronaMapy& s, double ppi);
// Obraz strony w układzie 150 pikseli na cal (1234 × 1754), białe tło.
QImage ObrazStronyMapy(const StronaMapy& s);
// Strona na urządzeniu stronicowanym (drukarka, PDF) w jego rozdzielczości.
bool DrukujStroneMapy(QPagedPaintDevice& u, const StronaMapy& s, QString& blad);
// Plik PDF w całości albo wcale.
bool ZapiszPdfMapy(const QString& sciezka, const StronaMapy& s, QString& blad);

// Powiększenie podglądu (10000 = 100 %): w górę o 1,2 do 300000, w dół do 333,33.
inline constexpr int kZoomPodgladu100 = 10000;
int PowiekszPodglad(int zoom);
int ZmniejszPodglad(int zoom);

} // namespace tks
