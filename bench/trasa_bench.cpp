// Czas wyszukiwania i wyceny trasy na sieci przykładowej (build/run/FDane.bin).
// Cel: ponowna wycena trasy ok. 1000 km razem z profilem prędkości wyraźnie poniżej 30 ms.

#include "SiecSkali.h"

#include "app/Droga.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"
#include "routing/Wyszukiwanie.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace tks;

struct Stan {
    InterakcjaSkryptowa ia;
    Droga d{ia, QStringLiteral(TKS_RUN_DIR)};

    Stan()
    {
        bench::wczytajSiec(d, QStringLiteral(TKS_RUN_DIR "/FDane.bin"));
        bench::nowyPociagNaSieci(d);
    }
    int stacja(const char* nazwa) const
    {
        for (int i = 0; i < d.siec.liczbaStacji(); ++i)
            if (d.siec.nazwaStacji(i) == QString::fromUtf8(nazwa))
                return i;
        std::fprintf(stderr, "brak stacji %s w sieci przykładowej\n", nazwa);
        std::exit(1);
    }
};

Stan& stan()
{
    static Stan s;
    return s;
}

// Trasa Szczecin - Gdańsk - Rzeszów (ok. 1080 km): ponowna wycena z symulacją czasu jazdy.
void BM_WycenaTrasy1000km(benchmark::State& st)
{
    Stan& s = stan();
    KasujDroge(s.d);
    OznaczStart(s.d, s.stacja("Szczecin Główny"));
    OznaczMeta(s.d, s.stacja("Rzeszów Główny"));
    OznaczPP(s.d, s.stacja("Gdańsk Główny"));
    PrzeliczPonownieDroge(s.d);
    for (auto _ : st) {
        ObliczMinParametry(s.d);
        benchmark::DoNotOptimize(s.d.wycena.Tr);
    }
    st.counters["km"] = s.d.wycena.dlugoscTrasy;
    st.counters["metry_profilu"] = double(profilPredkosci(s.d.wycena).size());
}
BENCHMARK(BM_WycenaTrasy1000km)->Unit(benchmark::kMillisecond);

// Całe przeliczenie tej trasy: dwa wyszukiwania, oznaczanie i wyceny.
void BM_PrzeliczenieTrasy1000km(benchmark::State& st)
{
    Stan& s = stan();
    KasujDroge(s.d);
    OznaczStart(s.d, s.stacja("Szczecin Główny"));
    OznaczMeta(s.d, s.stacja("Rzeszów Główny"));
    OznaczPP(s.d, s.stacja("Gdańsk Główny"));
    for (auto _ : st) {
        PrzeliczPonownieDroge(s.d);
        s.d.dziennik.clear();
    }
}
BENCHMARK(BM_PrzeliczenieTrasy1000km)->Unit(benchmark::kMillisecond);

// Jedno wyszukiwanie z celem.
void BM_WyszukiwanieZCelem(benchmark::State& st)
{
    Stan& s = stan();
    KasujDroge(s.d);
    const int od = s.stacja("Warszawa Centralna");
    const int doSt = s.stacja("Kraków Główny");
    for (auto _ : st) {
        benchmark::DoNotOptimize(ObliczMinOdleglosci(s.d, od, doSt, 0));
        s.d.dziennik.clear();
    }
}
BENCHMARK(BM_WyszukiwanieZCelem)->Unit(benchmark::kMicrosecond);

} // namespace
