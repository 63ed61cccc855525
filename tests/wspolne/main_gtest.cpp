#include <QCoreApplication>
#include <gtest/gtest.h>

// Wspólny main testów rdzenia: QCoreApplication jest potrzebne części Qt (SQL, pliki).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
