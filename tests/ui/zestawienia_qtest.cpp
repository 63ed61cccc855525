// Okno "Zestawienia" na prawdziwych zapisanych pociągach: układ, filtr rodzaju
// z sumami, schowek, wydruk, arkusz i przeliczenie wszystkich pociągów po
// zmianie stawek z zapisem po potwierdzeniu; przycisk okna startowego.

#include "app/TFrmDroga.h"
#include "common/Liczby.h"
#include "pricing/Przedzialy.h"
#include "reports/TFrmPreview.h"
#include "reports/TFrmZestawienia.h"
#include "routing/Oznaczenia.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "trains/PlikiPociagu.h"
#include "trains/ZapisPociagu.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

void zapiszPociag(Droga& d, const char* start, const char* koniec, int rodzaj, const char* numer)
{
    d.kontrolki.idRodzajuStawki = rodzaj;
    d.kontrolki.lpZakresuBr = pierwszyPrzedzial(d.siec, rodzaj);
    UstalWarunki(d);
    KasujDroge(d);
    TworzNowyPociag(d);
    QVERIFY(OznaczStart(d, stacja(d, start)));
    QVERIFY(OznaczMeta(d, stacja(d, koniec)));
    OknaPociaguSkryptowe okna;
    okna.wypelnijNaglowek = [numer](Droga& dr) { dr.pociag.ustaw(QStringLiteral("NrPociagu"), QString::fromUtf8(numer)); };
    d.pociag.IdBiezacegoPociagu = 0;
    QVERIFY(ZapiszPociag(d, okna));
}

QStringList tytulyWidocznych(const QTableView* g)
{
    QStringList l;
    for (int i = 0; i < g->model()->columnCount(); ++i)
        if (!g->isColumnHidden(i))
            l << g->model()->headerData(i, Qt::Horizontal).toString();
    return l;
}

} // namespace

class TestZestawienia : public QObject {
    Q_OBJECT
private slots:
    void pustyFolder();
    void filtrSumySchowekWydrukArkusz();
    void przeliczenieIZapisPoZmianieStawek();
};

void TestZestawienia::pustyFolder()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    TFrmZestawienia z(w.droga());
    z.show();
    QCOMPARE(z.windowTitle(), QStringLiteral("Zestawienia"));
    QCOMPARE(z.width(), 945);
    QCOMPARE(z.model()->rowCount(), 0);
    QCOMPARE(z.DBEditSumaCen->text(), QStringLiteral("0,00 zł"));
    QCOMPARE(z.DBEditLiczbaPoc->text(), QStringLiteral("0"));
    QVERIFY(!z.Drukujzestawienie1->isEnabled());
    QVERIFY(z.CheckBoxWszystkie->isChecked());
    QVERIFY(!z.DBLookupComboBoxRodzaj->isEnabled());
    QCOMPARE(tytulyWidocznych(z.DBGrid1),
             (QStringList{"Lp", "Nr pociągu", "Nazwa pociągu", "Rodzaj", "Długość trasy", "Cena trasy", "Cena rozkładu",
                          "Liczba dni kursowania", "Stacja początkowa", "Stacja końcowa"}));
    QCOMPARE(z.model()->columnCount(), 13);
    QVERIFY(ia.zdarzenia().isEmpty());
}

