#include "PlikUstawien.h"

#include "common/Liczby.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <cmath>

namespace tks {

namespace {
QString klucz(const QString& sekcja, const QString& k) { return sekcja + QLatin1Char('/') + k; }
} // namespace

PlikUstawien::PlikUstawien(const QString& sciezka)
    : sciezka_(sciezka), s_(std::make_unique<QSettings>(sciezka, QSettings::IniFormat))
{
}

PlikUstawien::~PlikUstawien() = default;

bool PlikUstawien::jest(const QString& sekcja, const QString& k) const { return s_->contains(klucz(sekcja, k)); }

QString PlikUstawien::tekst(const QString& sekcja, const QString& k) const
{
    const QVariant v = s_->value(klucz(sekcja, k));
    if (!v.isValid())
        return {};
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
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
    s_->setValue(klucz(sekcja, k), tekstRzeczywistej(v));
}

void PlikUstawien::zapiszCalkowita(const QString& sekcja, const QString& k, int v)
{
    s_->setValue(klucz(sekcja, k), QString::number(v));
}

void PlikUstawien::zapiszLogiczna(const QString& sekcja, const QString& k, bool v)
{
    s_->setValue(klucz(sekcja, k), v ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PlikUstawien::zapisz(QString& blad)
{
    s_->sync();
    if (s_->status() != QSettings::NoError) {
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
