#include "Rysowanie.h"

#include "Kolory.h"
#include "MapaStacji.h"
#include "WarstwyMapy.h"
#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "routing/WyborReczny.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace tks {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kGrupyKonturuPolski = 13;

inline std::int32_t okr(double v) { return std::int32_t(std::nearbyint(v)); }
inline std::int32_t obc(double v) { return std::int32_t(v); }

inline double normalizuj(double a)
{
    if (a > kPi)
        a -= 2 * kPi;
    else if (a < -kPi)
        a += 2 * kPi;
    return a;
}

inline bool wewnatrz(TPiksel p, int szer, int wys) { return p.x >= 0 && p.x <= szer && p.y >= 0 && p.y <= wys; }

// Wynik obcinania odcinka w metrach mapy.
struct Obciecie {
    bool widoczny = false;
    bool przesunietyPoczatek = false;
    bool przesunietyKoniec = false;
    TPunkt e1;
    TPunkt e2;
};

Obciecie obetnijDoKola(const Widok& w, TPunkt e1, TPunkt e2)
{
    Obciecie o;
    const double dx = e2.x - e1.x;
    const double dy = e2.y - e1.y;
    const double l = std::sqrt(dx * dx + dy * dy);
    if (l == 0)
        return o;
    const double cx = w.WspXSrodka, cy = w.WspYSrodka;
    const double d1 = (e1.x - cx) * (e1.x - cx) + (e1.y - cy) * (e1.y - cy);
    const double d2 = (e2.x - cx) * (e2.x - cx) + (e2.y - cy) * (e2.y - cy);
    const double s1 = l / 2 - (d2 - d1) / (2 * l);
    const double s2 = l - s1;
    const double h2 = d1 - s1 * s1;
    const double R2 = w.PromienWidoku * w.PromienWidoku;
    if (h2 >= R2)
        return o;
    const double a = std::sqrt(R2 - h2);
    if (std::min(s1, s2) <= -a)
        return o;
    o.widoczny = true;
    o.e1 = e1;
    o.e2 = e2;
    if (s1 > a) {
        const double f = (s1 - a) / l;
        o.e1 = {e1.x + dx * f, e1.y + dy * f};
        o.przesunietyPoczatek = true;
    }
    if (s2 > a) {
        const double f = (s2 - a) / l;
        o.e2 = {e2.x - dx * f, e2.y - dy * f};
        o.przesunietyKoniec = true;
    }
    return o;
}

TPunkt punktOdc(const TOdcinek& o, bool b) { return b ? TPunkt{o.XB, o.YB} : TPunkt{o.XA, o.YA}; }

// Kontur kraju: łamane grup 0..12 w kolejności zapisu. Grupa, której ostatni
// punkt nie powtarza pierwszego, jest domykana (kontury zapisuje się bez
// powtórzenia pierwszego punktu).
void RysujKonturPolski(Kanwa& k, const Widok& w, const Siec& s)
{
    k.pedzel = {kCzarny, true};
    k.pioro.styl = StylPiora::Ciagle;
    const Pioro zapamietane = k.pioro;
    if (k.trybWydruku())
        k.pioro.kolor = k.pedzel.kolor;
    TPiksel p, q;
    for (int g = 0; g < kGrupyKonturuPolski; ++g) {
        const TPunktKonturuPolski* pierwszy = nullptr;
        const TPunktKonturuPolski* poprzedni = nullptr;
        int liczba = 0;
        for (const auto& pk : s.KonturPolski) {
            if (pk.LpGrupy != g)
                continue;
            if (poprzedni && OdcPiks(w, {poprzedni->x, poprzedni->y}, {pk.x, pk.y}, p, q))
                k.Linia(p, q);
            if (!pierwszy)
                pierwszy = &pk;
            poprzedni = &pk;
            ++liczba;
        }
        if (liczba > 2 && (pierwszy->x != poprzedni->x || pierwszy->y != poprzedni->y) &&
            OdcPiks(w, {poprzedni->x, poprzedni->y}, {pierwszy->x, pierwszy->y}, p, q))
            k.Linia(p, q);
    }
    k.pioro = zapamietane;
}

void RysujKonturPodzialuTerytorialnego(Kanwa& k, const Widok& w, const TPodzial& podzial, const TKontur& kontur)
{
    if (kontur.empty())
        return;
    const std::vector<TPiksel> wielokat = WielokatObszaru(w, kontur);
    if (wielokat.empty())
        return;
    k.pedzel = {podzial.Kolor, true};
    k.Wielokat(wielokat);
}

