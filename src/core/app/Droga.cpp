#include "Droga.h"

#include "common/Daty.h"

#include <QDir>

namespace tks {

Droga::Droga(Interakcja& ia, const QString& katalog)
    : interakcja(ia), katalogProgramu(katalog), rozkladOd(poczatekRozkladu()), rozkladDo(koniecRozkladu())
{
    if (!katalogProgramu.isEmpty() && !katalogProgramu.endsWith(QLatin1Char('/')))
        katalogProgramu += QLatin1Char('/');
    plikUstawien = katalogProgramu + QStringLiteral("taksatura.ini");
}

} // namespace tks
