// Odczyt pliku sieci. Plik czyta się blokami do jednego bufora, który zostaje w
// pamięci podręcznej: każdy blok jest odszyfrowywany słowami po 8 bajtów i od razu
// rozkładany na rekordy (rekordy mają stałe rozmiary, pola są pod stałymi
// przesunięciami). Indeks nazw, gdy jest potrzebny, liczy drugi wątek, gdy tylko
// rekordy stacji są wczytane - równolegle z resztą pliku.

#include "IndeksNazw.h"
#include "PlikSieci.h"

#include "common/BledyPlikow.h"
#include "common/ObrazTabeli.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>

namespace tks {
namespace {

// ---------------------------------------------------------------- szyfrowanie

// Strumień klucza: bajt na pozycji i (od 0) to ((i + 1) mod okres) + przesunięcie.
// Okno 8 okresów (wielokrotność 8 bajtów i okresu) zapisane dwa razy, żeby od
// każdego przesunięcia w okresie było w tablicy całe okno.
struct StrumienKlucza {
    static constexpr int kOkno = kOkresKlucza * 8;
    std::array<unsigned char, 2 * kOkno> bajty{};
    StrumienKlucza()
    {
        for (int i = 0; i < 2 * kOkno; ++i)
            bajty[std::size_t(i)] = static_cast<unsigned char>(((i + 1) % kOkresKlucza) + kPrzesuniecieKlucza);
    }
};

// Szyfruje albo odszyfrowuje `n` bajtów, z których pierwszy leży w pliku na pozycji `pozycja` (od 0).
void przeksztalcKluczemOd(char* dane, qsizetype n, qint64 pozycja)
{
    static const StrumienKlucza strumien;
    const unsigned char* k = strumien.bajty.data() + std::size_t(pozycja % kOkresKlucza);
    constexpr qsizetype okno = StrumienKlucza::kOkno;
    qsizetype i = 0;
    for (; i + okno <= n; i += okno) {
        char* p = dane + i;
        for (qsizetype j = 0; j < okno; j += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, p + j, 8);
            std::memcpy(&b, k + j, 8);
            a ^= b;
            std::memcpy(p + j, &a, 8);
        }
    }
    for (qsizetype j = 0; i < n; ++i, ++j)
        dane[i] = char(static_cast<unsigned char>(dane[i]) ^ k[j]);
}

// ---------------------------------------------------------------- źródła bajtów

// Błąd odczytu: opis tego, co jest nie tak.
struct BladOdczytu {
    QString opis;
};

// Plik zmienił się w trakcie odczytu (jest krótszy albo dłuższy niż przy otwarciu)
// albo odczyt się nie udał: czyta się go wtedy od nowa w całości.
struct PlikZmienilSie {};

// Treść w pamięci, już odszyfrowana.
class ZrodloPamieci {
public:
    ZrodloPamieci(const char* dane, qsizetype rozmiar) : p_(dane), n_(rozmiar) {}
    qsizetype pozostalo() const { return n_ - poz_; }
    // `k` kolejnych bajtów (przesuwa pozycję); wołający sprawdza wcześniej, że są.
    const char* wez(qsizetype k)
    {
        const char* r = p_ + poz_;
        poz_ += k;
        return r;
    }
    // Podgląd `k` kolejnych bajtów bez przesuwania pozycji.
    const char* okno(qsizetype) const { return p_ + poz_; }
    void koniecDanych() const {}

private:
    const char* p_;
    qsizetype n_;
    qsizetype poz_ = 0;
};

// Plik czytany blokami do jednego bufora i odszyfrowywany blok po bloku.
class ZrodloPliku {
public:
    static constexpr qsizetype kBlok = 256 * 1024;

