#pragma once
// Model sieci kolejowej w pamięci: płaskie tablice rekordów indeksowane pozycją.
// Wyszukiwanie i symulacja czasu jazdy czytają je bezpośrednio.

#include "NapisStaly.h"
#include "common/Tabela.h"

#include <QCollator>
#include <QString>
#include <cstdint>
#include <vector>

namespace tks {

// Wartości etykiet wyszukiwania.
inline constexpr double kNieosiagnieta = 1e100;
inline constexpr double kProgWejscia = 1e110;
inline constexpr double kWykluczona = 1e150;
// Najdłuższy odcinek, jaki przyjmuje odczyt sieci (m). Dłuższy albo ujemny to
// uszkodzone dane: ujemna długość dałaby w wyszukiwaniu cykl bez końca, a
// absurdalna - profil prędkości na miliardy metrów.
inline constexpr std::int32_t kMaxDlugoscOdcinka = 1000000;

// Bity atrybutów odcinka (`Cechy`); te same wartości ma maska ograniczeń.
namespace cechy {
inline constexpr std::uint16_t ZawRuchCalk = 0x0001;
inline constexpr std::uint16_t ZawRuchTow = 0x0002;
inline constexpr std::uint16_t ZawRuchPas = 0x0004;
inline constexpr std::uint16_t NieWskazanyRuchTow = 0x0008;
inline constexpr std::uint16_t NieWskazanyRuchPas = 0x0010;
inline constexpr std::uint16_t ObcyZarzad = 0x0020;
inline constexpr std::uint16_t Nieczynna = 0x0040;
inline constexpr std::uint16_t BrakSieci = 0x0080;
inline constexpr std::uint16_t Szerokotorowa = 0x0100;
inline constexpr std::uint16_t Normalnotorowa = 0x0200;
inline constexpr std::uint16_t DopasujDoRodzaju = 0x0800;
inline constexpr std::uint16_t Zabroniony = 0x1000;
inline constexpr std::uint16_t DoPominiecia = 0x2000;
} // namespace cechy

struct TPunkt {
    double x = 0;
    double y = 0;
};

// Stacja (punkt eksploatacyjny), w pliku 138 bajtów.
struct TStacja {
    double Xkm = 0;
    double Ykm = 0;
    std::int32_t IdObEksp = 0;
    NapisStaly<5> OznaczenieStacji;
    NapisStaly<80> NazwaStacji;
    double OdlMin = kNieosiagnieta;
    std::int32_t OdcPop = -1;
    std::int32_t StPop = -1;
    std::int32_t Widocznosc = 0;
    std::int16_t LOdcinkow = 0;
    std::uint8_t Wybieralna = 1;
    double Stawka = 0;
};

// Odcinek między dwiema sąsiednimi stacjami, w pliku 83 bajty.
struct TOdcinek {
    std::int32_t Lp = 0;
    std::int32_t LpStA = 0;
    std::int32_t LpStB = 0;
    std::int32_t IdObA = 0;
    std::int32_t IdObB = 0;
    std::int32_t Odleglosc = 0;
    double XA = 0;
    double XB = 0;
    double YA = 0;
    double YB = 0;
    std::int32_t MetrOsiA = 0;
    std::int32_t MetrOsiB = 0;
    std::int16_t NrLinii = 0;
    std::uint8_t Znacznik = 0;
    std::uint16_t Cechy = 0;
    std::uint8_t VP1 = 0;
    std::uint8_t VP2 = 0;
    std::uint8_t VT1 = 0;
    std::uint8_t VT2 = 0;
    std::uint8_t VOgr1 = 0;
    std::uint8_t VOgr2 = 0;
    NapisStaly<2> OznFK;
    std::uint8_t KodZarzadu = 0;
    std::uint8_t Rezerwa = 0;
    std::int16_t IdWojewodztwa = 0;
    std::uint8_t Klasa = 0;
};

// Rodzaj stawki, w pliku 49 bajtów.
struct TRodzajStawki {
    NapisStaly<30> Nazwa;
    std::uint8_t Rezerwa[8] = {};
    NapisStaly<5> NazwaPolaWBazie;
    std::int32_t LZakrBr = 0;
};

// Zakład (jednostka regionalna) albo województwo, w pliku 63 bajty.
struct TPodzial {
    std::int32_t Kolor = 0;
    std::int32_t KolorDomyslny = 0;
    NapisStaly<50> Nazwa;
    std::int32_t LPunktow = 0;
};

using TKontur = std::vector<TPunkt>;

// Punkt konturu kraju, w pliku 20 bajtów.
struct TPunktKonturuPolski {
    double x = 0;
    double y = 0;
    std::int32_t LpGrupy = 0;
};

// Rozmiary rekordów w pliku sieci.
inline constexpr int kRozmiarStacji = 138;
inline constexpr int kRozmiarOdcinka = 83;
inline constexpr int kRozmiarRodzajuStawki = 49;
inline constexpr int kRozmiarPodzialu = 63;
inline constexpr int kRozmiarPunktuKonturuPolski = 20;
inline constexpr int kRozmiarZarzadcy = 151;

// Stawki odcinków: dla każdego odcinka, rodzaju stawki i przedziału masy
// brutto tysięczne części złotego za pociągokilometr. Trzymane w jednej
// płaskiej tablicy; wiersz odcinka ma `szerokosc()` pozycji.
class StawkiOdcinkow {
public:
    // Ustala układ dla podanej liczby odcinków i liczby przedziałów każdego rodzaju; zeruje stawki.
    void przygotuj(std::size_t odcinkow, const std::vector<int>& przedzialyRodzajow);
    std::uint16_t stawka(std::size_t odcinek, int rodzaj, int przedzial) const
    {
        if (rodzaj < 0 || std::size_t(rodzaj) >= liczby_.size() || przedzial < 0 || przedzial >= liczby_[rodzaj])
            return 0;
        return wartosci_[odcinek * szerokosc_ + std::size_t(poczatki_[rodzaj] + przedzial)];
    }
    void ustaw(std::size_t odcinek, int rodzaj, int przedzial, std::uint16_t v)
    {
        wartosci_[odcinek * szerokosc_ + std::size_t(poczatki_[rodzaj] + przedzial)] = v;
    }
    int liczbaRodzajow() const { return int(liczby_.size()); }
    int liczbaPrzedzialow(int rodzaj) const { return liczby_[rodzaj]; }
    std::size_t szerokosc() const { return szerokosc_; }
    std::size_t liczbaOdcinkow() const { return szerokosc_ ? wartosci_.size() / szerokosc_ : odcinkow_; }
    std::vector<std::uint16_t>& surowe() { return wartosci_; }
    const std::vector<std::uint16_t>& surowe() const { return wartosci_; }
    bool operator==(const StawkiOdcinkow& o) const = default;

private:
    std::vector<int> liczby_;
    std::vector<int> poczatki_;
    std::size_t szerokosc_ = 0;
    std::size_t odcinkow_ = 0;
    std::vector<std::uint16_t> wartosci_;
};

// Kolumny tabel słownikowych (przedziały masy brutto i rodzaje stawek).
Tabela nowaTabelaZakresowBr();
// Kolejny numer sieci w procesie (zob. Siec::Numer).
std::uint64_t nowyNumerSieci();
Tabela nowaTabelaRodzajowStawek();

struct Siec {
    Tabela ZakresyBr = nowaTabelaZakresowBr();
    Tabela RodzajeStawekTab = nowaTabelaRodzajowStawek();

