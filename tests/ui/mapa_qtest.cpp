// Mapa w oknie głównym: kliknięcia narzędziami (początek, koniec, pośrednia,
// ominięcie odcinka, usuwanie), lista wyboru przy kilku trafionych stacjach,
// kółko myszy, przesuwanie z podglądem, klawisze, podpowiedź po 300 ms, podpis
// okna i pozycje menu.

#include "app/ObszarMapy.h"
#include "app/TFrmDroga.h"
#include "common/Interakcja.h"
#include "map/Klikniecia.h"
#include "routing/Oznaczenia.h"
#include "map/Kolory.h"
#include "map/Trafienia.h"
#include "map/Widok.h"
#include "map/TFrmDrogaWybor.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

QPoint piksel(const Droga& d, double x, double y)
{
    const TPiksel p = pktpiks(d.widok, x, y);
    return {p.x, p.y};
}

QPoint pikselStacji(const Droga& d, int s)
{
    return piksel(d, d.siec.Stacje[std::size_t(s)].Xkm, d.siec.Stacje[std::size_t(s)].Ykm);
}

// Okno pokazane, mapa narysowana (skala widoku znana).
struct Okno {
    explicit Okno(const QTemporaryDir& katalog, Interakcja* ia)
        : w(test::srodowiskoTestowe(katalog), ia)
    {
        w.resize(1280, 860);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("okno niepokazane");
        w.mapa()->aktualizuj();
    }
    Droga& d() { return w.droga(); }
    ObszarMapy* mapa() { return w.mapa(); }
    // Kliknięcie narzędziem w punkcie mapy.
    void kliknij(QToolButton* narzedzie, QPoint p)
    {
        narzedzie->click();
        QTest::mouseClick(mapa(), Qt::LeftButton, {}, p);
        mapa()->aktualizuj();
    }
    TFrmDroga w;
};

// Stacja, której piksel trafia tylko ją.
bool jedynaTrafiona(const Droga& d, int s)
{
    const QPoint p = pikselStacji(d, s);
    const auto l = ZnajdzKliknieteStacje(d, p.x(), p.y());
    return l.size() == 1 && l[0].LpStacji == s;
}

bool naTrasie(const Droga& d, int s)
{
    for (const auto& e : d.trasa.Sciezki)
        if (e.LpStOd == s || e.LpStDo == s)
            return true;
    return false;
}

bool jestKolor(const QImage& im, QPoint p, int r, std::int32_t kolor)
{
    for (int y = p.y() - r; y <= p.y() + r; ++y)
        for (int x = p.x() - r; x <= p.x() + r; ++x)
            if (im.valid(x, y) && bgrZKoloru(im.pixelColor(x, y)) == kolor)
                return true;
    return false;
}

