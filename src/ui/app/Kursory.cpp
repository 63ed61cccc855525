#include "Kursory.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tks::ui {

namespace {

const QColor kCzarny(0, 0, 0);
const QColor kBialy(255, 255, 255);

void strzalka(QPainter& p, double s)
{
    const QPointF pkt[] = {{0, 0}, {0, 16}, {4, 12.5}, {7, 19}, {9.5, 18}, {6.5, 11.5}, {11.5, 11.5}};
    QPolygonF w;
    for (const auto& q : pkt)
        w << QPointF(q.x() * s + 0.5, q.y() * s + 0.5);
    p.setPen(QPen(kCzarny, 1));
    p.setBrush(kBialy);
    p.drawPolygon(w);
}

// Lupa w prostokącie r; znak: +1 plus, -1 minus.
void lupa(QPainter& p, const QRectF& r, int znak)
{
    const double d = r.width() * 0.62;
    const QRectF szklo(r.left() + 1, r.top() + 1, d, d);
    const QPointF c = szklo.center();
    p.setPen(QPen(QColor(90, 60, 30), r.width() * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(szklo.right() - d * 0.12, szklo.bottom() - d * 0.12), r.bottomRight() - QPointF(1.5, 1.5));
    p.setPen(QPen(kCzarny, r.width() * 0.08));
    p.setBrush(QColor(215, 235, 255));
    p.drawEllipse(szklo);
    p.setPen(QPen(kCzarny, r.width() * 0.09, Qt::SolidLine, Qt::FlatCap));
    const double a = d * 0.27;
    p.drawLine(c - QPointF(a, 0), c + QPointF(a, 0));
    if (znak > 0)
        p.drawLine(c - QPointF(0, a), c + QPointF(0, a));
}

void dlon(QPainter& p, const QRectF& r)
{
    const double u = r.width() / 16.0;
    p.setPen(QPen(kCzarny, qMax(1.0, u * 0.8)));
    p.setBrush(QColor(255, 226, 190));
    QPainterPath reka;
    // palce
    const double palce[4][2] = {{3.2, 3.0}, {5.7, 1.2}, {8.2, 1.6}, {10.7, 3.4}};
    for (const auto& f : palce)
        reka.addRoundedRect(QRectF(r.left() + f[0] * u, r.top() + f[1] * u, 2.3 * u, 8 * u), 1.1 * u, 1.1 * u);
    // kciuk
    QTransform t;
    t.translate(r.left() + 2.2 * u, r.top() + 8.5 * u);
    t.rotate(-40);
    reka.addPath(t.map([&] {
        QPainterPath k;
        k.addRoundedRect(QRectF(-1.2 * u, -4 * u, 2.4 * u, 5.5 * u), 1.1 * u, 1.1 * u);
        return k;
    }()));
    reka.addRoundedRect(QRectF(r.left() + 3.2 * u, r.top() + 7 * u, 9.8 * u, 8 * u), 3 * u, 3 * u);
    p.drawPath(reka.simplified());
}

void choragiew(QPainter& p, const QRectF& r, bool szachownica)
{
    const double u = r.width() / 16.0;
    p.setPen(QPen(QColor(60, 60, 60), 1.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 3 * u, r.top() + 1 * u), QPointF(r.left() + 3 * u, r.bottom() - 0.5 * u));
    const QRectF flaga(r.left() + 3.8 * u, r.top() + 1.5 * u, 10.5 * u, 7 * u);
    p.setPen(QPen(kCzarny, 0.8 * u));
    if (!szachownica) {
        p.setBrush(QColor(0, 170, 0));
        p.drawRect(flaga);
        return;
    }
    p.setBrush(kBialy);
    p.drawRect(flaga);
    p.setPen(Qt::NoPen);
    p.setBrush(kCzarny);
    const double kw = flaga.width() / 4, kh = flaga.height() / 3;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j)
            if ((i + j) % 2 == 0)
                p.drawRect(QRectF(flaga.left() + i * kw, flaga.top() + j * kh, kw, kh));
    p.setPen(QPen(kCzarny, 0.8 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flaga);
}

void przez(QPainter& p, const QRectF& r)
{
    const double u = r.width() / 16.0;
    p.setPen(QPen(QColor(70, 70, 70), 2 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 1 * u, r.bottom() - 2 * u), QPointF(r.right() - 1 * u, r.top() + 2 * u));
    p.setPen(QPen(kCzarny, 0.9 * u));
    p.setBrush(QColor(30, 90, 230));
    const QPointF c = r.center();
    p.drawEllipse(c, 4.6 * u, 4.6 * u);
    p.setPen(QPen(kBialy, 1.6 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(2.6 * u, 0), c + QPointF(2.6 * u, 0));
    p.drawLine(c - QPointF(0, 2.6 * u), c + QPointF(0, 2.6 * u));
}

void usun(QPainter& p, const QRectF& r)
{
    const double u = r.width() / 16.0;
    const QPointF c = r.center();
    p.setPen(QPen(kCzarny, 0.9 * u));
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(c, 5.5 * u, 5.5 * u);
    p.setPen(QPen(QColor(200, 0, 0), 2.2 * u, Qt::SolidLine, Qt::RoundCap));
    const double a = 5.6 * u;
    p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
    p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
}

void omin(QPainter& p, const QRectF& r)
{
    const double u = r.width() / 16.0;
    const QPointF c = r.center();
    p.setPen(QPen(QColor(120, 0, 0), 0.8 * u));
    p.setBrush(QColor(220, 20, 20));
    p.drawEllipse(c, 7 * u, 7 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(kBialy);
    p.drawRect(QRectF(c.x() - 4.8 * u, c.y() - 1.3 * u, 9.6 * u, 2.6 * u));
}

void kosz(QPainter& p, const QRectF& r)
{
    const double u = r.width() / 16.0;
    p.setPen(QPen(kCzarny, 0.9 * u));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(r.left() + 2 * u, r.top() + 3 * u, 12 * u, 1.6 * u));
    p.drawRect(QRectF(r.left() + 6 * u, r.top() + 1.2 * u, 4 * u, 1.8 * u));
    QPolygonF k;
    k << QPointF(r.left() + 3.2 * u, r.top() + 5 * u) << QPointF(r.left() + 12.8 * u, r.top() + 5 * u)
      << QPointF(r.left() + 11.8 * u, r.bottom() - 0.8 * u) << QPointF(r.left() + 4.2 * u, r.bottom() - 0.8 * u);
    p.drawPolygon(k);
    p.setPen(QPen(QColor(60, 60, 60), 0.9 * u));
    for (double x : {6.0, 8.0, 10.0})
        p.drawLine(QPointF(r.left() + x * u, r.top() + 7 * u), QPointF(r.left() + x * u, r.bottom() - 2.5 * u));
}

void rysuj(QPainter& p, IkonaNarzedzia i, const QRectF& r)
{
    switch (i) {
    case IkonaNarzedzia::Wskaznik: {
        p.save();
        p.translate(r.left() + r.width() * 0.25, r.top() + 1);
        strzalka(p, r.height() / 21.0);
        p.restore();
        break;
    }
    case IkonaNarzedzia::LupaPlus: lupa(p, r, 1); break;
    case IkonaNarzedzia::LupaMinus: lupa(p, r, -1); break;
    case IkonaNarzedzia::Dlon: dlon(p, r); break;
    case IkonaNarzedzia::Start: choragiew(p, r, false); break;
    case IkonaNarzedzia::Meta: choragiew(p, r, true); break;
    case IkonaNarzedzia::Przez: przez(p, r); break;
    case IkonaNarzedzia::Usun: usun(p, r); break;
    case IkonaNarzedzia::Omin: omin(p, r); break;
    case IkonaNarzedzia::KasujDroge: kosz(p, r); break;
    }
}

QPixmap obraz(int rozmiar)
{
    QPixmap pm(rozmiar, rozmiar);
    pm.fill(Qt::transparent);
    return pm;
}

// Kursor: strzałka z symbolem narzędzia w prawym dolnym rogu.
QCursor kursorZSymbolem(IkonaNarzedzia i)
{
    QPixmap pm = obraz(32);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        strzalka(p, 1.0);
        rysuj(p, i, QRectF(13, 13, 18, 18));
    }
    return QCursor(pm, 0, 0);
}

QCursor kursorSymbol(IkonaNarzedzia i, int hx, int hy)
{
    QPixmap pm = obraz(32);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        rysuj(p, i, QRectF(2, 2, 28, 28));
    }
    return QCursor(pm, hx, hy);
}

QHash<int, QCursor>& kursory()
{
    static QHash<int, QCursor> k;
    return k;
}

} // namespace

