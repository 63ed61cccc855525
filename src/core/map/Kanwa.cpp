#include "Kanwa.h"

#include "Kolory.h"
#include "PieczecKola.h"

#include <QPainter>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <deque>

namespace tks {

QFont qFontZ(const Czcionka& c)
{
    QFont f(c.nazwa);
    f.setPointSize(std::max<int>(1, c.rozmiar));
    f.setBold(c.styl & stylCzcionki::Pogrubiona);
    f.setItalic(c.styl & stylCzcionki::Kursywa);
    f.setUnderline(c.styl & stylCzcionki::Podkreslona);
    f.setStrikeOut(c.styl & stylCzcionki::Przekreslona);
    return f;
}

QPen qPenZ(const Pioro& p)
{
    QPen pen(kolorZBgr(p.kolor));
    pen.setWidth(std::max<int>(1, p.grubosc));
    pen.setStyle(p.styl == StylPiora::Kropkowane ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

namespace {

// Szerokości tekstów zmierzone w procesie: ten sam tekst tą samą czcionką na
// urządzeniu o tej samej rozdzielczości ma zawsze tę samą szerokość, a każde
// przerysowanie mierzy nazwy tych samych stacji. Pamięć dla czcionki i
// rozdzielczości; przy bardzo wielu różnych tekstach zaczyna od nowa.
struct PamiecSzerokosci {
    QString nazwa;
    std::uint8_t rozmiar;
    std::uint8_t styl;
    int dpiX;
    int dpiY;
    QHash<QString, int> szerokosci;
};
constexpr qsizetype kMaxSzerokosci = 1 << 20;

std::deque<PamiecSzerokosci>& pamieciSzerokosci()
{
    static std::deque<PamiecSzerokosci> p;   // deque: wskaźniki do elementów się nie zmieniają
    return p;
}

QHash<QString, int>* pamiecSzerokosci(const QString& nazwa, std::uint8_t rozmiar, std::uint8_t styl,
                                      const QPaintDevice* u)
{
    const int dpiX = u ? u->logicalDpiX() : 0;
    const int dpiY = u ? u->logicalDpiY() : 0;
    for (auto& p : pamieciSzerokosci())
        if (p.rozmiar == rozmiar && p.styl == styl && p.dpiX == dpiX && p.dpiY == dpiY && p.nazwa == nazwa)
            return &p.szerokosci;
    pamieciSzerokosci().push_back({nazwa, rozmiar, styl, dpiX, dpiY, {}});
    return &pamieciSzerokosci().back().szerokosci;
}

// Ciągi glifów napisów mapy: ułożenie tekstu (podział na fragmenty, kształtowanie)
// jest najdroższą częścią drawText, a każde przerysowanie pisze nazwy tych samych
// stacji. Pamięć dla czcionki i rozdzielczości urządzenia, osobna w każdym wątku
// (czcionki Qt należą do wątku).
struct PamiecGlifow {
    Czcionka czcionka;
    int dpiX;
    int dpiY;
    QHash<QString, QList<QGlyphRun>> glify;
};
constexpr qsizetype kMaxGlifow = 1 << 16;

std::deque<PamiecGlifow>& pamieciGlifow()
{
    thread_local std::deque<PamiecGlifow> p;
    return p;
}

} // namespace

void Kanwa::wyczyscPamiecSzerokosci()
{
    for (auto& p : pamieciSzerokosci())
        p.szerokosci.clear();
}

QSize Kanwa::rozmiarTekstu(const QString& tekst)
{
    // Podkreślenie i przekreślenie nie zmieniają wymiarów.
    const std::uint8_t styl = czcionka.styl & (stylCzcionki::Pogrubiona | stylCzcionki::Kursywa);
    Metryka* m = nullptr;
    for (auto& x : metryki_)
        if (x.styl == styl && x.rozmiar == czcionka.rozmiar && x.nazwa == czcionka.nazwa) {
            m = &x;
            break;
        }
    if (!m) {
        Czcionka c = czcionka;
        c.styl = styl;
        metryki_.push_back({czcionka.nazwa, czcionka.rozmiar, styl,
                            std::make_unique<QFontMetrics>(qFontZ(c), urzadzenieMiar()),
                            pamiecSzerokosci(czcionka.nazwa, czcionka.rozmiar, styl, urzadzenieMiar())});
        m = &metryki_.back();
        m->wysokosc = m->m->height();
    }
    QHash<QString, int>& szerokosci = *m->szerokosci;
    const auto it = szerokosci.constFind(tekst);
    if (it != szerokosci.constEnd())
        return {*it, m->wysokosc};
    const int w = m->m->horizontalAdvance(tekst);
    if (szerokosci.size() >= kMaxSzerokosci)
        szerokosci.clear();
    szerokosci.insert(tekst, w);
    return {w, m->wysokosc};
}

void Kanwa::Linie(const std::vector<TLiniaPiks>& linie)
{
    for (const auto& l : linie)
        Linia(l.p, l.q);
}

// ---------------------------------------------------------------- ekran

KanwaEkranu::KanwaEkranu(QPainter& p, bool antyalias) : p_(p), aa_(antyalias)
{
    if (p_.device()) {
        // Rozmiar w pikselach logicznych urządzenia.
        szer_ = p_.device()->width();
        wys_ = p_.device()->height();
    }
    p_.setRenderHint(QPainter::Antialiasing, aa_);
    p_.setRenderHint(QPainter::TextAntialiasing, aa_);
    p_.setBackgroundMode(Qt::TransparentMode);
}

const QPaintDevice* KanwaEkranu::urzadzenieMiar() const { return p_.device(); }

void KanwaEkranu::ustawPioro()
{
    if (pioroZnane_ && pioroUst_ == pioro)
        return;
    if (pioro.styl == StylPiora::Brak)
        p_.setPen(Qt::NoPen);
    else
        p_.setPen(qPenZ(pioro));
    pioroUst_ = pioro;
    pioroZnane_ = true;
}

void KanwaEkranu::ustawPedzel()
{
    if (pedzelZnany_ && pedzelUst_ == pedzel)
        return;
    p_.setBrush(pedzel.pelny ? QBrush(kolorZBgr(pedzel.kolor)) : QBrush(Qt::NoBrush));
    pedzelUst_ = pedzel;
    pedzelZnany_ = true;
}

void KanwaEkranu::ustawCzcionke()
{
    if (czcionkaZnana_ && czcionkaUst_ == czcionka)
        return;
    const QFont f = qFontZ(czcionka);
    p_.setFont(f);
    ascent_ = QFontMetrics(f, p_.device()).ascent();
    czcionkaUst_ = czcionka;
    czcionkaZnana_ = true;
}

void KanwaEkranu::Linia(TPiksel p, TPiksel q)
{
    if (pioro.styl == StylPiora::Brak)
        return;
    ustawPioro();
    if (aa_)
        p_.drawLine(QPointF(p.x + 0.5, p.y + 0.5), QPointF(q.x + 0.5, q.y + 0.5));
    else
        p_.drawLine(p.x, p.y, q.x, q.y);
}

void KanwaEkranu::Linie(const std::vector<TLiniaPiks>& linie)
{
    if (pioro.styl == StylPiora::Brak || linie.empty())
        return;
    ustawPioro();
    // Jedno wywołanie dla całej listy: rasteryzacja każdej linii jest ta sama, co
    // przy drawLine, odpada tylko koszt wywołania na linię.
    const double d = aa_ ? 0.5 : 0.0;
    bufLinii_.clear();
    bufLinii_.reserve(linie.size());
    if (aa_) {
        for (const auto& l : linie)
            bufLinii_.emplace_back(QPointF(l.p.x + d, l.p.y + d), QPointF(l.q.x + d, l.q.y + d));
        p_.drawLines(bufLinii_.data(), int(bufLinii_.size()));
    } else {
        std::vector<QLine> calkowite;
        calkowite.reserve(linie.size());
        for (const auto& l : linie)
            calkowite.emplace_back(l.p.x, l.p.y, l.q.x, l.q.y);
        p_.drawLines(calkowite.data(), int(calkowite.size()));
    }
}

const QImage* KanwaEkranu::obrazDocelowy() const
{
    const QPaintDevice* u = p_.device();
    if (!u || u->devType() != QInternal::Image)
        return nullptr;
    const QImage* obraz = static_cast<const QImage*>(u);
    if (obraz->devicePixelRatio() != 1.0 || !p_.transform().isIdentity() || p_.hasClipping() ||
        p_.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return obraz;
}

void KanwaEkranu::WklejObraz(const QImage& obraz)
{
    const auto tryb = p_.compositionMode();
    p_.setCompositionMode(QPainter::CompositionMode_Source);
    p_.drawImage(QPoint(0, 0), obraz);
    p_.setCompositionMode(tryb);
}

bool KanwaEkranu::odbijKolo(TPiksel p, int r)
{
    const QImage* obraz = obrazDocelowy();
    if (!obraz || p_.opacity() != 1.0 || !p_.testRenderHint(QPainter::Antialiasing))
        return false;
    const QImage::Format format = obraz->format();
    if (!pieczecZnana_ || pieczecPokolenie_ != KsztaltKola::pokolenie() || r != pieczecR_ ||
        format != pieczecFormat_ || !(pioro == pieczecPioro_) || !(pedzel == pieczecPedzel_)) {
        pieczec_ = KsztaltKola::dla(format, r, pioro, pedzel);
        pieczecZnana_ = true;
        pieczecPokolenie_ = KsztaltKola::pokolenie();
        pieczecR_ = r;
        pieczecFormat_ = format;
        pieczecPioro_ = pioro;
        pieczecPedzel_ = pedzel;
    }
    // Obraz jest urządzeniem aktywnego QPainter: piszemy w tę samą pamięć, w
    // której rysuje silnik rastrowy (bez kopii, którą zrobiłoby bits()).
    return pieczec_ && pieczec_->odbij(const_cast<std::uint8_t*>(obraz->constBits()), obraz->bytesPerLine(),
                                       obraz->width(), obraz->height(), p.x, p.y);
}

void KanwaEkranu::Kolo(TPiksel p, int r)
{
    // Wygładzone koło o całkowitym środku i promieniu: z pieczęci, gdy się da.
    if (aa_ && pieczecie_ && odbijKolo(p, r))
        return;
    ustawPioro();
    ustawPedzel();
    if (aa_)
        p_.drawEllipse(QPointF(p.x + 0.5, p.y + 0.5), double(r), double(r));
    else
        p_.drawEllipse(QPoint(p.x, p.y), r, r);
}

void KanwaEkranu::Prostokat(const TProstokat& r)
{
    const QRect q(r.left, r.top, r.szerokosc(), r.wysokosc());
    if (q.isEmpty())
        return;
    if (pedzel.pelny)
        p_.fillRect(q, kolorZBgr(pedzel.kolor));
    if (pioro.styl != StylPiora::Brak && !(pedzel.pelny && pioro.kolor == pedzel.kolor && pioro.grubosc <= 1)) {
        ustawPioro();
        const bool aa = p_.testRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setBrush(Qt::NoBrush);
        pedzelZnany_ = false;
        p_.drawRect(q.adjusted(0, 0, -1, -1));
        p_.setRenderHint(QPainter::Antialiasing, aa);
    }
}

void KanwaEkranu::Wielokat(const std::vector<TPiksel>& punkty)
{
    if (punkty.empty())
        return;
    QPolygon w;
    w.reserve(qsizetype(punkty.size()));
    for (const auto& p : punkty)
        w << QPoint(p.x, p.y);
    ustawPioro();
    ustawPedzel();
    // Bez wygładzania: sąsiednie obszary stykają się bez prześwitu.
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.drawPolygon(w);
    p_.setRenderHint(QPainter::Antialiasing, aa_);
}

const QList<QGlyphRun>* KanwaEkranu::glifyTekstu(const QString& tekst)
{
    // Podkreślenie i przekreślenie ciągi glifów rysują o piksel inaczej niż drawText.
    if (czcionka.styl & (stylCzcionki::Podkreslona | stylCzcionki::Przekreslona))
        return nullptr;
    const QPaintDevice* u = p_.device();
    if (!u)
        return nullptr;
    const int dpiX = u->logicalDpiX(), dpiY = u->logicalDpiY();
    if (!glifyPamiec_ || !(glifyCzcionka_ == czcionka) || glifyDpiX_ != dpiX || glifyDpiY_ != dpiY) {
        glifyPamiec_ = nullptr;
        for (auto& g : pamieciGlifow())
            if (g.dpiX == dpiX && g.dpiY == dpiY && g.czcionka.rozmiar == czcionka.rozmiar &&
                g.czcionka.styl == czcionka.styl && g.czcionka.nazwa == czcionka.nazwa) {
                glifyPamiec_ = &g.glify;
                break;
            }
        if (!glifyPamiec_) {
            Czcionka c = czcionka;
            c.kolor = 0;
            pamieciGlifow().push_back({c, dpiX, dpiY, {}});
            glifyPamiec_ = &pamieciGlifow().back().glify;
        }
        glifyCzcionka_ = czcionka;
        glifyDpiX_ = dpiX;
        glifyDpiY_ = dpiY;
    }
    auto it = glifyPamiec_->constFind(tekst);
    if (it != glifyPamiec_->constEnd())
        return &*it;
    if (glifyPamiec_->size() >= kMaxGlifow)
        glifyPamiec_->clear();
    // Jeden wiersz bez zawijania; położenia glifów względem linii bazowej.
    QTextLayout uklad(tekst, qFontZ(czcionka), const_cast<QPaintDevice*>(u));
    uklad.beginLayout();
    const QTextLine linia = uklad.createLine();
    uklad.endLayout();
    QList<QGlyphRun> ciagi = uklad.glyphRuns();
    const qreal ascent = linia.isValid() ? linia.ascent() : 0;
    for (QGlyphRun& g : ciagi) {
        QList<QPointF> polozenia = g.positions();
        for (QPointF& q : polozenia)
            q.ry() -= ascent;
        g.setPositions(polozenia);
    }
    return &*glifyPamiec_->insert(tekst, std::move(ciagi));
}

void KanwaEkranu::Etykieta(TPiksel p, const QString& tekst)
{
    ustawCzcionke();
    // Kolor tekstu to kolor czcionki; pióro wraca do stanu płótna przy następnym prymitywie.
    p_.setPen(kolorZBgr(czcionka.kolor));
    pioroZnane_ = false;
    const QPoint punkt(p.x, p.y + ascent_);
    if (glify_ && !tekst.isEmpty()) {
        if (const QList<QGlyphRun>* ciagi = glifyTekstu(tekst)) {
            for (const QGlyphRun& g : *ciagi)
                p_.drawGlyphRun(punkt, g);
            return;
        }
    }
    p_.drawText(punkt, tekst);
}

void KanwaEkranu::Trojkat(TPiksel a, TPiksel b, TPiksel c)
{
    ustawPioro();
    ustawPedzel();
    const double d = aa_ ? 0.5 : 0.0;
    const QPointF w[3] = {{a.x + d, a.y + d}, {b.x + d, b.y + d}, {c.x + d, c.y + d}};
    p_.drawPolygon(w, 3);
}

// ---------------------------------------------------------------- wydruk

KanwaWydruku::KanwaWydruku(ElementyWydruku& elementy, int szerokosc, int wysokosc, int ppi, int ppiDrukarki)
    : e_(elementy), szer_(szerokosc), wys_(wysokosc), ppiDrukarki_(ppiDrukarki > 0 ? ppiDrukarki : ppi),
      miara_(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    const int dpm = int(std::lround(ppi / 0.0254));
    miara_.setDotsPerMeterX(dpm);
    miara_.setDotsPerMeterY(dpm);
}

namespace {
std::uint8_t bajt(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }
} // namespace

void KanwaWydruku::Linia(TPiksel p, TPiksel q)
{
    e_.linie.push_back({p.x, p.y, q.x, q.y, pioro.grubosc, std::uint8_t(pioro.styl), pioro.kolor});
}

void KanwaWydruku::Kolo(TPiksel p, int r)
{
    e_.kola.push_back({p.x, p.y, bajt(r), pioro.grubosc, pioro.kolor, pedzel.kolor});
}

void KanwaWydruku::Prostokat(const TProstokat& r)
{
    TPrintObszar o;
    o.Kolor = pedzel.kolor;
    o.Punkty = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    o.LPunktow = 4;
    e_.obszary.push_back(std::move(o));
}

void KanwaWydruku::Wielokat(const std::vector<TPiksel>& punkty)
{
    if (punkty.empty())
        return;
    TPrintObszar o;
    o.Kolor = pedzel.kolor;
    o.Punkty.reserve(punkty.size());
    for (const auto& p : punkty)
        o.Punkty.push_back({p.x, p.y});
    o.LPunktow = std::int32_t(o.Punkty.size());
    e_.obszary.push_back(std::move(o));
}

void KanwaWydruku::Etykieta(TPiksel p, const QString& tekst)
{
    e_.napisy.push_back({tekst.left(kMaksTekstuNapisu), czcionka.rozmiar, czcionka.nazwa.left(kMaksNazwyCzcionki),
                         czcionka.kolor, czcionka.styl, p.x, p.y});
}

void KanwaWydruku::Trojkat(TPiksel a, TPiksel b, TPiksel c)
{
    TPrintStrzalka s;
    s.Punkty[0] = {a.x, a.y};
    s.Punkty[1] = {b.x, b.y};
    s.Punkty[2] = {c.x, c.y};
    s.Grubosc = pioro.grubosc;
    s.KolorPiora = pioro.kolor;
    s.KolorPedzla = pedzel.kolor;
    e_.strzalki.push_back(s);
}

} // namespace tks
