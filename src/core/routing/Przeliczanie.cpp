#include "Przeliczanie.h"

#include "app/Droga.h"
#include "pricing/Wycenianie.h"
#include "routing/Wyszukiwanie.h"

#include <algorithm>
#include <cmath>

namespace tks {

Tabela nowaTabelaPodgladu()
{
    const auto k = [](const char* n, TypPola t, int rozmiar = 0, bool wyliczana = false) {
        return DefinicjaKolumny{QString::fromLatin1(n), t, rozmiar, wyliczana};
    };
    constexpr auto I = TypPola::Calkowita;
    constexpr auto S = TypPola::Mala;
    constexpr auto F = TypPola::Rzeczywista;
    constexpr auto T = TypPola::Tekst;
    Tabela t(QStringLiteral("Podglad"),
             {k("Lp", I, 0, true), k("OdStacji", T, 31), k("DoStacji", T, 31), k("NrLinii", I), k("OdKm", F),
              k("DoKm", F), k("Dlugosc", F), k("Cena", F), k("LpDrogi", I), k("Uwagi", T, 150), k("LpSciezkiOd", I),
              k("LpSciezkiDo", I), k("Elektr", F), k("NrOdcMERIDO", T, 6), k("Grupa", I), k("IdObOd", I),
              k("IdObDo", I), k("IdZarzadcy", S), k("IdWojewodztwa", S), k("Stawka2008", F), k("Postoj", F)});
    // Lp: pozycja wiersza w bieżącym porządku i filtrze, od 1.
    t.ustawWyliczanie([](const Tabela& tab, int w, int) -> QVariant {
        if (!tab.filtrowana() && tab.kolumnaIndeksu().isEmpty())
            return w + 1;
        const int i = int(tab.widok().indexOf(w));
        return i < 0 ? QVariant() : QVariant(i + 1);
    });
    return t;
}

bool punktTechniczny(const QString& oznaczenie)
{
    return oznaczenie == QLatin1String("PSL") || oznaczenie == QLatin1String("PVMAX")
           || oznaczenie == QLatin1String("PZMKL") || oznaczenie == QLatin1String("PPRJ");
}

void SortujSciezki(Droga& d)
{
    std::stable_sort(d.trasa.Sciezki.begin(), d.trasa.Sciezki.end(), [](const TSciezka& a, const TSciezka& b) {
        return a.LpDrogi != b.LpDrogi ? a.LpDrogi < b.LpDrogi : a.LpSciezki < b.LpSciezki;
    });
}

void PrzenumerujDrogi(Droga& d)
{
    const auto& punkty = d.trasa.GlowneStacje;
    for (auto& e : d.trasa.Sciezki)
        for (std::size_t i = 1; i < punkty.size(); ++i)
            if (punkty[i].NrGrupy == e.NrGrupy) {
                e.LpDrogi = int(i);
                break;
            }
}

void PrzeliczPonownieDroge(Droga& d)
{
    Trasa& t = d.trasa;
    t.Sciezki.clear();
    t.OdcinekBezDrogi = 0;
    if (t.GlowneStacje.empty())
        return;

    const TGlownaStacja& pierwszy = t.GlowneStacje.front();
    const TGlownaStacja& ostatni = t.GlowneStacje.back();
    d.pociag.ustaw(QStringLiteral("StacjaPoczatkowa"),
                   pierwszy.Rodzaj == kPunktPoczatkowy ? d.siec.nazwaStacji(pierwszy.LpStacji) : QStringLiteral(""));
    d.pociag.zatwierdz();
    d.pociag.ustaw(QStringLiteral("StacjaKoncowa"),
                   ostatni.Rodzaj == kPunktKoncowy ? d.siec.nazwaStacji(ostatni.LpStacji) : QStringLiteral(""));
    d.pociag.zatwierdz();

    {
        struct Odlozenie {
            bool& f;
            ~Odlozenie() { f = false; }
        } odlozenie{t.WycenaOdlozona = true};
        for (std::size_t a = 1; a < t.GlowneStacje.size(); ++a) {
            const int od = t.GlowneStacje[a - 1].LpStacji;
            const int doSt = t.GlowneStacje[a].LpStacji;
            if (!ObliczMinOdleglosci(d, od, doSt, t.GlowneStacje[a].NrLinii)) {
                t.OdcinekBezDrogi = int(a);
                break;
            }
            OznaczMinDroge(d, od, doSt, false, int(a), t.GlowneStacje[a].NrGrupy);
        }
    }
    // Wycena całej trasy (jak po ostatnim odcinku drogi).
    ObliczMinParametry(d);

    // Bez żadnego elementu trasy nagłówek nie może zachować długości i ceny
    // trasy, której już nie ma: wycena pustej trasy i zerowa cena przejazdu.
    if (t.Sciezki.empty()) {
        d.pociag.ustaw(QStringLiteral("CenaPrzejazdu"), d.wycena.cenaTrasy);
        d.pociag.ustaw(QStringLiteral("DlugoscWycen"), d.wycena.dlugoscWycen);
        d.pociag.zatwierdz();
    }
}

QStringList WyznaczTrase(Droga& d, int poziom)
{
    SortujSciezki(d);
    Trasa& tr = d.trasa;
    Tabela& t = tr.Podglad;
    t.usunIndeks();
    t.wyczysc();

    const Siec& s = d.siec;
    const int kOdStacji = t.indeksKolumny(QStringLiteral("OdStacji"));
    const int kDoStacji = t.indeksKolumny(QStringLiteral("DoStacji"));
    const int kNrLinii = t.indeksKolumny(QStringLiteral("NrLinii"));
    const int kOdKm = t.indeksKolumny(QStringLiteral("OdKm"));
    const int kDoKm = t.indeksKolumny(QStringLiteral("DoKm"));
    const int kDlugosc = t.indeksKolumny(QStringLiteral("Dlugosc"));
    const int kCena = t.indeksKolumny(QStringLiteral("Cena"));
    const int kLpDrogi = t.indeksKolumny(QStringLiteral("LpDrogi"));
    const int kUwagi = t.indeksKolumny(QStringLiteral("Uwagi"));
    const int kLpSciezkiOd = t.indeksKolumny(QStringLiteral("LpSciezkiOd"));
    const int kLpSciezkiDo = t.indeksKolumny(QStringLiteral("LpSciezkiDo"));
    const int kElektr = t.indeksKolumny(QStringLiteral("Elektr"));
    const int kNrOdc = t.indeksKolumny(QStringLiteral("NrOdcMERIDO"));
    const int kGrupa = t.indeksKolumny(QStringLiteral("Grupa"));
    const int kIdObOd = t.indeksKolumny(QStringLiteral("IdObOd"));
    const int kIdObDo = t.indeksKolumny(QStringLiteral("IdObDo"));
    const int kIdZarzadcy = t.indeksKolumny(QStringLiteral("IdZarzadcy"));
    const int kIdWoj = t.indeksKolumny(QStringLiteral("IdWojewodztwa"));
    const int kStawka = t.indeksKolumny(QStringLiteral("Stawka2008"));
    const int kPostoj = t.indeksKolumny(QStringLiteral("Postoj"));

    int poprzLpDrogi = -1;
    double poprzStawka = -1.0;
    int poprzNrLinii = 0;
    bool obcy = false;
    bool indywidualna = false;
    int w = -1;
    for (const TSciezka& e : tr.Sciezki) {
        const TOdcinek& o = s.Odcinki[std::size_t(e.LpOdcinka)];
        const TStacja& sOd = s.Stacje[std::size_t(e.LpStOd)];
        const TStacja& sDo = s.Stacje[std::size_t(e.LpStDo)];
        const double km = e.Odleglosc / 1000.0;
        const bool elektr = !(e.Cechy & cechy::BrakSieci);
        const bool nowy = w < 0 || e.LpDrogi != poprzLpDrogi
                          || (poziom >= 1 && std::fabs(e.Stawka - poprzStawka) > 0.000001) || e.NrLinii != poprzNrLinii
                          || (poziom == 2 && !punktTechniczny(sOd.OznaczenieStacji.tekst()));
        if (nowy) {
            w = t.dodajWiersz();
            double postoj = 0;
            if (e.LpDrogi != poprzLpDrogi && e.LpDrogi >= 0 && std::size_t(e.LpDrogi) < tr.GlowneStacje.size())
                postoj = tr.GlowneStacje[std::size_t(e.LpDrogi)].Postoj;
            t.ustaw(w, kPostoj, postoj);
            t.ustaw(w, kDlugosc, km);
            t.ustaw(w, kElektr, elektr ? km : 0.0);
            t.ustaw(w, kOdKm, e.OdKm);
            t.ustaw(w, kDoKm, e.DoKm);
            t.ustaw(w, kOdStacji, sOd.NazwaStacji.tekst());
            t.ustaw(w, kDoStacji, sDo.NazwaStacji.tekst());
            t.ustaw(w, kLpSciezkiOd, e.LpSciezki);
            t.ustaw(w, kLpSciezkiDo, e.LpSciezki);
            t.ustaw(w, kGrupa, e.Grupa);
            t.ustaw(w, kIdObOd, sOd.IdObEksp);
            t.ustaw(w, kIdObDo, sDo.IdObEksp);
            if (poziom >= 1) {
                t.ustaw(w, kIdWoj, int(o.IdWojewodztwa));
                t.ustaw(w, kIdZarzadcy, int(o.KodZarzadu));
            }
            if (!o.OznFK.pusty())
                t.ustaw(w, kNrOdc, QString::number(e.NrLinii) + o.OznFK.tekst());
        } else {
            t.ustaw(w, kDlugosc, t.wartosc(w, kDlugosc).toDouble() + km);
            if (elektr)
                t.ustaw(w, kElektr, t.wartosc(w, kElektr).toDouble() + km);
            t.ustaw(w, kLpSciezkiDo, e.LpSciezki);
            t.ustaw(w, kDoKm, e.DoKm);
            t.ustaw(w, kIdObDo, sDo.IdObEksp);
            t.ustaw(w, kDoStacji, sDo.NazwaStacji.tekst());
        }
        t.ustaw(w, kLpDrogi, e.LpDrogi);
        t.ustaw(w, kNrLinii, e.NrLinii);
        if (e.WgCennika) {
            if (poziom >= 1)
                t.ustaw(w, kStawka, e.Stawka);
            const QVariant cena = t.wartosc(w, kCena);
            t.ustaw(w, kCena, nowy || !cena.isValid() ? e.Cena : cena.toDouble() + e.Cena);
        } else {
            t.ustaw(w, kUwagi, e.Uwagi);
            if (e.Cechy & cechy::ObcyZarzad)
                obcy = true;
            else
                indywidualna = true;
        }
        poprzLpDrogi = e.LpDrogi;
        poprzStawka = e.Stawka;
        poprzNrLinii = e.NrLinii;
    }

    tr.SumCena = t.suma(QStringLiteral("Cena"));
    tr.SumDroga = t.suma(QStringLiteral("Dlugosc"));
    tr.PoziomPodgladu = poziom;
    tr.StawkaIUwagiWidoczne = poziom >= 1;

    if (obcy && indywidualna)
        tr.NotaCeny = QStringLiteral(" z uwagi na ruch po liniach obcego zarządu oraz po liniach z taksaturą indywidualną.");
    else if (indywidualna)
        tr.NotaCeny = QStringLiteral(" z uwagi na ruch po liniach z taksaturą indywidualną.");
    else if (obcy)
        tr.NotaCeny = QStringLiteral(" z uwagi na ruch po liniach obcego zarządu.");
    else
        tr.NotaCeny.clear();

    if (!tr.StawkaIUwagiWidoczne)
        return {QStringLiteral("Stawka2008"), QStringLiteral("Uwagi")};
    return {};
}

} // namespace tks