void kolko(QWidget* w, QPoint p, int delta)
{
    QWheelEvent e(QPointF(p), QPointF(w->mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestMapy : public QObject {
    Q_OBJECT
private slots:
    void narzedziaUkladajaTrase();
    void kilkaStacjiListaWyboruSkryptowa();
    void listaWyboruPrzyKursorze();
    void kolkoIPrzyciskPomniejszania();
    void przesuwanieZPodgladem();
    void klawiszeMapy();
    void podpowiedzPoZatrzymaniuKursora();
    void podpisIMenuPoRysowaniu();
    void dwuklikNarzedziaWybieraZListy();
    void obrazOknaZTrasa();

private:
    QTemporaryDir katalog_;
};

void TestMapy::narzedziaUkladajaTrase()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    const int lublin = stacja(d, "Lublin"), krakow = stacja(d, "Kraków Główny"), kielce = stacja(d, "Kielce");
    QVERIFY(lublin >= 0 && krakow >= 0 && kielce >= 0);
    for (int s : {lublin, krakow, kielce})
        QVERIFY2(jedynaTrafiona(d, s), qPrintable(d.siec.nazwaStacji(s)));

    // początek: sam punkt, nazwa w panelu, bez trasy
    o.kliknij(o.w.SpeedButtonSetStart, pikselStacji(d, lublin));
    QCOMPARE(int(d.trasa.GlowneStacje.size()), 1);
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, lublin);
    QCOMPARE(o.w.DBEditStacjaPoczatkowa->text(), QStringLiteral("Lublin"));
    QVERIFY(d.trasa.Sciezki.empty());
    QVERIFY(!o.w.ZapiszPocig1->isEnabled());

    // koniec: trasa, cena i czas w panelu, trasa na mapie
    o.kliknij(o.w.SpeedButtonSetEnd, pikselStacji(d, krakow));
    QVERIFY(!d.trasa.Sciezki.empty());
    QCOMPARE(o.w.DBEditStacjaKoncowa->text(), QStringLiteral("Kraków Główny"));
    QVERIFY(o.w.DBEditDlugosc->text().endsWith(QStringLiteral(" km")));
    QVERIFY(o.w.DBEditCena->text().endsWith(QStringLiteral(" zł")));
    QVERIFY(o.w.DBEditCenaRozkJazdy->text().endsWith(QStringLiteral(" zł")));
    QVERIFY(!o.w.EditTr->text().isEmpty());
    QVERIFY(o.w.ZapiszPocig1->isEnabled());
    const QImage obraz = o.mapa()->obraz();
    int naMapie = 0;
    for (const auto& e : d.trasa.Sciezki) {
        const QPoint a = piksel(d, e.XOd, e.YOd), b = piksel(d, e.XDo, e.YDo);
        naMapie += jestKolor(obraz, (a + b) / 2, 2, d.kolory.KolorLiniiTrasy);
    }
    QVERIFY2(naMapie * 2 >= int(d.trasa.Sciezki.size()), qPrintable(QString::number(naMapie)));
    const QString dlugoscBezposrednia = o.w.DBEditDlugosc->text();

    // pośrednia: trasa przez Kielce, przeliczona w całości
    o.kliknij(o.w.SpeedButtonSetPrzez, pikselStacji(d, kielce));
    QCOMPARE(int(d.trasa.GlowneStacje.size()), 3);
    QCOMPARE(d.trasa.GlowneStacje[1].LpStacji, kielce);
    QVERIFY(naTrasie(d, kielce));
    QCOMPARE(d.trasa.Sciezki.front().LpStOd, lublin);
    QCOMPARE(d.trasa.Sciezki.back().LpStDo, krakow);

    // usuwanie punktu pośredniego: trasa jak przed nim
    o.kliknij(o.w.SpeedButtonResetPrzez, pikselStacji(d, kielce));
    QCOMPARE(int(d.trasa.GlowneStacje.size()), 2);
    QCOMPARE(o.w.DBEditDlugosc->text(), dlugoscBezposrednia);

    // ominięcie odcinka trasy: środek najdłuższego elementu z dala od stacji
    int najdluzszy = -1;
    double dl = 0;
    for (std::size_t i = 0; i < d.trasa.Sciezki.size(); ++i) {
        const auto& e = d.trasa.Sciezki[i];
        const QPoint a = piksel(d, e.XOd, e.YOd), b = piksel(d, e.XDo, e.YDo);
        const double l = std::hypot(a.x() - b.x(), a.y() - b.y());
        const QPoint c = (a + b) / 2;
        if (l > dl && ZnajdzKliknieteStacje(d, c.x(), c.y()).empty()) {
            dl = l;
            najdluzszy = int(i);
        }
    }
    QVERIFY(najdluzszy >= 0);
    const TSciezka el = d.trasa.Sciezki[std::size_t(najdluzszy)];
    const QPoint srodek = (piksel(d, el.XOd, el.YOd) + piksel(d, el.XDo, el.YDo)) / 2;
    o.kliknij(o.w.SpeedButtonSetNiePrzez, srodek);
    QCOMPARE(int(d.trasa.ListaOdcinkowZabronionych.size()), 1);
    const int omijany = d.trasa.ListaOdcinkowZabronionych[0];
    QCOMPARE(d.siec.Odcinki[std::size_t(omijany)].NrLinii, el.NrLinii);
    for (const auto& e : d.trasa.Sciezki)
        QVERIFY(e.LpOdcinka != omijany);
    QVERIFY(o.w.DBEditDlugosc->text() != dlugoscBezposrednia);
    // krzyżyk ominięcia na mapie
    const TOdcinek& od = d.siec.Odcinki[std::size_t(omijany)];
    QVERIFY(jestKolor(o.mapa()->obraz(), piksel(d, (od.XA + od.XB) / 2, (od.YA + od.YB) / 2), 3,
                      d.kolory.KolorPunktowZabronionych));

    // usuwanie przy krzyżyku zdejmuje ominięcie
    o.kliknij(o.w.SpeedButtonResetPrzez, piksel(d, (od.XA + od.XB) / 2, (od.YA + od.YB) / 2));
    QVERIFY(d.trasa.ListaOdcinkowZabronionych.empty());
    QCOMPARE(o.w.DBEditDlugosc->text(), dlugoscBezposrednia);

    // kliknięcie w pustym miejscu nic nie robi
    const auto punkty = d.trasa.GlowneStacje.size();
    o.kliknij(o.w.SpeedButtonSetPrzez, QPoint(3, o.mapa()->height() - 3));
    QCOMPARE(d.trasa.GlowneStacje.size(), punkty);
    QVERIFY(ia.zdarzenia().isEmpty());
}

void TestMapy::kilkaStacjiListaWyboruSkryptowa()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    const int wwa = stacja(d, "Warszawa Centralna");
    const QPoint p = pikselStacji(d, wwa);
    const auto trafione = ZnajdzKliknieteStacje(d, p.x(), p.y());
    QVERIFY(trafione.size() >= 2);
    ia.dodajWybor(1);
    o.kliknij(o.w.SpeedButtonSetStart, p);
    QCOMPARE(ia.zdarzenia().size(), 1);
    QCOMPARE(ia.zdarzenia()[0].tytul, QStringLiteral("Wybór stacji"));
    QCOMPARE(ia.zdarzenia()[0].pozycje, TekstyWyboru(trafione));
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(1));
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, trafione[1].LpStacji);

    // rezygnacja: nic się nie zmienia
    ia.dodajWybor(-1);
    o.kliknij(o.w.SpeedButtonSetStart, p);
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, trafione[1].LpStacji);
}