// Odcinki sieci (wybrane == nullptr) albo kandydaci wyboru ręcznego. Sąsiednie
// odcinki tym samym piórem idą na płótno jedną listą, w tej samej kolejności.
// `kandydaci`: rosnące indeksy odcinków, wśród których są wszystkie widoczne
// (nullptr: wszystkie odcinki sieci).
void RysujOdcinki(Kanwa& k, const Widok& w, const Siec& s, std::uint16_t maska, const std::vector<std::int32_t>* wybrane,
                  const Kolory& kol, const std::vector<std::int32_t>* kandydaci = nullptr)
{
    TPiksel p, q;
    std::vector<TLiniaPiks> partia;
    Pioro pioroPartii = k.pioro;
    auto wypisz = [&]() {
        if (partia.empty())
            return;
        k.pioro = pioroPartii;
        k.Linie(partia);
        partia.clear();
    };
    auto rysuj = [&](const TOdcinek& o, std::int32_t kolor) {
        if (!OdcPiks(w, punktOdc(o, false), punktOdc(o, true), p, q))
            return;
        Pioro pi = k.pioro;
        pi.styl = (o.Cechy & maska) ? StylPiora::Kropkowane : StylPiora::Ciagle;
        pi.kolor = kolor;
        if (!(pi == pioroPartii))
            wypisz();
        pioroPartii = pi;
        partia.push_back({p, q});
    };
    if (!wybrane) {
        if (kandydaci) {
            for (const std::int32_t i : *kandydaci) {
                const TOdcinek& o = s.Odcinki[std::size_t(i)];
                rysuj(o, o.KodZarzadu == 1 ? kol.KolorLinii : kol.KolorLiniiObcych);
            }
        } else {
            for (const auto& o : s.Odcinki)
                rysuj(o, o.KodZarzadu == 1 ? kol.KolorLinii : kol.KolorLiniiObcych);
        }
        wypisz();
        return;
    }
    for (const std::int32_t i : *wybrane)
        if (i >= 0 && i < s.liczbaOdcinkow())
            rysuj(s.Odcinki[std::size_t(i)], kol.KolorPunktowTrasy);
    wypisz();
}

void krzyzyk(Kanwa& k, TPiksel p, int r)
{
    const int d = 4 * r;
    k.Linia({p.x - d, p.y - d}, {p.x + d, p.y + d});
    k.Linia({p.x - d, p.y + d}, {p.x + d, p.y - d});
}

// Prostokąty narysowanych nazw z kubełkami na płaszczyźnie obrazu: sprawdzenie,
// czy nowa nazwa styka się z którąś z już narysowanych, patrzy tylko na nazwy
// w tych samych kubełkach. Prostokąty poza obrazem trafiają do kubełków brzegowych.
class ZajetePole {
public:
    ZajetePole(int szer, int wys)
        : kolumn_(std::max(1, (szer >> kBokX) + 1)), wierszy_(std::max(1, (wys >> kBokY) + 1)),
          kubelki_(std::size_t(kolumn_) * std::size_t(wierszy_))
    {
    }

    bool zajety(const TProstokat& r) const
    {
        int k1, k2, w1, w2;
        zakres(r, k1, k2, w1, w2);
        for (int w = w1; w <= w2; ++w)
            for (int k = k1; k <= k2; ++k)
                for (const std::int32_t i : kubelki_[std::size_t(w) * std::size_t(kolumn_) + std::size_t(k)])
                    if (StykajaSie(r, lista_[std::size_t(i)]))
                        return true;
        return false;
    }

    void dodaj(const TProstokat& r)
    {
        const auto i = std::int32_t(lista_.size());
        lista_.push_back(r);
        int k1, k2, w1, w2;
        zakres(r, k1, k2, w1, w2);
        for (int w = w1; w <= w2; ++w)
            for (int k = k1; k <= k2; ++k)
                kubelki_[std::size_t(w) * std::size_t(kolumn_) + std::size_t(k)].push_back(i);
    }

private:
    static constexpr int kBokX = 6;   // kubełek 64 × 32 piksele
    static constexpr int kBokY = 5;

