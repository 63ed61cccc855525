// Dzień planisty przez prawdziwe okna, myszą i klawiaturą: okno startowe ->
// okno główne -> początek i koniec kliknięciem na mapie -> cena i czas jazdy ->
// punkt pośredni i stacja do ominięcia -> kryterium "najtańsza" -> zapis jako
// nowy pociąg -> lista pociągów -> ponowne wczytanie -> podgląd trasy ->
// podgląd wydruku -> PDF -> zamknięcie z pytaniem o zapis.
//
// Test czyta stan programu tylko po to, by wiedzieć, gdzie na mapie leży stacja
// (jak użytkownik, który ją widzi) i co pokazuje lista wyboru; wszystko robi
// zdarzeniami myszy i klawiatury na kontrolkach. Komunikaty i pytania
// odpowiadają ze skryptu.

#include "app/TDM.h"
#include "app/TFrmDroga.h"
#include "app/ObszarMapy.h"
#include "common/Interakcja.h"
#include "common/ModelTabeli.h"
#include "map/Trafienia.h"
#include "map/Widok.h"
#include "reports/TFrmPodgladTrasa.h"
#include "reports/TFrmPreview.h"
#include "trains/OknaPociaguOkienne.h"
#include "trains/TFrmNaglowek.h"
#include "trains/TFrmWyborPociagu.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

// Gdy pojawi się okno modalne typu T, wykonuje na nim `co` (sprawdzane co 20 ms).
template <class T>
void gdyOkno(QObject* kontekst, std::function<void(T*)> co)
{
    auto* zegar = new QTimer(kontekst);
    zegar->setInterval(20);
    QObject::connect(zegar, &QTimer::timeout, kontekst, [zegar, co] {
        if (auto* o = qobject_cast<T*>(QApplication::activeModalWidget())) {
            zegar->stop();
            zegar->deleteLater();
            co(o);
        }
    });
    zegar->start();
}

// Klawisz do widżetu z fokusem (jak z klawiatury).
void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QWidget* f = QApplication::focusWidget();
    QVERIFY(f);
    QTest::keyClick(f, Qt::Key(k), m);
}

// Polecenie menu z klawiatury: Alt+litera menu, potem litery pozycji.
void menu(QMainWindow* w, char litera, std::initializer_list<char> pozycje)
{
    // po zamknięciu okna dialogowego okno główne wraca na wierzch (bez menedżera okien - ręcznie)
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // pasek menu bywa jeszcze w trybie klawiatury po poprzednim poleceniu: Esc i jeszcze raz
    for (int proba = 0; proba < 3 && !QApplication::activePopupWidget(); ++proba) {
        if (proba > 0)
            QTest::keyClick(w, Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key(litera), Qt::AltModifier);
        QTest::qWait(20);
    }
    for (char p : pozycje) {
        QMenu* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(m, "menu nie otwarte");
        QTest::keyClick(m, Qt::Key(p));
    }
}

QString tekstPdf(const QString& plik)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty())
        return {};
    QProcess p;
    p.start(program, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), plik,
                      QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestDzienPlanisty : public QObject {
    Q_OBJECT
private slots:
    void dzienPlanisty();

private:
    // Kroki w oknie głównym (w jego pętli modalnej).
    void kroki(TFrmDroga* w);
    // Wciska narzędzie i klika stację na mapie w jej pikselu; gdy w tym miejscu
    // leży kilka stacji, wybiera ją z listy.
    void kliknijStacje(TFrmDroga* w, QToolButton* narzedzie, const QString& nazwa);

    InterakcjaSkryptowa ia_;
    QTemporaryDir katalog_;
    QString cena_, czas_, pdf_;
    int wierszyPodgladu_ = -1;
};

