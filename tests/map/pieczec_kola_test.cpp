// Koła z pieczęci mają dawać piksel w piksel to samo, co drawEllipse: każdy kształt
// używany na mapie, w wielu miejscach (we wszystkich klasach położenia, na ich
// granicach, na brzegach obrazu i jedno na drugim), na tle z szumu, w obu formatach
// obrazu, na których płótno odbija pieczęcie.

#include "map/Kanwa.h"
#include "map/Kolory.h"
#include "map/PieczecKola.h"
#include "wspolne/Obrazy.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace tks::test {
namespace {

QImage szum(int szer, int wys, QImage::Format format, std::uint32_t ziarno)
{
    QImage im(szer, wys, format);
    std::mt19937 los(ziarno);
    for (int y = 0; y < wys; ++y)
        for (int x = 0; x < szer; ++x) {
            const QColor k(int(los() % 256), int(los() % 256), int(los() % 256), int(los() % 256));
            im.setPixel(x, y, format == QImage::Format_RGB32 ? (k.rgb() | 0xFF000000u) : qPremultiply(k.rgba()));
        }
    return im;
}

struct Kolo {
    TPiksel p;
    int r;
    Pioro pioro;
    Pedzel pedzel;
};

// Rysowanie jak dawniej: każde koło przez QPainter.
void rysujQPainterem(QImage& im, const std::vector<Kolo>& kola)
{
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Kolo& k : kola) {
        if (k.pioro.styl == StylPiora::Brak)
            p.setPen(Qt::NoPen);
        else
            p.setPen(qPenZ(k.pioro));
        p.setBrush(k.pedzel.pelny ? QBrush(kolorZBgr(k.pedzel.kolor)) : QBrush(Qt::NoBrush));
        p.drawEllipse(QPointF(k.p.x + 0.5, k.p.y + 0.5), double(k.r), double(k.r));
    }
}

void rysujPlotnem(QImage& im, const std::vector<Kolo>& kola)
{
    QPainter p(&im);
    KanwaEkranu k(p, true);
    for (const Kolo& c : kola) {
        k.pioro = c.pioro;
        k.pedzel = c.pedzel;
        k.Kolo(c.p, c.r);
    }
}


// Kształty mapy: promień stacji r = 1..4 (od 1× do największego powiększenia),
// koła stacji (r, pióro 1), węzłów (r + 2, r + 3, pióro 2), punktów trasy
// (r + 1, r + 2, pióro 2) i punktów styczności (r, pióro 2); kolory domyślne
// mapy i przypadkowe.
std::vector<Kolo> kolaMapy(int szer, int wys, std::uint32_t ziarno)
{
    const Kolory kol;
    std::mt19937 los(ziarno);
    auto kolor = [&]() { return std::int32_t(los() & 0xFFFFFF); };
    std::vector<Kolo> kola;
    for (int r = 1; r <= 4; ++r) {
        const std::vector<std::pair<int, Pioro>> ksztalty = {
            {r, {kol.KolorPunktowStacji, 1, StylPiora::Ciagle}},
            {r + 2, {kCzarny, 2, StylPiora::Ciagle}},
            {r + 3, {kCzarny, 2, StylPiora::Ciagle}},
            {r + 1, {kol.KolorPunktowTrasy, 2, StylPiora::Ciagle}},
            {r + 2, {kol.KolorLiniiTrasy, 2, StylPiora::Ciagle}},
            {r, {kol.KolorPunktowStycznosci, 2, StylPiora::Ciagle}},
            {r, {kolor(), 1, StylPiora::Ciagle}},
            {r + 2, {kolor(), 2, StylPiora::Ciagle}},
            {r + 1, {kolor(), 1, StylPiora::Brak}},
        };
        for (const auto& [promien, pioro] : ksztalty) {
            const Pedzel pedzel{pioro.kolor == kCzarny ? kol.KolorPunktowStacjiWezlowych : kolor(), true};
            // środek obrazu, rogi i brzegi (koła częściowo poza obrazem), sąsiednie piksele
            for (int i = 0; i < 70; ++i) {
                TPiksel p{int(los() % unsigned(szer + 16)) - 8, int(los() % unsigned(wys + 16)) - 8};
                if (i < 8)
                    p = {i % 2 ? szer - 1 - i / 2 : i / 2, i % 4 < 2 ? i : wys - 1 - i};
                kola.push_back({p, promien, pioro, pedzel});
                if (i % 5 == 0)   // tuż obok: koła zachodzą na siebie
                    kola.push_back({{p.x + 1, p.y + int(i % 3)}, promien, pioro, pedzel});
            }
            // po obu stronach granic klas położenia (potęgi dwójki) i na nich
            for (const int granica : {16, 32, 64, 128, 256, 512})
                for (int d = -7; d <= 7; d += 2) {
                    const int inna = 150 + int(los() % 300);
                    kola.push_back({{granica + d, inna}, promien, pioro, pedzel});
                    kola.push_back({{inna, granica + d + 1}, promien, pioro, pedzel});
                }
        }
    }
    return kola;
}

