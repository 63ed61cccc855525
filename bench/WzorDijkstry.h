#pragma once
// Punkt odniesienia dla wyszukiwania: algorytm Dijkstry z Boost.Graph na tym
// samym grafie, z tymi samymi wagami i maską (odcinek zabroniony: waga 1e100).
// Używany tylko przez benchmarki.

#include "network/Siec.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tks::bench {

// Warunki, od których zależą wagi odcinków.
struct WarunkiWag {
    int kryterium = 0;
    std::uint16_t maska = 0;
    int rodzaj = 0;
    int przedzial = 0;
};

// Waga odcinka dokładnie tak, jak liczy ją wyszukiwanie (te same działania na double).
double wagaOdcinka(const Siec& s, int e, const WarunkiWag& w);

class WzorDijkstry {
public:
    WzorDijkstry();
    ~WzorDijkstry();
    void zbuduj(const Siec& s, const WarunkiWag& w);
    // Odległości od `od`. Kończy, gdy wszystkie `cele` są ostateczne; bez celów liczy cały graf.
    const std::vector<double>& licz(int od, const std::vector<int>& cele);
    const std::vector<double>& odleglosci() const { return odl_; }

private:
    struct Graf;
    std::unique_ptr<Graf> g_;
    std::vector<double> odl_;
    std::vector<std::size_t> pop_;
    std::vector<char> cel_;
};

} // namespace tks::bench
