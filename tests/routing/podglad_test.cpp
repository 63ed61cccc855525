// Wiersze podglądu trasy na trzech poziomach i nota ceny.

#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "wspolne/DrogaTestowa.h"

#include <gtest/gtest.h>

using namespace tks;
using namespace tks::test;

namespace {

struct OpisOdcinka {
    int linia = 1;
    std::uint16_t cechy = cechy::Normalnotorowa;
    std::uint16_t stawka = 10000;
    const char* oznFK = "A";
};

// Stacje 0..n w linii prostej (kody oznaczeń podane), odcinki po 1 km; trasa od
// pierwszej do ostatniej, opcjonalnie przez punkt pośredni.
struct Ciag : DrogaTestowa {
    std::vector<int> st;
    Ciag(const std::vector<const char*>& kody, const std::vector<OpisOdcinka>& odcinki)
    {
        for (std::size_t i = 0; i < kody.size(); ++i) {
            st.push_back(dodajStacje(s(), QStringLiteral("S%1").arg(i), double(i), 0));
            s().Stacje.back().OznaczenieStacji.ustaw(QString::fromLatin1(kody[i]));
        }
        for (std::size_t i = 0; i < odcinki.size(); ++i) {
            const int e = dodajOdcinek(s(), st[i], st[i + 1], 1000, odcinki[i].linia, odcinki[i].cechy, int(i) * 1000);
            s().Odcinki[std::size_t(e)].OznFK.ustaw(QString::fromLatin1(odcinki[i].oznFK));
            s().Odcinki[std::size_t(e)].IdWojewodztwa = std::int16_t(10 + i);
        }
        dodajZarzadcow(s());
        stawkiOdcinkow(s(), odcinki);
        przygotuj();
        d.kontrolki.podObcymZarzadem = false;
        d.kontrolki.brakSieci = false;
    }
    void trasa(int przez = -1)
    {
        ASSERT_TRUE(OznaczStart(d, st.front()));
        ASSERT_TRUE(OznaczMeta(d, st.back()));
        if (przez >= 0) {
            ASSERT_TRUE(OznaczPP(d, st[std::size_t(przez)]));
            PrzeliczPonownieDroge(d);
        }
    }
    const Tabela& p() const { return d.trasa.Podglad; }
    int wiersze() const { return p().liczbaWierszy(); }
    QVariant w(int wiersz, const char* kolumna) const { return p().wartosc(wiersz, QString::fromLatin1(kolumna)); }
};

} // namespace

TEST(Podglad, PunktPosredniNaJednejLiniiZaczynaNowyWiersz)
{
    Ciag c({"", "", "", "", ""}, {{}, {}, {}, {}});
    c.trasa(2);
    for (int poziom : {0, 1}) {
        WyznaczTrase(c.d, poziom);
        ASSERT_EQ(c.wiersze(), 2) << poziom;
        EXPECT_EQ(c.w(0, "DoStacji").toString(), QStringLiteral("S2"));
        EXPECT_EQ(c.w(1, "OdStacji").toString(), QStringLiteral("S2"));
        EXPECT_EQ(c.w(1, "LpDrogi").toInt(), 2);
        EXPECT_DOUBLE_EQ(c.w(1, "Dlugosc").toDouble(), 2.0);
        EXPECT_DOUBLE_EQ(c.w(1, "OdKm").toDouble(), 2.0);
        EXPECT_DOUBLE_EQ(c.w(1, "DoKm").toDouble(), 4.0);
        EXPECT_EQ(c.w(1, "LpSciezkiOd").toInt(), -1);
        EXPECT_EQ(c.w(1, "LpSciezkiDo").toInt(), 0);
        EXPECT_EQ(c.w(1, "Lp").toInt(), 2);
    }
    WyznaczTrase(c.d, 2);
    EXPECT_EQ(c.wiersze(), 4);   // każda stacja zaczyna wiersz
    EXPECT_DOUBLE_EQ(c.d.trasa.SumDroga.toDouble(), 4.0);
    EXPECT_DOUBLE_EQ(c.d.trasa.SumCena.toDouble(), 40.0);
}

TEST(Podglad, PunktTechnicznyNaPoziomie2NiePrzerywaWiersza)
{
    Ciag c({"", "PVMAX", "PSL", ""}, {{}, {}, {}});
    c.trasa();
    WyznaczTrase(c.d, 2);
    ASSERT_EQ(c.wiersze(), 1);
    EXPECT_EQ(c.w(0, "OdStacji").toString(), QStringLiteral("S0"));
    EXPECT_EQ(c.w(0, "DoStacji").toString(), QStringLiteral("S3"));
    EXPECT_DOUBLE_EQ(c.w(0, "Dlugosc").toDouble(), 3.0);
    EXPECT_EQ(c.w(0, "IdObDo").toInt(), c.s().Stacje[3].IdObEksp);

    // Zmiana linii albo stawki w punkcie technicznym nadal zaczyna wiersz.
    Ciag linia({"", "PVMAX", ""}, {{1}, {2}});
    linia.trasa();
    WyznaczTrase(linia.d, 2);
    EXPECT_EQ(linia.wiersze(), 2);
    Ciag stawka({"", "PZMKL", ""}, {{1, cechy::Normalnotorowa, 10000}, {1, cechy::Normalnotorowa, 12000}});
    stawka.trasa();
    WyznaczTrase(stawka.d, 2);
    EXPECT_EQ(stawka.wiersze(), 2);
}

