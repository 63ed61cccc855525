#include "BazaSieci.h"

#include "Geo.h"
#include "common/Daty.h"
#include "common/Interakcja.h"
#include "common/Liczby.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <algorithm>
#include <map>

namespace tks {
namespace {

const QString kTytulUwaga = QStringLiteral("Uwaga !");

// Błąd przerywający całe wczytywanie.
struct BladWczytywania {
    QString opis;
};
// Błąd jednego wiersza (wartość, której nie da się odczytać).
struct BladWiersza {};

using Wiersze = std::vector<QSqlRecord>;

Wiersze zapytanie(QSqlDatabase& baza, const QString& sql)
{
    QSqlQuery q(baza);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw BladWczytywania{QStringLiteral("zapytanie \"%1\" nie powiodło się: %2").arg(sql, q.lastError().text())};
    Wiersze w;
    while (q.next())
        w.push_back(q.record());
    return w;
}

// Sortowanie stabilne po kolumnach całkowitych (kolejność "według klucza").
void sortuj(Wiersze& w, const QStringList& klucze)
{
    std::stable_sort(w.begin(), w.end(), [&](const QSqlRecord& a, const QSqlRecord& b) {
        for (const auto& k : klucze) {
            const double x = a.value(k).toDouble(), y = b.value(k).toDouble();
            if (x != y)
                return x < y;
        }
        return false;
    });
}

bool pusta(const QSqlRecord& r, const QString& kol)
{
    const int i = r.indexOf(kol);
    if (i < 0)
        return true;
    const QVariant v = r.value(i);
    return v.isNull() || !v.isValid() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty());
}

double liczba(const QSqlRecord& r, const QString& kol)
{
    if (pusta(r, kol))
        return 0.0;
    const QVariant v = r.value(kol);
    bool ok = false;
    double d = v.toDouble(&ok);
    if (!ok && v.typeId() == QMetaType::QString)
        d = v.toString().trimmed().toDouble(&ok);
    if (!ok)
        throw BladWiersza{};
    return d;
}

qint64 calkowita(const QSqlRecord& r, const QString& kol, qint64 min, qint64 max)
{
    const double d = liczba(r, kol);
    if (d != std::floor(d) || d < double(min) || d > double(max))
        throw BladWiersza{};
    return qint64(d);
}

bool logiczna(const QSqlRecord& r, const QString& kol)
{
    if (pusta(r, kol))
        return false;
    const QVariant v = r.value(kol);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("t") || s == QLatin1String("true") || s == QLatin1String("y"))
        return true;
    if (s == QLatin1String("f") || s == QLatin1String("false") || s == QLatin1String("n"))
        return false;
    return liczba(r, kol) != 0.0;
}

QString tekst(const QSqlRecord& r, const QString& kol) { return pusta(r, kol) ? QString() : r.value(kol).toString(); }

TPunkt przelicz(double x, double y) { return GeoToPktKm(x, y).value_or(kPunktBezWspolrzednych); }

double sekundy(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// Rozmiar tablicy indeksowanej kluczem: klucz ostatniego wiersza + 1; klucz
// ujemny albo nieprzyzwoicie duży jest błędem danych.
std::size_t rozmiarWgKlucza(const Wiersze& w, const QString& tabela, const QString& kol)
{
    if (w.empty())
        return 0;
    // Wiersze są posortowane po kluczu, więc ostatni ma największy; największy
    // liczony wprost nie zależy od tego, jak baza porównuje klucze (np. tekstowe).
    double najwiekszy = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double k = w[i].value(kol).toDouble();
        if (k < 0 || k > 1000000 || k != std::floor(k))
            throw BladWczytywania{QStringLiteral("tabela %1, wiersz %2: klucz %3 = %4 poza dopuszczalnym zakresem")
                                      .arg(tabela).arg(i + 1).arg(kol, w[i].value(kol).toString())};
        najwiekszy = std::max(najwiekszy, k);
    }
    return std::size_t(najwiekszy) + 1;
}

void wypelnijTabele(Tabela& t, const Wiersze& w)
{
    t.wyczysc();
    for (const auto& r : w) {
        const int n = t.dodajWiersz();
        for (int k = 0; k < t.liczbaKolumn(); ++k) {
            const QString& nazwa = t.kolumna(k).nazwa;
            if (!pusta(r, nazwa)) {
                QVariant v = r.value(nazwa);
                if (t.kolumna(k).typ == TypPola::Tekst)
                    v = v.toString().trimmed();
                t.ustaw(n, k, v);
            }
        }
    }
}

