"""Zapis wierszy jako instrukcji INSERT zgodnych z SQLite i PostgreSQL."""

import datetime
import math
from decimal import Decimal

WIERSZY_W_INSTRUKCJI = 500


def literal(v) -> str:
    if v is None:
        return "NULL"
    if isinstance(v, bool):
        return "TRUE" if v else "FALSE"
    if isinstance(v, int):
        return str(v)
    if isinstance(v, Decimal):
        return format(v, "f")
    if isinstance(v, float):
        if not math.isfinite(v):
            raise ValueError("liczba nieskończona w danych")
        t = repr(v)
        if "e" in t or "E" in t:
            raise ValueError("liczba poza zakresem zapisu dziesiętnego: %r" % v)
        return t
    if isinstance(v, datetime.date):
        return "'" + v.isoformat() + "'"
    if isinstance(v, str):
        if "\x00" in v:
            raise ValueError("znak NUL w napisie")
        return "'" + v.replace("'", "''") + "'"
    raise TypeError("nieobsługiwany typ %s" % type(v).__name__)


def stawka(v: float) -> Decimal:
    """Stawka z dokładnością do 0,0001 zł, zapisana co najmniej z dwoma miejscami."""
    d = Decimal(repr(v)).quantize(Decimal("0.0001"))
    if d != Decimal(repr(v)):
        raise ValueError("stawka %r ma więcej niż 4 miejsca po przecinku" % v)
    t = format(d, "f").rstrip("0")
    if len(t.split(".")[1]) < 2:
        t = format(d.quantize(Decimal("0.01")), "f")
    return Decimal(t)


def insert(tabela: str, kolumny, wiersze) -> str:
    """Instrukcje INSERT wielowierszowe, po najwyżej WIERSZY_W_INSTRUKCJI wierszy."""
    wynik = []
    for i in range(0, len(wiersze), WIERSZY_W_INSTRUKCJI):
        partia = wiersze[i:i + WIERSZY_W_INSTRUKCJI]
        for w in partia:
            if len(w) != len(kolumny):
                raise ValueError("%s: wiersz ma %d wartości, kolumn %d" % (tabela, len(w), len(kolumny)))
        tekst = "INSERT INTO %s (%s) VALUES\n" % (tabela, ", ".join(kolumny))
        tekst += ",\n".join("(" + ", ".join(literal(v) for v in w) + ")" for w in partia)
        wynik.append(tekst + ";\n")
    return "".join(wynik)
