"""Kontrole wygenerowanej próbki. Każde naruszenie przerywa generowanie,
więc plik wynikowy nigdy nie powstaje z błędną siecią."""

import sqlite3
from collections import Counter, defaultdict

import atrybuty
import geometria
import slowniki
from siec import ZbioryRozlaczne


class BladKontroli(Exception):
    pass


def _wymagaj(warunek, komunikat, *arg):
    if not warunek:
        raise BladKontroli(komunikat % arg if arg else komunikat)


def _gesta(wartosci, nazwa):
    _wymagaj(sorted(wartosci) == list(range(len(wartosci))), "%s: numeracja nie jest gęsta od 0", nazwa)


def _kolumna(tabela, nazwa):
    kolumny, wiersze = tabela
    i = kolumny.index(nazwa)
    return [w[i] for w in wiersze]


def _jako_slowniki(tabela):
    kolumny, wiersze = tabela
    return [dict(zip(kolumny, w)) for w in wiersze]


def sprawdz_stacje(st):
    _gesta([s["LpStacji"] for s in st], "StacjeDoProgramu.LpStacji")
    ids = [s["IdObEksp"] for s in st]
    _wymagaj(len(set(ids)) == len(ids) and min(ids) > 0, "IdObEksp nieunikalne albo niedodatnie")
    for s in st:
        n = s["NazwaStacji"]
        _wymagaj(0 < len(n.encode("cp1250")) <= 80, "nazwa stacji poza CP1250 albo za długa: %r", n)
        _wymagaj(0 < len(s["OznaczenieStacji"]) <= 5, "oznaczenie stacji %r: %r", n, s["OznaczenieStacji"])
    kody = Counter(s["OznaczenieStacji"] for s in st)
    for kod in ("PSL", "PVMAX", "PZMKL", "PPRJ"):
        _wymagaj(kody[kod] > 0, "brak punktów z oznaczeniem %s", kod)


