#include "Wspolne.h"

#include "network/PlikSieci.h"

namespace tks::cli {

Siec wczytajSiec(const Argumenty& a, Interakcja& interakcja)
{
    const QString plik = a.wartosc(QStringLiteral("network"), kNazwaPlikuSieci);
    Siec s;
    QString blad;
    if (!WczytajLinieZPliku(s, plik, blad))
        throw BladUzycia(blad);
    budujWartosciPochodne(s, &interakcja);
    return s;
}

QJsonArray komunikatyJakoJson(const InterakcjaSkryptowa& interakcja)
{
    QJsonArray a;
    for (const auto& z : interakcja.zdarzenia())
        a.append(QJsonObject{{QStringLiteral("tekst"), z.tekst},
                             {QStringLiteral("tytul"), z.tytul},
                             {QStringLiteral("odpowiedz"), z.odpowiedz}});
    return a;
}

} // namespace tks::cli
