#pragma once
// Płótno mapy: bieżące pióro, pędzel i czcionka oraz prymitywy rysowania.
// Na ekranie rysuje QPainter (KanwaEkranu), w trybie wydruku każdy prymityw
// dopisuje element do list wydruku (KanwaWydruku). Tekst mierzy się zawsze
// metryką wybranej czcionki na urządzeniu docelowym.

#include "ElementyWydruku.h"
#include "Widok.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace tks {

// Linia od p do q w pikselach.
struct TLiniaPiks {
    TPiksel p;
    TPiksel q;
};

enum class StylPiora : std::uint8_t { Ciagle = 0, Kropkowane = 2, Brak = 5 };

namespace stylCzcionki {
inline constexpr std::uint8_t Pogrubiona = 1;
inline constexpr std::uint8_t Kursywa = 2;
inline constexpr std::uint8_t Podkreslona = 4;
inline constexpr std::uint8_t Przekreslona = 8;
} // namespace stylCzcionki

inline const QString kCzcionkaMapy = QStringLiteral("DejaVu Sans");
inline constexpr std::int32_t kCzarny = 0x000000;
inline constexpr std::int32_t kSrebrny = 0xC0C0C0;

struct Pioro {
    std::int32_t kolor = kCzarny;
    std::uint8_t grubosc = 1;
    StylPiora styl = StylPiora::Ciagle;
    bool operator==(const Pioro&) const = default;
};

struct Pedzel {
    std::int32_t kolor = kSrebrny;
    bool pelny = true;   // false: przezroczysty
    bool operator==(const Pedzel&) const = default;
};

struct Czcionka {
    QString nazwa = kCzcionkaMapy;
    std::uint8_t rozmiar = 8;   // punkty
    std::int32_t kolor = kCzarny;
    std::uint8_t styl = 0;      // bity stylCzcionki
    bool operator==(const Czcionka&) const = default;
};

QFont qFontZ(const Czcionka& c);
// Pióro QPainter dla pióra płótna (styl inny niż Brak).
QPen qPenZ(const Pioro& p);

class KsztaltKola;

class Kanwa {
public:
    virtual ~Kanwa() = default;

    Pioro pioro;
    Pedzel pedzel;
    Czcionka czcionka;

    virtual int szerokosc() const = 0;
    virtual int wysokosc() const = 0;
    virtual bool trybWydruku() const { return false; }
    // Rozdzielczość drukarki (tryb wydruku) - pomijanie krótkich strzałek.
    virtual int ppiDrukarki() const { return 96; }

    // Linia od p do q.
    virtual void Linia(TPiksel p, TPiksel q) = 0;
    // Koło w kwadracie (p.x - r, p.y - r, p.x + r, p.y + r): obrys piórem, wnętrze pędzlem.
    virtual void Kolo(TPiksel p, int r) = 0;
    // Prostokąt: obrys piórem, wnętrze pędzlem.
    virtual void Prostokat(const TProstokat& r) = 0;
    // Wypełniony wielokąt (obszary terytorialne).
    virtual void Wielokat(const std::vector<TPiksel>& punkty) = 0;
    // Tekst z lewym górnym rogiem w p, przezroczyste tło.
    virtual void Etykieta(TPiksel p, const QString& tekst) = 0;
    // Wypełniony trójkąt grotu strzałki.
    virtual void Trojkat(TPiksel a, TPiksel b, TPiksel c) = 0;
    // Linie jednym piórem, w kolejności listy; rysują to samo, co Linia po kolei.
    virtual void Linie(const std::vector<TLiniaPiks>& linie);

    // Szerokość i wysokość tekstu w bieżącej czcionce.
    QSize rozmiarTekstu(const QString& tekst);
    // Szerokości tekstów są pamiętane między rysowaniami (dla czcionki i
    // rozdzielczości urządzenia); to czyści pamięć (testy).
    static void wyczyscPamiecSzerokosci();

protected:
    // Urządzenie, na którym mierzy się tekst.
    virtual const QPaintDevice* urzadzenieMiar() const = 0;

private:
    struct Metryka {
        QString nazwa;
        std::uint8_t rozmiar = 0;
        std::uint8_t styl = 0;
        std::unique_ptr<QFontMetrics> m;
        QHash<QString, int>* szerokosci = nullptr;   // pamięć szerokości tej czcionki na tym urządzeniu
        int wysokosc = 0;                            // wysokość wiersza tej czcionki
    };
    std::vector<Metryka> metryki_;
};

// Rysowanie na ekranie (albo dowolnym urządzeniu QPainter, np. QImage).
class KanwaEkranu : public Kanwa {
public:
    // `p` musi być aktywny; rozmiar obszaru rysowania to rozmiar urządzenia.
    explicit KanwaEkranu(QPainter& p, bool antyalias = true);

