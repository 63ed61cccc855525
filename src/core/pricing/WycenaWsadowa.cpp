#include "pricing/WycenaWsadowa.h"

#include "app/Droga.h"
#include "common/Interakcja.h"
#include "common/Liczby.h"
#include "pricing/CzasJazdy.h"
#include "pricing/Przedzialy.h"
#include "pricing/Wycenianie.h"
#include "routing/Oznaczenia.h"
#include "routing/Przeliczanie.h"
#include "routing/Warunki.h"
#include "trains/NowyPociag.h"

#include <cmath>

namespace tks {

namespace {

// Podział jednej linii CSV na pola (cudzysłowy, "" w środku pola).
QStringList polaLinii(const QString& linia, QChar sep)
{
    QStringList pola;
    QString pole;
    bool wCudzyslowie = false;
    for (int i = 0; i < linia.size(); ++i) {
        const QChar z = linia[i];
        if (wCudzyslowie) {
            if (z == QLatin1Char('"')) {
                if (i + 1 < linia.size() && linia[i + 1] == QLatin1Char('"')) {
                    pole += z;
                    ++i;
                } else {
                    wCudzyslowie = false;
                }
            } else {
                pole += z;
            }
        } else if (z == QLatin1Char('"') && pole.trimmed().isEmpty()) {
            pole.clear();
            wCudzyslowie = true;
        } else if (z == sep) {
            pola << pole;
            pole.clear();
        } else {
            pole += z;
        }
    }
    pola << pole;
    return pola;
}

// Linie pliku z uwzględnieniem znaków nowej linii w cudzysłowach.
QStringList liniePliku(const QString& tekst)
{
    QStringList linie;
    QString l;
    bool wCudzyslowie = false;
    for (int i = 0; i < tekst.size(); ++i) {
        const QChar z = tekst[i];
        if (z == QLatin1Char('"'))
            wCudzyslowie = !wCudzyslowie;
        if (!wCudzyslowie && (z == QLatin1Char('\n') || z == QLatin1Char('\r'))) {
            if (z == QLatin1Char('\r') && i + 1 < tekst.size() && tekst[i + 1] == QLatin1Char('\n'))
                ++i;
            linie << l;
            l.clear();
            continue;
        }
        l += z;
    }
    if (!l.isEmpty())
        linie << l;
    return linie;
}

// Liczba całkowita z pola (dopuszczalny przecinek albo kropka z zerową częścią ułamkową).
bool liczbaCalkowita(const QString& tekst, int& wynik)
{
    const QString t = tekst.trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (ok && v >= INT32_MIN && v <= INT32_MAX) {
        wynik = int(v);
        return true;
    }
    double x = 0;
    QString z = t;
    z.replace(QLatin1Char('.'), QLatin1Char(','));
    if (!czytajLiczbe(z, x) || x != std::floor(x) || std::fabs(x) > INT32_MAX)
        return false;
    wynik = int(x);
    return true;
}

QString tekstLiczby(const QVariant& v, int miejsca, bool przecinek)
{
    if (!v.isValid() || v.isNull())
        return {};
    QString s = QString::number(zaokraglij(v.toDouble(), miejsca), 'f', miejsca);
    if (przecinek)
        s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString poleCsv(const QString& s, QChar sep)
{
    if (s.contains(sep) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + QString(s).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return s;
}

} // namespace

std::optional<WsadTras> czytajWsadTras(const QByteArray& dane, QString& blad)
{
    QByteArray b = dane;
    if (b.startsWith("\xEF\xBB\xBF"))
        b = b.mid(3);
    const QString tekst = QString::fromUtf8(b);
    QStringList linie = liniePliku(tekst);
    while (!linie.isEmpty() && linie.first().trimmed().isEmpty())
        linie.removeFirst();
    if (linie.isEmpty()) {
        blad = QStringLiteral("Plik tras jest pusty: brak wiersza nagłówka z nazwami kolumn.");
        return std::nullopt;
    }
    WsadTras w;
    const QString& naglowek = linie.first();
    w.separator = naglowek.count(QLatin1Char(';')) >= naglowek.count(QLatin1Char(',')) && naglowek.contains(QLatin1Char(';'))
                      ? QLatin1Char(';')
                      : QLatin1Char(',');
    for (const QString& k : polaLinii(naglowek, w.separator))
        w.kolumny << k.trimmed().toLower();
    for (const char* wymagana : {"start", "end"})
        if (!w.kolumny.contains(QLatin1String(wymagana))) {
            blad = QStringLiteral("Plik tras nie ma kolumny \"%1\" w wierszu nagłówka (kolumny: start, end, via, kind, "
                                  "band, criterion, vmax, number).")
                       .arg(QLatin1String(wymagana));
            return std::nullopt;
        }
    for (int i = 1; i < linie.size(); ++i) {
        if (linie[i].trimmed().isEmpty())
            continue;
        QStringList pola = polaLinii(linie[i], w.separator);
        while (pola.size() < w.kolumny.size())
            pola << QString();
        w.wiersze << pola;
    }
    return w;
}

SzukanieStacji::SzukanieStacji(const Siec& s) : siec_(s)
{
    for (int i = s.liczbaStacji() - 1; i >= 0; --i) {
        nazwy_.insert(s.nazwaStacji(i), i);
        przyciete_.insert(s.nazwaStacji(i).trimmed(), i);
        id_.insert(s.Stacje[std::size_t(i)].IdObEksp, i);
    }
}

int SzukanieStacji::stacja(const QString& opis, QString& blad) const
{
    const QString o = opis.trimmed();
    if (o.startsWith(QLatin1Char('@'))) {
        bool ok = false;
        const int i = o.mid(1).toInt(&ok);
        if (ok && i >= 0 && i < siec_.liczbaStacji())
            return i;
        blad = QStringLiteral("Nieznana stacja: %1 (indeksy stacji od 0 do %2).").arg(o).arg(siec_.liczbaStacji() - 1);
        return -1;
    }
    bool liczba = false;
    const int id = o.toInt(&liczba);
    if (liczba) {
        if (const auto it = id_.find(id); it != id_.end())
            return *it;
    } else if (const auto it = nazwy_.find(opis); it != nazwy_.end()) {
        return *it;
    } else if (const auto it2 = przyciete_.find(o); it2 != przyciete_.end()) {
        // pola CSV bywają przycinane: nazwa bez odstępów na brzegach też pasuje
        return *it2;
    }
    blad = QStringLiteral("Nieznana stacja: %1").arg(o);
    return -1;
}

const QStringList& kolumnyWynikuWsadu()
{
    static const QStringList k = {QStringLiteral("length"),       QStringLiteral("priced_length"),
                                  QStringLiteral("price"),        QStringLiteral("full_pricing"),
                                  QStringLiteral("running_time"), QStringLiteral("error")};
    return k;
}

QVector<WynikTrasyWsadu> wycenWsad(Droga& d, InterakcjaSkryptowa& ia, const WsadTras& wsad,
                                   const std::function<bool(int, int)>& postep)
{
    QVector<WynikTrasyWsadu> wyniki(wsad.wiersze.size());
    const SzukanieStacji stacje(d.siec);
    const StanKontrolek bazowe = d.kontrolki;
    auto kolumna = [&](const char* n) { return int(wsad.kolumny.indexOf(QLatin1String(n))); };
    const int kStart = kolumna("start"), kEnd = kolumna("end"), kVia = kolumna("via"), kKind = kolumna("kind"),
              kBand = kolumna("band"), kCrit = kolumna("criterion"), kVmax = kolumna("vmax"), kNr = kolumna("number");

    for (int r = 0; r < wsad.wiersze.size(); ++r) {
        if (postep && !postep(r, int(wsad.wiersze.size())))
            break;
        const QStringList& pola = wsad.wiersze[r];
        WynikTrasyWsadu& w = wyniki[r];
        auto pole = [&](int k) { return k >= 0 && k < pola.size() ? pola[k].trimmed() : QString(); };
        auto calkowita = [&](int k, const char* nazwa, int domyslna, int& wynik) {
            const QString t = pole(k);
            if (t.isEmpty()) {
                wynik = domyslna;
                return true;
            }
            if (liczbaCalkowita(t, wynik))
                return true;
            w.blad = QStringLiteral("Kolumna %1: \"%2\" nie jest liczbą całkowitą.").arg(QLatin1String(nazwa), t);
            return false;
        };

        // warunki jak opcje polecenia route: puste pole to wartość domyślna
        StanKontrolek k = bazowe;
        if (!calkowita(kCrit, "criterion", 0, k.kryterium))
            continue;
        if (k.kryterium < 0 || k.kryterium > 3) {
            w.blad = QStringLiteral("Kolumna criterion: kryterium musi być liczbą od 0 do 3.");
            continue;
        }
        if (!calkowita(kKind, "kind", pierwszyRodzaj(d.siec), k.idRodzajuStawki))
            continue;
        if (wierszRodzaju(d.siec, k.idRodzajuStawki) < 0) {
            w.blad = QStringLiteral("Kolumna kind: nie ma rodzaju stawki %1.").arg(k.idRodzajuStawki);
            continue;
        }
        if (!calkowita(kBand, "band", pierwszyPrzedzial(d.siec, k.idRodzajuStawki), k.lpZakresuBr))
            continue;
        if (!pole(kBand).isEmpty() && wierszPrzedzialu(d.siec, k.idRodzajuStawki, k.lpZakresuBr) < 0) {
            w.blad = QStringLiteral("Kolumna band: rodzaj stawki %1 nie ma przedziału %2.")
                         .arg(k.idRodzajuStawki)
                         .arg(k.lpZakresuBr);
            continue;
        }
        int vmax = 100;
        if (!calkowita(kVmax, "vmax", 100, vmax))
            continue;
        k.vmaxTekst = QString::number(vmax);
        DopasujOgraniczeniaDoRodzaju(k);

        if (pole(kStart).isEmpty() || pole(kEnd).isEmpty()) {
            w.blad = QStringLiteral("Wiersz bez stacji początkowej (start) albo końcowej (end).");
            continue;
        }
        QString blad;
        const int start = stacje.stacja(pole(kStart), blad);
        const int koniec = start < 0 ? -1 : stacje.stacja(pole(kEnd), blad);
        QVector<int> przez;
        if (koniec >= 0 && !pole(kVia).isEmpty())
            for (const QString& v : pole(kVia).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
                const int s = stacje.stacja(v, blad);
                if (s < 0)
                    break;
                przez << s;
            }
        if (!blad.isEmpty()) {
            w.blad = blad;
            continue;
        }

        d.kontrolki = k;
        UstalVTab(d);
        UstalWarunki(d);
        KasujDroge(d);
        TworzNowyPociag(d);
        d.pociag.ustaw(QStringLiteral("IdKryteriumWyboru"), k.kryterium);
        if (!pole(kNr).isEmpty())
            d.pociag.ustaw(QStringLiteral("NrPociagu"), pole(kNr));
        d.pociag.zatwierdz();
        AktualizujPoleCenyPostojow(d);
        ia.wyczysc();

        OznaczStart(d, start);
        OznaczMeta(d, koniec);
        for (int s : przez) {
            OznaczPP(d, s);
            PrzeliczPonownieDroge(d);
        }
        const QStringList komunikaty = ia.teksty();
        if (d.trasa.Sciezki.empty() || !komunikaty.isEmpty()) {
            w.blad = komunikaty.isEmpty() ? QStringLiteral("Nie znaleziono trasy ze stacji %1 do stacji %2.")
                                                .arg(d.siec.nazwaStacji(start).trimmed(), d.siec.nazwaStacji(koniec).trimmed())
                                          : komunikaty.join(QLatin1Char(' '));
            continue;
        }
        w.dlugosc = d.pociag.pole(QStringLiteral("Dlugosc"));
        w.dlugoscWycen = d.pociag.pole(QStringLiteral("DlugoscWycen"));
        w.cena = d.pociag.pole(QStringLiteral("CenaWyliczona"));
        w.wycenaPelna = d.pociag.pole(QStringLiteral("WycenaPelna"));
        w.czasJazdy = d.wycena.EditTr;
    }
    if (postep)
        postep(int(wsad.wiersze.size()), int(wsad.wiersze.size()));
    d.kontrolki = bazowe;
    KasujDroge(d);
    return wyniki;
}

QByteArray csvWynikowWsadu(const WsadTras& wsad, const QVector<WynikTrasyWsadu>& wyniki)
{
    const QChar sep = wsad.separator;
    const bool przecinek = sep == QLatin1Char(';');
    QString t;
    QStringList naglowek;
    for (const QString& k : wsad.kolumny + kolumnyWynikuWsadu())
        naglowek << poleCsv(k, sep);
    t += naglowek.join(sep) + QStringLiteral("\r\n");
    for (int r = 0; r < wsad.wiersze.size(); ++r) {
        QStringList pola;
        for (int k = 0; k < wsad.kolumny.size(); ++k)
            pola << poleCsv(wsad.wiersze[r].value(k), sep);
        const WynikTrasyWsadu& w = wyniki.value(r);
        pola << tekstLiczby(w.dlugosc, 3, przecinek) << tekstLiczby(w.dlugoscWycen, 3, przecinek)
             << tekstLiczby(w.cena, 2, przecinek)
             << (w.wycenaPelna.isValid() && !w.wycenaPelna.isNull() ? (w.wycenaPelna.toBool() ? QStringLiteral("Tak")
                                                                                                 : QStringLiteral("Nie"))
                                                                    : QString())
             << poleCsv(w.czasJazdy, sep) << poleCsv(w.blad, sep);
        t += pola.join(sep) + QStringLiteral("\r\n");
    }
    return t.toUtf8();
}

Arkusz arkuszWynikowWsadu(const WsadTras& wsad, const QVector<WynikTrasyWsadu>& wyniki)
{
    Arkusz a;
    a.nazwa = QStringLiteral("Wycena");
    for (const QString& k : wsad.kolumny)
        a.kolumny.append({k, FormatKomorki::Tekst});
    a.kolumny.append({QStringLiteral("length"), FormatKomorki::Km});
    a.kolumny.append({QStringLiteral("priced_length"), FormatKomorki::Km});
    a.kolumny.append({QStringLiteral("price"), FormatKomorki::Zl});
    a.kolumny.append({QStringLiteral("full_pricing"), FormatKomorki::Tekst});
    a.kolumny.append({QStringLiteral("running_time"), FormatKomorki::Tekst});
    a.kolumny.append({QStringLiteral("error"), FormatKomorki::Tekst});
    for (int r = 0; r < wsad.wiersze.size(); ++r) {
        QVector<QVariant> w;
        for (int k = 0; k < wsad.kolumny.size(); ++k) {
            const QString v = wsad.wiersze[r].value(k);
            w << (v.isEmpty() ? QVariant() : QVariant(v));
        }
        const WynikTrasyWsadu& x = wyniki.value(r);
        w << x.dlugosc << x.dlugoscWycen << x.cena << x.wycenaPelna
          << (x.czasJazdy.isEmpty() ? QVariant() : QVariant(x.czasJazdy))
          << (x.blad.isEmpty() ? QVariant() : QVariant(x.blad));
        a.wiersze << w;
    }
    return a;
}

int liczbaBledowWsadu(const QVector<WynikTrasyWsadu>& wyniki)
{
    int n = 0;
    for (const auto& w : wyniki)
        n += w.blad.isEmpty() ? 0 : 1;
    return n;
}

} // namespace tks