void wczytajPodzialy(QSqlDatabase& baza, const QString& sqlPodzialow, const QString& kolKlucza,
                     const QString& kolNazwy, const QString& sqlKonturow, const QString& kolLp,
                     const QString& kolX, const QString& kolY, std::vector<TPodzial>& tab,
                     std::vector<TKontur>& kontury)
{
    Wiersze w = zapytanie(baza, sqlPodzialow);
    sortuj(w, {kolKlucza});
    tab.assign(rozmiarWgKlucza(w, sqlPodzialow, kolKlucza), TPodzial{});
    kontury.assign(tab.size(), TKontur{});
    for (const auto& r : w) {
        auto& p = tab[std::size_t(r.value(kolKlucza).toDouble())];
        try {
            p.Kolor = p.KolorDomyslny = std::int32_t(calkowita(r, QStringLiteral("Kolor"), INT32_MIN, INT32_MAX));
        } catch (const BladWiersza&) {
            throw BladWczytywania{QStringLiteral("%1: błędny kolor").arg(sqlPodzialow)};
        }
        p.Nazwa.ustaw(tekst(r, kolNazwy).trimmed().left(50));
        p.LPunktow = 0;
    }
    Wiersze pk = zapytanie(baza, sqlKonturow);
    sortuj(pk, {kolKlucza, kolLp});
    std::map<qint64, std::vector<const QSqlRecord*>> wgKlucza;
    for (const auto& r : pk)
        wgKlucza[qint64(r.value(kolKlucza).toDouble())].push_back(&r);
    for (std::size_t k = 0; k < tab.size(); ++k) {
        const auto it = wgKlucza.find(qint64(k));
        if (it == wgKlucza.end())
            continue;
        tab[k].LPunktow = std::int32_t(it->second.size());
        for (const QSqlRecord* r : it->second) {
            try {
                kontury[k].push_back(przelicz(liczba(*r, kolX), liczba(*r, kolY)));
            } catch (const BladWiersza&) {
                throw BladWczytywania{QStringLiteral("%1: błędna współrzędna punktu konturu").arg(sqlKonturow)};
            }
        }
    }
}

} // namespace

std::optional<QSqlDatabase> PolaczZBazaSieci(const QString& polaczenie, Interakcja& interakcja, QString& blad)
{
    ZamknijBazeSieci();
    interakcja.komunikat(QStringLiteral("proba polaczenia z bza"), QStringLiteral("Taksatura"), Ikona::Informacja);
    QSqlDatabase baza;
    const QUrl url(polaczenie);
    if (polaczenie.startsWith(QLatin1String("postgresql://")) || polaczenie.startsWith(QLatin1String("postgres://"))) {
        baza = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kNazwaBazySieci);
        baza.setHostName(url.host());
        if (url.port() > 0)
            baza.setPort(url.port());
        baza.setUserName(url.userName());
        baza.setPassword(url.password());
        baza.setDatabaseName(url.path().mid(1));
    } else if (polaczenie.startsWith(QLatin1String("odbc://"))) {
        baza = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), kNazwaBazySieci);
        baza.setDatabaseName(polaczenie.mid(7));
    } else {
        if (!QFileInfo(polaczenie).isFile()) {
            blad = QStringLiteral("Nie można połączyć się z bazą sieci: plik \"%1\" nie istnieje.").arg(polaczenie);
            return std::nullopt;
        }
        baza = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kNazwaBazySieci);
        baza.setDatabaseName(polaczenie);
        baza.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!baza.isValid()) {
        blad = QStringLiteral("Nie można połączyć się z bazą sieci: brak sterownika bazy danych.");
        return std::nullopt;
    }
    if (!baza.open()) {
        blad = QStringLiteral("Nie można połączyć się z bazą sieci: %1").arg(baza.lastError().text());
        baza = QSqlDatabase();
        ZamknijBazeSieci();
        return std::nullopt;
    }
    QSqlQuery q(baza);
    if (baza.driverName() == QLatin1String("QSQLITE")) {
        // tabela dbo.ZakresyBr: ten sam plik widoczny także jako schemat "dbo"
        q.prepare(QStringLiteral("ATTACH DATABASE ? AS dbo"));
        q.addBindValue(polaczenie);
        if (!q.exec()) {
            blad = QStringLiteral("Nie można połączyć się z bazą sieci: %1").arg(q.lastError().text());
            return std::nullopt;
        }
    } else if (baza.driverName() == QLatin1String("QPSQL")) {
        q.exec(QStringLiteral("SET search_path TO dbo, public"));
    }
    return baza;
}

