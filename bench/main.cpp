// Program benchmarków: sieć przykładowa (trasa_bench, mapa_bench) i sieci w skali
// kraju (skala_bench). Własne opcje:
//   --rozmiary=5000,20000,100000   rozmiary sieci skali (domyślnie wszystkie trzy; 0 = żadna)
//   --obrazy=FOLDER                zapis obrazów przerysowań sieci skali
//   --json PLIK (albo --json=PLIK)  podsumowanie sieci skali jako JSON (mediany przebiegu)
// Bez --benchmark_repetitions każdy pomiar jest powtarzany 5 razy, a wyniki to mediany.
// Na końcu podsumowanie: cele z opisu zadania, stosunki do Dijkstry, wzrost z rozmiarem.

#include "Benchmarki.h"

#include <QGuiApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSysInfo>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tks::bench;

struct Wynik {
    double ms = 0;
    benchmark::UserCounters liczniki;
};

double naMs(double t, benchmark::TimeUnit j)
{
    switch (j) {
    case benchmark::kNanosecond:
        return t / 1e6;
    case benchmark::kMicrosecond:
        return t / 1e3;
    case benchmark::kSecond:
        return t * 1e3;
    default:
        return t;
    }
}

// Wypisuje wyniki jak zwykle i zapamiętuje mediany do podsumowania.
class Zbieracz : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const std::string nazwa = r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
            if (r.error_occurred) {
                bledy_.push_back(nazwa + ": " + r.error_message);
                continue;
            }
            Wynik w{naMs(r.GetAdjustedRealTime(), r.time_unit), r.counters};
            if (r.run_type == Run::RT_Aggregate) {
                if (r.aggregate_name == "median")
                    mediany_[nazwa] = w;
            } else {
                pojedyncze_[nazwa] = w;
            }
        }
    }

    const Wynik* wynik(const std::string& nazwa) const
    {
        if (auto it = mediany_.find(nazwa); it != mediany_.end())
            return &it->second;
        if (auto it = pojedyncze_.find(nazwa); it != pojedyncze_.end())
            return &it->second;
        return nullptr;
    }
    double ms(const std::string& nazwa) const
    {
        const Wynik* w = wynik(nazwa);
        return w ? w->ms : NAN;
    }
    double licznik(const std::string& nazwa, const std::string& l) const
    {
        const Wynik* w = wynik(nazwa);
        if (!w)
            return NAN;
        const auto it = w->liczniki.find(l);
        return it == w->liczniki.end() ? NAN : double(it->second);
    }
    const std::vector<std::string>& bledy() const { return bledy_; }

private:
    std::map<std::string, Wynik> mediany_;
    std::map<std::string, Wynik> pojedyncze_;
    std::vector<std::string> bledy_;
};

double mediana(std::vector<double> v)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

const char* ocena(bool ok) { return ok ? "spełniony" : "NIE SPEŁNIONY"; }

std::string modelProcesora()
{
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& l : f.readAll().split('\n'))
            if (l.startsWith("model name"))
                return l.mid(l.indexOf(':') + 2).toStdString();
    return "?";
}

double srednia(const std::vector<double>& v)
{
    double s = 0;
    for (const double x : v)
        s += x;
    return v.empty() ? NAN : s / double(v.size());
}

