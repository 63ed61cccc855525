#include "PieczecKola.h"

#include "Kolory.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstring>

namespace tks {

// Wpis pamięci kształtów wątku.
struct WpisKsztaltu {
    QImage::Format format;
    int r;
    Pioro pioro;
    Pedzel pedzel;
    std::unique_ptr<KsztaltKola> ksztalt;   // nullptr: tego koła nie odbija się
};

namespace {

// Największy promień odbijany pieczęcią: większe koła (duże powiększenie z
// ustawień) są rzadkie, a ich tablice byłyby duże.
constexpr int kMaksPromien = 48;
// Ile kształtów pamięta wątek (każdy promień, pióro i pędzel osobno).
constexpr std::size_t kMaksKsztaltow = 64;
// Zdjęcie pieczęci to 256 kół rysowanych przez QPainter.
constexpr std::uint32_t kDomyslnyProg = 256;

thread_local std::uint32_t progZdjecia = kDomyslnyProg;
thread_local std::uint64_t pokolenieWatku = 0;

std::vector<WpisKsztaltu>& pamiec()
{
    thread_local std::vector<WpisKsztaltu> p;
    return p;
}

// Koło rysowane tak, jak KanwaEkranu::Kolo z wygładzaniem.
void ustawPainter(QPainter& p, const Pioro& pioro, const Pedzel& pedzel)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    if (pioro.styl == StylPiora::Brak)
        p.setPen(Qt::NoPen);
    else
        p.setPen(qPenZ(pioro));
    p.setBrush(pedzel.pelny ? QBrush(kolorZBgr(pedzel.kolor)) : QBrush(Qt::NoBrush));
}

void rysujKolo(QPainter& p, int x, int y, int r) { p.drawEllipse(QPointF(x + 0.5, y + 0.5), double(r), double(r)); }

inline std::uint32_t* piksel(std::uint8_t* bity, qsizetype bpl, int x, int y)
{
    return reinterpret_cast<std::uint32_t*>(bity + qsizetype(y) * bpl) + x;
}

} // namespace

// ---------------------------------------------------------------- pieczęć

bool PieczecKola::odbij(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x, int y) const
{
    if (x - zasieg_ < 0 || y - zasieg_ < 0 || x + zasieg_ >= szerokosc || y + zasieg_ >= wysokosc)
        return false;
    for (const PikselStaly& p : stale_) {
        std::uint32_t* d = piksel(bity, bajtowNaWiersz, x + p.dx, y + p.dy);
        *d = p.wartosc | (*d & maskaZachowana_);
    }
    const std::uint8_t* tablice = tablice_.data();
    for (const Piksel& p : piksele_) {
        std::uint32_t* d = piksel(bity, bajtowNaWiersz, x + p.dx, y + p.dy);
        const std::uint8_t* t = tablice + p.tablica;
        const std::uint32_t v = *d;
        *d = std::uint32_t(t[v & 0xFF]) | std::uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8 |
             std::uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16 | std::uint32_t(t[768 + (v >> 24)]) << 24;
    }
    return true;
}

void PieczecKola::odbijObciete(std::uint8_t* bity, qsizetype bajtowNaWiersz, int minX, int minY, int maxX, int maxY,
                               int x, int y) const
{
    auto wewnatrz = [&](int px, int py) { return px >= minX && px < maxX && py >= minY && py < maxY; };
    for (const PikselStaly& p : stale_)
        if (wewnatrz(x + p.dx, y + p.dy)) {
            std::uint32_t* d = piksel(bity, bajtowNaWiersz, x + p.dx, y + p.dy);
            *d = p.wartosc | (*d & maskaZachowana_);
        }
    const std::uint8_t* tablice = tablice_.data();
    for (const Piksel& p : piksele_)
        if (wewnatrz(x + p.dx, y + p.dy)) {
            std::uint32_t* d = piksel(bity, bajtowNaWiersz, x + p.dx, y + p.dy);
            const std::uint8_t* t = tablice + p.tablica;
            const std::uint32_t v = *d;
            *d = std::uint32_t(t[v & 0xFF]) | std::uint32_t(t[256 + ((v >> 8) & 0xFF)]) << 8 |
                 std::uint32_t(t[512 + ((v >> 16) & 0xFF)]) << 16 | std::uint32_t(t[768 + (v >> 24)]) << 24;
        }
}

