#include "PlikSieciWzorcowy.h"

#include "common/Bajty.h"
#include "common/BledyPlikow.h"
#include "common/ObrazTabeli.h"
#include "network/PlikSieci.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace tks::test {
namespace {

template <int N>
bool czytajNapis(CzytnikBajtow& r, NapisStaly<N>& n)
{
    return r.czytaj(n.dl) && n.dl <= N && r.czytajBajty(n.znaki, N);
}

bool czytajStacje(CzytnikBajtow& r, TStacja& s)
{
    return r.czytaj(s.Xkm) && r.czytaj(s.Ykm) && r.czytaj(s.IdObEksp) && czytajNapis(r, s.OznaczenieStacji)
        && czytajNapis(r, s.NazwaStacji) && r.czytaj(s.OdlMin) && r.czytaj(s.OdcPop) && r.czytaj(s.StPop)
        && r.czytaj(s.Widocznosc) && r.czytaj(s.LOdcinkow) && r.czytaj(s.Wybieralna) && r.czytaj(s.Stawka);
}

bool czytajOdcinek(CzytnikBajtow& r, TOdcinek& o)
{
    return r.czytaj(o.Lp) && r.czytaj(o.LpStA) && r.czytaj(o.LpStB) && r.czytaj(o.IdObA) && r.czytaj(o.IdObB)
        && r.czytaj(o.Odleglosc) && r.czytaj(o.XA) && r.czytaj(o.XB) && r.czytaj(o.YA) && r.czytaj(o.YB)
        && r.czytaj(o.MetrOsiA) && r.czytaj(o.MetrOsiB) && r.czytaj(o.NrLinii) && r.czytaj(o.Znacznik)
        && r.czytaj(o.Cechy) && r.czytaj(o.VP1) && r.czytaj(o.VP2) && r.czytaj(o.VT1) && r.czytaj(o.VT2)
        && r.czytaj(o.VOgr1) && r.czytaj(o.VOgr2) && czytajNapis(r, o.OznFK) && r.czytaj(o.KodZarzadu)
        && r.czytaj(o.Rezerwa) && r.czytaj(o.IdWojewodztwa) && r.czytaj(o.Klasa);
}

bool czytajRodzaj(CzytnikBajtow& r, TRodzajStawki& k)
{
    return czytajNapis(r, k.Nazwa) && r.czytajBajty(k.Rezerwa, 8) && czytajNapis(r, k.NazwaPolaWBazie)
        && r.czytaj(k.LZakrBr);
}

bool czytajPodzial(CzytnikBajtow& r, TPodzial& p)
{
    return r.czytaj(p.Kolor) && r.czytaj(p.KolorDomyslny) && czytajNapis(r, p.Nazwa) && r.czytaj(p.LPunktow);
}

// Błąd odczytu: opis tego, co jest nie tak.
struct BladOdczytu {
    QString opis;
};

class Odczyt {
public:
    explicit Odczyt(const QByteArray& b) : r_(b.constData(), b.size()) {}

    // Liczba rekordów o podanym rozmiarze; sprawdzana względem bajtów, które zostały.
    std::int32_t licznik(const QString& co, qsizetype rozmiarRekordu)
    {
        std::int32_t n = 0;
        if (!r_.czytaj(n))
            throw BladOdczytu{QStringLiteral("plik kończy się przed liczbą %1").arg(co)};
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
                                  .arg(co).arg(n).arg(rozmiar).arg(r_.pozostalo())};
    }
    // To samo z opisem składanym dopiero przy błędzie (sprawdzenia w pętlach po stacjach).
    template <class Opis>
    void wymagajLeniwie(Opis opis, qint64 n, qint64 rozmiar) const
    {
        if (!miesci(n, rozmiar))
            wymagaj(opis(), n, rozmiar);
    }
    bool miesci(qint64 n, qint64 rozmiar) const { return n >= 0 && (rozmiar <= 0 || n <= r_.pozostalo() / rozmiar); }
    CzytnikBajtow& r() { return r_; }

private:
    CzytnikBajtow r_;
};

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

