#include "Warunki.h"

#include "app/Droga.h"

namespace tks {

std::uint16_t MaskaKontrolek(const StanKontrolek& k)
{
    std::uint16_t m = 0;
    if (k.normalne) m |= cechy::Normalnotorowa;
    if (k.szerokie) m |= cechy::Szerokotorowa;
    if (k.brakSieci) m |= cechy::BrakSieci;
    if (k.nieczynne) m |= cechy::Nieczynna;
    if (k.podObcymZarzadem) m |= cechy::ObcyZarzad;
    if (k.nieWskazanyRuchPas) m |= cechy::NieWskazanyRuchPas;
    if (k.nieWskazanyRuchTow) m |= cechy::NieWskazanyRuchTow;
    if (k.zawRuchPas) m |= cechy::ZawRuchPas;
    if (k.zawRuchTow) m |= cechy::ZawRuchTow;
    return m;
}

void UstalWarunki(Droga& d)
{
    const StanKontrolek& k = d.kontrolki;
    d.trasa.Kryterium = k.kryterium;
    std::uint16_t m = MaskaKontrolek(k);
    m |= cechy::Zabroniony;
    if (k.kryterium == 0 || k.kryterium == 1 || k.kryterium == 3)
        m |= cechy::DoPominiecia;
    d.trasa.MaskaOgraniczen = m;
}

void UsunWyborReczny(Droga& d)
{
    d.trasa.OdcinkiWyboru.clear();
    d.trasa.PunktyWyboru.clear();
}

void KasujDroge(Droga& d)
{
    d.trasa.Sciezki.clear();
    d.trasa.GlowneStacje.clear();
    for (auto& s : d.siec.Stacje) {
        s.OdlMin = kNieosiagnieta;
        s.Wybieralna = 1;
    }
    d.trasa.ListaStacjiZabronionych.clear();
    for (auto& o : d.siec.Odcinki)
        o.Cechy &= std::uint16_t(~cechy::Zabroniony);
    d.trasa.ListaOdcinkowZabronionych.clear();
    UsunWyborReczny(d);
    d.trasa.LicznikGrup = 0;
    d.pociag.PociagStacje.wyczysc();
    d.pociag.ZmianyPociagu = false;
}

} // namespace tks