void TestZestawienia::filtrSumySchowekWydrukArkusz()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    w.show();
    Droga& d = w.droga();
    zapiszPociag(d, "Lublin", "Kraków Główny", 0, "P1");
    zapiszPociag(d, "Warszawa Centralna", "Kraków Główny", 1, "T2");
    zapiszPociag(d, "Lublin", "Warszawa Centralna", 1, "T3");
    w.close();
    d.kontrolki.idRodzajuStawki = 1;   // rodzaj wybrany w oknie głównym

    TFrmZestawienia z(d);
    z.show();
    QCOMPARE(z.model()->rowCount(), 3);
    QCOMPARE(z.DBEditLiczbaPoc->text(), QStringLiteral("3"));
    QVERIFY(z.Drukujzestawienie1->isEnabled());
    QCOMPARE(z.DBLookupComboBoxRodzaj->currentText(), QStringLiteral("Towarowy"));

    // tylko towarowe: klik w pole wyboru włącza listę rodzajów i filtruje
    QTest::mouseClick(z.CheckBoxWszystkie, Qt::LeftButton, {}, QPoint(5, z.CheckBoxWszystkie->height() / 2));
    QVERIFY(!z.CheckBoxWszystkie->isChecked());
    QVERIFY(z.DBLookupComboBoxRodzaj->isEnabled());
    QCOMPARE(z.model()->rowCount(), 2);
    QCOMPARE(z.DBEditLiczbaPoc->text(), QStringLiteral("2"));
    const Zestawienie& ze = z.zestawienie();
    QCOMPARE(z.DBEditSumaCen->text(), formatujZl(ze.SumaCen));
    QCOMPARE(z.model()->index(1, 0).data().toString(), QStringLiteral("2"));   // lp po filtrze
    QCOMPARE(z.model()->index(0, 1).data().toString(), QStringLiteral("T2"));

    z.BitBtnSchowek->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), tekstZestawienia(ze));
    QCOMPARE(QGuiApplication::clipboard()->text().count(QStringLiteral("\r\n")), 3);

    // wydruk w podglądzie: podtytuł z rodzajem
    TFrmPreview* p = z.DrukujZestawienie();
    QVERIFY(p);
    QCOMPARE(p->raport().tytul[0].teksty[1].tekst, QStringLiteral("rodzaju pociągu: Towarowy"));
    QCOMPARE(p->liczbaStron(), 1);
    p->close();

    const QString xlsx = katalog.filePath(QStringLiteral("z.xlsx"));
    z.wyborArkusza = [&](const QString& proponowana) {
        [&] { QVERIFY(proponowana.endsWith(QStringLiteral("Zestawienie.xlsx"))); }();
        return xlsx;
    };
    z.BitBtnArkusz->click();
    QVERIFY(QFile::exists(xlsx));
    test::zapiszZrzut(z, QStringLiteral("zestawienia"));

    // znowu wszystkie rodzaje
    z.CheckBoxWszystkie->setChecked(true);
    QCOMPARE(z.model()->rowCount(), 3);
    QVERIFY(!z.DBLookupComboBoxRodzaj->isEnabled());
}

void TestZestawienia::przeliczenieIZapisPoZmianieStawek()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    w.show();
    Droga& d = w.droga();
    zapiszPociag(d, "Lublin", "Kraków Główny", 0, "P1");
    zapiszPociag(d, "Warszawa Centralna", "Kraków Główny", 0, "P2");
    w.close();
    TFrmZestawienia z(d);
    z.show();
    const double przed = z.zestawienie().SumaCen;

    // sieć bez zmian: nic do zapisania
    int wierszy = -1;
    bool zapisDostepny = true;
    z.pokazPrzeliczenie = [&](SesjaPrzeliczenia& s, WynikiPrzeliczenia& wy) {
        TFrmPrzeliczenie o(s, wy, ia, &z);
        wierszy = o.model()->rowCount();
        zapisDostepny = o.BitBtnZapisz->isEnabled();
    };
    z.BitBtnPrzelicz->click();
    QCOMPARE(wierszy, 2);
    QVERIFY(!zapisDostepny);

    // stawki w górę o połowę: oba pociągi droższe; "Zapisz nowe ceny" z potwierdzeniem
    for (auto& v : d.siec.Stawki.surowe())
        v = std::uint16_t(std::min(65535, v * 3 / 2));
    QString podsumowanie;
    z.pokazPrzeliczenie = [&](SesjaPrzeliczenia& s, WynikiPrzeliczenia& wy) {
        TFrmPrzeliczenie o(s, wy, ia, &z);
        zapisDostepny = o.BitBtnZapisz->isEnabled();
        o.show();
        test::zapiszZrzut(o, QStringLiteral("przeliczenie"));
        ia.dodajOdpowiedz(Odpowiedz::Tak);
        o.BitBtnZapisz->click();
        podsumowanie = o.LabelPodsumowanie->text();
    };
    z.BitBtnPrzelicz->click();
    QVERIFY(zapisDostepny);
    QVERIFY2(podsumowanie.contains(QStringLiteral("Droższe: 2")), qPrintable(podsumowanie));
    QVERIFY2(podsumowanie.contains(QStringLiteral("Zapisano: 2")), qPrintable(podsumowanie));
    QCOMPARE(ia.zdarzenia().last().rodzaj, ZdarzenieInterakcji::Rodzaj::Pytanie);
    // lista od nowa z zapisanymi cenami
    QVERIFY(z.zestawienie().SumaCen > przed * 1.4);
}

QTEST_MAIN(TestZestawienia)
#include "zestawienia_qtest.moc"
