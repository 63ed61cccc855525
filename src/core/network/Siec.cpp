#include "Siec.h"

#include "IndeksNazw.h"
#include "common/Interakcja.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <atomic>

namespace tks {

Tabela nowaTabelaZakresowBr()
{
    return Tabela(QStringLiteral("ZakresyBr"),
                  {{QStringLiteral("IdZakresuBr"), TypPola::Mala},
                   {QStringLiteral("IdRodzajuStawki"), TypPola::Mala},
                   {QStringLiteral("LpZakresuBr"), TypPola::Mala},
                   {QStringLiteral("ZakresOd"), TypPola::Rzeczywista},
                   {QStringLiteral("BrDoObl"), TypPola::Calkowita},
                   {QStringLiteral("ZakresDo"), TypPola::Rzeczywista},
                   {QStringLiteral("Opis"), TypPola::Tekst, 255}});
}

Tabela nowaTabelaRodzajowStawek()
{
    return Tabela(QStringLiteral("RodzajeStawek"),
                  {{QStringLiteral("IdRodzajuStawki"), TypPola::Mala},
                   {QStringLiteral("Nazwa"), TypPola::Tekst, 50},
                   {QStringLiteral("Skrot"), TypPola::Tekst, 2},
                   {QStringLiteral("NazwaPolaWBazie"), TypPola::Tekst, 4},
                   {QStringLiteral("LZakrBr"), TypPola::Calkowita}});
}

void StawkiOdcinkow::przygotuj(std::size_t odcinkow, const std::vector<int>& przedzialyRodzajow)
{
    liczby_ = przedzialyRodzajow;
    poczatki_.assign(liczby_.size(), 0);
    std::size_t s = 0;
    for (std::size_t r = 0; r < liczby_.size(); ++r) {
        poczatki_[r] = int(s);
        s += std::size_t(std::max(0, liczby_[r]));
    }
    szerokosc_ = s;
    odcinkow_ = odcinkow;
    wartosci_.assign(odcinkow * szerokosc_, 0);
}

TPunkt obliczSrodekDomyslny(const std::vector<TPunktKonturuPolski>& kontur)
{
    TPunkt p;
    if (kontur.empty())
        return p;
    double minX = kontur.front().x, maxX = minX, minY = kontur.front().y, maxY = minY;
    for (const auto& k : kontur) {
        p.x += k.x;
        p.y += k.y;
        minX = std::min(minX, k.x);
        maxX = std::max(maxX, k.x);
        minY = std::min(minY, k.y);
        maxY = std::max(maxY, k.y);
    }
    p.x /= double(kontur.size());
    p.y /= double(kontur.size());
    // Widok 1× pokazuje co najmniej kPolWysokosci1x w górę i w dół od środka
    // i kPolSzerokosci1x w bok. Gdy ze średniej punktów część kraju wypada za
    // krawędź (kontur gęsty po jednej stronie), środkiem jest środek prostokąta
    // otaczającego kontur.
    const bool miesciSie = maxY - p.y <= kPolWysokosci1x && p.y - minY <= kPolWysokosci1x &&
                           maxX - p.x <= kPolSzerokosci1x && p.x - minX <= kPolSzerokosci1x;
    if (!miesciSie)
        p = {(minX + maxX) / 2, (minY + maxY) / 2};
    return p;
}

QCollator kolatorNazwStacji()
{
    QCollator k{QLocale(QLocale::Polish, QLocale::Poland)};
    k.setCaseSensitivity(Qt::CaseInsensitive);
    return k;
}

bool stacjaPrzedWgNazwy(const QCollatorSortKey& kluczA, int a, const QCollatorSortKey& kluczB, int b)
{
    const int c = kluczA.compare(kluczB);
    return c != 0 ? c < 0 : a < b;
}

std::uint64_t nowyNumerSieci()
{
    static std::atomic<std::uint64_t> numer{0};
    return ++numer;
}

void budujStacjeWgNazwy(Siec& s, Interakcja* interakcja)
{
    // Sortowana jest sama nazwa (nie tekst z dopisanym indeksem), więc nie ma
    // czego odczytywać z powrotem i błąd zapisu indeksu nie może wystąpić.
    (void)interakcja;
    s.StacjeWgNazwy = indeksNazw(s.Stacje);
}

void budujWartosciPochodne(Siec& s, Interakcja* interakcja)
{
    budujStacjeWgNazwy(s, interakcja);
    s.SrodekDomyslny = obliczSrodekDomyslny(s.KonturPolski);
}

} // namespace tks