    // Kubełki, których dotyka prostokąt (krawędzie włącznie, jak StykajaSie).
    void zakres(const TProstokat& r, int& k1, int& k2, int& w1, int& w2) const
    {
        k1 = std::clamp(std::min(r.left, r.right) >> kBokX, 0, kolumn_ - 1);
        k2 = std::clamp(std::max(r.left, r.right) >> kBokX, 0, kolumn_ - 1);
        w1 = std::clamp(std::min(r.top, r.bottom) >> kBokY, 0, wierszy_ - 1);
        w2 = std::clamp(std::max(r.top, r.bottom) >> kBokY, 0, wierszy_ - 1);
    }

    int kolumn_;
    int wierszy_;
    std::vector<TProstokat> lista_;
    std::vector<std::vector<std::int32_t>> kubelki_;
};

// Nazwy stacji z regułą nakładania się etykiet.
class Etykiety {
public:
    Etykiety(Kanwa& k, const Droga& d, const std::vector<StacjaWidoku>& wewn, MapaStacji& mapa)
        : k_(k), d_(d), wewn_(wewn), mapa_(mapa), zajete_(k.szerokosc(), k.wysokosc())
    {
    }

    void punktyTrasy()
    {
        const Kolory& kol = d_.kolory;
        k_.czcionka.kolor = kol.KolorNazwStacjiTrasy;
        k_.pioro.kolor = kol.KolorNazwStacjiTrasy;
        const auto& gs = d_.trasa.GlowneStacje;
        for (int i = 0; i < int(gs.size()); ++i) {
            const TGlownaStacja& g = gs[std::size_t(i)];
            if (g.LpStacji < 0 || g.LpStacji >= d_.siec.liczbaStacji())
                continue;
            k_.czcionka.styl = g.Rodzaj == kPunktPosredni
                                   ? stylCzcionki::Podkreslona
                                   : std::uint8_t(stylCzcionki::Pogrubiona | stylCzcionki::Podkreslona);
            const QString tekst = TekstPunktuTrasy(d_, i);
            const TPiksel p = pktpiks(d_.widok, g.Xkm, g.Ykm);
            const QSize r = k_.rozmiarTekstu(tekst);
            k_.Etykieta(p, tekst);
            zajete_.dodaj({p.x, p.y, p.x + r.width(), p.y + r.height()});
        }
    }

    // Węzły (widoczność -1 albo 0) w widoku. Najpierw stacje ze stawką za postój
    // (główne stacje pasażerskie miast), potem pozostałe: nazwa węzła obok
    // nie zasłoni nazwy stacji, której planista szuka.
    void wezly(std::int32_t widocznosc, std::uint8_t styl, std::int32_t kolor)
    {
        k_.czcionka.styl = styl;
        k_.czcionka.kolor = kolor;
        for (const bool zeStawka : {true, false})
            wezly(widocznosc, zeStawka);
    }

    void wezly(std::int32_t widocznosc, bool zeStawka)
    {
        const auto& st = d_.siec.Stacje;
        for (const StacjaWidoku& e : wewn_) {
            if (mapa_.widocznosc(e.lp) != widocznosc || (st[std::size_t(e.lp)].Stawka > 0) != zeStawka)
                continue;
            const QString& nazwa = mapa_.nazwa(d_.siec, e.lp);
            const TProstokat r = prostokat(e.p, nazwa);
            if (zajety(r))
                continue;
            k_.Etykieta(e.p, nazwa);
            zajete_.dodaj(r);
        }
    }

