#include "KalendarzPociagu.h"

#include "OpisKalendarza.h"
#include "app/Droga.h"
#include "common/Daty.h"
#include "trains/TabelePociagu.h"

#include <algorithm>
#include <cmath>

namespace tks {
namespace {

// Wartość kolumny small integer jako bajt modelu; spoza 0..255 - wartość,
// która nie jest żadną regułą (nie kursuje), zamiast przekręconej liczby.
std::uint8_t bajt(int v) { return (v >= 0 && v <= 255) ? std::uint8_t(v) : std::uint8_t(255); }

// Data z wiersza tabeli jako cały dzień; wartość nieliczbowa to dzień 0 (przed okresem).
double dzienWiersza(const Tabela& t, int w, const char* kolumna)
{
    const double v = t.rzeczywista(w, QString::fromLatin1(kolumna));
    return std::isfinite(v) ? v : 0.0;
}

const char* const kKolumnyD[8] = {"D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8"};

} // namespace

void NowyKalendarz(Droga& d)
{
    Kalendarz& k = d.kalendarz;
    TworzSiatkeKalendarza(k, d.rozkladOd, d.rozkladDo, d.siec.Swieta);
    k.Zakresy = {ZakresDomyslny(d.rozkladOd, d.rozkladDo)};
    k.AktywnyZakres = 0;
    AktywujZakres(d, 0);
}

void WczytajKalendarz(Droga& d, const Tabela& t)
{
    Kalendarz& k = d.kalendarz;
    TworzSiatkeKalendarza(k, d.rozkladOd, d.rozkladDo, d.siec.Swieta);
    const double od = dzienZDaty(d.rozkladOd);
    const double doDnia = dzienZDaty(d.rozkladDo);
    k.Zakresy.clear();
    for (int w = 0; w < t.liczbaWierszy(); ++w) {
        const int dod = t.calkowita(w, QStringLiteral("Dod"));
        const double zakresOd = dzienWiersza(t, w, "ZakresOd");
        if (dod == 2) {
            TZakresy z;
            z.ZakresOd = std::clamp(std::floor(zakresOd), od, doDnia);
            z.ZakresDo = std::clamp(std::floor(dzienWiersza(t, w, "ZakresDo")), od, doDnia);
            for (int i = 0; i < 8; ++i)
                z.D[i] = bajt(t.calkowita(w, QString::fromLatin1(kKolumnyD[i])));
            k.Zakresy.push_back(z);
        } else if (od <= zakresOd && zakresOd <= doDnia) {
            k.Dni[std::size_t(std::trunc(zakresOd - od))].Dod = bajt(dod);
        }
    }
    // same oznaczenia dni bez zakresu: dni nie miałyby reguł - zakres domyślny
    if (k.Zakresy.empty())
        k.Zakresy = {ZakresDomyslny(d.rozkladOd, d.rozkladDo)};
    PrzypiszDniDoZakresow(k);
    k.AktywnyZakres = 0;
    if (d.pociag.pole(QStringLiteral("AutGenOpKurs")).toBool())
        GenerujOpis(d);
    AktywujZakres(d, 0);
}

void AktywujZakres(Droga& d, int nr)
{
    Kalendarz& k = d.kalendarz;
    if (k.Zakresy.empty())
        return;
    k.AktywnyZakres = std::clamp(nr, 0, k.liczbaZakresow() - 1);
    UstawPrzyciskiWgRegul(k.przyciski, k.Zakresy[std::size_t(k.AktywnyZakres)].D);
    AktualizujReguly(k);
    GenerujOpis(d);
}

void KliknijDzienTygodnia(Droga& d, int dzien, bool kursuje)
{
    if (dzien < 0 || dzien > 6)
        return;
    d.kalendarz.przyciski.J[dzien] = kursuje;
    AktualizujReguly(d.kalendarz);
    GenerujOpis(d);
}

void KliknijSwieta(Droga& d, bool kursuje)
{
    PrzyciskiRegul& p = d.kalendarz.przyciski;
    bool& ten = kursuje ? p.JS : p.NS;
    bool& drugi = kursuje ? p.NS : p.JS;
    ten = !ten;
    if (ten)
        drugi = false;
    AktualizujReguly(d.kalendarz);
    GenerujOpis(d);
}

void KliknijWzorzec(Droga& d, Wzorzec w)
{
    const std::uint8_t* reguly = RegulyWzorca(w);
    if (!reguly)
        return;
    UstawPrzyciskiWgRegul(d.kalendarz.przyciski, reguly);
    AktualizujReguly(d.kalendarz);
    GenerujOpis(d);
}

void UstawAutomatycznyOpis(Droga& d, bool wlaczony)
{
    d.pociag.ustaw(QStringLiteral("AutGenOpKurs"), wlaczony);
    if (wlaczony)
        GenerujOpis(d);
    else
        d.pociag.zatwierdz();
}

Tabela WierszeKalendarza(const Kalendarz& k, const QVariant& idPociagu)
{
    Tabela t = nowaTabelaKalendarz();
    for (const TZakresy& z : k.Zakresy) {
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("IdPociagu"), idPociagu);
        t.ustaw(w, QStringLiteral("ZakresOd"), z.ZakresOd);
        t.ustaw(w, QStringLiteral("ZakresDo"), z.ZakresDo);
        for (int i = 0; i < 8; ++i)
            t.ustaw(w, QString::fromLatin1(kKolumnyD[i]), int(z.D[i]));
        t.ustaw(w, QStringLiteral("Dod"), 2);
    }
    for (int i = 0; i < k.liczbaDni(); ++i) {
        if (Kursuje(k, i) == KursujeWgReguly(k, i))
            continue;
        const TDzienKalendarza& dz = k.Dni[std::size_t(i)];
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("IdPociagu"), idPociagu);
        t.ustaw(w, QStringLiteral("ZakresOd"), dz.Data);
        t.ustaw(w, QStringLiteral("ZakresDo"), dz.Data);
        for (int j = 0; j < 8; ++j)
            t.ustaw(w, QString::fromLatin1(kKolumnyD[j]), 0);
        t.ustaw(w, QStringLiteral("Dod"), int(dz.Dod));
    }
    return t;
}

} // namespace tks
