#!/usr/bin/env python3
"""Generator przykładowej bazy sieci kolejowej (data/siec.sql).

Czyta wykaz linii z kilometrażem i kontury z katalogu danych źródłowych
i zapisuje instrukcje INSERT dla tabel z data/schemat.sql. Ten sam zestaw
danych wejściowych daje zawsze bajtowo identyczny plik.

Użycie:  python3 scripts/siec-przykladowa/generuj.py [--zrodla KATALOG] [--wyjscie PLIK]
"""

import argparse
import os
import sys
import unicodedata

import atrybuty
import geometria
import kontrole
import siec
import slowniki
import zrodla
from zapis_sql import insert, stawka

KATALOG_REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

KODY_TECHNICZNE = {"rozjazd": "PPRJ", "posterunek": "PSL", "bocznica": "PSL", "graniczny": "PZMKL"}
KOD_ZMIANY_PREDKOSCI = "PVMAX"
ID_PUNKTOW_SZTUCZNYCH = 90001
WIDOCZNOSC_UKRYTA = 10000
PUNKTOW_KONTURU_KRAJU = 400
PUNKTOW_KONTURU_WOJ = 250


# --------------------------------------------------------------------- sieć

def buduj_siec(katalog, dziennik):
    linie_nr = set(atrybuty.ZAKRESY)
    wiersze = zrodla.czytaj_punkty(katalog, linie_nr)
    for w in wiersze:
        if (w.linia, w.nazwa) in atrybuty.POLOZENIA_POMINIETE:
            w.szer = w.dl = None
    zakresy = {nr: z for nr, z in atrybuty.ZAKRESY.items() if z is not None}
    linie = siec.grupuj_linie(wiersze, zakresy)
    brak = linie_nr - set(linie)
    if brak:
        raise ValueError("brak punktów linii %s w wykazie" % sorted(brak))
    for nr in sorted(linie):
        siec.odrzuc_odstajace(linie[nr], dziennik)
        siec.szacuj_polozenia(linie[nr])
    stacje = siec.scal_stacje(linie, atrybuty.LINIE_ODDZIELNE, atrybuty.ALIASY, dziennik)
    siec.uzupelnij_stacje(stacje, linie, dziennik)
    for nr, nazwa, inna in siec.niedomkniete_styki(stacje, linie):
        if any(p.nazwa == nazwa for p in linie[inna]):
            raise ValueError("linia %d, %s: styk z linią %d nie został połączony" % (nr, nazwa, inna))
        dziennik.append("linia %d, %s: styk z linią %d poza zakresem próbki" % (nr, nazwa, inna))
    return linie, stacje


def sprawdz_vmax(katalog):
    """Najwyższa prędkość w odcinkach prędkości linii zgodna z zestawieniem atrybutów."""
    for nr, vmax in sorted(zrodla.czytaj_vmax(katalog).items()):
        if nr in atrybuty.SEKCJE:
            najw = max(max(poz[1], poz[3].get("vp2", 0) if len(poz) > 3 else 0) for poz in atrybuty.SEKCJE[nr])
            if najw != vmax:
                raise ValueError("linia %d: najwyższa prędkość %d, w zestawieniu atrybutów %d" % (nr, najw, vmax))


def sekcje_linii(linie, stacje, nr):
    """Odcinki prędkości linii jako lista (km_początku_m, atrybuty), rosnąco.
    Początek podany liczbą (km) tworzy punkt zmiany prędkości."""
    wynik = []
    for poz in atrybuty.SEKCJE[nr]:
        poczatek, vp, vt = poz[:3]
        zmiany = dict(poz[3]) if len(poz) > 3 else {}
        if isinstance(poczatek, str):
            trafione = [p for p in linie[nr] if p.nazwa == poczatek or stacje[p.stacja].nazwa == poczatek]
            if len(trafione) != 1:
                raise ValueError("linia %d: odcinek od '%s' - punkt nieznany albo niejednoznaczny" % (nr, poczatek))
            metr = trafione[0].metr
        else:
            metr = int(round(poczatek * 1000))
            nazwa = "Zmiana prędkości l. %d km %s" % (nr, ("%.3f" % poczatek).replace(".", ","))
            id_ob = ID_PUNKTOW_SZTUCZNYCH + sum(1 for s in stacje if s.sztuczna)
            siec.wstaw_punkt(linie, stacje, nr, metr, nazwa, id_ob, "punkt zmiany prędkości")
        wynik.append((metr, dict(vp=vp, vt=vt, **zmiany)))
    metry = [m for m, _ in wynik]
    if metry != sorted(metry) or len(set(metry)) != len(metry):
        raise ValueError("linia %d: początki odcinków prędkości nie rosną" % nr)
    if metry[0] > linie[nr][0].metr:
        raise ValueError("linia %d: pierwszy odcinek prędkości nie zaczyna się na początku linii" % nr)
    return wynik


