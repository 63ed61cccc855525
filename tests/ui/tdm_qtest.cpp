// Okno startowe: napisy, kolory, przyciski, tworzenie okna głównego,
// krok przed zestawieniami, pomoc.

#include "app/TDM.h"
#include "app/TFrmDroga.h"
#include "app/TFrmHelp.h"
#include "common/Interakcja.h"
#include "common/InterakcjaOkienna.h"
#include "common/Podpowiedzi.h"
#include "common/Tlumaczenia.h"
#include "ui/WspolneOkien.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace tks;
using namespace tks::ui;

class TestTDM : public QObject {
    Q_OBJECT
private slots:
    void napisyKoloryIPrzyciski();
    void pierwszaAktywacjaTworzyOknoGlowne();
    void wyznaczanieTrasyModalnie();
    void zestawieniaPrzedPierwszymPokazaniem();
    void instrukcjaZamykanaKlawiszemEsc();
    void zamkniecieNiszczyOkna();
    void polskiePrzyciskiOkienDialogowych();
};

void TestTDM::napisyKoloryIPrzyciski()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    QCOMPARE(dm.windowTitle(), QStringLiteral("Taksatura 2018"));
    QCOMPARE(dm.LabelNazwa->text(), QStringLiteral("TAKSATURA 2018"));
    QCOMPARE(dm.LabelWersja->text(), QStringLiteral("wersja 4.0"));
    QCOMPARE(dm.LObowiazujeOd->text(), QStringLiteral("Obowiązuje od: 02.09.2018"));
    for (QLabel* l : dm.findChildren<QLabel*>())
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0x00, 0x24, 0xA8));

    QCOMPARE(test::bezSkrotu(dm.BitBtn1->text()), QStringLiteral("Wyznaczanie trasy"));
    QCOMPARE(test::bezSkrotu(dm.BitBtn3->text()), QStringLiteral("Instrukcja obsługi"));
    QCOMPARE(test::bezSkrotu(dm.BitBtn2->text()), QStringLiteral("Zestawienia"));
    QCOMPARE(test::bezSkrotu(dm.BitBtnUsun->text()), QStringLiteral("Usuń pociąg z bazy"));
    QVERIFY(dm.BitBtn1->isEnabled());
    QVERIFY(dm.BitBtn3->isEnabled());
    QVERIFY(dm.BitBtn2->isEnabled());
    QVERIFY(dm.BitBtnUsun->isEnabled());

    // podpowiedzi po 60 s
    QVERIFY(qApp->findChild<DlugiePodpowiedzi*>() != nullptr);

    // przecinek dziesiętny w całym programie
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));

    // napisy się mieszczą
    dm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dm));
    for (QLabel* l : dm.findChildren<QLabel*>())
        QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
    for (QPushButton* b : dm.findChildren<QPushButton*>())
        QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
    // środek ekranu
    if (QScreen* s = dm.screen()) {
        const QPoint roznica = dm.frameGeometry().center() - s->availableGeometry().center();
        QVERIFY2(qAbs(roznica.x()) <= 3 && qAbs(roznica.y()) <= 3, qPrintable(QStringLiteral("%1 %2").arg(roznica.x()).arg(roznica.y())));
    }

    const QString plik = test::zapiszZrzut(dm, QStringLiteral("okno_startowe"));
    QVERIFY(QFile::exists(plik));
}

void TestTDM::pierwszaAktywacjaTworzyOknoGlowne()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    QVERIFY(!dm.frmDroga());
    dm.show();
    QTRY_VERIFY(dm.frmDroga() != nullptr);
    // aktywacja okna głównego przebiegła przy starcie: sieć wczytana, okno ukryte
    QVERIFY(dm.frmDroga()->droga().siecWczytana);
    QVERIFY(!dm.frmDroga()->isVisible());
    QVERIFY(ia.zdarzenia().isEmpty());
    QCOMPARE(dm.frmDroga()->droga().katalogProgramu, dm.srodowisko().katalogProgramu);
}

