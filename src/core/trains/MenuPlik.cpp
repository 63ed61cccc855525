#include "MenuPlik.h"

#include "NowyPociag.h"
#include "ZapisPociagu.h"
#include "app/CyklDrogi.h"
#include "app/Droga.h"
#include "routing/Warunki.h"

namespace tks {

namespace {
std::function<bool()> zapis(Droga& d, OknaPociagu& okna)
{
    return [&d, &okna] { return ZapiszPociag(d, okna); };
}
} // namespace

bool MenuNowyPociag(Droga& d, OknaPociagu& okna)
{
    // Anuluj zostawia pociąg, jaki był (jak przy pozostałych pytaniach)
    if (!PytanieOZapis(d, zapis(d, okna)))
        return false;
    KasujDroge(d);
    TworzNowyPociag(d);
    return true;
}

bool MenuWczytajPociag(Droga& d, OknaPociagu& okna)
{
    if (!PytanieOZapis(d, zapis(d, okna)))
        return false;
    const int id = okna.wyborPociagu(d);
    return id != 0 && WczytajPociag(d, id);
}

bool MenuZapiszJakoNowy(Droga& d, OknaPociagu& okna)
{
    d.pociag.IdBiezacegoPociagu = 0;
    return ZapiszPociag(d, okna);
}

bool MenuZapiszZmiany(Droga& d, OknaPociagu& okna) { return ZapiszPociag(d, okna); }

QString tekstPoZapisie(const Droga& d)
{
    return QStringLiteral("Zapisano pociąg nr ") + d.pociag.pole(QStringLiteral("NrPociagu")).toString();
}

bool MenuEdytujNaglowek(Droga& d, OknaPociagu& okna) { return okna.naglowek(d, true); }

int MenuTerminyKursowania(Droga& d, OknaPociagu& okna) { return kalendarz(d, okna); }

bool ZamykanieOknaGlownego(Droga& d, OknaPociagu& okna) { return ZamykanieDrogi(d, zapis(d, okna)); }

} // namespace tks
