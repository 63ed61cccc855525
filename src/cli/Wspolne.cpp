#include "Wspolne.h"

#include "common/Daty.h"
#include "network/PlikSieci.h"

namespace tks::cli {

Siec wczytajSiec(const Argumenty& a, Interakcja& interakcja)
{
    const QString plik = a.wartosc(QStringLiteral("network"), kNazwaPlikuSieci);
    Siec s;
    QString blad;
    if (!WczytajSiecZWartosciamiPochodnymi(s, plik, blad, &interakcja))
        throw BladUzycia(blad);
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

QJsonValue wartoscJson(const Tabela& t, int w, int k)
{
    const QVariant v = t.wartosc(w, k);
    if (!v.isValid())
        return QJsonValue::Null;
    switch (t.kolumna(k).typ) {
    case TypPola::DataCzas: return dataIso(v.toDouble());
    case TypPola::Logiczna: return v.toBool();
    case TypPola::Calkowita:
    case TypPola::Mala: return v.toInt();
    case TypPola::Rzeczywista: return v.toDouble();
    case TypPola::Tekst:
    case TypPola::Memo: return v.toString();
    }
    return QJsonValue::Null;
}

QJsonObject wierszJson(const Tabela& t, int w)
{
    QJsonObject o;
    for (int k = 0; k < t.liczbaKolumn(); ++k)
        o.insert(t.kolumna(k).nazwa, wartoscJson(t, w, k));
    return o;
}

QJsonArray tabelaJakoJson(const Tabela& t)
{
    QJsonArray a;
    for (int w : t.widok())
        a.append(wierszJson(t, w));
    return a;
}

} // namespace tks::cli
