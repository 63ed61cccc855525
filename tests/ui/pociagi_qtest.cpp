// Okna pociągów: edytor nagłówka "Informacje o pociągu", lista "Wybór pociągu"
// z filtrami i usuwaniem, okno "Filtruj", menu "Plik" okna głównego i przycisk
// "Usuń pociąg z bazy" okna startowego.

#include "app/CyklDrogi.h"
#include "app/TDM.h"
#include "app/TFrmDroga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/ModelTabeli.h"
#include "common/Interakcja.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/PlikiPociagu.h"
#include "common/TFrmFiltrOgolny.h"
#include "trains/TFrmNaglowek.h"
#include "trains/TFrmWyborPociagu.h"
#include "trains/ZapisPociagu.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

// Pisanie tekstu znak po znaku (polskie litery przez sendKeyEvent).
void pisz(QWidget* w, const QString& tekst)
{
    for (QChar c : tekst)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList napisyEtykiet(QWidget* w)
{
    QStringList l;
    for (QLabel* e : w->findChildren<QLabel*>())
        l << test::bezSkrotu(e->text());
    return l;
}

// Okno główne z siecią przykładową, pokazane raz (tabele i nowy pociąg).
struct Okno {
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w{test::srodowiskoTestowe(katalog), &ia};
    Okno() { w.show(); }   // pokazanie: tabele pociągu i nowy pociąg
    Droga& d() { return w.droga(); }
    OknaPociaguOkienne& okna() { return *w.oknaPociagu(); }
    // Zapisuje pociąg Warszawa - Kraków o numerze nr (bez okien).
    int zapisz(const QString& nr, const QString& nazwa = {})
    {
        Droga& dr = d();
        KasujDroge(dr);
        OznaczStart(dr, stacja(dr, "Warszawa Centralna"));
        OznaczMeta(dr, stacja(dr, "Kraków Główny"));
        OknaPociaguSkryptowe s;
        s.wypelnijNaglowek = [&](Droga& x) {
            x.pociag.ustaw(QStringLiteral("NrPociagu"), nr);
            x.pociag.ustaw(QStringLiteral("NazwaPociagu"), nazwa.isEmpty() ? QVariant() : QVariant(nazwa));
        };
        dr.pociag.IdBiezacegoPociagu = 0;
        return ZapiszPociag(dr, s) ? dr.pociag.IdBiezacegoPociagu : 0;
    }
};

} // namespace

class TestPociagi : public QObject {
    Q_OBJECT
private slots:
    void edytorNaglowkaWygladITryby();
    void edytorNaglowkaNumerISprawdzenie();
    void edytorNaglowkaCenaIPaski();
    void oknoKalendarzaPrzezHak();
    void listaKolumnyPrzyciskiMenu();
    void listaFiltryISortowanie();
    void oknoFiltru();
    void listaWyborIUsuwanie();
    void menuPlikOknaGlownego();
    void usuwanieZOknaStartowego();
};

