"""Odczyt danych źródłowych: wykaz punktów linii (CSV) i kontury (GeoJSON)."""

import csv
import json
import os
import re
from dataclasses import dataclass
from typing import Optional

PLIK_PUNKTOW = os.path.join("id12_semaforek", "id12_points_enriched.csv")
PLIK_KRAJU = os.path.join("boundaries", "polska_lad_z_wojewodztw.geojson")
PLIK_WOJEWODZTW = os.path.join("boundaries", "wojewodztwa.json")
PLIK_ATRYBUTOW = "line_attributes_sample.csv"

# Nazwy w wykazie, które nie są nazwami punktów (błędy w danych źródłowych).
NAZWY_BLEDNE = {"CORRECT"}

# Cyrylica z diakrytykami łączącymi; po przejściu granicy nazwa ma w nawiasie
# polski zapis, np. "Terespol-Брест (Brześć)" -> "Terespol-Brześć".
_CYRYLICA = "[\u0400-\u04FF\u0300-\u036F]"
_WYRAZ_CYR = _CYRYLICA + "+(?:[-\\s]" + _CYRYLICA + "+)*"
_CYR_Z_NAWIASEM = re.compile(_WYRAZ_CYR + r"\s*\(([^)]*)\)")
_CYR_SAM = re.compile(r"-?" + _WYRAZ_CYR)


def popraw_nazwe(nazwa: str) -> str:
    """Nazwa zapisywalna w CP1250: bez cyrylicy, z pojedynczymi odstępami."""
    n = _CYR_Z_NAWIASEM.sub(lambda m: m.group(1), nazwa)
    n = _CYR_SAM.sub("", n)
    n = re.sub(r"\s+", " ", n).strip()
    n.encode("cp1250")  # wyjątek, gdy zostało coś spoza strony kodowej
    return n


@dataclass
class Wiersz:
    """Jeden wiersz wykazu: punkt na linii (z jednym numerem linii stycznej)."""
    id: int
    linia: int
    nazwa: str
    rodzaj: str
    metr: int
    inna_linia: Optional[int]
    szer: Optional[float]
    dl: Optional[float]
    ocena: str
    kod_stacji: str


def _liczba(s, typ):
    return typ(s) if s not in ("", None) else None


def czytaj_punkty(katalog: str, linie) -> list:
    """Wiersze wykazu dla podanych linii, bez pozycji nieużywalnych."""
    wynik = []
    with open(os.path.join(katalog, PLIK_PUNKTOW), encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f):
            linia = int(r["line"])
            if linia not in linie or r["metrage_m"] == "":
                continue
            nazwa = r["name"].strip()
            rodzaj = r["kind"].strip()
            if nazwa in NAZWY_BLEDNE or "zlikwidowan" in (nazwa + rodzaj) or "rozebran" in rodzaj:
                continue
            wynik.append(Wiersz(
                id=int(r["point_id"]), linia=linia, nazwa=popraw_nazwe(nazwa), rodzaj=rodzaj,
                metr=int(r["metrage_m"]), inna_linia=_liczba(r["other_line"], int),
                szer=_liczba(r["lat"], float), dl=_liczba(r["lon"], float),
                ocena=r["coord_check"], kod_stacji=r["plk_ref"].strip()))
    return wynik


def czytaj_vmax(katalog: str) -> dict:
    """Prędkości maksymalne linii podane w zestawieniu atrybutów (km/h)."""
    wynik = {}
    with open(os.path.join(katalog, PLIK_ATRYBUTOW), encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f):
            if r["vmax_kmh"].strip():
                wynik[int(r["line"])] = int(r["vmax_kmh"])
    return wynik


def _pierscien_zewnetrzny(geometria) -> list:
    """Zewnętrzny pierścień wielokąta; dla wielokąta złożonego ten największy."""
    if geometria["type"] == "Polygon":
        pierscienie = [geometria["coordinates"][0]]
    elif geometria["type"] == "MultiPolygon":
        pierscienie = [p[0] for p in geometria["coordinates"]]
    else:
        raise ValueError("nieobsługiwana geometria " + geometria["type"])
    pierscien = max(pierscienie, key=len)
    pkt = [(float(x), float(y)) for x, y in pierscien]
    if pkt[0] == pkt[-1]:
        pkt.pop()
    return pkt


def czytaj_kontur_kraju(katalog: str) -> list:
    """Kontur lądu kraju [(dł, szer), ...] (jeden wielokąt)."""
    with open(os.path.join(katalog, PLIK_KRAJU), encoding="utf-8") as f:
        dane = json.load(f)
    obiekty = dane["features"] if dane.get("type") == "FeatureCollection" else [dane]
    if len(obiekty) != 1:
        raise ValueError("kontur kraju: oczekiwano jednego obiektu, jest %d" % len(obiekty))
    return _pierscien_zewnetrzny(obiekty[0].get("geometry", obiekty[0]))


def czytaj_wojewodztwa(katalog: str) -> dict:
    """Kod TERYT (np. '02') -> (nazwa, pierścień [(dł, szer), ...])."""
    with open(os.path.join(katalog, PLIK_WOJEWODZTW), encoding="utf-8") as f:
        dane = json.load(f)
    wynik = {}
    for o in dane["features"]:
        kod = o["properties"]["JPT_KOD_JE"]
        wynik[kod] = (o["properties"]["JPT_NAZWA_"], _pierscien_zewnetrzny(o["geometry"]))
    return wynik
