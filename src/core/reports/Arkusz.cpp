#include "reports/Arkusz.h"

#include "common/Liczby.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cstdio>
#include <xlsxwriter.h>

namespace tks {

namespace {

double jakoLiczba(const QVariant& v, bool& ok)
{
    ok = false;
    if (!v.isValid() || v.isNull())
        return 0;
    const int typ = v.metaType().id();
    if (typ == QMetaType::QString) {
        double x = 0;
        ok = czytajLiczbe(v.toString(), x);
        return x;
    }
    if (typ == QMetaType::Bool)
        return 0;
    const double x = v.toDouble(&ok);
    return x;
}

// Nazwa karty: bez znaków, których arkusz nie przyjmuje, najwyżej 31 znaków.
QString nazwaKarty(const QString& nazwa, int numer)
{
    QString n = nazwa;
    for (QChar z : {QLatin1Char('['), QLatin1Char(']'), QLatin1Char(':'), QLatin1Char('*'), QLatin1Char('?'),
                    QLatin1Char('/'), QLatin1Char('\\')})
        n.replace(z, QLatin1Char('_'));
    n = n.left(31).trimmed();
    return n.isEmpty() ? QStringLiteral("Arkusz%1").arg(numer) : n;
}

} // namespace

QString tekstKomorki(const QVariant& v, FormatKomorki f)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("Tak") : QStringLiteral("Nie");
    bool ok = false;
    switch (f) {
    case FormatKomorki::Tekst: return v.toString();
    case FormatKomorki::Calkowita: {
        const double x = jakoLiczba(v, ok);
        return ok ? QString::number(qint64(x)) : v.toString();
    }
    case FormatKomorki::Liczba: {
        const double x = jakoLiczba(v, ok);
        return ok ? QString::number(x, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(',')) : v.toString();
    }
    case FormatKomorki::Zl: {
        const double x = jakoLiczba(v, ok);
        return ok ? formatujZl(x) : v.toString();
    }
    case FormatKomorki::Km: {
        const double x = jakoLiczba(v, ok);
        return ok ? formatujKm(x) : v.toString();
    }
    }
    return v.toString();
}

Arkusz arkuszZTabeli(const QString& nazwa, const Tabela& t, const QVector<PoleArkusza>& pola)
{
    Arkusz a;
    a.nazwa = nazwa;
    QVector<int> kolumny;
    for (const PoleArkusza& p : pola) {
        a.kolumny.append({p.tytul, p.format});
        kolumny.append(t.indeksKolumny(p.pole));
    }
    for (int w : t.widok()) {
        QVector<QVariant> wiersz;
        wiersz.reserve(kolumny.size());
        for (int k : kolumny)
            wiersz.append(k >= 0 ? t.wartosc(w, k) : QVariant());
        a.wiersze.append(std::move(wiersz));
    }
    return a;
}

