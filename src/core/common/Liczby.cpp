#include "Liczby.h"

#include <cmath>

namespace tks {

double zaokraglij(double x)
{
    if (!std::isfinite(x))
        return x;
    const double f = std::floor(x);
    const double r = x - f;
    // tolerancja względna: błąd reprezentacji ułamków dziesiętnych
    const double tol = 1e-9 * std::max(1.0, std::fabs(x));
    if (std::fabs(r - 0.5) <= tol)
        return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
    return r < 0.5 ? f : f + 1.0;
}

double zaokraglij(double x, int miejsca)
{
    const double m = std::pow(10.0, miejsca);
    return zaokraglij(x * m) / m;
}

QString formatujGrupy(double x, int miejsca)
{
    const double z = zaokraglij(x, miejsca);
    QString s = QString::number(std::fabs(z), 'f', miejsca);
    QString calk = s, ulamek;
    const auto kropka = s.indexOf(QLatin1Char('.'));
    if (kropka >= 0) {
        calk = s.left(kropka);
        ulamek = s.mid(kropka + 1);
    }
    QString grupy;
    const int n = int(calk.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grupy.append(QLatin1Char(' '));
        grupy.append(calk[i]);
    }
    QString wynik = (z < 0 ? QStringLiteral("-") : QString()) + grupy;
    if (miejsca > 0)
        wynik += QLatin1Char(',') + ulamek;
    return wynik;
}

QString formatujZl(double x) { return formatujGrupy(x, 2) + QStringLiteral(" zł"); }
QString formatujKm(double x) { return formatujGrupy(x, 3) + QStringLiteral(" km"); }

bool czytajLiczbe(const QString& tekst, double& wynik)
{
    QString t = tekst.trimmed();
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    if (t.isEmpty() || t.contains(QLatin1Char('.')))
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    wynik = v;
    return true;
}

QString tekstSekund(double sekundy)
{
    return QString::number(sekundy, 'f', 6).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace tks
