#include "BledyPlikow.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace tks {

QString opisBleduPliku(const QFileDevice& f, const QString& sciezka, bool zapis)
{
    const QFileInfo p(sciezka);
    if (p.isDir())
        return QStringLiteral("to jest folder, nie plik");
    switch (f.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::UnspecifiedError:
        if (zapis) {
            if (!p.absoluteDir().exists())
                return QStringLiteral("folder %1 nie istnieje").arg(QDir::toNativeSeparators(p.absolutePath()));
            if (!QFileInfo(p.absolutePath()).isWritable() || (p.exists() && !p.isWritable()))
                return QStringLiteral("brak uprawnień do zapisu");
            return QStringLiteral("nie można utworzyć pliku");
        }
        if (!p.exists())
            return QStringLiteral("plik nie istnieje");
        if (!p.isReadable())
            return QStringLiteral("brak uprawnień do odczytu");
        return QStringLiteral("nie można otworzyć pliku");
    case QFileDevice::ReadError:
        return QStringLiteral("błąd odczytu");
    case QFileDevice::ResourceError:
        return QStringLiteral("brak zasobów systemu (pamięci albo miejsca na dysku)");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("błąd zapisu (pełny dysk albo przekroczony limit rozmiaru pliku)");
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return QStringLiteral("nie można zastąpić pliku (brak uprawnień do folderu?)");
    case QFileDevice::FatalError:
    case QFileDevice::AbortError:
    case QFileDevice::TimeOutError:
    case QFileDevice::PositionError:
        return QStringLiteral("błąd wejścia-wyjścia");
    case QFileDevice::NoError:
        break;
    }
    return QStringLiteral("nieznany błąd");
}

} // namespace tks
