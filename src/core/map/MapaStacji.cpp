#include "MapaStacji.h"

#include "network/Siec.h"

#include <algorithm>
#include <cmath>

namespace tks {

namespace {

inline bool widocznaPrzyZoomie(std::int64_t zoom, std::int32_t widocznosc)
{
    return zoom >= std::int64_t(widocznosc) * 10000;
}

inline bool wezel(std::int32_t widocznosc) { return widocznosc == 0 || widocznosc == -1; }

} // namespace

void MapaStacji::zbuduj(const Siec& s, bool zSiatka)
{
    const std::size_t n = s.Stacje.size();
    siec_ = &s;
    numer_ = s.Numer;
    dane_ = s.Stacje.data();
    zSiatka_ = zSiatka;
    x_.resize(n);
    y_.resize(n);
    widocznosc_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        x_[i] = s.Stacje[i].Xkm;
        y_[i] = s.Stacje[i].Ykm;
        widocznosc_[i] = s.Stacje[i].Widocznosc;
    }
    nazwy_.assign(n, QString());
    maNazwe_.assign(n, 0);
    zoomWidocznych_ = -1;
    widoczne_.clear();

    u_ = UkladSiatki();
    poczatki_.clear();
    stacje_.clear();
    if (!zSiatka || n < 256)
        return;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool jest = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x_[i]) || !std::isfinite(y_[i]))
            continue;
        if (!jest) {
            x1 = x2 = x_[i];
            y1 = y2 = y_[i];
            jest = true;
        } else {
            x1 = std::min(x1, x_[i]), x2 = std::max(x2, x_[i]);
            y1 = std::min(y1, y_[i]), y2 = std::max(y2, y_[i]);
        }
    }
    // Ok. cztery stacje na komórkę.
    if (!jest || !u_.ustaw(x1, y1, x2, y2, double(n) / 4))
        return;
    const std::size_t komorki = u_.komorki();
    auto komorka = [&](std::size_t i) {
        if (!std::isfinite(x_[i]) || !std::isfinite(y_[i]))
            return komorki;
        return u_.komorka(u_.kolumna(x_[i]), u_.wiersz(y_[i]));
    };
    std::vector<std::uint32_t> kom(n);
    poczatki_.assign(komorki + 2, 0);
    for (std::size_t i = 0; i < n; ++i) {
        kom[i] = std::uint32_t(komorka(i));
        ++poczatki_[kom[i] + 1];
    }
    for (std::size_t c = 0; c <= komorki; ++c)
        poczatki_[c + 1] += poczatki_[c];
    stacje_.resize(n);
    std::vector<std::uint32_t> pozycja(poczatki_.begin(), poczatki_.end() - 1);
    for (std::size_t i = 0; i < n; ++i)
        stacje_[pozycja[kom[i]]++] = std::int32_t(i);
}

bool MapaStacji::dla(const Siec& s) const
{
    return siec_ == &s && numer_ == s.Numer && dane_ == s.Stacje.data() && x_.size() == s.Stacje.size();
}

const QString& MapaStacji::nazwa(const Siec& s, std::int32_t i)
{
    const auto k = std::size_t(i);
    if (!maNazwe_[k]) {
        nazwy_[k] = s.Stacje[k].NazwaStacji.tekst().trimmed();
        maNazwe_[k] = 1;
    }
    return nazwy_[k];
}

const std::vector<std::int32_t>& MapaStacji::widoczne(std::int64_t zoom)
{
    if (zoom != zoomWidocznych_) {
        widoczne_.clear();
        for (std::size_t i = 0; i < widocznosc_.size(); ++i)
            if (widocznaPrzyZoomie(zoom, widocznosc_[i]))
                widoczne_.push_back(std::int32_t(i));
        zoomWidocznych_ = zoom;
    }
    return widoczne_;
}

bool MapaStacji::wybierz(double x1, double y1, double x2, double y2, std::vector<std::int32_t>& wynik) const
{
    return u_.wybierz(x1, y1, x2, y2, poczatki_, stacje_, wynik);
}

void StacjeWidoku(MapaStacji& m, const Widok& w, int szer, int wys, std::vector<StacjaWidoku>& wynik,
                  std::vector<std::int32_t>& robocze)
{
    wynik.clear();
    const std::int64_t zoom = w.zoom;
    auto dodaj = [&](std::int32_t i) {
        const std::int32_t v = m.widocznosc(i);
        const bool widoczna = widocznaPrzyZoomie(zoom, v);
        if (!widoczna && !wezel(v))
            return;
        const TPiksel p = pktpiks(w, m.x(i), m.y(i));
        if (p.x >= 0 && p.x <= szer && p.y >= 0 && p.y <= wys)
            wynik.push_back({i, p, widoczna});
    };
    // Prostokąt mapy, z którego punkty mogą trafić w obszar (dwa piksele zapasu
    // na zaokrąglenia).
    const double k = w.k();
    bool zSiatki = false;
    if (k > 0 && std::isfinite(k)) {
        const double wh = double(w.szerokosc / 2), hh = double(w.wysokosc / 2);
        const double mx = 10000.0 / k;
        zSiatki = m.wybierz(w.WspXSrodka + (-2 - wh) * mx, w.WspYSrodka - (wys + 2 - hh) * mx,
                            w.WspXSrodka + (szer + 2 - wh) * mx, w.WspYSrodka + (hh + 2) * mx, robocze);
    }
    if (zSiatki) {
        for (const std::int32_t i : robocze)
            dodaj(i);
        return;
    }
    // Cały kraj w widoku: widoczne stacje, a węzły i tak są wśród nich, gdy
    // powiększenie jest dodatnie (inaczej wszystkie stacje).
    if (zoom >= 0) {
        for (const std::int32_t i : m.widoczne(zoom))
            dodaj(i);
    } else {
        for (std::int32_t i = 0; i < m.liczba(); ++i)
            dodaj(i);
    }
}

} // namespace tks
