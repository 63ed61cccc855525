#include "Geo.h"

#include <cmath>

namespace tks {

std::optional<TPunkt> GeoToPktKm(double xSurowe, double ySurowe)
{
    const double lambda = xSurowe * 0.000006 + 14.0;
    const double phi = ySurowe * 0.000004 + 14.0;
    if (!(std::fabs(lambda) <= 1e20) || !(std::fabs(phi) <= 1e20))
        return std::nullopt;

    constexpr double kPi = 3.14159265358979323846;
    const double l = (lambda - 19.0) / 180.0 * kPi;
    const double p = phi / 180.0 * kPi;
    constexpr double e2 = 0.006739093057456149;
    constexpr double c = 6399592.342696156663;

    const double cp = std::cos(p);
    const double eta2 = e2 * cp * cp;
    const double t = std::tan(p);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double N = c / std::sqrt(1.0 + eta2);
    const double r = l * cp;
    const double r2 = r * r;
    const double r3 = r2 * r;
    const double r4 = r2 * r2;
    const double r5 = r4 * r;
    const double r6 = r4 * r2;
    const double r7 = r6 * r;
    const double r8 = r4 * r4;

    TPunkt w;
    w.x = N * r + N * r3 / 6.0 * (1.0 - t2 + eta2)
        + N * r5 / 120.0 * (5.0 - 18.0 * t2 + t4 + 14.0 * eta2 - 58.0 * t2 * eta2)
        + N * r7 / 5040.0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6) + 500000.0;
    w.y = (p * N - 41450.0) + N * t * r2 / 2.0
        + N * t * r4 / 24.0 * (5.0 - t2 + 9.0 * eta2 + 4.0 * eta2 * eta2)
        + N * t * r6 / 720.0 * (61.0 - 58.0 * t2 + t4 + 270.0 * eta2 - 330.0 * t2 * eta2)
        + N * t * r8 / 40320.0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6) - 5300000.0;
    return w;
}

} // namespace tks