// ---------------------------------------------------------------- kształt

KsztaltKola* KsztaltKola::dla(QImage::Format format, int r, const Pioro& pioro, const Pedzel& pedzel)
{
    auto& p = pamiec();
    for (const auto& w : p)
        if (w.r == r && w.format == format && w.pioro == pioro && w.pedzel == pedzel)
            return w.ksztalt.get();
    if (p.size() >= kMaksKsztaltow)
        wyczyscPamiec();
    std::unique_ptr<KsztaltKola> k;
    if ((format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) && r >= 0 &&
        r <= kMaksPromien && pioro.styl != StylPiora::Kropkowane) {
        k = std::make_unique<KsztaltKola>();
        k->format_ = format;
        k->r_ = r;
        k->pioro_ = pioro;
        k->pedzel_ = pedzel;
        // obrys sięga pół grubości pióra poza okrąg, wygładzanie jeszcze piksel dalej
        k->polowa_ = r + std::max<int>(1, pioro.grubosc) + 3;
        // Liczby, które silnik liczy dla koła (punkty łuku, obrys pióra), leżą w
        // środek + 0,5 ± (r + pół grubości pióra); pół piksela zapasu.
        k->zasiegLiczb_ = 2 * r + std::max<int>(1, pioro.grubosc) + 1;
    }
    p.push_back({format, r, pioro, pedzel, std::move(k)});
    return p.back().ksztalt.get();
}

void KsztaltKola::wyczyscPamiec()
{
    pamiec().clear();
    ++pokolenieWatku;
}

std::uint64_t KsztaltKola::pokolenie() { return pokolenieWatku; }

void KsztaltKola::ustawProgZdjecia(std::uint32_t kol) { progZdjecia = kol; }

// Klasa: wykładnik potęgi dwójki wspólny dla najmniejszej i największej liczby
// koła w tej osi (liczone w połówkach piksela: środek piksela to 2v + 1).
int KsztaltKola::klasa(int v) const
{
    const long long lo = 2LL * v + 1 - zasiegLiczb_, hi = 2LL * v + 1 + zasiegLiczb_;
    if (lo < 2 || hi >= (1LL << kKlas))
        return -1;
    const int e = int(std::bit_width(std::uint64_t(lo))) - 1;
    if (e != int(std::bit_width(std::uint64_t(hi))) - 1)
        return -1;
    return e;
}

int KsztaltKola::srodekKlasy(int e) const
{
    // najmniejsze v, dla którego 2v + 1 - zasiegLiczb_ >= 2^e
    const int v = std::max(((1 << e) + zasiegLiczb_) / 2, polowa_);
    return klasa(v) == e ? v : -1;
}

bool KsztaltKola::odbij(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x, int y)
{
    const int ex = klasa(x), ey = klasa(y);
    if (ex < 0 || ey < 0)
        return odbijWyjatkowo(bity, bajtowNaWiersz, szerokosc, wysokosc, x, y, ex, ey);
    Klasa& k = klasy_[std::size_t(ex)][std::size_t(ey)];
    if (!k.pieczec) {
        ++k.rysowan;
        if (!jestWlasna_)
            ++rysowanKsztaltu_;
        // Najpierw pieczęć innej klasy, sprawdzona w tej klasie (trzy koła na tle z
        // szumu zamiast 256 do zdjęcia własnej).
        if (!k.pozyczkaSprawdzona && k.rysowan >= std::min<std::uint32_t>(progZdjecia, kProgPozyczki)) {
            if (const PieczecKola* kandydat = najblizszaPieczec(ex, ey)) {
                k.pozyczkaSprawdzona = true;
                if (sprawdzPozyczonaDlaKlasy(*kandydat, ex, ey, szerokosc, wysokosc)) {
                    k.pieczec = kandydat;
                    ++pozyczonych_;
                } else {
                    ++odrzuconych_;
                }
            }
        }
        // Własna pieczęć, gdy w tej klasie narysowano już tyle kół, ile kosztuje
        // zdjęcie, albo (pierwsza pieczęć kształtu) tyle w całym kształcie.
        if (!k.pieczec && !k.zdjeta && (k.rysowan >= progZdjecia || (!jestWlasna_ && rysowanKsztaltu_ >= progZdjecia))) {
            k.zdjeta = true;
            k.wlasna = zdejmij(ex, ey);
            k.pieczec = k.wlasna.get();
            jestWlasna_ = jestWlasna_ || k.wlasna;
        }
        if (!k.pieczec)
            return false;
    }
    return k.pieczec->odbij(bity, bajtowNaWiersz, szerokosc, wysokosc, x, y) ||
           odbijWyjatkowo(bity, bajtowNaWiersz, szerokosc, wysokosc, x, y, ex, ey);
}

