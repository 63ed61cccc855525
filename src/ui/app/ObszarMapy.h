#pragma once
// Obszar mapy okna głównego (Pb1). Rysowanie sieci i obsługę myszy dokłada
// podsystem mapy; tu obszar wypełnia się kolorem tła.

#include <QWidget>

namespace tks {
class Droga;
}

namespace tks::ui {

class ObszarMapy : public QWidget {
    Q_OBJECT
public:
    explicit ObszarMapy(Droga& d, QWidget* rodzic = nullptr);

signals:
    void zmienionoRozmiar(QSize rozmiar);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    Droga& d_;
};

} // namespace tks::ui
