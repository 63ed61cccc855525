// Okna raportów: "Podgląd trasy" (siatka, filtry, sortowanie, sumy, eksport),
// "Podgląd wydruku" (pasek narzędzi, strony, powiększenie, brak drukarki, PDF)
// i menu "Dane" / "Drukuj" okna głównego.

#include "app/TFrmDroga.h"
#include "reports/OknaRaportow.h"
#include "reports/RaportTestowy.h"
#include "reports/TFrmPodgladTrasa.h"
#include "reports/TFrmPreview.h"
#include "reports/WydrukTrasy.h"
#include "common/TFrmFiltrOgolny.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QWidgetAction>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

// Teksty kolumny siatki (tak jak je widać) w kolejnych wierszach.
QStringList kolumnaSiatki(const TFrmPodgladTrasa& o, int kolumna)
{
    QStringList l;
    for (int w = 0; w < o.model()->rowCount(); ++w)
        l << o.model()->index(w, kolumna).data().toString();
    return l;
}

QAction* pozycjaMenu(QMenu* m, const QString& tekst)
{
    for (QAction* a : m->actions())
        if (test::bezSkrotu(a->text()) == tekst)
            return a;
    return nullptr;
}

// Raport z wierszami do stronicowania.
std::shared_ptr<const Raport> raport(int wierszy)
{
    WydrukTrasy w;
    w.tytul = tytulWydruku(QStringLiteral("12/3"));
    w.naglowek = naglowekWydruku(1, QStringLiteral("12/3"));
    w.opis = {QStringLiteral("Numer pociągu : 12/3")};
    w.tytulyKolumn = {"Od punktu", "Do punktu", "Nr linii", "Od km", "Do km", "Długość", "Stawka", "Cena", "Uwagi"};
    for (int i = 0; i < wierszy; ++i)
        w.wiersze << QStringList{QStringLiteral("Stacja %1").arg(i), QStringLiteral("Stacja %1").arg(i + 1), "1",
                                 "0,000", "1,000", "1,000", "10,000", "10,00", {}};
    return std::make_shared<const Raport>(RaportTrasy(w));
}

QStringList podpowiedziPaska(QToolBar* pasek)
{
    QStringList l;
    for (QAction* a : pasek->actions())
        if (QWidget* w = pasek->widgetForAction(a); w && !a->isSeparator())
            l << w->toolTip();
    return l;
}

} // namespace

class TestRaporty : public QObject {
    Q_OBJECT
private slots:
    void podgladTrasyWygladIKolumny();
    void podgladTrasyFiltrySortowanieIKolory();
    void podgladTrasyOknoFiltru();
    void podgladTrasyEksport();
    void podgladWydrukuPasekIStronicowanie();
    void podgladWydrukuPowiekszenie();
    void podgladWydrukuBezDrukarkiIPdf();
    void menuOknaGlownego();
};

void TestRaporty::podgladTrasyWygladIKolumny()
{
    test::TrasaRaportu t({{7}, {7, 10000, cechy::Normalnotorowa | cechy::ObcyZarzad}, {8, 0}});
    TFrmPodgladTrasa o(t.d);
    const QRect ekran = o.screen()->availableGeometry();
    QCOMPARE(o.width(), ekran.width());

    o.przygotuj(0, WyznaczTrase(t.d, 0));
    QCOMPARE(o.windowTitle(), QStringLiteral("Trasa pociągu bez numeru według zmian linii"));
    QStringList tytuly, widoczne;
    for (int k = 0; k < o.model()->columnCount(); ++k) {
        tytuly << o.model()->headerData(k, Qt::Horizontal).toString();
        if (!o.DBGrid1->isColumnHidden(k))
            widoczne << tytuly.last();
    }
    QCOMPARE(tytuly, (QStringList{"Lp", "Od punktu", "Do punktu", "Nr linii", "Od km", "Do km", "Długość", "Stawka",
                                  "Cena", "Uwagi", "Nr wg Id-12", "Zelektryfikowana", "IdObOd", "IdObDo"}));
    QCOMPARE(widoczne, (QStringList{"Lp", "Od punktu", "Do punktu", "Nr linii", "Od km", "Do km", "Długość", "Cena"}));
    QCOMPARE(kolumnaSiatki(o, 4), (QStringList{"0,000 ", "2,000 "}));
    QCOMPARE(kolumnaSiatki(o, 8), (QStringList{"10,00 ", ""}));
    QCOMPARE(o.DBEditNrPociagu->text(), QString());
    QCOMPARE(o.DBEditCena->text(), QStringLiteral("10,00 zł"));
    QCOMPARE(o.DBEditDlugosc->text(), QStringLiteral("3,000 km"));
    QCOMPARE(o.DBEditDlugoscWycen->text(), QStringLiteral("1,000 km"));

    t.d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("IC 12"));
    o.przygotuj(2, WyznaczTrase(t.d, 2));
    QCOMPARE(o.windowTitle(), QStringLiteral("Szczegółowa trasa pociągu nr IC 12"));
    QCOMPARE(o.DBEditNrPociagu->text(), QStringLiteral("IC 12"));
    for (int k : {7, 9, 10})
        QVERIFY(!o.DBGrid1->isColumnHidden(k));
    for (int k : {11, 12, 13})
        QVERIFY(o.DBGrid1->isColumnHidden(k));
    o.show();
    test::zapiszZrzut(o, QStringLiteral("podglad_trasy"));
    o.BitBtnOK->click();
    QVERIFY(!o.isVisible());
}

