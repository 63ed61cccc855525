#include "OznaczenieCeny.h"

#include "app/Droga.h"
#include "common/Podpowiedzi.h"
#include "trains/EdytorNaglowka.h"

#include <QApplication>
#include <QLineEdit>

namespace tks::ui {

void tloPola(QWidget* pole, QPalette::ColorRole kolor)
{
    QPalette pal = pole->palette();
    const QColor c = QApplication::palette().color(kolor);
    if (pal.color(QPalette::Base) == c)
        return;
    pal.setColor(QPalette::Base, c);
    pole->setPalette(pal);
}

void oznaczCeneOknaGlownego(QLineEdit* pole, const Pociag& p)
{
    tloPola(pole, wyroznijCeneOknaGlownego(p) ? QPalette::ToolTipBase : QPalette::Button);
    pole->setToolTip(cenaNiepelna(p) ? podpowiedz(kPodpowiedzCenyNiepelnej) : QString());
}

} // namespace tks::ui