def sprawdz_odcinki(od, st, kontur_kraju):
    _gesta([o["LpOdcinka"] for o in od], "OdcinkiDoProgramu.LpOdcinka")
    stacja = {s["LpStacji"]: s for s in st}
    uzyte = set()
    for o in od:
        opis = "odcinek %d (linia %d)" % (o["LpOdcinka"], o["NrLinii"])
        a, b = stacja.get(o["LpStA"]), stacja.get(o["LpStB"])
        _wymagaj(a is not None and b is not None, "%s: koniec bez stacji", opis)
        _wymagaj(a is not b, "%s: oba końce w tej samej stacji", opis)
        _wymagaj(o["IdObA"] == a["IdObEksp"] and o["IdObB"] == b["IdObEksp"], "%s: IdOb niezgodne ze stacją", opis)
        _wymagaj(o["Odleglosc"] > 0, "%s: długość zerowa", opis)
        _wymagaj(o["Odleglosc"] == abs(o["MetrOsiB"] - o["MetrOsiA"]), "%s: długość różna od różnicy km", opis)
        # Położenia końców muszą zgadzać się z kilometrażem.
        d = geometria.odleglosc_km(_stopnie(a), _stopnie(b))
        _wymagaj(d <= 1.2 * o["Odleglosc"] / 1000 + 2.0, "%s %s - %s: %.1f km w linii prostej przy %.1f km toru",
                 opis, a["NazwaStacji"], b["NazwaStacji"], d, o["Odleglosc"] / 1000)
        for v in ("VP1", "VP2", "VT1", "VT2", "VOgr1", "VOgr2"):
            _wymagaj(0 < o[v] <= 200, "%s: %s = %s", opis, v, o[v])
        _wymagaj(o["VT1"] <= 120 and o["VT2"] <= 120, "%s: prędkość towarowa ponad 120", opis)
        _wymagaj(o["OznFK"] is None or len(o["OznFK"]) == 1, "%s: OznFK", opis)
        uzyte.update((o["LpStA"], o["LpStB"]))
    _wymagaj(uzyte == set(stacja), "stacje bez odcinków: %d", len(set(stacja) - uzyte))
    # Kolejne odcinki linii stykają się i idą w górę kilometrażu.
    wg_linii = defaultdict(list)
    for o in od:
        wg_linii[o["NrLinii"]].append(o)
    for nr, os_ in wg_linii.items():
        for p, q in zip(os_, os_[1:]):
            _wymagaj(p["LpStB"] == q["LpStA"] and p["MetrOsiB"] == q["MetrOsiA"] and q["MetrOsiA"] < q["MetrOsiB"],
                     "linia %d: przerwa albo cofnięcie przy odcinku %d", nr, q["LpOdcinka"])
    # Stacje w granicach kraju (punkty graniczne mogą leżeć tuż za linią granicy).
    poza = [s["NazwaStacji"] for s in st if not geometria.punkt_w_wielokacie(_stopnie(s), kontur_kraju)]
    _wymagaj(all(n.startswith("Granica") or "Most" in n for n in poza), "stacje poza krajem: %s", poza[:10])
    bez_woj = sum(o["IdWojewodztwa"] is None for o in od)
    _wymagaj(bez_woj <= len(od) // 50, "za dużo odcinków bez województwa: %d", bez_woj)


def _stopnie(s):
    return (s["Xkm"] * 0.000006 + 14.0, s["Ykm"] * 0.000004 + 14.0)


def sprawdz_spojnosc(od, st):
    """Sieć spójna; linia z własnymi punktami (szeroki tor) styka się z resztą
    tylko we wspólnych punktach, nie mniej niż w dwóch (jest objazd)."""
    uf = ZbioryRozlaczne()
    for s in st:
        uf.znajdz(s["LpStacji"])
    for o in od:
        uf.polacz(o["LpStA"], o["LpStB"])
    linie_skladowej = defaultdict(set)
    for o in od:
        linie_skladowej[uf.znajdz(o["LpStA"])].add(o["NrLinii"])
    skladowe = sorted(linie_skladowej.values(), key=len, reverse=True)
    _wymagaj(len(skladowe) == 1, "sieć niespójna: osobne składowe z liniami %s", [sorted(x) for x in skladowe[1:]])
    linie_stacji = defaultdict(set)
    for o in od:
        linie_stacji[o["LpStA"]].add(o["NrLinii"])
        linie_stacji[o["LpStB"]].add(o["NrLinii"])
    for nr in atrybuty.LINIE_ODDZIELNE:
        wspolne = [s for s, l in linie_stacji.items() if nr in l and len(l) > 1]
        _wymagaj(len(wspolne) >= 2, "linia %d: wspólnych punktów z innymi liniami %d", nr, len(wspolne))


def sprawdz_widocznosc(od, st):
    linie = defaultdict(set)
    for o in od:
        linie[o["LpStA"]].add(o["NrLinii"])
        linie[o["LpStB"]].add(o["NrLinii"])
    for s in st:
        n, w = len(linie[s["LpStacji"]]), s["Widocznosc"]
        _wymagaj((w == -1) == (n >= 3) and (w == 0) == (n == 2), "%s: widoczność %d przy %d liniach",
                 s["NazwaStacji"], w, n)
        _wymagaj(w in (-1, 0, 1, 2, 4, 8, 16, 32) or w >= 10000, "%s: widoczność %d", s["NazwaStacji"], w)
    ukryte = sum(s["Widocznosc"] >= 10000 for s in st)
    _wymagaj(0 < ukryte <= len(st) // 100, "punktów ukrytych %d", ukryte)


def sprawdz_atrybuty(od):
    for f in atrybuty.FLAGI:
        _wymagaj(any(o[f] for o in od), "flaga %s nie występuje na żadnym odcinku", f)
    szerokie = {o["NrLinii"] for o in od if o["Szerokotorowa"]}
    _wymagaj(szerokie == atrybuty.LINIE_ODDZIELNE, "odcinki szerokotorowe na liniach %s", sorted(szerokie))
    zarzady = {o["KodZarzadu"] for o in od}
    _wymagaj(zarzady == {z for z, _ in slowniki.ZARZADCY}, "użyci zarządcy %s", sorted(zarzady))
    _wymagaj(any(o["OznFK"] is None for o in od) and any(o["OznFK"] for o in od), "OznFK bez NULL albo bez wartości")
    _wymagaj(any(o["VP1"] != o["VP2"] for o in od) and any(o["VT1"] != o["VT2"] for o in od),
             "brak odcinków o różnych prędkościach w kierunkach")
    _wymagaj(any(o["VOgr1"] < max(o["VP1"], o["VT1"]) for o in od), "brak ograniczeń prędkości linii")


def sprawdz_stawki(tabele, od):
    rodzaje = _jako_slowniki(tabele["RodzajeStawek"])
    zakresy = _jako_slowniki(tabele["ZakresyBr"])
    _gesta([r["IdRodzajuStawki"] for r in rodzaje], "RodzajeStawek")
    ids = [z["IdZakresuBr"] for z in zakresy]
    _wymagaj(len(set(ids)) == len(ids), "IdZakresuBr nieunikalne")
    przedzialow = {}
    for r in rodzaje:
        zr = sorted((z for z in zakresy if z["IdRodzajuStawki"] == r["IdRodzajuStawki"]),
                    key=lambda z: z["LpZakresuBr"])
        _gesta([z["LpZakresuBr"] for z in zr], "ZakresyBr rodzaju %d" % r["IdRodzajuStawki"])
        _wymagaj(r["LZakrBR"] == len(zr) and 3 <= len(zr) <= 6, "LZakrBR rodzaju %d", r["IdRodzajuStawki"])
        _wymagaj(len(r["NazwaPolaWBazie"]) <= 4 and len(r["Skrot"]) <= 2, "pola rodzaju %d", r["IdRodzajuStawki"])
        for p, q in zip(zr, zr[1:]):
            _wymagaj(p["ZakresDo"] == q["ZakresOd"] and p["BrDoObl"] < q["BrDoObl"], "przedziały rodzaju %d",
                     r["IdRodzajuStawki"])
        for z in zr:
            _wymagaj(z["ZakresOd"] <= z["BrDoObl"] <= z["ZakresDo"], "masa do obliczeń poza przedziałem: %r", z)
        przedzialow[r["Skrot"]] = len(zr)
    stawki = defaultdict(list)
    for kat, rodzaj, st in tabele["Cennik"][1]:
        stawki[(kat, rodzaj)].append(st)
    mniej = 0
    for (kat, rodzaj), s in stawki.items():
        _wymagaj(s == sorted(s) and len(set(s)) == len(s), "cennik %d/%s nie rośnie", kat, rodzaj)
        _wymagaj(len(s) <= przedzialow[rodzaj], "cennik %d/%s: więcej stawek niż przedziałów", kat, rodzaj)
        _wymagaj(0 < min(s) and max(s) < 65, "cennik %d/%s: stawka poza zakresem", kat, rodzaj)
        mniej += len(s) < przedzialow[rodzaj]
    _wymagaj(mniej > 0, "brak kategorii z mniejszą liczbą stawek niż przedziałów")
    # Odcinek dostępny dla ruchu ma stawkę; zamknięty dla rodzaju - nie ma jej.
    for o in od:
        for pole_kat, pole_zaw, rodzaj in (("KatCenSP", "ZawRuchPas", "P"), ("KatCenST", "ZawRuchTow", "T")):
            ma = (o[pole_kat], rodzaj) in stawki
            _wymagaj(ma != o[pole_zaw], "odcinek %d: kategoria %s=%s przy %s=%s", o["LpOdcinka"], pole_kat,
                     o[pole_kat], pole_zaw, o[pole_zaw])


def sprawdz_kontury(tabele):
    kraj = tabele["KonturPolski"][1]
    _wymagaj(200 <= len(kraj) <= 600, "kontur kraju: %d punktów", len(kraj))
    _wymagaj([w[1] for w in kraj] == list(range(1, len(kraj) + 1)), "kontur kraju: numeracja")
    for nazwa, pole_id, pole_lp, najwyzej in (("KonturyWoj", "IdWojewodztwa", "LpPkt", 300),
                                              ("KonturyIZ", "KodZakladu", "Lp", 300)):
        pkt = defaultdict(list)
        for w in _jako_slowniki(tabele[nazwa]):
            pkt[w[pole_id]].append(w[pole_lp])
        for k, lps in pkt.items():
            _wymagaj(lps == list(range(1, len(lps) + 1)) and 20 <= len(lps) <= najwyzej, "%s %s: %d punktów",
                     nazwa, k, len(lps))
        tab = "Wojewodztwa" if nazwa == "KonturyWoj" else "zaklady"
        _wymagaj(set(pkt) == set(_kolumna(tabele[tab], pole_id)), "%s bez konturu albo kontur bez %s", tab, tab)
    _wymagaj(_kolumna(tabele["Wojewodztwa"], "IdWojewodztwa") == list(range(1, 17)), "numeracja województw")
    _gesta(_kolumna(tabele["zaklady"], "KodZakladu"), "zaklady")
    _wymagaj(5 <= len(tabele["zaklady"][1]) <= 8, "liczba zakładów")
    for tab in ("Wojewodztwa", "zaklady"):
        for k in _kolumna(tabele[tab], "Kolor"):
            _wymagaj(0 <= k <= 0xFFFFFF and min(k & 0xFF, (k >> 8) & 0xFF, (k >> 16) & 0xFF) >= 0xA0,
                     "%s: kolor %06X nie jest pastelowy", tab, k)


def sprawdz_swieta(tabele):
    dni = [w[0] for w in tabele["Swieta"][1]]
    od, do = slowniki.OKRES_SWIAT
    _wymagaj(all(od <= d <= do for d in dni) and dni == sorted(set(dni)), "święta poza okresem albo powtórzone")
    tekst = {d.isoformat() for d in dni}
    for d in ("2017-12-25", "2017-12-26", "2018-04-01", "2018-04-02", "2018-05-20", "2018-05-31", "2018-11-12"):
        _wymagaj(d in tekst, "brak święta %s", d)
    _wymagaj(len(dni) == 14, "świąt %d, oczekiwano 14", len(dni))


def sprawdz(tabele, kontur_kraju):
    st = _jako_slowniki(tabele["StacjeDoProgramu"])
    od = _jako_slowniki(tabele["OdcinkiDoProgramu"])
    sprawdz_stacje(st)
    sprawdz_odcinki(od, st, kontur_kraju)
    sprawdz_spojnosc(od, st)
    sprawdz_widocznosc(od, st)
    sprawdz_atrybuty(od)
    sprawdz_stawki(tabele, od)
    sprawdz_kontury(tabele)
    sprawdz_swieta(tabele)


def sprawdz_wczytanie(schemat, sql, tabele):
    """Wczytuje schemat i wynik do bazy w pamięci i porównuje zawartość."""
    db = sqlite3.connect(":memory:")
    try:
        db.executescript(schemat)
        db.executescript(sql)
        for nazwa, (_, wiersze) in tabele.items():
            (n,) = db.execute("SELECT COUNT(*) FROM %s" % nazwa).fetchone()
            _wymagaj(n == len(wiersze), "%s: w bazie %d wierszy, wygenerowano %d", nazwa, n, len(wiersze))
        (n,) = db.execute(
            "SELECT COUNT(*) FROM OdcinkiDoProgramu o"
            " JOIN StacjeDoProgramu a ON a.LpStacji = o.LpStA AND a.IdObEksp = o.IdObA"
            " JOIN StacjeDoProgramu b ON b.LpStacji = o.LpStB AND b.IdObEksp = o.IdObB").fetchone()
        _wymagaj(n == len(tabele["OdcinkiDoProgramu"][1]), "odcinki bez stacji po wczytaniu: %d",
                 len(tabele["OdcinkiDoProgramu"][1]) - n)
        (n,) = db.execute("SELECT COUNT(*) FROM OdcinkiDoProgramu WHERE KodZarzadu NOT IN (SELECT Id FROM Zarzadcy)"
                          " OR (IdWojewodztwa IS NOT NULL AND IdWojewodztwa NOT IN"
                          " (SELECT IdWojewodztwa FROM Wojewodztwa))").fetchone()
        _wymagaj(n == 0, "odcinki z nieznanym zarządcą albo województwem: %d", n)
        (n,) = db.execute("SELECT COUNT(*) FROM Cennik WHERE Rodzaj NOT IN (SELECT Skrot FROM RodzajeStawek)"
                          ).fetchone()
        _wymagaj(n == 0, "cennik z nieznanym rodzajem stawki")
        (nazwa,) = db.execute("SELECT NazwaStacji FROM StacjeDoProgramu ORDER BY LpStacji LIMIT 1").fetchone()
        _wymagaj(nazwa == tabele["StacjeDoProgramu"][1][0][3], "napisy zmienione przy wczytaniu")
    finally:
        db.close()
