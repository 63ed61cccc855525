#include "WydrukMapki.h"

#include "Kanwa.h"
#include "Kolory.h"
#include "PasekSkali.h"
#include "Rysowanie.h"
#include "Widok.h"
#include "app/Droga.h"
#include "common/Liczby.h"
#include "common/ZapisAtomowy.h"
#include "pricing/Przedzialy.h"
#include "reports/PodgladTrasy.h"
#include "reports/WydrukTrasy.h"
#include "routing/Kontrolki.h"
#include "routing/Przeliczanie.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tks {

namespace {

constexpr std::int32_t kBialy = 0xFFFFFF;
constexpr std::int32_t kSzary = 0x808080;

QVariant pole(const Droga& d, const char* nazwa)
{
    return d.pociag.maNaglowek() ? d.pociag.pole(QString::fromLatin1(nazwa)) : QVariant();
}
QString tekstPola(const Droga& d, const char* nazwa) { return pole(d, nazwa).toString(); }

double mmNaPiks(double mm, double ppi) { return ppi * mm / 25.4; }

// Widok wydruku według rodzaju (skala bazowa min(szer., wys.) / 600 tylko na
// potrzeby tego kroku; rysowanie liczy swoją).
void ustawWidokWydruku(Droga& d, int rodzaj)
{
    Widok& w = d.widok;
    w.szerokosc = kSzerMapyPiks;
    w.wysokosc = kWysMapyPiks;
    const double skala = std::min(kSzerMapyPiks, kWysMapyPiks) / 600.0;
    w.SkalaBazowa = skala;
    switch (rodzaj) {
    case MapkaCala:
        w.zoom = kPowiekszenie1x;
        w.WspXSrodka = d.siec.SrodekDomyslny.x;
        w.WspYSrodka = d.siec.SrodekDomyslny.y;
        break;
    case MapkaOkno:
        w.zoom = std::int64_t(zaokraglij(double(w.zoom) * 0.95));
        break;
    case MapkaDoTrasy: {
        // ramka od małego prostokąta wokół bieżącego środka, poszerzana końcami elementów trasy
        const TPunkt a = pktkm(w, 0, 0);
        const TPunkt b = pktkm(w, w.szerokosc, w.wysokosc);
        double lewa = a.x, gora = a.y, prawa = b.x, dol = b.y;
        for (const TSciezka& e : d.trasa.Sciezki) {
            prawa = std::max({prawa, e.XOd, e.XDo});
            lewa = std::min({lewa, e.XOd, e.XDo});
            dol = std::max({dol, e.YOd, e.YDo});
            gora = std::min({gora, e.YOd, e.YDo});
        }
        w.WspXSrodka = (lewa + prawa) / 2;
        w.WspYSrodka = (gora + dol) / 2;
        const double E = std::max(prawa - lewa, dol - gora);
        double zoom = double(kPowiekszenie1x);
        if (E > 0)
            zoom = zaokraglij((kPpiUkladu * 400000.0 / 96.0 / E) / skala * 0.9 * 10000.0);
        w.zoom = std::clamp<std::int64_t>(std::int64_t(zoom), kPowiekszenie1x, kPowiekszenieMax);
        break;
    }
    default:
        break;
    }
}

TPrintNapisEX blokTekstu(const QStringList& linie, double x, double y)
{
    TPrintNapisEX n;
    n.Linie = linie;
    n.Czcionka = kCzcionkaDanychMapki;
    n.Styl = 0;
    n.Rozmiar = 8;
    n.X = x;
    n.Y = y;
    return n;
}

QFont czcionkaElementu(const QString& nazwa, int rozmiar, std::uint8_t styl)
{
    QFont f;
    // czcionka nieznana systemowi zastąpiona czcionką mapy, a nie przypadkową
    f.setFamilies({nazwa, kCzcionkaMapy});
    f.setPointSize(std::max(1, rozmiar));
    f.setBold(styl & stylCzcionki::Pogrubiona);
    f.setItalic(styl & stylCzcionki::Kursywa);
    f.setUnderline(styl & stylCzcionki::Podkreslona);
    f.setStrikeOut(styl & stylCzcionki::Przekreslona);
    return f;
}

} // namespace

