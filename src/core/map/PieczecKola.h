#pragma once
// Wygładzone koła mapy z gotowych „pieczęci”. QPainter rysuje każde koło jako
// ścieżkę z krzywych (spłaszczanie, wypełnienie, obrys), a na mapie tysiące kół
// mają ten sam promień, pióro i pędzel i różnią się tylko położeniem o całe piksele.
//
// Pieczęć zapamiętuje, co narysowanie koła robi z każdym pikselem wokół środka:
// dla każdego kanału tablicę 256 wartości (wartość przed -> po). Tablice zdejmuje
// się z samego QPainter (to samo koło narysowane na 256 tłach), więc obejmują
// wszystko, co robi silnik rastrowy: wypełnienie, obrys i piksele, które cienkie
// pióro miesza kilka razy (tam, gdzie stykają się kawałki spłaszczonego łuku).
//
// Silnik liczy punkty łuku w liczbach zmiennoprzecinkowych, więc ostatnie bity
// zależą od wielkości współrzędnych: koło przesunięte z przedziału [64, 128) do
// [128, 256) potrafi mieć inne piksele brzegu. Dlatego pieczęć jest osobna dla
// każdej klasy położenia (przedział [2^e, 2^(e+1)) dla x i dla y, w którym leży
// całe koło z piórem). Koło na granicy przedziałów dostaje pieczęć sąsiedniej
// klasy, jeśli w jego położeniu daje ona (sprawdzone na tle z szumu) te same
// piksele, co QPainter; inaczej, i przy brzegu obrazu, koło rysuje QPainter.
// Pieczęć klasy zdejmuje się dopiero, gdy w tej klasie narysowano już tyle kół,
// ile kosztuje zdjęcie (pojedyncze rysowanie mapy z niewielu kół nic nie traci).

#include "Kanwa.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tks {

// Tablice jednego koła w jednej klasie położenia.
class PieczecKola {
public:
    // Odbija koło o środku (x, y); false (i nic nie zmienia), gdy nie mieści się
    // całe w obrazie.
    bool odbij(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x, int y) const;
    // Odbija koło o środku (x, y) tylko w pikselach prostokąta [minX, maxX) × [minY, maxY)
    // (koło przy brzegu obrazu).
    void odbijObciete(std::uint8_t* bity, qsizetype bajtowNaWiersz, int minX, int minY, int maxX, int maxY, int x,
                      int y) const;
    // Liczba pikseli, które koło zmienia.
    int liczbaPikseli() const { return int(piksele_.size() + stale_.size()); }

private:
    friend class KsztaltKola;
    struct Piksel {
        std::int16_t dx;
        std::int16_t dy;
        std::uint32_t tablica;   // początek 4 x 256 bajtów w tablice_ (kanały od najmłodszego bajtu)
    };
    // Piksel, który koło zamalowuje całkowicie (wnętrze): ta sama wartość po
    // rysowaniu bez względu na to, co było pod spodem (w RGB32 poza alfą).
    struct PikselStaly {
        std::int16_t dx;
        std::int16_t dy;
        std::uint32_t wartosc;
    };
    int zasieg_ = 0;   // zmieniane piksele leżą w kwadracie środek ± zasieg_
    std::uint32_t maskaZachowana_ = 0;   // bity piksela, których koło nie zmienia (alfa w RGB32)
    std::vector<PikselStaly> stale_;
    std::vector<Piksel> piksele_;
    std::vector<std::uint8_t> tablice_;
};

// Jeden kształt koła (format obrazu, promień, pióro, pędzel) i jego pieczęcie.
class KsztaltKola {
public:
    // Kształt koła rysowanego przez KanwaEkranu::Kolo z wygładzaniem
    // (drawEllipse(QPointF(x + 0.5, y + 0.5), r, r)); nullptr, gdy takiego koła
    // nie odbija się nigdy (obraz inny niż RGB32 i ARGB32 z przemnożoną alfą,
    // pióro kropkowane, bardzo duży promień). Kształty są pamiętane w wątku.
    static KsztaltKola* dla(QImage::Format format, int r, const Pioro& pioro, const Pedzel& pedzel);
    // Czyści pamięć kształtów wątku (testy).
    static void wyczyscPamiec();
    // Zmienia się przy każdym czyszczeniu pamięci kształtów wątku: wskaźnik z dla()
    // jest ważny, dopóki pokolenie się nie zmieni.
    static std::uint64_t pokolenie();
    // Od ilu kół narysowanych w klasie położenia zdejmuje się jej pieczęć
    // (testy ustawiają 0: pieczęć od pierwszego koła).
    static void ustawProgZdjecia(std::uint32_t kol);

