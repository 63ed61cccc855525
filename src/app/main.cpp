// Taksatura 2018 - program okienkowy.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel l(QStringLiteral("Taksatura 2018"));
    l.show();
    return app.exec();
}