void TestDzienPlanisty::kliknijStacje(TFrmDroga* w, QToolButton* narzedzie, const QString& nazwa)
{
    Droga& d = w->droga();
    const int s = stacja(d, nazwa);
    QVERIFY2(s >= 0, qPrintable(nazwa));
    const TStacja& st = d.siec.Stacje[std::size_t(s)];
    const TPiksel p = pktpiks(d.widok, st.Xkm, st.Ykm);
    QVERIFY2(w->mapa()->rect().contains(QPoint(p.x, p.y)), qPrintable(nazwa));
    const QStringList lista = TekstyWyboru(ZnajdzKliknieteStacje(d, p.x, p.y));
    QVERIFY2(!lista.isEmpty(), qPrintable(nazwa + QStringLiteral(" niewidoczna")));
    if (lista.size() > 1) {
        int i = 0;
        while (i < lista.size() && !lista[i].contains(nazwa))
            ++i;
        QVERIFY2(i < lista.size(), qPrintable(lista.join(QLatin1Char('|'))));
        ia_.dodajWybor(i);
    }
    QTest::mouseClick(narzedzie, Qt::LeftButton);
    QVERIFY(narzedzie->isChecked());
    QTest::mouseClick(w->mapa(), Qt::LeftButton, {}, QPoint(p.x, p.y));
}

