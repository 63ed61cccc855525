// Generator sieci w skali kraju: powtarzalność, poprawność modelu (jak z bazy),
// udziały cech odcinków, spójność sieci i polecenie generate-network.

#include "network/GeneratorSieci.h"
#include "network/PlikSieci.h"
#include "wspolne/Cli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace tks;
using namespace tks::test;

namespace {

bool wewnatrzKonturu(const Siec& s, double x, double y)
{
    const auto& k = s.KonturPolski;
    bool in = false;
    for (std::size_t i = 0, j = k.size() - 1; i < k.size(); j = i++)
        if ((k[i].y > y) != (k[j].y > y) && x < (k[j].x - k[i].x) * (y - k[i].y) / (k[j].y - k[i].y) + k[i].x)
            in = !in;
    return in;
}

double udzial(const Siec& s, std::uint16_t bit)
{
    int n = 0;
    for (const auto& o : s.Odcinki)
        n += (o.Cechy & bit) ? 1 : 0;
    return double(n) / double(s.Odcinki.size());
}

int stacja(const Siec& s, const char* nazwa)
{
    int znaleziona = -1;
    for (int i = 0; i < s.liczbaStacji(); ++i)
        if (s.nazwaStacji(i) == QString::fromUtf8(nazwa)) {
            EXPECT_EQ(znaleziona, -1) << "nazwa węzła powtórzona: " << nazwa;
            znaleziona = i;
        }
    return znaleziona;
}

} // namespace

TEST(GeneratorSieci, PowtarzalnyDlaZiarna)
{
    const QByteArray a = budujZawartoscSieci(GenerujSiec({3000, 1}));
    EXPECT_EQ(a, budujZawartoscSieci(GenerujSiec({3000, 1})));
    EXPECT_NE(a, budujZawartoscSieci(GenerujSiec({3000, 2})));
    // Granice liczby stacji.
    EXPECT_EQ(GenerujSiec({1, 1}).liczbaStacji(), kMinStacjiGeneratora);
    EXPECT_EQ(GenerujSiec({kMinStacjiGeneratora, 1}).liczbaStacji(), kMinStacjiGeneratora);
}

