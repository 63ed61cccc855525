#include "reports/ArkuszPodgladuTrasy.h"

#include "reports/PodgladTrasy.h"
#include "trains/Pociag.h"

namespace tks {

Arkusz arkuszPodgladuTrasy(const Tabela& podglad, const Pociag& p, const QVector<bool>& widoczne)
{
    const QVector<KolumnaPodgladu>& kolumny = kolumnyPodgladu();
    QVector<PoleArkusza> pola;
    for (int i = 0; i < kolumny.size(); ++i) {
        const KolumnaPodgladu& k = kolumny[i];
        const bool pokazana = widoczne.isEmpty()
                                  ? !(k.pole == QLatin1String("Elektr") || k.pole == QLatin1String("IdObOd")
                                      || k.pole == QLatin1String("IdObDo"))
                                  : widoczne.value(i);
        if (!pokazana)
            continue;
        FormatKomorki f = FormatKomorki::Tekst;
        if (k.pole == QLatin1String("Cena") || k.pole == QLatin1String("Stawka2008"))
            f = FormatKomorki::Zl;
        else if (k.pole == QLatin1String("Dlugosc"))
            f = FormatKomorki::Km;
        else if (k.pole == QLatin1String("OdKm") || k.pole == QLatin1String("DoKm"))
            f = FormatKomorki::Liczba;
        else if (k.pole == QLatin1String("Lp") || k.pole == QLatin1String("NrLinii"))
            f = FormatKomorki::Calkowita;
        pola.append({k.pole, tytulKolumnyPodgladu(k), f});
    }
    Arkusz a = arkuszZTabeli(QStringLiteral("Trasa"), podglad, pola);
    // Lp: pozycja w bieżącym porządku i filtrze
    for (int i = 0; i < pola.size(); ++i)
        if (pola[i].pole == QLatin1String("Lp"))
            for (int r = 0; r < a.wiersze.size(); ++r)
                a.wiersze[r][i] = r + 1;

    // sumy pod kolumnami długości i ceny
    auto kolumna = [&](const char* pole) {
        for (int i = 0; i < pola.size(); ++i)
            if (pola[i].pole == QLatin1String(pole))
                return i;
        return -1;
    };
    const int kEtykieta = std::max(0, kolumna("OdStacji"));
    const int kDlugosc = kolumna("Dlugosc"), kCena = kolumna("Cena");
    auto wiersz = [&](const QString& etykieta, int k, const QVariant& v) {
        QVector<QVariant> w(pola.size());
        w[kEtykieta] = etykieta;
        if (k >= 0)
            w[k] = v;
        return w;
    };
    if (p.maNaglowek()) {
        a.sumy << wiersz(QStringLiteral("Całkowita cena"), kCena, p.pole(QStringLiteral("CenaWyliczona")))
               << wiersz(QStringLiteral("Całkowita długość trasy"), kDlugosc, p.pole(QStringLiteral("Dlugosc")))
               << wiersz(QStringLiteral("Sumaryczna długość trasy podlegająca wycenie"), kDlugosc,
                         p.pole(QStringLiteral("DlugoscWycen")));
    }
    return a;
}

} // namespace tks
