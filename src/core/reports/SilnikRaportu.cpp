#include "SilnikRaportu.h"

#include "common/ZapisAtomowy.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace tks {

namespace {

// Wewnątrz pasm rysujemy w setnych częściach milimetra: czcionki mają rozmiar
// w pikselach tej jednostki, więc pomiar tekstu nie zależy od rozdzielczości urządzenia.
constexpr double kJednostek = 100.0;
constexpr double kMmNaPunkt = 25.4 / 72.0;

QFont czcionka(const CzcionkaRaportu& c)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(c.punkty * kMmNaPunkt * kJednostek))));
    f.setBold(c.pogrubiona);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QRectF wJednostkach(const QRectF& r)
{
    return {r.x() * kJednostek, r.y() * kJednostek, r.width() * kJednostek, r.height() * kJednostek};
}

} // namespace

QString tekstStrony(int strona, int liczbaStron)
{
    return QStringLiteral("Strona ") + QString::number(strona) + QLatin1Char('/') + QString::number(liczbaStron);
}

int zoomCalejStrony(const QSizeF& strona100, const QSizeF& okno)
{
    if (strona100.width() <= 0 || strona100.height() <= 0)
        return 100;
    const double k = std::min(okno.width() / strona100.width(), okno.height() / strona100.height());
    return std::clamp(int(std::floor(k * 100.0)), kZoomMin, kZoomMax);
}

void Pasmo::dodajTekst(const QRectF& obszar, const QString& tekst, CzcionkaRaportu c, int flagi)
{
    teksty.append({obszar, tekst, c, flagi});
}

void Pasmo::dodajLinie(const QLineF& linia, double grubosc, bool szara) { linie.append({linia, grubosc, szara}); }

double wysokoscTekstu(const CzcionkaRaportu& c, double szerokosc, const QString& tekst)
{
    const QFontMetricsF fm(czcionka(c));
    const QRectF r = fm.boundingRect(QRectF(0, 0, std::max(1.0, szerokosc) * kJednostek, 1e7),
                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tekst);
    return std::max(r.height(), fm.height()) / kJednostek;
}

double szerokoscTekstu(const CzcionkaRaportu& c, const QString& tekst)
{
    const QFontMetricsF fm(czcionka(c));
    double w = 0;
    for (const QString& linia : tekst.split(QLatin1Char('\n')))
        w = std::max(w, fm.horizontalAdvance(linia));
    return w / kJednostek;
}

QVector<double> szerokosciWgTresci(const QVector<double>& naturalne, const QVector<bool>& zawijane, double szerokosc,
                                   double minimum)
{
    QVector<double> s = naturalne;
    if (s.isEmpty())
        return s;
    double suma = 0;
    for (double x : s)
        suma += x;
    if (suma > szerokosc) {
        // nadmiar zabierany kolumnom zawijanym w stosunku do tego, co mają ponad minimum
        double ponad = 0;
        for (int i = 0; i < s.size(); ++i)
            if (zawijane.value(i) && s[i] > minimum)
                ponad += s[i] - minimum;
        const double zabrac = std::min(suma - szerokosc, ponad);
        if (ponad > 0)
            for (int i = 0; i < s.size(); ++i)
                if (zawijane.value(i) && s[i] > minimum)
                    s[i] -= (s[i] - minimum) * zabrac / ponad;
        suma = 0;
        for (double x : s)
            suma += x;
    }
    if (suma < szerokosc)
        s.last() += szerokosc - suma;
    return s;
}

Pasmo pasmoWiersza(const QVector<KolumnaRaportu>& kolumny, const QStringList& wartosci,
                   const CzcionkaRaportu& c, double margines, bool linia)
{
    Pasmo p;
    double h = 0;
    for (int i = 0; i < kolumny.size(); ++i)
        h = std::max(h, wysokoscTekstu(c, kolumny[i].szerokosc - 2 * margines, wartosci.value(i)));
    p.wysokosc = h + 2 * margines;
    for (int i = 0; i < kolumny.size(); ++i) {
        const KolumnaRaportu& k = kolumny[i];
        const QString t = wartosci.value(i);
        if (t.isEmpty())
            continue;
        p.dodajTekst(QRectF(k.x + margines, margines, k.szerokosc - 2 * margines, h), t, c,
                     int(k.wyrownanie | Qt::AlignTop | Qt::TextWordWrap));
    }
    if (linia && !kolumny.isEmpty()) {
        const double x1 = kolumny.last().x + kolumny.last().szerokosc;
        p.dodajLinie(QLineF(kolumny.first().x, p.wysokosc, x1, p.wysokosc), 0.1, true);
    }
    return p;
}

// ---- Raport ----

QSizeF Raport::rozmiarStrony() const { return rozmiar.size(QPageSize::Millimeter); }

double Raport::szerokoscObszaru() const { return rozmiarStrony().width() - lewy - prawy; }

double Raport::wysokoscStopki() const { return wysokoscTekstu(czcionkaStopki, 100, QStringLiteral("S")) + 2.0; }

const Pasmo& Raport::pasmo(int indeks) const
{
    if (indeks >= 0)
        return szczegoly[indeks];
    if (indeks == -1)
        return naglowekKolumn;
    return tytul[-2 - indeks];
}