void TestRaporty::podgladTrasyFiltrySortowanieIKolory()
{
    test::TrasaRaportu t({{7, 10000}, {8, 0}, {9, 30000}, {12, 20000}, {10, 0}, {8, 10000}});
    TFrmPodgladTrasa o(t.d);
    o.przygotuj(1, WyznaczTrase(t.d, 1));
    o.show();
    QCOMPARE(kolumnaSiatki(o, 3), (QStringList{"7", "8", "9", "12", "10", "8"}));

    // menu podręczne na wierszu z linią 8: zostają linie 9 i wyższe, Lp od 1
    QCOMPARE(test::pozycjeMenu(o.PopupMenu1),
             (QStringList{"Sortuj rosnaco", "Sortuj malejaco", "-", "Filtruj wg wyboru", "Filtruj z wylaczeniem wyboru",
                          "Filtruj mniejsze od wyboru", "Filtruj wieksze od wyboru",
                          "Filtruj mniejsze lub rowne od wyboru", "Filtruj wieksze lub rowne od wyboru"}));
    o.DBGrid1->setCurrentIndex(o.model()->index(1, 3));
    pozycjaMenu(o.PopupMenu1, QStringLiteral("Filtruj wieksze od wyboru"))->trigger();
    QCOMPARE(kolumnaSiatki(o, 3), (QStringList{"9", "12", "10"}));
    QCOMPARE(kolumnaSiatki(o, 0), (QStringList{"1", "2", "3"}));

    // "Usuń filtr": wszystkie wiersze w kolejności trasy
    QCOMPARE(o.SpeedButtonUsunFiltr->toolTip(), QStringLiteral("Usuń filtr"));
    o.SpeedButtonUsunFiltr->click();
    QCOMPARE(kolumnaSiatki(o, 3), (QStringList{"7", "8", "9", "12", "10", "8"}));

    // sortowanie ceny malejąco: wiersze bez ceny na końcu, Lp według nowej kolejności
    o.DBGrid1->setCurrentIndex(o.model()->index(0, 8));
    QCOMPARE(o.SpeedButtonMalejaco->toolTip(), QStringLiteral("Sortuj malejąco"));
    o.SpeedButtonMalejaco->click();
    QCOMPARE(kolumnaSiatki(o, 8), (QStringList{"30,00 ", "20,00 ", "10,00 ", "10,00 ", "", ""}));
    QCOMPARE(kolumnaSiatki(o, 0), (QStringList{"1", "2", "3", "4", "5", "6"}));
    // wiersze bez ceny na tle podpowiedzi, pozostałe bez koloru
    const QColor tlo = QToolTip::palette().color(QPalette::ToolTipBase);
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(o.model()->index(5, k).data(Qt::BackgroundRole).value<QColor>(), tlo);
        QVERIFY(!o.model()->index(0, k).data(Qt::BackgroundRole).isValid());
    }
    o.DBGrid1->setCurrentIndex(o.model()->index(5, 1));
    test::zapiszZrzut(o, QStringLiteral("podglad_trasy_sortowanie"));

    // kolumna Lp: sortowanie i filtr nic nie zmieniają
    o.DBGrid1->setCurrentIndex(o.model()->index(2, 0));
    o.SpeedButtonRosnaco->click();
    pozycjaMenu(o.PopupMenu1, QStringLiteral("Filtruj wg wyboru"))->trigger();
    QCOMPARE(o.model()->rowCount(), 6);

    // zamknięcie zdejmuje filtr i porządek z tabeli
    o.DBGrid1->setCurrentIndex(o.model()->index(0, 3));
    pozycjaMenu(o.PopupMenu1, QStringLiteral("Filtruj wg wyboru"))->trigger();
    QCOMPARE(o.model()->rowCount(), 1);
    o.BitBtnOK->click();
    QVERIFY(!t.p().filtrowana());
    QCOMPARE(t.p().widok().size(), 6);
}

