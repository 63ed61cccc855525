// Start z plikiem sieci: odczyt blokami i indeks nazw z tablicy wag znaków dają
// to samo, co odczyt wzorcowy (cały plik w pamięci, pole po polu) i indeks z
// kluczy ICU i QCollator - model, indeks, środek i komunikaty o błędach.

#include "PlikSieciWzorcowy.h"

#include "network/GeneratorSieci.h"
#include "network/IndeksNazw.h"
#include "network/PlikSieci.h"

#include "common/Cp1250.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unicode/ucol.h>
#include <unicode/uset.h>

using namespace tks;
using namespace tks::test;

namespace {

const QString kSiecPrzykladowa = QStringLiteral(TKS_RUN_DIR "/FDane.bin");

std::vector<TStacja> stacjeONazwach(const std::vector<QByteArray>& nazwy)
{
    std::vector<TStacja> st(nazwy.size());
    for (std::size_t i = 0; i < nazwy.size(); ++i)
        st[i].NazwaStacji.ustawBajty(nazwy[i]);
    return st;
}

// Ten sam porządek wszystkimi sposobami (QCollator tylko przy mniejszych zbiorach: wolny).
void sprawdzIndeks(const std::vector<TStacja>& st, bool zQCollator)
{
    const auto icu = indeksNazw(st, SposobIndeksuNazw::KluczeIcu);
    ASSERT_EQ(icu.size(), st.size());
    EXPECT_EQ(indeksNazw(st, SposobIndeksuNazw::Najszybszy), icu);
    EXPECT_EQ(indeksNazw(st, SposobIndeksuNazw::Najszybszy, false), icu);
    if (zQCollator) {
        EXPECT_EQ(indeksNazw(st, SposobIndeksuNazw::KluczeQCollator), icu);
    }
}

// Pełny obraz modelu: wszystkie pola wszystkich tablic (tak, jak zapisuje je plik),
// stawki i wartości pochodne.
void sprawdzTakiSam(const Siec& a, const Siec& b)
{
    EXPECT_EQ(budujZawartoscSieci(a), budujZawartoscSieci(b));
    EXPECT_TRUE(a.Stawki == b.Stawki);
    EXPECT_EQ(a.StacjeWgNazwy, b.StacjeWgNazwy);
    EXPECT_EQ(a.SrodekDomyslny.x, b.SrodekDomyslny.x);
    EXPECT_EQ(a.SrodekDomyslny.y, b.SrodekDomyslny.y);
}

class StartSieci : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString sciezka() const { return dir.filePath(QStringLiteral("FDane.bin")); }
    void zapisz(const QByteArray& zaszyfrowana)
    {
        QFile f(sciezka());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(zaszyfrowana), zaszyfrowana.size());
    }
    // Odczyt nowy (z wartościami pochodnymi i bez) i wzorcowy tego samego pliku.
    void porownajOdczyty(const QString& plik)
    {
        Siec wzor;
        QString bladWzoru;
        const bool okWzor = WczytajLinieZPlikuWzorcowo(wzor, plik, bladWzoru);

        Siec nowa;
        nowa.Stacje.resize(3);   // model sprzed odczytu: przy błędzie zostaje
        QString blad;
        EXPECT_EQ(WczytajLinieZPliku(nowa, plik, blad), okWzor);
        EXPECT_EQ(blad, bladWzoru);

        Siec zPochodnymi;
        zPochodnymi.Stacje.resize(3);
        QString blad2;
        EXPECT_EQ(WczytajSiecZWartosciamiPochodnymi(zPochodnymi, plik, blad2), okWzor);
        EXPECT_EQ(blad2, bladWzoru);
        if (!okWzor) {
            EXPECT_EQ(nowa.Stacje.size(), 3u);
            EXPECT_EQ(zPochodnymi.Stacje.size(), 3u);
            return;
        }
        sprawdzTakiSam(nowa, wzor);
        wzor.StacjeWgNazwy = indeksNazw(wzor.Stacje, SposobIndeksuNazw::KluczeIcu);
        wzor.SrodekDomyslny = obliczSrodekDomyslny(wzor.KonturPolski);
        sprawdzTakiSam(zPochodnymi, wzor);
    }
};

} // namespace

