// Dane kalendarza polecenia calendar (JSON): odczyt, odbudowa kalendarza
// pociągu z wierszy tak jak przy wczytaniu pociągu, liczba dni i opisy.

#include "Polecenia.h"
#include "Wspolne.h"

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Interakcja.h"
#include "network/PlikSieci.h"
#include "trains/NowyPociag.h"

#include <cstdio>
#include <cstdlib>

using namespace tks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    fuzz::przygotuj();
    static const Siec siec = [] {
        Siec s;
        QString blad;
        if (!WczytajLinieZPliku(s, fuzz::plikSieciPrzykladowej(), blad)) {
            std::fprintf(stderr, "%s\n", qPrintable(blad));
            std::abort();
        }
        return s;
    }();
    fuzz::pomijajBledyPolecen([&] {
        const Tabela wiersze =
            cli::kalendarzZJson(QByteArray::fromRawData(reinterpret_cast<const char*>(dane), qsizetype(rozmiar)));
        InterakcjaSkryptowa ia;
        Droga d(ia, fuzz::folderRoboczy());
        d.siec = siec;
        d.siecWczytana = true;
        UtworzTabelePociagu(d);
        TworzNowyPociag(d);
        WczytajKalendarz(d, wiersze);
        // opis i dni kursowania, jak w wyniku polecenia
        (void)d.pociag.pole(QStringLiteral("LDniKurs")).toInt();
        (void)WierszeKalendarza(d.kalendarz);
    });
    return 0;
}
