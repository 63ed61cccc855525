#include "FiltrTabeli.h"

#include "common/Daty.h"

#include <QCollator>
#include <QLocale>

namespace tks {
namespace {

bool liczbowy(TypPola t)
{
    return t == TypPola::Calkowita || t == TypPola::Mala || t == TypPola::Rzeczywista || t == TypPola::DataCzas;
}

// Porównanie wartości wiersza z wartością warunku: <0, 0, >0. Teksty według
// polskiego porządku z rozróżnianiem wielkości liter; równość dokładna.
int porownaj(const QVariant& a, const QVariant& b, TypPola typ)
{
    if (liczbowy(typ) || typ == TypPola::Logiczna) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const QString s = a.toString(), t = b.toString();
    if (s == t)
        return 0;
    static const QCollator kolator = [] {
        QCollator c{QLocale(QLocale::Polish, QLocale::Poland)};
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    const int c = kolator.compare(s, t);
    return c != 0 ? c : s.compare(t);
}

} // namespace

Tfiltr warunekZMenu(const Tabela& t, int wiersz, const QString& kolumna, int operacja)
{
    Tfiltr f;
    f.kolumna = kolumna;
    f.wartosc = t.wartosc(wiersz, kolumna);
    f.operacja = operacja;
    f.rodzaj = kRodzajZMenu;
    return f;
}

Tfiltr warunekZOkna(const Tabela& t, const QString& kolumna, const QVariant& wartosc, int kryterium)
{
    Tfiltr f;
    f.kolumna = kolumna;
    f.wartosc = wartosc;
    f.operacja = kryterium;
    f.rodzaj = std::uint8_t(t.kolumna(t.indeksKolumny(kolumna)).typ);
    return f;
}

bool rodzajTekstowy(std::uint8_t rodzaj)
{
    return rodzaj == std::uint8_t(TypPola::Tekst) || rodzaj == std::uint8_t(TypPola::Memo);
}

bool spelniaWarunek(const Tabela& t, int wiersz, const Tfiltr& w)
{
    const int k = t.indeksKolumny(w.kolumna);
    if (k < 0)
        return true;
    const QVariant v = t.wartosc(wiersz, k);
    if (rodzajTekstowy(w.rodzaj)) {
        const QString s = v.toString(), wzor = w.wartosc.toString();
        switch (w.operacja) {
        case CalePole: return s == wzor;
        case PoczatekPola: return s.startsWith(wzor, Qt::CaseSensitive);
        case CzescPola: return s.contains(wzor, Qt::CaseSensitive);
        default: return true;
        }
    }
    // Null równe tylko Null; z Null nic nie jest większe ani mniejsze
    const bool nv = !v.isValid(), nw = !w.wartosc.isValid();
    if (nv || nw) {
        switch (w.operacja) {
        case Rowne: return nv && nw;
        case Rozne: return nv != nw;
        case WiekszeLubRowne:
        case MniejszeLubRowne: return nv && nw;
        default: return false;
        }
    }
    const int c = porownaj(v, w.wartosc, t.kolumna(k).typ);
    switch (w.operacja) {
    case Rowne: return c == 0;
    case Rozne: return c != 0;
    case Wieksze: return c > 0;
    case Mniejsze: return c < 0;
    case WiekszeLubRowne: return c >= 0;
    case MniejszeLubRowne: return c <= 0;
    default: return true;
    }
}

void WarunkiFiltru::zastosuj(Tabela& t) const
{
    if (warunki_.isEmpty()) {
        t.usunFiltr();
        return;
    }
    const QVector<Tfiltr> w = warunki_;
    t.ustawFiltr([w](const Tabela& tab, int wiersz) {
        for (const Tfiltr& f : w)
            if (!spelniaWarunek(tab, wiersz, f))
                return false;
        return true;
    });
}

void WarunkiFiltru::otworz(Tabela& t, const QString& kolumnaDomyslna) { usun(t, kolumnaDomyslna); }

void WarunkiFiltru::sortuj(Tabela& t, const QString& kolumna, bool malejaco)
{
    t.usunIndeks();
    t.ustawIndeks(kolumna, malejaco);
    indeks_ = kolumna;
    malejaco_ = malejaco;
    zastosuj(t);
}

void WarunkiFiltru::dodaj(Tabela& t, const Tfiltr& w)
{
    warunki_.append(w);
    zastosuj(t);
}

void WarunkiFiltru::usun(Tabela& t, const QString& kolumnaDomyslna)
{
    warunki_.clear();
    t.ustawIndeks(kolumnaDomyslna, false);
    indeks_ = kolumnaDomyslna;
    malejaco_ = false;
    zastosuj(t);
}

void WarunkiFiltru::zamknij(Tabela& t) { t.usunFiltr(); }

void WarunkiFiltru::przywroc(Tabela& t)
{
    if (!indeks_.isEmpty())
        t.ustawIndeks(indeks_, malejaco_);
    zastosuj(t);
}

const QVector<PozycjaFiltru>& pozycjeMenuFiltru()
{
    static const QVector<PozycjaFiltru> p = {
        {QStringLiteral("Filtruj wg wyboru"), Rowne},
        {QStringLiteral("Filtruj z wylaczeniem wyboru"), Rozne},
        {QStringLiteral("Filtruj mniejsze od wyboru"), Mniejsze},
        {QStringLiteral("Filtruj wieksze od wyboru"), Wieksze},
        {QStringLiteral("Filtruj mniejsze lub rowne od wyboru"), MniejszeLubRowne},
        {QStringLiteral("Filtruj wieksze lub rowne od wyboru"), WiekszeLubRowne},
    };
    return p;
}

QStringList kryteriaPorownania(TypPola typ)
{
    if (typ == TypPola::Tekst || typ == TypPola::Memo)
        return {QStringLiteral("całe pole"), QStringLiteral("początek pola"), QStringLiteral("część pola")};
    return {QStringLiteral("równe"), QStringLiteral("różne"), QStringLiteral("większe"), QStringLiteral("mniejsze"),
            QStringLiteral("większe lub równe"), QStringLiteral("mniejsze lub równe")};
}

std::optional<QVariant> wartoscZTekstu(TypPola typ, const QString& tekst, QString& blad)
{
    const QString s = tekst.trimmed();
    if (typ == TypPola::Tekst || typ == TypPola::Memo)
        return tekst.isEmpty() ? QVariant() : QVariant(tekst);
    if (s.isEmpty())
        return QVariant();
    bool ok = false;
    switch (typ) {
    case TypPola::Calkowita:
    case TypPola::Mala: {
        const qlonglong x = s.toLongLong(&ok);
        const qlonglong lim = typ == TypPola::Mala ? 32767 : 2147483647;
        if (ok && x <= lim && x >= -lim - 1)
            return QVariant(int(x));
        blad = QStringLiteral("\"%1\" nie jest liczbą całkowitą.").arg(tekst);
        return std::nullopt;
    }
    case TypPola::Rzeczywista: {
        QString t = s;
        t.remove(QLatin1Char(' '));
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        const double x = t.toDouble(&ok);
        if (ok)
            return QVariant(x);
        blad = QStringLiteral("\"%1\" nie jest liczbą.").arg(tekst);
        return std::nullopt;
    }
    case TypPola::DataCzas: {
        const QDate d = QDate::fromString(s, QStringLiteral("dd.MM.yyyy"));
        if (d.isValid())
            return QVariant(dzienZDaty(d));
        blad = QStringLiteral("\"%1\" nie jest datą (dd.mm.rrrr).").arg(tekst);
        return std::nullopt;
    }
    case TypPola::Logiczna:
        if (s.compare(QStringLiteral("Tak"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (s.compare(QStringLiteral("Nie"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        blad = QStringLiteral("\"%1\" nie jest wartością Tak albo Nie.").arg(tekst);
        return std::nullopt;
    default: break;
    }
    return QVariant(tekst);
}

QString tekstDoEdycji(const QVariant& v, TypPola typ)
{
    if (!v.isValid())
        return {};
    switch (typ) {
    case TypPola::Rzeczywista:
        return QString::number(v.toDouble(), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
    case TypPola::DataCzas: return dataZDnia(v.toDouble()).toString(QStringLiteral("dd.MM.yyyy"));
    case TypPola::Logiczna: return v.toBool() ? QStringLiteral("Tak") : QStringLiteral("Nie");
    default: return v.toString();
    }
}

} // namespace tks
