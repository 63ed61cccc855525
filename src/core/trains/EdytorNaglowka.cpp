#include "EdytorNaglowka.h"

#include "app/Droga.h"

namespace tks {

bool SprawdzNaglowekDoZapisu(Droga& d)
{
    const Pociag& p = d.pociag;
    const QString blad = QStringLiteral("Błąd");
    if (!p.pole(QStringLiteral("NrPociagu")).isValid()) {
        d.interakcja.komunikat(QStringLiteral("Proszę podać numer pociągu"), blad, Ikona::Blad);
        return false;
    }
    const QVariant dni = p.pole(QStringLiteral("LDniKurs"));
    if (!dni.isValid()) {
        d.interakcja.komunikat(QStringLiteral("Proszę określić terminy kursowania"), blad, Ikona::Blad);
        return false;
    }
    if (dni.toInt() == 0)
        return d.interakcja.pytanie(QStringLiteral("Nie określono terminów kursowania. Kontynuować zapis?"), blad,
                                    Ikona::Pytanie, Przyciski::TakNie)
               == Odpowiedz::Tak;
    return true;
}

bool znakNumeruPociagu(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'/' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

QString filtrujNumerPociagu(const QString& tekst)
{
    if (tekst.isEmpty() || znakNumeruPociagu(tekst.back()))
        return tekst;
    return tekst.chopped(1);
}

bool cenaNiepelna(const Pociag& p)
{
    const QVariant v = p.pole(QStringLiteral("WycenaPelna"));
    return v.isValid() && !v.toBool();
}

bool wyroznijCeneOknaGlownego(const Pociag& p)
{
    return cenaNiepelna(p) && p.pole(QStringLiteral("CenaWyliczona")).toDouble() != 0.0;
}

PaskiPrzewijania paskiPola(int szerokoscTekstu, int wysokoscTekstu, int szerokoscPola, int wysokoscPola)
{
    PaskiPrzewijania p;
    p.poziomy = szerokoscTekstu > szerokoscPola - 6;
    p.pionowy = wysokoscTekstu > wysokoscPola - 6;
    if (p.poziomy && wysokoscTekstu > wysokoscPola - 23)
        p.pionowy = true;
    if (p.pionowy && szerokoscTekstu > szerokoscPola - 23)
        p.poziomy = true;
    return p;
}

} // namespace tks