void TestDzienPlanisty::kroki(TFrmDroga* w)
{
    QTRY_VERIFY(w->isVisible());
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Wyznaczanie trasy - nowy pociąg"));
    QVERIFY(w->EditTr->text().isEmpty());
    Droga& d = w->droga();

    // przedział masy z klawiatury: drugi przedział rodzaju
    w->DBLookupComboBoxBrutto->setFocus();
    klawisz(Qt::Key_Down);
    QCOMPARE(w->DBLookupComboBoxBrutto->currentIndex(), 1);

    // początek i koniec kliknięciem na mapie
    kliknijStacje(w, w->SpeedButtonSetStart, QStringLiteral("Warszawa Centralna"));
    QCOMPARE(w->DBEditStacjaPoczatkowa->text(), QStringLiteral("Warszawa Centralna"));
    kliknijStacje(w, w->SpeedButtonSetEnd, QStringLiteral("Kraków Główny"));
    QCOMPARE(w->DBEditStacjaKoncowa->text(), QStringLiteral("Kraków Główny"));
    const QRegularExpression czas(QStringLiteral("^\\d\\d:\\d\\d$"));
    QTRY_VERIFY(czas.match(w->EditTr->text()).hasMatch());
    QVERIFY(w->EditVr->text().endsWith(QStringLiteral(" km/h")));
    QVERIFY(w->DBEditCena->text().endsWith(QStringLiteral(" zł")));
    const QString dlugoscBezposrednio = w->DBEditDlugosc->text();

    // punkt pośredni: trasa przez Częstochowę jest dłuższa
    kliknijStacje(w, w->SpeedButtonSetPrzez, QStringLiteral("Częstochowa Osobowa"));
    QTRY_COMPARE(d.trasa.GlowneStacje.size(), std::size_t(3));
    QTRY_VERIFY(w->DBEditDlugosc->text() != dlugoscBezposrednio);
    QVERIFY(!w->DBEditCena->text().isEmpty());

    // stacja do ominięcia: pierwsza widoczna stacja trasy za Warszawą, która nie jest punktem trasy
    QString omijana;
    for (const TSciezka& e : d.trasa.Sciezki) {
        const int s = e.LpStDo;
        const TStacja& st = d.siec.Stacje[std::size_t(s)];
        const TPiksel p = pktpiks(d.widok, st.Xkm, st.Ykm);
        bool punkt = false;
        for (const TGlownaStacja& g : d.trasa.GlowneStacje)
            punkt = punkt || g.LpStacji == s;
        if (!punkt && st.Widocznosc * 10000LL <= d.widok.zoom && w->mapa()->rect().contains(QPoint(p.x, p.y))
            && TekstyWyboru(ZnajdzKliknieteStacje(d, p.x, p.y)).join(QLatin1Char('|')).contains(d.siec.nazwaStacji(s))) {
            omijana = d.siec.nazwaStacji(s);
            break;
        }
    }
    QVERIFY2(!omijana.isEmpty(), "brak widocznej stacji na trasie");
    kliknijStacje(w, w->SpeedButtonSetNiePrzez, omijana);
    QTRY_VERIFY(std::find(d.trasa.ListaStacjiZabronionych.begin(), d.trasa.ListaStacjiZabronionych.end(),
                          stacja(d, omijana)) != d.trasa.ListaStacjiZabronionych.end());
    QTRY_VERIFY(czas.match(w->EditTr->text()).hasMatch());

    // kryterium "najtańsza" z klawiatury
    w->SpeedButtonWskaznik->click();
    w->ComboBoxKryterium->setFocus();
    klawisz(Qt::Key_Down);
    QCOMPARE(w->ComboBoxKryterium->currentText(), QStringLiteral("najtańsza"));
    QTRY_VERIFY(czas.match(w->EditTr->text()).hasMatch());
    QVERIFY(w->DBEditCena->text().endsWith(QStringLiteral(" zł")));
    cena_ = w->DBEditCena->text();
    czas_ = w->EditTr->text();
    test::zapiszZrzut(*w, QStringLiteral("dzien_trasa"));

    // "Plik -> Zapisz jako nowy pociąg" (Alt+P, J): numer wpisany w oknie "Informacje o pociągu"
    gdyOkno<TFrmNaglowek>(this, [](TFrmNaglowek* n) {
        n->DBEditNrPociagu->setFocus();
        QTest::keyClicks(n->DBEditNrPociagu, QStringLiteral("IC12345"));
        QTest::keyClick(n->DBEditNrPociagu, Qt::Key_Return);
    });
    menu(w, 'P', {'J'});
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr IC12345"));
    QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Zapisano pociąg nr IC12345"));
    QVERIFY(w->Wczytajpocig1->isEnabled());

    // "Nowy pociąg", potem "Wczytaj pociąg" z listy (Enter na wierszu)
    menu(w, 'P', {'N'});
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Wyznaczanie trasy - nowy pociąg"));
    QTRY_VERIFY(w->EditTr->text().isEmpty());
    int wierszyListy = -1;
    QString numerNaLiscie;
    gdyOkno<TFrmWyborPociagu>(this, [&](TFrmWyborPociagu* l) {
        wierszyListy = l->model()->rowCount();
        numerNaLiscie = l->model()->index(0, 1).data().toString();
        l->DBGrid1->setFocus();
        QTest::keyClick(l->DBGrid1, Qt::Key_Return);
    });
    menu(w, 'P', {'W'});
    QCOMPARE(wierszyListy, 1);
    QCOMPARE(numerNaLiscie, QStringLiteral("IC12345"));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr IC12345"));
    QCOMPARE(w->DBEditCena->text(), cena_);
    QTRY_COMPARE(w->EditTr->text(), czas_);
    QCOMPARE(w->ComboBoxKryterium->currentText(), QStringLiteral("najtańsza"));
    QCOMPARE(w->DBLookupComboBoxBrutto->currentIndex(), 1);

    // "Dane -> Trasa -> Wg zmian linii" (Alt+A, T, L)
    QString od, suma;
    gdyOkno<TFrmPodgladTrasa>(this, [&](TFrmPodgladTrasa* p) {
        wierszyPodgladu_ = p->model()->rowCount();
        od = p->model()->index(0, 1).data().toString();
        suma = p->DBEditCena->text();
        test::zapiszZrzut(*p, QStringLiteral("dzien_podglad_trasy"));
        QTest::keyClick(p->DBGrid1, Qt::Key_Escape);
    });
    menu(w, 'A', {'T', 'L'});
    QVERIFY(wierszyPodgladu_ > 1);
    QCOMPARE(od, QStringLiteral("Warszawa Centralna"));
    QVERIFY(!suma.isEmpty());

    // "Drukuj -> Trasa -> Wg zmian linii" (Alt+D, T, L): podgląd wydruku, Ctrl+S - PDF, Esc
    menu(w, 'D', {'T', 'L'});
    QTRY_COMPARE(w->findChildren<TFrmPreview*>().size(), 1);
    TFrmPreview* podglad = w->findChildren<TFrmPreview*>().first();
    QTRY_VERIFY(podglad->isVisible());
    pdf_ = katalog_.filePath(QStringLiteral("IC12345.pdf"));
    podglad->wyborPliku = [this](const QString&) { return pdf_; };   // okno wyboru pliku
    podglad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(podglad));
    podglad->ScrollBox->setFocus();
    QTest::keyClick(podglad->ScrollBox, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(pdf_));
    QTest::keyClick(podglad->ScrollBox, Qt::Key_Escape);
    QTRY_VERIFY(w->findChildren<TFrmPreview*>().isEmpty() || !w->findChildren<TFrmPreview*>().first()->isVisible());

    // zmiana masy i zamknięcie: pytanie o zapis, "Tak", zapis w oknie "Informacje o pociągu"
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->DBLookupComboBoxBrutto->setFocus();
    klawisz(Qt::Key_Down);
    QCOMPARE(w->DBLookupComboBoxBrutto->currentIndex(), 2);
    gdyOkno<TFrmNaglowek>(this, [](TFrmNaglowek* n) { QTest::mouseClick(n->BitBtnOK, Qt::LeftButton); });
    ia_.wyczysc();
    menu(w, 'P', {'K'});
}

