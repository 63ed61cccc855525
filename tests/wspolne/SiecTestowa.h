#pragma once
// Małe sieci budowane w testach.

#include "network/Siec.h"
#include "wspolne/DrukQt.h"

#include <QString>
#include <vector>

namespace tks::test {

// Dodaje stację i zwraca jej indeks.
inline int dodajStacje(Siec& s, const QString& nazwa, double x, double y, int idOb = -1, int widocznosc = 1)
{
    TStacja st;
    st.Xkm = x;
    st.Ykm = y;
    st.IdObEksp = idOb >= 0 ? idOb : 1000 + int(s.Stacje.size());
    st.NazwaStacji.ustaw(nazwa);
    st.Widocznosc = widocznosc;
    s.Stacje.push_back(st);
    s.OdcinkiStacji.emplace_back();
    return int(s.Stacje.size()) - 1;
}

// Dodaje odcinek a-b (długość w metrach) na linii; zwraca jego indeks.
// Stawki trzeba przygotować osobno (przygotujStawki).
inline int dodajOdcinek(Siec& s, int a, int b, int metry, int linia, std::uint16_t cechyOdc = cechy::Normalnotorowa,
                        int metrOsiA = 0, int vmax = 100)
{
    TOdcinek o;
    o.Lp = int(s.Odcinki.size()) + 1;
    o.LpStA = a;
    o.LpStB = b;
    o.IdObA = s.Stacje[std::size_t(a)].IdObEksp;
    o.IdObB = s.Stacje[std::size_t(b)].IdObEksp;
    o.Odleglosc = metry;
    o.XA = s.Stacje[std::size_t(a)].Xkm;
    o.YA = s.Stacje[std::size_t(a)].Ykm;
    o.XB = s.Stacje[std::size_t(b)].Xkm;
    o.YB = s.Stacje[std::size_t(b)].Ykm;
    o.MetrOsiA = metrOsiA;
    o.MetrOsiB = metrOsiA + metry;
    o.NrLinii = std::int16_t(linia);
    o.Cechy = cechyOdc;
    o.KodZarzadu = (cechyOdc & cechy::ObcyZarzad) ? 2 : 1;
    o.VP1 = o.VP2 = o.VOgr1 = o.VOgr2 = std::uint8_t(vmax);
    o.VT1 = o.VT2 = std::uint8_t(std::min(vmax, 100));
    o.OznFK.ustaw(QStringLiteral("A"));
    s.Odcinki.push_back(o);
    const int e = int(s.Odcinki.size()) - 1;
    s.OdcinkiStacji[std::size_t(a)].push_back(e);
    s.OdcinkiStacji[std::size_t(b)].push_back(e);
    ++s.Stacje[std::size_t(a)].LOdcinkow;
    ++s.Stacje[std::size_t(b)].LOdcinkow;
    return e;
}

// Dwa rodzaje stawek (pasażerski 3 przedziały, towarowy 2) i tabele słownikowe.
inline void dodajRodzaje(Siec& s)
{
    TRodzajStawki p, t;
    p.Nazwa.ustaw(QStringLiteral("Pasażerski"));
    p.NazwaPolaWBazie.ustaw(QStringLiteral("PAS"));
    p.LZakrBr = 3;
    t.Nazwa.ustaw(QStringLiteral("Towarowy"));
    t.NazwaPolaWBazie.ustaw(QStringLiteral("TOW"));
    t.LZakrBr = 2;
    s.RodzajeStawek = {p, t};
    const struct { int id, rodzaj, lp; double od, d; int br; const char* opis; } zakresy[] = {
        {1, 0, 0, 0, 200, 150, "do 200 t"},        {2, 0, 1, 200, 400, 300, "powyżej 200 t do 400 t"},
        {3, 0, 2, 400, 800, 600, "powyżej 400 t"}, {4, 1, 0, 0, 1000, 800, "do 1000 t"},
        {5, 1, 1, 1000, 3000, 2000, "powyżej 1000 t"},
    };
    s.ZakresyBr.wyczysc();
    for (const auto& z : zakresy) {
        const int w = s.ZakresyBr.dodajWiersz();
        s.ZakresyBr.ustaw(w, QStringLiteral("IdZakresuBr"), z.id);
        s.ZakresyBr.ustaw(w, QStringLiteral("IdRodzajuStawki"), z.rodzaj);
        s.ZakresyBr.ustaw(w, QStringLiteral("LpZakresuBr"), z.lp);
        s.ZakresyBr.ustaw(w, QStringLiteral("ZakresOd"), z.od);
        s.ZakresyBr.ustaw(w, QStringLiteral("ZakresDo"), z.d);
        s.ZakresyBr.ustaw(w, QStringLiteral("BrDoObl"), z.br);
        s.ZakresyBr.ustaw(w, QStringLiteral("Opis"), QString::fromUtf8(z.opis));
    }
    s.RodzajeStawekTab.wyczysc();
    const struct { int id; const char* nazwa; const char* skrot; int l; } rodzaje[] = {
        {0, "Pasażerski", "P", 3}, {1, "Towarowy", "T", 2}};
    for (const auto& r : rodzaje) {
        const int w = s.RodzajeStawekTab.dodajWiersz();
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("IdRodzajuStawki"), r.id);
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("Nazwa"), QString::fromUtf8(r.nazwa));
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("Skrot"), QString::fromUtf8(r.skrot));
        s.RodzajeStawekTab.ustaw(w, QStringLiteral("LZakrBr"), r.l);
    }
}

// Układ stawek dla wszystkich odcinków; każda stawka = `wartosc`.
inline void przygotujStawki(Siec& s, std::uint16_t wartosc)
{
    std::vector<int> l;
    for (const auto& r : s.RodzajeStawek)
        l.push_back(r.LZakrBr);
    s.Stawki.przygotuj(s.Odcinki.size(), l);
    for (auto& v : s.Stawki.surowe())
        v = wartosc;
}

// Stacje "S0", "S1", … w linii prostej co 1 km na mapie; zwraca ich indeksy.
inline std::vector<int> stacjeWLinii(Siec& s, std::size_t liczba)
{
    std::vector<int> st;
    for (std::size_t i = 0; i < liczba; ++i)
        st.push_back(dodajStacje(s, QStringLiteral("S%1").arg(i), double(i), 0));
    return st;
}

// Zarządcy: 0 bez nazwy, 1 "KZT ZLT S.A.", 2 obcy.
inline void dodajZarzadcow(Siec& s)
{
    for (const char* z : {"", "KZT ZLT S.A.", "Obcy Zarząd Sp. z o.o."}) {
        s.Zarzadcy.push_back({});
        s.Zarzadcy.back().ustaw(QString::fromUtf8(z));
    }
}

// Rodzaje stawek i stawki kolejnych odcinków w rodzaju 0, przedziale 0 (pole `stawka`
// opisu odcinka); pozostałe stawki 0.
template <class Opis>
void stawkiOdcinkow(Siec& s, const std::vector<Opis>& odcinki)
{
    dodajRodzaje(s);
    przygotujStawki(s, 0);
    for (std::size_t i = 0; i < odcinki.size(); ++i)
        s.Stawki.ustaw(i, 0, 0, odcinki[i].stawka);
}

} // namespace tks::test