const PieczecKola* KsztaltKola::najblizszaPieczec(int ex, int ey) const
{
    const PieczecKola* wynik = nullptr;
    int najmniej = 1 << 30;
    for (int a = 0; a < kKlas; ++a)
        for (int b = 0; b < kKlas; ++b) {
            const PieczecKola* p = klasy_[std::size_t(a)][std::size_t(b)].pieczec;
            const int odl = std::abs(a - ex) + std::abs(b - ey);
            if (p && odl < najmniej) {
                wynik = p;
                najmniej = odl;
            }
        }
    return wynik;
}

void KsztaltKola::sasiednieKlasy(int v, int& mniejsza, int& wieksza) const
{
    mniejsza = wieksza = -1;
    // Pas granicy ma szerokość zasięgu liczb koła (w połówkach piksela).
    const int pas = zasiegLiczb_ + 2;
    for (int t = 1; t <= pas && mniejsza < 0; ++t)
        mniejsza = klasa(v - t);
    for (int t = 1; t <= pas && wieksza < 0; ++t)
        wieksza = klasa(v + t);
}

// Koło na granicy klas w osi x, y albo obu, albo przy brzegu obrazu. Położenie ma
// własny wpis (dokładna współrzędna w osi na granicy albo przy brzegu, klasa w
// drugiej, wymiar obrazu przy prawym i dolnym brzegu); pieczęć bierze się od
// klasy koła, sąsiedniej albo najbliższej, która już ją ma, i tylko po
// sprawdzeniu w tym położeniu (przy brzegu na obrazie tej samej wielkości).
bool KsztaltKola::odbijWyjatkowo(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x,
                                 int y, int ex, int ey)
{
    // Środek poza obrazem albo poza zakresem klas: QPainter.
    if (x < 0 || y < 0 || x >= szerokosc || y >= wysokosc || szerokosc >= (1 << 16) || wysokosc >= (1 << 16) ||
        2 * x + 1 + zasiegLiczb_ >= (1 << kKlas) || 2 * y + 1 + zasiegLiczb_ >= (1 << kKlas))
        return false;
    const bool lewy = x < polowa_, gorny = y < polowa_;
    const bool prawy = x + polowa_ >= szerokosc, dolny = y + polowa_ >= wysokosc;
    const bool brzegX = lewy || prawy, brzegY = gorny || dolny;
    const std::uint64_t kx = ex >= 0 && !brzegX ? std::uint64_t(ex) : std::uint64_t(kKlas) + std::uint64_t(x);
    const std::uint64_t ky = ey >= 0 && !brzegY ? std::uint64_t(ey) : std::uint64_t(kKlas) + std::uint64_t(y);
    const std::uint64_t wx = prawy ? std::uint64_t(szerokosc) : 0, wy = dolny ? std::uint64_t(wysokosc) : 0;
    Granica& g = granice_[(kx << 48) | (ky << 32) | (wx << 16) | wy];
    if (!g.pieczec) {
        if (g.sprawdzona || ++g.rysowan < std::min<std::uint32_t>(progZdjecia, kProgPozyczki))
            return false;
        int xs[2] = {ex, -1}, ys[2] = {ey, -1};
        if (ex < 0)
            sasiednieKlasy(x, xs[0], xs[1]);
        if (ey < 0)
            sasiednieKlasy(y, ys[0], ys[1]);
        const PieczecKola* kandydat = nullptr;
        for (const int a : xs)
            for (const int b : ys)
                if (!kandydat && a >= 0 && b >= 0)
                    kandydat = klasy_[std::size_t(a)][std::size_t(b)].pieczec;
        // Przy brzegu (małe współrzędne nie mają klasy): klasa najbliższa położeniu.
        if (!kandydat && (brzegX || brzegY)) {
            auto wykladnik = [](int v) { return std::clamp(int(std::bit_width(std::uint64_t(2 * v + 1))) - 1, 0, kKlas - 1); };
            kandydat = najblizszaPieczec(ex >= 0 ? ex : wykladnik(x), ey >= 0 ? ey : wykladnik(y));
        }
        // Żadna z tych klas jeszcze bez pieczęci: spróbuje się przy następnym kole.
        if (!kandydat)
            return false;
        g.sprawdzona = true;
        g.brzeg = brzegX || brzegY;
        if (!sprawdzPozyczona(*kandydat, x, y, g.brzeg ? szerokosc : 0, g.brzeg ? wysokosc : 0)) {
            ++odrzuconych_;
            return false;
        }
        g.pieczec = kandydat;
        ++pozyczonych_;
    }
    if (g.brzeg) {
        g.pieczec->odbijObciete(bity, bajtowNaWiersz, 0, 0, szerokosc, wysokosc, x, y);
        return true;
    }
    return g.pieczec->odbij(bity, bajtowNaWiersz, szerokosc, wysokosc, x, y);
}

