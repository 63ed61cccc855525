// Polecenia pracy na wielu pociągach naraz: summary (zestawienie zapisanych
// pociągów), train reprice-all (przeliczenie wszystkich na obecnej sieci)
// i price-batch (wycena tras z pliku CSV). Te same operacje rdzenia co okno
// "Zestawienia".

#include "Argumenty.h"
#include "Polecenia.h"
#include "WarunkiTrasy.h"
#include "Wspolne.h"
#include "Wyjscie.h"

#include "app/Droga.h"
#include "common/BledyPlikow.h"
#include "common/ZapisAtomowy.h"
#include "pricing/Przedzialy.h"
#include "pricing/WycenaWsadowa.h"
#include "reports/Arkusz.h"
#include "reports/Zestawienia.h"
#include "trains/PrzeliczenieWszystkich.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace tks::cli {

namespace {

void bezPozycyjnych(const Argumenty& a)
{
    if (!a.pozycyjne().isEmpty())
        throw BladUzycia(QStringLiteral("Nieoczekiwany argument: %1").arg(a.pozycyjne().first()));
}

QString rozszerzenie(const QString& plik) { return QFileInfo(plik).suffix().toLower(); }

QJsonObject sumyJakoJson(const Zestawienie& z)
{
    return QJsonObject{{QStringLiteral("filtr"), z.filtr},
                       {QStringLiteral("wszystkieRodzaje"), z.wszystkieRodzaje},
                       {QStringLiteral("IdRodzajuStawki"), z.wszystkieRodzaje ? QJsonValue() : QJsonValue(z.idRodzaju)},
                       {QStringLiteral("podtytul"), podtytulZestawienia(z)},
                       {QStringLiteral("SumaCen"), z.SumaCen},
                       {QStringLiteral("SumaCenRozk"), z.SumaCenRozk},
                       {QStringLiteral("LiczbaPoc"), z.LiczbaPoc},
                       {QStringLiteral("drukDostepny"), drukZestawieniaDostepny(z)}};
}

} // namespace

int polecenieSummary(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + QStringList{QStringLiteral("kind"), QStringLiteral("out")});
    bezPozycyjnych(a);
    const auto plik = a.wartosc(QStringLiteral("out"));
    const QString roz = plik ? rozszerzenie(*plik) : QString();
    if (plik && roz != QLatin1String("pdf") && roz != QLatin1String("xlsx") && roz != QLatin1String("txt"))
        throw BladUzycia(QStringLiteral("Opcja --out: plik musi mieć rozszerzenie .pdf (wydruk), .xlsx (arkusz) "
                                        "albo .txt (tekst jak w schowku)."));

    InterakcjaSkryptowa ia;
    Droga d(ia, a.wartosc(QStringLiteral("dir"), QDir::currentPath()));
    d.siec = wczytajSiec(a, ia);
    d.siecWczytana = true;
    ia.wyczysc();
    Zestawienie z;
    if (!ZbudujZestawienie(d, z))
        throw BladUzycia(ia.zdarzenia().isEmpty() ? QStringLiteral("Nie można zbudować zestawienia.")
                                                  : ia.zdarzenia().back().tekst);
    if (const auto k = a.wartosc(QStringLiteral("kind"))) {
        const int id = liczbaZOpcji(QStringLiteral("kind"), *k);
        if (wierszRodzaju(d.siec, id) < 0)
            throw BladUzycia(QStringLiteral("Opcja --kind: nie ma rodzaju stawki %1.").arg(id));
        FiltrujZestawienie(z, d.siec, false, id);
    }

    QJsonObject wynik = sumyJakoJson(z);
    QString blad;
    if (!plik) {
        QJsonArray lista;
        for (int w : z.lista.widok()) {
            QJsonObject o;
            for (const KolumnaZestawienia& k : kolumnyZestawienia())
                o.insert(k.pole, wartoscJson(z.lista, w, z.lista.indeksKolumny(k.pole)));
            lista.append(o);
        }
        wynik.insert(QStringLiteral("lista"), lista);
    } else if (roz == QLatin1String("pdf")) {
        const Raport r = RaportZestawienia(z);
        if (!r.zapiszPdf(*plik, blad))
            throw BladOperacji(blad);
        wynik.insert(QStringLiteral("strony"), r.liczbaStron());
    } else if (roz == QLatin1String("xlsx")) {
        if (!zapiszXlsx(*plik, {arkuszZestawienia(z)}, blad))
            throw BladOperacji(blad);
    } else if (!zapiszAtomowo(*plik, tekstZestawienia(z).toUtf8(), blad)) {
        throw BladOperacji(blad);
    }
    if (plik)
        wynik.insert(QStringLiteral("out"), QFileInfo(*plik).absoluteFilePath());
    wypiszJson(wynik);
    return 0;
}

