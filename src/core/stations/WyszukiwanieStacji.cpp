#include "WyszukiwanieStacji.h"

#include "network/Siec.h"

#include <QLocale>
#include <algorithm>

namespace tks {

WyszukiwanieStacji::WyszukiwanieStacji(const Siec& s, std::vector<int> lista)
    : s_(s), lista_(std::move(lista)), bezWielkosci_(kolatorNazwStacji()),
      zWielkoscia_(QLocale(QLocale::Polish, QLocale::Poland))
{
    zWielkoscia_.setCaseSensitivity(Qt::CaseSensitive);
}

void WyszukiwanieStacji::aktywuj(int wysokoscListy)
{
    const int n = dlugosc();
    a_ = std::max(0, wysokoscListy / kWysokoscWierszaStacji - 1);
    pasek_ = a_ < n;
    if (!pasek_)
        a_ = n - 1;
    wiersz_ = 0;
    maksimum_ = std::max(0, n - a_ - 1);
    pozycja_ = 0;
    znajdz(QStringLiteral("a"));
}

QString WyszukiwanieStacji::nazwa(int p) const
{
    return s_.nazwaStacji(lista_[std::size_t(p)]);
}

int WyszukiwanieStacji::pozycjaDlaTekstu(const QString& tekst) const
{
    const int n = dlugosc();
    if (n == 0)
        return -1;
    // Lista jest uporządkowana bez rozróżniania wielkości liter, a tekst
    // porównuje się z rozróżnianiem: porządek z wielkością liter tylko
    // rozstrzyga remisy tego bez niej. Wpisy mniejsze bez wielkości liter są
    // mniejsze i z nią - te pomija wyszukiwanie binarne; wśród wpisów równych
    // tekstowi bez wielkości liter (zwykle najwyżej kilka) decyduje porównanie
    // z wielkością, a za nimi każdy wpis jest już większy.
    const auto poczatek = std::partition_point(lista_.begin(), lista_.end(), [&](int st) {
        return bezWielkosci_.compare(s_.nazwaStacji(st), tekst) < 0;
    });
    int i = int(poczatek - lista_.begin());
    while (i < n) {
        const QString nz = nazwa(i);
        if (bezWielkosci_.compare(nz, tekst) != 0 || zWielkoscia_.compare(nz, tekst) >= 0)
            break;
        ++i;
    }
    // Tylko wpisy 0 .. n - 2; gdy żaden nie pasuje - ostatni.
    return std::min(i, n - 1);
}

bool WyszukiwanieStacji::znajdz(const QString& tekst)
{
    const int i = pozycjaDlaTekstu(tekst);
    if (i < 0)
        return false;
    if (wiersz_ + maksimum_ < i) {
        wiersz_ = i - maksimum_;
        pozycja_ = maksimum_;
    } else if (i <= wiersz_) {
        wiersz_ = i;
        pozycja_ = 0;
    } else {
        pozycja_ = i - wiersz_;
    }
    return nazwa(i) == tekst;
}

QString WyszukiwanieStacji::przewin(int pozycja)
{
    pozycja_ = std::clamp(pozycja, 0, maksimum_);
    return nazwaWybranej();
}

int WyszukiwanieStacji::przesun(int krok)
{
    const int p = std::clamp(pozycja_ + krok, 0, maksimum_);
    if (p != pozycja_) {
        pozycja_ = p;
        return pozycja_;
    }
    // Lista przewinięta do końca (albo bez paska): zaznaczenie przechodzi po
    // widocznych wierszach, inaczej ostatnich stacji nie dałoby się wybrać strzałkami.
    const int w = wiersz_ + krok;
    if (w >= 0 && w <= a_ && pozycja_ + w < dlugosc())
        wiersz_ = w;
    return pozycja_;
}

bool WyszukiwanieStacji::kliknij(int wiersz)
{
    if (wiersz < 0 || wiersz > a_ || pozycja_ + wiersz >= dlugosc())
        return false;
    wiersz_ = wiersz;
    return true;
}

QString WyszukiwanieStacji::nazwaWiersza(int k) const
{
    const int p = pozycja_ + k;
    return p >= 0 && p < dlugosc() ? nazwa(p) : QString();
}

int WyszukiwanieStacji::stacjaWiersza(int k) const
{
    const int p = pozycja_ + k;
    return p >= 0 && p < dlugosc() ? lista_[std::size_t(p)] : -1;
}

} // namespace tks
