#include "TFrmKalendarz.h"

#include "OznaczenieCeny.h"
#include "app/Droga.h"
#include "common/TekstPola.h"
#include "calendar/KalendarzPociagu.h"
#include "calendar/OpisKalendarza.h"
#include "common/Daty.h"
#include "common/ModelTabeli.h"
#include "trains/EdytorNaglowka.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tks::ui {

namespace {

const QString kFormatZl = QStringLiteral("#,###,##0.00 zł");

// Przyciski reguł: wciśnięty ma być widoczny od razu, także przy stylach, w
// których przycisk przełączany różni się od zwykłego ledwie odcieniem.
const QString kStylPrzycisku = QStringLiteral(
    "QPushButton { background: #f4f4f4; border: 1px solid #8a8a8a; border-radius: 3px; padding: 0 4px; }"
    "QPushButton:hover { background: #ffffff; }"
    "QPushButton:checked { background: #2f5fa8; color: white; border: 1px solid #173a70; font-weight: bold; }"
    "QPushButton:focus { border: 2px solid #000000; }");

template <class T>
T* nazwany(T* w, const QString& nazwa)
{
    w->setObjectName(nazwa);
    return w;
}

// Palec wskazujący w górę z plusem albo minusem w prawym dolnym rogu; punkt
// aktywny na czubku palca.
QCursor kursorPalca(bool plus)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath reka;
        reka.addRoundedRect(QRectF(6, 1, 5, 14), 2.5, 2.5);     // palec wskazujący
        reka.addRoundedRect(QRectF(10.5, 8, 4.5, 9), 2.2, 2.2);  // zgięte palce
        reka.addRoundedRect(QRectF(14.5, 9, 4.5, 8.5), 2.2, 2.2);
        reka.addRoundedRect(QRectF(18.5, 10, 4, 8), 2, 2);
        reka.addRoundedRect(QRectF(6, 12, 16.5, 12), 4, 4);     // dłoń
        QTransform t;
        t.translate(5, 16);
        t.rotate(-35);
        QPainterPath kciuk;
        kciuk.addRoundedRect(QRectF(-2.2, -6, 4.4, 8), 2.2, 2.2);
        reka.addPath(t.map(kciuk));
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(reka.simplified());
        // znak w kółku
        const QPointF c(24.5, 24.5);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(plus ? QColor(0, 150, 0) : QColor(200, 0, 0));
        p.drawEllipse(c, 6.5, 6.5);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c - QPointF(3.5, 0), c + QPointF(3.5, 0));
        if (plus)
            p.drawLine(c - QPointF(0, 3.5), c + QPointF(0, 3.5));
    }
    return QCursor(pm, 8, 1);
}

QFont czcionkaSiatki(bool pogrubiona = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStretch(QFont::Condensed);
    f.setPixelSize(11);
    f.setBold(pogrubiona);
    return f;
}


QLineEdit* poleOdczytu(const char* nazwa)
{
    auto* e = nazwany(new QLineEdit, QString::fromLatin1(nazwa));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setAlignment(Qt::AlignRight);
    tloPola(e, QPalette::Button);
    return e;
}

} // namespace

QCursor kursorFingerPlus()
{
    static const QCursor k = kursorPalca(true);
    return k;
}

QCursor kursorFingerMinus()
{
    static const QCursor k = kursorPalca(false);
    return k;
}

QColor kolorySiatki::zaznaczony(const QColor& c)
{
    return QColor(int(c.red() * 0.8), int(c.green() * 0.8), int(c.blue() * 0.8));
}

// ---------------------------------------------------------------- pole siatki

