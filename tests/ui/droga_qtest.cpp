// Okno główne: menu, kontrolki panelu narzędzi i ich stan w rdzeniu, lista
// przedziałów masy, brak pliku sieci, pytanie przy zamykaniu, narzędzia i
// kursory, kolejność Tab, przewijanie panelu, pomoc i "O systemie".

#include "app/Kursory.h"
#include "app/ObszarMapy.h"
#include "app/TFrmAboutBox.h"
#include "app/TFrmDroga.h"
#include "app/TFrmHelp.h"
#include "common/Interakcja.h"
#include "pricing/Przedzialy.h"
#include "ui/WspolneOkien.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace tks;
using namespace tks::ui;

namespace {

QString bezCR(const char* t)
{
    QString s = QString::fromUtf8(t);
    s.remove(QLatin1Char('\r'));
    return s;
}

QStringList elementyListy(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

} // namespace

class TestDroga : public QObject {
    Q_OBJECT
private slots:
    void menuWKolejnosci();
    void kontrolkiPanelu();
    void listaPrzedzialowTylkoDlaRodzaju();
    void stanKontrolekWRdzeniu();
    void ograniczeniaZPlikuUstawien();
    void brakPlikuSieci();
    void pytaniePrzyZamykaniu();
    void narzedziaIKursory();
    void kolejnoscTab();
    void przewijaniePanelu();
    void pomocIOSystemie();
    void obrazOkna();

private:
    QTemporaryDir katalog_;
};

void TestDroga::menuWKolejnosci()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    QCOMPARE(w.windowTitle(), QStringLiteral("Taksatura"));
    QStringList menu, litery;
    for (QAction* a : w.menuBar()->actions()) {
        menu << test::bezSkrotu(a->text());
        const int i = int(a->text().indexOf(QLatin1Char('&')));
        QVERIFY2(i >= 0, qPrintable(a->text()));
        litery << a->text().mid(i + 1, 1).toLower();
    }
    QCOMPARE(menu, (QStringList{"Plik", "Drukuj", "Konfiguracja", "Dane", "Pomoc"}));
    litery.removeDuplicates();
    QCOMPARE(litery.size(), 5);

    QCOMPARE(test::pozycjeMenu(w.menuPlik),
             (QStringList{"Nowy pociąg", "Wczytaj pociąg", "-", "Zapisz jako nowy pociąg", "Zapisz zmiany", "-",
                          "Edytuj nagłówek", "-", "Terminy kursowania", "-", "Koniec"}));
    for (QAction* a : w.menuPlik->actions())
        if (!a->isSeparator())
            QVERIFY(a->isEnabled());
    QCOMPARE(test::pozycjeMenu(w.menuDrukuj), (QStringList{"Mapka", "Trasa"}));
    QCOMPARE(test::pozycjeMenu(w.menuDrukuj->actions()[0]->menu()), (QStringList{"Cała", "Okno", "Dopasuj do trasy"}));
    const QStringList poziomy{"Wg zmian linii", "Wg zmian linii i stawek", "Wg odcinków"};
    QCOMPARE(test::pozycjeMenu(w.menuDrukuj->actions()[1]->menu()), poziomy);
    QCOMPARE(test::pozycjeMenu(w.menuKonfiguracja), (QStringList{"Kolory", "Drukarka"}));
    QCOMPARE(test::pozycjeMenu(w.menuDane),
             (QStringList{"Trasa", "-", "Porównanie tras…", "Profil prędkości…", "-", "Znajdź stację…"}));
    QCOMPARE(test::pozycjeMenu(w.menuDane->actions()[0]->menu()), poziomy);
    QCOMPARE(test::pozycjeMenu(w.menuPomoc), (QStringList{"Instrukcja", "O systemie"}));
    QVERIFY(w.Instrukcja1->isEnabled() && w.OSystemie1->isEnabled());
    QVERIFY(w.Kolory1->isEnabled() && w.Drukarka1->isEnabled());

