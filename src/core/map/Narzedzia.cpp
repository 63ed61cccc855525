#include "Narzedzia.h"

#include "Kanwa.h"
#include "app/Droga.h"

#include <QPainter>
#include <QPainterPath>

namespace tks {

bool WcisnijNarzedzie(Droga& d, Narzedzie n)
{
    d.widok.narzedzie = n;
    Trasa& t = d.trasa;
    if (n == Narzedzie::Wskaznik) {
        const bool kandydaci = !t.OdcinkiWyboru.empty() || !t.PunktyWyboru.empty();
        t.TrybWyboru = 0;
        return kandydaci;
    }
    if (d.kontrolki.kryterium != 2)
        return false;
    switch (n) {
    case Narzedzie::Start:
        t.TrybWyboru = 1;
        break;
    case Narzedzie::Przez:
        t.TrybWyboru = 2;
        break;
    case Narzedzie::Koniec:
        t.TrybWyboru = 3;
        break;
    default:
        return false;
    }
    return !t.GlowneStacje.empty();
}

int KursorNarzedzia(Narzedzie n)
{
    switch (n) {
    case Narzedzie::Powieksz: return 21;
    case Narzedzie::Przesun: return 22;
    case Narzedzie::Start: return 23;
    case Narzedzie::Koniec: return 24;
    case Narzedzie::Przez: return 25;
    case Narzedzie::Usun: return 26;
    case Narzedzie::NiePrzez: return 27;
    case Narzedzie::Wskaznik: break;
    }
    return 0;
}

QString PodpowiedzNarzedzia(Narzedzie n)
{
    switch (n) {
    case Narzedzie::Powieksz: return QStringLiteral("Powiększanie\r\nskali mapy");
    case Narzedzie::Przesun: return QStringLiteral("Przesuwanie mapy");
    case Narzedzie::Start: return QStringLiteral("Wybór stacji\r\npoczątkowej");
    case Narzedzie::Koniec: return QStringLiteral("Wybór stacji\r\nkońcowej");
    case Narzedzie::Przez: return QStringLiteral("Wybór stacji\r\npośredniej");
    case Narzedzie::Usun: return QStringLiteral("Usunięcie z trasy\r\nwybranego punktu");
    case Narzedzie::NiePrzez:
        return QStringLiteral("Oznaczanie linii lub \r\nstacji, przez które\r\nnie należy układac \r\ntrasy");
    case Narzedzie::Wskaznik: break;
    }
    return {};
}

QImage ObrazKursora(Narzedzie n, QPoint& punktAktywny)
{
    QImage im(32, 32, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    if (n == Narzedzie::Wskaznik) {
        punktAktywny = {0, 0};
        return im;
    }
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen obwodka(Qt::white, 3);
    const QPen kreska(Qt::black, 1);
    auto krzyz = [&](QPointF c, double r) {
        for (const QPen& pen : {obwodka, kreska}) {
            p.setPen(pen);
            p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
            p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        }
    };
    if (n == Narzedzie::Powieksz) {
        // Lupa z plusem; punkt aktywny w środku szkła.
        punktAktywny = {12, 12};
        for (const QPen& pen : {QPen(Qt::white, 5), QPen(Qt::black, 3)}) {
            p.setPen(pen);
            p.drawLine(QPointF(18, 18), QPointF(28, 28));
        }
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        krzyz(QPointF(12, 12), 4);
        return im;
    }
    if (n == Narzedzie::Przesun) {
        // Strzałki na cztery strony.
        punktAktywny = {16, 16};
        QPainterPath sciezka;
        const QPointF c(16, 16);
        for (int i = 0; i < 4; ++i) {
            QTransform t;
            t.translate(c.x(), c.y());
            t.rotate(90.0 * i);
            QPolygonF grot({QPointF(0, -14), QPointF(-5, -8), QPointF(5, -8)});
            sciezka.addPolygon(t.map(grot));
            sciezka.closeSubpath();
        }
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::black);
        p.drawPath(sciezka);
        krzyz(c, 9);
        return im;
    }
    // Narzędzia punktów: krzyż celownika i znak narzędzia obok.
    punktAktywny = {10, 10};
    krzyz(QPointF(10, 10), 9);
    QString znak;
    QColor kolor;
    switch (n) {
    case Narzedzie::Start: znak = QStringLiteral("S"); kolor = QColor(0, 150, 0); break;
    case Narzedzie::Koniec: znak = QStringLiteral("K"); kolor = QColor(200, 0, 0); break;
    case Narzedzie::Przez: znak = QStringLiteral("P"); kolor = QColor(0, 0, 200); break;
    case Narzedzie::Usun: znak = QStringLiteral("U"); kolor = QColor(90, 90, 90); break;
    default: znak = QStringLiteral("X"); kolor = QColor(200, 0, 0); break;
    }
    const QRectF pole(17, 17, 14, 14);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(kolor);
    p.drawRect(pole);
    QFont f(kCzcionkaMapy);
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pole, Qt::AlignCenter, znak);
    return im;
}

bool ZmienWidokPoKliknieciu(Widok& w, TPiksel dol, TPiksel gora)
{
    if (w.narzedzie == Narzedzie::Powieksz) {
        PowiekszMape(w, gora.x, gora.y);
        return true;
    }
    if (w.narzedzie == Narzedzie::Przesun)
        return PrzesunMape(w, dol, gora);
    return false;
}

StanNaglowka ZapamietajNaglowek(const Droga& d)
{
    return {d.pociag.pole(QStringLiteral("StacjaPoczatkowa")), d.pociag.pole(QStringLiteral("StacjaKoncowa")),
            d.pociag.pole(QStringLiteral("Dlugosc"))};
}

namespace {
bool rozne(const QVariant& a, const QVariant& b) { return a.isValid() != b.isValid() || a != b; }
} // namespace

bool AktualizujNaglowekPoKliknieciu(Droga& d, const StanNaglowka& przed)
{
    const StanNaglowka po = ZapamietajNaglowek(d);
    const bool zmiana = rozne(przed.stacjaPoczatkowa, po.stacjaPoczatkowa) ||
                        rozne(przed.stacjaKoncowa, po.stacjaKoncowa) || rozne(przed.dlugosc, po.dlugosc);
    if (zmiana) {
        d.wycena.sumaPostojow = 0;
        d.pociag.PociagStacje.wyczysc();
    }
    Pociag& p = d.pociag;
    if (p.maNaglowek()) {
        const QVariant cena = p.pole(QStringLiteral("CenaWyliczona"));
        p.ustaw(QStringLiteral("CenaRozkJazdy"),
                cena.isValid() ? QVariant(d.kalendarz.LDniKurs * cena.toDouble()) : QVariant());
        p.ustaw(QStringLiteral("CenaPostojow"), d.wycena.sumaPostojow);
        p.zatwierdz();
    }
    if (po.dlugosc.isValid())
        d.trasa.dlugoscDoNaglowka = po.dlugosc.toDouble();
    return zmiana;
}

} // namespace tks
