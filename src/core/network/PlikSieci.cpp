#include "PlikSieci.h"

#include "common/BledyPlikow.h"
#include "common/Bajty.h"
#include "common/ObrazTabeli.h"
#include "common/ZapisAtomowy.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace tks {
namespace {

template <int N>
void piszNapis(PisarzBajtow& w, const NapisStaly<N>& n)
{
    w.pisz<std::uint8_t>(n.dl);
    w.piszBajty(n.znaki, N);
}

void piszStacje(PisarzBajtow& w, const TStacja& s)
{
    w.pisz(s.Xkm);
    w.pisz(s.Ykm);
    w.pisz(s.IdObEksp);
    piszNapis(w, s.OznaczenieStacji);
    piszNapis(w, s.NazwaStacji);
    w.pisz(s.OdlMin);
    w.pisz(s.OdcPop);
    w.pisz(s.StPop);
    w.pisz(s.Widocznosc);
    w.pisz(s.LOdcinkow);
    w.pisz(s.Wybieralna);
    w.pisz(s.Stawka);
}

void piszOdcinek(PisarzBajtow& w, const TOdcinek& o)
{
    w.pisz(o.Lp);
    w.pisz(o.LpStA);
    w.pisz(o.LpStB);
    w.pisz(o.IdObA);
    w.pisz(o.IdObB);
    w.pisz(o.Odleglosc);
    w.pisz(o.XA);
    w.pisz(o.XB);
    w.pisz(o.YA);
    w.pisz(o.YB);
    w.pisz(o.MetrOsiA);
    w.pisz(o.MetrOsiB);
    w.pisz(o.NrLinii);
    w.pisz(o.Znacznik);
    w.pisz(o.Cechy);
    w.pisz(o.VP1);
    w.pisz(o.VP2);
    w.pisz(o.VT1);
    w.pisz(o.VT2);
    w.pisz(o.VOgr1);
    w.pisz(o.VOgr2);
    piszNapis(w, o.OznFK);
    w.pisz(o.KodZarzadu);
    w.pisz(o.Rezerwa);
    w.pisz(o.IdWojewodztwa);
    w.pisz(o.Klasa);
}

void piszRodzaj(PisarzBajtow& w, const TRodzajStawki& k)
{
    piszNapis(w, k.Nazwa);
    w.piszBajty(k.Rezerwa, 8);
    piszNapis(w, k.NazwaPolaWBazie);
    w.pisz(k.LZakrBr);
}

void piszPodzial(PisarzBajtow& w, const TPodzial& p)
{
    w.pisz(p.Kolor);
    w.pisz(p.KolorDomyslny);
    piszNapis(w, p.Nazwa);
    w.pisz(p.LPunktow);
}

void piszPunkty(PisarzBajtow& w, const TKontur& k)
{
    for (const auto& p : k) {
        w.pisz(p.x);
        w.pisz(p.y);
    }
}

} // namespace

QByteArray budujZawartoscSieci(const Siec& s)
{
    QByteArray b;
    PisarzBajtow w(b);
    b.append(s.ZakresyBr.obraz());
    b.append(s.RodzajeStawekTab.obraz());

    w.pisz<std::int32_t>(std::int32_t(s.Zarzadcy.size()));
    for (const auto& z : s.Zarzadcy)
        piszNapis(w, z);
    w.pisz<std::int32_t>(std::int32_t(s.RodzajeStawek.size()));
    for (const auto& k : s.RodzajeStawek)
        piszRodzaj(w, k);
    w.pisz<std::int32_t>(std::int32_t(s.KonturPolski.size()));
    for (const auto& p : s.KonturPolski) {
        w.pisz(p.x);
        w.pisz(p.y);
        w.pisz(p.LpGrupy);
    }
    w.pisz<std::int32_t>(std::int32_t(s.Zaklady.size()));
    for (const auto& z : s.Zaklady)
        piszPodzial(w, z);
    for (std::size_t i = 0; i < s.Zaklady.size(); ++i)
        piszPunkty(w, s.KonturyZakladow[i]);
    w.pisz<std::int32_t>(std::int32_t(s.Wojewodztwa.size()));
    for (const auto& z : s.Wojewodztwa)
        piszPodzial(w, z);
    for (std::size_t i = 0; i < s.Wojewodztwa.size(); ++i)
        piszPunkty(w, s.KonturyWojewodztw[i]);
    w.pisz<std::int32_t>(std::int32_t(s.Stacje.size()));
    for (const auto& st : s.Stacje)
        piszStacje(w, st);
    for (std::size_t i = 0; i < s.Stacje.size(); ++i)
        for (auto e : s.OdcinkiStacji[i])
            w.pisz<std::int32_t>(e);
    w.pisz<std::int32_t>(std::int32_t(s.Odcinki.size()));
    for (const auto& o : s.Odcinki)
        piszOdcinek(w, o);
    for (auto v : s.Stawki.surowe())
        w.pisz<std::uint16_t>(v);
    w.pisz<std::int32_t>(std::int32_t(s.Swieta.size()));
    for (double d : s.Swieta)
        w.pisz(d);
    return b;
}

bool ZapiszLinieDoPliku(const Siec& s, const QString& sciezka, QString& blad)
{
    QByteArray b = budujZawartoscSieci(s);
    przeksztalcKluczem(b);
    if (!zapiszAtomowo(sciezka, b, blad)) {
        blad = QStringLiteral("Nie można zapisać pliku sieci: %1").arg(blad);
        return false;
    }
    return true;
}

} // namespace tks
