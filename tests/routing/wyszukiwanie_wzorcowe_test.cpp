// Szybsze wyszukiwanie (zwarte etykiety, wagi odcinków liczone raz na
// wyszukiwanie) a prosta kolejka FIFO według opisu: te same etykiety,
// poprzednicy, znaczniki Wybieralna, kolejka i wynik - na wielu losowych
// małych sieciach z remisami, wykluczeniami i maskami oraz na sieciach skali.

#include "WyszukiwanieWzorcowe.h"

#include "network/GeneratorSieci.h"
#include "routing/Oznaczenia.h"
#include "routing/Wyszukiwanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>

using namespace tks;
using namespace tks::test;

namespace {

// Pola wyszukiwania wszystkich stacji; etykiety porównywane bit w bit.
struct StanStacji {
    std::uint64_t etykieta;
    std::int32_t odcPop;
    std::int32_t stPop;
    std::uint8_t wybieralna;
    bool operator==(const StanStacji&) const = default;
};

std::vector<StanStacji> stan(const Siec& s)
{
    std::vector<StanStacji> w;
    for (const auto& st : s.Stacje) {
        StanStacji x{};
        std::memcpy(&x.etykieta, &st.OdlMin, sizeof x.etykieta);
        x.odcPop = st.OdcPop;
        x.stPop = st.StPop;
        x.wybieralna = st.Wybieralna;
        w.push_back(x);
    }
    return w;
}

// Dwa stany okna głównego na tej samej sieci: jeden liczy wzorcem, drugi szybką wersją.
struct Para {
    DrogaTestowa wzor;
    DrogaTestowa nowa;

    void ustawSiec(const Siec& s)
    {
        wzor.d.siec = s;
        nowa.d.siec = s;
        wzor.przygotuj();
        nowa.przygotuj();
    }
    template <class F>
    void obie(F f)
    {
        f(wzor);
        f(nowa);
    }
    // Jedno wyszukiwanie w obu; zwraca opis pierwszej różnicy albo pusty napis.
    std::string porownaj(int od, int doSt, int linia)
    {
        const bool w1 = WzorcoweObliczMinOdleglosci(wzor.d, od, doSt, linia);
        const bool w2 = ObliczMinOdleglosci(nowa.d, od, doSt, linia);
        const std::string gdzie = "od " + std::to_string(od) + " do " + std::to_string(doSt) + " linia "
                                  + std::to_string(linia) + " kryterium " + std::to_string(nowa.d.kontrolki.kryterium);
        if (w1 != w2)
            return "wynik: " + gdzie;
        if (wzor.d.trasa.KolejkaStacji != nowa.d.trasa.KolejkaStacji)
            return "kolejka: " + gdzie;
        const auto a = stan(wzor.d.siec), b = stan(nowa.d.siec);
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!(a[i] == b[i]))
                return "stacja " + std::to_string(i) + ": " + gdzie;
        if (wzor.ia.teksty() != nowa.ia.teksty())
            return "komunikaty: " + gdzie;
        return {};
    }
};

// Mała losowa sieć: wielokrotne odcinki, pętle, zerowe i równe długości
// (remisy), zerowe stawki i prędkości, bity cech, kilka linii.
Siec losowaSiec(Losowanie& los)
{
    Siec s;
    const int n = 2 + los.ponizej(40);
    for (int i = 0; i < n; ++i)
        dodajStacje(s, QStringLiteral("S%1").arg(i), los.ponizej(100), los.ponizej(100));
    const int m = n + los.ponizej(2 * n + 1);
    static const std::uint16_t kBity[] = {cechy::ZawRuchCalk, cechy::ZawRuchTow, cechy::ZawRuchPas,
                                          cechy::NieWskazanyRuchPas, cechy::ObcyZarzad, cechy::BrakSieci,
                                          cechy::Szerokotorowa, cechy::DoPominiecia, cechy::Zabroniony};
    for (int k = 0; k < m; ++k) {
        const int a = los.ponizej(n);
        const int b = los.szansa(0.05) ? a : los.ponizej(n);
        const int metry = los.szansa(0.1) ? 0 : 500 * (1 + los.ponizej(6));   // mało różnych długości: remisy
        std::uint16_t c = cechy::Normalnotorowa;
        if (los.szansa(0.25))
            c |= kBity[los.ponizej(int(std::size(kBity)))];
        const int e = dodajOdcinek(s, a, b, metry, 1 + los.ponizej(3), c, 0, los.szansa(0.1) ? 0 : 40 + 20 * los.ponizej(4));
        if (los.szansa(0.1))
            s.Odcinki[std::size_t(e)].VP2 = 0;
    }
    dodajRodzaje(s);
    przygotujStawki(s, 0);
    for (auto& v : s.Stawki.surowe())
        v = std::uint16_t(los.szansa(0.2) ? 0 : 1000 * (1 + los.ponizej(4)));
    return s;
}

