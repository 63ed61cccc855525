// Model siatki nad tabelą: Null jako puste pole, formaty kolumn, sortowanie
// indeksem tabeli, filtr tabeli i modelu, wybrane kolumny i tytuły.

#include "common/Daty.h"
#include "common/ModelTabeli.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

using namespace tks;
using namespace tks::ui;

namespace {

Tabela tabelaPociagow()
{
    Tabela t(QStringLiteral("Pociagi"), {{QStringLiteral("IdPociagu"), TypPola::Calkowita},
                                         {QStringLiteral("Nazwa"), TypPola::Tekst, 30},
                                         {QStringLiteral("Cena"), TypPola::Rzeczywista},
                                         {QStringLiteral("Dlugosc"), TypPola::Rzeczywista},
                                         {QStringLiteral("Pelna"), TypPola::Logiczna},
                                         {QStringLiteral("Utworzono"), TypPola::DataCzas}});
    const struct { int id; const char* nazwa; QVariant cena; bool pelna; } w[] = {
        {1, "Mława", 1234567.891, true}, {2, "łódź", QVariant(), false}, {3, "Lublin", 0.005, true},
        {4, "Łomża", -12.5, false}};
    for (const auto& r : w) {
        const int i = t.dodajWiersz();
        t.ustaw(i, QStringLiteral("IdPociagu"), r.id);
        t.ustaw(i, QStringLiteral("Nazwa"), QString::fromUtf8(r.nazwa));
        t.ustaw(i, QStringLiteral("Cena"), r.cena);
        t.ustaw(i, QStringLiteral("Pelna"), r.pelna);
    }
    t.ustaw(0, QStringLiteral("Dlugosc"), 1234.5);
    t.ustaw(0, QStringLiteral("Utworzono"), dzienZDaty(QDate(2018, 3, 9)));
    return t;
}

QStringList kolumna(const ModelTabeli& m, int k)
{
    QStringList l;
    for (int w = 0; w < m.rowCount(); ++w)
        l << m.data(m.index(w, k)).toString();
    return l;
}

} // namespace

class TestModelTabeli : public QObject {
    Q_OBJECT
private slots:
    void tekstyPolIFormaty();
    void sortowanieFiltrIKolumny();
    void siatkaNadModelem();
};

