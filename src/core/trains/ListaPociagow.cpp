#include "ListaPociagow.h"

#include "ZapisPociagu.h"
#include "app/Droga.h"

namespace tks {

const QVector<KolumnaListy>& kolumnyListyPociagow()
{
    static const QVector<KolumnaListy> k = {
        {QStringLiteral("IdPociagu"), QStringLiteral("IdPociagu")},
        {QStringLiteral("NrPociagu"), QStringLiteral("Nr pociagu")},
        {QStringLiteral("NazwaPociagu"), QStringLiteral("Nazwa pociagu")},
        {QStringLiteral("Relacja"), QStringLiteral("Relacja pociagu")},
    };
    return k;
}

bool PokazanieListyPociagow(Droga& d, StanListyPociagow& s)
{
    s.wybraneId = 0;
    if (!OtworzListePociagow(d))
        return false;
    s.filtr.otworz(d.pociag.ListaPociagow, QStringLiteral("IdPociagu"));
    return true;
}

void ZamkniecieListyPociagow(Droga& d, StanListyPociagow& s) { s.filtr.zamknij(d.pociag.ListaPociagow); }

bool WybierzPociagZListy(Droga& d, StanListyPociagow& s, int wiersz)
{
    const Tabela& l = d.pociag.ListaPociagow;
    if (wiersz >= 0 && wiersz < l.liczbaWierszy())
        s.wybraneId = l.calkowita(wiersz, QStringLiteral("IdPociagu"));
    if (s.wybraneId != 0) {
        d.widok.zoom = kPowiekszenie1x;
        return true;
    }
    d.interakcja.komunikat(QStringLiteral("Nie wybrano żadnego pociągu"), QStringLiteral("Uwaga !"),
                           Ikona::Ostrzezenie);
    return false;
}

bool UsunPociagZListy(Droga& d, int wiersz)
{
    const Tabela& l = d.pociag.ListaPociagow;
    if (wiersz < 0 || wiersz >= l.liczbaWierszy())
        return false;
    return UsunPociag(d, l.calkowita(wiersz, QStringLiteral("IdPociagu")),
                      l.tekst(wiersz, QStringLiteral("NrPociagu")));
}

} // namespace tks
