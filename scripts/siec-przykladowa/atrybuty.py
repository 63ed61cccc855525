"""Skład próbki sieci i atrybuty odcinków.

Numery linii, punkty i kilometraż pochodzą z wykazu. Prędkości, zarządcy,
kategorie cenowe, klasy, oznaczenia i wszystkie flagi poniżej są umowne:
dobrane tak, by próbka wyglądała wiarygodnie i używała każdej cechy odcinka.
"""

# Linie w próbce. Zakres (od_m, do_m) obcina linię do punktów, których
# kilometraż mieści się w przedziale; None = bez ograniczenia.
ZAKRESY = {
    1: None, 2: None, 3: None, 4: None, 6: (None, 177400), 7: None, 8: None, 9: None,
    14: (None, 136200), 18: None, 25: (None, 28600), 31: (None, 120200), 35: None,
    61: None, 62: None, 65: None, 68: None, 91: None,
    131: None, 132: None, 133: None, 137: (None, 177300), 139: (None, 55800), 143: None,
    201: None, 202: None, 203: (None, 180000), 213: None, 216: None, 219: None,
    271: None, 272: None, 276: None, 281: None,
    351: None, 353: (None, 299000), 356: None, 449: None,
    17: None, 540: None,
    # łącznice
    535: None, 700: None, 807: None,
}

# Linie z własnymi punktami eksploatacyjnymi (szeroki tor): łączą się ze stacjami
# innych linii tylko tam, gdzie punkt o tej samej nazwie leży w tym samym miejscu.
LINIE_ODDZIELNE = {65}

# Te same miejsca zapisane na różnych liniach różnymi nazwami.
ALIASY = []

# Położenia z danych, które nie pasują do kilometrażu (inna miejscowość
# o tej samej nazwie) - punkty dostają położenie z interpolacji.
POLOZENIA_POMINIETE = {(281, "Rusiec")}

FLAGI = ("OdcDoPominiecia", "Szerokotorowa", "BrakSieci", "Nieczynna", "NieWskazanyRuchPas",
         "NieWskazanyRuchTow", "ZawRuchPas", "ZawRuchTow", "ZawRuchCalk")

# Atrybuty domyślne całej linii.
#   zarzad: kod zarządcy; kat: (kategoria pasażerska, towarowa); klasa; fk: czy
#   nadawać oznaczenie odcinków; flagi: zbiór flag z FLAGI.
# Odcinki prędkości (SEKCJE): lista (początek, vp, vt[, zmiany]); początek to nazwa
#   punktu linii albo km (liczba) - wtedy w tym miejscu powstaje punkt zmiany
#   prędkości. `zmiany` nadpisuje atrybuty linii od tego miejsca, np. flagi,
#   vp2/vt2 (kierunek B->A), vogr (ograniczenie linii).
LINIE = {
    1: dict(kat=(1, 1), klasa=1),
    2: dict(kat=(1, 1), klasa=1),
    3: dict(kat=(1, 1), klasa=1),
    4: dict(kat=(1, 2), klasa=1, flagi={"NieWskazanyRuchTow"}),
    6: dict(kat=(3, 3), klasa=2),
    7: dict(kat=(2, 2), klasa=1),
    8: dict(kat=(2, 2), klasa=1),
    9: dict(kat=(1, 1), klasa=1),
    14: dict(kat=(3, 3), klasa=2),
    18: dict(kat=(3, 2), klasa=2),
    25: dict(kat=(4, 4), klasa=3),
    31: dict(kat=(5, 5), klasa=3, flagi={"BrakSieci"}),
    35: dict(kat=(6, 6), klasa=None, fk=False, flagi={"BrakSieci", "Nieczynna"}),
    61: dict(kat=(4, 3), klasa=3),
    62: dict(kat=(3, 2), klasa=2),
    65: dict(zarzad=2, kat=(None, 2), klasa=None, fk=False,
             flagi={"Szerokotorowa", "BrakSieci", "ZawRuchPas"}),
    68: dict(kat=(4, 4), klasa=3),
    91: dict(kat=(2, 2), klasa=1),
    131: dict(kat=(3, 1), klasa=1),
    132: dict(kat=(3, 3), klasa=2),
    133: dict(kat=(3, 2), klasa=2),
    137: dict(kat=(2, 2), klasa=2),
    139: dict(kat=(2, 3), klasa=2),
    143: dict(kat=(3, 3), klasa=2),
    201: dict(kat=(4, 3), klasa=2),
    202: dict(kat=(2, 3), klasa=1),
    203: dict(kat=(3, 3), klasa=2),
    213: dict(zarzad=3, kat=(5, None), klasa=3, flagi={"BrakSieci", "ZawRuchTow"}),
    216: dict(kat=(4, 4), klasa=3),
    219: dict(kat=(5, 4), klasa=3, flagi={"BrakSieci"}),
    271: dict(kat=(2, 2), klasa=1),
    272: dict(kat=(3, 3), klasa=2),
    276: dict(kat=(3, 3), klasa=2),
    281: dict(kat=(4, 4), klasa=2),
    351: dict(kat=(2, 2), klasa=1),
    353: dict(kat=(2, 2), klasa=1),
    356: dict(kat=(3, 3), klasa=2),
    449: dict(kat=(5, 7), klasa=3, fk=False, flagi={"ZawRuchTow"}),
    17: dict(kat=(2, 3), klasa=1),
    540: dict(kat=(4, 3), klasa=2),
    535: dict(kat=(5, 5), klasa=None, fk=False, flagi={"OdcDoPominiecia"}),
    700: dict(kat=(5, 5), klasa=None, fk=False, flagi={"OdcDoPominiecia"}),
    807: dict(kat=(5, 5), klasa=None, fk=False, flagi={"OdcDoPominiecia"}),
}

