// Okna "Porównanie tras" i "Profil prędkości" z menu "Dane" okna głównego.

#include "app/TFrmDroga.h"
#include "common/Interakcja.h"
#include "pricing/ProfilWykresu.h"
#include "pricing/TFrmProfilPredkosci.h"
#include "routing/Oznaczenia.h"
#include "routing/TFrmPorownanieTras.h"
#include "ui/WspolneOkien.h"
#include "wykresy/WykresProfilu.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

void trasa(TFrmDroga& w, const char* od, const char* doSt)
{
    Droga& d = w.droga();
    QVERIFY(OznaczStart(d, stacja(d, od)));
    QVERIFY(OznaczMeta(d, stacja(d, doSt)));
    w.pokazNaglowek();
    w.pokazCzasJazdy();
}

std::vector<int> odcinki(const Droga& d)
{
    std::vector<int> w;
    for (const auto& e : d.trasa.Sciezki)
        w.push_back(e.LpOdcinka);
    return w;
}

// Kliknięcie przycisku w oknie modalnym, gdy się pokaże.
template <class Okno>
void gdyOkno(std::function<void(Okno*)> f)
{
    QTimer::singleShot(0, [f] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* o = qobject_cast<Okno*>(w); o && o->isVisible()) {
                f(o);
                return;
            }
    });
}

} // namespace

class TestWglad : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(katalog_.isValid()); }
    void menuDane();
    void uzyjTejTrasyJakWyborNaLiscie();
    void porownanieBezTrasy();
    void profilWykresIOdczyt();

private:
    QTemporaryDir katalog_;
};

void TestWglad::menuDane()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    QCOMPARE(test::pozycjeMenu(w.menuDane),
             (QStringList{"Trasa", "-", "Porównanie tras…", "Profil prędkości…", "-", "Znajdź stację…"}));
    QCOMPARE(w.PorownanieTras1->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(w.ProfilPredkosci1->shortcut(), QKeySequence(Qt::Key_F8));
}

void TestWglad::uzyjTejTrasyJakWyborNaLiscie()
{
    InterakcjaSkryptowa ia1, ia2;
    TFrmDroga reczny(test::srodowiskoTestowe(katalog_), &ia1);
    TFrmDroga porownanie(test::srodowiskoTestowe(katalog_), &ia2);
    // trzy kryteria dają tu trzy różne trasy
    trasa(reczny, "Gdańsk Główny", "Kraków Główny");
    trasa(porownanie, "Gdańsk Główny", "Kraków Główny");
    const auto przed = odcinki(porownanie.droga());

    // okno: trzy kolumny, obecna oznaczona, najszybsza tylko do porównania
    bool sprawdzone = false;
    gdyOkno<TFrmPorownanieTras>([&](TFrmPorownanieTras* o) {
        QCOMPARE(o->windowTitle(), QStringLiteral("Porównanie tras"));
        QCOMPARE(o->Tabela->columnCount(), 3);
        QCOMPARE(o->Tabela->horizontalHeaderItem(0)->text(), QStringLiteral("najkrótsza\n(obecna trasa)"));
        QCOMPARE(o->Tabela->horizontalHeaderItem(1)->text(), QStringLiteral("najtańsza"));
        QCOMPARE(o->Tabela->horizontalHeaderItem(2)->text(), QStringLiteral("najszybsza"));
        QCOMPARE(o->Tabela->verticalHeaderItem(2)->text(), QStringLiteral("Cena"));
        QVERIFY(o->Tabela->item(2, 0)->text().endsWith(QStringLiteral(" zł")));
        QVERIFY(!o->przyciskiUzyj[0]->isEnabled());
        QVERIFY(o->przyciskiUzyj[1]->isEnabled());
        QVERIFY(!o->przyciskiUzyj[2]->isEnabled());
        QVERIFY(o->LabelUwagi->text().contains(QStringLiteral("tylko do porównania")));
        test::zapiszZrzut(*o, QStringLiteral("porownanie_tras"));
        sprawdzone = true;
        QTest::mouseClick(o->przyciskiUzyj[1], Qt::LeftButton);
    });
    porownanie.PorownanieTras1->trigger();
    QVERIFY(sprawdzone);
    // samo otwarcie okna nie zmieniło trasy; wybór przełączył kryterium
    QCOMPARE(porownanie.ComboBoxKryterium->currentIndex(), 1);

    reczny.ComboBoxKryterium->setCurrentIndex(1);
    const Droga& a = reczny.droga();
    const Droga& b = porownanie.droga();
    QVERIFY(odcinki(a) == odcinki(b));
    QVERIFY(odcinki(b) != przed);
    QCOMPARE(b.kontrolki.kryterium, 1);
    QCOMPARE(b.trasa.Kryterium, a.trasa.Kryterium);
    QVERIFY(b.pociag.Naglowek == a.pociag.Naglowek);
    QCOMPARE(b.wycena.Tr, a.wycena.Tr);
    QCOMPARE(porownanie.DBEditCena->text(), reczny.DBEditCena->text());
    QCOMPARE(porownanie.DBEditDlugosc->text(), reczny.DBEditDlugosc->text());
    QCOMPARE(porownanie.EditTr->text(), reczny.EditTr->text());
    QCOMPARE(b.pociag.ZmianyPociagu, a.pociag.ZmianyPociagu);

    // zamknięcie bez wyboru niczego nie zmienia
    gdyOkno<TFrmPorownanieTras>([](TFrmPorownanieTras* o) { o->reject(); });
    porownanie.PorownanieTras1->trigger();
    QCOMPARE(porownanie.ComboBoxKryterium->currentIndex(), 1);
    QVERIFY(odcinki(b) == odcinki(a));
}

