// Panel narzędzi okna głównego: budowa kontrolek, kolejność klawisza Tab,
// przewijanie panelu.

#include "Kursory.h"
#include "ObszarMapy.h"
#include "TFrmDroga.h"
#include "common/Podpowiedzi.h"
#include "map/MapaOkna.h"
#include "pricing/CzasJazdy.h"
#include "routing/Kontrolki.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tks::ui {

namespace {

constexpr int kSzerokoscPanelu = 296;

const QString kHintZoomIn = QStringLiteral("Powiększanie\r\nskali mapy");
const QString kHintZoomOut = QStringLiteral("Zmniejszanie skali\r\nmapy");
const QString kHintMove = QStringLiteral("Przesuwanie mapy");
const QString kHintSetStart = QStringLiteral("Wybór stacji\r\npoczątkowej");
const QString kHintSetEnd = QStringLiteral("Wybór stacji\r\nkońcowej");
const QString kHintSetPrzez = QStringLiteral("Wybór stacji\r\npośredniej");
const QString kHintResetPrzez = QStringLiteral("Usunięcie z trasy\r\nwybranego punktu");
const QString kHintSetNiePrzez =
    QStringLiteral("Oznaczanie linii lub \r\nstacji, przez które\r\nnie należy układac \r\ntrasy");
const QString kHintKasujDroge = QStringLiteral("Usunięcie całej\r\nwyznaczonej trasy");

template <class T>
T* nazwany(T* w, const char* nazwa)
{
    w->setObjectName(QString::fromLatin1(nazwa));
    return w;
}

QLineEdit* poleTylkoDoOdczytu(const char* nazwa)
{
    auto* e = nazwany(new QLineEdit, nazwa);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setBackgroundRole(QPalette::Button);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    e->setPalette(pal);
    return e;
}

QLabel* etykieta(const QString& tekst, QWidget* dla = nullptr)
{
    auto* l = new QLabel(tekst);
    if (dla)
        l->setBuddy(dla);
    return l;
}

} // namespace