    // "Koniec" zamyka okno
    w.show();
    QSignalSpy zamkniete(&w, &TFrmDroga::zamkniete);
    w.Koniec1->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(zamkniete.count(), 1);
}

void TestDroga::kontrolkiPanelu()
{
    QFile::remove(katalog_.filePath(QStringLiteral("taksatura.ini")));
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);

    QCOMPARE(elementyListy(w.ComboBoxKryterium), (QStringList{"najkrótsza", "najtańsza", "wybór ręczny"}));
    QCOMPARE(w.ComboBoxKryterium->currentIndex(), 0);
    QCOMPARE(w.GroupBoxOgraniczenia->title(), QStringLiteral("Nie układaj trasy na liniach :"));
    QCOMPARE(w.GroupBoxPredkosc->title(), QStringLiteral("Śred. prędkość techn. dla trasy"));
    QCOMPARE(w.EditVTab->text(), QStringLiteral("100"));
    QVERIFY(w.EditTr->isReadOnly() && w.EditVr->isReadOnly());

    struct Pole { QAbstractButton* k; const char* napis; bool zaznaczona; bool ukryta; bool wlaczona; const char* hint; };
    const Pole pola[] = {
        {w.CheckBoxPodObcymZarzadem, "Linie pod obcym zarządem", true, false, true,
         "Nie ukladaj trasy na liniach zarzadznych przez innego zarzadce niz KZT ZLT S.A."},
        {w.RadioButtonSzerokie, "Szerokich", true, false, true, "Nie ukladaj trasy na liniach szerokotorowych"},
        {w.RadioButtonNormalne, "Normalnych", false, false, true, "Nie ukladaj trasy na liniach normalnotorowych"},
        {w.CheckBoxZawRuchPas, "Brak stawki dla poc. pas.", true, false, true,
         "Nie ukladaj trasy na liniach, dla których nie opracowuje się rocznego rozkładu jazdy dla pociągów pasażerskich"},
        {w.CheckBoxZawRuchTow, "Brak stawki dla poc. tow.", false, false, true,
         "Nie ukladaj trasy na liniach, dla których nie opracowuje się rocznego rozkładu jazdy dla pociągów towarowych"},
        {w.CheckBoxBrakSieci, "Brak sieci trakcyjnej", false, false, true,
         "Nie ukladaj trasy na liniach bez elektrycznej sieci trakcyjnej"},
        {w.CheckBoxNieczynne, "Linie nieczynne", true, true, true, ""},
        {w.CheckBoxNieWskazanyRuchPas, "Linie towarowe", true, true, false, ""},
        {w.CheckBoxNieWskazanyRuchTow, "Linie pasażerskie", false, true, false, ""},
        {w.CheckBoxDefault, "Dopasuj do rodzaju poc.", true, true, true, ""},
    };
    for (const Pole& p : pola) {
        QCOMPARE(p.k->text(), QString::fromUtf8(p.napis));
        QCOMPARE(p.k->isChecked(), p.zaznaczona);
        QCOMPARE(p.k->isHidden(), p.ukryta);
        QCOMPARE(p.k->isEnabled(), p.wlaczona);
        QCOMPARE(p.k->toolTip(), QString::fromUtf8(p.hint));
    }
    // "Brak sieci trakcyjnej" stoi poza panelem narzędzi, reszta w grupie
    QVERIFY(!w.Panel1->isAncestorOf(w.CheckBoxBrakSieci));
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(w.CheckBoxPodObcymZarzadem),
                               static_cast<QAbstractButton*>(w.RadioButtonSzerokie),
                               static_cast<QAbstractButton*>(w.RadioButtonNormalne),
                               static_cast<QAbstractButton*>(w.CheckBoxZawRuchPas),
                               static_cast<QAbstractButton*>(w.CheckBoxZawRuchTow)})
        QVERIFY(w.GroupBoxOgraniczenia->isAncestorOf(b));

    QCOMPARE(w.EditVTab->toolTip(), QStringLiteral("Maksymalna predkość taboru"));
    const char* zalozenia = "z uwzględnieniem prędkości drogowej linii,  z uwzględnieniem\n"
                            "ograniczeń stałych i ograniczenia predkości taboru, \n"
                            "bez uwzględnienia wpływu % masy hamującej,\n"
                            "bez uwzględnienia wpływu jazdy na spadkach i wzniesieniach,\n"
                            "przy założeniu parametrów trakcyjnych lokomotywy\n"
                            "dla pociągów pasażerskich   EP09, dla towarowych ET22 ";
    QCOMPARE(w.EditVr->toolTip(),
             QStringLiteral("Średnia prędkość techniczna bez uwzględnienia postojów, \n") + QString::fromUtf8(zalozenia));
    QCOMPARE(w.EditTr->toolTip(),
             QStringLiteral("Surowy czas jazdy bez uwzględnienia postojów, \n") + QString::fromUtf8(zalozenia));

    const std::pair<QToolButton*, const char*> narzedzia[] = {
        {w.SpeedButtonZoomIn, "Powiększanie\r\nskali mapy"},
        {w.SpeedButtonZoomOut, "Zmniejszanie skali\r\nmapy"},
        {w.SpeedButtonMove, "Przesuwanie mapy"},
        {w.SpeedButtonSetStart, "Wybór stacji\r\npoczątkowej"},
        {w.SpeedButtonSetEnd, "Wybór stacji\r\nkońcowej"},
        {w.SpeedButtonSetPrzez, "Wybór stacji\r\npośredniej"},
        {w.SpeedButtonResetPrzez, "Usunięcie z trasy\r\nwybranego punktu"},
        {w.SpeedButtonSetNiePrzez, "Oznaczanie linii lub \r\nstacji, przez które\r\nnie należy układac \r\ntrasy"},
        {w.SpeedButtonKasujDroge, "Usunięcie całej\r\nwyznaczonej trasy"},
        {w.SpeedButtonWskaznik, ""},
    };
    for (const auto& [b, hint] : narzedzia) {
        QCOMPARE(b->toolTip(), bezCR(hint));
        QVERIFY(!b->icon().isNull());
    }

    // pole ceny za postoje: etykieta i pole, widoczność z wyceny
    QCOMPARE(w.LabelCenaPostojow->text(), QStringLiteral("Cena za postoje"));
    w.droga().wycena.pokazCenePostojow = false;
    w.pokazCzasJazdy();
    QVERIFY(w.LabelCenaPostojow->isHidden() && w.DBEditCenaPostojow->isHidden());

    // panel ceny z nagłówka: Null puste, kwoty z " zł", długość z " km"
    w.show();
    Pociag& p = w.droga().pociag;
    p.ustaw(QStringLiteral("StacjaPoczatkowa"), QStringLiteral("Kraków Główny"));
    p.ustaw(QStringLiteral("Dlugosc"), 1234.5);
    p.ustaw(QStringLiteral("CenaWyliczona"), 1234567.891);
    w.pokazNaglowek();
    QCOMPARE(w.DBEditStacjaPoczatkowa->text(), QStringLiteral("Kraków Główny"));
    QCOMPARE(w.DBEditStacjaKoncowa->text(), QString());
    QCOMPARE(w.DBEditDlugosc->text(), QStringLiteral("1 234,500 km"));
    QCOMPARE(w.DBEditCena->text(), QStringLiteral("1 234 567,89 zł"));
    QCOMPARE(w.DBEditCenaRozkJazdy->text(), QString());
    w.SpeedButtonKasujDroge->click();
    QCOMPARE(w.DBEditCena->text(), QString());
    w.close();
}

