// Okno główne i okna list w codziennej pracy: pola czasu jazdy bez trasy,
// stan po pierwszym zapisie, ponowny wybór tego samego rodzaju, lista pociągów
// z klawiatury (Enter, Esc, Tab, menu podręczne), usuwanie z pytaniem i filtrem,
// szerokości kolumn, klawisze podglądu wydruku, litery menu, ramka fokusu mapy,
// strzałki na przyciskach narzędzi, małe ekrany.

#include "app/TFrmDroga.h"
#include "app/TFrmHelp.h"
#include "app/ObszarMapy.h"
#include "app/PlikUstawien.h"
#include "common/Interakcja.h"
#include "common/ModelTabeli.h"
#include "reports/TFrmPodgladTrasa.h"
#include "reports/TFrmPreview.h"
#include "reports/WydrukTrasy.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/TFrmNaglowek.h"
#include "trains/TFrmWyborPociagu.h"
#include "trains/ZapisPociagu.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QCheckBox>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <QPointer>
#include <functional>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

struct Okno {
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w{test::srodowiskoTestowe(katalog), &ia};
    Okno() { w.show(); }
    Droga& d() { return w.droga(); }
    void trasa(const char* od = "Warszawa Centralna", const char* doSt = "Kraków Główny")
    {
        KasujDroge(d());
        QVERIFY(OznaczStart(d(), stacja(d(), od)));
        QVERIFY(OznaczMeta(d(), stacja(d(), doSt)));
        w.pokazNaglowek();
        w.pokazCzasJazdy();
        w.odswiezMape();
    }
    // Zapis bez okien: numer i relacja w nagłówku.
    int zapisz(const QString& nr, const char* od, const char* doSt)
    {
        trasa(od, doSt);
        OknaPociaguSkryptowe s;
        s.wypelnijNaglowek = [&](Droga& x) { x.pociag.ustaw(QStringLiteral("NrPociagu"), nr); };
        d().pociag.IdBiezacegoPociagu = 0;
        return ZapiszPociag(d(), s) ? d().pociag.IdBiezacegoPociagu : 0;
    }
};

// Numery pociągów widoczne w liście.
QStringList numery(TFrmWyborPociagu* l)
{
    QStringList s;
    for (int r = 0; r < l->model()->rowCount(); ++r)
        s << l->model()->index(r, 1).data().toString();
    return s;
}

} // namespace

class TestPoprawki : public QObject {
    Q_OBJECT
private slots:
    void czasJazdyPustyBezTrasy();
    void stanPoPierwszymZapisie();
    void tenSamRodzajNieZmieniaPrzedzialu();
    void listaPociagowZKlawiatury();
    void usuwanieZPytaniemIFiltrem();
    void kolumnyWgTresciIZapamietane();
    void podgladWydrukuKlawisze();
    void literyMenuJednoznaczne();
    void ramkaFokusuIStrzalkiNarzedzi();
    void maleEkrany();
};

void TestPoprawki::czasJazdyPustyBezTrasy()
{
    Okno o;
    TFrmDroga& w = o.w;
    const auto puste = [&] { return w.EditTr->text().isEmpty() && w.EditVr->text().isEmpty(); };
    o.trasa();
    QVERIFY(!w.EditTr->text().isEmpty());
    // "Nowy pociąg" (bez zmian - bez pytania)
    o.d().pociag.ZmianyPociagu = false;
    w.Nowypocig1->trigger();
    QTRY_VERIFY(puste());
    // przycisk usunięcia trasy
    o.trasa();
    QVERIFY(!puste());
    w.SpeedButtonKasujDroge->click();
    QTRY_VERIFY(puste());
    // "wybór ręczny" zaczyna bez trasy
    o.trasa();
    o.ia.ustawDomyslnaOdpowiedz(Odpowiedz::Tak);
    w.ComboBoxKryterium->setCurrentIndex(2);
    QTRY_VERIFY(puste());
    // z trasą pola wracają
    w.ComboBoxKryterium->setCurrentIndex(0);
    o.trasa();
    QTRY_VERIFY(!puste());
}