# ----------------------------------------------------------------- stacje

def _ascii(t):
    return "".join(c for c in unicodedata.normalize("NFKD", t.replace("ł", "l").replace("Ł", "L"))
                   if c.isascii() and c.isalpha())


def kod_literowy(nazwa):
    slowa = [_ascii(s) for s in nazwa.split()]
    slowa = [s for s in slowa if s]
    kod = (slowa[0][:3] + "".join(s[0] for s in slowa[1:]))[:5].upper()
    if kod in KODY_TECHNICZNE.values() or kod == KOD_ZMIANY_PREDKOSCI:
        kod = kod[:-1] + "X"
    return kod


def oznaczenie(s):
    if s.sztuczna:
        return KOD_ZMIANY_PREDKOSCI
    klasa = s.klasa
    if klasa in KODY_TECHNICZNE:
        return KODY_TECHNICZNE[klasa]
    kody = sorted({w.kod_stacji for p in s.punkty for w in p.wiersze if w.kod_stacji and len(w.kod_stacji) <= 5})
    return kody[0] if kody else kod_literowy(s.nazwa)


def widocznosc(s, konce_linii):
    if s.sztuczna:
        return WIDOCZNOSC_UKRYTA
    if len(s.linie) >= 3:
        return -1
    if len(s.linie) == 2:
        return 0
    klasa = s.klasa
    if klasa == "stacja":
        if "Główn" in s.nazwa or s.nazwa in konce_linii:
            return 1
        return 2 if any("węzłowa" in r for r in s.rodzaje) else 4
    if klasa == "przystanek":
        return 8
    if klasa in ("posterunek", "graniczny"):
        return 16
    return 32  # rozjazdy, bocznice


def wiersze_stacji(linie, stacje):
    """Kolejność stacji: wg numeru linii i kilometrażu pierwszego wystąpienia."""
    kolejnosc = []
    widziane = set()
    for nr in sorted(linie):
        for p in linie[nr]:
            if p.stacja not in widziane:
                widziane.add(p.stacja)
                kolejnosc.append(p.stacja)
    if len(kolejnosc) != len(stacje):
        raise ValueError("stacje bez żadnej linii: %d" % (len(stacje) - len(kolejnosc)))
    lp = {st: i for i, st in enumerate(kolejnosc)}
    konce_linii = {stacje[ps[k].stacja].nazwa for ps in linie.values() for k in (0, -1)}
    wiersze = []
    for st in kolejnosc:
        s = stacje[st]
        x, y = geometria.surowe_xy(*s.pozycja)
        wiersze.append((lp[st], s.id_ob, oznaczenie(s), s.nazwa, x, y, widocznosc(s, konce_linii),
                        atrybuty.STAWKI_STACJI.get(s.nazwa)))
    return lp, wiersze


# ----------------------------------------------------------------- odcinki

def wojewodztwo_punktu(p, kontury):
    for id_woj, pierscien, (x0, y0, x1, y1) in kontury:
        if x0 <= p[0] <= x1 and y0 <= p[1] <= y1 and geometria.punkt_w_wielokacie(p, pierscien):
            return id_woj
    return None


