#include "common/BledyPlikow.h"
#include "common/Cp1250.h"
#include "common/Daty.h"
#include "common/Interakcja.h"
#include "common/Liczby.h"
#include "common/Tabela.h"
#include "common/ZapisAtomowy.h"
#include "wspolne/DrukQt.h"
#include "wspolne/LimitPliku.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tks;

TEST(Cp1250, PolskieLiteryWObieStrony)
{
    const QString litery = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const QByteArray b = naCp1250(litery);
    EXPECT_EQ(b, QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
    EXPECT_EQ(zCp1250(b), litery);
    EXPECT_EQ(naCp1250(QStringLiteral("A€→")), QByteArray("A\x80?"));
}

TEST(Cp1250, ZgodnaZDekoderemSystemowym)
{
    QStringDecoder dekoder("windows-1250");
    if (!dekoder.isValid())
        GTEST_SKIP() << "brak dekodera windows-1250";
    for (int b = 0x80; b < 0x100; ++b) {
        const QByteArray bajt(1, char(b));
        const QString nasz = zCp1250(bajt);
        if (nasz == QString(QChar(0xFFFD)))
            continue;   // bajt bez znaku w tej stronie kodowej
        QStringDecoder d("windows-1250");
        EXPECT_EQ(nasz, d.decode(bajt)) << "bajt " << b;
        EXPECT_EQ(naCp1250(nasz), bajt) << "bajt " << b;
    }
}

TEST(Liczby, ZaokraglaniePolowekDoParzystej)
{
    EXPECT_EQ(zaokraglij(0.5), 0);
    EXPECT_EQ(zaokraglij(1.5), 2);
    EXPECT_EQ(zaokraglij(2.5), 2);
    EXPECT_EQ(zaokraglij(-2.5), -2);
    EXPECT_EQ(zaokraglij(2.6), 3);
    EXPECT_EQ(zaokraglij(12.3456 * 1000), 12346);
    EXPECT_EQ(zaokraglij(0.0005 * 1000), 0);
    EXPECT_EQ(zaokraglij(0.0015 * 1000), 2);
    EXPECT_DOUBLE_EQ(zaokraglij(188.01435, 2), 188.01);
    EXPECT_DOUBLE_EQ(zaokraglij(10.005, 2), 10.0);   // połówka dziesiętna do parzystej
    EXPECT_DOUBLE_EQ(zaokraglij(10.015, 2), 10.02);
}

TEST(Liczby, FormatyKwotIDlugosci)
{
    EXPECT_EQ(formatujZl(1234567.891), QStringLiteral("1 234 567,89 zł"));
    EXPECT_EQ(formatujZl(0), QStringLiteral("0,00 zł"));
    EXPECT_EQ(formatujZl(999.999), QStringLiteral("1 000,00 zł"));
    EXPECT_EQ(formatujZl(-1234.5), QStringLiteral("-1 234,50 zł"));
    EXPECT_EQ(formatujKm(12.3456), QStringLiteral("12,346 km"));
    EXPECT_EQ(formatujKm(1234.0), QStringLiteral("1 234,000 km"));
}

TEST(Liczby, OdczytZPrzecinkiem)
{
    double v = 0;
    EXPECT_TRUE(czytajLiczbe(QStringLiteral("2,5"), v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(czytajLiczbe(QStringLiteral("1 234,5"), v));
    EXPECT_EQ(v, 1234.5);
    EXPECT_FALSE(czytajLiczbe(QStringLiteral("2.5"), v));
    EXPECT_FALSE(czytajLiczbe(QStringLiteral("abc"), v));
    EXPECT_FALSE(czytajLiczbe(QString(), v));
}

TEST(Daty, NumeryDni)
{
    EXPECT_EQ(dzienZDaty(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(dzienZDaty(QDate(2017, 12, 10)), 43079);
    EXPECT_EQ(dataZDnia(43079.75), QDate(2017, 12, 10));
    EXPECT_EQ(dataIso(43079), QStringLiteral("2017-12-10"));
    EXPECT_EQ(dataCzasZDnia(43079.5).time(), QTime(12, 0));
}

TEST(Interakcja, SkryptowaZapisujeIOdpowiada)
{
    InterakcjaSkryptowa ia;
    ia.dodajOdpowiedz(Odpowiedz::Nie);
    ia.komunikat(QStringLiteral("a"), QStringLiteral("Uwaga !"), Ikona::Blad);
    EXPECT_EQ(ia.pytanie(QStringLiteral("b"), QStringLiteral("t"), Ikona::Pytanie, Przyciski::TakNie), Odpowiedz::Nie);
    EXPECT_EQ(ia.pytanie(QStringLiteral("c"), QStringLiteral("t"), Ikona::Pytanie, Przyciski::TakNie), Odpowiedz::Tak);
    EXPECT_EQ(ia.wybor(QStringLiteral("w"), QStringLiteral("x"), {QStringLiteral("Linia 1"), QStringLiteral("Linia 2")}), 0);
    ia.dodajWybor(-1);
    EXPECT_EQ(ia.wybor(QStringLiteral("w"), QStringLiteral("x"), {QStringLiteral("Linia 1")}), -1);
    ASSERT_EQ(ia.zdarzenia().size(), 5);
    EXPECT_EQ(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    EXPECT_EQ(ia.zdarzenia()[1].odpowiedz, QStringLiteral("Nie"));
    EXPECT_EQ(ia.zdarzenia()[3].odpowiedz, QStringLiteral("Linia 1"));
    EXPECT_EQ(ia.zdarzenia()[4].odpowiedz, QStringLiteral("Anuluj"));
}

namespace {
Tabela tabelaPociagow()
{
    Tabela t(QStringLiteral("ListaPociagow"), {{QStringLiteral("IdPociagu"), TypPola::Calkowita},
                                               {QStringLiteral("NrPociagu"), TypPola::Tekst, 5},
                                               {QStringLiteral("Cena"), TypPola::Rzeczywista},
                                               {QStringLiteral("Pelna"), TypPola::Logiczna},
                                               {QStringLiteral("Opis"), TypPola::Memo},
                                               {QStringLiteral("Nr"), TypPola::Mala}});
    const struct { int id; const char* nr; double cena; } w[] = {{3, "b12", 10.5}, {1, "A7", 0}, {2, "a1", 2}};
    for (const auto& x : w) {
        const int r = t.dodajWiersz();
        t.ustaw(r, QStringLiteral("IdPociagu"), x.id);
        t.ustaw(r, QStringLiteral("NrPociagu"), QString::fromUtf8(x.nr));
        t.ustaw(r, QStringLiteral("Cena"), x.cena);
    }
    return t;
}
} // namespace

TEST(Tabela, NullOdroznionyOdZeraIPustegoTekstu)
{
    Tabela t = tabelaPociagow();
    t.ustaw(0, QStringLiteral("Opis"), QString(""));
    EXPECT_TRUE(t.jestNull(1, QStringLiteral("Opis")));
    EXPECT_FALSE(t.jestNull(0, QStringLiteral("Opis")));
    EXPECT_FALSE(t.jestNull(1, QStringLiteral("Cena")));   // 0, nie Null
    EXPECT_TRUE(t.jestNull(0, QStringLiteral("Pelna")));
    // tekst przycinany do rozmiaru kolumny, liczby sprawdzane
    t.ustaw(0, QStringLiteral("NrPociagu"), QStringLiteral("1234567"));
    EXPECT_EQ(t.tekst(0, QStringLiteral("nrpociagu")), QStringLiteral("12345"));
    EXPECT_FALSE(t.ustaw(0, QStringLiteral("Nr"), 40000));
    EXPECT_FALSE(t.ustaw(0, QStringLiteral("IdPociagu"), QStringLiteral("abc")));
    EXPECT_FALSE(t.ustaw(0, QStringLiteral("Brak"), 1));
    t.ustaw(0, QStringLiteral("Cena"), QVariant());
    EXPECT_TRUE(t.jestNull(0, QStringLiteral("Cena")));
}

TEST(Tabela, IndeksFiltrISuma)
{
    Tabela t = tabelaPociagow();
    EXPECT_EQ(t.widok(), (QVector<int>{0, 1, 2}));
    t.ustawIndeks(QStringLiteral("NrPociagu"));          // rosnąco bez wielkości liter
    EXPECT_EQ(t.widok(), (QVector<int>{2, 1, 0}));
    t.ustawIndeks(QStringLiteral("IdPociagu"), true);
    EXPECT_EQ(t.widok(), (QVector<int>{0, 2, 1}));
    t.ustawFiltr([](const Tabela& tab, int w) { return tab.rzeczywista(w, QStringLiteral("Cena")) > 1; });
    EXPECT_EQ(t.widok(), (QVector<int>{0, 2}));
    EXPECT_EQ(t.suma(QStringLiteral("Cena")).toDouble(), 12.5);
    t.usunFiltr();
    t.usunIndeks();
    EXPECT_EQ(t.suma(QStringLiteral("Cena")).toDouble(), 12.5);
    EXPECT_FALSE(t.suma(QStringLiteral("Pelna")).isValid());
}

TEST(Tabela, PlikJsonZachowujeTypyNullIKolejnosc)
{
    QTemporaryDir dir;
    Tabela t = tabelaPociagow();
    t.ustaw(1, QStringLiteral("Pelna"), false);
    t.ustaw(2, QStringLiteral("Opis"), QStringLiteral("wiele\r\nlinii „cudzysłów”"));
    t.ustaw(2, QStringLiteral("Cena"), 0.1 + 0.2);
    QString blad;
    const QString p = dir.filePath(QStringLiteral("t.cds"));
    ASSERT_TRUE(t.zapiszDoPliku(p, blad)) << blad.toStdString();
    auto r = Tabela::wczytajZPliku(p, blad);
    ASSERT_TRUE(r) << blad.toStdString();
    EXPECT_EQ(*r, t);
    EXPECT_EQ(r->rzeczywista(2, QStringLiteral("Cena")), 0.1 + 0.2);

    // uszkodzony plik: komunikat z nazwą pliku, bez wyniku
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"format\":\"taksatura-tabela\",\"wersja\":1,\"kolumny\":[{\"nazwa\":\"A\",\"typ\":\"integer\"}],"
            "\"wiersze\":[[\"tekst\"]]}");
    f.close();
    EXPECT_FALSE(Tabela::wczytajZPliku(p, blad));
    EXPECT_TRUE(blad.contains(p)) << blad.toStdString();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"format\":\"taksatura-tabela\",");
    f.close();
    EXPECT_FALSE(Tabela::wczytajZPliku(p, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("błędny zapis JSON"))) << blad.toStdString();
    // data poza latami kalendarza: plik uszkodzony, a sama zamiana daje datę nieważną
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"format\":\"taksatura-tabela\",\"wersja\":1,\"kolumny\":[{\"nazwa\":\"D\",\"typ\":\"datetime\"}],"
            "\"wiersze\":[[1e300]]}");
    f.close();
    EXPECT_FALSE(Tabela::wczytajZPliku(p, blad));
    EXPECT_FALSE(dataZDnia(1e300).isValid());
    EXPECT_FALSE(dataCzasZDnia(-1e300).isValid());
    EXPECT_EQ(dataZDnia(43444), QDate(2018, 12, 10));
}

TEST(Tabela, ObrazBinarnyZnaSwojaDlugosc)
{
    const Tabela t = tabelaPociagow();
    QByteArray b = t.obraz() + QByteArray("reszta");
    qsizetype zuzyte = 0;
    QString blad;
    auto r = Tabela::zObrazu(b.constData(), b.size(), zuzyte, blad);
    ASSERT_TRUE(r) << blad.toStdString();
    EXPECT_EQ(zuzyte, b.size() - 6);
    EXPECT_EQ(*r, t);
    // każde obcięcie obrazu jest wykrywane
    for (qsizetype n = 0; n < zuzyte; ++n)
        EXPECT_FALSE(Tabela::zObrazu(b.constData(), n, zuzyte, blad)) << n;
}

TEST(ZapisAtomowy, PolskieOpisyPrzyczynINienaruszonyStaryPlik)
{
    QTemporaryDir k;
    QString blad;
    // brak folderu, folder zamiast pliku
    EXPECT_FALSE(zapiszAtomowo(k.filePath(QStringLiteral("brak/plik.txt")), "x", blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("nie istnieje"))) << blad.toStdString();
    EXPECT_FALSE(zapiszAtomowo(k.path(), "x", blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("to jest folder"))) << blad.toStdString();

    // odczyt: brak pliku i folder
    QFile brak(k.filePath(QStringLiteral("nie_ma.json")));
    EXPECT_FALSE(brak.open(QIODevice::ReadOnly));
    EXPECT_EQ(opisBleduPliku(brak, brak.fileName(), false), QStringLiteral("plik nie istnieje"));
    QFile folder(k.path());
    EXPECT_FALSE(folder.open(QIODevice::ReadOnly) && folder.readAll().size() > 0);
    EXPECT_EQ(opisBleduPliku(folder, k.path(), false), QStringLiteral("to jest folder, nie plik"));

    // limit rozmiaru pliku: zapis się nie udaje, stary plik zostaje w całości
    const QString plik = k.filePath(QStringLiteral("dane.bin"));
    ASSERT_TRUE(zapiszAtomowo(plik, QByteArray(100, 'a'), blad));
    const bool udany = test::zLimitemRozmiaruPliku(4096, [&] { return zapiszAtomowo(plik, QByteArray(100000, 'b'), blad); });
    EXPECT_FALSE(udany);
    EXPECT_TRUE(blad.contains(QStringLiteral("błąd zapisu"))) << blad.toStdString();
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(100, 'a'));
}
