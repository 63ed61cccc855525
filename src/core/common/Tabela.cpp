#include "Tabela.h"

#include "Bajty.h"
#include "ObrazTabeli.h"
#include "BledyPlikow.h"
#include "Daty.h"
#include "ZapisAtomowy.h"

#include <QCollator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace tks {
namespace {

constexpr char kMagia[4] = {'T', 'K', 'T', 'B'};
constexpr std::uint8_t kWersjaObrazu = 1;
constexpr const char* kFormatJson = "taksatura-tabela";
constexpr int kWersjaJson = 1;

bool liczbowy(TypPola t)
{
    return t == TypPola::Calkowita || t == TypPola::Mala || t == TypPola::Rzeczywista || t == TypPola::DataCzas;
}

bool tekstowy(TypPola t) { return t == TypPola::Tekst || t == TypPola::Memo; }

void piszTekst(PisarzBajtow& w, const QString& s)
{
    const QByteArray u = s.toUtf8();
    w.pisz<std::uint32_t>(std::uint32_t(u.size()));
    w.piszBajty(u.constData(), u.size());
}

bool czytajTekst(CzytnikBajtow& r, QString& s, std::uint32_t limit)
{
    std::uint32_t n = 0;
    if (!r.czytaj(n) || n > limit || qsizetype(n) > r.pozostalo())
        return false;
    s = QString::fromUtf8(r.biezacy(), qsizetype(n));
    return r.pomin(n);
}

} // namespace

QString nazwaTypu(TypPola t)
{
    switch (t) {
    case TypPola::Calkowita: return QStringLiteral("integer");
    case TypPola::Mala: return QStringLiteral("smallint");
    case TypPola::Rzeczywista: return QStringLiteral("float");
    case TypPola::DataCzas: return QStringLiteral("datetime");
    case TypPola::Logiczna: return QStringLiteral("boolean");
    case TypPola::Tekst: return QStringLiteral("string");
    case TypPola::Memo: return QStringLiteral("memo");
    }
    return {};
}

std::optional<TypPola> typZNazwy(const QString& s)
{
    for (auto t : {TypPola::Calkowita, TypPola::Mala, TypPola::Rzeczywista, TypPola::DataCzas, TypPola::Logiczna,
                   TypPola::Tekst, TypPola::Memo})
        if (nazwaTypu(t) == s)
            return t;
    return std::nullopt;
}

Tabela::Tabela(QString nazwa, QVector<DefinicjaKolumny> kolumny)
    : nazwa_(std::move(nazwa)), kolumny_(std::move(kolumny))
{
}