void TestWglad::porownanieBezTrasy()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.PorownanieTras1->trigger();
    w.ProfilPredkosci1->trigger();
    QCOMPARE(ia.teksty().size(), 2);
    QVERIFY(ia.teksty()[0].startsWith(QStringLiteral("Nie ma czego porównać")));
    QVERIFY(ia.teksty()[1].startsWith(QStringLiteral("Nie ma profilu prędkości")));
}

void TestWglad::profilWykresIOdczyt()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    trasa(w, "Warszawa Centralna", "Kraków Główny");
    TFrmProfilPredkosci okno(ProfilBiezacejTrasy(w.droga()));
    okno.resize(1100, 620);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    WykresProfilu* wykres = okno.wykres();
    const ProfilTrasy& p = wykres->profil();
    QVERIFY(p.metry.size() > 100000);
    QCOMPARE(wykres->title(), tytulProfilu(p));
    QVERIFY(wykres->title().contains(QStringLiteral("czas jazdy ")));

    // cała trasa: najwyżej dwa punkty na piksel szerokości, każdy równy wartości profilu
    const auto punkty = wykres->seriaPredkosci()->points();
    QVERIFY(punkty.size() <= 2 * int(wykres->plotArea().width()) + 2);
    QVERIFY(punkty.size() > 100);
    // po powiększeniu do 300 m: jeden punkt na metr, dokładnie profil
    wykres->pokazZakres(50.0, 50.3);
    const auto blisko = wykres->seriaPredkosci()->points();
    const auto limit = wykres->seriaLimitu()->points();
    QCOMPARE(blisko.size(), 300);
    for (int i = 0; i < blisko.size(); i += 17) {
        const auto m = std::size_t(blisko[i].x() * 1000.0);
        QCOMPARE(int(blisko[i].y()), int(p.metry[m].Predkosc));
        QCOMPARE(int(limit[i].y()), int(p.metry[m].Limit));
    }

    // kółko myszy powiększa, dwuklik wraca do całej trasy
    wykres->pokazCalosc();
    const QPointF srodek = wykres->plotArea().center();
    QWheelEvent kolko(srodek, okno.widok()->mapToGlobal(srodek.toPoint()), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(okno.widok()->viewport(), &kolko);
    QVERIFY(wykres->doKm() - wykres->odKm() < p.dlugoscKm() * 0.9);
    QTest::mouseDClick(okno.widok()->viewport(), Qt::LeftButton, {}, srodek.toPoint());
    QCOMPARE(wykres->odKm(), 0.0);
    QCOMPARE(wykres->doKm(), p.dlugoscKm());

    // odczyt pod kursorem
    QTest::mouseMove(okno.widok()->viewport(), srodek.toPoint());
    const double km = wykres->mapToValue(okno.widok()->punktWykresu(srodek.toPoint())).x();
    QCOMPARE(okno.LabelOdczyt->text(), tekstOdczytu(odczytProfilu(p, km)));
    QVERIFY(okno.LabelOdczyt->text().contains(QStringLiteral(" km/h · ograniczenie ")));
    test::zapiszZrzut(okno, QStringLiteral("profil_predkosci"));

    // zapis PNG i PDF
    const QString png = katalog_.filePath(QStringLiteral("profil.png"));
    QVERIFY(okno.zapisz(png));
    QCOMPARE(QImage(png).size(), QSize(1600, 800));
    const QString pdf = katalog_.filePath(QStringLiteral("profil.pdf"));
    QVERIFY(okno.zapisz(pdf));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(5), QByteArray("%PDF-"));
    // okno dalej pokazuje wykres (zapis nie zabrał go z widoku)
    QCOMPARE(wykres->scene(), okno.widok()->scene());
}

QTEST_MAIN(TestWglad)
#include "wglad_qtest.moc"
