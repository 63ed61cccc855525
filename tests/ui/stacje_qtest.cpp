// Okna wyboru stacji po nazwie: "Wybierz stację:" z klawiatury i myszą,
// "Lista stacji", klawiatura na przyciskach narzędzi okna głównego i
// "Znajdź stację…".

#include "app/ObszarMapy.h"
#include "app/TFrmDroga.h"
#include "ui/WspolneOkien.h"
#include "stations/OknaStacjiOkienne.h"
#include "stations/TFrmListaStacji.h"
#include "stations/TFrmStacje.h"
#include "wspolne/SiecTestowa.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

Siec siecZNazw(const QStringList& nazwy)
{
    Siec s;
    for (const QString& n : nazwy)
        test::dodajStacje(s, n, 0, 0);
    budujStacjeWgNazwy(s, nullptr);
    return s;
}

std::vector<int> wszystkie(const Siec& s) { return {s.StacjeWgNazwy.begin(), s.StacjeWgNazwy.end()}; }

QStringList duzoNazw()
{
    QStringList l{"Kielce Piaski", "Kraków Główny", "Kielce Białogon", "Kielce", "Katowice", "Lublin", "Żary"};
    for (int i = 0; i < 40; ++i)
        l << QStringLiteral("Stacja %1").arg(i, 2, 10, QLatin1Char('0'));
    return l;
}

// Po otwarciu okna modalnego (exec) wykonuje `f` na nim.
void gdyOtwarte(std::function<void(QWidget*)> f)
{
    QTimer::singleShot(0, [f] {
        QWidget* w = nullptr;
        QTRY_VERIFY((w = QApplication::activeModalWidget()) != nullptr);
        f(w);
    });
}

} // namespace

class TestStacji : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::qWait(1); }
    void wpisanieNazwyIEnter();
    void strzalkiIPasek();
    void myszNaLiscie();
    void malaListaBezPaska();
    void listaStacjiOznaczonych();
    void klawiaturaNaPrzyciskachNarzedzi();
    void calyWyborZKlawiatury();
    void znajdzStacje();

private:
    QTemporaryDir katalog_;
};

void TestStacji::wpisanieNazwyIEnter()
{
    const Siec s = siecZNazw(duzoNazw());
    TFrmStacje o(s, wszystkie(s));
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    QCOMPARE(o.windowTitle(), QStringLiteral("Wybierz stację:"));
    // po otwarciu fokus na pasku; pierwsza litera przenosi go do pola
    QVERIFY(o.sb1->isVisible());
    QVERIFY(o.sb1->hasFocus());
    QTest::keyClick(o.sb1, 'K');
    QVERIFY(o.Edit1->hasFocus());
    QCOMPARE(o.Edit1->text(), QStringLiteral("K"));
    QCOMPARE(o.stan().nazwaWybranej(), QStringLiteral("Katowice"));
    QTest::keyClicks(o.Edit1, QStringLiteral("ielce"));
    QCOMPARE(o.stan().nazwaWybranej(), QStringLiteral("Kielce"));
    test::zapiszZrzut(o, QStringLiteral("wybierz_stacje"));
    QTest::keyClick(o.Edit1, Qt::Key_Return);
    QCOMPARE(o.result(), int(QDialog::Accepted));
    QCOMPARE(o.wynik(), 3);
}

void TestStacji::strzalkiIPasek()
{
    const Siec s = siecZNazw(duzoNazw());
    TFrmStacje o(s, wszystkie(s));
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    QTest::keyClick(o.sb1, 'L');
    QCOMPARE(o.stan().nazwaWybranej(), QStringLiteral("Lublin"));
    const int wiersz = o.stan().wybranyWiersz();
    // strzałka w dół w polu: fokus na pasek, lista o wiersz dalej, nazwa w polu
    QTest::keyClick(o.Edit1, Qt::Key_Down);
    QVERIFY(o.sb1->hasFocus());
    QCOMPARE(o.stan().wybranyWiersz(), wiersz);
    QCOMPARE(o.Edit1->text(), o.stan().nazwaWybranej());
    QCOMPARE(o.Edit1->text(), QStringLiteral("Stacja 00"));
    // strona w dół na pasku
    QTest::keyClick(o.sb1, Qt::Key_PageDown);
    QCOMPARE(o.sb1->value(), o.stan().pozycja());
    QCOMPARE(o.Edit1->text(), o.stan().nazwaWybranej());
    // na końcu listy strzałka przesuwa zaznaczenie
    QTest::keyClick(o.sb1, Qt::Key_End);
    const int w0 = o.stan().wybranyWiersz();
    QTest::keyClick(o.sb1, Qt::Key_Down);
    QCOMPARE(o.stan().wybranyWiersz(), w0 + 1);
    QCOMPARE(o.Edit1->text(), o.stan().nazwaWybranej());
    // Esc zamyka bez wyboru
    QTest::keyClick(o.sb1, Qt::Key_Escape);
    QCOMPARE(o.result(), int(QDialog::Rejected));
}

