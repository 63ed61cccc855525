// Podpowiedź mapy: teksty dla stacji i odcinków, ramka przy kursorze.

#include "MapaTestowa.h"

#include "map/Podpowiedz.h"
#include "wspolne/SiecTestowa.h"

#include <gtest/gtest.h>

namespace tks::test {
namespace {

constexpr int W = kSzerWidoku;
constexpr int H = kWysWidoku;

class Podpowiedz : public ::testing::Test, public WidokTestowy {
protected:
    void SetUp() override
    {
        Siec& s = d->siec;
        ustawZoom(40000);
        s.Zarzadcy.resize(3);
        s.Zarzadcy[1].ustaw(QStringLiteral("KZT ZLT S.A."));
        s.Zarzadcy[2].ustaw(QStringLiteral("Magistrala Wschodnia Sp. z o.o."));
        a = stacja(QStringLiteral("Alfa"), 200, 300);
        b = stacja(QStringLiteral("Beta"), 400, 300);
        s.Stacje[std::size_t(a)].OznaczenieStacji.ustaw(QStringLiteral("123"));
        o = dodajOdcinek(s, a, b, 12345, 7, cechy::Szerokotorowa | cechy::NieWskazanyRuchPas);
        dodajRodzaje(s);
        przygotujStawki(s, 0);
        s.Stawki.ustaw(std::size_t(o), 1, 1, 14250);
        d->kontrolki.idRodzajuStawki = 1;
        d->kontrolki.lpZakresuBr = 1;
    }
    TOdcinek& odc() { return d->siec.Odcinki[std::size_t(o)]; }
    int a = -1, b = -1, o = -1;
};

TEST_F(Podpowiedz, StacjaPodKursorem)
{
    EXPECT_EQ(LiniePodpowiedzi(*d, 205, 300), QStringList{QStringLiteral(" Alfa (123) ")});
    // Poza obszarem rysowania nic.
    EXPECT_TRUE(LiniePodpowiedzi(*d, -1, 300).isEmpty());
    EXPECT_TRUE(LiniePodpowiedzi(*d, W, 300).isEmpty());
    EXPECT_TRUE(LiniePodpowiedzi(*d, 300, 100).isEmpty());
}

TEST_F(Podpowiedz, OdcinekZeWskaznikiem)
{
    const QStringList oczekiwane = {
        QStringLiteral(" Linia 7 szerokotorowa zelektryfikowana towarowa "),
        QStringLiteral("       ODCINEK: Alfa - Beta (długość 12,345 km) "),
        QStringLiteral("       ZARZĄDCA: KZT ZLT S.A."),
        QStringLiteral("       Bieżąca stawka Ssnk: 14,25 zł/pockm"),
    };
    EXPECT_EQ(LiniePodpowiedzi(*d, 300, 305), oczekiwane);

    // Zerowa stawka, zamknięta linia bez sieci, tranzyt.
    d->kontrolki.lpZakresuBr = 0;
    odc().Cechy = cechy::Normalnotorowa | cechy::BrakSieci | cechy::Nieczynna | cechy::NieWskazanyRuchTow;
    odc().Rezerwa = 1;
    const QStringList l = LiniePodpowiedzi(*d, 300, 305);
    EXPECT_EQ(l, (QStringList{
                     QStringLiteral(" Linia 7 pasażerska "),
                     QStringLiteral("       Opłata za przejazd w ramach tranzytu uprzywilejowanego "),
                     QStringLiteral("       wyznaczana jest na podstawie stawek jednostkowych "),
                     QStringLiteral("       ustalonych z przewoźnikiem w umowie o udostępnianie linii kolejowych "),
                     QStringLiteral("       ODCINEK: Alfa - Beta (długość 12,345 km) "),
                     QStringLiteral("       ZARZĄDCA: KZT ZLT S.A."),
                     QStringLiteral("       OGRANICZENIA RUCHU: nieczynna "),
                     QStringLiteral("       Bieżąca stawka Ssnk:  - taksatura indywidualna"),
                 }));
}

TEST_F(Podpowiedz, OgraniczeniaRuchuOdcinka)
{
    auto ograniczenia = [&]() {
        for (const QString& l : LiniePodpowiedzi(*d, 300, 305))
            if (l.contains(QStringLiteral("OGRANICZENIA")))
                return l.mid(QStringLiteral("       OGRANICZENIA RUCHU: ").size());
        return QString();
    };
    odc().Cechy = cechy::Normalnotorowa;
    EXPECT_EQ(ograniczenia(), QString());
    odc().Cechy = cechy::Normalnotorowa | cechy::ZawRuchTow;
    EXPECT_EQ(ograniczenia(), QStringLiteral("Zaw. ruch towarowy "));
    odc().Cechy = cechy::Normalnotorowa | cechy::ZawRuchPas;
    EXPECT_EQ(ograniczenia(), QStringLiteral("Zaw. ruch pasażerski "));
    odc().Cechy = cechy::Normalnotorowa | cechy::ZawRuchPas | cechy::ZawRuchTow;
    EXPECT_EQ(ograniczenia(), QStringLiteral("Nie opracowuje się rocznego rozkładu jazdy"));
    odc().IdObB = 241994;
    EXPECT_EQ(ograniczenia(), QStringLiteral("Stawka zostanie podana przed terminem oddania linii do eksploatacji"));
    odc().Cechy = cechy::Normalnotorowa;
    EXPECT_EQ(ograniczenia(), QStringLiteral("Stawka zostanie podana przed terminem oddania linii do eksploatacji"));
}

TEST_F(Podpowiedz, ObcyZarzadca)
{
    odc().KodZarzadu = 2;
    const QStringList l = LiniePodpowiedzi(*d, 300, 305);
    // Bez ograniczeń i stawki.
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[2], QStringLiteral("       ZARZĄDCA: Magistrala Wschodnia Sp. z o.o."));
    // Inne narzędzia: jedna linia na odcinek.
    d->widok.narzedzie = Narzedzie::Start;
    EXPECT_EQ(LiniePodpowiedzi(*d, 300, 305),
              QStringList{QStringLiteral(" Linia 7(Zarządca: Magistrala Wschodnia Sp. z o.o.)")});
    odc().KodZarzadu = 1;
    EXPECT_EQ(LiniePodpowiedzi(*d, 300, 305), QStringList{QStringLiteral(" Linia 7")});
}

TEST_F(Podpowiedz, RamkaPrzyKursorze)
{
    TLabelHint h;
    LabelHintAdd(h, QStringLiteral("a"), {60, 13});
    LabelHintAdd(h, QStringLiteral("bb"), {100, 13});
    LabelHintAdd(h, QStringLiteral("c"), {40, 14});
    EXPECT_EQ(h.szerokosc, 100);
    EXPECT_EQ(h.wysokosc, 40);
    LabelHintSetPos(h, 100, 100, W, H);
    EXPECT_EQ(h.rect, (TProstokat{110, 103, 210, 143}));
    EXPECT_EQ(PozycjaLiniiPodpowiedzi(h, 2), (TPiksel{110, 103 + 2 * 13}));
    // Przy prawej krawędzi na lewo od kursora, przy dolnej w górę.
    LabelHintSetPos(h, 750, 590, W, H);
    EXPECT_EQ(h.rect, (TProstokat{650, 560, 750, 600}));
    LabelHintClear(h);
    EXPECT_EQ(h.LLinii, 0);
    EXPECT_EQ(h.szerokosc, 0);
}

TEST_F(Podpowiedz, PrzygotowanieMierzyNaPlotnie)
{
    ElementyWydruku e;
    KanwaWydruku k(e, W, H, 96);
    TLabelHint h;
    ASSERT_TRUE(PrzygotujPodpowiedz(*d, 790, 305, k, h) == false);   // nic pod kursorem
    ASSERT_TRUE(PrzygotujPodpowiedz(*d, 395, 300, k, h));
    EXPECT_EQ(h.LLinii, 1);
    EXPECT_EQ(h.szerokosc, k.rozmiarTekstu(QStringLiteral(" Beta () ")).width());
    EXPECT_EQ(h.rect.right, 405 + h.szerokosc);
    RysujPodpowiedz(k, h, 0xE1FFFF);
    ASSERT_EQ(e.obszary.size(), 1u);
    EXPECT_EQ(e.obszary[0].Kolor, 0xE1FFFF);
    ASSERT_EQ(e.napisy.size(), 1u);
    EXPECT_EQ(e.napisy[0].Kolor, 0);
    EXPECT_EQ(e.napisy[0].X, 405);
    EXPECT_EQ(e.napisy[0].Y, 303);
}

} // namespace
} // namespace tks::test
