#include "WyborStacji.h"

#include "app/Droga.h"
#include "common/Interakcja.h"
#include "map/Kanwa.h"
#include "map/Klikniecia.h"
#include "map/Widok.h"
#include "network/Siec.h"

#include <QFontMetrics>
#include <algorithm>

namespace tks {

namespace {
constexpr std::int32_t kNiewidoczna = 10000;   // stacje od tej widoczności nie są na listach
}

const std::vector<std::int32_t>& StacjeAlfabetycznie(const Siec& s)
{
    return s.StacjeWgNazwy;
}

namespace {

// Ustawia Wybieralna (bez zapisu tam, gdzie wartość się nie zmienia) i zwraca
// kopię bajtów filtru: rekordy stacji są duże, więc przy 100 000 stacji lista
// alfabetyczna jest filtrowana przez tę kopię, a rekordy czytane raz, po kolei.
template <class F>
std::vector<std::uint8_t> ustawFiltr(Siec& s, F wybieralna)
{
    std::vector<std::uint8_t> filtr(s.Stacje.size());
    for (std::size_t i = 0; i < filtr.size(); ++i) {
        TStacja& st = s.Stacje[i];
        const std::uint8_t w = wybieralna(i, st) ? 1 : 0;
        if (st.Wybieralna != w)
            st.Wybieralna = w;
        filtr[i] = w;
    }
    return filtr;
}

std::vector<int> przefiltruj(const Siec& s, const std::vector<std::uint8_t>& filtr)
{
    std::vector<int> l;
    l.reserve(filtr.size());
    const int n = int(filtr.size());
    for (const std::int32_t i : StacjeAlfabetycznie(s))
        if (i >= 0 && i < n && filtr[std::size_t(i)])
            l.push_back(i);
    return l;
}

std::vector<std::uint8_t> filtrWszystkich(Siec& s)
{
    return ustawFiltr(s, [](std::size_t, const TStacja& st) { return st.Widocznosc < kNiewidoczna; });
}

std::vector<std::uint8_t> filtrWyboru(Droga& d)
{
    Siec& s = d.siec;
    const auto& kandydaci = d.trasa.PunktyWyboru;
    if (kandydaci.empty())
        return filtrWszystkich(s);
    std::vector<char> kandydat(s.Stacje.size(), 0);
    for (const auto& p : kandydaci)
        if (p.LpStacji >= 0 && p.LpStacji < s.liczbaStacji())
            kandydat[std::size_t(p.LpStacji)] = 1;
    return ustawFiltr(s, [&](std::size_t i, const TStacja&) { return kandydat[i] != 0; });
}

} // namespace

void UstawWybieralneWszystkie(Siec& s)
{
    filtrWszystkich(s);
}

void UstawWybieralne(Droga& d)
{
    filtrWyboru(d);
}

std::vector<int> StacjeWybieralne(const Siec& s)
{
    std::vector<std::uint8_t> filtr(s.Stacje.size());
    for (std::size_t i = 0; i < filtr.size(); ++i)
        filtr[i] = s.Stacje[i].Wybieralna;
    return przefiltruj(s, filtr);
}

std::vector<int> StacjeDoWyboru(Droga& d)
{
    return przefiltruj(d.siec, filtrWyboru(d));
}

std::vector<int> WszystkieStacjeDoWyboru(Siec& s)
{
    return przefiltruj(s, filtrWszystkich(s));
}

int OknaStacjiInterakcji::wyszukajStacje(const Siec& s, const std::vector<int>& lista)
{
    QStringList nazwy;
    nazwy.reserve(qsizetype(lista.size()));
    for (const int i : lista)
        nazwy << s.nazwaStacji(i);
    const int k = i_.wybor(kTytulOknaStacji, QString(), nazwy);
    return k >= 0 && k < int(lista.size()) ? lista[std::size_t(k)] : -1;
}

int OknaStacjiInterakcji::wybierzOznaczona(const QStringList& nazwy)
{
    const int k = i_.wybor(kTytulOknaListyStacji, QString(), nazwy);
    return k >= 0 && k < nazwy.size() ? k : -1;
}

int WybierzStacjeZListy(Droga& d, bool usuwanie, OknaStacji& okna)
{
    if (usuwanie) {
        const QStringList nazwy = NazwyOznaczonychStacji(d);
        const int k = okna.wybierzOznaczona(nazwy);
        return k >= 0 && k < nazwy.size() ? StacjaONazwie(d, nazwy[k]) : -1;
    }
    const int st = okna.wyszukajStacje(d.siec, StacjeDoWyboru(d));
    return st >= 0 && st < d.siec.liczbaStacji() ? st : -1;
}

ListaKandydatow ListaStacjiRecznych(const Droga& d, const std::function<int(const QString&)>& szerokoscTekstu,
                                    int szerokoscPoczatkowa)
{
    ListaKandydatow l;
    l.szerokosc = szerokoscPoczatkowa;
    for (const auto& p : d.trasa.PunktyWyboru) {
        l.nazwy << p.Nazwa;
        l.szerokosc = std::max(l.szerokosc, szerokoscTekstu(p.Nazwa) + 10);
    }
    return l;
}

ListaKandydatow ListaStacjiRecznych(const Droga& d)
{
    const QFontMetrics m(qFontZ(Czcionka{}));
    return ListaStacjiRecznych(d, [&](const QString& t) { return m.horizontalAdvance(t); });
}

QStringList NazwyWszystkichStacji(const Siec& s)
{
    QStringList l;
    for (const std::int32_t i : StacjeAlfabetycznie(s))
        if (i >= 0 && i < s.liczbaStacji() && s.Stacje[std::size_t(i)].Widocznosc < kNiewidoczna)
            l << s.nazwaStacji(i);
    return l;
}

int PoczatekListyStacji(const QStringList& nazwy)
{
    if (nazwy.isEmpty())
        return -1;
    const QCollator k = kolatorNazwStacji();
    const int ostatni = int(nazwy.size()) - 1;
    int i = 0;
    // Skok o 15 poza koniec listy zatrzymuje się na ostatniej pozycji.
    while (i < ostatni && k.compare(nazwy[i], QStringLiteral("A")) < 0)
        i = std::min(i + 15, ostatni);
    return i;
}

void PokazStacjeNaMapie(Widok& w, const Siec& s, int stacja)
{
    if (stacja < 0 || stacja >= s.liczbaStacji())
        return;
    const TStacja& st = s.Stacje[std::size_t(stacja)];
    // Stacja (i jej nazwa) jest rysowana od powiększenia Widocznosc × 10000.
    // Przy 1× mapa zawsze wraca do środka domyślnego, a nazwy gęsto leżących
    // stacji zakrywają się nawzajem: co najmniej kPowiekszenieZnalezionej.
    const std::int64_t potrzebne =
        std::max(std::int64_t(std::max(st.Widocznosc, 0)) * kPowiekszenie1x, kPowiekszenieZnalezionej);
    while (w.zoom < potrzebne && w.zoom < kGranicaPowiekszania)
        w.zoom *= 2;
    UstawSrodek(w, st.Xkm, st.Ykm);
}

} // namespace tks
