#include "SiatkaKalendarza.h"

#include "common/Daty.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace tks {

using namespace siatka;

QRect ProstokatKomorki(int wiersz, int kolumna)
{
    const int lewy = kolumna * SzerokoscDnia + SzerokoscEtykiet + 1;
    const int gora = wiersz * WysokoscDnia + WysokoscEtykiet + 1;
    const int prawy = (kolumna + 1) * SzerokoscDnia + SzerokoscEtykiet;
    const int dol = (wiersz + 1) * WysokoscDnia + WysokoscEtykiet;
    return QRect(lewy, gora, prawy - lewy, dol - gora);
}

QRect ProstokatEtykietyWiersza(int wiersz)
{
    const int gora = wiersz * WysokoscDnia + WysokoscEtykiet + 1;
    const int dol = (wiersz + 1) * WysokoscDnia + WysokoscEtykiet;
    return QRect(1, gora, SzerokoscEtykiet - 1, dol - gora);
}

QRect ProstokatEtykietyKolumny(int kolumna)
{
    const int lewy = kolumna * SzerokoscDnia + SzerokoscEtykiet + 1;
    const int prawy = (kolumna + 1) * SzerokoscDnia + SzerokoscEtykiet;
    return QRect(lewy, 1, prawy - lewy, WysokoscEtykiet - 1);
}

QSize RozmiarSiatki(const Kalendarz& k)
{
    return QSize(k.LKolumn * SzerokoscDnia + SzerokoscEtykiet + 1, k.LWierszy * WysokoscDnia + WysokoscEtykiet + 1);
}

void UlozSiatke(Kalendarz& k)
{
    k.miesiaceWierszy.clear();
    k.komorki.clear();
    k.LWierszy = 0;
    k.LKolumn = 0;
    if (k.Dni.empty())
        return;
    const QDate pierwszy = dataZDnia(k.Dni.front().Data);
    const int rok0 = pierwszy.year();
    const int miesiac0 = pierwszy.month();
    for (auto& dz : k.Dni) {
        const QDate t = dataZDnia(dz.Data);
        const QDate poczatekMiesiaca(t.year(), t.month(), 1);
        dz.Wiersz = (t.year() - rok0) * 12 + (t.month() - miesiac0);
        // także pierwszy dzień okresu leży tak, jakby wiersz zaczynał się od 1. dnia miesiąca
        dz.Kolumna = (poczatekMiesiaca.dayOfWeek() - 1) + (t.day() - 1);
        dz.Prostokat = ProstokatKomorki(dz.Wiersz, dz.Kolumna);
        if (dz.Wiersz + 1 > k.LWierszy) {
            k.LWierszy = dz.Wiersz + 1;
            k.miesiaceWierszy.resize(std::size_t(k.LWierszy));
            k.miesiaceWierszy.back() = poczatekMiesiaca;
        }
        k.LKolumn = std::max(k.LKolumn, dz.Kolumna + 1);
    }
    k.komorki.assign(std::size_t(k.LWierszy * k.LKolumn), -1);
    for (int i = 0; i < k.liczbaDni(); ++i) {
        const auto& dz = k.Dni[std::size_t(i)];
        k.komorki[std::size_t(dz.Wiersz * k.LKolumn + dz.Kolumna)] = i;
    }
}

QString EtykietaWiersza(const Kalendarz& k, int wiersz)
{
    if (wiersz < 0 || wiersz >= int(k.miesiaceWierszy.size()))
        return {};
    const QDate m = k.miesiaceWierszy[std::size_t(wiersz)];
    const QString rok = QString::number(m.year());
    if (m.month() == 10)
        return rok + QStringLiteral(" październ.");
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    return (rok + QLatin1Char(' ') + pl.standaloneMonthName(m.month(), QLocale::LongFormat)).left(16);
}

QString EtykietaKolumny(int kolumna)
{
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    const int dzien = ((kolumna % 7) + 7) % 7 + 1;
    return pl.dayName(dzien, QLocale::ShortFormat).left(2);
}

int DniKursowaniaWWierszu(const Kalendarz& k, int wiersz)
{
    int n = 0;
    for (int i = 0; i < k.liczbaDni(); ++i)
        if (k.Dni[std::size_t(i)].Wiersz == wiersz && Kursuje(k, i))
            ++n;
    return n;
}

PolozenieWskaznika PolozenieWSiatce(const Kalendarz& k, int x, int y)
{
    PolozenieWskaznika p;
    const int n = k.liczbaDni();
    const int wiersz = int(std::trunc((y - WysokoscEtykiet) / double(WysokoscDnia)));
    if (n == 0 || wiersz < 0 || wiersz >= k.LWierszy)
        return p;
    const double q = (x - SzerokoscEtykiet) / double(SzerokoscDnia);
    const int kolumna = int(std::trunc(q));
    const double f = q - std::trunc(q);   // ze znakiem: ujemne tuż przed pierwszą kolumną
    const bool przyPodziale = std::min(f, 1.0 - f) < ProgPodzialu;

    const int dzien = k.dzienWKomorce(wiersz, kolumna);
    p.dzien = dzien;
    bool podzialObok = true;   // czy po stronie wskaźnika leży dzień
    if (dzien >= 0) {
        p.podzial = f <= 0.5 ? dzien : dzien + 1;
    } else {
        // pusta komórka: podział przy skrajnym dniu wiersza od strony komórki
        int pierwszaKol = k.LKolumn, ostatniaKol = -1;
        for (int c = 0; c < k.LKolumn; ++c)
            if (k.dzienWKomorce(wiersz, c) >= 0) {
                pierwszaKol = std::min(pierwszaKol, c);
                ostatniaKol = std::max(ostatniaKol, c);
            }
        if (ostatniaKol < 0)
            return p;
        if (kolumna < pierwszaKol) {
            p.podzial = k.dzienWKomorce(wiersz, pierwszaKol);
            podzialObok = f > 0.5 && kolumna + 1 == pierwszaKol;
        } else {
            p.podzial = k.dzienWKomorce(wiersz, ostatniaKol) + 1;
            podzialObok = f <= 0.5 && kolumna - 1 == ostatniaKol;
        }
    }

    if (dzien >= 0 && !przyPodziale) {
        p.zakres = k.Dni[std::size_t(dzien)].NrZakresu;
        p.stan = p.zakres == k.AktywnyZakres ? StanWskaznika::DzienAktywnegoZakresu : StanWskaznika::DzienInnegoZakresu;
        return p;
    }
    const int b = p.podzial;
    if (przyPodziale && podzialObok && b >= 1 && b < n) {
        const int lewy = k.Dni[std::size_t(b - 1)].NrZakresu;
        const int prawy = k.Dni[std::size_t(b)].NrZakresu;
        p.zakres = prawy;
        p.stan = lewy == prawy ? StanWskaznika::PodzialWZakresie : StanWskaznika::PodzialMiedzyZakresami;
    }
    return p;
}

} // namespace tks
