#include "Ustawienia.h"

#include "Droga.h"
#include "PlikUstawien.h"
#include "common/Liczby.h"

#include <cmath>

namespace tks {

namespace {
const QString kUstawienia = QStringLiteral("Ustawienia");
const QString kInne = QStringLiteral("Inne");
// Największe powiększenie osiągalne przyciskami (8192x); większa wartość z
// pliku przepełniłaby licznik.
constexpr std::int64_t kNajwiekszePowiekszenie = 81920000;
// Najdalszy przyjmowany środek mapy (m od początku płaszczyzny mapy; kraj ma ok. 10^6 m).
constexpr double kNajdalszySrodek = 1e8;
} // namespace

void WczytajUstawienia(Droga& d)
{
    PlikUstawien u(d.plikUstawien);
    const double p = u.rzeczywista(kUstawienia, QStringLiteral("Powiekszenie"), 1.0);
    std::int64_t zoom = kPowiekszenie1x;
    if (std::isfinite(p) && p * 10000.0 < double(kNajwiekszePowiekszenie))
        zoom = std::int64_t(zaokraglij(p * 10000.0));
    else if (std::isfinite(p))
        zoom = kNajwiekszePowiekszenie;
    if (zoom < kPowiekszenie1x)
        zoom = kPowiekszenie1x;
    d.widok.zoom = zoom;
    d.widok.WspXSrodka = u.rzeczywista(kUstawienia, QStringLiteral("WspXSrodka"), d.siec.SrodekDomyslny.x);
    d.widok.WspYSrodka = u.rzeczywista(kUstawienia, QStringLiteral("WspYSrodka"), d.siec.SrodekDomyslny.y);
    // środek daleko poza każdą siecią (ręcznie poprawiony plik): środek domyślny
    if (!(std::abs(d.widok.WspXSrodka) <= kNajdalszySrodek && std::abs(d.widok.WspYSrodka) <= kNajdalszySrodek)) {
        d.widok.WspXSrodka = d.siec.SrodekDomyslny.x;
        d.widok.WspYSrodka = d.siec.SrodekDomyslny.y;
    }
}

bool ZapiszUstawienia(Droga& d)
{
    PlikUstawien u(d.plikUstawien);
    u.zapiszRzeczywista(kUstawienia, QStringLiteral("Powiekszenie"), double(d.widok.zoom) / 10000.0);
    u.zapiszRzeczywista(kUstawienia, QStringLiteral("WspXSrodka"), d.widok.WspXSrodka);
    u.zapiszRzeczywista(kUstawienia, QStringLiteral("WspYSrodka"), d.widok.WspYSrodka);
    u.zapiszLogiczna(kInne, QStringLiteral("BrakSieci"), d.kontrolki.brakSieci);
    u.zapiszLogiczna(kInne, QStringLiteral("PodObcymZarzadem"), d.kontrolki.podObcymZarzadem);
    u.zapiszLogiczna(kInne, QStringLiteral("Szerokie"), d.kontrolki.szerokie);
    QString blad;
    if (!u.zapisz(blad)) {
        d.interakcja.komunikat(blad, QStringLiteral("Błąd"), Ikona::Blad);
        return false;
    }
    return true;
}

} // namespace tks
