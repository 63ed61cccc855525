// Polecenia route i search-batch przez prawdziwy program taksatura-cli na sieci przykładowej.

#include "common/Liczby.h"
#include "wspolne/DrukQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cmath>
#include <map>

namespace {

struct Wynik {
    int kod = -1;
    QByteArray wyjscie;
    QString bledy;
    QJsonObject json() const { return QJsonDocument::fromJson(wyjscie).object(); }
};

Wynik uruchom(const QStringList& argumenty, const QByteArray& wejscie = {})
{
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(TKS_RUN_DIR));
    p.start(QStringLiteral(TKS_CLI), argumenty);
    p.write(wejscie);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

Wynik trasa(const QStringList& argumenty)
{
    Wynik w = uruchom(QStringList{QStringLiteral("route")} + argumenty);
    EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
    return w;
}

// Spójność trasy z jej wyceną: elementy jeden za drugim od startu do końca, długość
// i cena w nagłówku z elementów (grupy zaokrąglane osobno), teksty czasu z Tr.
void sprawdzSpojnosc(const QJsonObject& r)
{
    const QJsonArray punkty = r[QStringLiteral("punkty")].toArray();
    const QJsonArray sc = r[QStringLiteral("sciezki")].toArray();
    const QJsonObject n = r[QStringLiteral("naglowek")].toObject();
    ASSERT_GE(punkty.size(), 2);
    ASSERT_FALSE(sc.isEmpty());
    EXPECT_EQ(sc.first()[QStringLiteral("LpStOd")].toInt(), punkty.first()[QStringLiteral("LpStacji")].toInt());
    EXPECT_EQ(sc.last()[QStringLiteral("LpStDo")].toInt(), punkty.last()[QStringLiteral("LpStacji")].toInt());
    double metry = 0;
    std::map<int, double> grupy;
    bool pelna = true;
    for (qsizetype i = 0; i < sc.size(); ++i) {
        const QJsonObject e = sc[i].toObject();
        if (i > 0) {
            ASSERT_EQ(e[QStringLiteral("LpStOd")].toInt(), sc[i - 1][QStringLiteral("LpStDo")].toInt()) << i;
        }
        metry += e[QStringLiteral("Odleglosc")].toInt();
        if (e[QStringLiteral("WgCennika")].toInt() == 1)
            grupy[e[QStringLiteral("Grupa")].toInt()] += e[QStringLiteral("Cena")].toDouble();
        else
            pelna = false;
    }
    double cena = 0;
    for (const auto& [g, c] : grupy)
        cena += tks::zaokraglij(c, 2);
    EXPECT_NEAR(n[QStringLiteral("Dlugosc")].toDouble(), tks::zaokraglij(metry / 1000.0, 3), 1e-9);
    EXPECT_NEAR(n[QStringLiteral("CenaPrzejazdu")].toDouble(), cena, 1e-6);
    EXPECT_NEAR(n[QStringLiteral("CenaWyliczona")].toDouble(), cena, 1e-6);
    EXPECT_TRUE(n[QStringLiteral("WycenaPelna")].isBool());
    EXPECT_EQ(n[QStringLiteral("WycenaPelna")].toBool(), pelna);
    EXPECT_TRUE(n[QStringLiteral("CzasMin")].isNull());

    const QJsonObject czas = r[QStringLiteral("czas")].toObject();
    const int tr = czas[QStringLiteral("Tr")].toInt();
    ASSERT_GT(tr, 0);
    EXPECT_EQ(czas[QStringLiteral("EditTr")].toString(),
              QStringLiteral("%1:%2").arg(tr / 3600, 2, 10, QLatin1Char('0')).arg(tr % 3600 / 60, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(czas[QStringLiteral("EditVr")].toString(),
              QString::number(qint64(tks::zaokraglij(n[QStringLiteral("Dlugosc")].toDouble() / tr * 3600))) + QStringLiteral(" km/h"));

    double wiersze = 0;
    for (const auto& w : r[QStringLiteral("wiersze")].toArray())
        wiersze += w[QStringLiteral("Dlugosc")].toDouble();
    EXPECT_NEAR(wiersze, metry / 1000.0, 1e-6);
}

QSet<int> linie(const QJsonObject& r)
{
    QSet<int> l;
    for (const auto& e : r[QStringLiteral("sciezki")].toArray())
        l.insert(e[QStringLiteral("NrLinii")].toInt());
    return l;
}

} // namespace

TEST(TrasaCli, WarszawaKrakow)
{
    const QJsonObject r = trasa({QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"), QStringLiteral("--end"),
                                 QStringLiteral("Kraków Główny")})
                              .json();
    const QJsonObject n = r[QStringLiteral("naglowek")].toObject();
    EXPECT_EQ(n[QStringLiteral("StacjaPoczatkowa")].toString(), QStringLiteral("Warszawa Centralna"));
    EXPECT_EQ(n[QStringLiteral("StacjaKoncowa")].toString(), QStringLiteral("Kraków Główny"));
    EXPECT_EQ(n[QStringLiteral("IdRodzajuStawki")].toInt(), 0);
    EXPECT_EQ(n[QStringLiteral("Ograniczenia")].toInt() & 0x0F7E, 0x0974);   // kontrolki domyślne
    EXPECT_GT(n[QStringLiteral("Dlugosc")].toDouble(), 250.0);
    EXPECT_GT(n[QStringLiteral("CenaPrzejazdu")].toDouble(), 0.0);
    EXPECT_EQ(r[QStringLiteral("czas")][QStringLiteral("VTab")].toInt(), 100);
    EXPECT_TRUE(r[QStringLiteral("komunikaty")].toArray().isEmpty());
    sprawdzSpojnosc(r);

    // Etykieta końca to długość z wyszukiwania wsadowego.
    const int od = r[QStringLiteral("punkty")][0][QStringLiteral("LpStacji")].toInt();
    const int doSt = r[QStringLiteral("punkty")][1][QStringLiteral("LpStacji")].toInt();
    const Wynik b = uruchom({QStringLiteral("search-batch")}, QStringLiteral("%1 %2\n").arg(od).arg(doSt).toUtf8());
    ASSERT_EQ(b.kod, 0);
    const QJsonObject w = QJsonDocument::fromJson(b.wyjscie.trimmed()).object();
    EXPECT_TRUE(w[QStringLiteral("found")].toBool());
    EXPECT_DOUBLE_EQ(w[QStringLiteral("label")].toDouble(), r[QStringLiteral("punkty")][1][QStringLiteral("OdlDoPunktu")].toDouble());
    EXPECT_EQ(w[QStringLiteral("segments")].toArray().size(), r[QStringLiteral("sciezki")].toArray().size());
}

TEST(TrasaCli, GdanskKatowicePrzezPunktPosredni)
{
    const QJsonObject r = trasa({QStringLiteral("--start"), QStringLiteral("Gdańsk Główny"), QStringLiteral("--end"),
                                 QStringLiteral("Katowice"), QStringLiteral("--via"), QStringLiteral("Warszawa Centralna"),
                                 QStringLiteral("--level"), QStringLiteral("1")})
                              .json();
    const QJsonArray punkty = r[QStringLiteral("punkty")].toArray();
    ASSERT_EQ(punkty.size(), 3);
    EXPECT_EQ(punkty[1][QStringLiteral("Rodzaj")].toInt(), 2);
    sprawdzSpojnosc(r);
    const int przez = punkty[1][QStringLiteral("LpStacji")].toInt();
    int drogi2 = 0;
    for (const auto& e : r[QStringLiteral("sciezki")].toArray()) {
        if (e[QStringLiteral("LpDrogi")].toInt() == 2 && drogi2++ == 0) {
            EXPECT_EQ(e[QStringLiteral("LpStOd")].toInt(), przez);
        }
    }
    EXPECT_GT(drogi2, 0);
    // Wiersz podglądu kończy się na punkcie pośrednim i następny się od niego zaczyna.
    const QJsonArray w = r[QStringLiteral("wiersze")].toArray();
    bool podzial = false;
    for (qsizetype i = 1; i < w.size(); ++i)
        if (w[i][QStringLiteral("LpDrogi")].toInt() == 2 && w[i - 1][QStringLiteral("LpDrogi")].toInt() == 1)
            podzial = w[i - 1][QStringLiteral("DoStacji")].toString() == QStringLiteral("Warszawa Centralna")
                      && w[i][QStringLiteral("OdStacji")].toString() == QStringLiteral("Warszawa Centralna");
    EXPECT_TRUE(podzial);

    // Ominięcie stacji punktu pośredniego: druga część trasy nie powstaje.
    const QJsonObject bez = trasa({QStringLiteral("--start"), QStringLiteral("Gdańsk Główny"), QStringLiteral("--end"),
                                   QStringLiteral("Katowice"), QStringLiteral("--via"), QStringLiteral("Warszawa Centralna"),
                                   QStringLiteral("--remove-point"), QStringLiteral("1")})
                                .json();
    EXPECT_EQ(bez[QStringLiteral("punkty")].toArray().size(), 2);
    sprawdzSpojnosc(bez);
    EXPECT_LE(bez[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble(),
              r[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble());
}

TEST(TrasaCli, LiniaSzerokotorowaTylkoBezOgraniczeniaRozstawu)
{
    // Linia 65 jest szerokotorowa, bez sieci trakcyjnej i pod obcym zarządem.
    const QStringList punkty{QStringLiteral("--start"), QStringLiteral("Sławków LHS"), QStringLiteral("--end"),
                             QStringLiteral("Hrubieszów Towarowy"), QStringLiteral("--kind"), QStringLiteral("1")};
    const QJsonObject dom = trasa(punkty).json();
    EXPECT_EQ(dom[QStringLiteral("punkty")].toArray().size(), 1);   // końca nie da się ustawić
    EXPECT_TRUE(dom[QStringLiteral("sciezki")].toArray().isEmpty());
    // komunikat mówi, co trzeba dopuścić (to samo, co robi --controls 0x0852 niżej)
    const QJsonArray k = dom[QStringLiteral("komunikaty")].toArray();
    ASSERT_EQ(k.size(), 1);
    EXPECT_EQ(k[0][QStringLiteral("tekst")].toString(),
              QStringLiteral("Nie można wyznaczyć trasy z Sławków LHS do Hrubieszów Towarowy przy obecnych warunkach.\n"
                             "Żadna pojedyncza zmiana nie wystarczy. Trasa istnieje, gdy dopuścisz naraz: "
                             "Linie szerokotorowe i Linie pod obcym zarządem."));
    const QJsonObject rozstaw = trasa(punkty + QStringList{QStringLiteral("--controls"), QStringLiteral("0x0952")}).json();
    EXPECT_TRUE(rozstaw[QStringLiteral("sciezki")].toArray().isEmpty());

    const QJsonObject r = trasa(punkty + QStringList{QStringLiteral("--controls"), QStringLiteral("0x0852")}).json();
    ASSERT_EQ(r[QStringLiteral("punkty")].toArray().size(), 2);
    EXPECT_EQ(linie(r), QSet<int>{65});
    for (const auto& e : r[QStringLiteral("sciezki")].toArray())
        EXPECT_TRUE(e[QStringLiteral("Uwagi")].toString().startsWith(QStringLiteral("Zarząd: ")));
    const QJsonObject n = r[QStringLiteral("naglowek")].toObject();
    EXPECT_FALSE(n[QStringLiteral("WycenaPelna")].toBool());
    EXPECT_EQ(n[QStringLiteral("CenaPrzejazdu")].toDouble(), 0.0);
    EXPECT_EQ(r[QStringLiteral("NotaCeny")].toString(), QStringLiteral(" z uwagi na ruch po liniach obcego zarządu."));
    EXPECT_GT(r[QStringLiteral("czas")][QStringLiteral("Tr")].toInt(), 0);
}

TEST(TrasaCli, DomyslneOgraniczenieRozstawuOmijaKrotszaLinie65)
{
    // Zarzecze i Jaroszowiec Olkuski leżą na linii 62 i na szerokotorowej 65, która jest
    // między nimi krótsza. Przy domyślnym rozstawie trasa idzie dłuższą linią 62.
    const QStringList punkty{QStringLiteral("--start"), QStringLiteral("Zarzecze"), QStringLiteral("--end"),
                             QStringLiteral("Jaroszowiec Olkuski"), QStringLiteral("--kind"), QStringLiteral("1")};
    const QJsonObject dom = trasa(punkty).json();
    EXPECT_EQ(linie(dom), QSet<int>{62});
    const QJsonObject bez = trasa(punkty + QStringList{QStringLiteral("--controls"), QStringLiteral("0x0852")}).json();
    EXPECT_EQ(linie(bez), QSet<int>{65});
    EXPECT_LT(bez[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble(),
              dom[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble());
}

TEST(TrasaCli, WyborRecznyICzasJazdy)
{
    const auto przez = [](const char* a, const char* b, const char* kryterium) {
        return trasa({QStringLiteral("--start"), QString::fromUtf8(a), QStringLiteral("--end"), QString::fromUtf8(b),
                      QStringLiteral("--criterion"), QString::fromLatin1(kryterium)})
            .json();
    };
    // wybór ręczny: jedna wspólna linia, bez bitu 0x2000
    const QJsonObject r = przez("Warszawa Centralna", "Siedlce", "2");
    EXPECT_EQ(linie(r), QSet<int>{2});
    EXPECT_EQ(r[QStringLiteral("naglowek")][QStringLiteral("IdKryteriumWyboru")].toInt(), 2);
    EXPECT_EQ(r[QStringLiteral("naglowek")][QStringLiteral("Ograniczenia")].toInt() & 0x2000, 0);
    // stacje bez wspólnej linii: komunikat i brak trasy
    const QJsonObject bez = przez("Warszawa Centralna", "Kraków Główny", "2");
    EXPECT_TRUE(bez[QStringLiteral("sciezki")].toArray().isEmpty());
    ASSERT_EQ(bez[QStringLiteral("komunikaty")].toArray().size(), 1);
    EXPECT_EQ(bez[QStringLiteral("komunikaty")][0][QStringLiteral("tekst")].toString(),
              QStringLiteral("Błąd - stacje Warszawa Centralna i Kraków Główny Nie leżą na tej samej linii"));

    // czas jazdy: szybka linia 4 zamiast najkrótszej drogi przez linię 8
    const QJsonObject krotka = przez("Warszawa Centralna", "Kraków Główny", "0");
    const QJsonObject szybka = przez("Warszawa Centralna", "Kraków Główny", "3");
    EXPECT_TRUE(linie(szybka).contains(4));
    EXPECT_FALSE(linie(krotka).contains(4));
    EXPECT_GT(szybka[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble(),
              krotka[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble());
    EXPECT_EQ(szybka[QStringLiteral("naglowek")][QStringLiteral("IdKryteriumWyboru")].toInt(), 3);
    EXPECT_NE(szybka[QStringLiteral("naglowek")][QStringLiteral("Ograniczenia")].toInt() & 0x2000, 0);
    EXPECT_GT(szybka[QStringLiteral("czas")][QStringLiteral("Tr")].toInt(), 0);
}

TEST(TrasaCli, OminiecieStacjiIVmax)
{
    const QStringList punkty{QStringLiteral("--start"), QStringLiteral("Warszawa Centralna"), QStringLiteral("--end"),
                             QStringLiteral("Kraków Główny")};
    const QJsonObject r = trasa(punkty).json();
    const QJsonArray sc = r[QStringLiteral("sciezki")].toArray();
    const int srodek = sc[sc.size() / 2][QStringLiteral("LpStDo")].toInt();
    const QJsonObject o = trasa(punkty + QStringList{QStringLiteral("--avoid-station"), QStringLiteral("@%1").arg(srodek),
                                                     QStringLiteral("--vmax"), QStringLiteral("300")})
                              .json();
    EXPECT_EQ(o[QStringLiteral("czas")][QStringLiteral("VTab")].toInt(), 160);
    for (const auto& e : o[QStringLiteral("sciezki")].toArray())
        ASSERT_NE(e[QStringLiteral("LpStDo")].toInt(), srodek);
    if (!o[QStringLiteral("sciezki")].toArray().isEmpty()) {
        sprawdzSpojnosc(o);
        EXPECT_GE(o[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble(),
                  r[QStringLiteral("naglowek")][QStringLiteral("Dlugosc")].toDouble());
    }
    // Najtańsza nie jest droższa od najkrótszej.
    const QJsonObject t = trasa(punkty + QStringList{QStringLiteral("--criterion"), QStringLiteral("1")}).json();
    EXPECT_LE(t[QStringLiteral("naglowek")][QStringLiteral("CenaPrzejazdu")].toDouble(),
              r[QStringLiteral("naglowek")][QStringLiteral("CenaPrzejazdu")].toDouble());
    EXPECT_EQ(t[QStringLiteral("naglowek")][QStringLiteral("IdKryteriumWyboru")].toInt(), 1);
}

TEST(TrasaCli, WyszukiwanieWsadowe)
{
    const Wynik w = uruchom({QStringLiteral("search-batch")}, "0 1\n\n1 0\n3 3\n");
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QList<QByteArray> linie = w.wyjscie.trimmed().split('\n');
    ASSERT_EQ(linie.size(), 3);
    for (const QByteArray& l : linie) {
        const QJsonObject o = QJsonDocument::fromJson(l).object();
        ASSERT_TRUE(o.contains(QStringLiteral("found")));
        if (!o[QStringLiteral("found")].toBool()) {
            EXPECT_TRUE(o[QStringLiteral("label")].isNull());
        }
    }
    const QJsonObject sam = QJsonDocument::fromJson(linie[2]).object();
    EXPECT_TRUE(sam[QStringLiteral("found")].toBool());
    EXPECT_EQ(sam[QStringLiteral("label")].toDouble(), 0.0);
    EXPECT_TRUE(sam[QStringLiteral("segments")].toArray().isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^3 wyszukiwań w \\d+,\\d+ s\\n$")).match(w.bledy).hasMatch())
        << w.bledy.toStdString();
}

TEST(TrasaCli, ZleDaneToKod2IJednaLinia)
{
    const QList<QStringList> zle{
        {QStringLiteral("route"), QStringLiteral("--start"), QStringLiteral("Nie ma takiej stacji")},
        {QStringLiteral("route"), QStringLiteral("--start"), QStringLiteral("@999999")},
        {QStringLiteral("route"), QStringLiteral("--bez-sensu"), QStringLiteral("1")},
        {QStringLiteral("route"), QStringLiteral("--criterion"), QStringLiteral("x")},
        {QStringLiteral("route"), QStringLiteral("--criterion"), QStringLiteral("4")},
        {QStringLiteral("route"), QStringLiteral("--kind"), QStringLiteral("99")},
        {QStringLiteral("route"), QStringLiteral("--band"), QStringLiteral("42")},
        {QStringLiteral("route"), QStringLiteral("--controls"), QStringLiteral("0x0300")},
        {QStringLiteral("route"), QStringLiteral("--level"), QStringLiteral("3")},
        {QStringLiteral("route"), QStringLiteral("--avoid-segment"), QStringLiteral("99999999")},
        {QStringLiteral("route"), QStringLiteral("--remove-point"), QStringLiteral("0")},
        {QStringLiteral("route"), QStringLiteral("--end")},
        {QStringLiteral("route"), QStringLiteral("--network"), QStringLiteral("/nie/ma/pliku.bin")},
        {QStringLiteral("search-batch"), QStringLiteral("--start"), QStringLiteral("@1")},
    };
    for (const auto& a : zle) {
        const Wynik w = uruchom(a);
        EXPECT_EQ(w.kod, 2) << a.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(w.wyjscie.isEmpty()) << a.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(w.bledy.count(QLatin1Char('\n')), 1) << w.bledy.toStdString();
    }
    const Wynik b = uruchom({QStringLiteral("search-batch")}, "0 1 2\n");
    EXPECT_EQ(b.kod, 2);
    EXPECT_TRUE(b.bledy.startsWith(QStringLiteral("Wiersz 1:")));
    // pola oddzielone tabulatorem też są dobre
    EXPECT_EQ(uruchom({QStringLiteral("search-batch")}, "0\t1\r\n").kod, 0);

    // --line spoza wspólnych linii (tu 1 i 3) to błąd polecenia, nie rezygnacja z wyboru
    const QStringList reczny{QStringLiteral("route"), QStringLiteral("--criterion"), QStringLiteral("2"),
                             QStringLiteral("--start"), QStringLiteral("Warszawa Zachodnia"), QStringLiteral("--end"),
                             QStringLiteral("Warszawa Włochy")};
    const Wynik zla = uruchom(reczny + QStringList{QStringLiteral("--line"), QStringLiteral("9")});
    EXPECT_EQ(zla.kod, 2);
    EXPECT_TRUE(zla.wyjscie.isEmpty());
    EXPECT_TRUE(zla.bledy.contains(QStringLiteral("wspólne: 1, 3"))) << zla.bledy.toStdString();
    const Wynik dobra = uruchom(reczny + QStringList{QStringLiteral("--line"), QStringLiteral("3")});
    ASSERT_EQ(dobra.kod, 0) << dobra.bledy.toStdString();
    EXPECT_EQ(linie(QJsonDocument::fromJson(dobra.wyjscie).object()), QSet<int>{3});
}
