#include "WzorDijkstry.h"

#include <boost/graph/compressed_sparse_row_graph.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>

#include <utility>

namespace tks::bench {

double wagaOdcinka(const Siec& s, int e, const WarunkiWag& w)
{
    const TOdcinek& o = s.Odcinki[std::size_t(e)];
    if (o.Cechy & w.maska)
        return kNieosiagnieta;
    switch (w.kryterium) {
    case 1:
        return double(s.Stawki.stawka(std::size_t(e), w.rodzaj, w.przedzial)) / 1000.0 * (double(o.Odleglosc) / 1000.0);
    case 3: {
        const bool pasazerski = w.rodzaj == 0;
        const int v = pasazerski ? int(o.VP1) + int(o.VP2) : int(o.VT1) + int(o.VT2);
        if (v == 0)
            return kNieosiagnieta;
        return (double(o.Odleglosc) / 1000.0) / double(v) * 2.0;
    }
    default:
        return double(o.Odleglosc) / 1000.0;
    }
}

namespace {

struct Waga {
    double w = 0;
};
using GrafCsr = boost::compressed_sparse_row_graph<boost::directedS, boost::no_property, Waga>;
using Wierzcholek = boost::graph_traits<GrafCsr>::vertex_descriptor;

// Przerwanie algorytmu, gdy wszystkie cele są już ostateczne.
struct Gotowe {};

struct Obserwator : boost::default_dijkstra_visitor {
    const std::vector<char>* cel;
    int* pozostalo;
    void examine_vertex(Wierzcholek u, const GrafCsr&) const
    {
        if ((*cel)[u] && --*pozostalo == 0)
            throw Gotowe{};
    }
};

} // namespace

struct WzorDijkstry::Graf {
    GrafCsr g;
};

WzorDijkstry::WzorDijkstry() = default;
WzorDijkstry::~WzorDijkstry() = default;

void WzorDijkstry::zbuduj(const Siec& s, const WarunkiWag& w)
{
    std::vector<std::pair<std::size_t, std::size_t>> krawedzie;
    std::vector<Waga> wagi;
    krawedzie.reserve(s.Odcinki.size() * 2);
    wagi.reserve(s.Odcinki.size() * 2);
    for (std::size_t e = 0; e < s.Odcinki.size(); ++e) {
        const TOdcinek& o = s.Odcinki[e];
        const double x = wagaOdcinka(s, int(e), w);
        krawedzie.emplace_back(std::size_t(o.LpStA), std::size_t(o.LpStB));
        wagi.push_back({x});
        krawedzie.emplace_back(std::size_t(o.LpStB), std::size_t(o.LpStA));
        wagi.push_back({x});
    }
    const std::size_t n = s.Stacje.size();
    g_ = std::make_unique<Graf>(Graf{GrafCsr(boost::edges_are_unsorted_multi_pass, krawedzie.begin(), krawedzie.end(),
                                             wagi.begin(), n)});
    odl_.assign(n, 0);
    pop_.assign(n, 0);
    cel_.assign(n, 0);
}

const std::vector<double>& WzorDijkstry::licz(int od, const std::vector<int>& cele)
{
    const GrafCsr& g = g_->g;
    int pozostalo = 0;
    for (const int c : cele)
        if (!cel_[std::size_t(c)]) {
            cel_[std::size_t(c)] = 1;
            ++pozostalo;
        }
    Obserwator obs;
    obs.cel = &cel_;
    obs.pozostalo = &pozostalo;
    const auto indeks = get(boost::vertex_index, g);
    try {
        boost::dijkstra_shortest_paths(g, Wierzcholek(od),
                                       boost::predecessor_map(boost::make_iterator_property_map(pop_.begin(), indeks))
                                           .distance_map(boost::make_iterator_property_map(odl_.begin(), indeks))
                                           .weight_map(get(&Waga::w, g))
                                           .visitor(obs));
    } catch (const Gotowe&) {
    }
    for (const int c : cele)
        cel_[std::size_t(c)] = 0;
    return odl_;
}

} // namespace tks::bench
