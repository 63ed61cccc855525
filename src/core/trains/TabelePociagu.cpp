#include "TabelePociagu.h"

namespace tks {

namespace {
DefinicjaKolumny c(const char* n, TypPola t, int rozmiar = 0, bool wyliczana = false)
{
    return {QString::fromLatin1(n), t, rozmiar, wyliczana};
}
constexpr auto I = TypPola::Calkowita;
constexpr auto S = TypPola::Mala;
constexpr auto F = TypPola::Rzeczywista;
constexpr auto D = TypPola::DataCzas;
constexpr auto B = TypPola::Logiczna;
constexpr auto T = TypPola::Tekst;
constexpr auto M = TypPola::Memo;
} // namespace

QString czasJakoTekst(const QVariant& minuty)
{
    if (!minuty.isValid() || minuty.isNull())
        return {};
    const int m = minuty.toInt();
    const int h = m / 60;
    return QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m - h * 60, 2, 10, QLatin1Char('0'));
}

Tabela nowaTabelaNaglowka()
{
    Tabela t(QStringLiteral("Naglowek"),
             {c("IdPociagu", I), c("NrPociagu", T, 25), c("NazwaPociagu", T, 50), c("StacjaPoczatkowa", T, 50),
              c("StacjaKoncowa", T, 50), c("IdPrzewoznika", I), c("Opis", T, 255), c("DataUtworzenia", D),
              c("IdKryteriumWyboru", I), c("Ograniczenia", I), c("CenaWyliczona", F), c("WycenaPelna", B),
              c("Dlugosc", F), c("LDniKurs", I), c("CenaRozkJazdy", F), c("Kursuje", M), c("CzasMin", I),
              c("CzasMax", I), c("CzasMinStr", T, 10, true), c("CzasMaxStr", T, 9, true), c("AutGenOpKurs", B),
              c("LpZakresuBr", S), c("DlugoscWycen", F), c("IdRodzajuStawki", I), c("IdGrupyVr", S),
              c("RozkladOd", D), c("RozkladDo", D), c("CenaPrzejazdu", F), c("CenaPostojow", F),
              // "Vmax tab." przy zapisie; w starszych plikach jej nie ma (Null)
              c("VTab", S)});
    t.ustawWyliczanie([](const Tabela& tab, int w, int k) -> QVariant {
        const QString& nazwa = tab.kolumna(k).nazwa;
        if (nazwa == QLatin1String("CzasMinStr"))
            return czasJakoTekst(tab.wartosc(w, QStringLiteral("CzasMin")));
        if (nazwa == QLatin1String("CzasMaxStr"))
            return czasJakoTekst(tab.wartosc(w, QStringLiteral("CzasMax")));
        return {};
    });
    return t;
}

Tabela nowaTabelaPociagStacje()
{
    return Tabela(QStringLiteral("PociagStacje"), {c("idPociagu", I), c("idStacji", I), c("taknie", B), c("lp", I),
                                                   c("nazwa", T, 200), c("stawka", F)});
}

Tabela nowaTabelaGlowneStacje()
{
    return Tabela(QStringLiteral("GlowneStacje"), {c("IdGlowneStacje", I), c("IdPociagu", I), c("LpGlStacji", I),
                                                   c("IdObEksp", I), c("Rodzaj", I), c("NrGrupy", I), c("NrLinii", I)});
}

Tabela nowaTabelaOdcinkiZabronione()
{
    return Tabela(QStringLiteral("OdcinkiZabronione"), {c("IdOdcinkaZabr", I), c("IdPociagu", I), c("NrLinii", I),
                                                        c("IdObEkspOd", I), c("IdObEkspDo", I)});
}

Tabela nowaTabelaStacjeZabronione()
{
    return Tabela(QStringLiteral("StacjeZabronione"), {c("IdStacjiZabr", I), c("IdPociagu", I), c("IdObEksp", I)});
}

Tabela nowaTabelaKalendarz()
{
    return Tabela(QStringLiteral("Kalendarz"),
                  {c("IdPociagu", I), c("ZakresOd", D), c("ZakresDo", D), c("D1", S), c("D2", S), c("D3", S),
                   c("D4", S), c("D5", S), c("D6", S), c("D7", S), c("D8", S), c("Dod", S)});
}

Tabela nowaTabelaTrasa()
{
    return Tabela(QStringLiteral("Trasa"),
                  {c("IdPociagu", I), c("Lp", I), c("NrLinii", I), c("KmPop", F), c("Km", F), c("IdObPop", I),
                   c("IdOb", I), c("PocKm", F), c("IdWojewodztwa", S), c("IdZarzadcy", S), c("OznFK", T, 4),
                   c("Stawka2008", F)});
}

Tabela nowaTabelaListaPociagow()
{
    return Tabela(QStringLiteral("ListaPociagow"),
                  {c("IdPociagu", I), c("NrPociagu", T, 50), c("NazwaPociagu", T, 250), c("Relacja", T, 256)});
}

std::optional<Tabela> dopasujDoWzoru(const Tabela& wczytana, const Tabela& wzor, QString& blad)
{
    if (wczytana.nazwa().compare(wzor.nazwa(), Qt::CaseInsensitive) != 0) {
        blad = QStringLiteral("zawiera tabelę \"%1\" zamiast \"%2\"").arg(wczytana.nazwa(), wzor.nazwa());
        return std::nullopt;
    }
    // kolumna wzoru -> kolumna pliku (-1: brak, Null)
    QVector<int> zrodlo(wzor.liczbaKolumn(), -1);
    for (int k = 0; k < wzor.liczbaKolumn(); ++k) {
        const DefinicjaKolumny& kw = wzor.kolumna(k);
        if (kw.wyliczana)
            continue;
        const int z = wczytana.indeksKolumny(kw.nazwa);
        if (z < 0)
            continue;
        if (wczytana.kolumna(z).typ != kw.typ) {
            blad = QStringLiteral("kolumna %1 ma typ %2 zamiast %3")
                       .arg(kw.nazwa, nazwaTypu(wczytana.kolumna(z).typ), nazwaTypu(kw.typ));
            return std::nullopt;
        }
        zrodlo[k] = z;
    }
    Tabela t = wzor;
    t.wyczysc();
    for (int w = 0; w < wczytana.liczbaWierszy(); ++w) {
        const int n = t.dodajWiersz();
        for (int k = 0; k < t.liczbaKolumn(); ++k)
            if (zrodlo[k] >= 0)
                t.ustaw(n, k, wczytana.wartosc(w, zrodlo[k]));
    }
    return t;
}

} // namespace tks