void ZarejestrujKursory()
{
    auto& k = kursory();
    if (!k.isEmpty())
        return;
    k.insert(kKursorLupaPlus, kursorSymbol(IkonaNarzedzia::LupaPlus, 11, 11));
    k.insert(kKursorDlon, kursorSymbol(IkonaNarzedzia::Dlon, 16, 16));
    k.insert(kKursorSetStart, kursorZSymbolem(IkonaNarzedzia::Start));
    k.insert(kKursorSetMeta, kursorZSymbolem(IkonaNarzedzia::Meta));
    k.insert(kKursorSetPrzez, kursorZSymbolem(IkonaNarzedzia::Przez));
    k.insert(kKursorResetPrzez, kursorZSymbolem(IkonaNarzedzia::Usun));
    k.insert(kKursorSetNiePrzez, kursorZSymbolem(IkonaNarzedzia::Omin));
}

QCursor kursorMapy(int numer)
{
    ZarejestrujKursory();
    return kursory().value(numer, QCursor(Qt::ArrowCursor));
}

QString nazwaKursora(int numer)
{
    switch (numer) {
    case kKursorLupaPlus: return QStringLiteral("LupaPlus");
    case kKursorDlon: return QStringLiteral("Dlon");
    case kKursorSetStart: return QStringLiteral("SetStart");
    case kKursorSetMeta: return QStringLiteral("SetMeta");
    case kKursorSetPrzez: return QStringLiteral("SetPrzez");
    case kKursorResetPrzez: return QStringLiteral("ResetPrzez");
    case kKursorSetNiePrzez: return QStringLiteral("SetNiePrzez");
    default: return {};
    }
}

QIcon ikonaNarzedzia(IkonaNarzedzia i)
{
    QIcon ikona;
    for (int r : {16, 24, 32}) {
        QPixmap pm = obraz(r);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            rysuj(p, i, QRectF(0.5, 0.5, r - 1, r - 1));
        }
        ikona.addPixmap(pm);
    }
    return ikona;
}

} // namespace tks::ui
