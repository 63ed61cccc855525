#include "PierscienStacji.h"

#include <QPainter>
#include <QTimer>

namespace tks::ui {

PierscienStacji::PierscienStacji(QWidget* mapa, QPoint srodek) : QWidget(mapa)
{
    setObjectName(QStringLiteral("PierscienStacji"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    const int r = kPromien + 3;
    setGeometry(srodek.x() - r, srodek.y() - r, 2 * r + 1, 2 * r + 1);
    show();
    raise();
    QTimer::singleShot(kCzasMs, this, &QObject::deleteLater);
}

void PierscienStacji::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(rect()).center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(c, kPromien, kPromien);
    p.setPen(QPen(QColor(220, 0, 0), 3));
    p.drawEllipse(c, kPromien, kPromien);
}

} // namespace tks::ui