    // Wszystkie widoczne stacje: nazwa nie może zakryć punktu dalszej stacji
    // (dalszej w kolejności numerów, widocznej przy tym powiększeniu, także
    // poza widokiem).
    void stacje(std::int32_t kolor)
    {
        k_.czcionka.styl = 0;
        k_.czcionka.kolor = kolor;
        const Widok& w = d_.widok;
        const std::vector<std::int32_t>& widoczne = mapa_.widoczne(w.zoom);
        // Piksele dalszych stacji liczone raz, gdy pierwszy raz są potrzebne.
        std::vector<TPiksel> piks(widoczne.size());
        std::vector<char> policzony(widoczne.size(), 0);
        std::size_t dalsze = 0;
        for (const StacjaWidoku& e : wewn_) {
            if (!e.widoczna)
                continue;
            const QString& nazwa = mapa_.nazwa(d_.siec, e.lp);
            const TProstokat r = prostokat(e.p, nazwa);
            while (dalsze < widoczne.size() && widoczne[dalsze] <= e.lp)
                ++dalsze;
            // Nazwa stykająca się z już narysowaną i tak odpada.
            if (zajety(r))
                continue;
            bool zakryty = false;
            for (std::size_t j = dalsze; j < widoczne.size(); ++j) {
                if (!policzony[j]) {
                    piks[j] = pktpiks(w, mapa_.x(widoczne[j]), mapa_.y(widoczne[j]));
                    policzony[j] = 1;
                }
                const TPiksel p = piks[j];
                if (p.y > r.bottom)
                    break;
                if (p.x >= r.left && p.x <= r.right && p.y >= r.top) {
                    zakryty = true;
                    break;
                }
            }
            if (zakryty)
                continue;
            k_.Etykieta(e.p, nazwa);
            zajete_.dodaj(r);
        }
    }

private:
    TProstokat prostokat(TPiksel p, const QString& tekst)
    {
        const QSize r = k_.rozmiarTekstu(tekst);
        return {p.x, p.y, p.x + r.width(), p.y + r.height()};
    }
    bool zajety(const TProstokat& r) const { return zajete_.zajety(r); }

    Kanwa& k_;
    const Droga& d_;
    const std::vector<StacjaWidoku>& wewn_;
    MapaStacji& mapa_;
    ZajetePole zajete_;
};

} // namespace

// ---------------------------------------------------------------- obcinanie

bool OdcPiks(const Widok& w, TPunkt e1, TPunkt e2, TPiksel& p, TPiksel& q)
{
    const Obciecie o = obetnijDoKola(w, e1, e2);
    if (!o.widoczny)
        return false;
    p = pktpiksObc(w, o.e1.x, o.e1.y);
    q = pktpiksObc(w, o.e2.x, o.e2.y);
    return true;
}

double KatPunktu(const Widok& w, TPunkt p) { return std::atan2(w.WspYSrodka - p.y, p.x - w.WspXSrodka); }

KrawedzObcieta OdcPiksEx(const Widok& w, TPunkt e1, TPunkt e2)
{
    KrawedzObcieta k;
    if (e1.x == e2.x && e1.y == e2.y) {
        k.flagi = flagiKrawedzi::Zerowa;
        const double dx = e1.x - w.WspXSrodka, dy = e1.y - w.WspYSrodka;
        if (dx * dx + dy * dy <= w.PromienWidoku * w.PromienWidoku)
            k.flagi |= flagiKrawedzi::Widoczna;
        k.p1 = k.p2 = pktpiksObc(w, e1.x, e1.y);
        k.a1 = k.a2 = KatPunktu(w, e1);
        return k;
    }
    k.a1 = KatPunktu(w, e1);
    k.a2 = KatPunktu(w, e2);
    k.obrotPrzed = normalizuj(k.a2 - k.a1);
    const Obciecie o = obetnijDoKola(w, e1, e2);
    if (!o.widoczny)
        return k;
    k.flagi = flagiKrawedzi::Widoczna;
    k.obrotPrzed = 0;
    if (o.przesunietyPoczatek) {
        k.flagi |= flagiKrawedzi::Wejscie;
        const double stary = k.a1;
        k.a1 = KatPunktu(w, o.e1);
        k.obrotPrzed = normalizuj(k.a1 - stary);
    }
    if (o.przesunietyKoniec) {
        k.flagi |= flagiKrawedzi::Wyjscie;
        const double stary = k.a2;
        k.a2 = KatPunktu(w, o.e2);
        k.obrotPo = normalizuj(stary - k.a2);
    }
    k.p1 = pktpiksObc(w, o.e1.x, o.e1.y);
    k.p2 = pktpiksObc(w, o.e2.x, o.e2.y);
    return k;
}

void arc(const Widok& w, double A, double B, std::vector<TPiksel>& punkty)
{
    const int n = std::abs(obc(A / (2 * kPi / w.rzadWielokata)));
    if (n == 0)
        return;
    const double rk = w.PromienWidoku * w.k();
    for (int j = 0; j <= n; ++j) {
        const double t = B + (j + 0.5) * A / (n + 1);
        punkty.push_back({okr((std::cos(t) * rk + w.polSzerokosci * 10000.0) / 10000.0),
                          okr((std::sin(t) * rk + w.polWysokosci * 10000.0) / 10000.0)});
    }
}

