// Polecenie calendar: kalendarz z JSON (zakresy i oznaczenia dni) odbudowany
// tak jak przy wczytaniu pociągu; wynik to liczba dni kursowania i opis.

#include "Argumenty.h"
#include "Polecenia.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"
#include "trains/NowyPociag.h"
#include "trains/TabelePociagu.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace tks::cli {
namespace {

// Lata, w których kalendarz przyjmuje daty; dalsze (także ujemne) to błąd danych.
constexpr int kPierwszyRok = 1900;
constexpr int kOstatniRok = 2100;

// Data "RRRR-MM-DD" w latach kPierwszyRok..kOstatniRok; inaczej nieważna.
QDate dataZNapisu(const QString& s)
{
    const QDate d = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid() || d.year() < kPierwszyRok || d.year() > kOstatniRok)
        return {};
    return d;
}

QDate dataZPola(const QJsonValue& v, const QString& gdzie)
{
    const QDate d = v.isString() ? dataZNapisu(v.toString()) : QDate();
    if (!d.isValid())
        throw BladUzycia(QStringLiteral("%1: wartość %2 nie jest datą RRRR-MM-DD z lat %3–%4.")
                             .arg(gdzie, QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1))
                             .arg(kPierwszyRok).arg(kOstatniRok));
    return d;
}

// Liczba całkowita z przedziału; inaczej błąd danych.
int liczbaZPola(const QJsonValue& v, int min, int max, const QString& gdzie)
{
    const double x = v.toDouble(std::nan(""));
    if (!v.isDouble() || std::floor(x) != x || x < min || x > max)
        throw BladUzycia(QStringLiteral("%1 musi być liczbą całkowitą od %2 do %3.").arg(gdzie).arg(min).arg(max));
    return int(x);
}

void sprawdzKlucze(const QJsonObject& o, const QStringList& dozwolone, const QString& gdzie)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!dozwolone.contains(it.key()))
            throw BladUzycia(QStringLiteral("Nieznane pole \"%1\" %2.").arg(it.key(), gdzie));
}

} // namespace