void TestDroga::listaPrzedzialowTylkoDlaRodzaju()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    const Siec& s = w.droga().siec;
    QVERIFY(s.RodzajeStawekTab.liczbaWierszy() >= 2);

    QStringList rodzaje;
    for (int r = 0; r < s.RodzajeStawekTab.liczbaWierszy(); ++r)
        rodzaje << s.RodzajeStawekTab.tekst(r, QStringLiteral("Nazwa"));
    QCOMPARE(elementyListy(w.DBLookupComboBoxRodzaje), rodzaje);
    QCOMPARE(w.DBLookupComboBoxRodzaje->maxVisibleItems(), 9);
    QCOMPARE(w.DBLookupComboBoxBrutto->maxVisibleItems(), 10);

    const auto przedzialy = [&](int rodzaj) {
        QStringList l;
        for (int r = 0; r < s.ZakresyBr.liczbaWierszy(); ++r)
            if (s.ZakresyBr.calkowita(r, QStringLiteral("IdRodzajuStawki")) == rodzaj)
                l << s.ZakresyBr.tekst(r, QStringLiteral("Opis"));
        return l;
    };
    const int pierwszy = s.RodzajeStawekTab.calkowita(0, QStringLiteral("IdRodzajuStawki"));
    QCOMPARE(w.DBLookupComboBoxRodzaje->currentIndex(), 0);
    QCOMPARE(elementyListy(w.DBLookupComboBoxBrutto), przedzialy(pierwszy));
    QCOMPARE(w.DBLookupComboBoxBrutto->currentIndex(), 0);

    // wybór drugiego rodzaju klawiaturą: lista tylko jego przedziałów, pierwszy wybrany
    w.show();
    w.DBLookupComboBoxRodzaje->setFocus();
    QTest::keyClick(w.DBLookupComboBoxRodzaje, Qt::Key_Down);
    const int drugi = s.RodzajeStawekTab.calkowita(1, QStringLiteral("IdRodzajuStawki"));
    QCOMPARE(w.droga().kontrolki.idRodzajuStawki, drugi);
    QCOMPARE(elementyListy(w.DBLookupComboBoxBrutto), przedzialy(drugi));
    QCOMPARE(w.DBLookupComboBoxBrutto->currentIndex(), 0);
    QCOMPARE(w.droga().kontrolki.lpZakresuBr, pierwszyPrzedzial(s, drugi));

    // wybór przedziału
    QTest::keyClick(w.DBLookupComboBoxBrutto, Qt::Key_Down);
    QCOMPARE(w.droga().kontrolki.lpZakresuBr, w.DBLookupComboBoxBrutto->itemData(1).toInt());

    // rdzeń zmienia rodzaj (np. wczytany pociąg): lista idzie za nim
    w.droga().kontrolki.idRodzajuStawki = pierwszy;
    w.droga().kontrolki.lpZakresuBr = 1;
    w.pokazKontrolki();
    QCOMPARE(elementyListy(w.DBLookupComboBoxBrutto), przedzialy(pierwszy));
    QCOMPARE(w.DBLookupComboBoxBrutto->currentData().toInt(), 1);
    w.close();
}

