#include "SiecSkali.h"

#include "map/Kanwa.h"
#include "map/Rysowanie.h"
#include "network/GeneratorSieci.h"
#include "network/PlikSieci.h"
#include "pricing/Przedzialy.h"
#include "routing/Warunki.h"
#include "routing/Wyszukiwanie.h"
#include "trains/NowyPociag.h"

#include "WyszukiwanieWzorcowe.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tks::bench {

QString plikSieciSkali(int stacje, std::uint64_t ziarno)
{
    const QString plik = QStringLiteral(TKS_BENCH_DIR "/siec_%1_%2_v%3.bin").arg(stacje).arg(ziarno).arg(kWersjaGeneratora);
    if (QFile::exists(plik))
        return plik;
    std::fprintf(stderr, "Generowanie sieci %d stacji (ziarno %llu) do %s\n", stacje, (unsigned long long)ziarno,
                 qPrintable(plik));
    const Siec s = GenerujSiec({stacje, ziarno});
    QString blad;
    if (!ZapiszLinieDoPliku(s, plik, blad)) {
        std::fprintf(stderr, "%s\n", qPrintable(blad));
        std::exit(1);
    }
    return plik;
}

void wczytajSiec(Droga& d, const QString& plik)
{
    QString blad;
    if (!WczytajSiecZWartosciamiPochodnymi(d.siec, plik, blad)) {
        std::fprintf(stderr, "%s\n", qPrintable(blad));
        std::exit(1);
    }
    d.siecWczytana = true;
}

void nowyPociagNaSieci(Droga& d)
{
    d.kontrolki.idRodzajuStawki = pierwszyRodzaj(d.siec);
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, d.kontrolki.idRodzajuStawki);
    UstalWarunki(d);
    KasujDroge(d);
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);
}

QImage mierzPrzerysowanie(benchmark::State& st, Droga& d, std::int64_t zoom, int srodek, bool wygladzanie,
                          PamiecWarstwMapy* warstwy)
{
    d.widok.zoom = zoom;
    const TStacja& w = d.siec.Stacje[std::size_t(srodek)];
    d.widok.WspXSrodka = w.Xkm;
    d.widok.WspYSrodka = w.Ykm;
    QImage im(1600, 1000, QImage::Format_RGB32);
    if (warstwy) {
        // Warstwy tego widoku już w pamięci, jak po pierwszym rysowaniu widoku.
        QPainter p(&im);
        KanwaEkranu k(p, wygladzanie);
        odswiez(d, k, warstwy);
    }
    for (auto _ : st) {
        QPainter p(&im);
        KanwaEkranu k(p, wygladzanie);
        odswiez(d, k, warstwy);
        p.end();
        benchmark::DoNotOptimize(im.constBits());
    }
    return im;
}

StanSkali::StanSkali(int n) : stacje(n), d(ia, QStringLiteral(TKS_BENCH_DIR "/katalog_%1").arg(n))
{
    QDir().mkpath(d.katalogProgramu + QStringLiteral("Pociagi"));
    plik = plikSieciSkali(n);
    wczytajSiec(d, plik);
    nowyPociagNaSieci(d);

    for (int k = 0; k < 2; ++k) {
        ustawKryterium(k);
        wzor[k].zbuduj(d.siec, warunki());
    }
    ustawKryterium(0);

    // Trasa ok. 1000 km: Szczecin - Poznań - Warszawa - Kraków - Rzeszów.
    for (const char* nazwa :
         {"Szczecin Główny", "Poznań Główny", "Warszawa Centralna", "Kraków Główny", "Rzeszów Główny"})
        punktyTrasy.push_back(stacjaONazwie(nazwa));

    // Stacje osiągalne z Warszawy przy domyślnych ograniczeniach (sieć jest nieskierowana).
    const std::vector<double>& odl = wzor[0].licz(punktyTrasy[2], {});
    std::vector<int> osiagalne;
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (odl[std::size_t(i)] < kNieosiagnieta)
            osiagalne.push_back(i);
    Losowanie los(12345);
    for (int i = 0; i < kParWyszukiwan; ++i) {
        const int a = osiagalne[std::size_t(los.ponizej(int(osiagalne.size())))];
        int b = a;
        while (b == a)
            b = osiagalne[std::size_t(los.ponizej(int(osiagalne.size())))];
        pary.emplace_back(a, b);
    }
    for (int i = 0; i < kZrodelBezCelu; ++i)
        zrodlaBezCelu.push_back(osiagalne[std::size_t(los.ponizej(int(osiagalne.size())))]);
}

