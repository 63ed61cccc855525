// Porównanie tras według kryteriów (trzy przeliczenia trasy ok. 1000 km z pięcioma
// punktami; cel: poniżej 60 ms razem na sieci 20 000 stacji, żeby okno otwierało się
// bez czekania), wyjaśnienie braku drogi (wszystkie próby) i przerzedzenie profilu
// prędkości trasy do 1600 kolumn wykresu.

#include "Benchmarki.h"
#include "SiecSkali.h"

#include "pricing/ProfilWykresu.h"
#include "routing/BrakDrogi.h"
#include "routing/PorownanieTras.h"
#include "routing/Przeliczanie.h"

#include <benchmark/benchmark.h>
#include <string>

namespace tks::bench {
namespace {

bool trasa(benchmark::State& st, StanSkali& s)
{
    s.ustawKryterium(0);
    s.ustawPunktyTrasy();
    PrzeliczPonownieDroge(s.d);
    s.d.dziennik.clear();
    if (s.d.trasa.OdcinekBezDrogi != 0 || s.d.trasa.Sciezki.empty()) {
        st.SkipWithError("trasa nie została wyznaczona w całości");
        return false;
    }
    return true;
}

void PorownanieTras(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!trasa(st, s))
        return;
    std::vector<TrasaKryterium> w;
    for (auto _ : st) {
        w = PorownajTrasy(s.d);
        benchmark::DoNotOptimize(w.data());
    }
    st.counters["km"] = s.d.wycena.dlugoscTrasy;
    if (w.size() == 3) {
        st.counters["km_najtansza"] = w[1].dlugosc;
        st.counters["km_najszybsza"] = w[2].dlugosc;
    }
}

// Najgorszy przypadek wyjaśnienia: cel za ograniczeniem, na końcu linii (wszystkie
// próby: jedna z wszystkim zdjętym, po jednej na zaznaczone ograniczenie).
void WyjasnienieBrakuDrogi(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!trasa(st, s))
        return;
    const int od = s.punktyTrasy.front();
    // cel: stacja na odcinku, którego domyślne ograniczenia nie dopuszczają
    int cel = -1;
    // (nie szerokotorowy: zakątek szerokotorowy to osobna część sieci, tam wystarcza jedna próba)
    const std::uint16_t maska =
        s.d.trasa.MaskaOgraniczen & ~(cechy::Zabroniony | cechy::DoPominiecia | cechy::Szerokotorowa);
    for (const TOdcinek& o : s.d.siec.Odcinki)
        if ((o.Cechy & maska) && !(o.Cechy & cechy::Szerokotorowa)
            && s.d.siec.OdcinkiStacji[std::size_t(o.LpStB)].size() == 1) {
            cel = o.LpStB;
            break;
        }
    if (cel < 0) {
        st.SkipWithError("brak stacji za ograniczeniem");
        return;
    }
    for (auto _ : st) {
        const QStringList w = WyjasnijBrakDrogi(s.d, od, cel);
        benchmark::DoNotOptimize(w.size());
    }
    st.counters["proby"] = liczbaProbOstatniegoWyjasnienia();
}

void KolumnyProfilu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!trasa(st, s))
        return;
    const ProfilTrasy p = ProfilBiezacejTrasy(s.d);
    for (auto _ : st) {
        const auto k = kolumnyProfilu(p, 0, p.dlugoscKm(), 1600);
        benchmark::DoNotOptimize(k.data());
    }
    st.counters["metry"] = double(p.metry.size());
}

void KopiaProfilu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!trasa(st, s))
        return;
    for (auto _ : st) {
        const ProfilTrasy p = ProfilBiezacejTrasy(s.d);
        benchmark::DoNotOptimize(p.metry.data());
    }
}

} // namespace

void zarejestrujBenchmarkiWgladu(const std::vector<int>& rozmiary)
{
    using benchmark::State;
    for (const int n : rozmiary) {
        const std::string r = "/" + std::to_string(n);
        const auto rej = [](const std::string& nazwa, auto f) {
            benchmark::RegisterBenchmark(nazwa.c_str(), f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.2);
        };
        rej("Wglad_PorownanieTras" + r, [n](State& st) { PorownanieTras(st, n); });
        rej("Wglad_WyjasnienieBrakuDrogi" + r, [n](State& st) { WyjasnienieBrakuDrogi(st, n); });
        rej("Wglad_KolumnyProfilu" + r, [n](State& st) { KolumnyProfilu(st, n); });
        rej("Wglad_ProfilTrasy" + r, [n](State& st) { KopiaProfilu(st, n); });
    }
}

} // namespace tks::bench
