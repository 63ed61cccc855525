// Zapis pociągu przerwany zabiciem procesu (SIGKILL w przypadkowej chwili):
// pociąg zawsze wczytuje się w jednej z zapisanych wersji, żaden plik
// tymczasowy nie zostaje.

#include "trains/MenuPlik.h"
#include "trains/PociagTestowy.h"

#include <QDir>
#include <QElapsedTimer>
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tks;
using namespace tks::test;

namespace {

struct ZabicieZapisu : ::testing::Test, PociagTestowy {
    // Wersja 0: Alfa - Delta, numer "100"; wersja 1: przez Epsilon, numer "101".
    void ustawWersje(int w)
    {
        const bool przezE = t().GlowneStacje.size() == 3;
        if (w == 1 && !przezE) {
            OznaczPP(d, E);
            PrzeliczPonownieDroge(d);
        } else if (w == 0 && przezE) {
            ZdejmOznaczPP(d, 1);
        }
        d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("10%1").arg(w));
        d.pociag.zatwierdz();
    }
    struct Wersja {
        std::vector<int> punkty, stacje;
    };
};

} // namespace

TEST_F(ZabicieZapisu, PociagZawszeWJednejZZapisanychWersji)
{
    trasaAD();
    Wersja wersje[2];
    for (int w : {1, 0}) {
        ustawWersje(w);
        wersje[w] = {punkty(), stacjeTrasy()};
    }
    ASSERT_EQ(wersje[1].punkty, (std::vector<int>{A, E, D}));
    ASSERT_NE(wersje[0].stacje, wersje[1].stacje);
    d.pociag.IdBiezacegoPociagu = 0;
    ASSERT_TRUE(ZapiszPociag(d, okna));
    ASSERT_EQ(d.pociag.IdBiezacegoPociagu, 1);

    // czas jednego zapisu: chwile zabicia rozłożone na kilka zapisów
    QElapsedTimer zegar;
    zegar.start();
    ustawWersje(1);
    ASSERT_TRUE(MenuZapiszZmiany(d, okna));
    const qint64 zapisUs = std::max<qint64>(zegar.nsecsElapsed() / 1000, 200);

    std::mt19937 los(20181208);
    int wWersji[2] = {0, 0};
    for (int proba = 0; proba < 50; ++proba) {
        int lacze[2];
        ASSERT_EQ(::pipe(lacze), 0);
        const pid_t dziecko = ::fork();
        ASSERT_GE(dziecko, 0);
        if (dziecko == 0) {
            ::close(lacze[0]);
            for (int i = 0;; ++i) {
                ustawWersje(i % 2);
                if (!MenuZapiszZmiany(d, okna))
                    ::_exit(3);
                if (i == 0 && ::write(lacze[1], "z", 1) != 1)
                    ::_exit(4);
            }
        }
        ::close(lacze[1]);
        char znak = 0;
        ASSERT_EQ(::read(lacze[0], &znak, 1), 1) << "proces zapisu skończył się przed pierwszym zapisem";
        ::close(lacze[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<qint64>(0, 3 * zapisUs)(los)));
        ASSERT_EQ(::kill(dziecko, SIGKILL), 0);
        int stan = 0;
        ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
        ASSERT_TRUE(WIFSIGNALED(stan) && WTERMSIG(stan) == SIGKILL) << "proces zapisu skończył się sam, stan " << stan;

        ia.wyczysc();
        ASSERT_TRUE(WczytajPociag(d, 1)) << "próba " << proba << ": " << ia.teksty().join(QStringLiteral(" | ")).toStdString();
        const QString nr = d.pociag.pole(QStringLiteral("NrPociagu")).toString();
        ASSERT_TRUE(nr == QLatin1String("100") || nr == QLatin1String("101")) << nr.toStdString();
        const int w = nr == QLatin1String("101") ? 1 : 0;
        ++wWersji[w];
        EXPECT_EQ(punkty(), wersje[w].punkty) << "próba " << proba;
        EXPECT_EQ(stacjeTrasy(), wersje[w].stacje) << "próba " << proba;
        const QStringList pliki = QDir(katalogPociagow(d)).entryList(QDir::Files | QDir::Hidden);
        for (const QString& f : pliki)
            ASSERT_TRUE(f.endsWith(QLatin1String(".cds"))) << "próba " << proba << ": " << f.toStdString();
    }
    // zabicia trafiały w różne chwile: wczytano obie wersje
    EXPECT_GT(wWersji[0], 0);
    EXPECT_GT(wWersji[1], 0);
}
