"""Tabele słownikowe próbki: zarządcy, rodzaje stawek, przedziały masy,
cennik, województwa, zakłady i dni świąteczne. Wartości umowne."""

import datetime

ZARZADCY = [
    (1, "KZT ZLT S.A."),
    (2, "Magistrala Wschodnia Sp. z o.o."),
    (3, "Infrastruktura Torowa Północ S.A."),
]

# (IdRodzajuStawki, Nazwa, Skrot, NazwaPolaWBazie)
RODZAJE_STAWEK = [
    (0, "Pasażerski", "P", "SP"),
    (1, "Towarowy", "T", "ST"),
    (2, "Lokomotywa luzem", "L", "SL"),
]

# Przedziały masy brutto każdego rodzaju: (od, do, masa do obliczeń) w tonach;
# do = None oznacza przedział otwarty.
PRZEDZIALY = {
    0: [(0, 200, 150), (200, 400, 300), (400, 600, 500), (600, None, 800)],
    1: [(0, 1000, 800), (1000, 2000, 1500), (2000, 3000, 2500), (3000, 4000, 3500), (4000, None, 4000)],
    2: [(0, 100, 90), (100, 150, 130), (150, None, 200)],
}
GORNA_GRANICA_OTWARTA = 99999


def opis_przedzialu(od, do) -> str:
    if do is None:
        return "powyżej %d t" % od
    if od == 0:
        return "do %d t" % do
    return "powyżej %d t do %d t" % (od, do)


# Cennik: kategoria -> stawki kolejnych przedziałów (zł/pociągokm).
# Kategoria 6 pasażerska i 5 towarowa mają mniej stawek niż przedziałów
# (dla wyższych przedziałów obowiązuje ostatnia); kategoria 7 nie ma stawek.
CENNIK = {
    "P": {
        1: [14.25, 16.1025, 17.955, 20.0925],
        2: [11.873, 12.3456, 14.9602, 16.741],
        3: [9.41, 10.5392, 11.8566, 13.2681],
        4: [7.645, 8.5624, 9.6327, 10.7795],
        5: [5.312, 5.9494, 6.6931, 7.4899],
        6: [3.9, 4.368],
    },
    "T": {
        1: [18.0, 22.5, 27.9, 34.2, 43.2],
        2: [15.5, 19.375, 24.025, 29.45, 37.2],
        3: [13.2, 16.5, 20.46, 25.08, 31.68],
        4: [11.0, 13.75, 17.05, 20.9, 26.4],
        5: [9.2, 11.5, 14.26],
        6: [8.0, 10.0, 12.4, 15.2, 19.2],
    },
}

# TERYT -> (IdWojewodztwa, kolor RGB pastelowy)
WOJEWODZTWA = {
    "02": (1, 0xF4C7C3), "04": (2, 0xFCE8B2), "06": (3, 0xB7E1CD), "08": (4, 0xC6DAFC),
    "10": (5, 0xE1BEE7), "12": (6, 0xFFE0B2), "14": (7, 0xC8E6C9), "16": (8, 0xB3E5FC),
    "18": (9, 0xF8BBD0), "20": (10, 0xDCEDC8), "22": (11, 0xBBDEFB), "24": (12, 0xFFCCBC),
    "26": (13, 0xD7CCC8), "28": (14, 0xB2DFDB), "30": (15, 0xFFF9C4), "32": (16, 0xD1C4E9),
}

# Zakłady (jednostki regionalne): (nazwa, kolor RGB, TERYT obszaru)
ZAKLADY = [
    ("Zakład Linii Kolejowych w Warszawie", 0xCFE8CF, "14"),
    ("Zakład Linii Kolejowych w Krakowie", 0xFFE4C4, "12"),
    ("Zakład Linii Kolejowych w Sosnowcu", 0xF2D0D0, "24"),
    ("Zakład Linii Kolejowych w Poznaniu", 0xFFF5BA, "30"),
    ("Zakład Linii Kolejowych we Wrocławiu", 0xD4E4F7, "02"),
    ("Zakład Linii Kolejowych w Gdyni", 0xC9F0EC, "22"),
    ("Zakład Linii Kolejowych w Lublinie", 0xE6D5F0, "06"),
]


def kolor_bazy(rgb: int) -> int:
    """RGB (0xRRGGBB) -> zapis w bazie 0x00BBGGRR."""
    r, g, b = (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF
    return (b << 16) | (g << 8) | r


def wielkanoc(rok: int) -> datetime.date:
    """Niedziela Wielkanocna (algorytm Meeusa/Jonesa/Butchera)."""
    a, b, c = rok % 19, rok // 100, rok % 100
    d, e = b // 4, b % 4
    f = (b + 8) // 25
    g = (b - f + 1) // 3
    h = (19 * a + b - d - g + 15) % 30
    i, k = c // 4, c % 4
    l_ = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l_) // 451
    miesiac = (h + l_ - 7 * m + 114) // 31
    dzien = (h + l_ - 7 * m + 114) % 31 + 1
    return datetime.date(rok, miesiac, dzien)


def swieta(od: datetime.date, do: datetime.date) -> list:
    """Dni ustawowo wolne w przedziale (włącznie), rosnąco."""
    dni = set()
    for rok in range(od.year, do.year + 1):
        for m, d in ((1, 1), (1, 6), (5, 1), (5, 3), (8, 15), (11, 1), (11, 11), (12, 25), (12, 26)):
            dni.add(datetime.date(rok, m, d))
        w = wielkanoc(rok)
        for przes in (0, 1, 49, 60):  # Wielkanoc, poniedziałek, Zielone Świątki, Boże Ciało
            dni.add(w + datetime.timedelta(days=przes))
        if rok == 2018:
            dni.add(datetime.date(2018, 11, 12))  # jednorazowo, 100-lecie niepodległości
    return sorted(d for d in dni if od <= d <= do)


OKRES_SWIAT = (datetime.date(2017, 12, 10), datetime.date(2018, 12, 8))