void TFrmDroga::budujPanel()
{
    auto* srodek = new QWidget;
    auto* uklad = new QHBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);

    // lewa kolumna: pojemnik panelu narzędzi z paskiem przewijania i pole "Brak sieci trakcyjnej"
    auto* lewa = new QFrame;
    lewa->setObjectName(QStringLiteral("PanelLewy"));
    lewa->setFrameShape(QFrame::StyledPanel);
    lewa->setFixedWidth(kSzerokoscPanelu);
    auto* ukladLewy = new QVBoxLayout(lewa);
    ukladLewy->setContentsMargins(0, 0, 0, 4);
    ukladLewy->setSpacing(2);

    Panel2 = nazwany(new QWidget, "Panel2");
    Panel2->setFocusPolicy(Qt::ClickFocus);
    Panel2->installEventFilter(this);
    ukladLewy->addWidget(Panel2, 1);

    Panel1 = nazwany(new QWidget(Panel2), "Panel1");
    Panel1->installEventFilter(this);
    ScrollBar1 = nazwany(new QScrollBar(Qt::Vertical, Panel2), "ScrollBar1");
    ScrollBar1->setFocusPolicy(Qt::NoFocus);
    ScrollBar1->hide();

    CheckBoxBrakSieci = nazwany(new QCheckBox(QStringLiteral("Brak sieci trakcyjnej")), "CheckBoxBrakSieci");
    CheckBoxBrakSieci->setToolTip(podpowiedz(podpowiedzKontrolki(KontrolkaOgraniczenia::BrakSieci)));
    auto* ramkaBrakSieci = new QHBoxLayout;
    ramkaBrakSieci->setContentsMargins(8, 2, 8, 0);
    ramkaBrakSieci->addWidget(CheckBoxBrakSieci);
    ukladLewy->addLayout(ramkaBrakSieci);

    uklad->addWidget(lewa);
    Pb1 = new ObszarMapy(*d_, pb2);
    uklad->addWidget(Pb1, 1);
    connect(Pb1, &ObszarMapy::zmienionoRozmiar, this, [this] { ustawBufor(); });
    setCentralWidget(srodek);

    auto* p = new QVBoxLayout(Panel1);
    p->setContentsMargins(8, 6, 8, 8);
    p->setSpacing(4);

    // narzędzia mapy
    grupaNarzedzi = new QButtonGroup(this);
    grupaNarzedzi->setExclusive(true);
    const auto przycisk = [&](const char* nazwa, IkonaNarzedzia ikona, const QString& hint, int numer) {
        auto* b = nazwany(new QToolButton, nazwa);
        b->setIcon(ikonaNarzedzia(ikona));
        b->setIconSize(QSize(24, 24));
        b->setFixedSize(38, 34);
        b->setAutoRaise(false);
        if (!hint.isEmpty())
            b->setToolTip(podpowiedz(hint));
        if (numer >= 0) {
            b->setCheckable(true);
            grupaNarzedzi->addButton(b, numer);
        }
        b->installEventFilter(this);   // dwuklik narzędzia, strzałki między przyciskami
        return b;
    };
    SpeedButtonWskaznik = przycisk("SpeedButtonWskaznik", IkonaNarzedzia::Wskaznik, {}, kKursorDomyslny);
    SpeedButtonZoomIn = przycisk("SpeedButtonZoomIn", IkonaNarzedzia::LupaPlus, kHintZoomIn, kKursorLupaPlus);
    SpeedButtonZoomOut = przycisk("SpeedButtonZoomOut", IkonaNarzedzia::LupaMinus, kHintZoomOut, -1);
    SpeedButtonMove = przycisk("SpeedButtonMove", IkonaNarzedzia::Dlon, kHintMove, kKursorDlon);
    SpeedButtonKasujDroge = przycisk("SpeedButtonKasujDroge", IkonaNarzedzia::KasujDroge, kHintKasujDroge, -1);
    SpeedButtonSetStart = przycisk("SpeedButtonSetStart", IkonaNarzedzia::Start, kHintSetStart, kKursorSetStart);
    SpeedButtonSetEnd = przycisk("SpeedButtonSetEnd", IkonaNarzedzia::Meta, kHintSetEnd, kKursorSetMeta);
    SpeedButtonSetPrzez = przycisk("SpeedButtonSetPrzez", IkonaNarzedzia::Przez, kHintSetPrzez, kKursorSetPrzez);
    SpeedButtonResetPrzez = przycisk("SpeedButtonResetPrzez", IkonaNarzedzia::Usun, kHintResetPrzez, kKursorResetPrzez);
    SpeedButtonSetNiePrzez =
        przycisk("SpeedButtonSetNiePrzez", IkonaNarzedzia::Omin, kHintSetNiePrzez, kKursorSetNiePrzez);
    SpeedButtonWskaznik->setChecked(true);

    auto* narzedzia = new QGridLayout;
    narzedzia->setHorizontalSpacing(4);
    narzedzia->setVerticalSpacing(4);
    int kol = 0;
    for (QToolButton* b : {SpeedButtonWskaznik, SpeedButtonZoomIn, SpeedButtonZoomOut, SpeedButtonMove, SpeedButtonKasujDroge})
        narzedzia->addWidget(b, 0, kol++);
    kol = 0;
    for (QToolButton* b :
         {SpeedButtonSetStart, SpeedButtonSetEnd, SpeedButtonSetPrzez, SpeedButtonResetPrzez, SpeedButtonSetNiePrzez})
        narzedzia->addWidget(b, 1, kol++);
    narzedzia->setColumnStretch(5, 1);
    p->addLayout(narzedzia);
    p->addSpacing(4);

    // kryterium, rodzaj pociągu, masa brutto
    ComboBoxKryterium = nazwany(new QComboBox, "ComboBoxKryterium");
    ComboBoxKryterium->addItems({QStringLiteral("najkrótsza"), QStringLiteral("najtańsza"), QStringLiteral("wybór ręczny")});
    p->addWidget(etykieta(QStringLiteral("&Kryterium wyboru trasy"), ComboBoxKryterium));
    p->addWidget(ComboBoxKryterium);

    DBLookupComboBoxRodzaje = nazwany(new QComboBox, "DBLookupComboBoxRodzaje");
    DBLookupComboBoxRodzaje->setMaxVisibleItems(9);
    p->addWidget(etykieta(QStringLiteral("&Rodzaj pociągu"), DBLookupComboBoxRodzaje));
    p->addWidget(DBLookupComboBoxRodzaje);

    DBLookupComboBoxBrutto = nazwany(new QComboBox, "DBLookupComboBoxBrutto");
    DBLookupComboBoxBrutto->setMaxVisibleItems(10);
    DBLookupComboBoxBrutto->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DBLookupComboBoxBrutto->setMinimumContentsLength(10);
    p->addWidget(etykieta(QStringLiteral("Całkowita &masa brutto"), DBLookupComboBoxBrutto));
    p->addWidget(DBLookupComboBoxBrutto);
    p->addSpacing(4);

    // ograniczenia
    GroupBoxOgraniczenia = nazwany(new QGroupBox(QStringLiteral("Nie układaj trasy na liniach :")), "GroupBoxOgraniczenia");
    auto* g = new QVBoxLayout(GroupBoxOgraniczenia);
    g->setSpacing(2);
    using K = KontrolkaOgraniczenia;
    const auto pole = [this](K k, const char* nazwa) {
        auto* c = nazwany(new QCheckBox(podpisKontrolki(k)), nazwa);
        if (!podpowiedzKontrolki(k).isEmpty())
            c->setToolTip(podpowiedz(podpowiedzKontrolki(k)));
        return c;
    };
    const auto radio = [this](K k, const char* nazwa) {
        auto* r = nazwany(new QRadioButton(podpisKontrolki(k)), nazwa);
        r->setToolTip(podpowiedz(podpowiedzKontrolki(k)));
        return r;
    };
    CheckBoxPodObcymZarzadem = pole(K::PodObcymZarzadem, "CheckBoxPodObcymZarzadem");
    RadioButtonSzerokie = radio(K::Szerokie, "RadioButtonSzerokie");
    RadioButtonNormalne = radio(K::Normalne, "RadioButtonNormalne");
    CheckBoxZawRuchPas = pole(K::ZawRuchPas, "CheckBoxZawRuchPas");
    CheckBoxZawRuchTow = pole(K::ZawRuchTow, "CheckBoxZawRuchTow");
    // ukryte, ale liczą się w warunkach
    CheckBoxNieczynne = pole(K::Nieczynne, "CheckBoxNieczynne");
    CheckBoxNieWskazanyRuchPas = pole(K::NieWskazanyRuchPas, "CheckBoxNieWskazanyRuchPas");
    CheckBoxNieWskazanyRuchTow = pole(K::NieWskazanyRuchTow, "CheckBoxNieWskazanyRuchTow");
    CheckBoxDefault = pole(K::DopasujDoRodzaju, "CheckBoxDefault");
    g->addWidget(CheckBoxPodObcymZarzadem);
    auto* tory = new QHBoxLayout;
    tory->addWidget(RadioButtonSzerokie);
    tory->addWidget(RadioButtonNormalne);
    tory->addStretch(1);
    g->addLayout(tory);
    g->addWidget(CheckBoxZawRuchPas);
    g->addWidget(CheckBoxZawRuchTow);
    for (QCheckBox* c : {CheckBoxNieczynne, CheckBoxNieWskazanyRuchPas, CheckBoxNieWskazanyRuchTow, CheckBoxDefault}) {
        c->setParent(GroupBoxOgraniczenia);
        c->hide();
    }
    p->addWidget(GroupBoxOgraniczenia);

    // czas jazdy i prędkości
    GroupBoxPredkosc = nazwany(new QGroupBox(QStringLiteral("Śred. prędkość techn. dla trasy")), "GroupBoxPredkosc");
    auto* v = new QGridLayout(GroupBoxPredkosc);
    v->setHorizontalSpacing(6);
    v->setVerticalSpacing(3);
    EditVTab = nazwany(new QLineEdit(QStringLiteral("100")), "EditVTab");
    EditVTab->setToolTip(podpowiedz(kPodpowiedzEditVTab));
    EditTr = poleTylkoDoOdczytu("EditTr");
    EditTr->setToolTip(podpowiedz(kPodpowiedzEditTr));
    EditVr = poleTylkoDoOdczytu("EditVr");
    EditVr->setToolTip(podpowiedz(kPodpowiedzEditVr));
    v->addWidget(etykieta(QStringLiteral("&Vmax tab."), EditVTab), 0, 0);
    v->addWidget(EditVTab, 1, 0);
    v->addWidget(etykieta(QStringLiteral("Czas jazdy"), EditTr), 0, 1);
    v->addWidget(EditTr, 1, 1);
    v->addWidget(etykieta(QStringLiteral("Vr sr"), EditVr), 0, 2);
    v->addWidget(EditVr, 1, 2);
    p->addWidget(GroupBoxPredkosc);

    // trasa i ceny
    auto* ceny = nazwany(new QGroupBox(QStringLiteral("Trasa i cena")), "GroupBoxCena");
    auto* c = new QGridLayout(ceny);
    c->setHorizontalSpacing(6);
    c->setVerticalSpacing(3);
    DBEditStacjaPoczatkowa = poleTylkoDoOdczytu("DBEditStacjaPoczatkowa");
    DBEditStacjaKoncowa = poleTylkoDoOdczytu("DBEditStacjaKoncowa");
    DBEditDlugosc = poleTylkoDoOdczytu("DBEditDlugosc");
    DBEditCena = poleTylkoDoOdczytu("DBEditCena");
    DBEditCenaRozkJazdy = poleTylkoDoOdczytu("DBEditCenaRozkJazdy");
    DBEditCenaPrzejazdu = poleTylkoDoOdczytu("DBEditCenaPrzejazdu");
    DBEditCenaPostojow = poleTylkoDoOdczytu("DBEditCenaPostojow");
    for (QLineEdit* e : {DBEditDlugosc, DBEditCena, DBEditCenaRozkJazdy, DBEditCenaPrzejazdu, DBEditCenaPostojow})
        e->setAlignment(Qt::AlignRight);
    int w = 0;
    c->addWidget(etykieta(QStringLiteral("Stacja początkowa"), DBEditStacjaPoczatkowa), w++, 0, 1, 2);
    c->addWidget(DBEditStacjaPoczatkowa, w++, 0, 1, 2);
    c->addWidget(etykieta(QStringLiteral("Stacja końcowa"), DBEditStacjaKoncowa), w++, 0, 1, 2);
    c->addWidget(DBEditStacjaKoncowa, w++, 0, 1, 2);
    const auto wiersz = [&](const QString& tekst, QWidget* pole, QLabel* l = nullptr) {
        if (!l)
            l = etykieta(tekst, pole);
        c->addWidget(l, w, 0);
        c->addWidget(pole, w++, 1);
    };
    wiersz(QStringLiteral("Długość trasy"), DBEditDlugosc);
    wiersz(QStringLiteral("Cena trasy"), DBEditCena);
    wiersz(QStringLiteral("Cena rozkładu jazdy"), DBEditCenaRozkJazdy);
    wiersz(QStringLiteral("Cena za przejazd"), DBEditCenaPrzejazdu);
    LabelCenaPostojow = nazwany(etykieta(QStringLiteral("Cena za postoje"), DBEditCenaPostojow), "LabelCenaPostojow");
    wiersz({}, DBEditCenaPostojow, LabelCenaPostojow);
    c->setColumnStretch(1, 1);
    p->addWidget(ceny);
    p->addStretch(1);

    Panel1->setAutoFillBackground(true);
}

