#pragma once
// Wykres profilu prędkości (Qt Charts): prędkość i ograniczenie wzdłuż kilometrów
// trasy, nazwy punktów trasy na górnej osi. Dane przerzedzane do szerokości obszaru
// wykresu (najmniejsza i największa wartość w kolumnie pikseli), więc trasa 1000 km
// rysuje się od razu; po każdej zmianie zakresu osi przerzedzane od nowa.
// Biblioteka wspólna okna i CLI (zapis PNG i PDF).

#include "pricing/ProfilWykresu.h"

#include <QChart>
#include <QChartView>
#include <QString>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace tks::ui {

class WykresProfilu : public QChart {
    Q_OBJECT
public:
    explicit WykresProfilu(ProfilTrasy profil, QGraphicsItem* rodzic = nullptr);

    const ProfilTrasy& profil() const { return profil_; }
    // Zakres osi kilometrów (przycięty do trasy).
    void pokazZakres(double odKm, double doKm);
    void pokazCalosc();
    double odKm() const;
    double doKm() const;
    // Powiększenie (czynnik > 1) albo pomniejszenie wokół punktu trasy.
    void powieksz(double czynnik, double wokolKm);
    // Przesunięcie o część widocznego zakresu (ujemna: w lewo).
    void przesun(double czesc);

    QLineSeries* seriaPredkosci() const { return predkosc_; }
    QLineSeries* seriaLimitu() const { return limit_; }
    QValueAxis* osKm() const { return osKm_; }

private:
    void przerzedz();

    ProfilTrasy profil_;
    QLineSeries* predkosc_ = nullptr;
    QLineSeries* limit_ = nullptr;
    QValueAxis* osKm_ = nullptr;
    QValueAxis* osV_ = nullptr;
    QCategoryAxis* osStacji_ = nullptr;
    bool przerzedzanie_ = false;
};

// Widok wykresu: kółko myszy powiększa wokół kursora (z Shift przesuwa), przeciągnięcie
// powiększa zaznaczony zakres, dwuklik i Home pokazują całą trasę, strzałki przesuwają.
class WidokProfilu : public QChartView {
    Q_OBJECT
public:
    explicit WidokProfilu(WykresProfilu* wykres, QWidget* rodzic = nullptr);
    WykresProfilu* wykres() const { return wykres_; }
    // Punkt okna widoku we współrzędnych wykresu.
    QPointF punktWykresu(QPointF wWidoku) const;

signals:
    // Kursor nad wykresem: kilometr trasy; poza obszarem wykresu: -1.
    void kursor(double km);

protected:
    void wheelEvent(QWheelEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    WykresProfilu* wykres_;
};

// Zapis wykresu do PNG (rozmiar w pikselach) albo PDF (strona A4 pozioma). false
// z opisem błędu, gdy pliku nie da się zapisać (stary plik zostaje).
bool zapiszWykresPng(WykresProfilu& wykres, const QString& plik, QSize rozmiar, QString& blad);
bool zapiszWykresPdf(WykresProfilu& wykres, const QString& plik, QString& blad);
// Zapis według rozszerzenia: .png albo .pdf.
bool zapiszWykres(WykresProfilu& wykres, const QString& plik, QString& blad);

} // namespace tks::ui
