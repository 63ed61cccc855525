#include "ObszarMapy.h"

#include "app/Droga.h"

#include <QPainter>
#include <QResizeEvent>

namespace tks::ui {

ObszarMapy::ObszarMapy(Droga& d, QWidget* rodzic) : QWidget(rodzic), d_(d)
{
    setObjectName(QStringLiteral("Pb1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(200, 200);
}

void ObszarMapy::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kolorZBgr(d_.kolory.KolorTla));
}

void ObszarMapy::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    emit zmienionoRozmiar(e->size());
}

} // namespace tks::ui