void KoloryCzarnoBiale(Kolory& k, Siec& s)
{
    k.KolorTla = kBialy;
    for (TPodzial& z : s.Zaklady)
        z.Kolor = kBialy;
    k.KolorPunktowStacji = kCzarny;
    k.KolorPunktowStacjiWezlowych = kCzarny;
    k.KolorPunktowTrasy = kCzarny;
    k.KolorPunktowZabronionych = kSzary;
    k.KolorPunktowStycznosci = kBialy;
    k.KolorLinii = kSzary;
    k.KolorLiniiObcych = kSrebrny;
    k.KolorLiniiTrasy = kCzarny;
    k.KolorLiniiTrasyNieWycenionej = kSzary;
    k.KolorNazwStacji = kSzary;
    k.KolorNazwStacjiWezlowych = kCzarny;
    k.KolorNazwStacjiTrasy = kCzarny;
}

QString TytulMapki(const Droga& d, int rodzaj)
{
    if (!d.trasa.Sciezki.empty()) {
        const QString numer = numerPociagu(d.pociag);
        return numer.isEmpty() ? QStringLiteral("Trasa nowego pociągu (bez numeru)")
                               : QStringLiteral("Trasa pociągu nr ") + numer;
    }
    switch (rodzaj) {
    case MapkaCala:
        return QStringLiteral("Sieć linii kolejowych");
    case MapkaOkno:
        return QStringLiteral("Wycinek sieci linii kolejowych");
    default:
        return {};
    }
}

QStringList DanePociaguMapki(const Droga& d)
{
    QStringList o;
    if (d.trasa.Sciezki.empty())
        return o;
    o << QStringLiteral("Numer pociągu : ") + numerPociagu(d.pociag);
    const QString nazwa = tekstPola(d, "NazwaPociagu");
    if (!nazwa.isEmpty())
        o << QStringLiteral("Nazwa pociągu : ") + nazwa;
    const int rodzaj = wierszRodzaju(d.siec, d.kontrolki.idRodzajuStawki);
    o << QStringLiteral("Rodzaj pociągu : ") +
             (rodzaj >= 0 ? d.siec.RodzajeStawekTab.tekst(rodzaj, QStringLiteral("Nazwa")) : QString());
    const int przedzial = wierszPrzedzialu(d.siec, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr);
    o << QStringLiteral("Brutto : ") +
             (przedzial >= 0 ? d.siec.ZakresyBr.tekst(przedzial, QStringLiteral("Opis")) : QString());
    const QString opis = tekstPola(d, "Opis");
    if (!opis.isEmpty())
        o << QStringLiteral("Opis pociągu : ") + opis;
    o << QStringLiteral("Kryterium wyboru trasy : ") + kPozycjeKryterium.value(d.kontrolki.kryterium);
    o << QStringLiteral("Długość trasy : ") + formatujKm(pole(d, "Dlugosc").toDouble());
    o << QStringLiteral("Wyliczona cena: ") + formatujZl(pole(d, "CenaPrzejazdu").toDouble());
    const QVariant cenaOkresu = pole(d, "CenaRozkJazdy");
    if (cenaOkresu.isValid() && !cenaOkresu.isNull())
        o << QStringLiteral("Cena za cały okres kursowania: ") + formatujZl(cenaOkresu.toDouble());
    const QVariant dni = pole(d, "LDniKurs");
    if (dni.isValid() && !dni.isNull())
        o << QStringLiteral("Liczba dni kursowania: ") + QString::number(dni.toLongLong());
    const QString kursuje = tekstPola(d, "Kursuje");
    if (!kursuje.isEmpty()) {
        // opis dni kursowania ma własne końce linii: każda to osobna linia bloku
        QStringList linie = kursuje.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
        while (!linie.isEmpty() && linie.last().isEmpty())
            linie.removeLast();
        if (!linie.isEmpty()) {
            linie[0] = QStringLiteral("Terminy kursowania: ") + linie[0];
            o << linie;
        }
    }
    const QVariant pelna = pole(d, "WycenaPelna");
    if (pelna.isValid() && !pelna.isNull() && !pelna.toBool())
        o << QString() << kUwagaNiepelnaWycena + d.trasa.NotaCeny;
    return o;
}

QString NazwaPlikuMapki(const Droga& d)
{
    if (d.trasa.Sciezki.empty())
        return QStringLiteral("Mapka.pdf");
    return QStringLiteral("Mapka") + proponowanaNazwaPliku(numerPociagu(d.pociag), QStringLiteral(".pdf"));
}

