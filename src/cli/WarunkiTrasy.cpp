#include "WarunkiTrasy.h"

#include "Wspolne.h"

#include "common/Daty.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "routing/Kontrolki.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace tks::cli {

int InterakcjaCli::wybor(const QString& tytul, const QString& opis, const QStringList& pozycje)
{
    if (linia) {
        const int i = int(pozycje.indexOf(QStringLiteral("Linia ") + QString::number(*linia)));
        // linia spoza wspólnych to błąd w poleceniu, nie rezygnacja z wyboru
        if (i < 0)
            throw BladUzycia(QStringLiteral("Opcja --line: linia %1 nie jest wspólną linią wskazanych stacji "
                                            "(wspólne: %2).")
                                 .arg(*linia)
                                 .arg(QStringList(pozycje).replaceInStrings(QStringLiteral("Linia "), QString())
                                          .join(QStringLiteral(", "))));
        dodajWybor(i);
    }
    return InterakcjaSkryptowa::wybor(tytul, opis, pozycje);
}

QStringList opcjeWspolne() { return {QStringLiteral("network"), QStringLiteral("dir")}; }

QStringList opcjeWarunkow()
{
    return {QStringLiteral("criterion"), QStringLiteral("kind"), QStringLiteral("band"),
            QStringLiteral("controls"),  QStringLiteral("vmax"), QStringLiteral("line")};
}

QStringList opcjeOperacji()
{
    return {QStringLiteral("start"),         QStringLiteral("end"),          QStringLiteral("via"),
            QStringLiteral("avoid-station"), QStringLiteral("avoid-segment"), QStringLiteral("remove-point"),
            QStringLiteral("remove")};
}

int liczbaZOpcji(const QString& nazwa, const QString& wartosc)
{
    bool ok = false;
    QString w = wartosc.trimmed();
    bool ujemna = false;
    if (w.startsWith(QLatin1Char('-'))) {
        ujemna = true;
        w = w.mid(1);
    }
    qlonglong v = w.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? w.mid(2).toLongLong(&ok, 16)
                                                                         : w.toLongLong(&ok, 10);
    if (!ok || w.isEmpty() || v > INT32_MAX)
        throw BladUzycia(QStringLiteral("Opcja --%1: \"%2\" nie jest liczbą całkowitą.").arg(nazwa, wartosc));
    return int(ujemna ? -v : v);
}

int stacjaZArgumentu(const Siec& siec, const QString& arg)
{
    const int n = siec.liczbaStacji();
    if (arg.startsWith(QLatin1Char('@'))) {
        bool ok = false;
        const int i = arg.mid(1).toInt(&ok);
        if (!ok || i < 0 || i >= n)
            throw BladUzycia(QStringLiteral("Nieznana stacja: %1 (indeksy stacji od 0 do %2).").arg(arg).arg(n - 1));
        return i;
    }
    bool liczba = false;
    const int id = arg.toInt(&liczba);
    for (int i = 0; i < n; ++i) {
        const TStacja& s = siec.Stacje[std::size_t(i)];
        if (liczba ? s.IdObEksp == id : s.NazwaStacji.tekst() == arg)
            return i;
    }
    throw BladUzycia(QStringLiteral("Nieznana stacja: %1").arg(arg));
}


std::unique_ptr<SesjaTrasy> przygotujTrase(const Argumenty& a)
{
    const QString katalog = a.wartosc(QStringLiteral("dir"), QDir::currentPath());
    auto sesja = std::make_unique<SesjaTrasy>(katalog);
    Droga& d = sesja->droga;
    d.siec = wczytajSiec(a, sesja->interakcja);
    d.siecWczytana = true;

    StanKontrolek& k = d.kontrolki;
    k.kryterium = a.liczba(QStringLiteral("criterion"), 0);
    if (k.kryterium < 0 || k.kryterium > 3)
        throw BladUzycia(QStringLiteral("Opcja --criterion: kryterium musi być liczbą od 0 do 3."));

    k.idRodzajuStawki = a.liczba(QStringLiteral("kind"), pierwszyRodzaj(d.siec));
    if (wierszRodzaju(d.siec, k.idRodzajuStawki) < 0)
        throw BladUzycia(QStringLiteral("Opcja --kind: nie ma rodzaju stawki %1.").arg(k.idRodzajuStawki));
    k.lpZakresuBr = a.liczba(QStringLiteral("band"), pierwszyPrzedzial(d.siec, k.idRodzajuStawki));
    if (a.wartosc(QStringLiteral("band")) && wierszPrzedzialu(d.siec, k.idRodzajuStawki, k.lpZakresuBr) < 0)
        throw BladUzycia(QStringLiteral("Opcja --band: rodzaj stawki %1 nie ma przedziału %2.")
                             .arg(k.idRodzajuStawki)
                             .arg(k.lpZakresuBr));

    if (const auto bity = a.wartosc(QStringLiteral("controls"))) {
        const int v = liczbaZOpcji(QStringLiteral("controls"), *bity);
        if (v < 0 || v > 0xFFFF)
            throw BladUzycia(QStringLiteral("Opcja --controls: wartość spoza zakresu 16 bitów."));
        if ((v & cechy::Normalnotorowa) && (v & cechy::Szerokotorowa))
            throw BladUzycia(
                QStringLiteral("Opcja --controls: \"Normalnych\" i \"Szerokich\" nie mogą być zaznaczone razem."));
        UstawKontrolkiZOgraniczen(k, v);
    } else {
        DopasujOgraniczeniaDoRodzaju(k);
    }
    k.vmaxTekst = a.wartosc(QStringLiteral("vmax"), QStringLiteral("100"));
    if (const auto l = a.wartosc(QStringLiteral("line")))
        sesja->interakcja.linia = liczbaZOpcji(QStringLiteral("line"), *l);

    UstalVTab(d);
    UstalWarunki(d);
    KasujDroge(d);
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);
    d.pociag.ustaw(QStringLiteral("IdKryteriumWyboru"), k.kryterium);
    d.pociag.zatwierdz();
    AktualizujPoleCenyPostojow(d);
    return sesja;
}