void TestDzienPlanisty::dzienPlanisty()
{
    QElapsedTimer zegar;
    zegar.start();
    QVERIFY(katalog_.isValid());
    ia_.ustawDomyslnaOdpowiedz(Odpowiedz::Tak);
    TDM start(test::srodowiskoTestowe(katalog_), &ia_);
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));

    // kroki w pętli okna głównego; na wypadek błędu okno i tak się zamyka
    bool koniecKrokow = false;
    QTimer::singleShot(0, this, [&] {
        TFrmDroga* w = start.frmDroga();
        if (w)
            kroki(w);
        koniecKrokow = true;
        if (w && w->isVisible()) {
            ia_.ustawDomyslnaOdpowiedz(Odpowiedz::Nie);
            while (QWidget* m = QApplication::activeModalWidget()) {
                if (m == w)
                    break;
                m->close();
            }
            w->close();
        }
    });
    QTest::mouseClick(start.BitBtn1, Qt::LeftButton);   // okno główne modalnie, do zamknięcia
    QVERIFY(koniecKrokow);
    if (QTest::currentTestFailed())
        return;

    // zamknięcie z pytaniem: odpowiedź "Tak" zapisała pociąg z nowym przedziałem masy
    QVERIFY(!start.frmDroga() || !start.frmDroga()->isVisible());
    QStringList pytania;
    for (const ZdarzenieInterakcji& z : ia_.zdarzenia())
        if (z.rodzaj == ZdarzenieInterakcji::Rodzaj::Pytanie)
            pytania << z.tekst + QStringLiteral(" -> ") + z.odpowiedz;
    QVERIFY2(!pytania.isEmpty() && pytania.first().endsWith(QStringLiteral("-> Tak")), qPrintable(pytania.join('\n')));
    QVERIFY(!start.frmDroga()->droga().pociag.ZmianyPociagu);

    // PDF: pierwsza strona z tytułem i trasą
    const QString tekst = tekstPdf(pdf_);
    if (!tekst.isEmpty()) {
        QVERIFY(tekst.contains(QStringLiteral("TAKSATURA POCIĄGU NR IC12345")));
        QVERIFY(tekst.contains(QStringLiteral("Warszawa Centralna")));
        QVERIFY(tekst.contains(QStringLiteral("Kryterium wyboru trasy : najtańsza")));
    }
    QVERIFY2(zegar.elapsed() < 30000, qPrintable(QString::number(zegar.elapsed())));
}

QTEST_MAIN(TestDzienPlanisty)
#include "dzien_planisty_qtest.moc"
