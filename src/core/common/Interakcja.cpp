#include "Interakcja.h"

namespace tks {

QString nazwaOdpowiedzi(Odpowiedz o)
{
    switch (o) {
    case Odpowiedz::OK: return QStringLiteral("OK");
    case Odpowiedz::Tak: return QStringLiteral("Tak");
    case Odpowiedz::Nie: return QStringLiteral("Nie");
    case Odpowiedz::Anuluj: return QStringLiteral("Anuluj");
    }
    return {};
}

void InterakcjaSkryptowa::komunikat(const QString& tekst, const QString& tytul, Ikona ikona)
{
    zdarzenia_.push_back({ZdarzenieInterakcji::Rodzaj::Komunikat, tekst, tytul, ikona, {}, QStringLiteral("OK")});
}

Odpowiedz InterakcjaSkryptowa::pytanie(const QString& tekst, const QString& tytul, Ikona ikona, Przyciski przyciski)
{
    Odpowiedz o;
    if (!odpowiedzi_.empty()) {
        o = odpowiedzi_.front();
        odpowiedzi_.pop_front();
    } else if (domyslnaUstawiona_) {
        o = domyslna_;
    } else {
        o = (przyciski == Przyciski::OK || przyciski == Przyciski::OKAnuluj) ? Odpowiedz::OK : Odpowiedz::Tak;
    }
    zdarzenia_.push_back({ZdarzenieInterakcji::Rodzaj::Pytanie, tekst, tytul, ikona, {}, nazwaOdpowiedzi(o)});
    return o;
}

int InterakcjaSkryptowa::wybor(const QString& tytul, const QString& opis, const QStringList& pozycje)
{
    int i = domyslnyWybor_;
    if (!wybory_.empty()) {
        i = wybory_.front();
        wybory_.pop_front();
    }
    if (i < 0 || i >= pozycje.size())
        i = -1;
    zdarzenia_.push_back({ZdarzenieInterakcji::Rodzaj::Wybor, opis, tytul, Ikona::Brak, pozycje,
                          i >= 0 ? pozycje[i] : QStringLiteral("Anuluj")});
    return i;
}

QStringList InterakcjaSkryptowa::teksty() const
{
    QStringList l;
    for (const auto& z : zdarzenia_)
        l << z.tekst;
    return l;
}

} // namespace tks
