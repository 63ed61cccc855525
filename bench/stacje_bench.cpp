// Okno wyszukiwania stacji na sieci skali 100 000 stacji (cel: poniżej 5 ms
// na otwarcie i na każdy wpisany znak) oraz na sieci przykładowej.
// Otwarcie: filtr Wybieralna, lista stacji w porządku nazw i aktywacja okna
// (z wyszukaniem "a"). Znak: jedno wyszukanie dla tekstu po kolejnym znaku
// nazw losowych stacji wpisywanych od pierwszej litery.

#include "SiecSkali.h"

#include "stations/WyborStacji.h"
#include "stations/WyszukiwanieStacji.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

using namespace tks;

constexpr int kWysokoscListy = 20 * kWysokoscWierszaStacji;

struct StanWyboru {
    InterakcjaSkryptowa ia;
    Droga d{ia, QStringLiteral(TKS_RUN_DIR)};
    std::vector<QString> teksty;   // kolejne teksty pola przy wpisywaniu nazw

    explicit StanWyboru(const QString& plik)
    {
        bench::wczytajSiec(d, plik);
        std::mt19937 los(7);
        const int n = d.siec.liczbaStacji();
        for (int k = 0; k < 64; ++k) {
            const QString nazwa = d.siec.nazwaStacji(int(los() % unsigned(n)));
            for (int i = 1; i <= nazwa.size(); ++i)
                teksty.push_back(nazwa.left(i));
        }
    }
};

StanWyboru& stan(int stacje)
{
    static std::map<int, std::unique_ptr<StanWyboru>> s;
    auto& w = s[stacje];
    if (!w)
        w = std::make_unique<StanWyboru>(stacje > 0 ? bench::plikSieciSkali(stacje)
                                                    : QStringLiteral(TKS_RUN_DIR "/FDane.bin"));
    return *w;
}

void OtwarcieWyboruStacji(benchmark::State& st)
{
    StanWyboru& s = stan(int(st.range(0)));
    for (auto _ : st) {
        WyszukiwanieStacji w(s.d.siec, StacjeDoWyboru(s.d));
        w.aktywuj(kWysokoscListy);
        benchmark::DoNotOptimize(w.wynik());
    }
    st.counters["stacje"] = double(s.d.siec.liczbaStacji());
}
BENCHMARK(OtwarcieWyboruStacji)->ArgName("stacje")->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

void ZnakWWyborzeStacji(benchmark::State& st)
{
    StanWyboru& s = stan(int(st.range(0)));
    WyszukiwanieStacji w(s.d.siec, StacjeDoWyboru(s.d));
    w.aktywuj(kWysokoscListy);
    std::size_t i = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(w.znajdz(s.teksty[i]));
        i = (i + 1) % s.teksty.size();
    }
}
BENCHMARK(ZnakWWyborzeStacji)->ArgName("stacje")->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