void ZamknijBazeSieci()
{
    if (QSqlDatabase::contains(kNazwaBazySieci)) {
        {
            QSqlDatabase b = QSqlDatabase::database(kNazwaBazySieci, false);
            b.close();
        }
        QSqlDatabase::removeDatabase(kNazwaBazySieci);
    }
}

bool WczytajLinieZBazy(Siec& siec, QSqlDatabase& baza, Interakcja& interakcja, QStringList& dziennik, QString& blad)
{
    Siec s;
    QElapsedTimer czas;
    czas.start();
    try {
        // 2. przedziały masy brutto
        Wiersze zakresy = zapytanie(baza, QStringLiteral("Select * from dbo.ZakresyBr"));
        sortuj(zakresy, {QStringLiteral("LpZakresuBr")});
        wypelnijTabele(s.ZakresyBr, zakresy);

        // 3. zarządcy
        Wiersze zarz = zapytanie(baza, QStringLiteral("Select * from Zarzadcy Order by Id"));
        sortuj(zarz, {QStringLiteral("Id")});   // kolejność liczbowa także przy kluczach tekstowych
        s.Zarzadcy.assign(rozmiarWgKlucza(zarz, QStringLiteral("Zarzadcy"), QStringLiteral("Id")), {});
        for (const auto& r : zarz)
            s.Zarzadcy[std::size_t(r.value(QStringLiteral("Id")).toDouble())].ustaw(tekst(r, QStringLiteral("Nazwa")).left(150));

        // 4. rodzaje stawek
        Wiersze rodz = zapytanie(baza, QStringLiteral("select * from RodzajeStawek"));
        sortuj(rodz, {QStringLiteral("IdRodzajuStawki")});
        wypelnijTabele(s.RodzajeStawekTab, rodz);
        s.RodzajeStawek.assign(rozmiarWgKlucza(rodz, QStringLiteral("RodzajeStawek"), QStringLiteral("IdRodzajuStawki")), {});
        for (const auto& r : rodz) {
            auto& k = s.RodzajeStawek[std::size_t(r.value(QStringLiteral("IdRodzajuStawki")).toDouble())];
            k.Nazwa.ustaw(tekst(r, QStringLiteral("Nazwa")).trimmed().left(30));
            k.NazwaPolaWBazie.ustaw(tekst(r, QStringLiteral("NazwaPolaWBazie")).trimmed().left(5));
            try {
                k.LZakrBr = std::int32_t(calkowita(r, QStringLiteral("LZakrBR"), 0, 32767));
            } catch (const BladWiersza&) {
                throw BladWczytywania{QStringLiteral("tabela RodzajeStawek: błędna liczba przedziałów masy (%1)")
                                          .arg(r.value(QStringLiteral("LZakrBR")).toString())};
            }
        }

        // 5. kontur kraju
        for (const auto& r : zapytanie(baza, QStringLiteral("select * from KonturPolski order by LpGrupy , Lp"))) {
            try {
                const TPunkt p = przelicz(liczba(r, QStringLiteral("Xkm")), liczba(r, QStringLiteral("Ykm")));
                s.KonturPolski.push_back({p.x, p.y, std::int32_t(calkowita(r, QStringLiteral("LpGrupy"), INT32_MIN, INT32_MAX))});
            } catch (const BladWiersza&) {
                throw BladWczytywania{QStringLiteral("tabela KonturPolski: błędna wartość punktu")};
            }
        }
        s.SrodekDomyslny = obliczSrodekDomyslny(s.KonturPolski);

        // 6.-9. zakłady i województwa z konturami
        wczytajPodzialy(baza, QStringLiteral("select * from zaklady"), QStringLiteral("KodZakladu"),
                        QStringLiteral("NazwaZakladu"), QStringLiteral("Select * from KonturyIZ"), QStringLiteral("Lp"),
                        QStringLiteral("X"), QStringLiteral("Y"), s.Zaklady, s.KonturyZakladow);
        wczytajPodzialy(baza, QStringLiteral("select * from Wojewodztwa"), QStringLiteral("IdWojewodztwa"),
                        QStringLiteral("Nazwa"),
                        QStringLiteral("Select * from KonturyWoj Order By IdWojewodztwa, LpPkt"),
                        QStringLiteral("LpPkt"), QStringLiteral("Xkm"), QStringLiteral("Ykm"), s.Wojewodztwa,
                        s.KonturyWojewodztw);

        // 10. stacje
        Wiersze st = zapytanie(baza, QStringLiteral("Select * from StacjeDoProgramu"));
        sortuj(st, {QStringLiteral("LpStacji")});
        s.Stacje.assign(st.size(), TStacja{});
        s.OdcinkiStacji.assign(st.size(), {});
        for (std::size_t n = 0; n < st.size(); ++n) {
            const auto& r = st[n];
            const double lp = r.value(QStringLiteral("LpStacji")).toDouble();
            if (lp < 0 || lp >= double(st.size()) || lp != std::floor(lp))
                throw BladWczytywania{QStringLiteral("tabela StacjeDoProgramu, wiersz %1: LpStacji = %2 nie mieści się "
                                                     "w zakresie 0..%3 (numeracja stacji musi być ciągła od 0)")
                                          .arg(n + 1).arg(r.value(QStringLiteral("LpStacji")).toString())
                                          .arg(st.size() - 1)};
            TStacja& x = s.Stacje[std::size_t(lp)];
            try {
                x.LOdcinkow = 0;
                const TPunkt p = przelicz(liczba(r, QStringLiteral("Xkm")), liczba(r, QStringLiteral("Ykm")));
                x.Xkm = p.x;
                x.Ykm = p.y;
                x.IdObEksp = std::int32_t(calkowita(r, QStringLiteral("IdObEksp"), INT32_MIN, INT32_MAX));
                x.OznaczenieStacji.ustaw(tekst(r, QStringLiteral("OznaczenieStacji")).trimmed().left(5));
                x.NazwaStacji.ustaw(tekst(r, QStringLiteral("NazwaStacji")).trimmed().left(80));
                x.Wybieralna = 1;
                x.OdlMin = kNieosiagnieta;
                x.OdcPop = -1;
                x.StPop = -1;
                x.Widocznosc = std::int32_t(calkowita(r, QStringLiteral("Widocznosc"), INT32_MIN, INT32_MAX));
                if (!pusta(r, QStringLiteral("Stawka")))
                    x.Stawka = liczba(r, QStringLiteral("Stawka"));
            } catch (const BladWiersza&) {
                interakcja.komunikat(QStringLiteral("Błąd pobierania stacji."), kTytulUwaga, Ikona::Blad);
            }
        }
        dziennik << QStringLiteral("Wczytywanie stacji z bazy ") + tekstSekund(sekundy(czas));

        // 11. odcinki i stawki
        QElapsedTimer czasOdc;
        czasOdc.start();
        Wiersze od = zapytanie(baza, QStringLiteral("Select * from OdcinkiDoProgramu"));
        sortuj(od, {QStringLiteral("LpOdcinka")});
        std::vector<int> przedzialy;
        for (const auto& k : s.RodzajeStawek)
            przedzialy.push_back(k.LZakrBr);
        s.Odcinki.assign(od.size(), TOdcinek{});
        s.Stawki.przygotuj(od.size(), przedzialy);

        // kody rodzajów: pasażerski z pierwszego wiersza tabeli rodzajów,
        // towarowy z wiersza o IdRodzajuStawki = 1
        QString kodPas, kodTow;
        if (s.RodzajeStawekTab.liczbaWierszy() > 0)
            kodPas = s.RodzajeStawekTab.tekst(0, QStringLiteral("Skrot"));
        for (int i = 0; i < s.RodzajeStawekTab.liczbaWierszy(); ++i)
            if (s.RodzajeStawekTab.calkowita(i, QStringLiteral("IdRodzajuStawki"), -1) == 1)
                kodTow = s.RodzajeStawekTab.tekst(i, QStringLiteral("Skrot"));

        QSqlQuery cennik(baza);
        cennik.prepare(QStringLiteral(
            "Select Stawka from Cennik where Kategoria = :Kategoria and Rodzaj = :Rodzaj order by stawka"));
        std::map<std::pair<qint64, QString>, std::vector<std::uint16_t>> pamiecCen;
        auto ceny = [&](qint64 kategoria, const QString& rodzaj) -> const std::vector<std::uint16_t>& {
            const auto klucz = std::make_pair(kategoria, rodzaj);
            auto it = pamiecCen.find(klucz);
            if (it != pamiecCen.end())
                return it->second;
            cennik.bindValue(QStringLiteral(":Kategoria"), kategoria);
            cennik.bindValue(QStringLiteral(":Rodzaj"), rodzaj);
            if (!cennik.exec())
                throw BladWczytywania{QStringLiteral("zapytanie o cennik nie powiodło się: %1").arg(cennik.lastError().text())};
            std::vector<std::uint16_t> w;
            while (cennik.next()) {
                double v = 0;
                const QVariant x = cennik.value(0);
                if (!x.isNull()) {
                    bool ok = false;
                    v = x.toString().trimmed().toDouble(&ok);   // tekst dziesiętny: dokładne połówki
                    if (!ok)
                        v = x.toDouble();
                }
                const double t = zaokraglij(v * 1000.0);
                if (t < 0 || t > 65535)
                    throw BladWczytywania{QStringLiteral("stawka %1 zł/km (kategoria %2, rodzaj %3) nie mieści się w "
                                                         "zakresie 0..65,535 zł/km")
                                              .arg(x.toString()).arg(kategoria).arg(rodzaj)};
                w.push_back(std::uint16_t(t));
            }
            cennik.finish();
            return pamiecCen.emplace(klucz, std::move(w)).first->second;
        };

        for (std::size_t n = 0; n < od.size(); ++n) {
            const auto& r = od[n];
            TOdcinek& o = s.Odcinki[n];
            std::int32_t a = 0, b = 0;
            try {
                a = std::int32_t(calkowita(r, QStringLiteral("LpStA"), INT32_MIN, INT32_MAX));
                b = std::int32_t(calkowita(r, QStringLiteral("LpStB"), INT32_MIN, INT32_MAX));
            } catch (const BladWiersza&) {
                // końce, które nie są liczbami: błąd wiersza jak przy innych polach;
                // odcinek zostaje pusty i poza listami odcinków stacji
                interakcja.komunikat(QStringLiteral("Błąd pobierania odcinków."), kTytulUwaga, Ikona::Blad);
                continue;
            }
            if (a < 0 || std::size_t(a) >= s.Stacje.size() || b < 0 || std::size_t(b) >= s.Stacje.size())
                throw BladWczytywania{QStringLiteral("tabela OdcinkiDoProgramu, wiersz %1 (LpOdcinka %2): LpStA = %3, "
                                                     "LpStB = %4 - to nie są numery stacji")
                                          .arg(n + 1).arg(r.value(QStringLiteral("LpOdcinka")).toString())
                                          .arg(r.value(QStringLiteral("LpStA")).toString(),
                                               r.value(QStringLiteral("LpStB")).toString())};
            try {
                o.Lp = std::int32_t(calkowita(r, QStringLiteral("lp"), INT32_MIN, INT32_MAX));
                o.LpStA = a;
                o.LpStB = b;
                o.IdObA = std::int32_t(calkowita(r, QStringLiteral("IdObA"), INT32_MIN, INT32_MAX));
                o.IdObB = std::int32_t(calkowita(r, QStringLiteral("IdObB"), INT32_MIN, INT32_MAX));
                o.Odleglosc = std::int32_t(calkowita(r, QStringLiteral("Odleglosc"), INT32_MIN, INT32_MAX));
                if (o.Odleglosc < 0 || o.Odleglosc > kMaxDlugoscOdcinka)
                    throw BladWczytywania{QStringLiteral("tabela OdcinkiDoProgramu, wiersz %1 (LpOdcinka %2): "
                                                         "Odleglosc = %3 m poza zakresem 0..%4 m")
                                              .arg(n + 1).arg(r.value(QStringLiteral("LpOdcinka")).toString())
                                              .arg(o.Odleglosc).arg(kMaxDlugoscOdcinka)};
                o.XA = s.Stacje[std::size_t(a)].Xkm;
                o.YA = s.Stacje[std::size_t(a)].Ykm;
                o.XB = s.Stacje[std::size_t(b)].Xkm;
                o.YB = s.Stacje[std::size_t(b)].Ykm;
                o.MetrOsiA = std::int32_t(calkowita(r, QStringLiteral("MetrOsiA"), INT32_MIN, INT32_MAX));
                o.MetrOsiB = std::int32_t(calkowita(r, QStringLiteral("MetrOsiB"), INT32_MIN, INT32_MAX));
                o.NrLinii = std::int16_t(calkowita(r, QStringLiteral("NrLinii"), INT16_MIN, INT16_MAX));
                const auto zarzad = calkowita(r, QStringLiteral("KodZarzadu"), 0, 255);
                o.KodZarzadu = std::uint8_t(zarzad);
                o.OznFK.ustaw(tekst(r, QStringLiteral("OznFK")).left(1));
                o.IdWojewodztwa = std::int16_t(calkowita(r, QStringLiteral("IdWojewodztwa"), INT16_MIN, INT16_MAX));

                s.OdcinkiStacji[std::size_t(a)].push_back(std::int32_t(n));
                ++s.Stacje[std::size_t(a)].LOdcinkow;
                s.OdcinkiStacji[std::size_t(b)].push_back(std::int32_t(n));
                ++s.Stacje[std::size_t(b)].LOdcinkow;

                std::uint16_t c = 0;
                if (logiczna(r, QStringLiteral("OdcDoPominiecia"))) c |= cechy::DoPominiecia;
                c |= logiczna(r, QStringLiteral("Szerokotorowa")) ? cechy::Szerokotorowa : cechy::Normalnotorowa;
                if (logiczna(r, QStringLiteral("BrakSieci"))) c |= cechy::BrakSieci;
                if (logiczna(r, QStringLiteral("Nieczynna"))) c |= cechy::Nieczynna;
                if (zarzad != 1) c |= cechy::ObcyZarzad;
                if (logiczna(r, QStringLiteral("NieWskazanyRuchPas"))) c |= cechy::NieWskazanyRuchPas;
                if (logiczna(r, QStringLiteral("NieWskazanyRuchTow"))) c |= cechy::NieWskazanyRuchTow;
                if (logiczna(r, QStringLiteral("ZawRuchPas"))) c |= cechy::ZawRuchPas;
                if (logiczna(r, QStringLiteral("ZawRuchTow"))) c |= cechy::ZawRuchTow;
                if (logiczna(r, QStringLiteral("ZawRuchCalk"))) c |= cechy::ZawRuchCalk;
                o.Cechy = c;

                if (!pusta(r, QStringLiteral("Klasa")))
                    o.Klasa = std::uint8_t(calkowita(r, QStringLiteral("Klasa"), 0, 255));
                for (int rk = 0; rk < int(s.RodzajeStawek.size()) && rk < 2; ++rk) {
                    const QString kat = rk == 0 ? QStringLiteral("KatCenSP") : QStringLiteral("KatCenST");
                    const auto& w = ceny(calkowita(r, kat, INT32_MIN, INT32_MAX), rk == 0 ? kodPas : kodTow);
                    for (int j = 0; j < s.RodzajeStawek[std::size_t(rk)].LZakrBr; ++j) {
                        std::uint16_t v = 0;
                        if (!w.empty())
                            v = j < int(w.size()) ? w[std::size_t(j)] : w.back();
                        s.Stawki.ustaw(n, rk, j, v);
                    }
                }

                // Prędkości z kolumn o tych samych nazwach, gdy zapytanie je ma; wartość
                // spoza bajtu jest przycinana do 0..255 (tekst, który nie jest liczbą, to
                // błąd wiersza, ale stawki są już wtedy wczytane).
                auto predkosc = [&](const QString& kol) -> std::uint8_t {
                    return pusta(r, kol) ? 0 : std::uint8_t(std::clamp(liczba(r, kol), 0.0, 255.0));
                };
                o.VP1 = predkosc(QStringLiteral("VP1"));
                o.VP2 = predkosc(QStringLiteral("VP2"));
                o.VT1 = predkosc(QStringLiteral("VT1"));
                o.VT2 = predkosc(QStringLiteral("VT2"));
                o.VOgr1 = predkosc(QStringLiteral("VOgr1"));
                o.VOgr2 = predkosc(QStringLiteral("VOgr2"));
            } catch (const BladWiersza&) {
                interakcja.komunikat(QStringLiteral("Błąd pobierania odcinków."), kTytulUwaga, Ikona::Blad);
            }
        }

        // 12. święta
        for (const auto& r : zapytanie(baza, QStringLiteral("select * from Swieta Order by data"))) {
            const QVariant v = r.value(QStringLiteral("Data"));
            QDate d = v.toDate();
            if (!d.isValid())
                d = QDate::fromString(v.toString().left(10), Qt::ISODate);
            if (!d.isValid())
                throw BladWczytywania{QStringLiteral("tabela Swieta: \"%1\" nie jest datą").arg(v.toString())};
            s.Swieta.push_back(dzienZDaty(d));
        }
        dziennik << QStringLiteral("Wczytywanie linii z bazy ") + tekstSekund(sekundy(czasOdc));
    } catch (const BladWczytywania& b) {
        blad = QStringLiteral("Nie można wczytać sieci z bazy: %1.").arg(b.opis);
        return false;
    }
    siec = std::move(s);
    return true;
}

} // namespace tks
