#include "IndeksNazw.h"

#include "common/Cp1250.h"

#include <QCollator>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <optional>
#include <thread>
#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>

namespace tks {
namespace {

// Tekst, którego klucz porządkowania ustala miejsce stacji w indeksie nazw: sama
// nazwa (stacje o równych nazwach porządkuje potem numer stacji). Składany w
// `wynik`, którego pamięć służy kolejnym stacjom.
void tekstPorzadkuStacji(const TStacja& st, QString& wynik)
{
    wynik.resize(0);
    wynik += st.NazwaStacji.tekst();
}

// Klucze porządkowania wszystkich stacji w jednym buforze. Klucz to ciąg bajtów
// porównywany bajt po bajcie (krótszy przed dłuższym, którego jest początkiem);
// pierwsze 8 bajtów jest też w liczbie, żeby większość porównań przy sortowaniu
// nie sięgała do bufora.
struct KluczeNazw {
    struct Wpis {
        std::uint64_t poczatek8 = 0;   // pierwsze bajty klucza, starszy bajt pierwszy
        std::uint32_t od = 0;          // położenie klucza w buforze
        std::uint32_t dlugosc = 0;
        std::int32_t stacja = 0;
    };
    std::vector<Wpis> wpisy;
    std::vector<std::uint8_t> bajty;   // zajęte pierwsze `uzyte`
    std::size_t uzyte = 0;

