#include "Wspolne.h"

#include "app/Srodowisko.h"
#include "network/PlikSieci.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tks::fuzz {

void przygotuj()
{
    static const bool gotowe = [] {
        static int argc = 1;
        static char nazwa[] = "fuzz";
        static char* argv[] = {nazwa, nullptr};
        static QCoreApplication app(argc, argv);
        UstawPolskieLiczby();
        std::fflush(stdout);
        const int nic = ::open("/dev/null", O_WRONLY);
        if (nic >= 0) {
            ::dup2(nic, STDOUT_FILENO);
            ::close(nic);
        }
        return true;
    }();
    (void)gotowe;
}

const QString& folderRoboczy()
{
    static QTemporaryDir folder;
    static const QString sciezka = [] {
        if (!folder.isValid()) {
            std::fprintf(stderr, "Nie można utworzyć folderu tymczasowego.\n");
            std::abort();
        }
        return folder.path() + QLatin1Char('/');
    }();
    return sciezka;
}

QString plikSieciPrzykladowej() { return QStringLiteral(TKS_RUN_DIR "/FDane.bin"); }

QString plikMalejSieci()
{
    static const QString sciezka = [] {
        QFile f(QStringLiteral(TKS_FUZZ_ZRODLA "/siec/generowana_100"));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Brak %s.\n", qPrintable(f.fileName()));
            std::abort();
        }
        QByteArray b = f.readAll();
        przeksztalcKluczem(b);
        const QString s = folderRoboczy() + QStringLiteral("mala.bin");
        zapiszPlik(s, b);
        return s;
    }();
    return sciezka;
}

void zapiszPlik(const QString& sciezka, const QByteArray& b)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size()) {
        std::fprintf(stderr, "Nie można zapisać %s.\n", qPrintable(sciezka));
        std::abort();
    }
}

QList<QByteArray> podziel(const std::uint8_t* dane, std::size_t rozmiar, char separator, int najwiecej)
{
    QList<QByteArray> czesci;
    const auto* p = reinterpret_cast<const char*>(dane);
    const char* koniec = p + rozmiar;
    while (int(czesci.size()) + 1 < najwiecej) {
        const char* s = static_cast<const char*>(std::memchr(p, separator, std::size_t(koniec - p)));
        if (!s)
            break;
        czesci.append(QByteArray(p, s - p));
        p = s + 1;
    }
    czesci.append(QByteArray(p, koniec - p));
    return czesci;
}

} // namespace tks::fuzz