int StanSkali::stacjaONazwie(const char* nazwa) const
{
    const QString n = QString::fromUtf8(nazwa);
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (d.siec.nazwaStacji(i) == n)
            return i;
    std::fprintf(stderr, "Brak stacji %s w sieci %d stacji\n", nazwa, stacje);
    std::exit(1);
}

void StanSkali::ustawKryterium(int kryterium)
{
    d.kontrolki.kryterium = kryterium;
    UstalWarunki(d);
}

WarunkiWag StanSkali::warunki() const
{
    return {d.trasa.Kryterium, d.trasa.MaskaOgraniczen, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr};
}

void StanSkali::ustawPunktyTrasy()
{
    Trasa& t = d.trasa;
    t.Sciezki.clear();
    t.GlowneStacje.clear();
    for (std::size_t i = 0; i < punktyTrasy.size(); ++i) {
        TGlownaStacja p;
        p.Rodzaj = i == 0 ? kPunktPoczatkowy : i + 1 == punktyTrasy.size() ? kPunktKoncowy : kPunktPosredni;
        p.LpStacji = punktyTrasy[i];
        p.NrGrupy = int(i);
        p.Xkm = d.siec.Stacje[std::size_t(p.LpStacji)].Xkm;
        p.Ykm = d.siec.Stacje[std::size_t(p.LpStacji)].Ykm;
        t.GlowneStacje.push_back(p);
    }
    t.LicznikGrup = int(punktyTrasy.size()) - 1;
}

namespace {

double nsOd(std::chrono::steady_clock::time_point t0)
{
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - t0).count());
}

std::string opisRoznicy(const char* co, int od, int v, double nasza, double wzorcowa)
{
    char b[256];
    std::snprintf(b, sizeof b, "%s: od %d, stacja %d: etykieta %.17g, Dijkstra %.17g", co, od, v, nasza, wzorcowa);
    return b;
}

struct PolaStacji {
    double etykieta;
    std::int32_t odcPop, stPop;
    std::uint8_t wybieralna;
    bool operator==(const PolaStacji& o) const
    {
        return std::memcmp(&etykieta, &o.etykieta, sizeof etykieta) == 0 && odcPop == o.odcPop && stPop == o.stPop
               && wybieralna == o.wybieralna;
    }
};

std::vector<PolaStacji> polaStacji(const Siec& s)
{
    std::vector<PolaStacji> w;
    w.reserve(s.Stacje.size());
    for (const auto& st : s.Stacje)
        w.push_back({st.OdlMin, st.OdcPop, st.StPop, st.Wybieralna});
    return w;
}

} // namespace

// Wyszukiwanie z celem `doSt` (-1: bez celu) prostą i szybką wersją; opis różnicy
// pól wyszukiwania stacji albo pusty napis. Zapamiętuje pracę kolejki FIFO.
std::string StanSkali::porownajZWzorcowym(int od, int doSt, CzasyZapytan& c)
{
    tks::test::WzorcoweObliczMinOdleglosci(d, od, doSt, 0);
    const auto wzorcowe = polaStacji(d.siec);
    ObliczMinOdleglosci(d, od, doSt, 0);
    const auto nasze = polaStacji(d.siec);
    c.wstawienia.push_back(double(d.trasa.KolejkaStacji.size()));
    int z = 0;
    for (const auto& p : nasze)
        z += p.etykieta < kNieosiagnieta ? 1 : 0;
    c.etykietowane.push_back(z);
    for (std::size_t v = 0; v < nasze.size(); ++v)
        if (!(nasze[v] == wzorcowe[v]))
            return "od " + std::to_string(od) + ": pola stacji " + std::to_string(v)
                   + " inne niż w prostej kolejce FIFO";
    return {};
}

