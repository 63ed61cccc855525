// Praca na wszystkich pociągach naraz, na sieci przykładowej (build/run/FDane.bin):
// otwarcie zestawień przy 10 000 zapisanych pociągach (cel: poniżej 2 s),
// przeliczenie wszystkich pociągów (cel: ponad 200 pociągów/s) i wycena
// wsadowa tras z pliku CSV (cel: ponad 500 wierszy/s).

#include "SiecSkali.h"

#include "app/Droga.h"
#include "pricing/Przedzialy.h"
#include "pricing/WycenaWsadowa.h"
#include "reports/Zestawienia.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "trains/PlikiPociagu.h"
#include "trains/PrzeliczenieWszystkich.h"
#include "trains/TabelePociagu.h"
#include "trains/ZapisPociagu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace tks;

const char* const kStacje[] = {"Szczecin Główny", "Rzeszów Główny", "Gdańsk Główny", "Lublin",
                               "Kraków Główny",   "Warszawa Centralna", "Łódź Kaliska"};

int stacja(const Droga& d, const char* nazwa)
{
    for (int i = 0; i < d.siec.liczbaStacji(); ++i)
        if (d.siec.nazwaStacji(i) == QString::fromUtf8(nazwa))
            return i;
    std::fprintf(stderr, "brak stacji %s w sieci przykładowej\n", nazwa);
    std::exit(1);
}

// Folder programu z `liczba` zapisanymi pociągami: 42 różne relacje (pary stacji,
// rodzaj na przemian) zapisane naprawdę, potem ich pliki powielone pod kolejnymi
// identyfikatorami, lista zapisana raz.
struct FolderPociagow {
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    std::unique_ptr<Droga> d;

    explicit FolderPociagow(int liczba)
    {
        d = std::make_unique<Droga>(ia, katalog.path());
        Droga& dr = *d;
        bench::wczytajSiec(dr, QStringLiteral(TKS_RUN_DIR "/FDane.bin"));
        bench::nowyPociagNaSieci(dr);
        QDir(katalog.path()).mkpath(QStringLiteral("Pociagi"));
        OknaPociaguSkryptowe okna;
        int wzorow = 0;
        for (const char* a : kStacje)
            for (const char* b : kStacje) {
                if (a == b)
                    continue;
                const int rodzaj = wzorow % 2;
                dr.kontrolki.idRodzajuStawki = rodzaj;
                dr.kontrolki.lpZakresuBr = pierwszyPrzedzial(dr.siec, rodzaj);
                UstalWarunki(dr);
                KasujDroge(dr);
                TworzNowyPociag(dr);
                OznaczStart(dr, stacja(dr, a));
                OznaczMeta(dr, stacja(dr, b));
                dr.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("W%1").arg(wzorow + 1));
                dr.pociag.IdBiezacegoPociagu = 0;
                if (!ZapiszPociag(dr, okna)) {
                    std::fprintf(stderr, "nie zapisano pociągu wzorcowego\n");
                    std::exit(1);
                }
                ++wzorow;
            }
        Tabela lista = nowaTabelaListaPociagow();
        for (int id = 1; id <= liczba; ++id) {
            const int wzor = (id - 1) % wzorow + 1;
            if (id > wzorow)
                for (const QString& t : nazwyTabelPociagu()) {
                    const QString z = plikTabeliPociagu(dr, t, wzor);
                    if (QFile::exists(z))
                        QFile::copy(z, plikTabeliPociagu(dr, t, id));
                }
            const int w = lista.dodajWiersz();
            lista.ustaw(w, QStringLiteral("IdPociagu"), id);
            lista.ustaw(w, QStringLiteral("NrPociagu"), QStringLiteral("W%1").arg(id));
        }
        QString blad;
        zapiszTabele(lista, plikListyPociagow(dr), blad);
        dr.pociag.listaOtwarta = false;
    }
};

// Otwarcie okna zestawień: lista pociągów i nagłówek każdego z 10 000 pociągów, filtr, sumy.
void BM_OtwarcieZestawien10000(benchmark::State& st)
{
    static FolderPociagow f(10000);
    int liczba = 0;
    for (auto _ : st) {
        Zestawienie z;
        ZbudujZestawienie(*f.d, z);
        liczba = z.LiczbaPoc;
        benchmark::DoNotOptimize(z.SumaCenRozk);
    }
    st.counters["pociagi"] = liczba;
}
BENCHMARK(BM_OtwarcieZestawien10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Przeliczenie wszystkich pociągów (bez zapisu) na 1000 pociągach: wczytanie,
// odbudowa trasy, wycena, porównanie; licznik to pociągi na sekundę.
void BM_PrzeliczenieWszystkich(benchmark::State& st)
{
    static FolderPociagow f(1000);
    int liczba = 0;
    for (auto _ : st) {
        SesjaPrzeliczenia sesja(*f.d);
        WynikiPrzeliczenia w;
        QString blad;
        sesja.przelicz(w, false, {}, blad);
        liczba = int(w.pociagi.size());
    }
    st.counters["pociagi_na_s"] = benchmark::Counter(double(liczba) * double(st.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrzeliczenieWszystkich)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Wycena wsadowa 2000 wierszy (relacje jak wyżej, część z punktem pośrednim i rodzajem
// towarowym); licznik to wiersze na sekundę.
void BM_WycenaWsadowa(benchmark::State& st)
{
    static InterakcjaSkryptowa ia;
    static Droga d(ia, QStringLiteral(TKS_RUN_DIR));
    static WsadTras wsad;
    if (wsad.wiersze.isEmpty()) {
        bench::wczytajSiec(d, QStringLiteral(TKS_RUN_DIR "/FDane.bin"));
        bench::nowyPociagNaSieci(d);
        QByteArray csv = "start;end;via;kind\n";
        int n = 0;
        while (n < 2000)
            for (const char* a : kStacje)
                for (const char* b : kStacje) {
                    if (a == b || n >= 2000)
                        continue;
                    csv += QByteArray(a) + ';' + b + ';' + (n % 5 == 0 ? "Łódź Kaliska" : "") + ';'
                           + QByteArray::number(n % 2) + '\n';
                    ++n;
                }
        QString blad;
        wsad = *czytajWsadTras(csv, blad);
    }
    int bledy = 0;
    for (auto _ : st) {
        const auto wyniki = wycenWsad(d, ia, wsad);
        bledy = liczbaBledowWsadu(wyniki);
    }
    st.counters["wiersze_na_s"] =
        benchmark::Counter(double(wsad.wiersze.size()) * double(st.iterations()), benchmark::Counter::kIsRate);
    st.counters["bledne"] = bledy;
}
BENCHMARK(BM_WycenaWsadowa)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
