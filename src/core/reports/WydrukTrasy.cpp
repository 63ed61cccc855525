#include "WydrukTrasy.h"

#include "app/Droga.h"
#include "common/Liczby.h"
#include "pricing/Przedzialy.h"
#include "reports/PodgladTrasy.h"
#include "routing/Kontrolki.h"

#include <QRegularExpression>

namespace tks {

namespace {

// Pola pasma szczegółów i ich miejsca po przecinku (-1: tekst, 0: liczba całkowita,
// kOgolny: liczba bez stałej liczby miejsc, jak w siatce podglądu).
constexpr int kOgolny = -2;
struct PoleWydruku {
    const char* pole;
    int miejsca;
};
constexpr PoleWydruku kPolaWydruku[] = {
    {"OdStacji", -1}, {"DoStacji", -1}, {"NrLinii", 0}, {"OdKm", 3}, {"DoKm", 3},
    {"Dlugosc", 3},   {"Stawka2008", kOgolny}, {"Cena", 2},  {"Uwagi", -1},
};

// Odstęp (mm) pod ostatnią linią opisu, przed nagłówkiem tabeli.
constexpr double kOdstepPodOpisem = 3.0;
// Dodatkowy odstęp (mm) między tekstami sąsiednich kolumn.
constexpr double kOdstepKolumn = 1.4;
// Kolumna z nazwami albo uwagami nie robi się węższa niż tyle mm.
constexpr double kMinimumKolumnyTekstu = 24.0;

// Liczba jak we wzorcu "#0.000" (bez grupowania, przecinek dziesiętny).
QString liczba(double x, int miejsca)
{
    const double z = zaokraglij(x, miejsca);
    QString t = QString::number(z == 0 ? 0.0 : z, 'f', miejsca);   // bez "-0,000"
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

QString wartoscWydruku(const Tabela& t, int w, const PoleWydruku& p)
{
    const QVariant v = t.wartosc(w, QString::fromLatin1(p.pole));
    if (!v.isValid())
        return {};
    if (p.miejsca == kOgolny)
        return tekstDoEdycji(v, TypPola::Rzeczywista);
    if (p.miejsca < 0)
        return v.toString();
    if (p.miejsca == 0)
        return QString::number(v.toLongLong());
    return liczba(v.toDouble(), p.miejsca);
}

QString tekstPola(const Droga& d, const char* pole)
{
    return d.pociag.maNaglowek() ? d.pociag.pole(QString::fromLatin1(pole)).toString() : QString();
}

QVariant pole(const Droga& d, const char* nazwa)
{
    return d.pociag.maNaglowek() ? d.pociag.pole(QString::fromLatin1(nazwa)) : QVariant();
}

} // namespace

QString tytulWydruku(const QString& numer)
{
    return numer.isEmpty() ? QStringLiteral("TAKSATURA TRASY NOWEGO POCIĄGU (BEZ NUMERU)")
                           : QStringLiteral("TAKSATURA POCIĄGU NR ") + numer.toUpper();
}

QString naglowekWydruku(int poziom, const QString& numer)
{
    const bool jest = !numer.isEmpty();
    switch (poziom) {
    case 0:
        return jest ? QStringLiteral("Trasa pociągu nr ") + numer + QStringLiteral(" według zmian linii")
                    : QStringLiteral("Trasa nowego pociągu (bez numeru) według zmian linii");
    case 1:
        return jest ? QStringLiteral("Trasa pociągu nr ") + numer + QStringLiteral(" według zmian linii i stawek")
                    : QStringLiteral("Trasa nowego pociągu (bez numeru) według zmian linii i stawek");
    default:
        return jest ? QStringLiteral("Szczegółowa trasa pociągu nr ") + numer
                    : QStringLiteral("Szczegółowa trasa nowego pociągu (bez numeru)");
    }
}

WydrukTrasy PrzygotujWydruk(Droga& d, int poziom)
{
    WydrukTrasy w;
    w.poziom = poziom;
    const QString numer = numerPociagu(d.pociag);

    // 1. tytuły kolumn; "Stawka" pusta na poziomie 0
    w.tytulyKolumn = {QStringLiteral("Od punktu"), QStringLiteral("Do punktu"), QStringLiteral("Nr linii"),
                      QStringLiteral("Od km"),     QStringLiteral("Do km"),     QStringLiteral("Długość"),
                      poziom == 0 ? QString() : QStringLiteral("Stawka"),      QStringLiteral("Cena"),
                      QStringLiteral("Uwagi")};

    // 2. jak "Usuń filtr" w oknie podglądu: bez warunków, porządek trasy
    Tabela& t = d.trasa.Podglad;
    StanPodgladuTrasy().usunFiltr(t);

    // 3.-4. tytuł i nagłówek
    w.tytul = tytulWydruku(numer);
    w.naglowek = naglowekWydruku(poziom, numer);

    // 5. opis pociągu
    QStringList& o = w.opis;
    o << QStringLiteral("Numer pociągu : ") + numer;
    const QString nazwa = tekstPola(d, "NazwaPociagu");
    if (!nazwa.isEmpty())
        o << QStringLiteral("Nazwa pociągu : ") + nazwa;
    const int rodzaj = wierszRodzaju(d.siec, d.kontrolki.idRodzajuStawki);
    o << QStringLiteral("Rodzaj pociągu : ")
             + (rodzaj >= 0 ? d.siec.RodzajeStawekTab.tekst(rodzaj, QStringLiteral("Nazwa")) : QString());
    const int przedzial = wierszPrzedzialu(d.siec, d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr);
    o << QStringLiteral("Brutto : ")
             + (przedzial >= 0 ? d.siec.ZakresyBr.tekst(przedzial, QStringLiteral("Opis")) : QString());
    const QString opis = tekstPola(d, "Opis");
    if (!opis.isEmpty())
        o << QStringLiteral("Opis pociągu : ") + opis;
    o << QStringLiteral("Kryterium wyboru trasy : ") + kPozycjeKryterium.value(d.kontrolki.kryterium);
    o << QStringLiteral("Długość trasy : ") + formatujKm(pole(d, "Dlugosc").toDouble());
    o << QStringLiteral("Wyliczona cena: ") + formatujZl(pole(d, "CenaPrzejazdu").toDouble());
    const QVariant cenaOkresu = pole(d, "CenaRozkJazdy");
    if (cenaOkresu.isValid())
        o << QStringLiteral("Cena za cały okres kursowania: ") + formatujZl(cenaOkresu.toDouble());
    const QVariant dni = pole(d, "LDniKurs");
    if (dni.isValid())
        o << QStringLiteral("Liczba dni kursowania: ") + QString::number(dni.toLongLong());
    const QString kursuje = tekstPola(d, "Kursuje");
    if (!kursuje.isEmpty()) {
        // opis dni kursowania ma własne końce linii: każda to osobna linia opisu
        QStringList linie = kursuje.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
        while (!linie.isEmpty() && linie.last().isEmpty())
            linie.removeLast();
        if (!linie.isEmpty()) {   // opis z samych końców linii nie daje linii
            linie[0] = QStringLiteral("Terminy kursowania: ") + linie[0];
            o << linie;
        }
    }
    o << QString();
    const QVariant pelna = pole(d, "WycenaPelna");
    if (pelna.isValid() && !pelna.toBool())
        o << kUwagaNiepelnaWycena + d.trasa.NotaCeny;

    // wiersze podglądu w porządku trasy
    for (int r : t.widok()) {
        QStringList wiersz;
        for (const PoleWydruku& p : kPolaWydruku)
            wiersz << wartoscWydruku(t, r, p);
        w.wiersze << wiersz;
    }
    return w;
}

Raport RaportTrasy(const WydrukTrasy& w)
{
    Raport r;
    r.tytulDokumentu = w.tytul;
    const double szer = r.szerokoscObszaru();

    // pasmo tytułu: etykieta tytułu i linie opisu (każda osobno, by mogły przejść na następną stronę)
    const CzcionkaRaportu cTytul{14, true};
    const CzcionkaRaportu cOpis{10, false};
    {
        Pasmo p;
        const double h = wysokoscTekstu(cTytul, szer, w.tytul);
        p.wysokosc = h + 4;
        p.dodajTekst(QRectF(0, 0, szer, h), w.tytul, cTytul, int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
        r.tytul << p;
    }
    for (const QString& linia : w.opis) {
        Pasmo p;
        const double h = wysokoscTekstu(cOpis, szer, linia);
        p.wysokosc = h + 0.6;
        p.dodajTekst(QRectF(0, 0, szer, h), linia, cOpis, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
        r.tytul << p;
    }
    // odstęp między opisem (z uwagą o niepełnej wycenie) a nagłówkiem tabeli
    r.tytul.last().wysokosc += kOdstepPodOpisem;

    // kolumny: Od punktu, Do punktu, Nr linii, Od km, Do km, Długość, Stawka, Cena, Uwagi;
    // szerokość według treści, pusta kolumna (Stawka na poziomie 0) znika
    const CzcionkaRaportu cTytuly{8, true};
    const CzcionkaRaportu cWiersz{8, false};
    constexpr double kMargines = 0.8;
    QVector<double> naturalne(9, 0.0);
    QVector<bool> zawijane(9, false);
    zawijane[0] = zawijane[1] = zawijane[8] = true;
    for (int i = 0; i < 9; ++i) {
        double m = szerokoscTekstu(cTytuly, w.tytulyKolumn.value(i));
        for (const QStringList& wiersz : w.wiersze)
            m = std::max(m, szerokoscTekstu(cWiersz, wiersz.value(i)));
        // odstęp między kolumnami, z zapasem na zaokrąglenia miar czcionki
        naturalne[i] = m > 0 ? m + 2 * kMargines + kOdstepKolumn : 0.0;
    }
    const QVector<double> szerokosci = szerokosciWgTresci(naturalne, zawijane, szer, kMinimumKolumnyTekstu);
    QVector<KolumnaRaportu> kolumny;
    double x = 0;
    for (int i = 0; i < 9; ++i) {
        const bool liczbowa = i >= 2 && i <= 7;
        kolumny.append({x, szerokosci[i], liczbowa ? Qt::AlignRight : Qt::AlignLeft});
        x += szerokosci[i];
    }

    // nagłówek kolumn: nagłówek raportu, tytuły kolumn między kreskami
    {
        const CzcionkaRaportu cNaglowek{11, true};
        const double hN = wysokoscTekstu(cNaglowek, szer, w.naglowek);
        Pasmo tytuly = pasmoWiersza(kolumny, w.tytulyKolumn, cTytuly, kMargines, false);
        Pasmo& p = r.naglowekKolumn;
        p.dodajTekst(QRectF(0, 0, szer, hN), w.naglowek, cNaglowek, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
        const double y0 = hN + 1.5;
        for (TekstPasma t : tytuly.teksty) {
            t.obszar.translate(0, y0);
            p.teksty << t;
        }
        p.dodajLinie(QLineF(0, y0, szer, y0), 0.3);
        p.dodajLinie(QLineF(0, y0 + tytuly.wysokosc, szer, y0 + tytuly.wysokosc), 0.3);
        p.wysokosc = y0 + tytuly.wysokosc + 0.5;
    }

    for (const QStringList& wiersz : w.wiersze)
        r.szczegoly << pasmoWiersza(kolumny, wiersz, cWiersz, kMargines, true);
    return r;
}

} // namespace tks
