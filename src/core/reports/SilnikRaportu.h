#pragma once
// Mały silnik raportów pasmowych na QPainter: pasmo tytułu (pierwsza strona),
// pasmo nagłówka kolumn (każda strona), pasma szczegółów przechodzące przez
// strony i stopka strony ("Strona: " + numer). Wymiary w milimetrach, czcionki
// w punktach; układ nie zależy od urządzenia, więc podgląd (QImage), PDF
// i drukarka dają te same strony.

#include <QImage>
#include <QLineF>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QPainter;
class QPagedPaintDevice;

namespace tks {

// Okno podglądu wydruku i jego komunikaty.
inline const QString kTytulPodgladuWydruku = QStringLiteral("Podgląd wydruku");
inline const QString kBrakDrukarki =
    QStringLiteral("W systemie nie ma żadnej drukarki. Wydruk można zapisać do pliku PDF przyciskiem \"Zapisz PDF\".");
inline const QString kTytulUwaga = QStringLiteral("Uwaga");
inline const QString kTytulBlad = QStringLiteral("Błąd");
inline const QString kFiltrPlikowPdf = QStringLiteral("Pliki PDF|*.pdf");
// Granice powiększenia podglądu w procentach i krok.
inline constexpr int kZoomMin = 10;
inline constexpr int kZoomMax = 300;
inline constexpr int kZoomKrok = 10;
// Tekst paska stanu: "Strona n/N".
QString tekstStrony(int strona, int liczbaStron);
// Powiększenie (%), przy którym cała strona o rozmiarze `strona100` (piksele przy
// 100 %) mieści się w `okno`; w granicach kZoomMin..kZoomMax.
int zoomCalejStrony(const QSizeF& strona100, const QSizeF& okno);

struct CzcionkaRaportu {
    double punkty = 9;
    bool pogrubiona = false;
};

// Tekst w paśmie: prostokąt w mm względem lewego górnego rogu pasma.
struct TekstPasma {
    QRectF obszar;
    QString tekst;
    CzcionkaRaportu czcionka;
    int flagi = 0;   // Qt::AlignmentFlag | Qt::TextWordWrap
};

// Linia w paśmie (mm), grubość w mm; szary kolor dla linii pomocniczych.
struct LiniaPasma {
    QLineF linia;
    double grubosc = 0.2;
    bool szara = false;
};

struct Pasmo {
    double wysokosc = 0;   // mm
    QVector<TekstPasma> teksty;
    QVector<LiniaPasma> linie;

    void dodajTekst(const QRectF& obszar, const QString& tekst, CzcionkaRaportu czcionka, int flagi);
    void dodajLinie(const QLineF& linia, double grubosc = 0.2, bool szara = false);
};

// Kolumna pasma szczegółów: położenie i szerokość w mm, wyrównanie.
struct KolumnaRaportu {
    double x = 0;
    double szerokosc = 0;
    Qt::Alignment wyrownanie = Qt::AlignLeft;
};

// Wysokość w mm tekstu zawiniętego do szerokości (mm) daną czcionką.
double wysokoscTekstu(const CzcionkaRaportu& c, double szerokosc, const QString& tekst);
// Szerokość w mm tekstu w jednej linii (najdłuższej, gdy tekst ma końce linii).
double szerokoscTekstu(const CzcionkaRaportu& c, const QString& tekst);

// Szerokości kolumn (mm) według treści: każda kolumna tak szeroka jak jej
// najdłuższy tekst (`naturalne`, z marginesami), kolumna bez treści (0) znika.
// Nadmiar szerokości dostaje ostatnia kolumna. Gdy treść się nie mieści,
// węższe robią się tylko kolumny `zawijane` (tekst przechodzi do następnej
// linii), każda w stosunku do swojego nadmiaru ponad `minimum`; liczby
// zostają w jednej linii.
QVector<double> szerokosciWgTresci(const QVector<double>& naturalne, const QVector<bool>& zawijane, double szerokosc,
                                   double minimum);

// Pasmo jednego wiersza tabeli: komórki zawijane, wysokość według najwyższej,
// odstęp `margines` mm wewnątrz komórek; linia pod wierszem, gdy `linia`.
Pasmo pasmoWiersza(const QVector<KolumnaRaportu>& kolumny, const QStringList& wartosci,
                   const CzcionkaRaportu& czcionka, double margines, bool linia);

class Raport {
public:
    // Strona: A4 pionowo, marginesy w mm.
    QPageSize rozmiar{QPageSize::A4};
    double lewy = 12, prawy = 10, gorny = 10, dolny = 10;
    CzcionkaRaportu czcionkaStopki{8, false};
    QString tytulDokumentu;

    QVector<Pasmo> tytul;          // na początku pierwszej strony
    Pasmo naglowekKolumn;          // na górze każdej strony, nad szczegółami
    QVector<Pasmo> szczegoly;      // w kolejności, przez kolejne strony
    // Tekst stopki strony.
    std::function<QString(int strona)> stopka = [](int n) { return QStringLiteral("Strona: ") + QString::number(n); };

    QSizeF rozmiarStrony() const;            // mm
    double szerokoscObszaru() const;         // mm między marginesami
    double wysokoscStopki() const;           // mm

    // Liczba stron po rozłożeniu pasm (co najmniej 1). Raportu nie zmienia się
    // po pierwszym rozłożeniu.
    int liczbaStron() const;
    // Strona 1..liczbaStron() malowana w układzie milimetrów (wywołujący ustawia
    // przekształcenie mm -> urządzenie); tło nie jest malowane.
    void rysujStrone(QPainter& p, int strona) const;
    // Strona jako obraz w danej rozdzielczości (białe tło).
    QImage obrazStrony(int strona, double dpi) const;
    // Wszystkie strony na urządzeniu stronicowanym (PDF, drukarka): strona A4
    // pionowo. False i opis, gdy urządzenie nie przyjęło malowania.
    bool drukuj(QPagedPaintDevice& urzadzenie, QString& blad) const;
    // Zapis PDF w całości albo wcale.
    bool zapiszPdf(const QString& sciezka, QString& blad) const;

private:
    // Pasmo na stronie: indeks >= 0 to szczegoly[indeks], -1 nagłówek kolumn,
    // -2 - i to tytul[i] (indeksy, nie wskaźniki: kopia raportu zostaje poprawna).
    struct Umieszczenie {
        int indeks;
        double y;   // mm od górnej krawędzi strony
    };
    const QVector<QVector<Umieszczenie>>& strony() const;
    const Pasmo& pasmo(int indeks) const;
    void rysujPasmo(QPainter& p, const Pasmo& pasmo, double y) const;

    mutable QVector<QVector<Umieszczenie>> strony_;
};

} // namespace tks
