// Pełny zapis i wczytanie pociągu na sieci przykładowej: w rdzeniu i przez
// program taksatura-cli (train save, list, show, price, delete i błędy).

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"
#include "network/PlikSieci.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"
#include "trains/PlikiPociagu.h"
#include "trains/TabelePociagu.h"
#include "trains/ZapisPociagu.h"
#include "wspolne/Cli.h"
#include "wspolne/WierszeKalendarza.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace tks;
using namespace tks::test;

namespace {

const QString kKalendarzJson = QStringLiteral(
    R"({"ranges":[{"od":"2017-12-10","do":"2018-03-31","d":[1,1,1,1,1,0,0,2]},)"
    R"({"od":"2018-04-01","do":"2018-12-08","d":[1,1,1,1,1,1,1,2]}],"marks":{"2017-12-27":0,"2018-01-06":1}})");

// Stan okna głównego na sieci przykładowej, z nowym pociągiem.
struct Probka {
    InterakcjaSkryptowa ia;
    std::unique_ptr<Droga> d;

    explicit Probka(const QString& katalog) : d(std::make_unique<Droga>(ia, katalog))
    {
        QString blad;
        EXPECT_TRUE(WczytajLinieZPliku(d->siec, plikSieciPrzykladowej(), blad)) << blad.toStdString();
        budujWartosciPochodne(d->siec, &ia);
        d->siecWczytana = true;
        d->kontrolki.idRodzajuStawki = pierwszyRodzaj(d->siec);
        d->kontrolki.lpZakresuBr = pierwszyPrzedzial(d->siec, d->kontrolki.idRodzajuStawki);
        DopasujOgraniczeniaDoRodzaju(d->kontrolki);
        UstalWarunki(*d);
        KasujDroge(*d);
        UtworzTabelePociagu(*d);
        TworzNowyPociag(*d);
        ia.wyczysc();
    }
    int stacja(const char* nazwa) const
    {
        for (int i = 0; i < d->siec.liczbaStacji(); ++i)
            if (d->siec.nazwaStacji(i) == QString::fromUtf8(nazwa))
                return i;
        ADD_FAILURE() << nazwa;
        return -1;
    }
    std::vector<int> odcinki() const
    {
        std::vector<int> w;
        for (const auto& e : d->trasa.Sciezki)
            w.push_back(e.LpOdcinka);
        return w;
    }
};

struct SiecPrzykladowa : ::testing::Test {
    QTemporaryDir katalog;
    QString dir() const { return katalog.path(); }
    WynikCli cli(const QStringList& argumenty)
    {
        const QStringList katalogProgramu{QStringLiteral("--dir"), dir()};
        return uruchomCli(QStringList{QStringLiteral("train")} + argumenty + katalogProgramu);
    }
};

} // namespace

