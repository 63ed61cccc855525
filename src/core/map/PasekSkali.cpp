#include "PasekSkali.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace tks {

double DlugoscPaskaSkali(double pikseliNaMetr, double maksPikseli)
{
    if (!(pikseliNaMetr > 0) || !std::isfinite(pikseliNaMetr) || !(maksPikseli > 0))
        return 0;
    const double maksMetrow = maksPikseli / pikseliNaMetr;
    if (maksMetrow < 1)
        return 0;
    double potega = std::pow(10.0, std::floor(std::log10(maksMetrow)));
    // log10 bywa o włos za mały albo za duży na dokładnych potęgach
    if (potega * 10 <= maksMetrow)
        potega *= 10;
    else if (potega > maksMetrow)
        potega /= 10;
    for (const double m : {5.0, 2.0, 1.0})
        if (m * potega <= maksMetrow)
            return m * potega;
    return potega;
}

QString TekstPaskaSkali(double metry)
{
    if (metry >= 1000)
        return QString::number(std::llround(metry / 1000)) + QStringLiteral(" km");
    return QString::number(std::llround(metry)) + QStringLiteral(" m");
}

void RysujPasekSkali(QPainter& p, const QRectF& obszar, double pikseliNaMetr, double piksel)
{
    const double metry = DlugoscPaskaSkali(pikseliNaMetr, kMaksDlugoscPaska * piksel);
    if (metry <= 0)
        return;
    const double dlugosc = metry * pikseliNaMetr;
    const QString koniec = TekstPaskaSkali(metry);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(std::lround(11 * piksel))));
    p.setFont(f);
    const QFontMetricsF fm(f, p.device());
    const double margines = 10 * piksel;
    const double wciecie = 4 * piksel;
    const double wysPaska = 5 * piksel;
    const double wysTekstu = fm.height();
    const double szerKonca = fm.horizontalAdvance(koniec);

    // biała podkładka: pasek czytelny na każdym tle
    const double lewa = obszar.left() + margines;
    const double dol = obszar.bottom() - margines;
    const QRectF podkladka(lewa, dol - (wysTekstu + wysPaska + 3 * wciecie),
                           dlugosc + szerKonca / 2 + fm.horizontalAdvance(QStringLiteral("0")) / 2 + 2 * wciecie,
                           wysTekstu + wysPaska + 3 * wciecie);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRect(podkladka);

    const double x0 = lewa + wciecie + fm.horizontalAdvance(QStringLiteral("0")) / 2;
    const double yPaska = dol - wciecie - wysPaska;
    // pasek dwudzielny: lewa połowa czarna, prawa biała, całość w czarnej ramce
    QPen pioro(Qt::black);
    pioro.setWidthF(std::max(1.0, piksel));
    pioro.setJoinStyle(Qt::MiterJoin);
    p.setPen(pioro);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x0, yPaska, dlugosc, wysPaska));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(x0, yPaska, dlugosc / 2, wysPaska));

    p.setPen(Qt::black);
    const double yTekstu = yPaska - wciecie / 2 - fm.descent();
    p.drawText(QPointF(x0 - fm.horizontalAdvance(QStringLiteral("0")) / 2, yTekstu), QStringLiteral("0"));
    p.drawText(QPointF(x0 + dlugosc - szerKonca / 2, yTekstu), koniec);
    p.restore();
}

} // namespace tks
