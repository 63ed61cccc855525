// Okna mapy z menu okna głównego: "Konfiguracja kolorystyki" (próbki, lista
// województw z kolorem widocznym od razu, zapis i anulowanie), "Wydruk mapki"
// bez drukarki (komunikat, "Drukuj" wyłączone, zapis PDF), powiększenie
// podglądu i pasek skali na mapie.

#include "app/ObszarMapy.h"
#include "app/PlikUstawien.h"
#include "app/TFrmDroga.h"
#include "common/Interakcja.h"
#include "map/Kolory.h"
#include "map/TFrmKolory.h"
#include "map/TFrmWydrukMapki.h"
#include "map/WydrukMapki.h"
#include "routing/Oznaczenia.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

struct Okno {
    Okno(const QTemporaryDir& katalog, Interakcja* ia) : w(test::srodowiskoTestowe(katalog), ia)
    {
        w.resize(1280, 860);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("okno niepokazane");
        w.mapa()->aktualizuj();
    }
    Droga& d() { return w.droga(); }
    TFrmDroga w;
};

// Działanie na oknie modalnym typu T, gdy tylko się pokaże; potem zamknięcie
// (gdy działanie go nie zamknęło).
template <typename T>
void gdyPokazane(std::function<void(T&)> dzialanie, bool* wykonano)
{
    QTimer::singleShot(20, [dzialanie, wykonano] {
        auto* okno = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!okno) {
            gdyPokazane<T>(dzialanie, wykonano);
            return;
        }
        dzialanie(*okno);
        *wykonano = true;
        if (okno->isVisible())
            okno->reject();
    });
}

int czarneWLewymDolnymRogu(const QImage& im)
{
    int n = 0;
    for (int y = im.height() - 45; y < im.height() - 5; ++y)
        for (int x = 8; x < 230; ++x)
            n += im.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
    return n;
}

} // namespace

class TestWydrukuMapki : public QObject {
    Q_OBJECT
private slots:
    void oknoKolorowPokazujeUstawienia();
    void kolorWojewodztwaOdRazuNaMapieAAnulowanieGoCofa();
    void zapisKolorowPrzelaczaNaWojewodztwa();
    void wydrukMapkiBezDrukarkiDoPdf();
    void podgladPowiekszenieICalaStrona();
    void pasekSkaliNaMapieIWylaczenie();

private:
    QTemporaryDir katalog_;
};

