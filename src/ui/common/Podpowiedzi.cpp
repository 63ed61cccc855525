#include "Podpowiedzi.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace tks::ui {

bool DlugiePodpowiedzi::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::ToolTip && obiekt->isWidgetType()) {
        auto* w = static_cast<QWidget*>(obiekt);
        if (!w->toolTip().isEmpty()) {
            auto* h = static_cast<QHelpEvent*>(zdarzenie);
            QToolTip::showText(h->globalPos(), w->toolTip(), w, QRect(), kCzasPodpowiedziMs);
            return true;
        }
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

void UstawDlugiePodpowiedzi()
{
    if (!qApp || qApp->findChild<DlugiePodpowiedzi*>())
        return;
    qApp->installEventFilter(new DlugiePodpowiedzi(qApp));
}

QString podpowiedz(const QString& tekst)
{
    QString t = tekst;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

} // namespace tks::ui