void wykonajOperacje(SesjaTrasy& s, const Argumenty& a)
{
    Droga& d = s.droga;
    for (const Opcja& o : a.opcje()) {
        const QString& n = o.nazwa;
        if (n == QLatin1String("start")) {
            OznaczStart(d, stacjaZArgumentu(d.siec, o.wartosc));
        } else if (n == QLatin1String("end")) {
            OznaczMeta(d, stacjaZArgumentu(d.siec, o.wartosc));
        } else if (n == QLatin1String("via")) {
            OznaczPP(d, stacjaZArgumentu(d.siec, o.wartosc));
            PrzeliczPonownieDroge(d);
        } else if (n == QLatin1String("avoid-station")) {
            OznaczOminStacje(d, stacjaZArgumentu(d.siec, o.wartosc));
        } else if (n == QLatin1String("avoid-segment")) {
            const int e = liczbaZOpcji(n, o.wartosc);
            if (e < 0 || e >= d.siec.liczbaOdcinkow())
                throw BladUzycia(QStringLiteral("Opcja --avoid-segment: nie ma odcinka %1 (odcinki od 0 do %2).")
                                     .arg(e)
                                     .arg(d.siec.liczbaOdcinkow() - 1));
            OznaczOminOdcinek(d, e);
        } else if (n == QLatin1String("remove-point")) {
            const int k = liczbaZOpcji(n, o.wartosc);
            if (k < 0 || std::size_t(k) >= d.trasa.GlowneStacje.size())
                throw BladUzycia(QStringLiteral("Opcja --remove-point: trasa nie ma punktu %1.").arg(k));
            ZdejmOznaczPP(d, k);
        } else if (n == QLatin1String("remove")) {
            ZdejmOznacz(d, stacjaZArgumentu(d.siec, o.wartosc));
        }
    }
}

QJsonObject naglowekJakoJson(const Pociag& p)
{
    return p.maNaglowek() ? wierszJson(p.Naglowek, 0) : QJsonObject();
}

