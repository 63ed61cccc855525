#include "KonfiguracjaKolorow.h"

#include "Kolory.h"
#include "app/Droga.h"
#include "app/PlikUstawien.h"

namespace tks {

namespace {

const QString kSekcjaKolory = QStringLiteral("Kolory");
const QString kSekcjaInne = QStringLiteral("Inne");

// Wartości domyślne próbek w kolejności kPolaKolorow.
std::array<std::int32_t, kLiczbaKolorow> domyslneOkna()
{
    const Kolory k;
    return {k.KolorLinii,
            k.KolorLiniiObcych,
            k.KolorPunktowStacji,
            k.KolorNazwStacji,
            k.KolorNazwStacjiWezlowych,
            0x0000FF,   // punkty stacji węzłowych: w tym oknie czerwony
            k.KolorNazwStacjiTrasy,
            k.KolorPunktowTrasy,
            k.KolorLiniiTrasy,
            k.KolorLiniiTrasyNieWycenionej,
            k.KolorPunktowZabronionych,
            k.KolorPunktowStycznosci,
            k.KolorTla};
}

} // namespace

QString TekstPozycjiObszaru(const QString& nazwa)
{
    return QStringLiteral("   ") + nazwa + QStringLiteral("   ");
}

StanOknaKolorow WczytajOknoKolorow(const Droga& d)
{
    const PlikUstawien u(d.plikUstawien);
    StanOknaKolorow s;
    const auto dom = domyslneOkna();
    for (int i = 0; i < kLiczbaKolorow; ++i)
        s.kolory[std::size_t(i)] =
            u.calkowita(kSekcjaKolory, QString::fromLatin1(kPolaKolorow[std::size_t(i)].klucz), dom[std::size_t(i)]);
    const int druk = u.calkowita(QStringLiteral("Drukarka"), QStringLiteral("Kolor"), 0);
    s.rodzajWydruku = druk == 1 ? 1 : 0;
    s.numerowanie = u.logiczna(kSekcjaInne, QStringLiteral("NumerowanieStacji"), false);
    s.podzial = 1;
    s.pasekSkali = u.logiczna(kSekcjaInne, QStringLiteral("PasekSkali"), true);
    return s;
}

void WczytajKoloryPoOknie(Droga& d)
{
    // WczytajKolory czyta też domyślne stany trzech ograniczeń; tu ich nie
    // zmieniamy, bo trasa i kontrolki okna zostałyby z nimi niezgodne
    const StanKontrolek kontrolki = d.kontrolki;
    WczytajKolory(d);
    d.kontrolki = kontrolki;
}

bool ZapiszOknoKolorow(Droga& d, const StanOknaKolorow& s, QString& blad)
{
    PlikUstawien u(d.plikUstawien);
    for (std::size_t n = 0; n < d.siec.Zaklady.size(); ++n)
        u.zapiszCalkowita(QStringLiteral("Zaklady"), QStringLiteral("KolorIZ%1").arg(n + 1), d.siec.Zaklady[n].Kolor);
    for (std::size_t n = 0; n < d.siec.Wojewodztwa.size(); ++n)
        u.zapiszCalkowita(QStringLiteral("Wojewodztwa"), QStringLiteral("KolorWoj%1").arg(n + 1),
                          d.siec.Wojewodztwa[n].Kolor);
    for (int i = 0; i < kLiczbaKolorow; ++i)
        u.zapiszCalkowita(kSekcjaKolory, QString::fromLatin1(kPolaKolorow[std::size_t(i)].klucz),
                          s.kolory[std::size_t(i)]);
    u.zapiszCalkowita(QStringLiteral("Drukarka"), QStringLiteral("Kolor"), s.rodzajWydruku);
    u.zapiszLogiczna(kSekcjaInne, QStringLiteral("NumerowanieStacji"), s.numerowanie);
    u.zapiszCalkowita(kSekcjaInne, QStringLiteral("PodzialTerytorialny"), s.podzial);
    u.zapiszLogiczna(kSekcjaInne, QStringLiteral("PasekSkali"), s.pasekSkali);
    return u.zapisz(blad);
}

} // namespace tks