void TestDroga::stanKontrolekWRdzeniu()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    Droga& d = w.droga();
    QVERIFY(!(d.trasa.MaskaOgraniczen & cechy::BrakSieci));

    w.CheckBoxBrakSieci->click();
    QVERIFY(d.kontrolki.brakSieci);
    QVERIFY(d.trasa.MaskaOgraniczen & cechy::BrakSieci);

    w.RadioButtonNormalne->click();
    QVERIFY(d.kontrolki.normalne && !d.kontrolki.szerokie);
    QVERIFY(d.trasa.MaskaOgraniczen & cechy::Normalnotorowa);
    QVERIFY(!(d.trasa.MaskaOgraniczen & cechy::Szerokotorowa));

    w.CheckBoxZawRuchTow->click();
    QVERIFY(d.kontrolki.zawRuchTow);
    QVERIFY(d.trasa.MaskaOgraniczen & cechy::ZawRuchTow);

    // trwa wczytywanie pociągu: stan idzie do rdzenia, warunki się nie zmieniają
    d.kontrolki.wczytywaniePociagu = true;
    const auto maska = d.trasa.MaskaOgraniczen;
    w.CheckBoxPodObcymZarzadem->click();
    QVERIFY(!d.kontrolki.podObcymZarzadem);
    QCOMPARE(d.trasa.MaskaOgraniczen, maska);
    d.kontrolki.wczytywaniePociagu = false;

    w.ComboBoxKryterium->setCurrentIndex(2);
    QCOMPARE(d.kontrolki.kryterium, 2);
    QCOMPARE(d.trasa.Kryterium, 2);
    QVERIFY(!(d.trasa.MaskaOgraniczen & cechy::DoPominiecia));

    w.EditVTab->setFocus();
    w.EditVTab->selectAll();
    QTest::keyClicks(w.EditVTab, "140");
    QCOMPARE(d.kontrolki.vmaxTekst, QStringLiteral("140"));

    // rdzeń -> kontrolki bez wywołania zdarzeń
    d.kontrolki.zawRuchPas = false;
    d.kontrolki.zawRuchPasWlaczony = false;
    d.kontrolki.kryterium = 1;
    d.kontrolki.vmaxTekst = QStringLiteral("120");
    d.trasa.Kryterium = 7;   // zdarzenie kryterium przeliczyłoby warunki
    w.pokazKontrolki();
    QVERIFY(!w.CheckBoxZawRuchPas->isChecked());
    QVERIFY(!w.CheckBoxZawRuchPas->isEnabled());
    QCOMPARE(w.ComboBoxKryterium->currentIndex(), 1);
    QCOMPARE(w.EditVTab->text(), QStringLiteral("120"));
    QCOMPARE(d.trasa.Kryterium, 7);

    // kryterium 3 (z wczytanego pociągu) nie ma pozycji na liście i zostaje po kliknięciu ograniczenia
    d.kontrolki.kryterium = 3;
    w.pokazKontrolki();
    QCOMPARE(w.ComboBoxKryterium->currentIndex(), -1);
    w.CheckBoxNieczynne->click();
    QCOMPARE(d.kontrolki.kryterium, 3);
    QCOMPARE(d.trasa.Kryterium, 3);
    QVERIFY(d.trasa.MaskaOgraniczen & cechy::DoPominiecia);
    w.close();
}