int KsztaltKola::pozyczonych() const { return pozyczonych_; }
int KsztaltKola::odrzuconych() const { return odrzuconych_; }

const PieczecKola* KsztaltKola::pieczecDla(int x, int y)
{
    const int ex = klasa(x), ey = klasa(y);
    if (ex < 0 || ey < 0)
        return nullptr;
    Klasa& k = klasy_[std::size_t(ex)][std::size_t(ey)];
    if (!k.zdjeta) {
        k.zdjeta = true;
        k.wlasna = zdejmij(ex, ey);
        jestWlasna_ = jestWlasna_ || k.wlasna;
        if (!k.pieczec)
            k.pieczec = k.wlasna.get();
    }
    return k.wlasna.get();
}

// Koło rysuje się 256 razy w tym samym miejscu klasy, za każdym razem na tle, którego
// każdy kanał ma wartość k (alfa też, w formacie z przemnożoną alfą). Kanały mieszają
// się niezależnie, więc piksel (dx, dy) mówi, na co rysowanie zamienia wartość k w
// każdym kanale. Obraz sięga do miejsca koła w klasie, ale pisze się i czyta tylko
// kwadrat wokół koła.
std::unique_ptr<PieczecKola> KsztaltKola::zdejmij(int ex, int ey) const
{
    const int h = polowa_;
    const int bok = 2 * h + 1;
    const int cx = srodekKlasy(ex), cy = srodekKlasy(ey);
    if (cx < 0 || cy < 0)
        return nullptr;
    QImage obraz(cx + h + 3, cy + h + 3, format_);
    if (obraz.isNull())
        return nullptr;
    const bool alfa = format_ == QImage::Format_ARGB32_Premultiplied;
    std::uint8_t* bity = obraz.bits();
    const qsizetype bpl = obraz.bytesPerLine();
    std::vector<std::uint32_t> wyniki(std::size_t(256 * bok * bok));
    {
        QPainter p(&obraz);
        ustawPainter(p, pioro_, pedzel_);
        for (int k = 0; k < 256; ++k) {
            const std::uint32_t tlo = alfa ? 0x01010101u * std::uint32_t(k) : 0xFF000000u | 0x010101u * std::uint32_t(k);
            for (int y = cy - h; y <= cy + h; ++y)
                std::fill_n(piksel(bity, bpl, cx - h, y), bok, tlo);
            rysujKolo(p, cx, cy, r_);
            for (int y = 0; y < bok; ++y)
                std::memcpy(&wyniki[std::size_t((k * bok + y) * bok)], piksel(bity, bpl, cx - h, cy - h + y),
                            std::size_t(bok) * 4);
        }
    }
    auto s = std::make_unique<PieczecKola>();
    s->maskaZachowana_ = alfa ? 0 : 0xFF000000u;
    std::uint8_t t[4 * 256];
    for (int dy = -h; dy <= h; ++dy)
        for (int dx = -h; dx <= h; ++dx) {
            bool zmiana = false;
            for (int k = 0; k < 256; ++k) {
                const std::uint32_t v = wyniki[std::size_t((k * bok + dy + h) * bok + dx + h)];
                for (int kanal = 0; kanal < 4; ++kanal) {
                    std::uint8_t w = std::uint8_t(v >> (8 * kanal));
                    if (kanal == 3 && !alfa) {
                        // RGB32: alfa zawsze 255 i taka zostaje
                        if (w != 0xFF)
                            return nullptr;
                        w = std::uint8_t(k);
                    }
                    t[kanal * 256 + k] = w;
                    zmiana |= w != k;
                }
            }
            if (!zmiana)
                continue;
            // Zmiana na brzegu kwadratu: koło sięga dalej, niż zakłada pieczęć.
            if (std::abs(dx) == h || std::abs(dy) == h)
                return nullptr;
            // Każdy kanał (w RGB32 poza alfą) zawsze ta sama wartość: wystarczy ją wpisać.
            bool staly = true;
            std::uint32_t wartosc = 0;
            for (int kanal = 0; kanal < (alfa ? 4 : 3); ++kanal) {
                const std::uint8_t* tk = t + kanal * 256;
                staly = staly && std::all_of(tk, tk + 256, [&](std::uint8_t w) { return w == tk[0]; });
                wartosc |= std::uint32_t(tk[0]) << (8 * kanal);
            }
            if (staly)
                s->stale_.push_back({std::int16_t(dx), std::int16_t(dy), wartosc});
            else {
                s->piksele_.push_back({std::int16_t(dx), std::int16_t(dy), std::uint32_t(s->tablice_.size())});
                s->tablice_.insert(s->tablice_.end(), t, t + sizeof t);
            }
            s->zasieg_ = std::max({s->zasieg_, std::abs(dx), std::abs(dy)});
        }
    if (!sprawdz(*s, ex, ey))
        return nullptr;
    return s;
}