Tabela kalendarzZJson(const QByteArray& json)
{
    QJsonParseError blad{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &blad);
    if (blad.error != QJsonParseError::NoError)
        throw BladUzycia(QStringLiteral("Dane kalendarza nie są poprawnym JSON (błąd przy znaku %1).").arg(blad.offset + 1));
    if (!doc.isObject())
        throw BladUzycia(QStringLiteral("Dane kalendarza muszą być obiektem JSON z polami \"ranges\" i \"marks\"."));
    const QJsonObject o = doc.object();
    sprawdzKlucze(o, {QStringLiteral("ranges"), QStringLiteral("marks")}, QStringLiteral("w danych kalendarza"));

    Tabela t = nowaTabelaKalendarz();
    const QJsonValue zakresy = o.value(QStringLiteral("ranges"));
    if (!zakresy.isUndefined() && !zakresy.isArray())
        throw BladUzycia(QStringLiteral("Pole \"ranges\" musi być tablicą zakresów."));
    const QJsonArray tz = zakresy.toArray();
    for (int i = 0; i < tz.size(); ++i) {
        const QString gdzie = QStringLiteral("Zakres nr %1").arg(i + 1);
        if (!tz[i].isObject())
            throw BladUzycia(gdzie + QStringLiteral(" musi być obiektem {\"od\", \"do\", \"d\"}."));
        const QJsonObject z = tz[i].toObject();
        sprawdzKlucze(z, {QStringLiteral("od"), QStringLiteral("do"), QStringLiteral("d")}, QStringLiteral("w zakresie nr %1").arg(i + 1));
        const QDate od = dataZPola(z.value(QStringLiteral("od")), gdzie + QStringLiteral(", pole \"od\""));
        const QDate doDnia = dataZPola(z.value(QStringLiteral("do")), gdzie + QStringLiteral(", pole \"do\""));
        if (od > doDnia)
            throw BladUzycia(gdzie + QStringLiteral(": data \"od\" (%1) jest późniejsza niż \"do\" (%2).")
                                         .arg(z.value(QStringLiteral("od")).toString(), z.value(QStringLiteral("do")).toString()));
        // zakresy dzielą okres: dzień należy najwyżej do jednego
        for (int j = 0; j < i; ++j) {
            const QDate odJ = QDate::fromString(tz[j][QStringLiteral("od")].toString(), Qt::ISODate);
            const QDate doJ = QDate::fromString(tz[j][QStringLiteral("do")].toString(), Qt::ISODate);
            if (od <= doJ && odJ <= doDnia)
                throw BladUzycia(gdzie + QStringLiteral(" nachodzi na zakres nr %1.").arg(j + 1));
        }
        const QJsonArray dd = z.value(QStringLiteral("d")).toArray();
        if (!z.value(QStringLiteral("d")).isArray() || dd.size() != 8)
            throw BladUzycia(gdzie + QStringLiteral(": pole \"d\" musi być tablicą ośmiu liczb D1..D8."));
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("ZakresOd"), dzienZDaty(od));
        t.ustaw(w, QStringLiteral("ZakresDo"), dzienZDaty(doDnia));
        for (int k = 0; k < 8; ++k) {
            // D1..D7: 0 nie kursuje, 1 kursuje (2 też nie kursuje); D8: bajt reguły świąt,
            // wartość spoza 0..2 oznacza, że zakres według reguł nie kursuje wcale
            const int v = liczbaZPola(dd[k], 0, k < 7 ? 2 : 255, gdzie + QStringLiteral(": D%1").arg(k + 1));
            t.ustaw(w, QStringLiteral("D%1").arg(k + 1), v);
        }
        t.ustaw(w, QStringLiteral("Dod"), 2);
    }

    const QJsonValue oznaczenia = o.value(QStringLiteral("marks"));
    if (!oznaczenia.isUndefined() && !oznaczenia.isObject())
        throw BladUzycia(QStringLiteral("Pole \"marks\" musi być obiektem {\"RRRR-MM-DD\": 0 albo 1}."));
    const QJsonObject to = oznaczenia.toObject();
    for (auto it = to.begin(); it != to.end(); ++it) {
        const QDate dzien = dataZNapisu(it.key());
        if (!dzien.isValid())
            throw BladUzycia(QStringLiteral("Oznaczenie \"%1\": to nie jest data RRRR-MM-DD z lat %2–%3.")
                                 .arg(it.key()).arg(kPierwszyRok).arg(kOstatniRok));
        const double dod = it.value().toDouble(-1);
        if (dod != 0 && dod != 1)
            throw BladUzycia(QStringLiteral("Oznaczenie dnia %1 musi mieć wartość 0 (nie kursuje) albo 1 (kursuje).").arg(it.key()));
        const int w = t.dodajWiersz();
        t.ustaw(w, QStringLiteral("ZakresOd"), dzienZDaty(dzien));
        t.ustaw(w, QStringLiteral("ZakresDo"), dzienZDaty(dzien));
        for (int k = 0; k < 8; ++k)
            t.ustaw(w, QStringLiteral("D%1").arg(k + 1), 0);
        t.ustaw(w, QStringLiteral("Dod"), int(dod));
    }
    return t;
}

int polecenieCalendar(const QStringList& argumenty)
{
    const Argumenty a(argumenty, {QStringLiteral("network"), QStringLiteral("dir")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie calendar nie przyjmuje argumentów (dane czyta ze standardowego wejścia)."));
    QFile wejscie;
    if (!wejscie.open(stdin, QIODevice::ReadOnly))
        throw BladOperacji(QStringLiteral("Nie można czytać standardowego wejścia."));
    const Tabela wiersze = kalendarzZJson(wejscie.readAll());

    InterakcjaSkryptowa interakcja;
    Droga d(interakcja, a.wartosc(QStringLiteral("dir"), QStringLiteral(".")));
    d.siec = wczytajSiec(a, interakcja);
    d.siecWczytana = true;
    UtworzTabelePociagu(d);
    TworzNowyPociag(d);
    WczytajKalendarz(d, wiersze);

    const Kalendarz& k = d.kalendarz;
    QJsonArray opisy;
    QJsonArray zakresy;
    for (const TZakresy& z : k.Zakresy) {
        opisy.append(z.OpisZakresu);
        QJsonArray dd;
        for (auto v : z.D)
            dd.append(int(v));
        zakresy.append(QJsonObject{{QStringLiteral("od"), dataIso(z.ZakresOd)},
                                   {QStringLiteral("do"), dataIso(z.ZakresDo)},
                                   {QStringLiteral("d"), dd}});
    }
    wypiszJson(QJsonObject{{QStringLiteral("LDniKurs"), d.pociag.pole(QStringLiteral("LDniKurs")).toInt()},
                           {QStringLiteral("Kursuje"), d.pociag.pole(QStringLiteral("Kursuje")).toString()},
                           {QStringLiteral("opisy"), opisy},
                           {QStringLiteral("zakresy"), zakresy}});
    return 0;
}

} // namespace tks::cli
