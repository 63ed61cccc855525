#include "Kalendarz.h"

#include "SiatkaKalendarza.h"
#include "common/Daty.h"

#include <algorithm>
#include <cmath>

namespace tks {

int Kalendarz::dzienWKomorce(int wiersz, int kolumna) const
{
    if (wiersz < 0 || wiersz >= LWierszy || kolumna < 0 || kolumna >= LKolumn)
        return -1;
    return komorki[std::size_t(wiersz * LKolumn + kolumna)];
}

char DzienTygodnia(double data)
{
    // dzień tygodnia platformy: 1 niedziela .. 7 sobota
    const int w = dataZDnia(data).dayOfWeek() % 7 + 1;
    return char('0' + ((w + 5) % 7) + 1);
}

void TworzSiatkeKalendarza(Kalendarz& k, const QDate& od, const QDate& doDnia, const std::vector<double>& swieta)
{
    const double pierwszy = dzienZDaty(od);
    const int n = std::max<qint64>(0, od.daysTo(doDnia) + 1);
    k.Dni.assign(std::size_t(n), TDzienKalendarza{});
    for (int i = 0; i < n; ++i) {
        TDzienKalendarza& dz = k.Dni[std::size_t(i)];
        dz.Data = pierwszy + i;
        dz.Dod = 2;
        dz.NrZakresu = 0;
        dz.DzienTyg = DzienTygodnia(dz.Data);
        dz.Swieto = std::find(swieta.begin(), swieta.end(), dz.Data) != swieta.end() ? 1 : 0;
        dz.Zaznaczony = 0;
    }
    UlozSiatke(k);
}

TZakresy ZakresDomyslny(const QDate& od, const QDate& doDnia)
{
    TZakresy z;
    z.ZakresOd = dzienZDaty(od);
    z.ZakresDo = dzienZDaty(doDnia);
    return z;
}

int IndeksDnia(const Kalendarz& k, double data)
{
    if (k.Dni.empty())
        return -1;
    const double r = data - k.Dni.front().Data;
    // Trunc, z ograniczeniem do rozsądnych wartości
    return int(std::clamp(std::trunc(r), -1e6, 1e6));
}

bool KursujeWgReguly(const Kalendarz& k, int i)
{
    if (i < 0 || i >= k.liczbaDni())
        return false;
    const TDzienKalendarza& dz = k.Dni[std::size_t(i)];
    if (dz.NrZakresu < 0 || dz.NrZakresu >= k.liczbaZakresow())
        return false;
    const TZakresy& r = k.Zakresy[std::size_t(dz.NrZakresu)];
    const int w = dz.DzienTyg - '0';
    const bool c = w >= 1 && w <= 7 && r.D[w - 1] == 1;
    const bool h = dz.Swieto == 1;
    switch (r.D[7]) {
    case 0:
        return c && !h;
    case 1:
        return c || h;
    case 2:
        return c;
    default:
        return false;
    }
}

bool Kursuje(const Kalendarz& k, int i)
{
    if (i < 0 || i >= k.liczbaDni())
        return false;
    switch (k.Dni[std::size_t(i)].Dod) {
    case 0:
        return false;
    case 1:
        return true;
    default:
        return KursujeWgReguly(k, i);
    }
}

int LiczDniKursowania(const Kalendarz& k)
{
    int n = 0;
    for (int i = 0; i < k.liczbaDni(); ++i)
        n += Kursuje(k, i) ? 1 : 0;
    return n;
}

void PrzypiszDniDoZakresow(Kalendarz& k)
{
    const int n = k.liczbaDni();
    for (int z = 0; z < k.liczbaZakresow(); ++z) {
        const int a = std::max(0, IndeksDnia(k, k.Zakresy[std::size_t(z)].ZakresOd));
        const int b = std::min(n - 1, IndeksDnia(k, k.Zakresy[std::size_t(z)].ZakresDo));
        for (int i = a; i <= b; ++i)
            k.Dni[std::size_t(i)].NrZakresu = z;
    }
}

void ZaznaczDni(Kalendarz& k, int a, int b)
{
    if (a > b)
        std::swap(a, b);
    for (int i = 0; i < k.liczbaDni(); ++i)
        k.Dni[std::size_t(i)].Zaznaczony = (i >= a && i <= b) ? 1 : 0;
}

void WyczyscZaznaczenie(Kalendarz& k)
{
    for (auto& dz : k.Dni)
        dz.Zaznaczony = 0;
}

void UstawOznaczenia(Kalendarz& k, int s)
{
    const std::uint8_t znak = Kursuje(k, s) ? 0 : 1;
    for (auto& dz : k.Dni)
        if (dz.Zaznaczony)
            dz.Dod = znak;
}

void UsunOznaczenie(Kalendarz& k, int dzien)
{
    if (dzien >= 0 && dzien < k.liczbaDni())
        k.Dni[std::size_t(dzien)].Dod = 2;
}

std::vector<int> UsunOznaczeniaZakresu(Kalendarz& k)
{
    std::vector<int> zmienione;
    for (int i = 0; i < k.liczbaDni(); ++i) {
        TDzienKalendarza& dz = k.Dni[std::size_t(i)];
        if (dz.NrZakresu == k.AktywnyZakres && (dz.Dod == 0 || dz.Dod == 1)) {
            dz.Dod = 2;
            zmienione.push_back(i);
        }
    }
    return zmienione;
}

namespace {

// Czy b jest podziałem (między dniami b - 1 i b) wewnątrz siatki dni.
bool podzialWSiatce(const Kalendarz& k, int b) { return b >= 1 && b < k.liczbaDni(); }

} // namespace

bool PodzielZakres(Kalendarz& k, int b)
{
    if (!podzialWSiatce(k, b))
        return false;
    const int z = k.Dni[std::size_t(b)].NrZakresu;
    if (k.Dni[std::size_t(b - 1)].NrZakresu != z || z < 0 || z >= k.liczbaZakresow())
        return false;
    TZakresy kopia = k.Zakresy[std::size_t(z)];
    k.Zakresy[std::size_t(z)].ZakresDo = k.Dni[std::size_t(b - 1)].Data;
    kopia.ZakresOd = k.Dni[std::size_t(b)].Data;
    k.Zakresy.insert(k.Zakresy.begin() + z + 1, kopia);
    // aktywny zakres za dzielonym przesuwa się razem ze swoimi regułami
    if (k.AktywnyZakres > z)
        ++k.AktywnyZakres;
    PrzypiszDniDoZakresow(k);
    return true;
}

bool UsunPodzial(Kalendarz& k, int b)
{
    if (!podzialWSiatce(k, b))
        return false;
    const int l = k.Dni[std::size_t(b - 1)].NrZakresu;
    const int r = k.Dni[std::size_t(b)].NrZakresu;
    if (l == r || l < 0 || r >= k.liczbaZakresow() || r != l + 1)
        return false;
    const bool aktywnyZnika = k.AktywnyZakres == r;
    if (l < k.AktywnyZakres)
        --k.AktywnyZakres;
    k.Zakresy[std::size_t(l)].ZakresDo = k.Zakresy[std::size_t(r)].ZakresDo;
    k.Zakresy.erase(k.Zakresy.begin() + r);
    PrzypiszDniDoZakresow(k);
    // Aktywny stał się zakres L z własnymi regułami: przyciski muszą je pokazać,
    // inaczej następne kliknięcie zapisałoby do L reguły usuniętego zakresu.
    if (aktywnyZnika) {
        UstawPrzyciskiWgRegul(k.przyciski, k.Zakresy[std::size_t(k.AktywnyZakres)].D);
        AktualizujReguly(k);
    }
    return true;
}

bool PrzesunPodzial(Kalendarz& k, int b0, int b1)
{
    const int n = k.liczbaDni();
    if (b1 == b0 || !podzialWSiatce(k, b0) || b1 < 0 || b1 > n)
        return false;
    // przesuwa się tylko granica dwóch zakresów
    if (k.Dni[std::size_t(b0 - 1)].NrZakresu == k.Dni[std::size_t(b0)].NrZakresu)
        return false;
    // dni między podziałami idą do zakresu po stronie, od której ruszono podział
    const int doZakresu = b0 < b1 ? k.Dni[std::size_t(b0 - 1)].NrZakresu : k.Dni[std::size_t(b0)].NrZakresu;
    const int a = std::min(b0, b1);
    const int e = std::max(b0, b1);
    for (int i = a; i < e; ++i)
        k.Dni[std::size_t(i)].NrZakresu = doZakresu;

    // zakresy od nowa z ciągów dni o tym samym numerze zakresu
    std::vector<TZakresy> nowe;
    const int staryAktywny = k.AktywnyZakres;
    int nowyAktywny = -1;
    int nowyDocelowy = 0;
    int i = 0;
    while (i < n) {
        const int stary = k.Dni[std::size_t(i)].NrZakresu;
        int j = i;
        while (j + 1 < n && k.Dni[std::size_t(j + 1)].NrZakresu == stary)
            ++j;
        TZakresy z = (stary >= 0 && stary < k.liczbaZakresow()) ? k.Zakresy[std::size_t(stary)] : TZakresy{};
        z.ZakresOd = k.Dni[std::size_t(i)].Data;
        z.ZakresDo = k.Dni[std::size_t(j)].Data;
        const int nowy = int(nowe.size());
        nowe.push_back(z);
        if (stary == staryAktywny)
            nowyAktywny = nowy;
        if (stary == doZakresu)
            nowyDocelowy = nowy;
        for (int m = i; m <= j; ++m)
            k.Dni[std::size_t(m)].NrZakresu = nowy;
        i = j + 1;
    }
    k.Zakresy = std::move(nowe);
    if (nowyAktywny >= 0) {
        k.AktywnyZakres = nowyAktywny;
    } else {
        // aktywny zakres oddał wszystkie dni: aktywny jest ten, który je przejął
        k.AktywnyZakres = nowyDocelowy;
        UstawPrzyciskiWgRegul(k.przyciski, k.Zakresy[std::size_t(k.AktywnyZakres)].D);
        AktualizujReguly(k);
    }
    return true;
}

// --- przyciski reguł ---

namespace {

// D1..D7, D8 kolejnych wzorców (w kolejności wyliczenia Wzorzec).
const std::uint8_t kWzorce[kLiczbaWzorcow][8] = {
    {1, 1, 1, 1, 1, 1, 1, 2},   // Codziennie (kursuje)
    {0, 0, 0, 0, 0, 0, 0, 2},   // Codziennie (nie kursuje)
    {0, 0, 0, 0, 0, 0, 1, 1},   // U
    {1, 1, 1, 1, 1, 0, 0, 2},   // A
    {1, 1, 1, 1, 1, 0, 1, 2},   // B
    {0, 0, 0, 0, 0, 1, 1, 1},   // C
    {1, 1, 1, 1, 1, 0, 0, 0},   // D
    {1, 1, 1, 1, 1, 1, 0, 0},   // E
};

} // namespace

const std::uint8_t* RegulyWzorca(Wzorzec w)
{
    const int i = int(w);
    return (i >= 0 && i < kLiczbaWzorcow) ? kWzorce[i] : nullptr;
}

void UstawPrzyciskiWgRegul(PrzyciskiRegul& p, const std::uint8_t* D)
{
    for (int i = 0; i < 7; ++i)
        p.J[i] = D[i] == 1;
    p.JS = D[7] == 1;
    p.NS = D[7] == 0;
}

void AktualizujReguly(Kalendarz& k)
{
    PrzyciskiRegul& p = k.przyciski;
    const bool wszystkieJ = std::all_of(std::begin(p.J), std::end(p.J), [](bool b) { return b; });
    const bool wszystkieN = std::none_of(std::begin(p.J), std::end(p.J), [](bool b) { return b; });
    if (p.JS && p.NS)
        p.NS = false;   // para świąt: co najwyżej jeden wciśnięty
    if (wszystkieN && p.NS)
        p.NS = false;
    if (wszystkieJ && p.JS)
        p.JS = false;

    std::uint8_t D[8];
    for (int i = 0; i < 7; ++i)
        D[i] = p.J[i] ? 1 : 0;
    D[7] = p.JS ? 1 : (p.NS ? 0 : 2);

    p.wzorzec = Wzorzec::Brak;
    for (int w = 0; w < kLiczbaWzorcow; ++w)
        if (std::equal(D, D + 8, kWzorce[w]))
            p.wzorzec = Wzorzec(w);

    if (k.AktywnyZakres >= 0 && k.AktywnyZakres < k.liczbaZakresow())
        std::copy(D, D + 8, k.Zakresy[std::size_t(k.AktywnyZakres)].D);
}

} // namespace tks