// Wszystkie teksty z jednego i dwóch bajtów strony kodowej (także bajt 0, znaki
// pomijane przy porządkowaniu, rozwijane na kilka elementów i pary łączone przez
// ICU w jeden element, jak "l·") w tym samym porządku co z kluczy ICU.
TEST(IndeksNazwStartu, TablicaWagJakIcuNaWszystkichParachBajtow)
{
    ASSERT_TRUE(tablicaWagZnakowDziala());
    std::vector<QByteArray> nazwy;
    for (int a = 0; a < 256; ++a) {
        nazwy.push_back(QByteArray(1, char(a)));
        for (int b = 0; b < 256; ++b)
            nazwy.push_back(QByteArray{} + char(a) + char(b));
    }
    sprawdzIndeks(stacjeONazwach(nazwy), false);
}

// Pary łączone przez ICU w jeden element, znalezione przy budowie tablicy jednym
// przejściem po tekście ze wszystkimi parami, to dokładnie skrócenia z danych ICU
// złożone z samych znaków strony kodowej (i nie ma dłuższych).
TEST(IndeksNazwStartu, ParyJednegoElementuJakSkroceniaIcu)
{
    ASSERT_TRUE(tablicaWagZnakowDziala());
    std::array<char16_t, 256> znak{};
    for (int b = 0; b < 256; ++b) {
        const char c = char(b);
        znak[std::size_t(b)] = char16_t(zCp1250(&c, 1).at(0).unicode());
    }
    UErrorCode st = U_ZERO_ERROR;
    UCollator* k = ucol_open("pl", &st);
    ASSERT_TRUE(U_SUCCESS(st));
    USet* skrocenia = uset_openEmpty();
    ucol_getContractionsAndExpansions(k, skrocenia, nullptr, true, &st);
    ASSERT_TRUE(U_SUCCESS(st));
    std::vector<std::pair<std::uint8_t, std::uint8_t>> wzor;
    for (std::int32_t i = 0; i < uset_getItemCount(skrocenia); ++i) {
        UChar32 od = 0, doZ = 0;
        UChar tekst[64];
        UErrorCode st2 = U_ZERO_ERROR;
        const std::int32_t dl = uset_getItem(skrocenia, i, &od, &doZ, tekst, 64, &st2);
        ASSERT_TRUE(U_SUCCESS(st2));
        std::vector<std::vector<std::uint8_t>> bajty;
        for (std::int32_t j = 0; j < dl; ++j) {
            bajty.emplace_back();
            for (int b = 0; b < 256; ++b)
                if (znak[std::size_t(b)] == tekst[j])
                    bajty.back().push_back(std::uint8_t(b));
        }
        if (dl == 0 || std::any_of(bajty.begin(), bajty.end(), [](const auto& v) { return v.empty(); }))
            continue;
        ASSERT_EQ(dl, 2);
        for (auto a : bajty[0])
            for (auto b : bajty[1])
                wzor.emplace_back(a, b);
    }
    uset_close(skrocenia);
    ucol_close(k);
    std::sort(wzor.begin(), wzor.end());
    EXPECT_FALSE(wzor.empty());   // "L·" i "l·"
    EXPECT_EQ(paryBajtowJednegoElementu(), wzor);
}

