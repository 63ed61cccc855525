#include "Przedzialy.h"

#include "network/Siec.h"

namespace tks {

int pierwszyRodzaj(const Siec& s)
{
    return s.RodzajeStawekTab.liczbaWierszy() > 0 ? s.RodzajeStawekTab.calkowita(0, QStringLiteral("IdRodzajuStawki")) : 0;
}

QVector<int> przedzialyRodzaju(const Siec& s, int idRodzaju)
{
    Tabela t = s.ZakresyBr;   // kopia: widok posortowany po LpZakresuBr
    t.ustawIndeks(QStringLiteral("LpZakresuBr"));
    t.ustawFiltr([idRodzaju](const Tabela& tab, int w) {
        return tab.calkowita(w, QStringLiteral("IdRodzajuStawki"), -1) == idRodzaju;
    });
    return t.widok();
}

int pierwszyPrzedzial(const Siec& s, int idRodzaju)
{
    const QVector<int> w = przedzialyRodzaju(s, idRodzaju);
    return w.isEmpty() ? -1 : s.ZakresyBr.calkowita(w.first(), QStringLiteral("LpZakresuBr"), -1);
}

int wierszPrzedzialu(const Siec& s, int idRodzaju, int lpZakresuBr)
{
    for (int w : przedzialyRodzaju(s, idRodzaju))
        if (s.ZakresyBr.calkowita(w, QStringLiteral("LpZakresuBr"), -1) == lpZakresuBr)
            return w;
    return -1;
}

int wierszRodzaju(const Siec& s, int idRodzaju)
{
    for (int w = 0; w < s.RodzajeStawekTab.liczbaWierszy(); ++w)
        if (s.RodzajeStawekTab.calkowita(w, QStringLiteral("IdRodzajuStawki"), -1) == idRodzaju)
            return w;
    return -1;
}

} // namespace tks