void TestStacji::myszNaLiscie()
{
    const Siec s = siecZNazw(duzoNazw());
    TFrmStacje o(s, wszystkie(s));
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    const QPoint wiersz2(20, 2 * kWysokoscWierszaStacji + 5);
    QTest::mouseClick(o.LB1, Qt::LeftButton, {}, wiersz2);
    QCOMPARE(o.stan().wybranyWiersz(), 2);
    QCOMPARE(o.Edit1->text(), o.stan().nazwaWiersza(2));
    QVERIFY(o.sb1->hasFocus());
    QTest::mouseDClick(o.LB1, Qt::LeftButton, {}, wiersz2);
    QCOMPARE(o.result(), int(QDialog::Accepted));
    QCOMPARE(o.wynik(), o.stan().stacjaWiersza(2));
}

void TestStacji::malaListaBezPaska()
{
    const Siec s = siecZNazw({"Sopot", "Gdańsk", "Gdynia"});
    TFrmStacje o(s, wszystkie(s));
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    QVERIFY(!o.sb1->isVisible());
    QVERIFY(o.Edit1->hasFocus());
    QCOMPARE(o.stan().liczbaWierszy(), 3);
    QTest::keyClicks(o.Edit1, QStringLiteral("Zz"));
    QCOMPARE(o.stan().nazwaWybranej(), QStringLiteral("Sopot"));
    QTest::keyClick(o.Edit1, Qt::Key_Return);
    QCOMPARE(o.wynik(), 0);
}

void TestStacji::listaStacjiOznaczonych()
{
    QStringList nazwy;
    for (int i = 0; i < 20; ++i)
        nazwy << QStringLiteral("%1 km").arg(i, 2, 10, QLatin1Char('0'));
    nazwy << QStringLiteral("Alfa") << QStringLiteral("Beta");
    TFrmListaStacji o(nazwy);
    QCOMPARE(o.ListBoxStacje->currentRow(), 21);   // 0, 15, potem ostatnia
    // narzędzie usuwania bez oznaczonych stacji: OK wyłączone
    o.ustawOznaczone({});
    o.aktywuj(TFrmListaStacji::Lista::Oznaczone, QPoint(100, 300));
    QVERIFY(!o.BitBtn2->isEnabled());
    QVERIFY(!o.ListBoxStacje->isVisibleTo(&o));
    QCOMPARE(o.width(), o.ListBoxStacjeOznaczone->width() + 27);
    o.ustawOznaczone({QStringLiteral("Lublin"), QStringLiteral("Kielce")});
    o.aktywuj(TFrmListaStacji::Lista::Oznaczone, QPoint(100, 300));
    QVERIFY(o.BitBtn2->isEnabled());
    QCOMPARE(o.ListBoxStacjeOznaczone->currentRow(), 0);
    // lista kandydatów poszerzona: okno szersze o 27
    o.ustawReczne({{QStringLiteral("Bardzo długa nazwa (Linie styczne - 1 2 3)")}, 330});
    o.aktywuj(TFrmListaStacji::Lista::Reczne, QPoint(100, 300));
    QCOMPARE(o.width(), 330 + 27);
    // z klawiatury: strzałka i Enter
    o.ustawOznaczone({QStringLiteral("Lublin"), QStringLiteral("Kielce")});
    gdyOtwarte([](QWidget* w) {
        auto* l = w->findChild<QListWidget*>(QStringLiteral("ListBoxStacjeOznaczone"));
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Return);
    });
    QCOMPARE(o.pokaz(TFrmListaStacji::Lista::Oznaczone, QPoint(100, 300)), 1);
}

