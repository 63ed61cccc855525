#include "ZapisAtomowy.h"

#include "BledyPlikow.h"

#include <QDir>
#include <QSaveFile>

namespace tks {

bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad)
{
    // flush() przed commit(): commit() nie zauważa zapisu urwanego w połowie
    // i zamieniłby plik na ucięty
    QSaveFile f(sciezka);
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    if (!f.open(QIODevice::WriteOnly)) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(nazwa, opisBleduPliku(f, sciezka, true));
        return false;
    }
    if (f.write(dane) != dane.size() || !f.flush()) {
        f.cancelWriting();
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": błąd zapisu (pełny dysk albo przekroczony limit "
                              "rozmiaru pliku)").arg(nazwa);
        return false;
    }
    if (!f.commit()) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(nazwa, opisBleduPliku(f, sciezka, true));
        return false;
    }
    return true;
}

} // namespace tks
