#include "WykresProfilu.h"

#include "common/ZapisAtomowy.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLineSeries>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace tks::ui {
namespace {

// Dwa punkty na kolumnę (najmniejsza i największa wartość) w kolejności, która
// prowadzi linię bez zbędnych skoków od poprzedniej kolumny.
void dopisz(QList<QPointF>& punkty, double x, int mn, int mx)
{
    const double poprz = punkty.isEmpty() ? mn : punkty.last().y();
    if (std::abs(poprz - mx) < std::abs(poprz - mn)) {
        punkty.append({x, double(mx)});
        if (mn != mx)
            punkty.append({x, double(mn)});
    } else {
        punkty.append({x, double(mn)});
        if (mn != mx)
            punkty.append({x, double(mx)});
    }
}

constexpr double kNajmniejszyZakresKm = 0.05;

} // namespace

WykresProfilu::WykresProfilu(ProfilTrasy profil, QGraphicsItem* rodzic) : QChart(rodzic), profil_(std::move(profil))
{
    setTitle(tytulProfilu(profil_));
    legend()->setAlignment(Qt::AlignBottom);
    // po bokach miejsce na pochylone nazwy stacji początkowej i końcowej
    setMargins(QMargins(60, 6, 90, 6));

    limit_ = new QLineSeries(this);
    limit_->setName(QStringLiteral("Ograniczenie prędkości"));
    // ograniczenie szerszą jasną linią pod prędkością: widać je także tam, gdzie pociąg jedzie z nim równo
    QPen pl(QColor(235, 120, 110));
    pl.setWidthF(3.5);
    limit_->setPen(pl);
    predkosc_ = new QLineSeries(this);
    predkosc_->setName(QStringLiteral("Prędkość"));
    QPen pv(QColor(20, 70, 170));
    pv.setWidthF(1.6);
    predkosc_->setPen(pv);
    addSeries(limit_);
    addSeries(predkosc_);

    osKm_ = new QValueAxis(this);
    osKm_->setTitleText(QStringLiteral("km trasy"));
    osKm_->setLabelFormat(QStringLiteral("%.0f"));
    osV_ = new QValueAxis(this);
    osV_->setTitleText(QStringLiteral("km/h"));
    osV_->setLabelFormat(QStringLiteral("%.0f"));
    int vMax = 0;
    for (const TMetrProfilu& m : profil_.metry)
        vMax = std::max({vMax, int(m.Predkosc), int(m.Limit)});
    osV_->setRange(0, std::max(20, (vMax / 20 + 1) * 20));
    osV_->setTickCount(std::max(2, std::max(20, (vMax / 20 + 1) * 20) / 20 + 1));

    // górna oś: kreski i nazwy punktów trasy
    osStacji_ = new QCategoryAxis(this);
    osStacji_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    osStacji_->setLabelsAngle(-45);
    osStacji_->setGridLinePen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
    QString odstep;
    QStringList uzyte;
    for (const ZnacznikProfilu& z : profil_.stacje) {
        QString etykieta = z.nazwa;
        // etykiety osi kategorii muszą być różne (ta sama stacja drugi raz na trasie)
        while (uzyte.contains(etykieta))
            etykieta += QChar(0x200B);
        uzyte << etykieta;
        osStacji_->append(etykieta, z.km);
    }
    addAxis(osKm_, Qt::AlignBottom);
    addAxis(osV_, Qt::AlignLeft);
    addAxis(osStacji_, Qt::AlignTop);
    for (QLineSeries* s : {limit_, predkosc_}) {
        s->attachAxis(osKm_);
        s->attachAxis(osV_);
    }
    connect(osKm_, &QValueAxis::rangeChanged, this, [this](qreal a, qreal b) {
        osStacji_->setRange(a, b);
        przerzedz();
    });
    connect(this, &QChart::plotAreaChanged, this, [this] { przerzedz(); });
    pokazCalosc();
}

double WykresProfilu::odKm() const { return osKm_->min(); }
double WykresProfilu::doKm() const { return osKm_->max(); }

void WykresProfilu::pokazCalosc() { pokazZakres(0, std::max(profil_.dlugoscKm(), kNajmniejszyZakresKm)); }

void WykresProfilu::pokazZakres(double od, double doKm)
{
    const double dl = std::max(profil_.dlugoscKm(), kNajmniejszyZakresKm);
    double szer = std::clamp(doKm - od, kNajmniejszyZakresKm, dl);
    od = std::clamp(od, 0.0, dl - szer);
    osKm_->setRange(od, od + szer);
    przerzedz();
}

void WykresProfilu::powieksz(double czynnik, double wokolKm)
{
    const double a = odKm(), b = doKm();
    const double nowa = (b - a) / czynnik;
    const double udzial = b > a ? (wokolKm - a) / (b - a) : 0.5;
    const double od = wokolKm - nowa * std::clamp(udzial, 0.0, 1.0);
    pokazZakres(od, od + nowa);
}

void WykresProfilu::przesun(double czesc)
{
    const double a = odKm(), b = doKm();
    const double dx = (b - a) * czesc;
    pokazZakres(a + dx, b + dx);
}

