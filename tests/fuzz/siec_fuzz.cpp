// Plik sieci: odczyt przy starcie okna (z wartościami pochodnymi), zrzut
// modelu i jedna trasa. Wejście to treść pliku przed szyfrowaniem kluczem
// (szyfrowanie jest odwracalne, więc nic nie ukrywa przed odczytem).

#include "Polecenia.h"
#include "Wspolne.h"

#include "app/CyklDrogi.h"
#include "app/Droga.h"
#include "common/Interakcja.h"
#include "network/PlikSieci.h"

using namespace tks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    fuzz::przygotuj();
    QByteArray b(reinterpret_cast<const char*>(dane), qsizetype(rozmiar));
    przeksztalcKluczem(b);
    const QString plik = fuzz::folderRoboczy() + QStringLiteral("FDane.bin");
    fuzz::zapiszPlik(plik, b);

    InterakcjaSkryptowa ia;
    Droga d(ia, fuzz::folderRoboczy());
    if (!TworzDroge(d, plik))
        return 0;
    PokazanieDrogi(d);
    const int n = d.siec.liczbaStacji();
    fuzz::pomijajBledyPolecen([&] { cli::polecenieDumpNetwork({QStringLiteral("--network"), plik}); });
    if (n > 0)
        fuzz::pomijajBledyPolecen([&] {
            cli::polecenieRoute({QStringLiteral("--network"), plik, QStringLiteral("--start"), QStringLiteral("@0"),
                                 QStringLiteral("--via"), QStringLiteral("@%1").arg(n / 2), QStringLiteral("--end"),
                                 QStringLiteral("@%1").arg(n - 1), QStringLiteral("--level"), QStringLiteral("2")});
        });
    return 0;
}