TEST_F(SiecPrzykladowa, ZapisIWczytanieZPunktamiWykluczeniamiIKalendarzem)
{
    Probka a(dir());
    Droga& d = *a.d;
    ASSERT_TRUE(OznaczStart(d, a.stacja("Warszawa Centralna")));
    ASSERT_TRUE(OznaczMeta(d, a.stacja("Kraków Główny")));
    ASSERT_GT(d.trasa.Sciezki.size(), 60u);
    // stacja i odcinek ze środka trasy wykluczone: trasa je objeżdża
    const int stacjaZabroniona = d.trasa.Sciezki[40].LpStDo;
    const int odcinekZabroniony = d.trasa.Sciezki[30].LpOdcinka;
    OznaczOminStacje(d, stacjaZabroniona);
    OznaczOminOdcinek(d, odcinekZabroniony);
    ASSERT_GT(d.trasa.Sciezki.size(), 10u);
    // punkt pośredni na objeździe
    ASSERT_TRUE(OznaczPP(d, d.trasa.Sciezki[d.trasa.Sciezki.size() / 2].LpStDo));
    PrzeliczPonownieDroge(d);
    ASSERT_EQ(d.trasa.GlowneStacje.size(), 3u);
    ASSERT_FALSE(d.trasa.Sciezki.empty());
    ASSERT_EQ(d.trasa.Sciezki.back().LpStDo, a.stacja("Kraków Główny"));
    WczytajKalendarz(d, [] {
        Tabela t = nowaTabelaKalendarz();
        dodajZakres(t, QDate(2017, 12, 10), QDate(2018, 3, 31), "11111002");
        dodajZakres(t, QDate(2018, 4, 1), QDate(2018, 12, 8), "11111112");
        dodajOznaczenie(t, QDate(2017, 12, 27), 0);
        dodajOznaczenie(t, QDate(2018, 1, 6), 1);
        return t;
    }());
    const Tabela naglowek = d.pociag.Naglowek;
    const auto odcinki = a.odcinki();
    const auto punkty = d.trasa.GlowneStacje;
    const Tabela kalendarz = WierszeKalendarza(d.kalendarz, 1);

    OknaPociaguSkryptowe okna;
    okna.wypelnijNaglowek = [](Droga& dr) {
        dr.pociag.ustaw(QStringLiteral("NrPociagu"), QStringLiteral("IC1234"));
        dr.pociag.ustaw(QStringLiteral("NazwaPociagu"), QStringLiteral("Chrobry"));
        dr.pociag.ustaw(QStringLiteral("Opis"), QStringLiteral("linia 1\r\nlinia 2"));
    };
    ASSERT_TRUE(ZapiszPociag(d, okna)) << a.ia.teksty().join(QStringLiteral(" | ")).toStdString();
    ASSERT_EQ(d.pociag.IdBiezacegoPociagu, 1);

    // wczytanie w świeżym oknie (nowy przebieg programu)
    Probka b(dir());
    Droga& e = *b.d;
    ASSERT_TRUE(WczytajPociag(e, 1));
    EXPECT_TRUE(b.ia.zdarzenia().isEmpty()) << b.ia.teksty().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(b.odcinki(), odcinki);
    ASSERT_EQ(e.trasa.GlowneStacje.size(), punkty.size());
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        EXPECT_EQ(e.trasa.GlowneStacje[i].LpStacji, punkty[i].LpStacji);
        EXPECT_EQ(e.trasa.GlowneStacje[i].Rodzaj, punkty[i].Rodzaj);
        EXPECT_EQ(e.trasa.GlowneStacje[i].NrGrupy, punkty[i].NrGrupy);
    }
    EXPECT_EQ(e.trasa.ListaStacjiZabronionych, std::vector<int>{stacjaZabroniona});
    ASSERT_EQ(e.trasa.ListaOdcinkowZabronionych.size(), 1u);
    EXPECT_EQ(e.trasa.ListaOdcinkowZabronionych[0], odcinekZabroniony);
    EXPECT_TRUE(e.siec.Odcinki[std::size_t(odcinekZabroniony)].Cechy & cechy::Zabroniony);
    EXPECT_EQ(WierszeKalendarza(e.kalendarz, 1), kalendarz);
    for (const char* k : {"CenaWyliczona", "CenaRozkJazdy", "CenaPrzejazdu", "Dlugosc", "DlugoscWycen", "LDniKurs",
                          "Kursuje", "Ograniczenia", "IdRodzajuStawki", "LpZakresuBr", "StacjaPoczatkowa",
                          "StacjaKoncowa", "WycenaPelna", "DataUtworzenia"})
        EXPECT_EQ(e.pociag.pole(QString::fromLatin1(k)), naglowek.wartosc(0, QString::fromLatin1(k))) << k;
    EXPECT_EQ(e.pociag.pole(QStringLiteral("NrPociagu")).toString(), QStringLiteral("IC1234"));
    EXPECT_EQ(e.pociag.pole(QStringLiteral("Opis")).toString(), QStringLiteral("linia 1\r\nlinia 2"));
    EXPECT_GT(e.pociag.pole(QStringLiteral("LDniKurs")).toInt(), 250);
}

