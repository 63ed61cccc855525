#pragma once
// Pomoc testów mapy: sieć przykładowa, trasa budowana wprost z rekordów,
// rysowanie do obrazu i do list wydruku.

#include "app/Droga.h"
#include "common/Interakcja.h"
#include "map/Kanwa.h"
#include "map/Rysowanie.h"
#include "network/Siec.h"

#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace tks::test {

// Sieć przykładowa z folderu uruchomieniowego (z wartościami pochodnymi).
bool wczytajSiecPrzykladowa(Siec& s);

struct DrogaTestowa {
    DrogaTestowa();
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    std::unique_ptr<Droga> d;
    Droga& operator*() { return *d; }
    const Droga& operator*() const { return *d; }
    Droga* operator->() { return d.get(); }
    const Droga* operator->() const { return d.get(); }
};

// Pusta sieć i widok kSzerWidoku × kWysWidoku pikseli ze środkiem w (500 km, 400 km).
inline constexpr int kSzerWidoku = 800;
inline constexpr int kWysWidoku = 600;
struct WidokTestowy {
    WidokTestowy();
    void ustawZoom(std::int64_t zoom);
    // Punkt mapy leżący dokładnie na pikselu (przy bieżącym widoku).
    TPunkt m(int x, int y) const;
    // Stacja w punkcie mapy pod pikselem; zwraca jej indeks.
    int stacja(const QString& nazwa, int x, int y, int widocznosc = 1);
    DrogaTestowa d;
};

// Dopisuje do trasy `kroki` odcinków linii `linia`, idąc od stacji `od`
// (pierwszym nieużytym odcinkiem tej linii). Ustawia punkty trasy: początek
// w `od`, koniec w ostatniej stacji. Zwraca stację końcową.
int trasaWzdluzLinii(Droga& d, int od, int linia, int kroki, bool wyceniona = true);

// Element trasy z końcami w stacjach a i b (na odcinku `odcinek`, gdy >= 0).
TSciezka element(const Siec& s, int a, int b, int odcinek = -1, bool wyceniony = true);
TGlownaStacja punkt(const Siec& s, int stacja, std::uint8_t rodzaj);

// Rysowanie całej mapy do obrazu (tło białe przed rysowaniem).
QImage rysuj(Droga& d, int szer, int wys, bool antyalias = true);
// Rysowanie w trybie wydruku.
ElementyWydruku rysujDoWydruku(Droga& d, int szer, int wys, int ppi = 96);

// Kolor piksela jako 0x00BBGGRR.
std::int32_t bgr(const QImage& im, int x, int y);
// Czy w kwadracie (2r+1) wokół punktu jest piksel danego koloru.
bool jestKolorWokol(const QImage& im, int x, int y, int r, std::int32_t kolor);

} // namespace tks::test
