#include "reports/Zestawienia.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/Przedzialy.h"
#include "trains/FiltrTabeli.h"
#include "trains/PlikiPociagu.h"
#include "trains/TabelePociagu.h"

namespace tks {

namespace {

const QString kBlad = QStringLiteral("Błąd");

double sumaWidoku(const Tabela& t, const QString& kolumna)
{
    const QVariant s = t.suma(kolumna);
    return s.isValid() ? s.toDouble() : 0.0;
}

QString liczbaWydruku(const QVariant& v, int miejsca)
{
    return v.isValid() && !v.isNull() ? formatujGrupy(v.toDouble(), miejsca) : QString();
}

} // namespace

const QVector<KolumnaZestawienia>& kolumnyZestawienia()
{
    static const QVector<KolumnaZestawienia> k = {
        {QStringLiteral("lp"), QStringLiteral("Lp")},
        {QStringLiteral("NrPociagu"), QStringLiteral("Nr pociągu")},
        {QStringLiteral("NazwaPociagu"), QStringLiteral("Nazwa pociągu")},
        {QStringLiteral("Rodzaj"), QStringLiteral("Rodzaj")},
        {QStringLiteral("Dlugosc"), QStringLiteral("Długość trasy")},
        {QStringLiteral("CenaWyliczona"), QStringLiteral("Cena trasy")},
        {QStringLiteral("CenaRozkJazdy"), QStringLiteral("Cena rozkładu")},
        {QStringLiteral("LDniKurs"), QStringLiteral("Liczba dni kursowania")},
        {QStringLiteral("StacjaPoczatkowa"), QStringLiteral("Stacja początkowa")},
        {QStringLiteral("StacjaKoncowa"), QStringLiteral("Stacja końcowa")},
        {QStringLiteral("IdPociagu"), QStringLiteral("IdPociagu"), true},
        {QStringLiteral("IdPrzewoznika"), QStringLiteral("Przewoźnik"), true},
        {QStringLiteral("IdRodzajuStawki"), QStringLiteral("IdRodzajuStawki"), true},
    };
    return k;
}

Tabela nowaTabelaZestawienia()
{
    QVector<DefinicjaKolumny> kolumny;
    kolumny.append({QStringLiteral("lp"), TypPola::Calkowita});
    const Tabela naglowek = nowaTabelaNaglowka();
    for (const DefinicjaKolumny& k : naglowek.kolumny())
        if (!k.wyliczana)
            kolumny.append(k);
    kolumny.append({QStringLiteral("Rodzaj"), TypPola::Tekst, 30});
    return Tabela(QStringLiteral("CDSZestawienia"), kolumny);
}

QString nazwaRodzajuStawki(const Siec& s, int idRodzaju)
{
    const int w = wierszRodzaju(s, idRodzaju);
    return w < 0 ? QString() : s.RodzajeStawekTab.tekst(w, QStringLiteral("Nazwa"));
}

QString tekstFiltruZestawienia(bool wszystkie, int idRodzaju)
{
    const QString rodzaj = wszystkie ? QStringLiteral("1=1") : QStringLiteral("IdRodzajuStawki=") + QString::number(idRodzaju);
    return QStringLiteral("(1=1)and(") + rodzaj + QLatin1Char(')');
}

bool ZbudujZestawienie(Droga& d, Zestawienie& z)
{
    z.lista = nowaTabelaZestawienia();
    z.lista.ustawIndeks(QStringLiteral("IdPociagu"));
    FiltrujZestawienie(z, d.siec, true, z.idRodzaju);

    QString blad;
    std::optional<Tabela> lista = wczytajListePociagow(d, blad);
    if (!lista) {
        d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
        return false;
    }
    lista->ustawIndeks(QStringLiteral("IdPociagu"));

    Tabela t = nowaTabelaZestawienia();
    const Tabela wzor = wzorTabeliPociagu(QStringLiteral("Naglowek"));
    // kolumny nagłówka przepisywane do zestawienia (pozycje w obu tabelach)
    static const char* const kopiowane[] = {"IdPociagu",     "NrPociagu", "NazwaPociagu",  "IdRodzajuStawki",
                                            "Dlugosc",       "CenaWyliczona", "CenaRozkJazdy", "LDniKurs",
                                            "StacjaPoczatkowa", "StacjaKoncowa"};
    QVector<QPair<int, int>> pary;
    for (const char* n : kopiowane)
        pary.append({wzor.indeksKolumny(QString::fromLatin1(n)), t.indeksKolumny(QString::fromLatin1(n))});
    const int kRodzaj = t.indeksKolumny(QStringLiteral("Rodzaj"));
    const int kIdRodzaju = wzor.indeksKolumny(QStringLiteral("IdRodzajuStawki"));

    // nazwy rodzajów raz, nie dla każdego pociągu
    QHash<int, QString> nazwy;
    for (int w : lista->widok()) {
        const int id = lista->calkowita(w, QStringLiteral("IdPociagu"));
        if (id == 0)
            continue;
        const auto naglowek = wczytajTabele(plikTabeliPociagu(d, QStringLiteral("Naglowek"), id), wzor, blad);
        if (!naglowek) {
            // lista urwana w połowie pokazałaby sumy części pociągów jako sumy wszystkich
            d.interakcja.komunikat(blad, kBlad, Ikona::Blad);
            return false;
        }
        if (naglowek->liczbaWierszy() == 0)
            continue;
        const int r = t.dodajWiersz();
        for (const auto& [zr, cel] : pary)
            t.ustaw(r, cel, naglowek->wartosc(0, zr));
        const QVariant idRodzaju = naglowek->wartosc(0, kIdRodzaju);
        if (idRodzaju.isValid() && !idRodzaju.isNull()) {
            const int k = idRodzaju.toInt();
            auto it = nazwy.find(k);
            if (it == nazwy.end())
                it = nazwy.insert(k, nazwaRodzajuStawki(d.siec, k));
            t.ustaw(r, kRodzaj, *it);
        }
    }
    t.ustawIndeks(QStringLiteral("IdPociagu"));
    z.lista = std::move(t);
    FiltrujZestawienie(z, d.siec, z.wszystkieRodzaje, z.idRodzaju);
    return true;
}

void FiltrujZestawienie(Zestawienie& z, const Siec& s, bool wszystkie, int idRodzaju)
{
    z.wszystkieRodzaje = wszystkie;
    z.idRodzaju = idRodzaju;
    z.nazwaRodzaju = nazwaRodzajuStawki(s, idRodzaju);
    z.filtr = tekstFiltruZestawienia(wszystkie, idRodzaju);
    if (wszystkie) {
        z.lista.usunFiltr();
    } else {
        const int k = z.lista.indeksKolumny(QStringLiteral("IdRodzajuStawki"));
        z.lista.ustawFiltr([k, idRodzaju](const Tabela& t, int w) {
            const QVariant v = t.wartosc(w, k);
            return v.isValid() && !v.isNull() && v.toInt() == idRodzaju;
        });
    }
    // lp i sumy według przefiltrowanej listy
    const int kLp = z.lista.indeksKolumny(QStringLiteral("lp"));
    int lp = 0;
    for (int w : z.lista.widok())
        z.lista.ustaw(w, kLp, ++lp);
    z.LiczbaPoc = lp;
    z.SumaCen = sumaWidoku(z.lista, QStringLiteral("CenaWyliczona"));
    z.SumaCenRozk = sumaWidoku(z.lista, QStringLiteral("CenaRozkJazdy"));
}

QStringList linieZestawienia(const Zestawienie& z)
{
    QStringList linie;
    QString tytuly;
    QVector<int> kolumny;
    for (const KolumnaZestawienia& k : kolumnyZestawienia()) {
        tytuly += k.tytul + QLatin1Char('\t');
        kolumny.append(z.lista.indeksKolumny(k.pole));
    }
    linie << tytuly;
    for (int w : z.lista.widok()) {
        QString l;
        for (int k : kolumny)
            l += tekstDoEdycji(z.lista.wartosc(w, k), z.lista.kolumna(k).typ) + QLatin1Char('\t');
        linie << l;
    }
    return linie;
}

QString tekstZestawienia(const Zestawienie& z)
{
    QString t;
    for (const QString& l : linieZestawienia(z))
        t += l + QStringLiteral("\r\n");
    return t;
}

QString podtytulZestawienia(const Zestawienie& z)
{
    return z.wszystkieRodzaje ? QStringLiteral("wszystkich rodzajów ") : QStringLiteral("rodzaju pociągu: ") + z.nazwaRodzaju;
}

QStringList tytulyKolumnWydrukuZestawienia()
{
    return {QStringLiteral("Nr pociągu"),         QStringLiteral("Stacja początkowa"), QStringLiteral("Stacja koncowa"),
            QStringLiteral("Długość trasy [km]"), QStringLiteral("Cena trasy [zł]"),   QStringLiteral("Wartość [zł]"),
            QStringLiteral("Rodzaj"),             QStringLiteral("Ilość tras w rozkładzie")};
}

QVector<QStringList> wierszeWydrukuZestawienia(const Zestawienie& z)
{
    QVector<QStringList> wiersze;
    const Tabela& t = z.lista;
    for (int w : t.widok()) {
        const QVariant dni = t.wartosc(w, QStringLiteral("LDniKurs"));
        wiersze.append({t.tekst(w, QStringLiteral("NrPociagu")), t.tekst(w, QStringLiteral("StacjaPoczatkowa")),
                        t.tekst(w, QStringLiteral("StacjaKoncowa")),
                        liczbaWydruku(t.wartosc(w, QStringLiteral("Dlugosc")), 3),
                        liczbaWydruku(t.wartosc(w, QStringLiteral("CenaWyliczona")), 2),
                        liczbaWydruku(t.wartosc(w, QStringLiteral("CenaRozkJazdy")), 2), t.tekst(w, QStringLiteral("Rodzaj")),
                        dni.isValid() && !dni.isNull() ? QString::number(dni.toInt()) : QString()});
    }
    return wiersze;
}

Raport RaportZestawienia(const Zestawienie& z)
{
    Raport r;
    r.tytulDokumentu = kTytulWydrukuZestawienia;
    const double szer = r.szerokoscObszaru();

    // tytuł i podtytuł
    {
        const CzcionkaRaportu cTytul{14, true};
        const CzcionkaRaportu cPodtytul{11, false};
        Pasmo p;
        const double h = wysokoscTekstu(cTytul, szer, kTytulWydrukuZestawienia);
        const QString podtytul = podtytulZestawienia(z);
        const double h2 = wysokoscTekstu(cPodtytul, szer, podtytul);
        p.dodajTekst(QRectF(0, 0, szer, h), kTytulWydrukuZestawienia, cTytul, int(Qt::AlignHCenter | Qt::AlignTop));
        p.dodajTekst(QRectF(0, h + 1, szer, h2), podtytul, cPodtytul,
                     int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
        p.wysokosc = h + 1 + h2 + 4;
        r.tytul << p;
    }

    // kolumny: Nr, Stacja początkowa, Stacja końcowa, Długość, Cena trasy, Wartość, Rodzaj, Ilość tras
    const double szerokosci[] = {20, 34, 34, 20, 22, 24, 20, 0};
    QVector<KolumnaRaportu> kolumny;
    double x = 0;
    for (int i = 0; i < 8; ++i) {
        const double s = i == 7 ? szer - x : szerokosci[i];
        const bool liczbowa = (i >= 3 && i <= 5) || i == 7;
        kolumny.append({x, s, liczbowa ? Qt::AlignRight : Qt::AlignLeft});
        x += s;
    }

    // nagłówek grupy (przewoźnik nie jest wypełniany: jedna grupa) - tytuły kolumn na każdej stronie
    {
        Pasmo tytuly = pasmoWiersza(kolumny, tytulyKolumnWydrukuZestawienia(), CzcionkaRaportu{8, true}, 0.8, false);
        Pasmo& p = r.naglowekKolumn;
        p.teksty = tytuly.teksty;
        p.dodajLinie(QLineF(0, 0, szer, 0), 0.3);
        p.dodajLinie(QLineF(0, tytuly.wysokosc, szer, tytuly.wysokosc), 0.3);
        p.wysokosc = tytuly.wysokosc + 0.5;
    }

    const CzcionkaRaportu cWiersz{8, false};
    for (const QStringList& wiersz : wierszeWydrukuZestawienia(z))
        r.szczegoly << pasmoWiersza(kolumny, wiersz, cWiersz, 0.8, true);

    // stopka grupy i podsumowanie: suma cen rozkładów
    const CzcionkaRaportu cSuma{9, true};
    const QString suma = formatujZl(z.SumaCenRozk);
    auto pasmoSumy = [&](const QString& etykieta, bool kreska) {
        Pasmo p;
        const double h = wysokoscTekstu(cSuma, szer, etykieta) + 1.6;
        const double xWartosci = kolumny[5].x;
        p.dodajTekst(QRectF(0, 0.8, xWartosci - 2, h - 1.6), etykieta, cSuma, int(Qt::AlignRight | Qt::AlignVCenter));
        p.dodajTekst(QRectF(xWartosci - 10, 0.8, kolumny[5].szerokosc + 10 - 0.8, h - 1.6), suma, cSuma,
                     int(Qt::AlignRight | Qt::AlignVCenter));
        if (kreska)
            p.dodajLinie(QLineF(0, 0, szer, 0), 0.3);
        p.wysokosc = h + 1;
        return p;
    };
    r.szczegoly << pasmoSumy(QStringLiteral("Razem"), true);
    r.szczegoly << pasmoSumy(QStringLiteral("Ogółem dla wszystkich przewoźnikow"), false);
    return r;
}

Arkusz arkuszZestawienia(const Zestawienie& z)
{
    QVector<PoleArkusza> pola;
    for (const KolumnaZestawienia& k : kolumnyZestawienia()) {
        if (k.ukryta)
            continue;
        FormatKomorki f = FormatKomorki::Tekst;
        if (k.pole == QLatin1String("lp") || k.pole == QLatin1String("LDniKurs"))
            f = FormatKomorki::Calkowita;
        else if (k.pole == QLatin1String("Dlugosc"))
            f = FormatKomorki::Km;
        else if (k.pole.startsWith(QLatin1String("Cena")))
            f = FormatKomorki::Zl;
        pola.append({k.pole, k.tytul, f});
    }
    Arkusz a = arkuszZTabeli(kTytulZestawien, z.lista, pola);
    // sumy pod kolumnami cen, etykiety w kolumnie nazwy
    const int kCena = 5, kRozk = 6, kEtykieta = 2;
    auto wiersz = [&](const QString& etykieta, int kolumna, const QVariant& v) {
        QVector<QVariant> w(pola.size());
        w[kEtykieta] = etykieta;
        w[kolumna] = v;
        return w;
    };
    a.sumy << wiersz(kSumaCen, kCena, z.SumaCen)
           << wiersz(kSumaCenRozk, kRozk, z.SumaCenRozk)
           << wiersz(kLiczbaPoc, 0, z.LiczbaPoc);
    if (!z.wszystkieRodzaje)
        a.sumy << wiersz(QStringLiteral("Rodzaj pociągu: ") + z.nazwaRodzaju, 0, QVariant());
    return a;
}

} // namespace tks