void TestMapy::listaWyboruPrzyKursorze()
{
    // okna dialogowe jak w programie: lista "Wybór stacji" przy kursorze
    Okno o(katalog_, nullptr);
    Droga& d = o.d();
    const QPoint p = pikselStacji(d, stacja(d, "Warszawa Centralna"));
    const auto trafione = ZnajdzKliknieteStacje(d, p.x(), p.y());
    QVERIFY(trafione.size() >= 2);

    QStringList pokazane;
    QString tytul, naglowek, zaznaczona;
    QPoint lewyGorny;
    QTimer::singleShot(100, this, [&] {
        auto* lista = qobject_cast<TFrmDrogaWybor*>(QApplication::activeModalWidget());
        QVERIFY(lista);
        tytul = lista->windowTitle();
        naglowek = lista->Label1->text();
        for (int i = 0; i < lista->ListBox1->count(); ++i)
            pokazane << lista->ListBox1->item(i)->text();
        zaznaczona = lista->ListBox1->currentItem()->text();
        lewyGorny = o.mapa()->mapFromGlobal(lista->geometry().topLeft());
        test::zapiszZrzut(*lista, QStringLiteral("lista_wyboru"));
        // kliknięcie ostatniej pozycji = OK
        QListWidget* lb = lista->ListBox1;
        QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, lb->visualItemRect(lb->item(lb->count() - 1)).center());
    });
    o.kliknij(o.w.SpeedButtonSetStart, p);
    QCOMPARE(tytul, QStringLiteral("Wybór stacji"));
    QCOMPARE(naglowek, QStringLiteral("Proszę wybrać :"));
    QStringList posortowane = TekstyWyboru(trafione);
    QCOMPARE(pokazane.size(), posortowane.size());
    QCOMPARE(zaznaczona, pokazane.first());
    QCOMPARE(lewyGorny, p + QPoint(10, 0));
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(1));
    QCOMPARE(d.siec.nazwaStacji(d.trasa.GlowneStacje[0].LpStacji), pokazane.last());
    QVERIFY(pokazane != posortowane || std::is_sorted(pokazane.begin(), pokazane.end()));

    // Esc (puszczony) rezygnuje
    const int przed = d.trasa.GlowneStacje[0].LpStacji;
    QTimer::singleShot(100, this, [&] {
        QWidget* lista = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<TFrmDrogaWybor*>(lista));
        QTest::keyPress(lista, Qt::Key_Escape);
        QVERIFY(lista->isVisible());   // samo naciśnięcie jeszcze nie zamyka
        QTest::keyRelease(lista, Qt::Key_Escape);
    });
    o.kliknij(o.w.SpeedButtonSetEnd, p);
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(1));
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, przed);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMapy::kolkoIPrzyciskPomniejszania()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Widok& w = o.d().widok;
    QCOMPARE(w.zoom, std::int64_t(10000));
    const QImage przed = o.mapa()->obraz();
    const QPoint p(200, 150);
    const TPunkt m = pktkm(w, p.x(), p.y());
    const double sx = w.WspXSrodka, sy = w.WspYSrodka;
    kolko(o.mapa(), p, 120);
    QCOMPARE(w.zoom, std::int64_t(20000));
    QCOMPARE(w.WspXSrodka, m.x + (sx - m.x) / 2);
    QCOMPARE(w.WspYSrodka, m.y + (sy - m.y) / 2);
    o.mapa()->aktualizuj();
    QVERIFY(o.mapa()->obraz() != przed);
    // punkt mapy pod kursorem zostaje pod kursorem
    const TPiksel q = pktpiks(w, m.x, m.y);
    QVERIFY(std::abs(q.x - p.x()) <= 1 && std::abs(q.y - p.y()) <= 1);

    // pół ząbka nic, drugie pół - krok
    kolko(o.mapa(), p, 60);
    QCOMPARE(w.zoom, std::int64_t(20000));
    kolko(o.mapa(), p, 60);
    QCOMPARE(w.zoom, std::int64_t(40000));

    kolko(o.mapa(), p, -120);
    QCOMPARE(w.zoom, std::int64_t(20000));
    o.w.SpeedButtonZoomOut->click();
    QCOMPARE(w.zoom, std::int64_t(10000));
    o.mapa()->aktualizuj();
    QCOMPARE(o.mapa()->obraz(), przed);   // przy 1× znów cały kraj
    kolko(o.mapa(), p, -120);
    QCOMPARE(w.zoom, std::int64_t(10000));

    // narzędzie powiększania: kliknięcie, także prawym przyciskiem
    o.kliknij(o.w.SpeedButtonZoomIn, p);
    QCOMPARE(w.zoom, std::int64_t(20000));
    QTest::mouseClick(o.mapa(), Qt::RightButton, {}, p);
    QCOMPARE(w.zoom, std::int64_t(40000));
}