void TestPoprawki::stanPoPierwszymZapisie()
{
    Okno o;
    TFrmDroga& w = o.w;
    o.trasa();
    // po narysowaniu mapy: w folderze nie ma jeszcze listy pociągów
    QTRY_VERIFY(!w.Wczytajpocig1->isEnabled());
    QVERIFY(w.ZapiszPocig1->isEnabled());
    QCOMPARE(w.windowTitle(), QStringLiteral("Wyznaczanie trasy - nowy pociąg"));
    QTimer::singleShot(50, this, [&] {
        auto* n = qobject_cast<TFrmNaglowek*>(QApplication::activeModalWidget());
        if (!n)
            return;
        QTest::keyClicks(n->DBEditNrPociagu, QStringLiteral("IC12345"));
        QTest::mouseClick(n->BitBtnOK, Qt::LeftButton);
    });
    w.ZapiszPocig1->trigger();
    // od razu, bez przerysowania mapy
    QCOMPARE(w.windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr IC12345"));
    QVERIFY(w.Wczytajpocig1->isEnabled());
    QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Zapisano pociąg nr IC12345"));
}

void TestPoprawki::tenSamRodzajNieZmieniaPrzedzialu()
{
    Okno o;
    TFrmDroga& w = o.w;
    o.trasa();
    QComboBox* b = w.DBLookupComboBoxBrutto;
    QVERIFY(b->count() >= 3);
    b->setCurrentIndex(2);
    emit b->activated(2);
    const int przedzial = o.d().kontrolki.lpZakresuBr;
    const QString cena = w.DBEditCena->text();
    QCOMPARE(przedzial, b->itemData(2).toInt());
    // lista rodzajów otwiera się z bieżącym rodzajem pod kursorem: kliknięcie go to nie zmiana
    QComboBox* r = w.DBLookupComboBoxRodzaje;
    emit r->activated(r->currentIndex());
    QCOMPARE(o.d().kontrolki.lpZakresuBr, przedzial);
    QCOMPARE(b->currentIndex(), 2);
    QCOMPARE(w.DBEditCena->text(), cena);
    // inny rodzaj: przedziały tego rodzaju, pierwszy wybrany
    r->setCurrentIndex(r->currentIndex() == 0 ? 1 : 0);
    emit r->activated(r->currentIndex());
    QCOMPARE(o.d().kontrolki.idRodzajuStawki, r->currentData().toInt());
    QCOMPARE(b->currentIndex(), 0);
}

void TestPoprawki::listaPociagowZKlawiatury()
{
    Okno o;
    QVERIFY(o.zapisz(QStringLiteral("A1"), "Warszawa Centralna", "Kraków Główny") > 0);
    QVERIFY(o.zapisz(QStringLiteral("B2"), "Poznań Główny", "Wrocław Główny") > 0);
    TFrmWyborPociagu* l = o.w.oknaPociagu()->FrmWyborPociagu;

    // okno otwiera się z fokusem na siatce; Enter wybiera bieżący wiersz
    bool fokusNaSiatce = false;
    QTimer::singleShot(50, this, [&] {
        fokusNaSiatce = QApplication::focusWidget() == l->DBGrid1;
        QTest::keyClick(l->DBGrid1, Qt::Key_Down);
        QTest::keyClick(l->DBGrid1, Qt::Key_Return);
    });
    QCOMPARE(l->wybierz(), 2);
    QVERIFY(fokusNaSiatce);

    // Tab: cztery przyciski sortowania i filtru, siatka, przyciski pod nią; z siatki Tab wychodzi
    QStringList kolejnosc;
    bool menuKlawiszem = false, menuShiftF10 = false;
    QTimer::singleShot(50, this, [&] {
        l->SpeedButtonRosnaco->setFocus();
        for (int i = 0; i < 7; ++i) {
            kolejnosc << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        l->DBGrid1->setFocus();
        QTest::keyClick(l->DBGrid1, Qt::Key_Menu);
        menuKlawiszem = l->PopupMenu1->isVisible();
        l->PopupMenu1->close();
        QTest::keyClick(l->DBGrid1, Qt::Key_F10, Qt::ShiftModifier);
        menuShiftF10 = l->PopupMenu1->isVisible();
        l->PopupMenu1->close();
        QTest::keyClick(l->DBGrid1, Qt::Key_Escape);
    });
    QCOMPARE(l->wybierz(), 0);   // Esc: bez wyboru
    QCOMPARE(kolejnosc, (QStringList{"SpeedButtonRosnaco", "SpeedButtonMalejaco", "SpeedButtonFiltr",
                                     "SpeedButtonUsunFiltr", "DBGrid1", "BitBtnWybierz", "BitBtnAnuluj"}));
    QVERIFY(menuKlawiszem);
    QVERIFY(menuShiftF10);
}

void TestPoprawki::usuwanieZPytaniemIFiltrem()
{
    Okno o;
    QVERIFY(o.zapisz(QStringLiteral("A1"), "Warszawa Centralna", "Kraków Główny") > 0);
    QVERIFY(o.zapisz(QStringLiteral("B2"), "Poznań Główny", "Wrocław Główny") > 0);
    QVERIFY(o.zapisz(QStringLiteral("C3"), "Gdańsk Główny", "Kraków Główny") > 0);
    TFrmWyborPociagu* l = o.w.oknaPociagu()->FrmWyborPociagu;
    o.ia.wyczysc();
    QStringList poFiltrze, poNie, poTak;
    QTimer::singleShot(50, this, [&] {
        // "Filtruj wg wyboru" na relacji pociągu A1 nie pasuje do wszystkich: filtr "z wyłączeniem" B2
        l->DBGrid1->setCurrentIndex(l->model()->index(1, 3));
        l->PopupMenu1->actions()[4]->trigger();
        poFiltrze = numery(l);
        o.ia.dodajOdpowiedz(Odpowiedz::Nie);
        l->DBGrid1->setCurrentIndex(l->model()->index(0, 1));
        QTest::mouseClick(l->BitBtnUsun, Qt::LeftButton);
        poNie = numery(l);
        o.ia.dodajOdpowiedz(Odpowiedz::Tak);
        QTest::mouseClick(l->BitBtnUsun, Qt::LeftButton);
        poTak = numery(l);
        QTest::mouseClick(l->BitBtnZamknij, Qt::LeftButton);
    });
    l->usuwanie();
    QCOMPARE(poFiltrze, (QStringList{"A1", "C3"}));
    QCOMPARE(poNie, poFiltrze);
    QCOMPARE(poTak, QStringList{"C3"});   // B2 nie wraca po usunięciu
    const QVector<ZdarzenieInterakcji>& z = o.ia.zdarzenia();
    QCOMPARE(z.size(), 3);
    QCOMPARE(z[0].tekst, QStringLiteral("Czy usunąć pociąg nr A1 (relacja Warszawa Centralna - Kraków Główny)?"));
    QCOMPARE(z[0].odpowiedz, QStringLiteral("Nie"));
    QCOMPARE(z[1].odpowiedz, QStringLiteral("Tak"));
}

void TestPoprawki::kolumnyWgTresciIZapamietane()
{
    Okno o;
    o.trasa("Dąbrowa Górnicza Ząbkowice", "Szczecin Główny");
    const QStringList ukryte = WyznaczTrase(o.d(), 0);
    auto* p = new TFrmPodgladTrasa(o.d(), &o.w);
    p->przygotuj(0, ukryte);
    QVERIFY(p->model()->rowCount() > 3);
    p->show();
    QTableView* g = p->DBGrid1;
    QVERIFY(!g->horizontalHeader()->stretchLastSection());
    QVERIFY(!g->tabKeyNavigation());
    // nazwy stacji widać w całości
    for (int k : {1, 2}) {
        for (int r = 0; r < p->model()->rowCount(); ++r) {
            const QString t = p->model()->index(r, k).data().toString();
            QVERIFY2(g->fontMetrics().horizontalAdvance(t) < g->columnWidth(k), qPrintable(t));
        }
    }
    // ostatnia widoczna kolumna nie rozciąga się na resztę szerokości
    int ostatnia = -1;
    for (int k = 0; k < p->model()->columnCount(); ++k)
        if (!g->isColumnHidden(k))
            ostatnia = k;
    QVERIFY(g->columnWidth(ostatnia) < 200);
    test::zapiszZrzut(*p, QStringLiteral("podglad_trasy_kolumny"));

    // szerokość ustawiona przez użytkownika wraca w następnym oknie (plik ustawień)
    g->horizontalHeader()->resizeSection(1, 333);
    p->close();
    delete p;
    PlikUstawien u(o.d().plikUstawien);
    QCOMPARE(u.calkowita(QStringLiteral("Kolumny"), QStringLiteral("FrmPodgladTrasa.OdStacji"), 0), 333);
    TFrmPodgladTrasa drugi(o.d(), &o.w);
    drugi.przygotuj(0, ukryte);
    QCOMPARE(drugi.DBGrid1->columnWidth(1), 333);
}

void TestPoprawki::podgladWydrukuKlawisze()
{
    InterakcjaSkryptowa ia;
    WydrukTrasy w;
    w.tytul = QStringLiteral("T");
    w.tytulyKolumn = {"Od punktu", "Do punktu", "Nr linii", "Od km", "Do km", "Długość", "Stawka", "Cena", "Uwagi"};
    for (int i = 0; i < 200; ++i)
        w.wiersze << QStringList{QStringLiteral("Stacja %1").arg(i), QStringLiteral("Stacja %1").arg(i + 1), "1",
                                 "0,000", "1,000", "1,000", "10,000", "10,00", {}};
    QPointer<TFrmPreview> p = new TFrmPreview(std::make_shared<const Raport>(RaportTrasy(w)), ia, QStringLiteral("a.pdf"));
    p->pokaz();
    QVERIFY(QTest::qWaitForWindowExposed(p));
    QVERIFY(p->liczbaStron() >= 3);
    const auto klawisz = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : p.data(), Qt::Key(k), m);
    };
    p->ScrollBox->setFocus();
    klawisz(Qt::Key_PageDown);
    QCOMPARE(p->strona(), 2);
    klawisz(Qt::Key_End);
    QCOMPARE(p->strona(), p->liczbaStron());
    klawisz(Qt::Key_PageUp);
    QCOMPARE(p->strona(), p->liczbaStron() - 1);
    klawisz(Qt::Key_Home);
    QCOMPARE(p->strona(), 1);
    klawisz(Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(p->zoom(), 110);
    klawisz(Qt::Key_Minus, Qt::ControlModifier);
    klawisz(Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(p->zoom(), 90);
    // Ctrl+S: PDF; Ctrl+P bez drukarki: komunikat
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("w.pdf"));
    p->wyborPliku = [&](const QString&) { return plik; };
    klawisz(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(plik));
    klawisz(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(ia.zdarzenia().size(), 1);
    // pasek narzędzi osiągalny klawiszem Tab
    QVERIFY(p->SBNastepna->focusPolicy() & Qt::TabFocus);
    QVERIFY(p->SBZapiszPdf->focusPolicy() & Qt::TabFocus);
    // Esc zamyka
    klawisz(Qt::Key_Escape);
    QTRY_VERIFY(!p || !p->isVisible());
}

void TestPoprawki::literyMenuJednoznaczne()
{
    Okno o;
    // każda pozycja każdego menu (także podmenu i paska menu) ma literę, niepowtarzalną w swoim menu
    std::function<void(const QList<QAction*>&, const QString&)> sprawdz = [&](const QList<QAction*>& akcje,
                                                                              const QString& gdzie) {
        QHash<QChar, QString> litery;
        for (QAction* a : akcje) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QString t = a->text();
            const int i = t.indexOf(QLatin1Char('&'));
            QVERIFY2(i >= 0 && i + 1 < t.size(), qPrintable(gdzie + QStringLiteral(": bez litery: ") + t));
            const QChar c = t[i + 1].toLower();
            QVERIFY2(!litery.contains(c), qPrintable(gdzie + QStringLiteral(": ") + litery.value(c) +
                                                     QStringLiteral(" i ") + t + QStringLiteral(" - ") + c));
            litery.insert(c, t);
            if (a->menu())
                sprawdz(a->menu()->actions(), gdzie + QStringLiteral(" > ") + test::bezSkrotu(t));
        }
    };
    sprawdz(o.w.menuBar()->actions(), QStringLiteral("pasek menu"));
}

void TestPoprawki::ramkaFokusuIStrzalkiNarzedzi()
{
    Okno o;
    TFrmDroga& w = o.w;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // mapa z fokusem ma ramkę w kolorze zaznaczenia, bez fokusu - nie
    ObszarMapy* m = w.mapa();
    const QColor ramka = m->palette().color(QPalette::Highlight);
    const auto rog = [&] { return m->grab().toImage().pixelColor(1, m->height() / 2); };
    w.DBLookupComboBoxRodzaje->setFocus();
    QTRY_VERIFY(!m->hasFocus());
    QVERIFY(rog() != ramka);
    m->setFocus();
    QTRY_VERIFY(m->hasFocus());
    QCOMPARE(rog(), ramka);
    test::zapiszZrzut(w, QStringLiteral("mapa_z_fokusem"));

    // strzałki przenoszą fokus między przyciskami narzędzi, narzędzia nie zmieniają
    QVERIFY(w.SpeedButtonWskaznik->isChecked());
    w.SpeedButtonSetStart->setFocus();
    QTest::keyClick(w.SpeedButtonSetStart, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), w.SpeedButtonSetEnd);
    QTest::keyClick(w.SpeedButtonSetEnd, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w.SpeedButtonZoomIn);
    QTest::keyClick(w.SpeedButtonZoomIn, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), w.SpeedButtonWskaznik);
    QTest::keyClick(w.SpeedButtonWskaznik, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), w.SpeedButtonSetStart);
    QVERIFY(w.SpeedButtonWskaznik->isChecked());
    QCOMPARE(w.narzedzie(), 0);
    // spacja wybiera narzędzie z fokusem
    QTest::keyClick(w.SpeedButtonSetStart, Qt::Key_Space);
    QVERIFY(w.SpeedButtonSetStart->isChecked());
}