// Punkty trasy (dla wyszukiwania bez celu) wprost w obu stanach.
void ustawPunkty(DrogaTestowa& t, const std::vector<int>& stacje)
{
    t.d.trasa.GlowneStacje.clear();
    for (const int s : stacje) {
        TGlownaStacja p;
        p.Rodzaj = kPunktPosredni;
        p.LpStacji = s;
        t.d.trasa.GlowneStacje.push_back(p);
    }
}

} // namespace

TEST(WyszukiwanieWzorcowe, LosoweMaleSieci)
{
    Losowanie los(20240611);
    for (int siec = 0; siec < 300; ++siec) {
        Para p;
        p.ustawSiec(losowaSiec(los));
        const int n = p.nowa.d.siec.liczbaStacji();
        for (int krok = 0; krok < 30; ++krok) {
            // Warunki: kryterium, rodzaj pociągu, kontrolki ograniczeń.
            const int kryterium = los.ponizej(4);
            const int rodzaj = los.ponizej(2);
            const bool brakSieci = los.szansa(0.3), szerokie = los.szansa(0.7);
            p.obie([&](DrogaTestowa& t) {
                t.d.kontrolki.kryterium = kryterium;
                t.d.kontrolki.idRodzajuStawki = rodzaj;
                t.d.kontrolki.brakSieci = brakSieci;
                t.d.kontrolki.szerokie = szerokie;
            });
            // Wykluczenia (etykieta 1e150) i punkty trasy.
            if (los.szansa(0.2)) {
                const int w = los.ponizej(n);
                p.obie([&](DrogaTestowa& t) { t.d.siec.Stacje[std::size_t(w)].OdlMin = kWykluczona; });
            }
            std::vector<int> punkty;
            for (int k = los.ponizej(4); k > 0; --k)
                punkty.push_back(los.ponizej(n));
            p.obie([&](DrogaTestowa& t) { ustawPunkty(t, punkty); });

            const int od = los.ponizej(n);
            const int doSt = los.szansa(0.3) ? -1 : los.ponizej(n);
            const int linia = kryterium == 2 ? (los.szansa(0.3) ? -1 : los.ponizej(4)) : 0;
            const int wybor = los.ponizej(3) - 1;
            p.obie([&](DrogaTestowa& t) { t.ia.dodajWybor(wybor); });
            const std::string roznica = p.porownaj(od, doSt, linia);
            ASSERT_EQ(roznica, "") << "sieć " << siec << ", krok " << krok;
        }
    }
}