void TestMapy::przesuwanieZPodgladem()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Widok& w = o.d().widok;
    w.zoom = 40000;
    o.w.odswiezMape();
    o.mapa()->aktualizuj();
    const QImage przed = o.mapa()->obraz();
    const double sx = w.WspXSrodka, sy = w.WspYSrodka;
    o.w.SpeedButtonMove->click();

    // przeciągnięcie wracające do początku nic nie zmienia
    const QPoint a(400, 300), b(460, 340);
    QTest::mousePress(o.mapa(), Qt::LeftButton, {}, a);
    QTest::mouseMove(o.mapa(), b);
    // podgląd: obraz mapy przesunięty za myszą
    QCOMPARE(o.mapa()->obraz().pixel(a + (b - a) + QPoint(5, 5)), przed.pixel(a + QPoint(5, 5)));
    QCOMPARE(bgrZKoloru(o.mapa()->obraz().pixelColor(2, 2)), kSrebrny);
    QTest::mouseMove(o.mapa(), a);
    QTest::mouseRelease(o.mapa(), Qt::LeftButton, {}, a);
    QCOMPARE(w.WspXSrodka, sx);
    QCOMPARE(w.WspYSrodka, sy);
    QCOMPARE(w.zoom, std::int64_t(40000));
    QCOMPARE(o.mapa()->obraz(), przed);

    // prawdziwe przesunięcie po puszczeniu: mapa idzie za myszą
    const TPunkt ma = pktkm(w, a.x(), a.y()), mb = pktkm(w, b.x(), b.y());
    QTest::mousePress(o.mapa(), Qt::LeftButton, {}, a);
    QTest::mouseMove(o.mapa(), b);
    QTest::mouseRelease(o.mapa(), Qt::LeftButton, {}, b);
    QCOMPARE(w.WspXSrodka, sx - (mb.x - ma.x));
    QCOMPARE(w.WspYSrodka, sy - (mb.y - ma.y));
    o.mapa()->aktualizuj();
    // punkt mapy spod A jest teraz pod B
    const TPiksel pa = pktpiks(w, ma.x, ma.y);
    QVERIFY(std::abs(pa.x - b.x()) <= 1 && std::abs(pa.y - b.y()) <= 1);
}

