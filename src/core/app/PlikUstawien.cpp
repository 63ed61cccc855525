#include "PlikUstawien.h"

#include "common/Cp1250.h"
#include "common/Liczby.h"
#include "common/ZapisAtomowy.h"

#include <QLocale>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <cmath>

namespace tks {

namespace {

// Nazwa sekcji z linii "[Sekcja]" albo pusty tekst, gdy to nie nagłówek sekcji.
QString naglowekSekcji(const QString& linia)
{
    const QString t = linia.trimmed();
    return t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')) ? t.mid(1, t.size() - 2).trimmed()
                                                                                          : QString();
}

bool komentarz(const QString& linia)
{
    const QString t = linia.trimmed();
    return t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

bool rowne(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

PlikUstawien::PlikUstawien(const QString& sciezka) : sciezka_(sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        // brak pliku: same wartości domyślne; plik, którego nie da się przeczytać,
        // nie jest potem nadpisywany samymi kluczami tego programu
        nieczytelny_ = f.exists();
        return;
    }
    const QByteArray dane = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        nieczytelny_ = true;
        return;
    }
    // UTF-8, a plik zapisany po staremu w stronie kodowej Windows: CP1250
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8(dane);
    if (utf8.hasError())
        t = zCp1250(dane);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    linie_ = t.split(QLatin1Char('\n'));
    if (!linie_.isEmpty() && linie_.last().isEmpty())
        linie_.removeLast();
}

PlikUstawien::~PlikUstawien() = default;

int PlikUstawien::linia(const QString& sekcja, const QString& k) const
{
    bool wSekcji = false;
    for (int i = 0; i < linie_.size(); ++i) {
        const QString& l = linie_[i];
        const QString nazwa = naglowekSekcji(l);
        if (!nazwa.isEmpty()) {
            wSekcji = rowne(nazwa, sekcja);
            continue;
        }
        if (!wSekcji || komentarz(l))
            continue;
        const int rownosc = l.indexOf(QLatin1Char('='));
        if (rownosc > 0 && rowne(l.left(rownosc).trimmed(), k))
            return i;
    }
    return -1;
}

bool PlikUstawien::jest(const QString& sekcja, const QString& k) const { return linia(sekcja, k) >= 0; }

QString PlikUstawien::tekst(const QString& sekcja, const QString& k) const
{
    const int i = linia(sekcja, k);
    if (i < 0)
        return {};
    QString v = linie_[i].mid(linie_[i].indexOf(QLatin1Char('=')) + 1).trimmed();
    // plik zapisany dawniej z cudzysłowami ("2,5")
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    return v;
}

void PlikUstawien::zapiszTekst(const QString& sekcja, const QString& k, const QString& wartosc)
{
    const int i = linia(sekcja, k);
    if (i >= 0) {
        // klucz zostaje zapisany tak, jak był w pliku
        linie_[i] = linie_[i].left(linie_[i].indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + wartosc;
        return;
    }
    const QString nowa = k + QLatin1Char('=') + wartosc;
    // nowy klucz na końcu swojej sekcji (za jej ostatnią niepustą linią)
    int koniec = -1;
    bool wSekcji = false;
    for (int j = 0; j < linie_.size(); ++j) {
        const QString nazwa = naglowekSekcji(linie_[j]);
        if (!nazwa.isEmpty())
            wSekcji = rowne(nazwa, sekcja);
        if (wSekcji && !linie_[j].trimmed().isEmpty())
            koniec = j;
    }
    if (koniec >= 0) {
        linie_.insert(koniec + 1, nowa);
        return;
    }
    if (!linie_.isEmpty() && !linie_.last().trimmed().isEmpty())
        linie_.append(QString());
    linie_.append(QLatin1Char('[') + sekcja + QLatin1Char(']'));
    linie_.append(nowa);
}

double PlikUstawien::rzeczywista(const QString& sekcja, const QString& k, double domyslna) const
{
    double x = 0;
    if (!jest(sekcja, k) || !czytajLiczbe(tekst(sekcja, k), x))
        return domyslna;
    return x;
}

int PlikUstawien::calkowita(const QString& sekcja, const QString& k, int domyslna) const
{
    if (!jest(sekcja, k))
        return domyslna;
    QString t = tekst(sekcja, k).trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    // szesnastkowe wartości do 0xFFFFFFFF traktujemy jak 32 bity ze znakiem
    if (!ok || v < INT32_MIN || v > qlonglong(UINT32_MAX))
        return domyslna;
    return int(std::int32_t(std::uint32_t(v)));
}

bool PlikUstawien::logiczna(const QString& sekcja, const QString& k, bool domyslna) const
{
    if (!jest(sekcja, k))
        return domyslna;
    const QString t = tekst(sekcja, k).trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (ok)
        return v != 0;
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return domyslna;
}

void PlikUstawien::zapiszRzeczywista(const QString& sekcja, const QString& k, double v)
{
    zapiszTekst(sekcja, k, tekstRzeczywistej(v));
}

void PlikUstawien::zapiszCalkowita(const QString& sekcja, const QString& k, int v)
{
    zapiszTekst(sekcja, k, QString::number(v));
}

void PlikUstawien::zapiszLogiczna(const QString& sekcja, const QString& k, bool v)
{
    zapiszTekst(sekcja, k, v ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PlikUstawien::zapisz(QString& blad)
{
    if (nieczytelny_) {
        blad = QStringLiteral("Nie można odczytać pliku ustawień \"%1\", więc nie został nadpisany.").arg(sciezka_);
        return false;
    }
    QByteArray dane;
    for (const QString& l : linie_)
        dane += l.toUtf8() + '\n';
    QString opis;
    if (!zapiszAtomowo(sciezka_, dane, opis)) {
        blad = QStringLiteral("Nie można zapisać ustawień do pliku \"%1\".").arg(sciezka_);
        return false;
    }
    return true;
}

QString tekstRzeczywistej(double v)
{
    if (!std::isfinite(v))
        v = 0;
    QString t = QString::number(v, 'f', QLocale::FloatingPointShortest);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

} // namespace tks