TEST_F(SiecPrzykladowa, PoleceniaTrain)
{
    QFile kal(katalog.filePath(QStringLiteral("kalendarz.json")));
    ASSERT_TRUE(kal.open(QIODevice::WriteOnly));
    kal.write(kKalendarzJson.toUtf8());
    kal.close();

    // pusta lista bez folderu Pociagi
    WynikCli w = cli({QStringLiteral("list")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_TRUE(w.json()[QStringLiteral("ListaPociagow")].toArray().isEmpty());

    const QStringList trasa = {QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"), QStringLiteral("--via"),
                               QStringLiteral("Łódź Kaliska"), QStringLiteral("--end"), QStringLiteral("Kraków Główny"),
                               QStringLiteral("--avoid-segment"), QStringLiteral("5")};
    w = cli(QStringList{QStringLiteral("save")} + trasa
            + QStringList{QStringLiteral("--number"), QStringLiteral("IC 1234"), QStringLiteral("--name"),
                          QStringLiteral("Śnieżka"), QStringLiteral("--calendar"), kal.fileName()});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.json(), (QJsonObject{{QStringLiteral("IdPociagu"), 1}}));
    w = cli(QStringList{QStringLiteral("save")} + trasa + QStringList{QStringLiteral("--number"), QStringLiteral("77")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.json()[QStringLiteral("IdPociagu")].toInt(), 2);

    w = cli({QStringLiteral("list")});
    const QJsonArray lista = w.json()[QStringLiteral("ListaPociagow")].toArray();
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(lista[0][QStringLiteral("NrPociagu")].toString(), QStringLiteral("IC 1234"));
    EXPECT_EQ(lista[0][QStringLiteral("NazwaPociagu")].toString(), QStringLiteral("Śnieżka"));
    EXPECT_EQ(lista[0][QStringLiteral("Relacja")].toString(), QStringLiteral("Warszawa Centralna - Kraków Główny"));
    EXPECT_TRUE(lista[1][QStringLiteral("NazwaPociagu")].isNull());

    // wszystkie tabele pociągu
    w = cli({QStringLiteral("show"), QStringLiteral("1")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject t = w.json();
    for (const char* n : {"Naglowek", "PociagStacje", "GlowneStacje", "OdcinkiZabronione", "StacjeZabronione",
                          "Kalendarz", "Trasa"})
        EXPECT_TRUE(t[QString::fromLatin1(n)].isArray()) << n;
    const QJsonObject n1 = t[QStringLiteral("Naglowek")].toArray()[0].toObject();
    EXPECT_EQ(t[QStringLiteral("GlowneStacje")].toArray().size(), 3);
    EXPECT_EQ(t[QStringLiteral("OdcinkiZabronione")].toArray().size(), 1);
    EXPECT_EQ(t[QStringLiteral("Kalendarz")].toArray().size(), 4);
    EXPECT_EQ(n1[QStringLiteral("RozkladOd")].toString(), QStringLiteral("2017-12-10"));
    EXPECT_TRUE(n1[QStringLiteral("CzasMinStr")].toString().isEmpty());
    EXPECT_GT(n1[QStringLiteral("LDniKurs")].toInt(), 250);

    // ponowna wycena na obecnej sieci: jak route z tymi samymi operacjami
    w = cli({QStringLiteral("price"), QStringLiteral("1"), QStringLiteral("--level"), QStringLiteral("1")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject cena = w.json();
    const WynikCli r =
        uruchomCli(QStringList{QStringLiteral("route"), QStringLiteral("--level"), QStringLiteral("1")} + trasa);
    ASSERT_EQ(r.kod, 0);
    EXPECT_EQ(cena[QStringLiteral("sciezki")], r.json()[QStringLiteral("sciezki")]);
    EXPECT_EQ(cena[QStringLiteral("wiersze")], r.json()[QStringLiteral("wiersze")]);
    const QJsonObject nc = cena[QStringLiteral("naglowek")].toObject();
    EXPECT_EQ(nc[QStringLiteral("CenaWyliczona")], n1[QStringLiteral("CenaWyliczona")]);
    EXPECT_EQ(nc[QStringLiteral("CenaRozkJazdy")], n1[QStringLiteral("CenaRozkJazdy")]);
    EXPECT_EQ(nc[QStringLiteral("NrPociagu")].toString(), QStringLiteral("IC 1234"));

    // usunięcie
    w = cli({QStringLiteral("delete"), QStringLiteral("2")});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_EQ(w.json()[QStringLiteral("komunikaty")].toArray()[0][QStringLiteral("tekst")].toString(),
              QStringLiteral("Pomyślnie usunięto pociąg o numerze 77 z bazy. "));
    EXPECT_FALSE(QFile::exists(katalog.filePath(QStringLiteral("Pociagi/Naglowek_2.cds"))));
    EXPECT_EQ(cli({QStringLiteral("list")}).json()[QStringLiteral("ListaPociagow")].toArray().size(), 1);

    // błędy: nieznany pociąg, uszkodzony plik - kod 2 i jedna linia
    for (const char* pod : {"show", "price", "delete"}) {
        w = cli({QString::fromLatin1(pod), QStringLiteral("2")});
        EXPECT_EQ(w.kod, 2) << pod;
        EXPECT_EQ(w.bledy, QStringLiteral("Nie ma pociągu o identyfikatorze 2.\n")) << pod;
        EXPECT_TRUE(w.wyjscie.isEmpty());
    }
    QFile g(katalog.filePath(QStringLiteral("Pociagi/GlowneStacje_1.cds")));
    ASSERT_TRUE(g.open(QIODevice::WriteOnly | QIODevice::Truncate));
    g.write("[1, 2");
    g.close();
    for (const char* pod : {"show", "price"}) {
        w = cli({QString::fromLatin1(pod), QStringLiteral("1")});
        EXPECT_EQ(w.kod, 2) << pod;
        EXPECT_TRUE(w.bledy.contains(QStringLiteral("GlowneStacje_1.cds"))) << w.bledy.toStdString();
        EXPECT_EQ(w.bledy.count(QLatin1Char('\n')), 1);
    }
    // bez stacji końcowej i bez numeru: kod 2, nic nie zapisano
    w = cli({QStringLiteral("save"), QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"),
             QStringLiteral("--number"), QStringLiteral("5")});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(w.bledy, QStringLiteral("Proszę oznaczyć stację końcową\n"));
    w = cli(QStringList{QStringLiteral("save")} + trasa + QStringList{QStringLiteral("--number"), QString()});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(w.bledy, QStringLiteral("Proszę podać numer pociągu\n"));
    EXPECT_EQ(cli({QStringLiteral("list")}).json()[QStringLiteral("ListaPociagow")].toArray().size(), 1);
}

TEST_F(SiecPrzykladowa, PlikuNieDaSieZapisac)
{
    // "Pociagi" jest plikiem, nie folderem
    QFile f(katalog.filePath(QStringLiteral("Pociagi")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const WynikCli w = cli({QStringLiteral("save"), QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"),
                            QStringLiteral("--end"), QStringLiteral("Kraków Główny"), QStringLiteral("--number"),
                            QStringLiteral("5")});
    EXPECT_EQ(w.kod, 1) << w.bledy.toStdString();
    EXPECT_TRUE(w.bledy.startsWith(QStringLiteral("Nie można zapisać pliku"))) << w.bledy.toStdString();
    EXPECT_TRUE(w.wyjscie.isEmpty());
}
