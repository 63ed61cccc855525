#include "TFrmDrogaWybor.h"

#include "map/Trafienia.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QVBoxLayout>
#include <algorithm>

namespace tks::ui {

TFrmDrogaWybor::TFrmDrogaWybor(QWidget* rodzic) : QDialog(rodzic, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmDrogaWybor"));
    setWindowTitle(kTytulListyWyboru);
    setModal(true);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(3, 2, 3, 3);
    u->setSpacing(1);
    Label1 = new QLabel(kOpisListyWyboru);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    u->addWidget(Label1);
    u->addWidget(ListBox1, 1);
    // ramka okna bez paska tytułu
    setStyleSheet(QStringLiteral("QDialog#FrmDrogaWybor { border: 1px solid palette(dark); }"));
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { accept(); });
    connect(ListBox1, &QListWidget::activated, this, [this] { accept(); });
}

void TFrmDrogaWybor::ustawPozycje(const QStringList& pozycje)
{
    QStringList l = pozycje;
    QCollator c{QLocale(QLocale::Polish, QLocale::Poland)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(l.begin(), l.end(), [&](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    ListBox1->clear();
    const QFontMetrics fm = ListBox1->fontMetrics();
    for (const QString& t : l) {
        auto* it = new QListWidgetItem(t, ListBox1);
        it->setSizeHint(QSize(fm.horizontalAdvance(t) + 8, fm.height() + 2));
    }
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
}

int TFrmDrogaWybor::najszerszyTekst() const
{
    int w = 0;
    const QFontMetrics fm = ListBox1->fontMetrics();
    for (int i = 0; i < ListBox1->count(); ++i)
        w = std::max(w, fm.horizontalAdvance(ListBox1->item(i)->text()));
    return w;
}

int TFrmDrogaWybor::wysokoscTekstow() const
{
    int h = 0;
    for (int i = 0; i < ListBox1->count(); ++i)
        h += ListBox1->item(i)->sizeHint().height();
    return h;
}

QString TFrmDrogaWybor::wybranyTekst() const
{
    const QListWidgetItem* it = ListBox1->currentItem();
    return it ? it->text() : QString();
}

void TFrmDrogaWybor::keyPressEvent(QKeyEvent* e)
{
    // Esc działa przy puszczeniu klawisza
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFrmDrogaWybor::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && !e->isAutoRepeat()) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(e);
}

int TFrmDrogaWybor::wybierz(QWidget* mapa, QPoint kursor, const QStringList& pozycje)
{
    if (pozycje.isEmpty())
        return -1;
    TFrmDrogaWybor okno(mapa);
    okno.ustawPozycje(pozycje);
    const QSize obszar = mapa ? mapa->size() : QSize(800, 600);
    TProstokat r = ProstokatListyWyboru({kursor.x(), kursor.y()}, okno.najszerszyTekst(), okno.wysokoscTekstow(),
                                        obszar.width(), obszar.height());
    // lista wyższa albo szersza od mapy zaczyna się na jej krawędzi
    const int dy = std::max(0, -r.top), dx = std::max(0, -r.left);
    r.top += dy;
    r.bottom += dy;
    r.left += dx;
    r.right += dx;
    const QPoint lg = mapa ? mapa->mapToGlobal(QPoint(r.left, r.top)) : QPoint(r.left, r.top);
    okno.setGeometry(QRect(lg, QSize(r.szerokosc(), std::min(r.wysokosc(), std::max(obszar.height(), 60)))));
    okno.ListBox1->setFocus();
    if (okno.exec() != QDialog::Accepted)
        return -1;
    const QString t = okno.wybranyTekst();
    return t.isNull() ? -1 : int(pozycje.indexOf(t));
}

} // namespace tks::ui