// Koło w (x, y) na tle z szumu, raz przez QPainter, raz pieczęcią: te same piksele?
bool KsztaltKola::zgodnaWPunkcie(const PieczecKola& s, int x, int y, std::uint32_t& los, int szerokosc,
                                 int wysokosc) const
{
    const int h = polowa_;
    const int bok = 2 * h + 1;
    const bool alfa = format_ == QImage::Format_ARGB32_Premultiplied;
    // Obraz sięga do koła (silnik liczy we współrzędnych obrazu), ale pisze się i
    // czyta tylko kwadrat wokół niego; jeden na wątek, żeby nie przydzielać go co
    // raz. Przy brzegu obraz ma dokładnie wymiary tego, na którym koło się rysuje.
    thread_local QImage wiekszy, rowny;
    const bool brzeg = szerokosc > 0;
    QImage& obraz = brzeg ? rowny : wiekszy;
    if (brzeg) {
        if (obraz.format() != format_ || obraz.width() != szerokosc || obraz.height() != wysokosc)
            obraz = QImage(szerokosc, wysokosc, format_);
    } else if (obraz.format() != format_ || obraz.width() < x + h + 3 || obraz.height() < y + h + 3) {
        obraz = QImage(std::max(obraz.format() == format_ ? obraz.width() : 0, x + h + 3),
                       std::max(obraz.format() == format_ ? obraz.height() : 0, y + h + 3), format_);
    }
    if (obraz.isNull())
        return false;
    // Część kwadratu w obrazie (we współrzędnych kwadratu).
    const int x0 = std::max(0, h - x), y0 = std::max(0, h - y);
    const int x1 = std::min(bok, obraz.width() - (x - h)), y1 = std::min(bok, obraz.height() - (y - h));
    if (x0 >= x1 || y0 >= y1)
        return false;
    std::uint8_t* bity = obraz.bits();
    const qsizetype bpl = obraz.bytesPerLine();
    std::vector<std::uint32_t> wzor(std::size_t(bok * bok)), odbite(std::size_t(bok * bok));
    for (std::uint32_t& v : odbite) {
        los = los * 1664525u + 1013904223u;
        v = los;
        if (alfa) {
            // przemnożona alfa: żaden kanał większy od alfy
            const std::uint32_t a = v >> 24;
            v = (a << 24) | (std::min((v >> 16) & 0xFF, a) << 16) | (std::min((v >> 8) & 0xFF, a) << 8) |
                std::min(v & 0xFF, a);
        } else {
            v |= 0xFF000000u;
        }
    }
    const std::size_t dl = std::size_t(x1 - x0) * 4;
    for (int j = y0; j < y1; ++j)
        std::memcpy(piksel(bity, bpl, x - h + x0, y - h + j), &odbite[std::size_t(j * bok + x0)], dl);
    {
        QPainter p(&obraz);
        ustawPainter(p, pioro_, pedzel_);
        rysujKolo(p, x, y, r_);
    }
    wzor = odbite;
    for (int j = y0; j < y1; ++j)
        std::memcpy(&wzor[std::size_t(j * bok + x0)], piksel(bity, bpl, x - h + x0, y - h + j), dl);
    auto* b = reinterpret_cast<std::uint8_t*>(odbite.data());
    if (x0 == 0 && y0 == 0 && x1 == bok && y1 == bok) {
        if (!s.odbij(b, bok * 4, bok, bok, h, h))
            return false;
    } else {
        s.odbijObciete(b, bok * 4, x0, y0, x1, y1, h, h);
    }
    return wzor == odbite;
}