StronaMapy WydrukMapki(Droga& d, int rodzaj, int ppiDrukarki, std::optional<bool> czarnoBiala)
{
    StronaMapy s;
    s.pasekSkali = d.kolory.PasekSkali;
    s.czarnoBiala = czarnoBiala.value_or(WydrukCzarnoBialy(d.kolory.DrukarkaKolor));

    // stan do przywrócenia: cały widok (także skala ostatniego rysowania, której
    // używają kliknięcia) i kolory w pamięci - z kolorami obszarów zmienionymi
    // w oknie kolorów, a jeszcze nie zapisanymi
    const Widok widok = d.widok;
    const Kolory kolory = d.kolory;
    std::vector<std::int32_t> koloryZakladow;
    for (const TPodzial& z : d.siec.Zaklady)
        koloryZakladow.push_back(z.Kolor);
    d.widok.rysowanieWstrzymane = true;

    if (!d.trasa.Sciezki.empty())
        WyznaczTrase(d, 2);
    ustawWidokWydruku(d, rodzaj);
    if (s.czarnoBiala)
        KoloryCzarnoBiale(d.kolory, d.siec);

    {
        KanwaWydruku k(s.elementy, kSzerMapyPiks, kWysMapyPiks, kPpiUkladu, ppiDrukarki);
        odswiez(d, k);
    }
    s.pikseliNaMetr = d.widok.k() / 10000.0;
    s.zoom = d.widok.zoom;
    s.srodekX = d.widok.WspXSrodka;
    s.srodekY = d.widok.WspYSrodka;

    s.elementy.napisyEx.push_back(blokTekstu({TytulMapki(d, rodzaj)}, kTytulXMm, kTytulYMm));
    const QStringList dane = DanePociaguMapki(d);
    if (!dane.isEmpty())
        s.elementy.napisyEx.push_back(blokTekstu(dane, kDaneXMm, kDaneYMm));

    d.widok = widok;
    d.kolory = kolory;
    for (std::size_t i = 0; i < d.siec.Zaklady.size() && i < koloryZakladow.size(); ++i)
        d.siec.Zaklady[i].Kolor = koloryZakladow[i];
    return s;
}

void RysujStroneMapy(QPainter& p, const StronaMapy& s, double ppi)
{
    const ElementyWydruku& e = s.elementy;
    const double q = ppi / kPpiUkladu;
    const double ox = mmNaPiks(kLewaMapyMm, ppi);
    const double oy = mmNaPiks(kGoraMapyMm, ppi);
    const auto pt = [&](std::int32_t x, std::int32_t y) {
        return QPointF(std::nearbyint(x * q + ox), std::nearbyint(y * q + oy));
    };
    // ciągłe linie, strzałki i koła grubieją z rozdzielczością, kropkowane nie
    const auto grubosc = [&](std::uint8_t g) { return std::max(1.0, std::ceil(g * q)); };
    const auto pioro = [&](std::int32_t kolor, double szer, std::uint8_t styl) {
        if (styl == std::uint8_t(StylPiora::Brak))
            return QPen(Qt::NoPen);
        QPen pen(kolorZBgr(kolor));
        pen.setWidthF(szer);
        pen.setStyle(styl == std::uint8_t(StylPiora::Kropkowane) ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // 1. obszary
    for (const TPrintObszar& o : e.obszary) {
        QPolygonF w;
        w.reserve(qsizetype(o.Punkty.size()));
        for (const TPrintPunkt& t : o.Punkty)
            w << pt(t.x, t.y);
        p.setBrush(kolorZBgr(o.Kolor));
        p.setPen(pioro(o.Kolor, 1, 0));
        p.drawPolygon(w);
    }
    // 2. linie
    for (const TPrintLinia& l : e.linie) {
        const double g = l.Styl == std::uint8_t(StylPiora::Ciagle) ? grubosc(l.Grubosc) : std::max<double>(1, l.Grubosc);
        p.setPen(pioro(l.Kolor, g, l.Styl));
        p.drawLine(pt(l.X1, l.Y1), pt(l.X2, l.Y2));
    }
    // 3. strzałki
    for (const TPrintStrzalka& a : e.strzalki) {
        p.setPen(pioro(a.KolorPiora, grubosc(a.Grubosc), 0));
        p.setBrush(kolorZBgr(a.KolorPedzla));
        const QPointF w[3] = {pt(a.Punkty[0].x, a.Punkty[0].y), pt(a.Punkty[1].x, a.Punkty[1].y),
                              pt(a.Punkty[2].x, a.Punkty[2].y)};
        p.drawPolygon(w, 3);
    }
    // 4. koła
    for (const TPrintKolo& k : e.kola) {
        p.setPen(pioro(k.KolorPiora, grubosc(k.Grubosc), 0));
        p.setBrush(kolorZBgr(k.KolorPedzla));
        p.drawEllipse(QRectF(pt(k.X - k.Promien, k.Y - k.Promien), pt(k.X + k.Promien, k.Y + k.Promien)));
    }
    // 5. napisy
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(Qt::TransparentMode);
    for (const TPrintNapis& n : e.napisy) {
        const QFont f = czcionkaElementu(n.Czcionka, n.Rozmiar, n.Styl);
        p.setFont(f);
        p.setPen(kolorZBgr(n.Kolor));
        const QPointF lg = pt(n.X, n.Y);
        p.drawText(QPointF(lg.x(), lg.y() + QFontMetricsF(f, p.device()).ascent()), n.Tekst);
    }
    // 6. marginesy: białe pasy dookoła obszaru mapy, do krawędzi strony
    const QRectF mapa(QPointF(ox, oy),
                      QPointF(mmNaPiks(kLewaMapyMm + kSzerMapyMm, ppi), mmNaPiks(kGoraMapyMm + kWysMapyMm, ppi)));
    const double szerStrony = mmNaPiks(kSzerStronyMm, ppi) + 1;
    const double wysStrony = mmNaPiks(kWysStronyMm, ppi) + 1;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 0, mapa.left(), wysStrony));
    p.drawRect(QRectF(mapa.right(), 0, szerStrony - mapa.right(), wysStrony));
    p.drawRect(QRectF(0, 0, szerStrony, mapa.top()));
    p.drawRect(QRectF(0, mapa.bottom(), szerStrony, wysStrony - mapa.bottom()));
    // 7. ramka
    QPen ramka(Qt::black);
    ramka.setWidthF(std::max(1.0, std::nearbyint(3 * q)));
    ramka.setJoinStyle(Qt::MiterJoin);
    p.setPen(ramka);
    p.setBrush(Qt::NoBrush);
    p.drawRect(mapa);
    // 8. bloki tekstu: czarne na białym tle
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    p.setPen(Qt::black);
    for (const TPrintNapisEX& n : e.napisyEx) {
        const QFont f = czcionkaElementu(n.Czcionka, n.Rozmiar, n.Styl);
        p.setFont(f);
        const QFontMetricsF fm(f, p.device());
        const double wysLinii = fm.height();   // wysokość tekstu "O"
        const double x = mmNaPiks(n.X, ppi);
        const double y = mmNaPiks(n.Y, ppi);
        for (int k = 0; k < n.Linie.size(); ++k)
            p.drawText(QPointF(x, y + k * wysLinii + fm.ascent()), n.Linie[k]);
    }
    p.setBackgroundMode(Qt::TransparentMode);
    // pasek skali w rogu obszaru mapy, po całej stronie
    if (s.pasekSkali)
        RysujPasekSkali(p, mapa, s.pikseliNaMetr * q, ppi / 96.0);
    p.restore();
}

