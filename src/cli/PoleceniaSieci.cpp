// Polecenia sieci: build-network, dump-network, geo2map.

#include "Argumenty.h"
#include "Polecenia.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "common/Daty.h"
#include "common/Interakcja.h"
#include "network/BazaSieci.h"
#include "network/Geo.h"
#include "network/PlikSieci.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <cmath>

namespace tks::cli {
namespace {

QJsonArray kontur(const TKontur& k)
{
    QJsonArray a;
    for (const auto& p : k)
        a.append(QJsonArray{p.x, p.y});
    return a;
}

QJsonArray podzialy(const std::vector<TPodzial>& tab, const std::vector<TKontur>& kontury)
{
    QJsonArray a;
    for (std::size_t i = 0; i < tab.size(); ++i) {
        const auto& p = tab[i];
        a.append(QJsonObject{{QStringLiteral("Kolor"), p.Kolor},
                             {QStringLiteral("KolorDomyslny"), p.KolorDomyslny},
                             {QStringLiteral("Nazwa"), p.Nazwa.tekst()},
                             {QStringLiteral("LPunktow"), p.LPunktow},
                             {QStringLiteral("kontur"), kontur(kontury[i])}});
    }
    return a;
}

} // namespace

QJsonObject siecJakoJson(const Siec& s)
{
    QJsonArray zarzadcy;
    for (const auto& z : s.Zarzadcy)
        zarzadcy.append(z.tekst());
    QJsonArray rodzaje;
    for (const auto& r : s.RodzajeStawek)
        rodzaje.append(QJsonObject{{QStringLiteral("Nazwa"), r.Nazwa.tekst()},
                                   {QStringLiteral("NazwaPolaWBazie"), r.NazwaPolaWBazie.tekst()},
                                   {QStringLiteral("LZakrBr"), r.LZakrBr}});
    QJsonArray konturPolski;
    for (const auto& p : s.KonturPolski)
        konturPolski.append(QJsonObject{{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y},
                                        {QStringLiteral("LpGrupy"), p.LpGrupy}});
    QJsonArray stacje;
    for (std::size_t i = 0; i < s.Stacje.size(); ++i) {
        const auto& x = s.Stacje[i];
        QJsonArray odc;
        for (auto e : s.OdcinkiStacji[i])
            odc.append(e);
        stacje.append(QJsonObject{{QStringLiteral("Xkm"), x.Xkm},
                                  {QStringLiteral("Ykm"), x.Ykm},
                                  {QStringLiteral("IdObEksp"), x.IdObEksp},
                                  {QStringLiteral("OznaczenieStacji"), x.OznaczenieStacji.tekst()},
                                  {QStringLiteral("NazwaStacji"), x.NazwaStacji.tekst()},
                                  {QStringLiteral("OdlMin"), x.OdlMin},
                                  {QStringLiteral("OdcPop"), x.OdcPop},
                                  {QStringLiteral("StPop"), x.StPop},
                                  {QStringLiteral("Widocznosc"), x.Widocznosc},
                                  {QStringLiteral("LOdcinkow"), x.LOdcinkow},
                                  {QStringLiteral("Wybieralna"), x.Wybieralna},
                                  {QStringLiteral("Stawka"), x.Stawka},
                                  {QStringLiteral("odcinki"), odc}});
    }
    QJsonArray odcinki;
    for (std::size_t i = 0; i < s.Odcinki.size(); ++i) {
        const auto& o = s.Odcinki[i];
        QJsonArray stawki;
        for (int r = 0; r < s.Stawki.liczbaRodzajow(); ++r) {
            QJsonArray pr;
            for (int b = 0; b < s.Stawki.liczbaPrzedzialow(r); ++b)
                pr.append(s.Stawki.stawka(i, r, b));
            stawki.append(pr);
        }
        odcinki.append(QJsonObject{{QStringLiteral("Lp"), o.Lp},
                                   {QStringLiteral("LpStA"), o.LpStA},
                                   {QStringLiteral("LpStB"), o.LpStB},
                                   {QStringLiteral("IdObA"), o.IdObA},
                                   {QStringLiteral("IdObB"), o.IdObB},
                                   {QStringLiteral("Odleglosc"), o.Odleglosc},
                                   {QStringLiteral("XA"), o.XA},
                                   {QStringLiteral("XB"), o.XB},
                                   {QStringLiteral("YA"), o.YA},
                                   {QStringLiteral("YB"), o.YB},
                                   {QStringLiteral("MetrOsiA"), o.MetrOsiA},
                                   {QStringLiteral("MetrOsiB"), o.MetrOsiB},
                                   {QStringLiteral("NrLinii"), o.NrLinii},
                                   {QStringLiteral("Znacznik"), o.Znacznik},
                                   {QStringLiteral("Cechy"), o.Cechy},
                                   {QStringLiteral("VP1"), o.VP1},
                                   {QStringLiteral("VP2"), o.VP2},
                                   {QStringLiteral("VT1"), o.VT1},
                                   {QStringLiteral("VT2"), o.VT2},
                                   {QStringLiteral("VOgr1"), o.VOgr1},
                                   {QStringLiteral("VOgr2"), o.VOgr2},
                                   {QStringLiteral("OznFK"), o.OznFK.tekst()},
                                   {QStringLiteral("KodZarzadu"), o.KodZarzadu},
                                   {QStringLiteral("IdWojewodztwa"), o.IdWojewodztwa},
                                   {QStringLiteral("Klasa"), o.Klasa},
                                   {QStringLiteral("stawki"), stawki}});
    }
    QJsonArray swieta;
    for (double d : s.Swieta)
        swieta.append(dataIso(d));
    QJsonArray wgNazwy;
    for (auto i : s.StacjeWgNazwy)
        wgNazwy.append(i);

    return QJsonObject{
        {QStringLiteral("Zarzadcy"), zarzadcy},
        {QStringLiteral("RodzajeStawek"), rodzaje},
        {QStringLiteral("tabele"), QJsonObject{{QStringLiteral("ZakresyBr"), tabelaJakoJson(s.ZakresyBr)},
                                               {QStringLiteral("RodzajeStawek"), tabelaJakoJson(s.RodzajeStawekTab)}}},
        {QStringLiteral("KonturPolski"), konturPolski},
        {QStringLiteral("Zaklady"), podzialy(s.Zaklady, s.KonturyZakladow)},
        {QStringLiteral("Wojewodztwa"), podzialy(s.Wojewodztwa, s.KonturyWojewodztw)},
        {QStringLiteral("Stacje"), stacje},
        {QStringLiteral("Odcinki"), odcinki},
        {QStringLiteral("Swieta"), swieta},
        {QStringLiteral("SrodekDomyslny"),
         QJsonObject{{QStringLiteral("x"), s.SrodekDomyslny.x}, {QStringLiteral("y"), s.SrodekDomyslny.y}}},
        {QStringLiteral("StacjeWgNazwy"), wgNazwy},
    };
}

int polecenieBuildNetwork(const QStringList& argumenty)
{
    const Argumenty a(argumenty, {QStringLiteral("db"), QStringLiteral("out")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const auto db = a.wartosc(QStringLiteral("db"));
    if (!db)
        throw BladUzycia(QStringLiteral("Brak opcji --db (ścieżka do bazy SQLite albo adres postgresql:// lub odbc://)."));
    const QString wyjscie = a.wartosc(QStringLiteral("out"), kNazwaPlikuSieci);

    QElapsedTimer czas;
    czas.start();
    InterakcjaSkryptowa interakcja;
    QString blad;
    auto baza = PolaczZBazaSieci(*db, interakcja, blad);
    if (!baza)
        throw BladOperacji(blad);
    Siec siec;
    QStringList dziennik;
    const bool ok = WczytajLinieZBazy(siec, *baza, interakcja, dziennik, blad);
    baza.reset();
    ZamknijBazeSieci();
    if (!ok)
        throw BladUzycia(blad);
    if (!ZapiszLinieDoPliku(siec, wyjscie, blad))
        throw BladOperacji(blad);

    wypiszJson(QJsonObject{
        {QStringLiteral("plik"), wyjscie},
        {QStringLiteral("Zarzadcy"), qint64(siec.Zarzadcy.size())},
        {QStringLiteral("RodzajeStawek"), qint64(siec.RodzajeStawek.size())},
        {QStringLiteral("ZakresyBr"), siec.ZakresyBr.liczbaWierszy()},
        {QStringLiteral("KonturPolski"), qint64(siec.KonturPolski.size())},
        {QStringLiteral("Zaklady"), qint64(siec.Zaklady.size())},
        {QStringLiteral("Wojewodztwa"), qint64(siec.Wojewodztwa.size())},
        {QStringLiteral("Stacje"), qint64(siec.Stacje.size())},
        {QStringLiteral("Odcinki"), qint64(siec.Odcinki.size())},
        {QStringLiteral("Swieta"), qint64(siec.Swieta.size())},
        {QStringLiteral("sekundy"), double(czas.elapsed()) / 1000.0},
        {QStringLiteral("dziennik"), QJsonArray::fromStringList(dziennik)},
        {QStringLiteral("komunikaty"), komunikatyJakoJson(interakcja)},
    });
    return 0;
}

int polecenieDumpNetwork(const QStringList& argumenty)
{
    const Argumenty a(argumenty, {QStringLiteral("network"), QStringLiteral("dir")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    InterakcjaSkryptowa interakcja;
    const Siec s = wczytajSiec(a, interakcja);
    wypiszJson(siecJakoJson(s));
    return 0;
}

int polecenieGeo2Map(const QStringList& argumenty)
{
    const Argumenty a(argumenty, {});
    if (a.pozycyjne().size() != 2)
        throw BladUzycia(QStringLiteral("geo2map wymaga dwóch liczb: X Y."));
    bool okx = false, oky = false;
    const double x = a.pozycyjne()[0].toDouble(&okx);
    const double y = a.pozycyjne()[1].toDouble(&oky);
    if (!okx || !oky || !std::isfinite(x) || !std::isfinite(y))
        throw BladUzycia(QStringLiteral("geo2map: \"%1 %2\" to nie są liczby.").arg(a.pozycyjne()[0], a.pozycyjne()[1]));
    const auto p = GeoToPktKm(x, y);
    if (!p)
        throw BladUzycia(QStringLiteral("geo2map: współrzędne poza zakresem przeliczenia."));
    wypiszJson(QJsonObject{{QStringLiteral("x"), p->x}, {QStringLiteral("y"), p->y}});
    return 0;
}

} // namespace tks::cli
