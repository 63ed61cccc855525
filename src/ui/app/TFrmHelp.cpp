#include "TFrmHelp.h"

#include "app/Srodowisko.h"
#include "common/Ekran.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tks::ui {

TFrmHelp::TFrmHelp(const QString& katalogProgramu, QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("Opis programu taksatura"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(0, 0, 0, 0);
    przegladarka_ = new QTextBrowser;
    przegladarka_->setObjectName(QStringLiteral("WebBrowser1"));
    przegladarka_->setOpenExternalLinks(true);
    u->addWidget(przegladarka_);
    const QString plik = plikPomocy(katalogProgramu);
    if (QFileInfo::exists(plik))
        przegladarka_->setSource(QUrl::fromLocalFile(plik));
    else
        przegladarka_->setHtml(QStringLiteral("<p>Nie znaleziono pliku pomocy <b>%1</b>.</p>").arg(plik.toHtmlEscaped()));
    ustawRozmiarWEkranie(this, QSize(900, 720));
}

} // namespace tks::ui