void WykresProfilu::przerzedz()
{
    if (przerzedzanie_ || !predkosc_)
        return;
    przerzedzanie_ = true;
    const int kolumny = std::max(1, int(plotArea().width()));
    QList<QPointF> v, l;
    const auto kol = kolumnyProfilu(profil_, odKm(), doKm(), kolumny);
    v.reserve(qsizetype(2 * kol.size()));
    l.reserve(qsizetype(2 * kol.size()));
    for (const KolumnaProfilu& k : kol) {
        const double x = (k.odKm + k.doKm) / 2.0;
        dopisz(v, x, k.vMin, k.vMax);
        dopisz(l, x, k.limitMin, k.limitMax);
    }
    predkosc_->replace(v);
    limit_->replace(l);
    przerzedzanie_ = false;
}

// ---- widok ----

WidokProfilu::WidokProfilu(WykresProfilu* wykres, QWidget* rodzic) : QChartView(wykres, rodzic), wykres_(wykres)
{
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::HorizontalRubberBand);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

QPointF WidokProfilu::punktWykresu(QPointF wWidoku) const
{
    return wykres_->mapFromScene(mapToScene(wWidoku.toPoint()));
}

void WidokProfilu::wheelEvent(QWheelEvent* e)
{
    const double kroki = e->angleDelta().y() / 120.0;
    if (kroki == 0) {
        e->ignore();
        return;
    }
    if (e->modifiers() & Qt::ShiftModifier) {
        wykres_->przesun(-0.2 * kroki);
    } else {
        const double km = wykres_->mapToValue(punktWykresu(e->position())).x();
        wykres_->powieksz(std::pow(1.25, kroki), km);
    }
    e->accept();
}

void WidokProfilu::mouseMoveEvent(QMouseEvent* e)
{
    QChartView::mouseMoveEvent(e);
    const QPointF p = punktWykresu(e->position());
    if (wykres_->plotArea().contains(p))
        emit kursor(wykres_->mapToValue(p).x());
    else
        emit kursor(-1);
}

void WidokProfilu::mouseReleaseEvent(QMouseEvent* e)
{
    // prawy przycisk: cała trasa (zamiast oddalania o krok zaznaczenia)
    if (e->button() == Qt::RightButton) {
        wykres_->pokazCalosc();
        e->accept();
        return;
    }
    QChartView::mouseReleaseEvent(e);
    // zaznaczenie mogło wyjść poza trasę
    wykres_->pokazZakres(wykres_->odKm(), wykres_->doKm());
}

void WidokProfilu::mouseDoubleClickEvent(QMouseEvent* e)
{
    wykres_->pokazCalosc();
    e->accept();
}

void WidokProfilu::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: wykres_->przesun(-0.2); break;
    case Qt::Key_Right: wykres_->przesun(0.2); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: wykres_->powieksz(1.5, (wykres_->odKm() + wykres_->doKm()) / 2); break;
    case Qt::Key_Minus: wykres_->powieksz(1 / 1.5, (wykres_->odKm() + wykres_->doKm()) / 2); break;
    case Qt::Key_Home: wykres_->pokazCalosc(); break;
    default: QChartView::keyPressEvent(e); return;
    }
    e->accept();
}

void WidokProfilu::leaveEvent(QEvent* e)
{
    QChartView::leaveEvent(e);
    emit kursor(-1);
}

// ---- zapis ----

namespace {

// Rysuje wykres ułożony w rozmiarze `logiczny` (piksele ekranu, od niego zależą
// czcionki i przerzedzenie) w prostokącie `cel` urządzenia; wykres wraca potem na
// swoje miejsce.
void rysuj(WykresProfilu& w, QPainter& p, const QRectF& cel, const QSizeF& logiczny)
{
    QGraphicsScene* staraScena = w.scene();
    const QRectF staraGeometria = w.geometry();
    QGraphicsScene scena;
    if (staraScena)
        staraScena->removeItem(&w);
    scena.addItem(&w);
    w.setGeometry(QRectF(QPointF(0, 0), logiczny));
    scena.setSceneRect(QRectF(QPointF(0, 0), logiczny));
    scena.render(&p, cel, scena.sceneRect());
    scena.removeItem(&w);
    if (staraScena) {
        staraScena->addItem(&w);
        w.setGeometry(staraGeometria);
    }
}

} // namespace

bool zapiszWykresPng(WykresProfilu& w, const QString& plik, QSize rozmiar, QString& blad)
{
    QImage obraz(rozmiar, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::white);
    {
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        rysuj(w, p, QRectF(QPointF(0, 0), QSizeF(rozmiar)), QSizeF(rozmiar));
    }
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    if (!obraz.save(&bufor, "PNG")) {
        blad = QStringLiteral("Nie można utworzyć obrazu wykresu \"%1\".").arg(plik);
        return false;
    }
    return zapiszAtomowo(plik, dane, blad);
}

bool zapiszWykresPdf(WykresProfilu& w, const QString& plik, QString& blad)
{
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setTitle(QStringLiteral("Profil prędkości"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        pdf.setResolution(150);
        QPainter p(&pdf);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect strona = pdf.pageLayout().paintRectPixels(pdf.resolution());
        // strona A4 pozioma przy 150 dpi; układ jak na ekranie szerokim na 1100 pikseli
        const QSizeF logiczny(1100.0, 1100.0 * strona.height() / strona.width());
        rysuj(w, p, QRectF(QPointF(0, 0), QSizeF(strona.size())), logiczny);
    }
    return zapiszAtomowo(plik, dane, blad);
}

bool zapiszWykres(WykresProfilu& w, const QString& plik, QString& blad)
{
    if (plik.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return zapiszWykresPdf(w, plik, blad);
    return zapiszWykresPng(w, plik, QSize(1600, 800), blad);
}

} // namespace tks::ui
