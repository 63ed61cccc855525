#include "MapaTestowa.h"

#include "map/Kolory.h"
#include "map/Widok.h"
#include "network/PlikSieci.h"
#include "wspolne/SiecTestowa.h"

#include <QPainter>

namespace tks::test {

bool wczytajSiecPrzykladowa(Siec& s)
{
    QString blad;
    if (!WczytajLinieZPliku(s, QStringLiteral(TKS_RUN_DIR "/FDane.bin"), blad))
        return false;
    budujWartosciPochodne(s, nullptr);
    return true;
}

DrogaTestowa::DrogaTestowa() : d(std::make_unique<Droga>(ia, katalog.path())) {}

TSciezka element(const Siec& s, int a, int b, int odcinek, bool wyceniony)
{
    TSciezka e;
    e.LpStOd = a;
    e.LpStDo = b;
    e.LpOdcinka = odcinek;
    e.XOd = s.Stacje[std::size_t(a)].Xkm;
    e.YOd = s.Stacje[std::size_t(a)].Ykm;
    e.XDo = s.Stacje[std::size_t(b)].Xkm;
    e.YDo = s.Stacje[std::size_t(b)].Ykm;
    e.WgCennika = wyceniony ? 1 : 0;
    if (odcinek >= 0) {
        e.NrLinii = s.Odcinki[std::size_t(odcinek)].NrLinii;
        e.Odleglosc = s.Odcinki[std::size_t(odcinek)].Odleglosc;
    }
    return e;
}

TGlownaStacja punkt(const Siec& s, int stacja, std::uint8_t rodzaj)
{
    TGlownaStacja g;
    g.Rodzaj = rodzaj;
    g.LpStacji = stacja;
    g.Xkm = s.Stacje[std::size_t(stacja)].Xkm;
    g.Ykm = s.Stacje[std::size_t(stacja)].Ykm;
    return g;
}

int trasaWzdluzLinii(Droga& d, int od, int linia, int kroki, bool wyceniona)
{
    const Siec& s = d.siec;
    int biezaca = od;
    std::vector<int> uzyte;
    for (int k = 0; k < kroki; ++k) {
        int dalej = -1;
        for (const int o : s.OdcinkiStacji[std::size_t(biezaca)]) {
            const TOdcinek& od2 = s.Odcinki[std::size_t(o)];
            if (od2.NrLinii != linia || std::find(uzyte.begin(), uzyte.end(), o) != uzyte.end())
                continue;
            dalej = o;
            break;
        }
        if (dalej < 0)
            break;
        uzyte.push_back(dalej);
        const TOdcinek& o = s.Odcinki[std::size_t(dalej)];
        const int nast = o.LpStA == biezaca ? o.LpStB : o.LpStA;
        TSciezka e = element(s, biezaca, nast, dalej, wyceniona);
        e.LpDrogi = 1;
        e.NrGrupy = 1;
        e.LpSciezki = k;
        d.trasa.Sciezki.push_back(e);
        biezaca = nast;
    }
    d.trasa.GlowneStacje.clear();
    d.trasa.GlowneStacje.push_back(punkt(s, od, kPunktPoczatkowy));
    TGlownaStacja koniec = punkt(s, biezaca, kPunktKoncowy);
    koniec.NrGrupy = 1;
    d.trasa.GlowneStacje.push_back(koniec);
    return biezaca;
}

QImage rysuj(Droga& d, int szer, int wys, bool antyalias)
{
    QImage im(szer, wys, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    KanwaEkranu k(p, antyalias);
    odswiez(d, k);
    p.end();
    return im;
}

ElementyWydruku rysujDoWydruku(Droga& d, int szer, int wys, int ppi)
{
    ElementyWydruku e;
    KanwaWydruku k(e, szer, wys, ppi);
    odswiez(d, k);
    return e;
}

std::int32_t bgr(const QImage& im, int x, int y) { return bgrZKoloru(im.pixelColor(x, y)); }

bool jestKolorWokol(const QImage& im, int x, int y, int r, std::int32_t kolor)
{
    for (int yy = y - r; yy <= y + r; ++yy)
        for (int xx = x - r; xx <= x + r; ++xx)
            if (im.valid(xx, yy) && bgr(im, xx, yy) == kolor)
                return true;
    return false;
}

WidokTestowy::WidokTestowy() { d->siec.SrodekDomyslny = {500000, 400000}; }

void WidokTestowy::ustawZoom(std::int64_t zoom)
{
    d->widok.zoom = zoom;
    d->widok.WspXSrodka = 500000;
    d->widok.WspYSrodka = 400000;
    UstalSkale(d->widok, kSzerWidoku, kWysWidoku, d->siec.SrodekDomyslny);
}

TPunkt WidokTestowy::m(int x, int y) const { return pktkm(d->widok, x, y); }

int WidokTestowy::stacja(const QString& nazwa, int x, int y, int widocznosc)
{
    const TPunkt p = m(x, y);
    return dodajStacje(d->siec, nazwa, p.x, p.y, -1, widocznosc);
}

} // namespace tks::test
