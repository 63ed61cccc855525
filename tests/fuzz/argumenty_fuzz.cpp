// Argumenty operacji na trasie polecenia route (warunki i operacje w kolejności
// podania) na małej sieci. Wejście: argumenty oddzielone znakiem nowej
// linii. Sieć i folder programu ustala program sprawdzający.

#include "Polecenia.h"
#include "Wspolne.h"

using namespace tks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    fuzz::przygotuj();
    QStringList argumenty = {QStringLiteral("--network"), fuzz::plikMalejSieci(), QStringLiteral("--dir"),
                             fuzz::folderRoboczy()};
    const QList<QByteArray> czesci = fuzz::podziel(dane, rozmiar, '\n', 64);
    for (qsizetype i = 0; i < czesci.size(); ++i) {
        const QString a = QString::fromUtf8(czesci[i]);
        // inny plik sieci albo folder to nie sprawa argumentów trasy
        if (a.startsWith(QLatin1String("--network")) || a.startsWith(QLatin1String("--dir"))) {
            ++i;
            continue;
        }
        argumenty.append(a);
    }
    fuzz::pomijajBledyPolecen([&] { cli::polecenieRoute(argumenty); });
    return 0;
}