    void rezerwuj(std::size_t stacji, std::size_t bajtow)
    {
        wpisy.reserve(stacji);
        bajty.resize(bajtow);
    }
    void dodaj(int stacja, const std::uint8_t* klucz, std::size_t n)
    {
        if (uzyte + n > bajty.size())
            bajty.resize(std::max(bajty.size() * 2, uzyte + n));
        std::uint8_t p[8] = {};
        std::memcpy(p, klucz, std::min<std::size_t>(n, 8));
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        Wpis w;
        w.poczatek8 = __builtin_bswap64(v);   // starszy bajt pierwszy (platformy docelowe są little-endian)
        w.od = std::uint32_t(uzyte);
        w.dlugosc = std::uint32_t(n);
        w.stacja = stacja;
        std::memcpy(bajty.data() + uzyte, klucz, n);
        uzyte += n;
        wpisy.push_back(w);
    }
    // Dopisuje klucze policzone osobno (położenia w buforze przesunięte).
    void dolacz(const KluczeNazw& inne)
    {
        const auto przesuniecie = std::uint32_t(uzyte);
        wpisy.reserve(wpisy.size() + inne.wpisy.size());
        bajty.resize(uzyte + inne.uzyte);
        std::memcpy(bajty.data() + uzyte, inne.bajty.data(), inne.uzyte);
        uzyte += inne.uzyte;
        for (Wpis w : inne.wpisy) {
            w.od += przesuniecie;
            wpisy.push_back(w);
        }
    }
};

// Porządek indeksu nazw: klucze bajt po bajcie, przy równych kluczach mniejszy numer stacji.
bool wczesniejWIndeksie(const KluczeNazw& k, const KluczeNazw::Wpis& a, const KluczeNazw::Wpis& b)
{
    if (a.poczatek8 != b.poczatek8)
        return a.poczatek8 < b.poczatek8;
    // Pierwsze bajty są równe (do 8; krótsze klucze uzupełnia zero, którego wewnątrz klucza nie ma).
    const std::uint32_t wspolne = std::min(a.dlugosc, b.dlugosc);
    const std::uint32_t od = std::min<std::uint32_t>(8, wspolne);
    const int c = std::memcmp(k.bajty.data() + a.od + od, k.bajty.data() + b.od + od, wspolne - od);
    if (c != 0)
        return c < 0;
    if (a.dlugosc != b.dlugosc)
        return a.dlugosc < b.dlugosc;
    return a.stacja < b.stacja;
}

// Sortowanie wpisów: najpierw pozycyjne (po bajcie, od najmłodszego) według
// pierwszych 8 bajtów klucza, potem ciągi wpisów o równych 8 bajtach pełnym
// porównaniem. Bez porównań przy większości wpisów i bez skakania po buforze kluczy.
void sortuj(KluczeNazw& k)
{
    auto& w = k.wpisy;
    const std::size_t n = w.size();
    if (n < 2)
        return;
    std::array<std::array<std::uint32_t, 256>, 8> licznik{};
    for (const auto& e : w)
        for (int b = 0; b < 8; ++b)
            ++licznik[std::size_t(b)][(e.poczatek8 >> (8 * b)) & 0xFF];
    std::vector<KluczeNazw::Wpis> pomoc;
    for (int b = 0; b < 8; ++b) {
        auto& l = licznik[std::size_t(b)];
        if (l[(w.front().poczatek8 >> (8 * b)) & 0xFF] == n)
            continue;   // ten bajt wszędzie ten sam
        std::uint32_t suma = 0;
        for (auto& c : l) {
            const std::uint32_t t = c;
            c = suma;
            suma += t;
        }
        pomoc.resize(n);
        for (const auto& e : w)
            pomoc[l[(e.poczatek8 >> (8 * b)) & 0xFF]++] = e;
        w.swap(pomoc);
    }
    auto przed = [&](const KluczeNazw::Wpis& a, const KluczeNazw::Wpis& b) { return wczesniejWIndeksie(k, a, b); };
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && w[j].poczatek8 == w[i].poczatek8)
            ++j;
        if (j - i > 1 && !std::is_sorted(w.begin() + std::ptrdiff_t(i), w.begin() + std::ptrdiff_t(j), przed))
            std::sort(w.begin() + std::ptrdiff_t(i), w.begin() + std::ptrdiff_t(j), przed);
        i = j;
    }
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
    const UCollator* icu() const { return k_; }
    // Klucz tekstu (ważny do następnego wywołania).
    std::pair<const std::uint8_t*, std::size_t> klucz(const QString& tekst)
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
        return {bufor_.data(), std::size_t(std::max(n, 0))};
    }
    // Klucz tekstu dopisany do `klucze`.
    void dodaj(KluczeNazw& klucze, int stacja, const QString& tekst)
    {
        const auto [k, n] = klucz(tekst);
        klucze.dodaj(stacja, k, n);
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

// ---------------------------------------------------------------------------
// Tablica wag znaków strony kodowej.
//
// Przy sile drugiego stopnia porządek ICU dwóch tekstów to porównanie ciągów wag
// pierwszego stopnia (niezerowych) wszystkich elementów porządkowania, a przy
// równych - ciągów wag drugiego stopnia (niezerowych). Nazwy w pliku to bajty
// strony kodowej 1250: 256 znaków bez znaków łączących, więc każdy tekst jest
// w postaci FCD (normalizacja niczego nie zmienia), a elementy tekstu to elementy
// kolejnych znaków - poza parami, które ICU łączy w jeden element (np. "l·").
// Wystarczy więc raz, dla każdego bajtu i każdej takiej pary, zapamiętać wagi jako
// numery miejsc w uporządkowanym zbiorze wszystkich występujących wag (rangi;
// porządek rang to porządek wag). Klucz tekstu: rangi pierwszego stopnia, bajt 1
// (mniejszy od każdej rangi), rangi drugiego stopnia. Porównanie takich kluczy
// bajt po bajcie daje porządek ICU.

constexpr int kMaxWagZnaku = 8;
// Najdłuższa nazwa (NapisStaly<80>) razy najwięcej elementów znaku, dwa stopnie i separator.
constexpr int kMaxKlucza = 80 * kMaxWagZnaku * 2 + 1;

struct WagiZnaku {
    std::uint8_t lPierwszych = 0;
    std::uint8_t lDrugich = 0;
    std::uint8_t pierwsze[kMaxWagZnaku] = {};
    std::uint8_t drugie[kMaxWagZnaku] = {};
};

class TablicaWag {
public:
    // Tablica zbudowana raz na proces; nullptr, gdy ICU nie działa albo porządek
    // znaków nie daje się opisać tablicą (wtedy indeks liczą klucze ICU).
    static const TablicaWag* wspolna()
    {
        static const std::optional<TablicaWag> t = zbuduj();
        zbudowana_.store(true, std::memory_order_release);
        return t ? &*t : nullptr;
    }
    // Czy tablica jest już zbudowana (wtedy wspolna() nic nie kosztuje).
    static bool zbudowana() { return zbudowana_.load(std::memory_order_acquire); }

    // Klucz bajtów `z` (n znaków) w `klucz`; zwraca jego długość.
    std::size_t klucz(const char* z, int n, std::uint8_t* klucz) const
    {
        std::uint8_t drugie[80 * kMaxWagZnaku];
        std::size_t lp = 0, ld = 0;
        n = std::min(n, 80);
        const auto* b = reinterpret_cast<const std::uint8_t*>(z);
        for (int i = 0; i < n; ++i) {
            const WagiZnaku* w = &znaki_[b[i]];
            if (poczatekPary_[b[i]] && i + 1 < n) {
                if (const WagiZnaku* p = para(b[i], b[i + 1])) {
                    w = p;
                    ++i;
                }
            }
            std::memcpy(klucz + lp, w->pierwsze, kMaxWagZnaku);
            lp += w->lPierwszych;
            std::memcpy(drugie + ld, w->drugie, kMaxWagZnaku);
            ld += w->lDrugich;
        }
        klucz[lp++] = 1;
        std::memcpy(klucz + lp, drugie, ld);
        return lp + ld;
    }

    std::vector<std::pair<std::uint8_t, std::uint8_t>> paryBajtow() const
    {
        std::vector<std::pair<std::uint8_t, std::uint8_t>> w;
        for (const Para& p : pary_)
            w.emplace_back(std::uint8_t(p.znaki >> 8), std::uint8_t(p.znaki & 0xFF));
        return w;
    }

private:
    struct Para {
        std::uint16_t znaki = 0;   // pierwszy bajt << 8 | drugi
        WagiZnaku wagi;
    };

    const WagiZnaku* para(std::uint8_t a, std::uint8_t b) const
    {
        const std::uint16_t z = std::uint16_t(a << 8 | b);
        for (const Para& p : pary_)
            if (p.znaki == z)
                return &p.wagi;
        return nullptr;
    }

    // Wagi (pierwszego stopnia 32-bitowe, drugiego 16-bitowe) elementów tekstu.
    struct Surowe {
        std::vector<std::uint32_t> pierwsze;
        std::vector<std::uint16_t> drugie;
    };
    // Elementy porządkowania tekstu w postaci 32-bitowej, jak je podaje ucol_next.
    static std::optional<std::vector<std::uint32_t>> elementy(const UCollator* k, const char16_t* tekst, int n)
    {
        UErrorCode st = U_ZERO_ERROR;
        UCollationElements* it = ucol_openElements(k, reinterpret_cast<const UChar*>(tekst), n, &st);
        if (U_FAILURE(st) || !it)
            return std::nullopt;
        std::vector<std::uint32_t> w;
        for (;;) {
            const std::int32_t e = ucol_next(it, &st);
            if (U_FAILURE(st) || e == UCOL_NULLORDER)
                break;
            w.push_back(std::uint32_t(e));
        }
        ucol_closeElements(it);
        if (U_FAILURE(st))
            return std::nullopt;
        return w;
    }

    // Wagi elementów: górne 16 bitów wagi pierwszego stopnia, górny bajt wagi drugiego
    // stopnia i bajt trzeciego; gdy dolne części nie są zerowe, następny jest element
    // kontynuacji (dolny bajt z bitami 0xC0) z dolnymi 16 bitami wagi pierwszego
    // stopnia i dolnym bajtem drugiego.
    static Surowe surowe(const std::vector<std::uint32_t>& elementy)
    {
        Surowe w;
        std::uint32_t p = 0, s = 0;
        bool jest = false;
        auto zapisz = [&] {
            if (jest) {
                if (p != 0)
                    w.pierwsze.push_back(p);
                if (s != 0)
                    w.drugie.push_back(std::uint16_t(s));
            }
        };
        for (const std::uint32_t u : elementy) {
            if ((u & 0xC0u) == 0xC0u && jest) {
                p |= u >> 16;
                s |= (u >> 8) & 0xFFu;
            } else {
                zapisz();
                p = u & 0xFFFF0000u;
                s = u & 0xFF00u;
                jest = true;
            }
        }
        zapisz();
        return w;
    }

    // Pary bajtów, których elementy nie są elementami pierwszego i drugiego znaku
    // po kolei (skrócenia albo reguły zależne od poprzedniego znaku). Zamiast
    // sprawdzać 65 536 par osobno, przechodzi się raz tekst, w którym każda para
    // bajtów sąsiaduje dokładnie raz (ciąg de Bruijna rzędu 2: słowa Lyndona długości
    // 1 i 2 w porządku leksykograficznym, 65 537 znaków), i porównuje jego elementy
    // z elementami kolejnych znaków. W miejscu niezgodności pary wokół sprawdza się
    // osobno, a porównanie zaczyna od nowa dwa znaki dalej.
    static std::optional<std::vector<std::pair<std::uint8_t, std::uint8_t>>>
    paryLaczone(const UCollator* k, const std::array<char16_t, 256>& znak,
                const std::vector<std::vector<std::uint32_t>>& pojedyncze)
    {
        std::vector<std::uint8_t> c;
        c.reserve(256 * 256 + 1);
        for (int a = 0; a < 256; ++a) {
            c.push_back(std::uint8_t(a));
            for (int b = a + 1; b < 256; ++b) {
                c.push_back(std::uint8_t(a));
                c.push_back(std::uint8_t(b));
            }
        }
        c.push_back(c.front());
        std::vector<char16_t> t(c.size());
        for (std::size_t i = 0; i < c.size(); ++i)
            t[i] = znak[c[i]];
        const std::size_t n = c.size();

        std::vector<std::pair<std::uint8_t, std::uint8_t>> podejrzane;
        auto oznacz = [&](std::size_t m) {
            for (std::size_t q = m >= 3 ? m - 3 : 0; q <= m + 2 && q + 1 < n; ++q)
                podejrzane.emplace_back(c[q], c[q + 1]);
        };
        UErrorCode st = U_ZERO_ERROR;
        UCollationElements* it = ucol_openElements(k, reinterpret_cast<const UChar*>(t.data()), std::int32_t(n), &st);
        if (U_FAILURE(st) || !it)
            return std::nullopt;
        std::size_t i = 0, j = 0;   // znak i jego element, których się oczekuje
        auto pominPuste = [&] {
            while (i < n && pojedyncze[c[i]].empty())
                ++i;
        };
        pominPuste();
        for (;;) {
            const std::int32_t e = ucol_next(it, &st);
            if (U_FAILURE(st))
                break;
            if (e == UCOL_NULLORDER && i >= n)
                break;
            if (e != UCOL_NULLORDER && i < n && std::uint32_t(e) == pojedyncze[c[i]][j]) {
                if (++j == pojedyncze[c[i]].size()) {
                    j = 0;
                    ++i;
                    pominPuste();
                }
                continue;
            }
            oznacz(std::min(i, n - 1));
            if (podejrzane.size() > 4096 || i + 2 >= n)
                break;
            i += 2;
            j = 0;
            ucol_setText(it, reinterpret_cast<const UChar*>(t.data() + i), std::int32_t(n - i), &st);
            pominPuste();
        }
        ucol_closeElements(it);
        if (U_FAILURE(st) || podejrzane.size() > 4096)
            return std::nullopt;

        std::sort(podejrzane.begin(), podejrzane.end());
        podejrzane.erase(std::unique(podejrzane.begin(), podejrzane.end()), podejrzane.end());
        std::vector<std::pair<std::uint8_t, std::uint8_t>> pary;
        for (const auto& [a, b] : podejrzane) {
            const char16_t para[2] = {znak[a], znak[b]};
            auto e = elementy(k, para, 2);
            if (!e)
                return std::nullopt;
            std::vector<std::uint32_t> poKolei = pojedyncze[a];
            poKolei.insert(poKolei.end(), pojedyncze[b].begin(), pojedyncze[b].end());
            if (*e != poKolei)
                pary.emplace_back(a, b);
        }
        return pary;
    }

    static std::optional<TablicaWag> zbuduj()
    {
        KolatorPolski kolator;
        if (!kolator.dziala())
            return std::nullopt;
        const UCollator* k = kolator.icu();

        // Znak Unicode każdego bajtu (jak przy odczycie nazw).
        std::array<char16_t, 256> znak{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            znak[std::size_t(b)] = char16_t(zCp1250(&c, 1).at(0).unicode());
        }

        // Elementy każdego znaku osobno.
        std::vector<std::vector<std::uint32_t>> pojedyncze(256);
        for (int b = 0; b < 256; ++b) {
            auto e = elementy(k, &znak[std::size_t(b)], 1);
            if (!e)
                return std::nullopt;
            pojedyncze[std::size_t(b)] = std::move(*e);
        }
        // Pary łączone w jeden element (skrócenia ICU złożone z samych znaków strony kodowej).
        auto pary = paryLaczone(k, znak, pojedyncze);
        if (!pary)
            return std::nullopt;
        const auto& paryBajtow = *pary;
        // Pary dobiera się od lewej; znak, który kończy jedną parę i zaczyna inną,
        // wymagałby innego dobierania.
        for (const auto& [a, b] : paryBajtow)
            for (const auto& [c, d] : paryBajtow)
                if (b == c)
                    return std::nullopt;

        // Wagi wszystkich znaków i par, potem rangi.
        std::vector<Surowe> wagiZnakow(256);
        for (int b = 0; b < 256; ++b)
            wagiZnakow[std::size_t(b)] = surowe(pojedyncze[std::size_t(b)]);
        std::vector<Surowe> wagiPar;
        for (const auto& [a, b] : paryBajtow) {
            const char16_t t[2] = {znak[a], znak[b]};
            auto e = elementy(k, t, 2);
            if (!e)
                return std::nullopt;
            wagiPar.push_back(surowe(*e));
        }
        std::vector<std::uint32_t> pierwsze;
        std::vector<std::uint16_t> drugie;
        for (const auto* zbior : {&wagiZnakow, &wagiPar})
            for (const Surowe& w : *zbior) {
                if (w.pierwsze.size() > kMaxWagZnaku || w.drugie.size() > kMaxWagZnaku)
                    return std::nullopt;
                pierwsze.insert(pierwsze.end(), w.pierwsze.begin(), w.pierwsze.end());
                drugie.insert(drugie.end(), w.drugie.begin(), w.drugie.end());
            }
        for (auto* v : {&pierwsze})
            std::sort(v->begin(), v->end()), v->erase(std::unique(v->begin(), v->end()), v->end());
        std::sort(drugie.begin(), drugie.end());
        drugie.erase(std::unique(drugie.begin(), drugie.end()), drugie.end());
        // Rangi od 2 (0 i 1 zajęte), jeden bajt na wagę.
        if (pierwsze.size() > 254 || drugie.size() > 254)
            return std::nullopt;
        auto rangi = [&](const Surowe& w) {
            WagiZnaku r;
            for (auto p : w.pierwsze)
                r.pierwsze[r.lPierwszych++] =
                    std::uint8_t(2 + (std::lower_bound(pierwsze.begin(), pierwsze.end(), p) - pierwsze.begin()));
            for (auto s : w.drugie)
                r.drugie[r.lDrugich++] =
                    std::uint8_t(2 + (std::lower_bound(drugie.begin(), drugie.end(), s) - drugie.begin()));
            return r;
        };
        TablicaWag t;
        for (int b = 0; b < 256; ++b)
            t.znaki_[std::size_t(b)] = rangi(wagiZnakow[std::size_t(b)]);
        for (std::size_t i = 0; i < paryBajtow.size(); ++i) {
            t.pary_.push_back({std::uint16_t(paryBajtow[i].first << 8 | paryBajtow[i].second), rangi(wagiPar[i])});
            t.poczatekPary_[paryBajtow[i].first] = true;
        }
        if (!t.zgodnaZIcu(kolator, znak))
            return std::nullopt;
        return t;
    }

    // Sprawdzenie z ICU na tekstach, w których widać każdy znak i każdą parę: same
    // znaki, znak między literami, pary i pary z pierwszym znakiem bez drugiego.
    // Po uporządkowaniu kluczami tablicy każde dwa sąsiednie teksty muszą mieć w ICU
    // tę samą relację (mniejszy albo równy); wtedy oba porządki są na nich te same.
    bool zgodnaZIcu(KolatorPolski& kolator, const std::array<char16_t, 256>& znak) const
    {
        std::vector<std::string> teksty;
        for (int b = 0; b < 256; ++b) {
            teksty.emplace_back(1, char(b));
            teksty.push_back(std::string("a") + char(b) + "b");
        }
        for (const Para& p : pary_) {
            const char a = char(p.znaki >> 8), b = char(p.znaki & 0xFF);
            teksty.push_back(std::string{a, b});
            teksty.push_back(std::string{a, a, b, b});
            teksty.push_back(std::string{a, 'a', b});
        }
        struct K {
            std::vector<std::uint8_t> tablica;
            std::vector<std::uint8_t> icu;
        };
        std::vector<K> klucze;
        for (const auto& t : teksty) {
            K k;
            std::uint8_t bufor[kMaxKlucza];
            k.tablica.assign(bufor, bufor + klucz(t.data(), int(t.size()), bufor));
            QString q;
            for (char c : t)
                q += QChar(znak[std::uint8_t(c)]);
            const auto [ki, ni] = kolator.klucz(q);
            k.icu.assign(ki, ki + ni);
            klucze.push_back(std::move(k));
        }
        std::sort(klucze.begin(), klucze.end(), [](const K& a, const K& b) { return a.tablica < b.tablica; });
        for (std::size_t i = 1; i < klucze.size(); ++i) {
            const bool rowneT = klucze[i - 1].tablica == klucze[i].tablica;
            const bool rowneI = klucze[i - 1].icu == klucze[i].icu;
            if (rowneT != rowneI || (!rowneI && !(klucze[i - 1].icu < klucze[i].icu)))
                return false;
        }
        return true;
    }

    std::array<WagiZnaku, 256> znaki_{};
    std::array<bool, 256> poczatekPary_{};
    std::vector<Para> pary_;
    static inline std::atomic<bool> zbudowana_{false};
};

// Od tylu stacji tablica wag się opłaca, nawet gdy trzeba ją dopiero zbudować.
constexpr std::size_t kStacjiNaTabliceWag = 8000;

// Klucze wszystkich stacji i sortowanie. `Licz(klucze, i)` dopisuje klucz stacji i;
// przy dużej sieci i drugim liczącym (`drugi`) klucze drugiej połowy stacji liczy
// drugi wątek (klucze ICU: ok. 5 000 instrukcji na klucz).
template <class Licz>
std::vector<std::int32_t> indeksZKluczy(int n, Licz& glowny, Licz* drugi)
{
    auto czesc = [](Licz& l, KluczeNazw& klucze, int od, int doSt) {
        klucze.rezerwuj(std::size_t(doSt - od), std::size_t(doSt - od) * 40);
        for (int i = od; i < doSt; ++i)
            l(klucze, i);
    };
    KluczeNazw klucze;
    const int polowa = drugi && n >= kStacjiNaDwaWatki ? n / 2 : n;
    KluczeNazw drugie;
    std::thread watek;
    if (polowa < n)
        watek = std::thread([&] { czesc(*drugi, drugie, polowa, n); });
    czesc(glowny, klucze, 0, polowa);
    if (watek.joinable()) {
        watek.join();
        klucze.dolacz(drugie);
    }
    sortuj(klucze);
    std::vector<std::int32_t> w(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        w[std::size_t(i)] = klucze.wpisy[std::size_t(i)].stacja;
    return w;
}

std::vector<std::int32_t> indeksTablica(const std::vector<TStacja>& stacje, const TablicaWag& t)
{
    struct Licz {
        const std::vector<TStacja>& stacje;
        const TablicaWag& t;
        void operator()(KluczeNazw& klucze, int i) const
        {
            const auto& nazwa = stacje[std::size_t(i)].NazwaStacji;
            std::uint8_t bufor[kMaxKlucza];
            const std::size_t n = t.klucz(nazwa.znaki, std::min<int>(nazwa.dl, nazwa.Pojemnosc), bufor);
            klucze.dodaj(i, bufor, n);
        }
    };
    // Klucz z tablicy kosztuje tyle, co jego skopiowanie, więc drugi wątek nic tu nie daje
    // (przy starcie cały indeks i tak liczy się w tle odczytu pliku).
    Licz a{stacje, t};
    return indeksZKluczy<Licz>(int(stacje.size()), a, nullptr);
}

std::vector<std::int32_t> indeksQCollator(const std::vector<TStacja>& stacje)
{
    const int n = int(stacje.size());
    const QCollator q = kolatorNazwStacji();
    std::vector<QCollatorSortKey> klucze;
    klucze.reserve(std::size_t(n));
    QString tekst;
    for (int i = 0; i < n; ++i) {
        tekstPorzadkuStacji(stacje[std::size_t(i)], tekst);
        klucze.push_back(q.sortKey(tekst));
    }
    std::vector<std::int32_t> kolejnosc(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        kolejnosc[std::size_t(i)] = i;
    std::sort(kolejnosc.begin(), kolejnosc.end(), [&](int a, int b) {
        return stacjaPrzedWgNazwy(klucze[std::size_t(a)], a, klucze[std::size_t(b)], b);
    });
    return kolejnosc;
}

std::vector<std::int32_t> indeksIcu(const std::vector<TStacja>& stacje, bool rownolegle)
{
    struct Licz {
        const std::vector<TStacja>& stacje;
        KolatorPolski kolator;
        QString tekst;
        void operator()(KluczeNazw& klucze, int i)
        {
            tekstPorzadkuStacji(stacje[std::size_t(i)], tekst);
            kolator.dodaj(klucze, i, tekst);
        }
    };
    Licz a{stacje, {}, {}};
    if (!a.kolator.dziala())
        return indeksQCollator(stacje);
    Licz b{stacje, {}, {}};
    return indeksZKluczy(int(stacje.size()), a, rownolegle && b.kolator.dziala() ? &b : nullptr);
}

} // namespace

void przygotujIndeksNazw()
{
    TablicaWag::wspolna();
}

bool tablicaWagZnakowDziala()
{
    return TablicaWag::wspolna() != nullptr;
}

std::vector<std::pair<std::uint8_t, std::uint8_t>> paryBajtowJednegoElementu()
{
    const TablicaWag* t = TablicaWag::wspolna();
    return t ? t->paryBajtow() : std::vector<std::pair<std::uint8_t, std::uint8_t>>{};
}

std::vector<std::int32_t> indeksNazw(const std::vector<TStacja>& stacje, SposobIndeksuNazw sposob, bool rownolegle)
{
    switch (sposob) {
    case SposobIndeksuNazw::Najszybszy:
        if (stacje.size() >= kStacjiNaTabliceWag || TablicaWag::zbudowana())
            if (const TablicaWag* t = TablicaWag::wspolna())
                return indeksTablica(stacje, *t);
        return indeksIcu(stacje, rownolegle);
    case SposobIndeksuNazw::KluczeIcu:
        return indeksIcu(stacje, rownolegle);
    case SposobIndeksuNazw::KluczeQCollator:
        break;
    }
    return indeksQCollator(stacje);
}

} // namespace tks