// Pieczęć od pierwszego koła w klasie (próg zdjęcia 0) na czas testu.
struct ProgZero {
    ProgZero()
    {
        KsztaltKola::wyczyscPamiec();
        KsztaltKola::ustawProgZdjecia(0);
    }
    ~ProgZero()
    {
        KsztaltKola::ustawProgZdjecia(256);
        KsztaltKola::wyczyscPamiec();
    }
};

TEST(PieczecKola, KazdyKsztaltMapyJakDrawEllipse)
{
    ProgZero prog;
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(format);
        // klasy położenia do [1024, 2048) w poziomie i [512, 1024) w pionie
        const int szer = 1100, wys = 700;
        const std::vector<Kolo> kola = kolaMapy(szer, wys, 11);
        QImage wzor = szum(szer, wys, format, 5);
        QImage plotno = wzor.copy();
        rysujQPainterem(wzor, kola);
        rysujPlotnem(plotno, kola);
        EXPECT_EQ(roznePiksele(wzor, plotno), 0);
    }
}

// Koła na granicach klas położenia (w poziomie, w pionie i w obu osiach naraz),
// w każdym położeniu pasa granicy: pieczęć sąsiedniej klasy tylko tam, gdzie daje
// te same piksele, co drawEllipse. Najpierw po kole w każdej sąsiedniej klasie,
// żeby te miały już swoje pieczęcie.
TEST(PieczecKola, NaGranicachKlasPieczecSasiedniejKlasy)
{
    ProgZero prog;
    const Kolory kol;
    const int szer = 1200, wys = 1100;
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        SCOPED_TRACE(format);
        for (const auto& [r, pioro] : std::vector<std::pair<int, Pioro>>{
                 {2, {kol.KolorPunktowStacji, 1, StylPiora::Ciagle}},
                 {4, {kCzarny, 2, StylPiora::Ciagle}},
                 {5, {kCzarny, 2, StylPiora::Ciagle}},
                 {3, {kol.KolorPunktowTrasy, 2, StylPiora::Ciagle}}}) {
            SCOPED_TRACE(r);
            const Pedzel pedzel{kol.KolorPunktowStacjiWezlowych, true};
            std::vector<Kolo> kola;
            for (const int x : {40, 90, 180, 360, 700})
                for (const int y : {40, 90, 180, 360, 700})
                    kola.push_back({{x, y}, r, pioro, pedzel});
            for (const int granica : {64, 128, 256, 512, 1024})
                for (int d = -9; d <= 9; ++d) {
                    kola.push_back({{granica + d, 300}, r, pioro, pedzel});
                    kola.push_back({{300, granica + d}, r, pioro, pedzel});
                    if (granica < 1024)
                        kola.push_back({{granica + d, granica - d}, r, pioro, pedzel});
                }
            QImage wzor = szum(szer, wys, format, 9);
            QImage plotno = wzor.copy();
            rysujQPainterem(wzor, kola);
            rysujPlotnem(plotno, kola);
            EXPECT_EQ(roznePiksele(wzor, plotno), 0);
            const KsztaltKola* k = KsztaltKola::dla(format, r, pioro, pedzel);
            ASSERT_NE(k, nullptr);
            // Na tych granicach pożyczona pieczęć pasuje prawie zawsze (inaczej
            // granice wciąż rysowałby QPainter).
            EXPECT_GT(k->pozyczonych(), 50);
            EXPECT_LT(k->odrzuconych(), k->pozyczonych());
        }
    }
}

// Koła przy brzegach i w rogach obrazu (częściowo poza nim): pieczęć odbita tylko
// w obrazie, sprawdzona na obrazie tej samej wielkości; piksele jak z drawEllipse.
TEST(PieczecKola, PrzyBrzeguObrazuPieczecObcieta)
{
    ProgZero prog;
    const Kolory kol;
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        for (const auto& [szer, wys] : std::vector<std::pair<int, int>>{{700, 500}, {333, 1030}}) {
            SCOPED_TRACE(testing::Message() << format << " " << szer << "x" << wys);
            for (const auto& [r, pioro] : std::vector<std::pair<int, Pioro>>{
                     {2, {kol.KolorPunktowStacji, 1, StylPiora::Ciagle}}, {5, {kCzarny, 2, StylPiora::Ciagle}}}) {
                const Pedzel pedzel{kol.KolorPunktowStacjiWezlowych, true};
                std::vector<Kolo> kola;
                for (const int x : {100, 200, 300})
                    for (const int y : {100, 200, 300})
                        kola.push_back({{x, y}, r, pioro, pedzel});
                for (int d = -2; d <= 10; ++d)
                    for (const int wzdluz : {37, 150, 290}) {
                        kola.push_back({{d, wzdluz}, r, pioro, pedzel});
                        kola.push_back({{szer - 1 - d, wzdluz}, r, pioro, pedzel});
                        kola.push_back({{wzdluz, d}, r, pioro, pedzel});
                        kola.push_back({{wzdluz, wys - 1 - d}, r, pioro, pedzel});
                        kola.push_back({{d, wys - 1 - d}, r, pioro, pedzel});
                        kola.push_back({{szer - 1 - d, d}, r, pioro, pedzel});
                    }
                QImage wzor = szum(szer, wys, format, 3);
                QImage plotno = wzor.copy();
                rysujQPainterem(wzor, kola);
                rysujPlotnem(plotno, kola);
                EXPECT_EQ(roznePiksele(wzor, plotno), 0) << r;
                EXPECT_GT(KsztaltKola::dla(format, r, pioro, pedzel)->pozyczonych(), 20) << r;
            }
            KsztaltKola::wyczyscPamiec();
        }
}

