// Zapis arkusza .xlsx sprawdzany przez odczyt XML z pliku (unzip): liczby jako
// liczby z formatami programu, pogrubione tytuły, zamrożony wiersz tytułów,
// szerokości kolumn, plik w całości albo wcale.

#include "reports/Arkusz.h"
#include "reports/ArkuszPodgladuTrasy.h"
#include "reports/RaportTestowy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tks::test {
namespace {

QString czesc(const QString& plik, const char* wnetrze)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), plik, QString::fromLatin1(wnetrze)});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Komórki arkusza: adres -> wartość (teksty ze wspólnej tabeli tekstów), z rodzajem.
struct Komorka {
    QString wartosc;
    bool tekst = false;
    int styl = 0;
};
QMap<QString, Komorka> komorki(const QString& plik)
{
    QStringList teksty;
    const QRegularExpression si(QStringLiteral("<si><t[^>]*>([^<]*)</t></si>"));
    for (auto it = si.globalMatch(czesc(plik, "xl/sharedStrings.xml")); it.hasNext();)
        teksty << it.next().captured(1);
    QMap<QString, Komorka> k;
    const QRegularExpression c(QStringLiteral("<c r=\"([A-Z]+[0-9]+)\"( s=\"(\\d+)\")?( t=\"s\")?><v>([^<]*)</v></c>"));
    for (auto it = c.globalMatch(czesc(plik, "xl/worksheets/sheet1.xml")); it.hasNext();) {
        const auto m = it.next();
        Komorka x;
        x.tekst = !m.captured(4).isEmpty();
        x.styl = m.captured(3).toInt();
        x.wartosc = x.tekst ? teksty.value(m.captured(5).toInt()) : m.captured(5);
        k.insert(m.captured(1), x);
    }
    return k;
}

TEST(Arkusz, LiczbyJakoLiczbyZFormatamiITytulyPogrubione)
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("a.xlsx"));
    Arkusz a;
    a.nazwa = QStringLiteral("Zestawienia");
    a.kolumny = {{QStringLiteral("Nr pociągu"), FormatKomorki::Tekst},
                 {QStringLiteral("Długość"), FormatKomorki::Km},
                 {QStringLiteral("Cena"), FormatKomorki::Zl},
                 {QStringLiteral("Dni"), FormatKomorki::Calkowita}};
    a.wiersze = {{QStringLiteral("12/3 Łódź"), 371.568, 3662.54, 5}, {QStringLiteral("B"), QVariant(), 0.5, QVariant()}};
    a.sumy = {{QStringLiteral("Razem"), QVariant(), 3663.04, QVariant()}};
    QString blad;
    ASSERT_TRUE(zapiszXlsx(plik, {a}, blad)) << blad.toStdString();

    const auto k = komorki(plik);
    EXPECT_TRUE(k["A1"].tekst);
    EXPECT_EQ(k["A1"].wartosc, QStringLiteral("Nr pociągu"));
    EXPECT_EQ(k["A2"].wartosc, QStringLiteral("12/3 Łódź"));
    EXPECT_FALSE(k["B2"].tekst);
    EXPECT_DOUBLE_EQ(k["B2"].wartosc.toDouble(), 371.568);
    EXPECT_FALSE(k["C2"].tekst);
    EXPECT_DOUBLE_EQ(k["C2"].wartosc.toDouble(), 3662.54);
    EXPECT_EQ(k["D2"].wartosc, QStringLiteral("5"));
    EXPECT_FALSE(k.contains(QStringLiteral("B3")));   // Null: pusta komórka
    // sumy po pustym wierszu
    EXPECT_FALSE(k.contains(QStringLiteral("A4")));
    EXPECT_EQ(k["A5"].wartosc, QStringLiteral("Razem"));
    EXPECT_DOUBLE_EQ(k["C5"].wartosc.toDouble(), 3663.04);

    const QString style = czesc(plik, "xl/styles.xml");
    EXPECT_TRUE(style.contains(QStringLiteral("formatCode=\"#,##0.00\\ &quot;zł&quot;\"")));
    EXPECT_TRUE(style.contains(QStringLiteral("formatCode=\"0.000\\ &quot;km&quot;\"")));
    EXPECT_TRUE(style.contains(QStringLiteral("<b/>")));
    const QString arkusz = czesc(plik, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(arkusz.contains(QStringLiteral("state=\"frozen\"")));
    EXPECT_TRUE(arkusz.contains(QStringLiteral("ySplit=\"1\"")));
    // kolumna tekstu szersza od kolumny dni
    const QRegularExpression kol(QStringLiteral("<col min=\"(\\d+)\" max=\"\\d+\" width=\"([0-9.]+)\""));
    QMap<int, double> szer;
    for (auto it = kol.globalMatch(arkusz); it.hasNext();) {
        const auto m = it.next();
        szer[m.captured(1).toInt()] = m.captured(2).toDouble();
    }
    EXPECT_GT(szer[1], szer[4]);
    EXPECT_GE(szer[1], 11.0);
    EXPECT_TRUE(czesc(plik, "xl/workbook.xml").contains(QStringLiteral("name=\"Zestawienia\"")));
}

TEST(Arkusz, NieudanyZapisZostawiaStaryPlik)
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("a.xlsx"));
    {
        QFile f(plik);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stary");
    }
    Arkusz a;
    a.kolumny = {{QStringLiteral("x"), FormatKomorki::Tekst}};
    QString blad;
    EXPECT_FALSE(zapiszXlsx(katalog.filePath(QStringLiteral("brak/a.xlsx")), {a}, blad));
    EXPECT_TRUE(blad.contains(QStringLiteral("brak/a.xlsx")));
    // folder tylko do odczytu: plik tymczasowy nie powstaje, stary plik zostaje
    QFile::setPermissions(katalog.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool zapisano = zapiszXlsx(plik, {a}, blad);
    QFile::setPermissions(katalog.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!zapisano) {   // (root pisze mimo uprawnień)
        QFile f(plik);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("stary"));
        EXPECT_EQ(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(Arkusz, PodgladTrasyZSumamiZNaglowka)
{
    TrasaRaportu t({{1, 10000}, {1, 10000}, {2, 20000}});
    WyznaczTrase(t.d, 0);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("t.xlsx"));
    QString blad;
    ASSERT_TRUE(zapiszXlsx(plik, {arkuszPodgladuTrasy(t.p(), t.d.pociag)}, blad)) << blad.toStdString();
    const auto k = komorki(plik);
    EXPECT_EQ(k["A1"].wartosc, QStringLiteral("Lp"));
    EXPECT_EQ(k["A2"].wartosc, QStringLiteral("1"));
    EXPECT_EQ(k["A3"].wartosc, QStringLiteral("2"));
    EXPECT_EQ(k["B2"].wartosc, QStringLiteral("S0"));
    // wiersze linii 1 i 2, pusty wiersz, trzy sumy
    EXPECT_EQ(k["B5"].wartosc, QStringLiteral("Całkowita cena"));
    EXPECT_FALSE(k["I5"].tekst);
    EXPECT_DOUBLE_EQ(k["I5"].wartosc.toDouble(), t.d.pociag.pole(QStringLiteral("CenaWyliczona")).toDouble());
    EXPECT_EQ(k["B6"].wartosc, QStringLiteral("Całkowita długość trasy"));
    EXPECT_DOUBLE_EQ(k["G6"].wartosc.toDouble(), 3.0);
}

} // namespace
} // namespace tks::test