void TestDroga::ograniczeniaZPlikuUstawien()
{
    QTemporaryDir katalog;
    QFile f(katalog.filePath(QStringLiteral("taksatura.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Inne]\nBrakSieci=1\nPodObcymZarzadem=0\nSzerokie=0\n[Kolory]\nKolorTla=255\n");
    f.close();
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    QVERIFY(w.CheckBoxBrakSieci->isChecked());
    QVERIFY(!w.CheckBoxPodObcymZarzadem->isChecked());
    QVERIFY(!w.RadioButtonSzerokie->isChecked());
    QVERIFY(w.RadioButtonNormalne->isChecked());
    // mapa rysowana przed pierwszym wyszukiwaniem widzi ograniczenia z pliku
    const auto maska = w.droga().trasa.MaskaOgraniczen;
    QVERIFY(maska & cechy::BrakSieci);
    QVERIFY(!(maska & cechy::ObcyZarzad));
    QVERIFY(maska & cechy::Normalnotorowa);
    QVERIFY(!(maska & cechy::Szerokotorowa));

    // zmiany z kontrolek trafiają do pliku przy zamknięciu
    w.show();
    w.RadioButtonSzerokie->click();
    w.CheckBoxBrakSieci->click();
    w.close();
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray t = f.readAll();
    QVERIFY2(t.contains("BrakSieci=0") && t.contains("Szerokie=1") && t.contains("PodObcymZarzadem=0"), t.constData());
    QVERIFY(t.contains("KolorTla=255"));
}

void TestDroga::brakPlikuSieci()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    const QString brak = katalog.filePath(QStringLiteral("FDane.bin"));
    TFrmDroga w(test::srodowiskoTestowe(katalog, brak), &ia);
    QCOMPARE(ia.zdarzenia().size(), 1);
    QCOMPARE(ia.zdarzenia()[0].tytul, QStringLiteral("Błąd"));
    QCOMPARE(ia.zdarzenia()[0].ikona, Ikona::Blad);
    QVERIFY(ia.zdarzenia()[0].tekst.contains(brak));
    QVERIFY(!w.droga().siecWczytana);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.DBLookupComboBoxRodzaje->count(), 0);
    QCOMPARE(w.DBLookupComboBoxBrutto->count(), 0);
    w.CheckBoxBrakSieci->click();
    w.ComboBoxKryterium->setCurrentIndex(1);
    w.SpeedButtonSetStart->click();
    w.SpeedButtonKasujDroge->click();
    QCOMPARE(w.droga().pociag.Naglowek.liczbaWierszy(), 1);
    test::zapiszZrzut(w, QStringLiteral("okno_glowne_bez_sieci"));
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(ia.zdarzenia().size(), 1);
    QVERIFY(QFile::exists(katalog.filePath(QStringLiteral("taksatura.ini"))));
}