void TFrmDroga::ustawKolejnoscTab()
{
    // z góry na dół panelu; narzędzia mapy na końcu
    QWidget* kolejnosc[] = {ComboBoxKryterium,      DBLookupComboBoxRodzaje, DBLookupComboBoxBrutto,
                            CheckBoxPodObcymZarzadem, RadioButtonSzerokie,   RadioButtonNormalne,
                            CheckBoxZawRuchPas,     CheckBoxZawRuchTow,      EditVTab,
                            CheckBoxBrakSieci,      SpeedButtonWskaznik,     SpeedButtonZoomIn,
                            SpeedButtonZoomOut,     SpeedButtonMove,         SpeedButtonKasujDroge,
                            SpeedButtonSetStart,    SpeedButtonSetEnd,       SpeedButtonSetPrzez,
                            SpeedButtonResetPrzez,  SpeedButtonSetNiePrzez,  Pb1};
    for (std::size_t i = 1; i < std::size(kolejnosc); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
}

void TFrmDroga::polaczZdarzenia()
{
    connect(ComboBoxKryterium, &QComboBox::currentIndexChanged, this, [this] {
        if (!ustawianie_)
            ComboBoxKryteriumChange();
    });
    connect(DBLookupComboBoxRodzaje, &QComboBox::activated, this, [this] {
        // lista otwiera się z bieżącym rodzajem pod kursorem: kliknięcie go
        // jeszcze raz nie jest zmianą rodzaju (przedział masy zostaje)
        if (!ustawianie_ && DBLookupComboBoxRodzaje->currentData().toInt() != droga().kontrolki.idRodzajuStawki)
            DBLookupComboBoxRodzajeClick();
    });
    connect(DBLookupComboBoxBrutto, &QComboBox::activated, this, [this] {
        if (!ustawianie_)
            DBLookupComboBoxBruttoClick();
    });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             CheckBoxPodObcymZarzadem, RadioButtonSzerokie, RadioButtonNormalne, CheckBoxZawRuchPas, CheckBoxZawRuchTow,
             CheckBoxNieczynne, CheckBoxNieWskazanyRuchPas, CheckBoxNieWskazanyRuchTow, CheckBoxDefault,
             CheckBoxBrakSieci}) {
        // stan każdej kontrolki od razu w d.kontrolki; kliknięcie uruchamia regułę
        connect(b, &QAbstractButton::toggled, this, [this] {
            if (!ustawianie_)
                czytajKontrolki();
        });
        connect(b, &QAbstractButton::clicked, this, [this, b] {
            if (!ustawianie_)
                OgraniczenieKlikniete(b);
        });
    }
    connect(EditVTab, &QLineEdit::textChanged, this, [this](const QString& t) { droga().kontrolki.vmaxTekst = t; });
    EditVTab->installEventFilter(this);
    connect(grupaNarzedzi, &QButtonGroup::idClicked, this, &TFrmDroga::NarzedzieKlikniete);
    connect(SpeedButtonZoomOut, &QToolButton::clicked, this, &TFrmDroga::SpeedButtonZoomOutClick);
    connect(SpeedButtonKasujDroge, &QToolButton::clicked, this, &TFrmDroga::SpeedButtonKasujDrogeClick);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFrmDroga::ScrollBar1Change);
    PolaczMape(*this);
}

