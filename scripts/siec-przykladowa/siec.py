"""Budowa sieci z wykazu punktów: punkty linii, ich położenie, wspólne stacje
na stykach linii i odcinki między kolejnymi punktami."""

from collections import defaultdict
from dataclasses import dataclass, field
from typing import Optional

from geometria import odleglosc_km

# Punkty o tej samej nazwie na jednej linii, leżące bliżej niż tyle metrów
# kilometrażu, to jeden punkt (np. stacja i jej rozjazdy wjazdowe).
ZASIEG_GRUPY_M = 4000
# Punkty o tej samej nazwie na różnych liniach są jedną stacją, gdy leżą bliżej
# niż tyle km, albo do tego progu, gdy wykaz mówi, że linie się tam stykają.
BLISKO_KM = 5.0
BLISKO_ZE_STYKIEM_KM = 25.0
TO_SAMO_MIEJSCE_KM = 0.5


def pasuje(a, b, metry) -> bool:
    """Czy dwa położenia zgadzają się z różnicą kilometrażu (jak w ocenie źródła)."""
    return odleglosc_km(a, b) <= 1.2 * (abs(metry) / 1000.0 + 2.0)


def klasa_rodzaju(rodzaj: str) -> str:
    r = rodzaj.lower()
    if r.startswith("rozjazd"):
        return "rozjazd"
    if "przystanek osobowy" in r:
        return "przystanek"
    if r.startswith("stacja"):
        return "stacja"
    if "posterunek" in r or "mijanka" in r or "zdalnie" in r or "przystanek służbowy" in r:
        return "posterunek"
    if "bocznica" in r or "ładownia" in r or "przeładunk" in r or "grupa torów" in r:
        return "bocznica"
    return "graniczny"  # granica państwa, tunel, styk, początek/koniec linii


# Kolejność ważności rodzajów przy wyborze punktu reprezentującego grupę.
WAGA_KLASY = {"stacja": 0, "przystanek": 1, "posterunek": 2, "bocznica": 3, "graniczny": 4, "rozjazd": 5}


@dataclass
class PunktLinii:
    linia: int
    nazwa: str
    metr: int
    rodzaj: str
    wiersze: list
    inne_linie: set
    zmierzona: Optional[tuple] = None   # (dł, szer) z danych
    pozycja: Optional[tuple] = None     # zmierzona albo oszacowana
    stacja: int = -1                    # indeks w tablicy stacji (po scaleniu)
    sztuczny: bool = False              # punkt zmiany prędkości dodany w programie

    @property
    def klasa(self):
        return klasa_rodzaju(self.rodzaj)


def grupuj_linie(wiersze, zakresy) -> dict:
    """Linia -> punkty w kolejności kilometrażu; wiersze tej samej nazwy
    w promieniu ZASIEG_GRUPY_M tworzą jeden punkt."""
    wg_linii = defaultdict(list)
    for w in wiersze:
        wg_linii[w.linia].append(w)
    wynik = {}
    for linia, ws in wg_linii.items():
        ws.sort(key=lambda w: (w.metr, w.id))
        grupy = []
        ostatnia = {}  # nazwa -> indeks grupy
        for w in ws:
            g = ostatnia.get(w.nazwa)
            # Ta sama nazwa dołącza do grupy, gdy jest blisko albo gdy między
            # nimi nie ma innego punktu (rozjazdy daleko przed stacją).
            if g is not None and (w.metr - grupy[g][-1].metr <= ZASIEG_GRUPY_M or g == len(grupy) - 1):
                grupy[g].append(w)
            else:
                ostatnia[w.nazwa] = len(grupy)
                grupy.append([w])
        punkty = []
        od, do = zakresy.get(linia, (None, None))
        for g in grupy:
            rep = min(g, key=lambda w: (WAGA_KLASY[klasa_rodzaju(w.rodzaj)], w.metr, w.id))
            if (od is not None and rep.metr < od) or (do is not None and rep.metr > do):
                continue
            dobre = [w for w in g if w.szer is not None and w.ocena in ("ok", "unchecked")]
            dobre.sort(key=lambda w: (w is not rep, w.id))
            p = PunktLinii(linia=linia, nazwa=rep.nazwa, metr=rep.metr, rodzaj=rep.rodzaj, wiersze=g,
                           inne_linie={w.inna_linia for w in g if w.inna_linia is not None},
                           zmierzona=(dobre[0].dl, dobre[0].szer) if dobre else None)
            punkty.append(p)
        punkty.sort(key=lambda p: (p.metr, min(w.id for w in p.wiersze)))
        wynik[linia] = punkty
    return wynik