PoleKalendarza::PoleKalendarza(Droga& d, QWidget* rodzic) : QWidget(rodzic), d_(d)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenuKalendarz"));
    UsunPodzial1 = menu_->addAction(QStringLiteral("Usun podzial kalendarza"));
    Podziel1 = menu_->addAction(QStringLiteral("Podziel kalendarz"));
    UsunOznaczenie1 = menu_->addAction(QStringLiteral("Usun oznaczenie dodatkowego terminu"));
    UsunPodzial1->setObjectName(QStringLiteral("UsunPodzial1"));
    Podziel1->setObjectName(QStringLiteral("Podziel1"));
    UsunOznaczenie1->setObjectName(QStringLiteral("UsunOznaczenie1"));
    connect(UsunPodzial1, &QAction::triggered, this, [this] { wykonaj(PozycjaMenuSiatki::UsunPodzial); });
    connect(Podziel1, &QAction::triggered, this, [this] { wykonaj(PozycjaMenuSiatki::Podziel); });
    connect(UsunOznaczenie1, &QAction::triggered, this, [this] { wykonaj(PozycjaMenuSiatki::UsunOznaczenie); });
    pokazPozycjeMenu(PozycjaMenuSiatki::Brak);
    kursorDnia_ = KursorDniaWZakresie(d_.kalendarz, -1);
}

QSize PoleKalendarza::sizeHint() const
{
    const QSize s = RozmiarSiatki(d_.kalendarz);
    return s.isEmpty() ? QSize(siatka::SzerokoscEtykiet + 1, siatka::WysokoscEtykiet + 1) : s;
}

void PoleKalendarza::ustawKursorDnia(int dzien)
{
    const int nowy = KursorDniaWZakresie(d_.kalendarz, dzien);
    if (nowy != kursorDnia_) {
        kursorDnia_ = nowy;
        update();
    }
}

void PoleKalendarza::pokazPozycjeMenu(PozycjaMenuSiatki p)
{
    UsunPodzial1->setVisible(p == PozycjaMenuSiatki::UsunPodzial);
    Podziel1->setVisible(p == PozycjaMenuSiatki::Podziel);
    UsunOznaczenie1->setVisible(p == PozycjaMenuSiatki::UsunOznaczenie);
}

void PoleKalendarza::ustawKursorMyszy(const QPoint& pkt)
{
    const Kalendarz& k = d_.kalendarz;
    const WskazanieSiatki w = WskazanieDla(k, PolozenieWSiatce(k, pkt.x(), pkt.y()));
    switch (w.kursor) {
    case KursorSiatki::FingerPlus: setCursor(kursorFingerPlus()); break;
    case KursorSiatki::FingerMinus: setCursor(kursorFingerMinus()); break;
    case KursorSiatki::Dlon: setCursor(Qt::PointingHandCursor); break;
    case KursorSiatki::Podzial: setCursor(Qt::SplitHCursor); break;
    case KursorSiatki::Domyslny: unsetCursor(); break;
    }
    pokazPozycjeMenu(w.menu);
}

void PoleKalendarza::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    gest_.wcisniecie(d_.kalendarz, p.x(), p.y());
    if (gest_.wcisniete().stan == StanWskaznika::DzienAktywnegoZakresu)
        kursorDnia_ = gest_.wcisniete().dzien;
    update();
}

void PoleKalendarza::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (gest_.trwa()) {
        if (gest_.ruch(d_.kalendarz, p.x(), p.y()))
            update();
        return;
    }
    ustawKursorMyszy(p);
}

void PoleKalendarza::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !gest_.trwa()) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    const bool zmiana = gest_.zwolnienie(d_, p.x(), p.y(), rect().contains(p));
    kursorDnia_ = KursorDniaWZakresie(d_.kalendarz, kursorDnia_);
    ustawKursorMyszy(p);
    update();
    if (zmiana)
        emit zmieniony();
}

void PoleKalendarza::contextMenuEvent(QContextMenuEvent* e)
{
    if (gest_.trwa())
        return;
    PozycjaMenuSiatki p;
    QPoint gdzie = e->pos();
    if (e->reason() == QContextMenuEvent::Keyboard && kursorDnia_ >= 0) {
        p = gest_.menuDnia(d_.kalendarz, kursorDnia_);
        gdzie = d_.kalendarz.Dni[std::size_t(kursorDnia_)].Prostokat.center();
    } else {
        p = gest_.menuW(d_.kalendarz, e->pos().x(), e->pos().y());
    }
    pokazPozycjeMenu(p);
    if (p != PozycjaMenuSiatki::Brak)
        menu_->popup(mapToGlobal(gdzie));
}

void PoleKalendarza::wykonaj(PozycjaMenuSiatki p)
{
    if (!gest_.wykonaj(d_, p))
        return;
    kursorDnia_ = KursorDniaWZakresie(d_.kalendarz, kursorDnia_);
    update();
    emit zmieniony();
}