SEKCJE = {
    1: [("Warszawa Zachodnia", 120, 100), ("Grodzisk Mazowiecki", 160, 120),
        ("Koluszki", 160, 100), ("Częstochowa Osobowa", 100, 80), ("Poraj", 140, 100),
        ("Zawiercie", 120, 100)],
    2: [("Warszawa Zachodnia", 80, 60), ("Warszawa Rembertów", 120, 100), (30.000, 160, 120),
        ("Biała Podlaska", 120, 100, dict(vt2=90))],
    3: [("Warszawa Zachodnia", 120, 100), ("Sochaczew", 160, 120), ("Poznań Wschód", 80, 60),
        ("Poznań Górczyn", 160, 120), ("Rzepin", 120, 100)],
    4: [("Grodzisk Mazowiecki", 160, 120), ("Korytów", 200, 120), ("Góra Włodowska", 160, 120)],
    6: [("Zielonka", 100, 80), ("Tłuszcz", 120, 100), ("Łapy", 100, 80)],
    7: [("Warszawa Wschodnia Osobowa", 100, 80), ("Otwock", 120, 100), ("Dęblin", 160, 120),
        ("Lublin", 80, 60), ("Świdnik", 120, 100), ("Chełm", 80, 60, dict(vt2=70))],
    8: [("Warszawa Zachodnia", 100, 80), ("Piaseczno", 120, 100), ("Radom", 100, 80),
        ("Skarżysko Kamienna", 120, 100), ("Kielce", 80, 60), ("Kielce Białogon", 120, 100),
        ("Kraków Batowice", 80, 60)],
    9: [("Warszawa Wschodnia Osobowa", 120, 100), ("Legionowo", 160, 120),
        ("Nasielsk", 200, 120), (130.000, 160, 120), ("Działdowo", 200, 120),
        ("Malbork", 160, 120), ("Tczew", 120, 100)],
    14: [("Łódź Kaliska", 100, 80), ("Zduńska Wola", 120, 100), ("Kalisz", 100, 80)],
    18: [("Kutno", 120, 100), ("Toruń Główny", 100, 80), ("Bydgoszcz Główna", 120, 100),
         ("Nakło nad Notecią", 100, 80)],
    25: [("Łódź Kaliska", 80, 60)],
    31: [("Siedlce", 100, 80), ("Czeremcha", 80, 60)],
    35: [("Ostrołęka", 60, 40)],
    61: [("Kielce", 100, 80), ("Włoszczowa", 120, 100), ("Częstochowa Stradom", 80, 60),
         ("Herby Stare", 100, 80)],
    62: [("Tunel", 100, 80, dict(vt2=60)), ("Olkusz", 80, 60)],
    65: [("Most na rzece Bug", 80, 70), ("Sędziszów LHS", 60, 60)],
    68: [("Lublin", 120, 100), ("Kraśnik", 100, 80, dict(flagi={"BrakSieci"})),
         ("Stalowa Wola Rozwadów", 100, 80)],
    91: [("Kraków Główny", 80, 60), ("Kraków Płaszów", 160, 120), ("Tarnów", 160, 120),
         ("Dębica", 160, 120), ("Rzeszów Główny", 120, 100), ("Przemyśl", 80, 60)],
    131: [("Chorzów Batory", 80, 60), ("Tarnowskie Góry", 100, 100),
          ("Kalety", 120, 120, dict(flagi={"NieWskazanyRuchPas"})),
          ("Zduńska Wola Karsznice", 120, 120),
          ("Inowrocław", 120, 100), ("Bydgoszcz Główna", 140, 100)],
    132: [("Bytom", 80, 60), ("Pyskowice", 120, 100), ("Opole Główne", 160, 120)],
    133: [("Dąbrowa Górnicza Ząbkowice", 100, 80), ("Trzebinia", 120, 100), ("Kraków Mydlniki", 80, 60)],
    137: [("Katowice", 80, 60), ("Gliwice", 120, 100), ("Kędzierzyn Koźle", 100, 80),
          ("Nysa", 80, 60)],
    139: [("Katowice", 100, 80), ("Tychy", 120, 100), ("Czechowice Dziedzice", 120, 80, dict(vp2=100))],
    143: [("Kalety", 100, 80), ("Lubliniec", 120, 100), ("Oleśnica", 100, 80)],
    201: [("Nowa Wieś Wielka", 80, 80, dict(flagi={"ZawRuchPas"}, kat=(7, 3))),
          ("Maksymilianowo", 100, 80, dict(flagi={"BrakSieci"})),
          ("Kościerzyna", 120, 80), ("Gdańsk Osowa", 100, 80)],
    202: [("Gdańsk Główny", 120, 100), ("Gdynia Główna", 120, 100), ("Lębork", 120, 100),
          ("Słupsk", 120, 100), ("Białogard", 120, 100), (300.000, 100, 80)],
    203: [("Tczew", 120, 100), ("Starogard Gdański", 120, 80), ("Chojnice", 100, 80)],
    213: [("Reda", 100, 60), ("Władysławowo", 80, 60)],
    216: [("Działdowo", 120, 100), ("Olsztynek", 100, 80)],
    219: [("Olsztyn Główny", 100, 80), ("Pisz", 120, 100)],
    271: [("Wrocław Główny", 120, 100), ("Wrocław Osobowice", 160, 120), ("Leszno", 160, 120),
          ("Luboń koło Poznania", 100, 80)],
    272: [("Kluczbork", 100, 80), ("Ostrów Wielkopolski", 120, 100), ("Jarocin", 120, 100),
          ("Poznań Krzesiny", 80, 60)],
    276: [("Wrocław Główny", 120, 100), ("Kamieniec Ząbkowicki", 100, 80), ("Kłodzko Główne", 80, 60)],
    # Elektryfikacja tylko Oleśnica - Gniezno.
    281: [("Oleśnica", 120, 80), ("Krotoszyn", 120, 80), ("Jarocin", 120, 80),
          ("Gniezno", 100, 80, dict(flagi={"BrakSieci"})), ("Nakło nad Notecią", 80, 60, dict(flagi={"BrakSieci"}))],
    351: [("Poznań Główny", 120, 100), ("Kiekrz", 160, 120), ("Krzyż", 160, 120),
          ("Stargard Szczeciński", 120, 100)],
    353: [("Poznań Wschód", 120, 100), ("Gniezno", 120, 100), ("Toruń Główny", 100, 80),
          ("Iława Główna", 120, 100)],
    356: [("Poznań Wschód", 100, 80), ("Wągrowiec", 100, 80, dict(flagi={"NieWskazanyRuchTow"})),
          ("Kcynia", 100, 80)],
    449: [("Warszawa Rembertów", 80, 60)],
    17: [("Łódź Fabryczna", 60, 40), ("Łódź Widzew", 140, 100)],
    540: [("Łódź Chojny", 80, 60)],
    535: [("Żakowice Południowe", 60, 60)],
    700: [("Częstochowa Osobowa", 40, 40)],
    807: [("Sokołowo Wrzesińskie", 60, 60)],
}

# Wyjątki dla pojedynczych odcinków (linia, punkt A, punkt B): zmiany atrybutów.
ODCINKI = {
    # zamknięcia torowe
    (281, "Szczepice", "Studzienki"): dict(flagi_dodaj={"ZawRuchCalk"}),
    (61, "Kusięta Nowe", "Kucelinka"): dict(flagi_dodaj={"ZawRuchCalk"}),
    # stałe ograniczenia na mostach
    (9, "Malbork", "Malbork Kałdowo"): dict(vogr=60),
    (7, "Dęblin Towarowy", "Wisła"): dict(vogr=80),
}

# Umowne opłaty stacyjne (zł) kilku dużych stacji; pozostałe NULL.
STAWKI_STACJI = {
    "Warszawa Centralna": 12.5, "Kraków Główny": 10.0, "Poznań Główny": 9.75,
    "Wrocław Główny": 9.75, "Gdańsk Główny": 8.5,
}
