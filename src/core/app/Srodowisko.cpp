#include "Srodowisko.h"

#include "common/Daty.h"
#include "network/PlikSieci.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace tks {

QString zSeparatorem(const QString& katalog)
{
    if (katalog.isEmpty() || katalog.endsWith(QLatin1Char('/')))
        return katalog;
    return katalog + QLatin1Char('/');
}

std::optional<Srodowisko> srodowiskoStartu(const QStringList& argumenty, const QString& plikProgramu, QString& blad)
{
    const QFileInfo program(plikProgramu);
    QString katalog = program.absolutePath();
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        QString wartosc;
        if (a == QLatin1String("--katalog")) {
            if (i + 1 >= argumenty.size()) {
                blad = QStringLiteral("Po opcji --katalog brakuje nazwy folderu.");
                return std::nullopt;
            }
            wartosc = argumenty[++i];
        } else if (a.startsWith(QLatin1String("--katalog="))) {
            wartosc = a.mid(10);
        } else {
            continue;
        }
        const QFileInfo f(wartosc);
        if (wartosc.isEmpty() || !f.isDir()) {
            blad = QStringLiteral("Folder programu \"%1\" nie istnieje.").arg(wartosc);
            return std::nullopt;
        }
        katalog = f.absoluteFilePath();
    }
    Srodowisko s;
    s.katalogProgramu = zSeparatorem(QDir::cleanPath(katalog));
    const QString nazwa = program.completeBaseName().isEmpty() ? QStringLiteral("taksatura") : program.completeBaseName();
    s.plikUstawien = s.katalogProgramu + nazwa + QStringLiteral(".ini");
    s.plikSieci = kNazwaPlikuSieci;
    s.rozkladOd = poczatekRozkladu();
    s.rozkladDo = koniecRozkladu();
    return s;
}

void UstawPolskieLiczby()
{
    QLocale pl(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(pl);
}

QString plikPomocy(const QString& katalogProgramu)
{
    return zSeparatorem(katalogProgramu) + QStringLiteral("Pomoc/Taksatura.htm");
}

} // namespace tks
