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

QString pytanieOUsuniecie(const QString& nrPociagu, const QString& relacja)
{
    QString t = QStringLiteral("Czy usunąć pociąg nr ") + nrPociagu;
    if (!relacja.trimmed().isEmpty())
        t += QStringLiteral(" (relacja ") + relacja.trimmed() + QLatin1Char(')');
    return t + QLatin1Char('?');
}

bool UsunPociagZListy(Droga& d, StanListyPociagow& s, int wiersz)
{
    const Tabela& l = d.pociag.ListaPociagow;
    if (wiersz < 0 || wiersz >= l.liczbaWierszy())
        return false;
    const QString nr = l.tekst(wiersz, QStringLiteral("NrPociagu"));
    if (d.interakcja.pytanie(pytanieOUsuniecie(nr, l.tekst(wiersz, QStringLiteral("Relacja"))),
                             QStringLiteral("Usuwanie pociągu"), Ikona::Pytanie, Przyciski::TakNieDomyslnieNie)
        != Odpowiedz::Tak)
        return false;
    const bool usunieto = UsunPociag(d, l.calkowita(wiersz, QStringLiteral("IdPociagu")), nr);
    // lista mogła zostać wczytana od nowa: warunki i porządek okna wracają na nią
    s.filtr.przywroc(d.pociag.ListaPociagow);
    return usunieto;
}

} // namespace tks