void TestWydrukuMapki::oknoKolorowPokazujeUstawienia()
{
    QTemporaryDir katalog;
    {
        QFile f(katalog.filePath(QStringLiteral("taksatura.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Drukarka]\nKolor=5\n[Kolory]\nKolorLinii=65535\n[Inne]\nNumerowanieStacji=1\n");
    }
    InterakcjaSkryptowa ia;
    Okno o(katalog, &ia);
    TFrmKolory okno(o.d(), {}, &o.w);
    QCOMPARE(okno.windowTitle(), QStringLiteral("Konfiguracja kolorystyki"));
    QCOMPARE(okno.probki[0]->objectName(), QStringLiteral("SKolorLinii"));
    QCOMPARE(okno.probki[0]->kolor(), 65535);
    QCOMPARE(okno.podpisy[0]->text(), QStringLiteral("Kolor Linii"));
    QCOMPARE(okno.probki[5]->objectName(), QStringLiteral("SKolorPunktowStacjiWezlowych"));
    QCOMPARE(okno.probki[5]->kolor(), 0x0000FF);   // brak klucza: czerwony w tym oknie
    QCOMPARE(o.d().kolory.KolorPunktowStacjiWezlowych, 0x00FF00);   // na mapie zielony
    QVERIFY(okno.podpisy[12]->text().isEmpty());
    QVERIFY(okno.drukarka[0]->isChecked());        // 5 pokazane jako "Czarno-biały"
    QCOMPARE(okno.drukarka[0]->text().remove(QLatin1Char('&')), QStringLiteral("Czarno-biały"));
    QCOMPARE(okno.RGDrukarka->title(), QStringLiteral("Rodzaj wydruku"));
    QVERIFY(okno.CheckBoxNumerowanie->isChecked());
    QVERIFY(okno.CheckBoxPasekSkali->isChecked());
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QVERIFY(okno.ComboBoxKoloryWoj->isVisible());
    QVERIFY(!okno.ComboBoxKoloryIZ->isVisible());
    QVERIFY(!okno.RadioGroupPodzial->isVisible());
    QVERIFY(okno.podzial[1]->isChecked());
    QCOMPARE(okno.ComboBoxKoloryWoj->count(), int(o.d().siec.Wojewodztwa.size()));
    QCOMPARE(okno.ComboBoxKoloryWoj->itemText(1),
             QStringLiteral("   ") + o.d().siec.Wojewodztwa[1].Nazwa.tekst() + QStringLiteral("   "));
    QCOMPARE(okno.ComboBoxKoloryWoj->currentIndex(), 0);
    okno.ComboBoxKoloryWoj->setCurrentIndex(3);
    test::zapiszZrzut(okno, QStringLiteral("konfiguracja_kolorystyki"));
    // próbka: kliknięcie wybiera kolor, anulowany wybór nic nie zmienia
    okno.wyborKoloru = [](const QColor&) { return std::optional<QColor>(); };
    okno.probki[3]->click();
    QCOMPARE(okno.probki[3]->kolor(), 0x800000);
    okno.wyborKoloru = [](const QColor& start) {
        return std::optional<QColor>(start == QColor(0, 0, 0x80) ? QColor(10, 20, 30) : QColor(Qt::white));
    };
    QTest::keyClick(okno.probki[3], Qt::Key_Space);
    QCOMPARE(okno.probki[3]->kolor(), 0x1E140A);
}

void TestWydrukuMapki::kolorWojewodztwaOdRazuNaMapieAAnulowanieGoCofa()
{
    QTemporaryDir katalog;
    {
        QFile f(katalog.filePath(QStringLiteral("taksatura.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Inne]\nPodzialTerytorialny=1\nBrakSieci=0\n");
    }
    InterakcjaSkryptowa ia;
    Okno o(katalog, &ia);
    Droga& d = o.d();
    const std::int32_t przed = d.siec.Wojewodztwa[2].Kolor;
    d.kontrolki.brakSieci = true;   // stan kontrolki po kliknięciu przez użytkownika
    bool wykonano = false, naMapie = false;
    gdyPokazane<TFrmKolory>(
        [&](TFrmKolory& okno) {
            okno.wyborKoloru = [](const QColor&) { return std::optional<QColor>(QColor(0xAB, 0x00, 0xCD)); };
            emit okno.ComboBoxKoloryWoj->activated(2);
            o.w.mapa()->aktualizuj();
            // mapa narysowana z nowym kolorem, zanim cokolwiek zapisano
            const QImage im = o.w.mapa()->obraz();
            for (int y = 0; y < im.height() && !naMapie; y += 2)
                for (int x = 0; x < im.width() && !naMapie; x += 2)
                    naMapie = im.pixelColor(x, y) == QColor(0xAB, 0x00, 0xCD);
            okno.ButtonAnuluj->click();
        },
        &wykonano);
    o.w.Kolory1->trigger();
    QVERIFY(wykonano);
    QVERIFY(naMapie);
    QCOMPARE(d.siec.Wojewodztwa[2].Kolor, przed);   // anulowane: zapisany kolor
    QVERIFY(d.kontrolki.brakSieci);
    QVERIFY(!QFile::exists(d.plikUstawien) ||
            !PlikUstawien(d.plikUstawien).jest(QStringLiteral("Wojewodztwa"), QStringLiteral("KolorWoj3")));
}

void TestWydrukuMapki::zapisKolorowPrzelaczaNaWojewodztwa()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    Okno o(katalog, &ia);
    Droga& d = o.d();
    QCOMPARE(d.kolory.PodzialTerytorialny, 0);
    bool wykonano = false;
    gdyPokazane<TFrmKolory>(
        [&](TFrmKolory& okno) {
            okno.wyborKoloru = [](const QColor&) { return std::optional<QColor>(QColor(0x11, 0x22, 0x33)); };
            okno.probki[12]->click();   // tło
            okno.drukarka[1]->click();
            okno.ButtonZapisz->click();
        },
        &wykonano);
    o.w.Kolory1->trigger();
    QVERIFY(wykonano);
    QCOMPARE(d.kolory.PodzialTerytorialny, 1);
    QCOMPARE(d.kolory.KolorTla, 0x332211);
    QCOMPARE(d.kolory.DrukarkaKolor, 1);
    const PlikUstawien u(d.plikUstawien);
    QCOMPARE(u.calkowita(QStringLiteral("Kolory"), QStringLiteral("KolorPunktowStacjiWezlowych"), -1), 255);
    QCOMPARE(u.calkowita(QStringLiteral("Wojewodztwa"), QStringLiteral("KolorWoj1"), -1),
             d.siec.Wojewodztwa[0].KolorDomyslny);
    o.w.mapa()->aktualizuj();
    QCOMPARE(o.w.mapa()->obraz().pixelColor(3, 3), QColor(0x11, 0x22, 0x33));
}

void TestWydrukuMapki::wydrukMapkiBezDrukarkiDoPdf()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("w systemie jest drukarka");
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    Droga& d = o.d();
    QVERIFY(OznaczStart(d, stacja(d, "Lublin")));
    QVERIFY(OznaczMeta(d, stacja(d, "Kraków Główny")));
    o.w.odswiezMape();
    o.w.mapa()->aktualizuj();
    const std::int64_t zoom = d.widok.zoom;
    const QString pdf = katalog_.filePath(QStringLiteral("mapka.pdf"));
    bool wykonano = false;
    QString proponowana;
    gdyPokazane<TFrmWydrukMapki>(
        [&](TFrmWydrukMapki& okno) {
            QCOMPARE(okno.windowTitle(), QStringLiteral("Wydruk mapki"));
            QVERIFY(!okno.BitBtn2->isEnabled());
            QVERIFY(okno.BitBtnPdf->isEnabled());
            QCOMPARE(okno.SBFitioPage->toolTip(), QStringLiteral("Pokaż całą stronę"));
            QCOMPARE(okno.obrazStrony().size(), QSize(1234, 1754));
            QCOMPARE(okno.zoom(), 10000);
            okno.CalaStrona();
            test::zapiszZrzut(okno, QStringLiteral("wydruk_mapki"));
            okno.wyborPliku = [&](const QString& p) {
                proponowana = p;
                return pdf;
            };
            okno.BitBtnPdf->click();
            okno.BitBtn1->click();
        },
        &wykonano);
    o.w.menuMapka->actions()[2]->trigger();   // "Dopasuj do trasy"
    QVERIFY(wykonano);
    QVERIFY(ia.teksty().contains(QStringLiteral("Brak w systemie zainstalowanych drukarek.")));
    QCOMPARE(ia.zdarzenia().first().tytul, QStringLiteral("Uwaga"));
    QVERIFY(proponowana.endsWith(QStringLiteral("MapkaPocBezNumeru.pdf")));
    QCOMPARE(d.widok.zoom, zoom);
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(tekst.contains(QStringLiteral("Trasa nowego pociągu (bez numeru)")), qPrintable(tekst));
    QVERIFY(tekst.contains(QStringLiteral("Kryterium wyboru trasy : najkrótsza")));
    QVERIFY(tekst.contains(QStringLiteral("Kraków Główny")));
}

void TestWydrukuMapki::podgladPowiekszenieICalaStrona()
{
    InterakcjaSkryptowa ia;
    Okno o(katalog_, &ia);
    TFrmWydrukMapki okno(WydrukMapki(o.d(), MapkaCala), ia, false, QString(), QStringLiteral("x.pdf"), &o.w);
    okno.resize(900, 800);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QCOMPARE(okno.IMG1->size(), QSize(1234, 1754));
    okno.SBPowieksz->click();
    QCOMPARE(okno.zoom(), 12000);
    QCOMPARE(okno.IMG1->size(), QSize(1481, 2105));
    okno.SBZmniejsz->click();
    okno.SBZmniejsz->click();
    QCOMPARE(okno.zoom(), 8333);
    // "Pokaż całą stronę": cała strona w widocznym obszarze
    okno.SBFitioPage->click();
    QCoreApplication::processEvents();
    const QSize widok = okno.ScrollBox1->viewport()->size();
    QVERIFY2(okno.IMG1->width() <= widok.width() && okno.IMG1->height() <= widok.height(),
             qPrintable(QStringLiteral("%1x%2 w %3x%4").arg(okno.IMG1->width()).arg(okno.IMG1->height())
                            .arg(widok.width()).arg(widok.height())));
    QVERIFY(okno.IMG1->height() > widok.height() * 0.9 || okno.IMG1->width() > widok.width() * 0.9);
    // "Drukuj" bez drukarki wyłączone, ale gdyby zadziałało - komunikat, bez awarii
    QVERIFY(!okno.BitBtn2->isEnabled());
    okno.drukuj();
    QCOMPARE(ia.teksty().last(), QStringLiteral("Brak w systemie zainstalowanych drukarek."));
}

void TestWydrukuMapki::pasekSkaliNaMapieIWylaczenie()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    Okno o(katalog, &ia);
    ObszarMapy* mapa = o.w.mapa();
    const QImage z = mapa->grab().toImage();
    test::zapiszZrzut(o.w, QStringLiteral("mapa_z_paskiem_skali"));
    const int zPaskiem = czarneWLewymDolnymRogu(z);
    // obraz mapy (bez paska) w rogu nie ma tylu czarnych pikseli
    QVERIFY(zPaskiem > czarneWLewymDolnymRogu(mapa->obraz()) + 100);
    {
        QFile f(o.d().plikUstawien);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Inne]\nPasekSkali=0\n");
    }
    WczytajKolory(o.d());
    mapa->przerysuj();
    mapa->aktualizuj();
    QVERIFY(czarneWLewymDolnymRogu(mapa->grab().toImage()) + 100 < zPaskiem);
}

QTEST_MAIN(TestWydrukuMapki)
#include "wydruk_mapki_qtest.moc"
