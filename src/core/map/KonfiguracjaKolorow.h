#pragma once
// Okno "Konfiguracja kolorystyki" po stronie rdzenia: wartości pokazywane
// w oknie (z pliku ustawień, z jego własnymi wartościami domyślnymi) i zapis
// wszystkiego, co okno zmienia. Kolory obszarów zmienia się wprost w rekordach
// sieci (mapa pokazuje je od razu); po zamknięciu okna, którymkolwiek
// przyciskiem, okno główne czyta ustawienia od nowa.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace tks {

class Droga;

inline const QString kTytulOknaKolorow = QStringLiteral("Konfiguracja kolorystyki");

// Próbka koloru okna: nazwa kontrolki, klucz w sekcji "Kolory", podpis.
struct PoleKoloru {
    const char* kontrolka;
    const char* klucz;
    const char* podpis;   // UTF-8; pusty: bez podpisu
};

inline constexpr int kLiczbaKolorow = 13;
inline constexpr std::array<PoleKoloru, kLiczbaKolorow> kPolaKolorow = {{
    {"SKolorLinii", "KolorLinii", "Kolor Linii"},
    {"SKolorLiniiObcych", "KolorLiniiObcych", "Kolor linii obcego zarządu"},
    {"SKolorPunktowStacji", "KolorPunktowStacji", "Kolor punktów stacji "},
    {"SKolorNazwStacji", "KolorNazwStacji", "Kolor nazw stacji"},
    {"SKolorNazwStacjiWezlowych", "KolorNazwStacjiWezlowych", "Kolor nazw stacji węzłowych"},
    {"SKolorPunktowStacjiWezlowych", "KolorPunktowStacjiWezlowych", "Kolor punktów stacji węzłowych"},
    {"SKolorNazwStacjiTrasy", "KolorNazwStacjiTrasy", "Kolor nazw stacji trasy"},
    {"SKolorPunktowTrasy", "KolorPunktowTrasy", "Kolor punktów trasy"},
    {"SKolorLiniiTrasy", "KolorLiniiTrasy", "Kolor linii trasy"},
    {"SKolorLiniiTrasyNieWycenionej", "KolorLiniiTrasyNieWycenionej", "Kolor linii trasy nie wycenionej"},
    {"SKolorPunktowZabronionych", "KolorPunktowZabronionych", "Kolor oznaczenia miejsc do ominięcia"},
    {"SKolorpunktowStycznosci", "KolorPunktowStycznosci", "Kolor punktów stycznosci linii \r\nprzy ręcznym wyborze trasy"},
    {"SKolorTla", "KolorTla", ""},
}};

// Pozycje "Rodzaj wydruku" i "Podział terytorialny".
inline const QStringList kRodzajeWydruku = {QStringLiteral("Czarno-biały"), QStringLiteral("Kolorowy")};
inline const QStringList kPodzialyTerytorialne = {QStringLiteral("Zakłady IZ"), QStringLiteral("Województwa")};

struct StanOknaKolorow {
    std::array<std::int32_t, kLiczbaKolorow> kolory{};   // w kolejności kPolaKolorow
    int rodzajWydruku = 0;        // RGDrukarka: 0 czarno-biały, 1 kolorowy
    bool numerowanie = false;     // CheckBoxNumerowanie
    int podzial = 1;              // ukryty RadioGroupPodzial: zawsze województwa
    bool pasekSkali = true;       // pasek skali na mapie
};

// Stan okna przy otwarciu: kolory z pliku ustawień z wartościami domyślnymi
// mapy, z wyjątkiem punktów stacji węzłowych (tu domyślnie czerwony 255);
// "Drukarka"/"Kolor" inne niż 0 i 1 pokazuje się jako 0.
StanOknaKolorow WczytajOknoKolorow(const Droga& d);

// "Zapisz": kolory wszystkich obszarów (z rekordów sieci), kolory próbek,
// rodzaj wydruku, numerowanie, podział terytorialny i pasek skali. false
// i polski opis w `blad`, gdy pliku nie udało się zapisać.
bool ZapiszOknoKolorow(Droga& d, const StanOknaKolorow& s, QString& blad);

// Po zamknięciu okna (którymkolwiek przyciskiem): kolory, opcje wyświetlania
// i kolory obszarów czytane od nowa z pliku ustawień - kolor obszaru zmieniony
// i anulowany wraca do zapisanego. Stan kontrolek ograniczeń trasy zostaje
// taki, jaki ustawił użytkownik.
void WczytajKoloryPoOknie(Droga& d);

// Tekst pozycji listy obszarów: "   nazwa   ".
QString TekstPozycjiObszaru(const QString& nazwa);

} // namespace tks