void TestPoprawki::maleEkrany()
{
    Okno o;
    // okno główne mieści się na ekranie 1024x600 (pasek przewijania panelu robi resztę)
    const QSize ekran(1024, 600);
    QVERIFY(o.w.minimumSize().width() <= ekran.width() && o.w.minimumSize().height() <= ekran.height() - 40);
    QVERIFY(o.w.minimumSizeHint().height() <= ekran.height() - 40);
    o.w.resize(1024 - 16, 600 - 40);
    QTRY_COMPARE(o.w.height(), 600 - 40);
    QTRY_VERIFY(o.w.ScrollBar1->isVisible());
    QVERIFY(o.w.CheckBoxBrakSieci->mapTo(&o.w, QPoint(0, o.w.CheckBoxBrakSieci->height())).y() <= o.w.height());
    test::zapiszZrzut(o.w, QStringLiteral("okno_glowne_1024x600"));
    // pomoc i podgląd wydruku nie większe niż dostępny obszar ekranu
    const QSize dostepny = QGuiApplication::primaryScreen()->availableGeometry().size();
    TFrmHelp pomoc(o.d().katalogProgramu, &o.w);
    QVERIFY(pomoc.width() <= dostepny.width() && pomoc.height() <= dostepny.height());
    InterakcjaSkryptowa ia;
    TFrmPreview podglad(std::make_shared<const Raport>(), ia, QString());
    QVERIFY(podglad.width() <= dostepny.width() && podglad.height() <= dostepny.height());
}

QTEST_MAIN(TestPoprawki)
#include "poprawki_qtest.moc"