def wiersze_odcinkow(linie, stacje, sekcje_linii_nr, lp_stacji, kontury_woj):
    wiersze = []
    uzyte_odcinki = set()
    for nr in sorted(linie):
        sekcje = sekcje_linii_nr[nr]
        baza = atrybuty.LINIE[nr]
        ps = linie[nr]
        for a, b in zip(ps, ps[1:]):
            k = max(i for i, (m, _) in enumerate(sekcje) if m <= a.metr)
            sek = sekcje[k][1]
            flagi = set(baza.get("flagi", ())) | set(sek.get("flagi", ()))
            kat_p, kat_t = sek.get("kat", baza["kat"])
            vp1, vt1 = sek["vp"], sek["vt"]
            vp2, vt2 = sek.get("vp2", vp1), sek.get("vt2", vt1)
            vogr1, vogr2 = max(vp1, vt1), max(vp2, vt2)
            klucz = (nr, stacje[a.stacja].nazwa, stacje[b.stacja].nazwa)
            wyj = atrybuty.ODCINKI.get(klucz)
            if wyj:
                uzyte_odcinki.add(klucz)
                flagi |= wyj.get("flagi_dodaj", set())
                if "vogr" in wyj:
                    vogr1 = vogr2 = wyj["vogr"]
            fk = ("A" if k % 2 == 0 else "B") if baza.get("fk", True) else None
            sa, sb = stacje[a.stacja], stacje[b.stacja]
            srodek = ((sa.pozycja[0] + sb.pozycja[0]) / 2, (sa.pozycja[1] + sb.pozycja[1]) / 2)
            lp = len(wiersze)
            wiersze.append(dict(
                LpOdcinka=lp, lp=lp + 1, LpStA=lp_stacji[a.stacja], LpStB=lp_stacji[b.stacja],
                IdObA=sa.id_ob, IdObB=sb.id_ob, Odleglosc=abs(b.metr - a.metr),
                MetrOsiA=a.metr, MetrOsiB=b.metr, NrLinii=nr, KodZarzadu=baza.get("zarzad", 1),
                OznFK=fk, IdWojewodztwa=wojewodztwo_punktu(srodek, kontury_woj), Klasa=baza["klasa"],
                KatCenSP=kat_p, KatCenST=kat_t,
                **{f: f in flagi for f in atrybuty.FLAGI},
                VP1=vp1, VP2=vp2, VT1=vt1, VT2=vt2, VOgr1=vogr1, VOgr2=vogr2))
    nieuzyte = set(atrybuty.ODCINKI) - uzyte_odcinki
    if nieuzyte:
        raise ValueError("wyjątki odcinków bez odcinka w sieci: %s" % sorted(nieuzyte))
    return wiersze


KOLUMNY_ODCINKOW = ("LpOdcinka", "lp", "LpStA", "LpStB", "IdObA", "IdObB", "Odleglosc", "MetrOsiA", "MetrOsiB",
                    "NrLinii", "KodZarzadu", "OznFK", "IdWojewodztwa", "Klasa", "KatCenSP", "KatCenST") \
    + atrybuty.FLAGI + ("VP1", "VP2", "VT1", "VT2", "VOgr1", "VOgr2")
KOLUMNY_STACJI = ("LpStacji", "IdObEksp", "OznaczenieStacji", "NazwaStacji", "Xkm", "Ykm", "Widocznosc", "Stawka")


# ------------------------------------------------------------------ całość

def kontur_surowy(pierscien):
    return [geometria.surowe_xy(dl, szer) for dl, szer in pierscien]


