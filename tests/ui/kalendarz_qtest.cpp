// Okno "Kalendarz": przyciski reguł, mysz na siatce (prawdziwe zdarzenia w
// wyliczonych pikselach komórek), menu podręczne, klawiatura, opis ręczny,
// rysowanie; cała droga planisty od menu okna głównego przez zapis do
// ponownego otwarcia.

#include "app/TFrmDroga.h"
#include "calendar/KalendarzTestowy.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/TFrmKalendarz.h"
#include "trains/TFrmNaglowek.h"
#include "trains/ZapisPociagu.h"
#include "ui/WspolneOkien.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::PociagTestowy;

namespace {

const QString kA2 = QStringLiteral("Od 10-12-17 do 28-02-18  kursuje w (A)\r\n");

// Pociąg testowy z oknem kalendarza.
struct Kal {
    PociagTestowy t;
    TFrmKalendarz w{t.d};
    Kal() { w.show(); }
    PoleKalendarza* pole() { return w.PaintBox1; }
    QPoint srodek(int r, int m, int d) const { return t.k.Dni[std::size_t(t.i(r, m, d))].Prostokat.center(); }
    QRect komorka(int r, int m, int d) const { return t.k.Dni[std::size_t(t.i(r, m, d))].Prostokat; }
    QString kod(int z) const
    {
        QString s;
        for (auto v : t.k.Zakresy[std::size_t(z)].D)
            s += QString::number(v);
        return s;
    }
    // Dwa zakresy: A do końca lutego, C od marca (przez menu podręczne i przyciski).
    void dwaZakresy();
};

void klik(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

void przeciagnij(QWidget* w, const QList<QPoint>& punkty)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, punkty.front());
    for (int i = 1; i < punkty.size(); ++i)
        QTest::mouseMove(w, punkty[i]);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, punkty.back());
}

// Menu podręczne w punkcie; zwraca widoczne pozycje.
QStringList menuW(PoleKalendarza* p, const QPoint& pkt)
{
    QContextMenuEvent e(QContextMenuEvent::Mouse, pkt, p->mapToGlobal(pkt));
    QApplication::sendEvent(p, &e);
    QStringList l;
    for (QAction* a : p->menu()->actions())
        if (a->isVisible())
            l << a->text();
    p->menu()->hide();
    return l;
}

void Kal::dwaZakresy()
{
    klik(w.JA);
    const QRect m1 = komorka(2018, 3, 1);
    menuW(pole(), QPoint(m1.left(), m1.center().y()));
    pole()->Podziel1->trigger();
    const QPoint m14 = srodek(2018, 3, 14);
    QTest::mouseClick(pole(), Qt::LeftButton, Qt::NoModifier, m14);
    klik(w.JC);
    QTest::mouseClick(pole(), Qt::LeftButton, Qt::NoModifier, srodek(2018, 1, 10));
}

QColor piksel(const QImage& im, const QPoint& p) { return QColor(im.pixel(p)); }

} // namespace

class TestKalendarz : public QObject {
    Q_OBJECT
private slots:
    void przyciskiRegul();
    void przeciaganieDni();
    void zakresyMysza();
    void menuPodreczne();
    void klawiatura();
    void opisRecznyICena();
    void rysowanie();
    void planistaOdMenuDoPonownegoOtwarcia();
};

