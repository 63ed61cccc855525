#include "Ekran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tks::ui {

namespace {
// Pasek tytułu i ramka, których rozmiar okna nie obejmuje.
constexpr int kRamkaPozioma = 16;
constexpr int kRamkaPionowa = 40;
} // namespace

QSize dostepnyRozmiarEkranu(const QWidget* okno)
{
    const QScreen* e = okno && okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!e)
        return {1024, 600};
    return e->availableGeometry().size() - QSize(kRamkaPozioma, kRamkaPionowa);
}

void ustawRozmiarWEkranie(QWidget* okno, QSize pozadany)
{
    const QSize r = pozadany.boundedTo(dostepnyRozmiarEkranu(okno)).expandedTo(okno->minimumSize());
    okno->resize(r);
}

} // namespace tks::ui