std::vector<TPiksel> WielokatObszaru(const Widok& w, const TKontur& kontur)
{
    std::vector<TPiksel> wynik;
    const std::size_t n = kontur.size();
    if (n == 0)
        return wynik;
    double L = KatPunktu(w, kontur[0]);
    double S = 0, S0 = 0;
    // Krawędzie k-1 -> k oraz krawędź domykająca, gdy ostatni punkt nie powtarza pierwszego.
    const bool domknij = n > 2 && (kontur[n - 1].x != kontur[0].x || kontur[n - 1].y != kontur[0].y);
    const std::size_t krawedzi = n - 1 + (domknij ? 1 : 0);
    for (std::size_t i = 1; i <= krawedzi; ++i) {
        const TPunkt& a = kontur[i - 1];
        const TPunkt& b = kontur[i % n];
        const KrawedzObcieta e = OdcPiksEx(w, a, b);
        if (!wynik.empty())
            S += e.obrotPrzed;
        else
            S0 += e.obrotPrzed;
        if (e.flagi & flagiKrawedzi::Widoczna) {
            if (e.flagi & flagiKrawedzi::Wejscie) {
                arc(w, S, L, wynik);
                wynik.push_back(e.p1);
                L = e.a2;
                S = e.obrotPo;
            }
            wynik.push_back(e.p2);
        }
        if (e.flagi & flagiKrawedzi::Wyjscie) {
            L = e.a2;
            S = e.obrotPo;
        }
    }
    arc(w, S + S0, L, wynik);
    return wynik;
}

// ---------------------------------------------------------------- strzałka

bool Strzalka(Kanwa& k, const Widok& w, int x1, int y1, int x2, int y2)
{
    const int lmin = MinDlugoscStrzalki(w.zoom);
    const double dx = x2 - x1, dy = y2 - y1;
    const double dl = std::sqrt(dx * dx + dy * dy);
    if (dl < lmin)
        return false;
    if (k.trybWydruku() && lmin > dl * 96.0 / k.ppiDrukarki())
        return false;
    const double r = std::atan2(double(y1 - y2), double(x1 - x2));
    const TPiksel t{obc((x1 + x2) / 2.0) - obc(8 * std::cos(r)), obc((y1 + y2) / 2.0) - obc(8 * std::sin(r))};
    const double kat = 15.0 / 180.0 * kPi;
    const TPiksel b1{t.x + obc(16 * std::cos(r + kat)), t.y + obc(16 * std::sin(r + kat))};
    const TPiksel b2{t.x + obc(16 * std::cos(r - kat)), t.y + obc(16 * std::sin(r - kat))};
    const Pioro poprzednie = k.pioro;
    k.pioro.grubosc = 1;
    k.pioro.styl = StylPiora::Ciagle;
    k.Trojkat(t, b1, b2);
    k.pioro = poprzednie;
    return true;
}

// ---------------------------------------------------------------- panel i rysowanie

QString TekstPunktuTrasy(const Droga& d, int punkt)
{
    const TGlownaStacja& g = d.trasa.GlowneStacje[std::size_t(punkt)];
    const QString nazwa = d.siec.nazwaStacji(g.LpStacji);
    if (d.kolory.NumerowanieStacji)
        return QLatin1Char(' ') + QString::number(punkt + 1) + QLatin1Char(' ') + nazwa;
    return nazwa;
}

StanPaneluMapy OdswiezPanelMapy(Droga& d)
{
    StanPaneluMapy p;
    const auto& gs = d.trasa.GlowneStacje;
    if (d.kontrolki.kryterium == 2) {
        p.pokazStart = gs.size() < 2;
        p.pokazKoniec = !gs.empty();
        p.pokazPrzez = gs.empty() || gs.back().Rodzaj != kPunktKoncowy;
        p.pokazNiePrzez = false;
    }
    // Pole "Vmax tab." ograniczone, pola czasu jazdy i prędkości (okno pokazuje
    // d.kontrolki.vmaxTekst, d.wycena.EditTr i d.wycena.EditVr).
    UstalVTab(d);
    PokazCzasJazdy(d);
    p.tytul = d.pociag.NowyPociag ? kTytulNowegoPociagu
                                  : kTytulPociaguNr + d.pociag.pole(QStringLiteral("NrPociagu")).toString();
    p.jestTrasa = !d.trasa.Sciezki.empty();
    // Edytowany nagłówek zostaje zatwierdzony.
    d.pociag.zatwierdz();
    PrzygotujWyborReczny(d, d.trasa.TrybWyboru);
    p.wczytajPociagWlaczone = QFile::exists(d.plikListyPociagow.isEmpty()
                                                ? d.katalogProgramu + QStringLiteral("Pociagi/ListaPociagow.cds")
                                                : d.plikListyPociagow);
    return p;
}