void TestKalendarz::przyciskiRegul()
{
    Kal o;
    TFrmKalendarz& w = o.w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kalendarz"));
    QVERIFY(w.NCodziennie->isChecked());
    // J1..J5 i N6, N7 przy zwolnionych świętach: wzorzec A
    for (int i = 0; i < 5; ++i)
        klik(w.J[i]);
    klik(w.N[5]);
    klik(w.N[6]);
    QVERIFY(w.JA->isChecked());
    QVERIFY(!w.JD->isChecked() && !w.NCodziennie->isChecked());
    QCOMPARE(o.kod(0), QStringLiteral("11111002"));
    QCOMPARE(w.DBMemoTerminy->toPlainText(), QStringLiteral("kursuje w (A)\n"));
    QCOMPARE(w.DBEditLDniKurs->text(), QString::number(o.t.lDniKurs()));
    // para: kliknięcie wciśniętego J1 niczego nie zwalnia, N1 zwalnia J1
    klik(w.J[0]);
    QVERIFY(w.J[0]->isChecked() && !w.N[0]->isChecked());
    klik(w.N[0]);
    QVERIFY(!w.J[0]->isChecked() && w.N[0]->isChecked());
    QVERIFY(!w.JA->isChecked());
    // NS, potem JS: co najwyżej jeden wciśnięty, drugie kliknięcie zwalnia
    klik(w.NS);
    QVERIFY(w.NS->isChecked());
    klik(w.JS);
    QVERIFY(w.JS->isChecked() && !w.NS->isChecked());
    klik(w.JS);
    QVERIFY(!w.JS->isChecked() && !w.NS->isChecked());
    // wszystkie J i JS: JS zwolniony od razu, "Codziennie" wciśnięte
    for (auto* b : w.J)
        klik(b);
    klik(w.JS);
    QVERIFY(!w.JS->isChecked());
    QVERIFY(w.Jcodziennie->isChecked());
    QCOMPARE(o.kod(0), QStringLiteral("11111112"));
    // wzorzec D ustawia przyciski i NS
    klik(w.JD);
    QVERIFY(w.JD->isChecked() && w.NS->isChecked() && w.N[5]->isChecked() && w.J[4]->isChecked());
    QCOMPARE(o.kod(0), QStringLiteral("11111000"));
    // "Codziennie" w wierszu "Nie kursuje"
    klik(w.NCodziennie);
    QCOMPARE(o.kod(0), QStringLiteral("00000002"));
    QCOMPARE(w.DBMemoTerminy->toPlainText(), QStringLiteral("Nie kursuje"));
}

void TestKalendarz::przeciaganieDni()
{
    Kal o;
    o.dwaZakresy();
    PoleKalendarza* p = o.pole();
    const int przed = o.t.lDniKurs();
    // 3 -> 7 -> 5 stycznia: w trakcie zaznaczone 3..5 (przyciemnione), 6 już nie
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 1, 3));
    QTest::mouseMove(p, o.srodek(2018, 1, 7));
    QTest::mouseMove(p, o.srodek(2018, 1, 5));
    const QImage w = p->grab().toImage();
    const QPoint tlo4 = o.komorka(2018, 1, 4).topLeft() + QPoint(3, 3);
    const QPoint tlo6 = o.komorka(2018, 1, 6).topLeft() + QPoint(3, 3);
    QCOMPARE(piksel(w, tlo4), kolorySiatki::zaznaczony(kolorySiatki::DzienKursuje));
    QCOMPARE(piksel(w, tlo6), kolorySiatki::DzienNieKursuje);
    QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 1, 5));
    // 3 stycznia kursował: wszystkie trzy dni nie kursują
    for (int d = 3; d <= 5; ++d)
        QVERIFY(!o.t.kursujeDnia(2018, 1, d));
    QCOMPARE(o.t.lDniKurs(), przed - 3);
    QCOMPARE(o.w.DBEditLDniKurs->text(), QString::number(przed - 3));
    QVERIFY(o.w.DBMemoTerminy->toPlainText().startsWith(
        QStringLiteral("Od 10-12-17 do 28-02-18  kursuje w (A), oprócz 03-01-18, 04-01-18, 05-01-18\n")));
    const QImage po = p->grab().toImage();
    QCOMPARE(piksel(po, tlo4), kolorySiatki::DzienNieKursuje);
    // oznaczony dzień ma szarą ramkę wewnątrz komórki
    QCOMPARE(piksel(po, o.komorka(2018, 1, 4).topLeft() + QPoint(1, 5)), kolorySiatki::Szary);
    QCOMPARE(piksel(po, o.komorka(2018, 1, 10).topLeft() + QPoint(1, 5)), kolorySiatki::DzienKursuje);
    // kursor po zwolnieniu: dzień nie kursuje, kliknięcie doda
    QCOMPARE(p->cursor().pixmap().toImage(), kursorFingerPlus().pixmap().toImage());

    // "Usuń oznaczenia dod. terminów"
    klik(o.w.Button1);
    QCOMPARE(o.t.lDniKurs(), przed);
    QVERIFY(o.w.DBMemoTerminy->toPlainText().startsWith(kA2.left(kA2.size() - 2)));
}

