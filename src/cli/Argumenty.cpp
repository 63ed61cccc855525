#include "Argumenty.h"

namespace tks::cli {

Argumenty::Argumenty(const QStringList& argumenty, const QStringList& zWartoscia, const QStringList& flagi)
{
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        if (!a.startsWith(QLatin1String("--")) || a.size() == 2) {
            pozycyjne_ << a;
            continue;
        }
        QString nazwa = a.mid(2);
        QString wart;
        bool maWartosc = false;
        const auto rown = nazwa.indexOf(QLatin1Char('='));
        if (rown >= 0) {
            wart = nazwa.mid(rown + 1);
            nazwa = nazwa.left(rown);
            maWartosc = true;
        }
        if (flagi.contains(nazwa)) {
            if (maWartosc)
                throw BladUzycia(QStringLiteral("Opcja --%1 nie przyjmuje wartości.").arg(nazwa));
            opcje_.push_back({nazwa, {}});
            continue;
        }
        if (!zWartoscia.contains(nazwa))
            throw BladUzycia(QStringLiteral("Nieznana opcja: --%1").arg(nazwa));
        if (!maWartosc) {
            if (i + 1 >= argumenty.size())
                throw BladUzycia(QStringLiteral("Opcja --%1 wymaga wartości.").arg(nazwa));
            wart = argumenty[++i];
        }
        opcje_.push_back({nazwa, wart});
    }
}

std::optional<QString> Argumenty::wartosc(const QString& nazwa) const
{
    for (auto it = opcje_.rbegin(); it != opcje_.rend(); ++it)
        if (it->nazwa == nazwa)
            return it->wartosc;
    return std::nullopt;
}

QString Argumenty::wartosc(const QString& nazwa, const QString& domyslna) const
{
    return wartosc(nazwa).value_or(domyslna);
}

bool Argumenty::flaga(const QString& nazwa) const
{
    for (const auto& o : opcje_)
        if (o.nazwa == nazwa)
            return true;
    return false;
}

int Argumenty::liczba(const QString& nazwa, int domyslna) const
{
    const auto w = wartosc(nazwa);
    if (!w)
        return domyslna;
    bool ok = false;
    const int v = w->startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? w->mid(2).toInt(&ok, 16) : w->toInt(&ok);
    if (!ok)
        throw BladUzycia(QStringLiteral("Opcja --%1: \"%2\" nie jest liczbą całkowitą.").arg(nazwa, *w));
    return v;
}

} // namespace tks::cli