// Dłuższe teksty: losowe z całej strony kodowej do pełnej długości 80 znaków, z
// wstawkami łączonych par w różnych układach ("l··", "ll·", "·l", "L·" na końcu),
// nazwy różniące się tylko wielkością liter albo znakiem diakrytycznym, powtórzenia.
TEST(IndeksNazwStartu, TablicaWagJakIcuNaLosowychNazwach)
{
    Losowanie los(2112);
    const char* const wstawki[] = {"l\xb7", "L\xb7", "l\xb7\xb7", "ll\xb7", "\xb7l", "\xdf", "ss", "\x85", "...",
                                   "\xb9", "a", "A", "\xa5", "\xe6", "c", "\xb3", "\xa3", "l", " ", "-", "\xad",
                                   "\0", "1", "09", "\xb7"};
    std::vector<QByteArray> nazwy;
    for (int i = 0; i < 24000; ++i) {
        QByteArray n;
        const int rodzaj = los.ponizej(4);
        const int dl = rodzaj == 3 ? 80 : los.ponizej(14);
        while (n.size() < dl) {
            if (rodzaj == 0) {
                n += char(los.ponizej(256));
            } else {
                const char* w = wstawki[los.ponizej(int(std::size(wstawki)))];
                n += *w == 0 ? QByteArray(1, '\0') : QByteArray(w);
            }
        }
        nazwy.push_back(n.left(80));
        if (i % 97 == 0)
            nazwy.push_back(nazwy.back());
    }
    for (const char* n : {"Kielce", "KIELCE", "kielce", "Kiełce", "Kielće", "Łódź", "LODZ", "Lodz", "Łodz", ""})
        nazwy.push_back(QByteArray(n));
    // powyżej progu dwóch wątków: klucze ICU liczą wtedy dwa wątki
    ASSERT_GE(nazwy.size(), std::size_t(kStacjiNaDwaWatki));
    sprawdzIndeks(stacjeONazwach(nazwy), true);
}

TEST(IndeksNazwStartu, SiecPrzykladowaISieciSkali)
{
    Siec s;
    QString blad;
    ASSERT_TRUE(WczytajLinieZPliku(s, kSiecPrzykladowa, blad)) << blad.toStdString();
    sprawdzIndeks(s.Stacje, true);
    sprawdzIndeks(GenerujSiec({30000, 7}).Stacje, false);
    sprawdzIndeks({}, true);
    sprawdzIndeks(stacjeONazwach({QByteArray("Jedna")}), true);
}

TEST_F(StartSieci, OdczytJakWzorcowyNaSieciPrzykladowej)
{
    porownajOdczyty(kSiecPrzykladowa);
}

// Sieci skali: plik dłuższy niż blok odczytu (rekordy na granicach bloków) i sieć
// dość duża, żeby indeks nazw liczył się w trakcie odczytu.
TEST_F(StartSieci, OdczytJakWzorcowyNaSieciachSkali)
{
    for (const int n : {500, 3000, 21000}) {
        QString blad;
        ASSERT_TRUE(ZapiszLinieDoPliku(GenerujSiec({n, std::uint64_t(n)}), sciezka(), blad)) << blad.toStdString();
        SCOPED_TRACE(n);
        porownajOdczyty(sciezka());
    }
}

