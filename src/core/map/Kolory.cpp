#include "Kolory.h"

#include "app/Droga.h"
#include "app/PlikUstawien.h"

namespace tks {

void WczytajKolory(Droga& d)
{
    PlikUstawien u(d.plikUstawien);
    const QString kol = QStringLiteral("Kolory");
    const Kolory domyslne;
    Kolory& k = d.kolory;
    const auto c = [&](const char* klucz, std::int32_t dom) { return u.calkowita(kol, QString::fromLatin1(klucz), dom); };
    k.KolorLinii = c("KolorLinii", domyslne.KolorLinii);
    k.KolorLiniiObcych = c("KolorLiniiObcych", domyslne.KolorLiniiObcych);
    k.KolorPunktowStacji = c("KolorPunktowStacji", domyslne.KolorPunktowStacji);
    k.KolorPunktowStacjiWezlowych = c("KolorPunktowStacjiWezlowych", domyslne.KolorPunktowStacjiWezlowych);
    k.KolorPunktowTrasy = c("KolorPunktowTrasy", domyslne.KolorPunktowTrasy);
    k.KolorPunktowZabronionych = c("KolorPunktowZabronionych", domyslne.KolorPunktowZabronionych);
    k.KolorPunktowStycznosci = c("KolorPunktowStycznosci", domyslne.KolorPunktowStycznosci);
    k.KolorLiniiTrasy = c("KolorLiniiTrasy", domyslne.KolorLiniiTrasy);
    k.KolorLiniiTrasyNieWycenionej = c("KolorLiniiTrasyNieWycenionej", domyslne.KolorLiniiTrasyNieWycenionej);
    k.KolorNazwStacji = c("KolorNazwStacji", domyslne.KolorNazwStacji);
    k.KolorNazwStacjiWezlowych = c("KolorNazwStacjiWezlowych", domyslne.KolorNazwStacjiWezlowych);
    k.KolorNazwStacjiTrasy = c("KolorNazwStacjiTrasy", domyslne.KolorNazwStacjiTrasy);
    k.KolorTla = c("KolorTla", domyslne.KolorTla);

    k.DrukarkaKolor = u.calkowita(QStringLiteral("Drukarka"), QStringLiteral("Kolor"), 0);

    const QString inne = QStringLiteral("Inne");
    k.NumerowanieStacji = u.logiczna(inne, QStringLiteral("NumerowanieStacji"), false);
    k.PodzialTerytorialny = u.calkowita(inne, QStringLiteral("PodzialTerytorialny"), 0);
    k.PasekSkali = u.logiczna(inne, QStringLiteral("PasekSkali"), true);
    d.kontrolki.brakSieci = u.logiczna(inne, QStringLiteral("BrakSieci"), false);
    d.kontrolki.podObcymZarzadem = u.logiczna(inne, QStringLiteral("PodObcymZarzadem"), true);
    d.kontrolki.szerokie = u.logiczna(inne, QStringLiteral("Szerokie"), true);
    d.kontrolki.normalne = !d.kontrolki.szerokie;

    for (std::size_t n = 0; n < d.siec.Zaklady.size(); ++n) {
        TPodzial& z = d.siec.Zaklady[n];
        z.Kolor = u.calkowita(QStringLiteral("Zaklady"), QStringLiteral("KolorIZ%1").arg(n + 1), z.KolorDomyslny);
    }
    for (std::size_t n = 0; n < d.siec.Wojewodztwa.size(); ++n) {
        TPodzial& w = d.siec.Wojewodztwa[n];
        w.Kolor = u.calkowita(QStringLiteral("Wojewodztwa"), QStringLiteral("KolorWoj%1").arg(n + 1), w.KolorDomyslny);
    }
}

} // namespace tks
