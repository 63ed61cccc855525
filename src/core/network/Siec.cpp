#include "Siec.h"

#include "common/Interakcja.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

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
    for (const auto& k : kontur) {
        p.x += k.x;
        p.y += k.y;
    }
    p.x /= double(kontur.size());
    p.y /= double(kontur.size());
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

void budujStacjeWgNazwy(Siec& s, Interakcja* interakcja)
{
    // Sortowana jest sama nazwa (nie tekst z dopisanym indeksem), więc nie ma
    // czego odczytywać z powrotem i błąd zapisu indeksu nie może wystąpić.
    (void)interakcja;
    const int n = s.liczbaStacji();
    const QCollator kolator = kolatorNazwStacji();
    std::vector<QCollatorSortKey> klucze;
    klucze.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        klucze.push_back(kolator.sortKey(s.nazwaStacji(i)));
    std::vector<int> kolejnosc(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        kolejnosc[std::size_t(i)] = i;
    std::sort(kolejnosc.begin(), kolejnosc.end(), [&](int a, int b) {
        return stacjaPrzedWgNazwy(klucze[std::size_t(a)], a, klucze[std::size_t(b)], b);
    });
    s.StacjeWgNazwy.assign(kolejnosc.begin(), kolejnosc.end());
}

void budujWartosciPochodne(Siec& s, Interakcja* interakcja)
{
    budujStacjeWgNazwy(s, interakcja);
    s.SrodekDomyslny = obliczSrodekDomyslny(s.KonturPolski);
}

} // namespace tks
