// Polecenie print-map: strona wydruku mapki (mapa, tytuł, dane pociągu) jako
// PDF albo PNG, tym samym przebiegiem co "Drukuj" -> "Mapka".

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "common/ZapisAtomowy.h"
#include "map/Kolory.h"
#include "map/WydrukMapki.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>

namespace tks::cli {

int polecenieDrukujMape(const QStringList& argumenty)
{
    // --kind to tu rodzaj mapki; rodzaj stawki (--kind innych poleceń) podaje --rate-kind
    const QStringList zWartoscia = opcjeWspolne() + opcjeWarunkow() + opcjeOperacji() +
                                   QStringList{QStringLiteral("out"), QStringLiteral("rate-kind")};
    const QStringList flagi{QStringLiteral("mono")};
    const Argumenty a(argumenty, zWartoscia, flagi);
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const auto rodzajTekst = a.wartosc(QStringLiteral("kind"));
    if (!rodzajTekst)
        throw BladUzycia(QStringLiteral("Polecenie print-map wymaga opcji --kind 0|1|2 (cała sieć, okno, dopasowanie do trasy)."));
    const int rodzaj = liczbaZOpcji(QStringLiteral("kind"), *rodzajTekst);
    if (rodzaj < 0 || rodzaj > 2)
        throw BladUzycia(QStringLiteral("Opcja --kind: rodzaj mapki 0 (cała), 1 (okno) albo 2 (dopasuj do trasy)."));
    const auto plik = a.wartosc(QStringLiteral("out"));
    if (!plik || plik->isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie print-map wymaga opcji --out PLIK.pdf albo PLIK.png."));
    const QString rozszerzenie = QFileInfo(*plik).suffix().toLower();
    if (rozszerzenie != QLatin1String("pdf") && rozszerzenie != QLatin1String("png"))
        throw BladUzycia(QStringLiteral("Opcja --out: plik musi mieć rozszerzenie .pdf albo .png."));

    // opcje trasy z --rate-kind jako --kind
    QStringList trasy;
    for (const Opcja& o : a.opcje()) {
        if (o.nazwa == QLatin1String("kind") || o.nazwa == QLatin1String("mono"))
            continue;
        const QString nazwa = o.nazwa == QLatin1String("rate-kind") ? QStringLiteral("kind") : o.nazwa;
        trasy << QStringLiteral("--") + nazwa + QLatin1Char('=') + o.wartosc;
    }
    const Argumenty at(trasy, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji() + QStringList{QStringLiteral("out")});

    std::unique_ptr<SesjaTrasy> sesja;
    try {
        sesja = przygotujTrase(at);
    } catch (const BladUzycia& e) {
        // w tym poleceniu rodzaj stawki to --rate-kind
        throw BladUzycia(QString::fromStdString(e.what()).replace(QStringLiteral("--kind:"), QStringLiteral("--rate-kind:")));
    }
    Droga& d = sesja->droga;
    // kolory i rodzaj wydruku z pliku ustawień folderu programu; kontrolki
    // ograniczeń zostają takie, jak ustaliły je opcje
    const StanKontrolek kontrolki = d.kontrolki;
    WczytajKolory(d);
    d.kontrolki = kontrolki;
    wykonajOperacje(*sesja, at);

    const std::optional<bool> czarnoBiala = a.flaga(QStringLiteral("mono")) ? std::optional<bool>(true) : std::nullopt;
    const StronaMapy strona = WydrukMapki(d, rodzaj, kPpiPdf, czarnoBiala);

    QString blad;
    if (rozszerzenie == QLatin1String("pdf")) {
        if (!ZapiszPdfMapy(*plik, strona, blad))
            throw BladOperacji(blad);
    } else {
        const QImage obraz = ObrazStronyMapy(strona);
        if (obraz.isNull())
            throw BladOperacji(QStringLiteral("Brak pamięci na obraz strony."));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!obraz.save(&png, "PNG"))
            throw BladOperacji(QStringLiteral("Nie można zakodować obrazu PNG."));
        if (!zapiszAtomowo(*plik, png.data(), blad))
            throw BladOperacji(blad);
    }

    QJsonArray tytul, dane;
    const auto& bloki = strona.elementy.napisyEx;
    if (!bloki.empty())
        for (const QString& l : bloki[0].Linie)
            tytul << l;
    if (bloki.size() > 1)
        for (const QString& l : bloki[1].Linie)
            dane << l;
    wypiszJson(QJsonObject{
        {QStringLiteral("out"), QFileInfo(*plik).absoluteFilePath()},
        {QStringLiteral("kind"), rodzaj},
        {QStringLiteral("czarnoBiala"), strona.czarnoBiala},
        {QStringLiteral("tytul"), tytul.isEmpty() ? QString() : tytul.first().toString()},
        {QStringLiteral("dane"), dane},
        {QStringLiteral("komunikaty"), komunikatyJakoJson(sesja->interakcja)},
    });
    return 0;
}

} // namespace tks::cli