bool zapiszXlsx(const QString& sciezka, const QVector<Arkusz>& arkusze, QString& blad)
{
    const QFileInfo info(sciezka);
    if (!info.absoluteDir().exists()) {
        blad = QStringLiteral("Nie można zapisać pliku \"%1\": folder nie istnieje.").arg(sciezka);
        return false;
    }
    // plik tymczasowy w tym samym folderze: zamiana nazwy podmienia plik w całości
    const QString tymczasowy = info.absoluteDir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(info.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(12)));
    const QByteArray nazwaTymczasowa = QFile::encodeName(tymczasowy);

    lxw_workbook* wb = workbook_new(nazwaTymczasowa.constData());
    if (!wb) {
        blad = QStringLiteral("Nie można utworzyć arkusza \"%1\".").arg(sciezka);
        return false;
    }
    lxw_format* pogrubiony = workbook_add_format(wb);
    format_set_bold(pogrubiony);
    auto formatLiczby = [&](FormatKomorki f, bool gruby) -> lxw_format* {
        if (f == FormatKomorki::Tekst || f == FormatKomorki::Liczba)
            return gruby ? pogrubiony : nullptr;
        lxw_format* fm = workbook_add_format(wb);
        if (gruby)
            format_set_bold(fm);
        format_set_num_format(fm, f == FormatKomorki::Zl ? kFormatZl : f == FormatKomorki::Km ? kFormatKm : "0");
        return fm;
    };
    lxw_format* formaty[2][5];
    for (int g = 0; g < 2; ++g)
        for (int f = 0; f < 5; ++f)
            formaty[g][f] = formatLiczby(FormatKomorki(f), g == 1);

    int numer = 0;
    for (const Arkusz& a : arkusze) {
        const QByteArray nazwa = nazwaKarty(a.nazwa, ++numer).toUtf8();
        lxw_worksheet* ws = workbook_add_worksheet(wb, nazwa.constData());
        if (!ws) {
            workbook_close(wb);
            QFile::remove(tymczasowy);
            blad = QStringLiteral("Nie można dodać karty \"%1\" do arkusza.").arg(a.nazwa);
            return false;
        }
        const int n = int(a.kolumny.size());
        QVector<int> szerokosci(n, 0);
        for (int k = 0; k < n; ++k) {
            worksheet_write_string(ws, 0, lxw_col_t(k), a.kolumny[k].tytul.toUtf8().constData(), pogrubiony);
            szerokosci[k] = int(a.kolumny[k].tytul.size());
        }
        auto zapiszWiersz = [&](lxw_row_t r, const QVector<QVariant>& wiersz, bool gruby) {
            for (int k = 0; k < std::min(n, int(wiersz.size())); ++k) {
                const QVariant& v = wiersz[k];
                if (!v.isValid() || v.isNull())
                    continue;
                const FormatKomorki f = a.kolumny[k].format;
                bool liczbowa = false;
                double x = 0;
                if (f != FormatKomorki::Tekst && v.metaType().id() != QMetaType::Bool)
                    x = jakoLiczba(v, liczbowa);
                if (liczbowa)
                    worksheet_write_number(ws, r, lxw_col_t(k), x, formaty[gruby ? 1 : 0][int(f)]);
                else
                    worksheet_write_string(ws, r, lxw_col_t(k), tekstKomorki(v, FormatKomorki::Tekst).toUtf8().constData(),
                                           gruby ? pogrubiony : nullptr);
                szerokosci[k] = std::max(szerokosci[k], int(tekstKomorki(v, f).size()));
            }
        };
        lxw_row_t r = 1;
        for (const auto& w : a.wiersze)
            zapiszWiersz(r++, w, false);
        if (!a.sumy.isEmpty()) {
            ++r;   // pusty wiersz między tabelą a sumami
            for (const auto& w : a.sumy) {
                // tekst etykiety sumy nie poszerza kolumny (zwykle pierwszej, wąskiej)
                QVector<int> przed = szerokosci;
                zapiszWiersz(r++, w, true);
                for (int k = 0; k < std::min(n, int(w.size())); ++k)
                    if (a.kolumny[k].format == FormatKomorki::Tekst || w[k].metaType().id() == QMetaType::QString)
                        szerokosci[k] = przed[k];
            }
        }
        for (int k = 0; k < n; ++k)
            worksheet_set_column(ws, lxw_col_t(k), lxw_col_t(k), std::clamp(szerokosci[k] + 2, 6, 60), nullptr);
        worksheet_freeze_panes(ws, 1, 0);
    }
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR) {
        QFile::remove(tymczasowy);
        blad = QStringLiteral("Nie można zapisać arkusza \"%1\": %2").arg(sciezka, QString::fromUtf8(lxw_strerror(e)));
        return false;
    }
    if (std::rename(nazwaTymczasowa.constData(), QFile::encodeName(sciezka).constData()) != 0) {
        QFile::remove(tymczasowy);
        blad = QStringLiteral("Nie można zapisać arkusza \"%1\" (zamiana pliku tymczasowego się nie udała).").arg(sciezka);
        return false;
    }
    return true;
}

} // namespace tks