void TestMapy::klawiszeMapy()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Widok& w = o.d().widok;
    o.mapa()->setFocus();
    QTest::keyClick(o.mapa(), Qt::Key_Plus);
    QCOMPARE(w.zoom, std::int64_t(20000));
    QTest::keyClick(o.mapa(), Qt::Key_Plus);
    QCOMPARE(w.zoom, std::int64_t(40000));
    o.mapa()->aktualizuj();
    const double sx = w.WspXSrodka, sy = w.WspYSrodka;
    QTest::keyClick(o.mapa(), Qt::Key_Left);
    QVERIFY(w.WspXSrodka < sx);
    QCOMPARE(w.WspYSrodka, sy);
    QTest::keyClick(o.mapa(), Qt::Key_Up);
    QVERIFY(w.WspYSrodka > sy);
    QTest::keyClick(o.mapa(), Qt::Key_Minus);
    QCOMPARE(w.zoom, std::int64_t(20000));
    // mapa w kolejności klawisza Tab po narzędziach
    o.w.SpeedButtonSetNiePrzez->setFocus();
    QTest::keyClick(o.w.SpeedButtonSetNiePrzez, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(o.mapa()));
}

void TestMapy::podpowiedzPoZatrzymaniuKursora()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    const int lublin = stacja(d, "Lublin");
    const QPoint p = pikselStacji(d, lublin) + QPoint(3, 2);
    const QImage przed = o.mapa()->obraz();
    QTest::mouseMove(o.mapa(), QPoint(50, 50));
    QTest::mouseMove(o.mapa(), p);
    QVERIFY(o.mapa()->TimerHint->isActive());
    QCOMPARE(o.mapa()->TimerHint->interval(), 300);
    QVERIFY(!o.mapa()->podpowiedz().pokazana);
    QTRY_VERIFY_WITH_TIMEOUT(o.mapa()->podpowiedz().pokazana, 2000);
    const TLabelHint& h = o.mapa()->podpowiedz();
    QCOMPARE(h.linie.value(0), QStringLiteral(" Lublin (") + d.siec.Stacje[std::size_t(lublin)].OznaczenieStacji.tekst() +
                                  QStringLiteral(") "));
    QCOMPARE(h.rect.left, p.x() + 10);
    QCOMPARE(h.rect.top, p.y() + 3);
    const std::int32_t tlo = bgrZKoloru(o.mapa()->palette().color(QPalette::ToolTipBase));
    QCOMPARE(bgrZKoloru(o.mapa()->obraz().pixelColor(h.rect.right - 2, h.rect.top + 1)), tlo);
    test::zapiszZrzut(*o.mapa(), QStringLiteral("mapa_podpowiedz"));

    // ruch myszy zdejmuje ramkę: piksele spod niej wracają
    QTest::mouseMove(o.mapa(), p + QPoint(1, 0));
    QVERIFY(!o.mapa()->podpowiedz().pokazana);
    QCOMPARE(o.mapa()->obraz(), przed);
    // naciśnięcie przycisku zatrzymuje zegar
    QVERIFY(o.mapa()->TimerHint->isActive());
    QTest::mousePress(o.mapa(), Qt::LeftButton, {}, p + QPoint(1, 0));
    QVERIFY(!o.mapa()->TimerHint->isActive());
    QTest::mouseRelease(o.mapa(), Qt::LeftButton, {}, p + QPoint(1, 0));

    // nad linią (bez stacji w pobliżu) wskaźnik opisuje odcinek
    const int kielce = stacja(d, "Kielce"), krakow = stacja(d, "Kraków Główny");
    QVERIFY(OznaczStart(d, kielce) && OznaczMeta(d, krakow));
    o.w.odswiezMape();
    o.mapa()->aktualizuj();
    QPoint nadLinia;
    int linia = -1;
    for (const auto& e : d.trasa.Sciezki) {
        const QPoint c = (piksel(d, e.XOd, e.YOd) + piksel(d, e.XDo, e.YDo)) / 2;
        if (ZnajdzKliknieteStacje(d, c.x(), c.y()).empty() && ZnajdzKliknieteOdcinki(d, c.x(), c.y()).size() == 1) {
            nadLinia = c;
            linia = e.NrLinii;
            break;
        }
    }
    QVERIFY(linia > 0);
    QTest::mouseMove(o.mapa(), nadLinia);
    QTRY_VERIFY_WITH_TIMEOUT(o.mapa()->podpowiedz().pokazana, 2000);
    const QStringList linie = o.mapa()->podpowiedz().linie;
    QVERIFY2(linie.value(0).startsWith(QStringLiteral(" Linia %1 ").arg(linia)), qPrintable(linie.join('|')));
    QVERIFY(linie.filter(QStringLiteral("ODCINEK: ")).size() == 1);
    QVERIFY(linie.filter(QStringLiteral("ZARZĄDCA: ")).size() == 1);
    test::zapiszZrzut(*o.mapa(), QStringLiteral("mapa_podpowiedz_linii"));
    // wyjście kursora z mapy zdejmuje ramkę
    QEvent wyjscie(QEvent::Leave);
    QApplication::sendEvent(o.mapa(), &wyjscie);
    QVERIFY(!o.mapa()->podpowiedz().pokazana);
}