TEST(WyszukiwanieWzorcowe, SieciSkaliKraju)
{
    for (const auto& [stacje, ziarno] : {std::pair{400, 7ull}, std::pair{3000, 1ull}, std::pair{6000, 3ull}}) {
        Para p;
        p.ustawSiec(GenerujSiec({stacje, ziarno}));
        const int n = p.nowa.d.siec.liczbaStacji();
        Losowanie los(ziarno * 31);
        // Wykluczony odcinek i stacja, jak po oznaczeniach.
        p.obie([&](DrogaTestowa& t) {
            OznaczOminOdcinek(t.d, 5);
            OznaczOminStacje(t.d, n / 2);
        });
        for (int k = 0; k < 40; ++k) {
            const int kryterium = k % 4 == 2 ? 3 : k % 4;
            const int rodzaj = (k / 4) % 3;
            p.obie([&](DrogaTestowa& t) {
                t.d.kontrolki.kryterium = kryterium;
                t.d.kontrolki.idRodzajuStawki = rodzaj;
                t.d.kontrolki.lpZakresuBr = k % 6;
            });
            const bool bezCelu = k % 5 == 4;
            std::vector<int> punkty;
            if (bezCelu)
                for (int i = 0; i < 3; ++i)
                    punkty.push_back(los.ponizej(n));
            p.obie([&](DrogaTestowa& t) { ustawPunkty(t, punkty); });
            const int od = los.ponizej(n);
            const int doSt = bezCelu ? -1 : los.ponizej(n);
            const std::string roznica = p.porownaj(od, doSt, 0);
            ASSERT_EQ(roznica, "") << stacje << " stacji, zapytanie " << k;
        }
        // Wybór ręczny po jednej linii (-1: wszystkie linie) z sąsiadem na linii.
        for (int k = 0; k < 10; ++k) {
            p.obie([&](DrogaTestowa& t) { t.d.kontrolki.kryterium = 2; });
            const int od = los.ponizej(n);
            const auto& odc = p.nowa.d.siec.OdcinkiStacji[std::size_t(od)];
            if (odc.empty())
                continue;
            const TOdcinek& o = p.nowa.d.siec.Odcinki[std::size_t(odc.front())];
            const int doSt = o.LpStA == od ? o.LpStB : o.LpStA;
            ASSERT_EQ(p.porownaj(od, doSt, k % 2 ? -1 : o.NrLinii), "");
        }
    }
}

// Układ sieci zmieniany między wyszukiwaniami w miejscu (ta sama liczba stacji):
// odwrócona lista odcinków stacji, przepięty koniec odcinka, nowy odcinek, odcinek
// zdjęty z list. Wynik ma zależeć tylko od bieżącej sieci, nie od poprzednich wyszukiwań.
TEST(WyszukiwanieWzorcowe, ZmianyUkladuSieciMiedzyWyszukiwaniami)
{
    Losowanie los(77);
    for (int siec = 0; siec < 60; ++siec) {
        Para p;
        p.ustawSiec(losowaSiec(los));
        const int n = p.nowa.d.siec.liczbaStacji();
        for (int krok = 0; krok < 12; ++krok) {
            const int zmiana = los.ponizej(4);
            const int a = los.ponizej(n), b = los.ponizej(n);
            const int e = los.ponizej(std::max(1, p.nowa.d.siec.liczbaOdcinkow()));
            p.obie([&](DrogaTestowa& t) {
                Siec& s = t.d.siec;
                auto& la = s.OdcinkiStacji[std::size_t(a)];
                switch (zmiana) {
                case 0:
                    std::reverse(la.begin(), la.end());
                    break;
                case 1:
                    if (e < s.liczbaOdcinkow()) {
                        TOdcinek& o = s.Odcinki[std::size_t(e)];
                        auto& stara = s.OdcinkiStacji[std::size_t(o.LpStB)];
                        const auto jest = std::find(stara.begin(), stara.end(), e);
                        if (jest != stara.end())
                            stara.erase(jest);
                        o.LpStB = b;
                        s.OdcinkiStacji[std::size_t(b)].push_back(e);
                    }
                    break;
                case 2:
                    dodajOdcinek(s, a, b, 1000, 1, cechy::Normalnotorowa, 0, 60);
                    przygotujStawki(s, 2000);
                    break;
                default:
                    if (!la.empty())
                        la.pop_back();
                    break;
                }
                t.d.kontrolki.kryterium = krok % 4 == 2 ? 3 : krok % 2;
            });
            const int od = los.ponizej(n);
            const int doSt = los.szansa(0.3) ? -1 : los.ponizej(n);
            const std::string roznica = p.porownaj(od, doSt, 0);
            ASSERT_EQ(roznica, "") << "sieć " << siec << ", krok " << krok << ", zmiana " << zmiana;
        }
    }
}