// Pieczęć zdejmuje się dla każdego kształtu mapy w każdej klasie położenia
// (inaczej test wyżej niczego by nie sprawdzał); na granicy klas i dla kształtów
// spoza zakresu pieczęci nie ma.
TEST(PieczecKola, KtoreKsztaltyOdbija)
{
    ProgZero prog;
    const Kolory kol;
    const Pedzel pedzel{kol.KolorPunktowStacji, true};
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        for (int r = 1; r <= 7; ++r)
            for (const std::uint8_t g : {1, 2}) {
                KsztaltKola* k = KsztaltKola::dla(format, r, {kCzarny, g, StylPiora::Ciagle}, pedzel);
                ASSERT_NE(k, nullptr);
                for (const int x : {48, 100, 200, 400, 800, 1500, 3000})
                    for (const int y : {48, 700}) {
                        const PieczecKola* s = k->pieczecDla(x, y);
                        ASSERT_NE(s, nullptr) << r << " " << int(g) << " " << x << " " << y;
                        EXPECT_GT(s->liczbaPikseli(), 4 * r);
                    }
                // koło na granicy klas (przez 64, 128) albo przy początku układu
                EXPECT_EQ(k->pieczecDla(64, 200), nullptr);
                EXPECT_EQ(k->pieczecDla(200, 127), nullptr);
                EXPECT_EQ(k->pieczecDla(2, 200), nullptr);
            }
    // koło zerowe nic nie rysuje
    KsztaltKola* zero = KsztaltKola::dla(QImage::Format_RGB32, 0, {kCzarny, 1, StylPiora::Ciagle}, pedzel);
    ASSERT_NE(zero, nullptr);
    ASSERT_NE(zero->pieczecDla(100, 100), nullptr);
    EXPECT_EQ(zero->pieczecDla(100, 100)->liczbaPikseli(), 0);
    EXPECT_EQ(KsztaltKola::dla(QImage::Format_RGB32, 3, {kCzarny, 1, StylPiora::Kropkowane}, pedzel), nullptr);
    EXPECT_EQ(KsztaltKola::dla(QImage::Format_ARGB32, 3, {kCzarny, 1, StylPiora::Ciagle}, pedzel), nullptr);
    EXPECT_EQ(KsztaltKola::dla(QImage::Format_RGB32, 500, {kCzarny, 1, StylPiora::Ciagle}, pedzel), nullptr);
}

// Płótno z przekształceniem, obcięciem, przezroczystością albo na obrazie innego
// formatu rysuje przez QPainter: te same piksele, co bez pieczęci.
TEST(PieczecKola, InneUstawieniaPainteraJakDawniej)
{
    ProgZero prog;
    const int szer = 120, wys = 90;
    const std::vector<Kolo> kola = {{{40, 30}, 3, {kCzarny, 2, StylPiora::Ciagle}, {0x00FF00, true}},
                                    {{41, 33}, 1, {0x00FF00, 1, StylPiora::Ciagle}, {0x00FF00, true}},
                                    {{80, 60}, 4, {0x123456, 1, StylPiora::Kropkowane}, {0x654321, true}}};
    for (int wariant = 0; wariant < 4; ++wariant) {
        SCOPED_TRACE(wariant);
        const QImage::Format format = wariant == 3 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        QImage a = szum(szer, wys, format, 9), b = a.copy();
        for (const bool pieczecie : {false, true}) {
            QImage& im = pieczecie ? b : a;
            QPainter p(&im);
            if (wariant == 0)
                p.translate(3, 2);
            if (wariant == 1)
                p.setClipRect(10, 10, 70, 50);
            if (wariant == 2)
                p.setOpacity(0.5);
            KanwaEkranu k(p, true);
            k.uzywajPieczeci(pieczecie);
            for (const Kolo& c : kola) {
                k.pioro = c.pioro;
                k.pedzel = c.pedzel;
                k.Kolo(c.p, c.r);
            }
        }
        EXPECT_EQ(roznePiksele(a, b), 0);
    }
}

} // namespace
} // namespace tks::test
