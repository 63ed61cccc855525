#include "Siec.h"

#include "common/Interakcja.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <thread>
#include <unicode/ucol.h>

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

namespace {

// Tekst, którego klucz porządkowania ustala miejsce stacji w indeksie nazw: sama
// nazwa (stacje o równych nazwach porządkuje potem numer stacji). Składany w
// `wynik`, którego pamięć służy kolejnym stacjom.
void tekstPorzadkuStacji(const Siec& s, int i, QString& wynik)
{
    wynik.resize(0);
    wynik += s.nazwaStacji(i);
}

// Klucze porządkowania wszystkich stacji w jednym buforze. Klucz to ciąg bajtów
// porównywany bajt po bajcie (jak klucz porządkowania QCollator dla polskiego,
// bez rozróżniania wielkości liter); pierwsze 8 bajtów jest też w liczbie, żeby
// większość porównań przy sortowaniu nie sięgała do bufora.
struct KluczeNazw {
    struct Wpis {
        std::uint64_t poczatek8 = 0;   // pierwsze bajty klucza, starszy bajt pierwszy
        std::uint32_t od = 0;          // położenie klucza w buforze
        std::uint32_t dlugosc = 0;
        std::int32_t stacja = 0;
    };
    std::vector<Wpis> wpisy;
    std::vector<std::uint8_t> bajty;

    void dodaj(int stacja, const std::uint8_t* klucz, std::size_t n)
    {
        Wpis w;
        for (std::size_t j = 0; j < 8; ++j)
            w.poczatek8 = (w.poczatek8 << 8) | (j < n ? klucz[j] : 0);
        w.od = std::uint32_t(bajty.size());
        w.dlugosc = std::uint32_t(n);
        w.stacja = stacja;
        bajty.insert(bajty.end(), klucz, klucz + n);
        wpisy.push_back(w);
    }
    // Dopisuje klucze policzone osobno (położenia w buforze przesunięte).
    void dolacz(const KluczeNazw& inne)
    {
        const auto przesuniecie = std::uint32_t(bajty.size());
        bajty.insert(bajty.end(), inne.bajty.begin(), inne.bajty.end());
        for (Wpis w : inne.wpisy) {
            w.od += przesuniecie;
            wpisy.push_back(w);
        }
    }
};

// Od tylu stacji klucze liczą dwa wątki.
constexpr int kStacjiNaDwaWatki = 20000;

// Porządek indeksu nazw: klucze bajt po bajcie, przy równych kluczach mniejszy numer stacji.
bool wczesniejWIndeksie(const KluczeNazw& k, const KluczeNazw::Wpis& a, const KluczeNazw::Wpis& b)
{
    if (a.poczatek8 != b.poczatek8)
        return a.poczatek8 < b.poczatek8;
    const int c = std::memcmp(k.bajty.data() + a.od, k.bajty.data() + b.od, std::min(a.dlugosc, b.dlugosc));
    if (c != 0)
        return c < 0;
    if (a.dlugosc != b.dlugosc)
        return a.dlugosc < b.dlugosc;
    return a.stacja < b.stacja;
}

// Porządkowanie polskie bez rozróżniania wielkości liter, z tymi samymi
// ustawieniami, których używa QCollator (normalizacja, siła drugiego stopnia,
// liczby jako znaki, znaki przestankowe nieignorowane).
class KolatorPolski {
public:
    KolatorPolski()
    {
        UErrorCode st = U_ZERO_ERROR;
        k_ = ucol_open("pl", &st);
        if (U_FAILURE(st) || !k_) {
            zamknij();
            return;
        }
        ucol_setAttribute(k_, UCOL_NORMALIZATION_MODE, UCOL_ON, &st);
        ucol_setAttribute(k_, UCOL_STRENGTH, UCOL_SECONDARY, &st);
        ucol_setAttribute(k_, UCOL_NUMERIC_COLLATION, UCOL_OFF, &st);
        ucol_setAttribute(k_, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &st);
        if (U_FAILURE(st))
            zamknij();
    }
    ~KolatorPolski() { zamknij(); }
    KolatorPolski(const KolatorPolski&) = delete;
    KolatorPolski& operator=(const KolatorPolski&) = delete;