void TestDroga::pytaniePrzyZamykaniu()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    Droga& d = w.droga();

    // zmieniony pociąg bez punktów trasy: bez pytania
    d.pociag.ZmianyPociagu = true;
    w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(ia.zdarzenia().isEmpty());

    w.show();   // kolejne pokazanie: nowy pociąg, trasa skasowana
    d.trasa.GlowneStacje.push_back(TGlownaStacja{kPunktPoczatkowy, 0});
    d.pociag.ZmianyPociagu = true;
    ia.dodajOdpowiedz(Odpowiedz::Anuluj);
    w.close();
    QVERIFY(w.isVisible());
    QCOMPARE(ia.zdarzenia().size(), 1);
    QCOMPARE(ia.zdarzenia()[0].tekst, QStringLiteral("Czy zapisać zmiany dla nowego pociągu ?"));
    QCOMPARE(ia.zdarzenia()[0].tytul, QStringLiteral("Uwaga !"));
    QCOMPARE(ia.zdarzenia()[0].ikona, Ikona::Ostrzezenie);

    // "Tak": zapis się nie udaje (trasa bez stacji końcowej), więc okno zostaje
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    w.close();
    QVERIFY(w.isVisible());

    // zapis udany
    bool zapisano = false;
    w.zapisPociagu = [&] { zapisano = true; return true; };
    ia.dodajOdpowiedz(Odpowiedz::Tak);
    w.close();
    QVERIFY(zapisano);
    QVERIFY(!w.isVisible());

    // "Nie": zamknięcie bez zapisu
    w.show();
    QVERIFY(d.trasa.GlowneStacje.empty());
    d.trasa.GlowneStacje.push_back(TGlownaStacja{kPunktPoczatkowy, 0});
    d.pociag.ZmianyPociagu = true;
    ia.dodajOdpowiedz(Odpowiedz::Nie);
    w.close();
    QVERIFY(!w.isVisible());
}

