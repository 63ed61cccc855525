#include "WarstwyMapy.h"

#include "Kolory.h"
#include "Rysowanie.h"
#include "app/Droga.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace tks {

namespace {

inline std::uint64_t bity(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Mieszanie jednej wartości do odcisku (mnożenie po xor, obrót).
inline std::uint64_t dodaj(std::uint64_t h, std::uint64_t v)
{
    h ^= v;
    h *= 0x9E3779B97F4A7C15ull;
    return (h << 29) | (h >> 35);
}

inline bool skonczona(double v) { return std::isfinite(v); }

} // namespace

// ---------------------------------------------------------------- siatka

void SiatkaOdcinkow::zbuduj(const Siec& s)
{
    poczatki_.clear();
    odcinki_.clear();
    u_ = UkladSiatki();
    const std::size_t m = s.Odcinki.size();
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool jest = false;
    for (const auto& o : s.Odcinki) {
        if (!skonczona(o.XA) || !skonczona(o.YA) || !skonczona(o.XB) || !skonczona(o.YB))
            continue;
        const double ax = std::min(o.XA, o.XB), bx = std::max(o.XA, o.XB);
        const double ay = std::min(o.YA, o.YB), by = std::max(o.YA, o.YB);
        if (!jest) {
            x1 = ax, y1 = ay, x2 = bx, y2 = by;
            jest = true;
        } else {
            x1 = std::min(x1, ax), y1 = std::min(y1, ay), x2 = std::max(x2, bx), y2 = std::max(y2, by);
        }
    }
    // Ok. dwa odcinki na komórkę.
    if (!jest || m < 64 || !u_.ustaw(x1, y1, x2, y2, double(m) / 2))
        return;
    const std::size_t n = u_.komorki();
    // Odcinki o współrzędnych nieskończonych albo nieliczbowych trafiają do
    // każdego wyboru (komórka dodatkowa na końcu).
    std::vector<std::uint32_t> licznik(n + 1, 0);
    auto kazdaKomorka = [&](const TOdcinek& o, auto&& f) {
        if (!skonczona(o.XA) || !skonczona(o.YA) || !skonczona(o.XB) || !skonczona(o.YB)) {
            f(n);
            return;
        }
        const int k1 = u_.kolumna(std::min(o.XA, o.XB)), k2 = u_.kolumna(std::max(o.XA, o.XB));
        const int w1 = u_.wiersz(std::min(o.YA, o.YB)), w2 = u_.wiersz(std::max(o.YA, o.YB));
        for (int w = w1; w <= w2; ++w)
            for (int k = k1; k <= k2; ++k)
                f(u_.komorka(k, w));
    };
    for (const auto& o : s.Odcinki)
        kazdaKomorka(o, [&](std::size_t c) { ++licznik[c]; });
    poczatki_.assign(n + 2, 0);
    for (std::size_t c = 0; c <= n; ++c)
        poczatki_[c + 1] = poczatki_[c] + licznik[c];
    odcinki_.resize(poczatki_[n + 1]);
    std::vector<std::uint32_t> pozycja(poczatki_.begin(), poczatki_.end() - 1);
    for (std::size_t i = 0; i < m; ++i)
        kazdaKomorka(s.Odcinki[i], [&](std::size_t c) { odcinki_[pozycja[c]++] = std::int32_t(i); });
}

bool SiatkaOdcinkow::wybierz(double x1, double y1, double x2, double y2, std::vector<std::int32_t>& wynik) const
{
    return u_.wybierz(x1, y1, x2, y2, poczatki_, odcinki_, wynik);
}

// ---------------------------------------------------------------- pamięć warstw

std::uint64_t PamiecWarstwMapy::odciskSieci(const Siec& s, const std::vector<std::int32_t>* odcinki)
{
    // Cztery niezależne łańcuchy, żeby przebieg po odcinkach nie czekał na mnożenia.
    std::uint64_t h[4] = {s.Odcinki.size(), s.KonturPolski.size(), s.Zaklady.size(), s.Wojewodztwa.size()};
    auto odcinek = [&](const TOdcinek& o) {
        h[0] = dodaj(h[0], bity(o.XA));
        h[1] = dodaj(h[1], bity(o.YA));
        h[2] = dodaj(h[2], bity(o.XB));
        h[3] = dodaj(h[3], bity(o.YB) ^ (std::uint64_t(o.Cechy) << 1) ^ (std::uint64_t(o.KodZarzadu) << 17));
    };
    if (odcinki) {
        h[0] = dodaj(h[0], odcinki->size());
        for (const std::int32_t i : *odcinki) {
            h[1] = dodaj(h[1], std::uint64_t(std::uint32_t(i)));
            odcinek(s.Odcinki[std::size_t(i)]);
        }
    } else {
        for (const auto& o : s.Odcinki)
            odcinek(o);
    }
    for (const auto& p : s.KonturPolski) {
        h[0] = dodaj(h[0], bity(p.x));
        h[1] = dodaj(h[1], bity(p.y));
        h[2] = dodaj(h[2], std::uint64_t(std::uint32_t(p.LpGrupy)));
    }
    auto kontury = [&](const std::vector<TKontur>& kk) {
        h[3] = dodaj(h[3], kk.size());
        for (const auto& k : kk) {
            h[3] = dodaj(h[3], k.size());
            for (const auto& p : k) {
                h[0] = dodaj(h[0], bity(p.x));
                h[1] = dodaj(h[1], bity(p.y));
            }
        }
    };
    kontury(s.KonturyZakladow);
    kontury(s.KonturyWojewodztw);
    for (const auto& z : s.Zaklady)
        h[2] = dodaj(h[2], std::uint64_t(std::uint32_t(z.Kolor)));
    for (const auto& z : s.Wojewodztwa)
        h[3] = dodaj(h[3], std::uint64_t(std::uint32_t(z.Kolor)));
    return dodaj(dodaj(dodaj(h[0], h[1]), h[2]), h[3]);
}

MapaStacji& PamiecWarstwMapy::mapaStacji(const Siec& s)
{
    if (!stacje_.dla(s))
        stacje_.zbuduj(s, true);
    return stacje_;
}

void PamiecWarstwMapy::wyczysc()
{
    obraz_ = QImage();
    stacje_ = MapaStacji();
    jest_ = false;
    jestSiatka_ = false;
    jestWybor_ = false;
    siatka_ = SiatkaOdcinkow();
}

bool PamiecWarstwMapy::wklej(Kanwa& k, const Droga& d)
{
    auto* ekran = dynamic_cast<KanwaEkranu*>(&k);
    if (!ekran)
        return false;
    const QImage* cel = ekran->obrazDocelowy();
    if (!cel || cel->width() != k.szerokosc() || cel->height() != k.wysokosc())
        return false;
    const Widok& w = d.widok;
    const Siec& s = d.siec;
    const Kolory& kol = d.kolory;
    Klucz kl;
    kl.szerokosc = k.szerokosc();
    kl.wysokosc = k.wysokosc();
    kl.format = cel->format();
    kl.antyalias = ekran->antyalias();
    kl.zoom = w.zoom;
    kl.x = w.WspXSrodka;
    kl.y = w.WspYSrodka;
    kl.skala = w.SkalaBazowa;
    kl.promien = w.PromienWidoku;
    kl.rzad = w.rzadWielokata;
    kl.maska = d.trasa.MaskaOgraniczen;
    kl.kolorTla = kol.KolorTla;
    kl.kolorLinii = kol.KolorLinii;
    kl.kolorLiniiObcych = kol.KolorLiniiObcych;
    kl.podzial = kol.PodzialTerytorialny;
    kl.siec = &s;
    kl.numer = s.Numer;
    kl.odcinki = s.Odcinki.data();
    kl.liczbaOdcinkow = s.Odcinki.size();

    const bool nowaSiatka = !jestSiatka_ || siecSiatki_ != &s || numerSiatki_ != s.Numer ||
                            odcinkiSiatki_ != s.Odcinki.data() || liczbaSiatki_ != s.Odcinki.size();
    if (nowaSiatka) {
        siatka_.zbuduj(s);
        siecSiatki_ = &s;
        numerSiatki_ = s.Numer;
        odcinkiSiatki_ = s.Odcinki.data();
        liczbaSiatki_ = s.Odcinki.size();
        jestSiatka_ = true;
    }
    // Widoczne jest tylko to, co przecina koło widoku; zapas na zaokrąglenia. Odcisk
    // obejmuje tylko odcinki, które się rysuje (przy powiększeniu mała część sieci).
    const double r = w.PromienWidoku * (1 + 1e-6) + 1.0;
    const std::array<double, 4> obszar = {w.WspXSrodka - r, w.WspYSrodka - r, w.WspXSrodka + r, w.WspYSrodka + r};
    if (!jestWybor_ || obszar != obszarWyboru_ || nowaSiatka) {
        zSiatki_ = std::isfinite(r) && siatka_.wybierz(obszar[0], obszar[1], obszar[2], obszar[3], wybrane_);
        obszarWyboru_ = obszar;
        jestWybor_ = true;
    }
    const bool zSiatki = zSiatki_;
    kl.odcisk = odciskSieci(s, zSiatki ? &wybrane_ : nullptr);

    if (!jest_ || !(kl == klucz_)) {
        if (obraz_.size() != cel->size() || obraz_.format() != cel->format())
            obraz_ = QImage(cel->size(), cel->format());
        if (obraz_.isNull()) {
            jest_ = false;
            return false;
        }
        QPainter p(&obraz_);
        KanwaEkranu kw(p, ekran->antyalias());
        kw.czcionka = k.czcionka;
        RysujWarstwyDolne(kw, d, zSiatki ? &wybrane_ : nullptr);
        p.end();
        pioro_ = kw.pioro;
        pedzel_ = kw.pedzel;
        czcionka_ = kw.czcionka;
        klucz_ = kl;
        jest_ = true;
        ++rysowan_;
    }
    ekran->WklejObraz(obraz_);
    // Stan płótna jak po rysowaniu wprost (nazwa i rozmiar czcionki zostają płótna).
    k.pioro = pioro_;
    k.pedzel = pedzel_;
    k.czcionka.kolor = czcionka_.kolor;
    k.czcionka.styl = czcionka_.styl;
    return true;
}

} // namespace tks