void TestKalendarz::zakresyMysza()
{
    Kal o;
    o.dwaZakresy();
    TFrmKalendarz& w = o.w;
    PoleKalendarza* p = o.pole();
    QCOMPARE(o.t.k.AktywnyZakres, 0);
    QVERIFY(w.JA->isChecked());
    // kliknięcie dnia innego zakresu: aktywny, przyciski pokazują jego reguły
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 6, 12));
    QCOMPARE(o.t.k.AktywnyZakres, 1);
    QVERIFY(w.JC->isChecked() && w.JS->isChecked() && w.J[5]->isChecked() && w.N[0]->isChecked());
    QVERIFY(!w.JA->isChecked());
    // kursor nad granicą: poziomy podział; nad podziałem w zakresie: dłoń
    const QRect m1 = o.komorka(2018, 3, 1);
    QTest::mouseMove(p, QPoint(m1.left(), m1.center().y()));
    QCOMPARE(p->cursor().shape(), Qt::SplitHCursor);
    const QRect m20 = o.komorka(2018, 3, 20);
    QTest::mouseMove(p, QPoint(m20.left(), m20.center().y()));
    QCOMPARE(p->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(p, o.srodek(2018, 3, 20));   // wtorek w C nie kursuje
    QCOMPARE(p->cursor().pixmap().toImage(), kursorFingerPlus().pixmap().toImage());
    QTest::mouseMove(p, o.srodek(2018, 3, 24));   // sobota kursuje
    QCOMPARE(p->cursor().pixmap().toImage(), kursorFingerMinus().pixmap().toImage());

    // granica przeciągnięta trzy dni w lewo: 26..28 lutego przechodzą do prawego zakresu
    const QRect l26 = o.komorka(2018, 2, 26);
    przeciagnij(p, {QPoint(m1.left(), m1.center().y()), QPoint(l26.left() + 6, l26.center().y()),
                    QPoint(l26.left() + 1, l26.center().y())});
    QCOMPARE(dataIso(o.t.k.Zakresy[0].ZakresDo), QStringLiteral("2018-02-25"));
    QCOMPARE(dataIso(o.t.k.Zakresy[1].ZakresOd), QStringLiteral("2018-02-26"));
    QVERIFY(w.DBMemoTerminy->toPlainText().startsWith(QStringLiteral("Od 10-12-17 do 25-02-18  kursuje w (A)\n")));
    QCOMPARE(o.t.k.AktywnyZakres, 1);
}

void TestKalendarz::menuPodreczne()
{
    Kal o;
    PoleKalendarza* p = o.pole();
    klik(o.w.JA);
    // jedna widoczna pozycja naraz, według miejsca
    const QRect m1 = o.komorka(2018, 3, 1);
    QCOMPARE(menuW(p, QPoint(m1.left(), m1.center().y())), QStringList{QStringLiteral("Podziel kalendarz")});
    QCOMPARE(menuW(p, o.srodek(2018, 3, 14)), QStringList{});
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 3, 17));   // sobota: dodatkowo kursuje
    QCOMPARE(menuW(p, o.srodek(2018, 3, 17)), QStringList{QStringLiteral("Usun oznaczenie dodatkowego terminu")});
    p->UsunOznaczenie1->trigger();
    QVERIFY(!o.t.kursujeDnia(2018, 3, 17));
    QCOMPARE(o.w.DBMemoTerminy->toPlainText(), QStringLiteral("kursuje w (A)\n"));
    // podział i usunięcie podziału
    menuW(p, QPoint(m1.left(), m1.center().y()));
    p->Podziel1->trigger();
    QCOMPARE(o.t.k.liczbaZakresow(), 2);
    QCOMPARE(menuW(p, QPoint(m1.left(), m1.center().y())), QStringList{QStringLiteral("Usun podzial kalendarza")});
    p->UsunPodzial1->trigger();
    QCOMPARE(o.t.k.liczbaZakresow(), 1);
    QCOMPARE(o.w.DBMemoTerminy->toPlainText(), QStringLiteral("kursuje w (A)\n"));
}

