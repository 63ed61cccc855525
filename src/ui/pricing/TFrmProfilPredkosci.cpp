#include "TFrmProfilPredkosci.h"

#include "reports/OknaRaportow.h"
#include "wykresy/WykresProfilu.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tks::ui {

TFrmProfilPredkosci::TFrmProfilPredkosci(ProfilTrasy profil, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("FrmProfilPredkosci"));
    setWindowTitle(QStringLiteral("Profil prędkości"));
    auto* uklad = new QVBoxLayout(this);

    wykres_ = new WykresProfilu(std::move(profil));
    widok_ = new WidokProfilu(wykres_, this);
    widok_->setObjectName(QStringLiteral("WidokProfilu"));
    uklad->addWidget(widok_, 1);

    LabelOdczyt = new QLabel(this);
    LabelOdczyt->setObjectName(QStringLiteral("LabelOdczyt"));
    LabelOdczyt->setText(QStringLiteral("Kółko myszy: powiększenie, przeciągnięcie: zakres, dwuklik albo Home: cała trasa."));
    uklad->addWidget(LabelOdczyt);
    connect(widok_, &WidokProfilu::kursor, this, [this](double km) {
        const QString t = tekstOdczytu(odczytProfilu(wykres_->profil(), km));
        if (!t.isEmpty())
            LabelOdczyt->setText(t);
    });

    auto* przyciski = new QHBoxLayout;
    ButtonCalosc = new QPushButton(QStringLiteral("&Cała trasa"), this);
    ButtonPng = new QPushButton(QStringLiteral("Zapisz &PNG…"), this);
    ButtonPdf = new QPushButton(QStringLiteral("Zapisz P&DF…"), this);
    auto* zamknij = new QPushButton(QStringLiteral("&Zamknij"), this);
    ButtonCalosc->setObjectName(QStringLiteral("ButtonCalosc"));
    ButtonPng->setObjectName(QStringLiteral("ButtonPng"));
    ButtonPdf->setObjectName(QStringLiteral("ButtonPdf"));
    const bool jest = !wykres_->profil().pusty();
    for (QPushButton* b : {ButtonCalosc, ButtonPng, ButtonPdf}) {
        b->setAutoDefault(false);
        b->setEnabled(jest);
    }
    przyciski->addWidget(ButtonCalosc);
    przyciski->addStretch(1);
    przyciski->addWidget(ButtonPng);
    przyciski->addWidget(ButtonPdf);
    przyciski->addWidget(zamknij);
    uklad->addLayout(przyciski);
    connect(ButtonCalosc, &QPushButton::clicked, this, [this] { wykres_->pokazCalosc(); });
    connect(ButtonPng, &QPushButton::clicked, this,
            [this] { zapiszJako(QStringLiteral("Obraz PNG|*.png"), QStringLiteral("png")); });
    connect(ButtonPdf, &QPushButton::clicked, this,
            [this] { zapiszJako(QStringLiteral("Dokument PDF|*.pdf"), QStringLiteral("pdf")); });
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);

    widok_->setFocus();
    resize(1100, 620);
}

bool TFrmProfilPredkosci::zapisz(const QString& plik)
{
    QString blad;
    if (zapiszWykres(*wykres_, plik, blad))
        return true;
    QMessageBox::warning(this, QStringLiteral("Profil prędkości"), blad);
    return false;
}

void TFrmProfilPredkosci::zapiszJako(const QString& filtr, const QString& rozszerzenie)
{
    const QString plik =
        wybierzPlikDoZapisu(this, QDir::home().filePath(QStringLiteral("profil.") + rozszerzenie), filtr, rozszerzenie);
    if (!plik.isEmpty())
        zapisz(plik);
}

} // namespace tks::ui