namespace {

QJsonObject punktJson(const Droga& d, const TGlownaStacja& p)
{
    return QJsonObject{{QStringLiteral("Rodzaj"), int(p.Rodzaj)},
                       {QStringLiteral("LpStacji"), p.LpStacji},
                       {QStringLiteral("IdObEksp"), d.siec.Stacje[std::size_t(p.LpStacji)].IdObEksp},
                       {QStringLiteral("NrGrupy"), p.NrGrupy},
                       {QStringLiteral("OdlDoPunktu"), p.OdlDoPunktu},
                       {QStringLiteral("NrLinii"), p.NrLinii}};
}

QJsonObject sciezkaJson(const TSciezka& e)
{
    return QJsonObject{{QStringLiteral("LpDrogi"), e.LpDrogi},
                       {QStringLiteral("LpSciezki"), e.LpSciezki},
                       {QStringLiteral("NrGrupy"), e.NrGrupy},
                       {QStringLiteral("LpOdcinka"), e.LpOdcinka},
                       {QStringLiteral("LpStOd"), e.LpStOd},
                       {QStringLiteral("LpStDo"), e.LpStDo},
                       {QStringLiteral("NrLinii"), e.NrLinii},
                       {QStringLiteral("OdKm"), e.OdKm},
                       {QStringLiteral("DoKm"), e.DoKm},
                       {QStringLiteral("Znacznik"), int(e.Znacznik)},
                       {QStringLiteral("Odleglosc"), e.Odleglosc},
                       {QStringLiteral("Stawka"), e.Stawka},
                       {QStringLiteral("Cena"), e.Cena},
                       {QStringLiteral("Cechy"), int(e.Cechy)},
                       {QStringLiteral("WgCennika"), int(e.WgCennika)},
                       {QStringLiteral("Grupa"), e.Grupa},
                       {QStringLiteral("OznFK"), e.OznFK.isNull() ? QString() : QString(e.OznFK)},
                       {QStringLiteral("Uwagi"), e.Uwagi},
                       {QStringLiteral("XOd"), e.XOd},
                       {QStringLiteral("XDo"), e.XDo},
                       {QStringLiteral("YOd"), e.YOd},
                       {QStringLiteral("YDo"), e.YDo}};
}

QJsonObject czasJson(const Droga& d)
{
    return QJsonObject{{QStringLiteral("Tr"), d.wycena.Tr},
                       {QStringLiteral("EditTr"), d.wycena.EditTr},
                       {QStringLiteral("EditVr"), d.wycena.EditVr},
                       {QStringLiteral("VTab"), d.wycena.VTab}};
}

// Wartość JSON jako tekst wcięty jak w dokumencie QJsonDocument::Indented na
// głębokości `glebokosc` (bez końcowego znaku nowej linii).
QByteArray tekstWartosci(const QJsonValue& v, int glebokosc)
{
    QByteArray b;
    if (v.isObject())
        b = QJsonDocument(v.toObject()).toJson(QJsonDocument::Indented);
    else if (v.isArray())
        b = QJsonDocument(v.toArray()).toJson(QJsonDocument::Indented);
    else
        return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    b.chop(1);
    return b.replace("\n", "\n" + QByteArray(4 * glebokosc, ' '));
}

// Obiekt główny wyniku pisany kawałkami na standardowe wyjście: pola w kolejności
// kluczy (jak QJsonObject), tablice element po elemencie.
class PisarzWyniku {
public:
    PisarzWyniku() { pisz("{\n"); }
    ~PisarzWyniku() { pisz("\n}\n"); std::fflush(stdout); }
    void pole(const char* nazwa, const QJsonValue& v)
    {
        nowePole(nazwa);
        pisz(tekstWartosci(v, 1));
    }
    template <class Elementy, class Jako>
    void tablica(const char* nazwa, const Elementy& elementy, Jako jako)
    {
        nowePole(nazwa);
        bool pierwszy = true;
        QByteArray b;
        for (const auto& e : elementy) {
            b = pierwszy ? QByteArray("[\n        ") : QByteArray(",\n        ");
            b += tekstWartosci(jako(e), 2);
            pisz(b);
            pierwszy = false;
        }
        pisz(pierwszy ? QByteArray("[\n    ]") : QByteArray("\n    ]"));
    }

private:
    void nowePole(const char* nazwa)
    {
        pisz((pierwszePole_ ? QByteArray("    \"") : QByteArray(",\n    \"")) + nazwa + "\": ");
        pierwszePole_ = false;
    }
    static void pisz(const QByteArray& b) { std::fwrite(b.constData(), 1, size_t(b.size()), stdout); }
    bool pierwszePole_ = true;
};

} // namespace

QJsonObject trasaJakoJson(SesjaTrasy& s, int poziom)
{
    Droga& d = s.droga;
    WyznaczTrase(d, poziom);

    QJsonArray punkty;
    for (const auto& p : d.trasa.GlowneStacje)
        punkty.append(punktJson(d, p));
    QJsonArray sciezki;
    for (const auto& e : d.trasa.Sciezki)
        sciezki.append(sciezkaJson(e));
    QJsonArray wiersze;
    const Tabela& t = d.trasa.Podglad;
    for (int w : t.widok())
        wiersze.append(wierszJson(t, w));

    return QJsonObject{
        {QStringLiteral("punkty"), punkty},
        {QStringLiteral("sciezki"), sciezki},
        {QStringLiteral("naglowek"), naglowekJakoJson(d.pociag)},
        {QStringLiteral("czas"), czasJson(d)},
        {QStringLiteral("wiersze"), wiersze},
        {QStringLiteral("NotaCeny"), d.trasa.NotaCeny},
        {QStringLiteral("komunikaty"), komunikatyJakoJson(s.interakcja)},
    };
}

void wypiszTraseJson(SesjaTrasy& s, int poziom)
{
    // Ten sam dokument co trasaJakoJson, ale elementy trasy i wiersze podglądu
    // idą na wyjście po jednym: przy 1000 punktach trasy po odległych stacjach
    // (setki tysięcy elementów) cały dokument w pamięci kosztowałby gigabajty.
    Droga& d = s.droga;
    WyznaczTrase(d, poziom);
    const Tabela& t = d.trasa.Podglad;
    PisarzWyniku w;
    w.pole("NotaCeny", d.trasa.NotaCeny);
    w.pole("czas", czasJson(d));
    w.pole("komunikaty", komunikatyJakoJson(s.interakcja));
    w.pole("naglowek", naglowekJakoJson(d.pociag));
    w.tablica("punkty", d.trasa.GlowneStacje, [&](const TGlownaStacja& p) { return punktJson(d, p); });
    w.tablica("sciezki", d.trasa.Sciezki, [](const TSciezka& e) { return sciezkaJson(e); });
    w.tablica("wiersze", t.widok(), [&](int r) { return wierszJson(t, r); });
}

} // namespace tks::cli