void TestKalendarz::klawiatura()
{
    Kal o;
    o.dwaZakresy();
    PoleKalendarza* p = o.pole();
    QApplication::setActiveWindow(&o.w);
    p->setFocus();
    QVERIFY(p->hasFocus());
    QCOMPARE(p->kursorDnia(), 0);   // pierwszy dzień aktywnego zakresu
    QTest::keyClick(p, Qt::Key_Right);
    QTest::keyClick(p, Qt::Key_Right);
    QCOMPARE(p->kursorDnia(), o.t.i(2017, 12, 12));
    QTest::keyClick(p, Qt::Key_Left);
    QTest::keyClick(p, Qt::Key_Left);
    QTest::keyClick(p, Qt::Key_Left);
    QCOMPARE(p->kursorDnia(), 0);
    // kropkowana ramka kursora przy fokusie
    const QImage im = p->grab().toImage();
    const QRect r0 = o.t.k.Dni[0].Prostokat;
    int czarne = 0;
    for (int x = r0.left() + 2; x < r0.right() - 2; ++x)
        czarne += piksel(im, QPoint(x, r0.top() + 2)) == QColor(Qt::black) ? 1 : 0;
    QVERIFY(czarne >= 3);
    // w dół: komórka pod spodem; spacja przełącza dzień jak kliknięcie
    QTest::keyClick(p, Qt::Key_Down);
    const auto& dz = o.t.k.Dni[std::size_t(p->kursorDnia())];
    QCOMPARE(dz.Kolumna, o.t.k.Dni[0].Kolumna);
    QCOMPARE(dz.Wiersz, 1);
    const bool bylo = Kursuje(o.t.k, p->kursorDnia());
    QTest::keyClick(p, Qt::Key_Space);
    QCOMPARE(Kursuje(o.t.k, p->kursorDnia()), !bylo);
    QCOMPARE(o.w.DBEditLDniKurs->text(), QString::number(o.t.lDniKurs()));
    // klawisz menu: menu dnia pod kursorem (oznaczony - "Usun oznaczenie...")
    {
        QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
        QApplication::sendEvent(p, &e);
        QVERIFY(p->menu()->isVisible());
        QVERIFY(p->UsunOznaczenie1->isVisible() && !p->Podziel1->isVisible() && !p->UsunPodzial1->isVisible());
        p->UsunOznaczenie1->trigger();
        p->menu()->hide();
        QCOMPARE(Kursuje(o.t.k, p->kursorDnia()), bylo);
    }
    // End: ostatni dzień zakresu (28 lutego); dalej w prawo nie idzie
    QTest::keyClick(p, Qt::Key_End);
    QTest::keyClick(p, Qt::Key_Right);
    QCOMPARE(p->kursorDnia(), o.t.i(2018, 2, 28));
    // Tab przechodzi do przycisków, rzędami
    QTest::keyClick(p, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), o.w.Jcodziennie);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), o.w.J[0]);
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), o.w.NCodziennie);
}

