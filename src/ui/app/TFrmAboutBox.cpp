#include "TFrmAboutBox.h"

#include "Wersja.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tks::ui {

TFrmAboutBox::TFrmAboutBox(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("FrmAboutBox"));
    setWindowTitle(QStringLiteral("O systemie ..."));
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(28, 22, 28, 16);
    u->setSpacing(8);
    auto* nazwa = new QLabel(QStringLiteral("Taksatura 2018"));
    nazwa->setObjectName(QStringLiteral("ProductName"));
    QFont f = nazwa->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    nazwa->setFont(f);
    auto* opis = new QLabel(QStringLiteral("Wyznaczanie tras pociągów i opłat\nza dostęp do infrastruktury kolejowej"));
    opis->setObjectName(QStringLiteral("Comments"));
    Version = new QLabel;
    Version->setObjectName(QStringLiteral("Version"));
    Version->setText(kWersja);
    for (QLabel* l : {nazwa, opis, Version})
        l->setAlignment(Qt::AlignHCenter);
    u->addWidget(nazwa);
    u->addWidget(opis);
    u->addWidget(Version);
    u->addSpacing(8);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok);
    przyciski->setCenterButtons(true);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    u->addWidget(przyciski);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

} // namespace tks::ui
