#pragma once
// Pierścień wokół punktu mapy (znaleziona stacja), sam znika po chwili.

#include <QWidget>

namespace tks::ui {

class PierscienStacji : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPromien = 12;
    static constexpr int kCzasMs = 2000;

    // Pierścień o środku `srodek` (współrzędne `mapa`) nad obszarem mapy.
    PierscienStacji(QWidget* mapa, QPoint srodek);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace tks::ui
