#include "TFrmFiltrOgolny.h"

#include "common/Interakcja.h"
#include "trains/FiltrTabeli.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tks::ui {

TFrmFiltrOgolny::TFrmFiltrOgolny(Interakcja& interakcja, QWidget* rodzic) : QDialog(rodzic), interakcja_(interakcja)
{
    setObjectName(QStringLiteral("FrmFiltrOgolny"));
    setWindowTitle(QStringLiteral("Filtruj"));
    setModal(true);

    LabelKolumna = new QLabel;
    LabelKolumna->setObjectName(QStringLiteral("LabelKolumna"));
    QFont f = LabelKolumna->font();
    f.setBold(true);
    LabelKolumna->setFont(f);
    EditWartosc = new QLineEdit;
    EditWartosc->setObjectName(QStringLiteral("EditWartosc"));
    ComboBoxKryterium = new QComboBox;
    ComboBoxKryterium->setObjectName(QStringLiteral("ComboBoxKryterium"));
    BitBtnFiltruj = new QPushButton(QStringLiteral("&Filtruj"));
    BitBtnFiltruj->setObjectName(QStringLiteral("BitBtnFiltruj"));
    BitBtnFiltruj->setDefault(true);
    BitBtnAnuluj = new QPushButton(QStringLiteral("&Anuluj"));
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    g->addWidget(new QLabel(QStringLiteral("Filtrowana kolumna :")), 0, 0);
    g->addWidget(LabelKolumna, 0, 1);
    auto* lw = new QLabel(QStringLiteral("&Wartość :"));
    lw->setBuddy(EditWartosc);
    g->addWidget(lw, 1, 0);
    g->addWidget(EditWartosc, 1, 1);
    auto* lk = new QLabel(QStringLiteral("&Kryterium porównania :"));
    lk->setBuddy(ComboBoxKryterium);
    g->addWidget(lk, 2, 0);
    g->addWidget(ComboBoxKryterium, 2, 1);
    g->setColumnStretch(1, 1);
    auto* p = new QHBoxLayout;
    p->addStretch(1);
    p->addWidget(BitBtnFiltruj);
    p->addWidget(BitBtnAnuluj);
    auto* u = new QVBoxLayout(this);
    u->addLayout(g);
    u->addSpacing(6);
    u->addLayout(p);

    connect(BitBtnFiltruj, &QPushButton::clicked, this, &TFrmFiltrOgolny::BitBtnFiltrujClick);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    resize(380, sizeHint().height());
}

void TFrmFiltrOgolny::ustaw(const QString& tytulKolumny, TypPola typ, const QVariant& wartosc)
{
    typ_ = typ;
    wartosc_ = wartosc;
    LabelKolumna->setText(tytulKolumny);
    EditWartosc->setText(tekstDoEdycji(wartosc, typ));
    EditWartosc->selectAll();
    ComboBoxKryterium->clear();
    ComboBoxKryterium->addItems(kryteriaPorownania(typ));
    ComboBoxKryterium->setCurrentIndex(0);
    EditWartosc->setFocus(Qt::OtherFocusReason);
}

int TFrmFiltrOgolny::kryterium() const { return ComboBoxKryterium->currentIndex(); }

void TFrmFiltrOgolny::BitBtnFiltrujClick()
{
    QString blad;
    const auto w = wartoscZTekstu(typ_, EditWartosc->text(), blad);
    if (!w) {
        interakcja_.komunikat(blad, QStringLiteral("Błąd"), Ikona::Blad);
        EditWartosc->setFocus(Qt::OtherFocusReason);
        return;
    }
    wartosc_ = *w;
    accept();
}

} // namespace tks::ui
