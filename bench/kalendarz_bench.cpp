// Czas reakcji siatki kalendarza na mysz: kliknięcie dnia (oznaczenie, nowy
// opis, liczba dni i cena) i krok przeciągania, dla kalendarza z jednym
// zakresem i dla 52 zakresów tygodniowych ze 100 oznaczeniami.

#include "app/Droga.h"
#include "calendar/GestySiatki.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"
#include "trains/NowyPociag.h"
#include "trains/TabelePociagu.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tks;

struct StanKalendarza {
    InterakcjaSkryptowa ia;
    Droga d{ia, QString()};

    explicit StanKalendarza(int zakresy)
    {
        d.rozkladOd = QDate(2017, 12, 10);
        d.rozkladDo = QDate(2018, 12, 8);
        UtworzTabelePociagu(d);
        TworzNowyPociag(d);
        KliknijWzorzec(d, Wzorzec::A);
        Kalendarz& k = d.kalendarz;
        // podziały co tydzień, zakresy na przemian A i C
        for (int z = 1; z < zakresy; ++z)
            PodzielZakres(k, z * 7);
        for (int z = 0; z < k.liczbaZakresow(); ++z) {
            AktywujZakres(d, z);
            KliknijWzorzec(d, z % 2 ? Wzorzec::C : Wzorzec::A);
        }
        if (zakresy > 1)
            for (int i = 0; i < 100; ++i)
                k.Dni[std::size_t(i * 3)].Dod = std::uint8_t(i % 2);
        AktywujZakres(d, 0);
    }
};

void KalendarzKlikniecieDnia(benchmark::State& st)
{
    StanKalendarza s(int(st.range(0)));
    Kalendarz& k = s.d.kalendarz;
    GestSiatki g;
    const QPoint p = k.Dni[2].Prostokat.center();
    for (auto _ : st) {
        g.wcisniecie(k, p.x(), p.y());
        g.zwolnienie(s.d, p.x(), p.y(), true);
    }
    st.counters["zakresy"] = k.liczbaZakresow();
}
BENCHMARK(KalendarzKlikniecieDnia)->Arg(1)->Arg(52)->Unit(benchmark::kMicrosecond);

void KalendarzKrokPrzeciagania(benchmark::State& st)
{
    StanKalendarza s(int(st.range(0)));
    Kalendarz& k = s.d.kalendarz;
    GestSiatki g;
    const QPoint a = k.Dni[0].Prostokat.center();
    const QPoint b = k.Dni[5].Prostokat.center();
    g.wcisniecie(k, a.x(), a.y());
    bool tam = true;
    for (auto _ : st) {
        const QPoint& p = tam ? b : a;
        benchmark::DoNotOptimize(g.ruch(k, p.x(), p.y()));
        tam = !tam;
    }
}
BENCHMARK(KalendarzKrokPrzeciagania)->Arg(1)->Arg(52)->Unit(benchmark::kMicrosecond);

} // namespace