void TestKalendarz::opisRecznyICena()
{
    Kal o;
    TFrmKalendarz& w = o.w;
    Pociag& pc = o.t.d.pociag;
    pc.ustaw(QStringLiteral("CenaWyliczona"), 1234.5);
    QCOMPARE(w.EditOd->text(), QStringLiteral("10-12-2017"));
    QCOMPARE(w.EditDo->text(), QStringLiteral("08-12-2018"));
    QVERIFY(w.DBCheckBoxAutGenOp->isChecked());
    QVERIFY(w.DBMemoTerminy->isReadOnly());
    // A przez cały okres (52 pełne tygodnie): 260 dni
    klik(w.JA);
    QCOMPARE(w.DBEditLDniKurs->text(), QStringLiteral("260"));
    QCOMPARE(w.DBEditCena->text(), QStringLiteral("1 234,50 zł"));
    QCOMPARE(w.DBEditCenaRozkJazdy->text(), QStringLiteral("320 970,00 zł"));

    // opis ręczny: pole edytowalne, wpis (także w dwóch wierszach) trafia do nagłówka
    QTest::mouseClick(w.DBCheckBoxAutGenOp, Qt::LeftButton);
    QVERIFY(!w.DBCheckBoxAutGenOp->isChecked());
    QVERIFY(!pc.pole(QStringLiteral("AutGenOpKurs")).toBool());
    QVERIFY(!w.DBMemoTerminy->isReadOnly());
    w.DBMemoTerminy->clear();
    w.DBMemoTerminy->setFocus();
    QTest::keyClicks(w.DBMemoTerminy, QStringLiteral("wg umowy"));
    QTest::keyClick(w.DBMemoTerminy, Qt::Key_Return);
    QTest::keyClicks(w.DBMemoTerminy, QStringLiteral("nr 7"));
    QCOMPARE(pc.pole(QStringLiteral("Kursuje")).toString(), QStringLiteral("wg umowy\r\nnr 7"));
    // reguły dalej liczą dni i cenę, opisu nie ruszają
    klik(w.N[0]);
    QCOMPARE(w.DBEditLDniKurs->text(), QStringLiteral("208"));
    QCOMPARE(w.DBEditCenaRozkJazdy->text(), QStringLiteral("256 776,00 zł"));
    QCOMPARE(pc.pole(QStringLiteral("Kursuje")).toString(), QStringLiteral("wg umowy\r\nnr 7"));
    QCOMPARE(w.DBMemoTerminy->toPlainText(), QStringLiteral("wg umowy\nnr 7"));
    // włączenie (także spacją, nie tylko myszą): opis od nowa, pole tylko do odczytu
    w.DBCheckBoxAutGenOp->setFocus();
    QTest::keyClick(w.DBCheckBoxAutGenOp, Qt::Key_Space);
    QVERIFY(w.DBCheckBoxAutGenOp->isChecked());
    QVERIFY(w.DBMemoTerminy->isReadOnly());
    QCOMPARE(pc.pole(QStringLiteral("Kursuje")).toString(), QStringLiteral("kursuje w (2), (3), (4), (5)\r\n"));
    // bez ceny trasy cena rozkładu jest pusta
    pc.ustaw(QStringLiteral("CenaWyliczona"), QVariant());
    klik(w.J[0]);
    QCOMPARE(w.DBEditCenaRozkJazdy->text(), QString());
}