def generuj(katalog):
    """Zwraca (tekst SQL, tabele jako słownik nazwa -> (kolumny, wiersze), dziennik)."""
    dziennik = []
    sprawdz_vmax(katalog)
    linie, stacje = buduj_siec(katalog, dziennik)
    woj = zrodla.czytaj_wojewodztwa(katalog)
    if sorted(woj) != sorted(slowniki.WOJEWODZTWA):
        raise ValueError("nieoczekiwane kody województw: %s" % sorted(woj))
    kontury_woj = []
    for kod in sorted(woj, key=lambda k: slowniki.WOJEWODZTWA[k][0]):
        pierscien = woj[kod][1]
        xs, ys = [p[0] for p in pierscien], [p[1] for p in pierscien]
        kontury_woj.append((slowniki.WOJEWODZTWA[kod][0], pierscien, (min(xs), min(ys), max(xs), max(ys))))

    # Odczyt odcinków prędkości wstawia punkty zmiany prędkości, więc musi
    # poprzedzić numerację stacji.
    sekcje = {nr: sekcje_linii(linie, stacje, nr) for nr in sorted(linie)}
    lp_stacji, w_stacji = wiersze_stacji(linie, stacje)
    odcinki = wiersze_odcinkow(linie, stacje, sekcje, lp_stacji, kontury_woj)

    tabele = {}
    tabele["ZakresyBr"] = (("IdZakresuBr", "IdRodzajuStawki", "LpZakresuBr", "ZakresOd", "BrDoObl", "ZakresDo", "Opis"), [
        (10 * r + lp + 1, r, lp, float(od), br, float(do if do is not None else slowniki.GORNA_GRANICA_OTWARTA),
         slowniki.opis_przedzialu(od, do))
        for r in sorted(slowniki.PRZEDZIALY) for lp, (od, do, br) in enumerate(slowniki.PRZEDZIALY[r])])
    tabele["Zarzadcy"] = (("Id", "Nazwa"), list(slowniki.ZARZADCY))
    tabele["RodzajeStawek"] = (("IdRodzajuStawki", "Nazwa", "Skrot", "NazwaPolaWBazie", "LZakrBR"), [
        (r, n, s, pole, len(slowniki.PRZEDZIALY[r])) for r, n, s, pole in slowniki.RODZAJE_STAWEK])
    kraj = geometria.rownomierny_pierscien(zrodla.czytaj_kontur_kraju(katalog), PUNKTOW_KONTURU_KRAJU)
    tabele["KonturPolski"] = (("LpGrupy", "Lp", "Xkm", "Ykm"),
                              [(1, i + 1, x, y) for i, (x, y) in enumerate(kontur_surowy(kraj))])
    uproszczone = {kod: geometria.upros_do_liczby(woj[kod][1], PUNKTOW_KONTURU_WOJ) for kod in sorted(woj)}
    tabele["zaklady"] = (("KodZakladu", "NazwaZakladu", "Kolor"), [
        (i, n, slowniki.kolor_bazy(k)) for i, (n, k, _) in enumerate(slowniki.ZAKLADY)])
    tabele["KonturyIZ"] = (("KodZakladu", "Lp", "X", "Y"), [
        (i, j + 1, x, y) for i, (_, _, kod) in enumerate(slowniki.ZAKLADY)
        for j, (x, y) in enumerate(kontur_surowy(uproszczone[kod]))])
    kody_woj = sorted(slowniki.WOJEWODZTWA, key=lambda k: slowniki.WOJEWODZTWA[k][0])
    tabele["Wojewodztwa"] = (("IdWojewodztwa", "Nazwa", "Kolor"), [
        (slowniki.WOJEWODZTWA[k][0], woj[k][0], slowniki.kolor_bazy(slowniki.WOJEWODZTWA[k][1])) for k in kody_woj])
    tabele["KonturyWoj"] = (("IdWojewodztwa", "LpPkt", "Xkm", "Ykm"), [
        (slowniki.WOJEWODZTWA[k][0], j + 1, x, y) for k in kody_woj
        for j, (x, y) in enumerate(kontur_surowy(uproszczone[k]))])
    tabele["StacjeDoProgramu"] = (KOLUMNY_STACJI, w_stacji)
    tabele["OdcinkiDoProgramu"] = (KOLUMNY_ODCINKOW, [tuple(o[k] for k in KOLUMNY_ODCINKOW) for o in odcinki])
    tabele["Cennik"] = (("Kategoria", "Rodzaj", "Stawka"), [
        (kat, rodzaj, stawka(v)) for rodzaj in ("P", "T") for kat in sorted(slowniki.CENNIK[rodzaj])
        for v in slowniki.CENNIK[rodzaj][kat]])
    tabele["Swieta"] = (("Data",), [(d,) for d in slowniki.swieta(*slowniki.OKRES_SWIAT)])

    kontrole.sprawdz(tabele, zrodla.czytaj_kontur_kraju(katalog))

    czesci = ["-- Przykładowa sieć kolejowa. Plik wygenerowany: scripts/siec-przykladowa/generuj.py\n"
              "-- Źródła danych i licencje: data/ZRODLA.md. Nie edytować ręcznie.\n"]
    for nazwa in ("Zarzadcy", "RodzajeStawek", "ZakresyBr", "Cennik", "Swieta", "Wojewodztwa", "KonturyWoj",
                  "zaklady", "KonturyIZ", "KonturPolski", "StacjeDoProgramu", "OdcinkiDoProgramu"):
        kolumny, wiersze = tabele[nazwa]
        czesci.append("\n" + insert(nazwa, kolumny, wiersze))
    return "".join(czesci), tabele, dziennik


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--zrodla", default=os.path.join(KATALOG_REPO, "..", "shared", "data"),
                    help="katalog danych źródłowych (domyślnie ../shared/data względem repozytorium)")
    ap.add_argument("--wyjscie", default=os.path.join(KATALOG_REPO, "data", "siec.sql"))
    ap.add_argument("--schemat", default=os.path.join(KATALOG_REPO, "data", "schemat.sql"),
                    help="schemat do próbnego wczytania wyniku (pomijane, gdy pliku brak)")
    ap.add_argument("-v", "--gadatliwie", action="store_true", help="wypisz dziennik przetwarzania")
    a = ap.parse_args(argv)
    sql, tabele, dziennik = generuj(os.path.normpath(a.zrodla))
    if os.path.exists(a.schemat):
        with open(a.schemat, encoding="utf-8") as f:
            kontrole.sprawdz_wczytanie(f.read(), sql, tabele)
    with open(a.wyjscie, "w", encoding="utf-8", newline="\n") as f:
        f.write(sql)
    if a.gadatliwie:
        for linia in dziennik:
            print(linia, file=sys.stderr)
    _, st = tabele["StacjeDoProgramu"]
    _, od = tabele["OdcinkiDoProgramu"]
    print("zapisano %s: linii %d, stacji %d, odcinków %d" % (
        a.wyjscie, len({o[KOLUMNY_ODCINKOW.index("NrLinii")] for o in od}), len(st), len(od)))


if __name__ == "__main__":
    main()
