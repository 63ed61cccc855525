#include <QGuiApplication>
#include <gtest/gtest.h>

// Wspólny main testów rdzenia. QGuiApplication (a nie tylko QCoreApplication):
// rysowanie mapy mierzy tekst czcionkami. Bez ekranu - platforma offscreen.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