    std::vector<NapisStaly<150>> Zarzadcy;
    std::vector<TRodzajStawki> RodzajeStawek;
    std::vector<TPunktKonturuPolski> KonturPolski;
    std::vector<TPodzial> Zaklady;
    std::vector<TKontur> KonturyZakladow;
    std::vector<TPodzial> Wojewodztwa;
    std::vector<TKontur> KonturyWojewodztw;
    std::vector<TStacja> Stacje;
    std::vector<std::vector<std::int32_t>> OdcinkiStacji;
    std::vector<TOdcinek> Odcinki;
    StawkiOdcinkow Stawki;
    std::vector<double> Swieta;

    // Wartości pochodne (budowane po wczytaniu).
    std::vector<std::int32_t> StacjeWgNazwy;
    TPunkt SrodekDomyslny;

    // Numer nadawany każdej nowo utworzonej sieci; kopia ma numer oryginału. Po
    // nim pamięć rysowania mapy poznaje, że na miejsce sieci wczytano inną
    // (wczytanie buduje nową sieć i przenosi ją na miejsce starej). Położenia i
    // widoczności stacji zmienia się tylko przy wczytaniu.
    std::uint64_t Numer = nowyNumerSieci();

    QString nazwaStacji(int i) const { return Stacje[std::size_t(i)].NazwaStacji.tekst(); }
    int liczbaStacji() const { return int(Stacje.size()); }
    int liczbaOdcinkow() const { return int(Odcinki.size()); }
};

class Interakcja;

// Najmniejszy zasięg widoku 1× od środka (metry płaszczyzny mapy): kraj wypełnia
// krótszy bok obszaru mapy, 670 km wysokości albo 670 km / 0,873 szerokości.
inline constexpr double kPolWysokosci1x = 670000.0 / 2;
inline constexpr double kPolSzerokosci1x = 670000.0 / 0.873 / 2;

// Domyślny środek mapy: średnia punktów konturu kraju, a gdy z niej widok 1×
// nie mieści całego konturu - środek prostokąta otaczającego kontur.
TPunkt obliczSrodekDomyslny(const std::vector<TPunktKonturuPolski>& kontur);
// Porządek nazw stacji na wszystkich listach alfabetycznych: polskie
// porządkowanie bez rozróżniania wielkości liter.
QCollator kolatorNazwStacji();
// Czy stacja `a` (klucz nazwy `kluczA` z kolatorNazwStacji) stoi na liście
// alfabetycznej przed stacją `b`: decyduje sama nazwa, a przy nazwach równych
// w tym porządku mniejszy indeks. "Kielce" stoi więc przed "Kielce Białogon".
bool stacjaPrzedWgNazwy(const QCollatorSortKey& kluczA, int a, const QCollatorSortKey& kluczB, int b);
// Indeks stacji według nazw (StacjeWgNazwy) w porządku stacjaPrzedWgNazwy.
void budujStacjeWgNazwy(Siec& s, Interakcja* interakcja);
// Obie wartości pochodne naraz.
void budujWartosciPochodne(Siec& s, Interakcja* interakcja);

} // namespace tks
