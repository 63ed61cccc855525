// Polecenie render-map: mapa rysowana tak jak w oknie głównym, zapisana jako PNG.

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "map/Kanwa.h"
#include "map/Kolory.h"
#include "map/PasekSkali.h"
#include "map/Rysowanie.h"
#include "map/Widok.h"
#include "common/ZapisAtomowy.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <optional>

namespace tks::cli {

namespace {

constexpr int kMaksBoku = 10000;   // pikseli

double liczbaRzeczywista(const QString& nazwa, QString tekst)
{
    tekst = tekst.trimmed();
    tekst.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = tekst.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw BladUzycia(QStringLiteral("Opcja --%1: \"%2\" nie jest liczbą.").arg(nazwa, tekst));
    return v;
}

int bok(const Argumenty& a, const QString& nazwa, int domyslny)
{
    const auto w = a.wartosc(nazwa);
    if (!w)
        return domyslny;
    const int v = liczbaZOpcji(nazwa, *w);
    if (v < 1 || v > kMaksBoku)
        throw BladUzycia(QStringLiteral("Opcja --%1: rozmiar od 1 do %2 pikseli.").arg(nazwa).arg(kMaksBoku));
    return v;
}

} // namespace

int polecenieRenderMap(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji() +
                                     QStringList{QStringLiteral("out"), QStringLiteral("width"),
                                                 QStringLiteral("height"), QStringLiteral("zoom"),
                                                 QStringLiteral("centre")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const auto plik = a.wartosc(QStringLiteral("out"));
    if (!plik || plik->isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie render-map wymaga opcji --out PLIK.png."));
    const int szer = bok(a, QStringLiteral("width"), 1600);
    const int wys = bok(a, QStringLiteral("height"), 1000);

    // powiększenie jako krotność (2 = 20000), od 1× do 8192×
    std::int64_t zoom = kPowiekszenie1x;
    if (const auto z = a.wartosc(QStringLiteral("zoom"))) {
        const double k = liczbaRzeczywista(QStringLiteral("zoom"), *z);
        if (k < 1 || k > double(kPowiekszenieMax / kPowiekszenie1x))
            throw BladUzycia(QStringLiteral("Opcja --zoom: powiększenie od 1 do %1.").arg(kPowiekszenieMax / kPowiekszenie1x));
        zoom = std::int64_t(std::nearbyint(k * double(kPowiekszenie1x)));
    }
    std::optional<TPunkt> srodek;
    if (const auto c = a.wartosc(QStringLiteral("centre"))) {
        const QStringList xy = c->split(QLatin1Char(','));
        if (xy.size() != 2)
            throw BladUzycia(QStringLiteral("Opcja --centre: oczekiwano \"X,Y\" (metry płaszczyzny mapy)."));
        srodek = TPunkt{liczbaRzeczywista(QStringLiteral("centre"), xy[0]),
                        liczbaRzeczywista(QStringLiteral("centre"), xy[1])};
        if (!(std::abs(srodek->x) <= 1e8 && std::abs(srodek->y) <= 1e8))
            throw BladUzycia(QStringLiteral("Opcja --centre: współrzędne poza zakresem ±100 000 000 m."));
    }

    auto sesja = przygotujTrase(a);
    Droga& d = sesja->droga;
    // kolory i opcje wyświetlania z pliku ustawień folderu programu; kontrolki
    // ograniczeń zostają takie, jak ustaliły je opcje
    const StanKontrolek kontrolki = d.kontrolki;
    WczytajKolory(d);
    d.kontrolki = kontrolki;
    wykonajOperacje(*sesja, a);

    d.widok.zoom = zoom;
    const TPunkt s = srodek.value_or(d.siec.SrodekDomyslny);
    UstawSrodek(d.widok, s.x, s.y);

    QImage obraz(szer, wys, QImage::Format_RGB32);
    if (obraz.isNull())
        throw BladOperacji(QStringLiteral("Brak pamięci na obraz %1×%2.").arg(szer).arg(wys));
    {
        QPainter p(&obraz);
        KanwaEkranu k(p, true);
        odswiez(d, k);
        // pasek skali jak w oknie: po rysowaniu mapy
        if (d.kolory.PasekSkali)
            RysujPasekSkali(p, QRectF(obraz.rect()), d.widok.k() / 10000.0);
    }

    // obraz najpierw w pamięci, potem cały plik naraz
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!obraz.save(&png, "PNG"))
        throw BladOperacji(QStringLiteral("Nie można zakodować obrazu PNG."));
    QString blad;
    if (!zapiszAtomowo(*plik, png.data(), blad))
        throw BladOperacji(blad);

    wypiszJson(QJsonObject{
        {QStringLiteral("out"), QFileInfo(*plik).absoluteFilePath()},
        {QStringLiteral("width"), szer},
        {QStringLiteral("height"), wys},
        {QStringLiteral("zoom"), double(d.widok.zoom)},
        {QStringLiteral("centre"), QJsonObject{{QStringLiteral("x"), d.widok.WspXSrodka},
                                               {QStringLiteral("y"), d.widok.WspYSrodka}}},
        {QStringLiteral("komunikaty"), komunikatyJakoJson(sesja->interakcja)},
    });
    return 0;
}

} // namespace tks::cli
