#include "Trafienia.h"

#include "app/Droga.h"

#include <algorithm>

namespace tks {

namespace {

constexpr int kMaksTekstuTrafienia = 80;

bool narzedziePunktuTrasy(Narzedzie n)
{
    return n == Narzedzie::Start || n == Narzedzie::Koniec || n == Narzedzie::Przez;
}

bool jestNaLiscie(const std::vector<TKliknietaStacja>& l, int stacja)
{
    return std::any_of(l.begin(), l.end(), [&](const TKliknietaStacja& e) { return e.LpStacji == stacja; });
}

void dodaj(std::vector<TKliknietaStacja>& l, int stacja, const QString& tekst, int punkt)
{
    l.push_back({stacja, tekst.left(kMaksTekstuTrafienia), punkt});
}

} // namespace

bool TrwaWyborReczny(const Droga& d)
{
    return narzedziePunktuTrasy(d.widok.narzedzie) && d.trasa.TrybWyboru != 0 &&
           (!d.trasa.PunktyWyboru.empty() || d.trasa.GlowneStacje.size() >= 2);
}

ObszarKlikniecia ObszarTrafienia(const Widok& w, int x, int y)
{
    const int t = w.tolerancjaKlikniecia;
    const TPunkt a = pktkm(w, x - t, y + t);
    const TPunkt b = pktkm(w, x + t, y - t);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::vector<TKliknietaStacja> ZnajdzKliknieteStacje(const Droga& d, int x, int y)
{
    std::vector<TKliknietaStacja> wynik;
    const Siec& s = d.siec;
    const Trasa& t = d.trasa;
    const ObszarKlikniecia ob = ObszarTrafienia(d.widok, x, y);
    const std::int64_t zoom = d.widok.zoom;
    auto poprawna = [&](int st) { return st >= 0 && st < s.liczbaStacji(); };

    if (d.widok.narzedzie == Narzedzie::Usun) {
        const auto& gs = t.GlowneStacje;
        if (d.kontrolki.kryterium == 2) {
            // Wybór ręczny: zdjąć można tylko ostatni punkt.
            if (!gs.empty()) {
                const TGlownaStacja& g = gs.back();
                if (poprawna(g.LpStacji) && ob.zawiera(g.Xkm, g.Ykm))
                    dodaj(wynik, g.LpStacji, s.nazwaStacji(g.LpStacji), int(gs.size()) - 1);
            }
            return wynik;
        }
        for (int i = 0; i < int(gs.size()); ++i) {
            const TGlownaStacja& g = gs[std::size_t(i)];
            if (poprawna(g.LpStacji) && ob.zawiera(g.Xkm, g.Ykm))
                dodaj(wynik, g.LpStacji, QString::number(i + 1) + QLatin1Char(' ') + s.nazwaStacji(g.LpStacji), i);
        }
        for (const std::int32_t st : t.ListaStacjiZabronionych) {
            if (!poprawna(st) || jestNaLiscie(wynik, st))
                continue;
            const TStacja& rec = s.Stacje[std::size_t(st)];
            if (ob.zawiera(rec.Xkm, rec.Ykm))
                dodaj(wynik, st, s.nazwaStacji(st), -1);
        }
        return wynik;
    }

    if (TrwaWyborReczny(d)) {
        for (const auto& p : t.PunktyWyboru) {
            if (!poprawna(p.LpStacji) || jestNaLiscie(wynik, p.LpStacji))
                continue;
            if (zoom < std::int64_t(p.Widocznosc) * 10000 && p.LLiniiStycznych <= 0)
                continue;
            if (ob.zawiera(p.Xkm, p.Ykm))
                dodaj(wynik, p.LpStacji, p.Nazwa, -1);
        }
        return wynik;
    }

    for (int i = 0; i < s.liczbaStacji(); ++i) {
        const TStacja& st = s.Stacje[std::size_t(i)];
        if (zoom >= std::int64_t(st.Widocznosc) * 10000 && ob.zawiera(st.Xkm, st.Ykm))
            dodaj(wynik, i, st.NazwaStacji.tekst(), -1);
    }
    return wynik;
}

std::vector<TKliknietyOdcinek> ZnajdzKliknieteOdcinki(const Droga& d, int x, int y)
{
    std::vector<TKliknietyOdcinek> wynik;
    const Siec& s = d.siec;
    const ObszarKlikniecia ob = ObszarTrafienia(d.widok, x, y);

    if (d.widok.narzedzie == Narzedzie::Usun) {
        for (const std::int32_t i : d.trasa.ListaOdcinkowZabronionych) {
            if (i < 0 || i >= s.liczbaOdcinkow())
                continue;
            if (std::any_of(wynik.begin(), wynik.end(), [&](const TKliknietyOdcinek& e) { return e.LpOdcinka == i; }))
                continue;
            const TOdcinek& o = s.Odcinki[std::size_t(i)];
            if (ob.zawiera((o.XA + o.XB) / 2, (o.YA + o.YB) / 2))
                wynik.push_back({o, i, 0});
        }
        return wynik;
    }

    const TPunkt p = pktkm(d.widok, x, y);
    const double szer = ob.maxX - ob.minX;   // długość 40 pikseli w metrach
    const double szer2 = szer * szer;
    for (int i = 0; i < s.liczbaOdcinkow(); ++i) {
        const TOdcinek& o = s.Odcinki[std::size_t(i)];
        const double dx = o.XB - o.XA, dy = o.YB - o.YA;
        const double ab2 = dx * dx + dy * dy;
        const double w = dy * p.x - dx * p.y + o.XB * o.YA - o.YB * o.XA;
        if (szer2 * ab2 < w * w)
            continue;
        // Rzut kliknięcia między końcami: w kole o średnicy AB.
        if ((p.x - o.XA) * (p.x - o.XB) + (p.y - o.YA) * (p.y - o.YB) > 0)
            continue;
        const double mx = (o.XA + o.XB) / 2 - p.x, my = (o.YA + o.YB) / 2 - p.y;
        const double odl2 = mx * mx + my * my;
        auto ta = std::find_if(wynik.begin(), wynik.end(),
                               [&](const TKliknietyOdcinek& e) { return e.odcinek.NrLinii == o.NrLinii; });
        if (ta == wynik.end())
            wynik.push_back({o, i, odl2});
        else if (odl2 < ta->odl2)
            *ta = {o, i, odl2};
    }
    return wynik;
}

QStringList TekstyWyboru(const std::vector<TKliknietaStacja>& trafione)
{
    QStringList l;
    for (const auto& e : trafione)
        l << e.tekst;
    return l;
}

QStringList TekstyWyboru(const std::vector<TKliknietyOdcinek>& trafione)
{
    QStringList l;
    for (const auto& e : trafione)
        l << QStringLiteral("Linia ") + QString::number(e.odcinek.NrLinii);
    return l;
}

WybranaStacja WybierzKliknietaStacja(Droga& d, const std::vector<TKliknietaStacja>& trafione)
{
    const QStringList teksty = TekstyWyboru(trafione);
    const int i = d.interakcja.wybor(kTytulListyWyboru, kOpisListyWyboru, teksty);
    if (i < 0 || i >= teksty.size())
        return {};
    const int pierwsza = int(teksty.indexOf(teksty[i]));
    return {trafione[std::size_t(pierwsza)].LpStacji, trafione[std::size_t(pierwsza)].punktTrasy};
}

int WybierzKliknietyOdcinek(Droga& d, const std::vector<TKliknietyOdcinek>& trafione)
{
    const QStringList teksty = TekstyWyboru(trafione);
    const int i = d.interakcja.wybor(kTytulListyWyboru, kOpisListyWyboru, teksty);
    if (i < 0 || i >= teksty.size())
        return -1;
    return trafione[std::size_t(teksty.indexOf(teksty[i]))].LpOdcinka;
}

WybranaStacja WskazanaStacja(Droga& d, int x, int y)
{
    const auto l = ZnajdzKliknieteStacje(d, x, y);
    if (l.empty())
        return {};
    if (l.size() == 1)
        return {l[0].LpStacji, l[0].punktTrasy};
    return WybierzKliknietaStacja(d, l);
}

int WskazanyOdcinek(Droga& d, int x, int y)
{
    const auto l = ZnajdzKliknieteOdcinki(d, x, y);
    if (l.empty())
        return -1;
    if (l.size() == 1)
        return l[0].LpOdcinka;
    return WybierzKliknietyOdcinek(d, l);
}

TProstokat ProstokatListyWyboru(TPiksel kursor, int najszerszyTekst, int wysokoscTekstow, int szerokoscPb,
                                int wysokoscPb)
{
    const int szer = std::max(najszerszyTekst + 20, 120);
    const int wys = wysokoscTekstow + 30;
    int left = kursor.x + 10;
    int top = kursor.y;
    if (top + wys > wysokoscPb)
        top = wysokoscPb - wys;
    if (left + szer > szerokoscPb)
        left = kursor.x - szer - 10;
    return {left, top, left + szer, top + wys};
}

} // namespace tks