QImage ObrazStronyMapy(const StronaMapy& s)
{
    QImage im(kSzerStronyPiks, kWysStronyPiks, QImage::Format_RGB32);
    if (im.isNull())
        return im;
    const int dpm = int(std::lround(kPpiUkladu / 0.0254));
    im.setDotsPerMeterX(dpm);
    im.setDotsPerMeterY(dpm);
    im.fill(Qt::white);
    QPainter p(&im);
    RysujStroneMapy(p, s, kPpiUkladu);
    return im;
}

bool DrukujStroneMapy(QPagedPaintDevice& u, const StronaMapy& s, QString& blad)
{
    u.setPageOrientation(QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&u)) {
        blad = QStringLiteral("Nie można rozpocząć wydruku mapki.");
        return false;
    }
    RysujStroneMapy(p, s, u.logicalDpiX());
    if (!p.end()) {
        blad = QStringLiteral("Nie można zakończyć wydruku mapki.");
        return false;
    }
    return true;
}

bool ZapiszPdfMapy(const QString& sciezka, const StronaMapy& s, QString& blad)
{
    // strona najpierw w pamięci, potem cały plik naraz
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setTitle(kTytulOknaWydrukuMapki);
        pdf.setCreator(QStringLiteral("Taksatura"));
        pdf.setResolution(kPpiPdf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!DrukujStroneMapy(pdf, s, blad))
            return false;
    }
    return zapiszAtomowo(sciezka, bufor.data(), blad);
}

int PowiekszPodglad(int zoom)
{
    if (zoom > 300000)
        return zoom;
    return int(zaokraglij(zoom * 1.2));
}

int ZmniejszPodglad(int zoom)
{
    if (zoom < 10000.0 / 30)
        return zoom;
    return int(zaokraglij(zoom / 12000.0 * 10000.0));
}

} // namespace tks