bool TFrmDroga::przeniesFokusNarzedzia(QToolButton* z, int klawisz)
{
    // Strzałki przenoszą tylko fokus między przyciskami narzędzi (narzędzie
    // wybiera spacja): przechodząc klawiaturą nie zmienia się narzędzia przypadkiem.
    constexpr int kKolumny = 5;
    QToolButton* const uklad[2][kKolumny] = {
        {SpeedButtonWskaznik, SpeedButtonZoomIn, SpeedButtonZoomOut, SpeedButtonMove, SpeedButtonKasujDroge},
        {SpeedButtonSetStart, SpeedButtonSetEnd, SpeedButtonSetPrzez, SpeedButtonResetPrzez, SpeedButtonSetNiePrzez}};
    int w = -1, k = -1;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < kKolumny; ++j)
            if (uklad[i][j] == z)
                w = i, k = j;
    if (w < 0)
        return false;
    const auto dostepny = [](QToolButton* b) { return b->isVisibleTo(b->parentWidget()) && b->isEnabled(); };
    QToolButton* cel = nullptr;
    switch (klawisz) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // po kolei wierszami, z przejściem do sąsiedniego wiersza
        const int krok = klawisz == Qt::Key_Right ? 1 : -1;
        for (int n = w * kKolumny + k + krok; n >= 0 && n < 2 * kKolumny && !cel; n += krok)
            if (dostepny(uklad[n / kKolumny][n % kKolumny]))
                cel = uklad[n / kKolumny][n % kKolumny];
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // drugi wiersz, najbliższa widoczna kolumna
        const int w2 = klawisz == Qt::Key_Down ? w + 1 : w - 1;
        if (w2 < 0 || w2 > 1)
            break;
        for (int o = 0; o < kKolumny && !cel; ++o)
            for (const int j : {k - o, k + o})
                if (!cel && j >= 0 && j < kKolumny && dostepny(uklad[w2][j]))
                    cel = uklad[w2][j];
        break;
    }
    default:
        return false;
    }
    if (cel)
        cel->setFocus(Qt::TabFocusReason);
    return true;   // strzałka obsłużona, także gdy dalej nie ma przycisku
}

