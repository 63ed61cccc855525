// Mały uszkodzony plik sieci, którego liczby obiecują ogromne tabele: odrzucony
// z opisem, bez rezerwowania pamięci; program startuje bez sieci.

#include "wspolne/Cli.h"

#include "app/CyklDrogi.h"
#include "app/Droga.h"
#include "common/Interakcja.h"
#include "network/PlikSieci.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

// 19 bajtów: obraz tabeli bez kolumn z 2 147 483 647 wierszami (po szyfrowaniu kluczem).
const QByteArray k19Bajtow = QByteArray::fromHex("726c7c6b392b2c2d2f2f3031323334cac9c847");

QString zapisz(const QTemporaryDir& dir, const QByteArray& b)
{
    const QString sciezka = dir.filePath(QStringLiteral("FDane.bin"));
    QFile f(sciezka);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
    return sciezka;
}

} // namespace

TEST(UszkodzonaSiec, TabelaBezKolumnZMiliardamiWierszy)
{
    ASSERT_EQ(k19Bajtow.size(), 19);
    QByteArray jawna = k19Bajtow;
    przeksztalcKluczem(jawna);
    ASSERT_TRUE(jawna.startsWith("TKTB"));

    QTemporaryDir dir;
    const QString plik = zapisz(dir, k19Bajtow);
    Siec s;
    QString blad;
    EXPECT_FALSE(WczytajLinieZPliku(s, plik, blad));
    EXPECT_TRUE(blad.contains(plik)) << blad.toStdString();
    // tabela bez kolumn nie ma oczekiwanych kolumn: odrzucona, zanim wiersze są czytane
    EXPECT_TRUE(blad.contains(QStringLiteral("ZakresyBr nie ma oczekiwanych kolumn"))) << blad.toStdString();

    // start programu: komunikat "Błąd", sieć pusta, reszta aktywacji wykonana
    InterakcjaSkryptowa ia;
    Droga d(ia, dir.path() + QLatin1Char('/'));
    EXPECT_FALSE(TworzDroge(d, plik));
    ASSERT_EQ(ia.zdarzenia().size(), 1);
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    EXPECT_TRUE(ia.zdarzenia()[0].tekst.contains(QStringLiteral("jest uszkodzony"))) << ia.zdarzenia()[0].tekst.toStdString();
    EXPECT_EQ(d.siec.liczbaStacji(), 0);
    EXPECT_FALSE(d.siecWczytana);

    // polecenia: zwykły błąd danych (kod 2) z nazwą pliku, nie brak pamięci
    for (const QStringList& polecenie : {QStringList{QStringLiteral("dump-network")},
                                         QStringList{QStringLiteral("route"), QStringLiteral("--start"), QStringLiteral("@0")}}) {
        const WynikCli w = uruchomCli(polecenie + QStringList{QStringLiteral("--network"), plik});
        EXPECT_EQ(w.kod, 2) << w.bledy.toStdString();
        EXPECT_TRUE(w.bledy.contains(QStringLiteral("jest uszkodzony"))) << w.bledy.toStdString();
        EXPECT_FALSE(w.bledy.contains(QStringLiteral("pamięci"))) << w.bledy.toStdString();
    }
}
