// Benchmarki na sieciach w skali kraju (5 000, 20 000, 100 000 stacji):
// wczytanie, wyszukiwanie z celem i bez celu wobec Dijkstry z Boost.Graph,
// pełna trasa ok. 1000 km z wyceną i czasem jazdy, wiersze podglądu,
// przerysowanie mapy i pamięć modelu. Rejestrowane z main() dla wybranych rozmiarów.

#include "Benchmarki.h"
#include "SiecSkali.h"
#include "WyszukiwanieWzorcowe.h"

#include "map/Kanwa.h"
#include "map/Rysowanie.h"
#include "network/PlikSieci.h"
#include "pricing/Wycenianie.h"
#include "routing/Przeliczanie.h"
#include "routing/Wyszukiwanie.h"
#include "trains/ZapisPociagu.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <string>

namespace tks::bench {

std::map<std::string, CzasyZapytan>& czasyZapytan()
{
    static std::map<std::string, CzasyZapytan> c;
    return c;
}

std::string& katalogObrazow()
{
    static std::string k;
    return k;
}

namespace {

using benchmark::Counter;

// Sprawdzenie zgodności z Dijkstrą raz na rozmiar i rodzaj zapytania.
const std::string& zgodnosc(const std::string& klucz, StanSkali& s, int kryterium)
{
    static std::map<std::string, std::string> wyniki;
    const auto it = wyniki.find(klucz);
    if (it != wyniki.end())
        return it->second;
    CzasyZapytan& c = czasyZapytan()[klucz];
    std::string blad = kryterium >= 0 ? s.sprawdzZCelem(kryterium, c) : s.sprawdzBezCelu(c);
    return wyniki[klucz] = blad;
}

void Wczytanie(benchmark::State& st, int n, bool pochodne)
{
    const QString plik = plikSieciSkali(n);
    Siec s;
    for (auto _ : st) {
        QString blad;
        // Start programu: odczyt razem z wartościami pochodnymi (indeks nazw w trakcie odczytu).
        if (!(pochodne ? WczytajSiecZWartosciamiPochodnymi(s, plik, blad) : WczytajLinieZPliku(s, plik, blad))) {
            st.SkipWithError(qPrintable(blad));
            break;
        }
        benchmark::DoNotOptimize(s.Stacje.data());
        st.PauseTiming();
        s = Siec();   // zwolnienie poprzedniego modelu poza pomiarem
        st.ResumeTiming();
    }
    st.counters["MB_pliku"] = double(QFileInfo(plik).size()) / 1e6;
}

void WartosciPochodne(benchmark::State& st, int n)
{
    Siec s;
    QString blad;
    if (!WczytajLinieZPliku(s, plikSieciSkali(n), blad)) {
        st.SkipWithError(qPrintable(blad));
        return;
    }
    for (auto _ : st) {
        budujWartosciPochodne(s, nullptr);
        benchmark::DoNotOptimize(s.StacjeWgNazwy.data());
    }
}

// `wzorcowe`: prosta kolejka FIFO (wersja sprzed zmian wydajności).
bool szukaj(bool wzorcowe, Droga& d, int od, int doSt)
{
    return wzorcowe ? tks::test::WzorcoweObliczMinOdleglosci(d, od, doSt, 0) : ObliczMinOdleglosci(d, od, doSt, 0);
}

void Wyszukiwanie(benchmark::State& st, int n, int kryterium, bool wzorcowe)
{
    StanSkali& s = stanSkali(n);
    const std::string& blad = zgodnosc(kluczZapytan(n, kryterium), s, kryterium);
    if (!blad.empty()) {
        st.SkipWithError(blad.c_str());
        return;
    }
    s.ustawKryterium(kryterium);
    s.d.trasa.GlowneStacje.clear();
    for (auto _ : st) {
        for (const auto& [a, b] : s.pary)
            benchmark::DoNotOptimize(szukaj(wzorcowe, s.d, a, b));
        s.d.dziennik.clear();
    }
    st.counters["s_na_wyszukiwanie"] =
        Counter(double(s.pary.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
}

void Dijkstra(benchmark::State& st, int n, int kryterium)
{
    StanSkali& s = stanSkali(n);
    std::vector<std::vector<int>> cele;
    for (const auto& p : s.pary)
        cele.push_back({p.second});
    for (auto _ : st)
        for (std::size_t i = 0; i < s.pary.size(); ++i)
            benchmark::DoNotOptimize(s.wzor[kryterium].licz(s.pary[i].first, cele[i]).data());
    st.counters["s_na_wyszukiwanie"] =
        Counter(double(s.pary.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
}

// Budowa grafu Boost (wagi z modelu przy bieżących warunkach): koszt, który
// punkt odniesienia ponosi raz, poza pomiarem zapytań.
void BudowaGrafu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    s.ustawKryterium(0);
    WzorDijkstry w;
    for (auto _ : st)
        w.zbuduj(s.d.siec, s.warunki());
}

void WyszukiwanieBezCelu(benchmark::State& st, int n, bool wzorcowe)
{
    StanSkali& s = stanSkali(n);
    const std::string& blad = zgodnosc(kluczZapytan(n, -1), s, -1);
    if (!blad.empty()) {
        st.SkipWithError(blad.c_str());
        return;
    }
    s.ustawKryterium(0);
    s.ustawPunktyTrasy();
    for (auto _ : st) {
        for (const int z : s.zrodlaBezCelu)
            benchmark::DoNotOptimize(szukaj(wzorcowe, s.d, z, -1));
        s.d.dziennik.clear();
    }
    s.d.trasa.GlowneStacje.clear();
    st.counters["s_na_wyszukiwanie"] =
        Counter(double(s.zrodlaBezCelu.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
}

void DijkstraBezCelu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    for (auto _ : st)
        for (const int z : s.zrodlaBezCelu)
            benchmark::DoNotOptimize(s.wzor[0].licz(z, s.punktyTrasy).data());
    st.counters["s_na_wyszukiwanie"] =
        Counter(double(s.zrodlaBezCelu.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
}

// Trasa z punktami i elementami (przeliczona raz).
bool przygotujTrase(benchmark::State& st, StanSkali& s)
{
    s.ustawKryterium(0);
    s.ustawPunktyTrasy();
    PrzeliczPonownieDroge(s.d);
    s.d.dziennik.clear();
    if (s.d.trasa.Sciezki.empty() || s.d.trasa.Sciezki.back().LpDrogi != int(s.punktyTrasy.size()) - 1) {
        st.SkipWithError("trasa nie została wyznaczona w całości");
        return false;
    }
    return true;
}

void liczniki(benchmark::State& st, const StanSkali& s)
{
    st.counters["km"] = s.d.wycena.dlugoscTrasy;
    st.counters["elementy"] = double(s.d.trasa.Sciezki.size());
}

void PrzeliczenieTrasy(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!przygotujTrase(st, s))
        return;
    for (auto _ : st) {
        PrzeliczPonownieDroge(s.d);
        s.d.dziennik.clear();
    }
    liczniki(st, s);
    st.counters["czas_jazdy_h"] = s.d.wycena.Tr / 3600.0;
}

void WycenaTrasy(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!przygotujTrase(st, s))
        return;
    for (auto _ : st) {
        ObliczMinParametry(s.d);
        benchmark::DoNotOptimize(s.d.wycena.Tr);
    }
    liczniki(st, s);
}

void WierszePodgladu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (!przygotujTrase(st, s))
        return;
    for (auto _ : st)
        benchmark::DoNotOptimize(WyznaczTrase(s.d, 2));
    liczniki(st, s);
    st.counters["wiersze"] = s.d.trasa.Podglad.liczbaWierszy();
}

// Pociąg z trasą zapisany raz (nowy identyfikator); potem zapis nadpisuje ten sam pociąg.
int zapisanyPociag(benchmark::State& st, StanSkali& s)
{
    if (s.d.pociag.IdBiezacegoPociagu > 0)
        return s.d.pociag.IdBiezacegoPociagu;
    if (!przygotujTrase(st, s))
        return 0;
    OknaPociaguSkryptowe okna;
    okna.wypelnijNaglowek = [](Droga& d) { d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("BENCH 1")); };
    if (ZapiszPociagZWynikiem(s.d, okna) != WynikZapisu::Zapisano) {
        st.SkipWithError("zapis pociągu się nie udał");
        return 0;
    }
    return s.d.pociag.IdBiezacegoPociagu;
}

void ZapisPociagu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    if (zapisanyPociag(st, s) <= 0)
        return;
    OknaPociaguSkryptowe okna;
    for (auto _ : st)
        if (ZapiszPociagZWynikiem(s.d, okna) != WynikZapisu::Zapisano) {
            st.SkipWithError("zapis pociągu się nie udał");
            break;
        }
    liczniki(st, s);
}

// Wczytanie pociągu odtwarza trasę wyszukiwaniem każdego odcinka przy obecnej sieci.
void WczytaniePociagu(benchmark::State& st, int n)
{
    StanSkali& s = stanSkali(n);
    const int id = zapisanyPociag(st, s);
    if (id <= 0)
        return;
    for (auto _ : st) {
        if (!WczytajPociag(s.d, id)) {
            st.SkipWithError("wczytanie pociągu się nie udało");
            break;
        }
        s.d.dziennik.clear();
    }
    liczniki(st, s);
}

// `warstwy`: z pamięcią dolnych warstw (przerysowanie po zmianie trasy, punktu,
// podpowiedzi); bez niej - pełne rysowanie, jak po zmianie widoku.
void Przerysowanie(benchmark::State& st, int n, int krotnosc, bool wygladzanie, bool warstwy = false)
{
    StanSkali& s = stanSkali(n);
    if (!przygotujTrase(st, s))
        return;
    Droga& d = s.d;
    PamiecWarstwMapy pamiec;
    const QImage im = mierzPrzerysowanie(st, d, std::int64_t(krotnosc) * kPowiekszenie1x, s.punktyTrasy[2], wygladzanie,
                                         warstwy ? &pamiec : nullptr);
    if (warstwy)
        st.counters["rysowan_warstw"] = double(pamiec.liczbaRysowan() - 1);
    if (!katalogObrazow().empty())
        im.save(QString::fromStdString(katalogObrazow())
                + QStringLiteral("/mapa_%1_%2x%3%4.png")
                      .arg(n)
                      .arg(krotnosc)
                      .arg(wygladzanie ? "" : "_bez_wygl")
                      .arg(warstwy ? "_warstwy" : ""));
}

// Rysowanie z pamięcią warstw, gdy dolne warstwy trzeba narysować od nowa (siatka
// odcinków już jest): przy 1× środek jest zawsze domyślny, więc zmianą jest
// wykluczenie odcinka (na przemian włączane i wyłączane), przy 8× i 64×
// przesunięcie mapy o 40 pikseli (na przemian dwa środki).
void PrzerysowanieNowegoWidoku(benchmark::State& st, int n, int krotnosc)
{
    StanSkali& s = stanSkali(n);
    if (!przygotujTrase(st, s))
        return;
    Droga& d = s.d;
    PamiecWarstwMapy pamiec;
    d.widok.zoom = std::int64_t(krotnosc) * kPowiekszenie1x;
    const TStacja& w = d.siec.Stacje[std::size_t(s.punktyTrasy[2])];
    TOdcinek& wykluczany = d.siec.Odcinki[d.siec.Odcinki.size() / 2];
    const std::uint16_t cechyPrzed = wykluczany.Cechy;
    QImage im(1600, 1000, QImage::Format_RGB32);
    {
        // Siatka odcinków zbudowana, jak po pierwszym rysowaniu.
        QPainter p(&im);
        KanwaEkranu k(p, true);
        odswiez(d, k, &pamiec);
    }
    int krok = 1;
    for (auto _ : st) {
        const bool nieparzysty = krok++ % 2;
        if (krotnosc == 1) {
            wykluczany.Cechy = nieparzysty ? std::uint16_t(cechyPrzed | cechy::Zabroniony) : cechyPrzed;
        } else {
            const double k = d.widok.SkalaBazowa > 0 ? d.widok.k() : 1.0;
            d.widok.WspXSrodka = w.Xkm + (nieparzysty ? 40 / k : 0.0);
            d.widok.WspYSrodka = w.Ykm;
        }
        QPainter p(&im);
        KanwaEkranu k(p, true);
        odswiez(d, k, &pamiec);
        p.end();
        benchmark::DoNotOptimize(im.constBits());
    }
    wykluczany.Cechy = cechyPrzed;
    st.counters["rysowan_warstw"] = double(pamiec.liczbaRysowan() - 1);
}

// Pamięć modelu mierzona w osobnym procesie (szczyt RSS), plus rozmiary tablic.
void Pamiec(benchmark::State& st, int n)
{
    const QString plik = plikSieciSkali(n);
    QJsonObject wynik;
    for (auto _ : st) {
        QProcess p;
        p.start(QStringLiteral(TKS_PAMIEC), {plik});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            st.SkipWithError("pomiar pamięci się nie udał");
            return;
        }
        wynik = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }
    for (const QString& k : wynik.keys())
        st.counters[k.toStdString()] = wynik.value(k).toDouble();
}

// Krótkie pomiary (0,2 s na powtórzenie); na sieci 100 000 stacji 3 powtórzenia
// zamiast 5, a wolna wersja sprzed zmian raz (jej pojedyncze zapytania i tak
// mierzy sprawdzenie zgodności), żeby make bench trwało kilka minut.
enum class Waga { Zwykla, Wolna };

template <class F>
void rejestruj(const std::string& nazwa, int n, F f, benchmark::TimeUnit jednostka, Waga waga = Waga::Zwykla)
{
    auto* b = benchmark::RegisterBenchmark(nazwa.c_str(), f)->Unit(jednostka)->UseRealTime()->MinTime(0.2);
    if (n >= 100000)
        b->Repetitions(waga == Waga::Wolna ? 1 : 3);
}

} // namespace

std::string kluczZapytan(int n, int kryterium)
{
    return kryterium < 0 ? "bez celu/" + std::to_string(n) : "z celem/" + std::to_string(n) + "/kr" + std::to_string(kryterium);
}

void zarejestrujBenchmarkiSkali(const std::vector<int>& rozmiary)
{
    using benchmark::State;
    constexpr auto ms = benchmark::kMillisecond;
    for (const int n : rozmiary) {
        const std::string r = "/" + std::to_string(n);
        rejestruj("Skala_Wczytanie" + r, n, [n](State& st) { Wczytanie(st, n, false); }, ms);
        rejestruj("Skala_WartosciPochodne" + r, n, [n](State& st) { WartosciPochodne(st, n); }, ms);
        rejestruj("Skala_WczytanieIPochodne" + r, n, [n](State& st) { Wczytanie(st, n, true); }, ms);
        for (const int k : {0, 1}) {
            const std::string kr = r + "/kryterium:" + std::to_string(k);
            rejestruj("Skala_Wyszukiwanie" + kr, n, [n, k](State& st) { Wyszukiwanie(st, n, k, false); }, ms);
            rejestruj("Skala_WyszukiwanieWzorcowe" + kr, n, [n, k](State& st) { Wyszukiwanie(st, n, k, true); }, ms,
                      Waga::Wolna);
            rejestruj("Skala_Dijkstra" + kr, n, [n, k](State& st) { Dijkstra(st, n, k); }, ms);
        }
        rejestruj("Skala_DijkstraBudowaGrafu" + r, n, [n](State& st) { BudowaGrafu(st, n); }, ms);
        rejestruj("Skala_WyszukiwanieBezCelu" + r, n, [n](State& st) { WyszukiwanieBezCelu(st, n, false); }, ms);
        rejestruj("Skala_WyszukiwanieBezCeluWzorcowe" + r, n, [n](State& st) { WyszukiwanieBezCelu(st, n, true); }, ms,
                  Waga::Wolna);
        rejestruj("Skala_DijkstraBezCelu" + r, n, [n](State& st) { DijkstraBezCelu(st, n); }, ms);
        rejestruj("Skala_PrzeliczenieTrasy" + r, n, [n](State& st) { PrzeliczenieTrasy(st, n); }, ms);
        rejestruj("Skala_WycenaTrasy" + r, n, [n](State& st) { WycenaTrasy(st, n); }, ms);
        rejestruj("Skala_WyznaczTrase2" + r, n, [n](State& st) { WierszePodgladu(st, n); }, ms);
        rejestruj("Skala_ZapisPociagu" + r, n, [n](State& st) { ZapisPociagu(st, n); }, ms);
        rejestruj("Skala_WczytaniePociagu" + r, n, [n](State& st) { WczytaniePociagu(st, n); }, ms);
        for (const int z : {1, 8, 64})
            rejestruj("Skala_Przerysowanie" + r + "/krotnosc:" + std::to_string(z), n,
                      [n, z](State& st) { Przerysowanie(st, n, z, true); }, ms);
        for (const int z : {1, 8, 64}) {
            rejestruj("Skala_PrzerysowanieWarstwy" + r + "/krotnosc:" + std::to_string(z), n,
                      [n, z](State& st) { Przerysowanie(st, n, z, true, true); }, ms);
            rejestruj("Skala_PrzerysowanieNowyWidok" + r + "/krotnosc:" + std::to_string(z), n,
                      [n, z](State& st) { PrzerysowanieNowegoWidoku(st, n, z); }, ms);
        }
        rejestruj("Skala_PrzerysowanieBezWygladzania" + r + "/krotnosc:1", n,
                  [n](State& st) { Przerysowanie(st, n, 1, false); }, ms);
        benchmark::RegisterBenchmark(("Skala_Pamiec" + r).c_str(), [n](State& st) { Pamiec(st, n); })
            ->Iterations(1)
            ->Repetitions(1)
            ->Unit(ms);
    }
}

} // namespace tks::bench