TEST(GeneratorSieci, ModelJakZBazy)
{
    const Siec s = GenerujSiec({5000, 4});
    ASSERT_EQ(s.liczbaStacji(), 5000);
    const double naStacje = double(s.liczbaOdcinkow()) / s.liczbaStacji();
    EXPECT_GT(naStacje, 1.1);
    EXPECT_LT(naStacje, 1.3);

    // Listy odcinków stacji: odcinki dotykające stacji, w kolejności indeksów.
    std::vector<std::vector<std::int32_t>> listy(s.Stacje.size());
    std::set<std::int32_t> ids;
    for (std::size_t e = 0; e < s.Odcinki.size(); ++e) {
        const TOdcinek& o = s.Odcinki[e];
        ASSERT_GE(o.LpStA, 0);
        ASSERT_LT(o.LpStA, s.liczbaStacji());
        ASSERT_GE(o.LpStB, 0);
        ASSERT_LT(o.LpStB, s.liczbaStacji());
        ASSERT_NE(o.LpStA, o.LpStB);
        listy[std::size_t(o.LpStA)].push_back(std::int32_t(e));
        listy[std::size_t(o.LpStB)].push_back(std::int32_t(e));
        const TStacja& a = s.Stacje[std::size_t(o.LpStA)];
        const TStacja& b = s.Stacje[std::size_t(o.LpStB)];
        EXPECT_EQ(o.Lp, int(e) + 1);
        EXPECT_EQ(o.IdObA, a.IdObEksp);
        EXPECT_EQ(o.IdObB, b.IdObEksp);
        EXPECT_EQ(o.XA, a.Xkm);
        EXPECT_EQ(o.YB, b.Ykm);
        EXPECT_GT(o.Odleglosc, 0);
        EXPECT_LE(o.Odleglosc, 8000);
        EXPECT_EQ(o.MetrOsiB - o.MetrOsiA, o.Odleglosc);
        // Kilometraż linii ciągły: odcinek dalej na tej samej linii zaczyna się tam, gdzie skończył poprzedni.
        if (e > 0 && s.Odcinki[e - 1].NrLinii == o.NrLinii) {
            EXPECT_EQ(s.Odcinki[e - 1].MetrOsiB, o.MetrOsiA);
            EXPECT_EQ(s.Odcinki[e - 1].LpStB, o.LpStA);
        }
        EXPECT_EQ(bool(o.Cechy & cechy::Szerokotorowa), !(o.Cechy & cechy::Normalnotorowa));
        EXPECT_FALSE(o.Cechy & (cechy::DopasujDoRodzaju | cechy::Zabroniony));
        EXPECT_EQ(o.KodZarzadu != 1, bool(o.Cechy & cechy::ObcyZarzad));
        for (const int v : {o.VP1, o.VP2, o.VT1, o.VT2, o.VOgr1, o.VOgr2}) {
            EXPECT_GE(v, 40);
            EXPECT_LE(v, 160);
        }
        EXPECT_GE(o.IdWojewodztwa, 1);
        EXPECT_LT(o.IdWojewodztwa, std::int16_t(s.Wojewodztwa.size()));
        // Stawki rosną z przedziałem masy; brak stawki pasażerskiej przy zawieszonym ruchu pasażerskim.
        for (int r = 0; r < 3; ++r)
            for (int b = 1; b < 6; ++b)
                EXPECT_LE(s.Stawki.stawka(e, r, b - 1), s.Stawki.stawka(e, r, b));
        if (o.Cechy & cechy::ZawRuchPas) {
            EXPECT_EQ(s.Stawki.stawka(e, 0, 0), 0);
        }
    }
    for (std::size_t i = 0; i < s.Stacje.size(); ++i) {
        EXPECT_EQ(s.OdcinkiStacji[i], listy[i]) << "stacja " << i;
        EXPECT_EQ(s.Stacje[i].LOdcinkow, std::int16_t(listy[i].size()));
        EXPECT_GE(listy[i].size(), 1u);
        EXPECT_TRUE(ids.insert(s.Stacje[i].IdObEksp).second);
        EXPECT_TRUE(wewnatrzKonturu(s, s.Stacje[i].Xkm, s.Stacje[i].Ykm)) << "stacja " << i;
        EXPECT_EQ(s.Stacje[i].OdlMin, kNieosiagnieta);
        EXPECT_EQ(s.Stacje[i].StPop, -1);
        EXPECT_FALSE(s.Stacje[i].NazwaStacji.pusty());
    }

    // Słowniki: 3 rodzaje stawek po 6 przedziałów, kontury, święta okresu rozkładu.
    ASSERT_EQ(s.RodzajeStawek.size(), 3u);
    for (const auto& r : s.RodzajeStawek)
        EXPECT_EQ(r.LZakrBr, 6);
    EXPECT_EQ(s.ZakresyBr.liczbaWierszy(), 18);
    EXPECT_EQ(s.RodzajeStawekTab.liczbaWierszy(), 3);
    EXPECT_EQ(s.Zarzadcy.size(), 4u);
    EXPECT_GT(s.KonturPolski.size(), 50u);
    EXPECT_EQ(s.Swieta.size(), 14u);
    for (const auto* tab : {&s.Zaklady, &s.Wojewodztwa}) {
        const auto& kontury = tab == &s.Zaklady ? s.KonturyZakladow : s.KonturyWojewodztw;
        ASSERT_EQ(kontury.size(), tab->size());
        for (std::size_t i = 0; i < tab->size(); ++i)
            EXPECT_EQ((*tab)[i].LPunktow, int(kontury[i].size()));
    }
}

TEST(GeneratorSieci, UdzialyCechIWidocznosc)
{
    const Siec s = GenerujSiec({20000, 1});
    EXPECT_NEAR(udzial(s, cechy::BrakSieci), 0.30, 0.08);
    EXPECT_GT(udzial(s, cechy::Szerokotorowa), 0.002);
    EXPECT_LT(udzial(s, cechy::Szerokotorowa), 0.03);
    for (const std::uint16_t bit : {cechy::ObcyZarzad, cechy::Nieczynna, cechy::ZawRuchPas, cechy::ZawRuchTow,
                                    cechy::NieWskazanyRuchPas, cechy::NieWskazanyRuchTow, cechy::DoPominiecia}) {
        EXPECT_GT(udzial(s, bit), 0.003) << bit;
        EXPECT_LT(udzial(s, bit), 0.07) << bit;
    }
    EXPECT_GT(udzial(s, cechy::ZawRuchCalk), 0.0);
    int widoczne = 0, wezly = 0, techniczne = 0;
    for (int i = 0; i < s.liczbaStacji(); ++i) {
        widoczne += s.Stacje[std::size_t(i)].Widocznosc <= 1 ? 1 : 0;
        wezly += s.Stacje[std::size_t(i)].LOdcinkow >= 3 ? 1 : 0;
        techniczne += s.Stacje[std::size_t(i)].OznaczenieStacji.tekst() == QLatin1String("PSL") ? 1 : 0;
    }
    EXPECT_GT(widoczne, s.liczbaStacji() / 50);   // przy 1x widać węzły i końce ważnych linii
    EXPECT_LT(widoczne, s.liczbaStacji() / 10);
    EXPECT_GT(wezly, s.liczbaStacji() / 10);
    EXPECT_GT(techniczne, 0);
}

