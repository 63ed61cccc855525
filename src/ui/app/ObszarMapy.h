#pragma once
// Obszar mapy okna głównego (Pb1). Mapa rysowana przez rdzeń (`odswiez`) do
// obrazu ekranu i z niego kopiowana na obszar; podpowiedź po 300 ms, podgląd
// przesuwania i lista wyboru przy kursorze działają na tym obrazie. Mysz
// wywołuje operacje narzędzi rdzenia; okno dostaje sygnały po rysowaniu
// (stan panelu) i po puszczeniu przycisku myszy (pola nagłówka).

#include "map/Podpowiedz.h"
#include "map/Rysowanie.h"
#include "map/WarstwyMapy.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class QTimer;

namespace tks {
class Droga;
}

namespace tks::ui {

class ObszarMapy : public QWidget {
    Q_OBJECT
public:
    // `pb2`: ukryty obraz okna (rozmiaru obszaru) na piksele pod ramką
    // podpowiedzi albo całą mapę w czasie przesuwania.
    ObszarMapy(Droga& d, QImage& pb2, QWidget* rodzic = nullptr);

    // Mapa do narysowania od nowa przy najbliższym odświeżeniu obszaru.
    void przerysuj();
    // Rysuje od razu, gdy mapa jest nieaktualna (i rysowanie nie jest wstrzymane).
    void aktualizuj();

    // Lista "Wybór stacji" przy punkcie ostatniego kliknięcia; indeks albo -1.
    int wybierzZListy(const QStringList& pozycje);

    const QImage& obraz() const { return ekran_; }
    const TLabelHint& podpowiedz() const { return hint_; }
    QPoint ostatniPunkt() const { return ostatni_; }

    QTimer* TimerHint = nullptr;

signals:
    void zmienionoRozmiar(QSize rozmiar);
    // Po każdym rysowaniu mapy: stan panelu do pokazania w oknie.
    void narysowano(const tks::StanPaneluMapy& stan);
    // Po puszczeniu przycisku myszy (nagłówek już uaktualniony); `wyczyscPola`:
    // pola początku, długości i cen do opróżnienia przed pokazaniem nagłówka.
    void puszczonoMysz(bool wyczyscPola);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void rysujMape();
    void TimerHintTimer();
    void usunPodpowiedz();
    QRect obszarPodpowiedzi() const;

    Droga& d_;
    QImage& pb2_;
    QImage ekran_;              // zawartość obszaru mapy
    PamiecWarstwMapy warstwy_;  // tło, obszary, kontur i odcinki bieżącego widoku
    bool nieaktualna_ = true;
    TLabelHint hint_;
    QPoint dol_;                // punkt naciśnięcia przycisku
    QPoint ostatni_;            // ostatni znany punkt myszy
    bool przesuwanie_ = false;  // przeciąganie narzędziem przesuwania
    bool mysz_ = false;         // kursor nad obszarem
    int kolko_ = 0;             // niewykorzystany obrót kółka (1/8 stopnia)
};

} // namespace tks::ui
