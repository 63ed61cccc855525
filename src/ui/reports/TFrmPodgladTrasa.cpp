#include "TFrmPodgladTrasa.h"

#include "OknaRaportow.h"
#include "app/Droga.h"
#include "reports/ArkuszPodgladuTrasy.h"
#include "reports/SilnikRaportu.h"

#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace tks::ui {

namespace {

// Zaznaczona komórka wiersza bez ceny: niebieskie tło.
class DelegatPodgladu : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        if (i.data(Qt::BackgroundRole).isValid()) {
            o->palette.setColor(QPalette::Active, QPalette::Highlight, Qt::blue);
            o->palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::blue);
            o->palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
            o->palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
        }
    }
};

QLineEdit* poleTylkoDoOdczytu(const char* nazwa)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

} // namespace

QVariant ModelPodgladu::data(const QModelIndex& indeks, int rola) const
{
    if (!tabela() || !indeks.isValid())
        return {};
    const int w = wierszTabeli(indeks.row());
    if (rola == Qt::BackgroundRole)
        return w >= 0 && wierszBezCeny(*tabela(), w) ? QVariant(QToolTip::palette().color(QPalette::ToolTipBase))
                                                     : QVariant();
    if (rola == Qt::ForegroundRole)
        return w >= 0 && wierszBezCeny(*tabela(), w) ? QVariant(QToolTip::palette().color(QPalette::ToolTipText))
                                                     : QVariant();
    // Lp: numer wiersza w bieżącym porządku i filtrze (wiersze modelu to widok tabeli)
    if (rola == Qt::DisplayRole && kolumnaTabeli(indeks.column()) == tabela()->indeksKolumny(QStringLiteral("Lp")))
        return QString::number(indeks.row() + 1);
    return ModelTabeli::data(indeks, rola);
}

TFrmPodgladTrasa::TFrmPodgladTrasa(Droga& d, QWidget* rodzic) : OknoSiatki(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmPodgladTrasa"));
    setWindowTitle(kTytulPodgladuTrasy);
    setModal(true);

    // siatka: 14 kolumn z tytułami i formatami tabeli podglądu
    model_ = new ModelPodgladu(&d_.trasa.Podglad);
    QStringList pola;
    for (const KolumnaPodgladu& k : kolumnyPodgladu()) {
        pola << k.pole;
        model_->ustawTytul(k.pole, tytulKolumnyPodgladu(k));
    }
    model_->ustawKolumny(pola);
    for (const char* p : {"OdKm", "DoKm", "Dlugosc"})
        model_->ustawFormat(QString::fromLatin1(p), QStringLiteral("#0.000 "));
    model_->ustawFormat(QStringLiteral("Cena"), QStringLiteral("#0.00 "));

    QHBoxLayout* narzedzia = zbudujSiatke(model_, d_.interakcja);
    DBGrid1->setItemDelegate(new DelegatPodgladu(DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    ustawPlikUstawien(d_.plikUstawien);

    // pola sum i numer pociągu
    DBEditNrPociagu = poleTylkoDoOdczytu("DBEditNrPociagu");
    DBEditNrPociagu->setAlignment(Qt::AlignLeft);
    DBEditCena = poleTylkoDoOdczytu("DBEditCena");
    DBEditDlugosc = poleTylkoDoOdczytu("DBEditDlugosc");
    DBEditDlugoscWycen = poleTylkoDoOdczytu("DBEditDlugoscWycen");
    BitBtnDoPliku = new QPushButton(QStringLiteral("Zapisz trasę do &pliku"));
    BitBtnDoPliku->setObjectName(QStringLiteral("BitBtnDoPliku"));
    BitBtnDoSchowka = new QPushButton(QStringLiteral("Zapisz trasę do &schowka"));
    BitBtnDoSchowka->setObjectName(QStringLiteral("BitBtnDoSchowka"));
    BitBtnOK = new QPushButton(QStringLiteral("OK"));
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);

    narzedzia->addSpacing(16);
    narzedzia->addWidget(new QLabel(QStringLiteral("Trasa pociągu nr:")));
    DBEditNrPociagu->setFixedWidth(180);
    narzedzia->addWidget(DBEditNrPociagu);
    narzedzia->addStretch(1);

    auto* sumy = new QGridLayout;
    sumy->setHorizontalSpacing(8);
    const auto suma = [sumy](int kol, const QString& podpis, QLineEdit* pole) {
        auto* l = new QLabel(podpis);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pole->setFixedWidth(150);
        sumy->addWidget(l, 0, 2 * kol);
        sumy->addWidget(pole, 0, 2 * kol + 1);
    };
    suma(0, QStringLiteral("Całkowita cena"), DBEditCena);
    suma(1, QStringLiteral("Całkowita długość\ntrasy"), DBEditDlugosc);
    suma(2, QStringLiteral("Sumaryczna długość trasy\npodlegająca wycenie"), DBEditDlugoscWycen);
    sumy->setColumnStretch(6, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(BitBtnDoPliku);
    przyciski->addWidget(BitBtnDoSchowka);
    BitBtnDoArkusza = new QPushButton(QStringLiteral("Zapisz do &arkusza (.xlsx)"));
    BitBtnDoArkusza->setObjectName(QStringLiteral("BitBtnDoArkusza"));
    przyciski->addWidget(BitBtnDoArkusza);
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnOK);

    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(8, 6, 8, 8);
    u->addLayout(narzedzia);
    u->addWidget(DBGrid1, 1);
    u->addLayout(sumy);
    u->addLayout(przyciski);

    connect(BitBtnDoPliku, &QPushButton::clicked, this, &TFrmPodgladTrasa::ZapiszDoPliku);
    connect(BitBtnDoSchowka, &QPushButton::clicked, this, &TFrmPodgladTrasa::ZapiszDoSchowka);
    connect(BitBtnDoArkusza, &QPushButton::clicked, this, &TFrmPodgladTrasa::ZapiszDoArkusza);
    wyborArkusza = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, QStringLiteral("Arkusze|*.xlsx"), QStringLiteral("xlsx"));
    };
    connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);

    wyborPliku = [this](const QString& proponowana) {
        return wybierzPlikDoZapisu(this, proponowana, kFiltrPlikowTekstowych, QStringLiteral("txt"));
    };

    // cała szerokość ekranu przy utworzeniu
    const QRect ekran = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    setGeometry(ekran.x(), ekran.y() + ekran.height() / 8, ekran.width(), ekran.height() * 3 / 4);
}