// Wiersz wyszukiwania: rundy na przemian (mediany czasu na zapytanie i mediana
// stosunków z rund; na nich sprawdzany cel), obok średnie z osobnych benchmarków
// i praca kolejki FIFO.
void wyszukiwanie(const Zbieracz& z, const std::string& nasze, const std::string& wzorcowe, const std::string& dijkstra,
                  const std::string& klucz, const char* opis, bool cel)
{
    const CzasyZapytan& c = czasyZapytan()[klucz];
    if (c.nasze.empty())
        return;
    std::vector<double> doDijkstry, doWzorcowego;
    for (std::size_t i = 0; i < c.nasze.size(); ++i) {
        doDijkstry.push_back(c.nasze[i] / c.wzor[i]);
        doWzorcowego.push_back(c.nasze[i] / c.wzorcowe[i]);
    }
    const double n = mediana(c.nasze) / 1e6, stosunek = mediana(doDijkstry);
    std::printf("Wyszukiwanie %s: %.3f ms, Dijkstra %.3f ms, stosunek %.2f; przed zmianą %.3f ms (teraz x%.2f)\n", opis,
                n, mediana(c.wzor) / 1e6, stosunek, mediana(c.wzorcowe) / 1e6, mediana(doWzorcowego));
    std::printf("    osobne benchmarki: %.3f ms, Dijkstra %.3f ms, przed zmianą %.3f ms\n",
                z.licznik(nasze, "s_na_wyszukiwanie") * 1e3, z.licznik(dijkstra, "s_na_wyszukiwanie") * 1e3,
                z.licznik(wzorcowe, "s_na_wyszukiwanie") * 1e3);
    std::printf("    kolejka FIFO: średnio %.0f wstawień na %.0f etykietowanych stacji (%.1f na stację)\n",
                srednia(c.wstawienia), srednia(c.etykietowane), srednia(c.wstawienia) / srednia(c.etykietowane));
    if (cel)
        std::printf("    cel <= 1,5x Dijkstry i <= 5 ms: %s\n", ocena(stosunek <= 1.5 && n <= 5));
}

