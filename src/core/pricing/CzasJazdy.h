#pragma once
// Czysty czas jazdy z symulacji przejazdu metr po metrze i średnia prędkość techniczna.

#include "pricing/Wycena.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace tks {

class Droga;

// Parametry trakcyjne lokomotywy przyjęte w symulacji.
struct ParametryLokomotywy {
    double P;      // moc, kW
    double Fmax;   // największa siła pociągowa, kN
    double B;      // opóźnienie hamowania, m/s²
};
inline constexpr ParametryLokomotywy kLokomotywaPasazerska{3600, 163, 0.3};
inline constexpr ParametryLokomotywy kLokomotywaTowarowa{3800, 314, 0.15};
inline constexpr double kG = 9.81;
inline constexpr double kOporA = 0.000258;   // współczynnik oporu przy v²
inline constexpr double kOporB = 1.97;       // stały współczynnik oporu

// Granice prędkości maksymalnej taboru.
inline constexpr int kVTabMin = 10;
inline constexpr int kVTabMaxPasazerski = 160;
inline constexpr int kVTabMaxInny = 120;

// Tekst pola "Vmax tab." jako liczba całkowita (nie liczba = 0), podniesiona do
// co najmniej 10 i ograniczona do 160 (pociąg pasażerski) albo 120.
int ograniczVTab(const QString& tekst, bool pasazerski);
// Ogranicza d.kontrolki.vmaxTekst jak pole "Vmax tab." (wpisuje wynik z powrotem)
// i zapamiętuje go w d.wycena.VTab.
int UstalVTab(Droga& d);

// Najdłuższa trasa (w metrach), której profil prędkości metr po metrze jest
// rozwijany (2 B na metr, tu 40 MB); dłuższej trasie czas jest liczony, a profil
// zostaje pusty.
inline constexpr std::size_t kMaxMetrowProfilu = 20'000'000;

// Symulacja przejazdu po trasie: profil prędkości (ciągi metrów w d.wycena)
// i czas jazdy d.wycena.Tr (sekundy). Porządkuje Sciezki.
void WyznaczCzasJazdy(Droga& d);
// Wynik `metry` razy powtórzonego t += c (t, c nieujemne), bit w bit ten sam,
// ale bez dodawania po kolei w obrębie jednej potęgi dwójki.
double dodajRazy(double t, double c, std::size_t metry);
// Profil prędkości ostatniej symulacji, jeden wpis na metr trasy (pusty dla
// trasy dłuższej niż kMaxMetrowProfilu).
const std::vector<TMetrProfilu>& profilPredkosci(Wycena& w);

// Czas jazdy w sekundach jako "hh:nn" (pełne godziny, także 24 i więcej).
QString czasJazdyJakoTekst(int sekundy);
// Teksty pól "Czas jazdy" i "Vr sr" po wycenie: tylko przy co najmniej dwóch
// punktach trasy i dodatnim czasie; inaczej pola zachowują poprzednie teksty.
// Trasa bez elementów (nowy pociąg, skasowana trasa, początek wyboru ręcznego)
// opróżnia oba pola: czas jazdy niczego nie byłby czytany jako czas tej trasy.
void PokazCzasJazdy(Droga& d);

// Podpowiedzi pól czasu i prędkości.
inline const QString kPodpowiedzEditVr = QStringLiteral(
    "Średnia prędkość techniczna bez uwzględnienia postojów, \r\n"
    "z uwzględnieniem prędkości drogowej linii,  z uwzględnieniem\r\n"
    "ograniczeń stałych i ograniczenia predkości taboru, \r\n"
    "bez uwzględnienia wpływu % masy hamującej,\r\n"
    "bez uwzględnienia wpływu jazdy na spadkach i wzniesieniach,\r\n"
    "przy założeniu parametrów trakcyjnych lokomotywy\r\n"
    "dla pociągów pasażerskich   EP09, dla towarowych ET22 ");
inline const QString kPodpowiedzEditTr = QStringLiteral(
    "Surowy czas jazdy bez uwzględnienia postojów, \r\n"
    "z uwzględnieniem prędkości drogowej linii,  z uwzględnieniem\r\n"
    "ograniczeń stałych i ograniczenia predkości taboru, \r\n"
    "bez uwzględnienia wpływu % masy hamującej,\r\n"
    "bez uwzględnienia wpływu jazdy na spadkach i wzniesieniach,\r\n"
    "przy założeniu parametrów trakcyjnych lokomotywy\r\n"
    "dla pociągów pasażerskich   EP09, dla towarowych ET22 ");
inline const QString kPodpowiedzEditVTab = QStringLiteral("Maksymalna predkość taboru");

} // namespace tks
