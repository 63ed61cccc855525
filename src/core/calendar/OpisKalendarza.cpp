#include "OpisKalendarza.h"

#include "app/Droga.h"
#include "common/Daty.h"

#include <QStringList>

namespace tks {
namespace {

const QString kKoniecLinii = QStringLiteral("\r\n");

// Wzorce standardowe: kod reguł (D1..D7 i D8) i część opisu dni tygodnia.
struct WzorzecOpisu {
    const char* kod;
    const char* opis;
};
const WzorzecOpisu kWzorceOpisu[] = {
    {"11111112", "codziennie"},
    {"00000011", "w niedziele i święta"},
    {"11111002", "w (A)"},
    {"11111012", "w (B)"},
    {"00000111", "w (C)"},
    {"11111000", "w (D)"},
    {"11111100", "w (E)"},
    {"00000002", ""},
};

} // namespace

QString DataOpisu(double dzien) { return dataZDnia(dzien).toString(QStringLiteral("dd-MM-yy")); }

QString LiniaZakresu(const Kalendarz& k, int r, double od, double doDnia)
{
    const TZakresy& z = k.Zakresy[std::size_t(r)];
    QString p;
    if (z.ZakresOd != od || z.ZakresDo != doDnia)
        p = QStringLiteral("Od ") + DataOpisu(z.ZakresOd) + QStringLiteral(" do ") + DataOpisu(z.ZakresDo) + QLatin1Char(' ');

    QString s;
    for (int n = 0; n < 7; ++n)
        s += QString::number(z.D[n]);
    const int d8 = z.D[7];

    QString w;
    if (s == QLatin1String("1111111")) {
        w = QStringLiteral("codziennie");
    } else {
        for (int n = 0; n < 7; ++n)
            if (z.D[n] == 1)
                w += (w.isEmpty() ? QStringLiteral("(") : QStringLiteral(", (")) + QString::number(n + 1) + QLatin1Char(')');
    }
    if (d8 == 1)
        w = w.isEmpty() ? QStringLiteral("święta") : w + QStringLiteral(" i święta");
    if (!w.isEmpty() && !w.startsWith(QLatin1String("codziennie")))
        w = QStringLiteral("w ") + w;
    // bez dnia tygodnia "oprócz świąt" niczego nie opisuje: zakres nie kursuje wcale
    if (d8 == 0 && !w.isEmpty())
        w += QStringLiteral(" oprócz świąt");
    // inna reguła świąt: według reguł zakres nie kursuje w żaden dzień
    if (d8 > 2)
        w.clear();
    const QString kod = s + QString::number(d8);
    for (const auto& wz : kWzorceOpisu)
        if (kod == QLatin1String(wz.kod))
            w = QString::fromUtf8(wz.opis);

    QString v;
    if (!w.isEmpty())
        v = QStringLiteral("kursuje ");
    else
        p.clear();
    if (!p.isEmpty())
        v = QLatin1Char(' ') + v;

    QStringList wyjatki;
    for (int i = 0; i < k.liczbaDni(); ++i)
        if (k.Dni[std::size_t(i)].NrZakresu == r && KursujeWgReguly(k, i) && !Kursuje(k, i))
            wyjatki << DataOpisu(k.Dni[std::size_t(i)].Data);
    const QString e = wyjatki.isEmpty() ? QString() : QStringLiteral(", oprócz ") + wyjatki.join(QStringLiteral(", "));

    const QString linia = p + v + w + e;
    return linia.isEmpty() ? QString() : linia + kKoniecLinii;
}

QString BudujOpis(Kalendarz& k, double od, double doDnia)
{
    QString t;
    for (int r = 0; r < k.liczbaZakresow(); ++r) {
        k.Zakresy[std::size_t(r)].OpisZakresu = LiniaZakresu(k, r, od, doDnia);
        t += k.Zakresy[std::size_t(r)].OpisZakresu;
    }
    int liczba = 0;
    QStringList dodatkowe;
    for (int i = 0; i < k.liczbaDni(); ++i) {
        const bool kursuje = Kursuje(k, i);
        if (kursuje)
            ++liczba;
        if (kursuje && !KursujeWgReguly(k, i))
            dodatkowe << DataOpisu(k.Dni[std::size_t(i)].Data);
    }
    k.LDniKurs = liczba;
    if (!dodatkowe.isEmpty())
        t = t.isEmpty() ? QStringLiteral("kursuje ") + dodatkowe.join(QStringLiteral(", "))
                        : t + QStringLiteral("dodatkowo kursuje ") + dodatkowe.join(QStringLiteral(", "));
    if (t.isEmpty())
        t = QStringLiteral("Nie kursuje");
    return t;
}

void GenerujOpis(Droga& d)
{
    Kalendarz& k = d.kalendarz;
    const double od = dzienZDaty(d.rozkladOd);
    const double doDnia = dzienZDaty(d.rozkladDo);
    const QString t = BudujOpis(k, od, doDnia);

    Pociag& p = d.pociag;
    if (p.pole(QStringLiteral("AutGenOpKurs")).toBool())
        p.ustaw(QStringLiteral("Kursuje"), t);
    p.ustaw(QStringLiteral("RozkladOd"), od);
    p.ustaw(QStringLiteral("RozkladDo"), doDnia);
    p.ustaw(QStringLiteral("LDniKurs"), k.LDniKurs);
    const QVariant cena = p.pole(QStringLiteral("CenaWyliczona"));
    p.ustaw(QStringLiteral("CenaRozkJazdy"), cena.isValid() ? QVariant(k.LDniKurs * cena.toDouble()) : QVariant());
    p.zatwierdz();
}

} // namespace tks
