#include "TFrmWyborPociagu.h"

#include "TFrmFiltrOgolny.h"
#include "app/Droga.h"
#include "common/ModelTabeli.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tks::ui {

TFrmWyborPociagu::TFrmWyborPociagu(Droga& d, QWidget* rodzic) : QDialog(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmWyborPociagu"));
    setWindowTitle(kTytulListyPociagow);
    setModal(true);

    const auto przycisk = [this](const char* nazwa, QStyle::StandardPixmap ikona, const QString& podpowiedz) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(nazwa));
        b->setIcon(style()->standardIcon(ikona));
        b->setToolTip(podpowiedz);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    SpeedButtonRosnaco = przycisk("SpeedButtonRosnaco", QStyle::SP_ArrowUp, QStringLiteral("Sortuj rosnąco"));
    SpeedButtonMalejaco = przycisk("SpeedButtonMalejaco", QStyle::SP_ArrowDown, QStringLiteral("Sortuj malejąco"));
    SpeedButtonFiltr = przycisk("SpeedButtonFiltr", QStyle::SP_FileDialogContentsView, QStringLiteral("Filtruj dane"));
    SpeedButtonUsunFiltr =
        przycisk("SpeedButtonUsunFiltr", QStyle::SP_DialogResetButton, QStringLiteral("Usuń filtr"));

    model_ = new ModelTabeli(&d_.pociag.ListaPociagow, this);
    QStringList kolumny;
    for (const KolumnaListy& k : kolumnyListyPociagow()) {
        kolumny << k.nazwa;
        model_->ustawTytul(k.nazwa, k.tytul);
    }
    model_->ustawKolumny(kolumny);

    DBGrid1 = new QTableView;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setColumnHidden(0, true);   // IdPociagu
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setColumnWidth(1, 110);
    DBGrid1->setColumnWidth(2, 190);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(kMenuSortujRosnaco), &QAction::triggered, this, [this] { Sortuj(false); });
    connect(PopupMenu1->addAction(kMenuSortujMalejaco), &QAction::triggered, this, [this] { Sortuj(true); });
    PopupMenu1->addSeparator();
    for (const PozycjaFiltru& p : pozycjeMenuFiltru()) {
        const int op = p.operacja;
        connect(PopupMenu1->addAction(p.podpis), &QAction::triggered, this, [this, op] { FiltrujWgWyboru(op); });
    }
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        const QModelIndex i = DBGrid1->indexAt(p);
        if (i.isValid())
            DBGrid1->setCurrentIndex(i);
        PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(p));
    });

    BitBtnWybierz = new QPushButton(QStringLiteral("&Wybierz"));
    BitBtnWybierz->setObjectName(QStringLiteral("BitBtnWybierz"));
    BitBtnWybierz->setDefault(true);
    BitBtnAnuluj = new QPushButton(QStringLiteral("&Anuluj"));
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));
    BitBtnUsun = new QPushButton(QStringLiteral("&Usuń pociag"));
    BitBtnUsun->setObjectName(QStringLiteral("BitBtnUsun"));
    BitBtnZamknij = new QPushButton(QStringLiteral("&Zamknij"));
    BitBtnZamknij->setObjectName(QStringLiteral("BitBtnZamknij"));

    auto* narzedzia = new QHBoxLayout;
    narzedzia->setSpacing(2);
    for (QToolButton* b : {SpeedButtonRosnaco, SpeedButtonMalejaco, SpeedButtonFiltr, SpeedButtonUsunFiltr})
        narzedzia->addWidget(b);
    narzedzia->addStretch(1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    for (QPushButton* b : {BitBtnWybierz, BitBtnUsun, BitBtnAnuluj, BitBtnZamknij})
        przyciski->addWidget(b);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(8, 6, 8, 8);
    u->addLayout(narzedzia);
    u->addWidget(DBGrid1, 1);
    u->addLayout(przyciski);

    FrmFiltrOgolny = new TFrmFiltrOgolny(d_.interakcja, this);

    connect(SpeedButtonRosnaco, &QToolButton::clicked, this, [this] { Sortuj(false); });
    connect(SpeedButtonMalejaco, &QToolButton::clicked, this, [this] { Sortuj(true); });
    connect(SpeedButtonFiltr, &QToolButton::clicked, this, &TFrmWyborPociagu::FiltrujDane);
    connect(SpeedButtonUsunFiltr, &QToolButton::clicked, this, &TFrmWyborPociagu::UsunFiltr);
    connect(BitBtnWybierz, &QPushButton::clicked, this, &TFrmWyborPociagu::BitBtnWybierzClick);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtnUsun, &QPushButton::clicked, this, &TFrmWyborPociagu::BitBtnUsunClick);
    connect(BitBtnZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (BitBtnWybierz->isVisible())
            BitBtnWybierzClick();
    });

    trybUsuwania(false);
    resize(620, 420);
}