void TestRaporty::podgladTrasyOknoFiltru()
{
    test::TrasaRaportu t({{1}, {2}, {3}});
    t.s().Stacje[1].NazwaStacji.ustaw(QStringLiteral("Kraków Płaszów"));
    t.s().Stacje[2].NazwaStacji.ustaw(QStringLiteral("Nowy Kraków"));
    TFrmPodgladTrasa o(t.d);
    o.przygotuj(0, WyznaczTrase(t.d, 0));
    o.show();
    o.DBGrid1->setCurrentIndex(o.model()->index(1, 1));   // "Od punktu" = "Kraków Płaszów"
    QString kolumna, wartosc;
    QStringList kryteria;
    QTimer::singleShot(50, this, [&] {
        auto* f = qobject_cast<TFrmFiltrOgolny*>(QApplication::activeModalWidget());
        if (!f)
            return;
        kolumna = f->LabelKolumna->text();
        wartosc = f->EditWartosc->text();
        for (int i = 0; i < f->ComboBoxKryterium->count(); ++i)
            kryteria << f->ComboBoxKryterium->itemText(i);
        f->EditWartosc->setText(QStringLiteral("Kraków"));
        f->ComboBoxKryterium->setCurrentIndex(2);   // "część pola"
        QTest::mouseClick(f->BitBtnFiltruj, Qt::LeftButton);
    });
    o.SpeedButtonFiltr->click();
    QCOMPARE(kolumna, QStringLiteral("Od punktu"));
    QCOMPARE(wartosc, QStringLiteral("Kraków Płaszów"));
    QCOMPARE(kryteria, (QStringList{"całe pole", "początek pola", "część pola"}));
    QCOMPARE(kolumnaSiatki(o, 1), (QStringList{"Kraków Płaszów", "Nowy Kraków"}));
    QCOMPARE(o.stan().warunki().size(), 1);
    o.reject();
}

void TestRaporty::podgladTrasyEksport()
{
    test::TrasaRaportu t({{7, 12345}, {9, 0}});
    t.d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("12/3"));
    TFrmPodgladTrasa o(t.d);
    o.przygotuj(0, WyznaczTrase(t.d, 0));

    o.BitBtnDoSchowka->click();
    const QString tekst = QGuiApplication::clipboard()->text();
    QCOMPARE(tekst, tekstPodgladu(t.p()));
    QVERIFY(tekst.startsWith(QStringLiteral("Lp\tOd punktu\t")));
    QVERIFY(tekst.contains(QStringLiteral("\ttaksatura indywidualna\t")));   // kolumna ukryta na poziomie 0

    QTemporaryDir katalog;
    QString proponowana;
    const QString plik = katalog.filePath(QStringLiteral("trasa.txt"));
    o.wyborPliku = [&](const QString& p) {
        proponowana = p;
        return plik;
    };
    QGuiApplication::clipboard()->clear();
    o.BitBtnDoPliku->click();
    QCOMPARE(QFileInfo(proponowana).fileName(), QStringLiteral("Poc12_3.txt"));
    QFile f(plik);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), tekst);
    QCOMPARE(QGuiApplication::clipboard()->text(), tekst);

    // anulowany wybór: nic; zapis, który się nie udaje: komunikat "Błąd"
    o.wyborPliku = [](const QString&) { return QString(); };
    o.BitBtnDoPliku->click();
    QVERIFY(t.ia.zdarzenia().isEmpty());
    o.wyborPliku = [&](const QString&) { return katalog.filePath(QStringLiteral("brak/trasa.txt")); };
    o.BitBtnDoPliku->click();
    QCOMPARE(t.ia.zdarzenia().size(), 1);
    QCOMPARE(t.ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
}