void TestModelTabeli::tekstyPolIFormaty()
{
    Tabela t = tabelaPociagow();
    ModelTabeli m(&t);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(m.rowCount(), 4);
    QCOMPARE(m.columnCount(), 6);
    m.ustawFormat(QStringLiteral("Cena"), QStringLiteral("#,###,##0.00 zł"));
    m.ustawFormat(QStringLiteral("Dlugosc"), QStringLiteral("#,###,##0.000 km"));
    QCOMPARE(kolumna(m, 2), (QStringList{"1 234 567,89 zł", "", "0,00 zł", "-12,50 zł"}));   // Null puste
    QCOMPARE(kolumna(m, 3), (QStringList{"1 234,500 km", "", "", ""}));
    QCOMPARE(kolumna(m, 4), (QStringList{"Tak", "Nie", "Tak", "Nie"}));
    QCOMPARE(kolumna(m, 5), (QStringList{"09.03.2018", "", "", ""}));
    QCOMPARE(m.data(m.index(1, 2), Qt::EditRole), QVariant());             // Null zostaje Null
    QCOMPARE(m.data(m.index(0, 2), Qt::EditRole).toDouble(), 1234567.891);
    QCOMPARE(m.data(m.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(m.data(m.index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

    // wzorce bez grupowania i wartości logiczne z własnym tekstem
    QCOMPARE(tekstPola(1234.5678, TypPola::Rzeczywista, QStringLiteral("0.00")), QStringLiteral("1234,57"));
    QCOMPARE(tekstPola(7, TypPola::Calkowita, QStringLiteral("0 dni")), QStringLiteral("7 dni"));
    QCOMPARE(tekstPola(2.5, TypPola::Rzeczywista), QStringLiteral("2,5"));
    QCOMPARE(tekstPola(true, TypPola::Logiczna, QStringLiteral("kursuje;nie kursuje")), QStringLiteral("kursuje"));
    QCOMPARE(tekstPola(QVariant(), TypPola::Tekst), QString());
    QCOMPARE(tekstPola(dzienZDatyCzasu(QDateTime(QDate(2018, 1, 2), QTime(13, 45))), TypPola::DataCzas,
                       QStringLiteral("dd.MM.yyyy hh:mm")),
             QStringLiteral("02.01.2018 13:45"));
}

void TestModelTabeli::sortowanieFiltrIKolumny()
{
    Tabela t = tabelaPociagow();
    ModelTabeli m(&t);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.ustawKolumny({QStringLiteral("Nazwa"), QStringLiteral("IdPociagu"), QStringLiteral("Brak")});
    m.ustawTytul(QStringLiteral("nazwa"), QStringLiteral("Nazwa pociągu"));
    QCOMPARE(m.columnCount(), 2);
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nazwa pociągu"));
    QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("IdPociagu"));
    QCOMPARE(m.kolumnaModelu(QStringLiteral("IdPociagu")), 1);
    QCOMPARE(m.kolumnaTabeli(0), t.indeksKolumny(QStringLiteral("Nazwa")));

    // rosnąco: polskie porządkowanie bez wielkości liter, indeks ustawiony w tabeli
    m.sort(0, Qt::AscendingOrder);
    QCOMPARE(t.kolumnaIndeksu(), QStringLiteral("Nazwa"));
    QCOMPARE(kolumna(m, 0), (QStringList{"Lublin", "Łomża", "łódź", "Mława"}));   // ó po o
    QCOMPARE(m.wierszTabeli(0), 2);
    QCOMPARE(m.wierszModelu(0), 3);
    m.sort(1, Qt::DescendingOrder);
    QCOMPARE(kolumna(m, 1), (QStringList{"4", "3", "2", "1"}));

    // filtr tabeli i dodatkowy filtr modelu
    t.ustawFiltr([](const Tabela& tab, int w) { return tab.logiczna(w, QStringLiteral("Pelna")); });
    m.odswiez();
    QCOMPARE(kolumna(m, 1), (QStringList{"3", "1"}));
    m.ustawFiltr([](const Tabela& tab, int w) { return tab.calkowita(w, QStringLiteral("IdPociagu")) > 2; });
    QCOMPARE(kolumna(m, 1), (QStringList{"3"}));
    QCOMPARE(m.wierszModelu(0), -1);   // odfiltrowany
    QCOMPARE(m.wierszTabeli(5), -1);

    // zmiana wierszy tabeli widoczna po odświeżeniu
    t.usunFiltr();
    m.ustawFiltr({});
    t.usunWiersz(0);
    m.odswiez();
    QCOMPARE(m.rowCount(), 3);
}

void TestModelTabeli::siatkaNadModelem()
{
    Tabela t = tabelaPociagow();
    ModelTabeli m(&t);
    QTableView v;
    v.setModel(&m);
    v.setSortingEnabled(true);
    v.resize(700, 200);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    // kliknięcie nagłówka sortuje przez indeks tabeli
    v.sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(t.kolumnaIndeksu(), QStringLiteral("Nazwa"));
    QVERIFY(t.indeksMalejacy());
    QCOMPARE(m.data(m.index(0, 1)).toString(), QStringLiteral("Mława"));
    QVERIFY(!v.grab().isNull());
    // model bez tabeli
    ModelTabeli pusty;
    QCOMPARE(pusty.rowCount(), 0);
    QCOMPARE(pusty.columnCount(), 0);
    QCOMPARE(pusty.data(pusty.index(0, 0)), QVariant());
}

QTEST_MAIN(TestModelTabeli)
#include "model_tabeli_qtest.moc"
