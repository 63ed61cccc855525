// Plik ustawień: odczyt przy starcie okna głównego (kolory, opcje, powiększenie,
// środek mapy, kolory zakładów i województw) na małej sieci i zapis przy
// zamknięciu; zapisany plik czytany jeszcze raz.

#include "Wspolne.h"

#include "app/CyklDrogi.h"
#include "app/Droga.h"
#include "common/Interakcja.h"

#include <QFile>

using namespace tks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    fuzz::przygotuj();
    const QString folder = fuzz::folderRoboczy();
    fuzz::zapiszPlik(folder + QStringLiteral("taksatura.ini"),
                     QByteArray(reinterpret_cast<const char*>(dane), qsizetype(rozmiar)));
    for (int raz = 0; raz < 2; ++raz) {
        InterakcjaSkryptowa ia;
        ia.ustawDomyslnaOdpowiedz(Odpowiedz::Nie);
        Droga d(ia, folder);
        TworzDroge(d, fuzz::plikMalejSieci());
        PokazanieDrogi(d);
        ZamykanieDrogi(d, [] { return true; });
    }
    return 0;
}
