// Czas pełnego przerysowania mapy sieci przykładowej (build/run/FDane.bin)
// na obrazie 1600×1000: 1× (cel: poniżej 20 ms), 8× i 64×, z trasą na mapie.

#include "SiecSkali.h"

#include "app/Droga.h"
#include "map/Kanwa.h"
#include "map/Rysowanie.h"
#include "routing/Warunki.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace tks;

// Pomiar tekstu potrzebuje aplikacji z czcionkami; bez ekranu - offscreen.
void zapewnijAplikacje()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nazwa[] = "benchmarki";
    static char* argv[] = {nazwa, nullptr};
    static QGuiApplication app(argc, argv);
}

struct StanMapy {
    InterakcjaSkryptowa ia;
    Droga d{ia, QStringLiteral(TKS_RUN_DIR)};

    StanMapy()
    {
        zapewnijAplikacje();
        bench::wczytajSiec(d, QStringLiteral(TKS_RUN_DIR "/FDane.bin"));
        UstalWarunki(d);
        // Trasa: 60 odcinków linii 1 od pierwszej stacji.
        int st = 0;
        std::vector<int> uzyte;
        for (int k = 0; k < 60; ++k) {
            int dalej = -1;
            for (const int o : d.siec.OdcinkiStacji[std::size_t(st)])
                if (d.siec.Odcinki[std::size_t(o)].NrLinii == 1 &&
                    std::find(uzyte.begin(), uzyte.end(), o) == uzyte.end()) {
                    dalej = o;
                    break;
                }
            if (dalej < 0)
                break;
            uzyte.push_back(dalej);
            const TOdcinek& o = d.siec.Odcinki[std::size_t(dalej)];
            const int nast = o.LpStA == st ? o.LpStB : o.LpStA;
            TSciezka e;
            e.XOd = d.siec.Stacje[std::size_t(st)].Xkm;
            e.YOd = d.siec.Stacje[std::size_t(st)].Ykm;
            e.XDo = d.siec.Stacje[std::size_t(nast)].Xkm;
            e.YDo = d.siec.Stacje[std::size_t(nast)].Ykm;
            e.WgCennika = 1;
            d.trasa.Sciezki.push_back(e);
            if (k == 0)
                d.trasa.GlowneStacje.push_back({1, st, 0, 0, 0, 0, e.XOd, e.YOd});
            st = nast;
        }
        const TStacja& k = d.siec.Stacje[std::size_t(st)];
        d.trasa.GlowneStacje.push_back({3, st, 1, 0, 0, 0, k.Xkm, k.Ykm});
    }
};

StanMapy& stan()
{
    static StanMapy s;
    return s;
}

void PrzerysowanieMapy(benchmark::State& state)
{
    StanMapy& s = stan();
    Droga& d = s.d;
    bench::mierzPrzerysowanie(state, d, state.range(0) * 10000, 0, state.range(1) != 0);
}
BENCHMARK(PrzerysowanieMapy)
    ->ArgNames({"krotnosc", "wygladzanie"})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({8, 1})
    ->Args({64, 1})
    ->Unit(benchmark::kMillisecond);

void RysowanieDoWydruku(benchmark::State& state)
{
    StanMapy& s = stan();
    Droga& d = s.d;
    d.widok.zoom = 10000;
    for (auto _ : state) {
        ElementyWydruku e;
        KanwaWydruku k(e, 1004, 945, 150);
        odswiez(d, k);
        benchmark::DoNotOptimize(e.linie.data());
    }
}
BENCHMARK(RysowanieDoWydruku)->Unit(benchmark::kMillisecond);

} // namespace
