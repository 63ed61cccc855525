#include "TFrmStacje.h"

#include "stations/WyborStacji.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tks::ui {

ListaWierszyStacji::ListaWierszyStacji(TFrmStacje& okno, QWidget* rodzic) : QWidget(rodzic), okno_(okno)
{
    setObjectName(QStringLiteral("LB1"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
}

void ListaWierszyStacji::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const WyszukiwanieStacji& s = okno_.stan_;
    p.fillRect(rect(), palette().base());
    const int h = kWysokoscWierszaStacji;
    for (int k = 0; k < s.liczbaWierszy(); ++k) {
        const QRect r(0, k * h, width(), h);
        const bool wybrany = k == s.wybranyWiersz();
        if (wybrany)
            p.fillRect(r, palette().highlight());
        p.setPen(wybrany ? palette().highlightedText().color() : palette().text().color());
        p.drawText(r.adjusted(2, 1, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   s.nazwaWiersza(k));
    }
}

void ListaWierszyStacji::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        okno_.kliknietoWiersz(int(e->position().y()) / kWysokoscWierszaStacji);
}

void ListaWierszyStacji::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && okno_.stan_.wynik() >= 0)
        okno_.accept();
}

TFrmStacje::TFrmStacje(const Siec& s, std::vector<int> lista, QWidget* rodzic)
    : QDialog(rodzic), stan_(s, std::move(lista))
{
    setObjectName(QStringLiteral("FrmStacje"));
    setWindowTitle(kTytulOknaStacji);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    LB1 = new ListaWierszyStacji(*this, this);
    LB1->setFixedHeight(kWierszyListy * kWysokoscWierszaStacji);
    LB1->setMinimumWidth(260);
    sb1 = new QScrollBar(Qt::Vertical, this);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setFixedHeight(LB1->height());
    BitBtnOK = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));
    // Enter obsługują pole i pasek; przyciski nie są domyślne
    for (QPushButton* b : {BitBtnOK, BitBtnAnuluj})
        b->setAutoDefault(false);

    auto* lista2 = new QHBoxLayout;
    lista2->setSpacing(0);
    lista2->addWidget(LB1, 1);
    lista2->addWidget(sb1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnOK);
    przyciski->addWidget(BitBtnAnuluj);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Edit1);
    uklad->addLayout(lista2);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    Edit1->installEventFilter(this);
    sb1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TFrmStacje::Edit1Change);
    connect(sb1, &QScrollBar::valueChanged, this, &TFrmStacje::sb1Change);
    connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
}

void TFrmStacje::otworzPrzy(QPoint punkt)
{
    adjustSize();
    QPoint lg(punkt.x(), punkt.y() - qRound(height() / 2.0));
    if (const QScreen* e = QGuiApplication::screenAt(punkt) ? QGuiApplication::screenAt(punkt)
                                                            : QGuiApplication::primaryScreen()) {
        const QRect g = e->availableGeometry();
        lg.setX(std::clamp(lg.x(), g.left(), std::max(g.left(), g.right() - width())));
        lg.setY(std::clamp(lg.y(), g.top(), std::max(g.top(), g.bottom() - height())));
    }
    move(lg);
}

void TFrmStacje::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!aktywne_)
        aktywuj();
}

void TFrmStacje::aktywuj()
{
    aktywne_ = true;
    stan_.aktywuj(LB1->height());
    szukanie_ = true;
    sb1->setRange(0, stan_.maksimum());
    sb1->setPageStep(std::max(1, stan_.duzyKrok()));
    sb1->setSingleStep(1);
    sb1->setValue(stan_.pozycja());
    szukanie_ = false;
    sb1->setVisible(stan_.pasekWidoczny());
    if (stan_.pasekWidoczny())
        sb1->setFocus(Qt::OtherFocusReason);
    else
        Edit1->setFocus(Qt::OtherFocusReason);
    LB1->update();
}

void TFrmStacje::pokazPozycje()
{
    szukanie_ = true;
    sb1->setValue(stan_.pozycja());
    szukanie_ = false;
    LB1->update();
}

void TFrmStacje::Edit1Change(const QString& tekst)
{
    if (!aktywne_ || tekst == stan_.nazwaWybranej())
        return;
    stan_.znajdz(tekst);
    pokazPozycje();
}

void TFrmStacje::sb1Change(int pozycja)
{
    if (szukanie_)
        return;
    const QString nazwa = stan_.przewin(pozycja);
    Edit1->setText(nazwa);
    LB1->update();
}

void TFrmStacje::strzalka(int krok)
{
    const int przed = stan_.pozycja();
    if (stan_.przesun(krok) != przed) {
        sb1->setValue(stan_.pozycja());   // nazwa trafia do pola jak przy przewijaniu paskiem
        return;
    }
    Edit1->setText(stan_.nazwaWybranej());
    LB1->update();
}

void TFrmStacje::kliknietoWiersz(int wiersz)
{
    if (!stan_.kliknij(wiersz))
        return;
    Edit1->setText(stan_.nazwaWybranej());
    LB1->update();
    if (sb1->isVisible())
        sb1->setFocus(Qt::MouseFocusReason);
}

bool TFrmStacje::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::KeyPress)
        return QDialog::eventFilter(obiekt, zdarzenie);
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (obiekt == Edit1) {
        if (enter) {
            accept();
            return true;
        }
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            if (sb1->isVisible())
                sb1->setFocus(Qt::OtherFocusReason);
            strzalka(k->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    } else if (obiekt == sb1) {
        if (enter) {
            accept();
            return true;
        }
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            strzalka(k->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        const QString t = k->text();
        if (t.size() == 1 && t[0].isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            Edit1->setFocus(Qt::OtherFocusReason);
            Edit1->setText(t);
            Edit1->setCursorPosition(int(Edit1->text().size()));
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

} // namespace tks::ui
