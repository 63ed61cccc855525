// Polecenie generate-network: sieć w skali kraju do pomiarów wydajności.

#include "Argumenty.h"
#include "Polecenia.h"
#include "Wyjscie.h"

#include "network/GeneratorSieci.h"
#include "network/PlikSieci.h"

#include <QElapsedTimer>

namespace tks::cli {

int polecenieGenerateNetwork(const QStringList& argumenty)
{
    const Argumenty a(argumenty, {QStringLiteral("stations"), QStringLiteral("seed"), QStringLiteral("out")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    ParametryGeneratora p;
    const QString stacje = a.wartosc(QStringLiteral("stations"), QString::number(p.stacje));
    bool ok = false;
    p.stacje = stacje.toInt(&ok);
    if (!ok || p.stacje < kMinStacjiGeneratora || p.stacje > kMaxStacjiGeneratora)
        throw BladUzycia(QStringLiteral("--stations: oczekiwano liczby stacji od %1 do %2, jest \"%3\".")
                             .arg(kMinStacjiGeneratora)
                             .arg(kMaxStacjiGeneratora)
                             .arg(stacje));
    const QString ziarno = a.wartosc(QStringLiteral("seed"), QString::number(p.ziarno));
    p.ziarno = ziarno.toULongLong(&ok, 0);
    if (!ok)
        throw BladUzycia(QStringLiteral("--seed: oczekiwano nieujemnej liczby całkowitej, jest \"%1\".").arg(ziarno));
    // bez domyślnej nazwy: FDane.bin w folderze roboczym to zwykle prawdziwa sieć
    const QString wyjscie = a.wartosc(QStringLiteral("out"), QString());
    if (wyjscie.isEmpty())
        throw BladUzycia(QStringLiteral("Brak opcji --out PLIK: plik, do którego zapisać wygenerowaną sieć."));

    QElapsedTimer czas;
    czas.start();
    OpisGenerowania opis;
    const Siec s = GenerujSiec(p, &opis);
    QString blad;
    if (!ZapiszLinieDoPliku(s, wyjscie, blad))
        throw BladOperacji(blad);
    wypiszJson(QJsonObject{
        {QStringLiteral("plik"), wyjscie},
        {QStringLiteral("ziarno"), QString::number(p.ziarno)},
        {QStringLiteral("Stacje"), qint64(s.Stacje.size())},
        {QStringLiteral("Odcinki"), qint64(s.Odcinki.size())},
        {QStringLiteral("linie"), opis.linie},
        {QStringLiteral("wezly"), opis.wezly},
        {QStringLiteral("skrzyzowania"), opis.skrzyzowania},
        {QStringLiteral("wiadukty"), opis.wiadukty},
        {QStringLiteral("sekundy"), double(czas.elapsed()) / 1000.0},
    });
    return 0;
}

} // namespace tks::cli
