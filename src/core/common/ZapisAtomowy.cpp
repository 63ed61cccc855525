#include "ZapisAtomowy.h"

#include <QDir>
#include <QSaveFile>

namespace tks {

bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad)
{
    // flush() przed commit(): commit() nie zauważa zapisu urwanego w połowie
    // i zamieniłby plik na ucięty
    QSaveFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly) || f.write(dane) != dane.size() || !f.flush() || !f.commit()) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(QDir::toNativeSeparators(sciezka), f.errorString());
        return false;
    }
    return true;
}

} // namespace tks