    bool dziala() const { return k_ != nullptr; }
    // Klucz tekstu dopisany do `klucze`.
    void dodaj(KluczeNazw& klucze, int stacja, const QString& tekst)
    {
        const auto* znaki = reinterpret_cast<const UChar*>(tekst.utf16());
        const int dl = int(tekst.size());
        if (bufor_.size() < 64)
            bufor_.resize(64);
        int n = ucol_getSortKey(k_, znaki, dl, bufor_.data(), int(bufor_.size()));
        if (n > int(bufor_.size())) {
            bufor_.resize(std::size_t(n));
            n = ucol_getSortKey(k_, znaki, dl, bufor_.data(), int(bufor_.size()));
        }
        klucze.dodaj(stacja, bufor_.data(), std::size_t(std::max(n, 0)));
    }

private:
    void zamknij()
    {
        if (k_)
            ucol_close(k_);
        k_ = nullptr;
    }
    UCollator* k_ = nullptr;
    std::vector<std::uint8_t> bufor_;
};

} // namespace

void budujStacjeWgNazwy(Siec& s, Interakcja* interakcja)
{
    // Sortowana jest sama nazwa (nie tekst z dopisanym indeksem), więc nie ma
    // czego odczytywać z powrotem i błąd zapisu indeksu nie może wystąpić.
    (void)interakcja;
    const int n = s.liczbaStacji();
    KolatorPolski kolator;
    if (!kolator.dziala()) {
        // Bez biblioteki porządkowania wprost: klucze QCollator.
        const QCollator q = kolatorNazwStacji();
        std::vector<QCollatorSortKey> klucze;
        klucze.reserve(std::size_t(n));
        QString tekst;
        for (int i = 0; i < n; ++i) {
            tekstPorzadkuStacji(s, i, tekst);
            klucze.push_back(q.sortKey(tekst));
        }
        std::vector<int> kolejnosc(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            kolejnosc[std::size_t(i)] = i;
        std::sort(kolejnosc.begin(), kolejnosc.end(), [&](int a, int b) {
            return stacjaPrzedWgNazwy(klucze[std::size_t(a)], a, klucze[std::size_t(b)], b);
        });
        s.StacjeWgNazwy.assign(kolejnosc.begin(), kolejnosc.end());
        return;
    }
    // Klucze i sortowanie (prawie cała praca) w dwóch częściach naraz przy dużej
    // sieci, potem scalenie. Porządek wpisów jest liniowy (różne stacje nigdy nie są
    // równe), więc wynik jest ten sam, co przy sortowaniu całości.
    auto policz = [&s](KolatorPolski& k, KluczeNazw& klucze, int od, int doSt) {
        klucze.wpisy.reserve(std::size_t(doSt - od));
        klucze.bajty.reserve(std::size_t(doSt - od) * 48);
        QString tekst;
        for (int i = od; i < doSt; ++i) {
            tekstPorzadkuStacji(s, i, tekst);
            k.dodaj(klucze, i, tekst);
        }
        std::sort(klucze.wpisy.begin(), klucze.wpisy.end(),
                  [&](const KluczeNazw::Wpis& a, const KluczeNazw::Wpis& b) { return wczesniejWIndeksie(klucze, a, b); });
    };
    KluczeNazw klucze;
    const int polowa = n >= kStacjiNaDwaWatki ? n / 2 : n;
    KluczeNazw drugie;
    std::thread watek;
    if (polowa < n) {
        watek = std::thread([&] {
            KolatorPolski k;
            if (k.dziala())
                policz(k, drugie, polowa, n);
        });
    }
    policz(kolator, klucze, 0, polowa);
    if (watek.joinable()) {
        watek.join();
        if (drugie.wpisy.size() != std::size_t(n - polowa)) {
            drugie = KluczeNazw{};
            policz(kolator, drugie, polowa, n);
        }
        const auto srodek = std::ptrdiff_t(klucze.wpisy.size());
        klucze.dolacz(drugie);
        std::inplace_merge(
            klucze.wpisy.begin(), klucze.wpisy.begin() + srodek, klucze.wpisy.end(),
            [&](const KluczeNazw::Wpis& a, const KluczeNazw::Wpis& b) { return wczesniejWIndeksie(klucze, a, b); });
    }
    s.StacjeWgNazwy.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        s.StacjeWgNazwy[std::size_t(i)] = klucze.wpisy[std::size_t(i)].stacja;
}

void budujWartosciPochodne(Siec& s, Interakcja* interakcja)
{
    budujStacjeWgNazwy(s, interakcja);
    s.SrodekDomyslny = obliczSrodekDomyslny(s.KonturPolski);
}

} // namespace tks