void TestStacji::klawiaturaNaPrzyciskachNarzedzi()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Droga& d = w.droga();
    const int lublin = stacja(d, "Lublin");
    UstawWybieralneWszystkie(d.siec);
    const auto lista = StacjeWybieralne(d.siec);
    ia.dodajWybor(int(std::find(lista.begin(), lista.end(), lublin) - lista.begin()));
    // spacja na przycisku początku: narzędzie wciśnięte i okno wyboru
    w.SpeedButtonSetStart->setFocus();
    QTest::keyClick(w.SpeedButtonSetStart, Qt::Key_Space);
    QVERIFY(w.SpeedButtonSetStart->isChecked());
    QCOMPARE(ia.zdarzenia().last().tytul, QStringLiteral("Wybierz stację:"));
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(1));
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, lublin);
    // Enter na przycisku usuwania: lista oznaczonych
    ia.dodajWybor(0);
    QTest::keyClick(w.SpeedButtonResetPrzez, Qt::Key_Return);
    QCOMPARE(ia.zdarzenia().last().tytul, QStringLiteral("Lista stacji"));
    QVERIFY(d.trasa.GlowneStacje.empty());
    // narzędzia widoku: spacja tylko je wciska
    const int zdarzen = int(ia.zdarzenia().size());
    QTest::keyClick(w.SpeedButtonZoomIn, Qt::Key_Space);
    QVERIFY(w.SpeedButtonZoomIn->isChecked());
    QCOMPARE(int(ia.zdarzenia().size()), zdarzen);
}

// Początek i koniec wybrane wpisaniem nazw w prawdziwym oknie wyszukiwania.
void TestStacji::calyWyborZKlawiatury()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.ustawOknaStacji(std::make_unique<OknaStacjiOkienne>(w.droga().siec, &w));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Droga& d = w.droga();
    const auto wpisz = [](const QString& tekst) {
        gdyOtwarte([tekst](QWidget* okno) {
            auto* pole = okno->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            pole->setFocus();
            QTest::keyClicks(pole, tekst);
            QTest::keyClick(pole, Qt::Key_Return);
        });
    };
    wpisz(QStringLiteral("Kielce"));
    QTest::keyClick(w.SpeedButtonSetStart, Qt::Key_Space);
    wpisz(QStringLiteral("Lublin"));
    QTest::keyClick(w.SpeedButtonSetEnd, Qt::Key_Return);
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(2));
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, stacja(d, "Kielce"));
    QCOMPARE(d.trasa.GlowneStacje[1].LpStacji, stacja(d, "Lublin"));
    QCOMPARE(w.DBEditStacjaPoczatkowa->text(), QStringLiteral("Kielce"));
    QVERIFY(!d.trasa.Sciezki.empty());
}

void TestStacji::znajdzStacje()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.ustawOknaStacji(std::make_unique<OknaStacjiOkienne>(w.droga().siec, &w));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Droga& d = w.droga();
    QCOMPARE(w.ZnajdzStacje1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    gdyOtwarte([](QWidget* okno) {
        auto* pole = okno->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        pole->setFocus();
        QTest::keyClicks(pole, QStringLiteral("Kielce"));
        QTest::keyClick(pole, Qt::Key_Return);
    });
    QVERIFY(w.ZnajdzStacje1->isEnabled());   // także bez trasy
    w.ZnajdzStacje1->trigger();
    const TStacja& k = d.siec.Stacje[std::size_t(stacja(d, "Kielce"))];
    QCOMPARE(d.widok.WspXSrodka, k.Xkm);
    QCOMPARE(d.widok.WspYSrodka, k.Ykm);
    QVERIFY(d.widok.zoom >= std::int64_t(k.Widocznosc) * 10000);
    QVERIFY(d.trasa.GlowneStacje.empty());
    QVERIFY(w.pierscienStacji() && w.pierscienStacji()->isVisible());
    test::zapiszZrzut(w, QStringLiteral("znajdz_stacje"));
    QTRY_VERIFY_WITH_TIMEOUT(!w.pierscienStacji(), 4000);
}

QTEST_MAIN(TestStacji)
#include "stacje_qtest.moc"