void czytajPodzialy(Odczyt& o, const QString& co, std::vector<TPodzial>& tab, std::vector<TKontur>& kontury)
{
    const auto n = o.licznik(co, kRozmiarPodzialu);
    tab.assign(std::size_t(n), TPodzial{});
    for (auto& p : tab)
        if (!czytajPodzial(o.r(), p))
            throw BladOdczytu{QStringLiteral("uszkodzony rekord: %1").arg(co)};
    kontury.assign(std::size_t(n), TKontur{});
    for (std::size_t i = 0; i < tab.size(); ++i) {
        if (tab[i].LPunktow < 0)
            throw BladOdczytu{QStringLiteral("ujemna liczba punktów konturu (%1, pozycja %2)").arg(co).arg(i)};
        o.wymagajLeniwie([&] { return QStringLiteral("punkty konturu (%1, pozycja %2)").arg(co).arg(i); },
                         tab[i].LPunktow, 16);
        kontury[i].resize(std::size_t(tab[i].LPunktow));
        for (auto& p : kontury[i])
            o.r().czytaj(p.x), o.r().czytaj(p.y);
    }
}

} // namespace

void przeksztalcKluczemWzorcowo(QByteArray& dane)
{
    for (qsizetype i = 0; i < dane.size(); ++i)
        dane[i] = char(static_cast<unsigned char>(dane[i])
                       ^ static_cast<unsigned char>(((i + 1) % kOkresKlucza) + kPrzesuniecieKlucza));
}