void TFrmPodgladTrasa::przygotuj(int poziom, const QStringList& ukryteWyznaczTrase)
{
    const QString numer = numerPociagu(d_.pociag);
    setWindowTitle(tytulOknaPodgladu(poziom, numer));
    const QVector<bool> widoczne = widocznoscKolumnPodgladu(poziom, ukryteWyznaczTrase);
    for (int i = 0; i < widoczne.size(); ++i)
        DBGrid1->setColumnHidden(i, !widoczne[i]);
    stan_.otworz(d_.trasa.Podglad);
    odswiezSiatke(-1);
    DBEditNrPociagu->setText(numer);
    const SumyPodgladu s = sumyPodgladu(d_.pociag);
    DBEditCena->setText(s.cena);
    DBEditDlugosc->setText(s.dlugosc);
    DBEditDlugoscWycen->setText(s.dlugoscWycen);
}

int TFrmPodgladTrasa::pokaz(int poziom, const QStringList& ukryteWyznaczTrase)
{
    przygotuj(poziom, ukryteWyznaczTrase);
    return exec();
}

void TFrmPodgladTrasa::done(int wynik)
{
    stan_.zamknij(d_.trasa.Podglad);
    model_->odswiez();
    QDialog::done(wynik);
}

void TFrmPodgladTrasa::sortujTabele(const QString& pole, bool malejaco)
{
    stan_.sortuj(d_.trasa.Podglad, pole, malejaco);
}

void TFrmPodgladTrasa::dodajWarunek(const Tfiltr& warunek) { stan_.dodaj(d_.trasa.Podglad, warunek); }

void TFrmPodgladTrasa::usunWarunki() { stan_.usunFiltr(d_.trasa.Podglad); }

void TFrmPodgladTrasa::ZapiszDoSchowka() { QGuiApplication::clipboard()->setText(tekstPodgladu(d_.trasa.Podglad)); }

void TFrmPodgladTrasa::ZapiszDoPliku()
{
    const QString proponowana = QDir(d_.katalogProgramu).filePath(proponowanaNazwaPliku(numerPociagu(d_.pociag)));
    const QString plik = wyborPliku ? wyborPliku(proponowana) : QString();
    if (plik.isEmpty())
        return;
    // jak w oknie: najpierw schowek, potem te same linie do pliku
    ZapiszDoSchowka();
    QString blad;
    if (!ZapiszTraseDoPliku(d_.trasa.Podglad, plik, blad))
        d_.interakcja.komunikat(blad, kTytulBlad, Ikona::Blad);
}

void TFrmPodgladTrasa::ZapiszDoArkusza()
{
    const QString proponowana =
        QDir(d_.katalogProgramu).filePath(proponowanaNazwaPliku(numerPociagu(d_.pociag), QStringLiteral(".xlsx")));
    const QString plik = wyborArkusza ? wyborArkusza(proponowana) : QString();
    if (plik.isEmpty())
        return;
    // kolumny jak w siatce: widoczne, w bieżącym porządku i filtrze
    QVector<bool> widoczne;
    for (int i = 0; i < model_->columnCount(); ++i)
        widoczne.append(!DBGrid1->isColumnHidden(i));
    QString blad;
    if (!zapiszXlsx(plik, {arkuszPodgladuTrasy(d_.trasa.Podglad, d_.pociag, widoczne)}, blad))
        d_.interakcja.komunikat(blad, kTytulBlad, Ikona::Blad);
}

} // namespace tks::ui