    int szerokosc() const override { return szer_; }
    int wysokosc() const override { return wys_; }

    void Linia(TPiksel p, TPiksel q) override;
    void Kolo(TPiksel p, int r) override;
    void Prostokat(const TProstokat& r) override;
    void Wielokat(const std::vector<TPiksel>& punkty) override;
    void Etykieta(TPiksel p, const QString& tekst) override;
    void Trojkat(TPiksel a, TPiksel b, TPiksel c) override;
    void Linie(const std::vector<TLiniaPiks>& linie) override;

    bool antyalias() const { return aa_; }
    // Obraz, na którym rysuje płótno, gdy da się na nim wkleić gotowy obraz piksel
    // w piksel (obraz bez przekształcenia i obcięcia, skala urządzenia 1); inaczej nullptr.
    const QImage* obrazDocelowy() const;
    // Obraz w lewym górnym rogu, piksel w piksel.
    void WklejObraz(const QImage& obraz);
    // Wygładzone koła z pieczęci (KsztaltKola) zamiast przez QPainter, gdy płótno
    // rysuje na obrazie; domyślnie tak. Te same piksele - wyłączenie służy porównaniom.
    void uzywajPieczeci(bool tak) { pieczecie_ = tak; }
    // Napisy z zapamiętanych ciągów glifów (QGlyphRun) zamiast układania tekstu przy
    // każdym rysowaniu; domyślnie tak. Te same piksele - wyłączenie służy porównaniom.
    void uzywajGlifow(bool tak) { glify_ = tak; }

protected:
    const QPaintDevice* urzadzenieMiar() const override;

private:
    void ustawPioro();
    void ustawPedzel();
    void ustawCzcionke();
    // Wygładzone koło z gotowej pieczęci wprost na obraz docelowy; false, gdy
    // trzeba je narysować przez QPainter.
    bool odbijKolo(TPiksel p, int r);

    QPainter& p_;
    bool aa_;
    int szer_ = 0;
    int wys_ = 0;
    Pioro pioroUst_;
    Pedzel pedzelUst_;
    Czcionka czcionkaUst_;
    bool pioroZnane_ = false;
    bool pedzelZnany_ = false;
    bool czcionkaZnana_ = false;
    int ascent_ = 0;
    std::vector<QLineF> bufLinii_;
    bool pieczecie_ = true;
    bool glify_ = true;
    // Ciągi glifów tekstu w bieżącej czcionce (nullptr: rysować drawText).
    const QList<QGlyphRun>* glifyTekstu(const QString& tekst);
    // Pamięć glifów bieżącej czcionki i urządzenia.
    QHash<QString, QList<QGlyphRun>>* glifyPamiec_ = nullptr;
    Czcionka glifyCzcionka_;
    int glifyDpiX_ = 0;
    int glifyDpiY_ = 0;
    // Ostatnio użyty kształt koła (pieczęcie) i to, dla czego go wybrano.
    KsztaltKola* pieczec_ = nullptr;
    bool pieczecZnana_ = false;
    std::uint64_t pieczecPokolenie_ = 0;
    int pieczecR_ = 0;
    QImage::Format pieczecFormat_ = QImage::Format_Invalid;
    Pioro pieczecPioro_;
    Pedzel pieczecPedzel_;
};

// Tryb wydruku: prymitywy dopisują elementy do `elementy`.
class KanwaWydruku : public Kanwa {
public:
    // Rozmiar obszaru mapy w pikselach układu strony o rozdzielczości `ppi`;
    // `ppiDrukarki` <= 0 oznacza tę samą rozdzielczość.
    KanwaWydruku(ElementyWydruku& elementy, int szerokosc, int wysokosc, int ppi = 150, int ppiDrukarki = 0);

    int szerokosc() const override { return szer_; }
    int wysokosc() const override { return wys_; }
    bool trybWydruku() const override { return true; }
    int ppiDrukarki() const override { return ppiDrukarki_; }

    void Linia(TPiksel p, TPiksel q) override;
    void Kolo(TPiksel p, int r) override;
    void Prostokat(const TProstokat& r) override;
    void Wielokat(const std::vector<TPiksel>& punkty) override;
    void Etykieta(TPiksel p, const QString& tekst) override;
    void Trojkat(TPiksel a, TPiksel b, TPiksel c) override;

    ElementyWydruku& elementy() { return e_; }

protected:
    const QPaintDevice* urzadzenieMiar() const override { return &miara_; }

private:
    ElementyWydruku& e_;
    int szer_;
    int wys_;
    int ppiDrukarki_;
    QImage miara_;
};

} // namespace tks
