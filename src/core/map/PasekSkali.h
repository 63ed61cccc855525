#pragma once
// Pasek skali w lewym dolnym rogu mapy: od 0 do okrągłej odległości
// (1, 2 albo 5 razy potęga dziesięciu metrów), przeliczany z powiększeniem.
// Rysowany osobno, po całym rysowaniu mapy: na ekranie na obrazie obszaru
// mapy, na stronie wydruku po odtworzeniu elementów.

#include <QRectF>
#include <QString>

class QPainter;

namespace tks {

// Najdłuższy pasek w pikselach ekranu (na innych urządzeniach w proporcji).
inline constexpr double kMaksDlugoscPaska = 120;

// Długość paska w metrach: największa okrągła odległość, która mieści się
// w `maksPikseli` przy `pikseliNaMetr`; 0, gdy skala jest nieznana.
double DlugoscPaskaSkali(double pikseliNaMetr, double maksPikseli = kMaksDlugoscPaska);
// Napis końca paska: "50 km", "2 km", "500 m".
QString TekstPaskaSkali(double metry);

// Pasek w lewym dolnym rogu prostokąta `obszar` (piksele urządzenia).
// `piksel`: ile pikseli urządzenia ma jeden piksel ekranu (1 na ekranie,
// więcej na stronie wydruku) - od tego zależą odstępy, grubości i napis.
void RysujPasekSkali(QPainter& p, const QRectF& obszar, double pikseliNaMetr, double piksel = 1);

} // namespace tks