// Cele dotyczą sieci 20 000 stacji; wzrost - od najmniejszej do największej zmierzonej.
void podsumowanie(const Zbieracz& z, const std::vector<int>& rozmiary)
{
    std::vector<int> zmierzone;
    for (const int n : rozmiary) {
        const std::string r = "/" + std::to_string(n);
        for (const char* b : {"Skala_Wczytanie", "Skala_Wyszukiwanie", "Skala_PrzeliczenieTrasy", "Skala_Przerysowanie",
                              "Skala_Pamiec", "Skala_Dijkstra", "Skala_WczytaniePociagu"})
            if (z.wynik(b + r) || z.wynik(b + r + "/kryterium:0") || z.wynik(b + r + "/krotnosc:1")) {
                zmierzone.push_back(n);
                break;
            }
    }
    if (zmierzone.empty())
        return;
    double obciazenie[3] = {0, 0, 0};
    getloadavg(obciazenie, 3);
    std::printf("\n==== Podsumowanie sieci w skali kraju ====\n");
    std::printf("Maszyna: %s, %d rdzenie, %s; %s; obciążenie (1/5/15 min): %.2f %.2f %.2f\n", modelProcesora().c_str(),
                benchmark::CPUInfo::Get().num_cpus, QSysInfo::prettyProductName().toUtf8().constData(),
                QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8().constData(), obciazenie[0],
                obciazenie[1], obciazenie[2]);
    std::printf("Czasy: mediany powtórzeń. Wyszukiwanie: czas na zapytanie (%d par stacji z celem, %d bez celu)\n"
                "w rundach na przemian z Dijkstrą i wersją sprzed zmian (7 rund, przy 100 000 stacji 3).\n",
                kParWyszukiwan, kZrodelBezCelu);
    for (const int n : zmierzone) {
        const std::string r = "/" + std::to_string(n);
        const bool cele = n == 20000;
        std::printf("\n-- %d stacji --\n", n);
        const double razem = z.ms("Skala_WczytanieIPochodne" + r);
        if (!std::isnan(razem) || z.wynik("Skala_Wczytanie" + r)) {
            std::printf("Wczytanie pliku %.1f ms (%.1f MB), wartości pochodne %.1f ms, razem %.1f ms\n",
                        z.ms("Skala_Wczytanie" + r), z.licznik("Skala_Wczytanie" + r, "MB_pliku"),
                        z.ms("Skala_WartosciPochodne" + r), razem);
            if (cele)
                std::printf("    cel <= 100 ms: %s\n", ocena(razem <= 100));
        }
        for (int k = 0; k < 2; ++k) {
            const std::string kr = r + "/kryterium:" + std::to_string(k);
            wyszukiwanie(z, "Skala_Wyszukiwanie" + kr, "Skala_WyszukiwanieWzorcowe" + kr, "Skala_Dijkstra" + kr,
                         kluczZapytan(n, k), ("z celem, kryterium " + std::to_string(k)).c_str(), cele);
        }
        wyszukiwanie(z, "Skala_WyszukiwanieBezCelu" + r, "Skala_WyszukiwanieBezCeluWzorcowe" + r,
                     "Skala_DijkstraBezCelu" + r, kluczZapytan(n, -1), "bez celu (5 punktów trasy)", false);
        if (z.wynik("Skala_DijkstraBudowaGrafu" + r))
            std::printf("Budowa grafu dla Dijkstry z modelu (poza pomiarem zapytań): %.2f ms\n",
                        z.ms("Skala_DijkstraBudowaGrafu" + r));
        const double trasa = z.ms("Skala_PrzeliczenieTrasy" + r);
        if (!std::isnan(trasa)) {
            std::printf("Pełna trasa %.0f km (%.0f elementów), 4 odcinki z wyceną i czasem jazdy: %.1f ms\n",
                        z.licznik("Skala_PrzeliczenieTrasy" + r, "km"),
                        z.licznik("Skala_PrzeliczenieTrasy" + r, "elementy"), trasa);
            if (cele)
                std::printf("    cel <= 30 ms: %s\n", ocena(trasa <= 30));
            std::printf("Sama wycena z czasem jazdy %.1f ms; WyznaczTrase(2) %.2f ms (%.0f wierszy)\n",
                        z.ms("Skala_WycenaTrasy" + r), z.ms("Skala_WyznaczTrase2" + r),
                        z.licznik("Skala_WyznaczTrase2" + r, "wiersze"));
        }
        if (z.wynik("Skala_ZapisPociagu" + r) || z.wynik("Skala_WczytaniePociagu" + r))
            std::printf("Zapis pociągu %.1f ms; wczytanie pociągu z odtworzeniem trasy %.1f ms\n",
                        z.ms("Skala_ZapisPociagu" + r), z.ms("Skala_WczytaniePociagu" + r));
        const double mapa1 = z.ms("Skala_Przerysowanie" + r + "/krotnosc:1");
        if (!std::isnan(mapa1)) {
            std::printf("Przerysowanie 1600x1000: 1x %.1f ms (bez wygładzania %.1f ms), 8x %.1f ms, 64x %.1f ms\n",
                        mapa1, z.ms("Skala_PrzerysowanieBezWygladzania" + r + "/krotnosc:1"),
                        z.ms("Skala_Przerysowanie" + r + "/krotnosc:8"), z.ms("Skala_Przerysowanie" + r + "/krotnosc:64"));
            if (cele)
                std::printf("    cel <= 30 ms: %s\n", ocena(mapa1 <= 30));
        }
        const double model = z.licznik("Skala_Pamiec" + r, "MB_model");
        if (!std::isnan(model)) {
            const double rss = z.licznik("Skala_Pamiec" + r, "MB_RSS_przyrost");
            std::printf("Pamięć: tablice modelu %.1f MB, przyrost RSS po wczytaniu %.1f MB, szczyt RSS procesu %.1f MB"
                        " (przed wczytaniem %.1f MB)\n",
                        model, rss, z.licznik("Skala_Pamiec" + r, "MB_RSS_szczyt"),
                        z.licznik("Skala_Pamiec" + r, "MB_RSS_przed"));
            if (cele)
                std::printf("    cel <= 60 MB: %s\n", ocena(model <= 60 && rss <= 60));
        }
    }
    if (zmierzone.size() >= 2) {
        const int n1 = zmierzone.front(), n2 = zmierzone.back();
        const double k = double(n2) / n1;
        const double nlogn = k * std::log(double(n2)) / std::log(double(n1));
        const std::string r1 = "/" + std::to_string(n1), r2 = "/" + std::to_string(n2);
        std::printf("\nWzrost od %d do %d stacji (x%.0f; n log n: x%.1f; \"liniowo\" z 5%% zapasem na rozrzut):\n", n1,
                    n2, k, nlogn);
        auto wzrost = [&](const char* co, const std::string& nazwa, bool liniowo, const char* licznik = nullptr,
                          const std::string& przyrostek = {}) {
            const double a = licznik ? z.licznik(nazwa + r2 + przyrostek, licznik) : z.ms(nazwa + r2 + przyrostek);
            const double b = licznik ? z.licznik(nazwa + r1 + przyrostek, licznik) : z.ms(nazwa + r1 + przyrostek);
            if (std::isnan(a) || std::isnan(b))
                return;
            const double w = a / b;
            std::printf("  %-38s x%.1f (wykładnik %.2f)%s\n", co, w, std::log(w) / std::log(k),
                        !liniowo ? "" : w <= k * 1.05 ? "   nie gorzej niż liniowo: spełniony"
                                                      : "   nie gorzej niż liniowo: NIE SPEŁNIONY");
        };
        wzrost("wczytanie z wartościami pochodnymi", "Skala_WczytanieIPochodne", true);
        wzrost("  w tym wczytanie pliku", "Skala_Wczytanie", true);
        wzrost("  w tym wartości pochodne (sortowanie)", "Skala_WartosciPochodne", false);
        wzrost("przerysowanie 1x", "Skala_Przerysowanie", true, nullptr, "/krotnosc:1");
        for (int kr = 0; kr < 2; ++kr) {
            const CzasyZapytan& c1 = czasyZapytan()[kluczZapytan(n1, kr)];
            const CzasyZapytan& c2 = czasyZapytan()[kluczZapytan(n2, kr)];
            const double a = mediana(c2.nasze), b = mediana(c1.nasze);
            const double da = mediana(c2.wzor), db = mediana(c1.wzor);
            if (!std::isnan(a / b))
                std::printf("  wyszukiwanie z celem, kryterium %d      x%.1f (wykładnik %.2f); Dijkstra x%.1f (%.2f)\n",
                            kr, a / b, std::log(a / b) / std::log(k), da / db, std::log(da / db) / std::log(k));
        }
        wzrost("pełna trasa z wyceną", "Skala_PrzeliczenieTrasy", false);
        wzrost("pamięć modelu", "Skala_Pamiec", true, "MB_model");
    }
    for (const auto& b : z.bledy())
        std::printf("BŁĄD: %s\n", b.c_str());
}