void TestDroga::narzedziaIKursory()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    QVERIFY(w.SpeedButtonWskaznik->isChecked());
    QCOMPARE(w.narzedzie(), 0);

    const std::pair<QToolButton*, int> grupa[] = {
        {w.SpeedButtonZoomIn, 21},   {w.SpeedButtonMove, 22},       {w.SpeedButtonSetStart, 23},
        {w.SpeedButtonSetEnd, 24},   {w.SpeedButtonSetPrzez, 25},   {w.SpeedButtonResetPrzez, 26},
        {w.SpeedButtonSetNiePrzez, 27}};
    QList<QImage> obrazy;
    for (const auto& [b, nr] : grupa) {
        b->click();
        QVERIFY(b->isChecked());
        QVERIFY(!w.SpeedButtonWskaznik->isChecked());
        QCOMPARE(w.narzedzie(), nr);
        QCOMPARE(w.mapa()->cursor().shape(), Qt::BitmapCursor);
        const QImage obraz = w.mapa()->cursor().pixmap().toImage();
        QCOMPARE(obraz, kursorMapy(nr).pixmap().toImage());
        QVERIFY(!nazwaKursora(nr).isEmpty());
        for (const QImage& inny : obrazy)
            QVERIFY(obraz != inny);
        obrazy << obraz;
    }
    QCOMPARE(nazwaKursora(21), QStringLiteral("LupaPlus"));
    QCOMPARE(nazwaKursora(27), QStringLiteral("SetNiePrzez"));
    // poza grupą: nie zmieniają narzędzia
    w.SpeedButtonZoomOut->click();
    w.SpeedButtonKasujDroge->click();
    QCOMPARE(w.narzedzie(), 27);
    QVERIFY(!w.SpeedButtonZoomOut->isCheckable() && !w.SpeedButtonKasujDroge->isCheckable());

    w.SpeedButtonWskaznik->click();
    QCOMPARE(w.narzedzie(), 0);
    QVERIFY(!w.mapa()->testAttribute(Qt::WA_SetCursor));
}

void TestDroga::kolejnoscTab()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // aktywacja: fokus na wyborze rodzaju pociągu
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.DBLookupComboBoxRodzaje));

    w.ComboBoxKryterium->setFocus();
    const QWidget* kolejne[] = {w.DBLookupComboBoxRodzaje, w.DBLookupComboBoxBrutto, w.CheckBoxPodObcymZarzadem,
                                w.RadioButtonSzerokie};
    for (const QWidget* k : kolejne) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), k);
    }
    w.EditVTab->setFocus();
    QTest::keyClick(w.EditVTab, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.CheckBoxBrakSieci));
    QTest::keyClick(w.CheckBoxBrakSieci, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.SpeedButtonWskaznik));
    // pola tylko do odczytu poza kolejnością
    QVERIFY(!(w.EditTr->focusPolicy() & Qt::TabFocus));
    w.close();
}

void TestDroga::przewijaniePanelu()
{
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    w.resize(w.minimumSize());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int h1 = w.Panel1->sizeHint().height();
    const int h2 = w.Panel2->height();
    QVERIFY2(h1 > h2, qPrintable(QStringLiteral("%1 %2").arg(h1).arg(h2)));
    QTRY_VERIFY(w.ScrollBar1->isVisible());
    QCOMPARE(w.ScrollBar1->pageStep(), h2);
    QCOMPARE(w.ScrollBar1->maximum(), h1 - h2 + 1);
    QCOMPARE(w.Panel1->y(), 1);
    w.ScrollBar1->setValue(w.ScrollBar1->maximum() + 50);
    QCOMPARE(w.ScrollBar1->value(), h1 - h2 + 1);
    QCOMPARE(w.Panel1->y(), h2 - h1);
    QCOMPARE(w.Panel1->geometry().bottom(), h2 - 1);   // dół panelu widać w całości
    QVERIFY(!w.ScrollBar1->hasFocus());
    QVERIFY(w.Panel1->geometry().right() < w.ScrollBar1->geometry().left());

    // bufor mapy ma rozmiar mapy
    QCOMPARE(w.bufor().size(), w.mapa()->size());

    // wysokie okno: panel się mieści, pasek znika
    w.resize(w.width(), h1 + 200);
    QTRY_VERIFY(!w.ScrollBar1->isVisible());
    QCOMPARE(w.Panel1->y(), 1);
    QCOMPARE(w.bufor().size(), w.mapa()->size());
    w.close();
}