int polecenieTrainRepriceAll(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + QStringList{QStringLiteral("out")}, {QStringLiteral("save")});
    bezPozycyjnych(a);
    const auto plik = a.wartosc(QStringLiteral("out"));
    if (plik && rozszerzenie(*plik) != QLatin1String("xlsx"))
        throw BladUzycia(QStringLiteral("Opcja --out: raport przeliczenia zapisuje się do arkusza .xlsx."));
    const bool zapisz = a.flaga(QStringLiteral("save"));

    InterakcjaSkryptowa ia;
    Droga wzor(ia, a.wartosc(QStringLiteral("dir"), QDir::currentPath()));
    wzor.siec = wczytajSiec(a, ia);
    wzor.siecWczytana = true;
    SesjaPrzeliczenia sesja(wzor);
    wzor.siec = Siec();   // kopia w sesji wystarczy

    WynikiPrzeliczenia w;
    QString blad;
    QElapsedTimer czas;
    czas.start();
    if (!sesja.przelicz(w, zapisz, {}, blad))
        throw BladUzycia(blad);
    const double sekundy = double(czas.nsecsElapsed()) / 1e9;

    const Tabela t = tabelaPrzeliczenia(w);
    QJsonObject wynik{{QStringLiteral("pociagi"), tabelaJakoJson(t)},
                      {QStringLiteral("podsumowanie"), podsumowaniePrzeliczenia(w)},
                      {QStringLiteral("nieodtworzone"), w.nieodtworzone},
                      {QStringLiteral("zapisane"), w.zapisane},
                      {QStringLiteral("bledyZapisu"), w.bledyZapisu},
                      {QStringLiteral("zapis"), zapisz}};
    if (plik) {
        QString bladArkusza;
        if (!zapiszXlsx(*plik, {arkuszPrzeliczenia(t)}, bladArkusza))
            throw BladOperacji(bladArkusza);
        wynik.insert(QStringLiteral("out"), QFileInfo(*plik).absoluteFilePath());
    }
    wypiszJson(wynik);
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("%1 pociągów w %2 s").arg(w.pociagi.size()).arg(sekundy, 0, 'f', 3).toUtf8().constData());
    if (w.bledyZapisu > 0)
        throw BladOperacji(QStringLiteral("Nie zapisano %1 pociągów (ich pliki zostały bez zmian)%2")
                               .arg(w.bledyZapisu)
                               .arg(blad.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + blad));
    return 0;
}

int polecenieBatchPricing(const QStringList& argumenty)
{
    const Argumenty a(argumenty, opcjeWspolne() + QStringList{QStringLiteral("in"), QStringLiteral("out")});
    bezPozycyjnych(a);
    const auto we = a.wartosc(QStringLiteral("in"));
    const auto wy = a.wartosc(QStringLiteral("out"));
    if (!we || !wy)
        throw BladUzycia(QStringLiteral("Użycie: taksatura-cli price-batch --in TRASY.csv --out WYNIKI.csv|WYNIKI.xlsx"));
    const QString roz = rozszerzenie(*wy);
    if (roz != QLatin1String("csv") && roz != QLatin1String("xlsx"))
        throw BladUzycia(QStringLiteral("Opcja --out: plik musi mieć rozszerzenie .csv albo .xlsx."));
    QFile f(*we);
    if (!f.open(QIODevice::ReadOnly))
        throw BladUzycia(QStringLiteral("Nie można odczytać pliku tras \"%1\": %2").arg(*we, opisBleduPliku(f, *we, false)));
    QString blad;
    const auto wsad = czytajWsadTras(f.readAll(), blad);
    if (!wsad)
        throw BladUzycia(blad);

    // warunki domyślne jak w poleceniu route bez opcji
    auto sesja = przygotujTrase(Argumenty(QStringList{QStringLiteral("--network"),
                                                      a.wartosc(QStringLiteral("network"), QStringLiteral("FDane.bin")),
                                                      QStringLiteral("--dir"),
                                                      a.wartosc(QStringLiteral("dir"), QDir::currentPath())},
                                          opcjeWspolne()));
    QElapsedTimer czas;
    czas.start();
    const QVector<WynikTrasyWsadu> wyniki = wycenWsad(sesja->droga, sesja->interakcja, *wsad);
    const double sekundy = double(czas.nsecsElapsed()) / 1e9;

    const bool zapisano = roz == QLatin1String("xlsx") ? zapiszXlsx(*wy, {arkuszWynikowWsadu(*wsad, wyniki)}, blad)
                                                       : zapiszAtomowo(*wy, csvWynikowWsadu(*wsad, wyniki), blad);
    if (!zapisano)
        throw BladOperacji(blad);
    const int bledne = liczbaBledowWsadu(wyniki);
    wypiszJson(QJsonObject{{QStringLiteral("out"), QFileInfo(*wy).absoluteFilePath()},
                           {QStringLiteral("wiersze"), int(wyniki.size())},
                           {QStringLiteral("bledne"), bledne}});
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("Wycenionych wierszy: %1, z błędem: %2 (%3 s)")
                     .arg(wyniki.size() - bledne)
                     .arg(bledne)
                     .arg(sekundy, 0, 'f', 3)
                     .toUtf8()
                     .constData());
    return 0;
}

} // namespace tks::cli
