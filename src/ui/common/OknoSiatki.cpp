#include "OknoSiatki.h"

#include "app/SzerokosciKolumn.h"
#include "common/ModelTabeli.h"
#include "common/TFrmFiltrOgolny.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace tks::ui {

QHBoxLayout* OknoSiatki::zbudujSiatke(ModelTabeli* model, Interakcja& interakcja)
{
    modelSiatki_ = model;
    model->setParent(this);

    const auto przycisk = [this](const char* nazwa, QStyle::StandardPixmap ikona, const QString& podpowiedz) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(nazwa));
        b->setIcon(style()->standardIcon(ikona));
        b->setToolTip(podpowiedz);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::StrongFocus);   // Tab dochodzi do przycisków, spacja je naciska
        return b;
    };
    SpeedButtonRosnaco = przycisk("SpeedButtonRosnaco", QStyle::SP_ArrowUp, QStringLiteral("Sortuj rosnąco"));
    SpeedButtonMalejaco = przycisk("SpeedButtonMalejaco", QStyle::SP_ArrowDown, QStringLiteral("Sortuj malejąco"));
    SpeedButtonFiltr = przycisk("SpeedButtonFiltr", QStyle::SP_FileDialogContentsView, QStringLiteral("Filtruj dane"));
    SpeedButtonUsunFiltr =
        przycisk("SpeedButtonUsunFiltr", QStyle::SP_DialogResetButton, QStringLiteral("Usuń filtr"));

    DBGrid1 = new QTableView;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // wolne miejsce za ostatnią kolumną zostaje puste (cena nie rozciąga się na pół ekranu)
    DBGrid1->horizontalHeader()->setStretchLastSection(false);
    DBGrid1->setTabKeyNavigation(false);   // Tab wychodzi z siatki; po komórkach chodzą strzałki
    DBGrid1->installEventFilter(this);
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int kolumna, int stara, int nowa) {
        // ukrycie i pokazanie kolumny (z 0 i do 0) to nie zmiana szerokości przez użytkownika
        if (ukladam_ || stara <= 0 || nowa <= 0)
            return;
        const QString n = nazwaKolumny(kolumna);
        if (n.isEmpty())
            return;
        ustawione_.insert(n, nowa);
        zmienione_ = true;
    });
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(kMenuSortujRosnaco), &QAction::triggered, this, [this] { Sortuj(false); });
    connect(PopupMenu1->addAction(kMenuSortujMalejaco), &QAction::triggered, this, [this] { Sortuj(true); });
    PopupMenu1->addSeparator();
    for (const PozycjaFiltru& p : pozycjeMenuFiltru()) {
        const int op = p.operacja;
        connect(PopupMenu1->addAction(p.podpis), &QAction::triggered, this, [this, op] { FiltrujWgWyboru(op); });
    }
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { pokazMenu(p, false); });   // punkt w obszarze komórek

    FrmFiltrOgolny = new TFrmFiltrOgolny(interakcja, this);

    connect(SpeedButtonRosnaco, &QToolButton::clicked, this, [this] { Sortuj(false); });
    connect(SpeedButtonMalejaco, &QToolButton::clicked, this, [this] { Sortuj(true); });
    connect(SpeedButtonFiltr, &QToolButton::clicked, this, &OknoSiatki::FiltrujDane);
    connect(SpeedButtonUsunFiltr, &QToolButton::clicked, this, &OknoSiatki::UsunFiltr);

    auto* narzedzia = new QHBoxLayout;
    narzedzia->setSpacing(2);
    for (QToolButton* b : {SpeedButtonRosnaco, SpeedButtonMalejaco, SpeedButtonFiltr, SpeedButtonUsunFiltr})
        narzedzia->addWidget(b);
    return narzedzia;
}

namespace {
QString& domyslnyPlikUstawien()
{
    static QString plik;
    return plik;
}
} // namespace

void OknoSiatki::ustawDomyslnyPlikUstawien(const QString& plik) { domyslnyPlikUstawien() = plik; }

QString OknoSiatki::plikUstawien() const { return plikUstawien_.isEmpty() ? domyslnyPlikUstawien() : plikUstawien_; }

void OknoSiatki::pokazMenu(const QPoint& punkt, bool zKlawiatury)
{
    QPoint p = punkt;
    if (zKlawiatury) {
        // przy bieżącej komórce; bez niej w lewym górnym rogu siatki
        const QRect r = DBGrid1->visualRect(DBGrid1->currentIndex());
        p = r.isValid() ? r.center() : QPoint(4, 4);
    } else if (const QModelIndex i = DBGrid1->indexAt(p); i.isValid()) {
        DBGrid1->setCurrentIndex(i);
    }
    PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(p));
}

