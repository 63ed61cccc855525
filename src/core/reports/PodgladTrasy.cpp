#include "PodgladTrasy.h"

#include "common/Liczby.h"
#include "common/ZapisAtomowy.h"
#include "trains/Pociag.h"

namespace tks {

namespace {

// Kolumny pomijane w eksporcie (pole i tytuł).
bool pominietaWEksporcie(const KolumnaPodgladu& k)
{
    return k.pole == QLatin1String("Elektr") || k.pole == QLatin1String("IdObOd")
           || k.pole == QLatin1String("IdObDo");
}

QString tekstPolaNaglowka(const Pociag& p, const char* pole, QString (*format)(double))
{
    if (!p.maNaglowek())
        return {};
    const QVariant v = p.pole(QString::fromLatin1(pole));
    return v.isValid() ? format(v.toDouble()) : QString();
}

// Kolumna, po której wolno sortować i filtrować: istnieje i nie jest wyliczana
// (Lp zależy od porządku i filtru, więc warunek na nim odwoływałby się sam do siebie).
bool kolumnaPorzadku(const Tabela& t, const QString& pole)
{
    const int k = t.indeksKolumny(pole);
    return k >= 0 && !t.kolumna(k).wyliczana;
}

} // namespace

const QVector<KolumnaPodgladu>& kolumnyPodgladu()
{
    static const QVector<KolumnaPodgladu> k = {
        {QStringLiteral("Lp"), QStringLiteral("Lp")},
        {QStringLiteral("OdStacji"), QStringLiteral("Od punktu")},
        {QStringLiteral("DoStacji"), QStringLiteral("Do punktu")},
        {QStringLiteral("NrLinii"), QStringLiteral("Nr linii")},
        {QStringLiteral("OdKm"), QStringLiteral("Od km")},
        {QStringLiteral("DoKm"), QStringLiteral("Do km")},
        {QStringLiteral("Dlugosc"), QStringLiteral("Długość")},
        {QStringLiteral("Stawka2008"), QStringLiteral("Stawka")},
        {QStringLiteral("Cena"), QStringLiteral("Cena")},
        {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")},
        {QStringLiteral("NrOdcMERIDO"), QStringLiteral("Nr wg Id-12")},
        {QStringLiteral("Elektr"), QStringLiteral("Zelektryfikowana")},
        {QStringLiteral("IdObOd"), QString()},
        {QStringLiteral("IdObDo"), QString()},
    };
    return k;
}

QString tytulKolumnyPodgladu(const KolumnaPodgladu& k) { return k.tytul.isEmpty() ? k.pole : k.tytul; }

QVector<bool> widocznoscKolumnPodgladu(int poziom, const QStringList& ukryteWyznaczTrase)
{
    QVector<bool> w;
    for (const KolumnaPodgladu& k : kolumnyPodgladu()) {
        bool widoczna = !ukryteWyznaczTrase.contains(k.pole, Qt::CaseInsensitive);
        if (k.pole == QLatin1String("NrOdcMERIDO"))
            widoczna = poziom == 2;
        else if (k.pole == QLatin1String("Elektr") || k.pole == QLatin1String("IdObOd")
                 || k.pole == QLatin1String("IdObDo"))
            widoczna = false;
        w.append(widoczna);
    }
    return w;
}

QString tytulOknaPodgladu(int poziom, const QString& numer)
{
    const bool jest = !numer.isEmpty();
    switch (poziom) {
    case 0:
        return jest ? QStringLiteral("Trasa pociągu nr ") + numer + QStringLiteral(" według zmian linii")
                    : QStringLiteral("Trasa pociągu bez numeru według zmian linii");
    case 1:
        return jest ? QStringLiteral("Trasa pociągu nr ") + numer + QStringLiteral(" według zmian linii i stawek")
                    : QStringLiteral("Trasa pociągu bez numeru według zmian linii i stawek");
    default:
        return jest ? QStringLiteral("Szczegółowa trasa pociągu nr ") + numer
                    : QStringLiteral("Szczegółowa trasa pociągu bez numeru");
    }
}

QString numerPociagu(const Pociag& p)
{
    return p.maNaglowek() ? p.pole(QStringLiteral("NrPociagu")).toString() : QString();
}

SumyPodgladu sumyPodgladu(const Pociag& p)
{
    return {tekstPolaNaglowka(p, "CenaWyliczona", formatujZl), tekstPolaNaglowka(p, "Dlugosc", formatujKm),
            tekstPolaNaglowka(p, "DlugoscWycen", formatujKm)};
}

bool wierszBezCeny(const Tabela& podglad, int wiersz) { return podglad.jestNull(wiersz, QStringLiteral("Cena")); }

// ---- porządek i filtry ----

void StanPodgladuTrasy::otworz(Tabela& t) { filtr_.otworz(t, kPorzadekTrasy); }

void StanPodgladuTrasy::usunFiltr(Tabela& t) { filtr_.usun(t, kPorzadekTrasy); }

void StanPodgladuTrasy::sortuj(Tabela& t, const QString& pole, bool malejaco)
{
    if (kolumnaPorzadku(t, pole))
        filtr_.sortuj(t, pole, malejaco);
}

void StanPodgladuTrasy::filtrujWgWyboru(Tabela& t, int wiersz, const QString& pole, int operacja)
{
    if (wiersz >= 0 && wiersz < t.liczbaWierszy() && kolumnaPorzadku(t, pole))
        filtr_.dodaj(t, warunekZMenu(t, wiersz, pole, operacja));
}

void StanPodgladuTrasy::filtruj(Tabela& t, const QString& pole, const QVariant& wartosc, int kryterium)
{
    if (kolumnaPorzadku(t, pole))
        filtr_.dodaj(t, warunekZOkna(t, pole, wartosc, kryterium));
}

void StanPodgladuTrasy::dodaj(Tabela& t, const Tfiltr& warunek)
{
    if (kolumnaPorzadku(t, warunek.kolumna))
        filtr_.dodaj(t, warunek);
}

void StanPodgladuTrasy::zamknij(Tabela& t)
{
    t.usunIndeks();
    filtr_.zamknij(t);
}

// ---- eksport ----

QString tekstWartosci(const QVariant& v, TypPola typ) { return tekstDoEdycji(v, typ); }

QStringList liniePodgladu(const Tabela& podglad)
{
    QStringList linie;
    QString tytuly;
    QVector<int> kolumny;
    QVector<bool> lp;
    for (const KolumnaPodgladu& k : kolumnyPodgladu()) {
        if (pominietaWEksporcie(k))
            continue;
        tytuly += tytulKolumnyPodgladu(k) + QLatin1Char('\t');
        kolumny.append(podglad.indeksKolumny(k.pole));
        lp.append(k.pole == QLatin1String("Lp"));
    }
    linie << tytuly;
    int pozycja = 0;
    for (int w : podglad.widok()) {
        ++pozycja;
        QString l;
        for (int i = 0; i < kolumny.size(); ++i) {
            if (lp[i])
                l += QString::number(pozycja);   // Lp: pozycja w widoku (bez liczenia widoku od nowa)
            else if (kolumny[i] >= 0)
                l += tekstWartosci(podglad.wartosc(w, kolumny[i]), podglad.kolumna(kolumny[i]).typ);
            l += QLatin1Char('\t');
        }
        linie << l;
    }
    return linie;
}

QString tekstPodgladu(const Tabela& podglad)
{
    QString t;
    for (const QString& l : liniePodgladu(podglad))
        t += l + QStringLiteral("\r\n");
    return t;
}

QString proponowanaNazwaPliku(const QString& numer, const QString& rozszerzenie)
{
    QString n = numer.isEmpty() ? QStringLiteral("PocBezNumeru") + rozszerzenie
                                : QStringLiteral("Poc") + numer + rozszerzenie;
    n.replace(QLatin1Char('/'), QLatin1Char('_'));
    return n;
}

bool ZapiszTraseDoPliku(const Tabela& podglad, const QString& sciezka, QString& blad)
{
    return zapiszAtomowo(sciezka, tekstPodgladu(podglad).toUtf8(), blad);
}

} // namespace tks