// Podsumowanie do odczytu przez skrypt: dla każdego zmierzonego rozmiaru mediany
// z tego przebiegu (ms). Pomiar, którego nie było, nie ma klucza.
QJsonObject podsumowanieJson(const Zbieracz& z, const std::vector<int>& rozmiary)
{
    QJsonObject wynik;
    for (const int n : rozmiary) {
        const std::string r = "/" + std::to_string(n);
        QJsonObject o;
        auto dodaj = [&](const char* klucz, double v) {
            if (!std::isnan(v))
                o.insert(QLatin1String(klucz), v);
        };
        dodaj("przerysowanie_1x_ms", z.ms("Skala_PrzerysowanieWarstwy" + r + "/krotnosc:1"));
        dodaj("przerysowanie_8x_ms", z.ms("Skala_PrzerysowanieWarstwy" + r + "/krotnosc:8"));
        dodaj("przerysowanie_64x_ms", z.ms("Skala_PrzerysowanieWarstwy" + r + "/krotnosc:64"));
        dodaj("przerysowanie_pelne_1x_ms", z.ms("Skala_Przerysowanie" + r + "/krotnosc:1"));
        dodaj("przerysowanie_pelne_8x_ms", z.ms("Skala_Przerysowanie" + r + "/krotnosc:8"));
        dodaj("przerysowanie_pelne_64x_ms", z.ms("Skala_Przerysowanie" + r + "/krotnosc:64"));
        dodaj("start_ms", z.ms("Skala_WczytanieIPochodne" + r));
        dodaj("wczytanie_pliku_ms", z.ms("Skala_Wczytanie" + r));
        dodaj("wartosci_pochodne_ms", z.ms("Skala_WartosciPochodne" + r));
        dodaj("pelna_trasa_ms", z.ms("Skala_PrzeliczenieTrasy" + r));
        for (int k = 0; k < 2; ++k) {
            const auto it = czasyZapytan().find(kluczZapytan(n, k));
            if (it == czasyZapytan().end() || it->second.nasze.empty())
                continue;
            const std::string kr = "_kr" + std::to_string(k) + "_ms";
            dodaj(("wyszukiwanie" + kr).c_str(), mediana(it->second.nasze) / 1e6);
            dodaj(("dijkstra" + kr).c_str(), mediana(it->second.wzor) / 1e6);
        }
        if (!o.isEmpty())
            wynik.insert(QString::number(n), o);
    }
    return wynik;
}

