// Taksatura 2018 - program okienkowy.

#include "app/Srodowisko.h"
#include "app/TDM.h"
#include "common/Tlumaczenia.h"

#include <QApplication>
#include <QMessageBox>
#include <csignal>

int main(int argc, char** argv)
{
    // Przekroczony limit rozmiaru pliku: zapis ma się nie udać z komunikatem
    // (stary plik zostaje), a nie kończyć programu sygnałem.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taksatura"));
    // przyciski okien dialogowych Qt po polsku
    tks::ui::ZaladujTlumaczeniaQt();

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
