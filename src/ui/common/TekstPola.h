#pragma once
// Tekst wiersza tabeli pociągu (wiersze rozdzielone CR LF) w polu wielowierszowym
// okna (LF) i z powrotem.

#include <QString>

namespace tks::ui {

inline QString doPola(const QString& s)
{
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

inline QString doWiersza(const QString& s)
{
    QString t = s;
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

} // namespace tks::ui
