#include "RozmiarModelu.h"

#include <type_traits>

namespace tks::bench {

std::size_t rozmiarModelu(const Siec& s)
{
    // Każdy przydział pamięci sterty liczony z typowym narzutem 16 B.
    constexpr std::size_t kNarzut = 16;
    auto wektor = [](const auto& v) {
        using T = typename std::decay_t<decltype(v)>::value_type;
        return v.capacity() ? v.capacity() * sizeof(T) + kNarzut : 0;
    };
    std::size_t r = sizeof(Siec);
    r += std::size_t(s.ZakresyBr.obraz().size() + s.RodzajeStawekTab.obraz().size());
    r += wektor(s.Zarzadcy) + wektor(s.RodzajeStawek) + wektor(s.KonturPolski);
    r += wektor(s.Zaklady) + wektor(s.KonturyZakladow) + wektor(s.Wojewodztwa) + wektor(s.KonturyWojewodztw);
    for (const auto& k : s.KonturyZakladow)
        r += wektor(k);
    for (const auto& k : s.KonturyWojewodztw)
        r += wektor(k);
    r += wektor(s.Stacje) + wektor(s.OdcinkiStacji) + wektor(s.Odcinki) + wektor(s.Swieta) + wektor(s.StacjeWgNazwy);
    for (const auto& l : s.OdcinkiStacji)
        r += wektor(l);
    r += wektor(s.Stawki.surowe());
    return r;
}

} // namespace tks::bench
