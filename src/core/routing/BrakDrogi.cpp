#include "BrakDrogi.h"

#include "app/Droga.h"
#include "routing/EtykietyStacji.h"
#include "routing/Kontrolki.h"
#include "routing/Warunki.h"
#include "routing/Wyszukiwanie.h"

#include <algorithm>
#include <vector>

namespace tks {
namespace {

// Bity kontrolek ograniczeń w kolejności tabeli maski (rozstaw, sieć, nieczynne, ...).
constexpr std::uint16_t kBityKontrolek[] = {
    cechy::Normalnotorowa, cechy::Szerokotorowa,      cechy::BrakSieci,          cechy::Nieczynna, cechy::ObcyZarzad,
    cechy::NieWskazanyRuchPas, cechy::NieWskazanyRuchTow, cechy::ZawRuchPas, cechy::ZawRuchTow,
};

// Wszystko, co próby zmieniają, zapisane przed nimi i przywracane na końcu (także
// przy wyjątku): etykiety i poprzednicy stacji, kolejka, kontrolki i warunki,
// bity ominiętych odcinków, długość dziennika.
class Zapis {
public:
    explicit Zapis(Droga& d) : d_(d), kontrolki_(d.kontrolki), kryterium_(d.trasa.Kryterium),
                               maska_(d.trasa.MaskaOgraniczen), kolejka_(d.trasa.KolejkaStacji),
                               dziennik_(d.dziennik.size()), stacje_(d.siec)
    {
    }
    ~Zapis()
    {
        stacje_.przywroc(d_.siec);
        for (std::int32_t o : d_.trasa.ListaOdcinkowZabronionych)
            if (o >= 0 && o < d_.siec.liczbaOdcinkow())
                d_.siec.Odcinki[std::size_t(o)].Cechy |= cechy::Zabroniony;
        d_.kontrolki = kontrolki_;
        d_.trasa.Kryterium = kryterium_;
        d_.trasa.MaskaOgraniczen = maska_;
        d_.trasa.KolejkaStacji = std::move(kolejka_);
        while (d_.dziennik.size() > dziennik_)
            d_.dziennik.removeLast();
    }
    const StanKontrolek& kontrolki() const { return kontrolki_; }

private:
    Droga& d_;
    StanKontrolek kontrolki_;
    std::int32_t kryterium_;
    std::uint16_t maska_;
    std::vector<std::int32_t> kolejka_;
    qsizetype dziennik_;
    EtykietyStacji stacje_;
};

// Ominięcia stacji i odcinków zdjęte albo przywrócone na czas jednej próby.
void ustawOminiecia(Droga& d, bool zdjete)
{
    for (std::int32_t s : d.trasa.ListaStacjiZabronionych)
        if (s >= 0 && s < d.siec.liczbaStacji())
            d.siec.Stacje[std::size_t(s)].OdlMin = zdjete ? kNieosiagnieta : kWykluczona;
    for (std::int32_t o : d.trasa.ListaOdcinkowZabronionych)
        if (o >= 0 && o < d.siec.liczbaOdcinkow()) {
            auto& c = d.siec.Odcinki[std::size_t(o)].Cechy;
            c = zdjete ? std::uint16_t(c & ~cechy::Zabroniony) : std::uint16_t(c | cechy::Zabroniony);
        }
}

int gLiczbaProb = 0;

bool proba(Droga& d, const StanKontrolek& bazowe, std::uint16_t kontrolki, bool bezOminiec, int od, int doSt)
{
    d.kontrolki = bazowe;
    UstawKontrolkiZOgraniczen(d.kontrolki, kontrolki | (bazowe.dopasujDoRodzaju ? cechy::DopasujDoRodzaju : 0));
    ustawOminiecia(d, bezOminiec);
    ++gLiczbaProb;
    return ObliczMinOdleglosci(d, od, doSt, 0);
}

// Droga znaleziona ostatnią próbą: odcinki i stacje od celu wstecz.
struct Przebieg {
    std::vector<int> odcinki;
    std::vector<int> stacje;
};

Przebieg przebieg(const Droga& d, int od, int doSt)
{
    Przebieg p;
    const int n = d.siec.liczbaStacji();
    int c = doSt;
    p.stacje.push_back(c);
    for (int krok = 0; c != od && krok < n; ++krok) {
        const TStacja& s = d.siec.Stacje[std::size_t(c)];
        if (s.OdcPop < 0 || s.StPop < 0)
            break;
        p.odcinki.push_back(s.OdcPop);
        c = s.StPop;
        p.stacje.push_back(c);
    }
    return p;
}

// "A", "A i B", "A, B i C"
QString wyliczenie(const QStringList& l, const QString& ostatni)
{
    if (l.size() <= 1)
        return l.join(QString());
    return QStringList(l.mid(0, l.size() - 1)).join(QStringLiteral(", ")) + ostatni + l.last();
}

QString opisOdcinka(const Droga& d, int o)
{
    const TOdcinek& e = d.siec.Odcinki[std::size_t(o)];
    return QStringLiteral("odcinka %1 – %2 (linia %3)")
        .arg(d.siec.nazwaStacji(e.LpStA), d.siec.nazwaStacji(e.LpStB))
        .arg(e.NrLinii);
}

// Ominięcia leżące na drodze (w kolejności list ominięć, bez powtórzeń).
QStringList ominieciaNaDrodze(const Droga& d, const Przebieg& p)
{
    QStringList w;
    std::vector<int> byly;
    for (std::int32_t s : d.trasa.ListaStacjiZabronionych)
        if (std::find(p.stacje.begin(), p.stacje.end(), s) != p.stacje.end()
            && std::find(byly.begin(), byly.end(), s) == byly.end()) {
            byly.push_back(s);
            w << QStringLiteral("stacji ") + d.siec.nazwaStacji(s);
        }
    byly.clear();
    for (std::int32_t o : d.trasa.ListaOdcinkowZabronionych)
        if (std::find(p.odcinki.begin(), p.odcinki.end(), o) != p.odcinki.end()
            && std::find(byly.begin(), byly.end(), o) == byly.end()) {
            byly.push_back(o);
            w << opisOdcinka(d, o);
        }
    return w;
}

} // namespace

QString nazwaOgraniczenia(std::uint16_t bit)
{
    switch (bit) {
    case cechy::Normalnotorowa: return QStringLiteral("Linie normalnotorowe");
    case cechy::Szerokotorowa: return QStringLiteral("Linie szerokotorowe");
    case cechy::BrakSieci: return QStringLiteral("Linie bez sieci trakcyjnej");
    case cechy::Nieczynna: return QStringLiteral("Linie nieczynne");
    case cechy::ObcyZarzad: return QStringLiteral("Linie pod obcym zarządem");
    case cechy::NieWskazanyRuchPas: return QStringLiteral("Linie towarowe");
    case cechy::NieWskazanyRuchTow: return QStringLiteral("Linie pasażerskie");
    case cechy::ZawRuchPas: return QStringLiteral("Linie bez stawki dla poc. pas.");
    case cechy::ZawRuchTow: return QStringLiteral("Linie bez stawki dla poc. tow.");
    default: return {};
    }
}

int liczbaProbOstatniegoWyjasnienia() { return gLiczbaProb; }

QString tekstNieMoznaWyznaczyc(const Droga& d, int od, int doSt)
{
    return QStringLiteral("Nie można wyznaczyć trasy z %1 do %2 przy obecnych warunkach.")
        .arg(d.siec.nazwaStacji(od), d.siec.nazwaStacji(doSt));
}

QStringList WyjasnijBrakDrogi(Droga& d, int od, int doSt)
{
    gLiczbaProb = 0;
    const int n = d.siec.liczbaStacji();
    if (od < 0 || od >= n || doSt < 0 || doSt >= n || d.kontrolki.kryterium == 2)
        return {};

    const Zapis zapis(d);
    const StanKontrolek& bazowe = zapis.kontrolki();
    const std::uint16_t zaznaczone = MaskaKontrolek(bazowe);
    const bool saOminiecia = !d.trasa.ListaStacjiZabronionych.empty() || !d.trasa.ListaOdcinkowZabronionych.empty();
    const QString a = d.siec.nazwaStacji(od);
    const QString b = d.siec.nazwaStacji(doSt);

    // Najpierw wszystko zdjęte naraz: bez drogi nawet wtedy żadna zmiana nie pomoże.
    if (!proba(d, bazowe, 0, true, od, doSt))
        return {QStringLiteral("Stacje %1 i %2 leżą w częściach sieci, których nie łączy żadna linia.").arg(a, b)};
    const Przebieg wszystko = przebieg(d, od, doSt);

    // Po jednej próbie na każde zaznaczone ograniczenie.
    QStringList ograniczenia;
    for (std::uint16_t bit : kBityKontrolek)
        if ((zaznaczone & bit) && proba(d, bazowe, std::uint16_t(zaznaczone & ~bit), false, od, doSt))
            ograniczenia << nazwaOgraniczenia(bit);

    // Jedna próba bez ominięć.
    QStringList ominiecia;
    if (saOminiecia && proba(d, bazowe, zaznaczone, true, od, doSt))
        ominiecia = ominieciaNaDrodze(d, przebieg(d, od, doSt));

    QStringList w;
    if (!ograniczenia.isEmpty())
        w << QStringLiteral("Trasa istnieje, gdy dopuścisz: ") + wyliczenie(ograniczenia, QStringLiteral(" albo "));
    // Ominięcia są najmniejszą zmianą, gdy nic innego nie pomaga albo wystarczy zdjąć jedno.
    if (!ominiecia.isEmpty() && (ograniczenia.isEmpty() || ominiecia.size() == 1))
        w << QStringLiteral("Trasa istnieje, gdy zdejmiesz ominięcie ") + wyliczenie(ominiecia, QStringLiteral(" i "));
    if (!w.isEmpty())
        return w;

    // Pojedyncza zmiana nie wystarcza: co trzeba zmienić naraz (według drogi bez ograniczeń).
    QStringList naraz;
    for (std::uint16_t bit : kBityKontrolek) {
        if (!(zaznaczone & bit))
            continue;
        for (int o : wszystko.odcinki)
            if (d.siec.Odcinki[std::size_t(o)].Cechy & bit) {
                naraz << nazwaOgraniczenia(bit);
                break;
            }
    }
    QString tekst = QStringLiteral("Żadna pojedyncza zmiana nie wystarczy. Trasa istnieje, gdy");
    if (!naraz.isEmpty())
        tekst += QStringLiteral(" dopuścisz naraz: ") + wyliczenie(naraz, QStringLiteral(" i "));
    const QStringList om = ominieciaNaDrodze(d, wszystko);
    if (!om.isEmpty())
        tekst += (naraz.isEmpty() ? QStringLiteral(" zdejmiesz ominięcie ") : QStringLiteral(" oraz zdejmiesz ominięcie "))
                 + wyliczenie(om, QStringLiteral(" i "));
    return {tekst + QLatin1Char('.')};
}

void ZglosBrakDrogi(Droga& d, int od, int doSt, const QString& pierwszaLinia)
{
    QStringList linie{pierwszaLinia};
    linie += WyjasnijBrakDrogi(d, od, doSt);
    d.interakcja.komunikat(linie.join(QLatin1Char('\n')));
}

} // namespace tks
