#include "GeneratorSieci.h"

#include "common/Daty.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace tks {
namespace {

// ---------------------------------------------------------------- geometria

struct Wek {
    double x = 0;
    double y = 0;
};
inline Wek operator+(Wek a, Wek b) { return {a.x + b.x, a.y + b.y}; }
inline Wek operator-(Wek a, Wek b) { return {a.x - b.x, a.y - b.y}; }
inline Wek operator*(Wek a, double k) { return {a.x * k, a.y * k}; }
inline double iloczynWektorowy(Wek a, Wek b) { return a.x * b.y - a.y * b.x; }
inline double iloczynSkalarny(Wek a, Wek b) { return a.x * b.x + a.y * b.y; }
// Tylko pierwiastek (dokładnie zaokrąglany w IEEE): geometria jest powtarzalna
// bez funkcji trygonometrycznych biblioteki.
inline double dlugosc(Wek a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline Wek unormuj(Wek a)
{
    const double l = dlugosc(a);
    return l > 0 ? a * (1.0 / l) : Wek{1, 0};
}
inline Wek prostopadly(Wek a) { return {-a.y, a.x}; }

// Uproszczony kontur kraju w hektometrach płaszczyzny mapy.
constexpr std::int16_t kKonturKraju[][2] = {
    {5329, 1921}, {5169, 1808}, {5136, 1695}, {4985, 1678}, {4979, 1800}, {4882, 1822}, {4859, 1996},
    {4730, 2045}, {4693, 2268}, {4513, 2263}, {4309, 2433}, {4316, 2368}, {4188, 2330}, {4035, 2488},
    {4001, 2554}, {4114, 2593}, {4083, 2724}, {4014, 2663}, {3825, 2663}, {3824, 2735}, {3514, 2879},
    {3479, 2837}, {3593, 2631}, {3463, 2609}, {3347, 2491}, {3123, 2813}, {3008, 2876}, {3190, 3034},
    {3122, 3129}, {2952, 3137}, {2894, 3067}, {2874, 3162}, {2781, 3156}, {2754, 3247}, {2443, 3287},
    {2384, 3517}, {2314, 3566}, {2183, 3562}, {2186, 3403}, {2061, 3412}, {2238, 3855}, {2188, 4075},
    {2037, 4155}, {2065, 4298}, {1961, 4483}, {2092, 4753}, {2043, 4811}, {2073, 4944}, {1982, 5007},
    {1961, 5126}, {2044, 5320}, {1715, 5639}, {1738, 5778}, {1880, 5870}, {1964, 6098}, {1842, 6839},
    {3104, 7173}, {3402, 7467}, {3642, 7515}, {3871, 7664}, {4409, 7769}, {4573, 7765}, {5226, 7245},
    {5414, 7346}, {6592, 7214}, {7464, 7303}, {7521, 7358}, {7826, 7199}, {7964, 6999}, {7999, 6666},
    {8288, 6000}, {8336, 5504}, {8029, 5301}, {7851, 4991}, {7874, 4928}, {8078, 4888}, {8188, 4779},
    {8201, 4470}, {8127, 4387}, {8167, 4170}, {8269, 4049}, {8240, 3903}, {8400, 3762}, {8491, 3536},
    {8622, 3449}, {8495, 3360}, {8606, 3192}, {8551, 2935}, {8361, 2896}, {8061, 2554}, {7635, 1893},
    {7721, 1706}, {7703, 1498}, {7843, 1415}, {7847, 1318}, {7352, 1458}, {7207, 1533}, {7151, 1669},
    {7062, 1713}, {7018, 1672}, {6908, 1770}, {6766, 1726}, {6651, 1777}, {6591, 1708}, {6540, 1746},
    {6404, 1586}, {6260, 1717}, {6145, 1669}, {6041, 1714}, {5833, 1598}, {5793, 1443}, {5679, 1505},
    {5570, 1463}, {5574, 1699}, {5464, 1696}, {5383, 1879},
};

bool wewnatrz(const std::vector<Wek>& w, Wek p)
{
    bool in = false;
    for (std::size_t i = 0, j = w.size() - 1; i < w.size(); j = i++) {
        if ((w[i].y > p.y) != (w[j].y > p.y)
            && p.x < (w[j].x - w[i].x) * (p.y - w[i].y) / (w[j].y - w[i].y) + w[i].x)
            in = !in;
    }
    return in;
}

// Obcięcie wielokąta do prostokąta (Sutherland-Hodgman, krawędź po krawędzi).
std::vector<Wek> obetnijDoProstokata(std::vector<Wek> w, double x0, double y0, double x1, double y1)
{
    auto krawedz = [&](auto wewn, auto przeciecie) {
        std::vector<Wek> wynik;
        for (std::size_t i = 0; i < w.size(); ++i) {
            const Wek a = w[(i + w.size() - 1) % w.size()];
            const Wek b = w[i];
            if (wewn(b)) {
                if (!wewn(a))
                    wynik.push_back(przeciecie(a, b));
                wynik.push_back(b);
            } else if (wewn(a)) {
                wynik.push_back(przeciecie(a, b));
            }
        }
        w = std::move(wynik);
    };
    auto naX = [](Wek a, Wek b, double x) { return Wek{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    auto naY = [](Wek a, Wek b, double y) { return Wek{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
    krawedz([&](Wek p) { return p.x >= x0; }, [&](Wek a, Wek b) { return naX(a, b, x0); });
    krawedz([&](Wek p) { return p.x <= x1; }, [&](Wek a, Wek b) { return naX(a, b, x1); });
    krawedz([&](Wek p) { return p.y >= y0; }, [&](Wek a, Wek b) { return naY(a, b, y0); });
    krawedz([&](Wek p) { return p.y <= y1; }, [&](Wek a, Wek b) { return naY(a, b, y1); });
    return w;
}

// ---------------------------------------------------------------- dane stałe

struct Miasto {
    const char* nazwa;
    double x, y;
};
// Węzły magistral (położenia miast na płaszczyźnie mapy, metry).
constexpr Miasto kMiasta[] = {
    {"Szczecin Główny", 204205, 627191},      {"Koszalin", 315271, 707946},
    {"Gdynia Główna", 469530, 741430},        {"Gdańsk Główny", 476884, 723046},
    {"Olsztyn Główny", 599001, 660176},       {"Ełk", 721289, 668751},
    {"Białystok", 776719, 594157},            {"Bydgoszcz Główna", 432403, 586638},
    {"Toruń Główny", 474084, 571180},         {"Piła Główna", 349062, 589503},
    {"Poznań Główny", 357867, 506228},        {"Rzepin", 214835, 506614},
    {"Warszawa Centralna", 636874, 486721},   {"Siedlce", 723908, 482372},
    {"Terespol", 815365, 477620},             {"Kutno", 523839, 484712},
    {"Łódź Kaliska", 529667, 432241},         {"Kalisz", 435880, 430862},
    {"Leszno", 332250, 444911},               {"Wrocław Główny", 362515, 360189},
    {"Opole Główne", 424108, 310025},         {"Katowice", 501228, 264309},
    {"Częstochowa Osobowa", 510403, 325909},  {"Kraków Główny", 567951, 243499},
    {"Kielce", 613868, 334525},               {"Radom", 649997, 393318},
    {"Lublin Główny", 749206, 379295},        {"Chełm", 814475, 372724},
    {"Tarnów", 641599, 237950},               {"Rzeszów Główny", 715376, 244608},
    {"Przemyśl Główny", 772000, 226000},      {"Zielona Góra Główna", 252000, 452000},
    {"Legnica", 300000, 381000},              {"Nowy Sącz", 592000, 191000},
};
enum : int {
    Szczecin, Koszalin, Gdynia, Gdansk, Olsztyn, Elk, Bialystok, Bydgoszcz, Torun, Pila, Poznan, Rzepin,
    Warszawa, Siedlce, Terespol, Kutno, Lodz, Kalisz, Leszno, Wroclaw, Opole, Katowice, Czestochowa, Krakow,
    Kielce, Radom, Lublin, Chelm, Tarnow, Rzeszow, Przemysl, ZielonaGora, Legnica, NowySacz,
};
// Magistrale: pary węzłów, każda para to osobna linia.
constexpr int kMagistrale[][2] = {
    {Warszawa, Czestochowa}, {Czestochowa, Katowice}, {Warszawa, Siedlce},    {Siedlce, Terespol},
    {Warszawa, Kutno},       {Kutno, Poznan},         {Poznan, Rzepin},       {Warszawa, Gdansk},
    {Krakow, Tarnow},        {Tarnow, Rzeszow},       {Rzeszow, Przemysl},    {Warszawa, Bialystok},
    {Warszawa, Lublin},      {Lublin, Chelm},         {Warszawa, Radom},      {Radom, Kielce},
    {Kielce, Krakow},        {Poznan, Leszno},        {Leszno, Wroclaw},      {Wroclaw, Opole},
    {Opole, Katowice},       {Katowice, Krakow},      {Szczecin, Poznan},     {Szczecin, Koszalin},
    {Koszalin, Gdynia},      {Gdynia, Gdansk},        {Gdansk, Olsztyn},      {Olsztyn, Elk},
    {Elk, Bialystok},        {Gdansk, Bydgoszcz},     {Bydgoszcz, Torun},     {Torun, Kutno},
    {Bydgoszcz, Pila},       {Pila, Poznan},          {Lodz, Kalisz},         {Kalisz, Wroclaw},
    {Warszawa, Lodz},        {Radom, Lublin},         {Lublin, Rzeszow},      {Rzepin, ZielonaGora},
    {ZielonaGora, Legnica},  {Legnica, Wroclaw},      {Krakow, NowySacz},
};

// Rdzenie i końcówki nazw stacji.
const char* const kRdzenie[] = {
    "Bor",   "Dąbr",  "Lip",   "Brzez",  "Olsz",  "Kamien", "Grab",   "Wierzb", "Jawor", "Sosn",  "Krzyw",
    "Wol",   "Zawad", "Mił",   "Rad",    "Now",   "Star",   "Biał",   "Czarn",  "Głęb",  "Łęcz",  "Żab",
    "Gór",   "Pol",   "Rud",   "Sęd",    "Tuch",  "Węgl",   "Chojn",  "Kozł",   "Miesz", "Pias",  "Brod",
    "Klon",  "Jabłon", "Malin", "Gniezd", "Cieszk", "Świerk", "Zręb",  "Osiek",  "Jedl",  "Buk",   "Grodz",
    "Kłod",  "Mszan", "Orzech", "Przyt", "Rogoź", "Skarb",  "Trzcin", "Wiśn",   "Zbąsz", "Żyr",   "Łab",
    "Śniad", "Bełch", "Ciech", "Dobr",   "Frank", "Gosty",  "Herb",   "Izb",    "Kęp",   "Lesz",  "Mogil",
};
const char* const kKoncowki[] = {"owo", "ice", "ów",  "in",  "no",  "ka",   "iec",   "ki",  "any",
                                 "ewo", "isko", "owice", "nik", "ina", "ówka", "ew",  "yn",  "ia"};
const char* const kDopiski[] = {" Górny",  " Dolny",    " Wielki",  " Mały",     " Osada",   " Kolonia",
                                " Zachód", " Wschód",   " Północ",  " Południe", " Osobowa", " Towarowa",
                                " Miasto", " Przedmieście", " Las", " Wieś"};

// Stawki podstawowe rodzajów w kategoriach 1..6 (zł/pociągokm) i mnożniki przedziałów masy.
constexpr double kStawkiPodstawowe[3][6] = {
    {14.25, 11.873, 9.41, 7.645, 5.312, 3.9},
    {18.0, 15.5, 13.2, 11.0, 9.2, 8.0},
    {4.5, 3.9, 3.3, 2.8, 2.3, 2.0},
};
constexpr double kMnoznikiPrzedzialow[3][6] = {
    {1.0, 1.13, 1.26, 1.41, 1.58, 1.77},
    {1.0, 1.25, 1.55, 1.9, 2.4, 2.9},
    {1.0, 1.1, 1.2, 1.3, 1.4, 1.5},
};
constexpr int kPrzedzialow = 6;

struct Przedzial {
    double od, dO;   // dO < 0: przedział otwarty
    int brutto;
};
constexpr Przedzial kPrzedzialy[3][kPrzedzialow] = {
    {{0, 200, 150}, {200, 400, 300}, {400, 600, 500}, {600, 800, 700}, {800, 1000, 900}, {1000, -1, 1200}},
    {{0, 1000, 800}, {1000, 2000, 1500}, {2000, 3000, 2500}, {3000, 4000, 3500}, {4000, 5000, 4500},
     {5000, -1, 5500}},
    {{0, 80, 70}, {80, 100, 90}, {100, 120, 110}, {120, 150, 135}, {150, 200, 175}, {200, -1, 220}},
};

// Udział cykli w liczbie stacji: odcinków ok. 1,2 × stacji.
constexpr double kUdzialCykli = 0.2;
constexpr double kKrokMin = 1000;      // odstęp punktów, metry
constexpr double kKrokRozrzut = 4000;
constexpr double kPromienPrzyciagania = 600;
constexpr double kPromienWezlaNaOdcinku = 400;

// ---------------------------------------------------------------- siatka

// Równomierna siatka komórek z numerami obiektów (odcinków albo stacji).
class Siatka {
public:
    void przygotuj(double x0, double y0, double x1, double y1, double bok)
    {
        x0_ = x0;
        y0_ = y0;
        bok_ = bok;
        nx_ = int((x1 - x0) / bok) + 1;
        ny_ = int((y1 - y0) / bok) + 1;
        komorki_.assign(std::size_t(nx_) * std::size_t(ny_), {});
    }
    template <class F>
    void dlaKomorek(Wek a, Wek b, F f) const
    {
        const int cx0 = kol(std::min(a.x, b.x)), cx1 = kol(std::max(a.x, b.x));
        const int cy0 = wier(std::min(a.y, b.y)), cy1 = wier(std::max(a.y, b.y));
        for (int cy = cy0; cy <= cy1; ++cy)
            for (int cx = cx0; cx <= cx1; ++cx)
                for (const int id : komorki_[std::size_t(cy) * std::size_t(nx_) + std::size_t(cx)])
                    f(id);
    }
    void dodaj(Wek a, Wek b, int id)
    {
        const int cx0 = kol(std::min(a.x, b.x)), cx1 = kol(std::max(a.x, b.x));
        const int cy0 = wier(std::min(a.y, b.y)), cy1 = wier(std::max(a.y, b.y));
        for (int cy = cy0; cy <= cy1; ++cy)
            for (int cx = cx0; cx <= cx1; ++cx)
                komorki_[std::size_t(cy) * std::size_t(nx_) + std::size_t(cx)].push_back(id);
    }

private:
    int kol(double x) const { return std::clamp(int((x - x0_) / bok_), 0, nx_ - 1); }
    int wier(double y) const { return std::clamp(int((y - y0_) / bok_), 0, ny_ - 1); }
    double x0_ = 0, y0_ = 0, bok_ = 1;
    int nx_ = 1, ny_ = 1;
    std::vector<std::vector<int>> komorki_;
};

// ---------------------------------------------------------------- budowa

struct StacjaG {
    Wek p;
    std::vector<int> linie;   // linie przechodzące przez stację (indeksy w `linie_`)
    int miasto = -1;
    bool szeroka = false;
};

struct LiniaG {
    int kategoria = 3;   // 1 magistrala, 2 pierwszorzędna, 3 drugorzędna, 4 lokalna
    bool szeroka = false;
    std::vector<int> stacje;
};

struct OdcinekG {
    int a, b, linia;
};

// Wynik sprawdzenia kroku linii.
struct Przeciecie {
    int odcinek = -1;
    Wek punkt;
};

class Budowa {
public:
    explicit Budowa(const ParametryGeneratora& p) : los_(p.ziarno), los2_(p.ziarno ^ 0x5DEECE66Dull), cel_(p.stacje)
    {
        for (const auto& k : kKonturKraju)
            kontur_.push_back({k[0] * 100.0, k[1] * 100.0});
        x0_ = y0_ = 1e300;
        x1_ = y1_ = -1e300;
        for (const Wek& k : kontur_) {
            x0_ = std::min(x0_, k.x);
            y0_ = std::min(y0_, k.y);
            x1_ = std::max(x1_, k.x);
            y1_ = std::max(y1_, k.y);
        }
        siatkaOdcinkow_.przygotuj(x0_, y0_, x1_, y1_, 5000);
        siatkaStacji_.przygotuj(x0_, y0_, x1_, y1_, 2000);
    }

    void buduj()
    {
        for (int m = 0; m < int(std::size(kMiasta)) && !pelna(); ++m) {
            const int s = nowaStacja({kMiasta[m].x, kMiasta[m].y});
            stacje_[std::size_t(s)].miasto = m;
        }
        for (const auto& mg : kMagistrale) {
            if (pelna())
                break;
            magistrala(mg[0], mg[1]);
        }
        if (!pelna())
            zakatekSzerokotorowy();
        int niepowodzenia = 0;
        while (!pelna()) {
            if (liniaZwykla())
                niepowodzenia = 0;
            else if (++niepowodzenia > 200) {
                // Nigdzie nie da się zacząć: nowy punkt gdzieś w kraju.
                nowaStacja(losowyPunktWKraju());
                niepowodzenia = 0;
            }
        }
    }

    Siec wynik(OpisGenerowania* opis);

private:
    bool pelna() const { return int(stacje_.size()) >= cel_; }
    bool wolnoZamknacCykl() const { return cykle_ < kUdzialCykli * double(stacje_.size()); }

    Wek losowyPunktWKraju()
    {
        for (;;) {
            const Wek p{x0_ + los_.ulamek() * (x1_ - x0_), y0_ + los_.ulamek() * (y1_ - y0_)};
            if (wewnatrz(kontur_, p))
                return p;
        }
    }
    Wek losowyKierunek()
    {
        for (;;) {
            const Wek k{los_.ulamek() * 2 - 1, los_.ulamek() * 2 - 1};
            const double l = dlugosc(k);
            if (l > 0.05 && l <= 1)
                return k * (1.0 / l);
        }
    }

    int nowaStacja(Wek p, bool szeroka = false)
    {
        StacjaG s;
        s.p = p;
        s.szeroka = szeroka;
        stacje_.push_back(std::move(s));
        sasiedzi_.emplace_back();
        const int i = int(stacje_.size()) - 1;
        if (!szeroka)
            siatkaStacji_.dodaj(p, p, i);
        return i;
    }

    int nowaLinia(int kategoria, bool szeroka)
    {
        LiniaG l;
        l.kategoria = kategoria;
        l.szeroka = szeroka;
        linie_.push_back(std::move(l));
        return int(linie_.size()) - 1;
    }

    bool naLinii(int s, int linia) const
    {
        const auto& l = stacje_[std::size_t(s)].linie;
        return std::find(l.begin(), l.end(), linia) != l.end();
    }
    void dopiszDoLinii(int linia, int s)
    {
        linie_[std::size_t(linia)].stacje.push_back(s);
        if (!naLinii(s, linia))
            stacje_[std::size_t(s)].linie.push_back(linia);
    }
    bool sasiednie(int a, int b) const
    {
        for (const int o : sasiedzi_[std::size_t(a)])
            if ((odcinki_[std::size_t(o)].a == b) || (odcinki_[std::size_t(o)].b == b))
                return true;
        return false;
    }
    // Odcinek linii od ostatniej jej stacji `a` do `b`.
    void dodajOdcinek(int linia, int a, int b)
    {
        odcinki_.push_back({a, b, linia});
        const int id = int(odcinki_.size()) - 1;
        sasiedzi_[std::size_t(a)].push_back(id);
        sasiedzi_[std::size_t(b)].push_back(id);
        if (!linie_[std::size_t(linia)].szeroka)
            siatkaOdcinkow_.dodaj(stacje_[std::size_t(a)].p, stacje_[std::size_t(b)].p, id);
        dopiszDoLinii(linia, b);
    }

    // Pierwsze przecięcie odcinka p-q z odcinkami innymi niż wychodzące z `od`.
    Przeciecie pierwszePrzeciecie(int od, Wek q)
    {
        const Wek p = stacje_[std::size_t(od)].p;
        const Wek r = q - p;
        Przeciecie wynik;
        double najlepsze = 2;
        ++znacznik_;
        if (znaczniki_.size() < odcinki_.size())
            znaczniki_.resize(odcinki_.size(), 0);
        siatkaOdcinkow_.dlaKomorek(p, q, [&](int id) {
            if (znaczniki_[std::size_t(id)] == znacznik_)
                return;
            znaczniki_[std::size_t(id)] = znacznik_;
            const OdcinekG& o = odcinki_[std::size_t(id)];
            if (o.a == od || o.b == od)
                return;
            const Wek a = stacje_[std::size_t(o.a)].p;
            const Wek s = stacje_[std::size_t(o.b)].p - a;
            const double mian = iloczynWektorowy(r, s);
            if (std::fabs(mian) < 1e-9)
                return;
            const double t = iloczynWektorowy(a - p, s) / mian;
            const double u = iloczynWektorowy(a - p, r) / mian;
            if (t > 1e-9 && t <= 1 && u >= 0 && u <= 1 && t < najlepsze) {
                najlepsze = t;
                wynik.odcinek = id;
                wynik.punkt = p + r * t;
            }
        });
        return wynik;
    }

    // Najbliższa stacja (nie z tej linii i nie szerokotorowa) w promieniu.
    int najblizszaStacja(Wek q, double promien, int linia) const
    {
        int najblizsza = -1;
        double d2 = promien * promien;
        siatkaStacji_.dlaKomorek(q - Wek{promien, promien}, q + Wek{promien, promien}, [&](int s) {
            if (naLinii(s, linia))
                return;
            const Wek d = stacje_[std::size_t(s)].p - q;
            const double x = iloczynSkalarny(d, d);
            if (x < d2) {
                d2 = x;
                najblizsza = s;
            }
        });
        return najblizsza;
    }

    // Wspólna stacja na odcinku `id` w punkcie x: koniec odcinka, gdy blisko,
    // inaczej nowa stacja dzieląca odcinek na dwa.
    int wezelNaOdcinku(int id, Wek x)
    {
        const OdcinekG o = odcinki_[std::size_t(id)];
        if (dlugosc(x - stacje_[std::size_t(o.a)].p) < kPromienWezlaNaOdcinku)
            return o.a;
        if (dlugosc(x - stacje_[std::size_t(o.b)].p) < kPromienWezlaNaOdcinku)
            return o.b;
        const int j = nowaStacja(x);
        // Odcinek a-b staje się a-j, nowy j-b; stacja j wchodzi do ciągu linii.
        odcinki_[std::size_t(id)].b = j;
        auto& sb = sasiedzi_[std::size_t(o.b)];
        sb.erase(std::find(sb.begin(), sb.end(), id));
        sasiedzi_[std::size_t(j)].push_back(id);
        odcinki_.push_back({j, o.b, o.linia});
        const int nowy = int(odcinki_.size()) - 1;
        sasiedzi_[std::size_t(j)].push_back(nowy);
        sb.push_back(nowy);
        siatkaOdcinkow_.dodaj(x, stacje_[std::size_t(o.b)].p, nowy);
        auto& ciag = linie_[std::size_t(o.linia)].stacje;
        for (std::size_t i = 0; i + 1 < ciag.size(); ++i)
            if (ciag[i] == o.a && ciag[i + 1] == o.b) {
                ciag.insert(ciag.begin() + std::ptrdiff_t(i + 1), j);
                break;
            }
        stacje_[std::size_t(j)].linie.push_back(o.linia);
        return j;
    }

    // Jeden krok linii z `biezaca` w kierunku `kier` o długości `krok`. Zwraca
    // nową bieżącą stację, -1 gdy linia się kończy, a w `koniec` - czy linia ma
    // się zakończyć po tym kroku (styk z inną linią).
    struct Krok {
        int stacja = -1;
        bool styk = false;
    };
    Krok krok(int linia, int biezaca, Wek q, bool mozeSkonczyc)
    {
        Krok k;
        const Wek p = stacje_[std::size_t(biezaca)].p;
        const Przeciecie x = pierwszePrzeciecie(biezaca, q);
        if (x.odcinek >= 0) {
            const OdcinekG& o = odcinki_[std::size_t(x.odcinek)];
            if (o.linia == linia)
                return k;   // linia przecina samą siebie: koniec
            if (wolnoZamknacCykl() && dlugosc(x.punkt - p) >= 100 && los_.szansa(0.9)) {
                const int j = wezelNaOdcinku(x.odcinek, x.punkt);
                if (j != biezaca && !naLinii(j, linia) && !sasiednie(biezaca, j)) {
                    dodajOdcinek(linia, biezaca, j);
                    ++cykle_;
                    ++skrzyzowania_;
                    k.stacja = j;
                    k.styk = mozeSkonczyc && los_.szansa(0.25);
                    return k;
                }
            }
            // Bez nowego węzła linia zwykle kończy się przed inną linią; czasem ją przecina wiaduktem.
            if (mozeSkonczyc && los_.szansa(0.35))
                return k;
            ++wiadukty_;
        }
        if (wolnoZamknacCykl()) {
            const int s = najblizszaStacja(q, kPromienPrzyciagania, linia);
            if (s >= 0 && s != biezaca && !sasiednie(biezaca, s)) {
                dodajOdcinek(linia, biezaca, s);
                ++cykle_;
                ++skrzyzowania_;
                k.stacja = s;
                k.styk = mozeSkonczyc && los_.szansa(0.5);
                return k;
            }
        }
        const int s = nowaStacja(q, linie_[std::size_t(linia)].szeroka);
        dodajOdcinek(linia, biezaca, s);
        k.stacja = s;
        return k;
    }

    double losowyKrok() { return kKrokMin + kKrokRozrzut * los_.ulamek(); }

    // Prowadzi linię od `biezaca` do stacji `cel`, skręcając ku niej.
    // Zwraca ostatnią stację linii.
    int prowadzDo(int linia, int biezaca, Wek& kier, int cel, int maksKrokow)
    {
        for (int n = 0; n < maksKrokow && !pelna(); ++n) {
            const Wek p = stacje_[std::size_t(biezaca)].p;
            const Wek doCelu = stacje_[std::size_t(cel)].p - p;
            const double odl = dlugosc(doCelu);
            if (odl <= kKrokMin + kKrokRozrzut) {
                if (cel != biezaca && !sasiednie(biezaca, cel) && !naLinii(cel, linia)) {
                    if (!stacje_[std::size_t(cel)].linie.empty())
                        ++cykle_, ++skrzyzowania_;
                    dodajOdcinek(linia, biezaca, cel);
                }
                return cel;
            }
            kier = unormuj(kier * 0.6 + unormuj(doCelu) * 0.4 + prostopadly(kier) * ((los_.ulamek() - 0.5) * 0.5));
            const Krok k = krok(linia, biezaca, p + kier * losowyKrok(), false);
            if (k.stacja < 0)
                return biezaca;
            biezaca = k.stacja;
        }
        return biezaca;
    }

    void magistrala(int a, int b)
    {
        if (a >= int(stacje_.size()) || b >= int(stacje_.size()))
            return;
        const int linia = nowaLinia(1, false);
        dopiszDoLinii(linia, a);
        Wek kier = unormuj(stacje_[std::size_t(b)].p - stacje_[std::size_t(a)].p);
        const int maks = int(dlugosc(stacje_[std::size_t(b)].p - stacje_[std::size_t(a)].p) / 1000.0) + 10;
        prowadzDo(linia, a, kier, b, maks);
    }

    // Linie szerokotorowe przy wschodniej granicy: osobna część sieci pod obcym
    // zarządem, bez punktów wspólnych z siecią normalnotorową.
    void zakatekSzerokotorowy()
    {
        const int stacji = std::max(10, cel_ / 150);
        const int linia = nowaLinia(4, true);
        int biezaca = nowaStacja({830000, 300000}, true);
        dopiszDoLinii(linia, biezaca);
        Wek kier{-1, -0.1};
        kier = unormuj(kier);
        int odgalezienie = -1;
        for (int n = 1; n < stacji && !pelna(); ++n) {
            kier = unormuj(kier + prostopadly(kier) * ((los_.ulamek() - 0.5) * 0.3));
            const Wek q = stacje_[std::size_t(biezaca)].p + kier * losowyKrok();
            if (!wewnatrz(kontur_, q))
                break;
            const int s = nowaStacja(q, true);
            dodajOdcinek(linia, biezaca, s);
            biezaca = s;
            if (n == stacji / 3)
                odgalezienie = s;
        }
        // Krótkie odgałęzienie (bocznica stacji przeładunkowej).
        if (odgalezienie >= 0 && !pelna()) {
            const int l2 = nowaLinia(4, true);
            dopiszDoLinii(l2, odgalezienie);
            Wek k2{0, -1};
            int b = odgalezienie;
            for (int n = 0; n < std::max(2, stacji / 10) && !pelna(); ++n) {
                const Wek q = stacje_[std::size_t(b)].p + k2 * losowyKrok();
                if (!wewnatrz(kontur_, q))
                    break;
                const int s = nowaStacja(q, true);
                dodajOdcinek(l2, b, s);
                b = s;
            }
        }
    }

    // Krótka linia łącząca stację `start` z pobliską stacją innej linii.
    bool lacznica(int start, int kategoria)
    {
        const Wek p = stacje_[std::size_t(start)].p;
        constexpr double Rmin = 6000, Rmax = 20000;
        int cel = -1;
        int widziane = 0;
        siatkaStacji_.dlaKomorek(p - Wek{Rmax, Rmax}, p + Wek{Rmax, Rmax}, [&](int s) {
            const double odl = dlugosc(stacje_[std::size_t(s)].p - p);
            if (odl < Rmin || odl > Rmax)
                return;
            for (const int l : stacje_[std::size_t(start)].linie)
                if (naLinii(s, l))
                    return;
            // wybór równomierny spośród kandydatów (losowanie rezerwuarowe)
            if (los_.ponizej(++widziane) == 0)
                cel = s;
        });
        if (cel < 0)
            return false;
        const int linia = nowaLinia(kategoria, false);
        dopiszDoLinii(linia, start);
        Wek kier = unormuj(stacje_[std::size_t(cel)].p - p);
        prowadzDo(linia, start, kier, cel, 12);
        return zostawLinie(linia, start);
    }

    // Zwykła linia od losowej stacji; false, gdy nie dało się zacząć.
    bool liniaZwykla()
    {
        int start = -1;
        for (int proba = 0; proba < 20; ++proba) {
            const int s = los_.ponizej(int(stacje_.size()));
            if (!stacje_[std::size_t(s)].szeroka) {
                start = s;
                break;
            }
        }
        if (start < 0)
            return false;
        const double u = los_.ulamek();
        const int kategoria = u < 0.25 ? 2 : u < 0.65 ? 3 : 4;
        const bool niedobor = cykle_ < 0.9 * kUdzialCykli * double(stacje_.size());
        if (niedobor && los_.szansa(0.6) && lacznica(start, kategoria))
            return true;
        // Przy niedoborze węzłów (rzadka sieć) krótsze linie, które dochodzą do innych.
        const int dlugoscLinii = niedobor ? 3 + los_.ponizej(10) : 4 + int(60 * los_.ulamek() * los_.ulamek());
        Wek kier = losowyKierunek();
        const Wek p0 = stacje_[std::size_t(start)].p;
        int proby = 0;
        while (!wewnatrz(kontur_, p0 + kier * kKrokMin) && ++proby < 8)
            kier = losowyKierunek();
        if (proby >= 8)
            return false;

        const int linia = nowaLinia(kategoria, false);
        dopiszDoLinii(linia, start);
        int biezaca = start;
        double skret = 0;
        bool zakonczona = false;
        for (int n = 0; n < dlugoscLinii && !pelna(); ++n) {
            skret = 0.8 * skret + 0.2 * (los_.ulamek() - 0.5);
            kier = unormuj(kier + prostopadly(kier) * (skret + (los_.ulamek() - 0.5) * 0.3));
            const Wek q = stacje_[std::size_t(biezaca)].p + kier * losowyKrok();
            if (!wewnatrz(kontur_, q)) {
                zakonczona = true;
                break;
            }
            const Krok k = krok(linia, biezaca, q, true);
            if (k.stacja < 0 || k.styk) {
                if (k.stacja >= 0)
                    biezaca = k.stacja;
                zakonczona = true;
                break;
            }
            biezaca = k.stacja;
        }
        // Koniec linii: dojście do pobliskiej stacji przed sobą (styk linii).
        if (!zakonczona && !pelna() && wolnoZamknacCykl() && (niedobor || los_.szansa(0.7))) {
            const Wek p = stacje_[std::size_t(biezaca)].p;
            int cel = -1;
            double najlepsza = 1e300;
            const double R = niedobor ? 20000 : 10000;
            siatkaStacji_.dlaKomorek(p - Wek{R, R}, p + Wek{R, R}, [&](int s) {
                if (naLinii(s, linia))
                    return;
                const Wek d = stacje_[std::size_t(s)].p - p;
                const double odl = dlugosc(d);
                if (odl < R && odl < najlepsza && iloczynSkalarny(d, kier) > 0.3 * odl) {
                    najlepsza = odl;
                    cel = s;
                }
            });
            if (cel >= 0)
                biezaca = prowadzDo(linia, biezaca, kier, cel, 10);
        }
        return zostawLinie(linia, start);
    }

    // Ostatnio założona linia zostaje, gdy ma choć jeden odcinek; linia bez
    // odcinka jest wycofywana (także z listy linii stacji początkowej).
    bool zostawLinie(int linia, int start)
    {
        if (linie_[std::size_t(linia)].stacje.size() >= 2)
            return true;
        auto& l = stacje_[std::size_t(start)].linie;
        l.erase(std::find(l.begin(), l.end(), linia));
        linie_.pop_back();
        return false;
    }

    Losowanie los_;
    Losowanie los2_;   // atrybuty (niezależne od przebiegu geometrii)
    int cel_;
    std::vector<Wek> kontur_;
    double x0_, y0_, x1_, y1_;
    Siatka siatkaOdcinkow_;
    Siatka siatkaStacji_;
    std::vector<StacjaG> stacje_;
    std::vector<LiniaG> linie_;
    std::vector<OdcinekG> odcinki_;
    std::vector<std::vector<int>> sasiedzi_;
    std::vector<int> znaczniki_;
    int znacznik_ = 0;
    int cykle_ = 0;
    int skrzyzowania_ = 0;
    int wiadukty_ = 0;
};

// ---------------------------------------------------------------- wynik

struct Odcinek {
    std::uint16_t cechy;
    std::uint8_t kodZarzadu;
    std::uint8_t klasa;
    std::uint8_t vp1, vp2, vt1, vt2, vogr1, vogr2;
    int katCen;   // 0 = bez stawek
    char fk;      // 0 = bez oznaczenia
};

std::uint8_t predkosc(int v) { return std::uint8_t(std::clamp(v, 40, 160)); }

QString nazwaStacji(Losowanie& los)
{
    QString n;
    if (los.szansa(0.05))
        n = los.szansa(0.5) ? QStringLiteral("Nowa ") : QStringLiteral("Stara ");
    n += QString::fromUtf8(kRdzenie[los.ponizej(int(std::size(kRdzenie)))]);
    n += QString::fromUtf8(kKoncowki[los.ponizej(int(std::size(kKoncowki)))]);
    if (los.szansa(0.18))
        n += QString::fromUtf8(kDopiski[los.ponizej(int(std::size(kDopiski)))]);
    return n;
}

std::int32_t kolorBgr(std::uint32_t rgb)
{
    return std::int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

void tabeleSlownikowe(Siec& s)
{
    static const char* const kNazwy[3][3] = {
        {"Pasażerski", "P", "SP"}, {"Towarowy", "T", "ST"}, {"Lokomotywa luzem", "L", "SL"}};
    s.RodzajeStawek.clear();
    s.RodzajeStawekTab.wyczysc();
    for (int r = 0; r < 3; ++r) {
        TRodzajStawki k;
        k.Nazwa.ustaw(QString::fromUtf8(kNazwy[r][0]));
        k.NazwaPolaWBazie.ustaw(QString::fromUtf8(kNazwy[r][2]));
        k.LZakrBr = kPrzedzialow;
        s.RodzajeStawek.push_back(k);
        const int w = s.RodzajeStawekTab.dodajWiersz();
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("IdRodzajuStawki"), r);
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("Nazwa"), QString::fromUtf8(kNazwy[r][0]));
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("Skrot"), QString::fromUtf8(kNazwy[r][1]));
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("NazwaPolaWBazie"), QString::fromUtf8(kNazwy[r][2]));
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("LZakrBr"), kPrzedzialow);
    }
    // Przedziały masy w kolejności LpZakresuBr, jak w tabeli słownikowej.
    s.ZakresyBr.wyczysc();
    for (int lp = 0; lp < kPrzedzialow; ++lp)
        for (int r = 0; r < 3; ++r) {
            const Przedzial& p = kPrzedzialy[r][lp];
            const int w = s.ZakresyBr.dodajWiersz();
            s.ZakresyBr.ustaw(w, QStringLiteral("IdZakresuBr"), r * 10 + lp + 1);
            s.ZakresyBr.ustaw(w, QStringLiteral("IdRodzajuStawki"), r);
            s.ZakresyBr.ustaw(w, QStringLiteral("LpZakresuBr"), lp);
            s.ZakresyBr.ustaw(w, QStringLiteral("ZakresOd"), p.od);
            s.ZakresyBr.ustaw(w, QStringLiteral("BrDoObl"), p.brutto);
            s.ZakresyBr.ustaw(w, QStringLiteral("ZakresDo"), p.dO < 0 ? 99999.0 : p.dO);
            const QString opis = p.dO < 0 ? QStringLiteral("powyżej %1 t").arg(p.od)
                                 : p.od == 0 ? QStringLiteral("do %1 t").arg(p.dO)
                                             : QStringLiteral("powyżej %1 t do %2 t").arg(p.od).arg(p.dO);
            s.ZakresyBr.ustaw(w, QStringLiteral("Opis"), opis);
        }
}

void podzialy(Siec& s, const std::vector<Wek>& kontur, double x0, double y0, double x1, double y1)
{
    static const char* const kWojewodztwa[] = {
        "zachodniopomorskie", "pomorskie",     "warmińsko-mazurskie", "podlaskie",
        "lubuskie",           "wielkopolskie", "kujawsko-pomorskie",  "mazowieckie",
        "dolnośląskie",       "opolskie",      "łódzkie",             "lubelskie",
        "śląskie",            "małopolskie",   "świętokrzyskie",      "podkarpackie"};
    static const std::uint32_t kKoloryWoj[] = {0xF4C7C3, 0xFCE8B2, 0xB7E1CD, 0xC6DAFC, 0xE1BEE7, 0xFFE0B2,
                                               0xC8E6C9, 0xB3E5FC, 0xF8BBD0, 0xDCEDC8, 0xBBDEFB, 0xFFCCBC,
                                               0xD7CCC8, 0xB2DFDB, 0xFFF9C4, 0xD1C4E9};
    static const char* const kZaklady[] = {"Szczecinie", "Gdyni",    "Olsztynie", "Poznaniu", "Warszawie",
                                           "Lublinie",   "Wrocławiu", "Sosnowcu", "Krakowie"};
    static const std::uint32_t kKoloryZak[] = {0xC9F0EC, 0xD4E4F7, 0xE6D5F0, 0xFFF5BA, 0xCFE8CF,
                                               0xF2D0D0, 0xFFE4C4, 0xE0E0F8, 0xF0E0C8};
    // Podział prostokątną siatką obciętą do konturu kraju: rzędy od północy.
    auto siatka = [&](int nx, int ny, auto&& dodaj) {
        const double w = (x1 - x0) / nx, h = (y1 - y0) / ny;
        for (int r = 0; r < ny; ++r)
            for (int c = 0; c < nx; ++c) {
                const double top = y1 - r * h;
                const auto wielokat = obetnijDoProstokata(kontur, x0 + c * w, top - h, x0 + (c + 1) * w, top);
                TKontur k;
                for (const Wek& p : wielokat)
                    k.push_back({p.x, p.y});
                dodaj(r * nx + c, std::move(k));
            }
    };
    s.Wojewodztwa.assign(1, TPodzial{});
    s.KonturyWojewodztw.assign(1, TKontur{});
    siatka(4, 4, [&](int i, TKontur k) {
        TPodzial p;
        p.Kolor = p.KolorDomyslny = kolorBgr(kKoloryWoj[i]);
        p.Nazwa.ustaw(QString::fromUtf8(kWojewodztwa[i]));
        p.LPunktow = int(k.size());
        s.Wojewodztwa.push_back(p);
        s.KonturyWojewodztw.push_back(std::move(k));
    });
    s.Zaklady.clear();
    s.KonturyZakladow.clear();
    siatka(3, 3, [&](int i, TKontur k) {
        TPodzial p;
        p.Kolor = p.KolorDomyslny = kolorBgr(kKoloryZak[i]);
        p.Nazwa.ustaw(QStringLiteral("Zakład Linii Kolejowych w ") + QString::fromUtf8(kZaklady[i]));
        p.LPunktow = int(k.size());
        s.Zaklady.push_back(p);
        s.KonturyZakladow.push_back(std::move(k));
    });
}

std::vector<double> swieta()
{
    const int dni[][3] = {{2017, 12, 25}, {2017, 12, 26}, {2018, 1, 1},   {2018, 1, 6},   {2018, 4, 1},
                          {2018, 4, 2},   {2018, 5, 1},   {2018, 5, 3},   {2018, 5, 20},  {2018, 5, 31},
                          {2018, 8, 15},  {2018, 11, 1},  {2018, 11, 11}, {2018, 11, 12}};
    std::vector<double> w;
    for (const auto& d : dni)
        w.push_back(dzienZDaty(QDate(d[0], d[1], d[2])));
    return w;
}

Siec Budowa::wynik(OpisGenerowania* opis)
{
    Siec s;
    Losowanie& los = los2_;
    tabeleSlownikowe(s);
    s.Zarzadcy.resize(4);
    s.Zarzadcy[1].ustaw(QStringLiteral("KZT ZLT S.A."));
    s.Zarzadcy[2].ustaw(QStringLiteral("Magistrala Wschodnia Sp. z o.o."));
    s.Zarzadcy[3].ustaw(QStringLiteral("Infrastruktura Torowa Północ S.A."));
    for (const Wek& p : kontur_)
        s.KonturPolski.push_back({p.x, p.y, 1});
    podzialy(s, kontur_, x0_, y0_, x1_, y1_);
    s.Swieta = swieta();

    // Numeracja stacji jak w bazie: według linii i kolejności na linii.
    const std::size_t ns = stacje_.size();
    std::vector<int> nowyNr(ns, -1);
    std::vector<int> kolejnosc;
    kolejnosc.reserve(ns);
    for (const auto& l : linie_)
        for (const int st : l.stacje)
            if (nowyNr[std::size_t(st)] < 0) {
                nowyNr[std::size_t(st)] = int(kolejnosc.size());
                kolejnosc.push_back(st);
            }
    for (std::size_t st = 0; st < ns; ++st)
        if (nowyNr[st] < 0) {
            nowyNr[st] = int(kolejnosc.size());
            kolejnosc.push_back(int(st));
        }

    // Odcinki linia po linii, z atrybutami linii i jej odcinków prędkości.
    std::vector<char> koniecLinii(ns, 0);
    std::vector<char> zmianaPredkosci(ns, 0);
    s.Odcinki.reserve(odcinki_.size());
    std::vector<int> katCen;
    katCen.reserve(odcinki_.size());
    for (std::size_t nr = 0; nr < linie_.size(); ++nr) {
        const LiniaG& l = linie_[nr];
        if (l.stacje.size() < 2)
            continue;
        koniecLinii[std::size_t(l.stacje.front())] = 1;
        koniecLinii[std::size_t(l.stacje.back())] = 1;
        const int kat = l.kategoria;
        std::uint16_t cechyLinii = l.szeroka ? cechy::Szerokotorowa : cechy::Normalnotorowa;
        std::uint8_t kod = 1;
        int klasa = kat == 1 ? 1 : kat == 2 ? 1 + los.ponizej(2) : kat == 3 ? 2 : (los.szansa(0.5) ? 3 : 0);
        int vBaza;
        int katBaza;
        if (l.szeroka) {
            cechyLinii |= cechy::BrakSieci | cechy::ObcyZarzad | cechy::ZawRuchPas;
            kod = 2;
            klasa = 0;
            vBaza = 70;
            katBaza = 2;
        } else {
            const double brakSieci[] = {0, 0, 0.04, 0.22, 0.6};
            if (los.szansa(brakSieci[kat]))
                cechyLinii |= cechy::BrakSieci;
            if (kat >= 3 && los.szansa(0.04)) {
                cechyLinii |= cechy::ObcyZarzad;
                kod = 3;
            }
            if (kat == 4 && los.szansa(0.08))
                cechyLinii |= cechy::Nieczynna | cechy::BrakSieci;
            if (kat >= 3 && los.szansa(0.05))
                cechyLinii |= cechy::ZawRuchPas;
            else if (kat >= 3 && los.szansa(0.04))
                cechyLinii |= cechy::ZawRuchTow;
            if (kat >= 2 && kat <= 3 && los.szansa(0.03))
                cechyLinii |= cechy::NieWskazanyRuchTow;
            if (kat >= 3 && los.szansa(0.03))
                cechyLinii |= cechy::NieWskazanyRuchPas;
            if (l.stacje.size() <= 4 && los.szansa(0.4))
                cechyLinii |= cechy::DoPominiecia;
            static const int vKat[][4] = {{}, {120, 140, 160, 160}, {100, 110, 120, 120}, {70, 80, 90, 100},
                                          {40, 50, 60, 70}};
            vBaza = vKat[kat][los.ponizej(4)];
            katBaza = kat == 1 ? 1 + los.ponizej(2) : kat == 2 ? 2 + los.ponizej(2) : kat == 3 ? 3 + los.ponizej(2)
                                                                                     : 4 + los.ponizej(3);
            if (los.szansa(0.02))
                katBaza = 0;   // linia z taksaturą indywidualną: bez stawek
        }
        const bool fk = !l.szeroka && los.szansa(0.85);
        const auto nrLinii = std::int16_t(1 + nr % 32767);

        Odcinek sek{};
        int doKonca = 0;
        int sekcja = 0;
        std::int32_t metr = los.szansa(0.2) ? 100 * los.ponizej(500) : 0;
        for (std::size_t i = 0; i + 1 < l.stacje.size(); ++i) {
            if (doKonca == 0) {
                // Nowy odcinek prędkości (czasem z innymi atrybutami).
                doKonca = 3 + los.ponizej(13);
                const int vp = vBaza + 10 * (los.ponizej(5) - 2);
                const int vt = std::min(vp, kat <= 2 ? 120 : 100) - (los.szansa(0.5) ? 10 : 0);
                sek.vp1 = predkosc(vp);
                sek.vt1 = predkosc(vt);
                sek.vp2 = los.szansa(0.1) ? predkosc(vp - 10 - 10 * los.ponizej(2)) : sek.vp1;
                sek.vt2 = los.szansa(0.1) ? predkosc(vt - 10) : sek.vt1;
                sek.vogr1 = std::max(sek.vp1, sek.vt1);
                sek.vogr2 = std::max(sek.vp2, sek.vt2);
                if (los.szansa(0.05)) {
                    sek.vogr1 = predkosc(sek.vogr1 - 20);
                    sek.vogr2 = predkosc(sek.vogr2 - 20);
                }
                sek.cechy = cechyLinii;
                if (los.szansa(0.005))
                    sek.cechy |= cechy::ZawRuchCalk;
                sek.kodZarzadu = kod;
                sek.klasa = std::uint8_t(klasa);
                sek.katCen = katBaza;
                if (katBaza > 0 && los.szansa(0.15))
                    sek.katCen = std::clamp(katBaza + (los.szansa(0.5) ? 1 : -1), 1, 6);
                sek.fk = fk ? (sekcja % 2 == 0 ? 'A' : 'B') : 0;
                if (i > 0)
                    zmianaPredkosci[std::size_t(l.stacje[i])] = 1;
                ++sekcja;
            }
            --doKonca;
            const int a = l.stacje[i], b = l.stacje[i + 1];
            const StacjaG& sa = stacje_[std::size_t(a)];
            const StacjaG& sb = stacje_[std::size_t(b)];
            TOdcinek o;
            o.Lp = int(s.Odcinki.size()) + 1;
            o.LpStA = nowyNr[std::size_t(a)];
            o.LpStB = nowyNr[std::size_t(b)];
            o.IdObA = 10000 + a;
            o.IdObB = 10000 + b;
            // Długość po torze nieco większa od odległości w linii prostej.
            o.Odleglosc = std::max(1, int(std::lround(dlugosc(sb.p - sa.p) * (1.0 + 0.06 * los.ulamek()))));
            o.XA = sa.p.x;
            o.YA = sa.p.y;
            o.XB = sb.p.x;
            o.YB = sb.p.y;
            o.MetrOsiA = metr;
            metr += o.Odleglosc;
            o.MetrOsiB = metr;
            o.NrLinii = nrLinii;
            o.Cechy = sek.cechy;
            o.VP1 = sek.vp1;
            o.VP2 = sek.vp2;
            o.VT1 = sek.vt1;
            o.VT2 = sek.vt2;
            o.VOgr1 = sek.vogr1;
            o.VOgr2 = sek.vogr2;
            if (sek.fk)
                o.OznFK.ustawBajty(QByteArray(1, sek.fk));
            o.KodZarzadu = sek.kodZarzadu;
            const Wek srodek = (sa.p + sb.p) * 0.5;
            const int kx = std::clamp(int((srodek.x - x0_) / ((x1_ - x0_) / 4)), 0, 3);
            const int ky = std::clamp(int((y1_ - srodek.y) / ((y1_ - y0_) / 4)), 0, 3);
            o.IdWojewodztwa = std::int16_t(1 + ky * 4 + kx);
            o.Klasa = sek.klasa;
            s.Odcinki.push_back(o);
            katCen.push_back(sek.katCen);
        }
    }

    // Stawki: rodzaj × przedział z kategorii odcinka; bez stawki tam, gdzie
    // ruch danego rodzaju jest zawieszony.
    s.Stawki.przygotuj(s.Odcinki.size(), std::vector<int>(3, kPrzedzialow));
    for (std::size_t e = 0; e < s.Odcinki.size(); ++e) {
        const int kat = katCen[e];
        if (kat == 0)
            continue;
        const std::uint16_t c = s.Odcinki[e].Cechy;
        for (int r = 0; r < 3; ++r) {
            if ((r == 0 && (c & cechy::ZawRuchPas)) || (r >= 1 && (c & cechy::ZawRuchTow)))
                continue;
            for (int b = 0; b < kPrzedzialow; ++b) {
                const double v = kStawkiPodstawowe[r][kat - 1] * kMnoznikiPrzedzialow[r][b];
                s.Stawki.ustaw(e, r, b, std::uint16_t(std::nearbyint(v * 1000.0)));
            }
        }
    }

    // Stacje.
    s.Stacje.resize(ns);
    s.OdcinkiStacji.assign(ns, {});
    for (std::size_t e = 0; e < s.Odcinki.size(); ++e) {
        s.OdcinkiStacji[std::size_t(s.Odcinki[e].LpStA)].push_back(std::int32_t(e));
        s.OdcinkiStacji[std::size_t(s.Odcinki[e].LpStB)].push_back(std::int32_t(e));
    }
    int wezly = 0;
    for (std::size_t k = 0; k < ns; ++k) {
        const int g = kolejnosc[k];
        const StacjaG& sg = stacje_[std::size_t(g)];
        TStacja& st = s.Stacje[k];
        st.Xkm = sg.p.x;
        st.Ykm = sg.p.y;
        st.IdObEksp = 10000 + g;
        st.LOdcinkow = std::int16_t(s.OdcinkiStacji[k].size());
        if (st.LOdcinkow >= 3)
            ++wezly;
        const std::size_t linii = sg.linie.size();
        QString nazwa = sg.miasto >= 0 ? QString::fromUtf8(kMiasta[sg.miasto].nazwa) : nazwaStacji(los);
        QString kod = QString::number(10000 + los.ponizej(90000));
        const double u = los.ulamek();
        // Widoczność według znaczenia: węzły i końce magistral i linii pierwszorzędnych
        // widać przy 1x, węzły linii drugorzędnych i lokalnych dopiero po powiększeniu.
        int glownych = 0;
        for (const int l : sg.linie)
            glownych += linie_[std::size_t(l)].kategoria <= 2 ? 1 : 0;
        if (sg.miasto >= 0) {
            st.Widocznosc = -1;
        } else if (linii >= 2) {
            st.Widocznosc = glownych >= 2 ? (linii >= 3 ? -1 : 0) : glownych == 1 ? 2 : 4;
        } else if (koniecLinii[std::size_t(g)]) {
            st.Widocznosc = glownych >= 1 ? 1 : 4;
        } else if (zmianaPredkosci[std::size_t(g)] && u < 0.2) {
            kod = QStringLiteral("PVMAX");
            nazwa += QStringLiteral(" zm. prędkości");
            st.Widocznosc = 10000;
        } else if (u < 0.06) {
            kod = QStringLiteral("PSL");
            st.Widocznosc = 16;
        } else if (u < 0.07) {
            kod = QStringLiteral("PZMKL");
            st.Widocznosc = 32;
        } else if (u < 0.075) {
            kod = QStringLiteral("PPRJ");
            st.Widocznosc = 32;
        } else {
            const double v = los.ulamek();
            st.Widocznosc = v < 0.12 ? 2 : v < 0.42 ? 4 : v < 0.87 ? 8 : v < 0.95 ? 16 : 32;
        }
        st.NazwaStacji.ustaw(nazwa);
        st.OznaczenieStacji.ustaw(kod);
        if (los.szansa(0.02))
            st.Stawka = 25.0 + 5.0 * los.ponizej(26);
    }

    if (opis) {
        opis->linie = 0;
        for (const auto& l : linie_)
            opis->linie += l.stacje.size() >= 2 ? 1 : 0;
        opis->wezly = wezly;
        opis->skrzyzowania = skrzyzowania_;
        opis->wiadukty = wiadukty_;
    }
    return s;
}

} // namespace

Siec GenerujSiec(const ParametryGeneratora& p, OpisGenerowania* opis)
{
    ParametryGeneratora q = p;
    q.stacje = std::clamp(p.stacje, kMinStacjiGeneratora, kMaxStacjiGeneratora);
    Budowa b(q);
    b.buduj();
    return b.wynik(opis);
}

} // namespace tks