int TFrmDroga::narzedzie() const { return grupaNarzedzi->checkedId() < 0 ? 0 : grupaNarzedzi->checkedId(); }

// ---- przewijanie panelu narzędzi ----

void TFrmDroga::ustawPasekPrzewijania()
{
    const int h1 = Panel1->sizeHint().height();
    const int h2 = Panel2->height();
    if (h1 > h2) {
        // pozycja od 0 do Max - PageSize + 1, gdzie Max = wysokość panelu, PageSize = wysokość pojemnika
        ScrollBar1->setPageStep(h2);
        ScrollBar1->setSingleStep(20);
        ScrollBar1->setRange(0, h1 - h2 + 1);
        ScrollBar1->show();
    } else {
        ScrollBar1->setRange(0, 0);
        ScrollBar1->hide();
    }
}

void TFrmDroga::ulozPanel()
{
    ustawPasekPrzewijania();
    const int szer = Panel2->width();
    const int sb = ScrollBar1->isVisibleTo(Panel2) ? ScrollBar1->sizeHint().width() : 0;
    ScrollBar1->setGeometry(szer - sb, 0, sb, Panel2->height());
    Panel1->setGeometry(0, 1 - ScrollBar1->value(), szer - sb, Panel1->sizeHint().height());
}

void TFrmDroga::ScrollBar1Change(int pozycja)
{
    pozycja = std::min(pozycja, ScrollBar1->maximum());
    Panel1->move(0, 1 - pozycja);
    // fokus nie zostaje na pasku
    DBLookupComboBoxBrutto->setFocus();
    Panel2->setFocus();
}

