// Okno główne z trasą: rodzaj pociągu, przedział masy, kryterium, ograniczenia,
// pole "Vmax tab." i usunięcie trasy przeliczają i pokazują ceny oraz czas jazdy.

#include "app/TFrmDroga.h"
#include "common/Interakcja.h"
#include "pricing/Przedzialy.h"
#include "routing/Oznaczenia.h"
#include "ui/WspolneOkien.h"
#include "wspolne/StacjaWgNazwy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace tks;
using namespace tks::ui;
using tks::test::stacja;

namespace {

// Trasa Warszawa Centralna - Kraków Główny ułożona operacjami rdzenia (jak kliknięciami na mapie).
void ulozTrase(TFrmDroga& w)
{
    Droga& d = w.droga();
    QVERIFY(OznaczStart(d, stacja(d, QStringLiteral("Warszawa Centralna"))));
    QVERIFY(OznaczMeta(d, stacja(d, QStringLiteral("Kraków Główny"))));
    w.pokazNaglowek();
    w.pokazCzasJazdy();
}

void wybierz(QComboBox* c, int dane)
{
    const int i = c->findData(dane);
    QVERIFY(i >= 0);
    c->setCurrentIndex(i);
    emit c->activated(i);
}

} // namespace

class TestWycenaOkna : public QObject {
    Q_OBJECT
private slots:
    void rodzajIPrzedzialPrzeliczajaCene();
    void kryteriumRecznePytaIUsuwaTrase();
    void vmaxOgraniczonePoWyjsciu();
    void ograniczeniaIUsuniecieTrasy();

private:
    QTemporaryDir katalog_;
};

void TestWycenaOkna::rodzajIPrzedzialPrzeliczajaCene()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    ulozTrase(w);
    QCOMPARE(w.DBEditStacjaPoczatkowa->text(), QStringLiteral("Warszawa Centralna"));
    QVERIFY(w.DBEditDlugosc->text().endsWith(QStringLiteral(" km")));
    const QString cenaPas = w.DBEditCena->text();
    QVERIFY(cenaPas.endsWith(QStringLiteral(" zł")));
    QVERIFY(!w.EditTr->text().isEmpty());
    QVERIFY(w.EditVr->text().endsWith(QStringLiteral(" km/h")));
    QVERIFY(w.DBEditCenaPostojow->isVisibleTo(&w));   // pasażerski, "Szerokich"

    // towarowy: inne przedziały, inne stawki, bez ceny za postoje, dopasowane ograniczenia
    wybierz(w.DBLookupComboBoxRodzaje, 1);
    Droga& d = w.droga();
    QCOMPARE(d.kontrolki.idRodzajuStawki, 1);
    QCOMPARE(w.DBLookupComboBoxBrutto->count(), przedzialyRodzaju(d.siec, 1).size());
    QCOMPARE(w.DBLookupComboBoxBrutto->currentData().toInt(), pierwszyPrzedzial(d.siec, 1));
    QVERIFY(w.CheckBoxZawRuchTow->isChecked());
    QVERIFY(!w.CheckBoxZawRuchPas->isChecked());
    QVERIFY(!w.DBEditCenaPostojow->isVisibleTo(&w));
    const QString cenaTow = w.DBEditCena->text();
    QVERIFY(cenaTow != cenaPas);
    QCOMPARE(w.DBEditCenaPostojow->text(), QStringLiteral("0,00 zł"));

    // cięższy przedział: drożej i wolniej
    const QString czasLekki = w.EditTr->text();
    const auto przedzialy = przedzialyRodzaju(d.siec, 1);
    wybierz(w.DBLookupComboBoxBrutto, d.siec.ZakresyBr.calkowita(przedzialy.last(), QStringLiteral("LpZakresuBr")));
    QVERIFY(w.DBEditCena->text() != cenaTow);
    QVERIFY(w.EditTr->text() > czasLekki);
    QVERIFY(d.pociag.ZmianyPociagu);
}

void TestWycenaOkna::kryteriumRecznePytaIUsuwaTrase()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    ulozTrase(w);

    ia.dodajOdpowiedz(Odpowiedz::Nie);
    w.ComboBoxKryterium->setCurrentIndex(2);
    QCOMPARE(ia.zdarzenia().last().tekst, QStringLiteral("Ułożona dotychczas droga zostanie usunięta. Kontynuować ?"));
    QCOMPARE(ia.zdarzenia().last().tytul, QStringLiteral("Uwaga!!"));
    QCOMPARE(w.ComboBoxKryterium->currentIndex(), 0);
    QVERIFY(!w.droga().trasa.Sciezki.empty());

    ia.dodajOdpowiedz(Odpowiedz::Tak);
    w.ComboBoxKryterium->setCurrentIndex(2);
    QCOMPARE(w.ComboBoxKryterium->currentIndex(), 2);
    QVERIFY(w.droga().trasa.Sciezki.empty());
    QVERIFY(w.DBEditStacjaPoczatkowa->text().isEmpty());
    QVERIFY(w.SpeedButtonSetEnd->isChecked());   // start, pośrednia, koniec: zostaje koniec
    QCOMPARE(w.droga().pociag.pole(QStringLiteral("IdKryteriumWyboru")).toInt(), 2);
}

void TestWycenaOkna::vmaxOgraniczonePoWyjsciu()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    ulozTrase(w);
    const QString czas100 = w.EditTr->text();
    w.EditVTab->setText(QStringLiteral("5"));
    w.EditVTabExit();
    QCOMPARE(w.EditVTab->text(), QStringLiteral("10"));
    QVERIFY(w.EditTr->text() > czas100);
    w.EditVTab->setText(QStringLiteral("200"));
    w.EditVTabExit();
    QCOMPARE(w.EditVTab->text(), QStringLiteral("160"));
    w.EditVTab->setText(QStringLiteral("abc"));
    w.EditVTabExit();
    QCOMPARE(w.EditVTab->text(), QStringLiteral("10"));
}

void TestWycenaOkna::ograniczeniaIUsuniecieTrasy()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    // bez trasy: "Brak stawki dla poc. pas." zeruje ceny i długość nagłówka
    w.CheckBoxZawRuchPas->click();
    QCOMPARE(w.droga().pociag.pole(QStringLiteral("CenaWyliczona")).toDouble(), 0.0);
    QCOMPARE(w.DBEditCena->text(), QStringLiteral("0,00 zł"));
    w.CheckBoxZawRuchPas->click();

    ulozTrase(w);
    const int elementy = int(w.droga().trasa.Sciezki.size());
    QVERIFY(elementy > 0);
    // ominięcie linii bez sieci trakcyjnej przelicza trasę (na tej relacji może zostać ta sama)
    w.CheckBoxBrakSieci->click();
    QVERIFY(w.droga().trasa.MaskaOgraniczen & 0x0080);
    QVERIFY(!w.droga().trasa.Sciezki.empty());
    for (const auto& e : w.droga().trasa.Sciezki)
        QVERIFY(!(e.Cechy & 0x0080));

    w.SpeedButtonKasujDroge->click();
    QVERIFY(w.droga().trasa.Sciezki.empty());
    QVERIFY(w.droga().trasa.GlowneStacje.empty());
    QVERIFY(w.DBEditCena->text().isEmpty());
    QVERIFY(w.DBEditStacjaPoczatkowa->text().isEmpty());
}

QTEST_MAIN(TestWycenaOkna)
#include "wycena_okna_qtest.moc"
