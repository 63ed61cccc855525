#pragma once
// Mała sieć i folder programu w folderze tymczasowym dla testów pociągów.
//
//   "  Alfa " -1- Beta -1- Gamma -1- Delta      (linia 1, po 10 km)
//                  \                  /
//                   -2- Epsilon -2---          (linia 2, po 15 km)

#include "app/Droga.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "trains/PlikiPociagu.h"
#include "trains/ZapisPociagu.h"
#include "wspolne/DrogaTestowa.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {

struct PociagTestowy : DrogaTestowa {
    QTemporaryDir katalog;
    OknaPociaguSkryptowe okna;
    int A, B, C, D, E;

    PociagTestowy()
    {
        d.katalogProgramu = katalog.path() + QLatin1Char('/');
        d.plikUstawien = d.katalogProgramu + QStringLiteral("taksatura.ini");
        A = dodajStacje(s(), QStringLiteral("  Alfa "), 0, 0, 101);
        B = dodajStacje(s(), QStringLiteral("Beta"), 10, 0, 102);
        C = dodajStacje(s(), QStringLiteral("Gamma"), 20, 0, 103);
        D = dodajStacje(s(), QStringLiteral("Delta"), 30, 0, 104);
        E = dodajStacje(s(), QStringLiteral("Epsilon"), 20, 10, 105);
        dodajOdcinek(s(), A, B, 10000, 1, cechy::Normalnotorowa, 0);
        dodajOdcinek(s(), B, C, 10000, 1, cechy::Normalnotorowa, 10000);
        dodajOdcinek(s(), C, D, 10000, 1, cechy::Normalnotorowa, 20000);
        dodajOdcinek(s(), B, E, 15000, 2, cechy::Normalnotorowa, 0);
        dodajOdcinek(s(), E, D, 15000, 2, cechy::Normalnotorowa, 15000);
        przygotuj();
        // w edytorze nagłówka wpisany numer, terminy "zapisz mimo braku"
        okna.wypelnijNaglowek = [](Droga& dr) {
            if (!dr.pociag.pole(QStringLiteral("NrPociagu")).isValid())
                dr.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("1234"));
        };
    }

    // Trasa Alfa - Delta (bez punktów pośrednich).
    void trasaAD()
    {
        ASSERT_TRUE(OznaczStart(d, A));
        ASSERT_TRUE(OznaczMeta(d, D));
    }

    QString plik(const char* tabela, int id) const { return plikTabeliPociagu(d, QString::fromLatin1(tabela), id); }
    QString plikListy() const { return plikListyPociagow(d); }
    static QByteArray tresc(const QString& sciezka)
    {
        QFile f(sciezka);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void zapiszTresc(const QString& sciezka, const QByteArray& b)
    {
        QFile f(sciezka);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
};

} // namespace tks::test