// Sprawdzenie po zdjęciu tablic: koło w dwóch miejscach klasy na tle z szumu, raz
// przez QPainter, raz pieczęcią, musi dać te same piksele. Gdyby silnik rysował
// inaczej, niż zakłada pieczęć, koła tego kształtu w tej klasie rysuje QPainter.
bool KsztaltKola::sprawdz(const PieczecKola& s, int ex, int ey) const
{
    const int cx = srodekKlasy(ex), cy = srodekKlasy(ey);
    std::uint32_t los = 0x9E3779B9u;
    for (int przesuniecie = 0; przesuniecie < 2; ++przesuniecie) {
        const int x = cx + przesuniecie, y = cy + przesuniecie;
        if (klasa(x) != ex || klasa(y) != ey)
            continue;
        if (!zgodnaWPunkcie(s, x, y, los))
            return false;
    }
    return true;
}

// Pieczęć sąsiedniej klasy w położeniu na granicy: trzy tła z szumu. Różnica
// pokrycia choćby jednego piksela zmienia wynik dla prawie każdego tła.
bool KsztaltKola::sprawdzPozyczona(const PieczecKola& s, int x, int y, int szerokosc, int wysokosc) const
{
    std::uint32_t los = 0x2545F491u ^ std::uint32_t(x * 8191 + y);
    for (int i = 0; i < 3; ++i)
        if (!zgodnaWPunkcie(s, x, y, los, szerokosc, wysokosc))
            return false;
    return true;
}

// Pieczęć innej klasy dla całej klasy: na początku, tuż obok i na końcu klasy w
// każdej osi, każde położenie na innym tle z szumu.
bool KsztaltKola::sprawdzPozyczonaDlaKlasy(const PieczecKola& s, int ex, int ey, int szerokosc, int wysokosc) const
{
    const int cx = srodekKlasy(ex), cy = srodekKlasy(ey);
    if (cx < 0 || cy < 0)
        return false;
    // ostatnie v klasy e: największe, dla którego 2v + 1 + zasiegLiczb_ < 2^(e+1)
    auto koniec = [&](int e, int poczatek) {
        int v = ((2 << e) - 2 - zasiegLiczb_) / 2;
        while (v > poczatek && klasa(v) != e)
            --v;
        return v;
    };
    // (nie dalej niż koła, które mieszczą się w obrazie)
    const int kx = std::min(koniec(ex, cx), szerokosc - polowa_ - 1);
    const int ky = std::min(koniec(ey, cy), wysokosc - polowa_ - 1);
    std::uint32_t los = 0x85EBCA6Bu ^ std::uint32_t(ex * 31 + ey);
    const TPiksel polozenia[] = {{cx, cy}, {cx + 1, cy + 1}, {kx, ky}, {cx, ky}, {kx, cy}};
    for (const TPiksel& p : polozenia) {
        if (klasa(p.x) != ex || klasa(p.y) != ey)
            continue;
        if (!zgodnaWPunkcie(s, p.x, p.y, los))
            return false;
    }
    return true;
}

} // namespace tks