const QVector<QVector<Raport::Umieszczenie>>& Raport::strony() const
{
    if (!strony_.isEmpty())
        return strony_;
    const double gora = gorny;
    const double dol = rozmiarStrony().height() - dolny - wysokoscStopki();
    QVector<Umieszczenie> strona;
    double y = gora;
    const auto nowaStrona = [&] {
        strony_.append(strona);
        strona.clear();
        y = gora;
    };
    // pasmo na bieżącej stronie albo na nowej, gdy się nie mieści (pasmo wyższe
    // niż strona trafia na pustą stronę i jest przycinane)
    const auto umiesc = [&](int indeks) {
        const double h = pasmo(indeks).wysokosc;
        if (y + h > dol && !strona.isEmpty())
            nowaStrona();
        strona.append({indeks, y});
        y += h;
    };
    for (int i = 0; i < tytul.size(); ++i)
        umiesc(-2 - i);
    // nagłówek kolumn razem z pierwszym wierszem szczegółów
    const double pierwszy = szczegoly.isEmpty() ? 0 : szczegoly.first().wysokosc;
    if (y + naglowekKolumn.wysokosc + pierwszy > dol && !strona.isEmpty())
        nowaStrona();
    umiesc(-1);
    for (int i = 0; i < szczegoly.size(); ++i) {
        if (y + szczegoly[i].wysokosc > dol) {
            nowaStrona();
            umiesc(-1);
        }
        umiesc(i);
    }
    strony_.append(strona);
    return strony_;
}

int Raport::liczbaStron() const { return int(strony().size()); }

void Raport::rysujPasmo(QPainter& p, const Pasmo& pasmo, double y) const
{
    p.save();
    p.translate(lewy * kJednostek, y * kJednostek);
    for (const LiniaPasma& l : pasmo.linie) {
        QPen pioro(l.szara ? QColor(0x90, 0x90, 0x90) : QColor(Qt::black));
        pioro.setWidthF(l.grubosc * kJednostek);
        p.setPen(pioro);
        p.drawLine(QLineF(l.linia.p1() * kJednostek, l.linia.p2() * kJednostek));
    }
    p.setPen(Qt::black);
    for (const TekstPasma& t : pasmo.teksty) {
        p.setFont(czcionka(t.czcionka));
        p.drawText(wJednostkach(t.obszar), t.flagi, t.tekst);
    }
    p.restore();
}

void Raport::rysujStrone(QPainter& p, int strona) const
{
    const auto& s = strony();
    if (strona < 1 || strona > s.size())
        return;
    p.save();
    p.scale(1.0 / kJednostek, 1.0 / kJednostek);
    const QRectF obszar(lewy * kJednostek, gorny * kJednostek, szerokoscObszaru() * kJednostek,
                        (rozmiarStrony().height() - gorny - dolny) * kJednostek);
    p.setClipRect(obszar);
    for (const Umieszczenie& u : s[strona - 1])
        rysujPasmo(p, pasmo(u.indeks), u.y);
    // stopka: numer strony przy prawym marginesie, kreska nad nią
    const double h = wysokoscStopki();
    const double y = rozmiarStrony().height() - dolny - h;
    QPen pioro(Qt::black);
    pioro.setWidthF(0.1 * kJednostek);
    p.setPen(pioro);
    p.drawLine(QLineF(obszar.left(), (y + 0.5) * kJednostek, obszar.right(), (y + 0.5) * kJednostek));
    p.setFont(czcionka(czcionkaStopki));
    p.drawText(QRectF(obszar.left(), (y + 1.0) * kJednostek, obszar.width(), (h - 1.0) * kJednostek),
               int(Qt::AlignRight | Qt::AlignTop), stopka ? stopka(strona) : QString());
    p.restore();
}

QImage Raport::obrazStrony(int strona, double dpi) const
{
    const QSizeF mm = rozmiarStrony();
    const double px = dpi / 25.4;
    QImage obraz(std::max(1, int(std::lround(mm.width() * px))), std::max(1, int(std::lround(mm.height() * px))),
                 QImage::Format_RGB32);
    if (obraz.isNull())
        return obraz;
    obraz.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    obraz.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(px, px);
    rysujStrone(p, strona);
    return obraz;
}

bool Raport::drukuj(QPagedPaintDevice& urzadzenie, QString& blad) const
{
    urzadzenie.setPageSize(rozmiar);
    urzadzenie.setPageOrientation(QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&urzadzenie)) {
        blad = QStringLiteral("Nie można rozpocząć wydruku.");
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    // malujemy w układzie kartki: początek urządzenia jest w rogu obszaru malowania
    const int dpi = urzadzenie.logicalDpiX();
    const QRectF obszar = urzadzenie.pageLayout().paintRectPixels(dpi);
    p.translate(-obszar.left(), -obszar.top());
    p.scale(dpi / 25.4, urzadzenie.logicalDpiY() / 25.4);
    const int n = liczbaStron();
    for (int i = 1; i <= n; ++i) {
        if (i > 1 && !urzadzenie.newPage()) {
            p.end();
            blad = QStringLiteral("Nie można dodać strony %1 wydruku.").arg(i);
            return false;
        }
        rysujStrone(p, i);
    }
    if (!p.end()) {
        blad = QStringLiteral("Nie można zakończyć wydruku.");
        return false;
    }
    return true;
}

bool Raport::zapiszPdf(const QString& sciezka, QString& blad) const
{
    // strony najpierw w pamięci, potem cały plik naraz (bez plików uciętych)
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setTitle(tytulDokumentu);
        pdf.setCreator(QStringLiteral("Taksatura"));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!drukuj(pdf, blad))
            return false;
    }
    return zapiszAtomowo(sciezka, bufor.data(), blad);
}

} // namespace tks