void TestTDM::wyznaczanieTrasyModalnie()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    dm.utworzOkna();
    TFrmDroga* okno = dm.frmDroga();
    bool widoczne = false, modalne = false;
    Qt::CursorShape kursor = Qt::ArrowCursor;
    QTimer::singleShot(50, this, [&] {
        widoczne = okno->isVisible();
        modalne = okno->windowModality() == Qt::ApplicationModal;
        kursor = dm.BitBtn1->cursor().shape();
        okno->close();
    });
    dm.BitBtn1Click();
    QVERIFY(widoczne);
    QVERIFY(modalne);
    QCOMPARE(kursor, Qt::WaitCursor);
    QVERIFY(!okno->isVisible());
    QVERIFY(!dm.BitBtn1->testAttribute(Qt::WA_SetCursor));
    // zamknięcie zapisało ustawienia
    QVERIFY(QFile::exists(dm.srodowisko().plikUstawien));
}

void TestTDM::zestawieniaPrzedPierwszymPokazaniem()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    dm.utworzOkna();
    Droga& d = dm.frmDroga()->droga();
    QVERIFY(d.pierwszePokazanie);
    QVERIFY(!d.pociag.tabeleUtworzone);
    QString tytul;
    QTimer::singleShot(50, this, [&] {
        if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            tytul = okno->windowTitle();
            okno->reject();
        }
    });
    dm.BitBtn2Click();
    QCOMPARE(tytul, QStringLiteral("Zestawienia"));
    QVERIFY(d.pociag.tabeleUtworzone);
    QVERIFY(!d.pierwszePokazanie);
    QCOMPARE(d.pociag.Naglowek.liczbaWierszy(), 0);
    QVERIFY(!dm.BitBtn2->testAttribute(Qt::WA_SetCursor));

    // pokazanie okna głównego potem: nowy pociąg i skasowana trasa
    d.trasa.GlowneStacje.push_back(TGlownaStacja{});
    dm.frmDroga()->show();
    QCOMPARE(d.pociag.Naglowek.liczbaWierszy(), 1);
    QVERIFY(d.trasa.GlowneStacje.empty());
    dm.frmDroga()->close();
}

void TestTDM::instrukcjaZamykanaKlawiszemEsc()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    Srodowisko s = test::srodowiskoTestowe(katalog);
    s.katalogProgramu = zSeparatorem(QStringLiteral(TKS_RUN_DIR));
    TDM dm(s, &ia);
    QString tytul, zrodlo;
    bool zamkniete = false;
    QTimer::singleShot(50, this, [&] {
        auto* okno = qobject_cast<TFrmHelp*>(QApplication::activeModalWidget());
        if (!okno)
            return;
        tytul = okno->windowTitle();
        zrodlo = okno->przegladarka()->source().toLocalFile();
        QTest::keyClick(okno, Qt::Key_Escape);
        zamkniete = !okno->isVisible();
    });
    dm.BitBtn3Click();
    QCOMPARE(tytul, QStringLiteral("Opis programu taksatura"));
    QCOMPARE(zrodlo, QStringLiteral(TKS_RUN_DIR "/Pomoc/Taksatura.htm"));
    QVERIFY(zamkniete);
}

void TestTDM::zamkniecieNiszczyOkna()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    dm.utworzOkna();
    QPointer<TFrmDroga> okno = dm.frmDroga();
    QVERIFY(okno);
    dm.show();
    dm.close();
    QVERIFY(!okno);
}

void TestTDM::polskiePrzyciskiOkienDialogowych()
{
    QVERIFY(ZaladujTlumaczeniaQt());
    QVERIFY(ZaladujTlumaczeniaQt());   // drugi raz nic nie dokłada
    // pytanie rdzenia w oknie: Tak / Nie / Anuluj, Esc = Anuluj
    InterakcjaOkienna io;
    QStringList napisy;
    QTimer::singleShot(50, this, [&] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m)
            return;
        for (QAbstractButton* b : m->buttons())
            napisy << test::bezSkrotu(b->text());
        QTest::keyClick(m, Qt::Key_Escape);
    });
    const Odpowiedz o = io.pytanie(QStringLiteral("Czy zapisać zmiany dla nowego pociągu ?"), QStringLiteral("Uwaga !"),
                                   Ikona::Ostrzezenie, Przyciski::TakNieAnuluj);
    napisy.sort();
    QCOMPARE(napisy, (QStringList{"Anuluj", "Nie", "Tak"}));
    QCOMPARE(o, Odpowiedz::Anuluj);
}

QTEST_MAIN(TestTDM)
#include "tdm_qtest.moc"
