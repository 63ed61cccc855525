#include "TFrmListaStacji.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace tks::ui {

namespace {
constexpr int kMargines = 10;
constexpr int kPrzyciskSzer = 80;
constexpr int kPrzyciskWys = 26;
} // namespace

TFrmListaStacji::TFrmListaStacji(const QStringList& wszystkie, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("FrmListaStacji"));
    setWindowTitle(kTytulOknaListyStacji);
    const auto lista = [this](const char* nazwa) {
        auto* l = new QListWidget(this);
        l->setObjectName(QString::fromLatin1(nazwa));
        l->setUniformItemSizes(true);
        l->setGeometry(kMargines, kMargines, kSzerokoscListyStacji, kWysokoscListy);
        l->hide();
        return l;
    };
    ListBoxStacje = lista("ListBoxStacje");
    ListBoxStacjeReczne = lista("ListBoxStacjeReczne");
    ListBoxStacjeOznaczone = lista("ListBoxStacjeOznaczone");
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    for (QListWidget* l : {ListBoxStacje, ListBoxStacjeReczne})
        connect(l, &QListWidget::itemDoubleClicked, this, [this] {
            if (BitBtn2->isEnabled())
                accept();
        });

    ListBoxStacje->addItems(wszystkie);
    ListBoxStacje->setCurrentRow(PoczatekListyStacji(wszystkie));
}

void TFrmListaStacji::ustawReczne(const ListaKandydatow& l)
{
    ListBoxStacjeReczne->clear();
    ListBoxStacjeReczne->addItems(l.nazwy);
    ListBoxStacjeReczne->resize(l.szerokosc, kWysokoscListy);
}

void TFrmListaStacji::ustawOznaczone(const QStringList& nazwy)
{
    ListBoxStacjeOznaczone->clear();
    ListBoxStacjeOznaczone->addItems(nazwy);
}

QListWidget* TFrmListaStacji::widocznaLista() const
{
    switch (lista_) {
    case Lista::Stacje:
        return ListBoxStacje;
    case Lista::Reczne:
        return ListBoxStacjeReczne;
    case Lista::Oznaczone:
        break;
    }
    return ListBoxStacjeOznaczone;
}

void TFrmListaStacji::aktywuj(Lista lista, QPoint punkt)
{
    lista_ = lista;
    QListWidget* w = widocznaLista();
    for (QListWidget* l : {ListBoxStacje, ListBoxStacjeReczne, ListBoxStacjeOznaczone})
        l->setVisible(l == w);
    BitBtn2->setEnabled(true);
    if (w != ListBoxStacje && w->count() > 0)
        w->setCurrentRow(0);
    if (w == ListBoxStacjeOznaczone && w->count() == 0)
        BitBtn2->setEnabled(false);

    // szerokość okna: szerokość listy + 27, przyciski pod listą
    const int szer = w->width() + 27;
    const int y = kMargines + kWysokoscListy + kMargines;
    BitBtn1->setGeometry(szer - kMargines - kPrzyciskSzer, y, kPrzyciskSzer, kPrzyciskWys);
    BitBtn2->setGeometry(szer - 2 * (kMargines + kPrzyciskSzer), y, kPrzyciskSzer, kPrzyciskWys);
    setFixedSize(szer, y + kPrzyciskWys + kMargines);

    QPoint lg(punkt.x(), punkt.y() - qRound(height() / 2.0));
    const QScreen* e = QGuiApplication::screenAt(punkt);
    if (!e)
        e = QGuiApplication::primaryScreen();
    if (e) {
        const QRect g = e->availableGeometry();
        lg.setX(std::clamp(lg.x(), g.left(), std::max(g.left(), g.right() - width())));
        lg.setY(std::clamp(lg.y(), g.top(), std::max(g.top(), g.bottom() - height())));
    }
    move(lg);
    w->setFocus(Qt::OtherFocusReason);
}

int TFrmListaStacji::pokaz(Lista lista, QPoint punkt)
{
    aktywuj(lista, punkt);
    if (exec() != QDialog::Accepted)
        return -1;
    return widocznaLista()->currentRow();
}

} // namespace tks::ui