void TestKalendarz::rysowanie()
{
    Kal o;
    TFrmKalendarz& w = o.w;
    PoleKalendarza* p = o.pole();
    QCOMPARE(p->size(), QSize(767, 304));
    // A do końca lutego, marzec bez dni kursowania, C od kwietnia; aktywny marzec
    klik(w.JA);
    for (const QDate& d : {QDate(2018, 3, 1), QDate(2018, 4, 1)}) {
        const QRect r = o.komorka(d.year(), d.month(), d.day());
        menuW(p, QPoint(r.left(), r.center().y()));
        p->Podziel1->trigger();
    }
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 5, 9));
    klik(w.JC);
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, o.srodek(2018, 3, 14));
    klik(w.NCodziennie);
    QCOMPARE(o.t.k.AktywnyZakres, 1);
    const QImage im = p->grab().toImage();
    test::zapiszZrzut(w, QStringLiteral("kalendarz"));
    {
        // kursory dnia, powiększone do obejrzenia
        QImage k(80, 40, QImage::Format_ARGB32);
        k.fill(Qt::white);
        QPainter pk(&k);
        pk.drawPixmap(0, 0, kursorFingerPlus().pixmap());
        pk.drawPixmap(40, 0, kursorFingerMinus().pixmap());
        pk.end();
        k.scaled(320, 160).save(QStringLiteral(TKS_RUN_DIR "/../zrzuty/kursory_kalendarza.png"));
        QCOMPARE(kursorFingerPlus().hotSpot(), QPoint(8, 1));
    }

    // tło dni: kursuje / nie kursuje
    QCOMPARE(piksel(im, o.komorka(2018, 1, 10).topLeft() + QPoint(3, 3)), kolorySiatki::DzienKursuje);
    QCOMPARE(piksel(im, o.komorka(2018, 1, 13).topLeft() + QPoint(3, 3)), kolorySiatki::DzienNieKursuje);
    // boki: w zakresie szary odstęp; granica aktywnego (marzec) niebieska, granica
    // dwóch nieaktywnych i brzeg siatki czarne (2 piksele: odstęp i brzeg komórki)
    const QRect s10 = o.komorka(2018, 1, 10);
    QCOMPARE(piksel(im, QPoint(s10.right() + 1, s10.center().y())), kolorySiatki::Szary);
    const QRect l14 = o.komorka(2018, 2, 14);
    QCOMPARE(piksel(im, QPoint(l14.left() + 5, l14.bottom() + 1)), kolorySiatki::Aktywny);   // pod: marzec, aktywny
    QCOMPARE(piksel(im, QPoint(l14.left() + 5, l14.bottom())), kolorySiatki::Aktywny);
    const QRect m14 = o.komorka(2018, 3, 14);
    QCOMPARE(piksel(im, QPoint(m14.left() + 5, m14.top())), kolorySiatki::Aktywny);
    const QRect l28 = o.komorka(2018, 2, 28);   // obok pusta komórka, luty nieaktywny
    QCOMPARE(piksel(im, QPoint(l28.right(), l28.center().y())), QColor(Qt::black));
    const QRect g10 = o.komorka(2017, 12, 10);
    QCOMPARE(piksel(im, QPoint(g10.left() + 5, g10.top())), QColor(Qt::black));      // brzeg siatki
    QCOMPARE(piksel(im, QPoint(g10.left() + 5, g10.top() - 1)), QColor(Qt::black));
    const QRect p30 = o.komorka(2018, 11, 30);
    QCOMPARE(piksel(im, QPoint(p30.right(), p30.center().y())), QColor(Qt::black));  // pusta komórka obok

    // liczby dni w etykietach: luty ma, marzec (bez dni kursowania) nie
    const auto ciemne = [&](const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(im.pixel(x, y)) < 100 ? 1 : 0;
        return n;
    };
    const QRect luty = ProstokatEtykietyWiersza(2).adjusted(70, 2, -3, -3);
    const QRect marzec = ProstokatEtykietyWiersza(3).adjusted(70, 2, -3, -3);
    QVERIFY(ciemne(luty) > 0);
    QCOMPARE(ciemne(marzec), 0);

    // numery dni: niedziela czerwona, sobota granatowa, środa czarna
    const auto ma = [&](const QRect& r, auto warunek) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (warunek(QColor(im.pixel(x, y))))
                    return true;
        return false;
    };
    const auto czerwony = [](const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
    const auto granat = [](const QColor& c) { return c.blue() > 70 && c.red() < 60 && c.green() < 60; };
    QVERIFY(ma(o.komorka(2018, 1, 14), czerwony));
    QVERIFY(ma(o.komorka(2018, 1, 13), granat));
    QVERIFY(!ma(o.komorka(2018, 1, 10), czerwony));
    QVERIFY(ma(o.komorka(2018, 11, 1), czerwony));   // święto w czwartek
}

