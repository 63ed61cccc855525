// Polecenie report: wydruk trasy jako PDF albo eksport podglądu trasy jako tekst
// rozdzielany tabulatorami, tak jak menu "Drukuj" i "Dane" okna głównego.

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "reports/PodgladTrasy.h"
#include "reports/WydrukTrasy.h"
#include "routing/Przeliczanie.h"

#include <QFileInfo>

namespace tks::cli {

int polecenieReport(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + opcjeWarunkow() + opcjeOperacji()
                                     + QStringList{QStringLiteral("level"), QStringLiteral("out"),
                                                   QStringLiteral("number"), QStringLiteral("name")});
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
    const auto plik = a.wartosc(QStringLiteral("out"));
    if (!plik || plik->isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie report wymaga opcji --out PLIK.pdf albo PLIK.txt."));
    const QString rozszerzenie = QFileInfo(*plik).suffix().toLower();
    if (rozszerzenie != QLatin1String("pdf") && rozszerzenie != QLatin1String("txt"))
        throw BladUzycia(QStringLiteral("Opcja --out: plik musi mieć rozszerzenie .pdf (wydruk) albo .txt (eksport)."));
    const auto poziomTekst = a.wartosc(QStringLiteral("level"));
    if (!poziomTekst)
        throw BladUzycia(QStringLiteral("Polecenie report wymaga opcji --level 0, 1 albo 2."));
    const int poziom = liczbaZOpcji(QStringLiteral("level"), *poziomTekst);
    if (poziom < 0 || poziom > 2)
        throw BladUzycia(QStringLiteral("Opcja --level: poziom 0, 1 albo 2."));

    auto sesja = przygotujTrase(a);
    Droga& d = sesja->droga;
    wykonajOperacje(*sesja, a);
    // nagłówek jak z edytora nagłówka
    const auto numer = a.wartosc(QStringLiteral("number"));
    const auto nazwa = a.wartosc(QStringLiteral("name"));
    if (numer)
        d.pociag.ustaw(QStringLiteral("NrPociagu"), numer->isEmpty() ? QVariant() : QVariant(*numer));
    if (nazwa)
        d.pociag.ustaw(QStringLiteral("NazwaPociagu"), nazwa->isEmpty() ? QVariant() : QVariant(*nazwa));
    d.pociag.zatwierdz();

    WyznaczTrase(d, poziom);
    QString blad;
    QJsonObject wynik{{QStringLiteral("out"), QFileInfo(*plik).absoluteFilePath()},
                      {QStringLiteral("level"), poziom}};
    if (rozszerzenie == QLatin1String("pdf")) {
        const WydrukTrasy w = PrzygotujWydruk(d, poziom);
        const Raport r = RaportTrasy(w);
        if (!r.zapiszPdf(*plik, blad))
            throw BladOperacji(blad);
        wynik.insert(QStringLiteral("strony"), r.liczbaStron());
        wynik.insert(QStringLiteral("wiersze"), int(w.wiersze.size()));
        wynik.insert(QStringLiteral("tytul"), w.tytul);
        wynik.insert(QStringLiteral("naglowek"), w.naglowek);
        wynik.insert(QStringLiteral("opis"), QJsonArray::fromStringList(w.opis));
    } else {
        StanPodgladuTrasy stan;
        stan.otworz(d.trasa.Podglad);
        if (!ZapiszTraseDoPliku(d.trasa.Podglad, *plik, blad))
            throw BladOperacji(blad);
        wynik.insert(QStringLiteral("wiersze"), d.trasa.Podglad.liczbaWierszy());
    }
    wynik.insert(QStringLiteral("NotaCeny"), d.trasa.NotaCeny);
    wynik.insert(QStringLiteral("komunikaty"), komunikatyJakoJson(sesja->interakcja));
    wypiszJson(wynik);
    return 0;
}

} // namespace tks::cli