void TestMapy::podpisIMenuPoRysowaniu()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    QCOMPARE(o.w.windowTitle(), QStringLiteral("Wyznaczanie trasy - nowy pociąg"));
    QVERIFY(!o.w.ZapiszPocig1->isEnabled());
    QVERIFY(!o.w.Wczytajpocig1->isEnabled());   // brak listy pociągów
    d.pociag.NowyPociag = false;
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("12345"));
    o.w.odswiezMape();
    o.mapa()->aktualizuj();
    QCOMPARE(o.w.windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr 12345"));

    // wybór ręczny: bez punktów tylko narzędzie początku (i pośredniej), bez ominięć
    o.w.ComboBoxKryterium->setCurrentIndex(2);
    o.mapa()->aktualizuj();
    QVERIFY(o.w.SpeedButtonSetStart->isVisibleTo(&o.w));
    QVERIFY(!o.w.SpeedButtonSetEnd->isVisibleTo(&o.w));
    QVERIFY(!o.w.SpeedButtonSetNiePrzez->isVisibleTo(&o.w));
    o.w.ComboBoxKryterium->setCurrentIndex(0);
    o.mapa()->aktualizuj();
    QVERIFY(o.w.SpeedButtonSetEnd->isVisibleTo(&o.w));
    QVERIFY(o.w.SpeedButtonSetNiePrzez->isVisibleTo(&o.w));

    // wstrzymane rysowanie: mapa się nie zmienia, podpis też nie
    d.widok.rysowanieWstrzymane = true;
    d.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("777"));
    o.w.odswiezMape();
    o.mapa()->aktualizuj();
    QCOMPARE(o.w.windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr 12345"));
    d.widok.rysowanieWstrzymane = false;
    o.mapa()->aktualizuj();
    QCOMPARE(o.w.windowTitle(), QStringLiteral("Wyznaczanie trasy - pociąg nr 777"));
}