std::string StanSkali::sprawdzZCelem(int kryterium, CzasyZapytan& c)
{
    ustawKryterium(kryterium);
    d.trasa.GlowneStacje.clear();
    d.trasa.Sciezki.clear();
    for (const auto& [a, b] : pary) {
        if (std::string r = porownajZWzorcowym(a, b, c); !r.empty())
            return r;
        const double nasza = d.siec.Stacje[std::size_t(b)].OdlMin;
        const std::vector<double>& odl = wzor[kryterium].licz(a, {b});
        if (nasza != odl[std::size_t(b)])
            return opisRoznicy("z celem", a, b, nasza, odl[std::size_t(b)]);
        // Każda stacja bliższa niż cel ma najmniejszą odległość (ograniczenie jej nie
        // odcina), więc jej etykieta też musi się równać odległości Dijkstry.
        for (int v = 0; v < d.siec.liczbaStacji(); ++v) {
            const double e = d.siec.Stacje[std::size_t(v)].OdlMin;
            const double w = odl[std::size_t(v)];
            if ((w < nasza || e < nasza) && e != w)
                return opisRoznicy("z celem", a, v, e, w);
        }
    }
    zmierzNaPrzemian(kryterium, c);
    d.dziennik.clear();
    return {};
}

std::string StanSkali::sprawdzBezCelu(CzasyZapytan& c)
{
    ustawKryterium(0);
    ustawPunktyTrasy();
    for (const int z : zrodlaBezCelu) {
        if (std::string r = porownajZWzorcowym(z, -1, c); !r.empty())
            return r;
        // Ograniczenie po wyszukiwaniu: największa etykieta stacji punktów trasy.
        double granica = 0;
        for (const int p : punktyTrasy)
            granica = std::max(granica, d.siec.Stacje[std::size_t(p)].OdlMin);
        const std::vector<double>& odl = wzor[0].licz(z, {});
        for (int v = 0; v < d.siec.liczbaStacji(); ++v) {
            const double nasza = d.siec.Stacje[std::size_t(v)].OdlMin;
            const double w = odl[std::size_t(v)];
            if ((w < granica || nasza < granica) && nasza != w)
                return opisRoznicy("bez celu", z, v, nasza, w);
        }
    }
    zmierzNaPrzemian(-1, c);
    d.trasa.GlowneStacje.clear();
    d.dziennik.clear();
    return {};
}

// Rundy na przemian: w każdej rundzie wszystkie zapytania szybką wersją, prostą i
// Dijkstrą, każda wersja dwa razy pod rząd i mierzony drugi przebieg (pamięć
// podręczna w stanie, w jakim zostawia ją ta sama wersja, jak przy serii zapytań).
// Rundy następują po sobie w tym samym procesie, więc zmiany obciążenia maszyny
// dotykają wszystkich trzech podobnie. Wynik: czas na zapytanie w każdej rundzie.
void StanSkali::zmierzNaPrzemian(int kryterium, CzasyZapytan& c)
{
    const bool bezCelu = kryterium < 0;
    const int k = bezCelu ? 0 : kryterium;
    std::vector<std::pair<int, int>> zapytania;
    std::vector<std::vector<int>> cele;
    if (bezCelu)
        for (const int z : zrodlaBezCelu) {
            zapytania.emplace_back(z, -1);
            cele.push_back(punktyTrasy);
        }
    else
        for (const auto& p : pary) {
            zapytania.push_back(p);
            cele.push_back({p.second});
        }
    const double liczba = double(zapytania.size());
    const auto przebieg = [&](int wersja) {
        const auto t0 = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < zapytania.size(); ++i) {
            const auto [a, b] = zapytania[i];
            if (wersja == 0)
                ObliczMinOdleglosci(d, a, b, 0);
            else if (wersja == 1)
                tks::test::WzorcoweObliczMinOdleglosci(d, a, b, 0);
            else
                wzor[k].licz(a, cele[i]);
        }
        d.dziennik.clear();
        return nsOd(t0) / liczba;
    };
    const int rundy = stacje >= 100000 ? 3 : 7;
    for (int r = 0; r < rundy; ++r) {
        std::vector<double>* wyniki[] = {&c.nasze, &c.wzorcowe, &c.wzor};
        for (int wersja = 0; wersja < 3; ++wersja) {
            przebieg(wersja);
            wyniki[wersja]->push_back(przebieg(wersja));
        }
    }
}

StanSkali& stanSkali(int stacje)
{
    static std::map<int, std::unique_ptr<StanSkali>> stany;
    auto& s = stany[stacje];
    if (!s)
        s = std::make_unique<StanSkali>(stacje);
    return *s;
}

} // namespace tks::bench
