#include "ZapisAtomowy.h"

#include "BledyPlikow.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cstdio>
#include <memory>
#include <unistd.h>

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

bool zapiszAtomowoRazem(const std::vector<std::pair<QString, QByteArray>>& pliki, QString& blad)
{
    std::vector<std::unique_ptr<QTemporaryFile>> tymczasowe;
    const auto sprzatnij = [&] {
        for (auto& t : tymczasowe)
            t->remove();
    };
    for (const auto& [sciezka, dane] : pliki) {
        const QString nazwa = QDir::toNativeSeparators(sciezka);
        auto t = std::make_unique<QTemporaryFile>(sciezka + QStringLiteral(".XXXXXX"));
        t->setAutoRemove(false);
        if (!t->open()) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(nazwa, opisBleduPliku(*t, sciezka, true));
            sprzatnij();
            return false;
        }
        tymczasowe.push_back(std::move(t));
        QTemporaryFile& f = *tymczasowe.back();
        // uprawnienia jak zwykłego pliku (plik tymczasowy ma tylko dla właściciela)
        f.setPermissions(QFile::exists(sciezka) ? QFile::permissions(sciezka)
                                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (f.write(dane) != dane.size() || !f.flush() || ::fsync(f.handle()) != 0) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": błąd zapisu (pełny dysk albo przekroczony limit "
                                  "rozmiaru pliku)").arg(nazwa);
            sprzatnij();
            return false;
        }
        f.close();
    }
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        // rename zastępuje plik docelowy atomowo
        if (std::rename(QFile::encodeName(tymczasowe[i]->fileName()).constData(),
                        QFile::encodeName(pliki[i].first).constData()) != 0) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": nie można zastąpić pliku (brak uprawnień do folderu?)")
                       .arg(QDir::toNativeSeparators(pliki[i].first));
            for (std::size_t j = i; j < tymczasowe.size(); ++j)
                tymczasowe[j]->remove();
            return false;
        }
    }
    return true;
}

} // namespace tks
