#pragma once
// Wspólne części programów sprawdzających czytniki danymi zmienianymi losowo
// (libFuzzer) i ich odtwarzania na zebranych przykładach: aplikacja Qt, folder
// roboczy, sieć przykładowa, odcięte wyjście poleceń CLI.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace tks::fuzz {

// Raz na proces: QCoreApplication, polskie liczby, standardowe wyjście do /dev/null
// (polecenia CLI wypisują wynik, który tu nie jest potrzebny).
void przygotuj();
// Folder tymczasowy procesu (z separatorem na końcu), usuwany przy wyjściu.
const QString& folderRoboczy();
// Plik sieci przykładowej z folderu uruchomieniowego budowy.
QString plikSieciPrzykladowej();
// Mała sieć (100 stacji, 66 odcinków; z przykładów programu sieci) zapisana raz
// w folderze roboczym: szybsza niż sieć przykładowa, gdy sprawdzane jest co innego.
QString plikMalejSieci();
// Zapis pliku (zastępuje poprzedni); brak miejsca przerywa program.
void zapiszPlik(const QString& sciezka, const QByteArray& b);
// Wejście podzielone bajtem `separator` na co najwyżej `najwiecej` części
// (ostatnia część bierze resztę).
QList<QByteArray> podziel(const std::uint8_t* dane, std::size_t rozmiar, char separator, int najwiecej);

// Wywołuje `f`; błędy danych i operacji poleceń CLI (komunikat i kod wyjścia
// 2 albo 1) są zwykłym wynikiem, wszystko inne leci dalej i jest znaleziskiem.
template <class F>
void pomijajBledyPolecen(F&& f);

} // namespace tks::fuzz

#include "Argumenty.h"

template <class F>
void tks::fuzz::pomijajBledyPolecen(F&& f)
{
    try {
        f();
    } catch (const tks::cli::BladUzycia&) {
    } catch (const tks::cli::BladOperacji&) {
    }
}