TEST(Podglad, ZmianaStawkiNaJednejLiniiWedlugPoziomu)
{
    Ciag c({"", "", ""}, {{1, cechy::Normalnotorowa, 10000}, {1, cechy::Normalnotorowa, 12500}});
    c.trasa();
    EXPECT_EQ(WyznaczTrase(c.d, 0), (QStringList{QStringLiteral("Stawka2008"), QStringLiteral("Uwagi")}));
    EXPECT_FALSE(c.d.trasa.StawkaIUwagiWidoczne);
    ASSERT_EQ(c.wiersze(), 1);
    EXPECT_DOUBLE_EQ(c.w(0, "Cena").toDouble(), 22.5);
    EXPECT_FALSE(c.w(0, "Stawka2008").isValid());
    EXPECT_FALSE(c.w(0, "IdZarzadcy").isValid());

    EXPECT_TRUE(WyznaczTrase(c.d, 1).isEmpty());
    EXPECT_TRUE(c.d.trasa.StawkaIUwagiWidoczne);
    ASSERT_EQ(c.wiersze(), 2);
    EXPECT_DOUBLE_EQ(c.w(0, "Stawka2008").toDouble(), 10.0);
    EXPECT_DOUBLE_EQ(c.w(1, "Stawka2008").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(c.w(1, "Cena").toDouble(), 12.5);
    EXPECT_EQ(c.w(1, "IdZarzadcy").toInt(), 1);
    EXPECT_EQ(c.w(1, "IdWojewodztwa").toInt(), 11);
    EXPECT_EQ(c.w(1, "Grupa").toInt(), 1);
}

TEST(Podglad, OdcinekObcegoZarzaduWewnatrzWycenionegoWiersza)
{
    Ciag c({"", "", "", ""}, {{}, {1, cechy::Normalnotorowa | cechy::ObcyZarzad}, {}});
    c.trasa();
    WyznaczTrase(c.d, 0);
    ASSERT_EQ(c.wiersze(), 1);
    EXPECT_DOUBLE_EQ(c.w(0, "Cena").toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(c.w(0, "Dlugosc").toDouble(), 3.0);
    EXPECT_EQ(c.w(0, "Uwagi").toString(), QStringLiteral("Zarząd: Obcy Zarząd Sp. z o.o."));
    EXPECT_EQ(c.d.trasa.NotaCeny, QStringLiteral(" z uwagi na ruch po liniach obcego zarządu."));
    EXPECT_FALSE(c.pole("WycenaPelna").toBool());
    EXPECT_DOUBLE_EQ(c.pole("DlugoscWycen").toDouble(), 2.0);

    // Z odcinkiem bez stawki nota wymienia oba powody; sam odcinek bez stawki: tylko taksaturę.
    Ciag oba({"", "", "", ""}, {{}, {1, cechy::Normalnotorowa | cechy::ObcyZarzad}, {1, cechy::Normalnotorowa, 0}});
    oba.trasa();
    WyznaczTrase(oba.d, 1);
    EXPECT_EQ(oba.d.trasa.NotaCeny,
              QStringLiteral(" z uwagi na ruch po liniach obcego zarządu oraz po liniach z taksaturą indywidualną."));
    Ciag ind({"", ""}, {{1, cechy::Normalnotorowa, 0}});
    ind.trasa();
    WyznaczTrase(ind.d, 0);
    EXPECT_EQ(ind.d.trasa.NotaCeny, QStringLiteral(" z uwagi na ruch po liniach z taksaturą indywidualną."));
    EXPECT_FALSE(ind.w(0, "Cena").isValid());
    EXPECT_FALSE(ind.d.trasa.SumCena.isValid());
    Ciag zwykly({"", ""}, {{}});
    zwykly.trasa();
    WyznaczTrase(zwykly.d, 0);
    EXPECT_TRUE(zwykly.d.trasa.NotaCeny.isEmpty());
}

TEST(Podglad, NumerOdcinkaElektryfikacjaINazwyDo31Znakow)
{
    Ciag c({"", "", ""}, {{7, cechy::Normalnotorowa, 10000, "B"}, {7, cechy::Normalnotorowa | cechy::BrakSieci, 10000, ""}});
    c.s().Stacje[0].NazwaStacji.ustaw(QStringLiteral("Stacja o bardzo długiej nazwie ponad limit"));
    c.trasa();
    WyznaczTrase(c.d, 2);
    ASSERT_EQ(c.wiersze(), 2);
    EXPECT_EQ(c.w(0, "NrOdcMERIDO").toString(), QStringLiteral("7B"));
    EXPECT_FALSE(c.w(1, "NrOdcMERIDO").isValid());
    EXPECT_DOUBLE_EQ(c.w(0, "Elektr").toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(c.w(1, "Elektr").toDouble(), 0.0);
    EXPECT_EQ(c.w(0, "OdStacji").toString().size(), 31);
    EXPECT_EQ(c.w(1, "Grupa").toInt(), 2);   // inny pierwszy znak OznFK: inna grupa

    WyznaczTrase(c.d, 0);
    ASSERT_EQ(c.wiersze(), 1);
    EXPECT_DOUBLE_EQ(c.w(0, "Elektr").toDouble(), 1.0);
    EXPECT_EQ(c.w(0, "NrOdcMERIDO").toString(), QStringLiteral("7B"));
}
