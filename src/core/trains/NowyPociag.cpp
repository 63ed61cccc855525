#include "NowyPociag.h"

#include "app/Droga.h"
#include "calendar/KalendarzPociagu.h"
#include "common/Daty.h"

#include <QDateTime>

namespace tks {

void UtworzTabelePociagu(Droga& d)
{
    Pociag& p = d.pociag;
    p.GlowneStacje.wyczysc();
    p.OdcinkiZabronione.wyczysc();
    p.StacjeZabronione.wyczysc();
    p.Trasa.wyczysc();
    p.Naglowek.wyczysc();
    p.PociagStacje.wyczysc();
    p.Kalendarz.wyczysc();
    p.tabeleUtworzone = true;
}

void TworzNowyPociag(Droga& d)
{
    Pociag& p = d.pociag;
    p.IdBiezacegoPociagu = 0;
    p.NowyPociag = true;
    p.Naglowek.wyczysc();
    p.Naglowek.dodajWiersz();
    p.ustaw(QStringLiteral("IdPociagu"), 0);
    p.ustaw(QStringLiteral("IdKryteriumWyboru"), 0);
    p.ustaw(QStringLiteral("IdRodzajuStawki"), d.kontrolki.idRodzajuStawki);
    p.ustaw(QStringLiteral("LpZakresuBr"),
            d.kontrolki.lpZakresuBr >= 0 ? QVariant(d.kontrolki.lpZakresuBr) : QVariant());
    p.ustaw(QStringLiteral("DataUtworzenia"), dzienZDatyCzasu(QDateTime::currentDateTime()));
    p.ustaw(QStringLiteral("AutGenOpKurs"), true);
    p.ustaw(QStringLiteral("RozkladOd"), dzienZDaty(d.rozkladOd));
    p.ustaw(QStringLiteral("RozkladDo"), dzienZDaty(d.rozkladDo));
    p.ustaw(QStringLiteral("LDniKurs"), 0);
    p.ustaw(QStringLiteral("Kursuje"), QStringLiteral("Nie kursuje"));
    p.zatwierdz();
    NowyKalendarz(d);
}

} // namespace tks