    ZrodloPliku(QFile& f, qint64 rozmiar) : f_(f), rozmiar_(rozmiar) { bufor_.resize(std::size_t(kBlok)); }
    qsizetype pozostalo() const { return qsizetype(rozmiar_ - (pozBufora_ + od_)); }
    const char* wez(qsizetype k)
    {
        if (do_ - od_ < k)
            doczytaj(k);
        const char* r = bufor_.data() + od_;
        od_ += k;
        return r;
    }
    const char* okno(qsizetype k)
    {
        if (do_ - od_ < k)
            doczytaj(k);
        return bufor_.data() + od_;
    }
    // Po ostatniej pozycji: plik nie może mieć więcej bajtów niż przy otwarciu.
    void koniecDanych()
    {
        char c;
        if (f_.read(&c, 1) != 0)
            throw PlikZmienilSie{};
    }

private:
    // Bufor ma mieć co najmniej `k` nieprzeczytanych bajtów (wołający sprawdził, że plik je ma).
    void doczytaj(qsizetype k)
    {
        const qsizetype zostalo = do_ - od_;
        std::memmove(bufor_.data(), bufor_.data() + od_, std::size_t(zostalo));
        pozBufora_ += od_;
        od_ = 0;
        do_ = zostalo;
        const qsizetype chce = std::max(k, kBlok);
        if (qsizetype(bufor_.size()) < chce)
            bufor_.resize(std::size_t(chce));
        // Czyta się pełny bufor, ale nie dalej niż do końca pliku z chwili otwarcia.
        const qsizetype ile = qsizetype(std::min<qint64>(qint64(bufor_.size()) - do_, rozmiar_ - (pozBufora_ + do_)));
        qsizetype przeczytane = 0;
        while (przeczytane < ile) {
            const qint64 r = f_.read(bufor_.data() + do_ + przeczytane, ile - przeczytane);
            if (r <= 0)
                throw PlikZmienilSie{};
            przeczytane += qsizetype(r);
        }
        przeksztalcKluczemOd(bufor_.data() + do_, przeczytane, pozBufora_ + do_);
        do_ += przeczytane;
        if (do_ < k)
            throw PlikZmienilSie{};
    }

