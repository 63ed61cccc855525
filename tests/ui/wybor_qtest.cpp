// Okno wyboru pozycji z listy (linia przy kilku wspólnych liniach): komunikat nad
// listą, pierwsza pozycja wybrana, klawiatura, "Anuluj" i Esc bez wyboru.

#include "common/InterakcjaOkienna.h"
#include "common/TFrmWybor.h"
#include "routing/Wyszukiwanie.h"
#include "ui/WspolneOkien.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tks;
using namespace tks::ui;

class TestWybor : public QObject {
    Q_OBJECT
private slots:
    void wyborZListyKlawiatura();
};

namespace {

// Działanie na oknie wyboru, gdy tylko się pokaże.
void gdyOkno(std::function<void(TFrmWybor*)> f)
{
    QTimer::singleShot(0, [f] {
        auto* o = qobject_cast<TFrmWybor*>(QApplication::activeModalWidget());
        QVERIFY(o);
        f(o);
    });
}

} // namespace

void TestWybor::wyborZListyKlawiatura()
{
    const QStringList linie{QStringLiteral("Linia 1"), QStringLiteral("Linia 7"), QStringLiteral("Linia 9")};
    const QString opis = QStringLiteral("Stacje A\noraz B\n leżą na 3 wspólnych liniach.\nProszę wybrać właściwą.");
    InterakcjaOkienna ia;

    // lista, nie rozwijane pole; pierwsza pozycja wybrana; strzałka w dół i Enter
    gdyOkno([&](TFrmWybor* o) {
        QCOMPARE(o->windowTitle(), kTytulWyboruLinii);
        QCOMPARE(o->LabelKomunikat->text(), opis);
        QCOMPARE(o->Lista->count(), 3);
        QCOMPARE(o->Lista->currentRow(), 0);
        QCOMPARE(o->BitBtnAnuluj->text(), QStringLiteral("Anuluj"));
        test::zapiszZrzut(*o, QStringLiteral("wybor_linii"));
        QTest::keyClick(o->Lista, Qt::Key_Down);
        QTest::keyClick(o->Lista, Qt::Key_Return);
    });
    QCOMPARE(ia.wybor(kTytulWyboruLinii, opis, linie), 1);

    // OK bez zmiany: pierwsza
    gdyOkno([](TFrmWybor* o) { o->BitBtnOK->click(); });
    QCOMPARE(ia.wybor(kTytulWyboruLinii, opis, linie), 0);

    // "Anuluj" i Esc: brak wyboru
    gdyOkno([](TFrmWybor* o) { o->BitBtnAnuluj->click(); });
    QCOMPARE(ia.wybor(kTytulWyboruLinii, opis, linie), -1);
    gdyOkno([](TFrmWybor* o) { QTest::keyClick(o->Lista, Qt::Key_Escape); });
    QCOMPARE(ia.wybor(kTytulWyboruLinii, opis, linie), -1);

    // bez komunikatu etykieta jest ukryta
    gdyOkno([](TFrmWybor* o) {
        QVERIFY(o->LabelKomunikat->isHidden());
        o->BitBtnOK->click();
    });
    QCOMPARE(ia.wybor(QStringLiteral("Stacje"), QString(), linie), 0);
}

QTEST_MAIN(TestWybor)
#include "wybor_qtest.moc"