TEST(GeneratorSieci, SiecSpojnaPozaZakatkiemSzerokotorowym)
{
    const Siec s = GenerujSiec({20000, 1});
    std::vector<char> szeroka(s.Stacje.size(), 0);
    for (const auto& o : s.Odcinki)
        if (o.Cechy & cechy::Szerokotorowa)
            szeroka[std::size_t(o.LpStA)] = szeroka[std::size_t(o.LpStB)] = 1;
    const int start = stacja(s, "Warszawa Centralna");
    ASSERT_GE(start, 0);
    std::vector<char> byl(s.Stacje.size(), 0);
    std::vector<int> kolejka{start};
    byl[std::size_t(start)] = 1;
    for (std::size_t g = 0; g < kolejka.size(); ++g)
        for (const auto e : s.OdcinkiStacji[std::size_t(kolejka[g])]) {
            const TOdcinek& o = s.Odcinki[std::size_t(e)];
            const int n = o.LpStA == kolejka[g] ? o.LpStB : o.LpStA;
            if (!byl[std::size_t(n)]) {
                byl[std::size_t(n)] = 1;
                kolejka.push_back(n);
            }
        }
    for (std::size_t i = 0; i < s.Stacje.size(); ++i)
        EXPECT_TRUE(byl[i] != szeroka[i]) << "stacja " << i;
    // Węzły magistral, na których benchmarki układają trasę ok. 1000 km.
    for (const char* n : {"Szczecin Główny", "Poznań Główny", "Kraków Główny", "Rzeszów Główny"})
        EXPECT_TRUE(byl[std::size_t(stacja(s, n))]) << n;
}

TEST(GeneratorSieci, PlikOdczytanyDajeTenSamModel)
{
    const Siec s = GenerujSiec({2000, 9});
    QTemporaryDir k;
    const QString plik = k.filePath(QStringLiteral("siec.bin"));
    QString blad;
    ASSERT_TRUE(ZapiszLinieDoPliku(s, plik, blad)) << blad.toStdString();
    Siec w;
    ASSERT_TRUE(WczytajLinieZPliku(w, plik, blad)) << blad.toStdString();
    EXPECT_EQ(budujZawartoscSieci(w), budujZawartoscSieci(s));
}

TEST(GeneratorSieci, PolecenieGenerateNetwork)
{
    QTemporaryDir k;
    const QString a = k.filePath(QStringLiteral("a.bin")), b = k.filePath(QStringLiteral("b.bin"));
    const auto w = uruchomCli({QStringLiteral("generate-network"), QStringLiteral("--stations"), QStringLiteral("1500"),
                               QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--out"), a});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.json().value(QStringLiteral("Stacje")).toInt(), 1500);
    EXPECT_GT(w.json().value(QStringLiteral("Odcinki")).toInt(), 1500);
    Siec s;
    QString blad;
    ASSERT_TRUE(WczytajLinieZPliku(s, a, blad)) << blad.toStdString();
    EXPECT_EQ(s.liczbaStacji(), 1500);

    // To samo ziarno: bajtowo ten sam plik.
    ASSERT_EQ(uruchomCli({QStringLiteral("generate-network"), QStringLiteral("--stations"), QStringLiteral("1500"),
                          QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--out"), b})
                  .kod,
              0);
    QFile fa(a), fb(b);
    ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    EXPECT_EQ(fa.readAll(), fb.readAll());

    // Złe argumenty: kod 2 i komunikat, bez pliku.
    const QString c = k.filePath(QStringLiteral("c.bin"));
    for (const QStringList& zle : {QStringList{QStringLiteral("--stations"), QStringLiteral("1")},
                                   QStringList{QStringLiteral("--stations"), QStringLiteral("dużo")},
                                   QStringList{QStringLiteral("--seed"), QStringLiteral("-3")},
                                   QStringList{QStringLiteral("nadmiarowy")}}) {
        const auto z = uruchomCli(QStringList{QStringLiteral("generate-network")} + zle
                                  + QStringList{QStringLiteral("--out"), c});
        EXPECT_EQ(z.kod, 2) << zle.join(' ').toStdString();
        EXPECT_FALSE(z.bledy.isEmpty());
        EXPECT_FALSE(QFile::exists(c));
    }
    // bez --out nic nie jest zapisywane (domyślny FDane.bin nadpisałby sieć w folderze)
    const auto bez = uruchomCli({QStringLiteral("generate-network"), QStringLiteral("--stations"), QStringLiteral("1500")});
    EXPECT_EQ(bez.kod, 2);
    EXPECT_TRUE(bez.bledy.contains(QStringLiteral("--out"))) << bez.bledy.toStdString();
}