int TFrmWyborPociagu::wybierz()
{
    trybUsuwania(false);
    if (!PokazanieListyPociagow(d_, stan_))
        return 0;
    odswiezSiatke(-1);
    return exec() == QDialog::Accepted ? stan_.wybraneId : 0;
}

void TFrmWyborPociagu::usuwanie()
{
    trybUsuwania(true);
    if (PokazanieListyPociagow(d_, stan_)) {
        odswiezSiatke(-1);
        exec();
    }
    trybUsuwania(false);
}

void TFrmWyborPociagu::trybUsuwania(bool usuwanie)
{
    BitBtnWybierz->setVisible(!usuwanie);
    BitBtnAnuluj->setVisible(!usuwanie);
    BitBtnUsun->setVisible(usuwanie);
    BitBtnZamknij->setVisible(usuwanie);
    BitBtnWybierz->setDefault(!usuwanie);
}

void TFrmWyborPociagu::done(int wynik)
{
    ZamkniecieListyPociagow(d_, stan_);
    model_->odswiez();
    QDialog::done(wynik);
}

int TFrmWyborPociagu::biezacyWiersz() const { return model_->wierszTabeli(DBGrid1->currentIndex().row()); }

QString TFrmWyborPociagu::biezacaKolumna() const
{
    int k = model_->kolumnaTabeli(DBGrid1->currentIndex().column());
    if (k < 0)
        k = model_->kolumnaTabeli(1);
    return d_.pociag.ListaPociagow.kolumna(k).nazwa;
}

void TFrmWyborPociagu::odswiezSiatke(int wierszTabeli)
{
    const int kolumna = std::max(1, DBGrid1->currentIndex().column());
    model_->odswiez();
    int w = wierszTabeli >= 0 ? model_->wierszModelu(wierszTabeli) : -1;
    if (w < 0 && model_->rowCount() > 0)
        w = 0;
    if (w >= 0)
        DBGrid1->setCurrentIndex(model_->index(w, kolumna));
}

void TFrmWyborPociagu::Sortuj(bool malejaco)
{
    const int w = biezacyWiersz();
    stan_.filtr.sortuj(d_.pociag.ListaPociagow, biezacaKolumna(), malejaco);
    odswiezSiatke(w);
}

void TFrmWyborPociagu::FiltrujWgWyboru(int operacja)
{
    const int w = biezacyWiersz();
    const QString kolumna = biezacaKolumna();
    Tfiltr f;
    f.kolumna = kolumna;
    f.wartosc = d_.pociag.ListaPociagow.wartosc(w, kolumna);
    f.operacja = operacja;
    f.rodzaj = kRodzajZMenu;
    stan_.filtr.dodaj(d_.pociag.ListaPociagow, f);
    odswiezSiatke(w);
}

void TFrmWyborPociagu::FiltrujDane()
{
    const Tabela& l = d_.pociag.ListaPociagow;
    const int w = biezacyWiersz();
    const QString kolumna = biezacaKolumna();
    const int k = l.indeksKolumny(kolumna);
    const TypPola typ = l.kolumna(k).typ;
    FrmFiltrOgolny->ustaw(model_->headerData(model_->kolumnaModelu(kolumna), Qt::Horizontal).toString(), typ,
                          l.wartosc(w, k));
    if (FrmFiltrOgolny->exec() != QDialog::Accepted)
        return;
    Tfiltr f;
    f.kolumna = kolumna;
    f.wartosc = FrmFiltrOgolny->wartosc();
    f.operacja = FrmFiltrOgolny->kryterium();
    f.rodzaj = std::uint8_t(typ);
    stan_.filtr.dodaj(d_.pociag.ListaPociagow, f);
    odswiezSiatke(w);
}

void TFrmWyborPociagu::UsunFiltr()
{
    const int w = biezacyWiersz();
    stan_.filtr.usun(d_.pociag.ListaPociagow, QStringLiteral("IdPociagu"));
    odswiezSiatke(w);
}

void TFrmWyborPociagu::BitBtnWybierzClick()
{
    if (WybierzPociagZListy(d_, stan_, biezacyWiersz()))
        accept();
}

void TFrmWyborPociagu::BitBtnUsunClick()
{
    const int w = model_->rowCount() > 0 ? biezacyWiersz() : -1;
    if (w < 0)
        return;
    const QModelIndex i = DBGrid1->currentIndex();
    UsunPociagZListy(d_, w);
    model_->odswiez();
    if (model_->rowCount() > 0)
        DBGrid1->setCurrentIndex(model_->index(std::min(i.row(), model_->rowCount() - 1), std::max(1, i.column())));
}

} // namespace tks::ui