bool OknoSiatki::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == DBGrid1 && zdarzenie->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(zdarzenie);
        if (k->key() == Qt::Key_Menu || (k->key() == Qt::Key_F10 && k->modifiers() == Qt::ShiftModifier)) {
            pokazMenu({}, true);
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

QString OknoSiatki::nazwaKolumny(int kolumnaSiatki) const
{
    const int k = modelSiatki_ ? modelSiatki_->kolumnaTabeli(kolumnaSiatki) : -1;
    return k >= 0 && modelSiatki_->tabela() ? modelSiatki_->tabela()->kolumna(k).nazwa : QString();
}

void OknoSiatki::dopasujKolumny()
{
    if (!modelSiatki_)
        return;
    if (!wczytane_) {
        QStringList nazwy;
        for (int c = 0; c < modelSiatki_->columnCount(); ++c)
            nazwy << nazwaKolumny(c);
        ustawione_ = WczytajSzerokosciKolumn(plikUstawien(), objectName(), nazwy);
        wczytane_ = true;
    }
    ukladam_ = true;
    // kolumna z długimi uwagami nie zabiera całej siatki; resztę widać w podpowiedzi i po poszerzeniu
    const int maks = std::max(320, DBGrid1->viewport()->width() * 2 / 3);
    for (int c = 0; c < modelSiatki_->columnCount(); ++c) {
        if (DBGrid1->isColumnHidden(c))
            continue;
        const auto u = ustawione_.constFind(nazwaKolumny(c));
        if (u != ustawione_.cend()) {
            DBGrid1->setColumnWidth(c, *u);
        } else {
            DBGrid1->resizeColumnToContents(c);
            if (DBGrid1->columnWidth(c) > maks)
                DBGrid1->setColumnWidth(c, maks);
        }
    }
    ukladam_ = false;
}

void OknoSiatki::zapiszSzerokosci()
{
    if (!zmienione_)
        return;
    // szerokości kolumn to wygoda, nie dane: nieudany zapis nie przeszkadza w pracy
    QString blad;
    if (ZapiszSzerokosciKolumn(plikUstawien(), objectName(), ustawione_, blad))
        zmienione_ = false;
}

void OknoSiatki::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // okno otwiera się z fokusem na siatce: strzałki i Enter działają od razu
    DBGrid1->setFocus(Qt::OtherFocusReason);
}

void OknoSiatki::hideEvent(QHideEvent* e)
{
    zapiszSzerokosci();
    QDialog::hideEvent(e);
}

int OknoSiatki::biezacyWiersz() const { return modelSiatki_->wierszTabeli(DBGrid1->currentIndex().row()); }

int OknoSiatki::biezacaKolumnaSiatki() const
{
    const int k = DBGrid1->currentIndex().column();
    return k < 0 || DBGrid1->isColumnHidden(k) ? 1 : k;
}

QString OknoSiatki::biezacePole() const
{
    const int k = modelSiatki_->kolumnaTabeli(biezacaKolumnaSiatki());
    return k >= 0 ? modelSiatki_->tabela()->kolumna(k).nazwa : QString();
}

bool OknoSiatki::poleDoFiltru(const QString& pole) const
{
    const int k = modelSiatki_->tabela()->indeksKolumny(pole);
    return k >= 0 && !modelSiatki_->tabela()->kolumna(k).wyliczana;
}

void OknoSiatki::odswiezSiatke(int wierszTabeli)
{
    const int kolumna = biezacaKolumnaSiatki();
    modelSiatki_->odswiez();
    dopasujKolumny();
    int w = wierszTabeli >= 0 ? modelSiatki_->wierszModelu(wierszTabeli) : -1;
    if (w < 0 && modelSiatki_->rowCount() > 0)
        w = 0;
    if (w >= 0)
        DBGrid1->setCurrentIndex(modelSiatki_->index(w, kolumna));
}

void OknoSiatki::Sortuj(bool malejaco)
{
    const int w = biezacyWiersz();
    const QString pole = biezacePole();
    if (!poleDoFiltru(pole))
        return;
    sortujTabele(pole, malejaco);
    odswiezSiatke(w);
}

void OknoSiatki::FiltrujWgWyboru(int operacja)
{
    const int w = biezacyWiersz();
    const QString pole = biezacePole();
    if (w < 0 || !poleDoFiltru(pole))
        return;
    dodajWarunek(warunekZMenu(*modelSiatki_->tabela(), w, pole, operacja));
    odswiezSiatke(w);
}

void OknoSiatki::FiltrujDane()
{
    const Tabela& t = *modelSiatki_->tabela();
    const int w = biezacyWiersz();
    const QString pole = biezacePole();
    if (!poleDoFiltru(pole))
        return;
    const int k = t.indeksKolumny(pole);
    const TypPola typ = t.kolumna(k).typ;
    FrmFiltrOgolny->ustaw(modelSiatki_->headerData(modelSiatki_->kolumnaModelu(pole), Qt::Horizontal).toString(),
                          typ, w >= 0 ? t.wartosc(w, k) : QVariant());
    if (FrmFiltrOgolny->exec() != QDialog::Accepted)
        return;
    dodajWarunek(warunekZOkna(t, pole, FrmFiltrOgolny->wartosc(), FrmFiltrOgolny->kryterium()));
    odswiezSiatke(w);
}

void OknoSiatki::UsunFiltr()
{
    const int w = biezacyWiersz();
    usunWarunki();
    odswiezSiatke(w);
}

} // namespace tks::ui
