#pragma once
// Kolory mapy i opcje wyświetlania z pliku ustawień (sekcje "Kolory",
// "Drukarka", "Inne"). Kolory jako liczby 0x00BBGGRR.

#include <QColor>
#include <cstdint>

namespace tks {

struct Kolory {
    std::int32_t KolorLinii = 0x000080;
    std::int32_t KolorLiniiObcych = 0xFFFFFF;
    std::int32_t KolorPunktowStacji = 0x00FF00;
    std::int32_t KolorPunktowStacjiWezlowych = 0x00FF00;
    std::int32_t KolorPunktowTrasy = 0x0000FF;
    std::int32_t KolorPunktowZabronionych = 0x0000FF;
    std::int32_t KolorPunktowStycznosci = 0xFFFFFF;
    std::int32_t KolorLiniiTrasy = 0x00FFFF;
    std::int32_t KolorLiniiTrasyNieWycenionej = 0x00FF00;
    std::int32_t KolorNazwStacji = 0x800000;
    std::int32_t KolorNazwStacjiWezlowych = 0;
    std::int32_t KolorNazwStacjiTrasy = 0x0000FF;
    std::int32_t KolorTla = 0xC0C0C0;
    int DrukarkaKolor = 0;          // 0 czarno-biały, 1 kolorowy
    bool NumerowanieStacji = false;
    int PodzialTerytorialny = 0;    // 0 zakłady, 1 województwa, inne: brak
    bool PasekSkali = true;         // pasek skali w rogu mapy (ekran i wydruk)
};

// 0x00BBGGRR -> QColor
inline QColor kolorZBgr(std::int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline std::int32_t bgrZKoloru(const QColor& k)
{
    return std::int32_t(k.red() | (k.green() << 8) | (k.blue() << 16));
}

class Droga;

// Odczyt kolorów, opcji wyświetlania i trzech ograniczeń z pliku ustawień
// (sekcje "Kolory", "Drukarka", "Inne", "Zaklady", "Wojewodztwa"); brakujące
// klucze dają wartości domyślne, kolory regionów - kolor z bazy sieci.
void WczytajKolory(Droga& d);

} // namespace tks
