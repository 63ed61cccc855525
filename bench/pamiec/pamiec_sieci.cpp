// Pamięć modelu sieci w osobnym procesie: przyrost RSS po wczytaniu pliku
// i zbudowaniu wartości pochodnych, szczyt RSS w trakcie oraz rozmiar tablic
// modelu. Wynik: jeden obiekt JSON (megabajty) na standardowym wyjściu.

#include "RozmiarModelu.h"

#include "network/PlikSieci.h"

#include <QString>
#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double szczytRssMB()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;   // ru_maxrss w KB
}

double biezacyRssMB()
{
    std::ifstream f("/proc/self/statm");
    long rozmiar = 0, rezydentne = 0;
    f >> rozmiar >> rezydentne;
    return double(rezydentne) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: pamiec_sieci PLIK_SIECI\n");
        return 2;
    }
    const double rssPrzed = biezacyRssMB();
    tks::Siec s;
    QString blad;
    if (!tks::WczytajLinieZPliku(s, QString::fromLocal8Bit(argv[1]), blad)) {
        std::fprintf(stderr, "%s\n", qPrintable(blad));
        return 1;
    }
    tks::budujWartosciPochodne(s, nullptr);
    const double rssPo = biezacyRssMB();
    const double szczyt = szczytRssMB();
    std::printf("{\"MB_model\": %.3f, \"MB_RSS_przyrost\": %.3f, \"MB_RSS_szczyt\": %.3f, \"MB_RSS_przed\": %.3f}\n",
                double(tks::bench::rozmiarModelu(s)) / (1024.0 * 1024.0), rssPo - rssPrzed, szczyt, rssPrzed);
    return 0;
}