void TestRaporty::podgladWydrukuPasekIStronicowanie()
{
    InterakcjaSkryptowa ia;
    QPointer<TFrmPreview> p = new TFrmPreview(raport(150), ia, QStringLiteral("Poc12_3.pdf"));
    p->pokaz();
    QCOMPARE(p->windowTitle(), QStringLiteral("Podgląd wydruku"));
    QVERIFY(p->windowState() & Qt::WindowMaximized);
    QVERIFY(!(p->windowFlags() & Qt::WindowMinimizeButtonHint));
    QToolBar* pasek = p->findChild<QToolBar*>();
    QVERIFY(pasek);
    QCOMPARE(podpowiedziPaska(pasek),
             (QStringList{"Dopasuj rozmiar %", "Dopasuj do rozmiaru", "Pierwsza strona", "Poprzednia strona",
                          "Nastepna strona", "Ostatnia strona", "Powiekszenie 100", "Pokaz cala strone",
                          "Ustawienie drukarki", "Drukuj", "Zapisz wydruk do pliku PDF", "Wyjscie"}));
    QCOMPARE(p->LabelRozmiar->text().trimmed(), QStringLiteral("Rozmiar podgladu"));

    const int n = p->liczbaStron();
    QVERIFY(n >= 3);
    const QString nn = QString::number(n);
    QCOMPARE(p->PanelStanu->text(), QStringLiteral("Strona 1/") + nn);
    p->SBNastepna->click();
    QCOMPARE(p->strona(), 2);
    QCOMPARE(p->PanelStanu->text(), QStringLiteral("Strona 2/") + nn);
    p->SBOstatnia->click();
    p->SBNastepna->click();
    QCOMPARE(p->PanelStanu->text(), QStringLiteral("Strona %1/%1").arg(n));
    p->SBPoprzednia->click();
    QCOMPARE(p->strona(), n - 1);
    p->SBPierwsza->click();
    p->SBPoprzednia->click();
    QCOMPARE(p->PanelStanu->text(), QStringLiteral("Strona 1/") + nn);
    test::zapiszZrzut(*p, QStringLiteral("podglad_wydruku"));

    // jednostronicowy: poprzednia i następna zostają na 1
    QPointer<TFrmPreview> j = new TFrmPreview(raport(3), ia, QStringLiteral("Poc.pdf"));
    j->pokaz();
    j->SBNastepna->click();
    QCOMPARE(j->strona(), 1);
    j->SBPoprzednia->click();
    QCOMPARE(j->strona(), 1);
    j->SBOstatnia->click();
    QCOMPARE(j->PanelStanu->text(), QStringLiteral("Strona 1/1"));

    // "Wyjście" zamyka i zwalnia okno
    p->SBWyjscie->click();
    j->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(p.isNull());
    QVERIFY(j.isNull());
}

void TestRaporty::podgladWydrukuPowiekszenie()
{
    InterakcjaSkryptowa ia;
    auto* p = new TFrmPreview(raport(20), ia, QStringLiteral("Poc.pdf"));
    p->pokaz();
    QSpinBox* z = p->SpinEditZoom;
    QCOMPARE(z->value(), 100);
    QCOMPARE(z->minimum(), 10);
    QCOMPARE(z->maximum(), 300);
    QCOMPARE(z->singleStep(), 10);
    const QSize przy100 = p->obraz().size();
    QVERIFY(przy100.width() > 600);

    // wpisane 5 -> 10, 350 -> 300
    const auto wpisz = [z](const char* tekst) {
        z->selectAll();
        QTest::keyClicks(z, QString::fromLatin1(tekst));
        QTest::keyClick(z, Qt::Key_Return);
    };
    wpisz("5");
    QCOMPARE(z->value(), 10);
    QCOMPARE(p->zoom(), 10);
    QVERIFY(qAbs(p->obraz().width() - przy100.width() / 10) <= 1);
    wpisz("350");
    QCOMPARE(z->value(), 300);
    QCOMPARE(p->zoom(), 300);
    wpisz("120");
    QCOMPARE(p->zoom(), 120);
    QTest::keyClick(z, Qt::Key_Up);
    QCOMPARE(p->zoom(), 130);

    // 100 % i cała strona: pole pokazuje wynikowe powiększenie, strona mieści się w oknie
    p->SBZoom100->click();
    QCOMPARE(z->value(), 100);
    QCOMPARE(p->obraz().size(), przy100);
    p->SBCalaStrona->click();
    QCOMPARE(z->value(), p->zoom());
    QCoreApplication::processEvents();
    const QSize okno = p->ScrollBox->viewport()->size();
    QVERIFY2(p->obraz().height() <= okno.height() && p->obraz().width() <= okno.width(),
             qPrintable(QStringLiteral("%1x%2 w %3x%4")
                            .arg(p->obraz().width()).arg(p->obraz().height()).arg(okno.width()).arg(okno.height())));
    QVERIFY(p->obraz().height() > okno.height() * 0.8);
    test::zapiszZrzut(*p, QStringLiteral("podglad_wydruku_cala_strona"));
    p->close();
}

