#pragma once
// Reakcje na kontrolki warunków trasy okna głównego: kryterium wyboru trasy,
// kontrolki ograniczeń, przycisk usunięcia całej trasy. Okno zapisuje nowy stan
// kontrolki w d.kontrolki (poza kryterium), wywołuje funkcję i pokazuje wynik.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tks {

class Droga;
struct StanKontrolek;

// Pytanie przy przejściu na wybór ręczny z ułożoną trasą.
inline const QString kPytanieUsuniecieDrogi = QStringLiteral("Ułożona dotychczas droga zostanie usunięta. Kontynuować ?");
inline const QString kTytulUwaga2 = QStringLiteral("Uwaga!!");

// Co okno ma zrobić po zmianie kryterium.
struct WynikZmianyKryterium {
    int kryterium = 0;                // kryterium obowiązujące: tę pozycję ma pokazać lista
    bool wcisnijNarzedziaWyboru = false; // wcisnąć kolejno narzędzia: początek, pośrednia, koniec
    bool wyczyscPolaTrasy = false;    // opróżnić pokazane: początek, koniec, długość, ceny
    bool wyczyscCenePostojow = false; // opróżnić pokazaną cenę za postoje
};

// Wybór pozycji listy "Kryterium wyboru trasy". Przy "wybór ręczny" z ułożoną
// trasą pyta (Uwaga!!, Tak/Nie); "Nie" zostawia poprzednie kryterium.
WynikZmianyKryterium ZmianaKryterium(Droga& d, int nowe);

// Przycisk "Usunięcie całej wyznaczonej trasy": usuwa trasę i oznaczenia, zeruje
// ceny w nagłówku i sumy wyceny. Okno opróżnia pokazane pola trasy i odświeża mapę.
void UsunCalaTrase(Droga& d);

// Kontrolki ograniczeń (pola wyboru i przyciski rozstawu z maski ograniczeń).
enum class KontrolkaOgraniczenia {
    Normalne,             // "Normalnych"
    Szerokie,             // "Szerokich"
    BrakSieci,            // "Brak sieci trakcyjnej"
    Nieczynne,            // "Linie nieczynne" (ukryta)
    PodObcymZarzadem,     // "Linie pod obcym zarządem"
    NieWskazanyRuchPas,   // "Linie towarowe" (ukryta)
    NieWskazanyRuchTow,   // "Linie pasażerskie" (ukryta)
    ZawRuchPas,           // "Brak stawki dla poc. pas."
    ZawRuchTow,           // "Brak stawki dla poc. tow."
    DopasujDoRodzaju,     // "Dopasuj do rodzaju poc." (ukryta)
};

// Bit maski ograniczeń (i pola Ograniczenia nagłówka) odpowiadający kontrolce.
std::uint16_t bitKontrolki(KontrolkaOgraniczenia k);
// Podpis i podpowiedź kontrolki (ukryte nie mają podpowiedzi).
QString podpisKontrolki(KontrolkaOgraniczenia k);
QString podpowiedzKontrolki(KontrolkaOgraniczenia k);
// Stany kontrolek z zestawu bitów pola Ograniczenia (0x0800: "Dopasuj do rodzaju poc.").
void UstawKontrolkiZOgraniczen(StanKontrolek& s, int bity);

// Teksty listy kryterium i grupy ograniczeń.
inline const QString kEtykietaKryterium = QStringLiteral("Kryterium wyboru trasy");
inline const QStringList kPozycjeKryterium = {QStringLiteral("najkrótsza"), QStringLiteral("najtańsza"),
                                              QStringLiteral("wybór ręczny")};
inline const QString kTytulGrupyOgraniczen = QStringLiteral("Nie układaj trasy na liniach :");

// Kliknięcie kontrolki ograniczenia (okno już zapisało jej nowy stan
// w d.kontrolki). Zwraca true, gdy trzeba odświeżyć mapę.
bool ZmianaOgraniczenia(Droga& d, KontrolkaOgraniczenia k);

} // namespace tks