bool zapiszJson(const QString& plik, const QJsonObject& o)
{
    QSaveFile f(plik);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(o).toJson()) < 0 || !f.commit()) {
        std::fprintf(stderr, "Nie można zapisać pliku %s: %s\n", qPrintable(plik), qPrintable(f.errorString()));
        return false;
    }
    return true;
}

std::vector<int> liczby(const char* tekst)
{
    std::vector<int> w;
    for (const char* p = tekst; *p;) {
        char* koniec = nullptr;
        const long v = std::strtol(p, &koniec, 10);
        if (koniec == p)
            break;
        if (v > 0)
            w.push_back(int(v));
        p = *koniec == ',' ? koniec + 1 : koniec;
    }
    return w;
}

} // namespace

int main(int argc, char** argv)
{
    // Pomiar tekstu przy rysowaniu mapy potrzebuje aplikacji z czcionkami; bez ekranu - offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QGuiApplication app(argcQt, argv);

    std::vector<int> rozmiary = {5000, 20000, 100000};
    std::vector<char*> argumenty;
    bool powtorzenia = false;
    QString plikJson;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "Opcja --json wymaga nazwy pliku.\n");
                return 1;
            }
            plikJson = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strncmp(argv[i], "--json=", 7) == 0)
            plikJson = QString::fromLocal8Bit(argv[i] + 7);
        else if (std::strncmp(argv[i], "--rozmiary=", 11) == 0)
            rozmiary = liczby(argv[i] + 11);
        else if (std::strncmp(argv[i], "--obrazy=", 9) == 0)
            katalogObrazow() = argv[i] + 9;
        else {
            powtorzenia = powtorzenia || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
            argumenty.push_back(argv[i]);
        }
    }
    static char kPowtorzenia[] = "--benchmark_repetitions=5";
    static char kTylkoAgregaty[] = "--benchmark_display_aggregates_only=true";
    if (!powtorzenia) {
        argumenty.push_back(kPowtorzenia);
        argumenty.push_back(kTylkoAgregaty);
    }
    argumenty.push_back(nullptr);
    int n = int(argumenty.size()) - 1;

    zarejestrujBenchmarkiSkali(rozmiary);
    zarejestrujBenchmarkiWgladu(rozmiary);
    benchmark::Initialize(&n, argumenty.data());
    if (benchmark::ReportUnrecognizedArguments(n, argumenty.data()))
        return 1;
    Zbieracz z;
    benchmark::RunSpecifiedBenchmarks(&z);
    podsumowanie(z, rozmiary);
    const bool jsonZapisany = plikJson.isEmpty() || zapiszJson(plikJson, podsumowanieJson(z, rozmiary));
    benchmark::Shutdown();
    return z.bledy().empty() && jsonZapisany ? 0 : 1;
}