// Plik obcięty w każdym miejscu i z bajtem zmienionym w każdym miejscu: ten sam
// komunikat co przy odczycie wzorcowym (albo ten sam model, gdy zmiana go nie psuje).
TEST_F(StartSieci, UszkodzonyPlikJakWzorcowy)
{
    // mała sieć z każdym rodzajem danych: po dwa zakłady i województwa z krótkimi konturami
    Siec s = GenerujSiec({30, 3});
    s.KonturPolski.resize(4);
    for (auto* podzial : {&s.Zaklady, &s.Wojewodztwa})
        podzial->resize(2);
    for (auto* kontury : {&s.KonturyZakladow, &s.KonturyWojewodztw}) {
        kontury->resize(2);
        for (std::size_t i = 0; i < 2; ++i)
            (*kontury)[i].resize(std::min<std::size_t>((*kontury)[i].size(), 3));
    }
    for (auto* podzial : {&s.Zaklady, &s.Wojewodztwa})
        for (auto& p : *podzial)
            p.LPunktow = std::min(p.LPunktow, 3);
    QByteArray jawna = budujZawartoscSieci(s);
    ASSERT_LT(jawna.size(), 12000);
    QByteArray pelny = jawna;
    przeksztalcKluczem(pelny);

    // obcięcia: każde w nagłówku, tabelach i na końcu, co siódme pośrodku
    for (qsizetype n = 0; n <= pelny.size(); n += (n < 600 || n > pelny.size() - 200) ? 1 : 7) {
        zapisz(pelny.left(n));
        SCOPED_TRACE(n);
        porownajOdczyty(sciezka());
        if (HasFailure())
            return;
    }
    zapisz(pelny + QByteArray(3, 'x'));
    porownajOdczyty(sciezka());

    // Zmiany bajtów: w pamięci dla każdego położenia i kilku wartości (ten sam
    // rozkład na rekordy co przy pliku), a plikiem dla części z nich.
    Losowanie los(77);
    for (qsizetype i = 0; i < jawna.size(); ++i) {
        for (const int v : {0x00, 0xFF, (static_cast<unsigned char>(jawna[i]) ^ 1)}) {
            QByteArray zmieniona = jawna;
            zmieniona[i] = char(v);
            QString blad, bladWzoru;
            const auto nowa = czytajZawartoscSieci(zmieniona, blad);
            const auto wzor = czytajZawartoscSieciWzorcowo(zmieniona, bladWzoru);
            ASSERT_EQ(nowa.has_value(), wzor.has_value()) << "bajt " << i << " = " << v;
            ASSERT_EQ(blad, bladWzoru) << "bajt " << i << " = " << v;
            if (nowa) {
                ASSERT_EQ(budujZawartoscSieci(*nowa), budujZawartoscSieci(*wzor)) << "bajt " << i;
            }
            if (los.ponizej(40) == 0) {
                przeksztalcKluczem(zmieniona);
                zapisz(zmieniona);
                SCOPED_TRACE(i);
                porownajOdczyty(sciezka());
                if (HasFailure())
                    return;
            }
        }
    }
}

// Wartości na granicach sprawdzeń (odwołania, długości, liczby, długości napisów)
// w pierwszym i ostatnim rekordzie, pojedynczo i po kilka naraz (kolejność komunikatów).
TEST_F(StartSieci, WartosciGraniczneJakWzorcowe)
{
    const Siec wzor = GenerujSiec({60, 8});
    const int ns = wzor.liczbaStacji(), no = wzor.liczbaOdcinkow();
    using Zmiana = std::function<void(Siec&)>;
    std::vector<Zmiana> zmiany;
    for (const std::size_t i : {std::size_t(0), std::size_t(no - 1)}) {
        for (const int v : {-1, ns, ns - 1, 0, ns + 1})
            zmiany.push_back([=](Siec& s) { s.Odcinki[i].LpStA = v; });
        for (const int v : {-1, ns, ns - 1})
            zmiany.push_back([=](Siec& s) { s.Odcinki[i].LpStB = v; });
        for (const int v : {-1, 0, kMaxDlugoscOdcinka, kMaxDlugoscOdcinka + 1})
            zmiany.push_back([=](Siec& s) { s.Odcinki[i].Odleglosc = v; });
        zmiany.push_back([=](Siec& s) { s.Odcinki[i].OznFK.dl = 3; });
        zmiany.push_back([=](Siec& s) { s.Odcinki[i].OznFK.dl = 2; });
    }
    for (const std::size_t i : {std::size_t(0), std::size_t(ns - 1)}) {
        for (const int v : {-1, no, no - 1, 0})
            zmiany.push_back([=](Siec& s) {
                if (!s.OdcinkiStacji[i].empty())
                    s.OdcinkiStacji[i].back() = v;
            });
        zmiany.push_back([=](Siec& s) { s.Stacje[i].NazwaStacji.dl = 81; });
        zmiany.push_back([=](Siec& s) { s.Stacje[i].NazwaStacji.dl = 80; });
        zmiany.push_back([=](Siec& s) { s.Stacje[i].OznaczenieStacji.dl = 6; });
        zmiany.push_back([=](Siec& s) { s.Stacje[i].LOdcinkow = -1; });
        zmiany.push_back([=](Siec& s) { s.Stacje[i].LOdcinkow = std::int16_t(s.Stacje[i].LOdcinkow + 1); });
    }
    zmiany.push_back([](Siec& s) { s.RodzajeStawek[0].LZakrBr = 32768; });
    zmiany.push_back([](Siec& s) { s.RodzajeStawek[0].LZakrBr = -1; });
    zmiany.push_back([](Siec& s) { s.RodzajeStawek[1].Nazwa.dl = 31; });
    zmiany.push_back([](Siec& s) { s.RodzajeStawek[1].NazwaPolaWBazie.dl = 6; });
    zmiany.push_back([](Siec& s) { s.Zarzadcy[0].dl = 151; });
    zmiany.push_back([](Siec& s) { s.Zaklady[0].Nazwa.dl = 51; });
    zmiany.push_back([](Siec& s) { s.Wojewodztwa.back().LPunktow = -1; });
    zmiany.push_back([](Siec& s) { s.Wojewodztwa.back().LPunktow += 1; });
    zmiany.push_back([](Siec& s) { s.Zaklady[0].LPunktow = 1 << 30; });
    Losowanie los(3);
    for (std::size_t k = 0; k < zmiany.size() + 40; ++k) {
        Siec s = wzor;
        if (k < zmiany.size()) {
            zmiany[k](s);
        } else {
            for (int j = 0; j < 3; ++j)   // kilka naraz: który błąd zgłoszony pierwszy
                zmiany[std::size_t(los.ponizej(int(zmiany.size())))](s);
        }
        QByteArray b = budujZawartoscSieci(s);
        przeksztalcKluczem(b);
        zapisz(b);
        SCOPED_TRACE(k);
        porownajOdczyty(sciezka());
        if (HasFailure())
            return;
    }
}