void TestRaporty::podgladWydrukuBezDrukarkiIPdf()
{
    InterakcjaSkryptowa ia;
    auto* p = new TFrmPreview(raport(70), ia, QStringLiteral("/tmp/Poc12_3.pdf"));
    p->pokaz();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // bez drukarki: wyraźny komunikat zamiast cichego niepowodzenia
        p->SBUstawienieDrukarki->click();
        p->SBDrukuj->click();
        QCOMPARE(ia.zdarzenia().size(), 2);
        for (const ZdarzenieInterakcji& z : ia.zdarzenia()) {
            QCOMPARE(z.tytul, QStringLiteral("Uwaga"));
            QVERIFY(z.tekst.contains(QStringLiteral("Zapisz PDF")));
        }
        ia.wyczysc();
    }

    QTemporaryDir katalog;
    QString proponowana;
    const QString plik = katalog.filePath(QStringLiteral("wydruk.pdf"));
    p->wyborPliku = [&](const QString& s) {
        proponowana = s;
        return plik;
    };
    p->SBZapiszPdf->click();
    QCOMPARE(proponowana, QStringLiteral("/tmp/Poc12_3.pdf"));
    QFile f(plik);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(5), QByteArray("%PDF-"));
    QVERIFY(ia.zdarzenia().isEmpty());
    p->wyborPliku = [&](const QString&) { return katalog.filePath(QStringLiteral("brak/wydruk.pdf")); };
    p->SBZapiszPdf->click();
    QCOMPARE(ia.zdarzenia().size(), 1);
    QCOMPARE(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    p->close();
}

void TestRaporty::menuOknaGlownego()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    w.show();
    Droga& d = w.droga();
    QVERIFY(OznaczStart(d, stacja(d, "Warszawa Centralna")));
    QVERIFY(OznaczMeta(d, stacja(d, "Kraków Główny")));
    w.odswiezMape();
    QMenu* dane = w.menuDane->actions()[0]->menu();
    QMenu* drukuj = w.menuDrukuj->actions()[1]->menu();
    QTRY_VERIFY(dane->actions()[1]->isEnabled());
    QVERIFY(drukuj->actions()[2]->isEnabled());

    // "Dane" -> "Trasa" -> "Wg zmian linii i stawek": okno modalne z tytułem poziomu
    QString tytul;
    int wierszy = -1;
    bool stawkaWidoczna = false, nrOdcWidoczny = true;
    QTimer::singleShot(50, this, [&] {
        auto* o = qobject_cast<TFrmPodgladTrasa*>(QApplication::activeModalWidget());
        if (!o)
            return;
        tytul = o->windowTitle();
        wierszy = o->model()->rowCount();
        stawkaWidoczna = !o->DBGrid1->isColumnHidden(7);
        nrOdcWidoczny = !o->DBGrid1->isColumnHidden(10);
        o->BitBtnOK->click();
    });
    dane->actions()[1]->trigger();
    QCOMPARE(tytul, QStringLiteral("Trasa pociągu bez numeru według zmian linii i stawek"));
    QCOMPARE(wierszy, d.trasa.Podglad.liczbaWierszy());
    QVERIFY(wierszy > 0);
    QVERIFY(stawkaWidoczna);
    QVERIFY(!nrOdcWidoczny);

    // "Drukuj" -> "Trasa" -> "Wg odcinków": nowe okno podglądu wydruku przy każdym użyciu
    drukuj->actions()[2]->trigger();
    drukuj->actions()[0]->trigger();
    const QList<TFrmPreview*> podglady = w.findChildren<TFrmPreview*>();
    QCOMPARE(podglady.size(), 2);
    for (TFrmPreview* p : podglady) {
        QVERIFY(p->isVisible());
        QVERIFY(p->PanelStanu->text().startsWith(QStringLiteral("Strona 1/")));
    }
    QCOMPARE(d.trasa.PoziomPodgladu, 0);
    test::zapiszZrzut(*podglady.last(), QStringLiteral("podglad_wydruku_trasy"));
    for (TFrmPreview* p : podglady)
        p->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.findChildren<TFrmPreview*>().isEmpty());
}

QTEST_MAIN(TestRaporty)
#include "raporty_qtest.moc"
