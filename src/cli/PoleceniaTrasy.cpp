// Polecenia trasy: route, search-batch.

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wyjscie.h"

#include "routing/Wyszukiwanie.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace tks::cli {

int polecenieRoute(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji() + QStringList{QStringLiteral("level")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const int poziom = a.liczba(QStringLiteral("level"), 0);
    if (poziom < 0 || poziom > 2)
        throw BladUzycia(QStringLiteral("Opcja --level: poziom musi być liczbą od 0 do 2."));
    auto sesja = przygotujTrase(a);
    wykonajOperacje(*sesja, a);
    wypiszTraseJson(*sesja, poziom);
    return 0;
}

int polecenieSearchBatch(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow());
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    auto sesja = przygotujTrase(a);
    Droga& d = sesja->droga;
    const int n = d.siec.liczbaStacji();

    QTextStream we(stdin);
    QElapsedTimer zegar;
    qint64 nanosekundy = 0;
    int liczba = 0;
    int nrWiersza = 0;
    std::vector<int> odcinki;
    QString wiersz;
    while (we.readLineInto(&wiersz)) {
        ++nrWiersza;
        const QStringList pola = wiersz.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (pola.isEmpty())
            continue;
        bool ok1 = false, ok2 = false;
        const int od = pola.size() == 2 ? pola[0].toInt(&ok1) : -1;
        const int doSt = pola.size() == 2 ? pola[1].toInt(&ok2) : -1;
        if (!ok1 || !ok2 || od < 0 || od >= n || doSt < 0 || doSt >= n)
            throw BladUzycia(QStringLiteral("Wiersz %1: oczekiwano \"OD DO\" - dwóch indeksów stacji od 0 do %2.")
                                 .arg(nrWiersza)
                                 .arg(n - 1));
        zegar.start();
        const bool znaleziona = ObliczMinOdleglosci(d, od, doSt, 0);
        nanosekundy += zegar.nsecsElapsed();
        ++liczba;

        odcinki.clear();
        if (znaleziona) {
            for (int c = doSt; c != od && int(odcinki.size()) < n;) {
                const TStacja& s = d.siec.Stacje[std::size_t(c)];
                if (s.OdcPop < 0)
                    break;
                odcinki.push_back(s.OdcPop);
                c = s.StPop;
            }
            std::reverse(odcinki.begin(), odcinki.end());
        }
        QJsonArray seg;
        for (int e : odcinki)
            seg.append(e);
        wypiszJsonWiersz(QJsonObject{
            {QStringLiteral("from"), od},
            {QStringLiteral("to"), doSt},
            {QStringLiteral("found"), znaleziona},
            {QStringLiteral("label"), znaleziona ? QJsonValue(d.siec.Stacje[std::size_t(doSt)].OdlMin) : QJsonValue()},
            {QStringLiteral("segments"), seg}});
        sesja->interakcja.wyczysc();
        d.dziennik.clear();
    }
    const QString czas = QString::number(double(nanosekundy) / 1e9, 'f', 6).replace(QLatin1Char('.'), QLatin1Char(','));
    const QByteArray b = QStringLiteral("%1 wyszukiwań w %2 s\n").arg(liczba).arg(czas).toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    return 0;
}

} // namespace tks::cli