void RysujWarstwyDolne(Kanwa& k, const Droga& d, const std::vector<std::int32_t>* odcinkiWidoku)
{
    const Widok& w = d.widok;
    const Siec& s = d.siec;
    const Kolory& kol = d.kolory;
    const Trasa& t = d.trasa;
    const int szer = k.szerokosc();
    const int wys = k.wysokosc();

    // 2. Tło.
    k.czcionka.kolor = kCzarny;
    k.czcionka.styl = 0;
    k.pioro = {kol.KolorTla, 1, StylPiora::Ciagle};
    k.pedzel = {kol.KolorTla, true};
    k.Prostokat({0, 0, szer, wys});

    // 3. Obszary terytorialne.
    k.pioro.styl = StylPiora::Brak;
    k.pedzel.pelny = true;
    if (kol.PodzialTerytorialny == 0) {
        for (std::size_t i = 0; i < s.Zaklady.size() && i < s.KonturyZakladow.size(); ++i)
            RysujKonturPodzialuTerytorialnego(k, w, s.Zaklady[i], s.KonturyZakladow[i]);
    } else if (kol.PodzialTerytorialny == 1) {
        for (std::size_t i = 1; i < s.Wojewodztwa.size() && i < s.KonturyWojewodztw.size(); ++i)
            RysujKonturPodzialuTerytorialnego(k, w, s.Wojewodztwa[i], s.KonturyWojewodztw[i]);
    }

    // 4. Kontur kraju.
    k.pioro = {kCzarny, 1, StylPiora::Ciagle};
    RysujKonturPolski(k, w, s);
    k.pedzel = {kol.KolorTla, true};

    // 5. Odcinki; omijane przez wyszukiwanie kropkowane.
    RysujOdcinki(k, w, s, t.MaskaOgraniczen, nullptr, kol, odcinkiWidoku);
}