int Tabela::indeksKolumny(const QString& nazwa) const
{
    for (int i = 0; i < kolumny_.size(); ++i)
        if (kolumny_[i].nazwa.compare(nazwa, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Tabela::wartosc(int wiersz, int kolumna) const
{
    if (wiersz < 0 || wiersz >= wiersze_.size() || kolumna < 0 || kolumna >= kolumny_.size())
        return {};
    if (kolumny_[kolumna].wyliczana)
        return wyliczanie_ ? wyliczanie_(*this, wiersz, kolumna) : QVariant();
    return wiersze_[wiersz][kolumna];
}

QVariant Tabela::wartosc(int wiersz, const QString& kolumna) const { return wartosc(wiersz, indeksKolumny(kolumna)); }

int Tabela::calkowita(int wiersz, const QString& kolumna, int domyslna) const
{
    const QVariant v = wartosc(wiersz, kolumna);
    return v.isValid() ? v.toInt() : domyslna;
}

double Tabela::rzeczywista(int wiersz, const QString& kolumna, double domyslna) const
{
    const QVariant v = wartosc(wiersz, kolumna);
    return v.isValid() ? v.toDouble() : domyslna;
}

QString Tabela::tekst(int wiersz, const QString& kolumna) const { return wartosc(wiersz, kolumna).toString(); }

bool Tabela::logiczna(int wiersz, const QString& kolumna, bool domyslna) const
{
    const QVariant v = wartosc(wiersz, kolumna);
    return v.isValid() ? v.toBool() : domyslna;
}

QVariant Tabela::przeksztalc(const DefinicjaKolumny& k, const QVariant& v, bool* ok)
{
    *ok = true;
    if (!v.isValid() || v.isNull())
        return {};
    bool dobry = true;
    switch (k.typ) {
    case TypPola::Calkowita: {
        const qlonglong x = v.toLongLong(&dobry);
        if (!dobry || x < INT32_MIN || x > INT32_MAX)
            break;
        return QVariant(int(x));
    }
    case TypPola::Mala: {
        const qlonglong x = v.toLongLong(&dobry);
        if (!dobry || x < INT16_MIN || x > INT16_MAX)
            break;
        return QVariant(int(x));
    }
    case TypPola::Rzeczywista:
    case TypPola::DataCzas: {
        const double x = v.toDouble(&dobry);
        if (!dobry)
            break;
        return QVariant(x);
    }
    case TypPola::Logiczna:
        return QVariant(v.toBool());
    case TypPola::Tekst: {
        QString s = v.toString();
        if (k.rozmiar > 0 && s.size() > k.rozmiar)
            s.truncate(k.rozmiar);
        return QVariant(s);
    }
    case TypPola::Memo:
        return QVariant(v.toString());
    }
    *ok = false;
    return {};
}

bool Tabela::ustaw(int wiersz, int kolumna, const QVariant& v)
{
    if (wiersz < 0 || wiersz >= wiersze_.size() || kolumna < 0 || kolumna >= kolumny_.size()
        || kolumny_[kolumna].wyliczana)
        return false;
    bool ok = false;
    QVariant w = przeksztalc(kolumny_[kolumna], v, &ok);
    if (!ok)
        return false;
    wiersze_[wiersz][kolumna] = std::move(w);
    return true;
}

bool Tabela::ustaw(int wiersz, const QString& kolumna, const QVariant& v)
{
    return ustaw(wiersz, indeksKolumny(kolumna), v);
}

int Tabela::dodajWiersz()
{
    wiersze_.append(QVector<QVariant>(kolumny_.size()));
    return int(wiersze_.size()) - 1;
}

void Tabela::wstawWiersz(int przed)
{
    przed = std::clamp(przed, 0, int(wiersze_.size()));
    wiersze_.insert(przed, QVector<QVariant>(kolumny_.size()));
}

void Tabela::usunWiersz(int wiersz)
{
    if (wiersz >= 0 && wiersz < wiersze_.size())
        wiersze_.removeAt(wiersz);
}

void Tabela::wyczysc() { wiersze_.clear(); }

void Tabela::ustawIndeks(const QString& kolumna, bool malejaco)
{
    indeks_ = kolumna;
    malejaco_ = malejaco;
}

void Tabela::usunIndeks()
{
    indeks_.clear();
    malejaco_ = false;
}

void Tabela::ustawFiltr(Filtr f) { filtr_ = std::move(f); }
void Tabela::usunFiltr() { filtr_ = nullptr; }

QVector<int> Tabela::widok() const
{
    QVector<int> w;
    w.reserve(wiersze_.size());
    for (int i = 0; i < wiersze_.size(); ++i)
        if (!filtr_ || filtr_(*this, i))
            w.append(i);
    const int k = indeksKolumny(indeks_);
    if (k < 0)
        return w;

    const TypPola typ = kolumny_[k].typ;
    QCollator kolator{QLocale(QLocale::Polish, QLocale::Poland)};
    kolator.setCaseSensitivity(malejaco_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
    auto porownaj = [&](int a, int b) {
        const QVariant va = wartosc(a, k), vb = wartosc(b, k);
        if (!va.isValid() || !vb.isValid())
            return int(va.isValid()) - int(vb.isValid());   // Null na początku
        if (tekstowy(typ))
            return kolator.compare(va.toString(), vb.toString());
        if (typ == TypPola::Logiczna)
            return int(va.toBool()) - int(vb.toBool());
        const double da = va.toDouble(), db = vb.toDouble();
        return da < db ? -1 : (da > db ? 1 : 0);
    };
    std::stable_sort(w.begin(), w.end(), [&](int a, int b) {
        const int c = porownaj(a, b);
        return malejaco_ ? c > 0 : c < 0;
    });
    return w;
}

QVariant Tabela::suma(const QString& kolumna) const
{
    const int k = indeksKolumny(kolumna);
    if (k < 0 || !liczbowy(kolumny_[k].typ))
        return {};
    double s = 0;
    bool jest = false;
    for (int i : widok()) {
        const QVariant v = wartosc(i, k);
        if (v.isValid()) {
            s += v.toDouble();
            jest = true;
        }
    }
    return jest ? QVariant(s) : QVariant();
}

// ---- obraz binarny ----

QByteArray Tabela::obraz() const
{
    QByteArray b;
    PisarzBajtow w(b);
    w.piszBajty(kMagia, 4);
    w.pisz<std::uint32_t>(0);   // długość, uzupełniana na końcu
    w.pisz<std::uint8_t>(kWersjaObrazu);
    piszTekst(w, nazwa_);
    w.pisz<std::uint16_t>(std::uint16_t(kolumny_.size()));
    for (const auto& k : kolumny_) {
        w.pisz<std::uint8_t>(std::uint8_t(k.typ));
        w.pisz<std::int32_t>(k.rozmiar);
        w.pisz<std::uint8_t>(k.wyliczana ? 1 : 0);
        piszTekst(w, k.nazwa);
    }
    w.pisz<std::int32_t>(std::int32_t(wiersze_.size()));
    for (const auto& r : wiersze_) {
        for (int i = 0; i < kolumny_.size(); ++i) {
            const auto& k = kolumny_[i];
            if (k.wyliczana)
                continue;
            const QVariant& v = r[i];
            w.pisz<std::uint8_t>(v.isValid() ? 1 : 0);
            if (!v.isValid())
                continue;
            switch (k.typ) {
            case TypPola::Calkowita: w.pisz<std::int32_t>(v.toInt()); break;
            case TypPola::Mala: w.pisz<std::int16_t>(std::int16_t(v.toInt())); break;
            case TypPola::Rzeczywista:
            case TypPola::DataCzas: w.pisz<double>(v.toDouble()); break;
            case TypPola::Logiczna: w.pisz<std::uint8_t>(v.toBool() ? 1 : 0); break;
            case TypPola::Tekst:
            case TypPola::Memo: piszTekst(w, v.toString()); break;
            }
        }
    }
    const auto n = std::uint32_t(b.size());
    std::memcpy(b.data() + 4, &n, 4);
    return b;
}

namespace {

// Nagłówek obrazu: magia, długość, wersja, nazwa i kolumny. `r` dostaje czytnik
// ograniczony do długości obrazu, ustawiony na liczbie wierszy.
bool czytajNaglowekObrazu(const char* dane, qsizetype dostepne, CzytnikBajtow& r, std::uint32_t& dlugosc,
                          QString& nazwa, QVector<DefinicjaKolumny>& kolumny, QString& blad)
{
    CzytnikBajtow r0(dane, dostepne);
    char magia[4];
    if (!r0.czytajBajty(magia, 4) || std::memcmp(magia, kMagia, 4) != 0) {
        blad = QStringLiteral("brak obrazu tabeli w oczekiwanym miejscu");
        return false;
    }
    if (!r0.czytaj(dlugosc) || dlugosc < 9 || qsizetype(dlugosc) > dostepne) {
        blad = QStringLiteral("długość obrazu tabeli przekracza rozmiar danych");
        return false;
    }
    r = CzytnikBajtow(dane, dlugosc);
    r.pomin(8);
    const auto zle = [&](const QString& co) {
        blad = QStringLiteral("uszkodzony obraz tabeli: %1").arg(co);
        return false;
    };
    std::uint8_t wersja = 0;
    if (!r.czytaj(wersja) || wersja != kWersjaObrazu)
        return zle(QStringLiteral("nieznana wersja"));
    if (!czytajTekst(r, nazwa, 1024))
        return zle(QStringLiteral("nazwa tabeli"));
    std::uint16_t nk = 0;
    if (!r.czytaj(nk))
        return zle(QStringLiteral("liczba kolumn"));
    for (int i = 0; i < nk; ++i) {
        std::uint8_t typ = 0, wyl = 0;
        std::int32_t rozmiar = 0;
        DefinicjaKolumny k;
        if (!r.czytaj(typ) || !r.czytaj(rozmiar) || !r.czytaj(wyl) || !czytajTekst(r, k.nazwa, 1024))
            return zle(QStringLiteral("definicja kolumny %1").arg(i + 1));
        if (typ < 1 || typ > 7 || rozmiar < 0)
            return zle(QStringLiteral("typ kolumny %1").arg(k.nazwa));
        k.typ = TypPola(typ);
        k.rozmiar = rozmiar;
        k.wyliczana = wyl != 0;
        kolumny.append(k);
    }
    return true;
}

} // namespace

std::optional<QVector<DefinicjaKolumny>> kolumnyObrazuTabeli(const char* dane, qsizetype dostepne, QString& blad)
{
    CzytnikBajtow r(nullptr, 0);
    std::uint32_t dlugosc = 0;
    QString nazwa;
    QVector<DefinicjaKolumny> kolumny;
    if (!czytajNaglowekObrazu(dane, dostepne, r, dlugosc, nazwa, kolumny, blad))
        return std::nullopt;
    return kolumny;
}

std::optional<Tabela> Tabela::zObrazu(const char* dane, qsizetype dostepne, qsizetype& zuzyte, QString& blad)
{
    zuzyte = 0;
    CzytnikBajtow r(nullptr, 0);
    std::uint32_t dlugosc = 0;
    Tabela t;
    if (!czytajNaglowekObrazu(dane, dostepne, r, dlugosc, t.nazwa_, t.kolumny_, blad))
        return std::nullopt;
    const auto zle = [&](const QString& co) {
        blad = QStringLiteral("uszkodzony obraz tabeli: %1").arg(co);
        return std::nullopt;
    };
    // Każda zapisywana kolumna zajmuje w wierszu co najmniej bajt (znacznik Null),
    // więc liczba wierszy jest ograniczona tym, co zostało w obrazie. Tabela bez
    // zapisywanych kolumn nie ma czym opisać wierszy: takie wiersze nie niosą
    // danych i nie są przyjmowane.
    qsizetype bajtyWiersza = 0;
    for (const auto& k : t.kolumny_)
        bajtyWiersza += k.wyliczana ? 0 : 1;
    std::int32_t nw = 0;
    if (!r.czytaj(nw) || nw < 0)
        return zle(QStringLiteral("liczba wierszy"));
    if (bajtyWiersza == 0 ? nw != 0 : qsizetype(nw) > r.pozostalo() / bajtyWiersza)
        return zle(QStringLiteral("liczba wierszy (%1) większa niż mieści obraz").arg(nw));
    t.wiersze_.reserve(nw);
    for (int w = 0; w < nw; ++w) {
        QVector<QVariant> wiersz(t.kolumny_.size());
        for (int i = 0; i < t.kolumny_.size(); ++i) {
            const auto& k = t.kolumny_[i];
            if (k.wyliczana)
                continue;
            std::uint8_t jest = 0;
            if (!r.czytaj(jest) || jest > 1)
                return zle(QStringLiteral("wiersz %1").arg(w + 1));
            if (!jest)
                continue;
            bool ok = true;
            switch (k.typ) {
            case TypPola::Calkowita: { std::int32_t x = 0; ok = r.czytaj(x); wiersz[i] = int(x); break; }
            case TypPola::Mala: { std::int16_t x = 0; ok = r.czytaj(x); wiersz[i] = int(x); break; }
            case TypPola::Rzeczywista:
            case TypPola::DataCzas: { double x = 0; ok = r.czytaj(x); wiersz[i] = x; break; }
            case TypPola::Logiczna: { std::uint8_t x = 0; ok = r.czytaj(x); wiersz[i] = x != 0; break; }
            case TypPola::Tekst:
            case TypPola::Memo: { QString s; ok = czytajTekst(r, s, std::uint32_t(r.pozostalo())); wiersz[i] = s; break; }
            }
            if (!ok)
                return zle(QStringLiteral("wiersz %1, kolumna %2").arg(w + 1).arg(k.nazwa));
        }
        t.wiersze_.append(std::move(wiersz));
    }
    if (!r.koniec())
        return zle(QStringLiteral("nadmiarowe bajty na końcu obrazu"));
    zuzyte = dlugosc;
    return t;
}

// ---- JSON ----

QJsonObject Tabela::doJson() const
{
    QJsonArray kol;
    for (const auto& k : kolumny_) {
        if (k.wyliczana)
            continue;
        QJsonObject o{{QStringLiteral("nazwa"), k.nazwa}, {QStringLiteral("typ"), nazwaTypu(k.typ)}};
        if (k.typ == TypPola::Tekst)
            o.insert(QStringLiteral("rozmiar"), k.rozmiar);
        kol.append(o);
    }
    QJsonArray wiersze;
    for (const auto& r : wiersze_) {
        QJsonArray w;
        for (int i = 0; i < kolumny_.size(); ++i) {
            const auto& k = kolumny_[i];
            if (k.wyliczana)
                continue;
            const QVariant& v = r[i];
            if (!v.isValid())
                w.append(QJsonValue::Null);
            else if (k.typ == TypPola::Calkowita || k.typ == TypPola::Mala)
                w.append(v.toInt());
            else if (k.typ == TypPola::Rzeczywista || k.typ == TypPola::DataCzas)
                w.append(v.toDouble());
            else if (k.typ == TypPola::Logiczna)
                w.append(v.toBool());
            else
                w.append(v.toString());
        }
        wiersze.append(w);
    }
    return QJsonObject{{QStringLiteral("format"), QLatin1String(kFormatJson)},
                       {QStringLiteral("wersja"), kWersjaJson},
                       {QStringLiteral("tabela"), nazwa_},
                       {QStringLiteral("kolumny"), kol},
                       {QStringLiteral("wiersze"), wiersze}};
}

std::optional<Tabela> Tabela::zJson(const QJsonObject& o, QString& blad)
{
    if (o.value(QStringLiteral("format")).toString() != QLatin1String(kFormatJson)) {
        blad = QStringLiteral("to nie jest plik tabeli programu");
        return std::nullopt;
    }
    if (o.value(QStringLiteral("wersja")).toInt() != kWersjaJson) {
        blad = QStringLiteral("nieobsługiwana wersja pliku tabeli");
        return std::nullopt;
    }
    Tabela t;
    t.nazwa_ = o.value(QStringLiteral("tabela")).toString();
    const QJsonValue kv = o.value(QStringLiteral("kolumny"));
    const QJsonValue wv = o.value(QStringLiteral("wiersze"));
    if (!kv.isArray() || !wv.isArray()) {
        blad = QStringLiteral("brak opisu kolumn albo wierszy");
        return std::nullopt;
    }
    for (const QJsonValue& k : kv.toArray()) {
        const QJsonObject ko = k.toObject();
        const auto typ = typZNazwy(ko.value(QStringLiteral("typ")).toString());
        const QString nazwa = ko.value(QStringLiteral("nazwa")).toString();
        if (nazwa.isEmpty() || !typ) {
            blad = QStringLiteral("błędny opis kolumny");
            return std::nullopt;
        }
        const int rozmiar = ko.value(QStringLiteral("rozmiar")).toInt(0);
        if (rozmiar < 0) {
            blad = QStringLiteral("błędny rozmiar kolumny %1").arg(nazwa);
            return std::nullopt;
        }
        t.kolumny_.append({nazwa, *typ, rozmiar, false});
    }
    // Jak w obrazie binarnym: bez kolumn wiersze nie niosą danych (a lista pustych
    // wierszy kosztowałaby pamięć nieproporcjonalną do pliku).
    if (t.kolumny_.isEmpty() && !wv.toArray().isEmpty()) {
        blad = QStringLiteral("wiersze w tabeli bez kolumn");
        return std::nullopt;
    }
    int nr = 0;
    for (const QJsonValue& w : wv.toArray()) {
        ++nr;
        const QJsonArray a = w.toArray();
        if (!w.isArray() || a.size() != t.kolumny_.size()) {
            blad = QStringLiteral("wiersz %1 ma złą liczbę wartości").arg(nr);
            return std::nullopt;
        }
        QVector<QVariant> wiersz(t.kolumny_.size());
        for (int i = 0; i < a.size(); ++i) {
            const QJsonValue v = a[i];
            const auto& k = t.kolumny_[i];
            if (v.isNull())
                continue;
            bool zgodny = false;
            switch (k.typ) {
            case TypPola::Calkowita:
            case TypPola::Mala: {
                const double d = v.toDouble();
                const double lim = k.typ == TypPola::Mala ? 32767.0 : 2147483647.0;
                zgodny = v.isDouble() && d == std::floor(d) && d <= lim && d >= -lim - 1;
                if (zgodny)
                    wiersz[i] = int(d);
                break;
            }
            case TypPola::Rzeczywista:
                zgodny = v.isDouble();
                if (zgodny)
                    wiersz[i] = v.toDouble();
                break;
            case TypPola::DataCzas:
                // numer dnia w zasięgu dat (do roku 9999 w przód, tyle samo dni wstecz)
                zgodny = v.isDouble() && std::abs(v.toDouble()) <= kNajdalszyDzien;
                if (zgodny)
                    wiersz[i] = v.toDouble();
                break;
            case TypPola::Logiczna:
                zgodny = v.isBool();
                if (zgodny)
                    wiersz[i] = v.toBool();
                break;
            case TypPola::Tekst:
            case TypPola::Memo:
                zgodny = v.isString();
                if (zgodny)
                    wiersz[i] = v.toString();
                break;
            }
            if (!zgodny) {
                blad = QStringLiteral("wiersz %1: wartość kolumny %2 nie pasuje do jej typu").arg(nr).arg(k.nazwa);
                return std::nullopt;
            }
        }
        t.wiersze_.append(std::move(wiersz));
    }
    return t;
}

bool Tabela::zapiszDoPliku(const QString& sciezka, QString& blad) const
{
    return zapiszAtomowo(sciezka, QJsonDocument(doJson()).toJson(QJsonDocument::Indented), blad);
}

std::optional<Tabela> Tabela::wczytajZPliku(const QString& sciezka, QString& blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        blad = QStringLiteral("Nie można otworzyć pliku \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
        return std::nullopt;
    }
    QJsonParseError pe;
    const QJsonDocument d = QJsonDocument::fromJson(f.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError || !d.isObject()) {
        blad = pe.error != QJsonParseError::NoError
                   ? QStringLiteral("Plik \"%1\" jest uszkodzony: błędny zapis JSON (bajt %2).").arg(sciezka).arg(pe.offset)
                   : QStringLiteral("Plik \"%1\" jest uszkodzony: brak obiektu JSON.").arg(sciezka);
        return std::nullopt;
    }
    QString b;
    auto t = zJson(d.object(), b);
    if (!t)
        blad = QStringLiteral("Plik \"%1\" jest uszkodzony: %2").arg(sciezka, b);
    return t;
}

bool Tabela::operator==(const Tabela& o) const
{
    if (nazwa_ != o.nazwa_ || kolumny_.size() != o.kolumny_.size() || wiersze_ != o.wiersze_)
        return false;
    for (int i = 0; i < kolumny_.size(); ++i) {
        const auto &a = kolumny_[i], &b = o.kolumny_[i];
        if (a.nazwa != b.nazwa || a.typ != b.typ || a.rozmiar != b.rozmiar || a.wyliczana != b.wyliczana)
            return false;
    }
    return true;
}

} // namespace tks
