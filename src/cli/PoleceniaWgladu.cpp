// Polecenia compare (trasy według kryteriów obok siebie) i profile (profil prędkości
// trasy jako wykres PNG/PDF albo zapis co 100 m).

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "common/ZapisAtomowy.h"
#include "pricing/ProfilWykresu.h"
#include "routing/PorownanieTras.h"
#include "wykresy/WykresProfilu.h"

#include <QJsonArray>

namespace tks::cli {

int polecenieCompare(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji());
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    auto sesja = przygotujTrase(a);
    wykonajOperacje(*sesja, a);
    const std::vector<TrasaKryterium> trasy = PorownajTrasy(sesja->droga);

    QJsonArray wynik;
    for (const TrasaKryterium& t : trasy) {
        QJsonArray linie;
        for (int n : t.linie)
            linie.append(n);
        QJsonArray komunikaty;
        for (const ZdarzenieInterakcji& z : t.komunikaty)
            komunikaty.append(QJsonObject{{QStringLiteral("tekst"), z.tekst},
                                          {QStringLiteral("tytul"), z.tytul},
                                          {QStringLiteral("odpowiedz"), z.odpowiedz}});
        wynik.append(QJsonObject{
            {QStringLiteral("kryterium"), t.kryterium},
            {QStringLiteral("naglowek"), t.naglowek.liczbaWierszy() > 0 ? wierszJson(t.naglowek, 0) : QJsonObject()},
            {QStringLiteral("czas"), QJsonObject{{QStringLiteral("Tr"), t.czasJazdy},
                                                 {QStringLiteral("EditTr"), t.EditTr},
                                                 {QStringLiteral("EditVr"), t.EditVr},
                                                 {QStringLiteral("VTab"), t.VTab}}},
            {QStringLiteral("linie"), linie},
            {QStringLiteral("komunikaty"), komunikaty},
        });
    }
    wypiszJson(QJsonObject{{QStringLiteral("trasy"), wynik},
                           {QStringLiteral("komunikaty"), komunikatyJakoJson(sesja->interakcja)}});
    return 0;
}

int polecenieProfile(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji() + QStringList{QStringLiteral("out")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const auto plik = a.wartosc(QStringLiteral("out"));
    if (!plik)
        throw BladUzycia(QStringLiteral("Polecenie profile wymaga opcji --out PLIK.png, PLIK.pdf albo PLIK.csv."));
    const QString p = plik->toLower();
    const bool csv = p.endsWith(QLatin1String(".csv"));
    if (!csv && !p.endsWith(QLatin1String(".png")) && !p.endsWith(QLatin1String(".pdf")))
        throw BladUzycia(QStringLiteral("Opcja --out: plik musi mieć rozszerzenie .png, .pdf albo .csv."));

    auto sesja = przygotujTrase(a);
    wykonajOperacje(*sesja, a);
    ProfilTrasy profil = ProfilBiezacejTrasy(sesja->droga);
    if (profil.pusty())
        throw BladUzycia(QStringLiteral("Trasa nie ma żadnego odcinka: nie ma profilu prędkości do zapisania."));

    QString blad;
    bool ok;
    if (csv) {
        ok = zapiszAtomowo(*plik, csvProfilu(profil), blad);
    } else {
        ui::WykresProfilu wykres(std::move(profil));
        ok = ui::zapiszWykres(wykres, *plik, blad);
    }
    if (!ok)
        throw BladOperacji(blad);
    wypiszJson(QJsonObject{{QStringLiteral("plik"), *plik},
                           {QStringLiteral("komunikaty"), komunikatyJakoJson(sesja->interakcja)}});
    return 0;
}

} // namespace tks::cli