    // Koło o środku (x, y) z pieczęci jego klasy położenia; false, gdy trzeba je
    // narysować przez QPainter (granica klas, brzeg obrazu, pieczęć jeszcze nie
    // zdjęta albo nieudana).
    bool odbij(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x, int y);

    // Pieczęć klasy położenia punktu (x, y), zdejmowana od razu (testy); nullptr,
    // gdy koło w tym punkcie leży na granicy klas albo zdjęcie się nie udało.
    const PieczecKola* pieczecDla(int x, int y);
    // Ile klas i położeń na granicach klas dostało pieczęć innej klasy, a ile
    // sprawdzenie odrzuciło (testy).
    int pozyczonych() const;
    int odrzuconych() const;

private:
    static constexpr int kKlas = 14;   // współrzędne do 2^13 (w połówkach piksela do 2^14)
    // Od ilu kół w położeniu na granicy sprawdza się pieczęć sąsiedniej klasy
    // (sprawdzenie to trzy koła rysowane przez QPainter).
    static constexpr std::uint32_t kProgPozyczki = 4;
    struct Klasa {
        std::uint32_t rysowan = 0;
        bool zdjeta = false;   // próba zdjęcia już była (wlasna może być pusta)
        bool pozyczkaSprawdzona = false;
        std::unique_ptr<PieczecKola> wlasna;
        const PieczecKola* pieczec = nullptr;   // używana: własna albo pożyczona od innej klasy
    };

    // Położenie na granicy klas albo przy brzegu obrazu: w osi na granicy (przy
    // brzegu) liczy się dokładna współrzędna, w drugiej klasa; przy prawym i dolnym
    // brzegu także wymiar obrazu. Pieczęć pożyczona od innej klasy po sprawdzeniu.
    struct Granica {
        std::uint32_t rysowan = 0;
        bool sprawdzona = false;
        const PieczecKola* pieczec = nullptr;   // należy do klasy, od której pożyczona
        bool brzeg = false;
    };

    // Klasa położenia koła o środku v w jednej osi; -1 na granicy klas.
    int klasa(int v) const;
    // Klasy najbliższych położeń po obu stronach granicy (-1: brak).
    void sasiednieKlasy(int v, int& mniejsza, int& wieksza) const;
    // Koło na granicy klas albo przy brzegu obrazu.
    bool odbijWyjatkowo(std::uint8_t* bity, qsizetype bajtowNaWiersz, int szerokosc, int wysokosc, int x, int y,
                        int ex, int ey);
    // Sprawdzenie na trzech tłach; przy brzegu (szerokosc > 0) na obrazie tej wielkości.
    bool sprawdzPozyczona(const PieczecKola& p, int x, int y, int szerokosc, int wysokosc) const;
    // Pieczęć klasy najbliższej (ex, ey), która już ją ma (nullptr: żadna).
    const PieczecKola* najblizszaPieczec(int ex, int ey) const;
    bool sprawdzPozyczonaDlaKlasy(const PieczecKola& p, int ex, int ey, int szerokosc, int wysokosc) const;
    // Koło narysowane przez QPainter i pieczęcią w (x, y) na tle z szumu. Gdy
    // szerokosc > 0, na obrazie dokładnie szerokosc × wysokosc (koło przy brzegu).
    bool zgodnaWPunkcie(const PieczecKola& s, int x, int y, std::uint32_t& los, int szerokosc = 0,
                        int wysokosc = 0) const;
    // Najmniejszy środek w klasie e (-1: żaden nie mieści kwadratu pieczęci w obrazie).
    int srodekKlasy(int e) const;
    std::unique_ptr<PieczecKola> zdejmij(int ex, int ey) const;
    bool sprawdz(const PieczecKola& p, int ex, int ey) const;

    QImage::Format format_ = QImage::Format_Invalid;
    int r_ = 0;
    Pioro pioro_;
    Pedzel pedzel_;
    int polowa_ = 0;   // połowa boku kwadratu, w którym koło może zmienić piksele
    int zasiegLiczb_ = 0;   // promień + pół pióra + pół piksela zapasu, w połówkach piksela
    std::array<std::array<Klasa, kKlas>, kKlas> klasy_{};
    std::unordered_map<std::uint64_t, Granica> granice_;
    std::uint32_t rysowanKsztaltu_ = 0;   // kół narysowanych przez QPainter, zanim była pierwsza pieczęć
    bool jestWlasna_ = false;
    int pozyczonych_ = 0;
    int odrzuconych_ = 0;

    friend struct WpisKsztaltu;
};

} // namespace tks
