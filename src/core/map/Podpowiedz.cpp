#include "Podpowiedz.h"

#include "Kanwa.h"
#include "Trafienia.h"
#include "app/Droga.h"
#include "common/Liczby.h"

#include <cmath>

namespace tks {

namespace {

constexpr std::int32_t kIdObOddawanejLinii = 241994;
const QString kWciecie = QStringLiteral("       ");

QString nazwaZarzadcy(const Siec& s, int kod)
{
    if (kod < 0 || kod >= int(s.Zarzadcy.size()))
        return {};
    return s.Zarzadcy[std::size_t(kod)].tekst();
}

QString tekstOgraniczen(const TOdcinek& o)
{
    if (o.IdObA == kIdObOddawanejLinii || o.IdObB == kIdObOddawanejLinii)
        return QStringLiteral("Stawka zostanie podana przed terminem oddania linii do eksploatacji");
    if (o.Cechy & cechy::Nieczynna)
        return QStringLiteral("nieczynna ");
    switch (o.Cechy & 7) {
    case 0:
        return {};
    case 2:
        return QStringLiteral("Zaw. ruch towarowy ");
    case 4:
        return QStringLiteral("Zaw. ruch pasażerski ");
    default:
        return QStringLiteral("Nie opracowuje się rocznego rozkładu jazdy");
    }
}

QString km3(std::int32_t metry)
{
    QString t = QString::number(double(metry) / 1000.0, 'f', 3);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

void liniePodpowiedziOdcinka(const Droga& d, int idx, QStringList& l)
{
    const Siec& s = d.siec;
    const TOdcinek& o = s.Odcinki[std::size_t(idx)];
    QString opis = QStringLiteral(" Linia ") + QString::number(o.NrLinii) + QLatin1Char(' ');
    if (o.Cechy & cechy::Szerokotorowa)
        opis += QStringLiteral("szerokotorowa ");
    if (!(o.Cechy & cechy::BrakSieci))
        opis += QStringLiteral("zelektryfikowana ");
    if (o.Cechy & cechy::NieWskazanyRuchPas)
        opis += QStringLiteral("towarowa ");
    if (o.Cechy & cechy::NieWskazanyRuchTow)
        opis += QStringLiteral("pasażerska ");
    l << opis;
    // Znacznik tranzytu uprzywilejowanego: bajt za kodem zarządcy.
    if (o.Rezerwa != 0) {
        l << kWciecie + QStringLiteral("Opłata za przejazd w ramach tranzytu uprzywilejowanego ")
          << kWciecie + QStringLiteral("wyznaczana jest na podstawie stawek jednostkowych ")
          << kWciecie + QStringLiteral("ustalonych z przewoźnikiem w umowie o udostępnianie linii kolejowych ");
    }
    const auto nazwa = [&](int st) {
        return st >= 0 && st < s.liczbaStacji() ? s.nazwaStacji(st).trimmed() : QString();
    };
    l << kWciecie + QStringLiteral("ODCINEK: ") + nazwa(o.LpStA) + QStringLiteral(" - ") + nazwa(o.LpStB) +
             QStringLiteral(" (długość ") + km3(o.Odleglosc) + QStringLiteral(" km) ");
    l << kWciecie + QStringLiteral("ZARZĄDCA: ") + nazwaZarzadcy(s, o.KodZarzadu);
    if (o.KodZarzadu != 1)
        return;
    const QString ogr = tekstOgraniczen(o);
    if (!ogr.isEmpty())
        l << kWciecie + QStringLiteral("OGRANICZENIA RUCHU: ") + ogr;
    const std::uint16_t stawka =
        std::size_t(idx) < s.Stawki.liczbaOdcinkow()
            ? s.Stawki.stawka(std::size_t(idx), d.kontrolki.idRodzajuStawki, d.kontrolki.lpZakresuBr)
            : 0;
    const QString prefiks = kWciecie + QStringLiteral("Bieżąca stawka Ssnk: ");
    if (stawka == 0)
        l << prefiks + QStringLiteral(" - taksatura indywidualna");
    else
        l << prefiks + formatujZl(stawka / 1000.0) + QStringLiteral("/pockm");
}

} // namespace

void LabelHintClear(TLabelHint& h)
{
    h.linie.clear();
    h.LLinii = 0;
    h.szerokosc = 0;
    h.wysokosc = 0;
}

void LabelHintAdd(TLabelHint& h, const QString& linia, QSize rozmiar)
{
    h.linie << linia;
    h.LLinii = std::int32_t(h.linie.size());
    h.szerokosc = std::max<std::int32_t>(h.szerokosc, rozmiar.width());
    h.wysokosc += rozmiar.height();
}

void LabelHintSetPos(TLabelHint& h, int x, int y, int szerokoscPb, int wysokoscPb)
{
    h.rect.left = x + 10;
    h.rect.top = y + 3;
    h.rect.right = h.rect.left + h.szerokosc;
    h.rect.bottom = y + 3 + h.wysokosc;
    if (h.rect.bottom > wysokoscPb) {
        h.rect.bottom = wysokoscPb;
        h.rect.top = wysokoscPb - h.wysokosc;
    }
    if (h.rect.right > szerokoscPb) {
        h.rect.right = x;
        h.rect.left = x - h.szerokosc;
    }
}

TPiksel PozycjaLiniiPodpowiedzi(const TLabelHint& h, int i)
{
    const int krok = h.LLinii > 0 ? int(std::nearbyint(double(h.wysokosc) / h.LLinii)) : 0;
    return {h.rect.left, h.rect.top + i * krok};
}

QStringList LiniePodpowiedzi(const Droga& d, int x, int y)
{
    QStringList l;
    if (x < 0 || y < 0 || x >= d.widok.szerokosc || y >= d.widok.wysokosc)
        return l;
    const Siec& s = d.siec;
    const auto stacje = ZnajdzKliknieteStacje(d, x, y);
    for (const auto& e : stacje) {
        const TStacja& st = s.Stacje[std::size_t(e.LpStacji)];
        l << QLatin1Char(' ') + st.NazwaStacji.tekst() + QStringLiteral(" (") + st.OznaczenieStacji.tekst() +
                 QStringLiteral(") ");
    }
    if (!stacje.empty())
        return l;
    const auto odcinki = ZnajdzKliknieteOdcinki(d, x, y);
    for (const auto& e : odcinki) {
        const TOdcinek& o = s.Odcinki[std::size_t(e.LpOdcinka)];
        if (d.widok.narzedzie == Narzedzie::Wskaznik)
            liniePodpowiedziOdcinka(d, e.LpOdcinka, l);
        else if (o.KodZarzadu != 1)
            l << QStringLiteral(" Linia ") + QString::number(o.NrLinii) + QStringLiteral("(Zarządca: ") +
                     nazwaZarzadcy(s, o.KodZarzadu) + QLatin1Char(')');
        else
            l << QStringLiteral(" Linia ") + QString::number(o.NrLinii);
    }
    return l;
}

bool PrzygotujPodpowiedz(const Droga& d, int x, int y, Kanwa& k, TLabelHint& h)
{
    LabelHintClear(h);
    const QStringList linie = LiniePodpowiedzi(d, x, y);
    if (linie.isEmpty())
        return false;
    for (const QString& l : linie)
        LabelHintAdd(h, l, k.rozmiarTekstu(l));
    LabelHintSetPos(h, x, y, d.widok.szerokosc, d.widok.wysokosc);
    return true;
}

void RysujPodpowiedz(Kanwa& k, const TLabelHint& h, std::int32_t kolorTla)
{
    if (h.LLinii <= 0)
        return;
    const Pioro pioro = k.pioro;
    const Pedzel pedzel = k.pedzel;
    const Czcionka czcionka = k.czcionka;
    k.pioro = {kolorTla, 1, StylPiora::Brak};
    k.pedzel = {kolorTla, true};
    k.Prostokat(h.rect);
    k.czcionka.kolor = kCzarny;
    k.czcionka.styl = 0;
    for (int i = 0; i < h.LLinii; ++i)
        k.Etykieta(PozycjaLiniiPodpowiedzi(h, i), h.linie[i]);
    k.pioro = pioro;
    k.pedzel = pedzel;
    k.czcionka = czcionka;
}

} // namespace tks
