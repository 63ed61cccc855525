"""Proste operacje geometryczne na współrzędnych geograficznych (stopnie WGS84)."""

import math

# Przybliżenie płaskie wystarczające w skali kraju: km na stopień.
KM_NA_STOPIEN_SZER = 111.2
SZER_ODNIESIENIA = 52.0
KM_NA_STOPIEN_DL = KM_NA_STOPIEN_SZER * math.cos(math.radians(SZER_ODNIESIENIA))


def odleglosc_km(a, b) -> float:
    """Odległość w km między punktami (dł, szer)."""
    sr = math.radians((a[1] + b[1]) / 2)
    dx = (a[0] - b[0]) * KM_NA_STOPIEN_SZER * math.cos(sr)
    dy = (a[1] - b[1]) * KM_NA_STOPIEN_SZER
    return math.hypot(dx, dy)


def _plaski(p):
    return (p[0] * KM_NA_STOPIEN_DL, p[1] * KM_NA_STOPIEN_SZER)


def _odl_od_odcinka(p, a, b) -> float:
    (px, py), (ax, ay), (bx, by) = _plaski(p), _plaski(a), _plaski(b)
    dx, dy = bx - ax, by - ay
    d2 = dx * dx + dy * dy
    if d2 == 0:
        return math.hypot(px - ax, py - ay)
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / d2))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def _douglas_peucker(pkt, tol_km):
    """Łamana otwarta; zwraca indeksy punktów zachowanych (bez rekurencji)."""
    zostaw = [False] * len(pkt)
    zostaw[0] = zostaw[-1] = True
    stos = [(0, len(pkt) - 1)]
    while stos:
        i, j = stos.pop()
        naj, k_naj = -1.0, -1
        for k in range(i + 1, j):
            d = _odl_od_odcinka(pkt[k], pkt[i], pkt[j])
            if d > naj:
                naj, k_naj = d, k
        if k_naj >= 0 and naj > tol_km:
            zostaw[k_naj] = True
            stos.append((i, k_naj))
            stos.append((k_naj, j))
    return [k for k in range(len(pkt)) if zostaw[k]]


def upros_pierscien(pierscien, tol_km):
    """Upraszcza pierścień zamknięty (bez powtórzonego punktu końcowego).

    Pierścień dzielony jest w punkcie najdalszym od pierwszego, każda połowa
    upraszczana osobno, dzięki czemu kształt nie zapada się przy dużej tolerancji."""
    n = len(pierscien)
    daleki = max(range(n), key=lambda k: (odleglosc_km(pierscien[0], pierscien[k]), -k))
    pierwsza = pierscien[:daleki + 1]
    druga = pierscien[daleki:] + [pierscien[0]]
    a = [pierwsza[k] for k in _douglas_peucker(pierwsza, tol_km)]
    b = [druga[k] for k in _douglas_peucker(druga, tol_km)]
    return a + b[1:-1]


def rownomierny_pierscien(pierscien, liczba):
    """Pierścień zamknięty (bez powtórzonego punktu końcowego) przepróbkowany do
    `liczba` punktów w równych odstępach wzdłuż obwodu. Średnia takich punktów
    leży blisko środka obszaru, a nie tam, gdzie granica jest najbardziej kręta."""
    zamkniety = list(pierscien) + [pierscien[0]]
    dlugosci = [odleglosc_km(zamkniety[i], zamkniety[i + 1]) for i in range(len(zamkniety) - 1)]
    krok = sum(dlugosci) / liczba
    wynik, przebyte, cel = [], 0.0, 0.0
    for i, dl in enumerate(dlugosci):
        a, b = zamkniety[i], zamkniety[i + 1]
        while len(wynik) < liczba and cel <= przebyte + dl:
            u = (cel - przebyte) / dl if dl > 0 else 0.0
            wynik.append((round(a[0] + u * (b[0] - a[0]), 6), round(a[1] + u * (b[1] - a[1]), 6)))
            cel += krok
        przebyte += dl
    return wynik


def upros_do_liczby(pierscien, najwyzej, najmniej=0):
    """Najdokładniejsze uproszczenie mające co najwyżej `najwyzej` punktów
    (tolerancja dobierana bisekcją, wynik deterministyczny)."""
    if len(pierscien) <= najwyzej:
        return list(pierscien)
    lo, hi = 0.0, 50.0
    najlepszy = upros_pierscien(pierscien, hi)
    for _ in range(40):
        sr = (lo + hi) / 2
        w = upros_pierscien(pierscien, sr)
        if len(w) <= najwyzej:
            hi, najlepszy = sr, w
        else:
            lo = sr
    if len(najlepszy) < max(3, najmniej):
        raise ValueError("za mało punktów po uproszczeniu konturu")
    return najlepszy


def punkt_w_wielokacie(p, wielokat) -> bool:
    """Test promienia (parzystość przecięć); wielokąt jako lista (dł, szer)."""
    x, y = p
    wewnatrz = False
    n = len(wielokat)
    for i in range(n):
        x1, y1 = wielokat[i]
        x2, y2 = wielokat[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            xp = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xp:
                wewnatrz = not wewnatrz
    return wewnatrz


def surowe_xy(dl, szer):
    """Stopnie -> surowe wartości kolumn współrzędnych bazy, z dokładnością 0,01."""
    return round((dl - 14.0) / 0.000006, 2), round((szer - 14.0) / 0.000004, 2)
