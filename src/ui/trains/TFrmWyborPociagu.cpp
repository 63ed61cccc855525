#include "TFrmWyborPociagu.h"

#include "app/Droga.h"
#include "common/Ekran.h"
#include "common/ModelTabeli.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tks::ui {

TFrmWyborPociagu::TFrmWyborPociagu(Droga& d, QWidget* rodzic) : OknoSiatki(rodzic), d_(d)
{
    setObjectName(QStringLiteral("FrmWyborPociagu"));
    setWindowTitle(kTytulListyPociagow);
    setModal(true);

    model_ = new ModelTabeli(&d_.pociag.ListaPociagow);
    QStringList kolumny;
    for (const KolumnaListy& k : kolumnyListyPociagow()) {
        kolumny << k.nazwa;
        model_->ustawTytul(k.nazwa, k.tytul);
    }
    model_->ustawKolumny(kolumny);
    QHBoxLayout* narzedzia = zbudujSiatke(model_, d_.interakcja);
    ustawPlikUstawien(d_.plikUstawien);
    narzedzia->addStretch(1);

    DBGrid1->setColumnHidden(0, true);   // IdPociagu
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);

    BitBtnWybierz = new QPushButton(QStringLiteral("&Wybierz"));
    BitBtnWybierz->setObjectName(QStringLiteral("BitBtnWybierz"));
    BitBtnWybierz->setDefault(true);
    BitBtnAnuluj = new QPushButton(QStringLiteral("&Anuluj"));
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));
    BitBtnUsun = new QPushButton(QStringLiteral("&Usuń pociag"));
    BitBtnUsun->setObjectName(QStringLiteral("BitBtnUsun"));
    BitBtnZamknij = new QPushButton(QStringLiteral("&Zamknij"));
    BitBtnZamknij->setObjectName(QStringLiteral("BitBtnZamknij"));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    for (QPushButton* b : {BitBtnWybierz, BitBtnUsun, BitBtnAnuluj, BitBtnZamknij})
        przyciski->addWidget(b);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(8, 6, 8, 8);
    u->addLayout(narzedzia);
    u->addWidget(DBGrid1, 1);
    u->addLayout(przyciski);

    connect(BitBtnWybierz, &QPushButton::clicked, this, &TFrmWyborPociagu::BitBtnWybierzClick);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtnUsun, &QPushButton::clicked, this, &TFrmWyborPociagu::BitBtnUsunClick);
    connect(BitBtnZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (BitBtnWybierz->isVisible())
            BitBtnWybierzClick();
    });

    trybUsuwania(false);
    ustawRozmiarWEkranie(this, QSize(620, 420));
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

void TFrmWyborPociagu::sortujTabele(const QString& pole, bool malejaco)
{
    stan_.filtr.sortuj(d_.pociag.ListaPociagow, pole, malejaco);
}

void TFrmWyborPociagu::dodajWarunek(const Tfiltr& warunek) { stan_.filtr.dodaj(d_.pociag.ListaPociagow, warunek); }

void TFrmWyborPociagu::usunWarunki() { stan_.filtr.usun(d_.pociag.ListaPociagow, QStringLiteral("IdPociagu")); }

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
    UsunPociagZListy(d_, stan_, w);
    model_->odswiez();
    if (model_->rowCount() > 0)
        DBGrid1->setCurrentIndex(model_->index(std::min(i.row(), model_->rowCount() - 1), std::max(1, i.column())));
}

} // namespace tks::ui