void PoleKalendarza::keyPressEvent(QKeyEvent* e)
{
    const Kalendarz& k = d_.kalendarz;
    int nowy = kursorDnia_;
    switch (e->key()) {
    case Qt::Key_Left: nowy = PrzesunKursorDnia(k, kursorDnia_, -1, 0); break;
    case Qt::Key_Right: nowy = PrzesunKursorDnia(k, kursorDnia_, 1, 0); break;
    case Qt::Key_Up: nowy = PrzesunKursorDnia(k, kursorDnia_, 0, -1); break;
    case Qt::Key_Down: nowy = PrzesunKursorDnia(k, kursorDnia_, 0, 1); break;
    case Qt::Key_Home: nowy = SkrajnyDzienZakresu(k, false); break;
    case Qt::Key_End: nowy = SkrajnyDzienZakresu(k, true); break;
    case Qt::Key_Space:
        if (PrzelaczDzien(d_, KursorDniaWZakresie(k, kursorDnia_))) {
            update();
            emit zmieniony();
        }
        return;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    if (nowy != kursorDnia_) {
        kursorDnia_ = nowy;
        update();
    }
}

void PoleKalendarza::focusInEvent(QFocusEvent* e)
{
    kursorDnia_ = KursorDniaWZakresie(d_.kalendarz, kursorDnia_);
    QWidget::focusInEvent(e);
    update();
}

void PoleKalendarza::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void PoleKalendarza::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    rysujEtykiety(p);
    for (int i = 0; i < d_.kalendarz.liczbaDni(); ++i)
        rysujDzien(p, i);
    if (hasFocus() && kursorDnia_ >= 0 && kursorDnia_ < d_.kalendarz.liczbaDni()) {
        // kursor dnia klawiatury: kropkowana ramka wewnątrz komórki
        const QRect r = d_.kalendarz.Dni[std::size_t(kursorDnia_)].Prostokat.adjusted(2, 2, -3, -3);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

void PoleKalendarza::rysujEtykiety(QPainter& p)
{
    using namespace kolorySiatki;
    const Kalendarz& k = d_.kalendarz;
    const int w = width(), h = height();
    p.fillRect(rect(), Tlo);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    p.fillRect(QRect(QPoint(0, siatka::WysokoscEtykiet), QPoint(siatka::SzerokoscEtykiet, h - 1)), Qt::black);
    p.fillRect(QRect(QPoint(siatka::SzerokoscEtykiet, 0), QPoint(w - 1, siatka::WysokoscEtykiet)), Qt::black);

    const auto komorka = [&](const QRect& r) {
        p.fillRect(r, Tlo);
        p.setPen(Qt::white);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Szary);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    p.setFont(czcionkaSiatki());
    for (int r = 0; r < k.LWierszy; ++r) {
        const QRect e = ProstokatEtykietyWiersza(r);
        komorka(e);
        p.setPen(Qt::black);
        p.drawText(e.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, EtykietaWiersza(k, r));
        const int n = DniKursowaniaWWierszu(k, r);
        if (n > 0)
            p.drawText(e.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("(%1)").arg(n));
    }
    for (int c = 0; c < k.LKolumn; ++c) {
        const QRect e = ProstokatEtykietyKolumny(c);
        komorka(e);
        const int dzienTyg = c % 7 + 1;
        p.setPen(dzienTyg == 7 ? Swieto : dzienTyg == 6 ? Sobota : QColor(Qt::black));
        p.drawText(e, Qt::AlignCenter, EtykietaKolumny(c));
    }
}

void PoleKalendarza::rysujDzien(QPainter& p, int i)
{
    using namespace kolorySiatki;
    const Kalendarz& k = d_.kalendarz;
    const TDzienKalendarza& dz = k.Dni[std::size_t(i)];
    const QRect r = dz.Prostokat;
    const QColor tlo = tks::Kursuje(k, i) ? DzienKursuje : DzienNieKursuje;
    p.fillRect(r, dz.Zaznaczony ? zaznaczony(tlo) : tlo);

    const bool czerwony = dz.DzienTyg == '7' || dz.Swieto == 1;
    const bool sobota = dz.DzienTyg == '6';
    const QFont f = czcionkaSiatki(czerwony || sobota);
    p.setFont(f);
    p.setPen(czerwony ? Swieto : sobota ? Sobota : QColor(Qt::black));
    const QFontMetrics fm(f);
    const QString tekst = QString::number(dataZDnia(dz.Data).day());
    const int x = r.left() + (r.width() - fm.horizontalAdvance(tekst)) / 2;
    const int y = r.top() + (r.height() - fm.height()) / 2;
    p.drawText(x, y + fm.ascent(), tekst);

    // boki: do dnia tego samego zakresu cienka szara linia w odstępie między
    // komórkami; granica zakresu (także pusta komórka i brzeg siatki) - 2 piksele
    // (odstęp i brzeg komórki), niebieska przy aktywnym zakresie, inaczej czarna
    const auto zakresSasiada = [&](int dw, int dk) {
        const int s = k.dzienWKomorce(dz.Wiersz + dw, dz.Kolumna + dk);
        return s >= 0 ? k.Dni[std::size_t(s)].NrZakresu : -1;
    };
    struct Bok {
        int dw, dk;
        QRect odstep, brzeg;
    };
    const Bok boki[4] = {
        {-1, 0, QRect(r.left() - 1, r.top() - 1, r.width() + 2, 1), QRect(r.left(), r.top(), r.width(), 1)},
        {1, 0, QRect(r.left() - 1, r.bottom() + 1, r.width() + 2, 1), QRect(r.left(), r.bottom(), r.width(), 1)},
        {0, -1, QRect(r.left() - 1, r.top() - 1, 1, r.height() + 2), QRect(r.left(), r.top(), 1, r.height())},
        {0, 1, QRect(r.right() + 1, r.top() - 1, 1, r.height() + 2), QRect(r.right(), r.top(), 1, r.height())},
    };
    // najpierw cienkie, potem grube, żeby narożniki granic nie miały przerw
    for (const Bok& b : boki)
        if (zakresSasiada(b.dw, b.dk) == dz.NrZakresu)
            p.fillRect(b.odstep.adjusted(b.dk ? 0 : 1, b.dw ? 0 : 1, b.dk ? 0 : -1, b.dw ? 0 : -1), Szary);
    for (const Bok& b : boki) {
        const int s = zakresSasiada(b.dw, b.dk);
        if (s == dz.NrZakresu)
            continue;
        const QColor kolor = (dz.NrZakresu == k.AktywnyZakres || s == k.AktywnyZakres) ? Aktywny : QColor(Qt::black);
        p.fillRect(b.odstep, kolor);
        p.fillRect(b.brzeg, kolor);
    }
    if (dz.Dod == 0 || dz.Dod == 1) {
        p.setPen(Szary);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

// ---------------------------------------------------------------- okno

TFrmKalendarz::TFrmKalendarz(Droga& d, QWidget* rodzic) : QDialog(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmKalendarz"));
    setWindowTitle(QStringLiteral("Kalendarz"));
    setModal(true);
    // kursory dnia powstają razem z oknem
    kursorFingerPlus();
    kursorFingerMinus();

    PaintBox1 = new PoleKalendarza(d_, this);

    const auto przycisk = [this](const QString& tekst, const QString& nazwa, int szer) {
        auto* b = nazwany(new QPushButton(tekst, this), nazwa);
        b->setCheckable(true);
        b->setFixedSize(szer, 24);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setStyleSheet(kStylPrzycisku);
        return b;
    };
    const auto etykieta = [](const QString& tekst, const QColor& tlo) {
        auto* l = new QLabel(tekst);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, tlo);
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->setFixedSize(92, 24);
        return l;
    };
    Jcodziennie = przycisk(QStringLiteral("Codziennie"), QStringLiteral("Jcodziennie"), 90);
    NCodziennie = przycisk(QStringLiteral("Codziennie"), QStringLiteral("NCodziennie"), 90);
    for (int i = 0; i < 7; ++i) {
        J[i] = przycisk(QString::number(i + 1), QStringLiteral("J%1").arg(i + 1), 28);
        N[i] = przycisk(QString::number(i + 1), QStringLiteral("N%1").arg(i + 1), 28);
    }
    JS = przycisk(QStringLiteral("Święta"), QStringLiteral("JS"), 60);
    NS = przycisk(QStringLiteral("Święta"), QStringLiteral("NS"), 60);
    JNS = przycisk(QStringLiteral("U"), QStringLiteral("JNS"), 28);
    JA = przycisk(QStringLiteral("A"), QStringLiteral("JA"), 28);
    JB = przycisk(QStringLiteral("B"), QStringLiteral("JB"), 28);
    JC = przycisk(QStringLiteral("C"), QStringLiteral("JC"), 28);
    JD = przycisk(QStringLiteral("D"), QStringLiteral("JD"), 28);
    JE = przycisk(QStringLiteral("E"), QStringLiteral("JE"), 28);
    JS->setToolTip(QStringLiteral("Kursuje w święta"));
    NS->setToolTip(QStringLiteral("Nie kursuje w święta"));
    JNS->setToolTip(QStringLiteral("W niedziele i święta"));
    JA->setToolTip(QStringLiteral("Od poniedziałku do piątku"));
    JB->setToolTip(QStringLiteral("Od poniedziałku do piątku i w niedziele"));
    JC->setToolTip(QStringLiteral("W soboty, niedziele i święta"));
    JD->setToolTip(QStringLiteral("Od poniedziałku do piątku oprócz świąt"));
    JE->setToolTip(QStringLiteral("Od poniedziałku do soboty oprócz świąt"));

    auto* rzadJ = new QHBoxLayout;
    rzadJ->setSpacing(2);
    rzadJ->addWidget(etykieta(QStringLiteral("  Kursuje :"), QColor(0x00, 0x80, 0x80)));
    rzadJ->addWidget(Jcodziennie);
    for (auto* b : J)
        rzadJ->addWidget(b);
    rzadJ->addWidget(JS);
    rzadJ->addSpacing(10);
    for (auto* b : {JNS, JA, JB, JC, JD, JE})
        rzadJ->addWidget(b);
    rzadJ->addStretch(1);
    auto* rzadN = new QHBoxLayout;
    rzadN->setSpacing(2);
    rzadN->addWidget(etykieta(QStringLiteral("  Nie kursuje:"), QColor(0x80, 0x80, 0x80)));
    rzadN->addWidget(NCodziennie);
    for (auto* b : N)
        rzadN->addWidget(b);
    rzadN->addWidget(NS);
    rzadN->addStretch(1);

    DBEditCena = poleOdczytu("DBEditCena");
    DBEditCenaRozkJazdy = poleOdczytu("DBEditCenaRozkJazdy");
    DBEditLDniKurs = poleOdczytu("DBEditLDniKurs");
    EditOd = poleOdczytu("EditOd");
    EditDo = poleOdczytu("EditDo");
    EditOd->setAlignment(Qt::AlignLeft);
    EditDo->setAlignment(Qt::AlignLeft);
    for (QLineEdit* e : {DBEditCena, DBEditCenaRozkJazdy, DBEditLDniKurs})
        e->setFixedWidth(130);
    EditOd->setFixedWidth(90);
    EditDo->setFixedWidth(90);

    auto* ceny = new QGridLayout;
    ceny->setVerticalSpacing(4);
    const auto wiersz = [&](int w, const QString& tekst, QLineEdit* pole) {
        auto* l = new QLabel(tekst);
        l->setBuddy(pole);
        ceny->addWidget(l, w, 0);
        ceny->addWidget(pole, w, 1);
    };
    wiersz(0, QStringLiteral("Cena trasy:"), DBEditCena);
    wiersz(1, QStringLiteral("Cena za cały rozkład jazdy:"), DBEditCenaRozkJazdy);
    wiersz(2, QStringLiteral("Liczba dni kursowania:"), DBEditLDniKurs);

    auto* okres = nazwany(new QGroupBox(QStringLiteral("Rozkład jazdy")), QStringLiteral("GroupBoxRozklad"));
    auto* go = new QGridLayout(okres);
    go->addWidget(new QLabel(QStringLiteral("Od")), 0, 0);
    go->addWidget(EditOd, 0, 1);
    go->addWidget(new QLabel(QStringLiteral("Do")), 1, 0);
    go->addWidget(EditDo, 1, 1);

    DBCheckBoxAutGenOp = nazwany(new QCheckBox(QStringLiteral("Automatyczne \ngenerowanie\nopisu terminu\nkursowania")),
                                 QStringLiteral("DBCheckBoxAutGenOp"));
    DBMemoTerminy = nazwany(new QPlainTextEdit, QStringLiteral("DBMemoTerminy"));
    DBMemoTerminy->setLineWrapMode(QPlainTextEdit::NoWrap);
    DBMemoTerminy->setTabChangesFocus(true);
    DBMemoTerminy->setMinimumWidth(230);
    DBMemoTerminy->setMinimumHeight(80);
    // paski przewijania według tekstu i rozmiaru pola, także po zmianie rozmiaru okna
    DBMemoTerminy->installEventFilter(this);

    Button1 = nazwany(new QPushButton(QStringLiteral("&Usuń oznaczenia dod. terminów")), QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    BitBtn2 = nazwany(new QPushButton(QStringLiteral("&Zamknij")), QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    // po lewej ceny i okres, po prawej przełącznik opisu nad polem opisu
    auto* lewa = new QVBoxLayout;
    lewa->addLayout(ceny);
    lewa->addSpacing(6);
    lewa->addWidget(okres, 0, Qt::AlignLeft);
    lewa->addStretch(1);
    auto* prawa = new QVBoxLayout;
    prawa->addWidget(DBCheckBoxAutGenOp, 0, Qt::AlignLeft);
    prawa->addWidget(DBMemoTerminy, 1);
    auto* dol = new QHBoxLayout;
    dol->setSpacing(16);
    dol->addLayout(lewa);
    dol->addLayout(prawa, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(Button1);
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtn2);

    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(8, 8, 8, 8);
    u->setSpacing(0);
    u->addWidget(PaintBox1, 0, Qt::AlignLeft);
    u->addSpacing(5);
    u->addLayout(rzadJ);
    u->addSpacing(2);
    u->addLayout(rzadN);
    u->addSpacing(10);
    u->addLayout(dol);
    u->addSpacing(10);
    u->addLayout(przyciski);

    // przyciski reguł: rdzeń ustala stan wszystkich przycisków, okno go pokazuje
    for (int i = 0; i < 7; ++i) {
        connect(J[i], &QPushButton::clicked, this, [this, i] {
            KliknijDzienTygodnia(d_, i, true);
            odswiez();
        });
        connect(N[i], &QPushButton::clicked, this, [this, i] {
            KliknijDzienTygodnia(d_, i, false);
            odswiez();
        });
    }
    connect(JS, &QPushButton::clicked, this, [this] {
        KliknijSwieta(d_, true);
        odswiez();
    });
    connect(NS, &QPushButton::clicked, this, [this] {
        KliknijSwieta(d_, false);
        odswiez();
    });
    for (int w = 0; w < kLiczbaWzorcow; ++w)
        connect(przyciskWzorca(Wzorzec(w)), &QPushButton::clicked, this, [this, w] {
            KliknijWzorzec(d_, Wzorzec(w));
            odswiez();
        });
    connect(Button1, &QPushButton::clicked, this, [this] {
        UsunOznaczeniaTerminow(d_);
        odswiez();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(PaintBox1, &PoleKalendarza::zmieniony, this, &TFrmKalendarz::odswiez);
    connect(DBCheckBoxAutGenOp, &QCheckBox::clicked, this, [this](bool wlaczony) {
        UstawAutomatycznyOpis(d_, wlaczony);
        odswiez();
    });
    connect(DBMemoTerminy, &QPlainTextEdit::textChanged, this, [this] {
        ustawPaski();
        if (wypelnianie_ || DBMemoTerminy->isReadOnly())
            return;
        d_.pociag.ustaw(QStringLiteral("Kursuje"), doWiersza(DBMemoTerminy->toPlainText()));
    });

    // Tab: siatka, rząd "Kursuje", rząd "Nie kursuje", opis, przyciski okna
    QList<QWidget*> kolejnosc{PaintBox1, Jcodziennie};
    kolejnosc << J[0] << J[1] << J[2] << J[3] << J[4] << J[5] << J[6];
    kolejnosc << JS << JNS << JA << JB << JC << JD << JE << NCodziennie;
    kolejnosc << N[0] << N[1] << N[2] << N[3] << N[4] << N[5] << N[6];
    kolejnosc << NS << DBCheckBoxAutGenOp << DBMemoTerminy << Button1 << BitBtn2;
    for (int i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);

    odswiez();
    PaintBox1->setFocus(Qt::OtherFocusReason);
    resize(sizeHint());
}

QPushButton* TFrmKalendarz::przyciskWzorca(Wzorzec w) const
{
    switch (w) {
    case Wzorzec::Codziennie: return Jcodziennie;
    case Wzorzec::NieCodziennie: return NCodziennie;
    case Wzorzec::U: return JNS;
    case Wzorzec::A: return JA;
    case Wzorzec::B: return JB;
    case Wzorzec::C: return JC;
    case Wzorzec::D: return JD;
    case Wzorzec::E: return JE;
    case Wzorzec::Brak: break;
    }
    return nullptr;
}

void TFrmKalendarz::odswiez()
{
    const PrzyciskiRegul& p = d_.kalendarz.przyciski;
    for (int i = 0; i < 7; ++i) {
        J[i]->setChecked(p.J[i]);
        N[i]->setChecked(p.N(i));
    }
    JS->setChecked(p.JS);
    NS->setChecked(p.NS);
    for (int w = 0; w < kLiczbaWzorcow; ++w)
        przyciskWzorca(Wzorzec(w))->setChecked(p.wzorzec == Wzorzec(w));

    const Pociag& pc = d_.pociag;
    const auto pole = [&](const char* k) { return pc.pole(QString::fromLatin1(k)); };
    DBEditCena->setText(tekstPola(pole("CenaWyliczona"), TypPola::Rzeczywista, kFormatZl));
    DBEditCenaRozkJazdy->setText(tekstPola(pole("CenaRozkJazdy"), TypPola::Rzeczywista, kFormatZl));
    DBEditLDniKurs->setText(tekstPola(pole("LDniKurs"), TypPola::Calkowita));
    EditOd->setText(d_.rozkladOd.toString(QStringLiteral("dd-MM-yyyy")));
    EditDo->setText(d_.rozkladDo.toString(QStringLiteral("dd-MM-yyyy")));
    ustawPolaOpisu();
    PaintBox1->ustawKursorDnia(PaintBox1->kursorDnia());
    PaintBox1->update();
}

void TFrmKalendarz::ustawPolaOpisu()
{
    const bool automatyczny = d_.pociag.pole(QStringLiteral("AutGenOpKurs")).toBool();
    wypelnianie_ = true;
    DBCheckBoxAutGenOp->setChecked(automatyczny);
    DBMemoTerminy->setReadOnly(automatyczny);
    tloPola(DBMemoTerminy, automatyczny ? QPalette::Button : QPalette::Window);
    const QString tekst = doPola(d_.pociag.pole(QStringLiteral("Kursuje")).toString());
    if (DBMemoTerminy->toPlainText() != tekst)
        DBMemoTerminy->setPlainText(tekst);
    wypelnianie_ = false;
    ustawPaski();
}

void TFrmKalendarz::ustawPaski()
{
    const QFontMetrics fm(DBMemoTerminy->font());
    const QStringList linie = DBMemoTerminy->toPlainText().split(QLatin1Char('\n'));
    int szer = 0;
    for (const QString& l : linie)
        szer = std::max(szer, fm.horizontalAdvance(l));
    const int wys = DBMemoTerminy->toPlainText().isEmpty() ? 0 : int(linie.size()) * fm.lineSpacing();
    const PaskiPrzewijania p = paskiPola(szer, wys, DBMemoTerminy->width(), DBMemoTerminy->height());
    DBMemoTerminy->setHorizontalScrollBarPolicy(p.poziomy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    DBMemoTerminy->setVerticalScrollBarPolicy(p.pionowy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TFrmKalendarz::eventFilter(QObject* o, QEvent* e)
{
    if (o == DBMemoTerminy && e->type() == QEvent::Resize)
        ustawPaski();
    return QDialog::eventFilter(o, e);
}

void TFrmKalendarz::done(int wynik)
{
    // opis wpisany ręcznie trafia do wiersza nagłówka
    d_.pociag.zatwierdz();
    QDialog::done(wynik);
}

} // namespace tks::ui