StanPaneluMapy odswiez(Droga& d, Kanwa& k, PamiecWarstwMapy* pamiec)
{
    StanPaneluMapy panel = OdswiezPanelMapy(d);

    Widok& w = d.widok;
    const Siec& s = d.siec;
    const Kolory& kol = d.kolory;
    const Trasa& t = d.trasa;
    const int szer = k.szerokosc();
    const int wys = k.wysokosc();

    // 1. Skala, środek, promienie.
    UstalSkale(w, szer, wys, s.SrodekDomyslny);
    // Pusty obszar rysowania: nie ma skali, nie ma czego rysować.
    if (szer <= 0 || wys <= 0)
        return panel;
    const int r = w.PromienStacji;

    // 2.-5. Tło, obszary, kontur i odcinki: z pamięci warstw albo rysowane wprost.
    if (!pamiec || !pamiec->wklej(k, d))
        RysujWarstwyDolne(k, d, nullptr);
    // 6. Odcinki kandydatów wyboru ręcznego.
    RysujOdcinki(k, w, s, t.MaskaOgraniczen, &t.OdcinkiWyboru, kol);

    // 7. Trasa ze strzałkami.
    if (!t.GlowneStacje.empty()) {
        k.pioro.styl = StylPiora::Ciagle;
        k.pioro.grubosc = k.trybWydruku() ? 3 : 2;
        k.pedzel = {kol.KolorPunktowTrasy, true};
        TPiksel p, q;
        for (const auto& e : t.Sciezki) {
            if (!OdcPiks(w, {e.XOd, e.YOd}, {e.XDo, e.YDo}, p, q))
                continue;
            k.pioro.kolor = e.WgCennika ? kol.KolorLiniiTrasy : kol.KolorLiniiTrasyNieWycenionej;
            k.Linia(p, q);
            Strzalka(k, w, p.x, p.y, q.x, q.y);
        }
        k.pioro.grubosc = 1;
    }

    // Stacje w widoku (z pikselami) raz na całe rysowanie, w kolejności numerów.
    MapaStacji lokalna;
    MapaStacji* mapa = pamiec ? &pamiec->mapaStacji(s) : nullptr;
    if (!mapa) {
        lokalna.zbuduj(s, false);
        mapa = &lokalna;
    }
    std::vector<StacjaWidoku> wewn;
    {
        std::vector<std::int32_t> robocze;
        StacjeWidoku(*mapa, w, szer, wys, wewn, robocze);
    }

    // 8. Stacje.
    k.pedzel = {kol.KolorPunktowStacji, true};
    k.pioro.kolor = kol.KolorPunktowStacji;
    k.pioro.styl = StylPiora::Ciagle;
    for (const StacjaWidoku& e : wewn)
        if (e.widoczna)
            k.Kolo(e.p, r);

    // 9. Węzły.
    k.pedzel = {kol.KolorPunktowStacjiWezlowych, true};
    k.pioro.grubosc = 2;
    k.pioro.kolor = kCzarny;
    for (const StacjaWidoku& e : wewn)
        if (mapa->widocznosc(e.lp) == 0)
            k.Kolo(e.p, r + 2);
    for (const StacjaWidoku& e : wewn)
        if (mapa->widocznosc(e.lp) == -1)
            k.Kolo(e.p, r + 3);

    // 10. Punkty trasy (także poza widokiem).
    k.pioro.grubosc = 2;
    for (const auto& g : t.GlowneStacje) {
        const TPiksel p = pktpiks(w, g.Xkm, g.Ykm);
        switch (g.Rodzaj) {
        case kPunktPoczatkowy:
            k.pedzel = {kol.KolorLiniiTrasy, true};
            k.pioro.kolor = kol.KolorPunktowTrasy;
            k.Kolo(p, r + 2);
            break;
        case kPunktPosredni:
            k.pedzel = {kol.KolorLiniiTrasy, true};
            k.pioro.kolor = kol.KolorPunktowTrasy;
            k.Kolo(p, r + 1);
            break;
        case kPunktKoncowy:
            k.pedzel = {kol.KolorPunktowTrasy, true};
            k.pioro.kolor = kol.KolorLiniiTrasy;
            k.Kolo(p, r + 2);
            break;
        default:
            break;
        }
    }

    // 11. Krzyżyki na wykluczonych stacjach i odcinkach.
    k.pedzel = {kol.KolorPunktowZabronionych, true};
    k.pioro.kolor = kol.KolorPunktowZabronionych;
    k.pioro.grubosc = 2;
    for (const std::int32_t st : t.ListaStacjiZabronionych)
        if (st >= 0 && st < s.liczbaStacji())
            krzyzyk(k, pktpiks(w, s.Stacje[std::size_t(st)].Xkm, s.Stacje[std::size_t(st)].Ykm), r);
    for (const std::int32_t o : t.ListaOdcinkowZabronionych) {
        if (o < 0 || o >= s.liczbaOdcinkow())
            continue;
        const TOdcinek& od = s.Odcinki[std::size_t(o)];
        krzyzyk(k, pktpiks(w, (od.XA + od.XB) / 2, (od.YA + od.YB) / 2), r);
    }

    // 12. Punkty styczności kandydatów wyboru ręcznego.
    k.pedzel = {kol.KolorPunktowStycznosci, true};
    k.pioro.kolor = kol.KolorPunktowStycznosci;
    for (const auto& pw : t.PunktyWyboru) {
        if (pw.LLiniiStycznych <= 0)
            continue;
        const TPiksel p = pktpiks(w, pw.Xkm, pw.Ykm);
        if (wewnatrz(p, szer, wys))
            k.Kolo(p, r);
    }

    // 13. Nazwy.
    Etykiety et(k, d, wewn, *mapa);
    et.punktyTrasy();
    et.wezly(-1, stylCzcionki::Pogrubiona, kol.KolorNazwStacjiWezlowych);
    et.wezly(0, 0, kol.KolorNazwStacjiWezlowych);
    et.stacje(kol.KolorNazwStacji);

    // 14. Stan płótna po rysowaniu.
    k.pioro = {kCzarny, 1, StylPiora::Ciagle};
    k.pedzel = {kSrebrny, true};
    k.czcionka.kolor = kCzarny;
    k.czcionka.styl = 0;
    return panel;
}

} // namespace tks
