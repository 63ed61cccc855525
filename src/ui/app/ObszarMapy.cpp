#include "ObszarMapy.h"

#include "app/Droga.h"
#include "map/Kanwa.h"
#include "map/Klikniecia.h"
#include "map/Kolory.h"
#include "map/PasekSkali.h"
#include "map/Widok.h"
#include "map/TFrmDrogaWybor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>

namespace tks::ui {

namespace {
constexpr int kKrokKolka = 120;   // jeden ząbek kółka myszy
constexpr int kGruboscRamkiFokusu = 2;
TPiksel piksel(QPoint p) { return {p.x(), p.y()}; }
} // namespace

ObszarMapy::ObszarMapy(Droga& d, QImage& pb2, QWidget* rodzic) : QWidget(rodzic), d_(d), pb2_(pb2)
{
    setObjectName(QStringLiteral("Pb1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(200, 200);

    TimerHint = new QTimer(this);
    TimerHint->setObjectName(QStringLiteral("TimerHint"));
    TimerHint->setSingleShot(true);
    TimerHint->setInterval(kOpoznieniePodpowiedzi);
    connect(TimerHint, &QTimer::timeout, this, &ObszarMapy::TimerHintTimer);
}

void ObszarMapy::przerysuj()
{
    nieaktualna_ = true;
    update();
}

void ObszarMapy::aktualizuj()
{
    if (ekran_.size() != size()) {
        ekran_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        ekran_.fill(kolorZBgr(d_.kolory.KolorTla));
        hint_.pokazana = false;
        nieaktualna_ = true;
    }
    if (nieaktualna_ && !d_.widok.rysowanieWstrzymane)
        rysujMape();
}

void ObszarMapy::rysujMape()
{
    StanPaneluMapy stan;
    {
        QPainter p(&ekran_);
        KanwaEkranu k(p, true);
        stan = odswiez(d_, k, &warstwy_);
    }
    // nowy obraz: ramki podpowiedzi już na nim nie ma
    hint_.pokazana = false;
    nieaktualna_ = false;
    emit narysowano(stan);
}

void ObszarMapy::paintEvent(QPaintEvent* e)
{
    aktualizuj();
    QPainter p(this);
    p.drawImage(e->rect(), ekran_, e->rect());
    // pasek skali nad obrazem mapy: stoi w miejscu także w czasie przesuwania
    if (d_.kolory.PasekSkali && d_.widok.SkalaBazowa > 0)
        RysujPasekSkali(p, QRectF(rect()), d_.widok.k() / 10000.0);
    if (hasFocus()) {
        // ramka fokusu tylko na ekranie (nie na obrazie mapy ani wydruku)
        p.setPen(QPen(palette().color(QPalette::Highlight), kGruboscRamkiFokusu, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        const int m = kGruboscRamkiFokusu / 2;
        p.drawRect(rect().adjusted(m, m, -m - 1, -m - 1));
    }
}

void ObszarMapy::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void ObszarMapy::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void ObszarMapy::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    TimerHint->stop();
    hint_.pokazana = false;
    przerysuj();
    emit zmienionoRozmiar(e->size());
}

// ---- podpowiedź

QRect ObszarMapy::obszarPodpowiedzi() const
{
    const TProstokat& r = hint_.rect;
    return QRect(r.left, r.top, r.szerokosc(), r.wysokosc()).adjusted(-1, -1, 1, 1) & ekran_.rect();
}

void ObszarMapy::usunPodpowiedz()
{
    if (!hint_.pokazana)
        return;
    hint_.pokazana = false;
    const QRect r = obszarPodpowiedzi();
    if (pb2_.size() == ekran_.size()) {
        QPainter p(&ekran_);
        p.drawImage(r.topLeft(), pb2_, r);
    } else {
        nieaktualna_ = true;
    }
    update(r);
}

void ObszarMapy::TimerHintTimer()
{
    TimerHint->stop();
    LabelHintClear(hint_);
    // tylko dla kursora nad obszarem mapy
    if (!mysz_ || !rect().contains(ostatni_) || d_.widok.rysowanieWstrzymane)
        return;
    aktualizuj();
    usunPodpowiedz();
    QPainter p(&ekran_);
    KanwaEkranu k(p, true);
    if (!PrzygotujPodpowiedz(d_, ostatni_.x(), ostatni_.y(), k, hint_))
        return;
    // piksele pod ramką do ukrytego obrazu
    if (pb2_.size() != ekran_.size())
        pb2_ = QImage(ekran_.size(), QImage::Format_RGB32);
    const QRect r = obszarPodpowiedzi();
    {
        QPainter q(&pb2_);
        q.drawImage(r.topLeft(), ekran_, r);
    }
    RysujPodpowiedz(k, hint_, bgrZKoloru(palette().color(QPalette::ToolTipBase)));
    hint_.pokazana = true;
    update(r);
}

// ---- mysz i klawiatura

void ObszarMapy::mousePressEvent(QMouseEvent* e)
{
    aktualizuj();
    TimerHint->stop();
    usunPodpowiedz();
    dol_ = ostatni_ = e->position().toPoint();
    // każdy przycisk myszy działa narzędziem; podgląd przesuwania tylko z lewym
    if (d_.widok.narzedzie == Narzedzie::Przesun) {
        // cała mapa do ukrytego obrazu: podgląd przesuwania
        pb2_ = ekran_.copy();
        przesuwanie_ = true;
    }
}

void ObszarMapy::mouseMoveEvent(QMouseEvent* e)
{
    mysz_ = true;
    TimerHint->stop();
    const QPoint p = e->position().toPoint();
    if (p == ostatni_)
        return;
    usunPodpowiedz();
    if (przesuwanie_ && (e->buttons() & Qt::LeftButton)) {
        QPainter q(&ekran_);
        q.fillRect(ekran_.rect(), kolorZBgr(kSrebrny));
        q.drawImage(p - dol_, pb2_);
        update();
    }
    // w czasie przesuwania bez podpowiedzi: ukryty obraz trzyma wtedy całą mapę
    if (!przesuwanie_)
        TimerHint->start();
    ostatni_ = p;
}

void ObszarMapy::mouseReleaseEvent(QMouseEvent* e)
{
    const bool przesuwanie = przesuwanie_;
    przesuwanie_ = false;
    aktualizuj();
    const QPoint gora = e->position().toPoint();
    ostatni_ = gora;
    const WynikKlikniecia w = PuszczenieMyszy(d_, piksel(dol_), piksel(gora));
    if (w.przerysuj) {
        przerysuj();
    } else if (przesuwanie && pb2_.size() == ekran_.size()) {
        // przeciąganie skończone tam, gdzie się zaczęło: mapa jak przed nim
        ekran_ = pb2_.copy();
        update();
    }
    emit puszczonoMysz(w.wyczyscPola);
}

void ObszarMapy::wheelEvent(QWheelEvent* e)
{
    aktualizuj();
    kolko_ += e->angleDelta().y();
    const QPoint p = e->position().toPoint();
    bool zmiana = false;
    for (; kolko_ >= kKrokKolka; kolko_ -= kKrokKolka) {
        PowiekszMape(d_.widok, p.x(), p.y());
        zmiana = true;
    }
    for (; kolko_ <= -kKrokKolka; kolko_ += kKrokKolka)
        zmiana = PomniejszMape(d_.widok) || zmiana;
    if (zmiana)
        przerysuj();
    e->accept();
}

void ObszarMapy::keyPressEvent(QKeyEvent* e)
{
    aktualizuj();
    Widok& w = d_.widok;
    const int dx = width() / 4, dy = height() / 4;
    const TPiksel srodek{width() / 2, height() / 2};
    bool zmiana = false;
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        PowiekszMape(w, srodek.x, srodek.y);
        zmiana = true;
        break;
    case Qt::Key_Minus:
        zmiana = PomniejszMape(w);
        break;
    // strzałka pokazuje dalszą część mapy w swoim kierunku
    case Qt::Key_Left:
        zmiana = PrzesunMape(w, srodek, {srodek.x + dx, srodek.y});
        break;
    case Qt::Key_Right:
        zmiana = PrzesunMape(w, srodek, {srodek.x - dx, srodek.y});
        break;
    case Qt::Key_Up:
        zmiana = PrzesunMape(w, srodek, {srodek.x, srodek.y + dy});
        break;
    case Qt::Key_Down:
        zmiana = PrzesunMape(w, srodek, {srodek.x, srodek.y - dy});
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    if (zmiana)
        przerysuj();
    e->accept();
}

void ObszarMapy::enterEvent(QEnterEvent* e)
{
    mysz_ = true;
    QWidget::enterEvent(e);
}

void ObszarMapy::leaveEvent(QEvent* e)
{
    mysz_ = false;
    TimerHint->stop();
    usunPodpowiedz();
    QWidget::leaveEvent(e);
}

int ObszarMapy::wybierzZListy(const QStringList& pozycje)
{
    TimerHint->stop();
    usunPodpowiedz();
    return TFrmDrogaWybor::wybierz(this, ostatni_, pozycje);
}

} // namespace tks::ui