void TestDroga::pomocIOSystemie()
{
    TFrmHelp pomoc(QStringLiteral(TKS_RUN_DIR));
    QCOMPARE(pomoc.windowTitle(), QStringLiteral("Opis programu taksatura"));
    QCOMPARE(pomoc.przegladarka()->source().toLocalFile(), QStringLiteral(TKS_RUN_DIR "/Pomoc/Taksatura.htm"));
    const QString tekst = pomoc.przegladarka()->toPlainText();
    for (const char* s : {"Rodzaj pociągu", "Całkowita masa brutto", "Kryterium wyboru trasy", "Zapisz jako nowy pociąg",
                          "Drukuj", "Cena"})
        QVERIFY2(tekst.contains(QString::fromUtf8(s)), s);
    pomoc.resize(900, 720);
    test::zapiszZrzut(pomoc, QStringLiteral("pomoc"));

    QTemporaryDir pusty;
    TFrmHelp brak(pusty.path());
    QVERIFY(brak.przegladarka()->toPlainText().contains(QStringLiteral("Nie znaleziono pliku pomocy")));

    TFrmAboutBox o;
    QCOMPARE(o.windowTitle(), QStringLiteral("O systemie ..."));
    QCOMPARE(o.Version->text(), QStringLiteral("wersja 4.0"));
    o.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o));
    QTest::keyClick(&o, Qt::Key_Escape);
    QVERIFY(!o.isVisible());

    // z menu okna głównego: okno modalne, tworzone na czas użycia
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog_), &ia);
    QString tytul;
    QTimer::singleShot(50, this, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            tytul = m->windowTitle();
            m->close();
        }
    });
    w.OSystemie1->trigger();
    QCOMPARE(tytul, QStringLiteral("O systemie ..."));
    QVERIFY(!w.findChild<TFrmAboutBox*>());
}

void TestDroga::obrazOkna()
{
    QTemporaryDir katalog;
    InterakcjaSkryptowa ia;
    TFrmDroga w(test::srodowiskoTestowe(katalog), &ia);
    w.resize(1280, 860);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // wartości o typowej długości
    Pociag& p = w.droga().pociag;
    p.ustaw(QStringLiteral("StacjaPoczatkowa"), QStringLiteral("Kędzierzyn-Koźle Przystanek"));
    p.ustaw(QStringLiteral("StacjaKoncowa"), QStringLiteral("Szczecin Główny"));
    p.ustaw(QStringLiteral("Dlugosc"), 1234.567);
    p.ustaw(QStringLiteral("CenaWyliczona"), 12345.67);
    p.ustaw(QStringLiteral("CenaRozkJazdy"), 3876540.38);
    p.ustaw(QStringLiteral("CenaPrzejazdu"), 12345.67);
    p.ustaw(QStringLiteral("CenaPostojow"), 0.0);
    w.pokazNaglowek();
    w.droga().wycena.EditTr = QStringLiteral("12:34");
    w.droga().wycena.EditVr = QStringLiteral("98 km/h");
    w.pokazCzasJazdy();
    for (QLineEdit* e : w.Panel1->findChildren<QLineEdit*>())
        QVERIFY2(e->fontMetrics().horizontalAdvance(e->text()) < e->contentsRect().width() - 4, qPrintable(e->text()));
    const QString plik = test::zapiszZrzut(w, QStringLiteral("okno_glowne"));
    const QImage obraz(plik);
    QVERIFY(!obraz.isNull());
    // róg mapy poza krajem w kolorze tła
    const QPoint rogMapy = w.mapa()->mapTo(&w, w.mapa()->rect().bottomLeft() + QPoint(3, -3));
    QCOMPARE(obraz.pixelColor(rogMapy), QColor(0xC0, 0xC0, 0xC0));
    // napisy panelu się mieszczą
    for (QLabel* l : w.Panel1->findChildren<QLabel*>())
        if (l->isVisible())
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
    for (QAbstractButton* b : w.Panel1->findChildren<QAbstractButton*>())
        if (b->isVisible())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
    QVERIFY(w.CheckBoxBrakSieci->width() >= w.CheckBoxBrakSieci->sizeHint().width());
    w.close();
}

QTEST_MAIN(TestDroga)
#include "droga_qtest.moc"
