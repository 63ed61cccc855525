#include "Daty.h"

#include <cmath>

namespace tks {
namespace {
const QDate kEpoka(1899, 12, 30);
}

double dzienZDaty(const QDate& d) { return double(kEpoka.daysTo(d)); }

double dzienZDatyCzasu(const QDateTime& dt)
{
    const QTime t = dt.time();
    return dzienZDaty(dt.date()) + (t.msecsSinceStartOfDay() / 86400000.0);
}

QDate dataZDnia(double dzien)
{
    if (!(std::abs(dzien) <= kNajdalszyDzien))
        return {};
    return kEpoka.addDays(static_cast<qint64>(std::floor(dzien)));
}

QDateTime dataCzasZDnia(double dzien)
{
    if (!(std::abs(dzien) <= kNajdalszyDzien))
        return {};
    const double cale = std::floor(dzien);
    const auto ms = static_cast<int>(std::llround((dzien - cale) * 86400000.0));
    return QDateTime(kEpoka.addDays(static_cast<qint64>(cale)), QTime(0, 0).addMSecs(ms));
}

QString dataIso(double dzien) { return dataZDnia(dzien).toString(QStringLiteral("yyyy-MM-dd")); }

QDate poczatekRozkladu() { return QDate(2017, 12, 10); }
QDate koniecRozkladu() { return QDate(2018, 12, 8); }

} // namespace tks