def odrzuc_odstajace(punkty, dziennik) -> None:
    """Usuwa położenia niezgodne z sąsiadami na linii (po jednym, najgorsze najpierw)."""
    while True:
        znane = [p for p in punkty if p.zmierzona is not None]
        najgorszy, najg_udzial = None, 1.0
        for i, p in enumerate(znane):
            sasiedzi = znane[max(0, i - 2):i] + znane[i + 1:i + 3]
            if len(sasiedzi) < 2:
                continue
            ok = sum(pasuje(p.zmierzona, s.zmierzona, p.metr - s.metr) for s in sasiedzi)
            udzial = ok / len(sasiedzi)
            if udzial < 0.5 and udzial < najg_udzial:
                najgorszy, najg_udzial = p, udzial
        if najgorszy is None:
            return
        dziennik.append("linia %d: pominięto położenie punktu %s (niezgodne z sąsiadami)"
                        % (najgorszy.linia, najgorszy.nazwa))
        najgorszy.zmierzona = None


def _interpoluj(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def szacuj_polozenia(punkty) -> None:
    """Położenia brakujące: liniowo po kilometrażu między znanymi sąsiadami,
    na końcach linii przedłużenie kierunku dwóch skrajnych znanych punktów."""
    znane = [i for i, p in enumerate(punkty) if p.zmierzona is not None]
    for p in punkty:
        p.pozycja = p.zmierzona
    if len(znane) < 2:
        return  # położenie przyjdzie ze stacji wspólnych z innymi liniami
    for i1, i2 in zip(znane, znane[1:]):
        a, b = punkty[i1], punkty[i2]
        for k in range(i1 + 1, i2):
            t = (punkty[k].metr - a.metr) / (b.metr - a.metr) if b.metr != a.metr else 0.5
            punkty[k].pozycja = _interpoluj(a.zmierzona, b.zmierzona, t)
    for skraj, wewn, zakres in ((znane[0], znane[1], range(0, znane[0])),
                                (znane[-1], znane[-2], range(znane[-1] + 1, len(punkty)))):
        a, b = punkty[skraj], punkty[wewn]
        d = odleglosc_km(a.zmierzona, b.zmierzona)
        for k in zakres:
            dm = abs(punkty[k].metr - a.metr) / 1000.0 * 0.9
            t = -dm / d if d > 0 else 0.0
            punkty[k].pozycja = _interpoluj(a.zmierzona, b.zmierzona, t)


class ZbioryRozlaczne:
    def __init__(self):
        self.rodzic = {}

    def znajdz(self, x):
        self.rodzic.setdefault(x, x)
        while self.rodzic[x] != x:
            self.rodzic[x] = self.rodzic[self.rodzic[x]]
            x = self.rodzic[x]
        return x

    def polacz(self, a, b):
        ra, rb = self.znajdz(a), self.znajdz(b)
        if ra != rb:
            # Mniejszy klucz zostaje korzeniem: wynik nie zależy od kolejności.
            if rb < ra:
                ra, rb = rb, ra
            self.rodzic[rb] = ra


@dataclass
class Stacja:
    punkty: list                 # PunktLinii należące do stacji
    nazwa: str = ""
    pozycja: tuple = (0.0, 0.0)
    id_ob: int = 0
    linie: set = field(default_factory=set)
    sztuczna: bool = False

    @property
    def klasa(self):
        return min((p.klasa for p in self.punkty), key=lambda k: WAGA_KLASY[k])

    @property
    def rodzaje(self):
        return {p.rodzaj for p in self.punkty}


def _klucz(p):
    return (p.linia, p.metr, p.nazwa)


def scal_stacje(linie, osobne, aliasy, dziennik) -> list:
    """Łączy punkty różnych linii w stacje. `osobne`: linie, których punkty
    nie łączą się z innymi liniami; `aliasy`: pary ((linia, nazwa), (linia, nazwa))
    tego samego miejsca pod różnymi nazwami."""
    uf = ZbioryRozlaczne()
    wszystkie = [p for nr in sorted(linie) for p in linie[nr]]
    wg_nazwy = defaultdict(list)
    for p in wszystkie:
        uf.znajdz(_klucz(p))
        wg_nazwy[p.nazwa].append(p)
    for nazwa, ps in sorted(wg_nazwy.items()):
        for i, p in enumerate(ps):
            for q in ps[i + 1:]:
                if p.linia == q.linia:
                    continue
                styk = q.linia in p.inne_linie or p.linia in q.inne_linie
                if (p.linia in osobne) != (q.linia in osobne):
                    # linia z własnymi punktami łączy się tylko tam, gdzie punkt
                    # o tej samej nazwie leży w tym samym miejscu
                    laczyc = (p.pozycja is not None and q.pozycja is not None
                              and odleglosc_km(p.pozycja, q.pozycja) <= TO_SAMO_MIEJSCE_KM)
                elif p.pozycja is not None and q.pozycja is not None:
                    d = odleglosc_km(p.pozycja, q.pozycja)
                    laczyc = d <= BLISKO_KM or (styk and d <= BLISKO_ZE_STYKIEM_KM)
                else:
                    laczyc = styk or len({r.linia for r in ps}) == len(ps)
                if laczyc:
                    uf.polacz(_klucz(p), _klucz(q))
    indeks = {(p.linia, p.nazwa): p for p in wszystkie}
    for (la, na), (lb, nb) in aliasy:
        if (la, na) not in indeks or (lb, nb) not in indeks:
            raise KeyError("alias wskazuje punkt spoza sieci: %r / %r" % ((la, na), (lb, nb)))
        uf.polacz(_klucz(indeks[(la, na)]), _klucz(indeks[(lb, nb)]))
    # Dwa punkty jednej linii o równym kilometrażu to jedno miejsce.
    for nr in sorted(linie):
        ps = linie[nr]
        for a, b in zip(ps, ps[1:]):
            if a.metr == b.metr:
                uf.polacz(_klucz(a), _klucz(b))
                dziennik.append("linia %d: %s i %s w tym samym km %.3f - jeden punkt"
                                % (nr, a.nazwa, b.nazwa, a.metr / 1000))
    grupy = defaultdict(list)
    for p in wszystkie:
        grupy[uf.znajdz(_klucz(p))].append(p)
    stacje = []
    for korzen in sorted(grupy):
        stacje.append(Stacja(punkty=grupy[korzen]))
    for i, s in enumerate(stacje):
        for p in s.punkty:
            p.stacja = i
    # Na każdej linii stacja występuje raz; punkty scalone w jedno miejsce
    # (równy kilometraż) zostają jednym punktem linii.
    for nr in sorted(linie):
        nowe = []
        for p in linie[nr]:
            if nowe and nowe[-1].stacja == p.stacja:
                # Zostaje punkt ważniejszego rodzaju (stacja przed rozjazdem).
                q = nowe[-1]
                zostaje, znika = (q, p) if WAGA_KLASY[q.klasa] <= WAGA_KLASY[p.klasa] else (p, q)
                zostaje.wiersze.extend(znika.wiersze)
                zostaje.inne_linie |= znika.inne_linie
                if zostaje.zmierzona is None:
                    zostaje.zmierzona = znika.zmierzona
                stacje[p.stacja].punkty.remove(znika)
                nowe[-1] = zostaje
                continue
            nowe.append(p)
        linie[nr] = nowe
        widziane = defaultdict(list)
        for p in nowe:
            widziane[p.stacja].append(p.metr)
        for st, ms in widziane.items():
            if len(ms) > 1:
                raise ValueError("linia %d przechodzi dwa razy przez stację %s (km %s)"
                                 % (nr, stacje[st].punkty[0].nazwa, ms))
    return stacje


def uzupelnij_stacje(stacje, linie, dziennik) -> None:
    """Nazwa, położenie, identyfikator i zbiór linii każdej stacji."""
    for s in stacje:
        rep = min(s.punkty, key=lambda p: (WAGA_KLASY[p.klasa], p.linia, p.nazwa))
        s.nazwa = rep.nazwa
        s.linie = {p.linia for p in s.punkty}
        s.id_ob = min(w.id for p in s.punkty for w in p.wiersze)
        zmierzone = sorted({p.zmierzona for p in s.punkty if p.zmierzona is not None})
        if zmierzone:
            s.pozycja = (sum(z[0] for z in zmierzone) / len(zmierzone),
                         sum(z[1] for z in zmierzone) / len(zmierzone))
        else:
            oszac = [p.pozycja for p in s.punkty if p.pozycja is not None]
            s.pozycja = (sum(z[0] for z in oszac) / len(oszac), sum(z[1] for z in oszac) / len(oszac)) \
                if oszac else None
    # Linie bez własnych współrzędnych: położenie punktów ze stacji wspólnych,
    # reszta interpolowana po kilometrażu między nimi.
    for nr in sorted(linie):
        ps = linie[nr]
        if all(stacje[p.stacja].pozycja is not None for p in ps):
            continue
        znane = [i for i, p in enumerate(ps) if stacje[p.stacja].pozycja is not None]
        if len(znane) < 2:
            raise ValueError("linia %d: za mało punktów o znanym położeniu" % nr)
        for i1, i2 in zip(znane, znane[1:]):
            a, b = stacje[ps[i1].stacja].pozycja, stacje[ps[i2].stacja].pozycja
            for k in range(i1 + 1, i2):
                t = (ps[k].metr - ps[i1].metr) / (ps[i2].metr - ps[i1].metr)
                stacje[ps[k].stacja].pozycja = _interpoluj(a, b, t)
        if znane[0] != 0 or znane[-1] != len(ps) - 1:
            raise ValueError("linia %d: końce bez położenia" % nr)
        dziennik.append("linia %d: położenia z sąsiednich linii" % nr)


def niedomkniete_styki(stacje, linie) -> list:
    """Miejsca, gdzie wykaz podaje styk z linią z próbki, a punkt nie jest
    wspólny z żadnym punktem tamtej linii."""
    wynik = []
    for nr in sorted(linie):
        for p in linie[nr]:
            for inna in sorted(p.inne_linie):
                if inna in linie and inna != nr and inna not in stacje[p.stacja].linie:
                    wynik.append((nr, p.nazwa, inna))
    return wynik


def wstaw_punkt(linie, stacje, nr, metr, nazwa, id_ob, rodzaj) -> None:
    """Dodaje sztuczny punkt linii w podanym km (położenie interpolowane)."""
    ps = linie[nr]
    for i in range(len(ps) - 1):
        a, b = ps[i], ps[i + 1]
        if a.metr < metr < b.metr:
            t = (metr - a.metr) / (b.metr - a.metr)
            poz = _interpoluj(stacje[a.stacja].pozycja, stacje[b.stacja].pozycja, t)
            p = PunktLinii(linia=nr, nazwa=nazwa, metr=metr, rodzaj=rodzaj, wiersze=[], inne_linie=set(),
                           pozycja=poz, stacja=len(stacje), sztuczny=True)
            stacje.append(Stacja(punkty=[p], nazwa=nazwa, pozycja=poz, id_ob=id_ob, linie={nr}, sztuczna=True))
            ps.insert(i + 1, p)
            return
    raise ValueError("linia %d: km %.3f poza zakresem albo w istniejącym punkcie" % (nr, metr / 1000))
