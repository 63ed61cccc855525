#include "ModelTabeli.h"

#include "common/Daty.h"
#include "common/Liczby.h"

namespace tks::ui {

namespace {

bool liczbowy(TypPola t)
{
    return t == TypPola::Calkowita || t == TypPola::Mala || t == TypPola::Rzeczywista;
}

// "#,###,##0.00 zł" -> przedrostek "", grupowanie, 2 miejsca, przyrostek " zł"
QString liczbaWgWzorca(double x, const QString& wzorzec)
{
    int poczatek = -1, koniec = -1;
    for (int i = 0; i < wzorzec.size(); ++i) {
        const QChar c = wzorzec[i];
        if (c == QLatin1Char('#') || c == QLatin1Char('0')) {
            if (poczatek < 0)
                poczatek = i;
            koniec = i;
        }
    }
    if (poczatek < 0)
        return wzorzec;
    const QString liczba = wzorzec.mid(poczatek, koniec - poczatek + 1);
    const int kropka = int(liczba.indexOf(QLatin1Char('.')));
    const int miejsca = kropka < 0 ? 0 : int(liczba.size()) - kropka - 1;
    const bool grupy = liczba.contains(QLatin1Char(','));
    QString t;
    if (grupy) {
        t = formatujGrupy(x, miejsca);
    } else {
        t = QString::number(zaokraglij(x, miejsca), 'f', miejsca);
        t.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return wzorzec.left(poczatek) + t + wzorzec.mid(koniec + 1);
}

} // namespace

QString tekstPola(const QVariant& v, TypPola typ, const QString& wzorzec)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (typ) {
    case TypPola::Logiczna: {
        const QStringList tn = (wzorzec.isEmpty() ? QStringLiteral("Tak;Nie") : wzorzec).split(QLatin1Char(';'));
        return v.toBool() ? tn.value(0) : tn.value(1);
    }
    case TypPola::DataCzas:
        return dataCzasZDnia(v.toDouble()).toString(wzorzec.isEmpty() ? QStringLiteral("dd.MM.yyyy") : wzorzec);
    case TypPola::Calkowita:
    case TypPola::Mala:
    case TypPola::Rzeczywista:
        if (!wzorzec.isEmpty())
            return liczbaWgWzorca(v.toDouble(), wzorzec);
        if (typ == TypPola::Rzeczywista) {
            QString t = QString::number(v.toDouble(), 'g', 15);
            t.replace(QLatin1Char('.'), QLatin1Char(','));
            return t;
        }
        return QString::number(v.toLongLong());
    case TypPola::Tekst:
    case TypPola::Memo:
        break;
    }
    return v.toString();
}

ModelTabeli::ModelTabeli(Tabela* tabela, QObject* rodzic) : QAbstractTableModel(rodzic), tabela_(tabela)
{
    odswiez();
}

void ModelTabeli::ustawTabele(Tabela* tabela)
{
    tabela_ = tabela;
    odswiez();
}

void ModelTabeli::ustawKolumny(const QStringList& nazwy)
{
    nazwyKolumn_ = nazwy;
    odswiez();
}

void ModelTabeli::ustawTytul(const QString& kolumna, const QString& tytul)
{
    tytuly_.insert(kolumna.toLower(), tytul);
    const int k = kolumnaModelu(kolumna);
    if (k >= 0)
        emit headerDataChanged(Qt::Horizontal, k, k);
}

void ModelTabeli::ustawFormat(const QString& kolumna, const QString& wzorzec)
{
    formaty_.insert(kolumna.toLower(), wzorzec);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ModelTabeli::ustawFiltr(Tabela::Filtr f)
{
    filtr_ = std::move(f);
    odswiez();
}

void ModelTabeli::ustalKolumny()
{
    kolumny_.clear();
    if (!tabela_)
        return;
    if (nazwyKolumn_.isEmpty()) {
        for (int k = 0; k < tabela_->liczbaKolumn(); ++k)
            kolumny_.append(k);
        return;
    }
    for (const QString& n : nazwyKolumn_) {
        const int k = tabela_->indeksKolumny(n);
        if (k >= 0)
            kolumny_.append(k);
    }
}

void ModelTabeli::odswiez()
{
    beginResetModel();
    ustalKolumny();
    wiersze_.clear();
    if (tabela_) {
        for (int w : tabela_->widok())
            if (!filtr_ || filtr_(*tabela_, w))
                wiersze_.append(w);
    }
    endResetModel();
}

int ModelTabeli::wierszTabeli(int wierszModelu) const
{
    return wierszModelu >= 0 && wierszModelu < wiersze_.size() ? wiersze_[wierszModelu] : -1;
}

int ModelTabeli::wierszModelu(int wierszTabeli) const { return int(wiersze_.indexOf(wierszTabeli)); }

int ModelTabeli::kolumnaTabeli(int kolumnaModelu) const
{
    return kolumnaModelu >= 0 && kolumnaModelu < kolumny_.size() ? kolumny_[kolumnaModelu] : -1;
}

int ModelTabeli::kolumnaModelu(const QString& nazwa) const
{
    if (!tabela_)
        return -1;
    return int(kolumny_.indexOf(tabela_->indeksKolumny(nazwa)));
}

int ModelTabeli::rowCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : int(wiersze_.size()); }

int ModelTabeli::columnCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : int(kolumny_.size()); }

QVariant ModelTabeli::data(const QModelIndex& indeks, int rola) const
{
    if (!tabela_ || !indeks.isValid())
        return {};
    const int w = wierszTabeli(indeks.row());
    const int k = kolumnaTabeli(indeks.column());
    if (w < 0 || k < 0)
        return {};
    const DefinicjaKolumny& kol = tabela_->kolumna(k);
    switch (rola) {
    case Qt::DisplayRole:
        return tekstPola(tabela_->wartosc(w, k), kol.typ, formaty_.value(kol.nazwa.toLower()));
    case Qt::EditRole:
        return tabela_->wartosc(w, k);
    case Qt::TextAlignmentRole:
        return liczbowy(kol.typ) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                 : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant ModelTabeli::headerData(int sekcja, Qt::Orientation orientacja, int rola) const
{
    if (rola != Qt::DisplayRole)
        return {};
    if (orientacja == Qt::Vertical)
        return sekcja + 1;
    const int k = kolumnaTabeli(sekcja);
    if (k < 0)
        return {};
    const QString& nazwa = tabela_->kolumna(k).nazwa;
    return tytuly_.value(nazwa.toLower(), nazwa);
}

void ModelTabeli::sort(int kolumna, Qt::SortOrder porzadek)
{
    const int k = kolumnaTabeli(kolumna);
    if (k < 0)
        return;
    tabela_->ustawIndeks(tabela_->kolumna(k).nazwa, porzadek == Qt::DescendingOrder);
    odswiez();
}

} // namespace tks::ui