    QFile& f_;
    qint64 rozmiar_;
    std::vector<char> bufor_;
    qint64 pozBufora_ = 0;   // pozycja w pliku pierwszego bajtu bufora
    qsizetype od_ = 0;       // pierwszy nieprzeczytany bajt bufora
    qsizetype do_ = 0;       // koniec wczytanej części bufora
};

// ---------------------------------------------------------------- rekordy

// Pola rekordu kolejno od wskaźnika (rekord jest już w całości w buforze).
class Rekord {
public:
    explicit Rekord(const char* p) : p_(p) {}
    template <typename T>
    void pole(T& v)
    {
        std::memcpy(&v, p_, sizeof(T));   // platformy docelowe są little-endian
        p_ += sizeof(T);
    }
    // Napis: bajt długości i N znaków; false, gdy długość przekracza pojemność.
    template <int N>
    bool napis(NapisStaly<N>& n)
    {
        n.dl = std::uint8_t(*p_);
        std::memcpy(n.znaki, p_ + 1, N);
        p_ += 1 + N;
        return n.dl <= N;
    }
    void bajty(void* cel, std::size_t n)
    {
        std::memcpy(cel, p_, n);
        p_ += n;
    }

private:
    const char* p_;
};

bool czytajStacje(Rekord r, TStacja& s)
{
    r.pole(s.Xkm);
    r.pole(s.Ykm);
    r.pole(s.IdObEksp);
    if (!r.napis(s.OznaczenieStacji) || !r.napis(s.NazwaStacji))
        return false;
    r.pole(s.OdlMin);
    r.pole(s.OdcPop);
    r.pole(s.StPop);
    r.pole(s.Widocznosc);
    r.pole(s.LOdcinkow);
    r.pole(s.Wybieralna);
    r.pole(s.Stawka);
    return true;
}

bool czytajOdcinek(Rekord r, TOdcinek& o)
{
    r.pole(o.Lp);
    r.pole(o.LpStA);
    r.pole(o.LpStB);
    r.pole(o.IdObA);
    r.pole(o.IdObB);
    r.pole(o.Odleglosc);
    r.pole(o.XA);
    r.pole(o.XB);
    r.pole(o.YA);
    r.pole(o.YB);
    r.pole(o.MetrOsiA);
    r.pole(o.MetrOsiB);
    r.pole(o.NrLinii);
    r.pole(o.Znacznik);
    r.pole(o.Cechy);
    r.pole(o.VP1);
    r.pole(o.VP2);
    r.pole(o.VT1);
    r.pole(o.VT2);
    r.pole(o.VOgr1);
    r.pole(o.VOgr2);
    if (!r.napis(o.OznFK))
        return false;
    r.pole(o.KodZarzadu);
    r.pole(o.Rezerwa);
    r.pole(o.IdWojewodztwa);
    r.pole(o.Klasa);
    return true;
}

bool czytajRodzaj(Rekord r, TRodzajStawki& k)
{
    if (!r.napis(k.Nazwa))
        return false;
    r.bajty(k.Rezerwa, 8);
    if (!r.napis(k.NazwaPolaWBazie))
        return false;
    r.pole(k.LZakrBr);
    return true;
}

bool czytajPodzial(Rekord r, TPodzial& p)
{
    r.pole(p.Kolor);
    r.pole(p.KolorDomyslny);
    if (!r.napis(p.Nazwa))
        return false;
    r.pole(p.LPunktow);
    return true;
}

bool maKolumny(const QVector<DefinicjaKolumny>& kolumny, const Tabela& wzor)
{
    for (const auto& k : wzor.kolumny()) {
        const auto jest = std::find_if(kolumny.begin(), kolumny.end(), [&](const DefinicjaKolumny& c) {
            return c.nazwa.compare(k.nazwa, Qt::CaseInsensitive) == 0;
        });
        if (jest == kolumny.end() || jest->typ != k.typ)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- odczyt modelu

template <class Zrodlo>
class Odczyt {
public:
    explicit Odczyt(Zrodlo& z) : z_(z) {}

    // Liczba rekordów o podanym rozmiarze; sprawdzana względem bajtów, które zostały.
    std::int32_t licznik(const QString& co, qsizetype rozmiarRekordu)
    {
        if (z_.pozostalo() < 4)
            throw BladOdczytu{QStringLiteral("plik kończy się przed liczbą %1").arg(co)};
        std::int32_t n = 0;
        Rekord(z_.wez(4)).pole(n);
        if (n < 0)
            throw BladOdczytu{QStringLiteral("ujemna liczba %1 (%2)").arg(co).arg(n)};
        wymagaj(co, n, rozmiarRekordu);
        return n;
    }
    // Sprawdza, czy `n` rekordów po `rozmiar` bajtów mieści się w tym, co zostało.
    void wymagaj(const QString& co, qint64 n, qint64 rozmiar) const
    {
        if (!miesci(n, rozmiar))
            throw BladOdczytu{QStringLiteral("za mało danych na %1: zapisano %2 pozycji po %3 B, a w pliku zostało %4 B")
                                  .arg(co).arg(n).arg(rozmiar).arg(z_.pozostalo())};
    }
    // To samo z opisem składanym dopiero przy błędzie (sprawdzenia w pętlach po stacjach).
    template <class Opis>
    void wymagajLeniwie(Opis opis, qint64 n, qint64 rozmiar) const
    {
        if (!miesci(n, rozmiar))
            wymagaj(opis(), n, rozmiar);
    }
    bool miesci(qint64 n, qint64 rozmiar) const { return n >= 0 && (rozmiar <= 0 || n <= z_.pozostalo() / rozmiar); }

    // Obraz tabeli słownikowej. Obraz zaczyna się magią i swoją długością; funkcje
    // obrazu porównują tę długość z dostępnymi bajtami, więc wystarczy im sam obraz
    // (albo początek, gdy obraz jest dłuższy niż to, co zostało w pliku).
    void tabela(Tabela& t)
    {
        const Tabela wzor = t;
        const qsizetype zostalo = z_.pozostalo();
        qsizetype dostepne = std::min<qsizetype>(zostalo, 8);
        const char* p = z_.okno(dostepne);
        if (dostepne == 8) {
            std::uint32_t dlugosc = 0;
            std::memcpy(&dlugosc, p + 4, 4);
            if (qsizetype(dlugosc) <= zostalo && dlugosc > 8) {
                dostepne = qsizetype(dlugosc);
                p = z_.okno(dostepne);
            }
        }
        QString b;
        // oczekiwane kolumny przed wierszami: obraz innej tabeli nie kosztuje czytania wierszy
        const auto kolumny = kolumnyObrazuTabeli(p, dostepne, b);
        if (!kolumny)
            throw BladOdczytu{QStringLiteral("tabela %1: %2").arg(wzor.nazwa(), b)};
        if (!maKolumny(*kolumny, wzor))
            throw BladOdczytu{QStringLiteral("tabela %1 nie ma oczekiwanych kolumn").arg(wzor.nazwa())};
        qsizetype zuzyte = 0;
        auto obraz = Tabela::zObrazu(p, dostepne, zuzyte, b);
        if (!obraz)
            throw BladOdczytu{QStringLiteral("tabela %1: %2").arg(wzor.nazwa(), b)};
        t = std::move(*obraz);
        z_.wez(zuzyte);
    }

    void podzialy(const QString& co, std::vector<TPodzial>& tab, std::vector<TKontur>& kontury)
    {
        const auto n = licznik(co, kRozmiarPodzialu);
        tab.assign(std::size_t(n), TPodzial{});
        for (auto& p : tab)
            if (!czytajPodzial(Rekord(z_.wez(kRozmiarPodzialu)), p))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord: %1").arg(co)};
        kontury.assign(std::size_t(n), TKontur{});
        for (std::size_t i = 0; i < tab.size(); ++i) {
            if (tab[i].LPunktow < 0)
                throw BladOdczytu{QStringLiteral("ujemna liczba punktów konturu (%1, pozycja %2)").arg(co).arg(i)};
            wymagajLeniwie([&] { return QStringLiteral("punkty konturu (%1, pozycja %2)").arg(co).arg(i); },
                           tab[i].LPunktow, 16);
            kontury[i].resize(std::size_t(tab[i].LPunktow));
            for (auto& p : kontury[i]) {
                Rekord r(z_.wez(16));
                r.pole(p.x);
                r.pole(p.y);
            }
        }
    }

    // Wartości tablicy wprost z kolejnych bajtów (po `ile` bajtów na raz, żeby nie
    // żądać od źródła więcej niż bufor).
    template <typename T>
    void tablica(T* cel, std::size_t n)
    {
        constexpr std::size_t naRaz = std::size_t(ZrodloPliku::kBlok) / sizeof(T);
        while (n > 0) {
            const std::size_t k = std::min(n, naRaz);
            std::memcpy(cel, z_.wez(qsizetype(k * sizeof(T))), k * sizeof(T));
            cel += k;
            n -= k;
        }
    }

    // Cały model. `poStacjach()` jest wołane, gdy rekordy stacji są już w `s.Stacje`
    // (wektor nie zmienia potem położenia).
    template <class PoStacjach>
    void siec(Siec& s, PoStacjach poStacjach)
    {
        if (z_.pozostalo() == 0)
            throw BladOdczytu{QStringLiteral("plik jest pusty")};
        tabela(s.ZakresyBr);
        tabela(s.RodzajeStawekTab);

        const auto m = licznik(QStringLiteral("zarządców"), kRozmiarZarzadcy);
        s.Zarzadcy.assign(std::size_t(m), {});
        for (auto& z : s.Zarzadcy)
            if (!Rekord(z_.wez(kRozmiarZarzadcy)).napis(z))
                throw BladOdczytu{QStringLiteral("uszkodzona nazwa zarządcy")};

        const auto r = licznik(QStringLiteral("rodzajów stawek"), kRozmiarRodzajuStawki);
        s.RodzajeStawek.assign(std::size_t(r), {});
        std::vector<int> przedzialy;
        for (auto& k : s.RodzajeStawek) {
            if (!czytajRodzaj(Rekord(z_.wez(kRozmiarRodzajuStawki)), k))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord rodzaju stawki")};
            if (k.LZakrBr < 0 || k.LZakrBr > std::numeric_limits<std::int16_t>::max())
                throw BladOdczytu{QStringLiteral("niedopuszczalna liczba przedziałów masy brutto (%1)").arg(k.LZakrBr)};
            przedzialy.push_back(k.LZakrBr);
        }

        const auto p = licznik(QStringLiteral("punktów konturu kraju"), kRozmiarPunktuKonturuPolski);
        s.KonturPolski.assign(std::size_t(p), {});
        for (auto& pk : s.KonturPolski) {
            Rekord rk(z_.wez(kRozmiarPunktuKonturuPolski));
            rk.pole(pk.x);
            rk.pole(pk.y);
            rk.pole(pk.LpGrupy);
        }

        podzialy(QStringLiteral("zakładów"), s.Zaklady, s.KonturyZakladow);
        podzialy(QStringLiteral("województw"), s.Wojewodztwa, s.KonturyWojewodztw);

        // Stacje: rekordy wprost do wektora zarezerwowanego raz.
        const auto ns = licznik(QStringLiteral("stacji"), kRozmiarStacji);
        s.Stacje.reserve(std::size_t(ns));
        for (std::int32_t i = 0; i < ns; ++i)
            if (!czytajStacje(Rekord(z_.wez(kRozmiarStacji)), s.Stacje.emplace_back()))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord stacji")};
        poStacjach();
        // Odcinki stacji; najmniejszy i największy numer odcinka do sprawdzenia odwołań.
        s.OdcinkiStacji.reserve(std::size_t(ns));
        std::int32_t minOdc = 0, maxOdc = -1;
        for (std::size_t i = 0; i < s.Stacje.size(); ++i) {
            const int l = s.Stacje[i].LOdcinkow;
            if (l < 0)
                throw BladOdczytu{QStringLiteral("stacja %1 ma ujemną liczbę odcinków").arg(i)};
            wymagajLeniwie([&] { return QStringLiteral("odcinki stacji %1").arg(i); }, l, 4);
            auto& lista = s.OdcinkiStacji.emplace_back(std::size_t(l));
            if (l > 0) {
                std::memcpy(lista.data(), z_.wez(qsizetype(l) * 4), std::size_t(l) * 4);
                for (const auto e : lista) {
                    minOdc = std::min(minOdc, e);
                    maxOdc = std::max(maxOdc, e);
                }
            }
        }

        // Odcinki; pierwszy z błędnym odwołaniem albo długością zapamiętany do
        // zgłoszenia po odczycie całego pliku (błędy odczytu idą przed nim).
        const auto no = licznik(QStringLiteral("odcinków"), kRozmiarOdcinka);
        s.Odcinki.reserve(std::size_t(no));
        std::int64_t zlyOdcinek = -1;
        for (std::int32_t i = 0; i < no; ++i) {
            TOdcinek& od = s.Odcinki.emplace_back();
            if (!czytajOdcinek(Rekord(z_.wez(kRozmiarOdcinka)), od))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord odcinka")};
            if (zlyOdcinek < 0
                && (od.LpStA < 0 || od.LpStA >= ns || od.LpStB < 0 || od.LpStB >= ns || od.Odleglosc < 0
                    || od.Odleglosc > kMaxDlugoscOdcinka))
                zlyOdcinek = i;
        }
        qint64 szer = 0;
        for (int l : przedzialy)
            szer += l;
        if (no > 0)
            wymagaj(QStringLiteral("stawki odcinków"), szer * no, 2);
        s.Stawki.przygotuj(std::size_t(no), przedzialy);
        tablica(s.Stawki.surowe().data(), s.Stawki.surowe().size());

        const auto h = licznik(QStringLiteral("świąt"), 8);
        s.Swieta.resize(std::size_t(h));
        tablica(s.Swieta.data(), s.Swieta.size());

        if (z_.pozostalo() != 0)
            throw BladOdczytu{QStringLiteral("za ostatnią pozycją zostało %1 B nadmiarowych danych").arg(z_.pozostalo())};
        z_.koniecDanych();

        // Odwołania między tablicami muszą wskazywać istniejące pozycje.
        if (minOdc < 0 || maxOdc >= no)
            for (std::size_t i = 0; i < s.Stacje.size(); ++i)
                for (auto e : s.OdcinkiStacji[i])
                    if (e < 0 || e >= no)
                        throw BladOdczytu{QStringLiteral("stacja %1 wskazuje nieistniejący odcinek %2").arg(i).arg(e)};
        if (zlyOdcinek >= 0) {
            const auto i = std::size_t(zlyOdcinek);
            const auto& od = s.Odcinki[i];
            if (od.LpStA < 0 || od.LpStA >= ns || od.LpStB < 0 || od.LpStB >= ns)
                throw BladOdczytu{QStringLiteral("odcinek %1 wskazuje nieistniejącą stację").arg(i)};
            throw BladOdczytu{QStringLiteral("odcinek %1 ma długość %2 m (dopuszczalna 0..%3 m)")
                                  .arg(i).arg(od.Odleglosc).arg(kMaxDlugoscOdcinka)};
        }
    }

private:
    Zrodlo& z_;
};

// Indeks nazw w drugim wątku. Wątek rusza razem z odczytem: najpierw przygotowuje
// to, co indeks potrzebuje raz na proces (tablicę wag znaków), potem czeka na rekordy
// stacji i liczy indeks, gdy wątek główny czyta resztę pliku. Gdy wątku nie da się
// uruchomić albo liczenie w nim się nie uda, indeks liczy się po odczycie.
class IndeksWTle {
public:
    IndeksWTle() = default;
    IndeksWTle(const IndeksWTle&) = delete;
    IndeksWTle& operator=(const IndeksWTle&) = delete;
    ~IndeksWTle() { zakoncz(); }

    void uruchom()
    {
        try {
            watek_ = std::thread([this] {
                try {
                    przygotujIndeksNazw();
                    std::unique_lock<std::mutex> l(m_);
                    cv_.wait(l, [this] { return stacje_ != nullptr || koniec_; });
                    if (!stacje_)
                        return;
                    const std::vector<TStacja>& st = *stacje_;
                    l.unlock();
                    wynik_ = indeksNazw(st, SposobIndeksuNazw::Najszybszy, false);
                    gotowy_ = true;
                } catch (...) {
                    gotowy_ = false;
                }
            });
        } catch (const std::system_error&) {
        }
    }
    // Rekordy stacji są wczytane (wektor nie zmienia już położenia ani zawartości).
    void stacjeWczytane(const std::vector<TStacja>& stacje)
    {
        {
            std::lock_guard<std::mutex> l(m_);
            stacje_ = &stacje;
        }
        cv_.notify_one();
    }
    std::vector<std::int32_t> wynik(const std::vector<TStacja>& stacje)
    {
        zakoncz();
        if (gotowy_)
            return std::move(wynik_);
        return indeksNazw(stacje);
    }

private:
    void zakoncz()
    {
        if (!watek_.joinable())
            return;
        {
            std::lock_guard<std::mutex> l(m_);
            koniec_ = true;
        }
        cv_.notify_one();
        watek_.join();
    }

    std::thread watek_;
    std::mutex m_;
    std::condition_variable cv_;
    const std::vector<TStacja>* stacje_ = nullptr;
    bool koniec_ = false;
    std::vector<std::int32_t> wynik_;
    bool gotowy_ = false;
};

// Cały plik do pamięci jednym odczytem (pliki, których rozmiaru nie widać z góry,
// i pliki zmienione w trakcie odczytu blokami).
bool czytajCalosc(QFile& f, QByteArray& b)
{
    const qint64 rozmiar = f.size();
    if (rozmiar > 0 && rozmiar < std::numeric_limits<qsizetype>::max() / 2) {
        b.resize(qsizetype(rozmiar));
        qint64 przeczytane = 0;
        while (przeczytane < rozmiar) {
            const qint64 r = f.read(b.data() + przeczytane, rozmiar - przeczytane);
            if (r <= 0)
                break;
            przeczytane += r;
        }
        b.truncate(qsizetype(przeczytane));
        // Plik, który w międzyczasie urósł, czyta się do końca.
        if (przeczytane == rozmiar && f.error() == QFileDevice::NoError)
            b += f.readAll();
    } else {
        b = f.readAll();
    }
    return f.error() == QFileDevice::NoError;
}

bool wczytaj(Siec& s, const QString& sciezka, QString& blad, bool pochodne, Interakcja* interakcja)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        blad = QStringLiteral("Nie można otworzyć pliku sieci \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
        return false;
    }
    const auto uszkodzony = [&](const QString& opis) {
        blad = QStringLiteral("Plik sieci \"%1\" jest uszkodzony: %2.").arg(sciezka, opis);
        return false;
    };
    const qint64 rozmiar = f.isSequential() ? 0 : f.size();
    if (rozmiar > 0) {
        Siec nowa;
        IndeksWTle indeks;
        try {
            // Drugi wątek tylko przy dużej sieci (plik na co najmniej tyle rekordów
            // stacji): przy małej indeks po odczycie kosztuje mniej niż wątek.
            const bool wTle = pochodne && rozmiar / kRozmiarStacji >= kStacjiNaDwaWatki;
            if (wTle)
                indeks.uruchom();
            ZrodloPliku z(f, rozmiar);
            Odczyt<ZrodloPliku>(z).siec(nowa, [&] {
                if (wTle)
                    indeks.stacjeWczytane(nowa.Stacje);
            });
            if (pochodne) {
                nowa.StacjeWgNazwy = indeks.wynik(nowa.Stacje);
                nowa.SrodekDomyslny = obliczSrodekDomyslny(nowa.KonturPolski);
            }
            s = std::move(nowa);
            return true;
        } catch (const BladOdczytu& b) {
            return uszkodzony(b.opis);
        } catch (const PlikZmienilSie&) {
            // od nowa, całość naraz
        }
        if (!f.seek(0)) {
            blad = QStringLiteral("Błąd odczytu pliku sieci \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
            return false;
        }
    }
    QByteArray b;
    if (!czytajCalosc(f, b)) {
        blad = QStringLiteral("Błąd odczytu pliku sieci \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
        return false;
    }
    przeksztalcKluczem(b);
    QString opis;
    auto nowa = czytajZawartoscSieci(b, opis);
    if (!nowa)
        return uszkodzony(opis);
    if (pochodne)
        budujWartosciPochodne(*nowa, interakcja);
    s = std::move(*nowa);
    return true;
}

} // namespace

void przeksztalcKluczem(QByteArray& dane)
{
    przeksztalcKluczemOd(dane.data(), dane.size(), 0);
}

std::optional<Siec> czytajZawartoscSieci(const QByteArray& jawna, QString& blad)
{
    Siec s;
    try {
        ZrodloPamieci z(jawna.constData(), jawna.size());
        Odczyt<ZrodloPamieci>(z).siec(s, [] {});
    } catch (const BladOdczytu& b) {
        blad = b.opis;
        return std::nullopt;
    }
    return s;
}

bool WczytajLinieZPliku(Siec& s, const QString& sciezka, QString& blad)
{
    return wczytaj(s, sciezka, blad, false, nullptr);
}

bool WczytajSiecZWartosciamiPochodnymi(Siec& s, const QString& sciezka, QString& blad, Interakcja* interakcja)
{
    return wczytaj(s, sciezka, blad, true, interakcja);
}

} // namespace tks
