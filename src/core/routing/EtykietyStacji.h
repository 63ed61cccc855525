#pragma once
// Pola wyszukiwania wszystkich stacji (etykieta, poprzednicy, znacznik wyboru)
// zapamiętane przed operacją, która wyszukuje na próbę, i przywracane po niej.

#include "network/Siec.h"

#include <vector>

namespace tks {

class EtykietyStacji {
public:
    explicit EtykietyStacji(const Siec& s)
    {
        etykiety_.reserve(s.Stacje.size());
        for (const TStacja& st : s.Stacje)
            etykiety_.push_back({st.OdlMin, st.OdcPop, st.StPop, st.Wybieralna});
    }
    // Wpisuje zapamiętane pola z powrotem (stacje ponad zapamiętane zostają, jakie są).
    void przywroc(Siec& s) const
    {
        auto& st = s.Stacje;
        for (std::size_t i = 0; i < st.size() && i < etykiety_.size(); ++i) {
            st[i].OdlMin = etykiety_[i].odl;
            st[i].OdcPop = etykiety_[i].odc;
            st[i].StPop = etykiety_[i].st;
            st[i].Wybieralna = etykiety_[i].wyb;
        }
    }

private:
    struct Etykieta {
        double odl;
        std::int32_t odc;
        std::int32_t st;
        std::uint8_t wyb;
    };
    std::vector<Etykieta> etykiety_;
};

} // namespace tks
