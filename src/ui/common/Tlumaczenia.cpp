#include "Tlumaczenia.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tks::ui {

bool ZaladujTlumaczeniaQt()
{
    if (!qApp)
        return false;
    if (qApp->findChild<QTranslator*>(QStringLiteral("qtbase_pl")))
        return true;
    auto* t = new QTranslator(qApp);
    t->setObjectName(QStringLiteral("qtbase_pl"));
    if (!t->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    return true;
}

} // namespace tks::ui