void TestMapy::dwuklikNarzedziaWybieraZListy()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    const int lublin = stacja(d, "Lublin");
    const auto lista = StacjeListyWyboru(d);
    const auto it = std::find(lista.begin(), lista.end(), lublin);
    QVERIFY(it != lista.end());
    ia.dodajWybor(int(it - lista.begin()));
    QTest::mouseDClick(o.w.SpeedButtonSetStart, Qt::LeftButton);
    QCOMPARE(ia.zdarzenia().last().tytul, QStringLiteral("Wybierz stację:"));
    QCOMPARE(d.trasa.GlowneStacje.size(), std::size_t(1));
    QCOMPARE(d.trasa.GlowneStacje[0].LpStacji, lublin);
    QCOMPARE(o.w.DBEditStacjaPoczatkowa->text(), QStringLiteral("Lublin"));

    // usuwanie: lista oznaczonych stacji
    ia.dodajWybor(0);
    QTest::mouseDClick(o.w.SpeedButtonResetPrzez, Qt::LeftButton);
    QCOMPARE(ia.zdarzenia().last().tytul, QStringLiteral("Lista stacji"));
    QCOMPARE(ia.zdarzenia().last().pozycje, QStringList{QStringLiteral("Lublin")});
    QVERIFY(d.trasa.GlowneStacje.empty());
}

void TestMapy::obrazOknaZTrasa()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    o.kliknij(o.w.SpeedButtonSetStart, pikselStacji(d, stacja(d, "Lublin")));
    o.kliknij(o.w.SpeedButtonSetEnd, pikselStacji(d, stacja(d, "Kraków Główny")));
    o.kliknij(o.w.SpeedButtonSetPrzez, pikselStacji(d, stacja(d, "Kielce")));
    QVERIFY(!d.trasa.Sciezki.empty());
    // z trasą: wydruk trasy i wydruk mapy dostępne
    o.mapa()->aktualizuj();
    for (QAction* a : o.w.menuDrukuj->actions()[1]->menu()->actions())
        QVERIFY(a->isEnabled());
    for (QAction* a : o.w.menuMapka->actions())
        QVERIFY(a->isEnabled());
    const QString plik = test::zapiszZrzut(o.w, QStringLiteral("okno_z_trasa"));
    QVERIFY(!QImage(plik).isNull());
    // powiększenie na trasie
    kolko(o.mapa(), pikselStacji(d, stacja(d, "Kielce")), 240);
    o.mapa()->aktualizuj();
    test::zapiszZrzut(o.w, QStringLiteral("okno_z_trasa_4x"));
}

QTEST_MAIN(TestMapy)
#include "mapa_qtest.moc"
