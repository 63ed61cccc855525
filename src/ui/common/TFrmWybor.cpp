#include "TFrmWybor.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace tks::ui {

TFrmWybor::TFrmWybor(const QString& tytul, const QString& komunikat, const QStringList& pozycje, QWidget* rodzic)
    : QDialog(rodzic)
{
    setObjectName(QStringLiteral("FrmWybor"));
    setWindowTitle(tytul);
    setModal(true);

    LabelKomunikat = new QLabel(komunikat);
    LabelKomunikat->setObjectName(QStringLiteral("LabelKomunikat"));
    LabelKomunikat->setVisible(!komunikat.isEmpty());
    Lista = new QListWidget;
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->addItems(pozycje);
    if (Lista->count() > 0)
        Lista->setCurrentRow(0);
    BitBtnOK = new QPushButton(QStringLiteral("OK"));
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);
    BitBtnAnuluj = new QPushButton(QStringLiteral("Anuluj"));
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(BitBtnOK);
    przyciski->addWidget(BitBtnAnuluj);
    auto* u = new QVBoxLayout(this);
    u->addWidget(LabelKomunikat);
    u->addWidget(Lista, 1);
    u->addLayout(przyciski);

    connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(Lista, &QListWidget::itemActivated, this, &QDialog::accept);

    // lista na wszystkie pozycje (najwyżej dziesięć widocznych naraz, dalsze przewijane)
    const int wiersz = Lista->sizeHintForRow(0) > 0 ? Lista->sizeHintForRow(0) : fontMetrics().height() + 4;
    const int widoczne = std::clamp(int(pozycje.size()), 3, 10);
    const int wysokosc = wiersz * widoczne + 2 * Lista->frameWidth() + 2;
    if (pozycje.size() <= 10)
        Lista->setFixedHeight(wysokosc);
    else
        Lista->setMinimumHeight(wysokosc);
    resize(std::max(280, sizeHint().width()), sizeHint().height());
}

int TFrmWybor::wybrana() const { return Lista->currentRow(); }

void TFrmWybor::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ekran) {
        QRect r = frameGeometry();
        r.moveCenter(ekran->availableGeometry().center());
        move(r.topLeft());
    }
    Lista->setFocus();
}

} // namespace tks::ui