bool TFrmDroga::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == Panel1 && zdarzenie->type() == QEvent::LayoutRequest) {
        ulozPanel();
    } else if (obiekt == Panel2) {
        if (zdarzenie->type() == QEvent::Resize || zdarzenie->type() == QEvent::LayoutRequest)
            ulozPanel();
        else if (zdarzenie->type() == QEvent::Wheel && ScrollBar1->isVisibleTo(Panel2)) {
            auto* k = static_cast<QWheelEvent*>(zdarzenie);
            ScrollBar1->setValue(ScrollBar1->value() - k->angleDelta().y() / 120 * 3 * ScrollBar1->singleStep());
            return true;
        }
    } else if (obiekt == EditVTab && zdarzenie->type() == QEvent::FocusOut) {
        EditVTabExit();
    } else if (zdarzenie->type() == QEvent::KeyPress) {
        auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        auto* b = qobject_cast<QToolButton*>(obiekt);
        if (b && przeniesFokusNarzedzia(b, klawisz->key()))
            return true;
        if (klawiszNarzedzia(obiekt, klawisz))
            return true;
    } else if (zdarzenie->type() == QEvent::MouseButtonDblClick) {
        if (auto* b = qobject_cast<QAbstractButton*>(obiekt); b && grupaNarzedzi->id(b) != -1) {
            NarzedzieDwuklik(grupaNarzedzi->id(b));
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

} // namespace tks::ui
