#pragma once
// Wspólne dla testów okien: środowisko w folderze tymczasowym, zrzuty PNG.

#include "app/Srodowisko.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>

namespace tks::test {

inline const QString kSiecPrzykladowa = QStringLiteral(TKS_RUN_DIR "/FDane.bin");

// Folder programu w folderze tymczasowym, sieć przykładowa z folderu uruchomieniowego.
inline Srodowisko srodowiskoTestowe(const QTemporaryDir& katalog, const QString& plikSieci = kSiecPrzykladowa)
{
    Srodowisko s;
    s.katalogProgramu = zSeparatorem(katalog.path());
    s.plikUstawien = s.katalogProgramu + QStringLiteral("taksatura.ini");
    s.plikSieci = plikSieci;
    s.rozkladOd = QDate(2017, 12, 10);
    s.rozkladDo = QDate(2018, 12, 8);
    return s;
}

// Zrzut okna do build/zrzuty/<nazwa>.png (do obejrzenia).
inline QString zapiszZrzut(QWidget& w, const QString& nazwa)
{
    QDir d(QStringLiteral(TKS_RUN_DIR "/.."));
    d.mkpath(QStringLiteral("zrzuty"));
    const QString plik = d.filePath(QStringLiteral("zrzuty/") + nazwa + QStringLiteral(".png"));
    w.grab().save(plik);
    return plik;
}

// Tekst pozycji menu bez znaku skrótu; separator jako "-".
inline QString bezSkrotu(const QString& t)
{
    QString s = t;
    s.remove(QLatin1Char('&'));
    return s;
}

inline QStringList pozycjeMenu(const QMenu* m)
{
    QStringList l;
    for (const QAction* a : m->actions())
        l << (a->isSeparator() ? QStringLiteral("-") : bezSkrotu(a->text()));
    return l;
}

} // namespace tks::test