void TestPociagi::edytorNaglowkaWygladITryby()
{
    Okno o;
    TFrmNaglowek* n = o.okna().FrmNaglowek;
    QCOMPARE(n->windowTitle(), QStringLiteral("Informacje o pociągu"));
    const QStringList etykiety = napisyEtykiet(n);
    for (const char* e : {"Numer pociągu", "Nazwa pociągu", "Rodzaj pociągu", "Opis", "Cena trasy",
                          "Trasa w całości objęta wyceną:", "Całkowita długość trasy ", "Liczba dni kursowania",
                          "Cena całego rozkładu jazdy", "Terminy kursowania"})
        QVERIFY2(etykiety.contains(QString::fromUtf8(e)), e);
    QVERIFY(etykiety.contains(QStringLiteral("Długość trasy \npodlegająca wycenie")));
    for (QLineEdit* e : {n->EditRodzaj, n->DBEditCena, n->DBEditWycenaPelna, n->DBEditDlugosc, n->DBEditDlugoscWycen,
                         n->DBEditLDniKurs, n->DBEditCenaRozkJazdy}) {
        QVERIFY(e->isReadOnly());
        QCOMPARE(e->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    }
    QVERIFY(n->DBMemoKursuje->isReadOnly());
    QCOMPARE(n->DBMemoKursuje->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(test::bezSkrotu(n->BitBtnAnuluj->text()), QStringLiteral("Anuluj"));

    // tryb zapisu: "Zapisz pociąg", fokus na numerze; okno kalendarza dostępne
    n->show();
    QVERIFY(QTest::qWaitForWindowActive(n) || true);
    QCOMPARE(n->BitBtnOK->text(), QStringLiteral("Zapisz pociąg"));
    QVERIFY(n->BitBtnTerminy->isEnabled());
    QCOMPARE(QApplication::focusWidget(), n->DBEditNrPociagu);
    QCOMPARE(n->EditRodzaj->text(), o.d().siec.RodzajeStawekTab.tekst(0, QStringLiteral("Nazwa")));
    QCOMPARE(n->DBMemoKursuje->toPlainText(), QStringLiteral("Nie kursuje"));
    n->reject();

    // tryb edycji: "OK", pusty numer nie przeszkadza
    n->trybEdycji = true;
    n->show();
    QCOMPARE(n->BitBtnOK->text(), QStringLiteral("OK"));
    QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    QVERIFY(!n->isVisible());
    QCOMPARE(n->result(), int(QDialog::Accepted));
    QVERIFY(o.ia.zdarzenia().isEmpty());

    // Esc zamyka jak "Anuluj"; wpisy zostają w nagłówku, pociąg jest zmieniony
    o.d().pociag.ZmianyPociagu = false;
    n->trybEdycji = false;
    n->show();
    QTest::keyClicks(n->DBEditNazwaPociagu, QStringLiteral("Poranny"));
    QTest::keyClick(n, Qt::Key_Escape);
    QVERIFY(!n->isVisible());
    QCOMPARE(n->result(), int(QDialog::Rejected));
    QCOMPARE(o.d().pociag.pole(QStringLiteral("NazwaPociagu")).toString(), QStringLiteral("Poranny"));
    QVERIFY(o.d().pociag.ZmianyPociagu);
}

void TestPociagi::edytorNaglowkaNumerISprawdzenie()
{
    Okno o;
    TFrmNaglowek* n = o.okna().FrmNaglowek;
    n->show();
    QTest::keyClicks(n->DBEditNrPociagu, QStringLiteral("IC 1234"));
    QCOMPARE(n->DBEditNrPociagu->text(), QStringLiteral("IC1234"));
    pisz(n->DBEditNrPociagu, QStringLiteral("ł"));
    QCOMPARE(n->DBEditNrPociagu->text(), QStringLiteral("IC1234"));
    QCOMPARE(n->DBEditNrPociagu->cursorPosition(), 6);
    QCOMPARE(o.d().pociag.pole(QStringLiteral("NrPociagu")).toString(), QStringLiteral("IC1234"));
    // znak w środku nie jest sprawdzany
    n->DBEditNrPociagu->setCursorPosition(2);
    pisz(n->DBEditNrPociagu, QStringLiteral("-"));
    QCOMPARE(n->DBEditNrPociagu->text(), QStringLiteral("IC-1234"));
    // opróżnione pole to Null
    n->DBEditNrPociagu->selectAll();
    QTest::keyClick(n->DBEditNrPociagu, Qt::Key_Delete);
    QVERIFY(!o.d().pociag.pole(QStringLiteral("NrPociagu")).isValid());

    // tryb zapisu: brak numeru, brak terminów, 0 dni z odpowiedzią Nie, potem Tak
    QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    QVERIFY(n->isVisible());
    QTest::keyClicks(n->DBEditNrPociagu, QStringLiteral("12"));
    o.d().pociag.ustaw(QStringLiteral("LDniKurs"), QVariant());
    QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    QVERIFY(n->isVisible());
    o.d().pociag.ustaw(QStringLiteral("LDniKurs"), 0);
    o.ia.dodajOdpowiedz(Odpowiedz::Nie);
    QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    QVERIFY(n->isVisible());
    o.ia.dodajOdpowiedz(Odpowiedz::Tak);
    QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    QVERIFY(!n->isVisible());
    QCOMPARE(n->result(), int(QDialog::Accepted));
    QCOMPARE(o.ia.teksty(), (QStringList{"Proszę podać numer pociągu", "Proszę określić terminy kursowania",
                                         "Nie określono terminów kursowania. Kontynuować zapis?",
                                         "Nie określono terminów kursowania. Kontynuować zapis?"}));
}

void TestPociagi::edytorNaglowkaCenaIPaski()
{
    Okno o;
    Droga& d = o.d();
    QCOMPARE(o.zapisz(QStringLiteral("IC1234"), QStringLiteral("Kraków Express")), 1);
    TFrmNaglowek* n = o.okna().FrmNaglowek;
    d.pociag.ustaw(QStringLiteral("Opis"), QStringLiteral("Pociąg przyspieszony\r\nz wagonem restauracyjnym"));
    n->show();
    QCOMPARE(n->DBEditNrPociagu->text(), QStringLiteral("IC1234"));
    QCOMPARE(n->DBMemoOpis->toPlainText(), QStringLiteral("Pociąg przyspieszony\nz wagonem restauracyjnym"));
    QVERIFY(n->DBEditCena->text().endsWith(QStringLiteral(" zł")));
    QVERIFY(n->DBEditDlugosc->text().endsWith(QStringLiteral(" km")));
    QCOMPARE(n->DBEditWycenaPelna->text(), QStringLiteral("Tak"));
    const QColor zwykle = QApplication::palette().color(QPalette::Button);
    const QColor podpowiedz = QApplication::palette().color(QPalette::ToolTipBase);
    QCOMPARE(n->DBEditCena->palette().color(QPalette::Base), zwykle);
    test::zapiszZrzut(*n, QStringLiteral("naglowek"));

    // cena niepełna: pola ceny w kolorze podpowiedzi, w oknie głównym także podpowiedź
    d.pociag.ustaw(QStringLiteral("WycenaPelna"), false);
    n->odswiez();
    QCOMPARE(n->DBEditWycenaPelna->text(), QStringLiteral("Nie"));
    QCOMPARE(n->DBEditCena->palette().color(QPalette::Base), podpowiedz);
    QCOMPARE(n->DBEditWycenaPelna->palette().color(QPalette::Base), podpowiedz);
    o.w.pokazNaglowek();
    QCOMPARE(o.w.DBEditCena->palette().color(QPalette::Base), podpowiedz);
    QCOMPARE(o.w.DBEditCena->toolTip(), QStringLiteral("Cena za przejazd i postoje, nie obejmuje calej trasy\n"
                                                       "z uwagi na ruch po liniach\nnie objetych cennikiem"));
    d.pociag.ustaw(QStringLiteral("CenaWyliczona"), 0.0);
    o.w.pokazNaglowek();
    QCOMPARE(o.w.DBEditCena->palette().color(QPalette::Base), zwykle);   // cena 0: zwykłe tło
    d.pociag.ustaw(QStringLiteral("WycenaPelna"), true);
    o.w.pokazNaglowek();
    QVERIFY(o.w.DBEditCena->toolTip().isEmpty());

    // paski przewijania pola "Terminy kursowania"
    QCOMPARE(n->DBMemoKursuje->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(n->DBMemoKursuje->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QStringList linie;
    for (int i = 0; i < 12; ++i)
        linie << QStringLiteral("Od 10-12-17 do 31-03-18  kursuje w (A)");
    d.pociag.ustaw(QStringLiteral("Kursuje"), linie.join(QStringLiteral("\r\n")));
    n->odswiez();
    QCOMPARE(n->DBMemoKursuje->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    d.pociag.ustaw(QStringLiteral("Kursuje"), QString(200, QLatin1Char('x')));
    n->odswiez();
    QCOMPARE(n->DBMemoKursuje->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(n->DBMemoKursuje->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Opis: wpisywanie trafia do nagłówka z CR LF
    n->DBMemoOpis->clear();
    n->DBMemoOpis->setFocus();
    QTest::keyClicks(n->DBMemoOpis, QStringLiteral("a"));
    QTest::keyClick(n->DBMemoOpis, Qt::Key_Return);
    QTest::keyClicks(n->DBMemoOpis, QStringLiteral("b"));
    QCOMPARE(d.pociag.pole(QStringLiteral("Opis")).toString(), QStringLiteral("a\r\nb"));
    n->reject();
}

void TestPociagi::oknoKalendarzaPrzezHak()
{
    Okno o;
    Droga& d = o.d();
    // okno kalendarza podłączone później: przycisk edytora i pozycja menu się włączają
    int wywolania = 0;
    o.okna().ustawOknoKalendarza([&] {
        ++wywolania;
        KliknijWzorzec(d, Wzorzec::A);
    });
    emit o.w.menuPlik->aboutToShow();
    QVERIFY(o.w.Terminykursowania1->isEnabled());
    TFrmNaglowek* n = o.okna().FrmNaglowek;
    n->show();
    QVERIFY(n->BitBtnTerminy->isEnabled());
    d.pociag.ZmianyPociagu = false;
    QTest::mouseClick(n->BitBtnTerminy, Qt::LeftButton);
    QCOMPARE(wywolania, 1);
    QVERIFY(d.pociag.ZmianyPociagu);
    QCOMPARE(n->DBEditLDniKurs->text(), d.pociag.pole(QStringLiteral("LDniKurs")).toString());
    QVERIFY(n->DBMemoKursuje->toPlainText().startsWith(QStringLiteral("kursuje w (A)")));
    n->reject();
    // z menu: te same reguły, bez zmian - pociąg nie jest zmieniony
    d.pociag.ZmianyPociagu = false;
    o.w.Terminykursowania1->trigger();
    QCOMPARE(wywolania, 2);
    QVERIFY(!d.pociag.ZmianyPociagu);
}

void TestPociagi::listaKolumnyPrzyciskiMenu()
{
    Okno o;
    TFrmWyborPociagu* l = o.okna().FrmWyborPociagu;
    QCOMPARE(l->windowTitle(), QStringLiteral("Wybór pociągu"));
    QCOMPARE(l->SpeedButtonRosnaco->toolTip(), QStringLiteral("Sortuj rosnąco"));
    QCOMPARE(l->SpeedButtonMalejaco->toolTip(), QStringLiteral("Sortuj malejąco"));
    QCOMPARE(l->SpeedButtonFiltr->toolTip(), QStringLiteral("Filtruj dane"));
    QCOMPARE(l->SpeedButtonUsunFiltr->toolTip(), QStringLiteral("Usuń filtr"));
    QCOMPARE(test::pozycjeMenu(l->PopupMenu1),
             (QStringList{"Sortuj rosnaco", "Sortuj malejaco", "-", "Filtruj wg wyboru", "Filtruj z wylaczeniem wyboru",
                          "Filtruj mniejsze od wyboru", "Filtruj wieksze od wyboru",
                          "Filtruj mniejsze lub rowne od wyboru", "Filtruj wieksze lub rowne od wyboru"}));
    QAbstractItemModel* m = l->DBGrid1->model();
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nr pociagu"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nazwa pociagu"));
    QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Relacja pociagu"));
    QVERIFY(l->DBGrid1->isColumnHidden(0));
    QVERIFY(l->DBGrid1->horizontalHeader()->defaultAlignment() & Qt::AlignHCenter);
    QCOMPARE(l->DBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(test::bezSkrotu(l->BitBtnWybierz->text()), QStringLiteral("Wybierz"));
    QCOMPARE(test::bezSkrotu(l->BitBtnAnuluj->text()), QStringLiteral("Anuluj"));
    QCOMPARE(test::bezSkrotu(l->BitBtnUsun->text()), QStringLiteral("Usuń pociag"));
    QCOMPARE(test::bezSkrotu(l->BitBtnZamknij->text()), QStringLiteral("Zamknij"));
}

void TestPociagi::listaFiltryISortowanie()
{
    Okno o;
    for (auto [nr, nazwa] : {std::pair{"IC1", "Wawel"}, {"TLK2", "Ślązak"}, {"IC1", "Hetman"}, {"R4", "Wawel"}})
        QVERIFY(o.zapisz(QString::fromUtf8(nr), QString::fromUtf8(nazwa)) > 0);
    TFrmWyborPociagu* l = o.okna().FrmWyborPociagu;
    int wynik = -1;
    QStringList widoczne1, widoczne2, widoczne3, posortowane;
    QTimer::singleShot(50, this, [&] {
        const auto numery = [&] {
            QStringList s;
            for (int r = 0; r < l->model()->rowCount(); ++r)
                s << l->model()->index(r, 1).data().toString() + QLatin1Char('/')
                         + l->model()->index(r, 2).data().toString();
            return s;
        };
        QTableView* g = l->DBGrid1;
        // "Filtruj wg wyboru" na numerze pierwszego wiersza (IC1)
        g->setCurrentIndex(l->model()->index(0, 1));
        l->PopupMenu1->actions()[3]->trigger();
        widoczne1 = numery();
        // "Filtruj z wylaczeniem wyboru" na nazwie (Wawel)
        g->setCurrentIndex(l->model()->index(0, 2));
        l->PopupMenu1->actions()[4]->trigger();
        widoczne2 = numery();
        QTest::mouseClick(l->SpeedButtonUsunFiltr, Qt::LeftButton);
        widoczne3 = numery();
        // sortowanie malejąco po nazwie
        g->setCurrentIndex(l->model()->index(0, 2));
        QTest::mouseClick(l->SpeedButtonMalejaco, Qt::LeftButton);
        posortowane = numery();
        test::zapiszZrzut(*l, QStringLiteral("lista_pociagow"));
        QTest::mouseClick(l->BitBtnAnuluj, Qt::LeftButton);
    });
    wynik = l->wybierz();
    QCOMPARE(wynik, 0);
    QCOMPARE(widoczne1, (QStringList{"IC1/Wawel", "IC1/Hetman"}));
    QCOMPARE(widoczne2, (QStringList{"IC1/Hetman"}));
    QCOMPARE(widoczne3.size(), 4);
    QCOMPARE(posortowane, (QStringList{"IC1/Wawel", "R4/Wawel", "TLK2/Ślązak", "IC1/Hetman"}));
    // po zamknięciu lista bez filtra
    QVERIFY(!o.d().pociag.ListaPociagow.filtrowana());
}

void TestPociagi::oknoFiltru()
{
    Okno o;
    QVERIFY(o.zapisz(QStringLiteral("IC1"), QStringLiteral("Wawel")) > 0);
    QVERIFY(o.zapisz(QStringLiteral("IC2"), QStringLiteral("Kraków Express")) > 0);
    QVERIFY(o.zapisz(QStringLiteral("IC3"), QStringLiteral("krakowiak")) > 0);
    TFrmWyborPociagu* l = o.okna().FrmWyborPociagu;
    QStringList kryteriaTekstu, kryteriaLiczby, widoczne;
    QString kolumna, wartosc, tytul;
    QTimer::singleShot(50, this, [&] {
        TFrmFiltrOgolny* f = l->FrmFiltrOgolny;
        // filtr na nazwie: "część pola" z «Kraków»
        QTimer::singleShot(50, this, [&] {
            tytul = f->windowTitle();
            kolumna = f->LabelKolumna->text();
            wartosc = f->EditWartosc->text();
            for (int i = 0; i < f->ComboBoxKryterium->count(); ++i)
                kryteriaTekstu << f->ComboBoxKryterium->itemText(i);
            test::zapiszZrzut(*f, QStringLiteral("filtr"));
            f->EditWartosc->clear();
            pisz(f->EditWartosc, QStringLiteral("Kraków"));
            f->ComboBoxKryterium->setCurrentIndex(2);
            QTest::mouseClick(f->BitBtnFiltruj, Qt::LeftButton);
        });
        l->DBGrid1->setCurrentIndex(l->model()->index(0, 2));
        QTest::mouseClick(l->SpeedButtonFiltr, Qt::LeftButton);
        for (int r = 0; r < l->model()->rowCount(); ++r)
            widoczne << l->model()->index(r, 2).data().toString();
        // kolumny liczbowej siatka nie pokazuje; kryteria liczbowe z rdzenia
        QTest::mouseClick(l->BitBtnAnuluj, Qt::LeftButton);
    });
    l->wybierz();
    QCOMPARE(tytul, QStringLiteral("Filtruj"));
    QCOMPARE(kolumna, QStringLiteral("Nazwa pociagu"));
    QCOMPARE(wartosc, QStringLiteral("Wawel"));
    QCOMPARE(kryteriaTekstu, (QStringList{"całe pole", "początek pola", "część pola"}));
    QCOMPARE(widoczne, QStringList{"Kraków Express"});
    const QStringList etykiety = napisyEtykiet(l->FrmFiltrOgolny);
    for (const char* e : {"Filtrowana kolumna :", "Wartość :", "Kryterium porównania :"})
        QVERIFY2(etykiety.contains(QString::fromUtf8(e)), e);

    // wartość liczbowa: kryteria wartości, zły tekst - komunikat i okno zostaje
    TFrmFiltrOgolny* f = l->FrmFiltrOgolny;
    f->ustaw(QStringLiteral("IdPociagu"), TypPola::Calkowita, 3);
    for (int i = 0; i < f->ComboBoxKryterium->count(); ++i)
        kryteriaLiczby << f->ComboBoxKryterium->itemText(i);
    QCOMPARE(kryteriaLiczby,
             (QStringList{"równe", "różne", "większe", "mniejsze", "większe lub równe", "mniejsze lub równe"}));
    QCOMPARE(f->EditWartosc->text(), QStringLiteral("3"));
    f->show();
    f->EditWartosc->setText(QStringLiteral("trzy"));
    QTest::mouseClick(f->BitBtnFiltruj, Qt::LeftButton);
    QVERIFY(f->isVisible());
    QCOMPARE(o.ia.zdarzenia().last().tytul, QStringLiteral("Błąd"));
    f->EditWartosc->setText(QStringLiteral("2"));
    QTest::mouseClick(f->BitBtnFiltruj, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QCOMPARE(f->wartosc(), QVariant(2));
}

void TestPociagi::listaWyborIUsuwanie()
{
    Okno o;
    TFrmWyborPociagu* l = o.okna().FrmWyborPociagu;
    // pusta lista: "Wybierz" - komunikat, okno zostaje
    bool otwarte = false;
    QTimer::singleShot(50, this, [&] {
        QTest::mouseClick(l->BitBtnWybierz, Qt::LeftButton);
        otwarte = l->isVisible();
        QTest::keyClick(l, Qt::Key_Escape);
    });
    QCOMPARE(l->wybierz(), 0);
    QVERIFY(otwarte);
    QCOMPARE(o.ia.teksty(), QStringList{"Nie wybrano żadnego pociągu"});

    QCOMPARE(o.zapisz(QStringLiteral("A1")), 1);
    QCOMPARE(o.zapisz(QStringLiteral("B2")), 2);
    o.d().widok.zoom = 80000;
    QTimer::singleShot(50, this, [&] {
        l->DBGrid1->setCurrentIndex(l->model()->index(1, 1));
        QTest::mouseClick(l->BitBtnWybierz, Qt::LeftButton);
    });
    QCOMPARE(l->wybierz(), 2);
    QCOMPARE(o.d().widok.zoom, kPowiekszenie1x);

    // tryb usuwania: usunięcie obu, ostatni z komunikatem; potem przyciski wracają
    o.ia.wyczysc();
    bool przyciskiUsuwania = false;
    int wierszePo = -1;
    QTimer::singleShot(50, this, [&] {
        przyciskiUsuwania = l->BitBtnUsun->isVisible() && l->BitBtnZamknij->isVisible()
                            && !l->BitBtnWybierz->isVisible() && !l->BitBtnAnuluj->isVisible();
        QTest::mouseClick(l->BitBtnUsun, Qt::LeftButton);
        QTest::mouseClick(l->BitBtnUsun, Qt::LeftButton);
        wierszePo = l->model()->rowCount();
        QTest::mouseClick(l->BitBtnUsun, Qt::LeftButton);   // pusta lista: nic
        QTest::mouseClick(l->BitBtnZamknij, Qt::LeftButton);
    });
    l->usuwanie();
    QVERIFY(przyciskiUsuwania);
    QCOMPARE(wierszePo, 0);
    // przed każdym usunięciem pytanie (skrypt odpowiada "Tak")
    QCOMPARE(o.ia.teksty(), (QStringList{"Czy usunąć pociąg nr A1 (relacja Warszawa Centralna - Kraków Główny)?",
                                         "Pomyślnie usunięto pociąg o numerze A1 z bazy. ",
                                         "Czy usunąć pociąg nr B2 (relacja Warszawa Centralna - Kraków Główny)?",
                                         "Pomyślnie usunięto pociąg o numerze B2 z bazy. "}));
    QVERIFY(!l->BitBtnUsun->isVisibleTo(l) && l->BitBtnWybierz->isVisibleTo(l));
    QVERIFY(!QFile::exists(plikTabeliPociagu(o.d(), QStringLiteral("Naglowek"), 1)));
}

void TestPociagi::menuPlikOknaGlownego()
{
    Okno o;
    TFrmDroga& w = o.w;
    for (QAction* a : w.menuPlik->actions())
        if (!a->isSeparator())
            QVERIFY(a->isEnabled());
    Droga& d = o.d();
    QVERIFY(OznaczStart(d, stacja(d, "Warszawa Centralna")));
    QVERIFY(OznaczMeta(d, stacja(d, "Gdynia Główna")));

    // "Zapisz jako nowy pociąg": edytor nagłówka w trybie zapisu
    QString przycisk;
    QTimer::singleShot(50, this, [&] {
        auto* n = qobject_cast<TFrmNaglowek*>(QApplication::activeModalWidget());
        if (!n)
            return;
        przycisk = n->BitBtnOK->text();
        QTest::keyClicks(n->DBEditNrPociagu, QStringLiteral("EC 45"));
        QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);   // 0 dni: pytanie, odpowiedź Tak
    });
    w.ZapiszPocig1->trigger();
    QCOMPARE(przycisk, QStringLiteral("Zapisz pociąg"));
    QCOMPARE(d.pociag.IdBiezacegoPociagu, 1);
    QVERIFY(!d.pociag.ZmianyPociagu);
    QCOMPARE(d.pociag.ListaPociagow.tekst(0, QStringLiteral("NrPociagu")), QStringLiteral("EC45"));

    // "Nowy pociąg", potem "Wczytaj pociąg" z listy
    w.Nowypocig1->trigger();
    QVERIFY(d.trasa.GlowneStacje.empty());
    QVERIFY(w.DBEditStacjaPoczatkowa->text().isEmpty());
    // po przerysowaniu mapy "Wczytaj pociąg" jest dostępne, bo lista pociągów już istnieje
    QTRY_VERIFY(w.Wczytajpocig1->isEnabled());
    QTimer::singleShot(50, this, [&] {
        auto* l = qobject_cast<TFrmWyborPociagu*>(QApplication::activeModalWidget());
        if (!l)
            return;
        l->DBGrid1->setCurrentIndex(l->model()->index(0, 1));
        QTest::mouseClick(l->BitBtnWybierz, Qt::LeftButton);
    });
    w.Wczytajpocig1->trigger();
    QCOMPARE(d.pociag.IdBiezacegoPociagu, 1);
    QVERIFY(!d.pociag.NowyPociag);
    QCOMPARE(d.trasa.GlowneStacje.size(), 2u);
    QCOMPARE(w.DBEditStacjaKoncowa->text(), QStringLiteral("Gdynia Główna"));
    QVERIFY(w.SpeedButtonWskaznik->isChecked());

    // "Edytuj nagłówek": tryb edycji, nic nie jest zapisywane
    test::zapiszZrzut(w, QStringLiteral("okno_glowne_po_wczytaniu"));
    QTimer::singleShot(50, this, [&] {
        auto* n = qobject_cast<TFrmNaglowek*>(QApplication::activeModalWidget());
        if (!n)
            return;
        przycisk = n->BitBtnOK->text();
        pisz(n->DBEditNazwaPociagu, QStringLiteral("Bałtyk"));
        QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    });
    w.Edytujnagwek1->trigger();
    QCOMPARE(przycisk, QStringLiteral("OK"));
    QVERIFY(d.pociag.ZmianyPociagu);
    QCOMPARE(d.pociag.ListaPociagow.wartosc(0, QStringLiteral("NazwaPociagu")), QVariant());

    // zamknięcie: pytanie z numerem, Tak zapisuje zmiany
    o.ia.wyczysc();
    o.ia.dodajOdpowiedz(Odpowiedz::Tak);
    QTimer::singleShot(50, this, [&] {
        if (auto* n = qobject_cast<TFrmNaglowek*>(QApplication::activeModalWidget()))
            QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    });
    w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(!o.ia.teksty().isEmpty());
    QCOMPARE(o.ia.teksty().first(), QStringLiteral("Czy zapisać zmiany dla pociągu nr EC45 ?"));
    QCOMPARE(d.pociag.ListaPociagow.tekst(0, QStringLiteral("NazwaPociagu")), QStringLiteral("Bałtyk"));
}

void TestPociagi::usuwanieZOknaStartowego()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TDM dm(test::srodowiskoTestowe(katalog), &ia);
    QVERIFY(dm.BitBtnUsun->isEnabled());
    dm.utworzOkna();
    TFrmWyborPociagu* l = dm.frmDroga()->oknaPociagu()->FrmWyborPociagu;
    bool usuwanie = false;
    Qt::CursorShape kursor = Qt::ArrowCursor;
    QTimer::singleShot(50, this, [&] {
        usuwanie = QApplication::activeModalWidget() == l && l->BitBtnUsun->isVisible();
        kursor = dm.BitBtnUsun->cursor().shape();
        QTest::mouseClick(l->BitBtnZamknij, Qt::LeftButton);
    });
    dm.BitBtnUsunClick();
    QVERIFY(usuwanie);
    QCOMPARE(kursor, Qt::WaitCursor);
    QVERIFY(!dm.BitBtnUsun->testAttribute(Qt::WA_SetCursor));
    QVERIFY(l->BitBtnWybierz->isVisibleTo(l));
}

QTEST_MAIN(TestPociagi)
#include "pociagi_qtest.moc"