// Duży plik z uszkodzeniami w różnych blokach odczytu: liczby, napisy, odwołania, długości.
TEST_F(StartSieci, UszkodzonaSiecSkaliJakWzorcowa)
{
    const Siec s = GenerujSiec({3000, 9});
    const QByteArray jawna = budujZawartoscSieci(s);
    Losowanie los(5);
    for (int k = 0; k < 60; ++k) {
        QByteArray z = jawna;
        const qsizetype i = los.ponizej(int(z.size()));
        const int ile = 1 + los.ponizej(4);
        for (int j = 0; j < ile && i + j < z.size(); ++j)
            z[i + j] = char(los.ponizej(256));
        przeksztalcKluczem(z);
        zapisz(k % 10 == 0 ? z.left(los.ponizej(int(z.size()))) : z);
        SCOPED_TRACE(i);
        porownajOdczyty(sciezka());
        if (HasFailure())
            return;
    }
}

// Plik, którego rozmiaru nie widać z góry (potok): czytany w całości, z tym samym wynikiem.
TEST_F(StartSieci, PotokCzytanyJakPlik)
{
    QByteArray b = budujZawartoscSieci(GenerujSiec({2000, 4}));
    przeksztalcKluczem(b);
    const QString potok = dir.filePath(QStringLiteral("potok"));
    ASSERT_EQ(mkfifo(QFile::encodeName(potok).constData(), 0600), 0);
    zapisz(b);
    Siec wzor;
    QString blad;
    ASSERT_TRUE(WczytajLinieZPlikuWzorcowo(wzor, sciezka(), blad));
    wzor.StacjeWgNazwy = indeksNazw(wzor.Stacje, SposobIndeksuNazw::KluczeIcu);
    wzor.SrodekDomyslny = obliczSrodekDomyslny(wzor.KonturPolski);

    std::thread pisarz([&] {
        QFile f(potok);
        if (f.open(QIODevice::WriteOnly))
            f.write(b);
    });
    Siec s;
    const bool ok = WczytajSiecZWartosciamiPochodnymi(s, potok, blad);
    pisarz.join();
    ASSERT_TRUE(ok) << blad.toStdString();
    sprawdzTakiSam(s, wzor);
}
