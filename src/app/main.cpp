// Taksatura 2018 - program okienkowy.

#include "app/Srodowisko.h"
#include "app/TDM.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taksatura"));

    // przyciski okien dialogowych Qt po polsku
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    QString blad;
    const auto srodowisko =
        tks::srodowiskoStartu(QApplication::arguments().mid(1), QApplication::applicationFilePath(), blad);
    if (!srodowisko) {
        QMessageBox::critical(nullptr, QStringLiteral("Błąd"), blad);
        return 2;
    }

    tks::ui::TDM dm(*srodowisko);
    dm.show();
    return app.exec();
}