void TestKalendarz::planistaOdMenuDoPonownegoOtwarcia()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga glowne(test::srodowiskoTestowe(katalog), &ia);
    glowne.show();
    Droga& d = glowne.droga();
    const auto stacja = [&](const char* nazwa) {
        for (int i = 0; i < d.siec.liczbaStacji(); ++i)
            if (d.siec.nazwaStacji(i) == QString::fromUtf8(nazwa))
                return i;
        return -1;
    };
    QVERIFY(OznaczStart(d, stacja("Warszawa Centralna")));
    QVERIFY(OznaczMeta(d, stacja("Kraków Główny")));
    const double cena = d.pociag.pole(QStringLiteral("CenaWyliczona")).toDouble();
    QVERIFY(cena > 0);
    emit glowne.menuPlik->aboutToShow();
    QVERIFY(glowne.Terminykursowania1->isEnabled());

    QImage siatka;
    QString cenaOkna;
    bool bylo = false;
    QTimer::singleShot(0, this, [&] {
        auto* k = qobject_cast<TFrmKalendarz*>(QApplication::activeModalWidget());
        QVERIFY(k);
        bylo = true;
        PoleKalendarza* p = k->PaintBox1;
        const auto srodek = [&](int r, int m, int dz) {
            return d.kalendarz.Dni[std::size_t(dzienZDaty(QDate(r, m, dz)) - dzienZDaty(d.rozkladOd))].Prostokat;
        };
        // A na cały okres, podział przed 1 kwietnia, C od kwietnia
        klik(k->JA);
        const QRect k1 = srodek(2018, 4, 1);
        menuW(p, QPoint(k1.left(), k1.center().y()));
        p->Podziel1->trigger();
        QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, srodek(2018, 4, 10).center());
        klik(k->JC);
        // 25 grudnia: pierwsze kliknięcie wraca do zakresu A, drugie oznacza dzień
        QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, srodek(2017, 12, 25).center());
        QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, srodek(2017, 12, 25).center());
        QCOMPARE(k->DBMemoTerminy->toPlainText(),
                 QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A), oprócz 25-12-17\n"
                                "Od 01-04-18 do 08-12-18  kursuje w (C)\n"));
        QCOMPARE(k->DBEditLDniKurs->text(), QStringLiteral("158"));
        QCOMPARE(d.pociag.pole(QStringLiteral("CenaRozkJazdy")).toDouble(), 158 * cena);
        cenaOkna = k->DBEditCenaRozkJazdy->text();
        siatka = p->grab().toImage();
        test::zapiszZrzut(*k, QStringLiteral("kalendarz_planisty"));
        klik(k->BitBtn2);
    });
    d.pociag.ZmianyPociagu = false;
    glowne.Terminykursowania1->trigger();
    QVERIFY(bylo);
    QVERIFY(d.pociag.ZmianyPociagu);
    QVERIFY(!cenaOkna.isEmpty());
    QCOMPARE(glowne.DBEditCenaRozkJazdy->text(), cenaOkna);

    // zapis, nowy pociąg, wczytanie
    OknaPociaguSkryptowe s;
    s.wypelnijNaglowek = [](Droga& x) { x.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("1717")); };
    QVERIFY(ZapiszPociag(d, s));
    const int id = d.pociag.IdBiezacegoPociagu;
    KasujDroge(d);
    TworzNowyPociag(d);
    QCOMPARE(d.pociag.pole(QStringLiteral("LDniKurs")).toInt(), 0);
    QVERIFY(WczytajPociag(d, id));

    // ponownie z przycisku edytora nagłówka: ta sama siatka, ten sam opis, bez zmian
    TFrmNaglowek* n = glowne.oknaPociagu()->FrmNaglowek;
    n->show();
    QVERIFY(n->BitBtnTerminy->isEnabled());
    bylo = false;
    QTimer::singleShot(0, this, [&] {
        auto* k = qobject_cast<TFrmKalendarz*>(QApplication::activeModalWidget());
        QVERIFY(k);
        bylo = true;
        QCOMPARE(k->PaintBox1->grab().toImage(), siatka);
        QVERIFY(k->JA->isChecked());
        QCOMPARE(k->DBEditLDniKurs->text(), QStringLiteral("158"));
        QCOMPARE(k->DBEditCenaRozkJazdy->text(), cenaOkna);
        k->reject();
    });
    QTest::mouseClick(n->BitBtnTerminy, Qt::LeftButton);
    QVERIFY(bylo);
    QVERIFY(!d.pociag.ZmianyPociagu);
    QVERIFY(n->DBMemoKursuje->toPlainText().startsWith(QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A), oprócz 25-12-17")));
    QCOMPARE(n->DBEditLDniKurs->text(), QStringLiteral("158"));
    n->reject();
}

QTEST_MAIN(TestKalendarz)
#include "kalendarz_qtest.moc"