std::optional<Siec> czytajZawartoscSieciWzorcowo(const QByteArray& jawna, QString& blad)
{
    Siec s;
    try {
        if (jawna.isEmpty())
            throw BladOdczytu{QStringLiteral("plik jest pusty")};
        qsizetype poz = 0;
        for (Tabela* t : {&s.ZakresyBr, &s.RodzajeStawekTab}) {
            const Tabela wzor = *t;
            qsizetype zuzyte = 0;
            QString b;
            // oczekiwane kolumny przed wierszami: obraz innej tabeli nie kosztuje czytania wierszy
            const auto kolumny = kolumnyObrazuTabeli(jawna.constData() + poz, jawna.size() - poz, b);
            if (!kolumny)
                throw BladOdczytu{QStringLiteral("tabela %1: %2").arg(wzor.nazwa(), b)};
            if (!maKolumny(*kolumny, wzor))
                throw BladOdczytu{QStringLiteral("tabela %1 nie ma oczekiwanych kolumn").arg(wzor.nazwa())};
            auto obraz = Tabela::zObrazu(jawna.constData() + poz, jawna.size() - poz, zuzyte, b);
            if (!obraz)
                throw BladOdczytu{QStringLiteral("tabela %1: %2").arg(wzor.nazwa(), b)};
            *t = std::move(*obraz);
            poz += zuzyte;
        }
        Odczyt o(jawna);
        o.r().pomin(poz);

        const auto m = o.licznik(QStringLiteral("zarządców"), kRozmiarZarzadcy);
        s.Zarzadcy.assign(std::size_t(m), {});
        for (auto& z : s.Zarzadcy)
            if (!czytajNapis(o.r(), z))
                throw BladOdczytu{QStringLiteral("uszkodzona nazwa zarządcy")};

        const auto r = o.licznik(QStringLiteral("rodzajów stawek"), kRozmiarRodzajuStawki);
        s.RodzajeStawek.assign(std::size_t(r), {});
        std::vector<int> przedzialy;
        for (auto& k : s.RodzajeStawek) {
            if (!czytajRodzaj(o.r(), k))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord rodzaju stawki")};
            if (k.LZakrBr < 0 || k.LZakrBr > std::numeric_limits<std::int16_t>::max())
                throw BladOdczytu{QStringLiteral("niedopuszczalna liczba przedziałów masy brutto (%1)").arg(k.LZakrBr)};
            przedzialy.push_back(k.LZakrBr);
        }

        const auto p = o.licznik(QStringLiteral("punktów konturu kraju"), kRozmiarPunktuKonturuPolski);
        s.KonturPolski.assign(std::size_t(p), {});
        for (auto& pk : s.KonturPolski)
            o.r().czytaj(pk.x), o.r().czytaj(pk.y), o.r().czytaj(pk.LpGrupy);

        czytajPodzialy(o, QStringLiteral("zakładów"), s.Zaklady, s.KonturyZakladow);
        czytajPodzialy(o, QStringLiteral("województw"), s.Wojewodztwa, s.KonturyWojewodztw);

        const auto ns = o.licznik(QStringLiteral("stacji"), kRozmiarStacji);
        s.Stacje.assign(std::size_t(ns), {});
        for (auto& st : s.Stacje)
            if (!czytajStacje(o.r(), st))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord stacji")};
        s.OdcinkiStacji.assign(std::size_t(ns), {});
        for (std::size_t i = 0; i < s.Stacje.size(); ++i) {
            const int l = s.Stacje[i].LOdcinkow;
            if (l < 0)
                throw BladOdczytu{QStringLiteral("stacja %1 ma ujemną liczbę odcinków").arg(i)};
            o.wymagajLeniwie([&] { return QStringLiteral("odcinki stacji %1").arg(i); }, l, 4);
            s.OdcinkiStacji[i].resize(std::size_t(l));
            for (auto& e : s.OdcinkiStacji[i])
                o.r().czytaj(e);
        }

        const auto no = o.licznik(QStringLiteral("odcinków"), kRozmiarOdcinka);
        s.Odcinki.assign(std::size_t(no), {});
        for (auto& od : s.Odcinki)
            if (!czytajOdcinek(o.r(), od))
                throw BladOdczytu{QStringLiteral("uszkodzony rekord odcinka")};
        qint64 szer = 0;
        for (int l : przedzialy)
            szer += l;
        if (no > 0)
            o.wymagaj(QStringLiteral("stawki odcinków"), szer * no, 2);
        s.Stawki.przygotuj(std::size_t(no), przedzialy);
        for (auto& v : s.Stawki.surowe())
            o.r().czytaj(v);

        const auto h = o.licznik(QStringLiteral("świąt"), 8);
        s.Swieta.assign(std::size_t(h), 0.0);
        for (auto& d : s.Swieta)
            o.r().czytaj(d);

        if (!o.r().koniec())
            throw BladOdczytu{QStringLiteral("za ostatnią pozycją zostało %1 B nadmiarowych danych").arg(o.r().pozostalo())};

        // Odwołania między tablicami muszą wskazywać istniejące pozycje.
        for (std::size_t i = 0; i < s.Stacje.size(); ++i)
            for (auto e : s.OdcinkiStacji[i])
                if (e < 0 || e >= no)
                    throw BladOdczytu{QStringLiteral("stacja %1 wskazuje nieistniejący odcinek %2").arg(i).arg(e)};
        for (std::size_t i = 0; i < s.Odcinki.size(); ++i) {
            const auto& od = s.Odcinki[i];
            if (od.LpStA < 0 || od.LpStA >= ns || od.LpStB < 0 || od.LpStB >= ns)
                throw BladOdczytu{QStringLiteral("odcinek %1 wskazuje nieistniejącą stację").arg(i)};
            if (od.Odleglosc < 0 || od.Odleglosc > kMaxDlugoscOdcinka)
                throw BladOdczytu{QStringLiteral("odcinek %1 ma długość %2 m (dopuszczalna 0..%3 m)")
                                      .arg(i).arg(od.Odleglosc).arg(kMaxDlugoscOdcinka)};
        }
    } catch (const BladOdczytu& b) {
        blad = b.opis;
        return std::nullopt;
    }
    return s;
}

bool WczytajLinieZPlikuWzorcowo(Siec& s, const QString& sciezka, QString& blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        blad = QStringLiteral("Nie można otworzyć pliku sieci \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
        return false;
    }
    // Cały plik jednym odczytem do bufora o rozmiarze pliku (readAll powiększa
    // bufor jeszcze raz, żeby dojść do końca pliku).
    QByteArray b;
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
    if (f.error() != QFileDevice::NoError) {
        blad = QStringLiteral("Błąd odczytu pliku sieci \"%1\": %2").arg(sciezka, opisBleduPliku(f, sciezka, false));
        return false;
    }
    przeksztalcKluczemWzorcowo(b);
    QString opis;
    auto nowa = czytajZawartoscSieciWzorcowo(b, opis);
    if (!nowa) {
        blad = QStringLiteral("Plik sieci \"%1\" jest uszkodzony: %2.").arg(sciezka, opis);
        return false;
    }
    s = std::move(*nowa);
    return true;
}

} // namespace tks::test
