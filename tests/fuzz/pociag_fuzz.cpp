// Pliki pociągu: wczytanie, odtworzenie trasy na małej sieci, wycena
// i wynik (train price, train show, train list). Wejście to treści plików
// oddzielone bajtem 0x1E, w kolejności: Naglowek, PociagStacje, GlowneStacje,
// OdcinkiZabronione, StacjeZabronione, Kalendarz, Trasa, ListaPociagow.
// Brakująca część to brak pliku.

#include "Polecenia.h"
#include "Wspolne.h"

#include <QDir>
#include <QFile>

using namespace tks;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    fuzz::przygotuj();
    static const QStringList nazwy = {QStringLiteral("Naglowek_1"),         QStringLiteral("PociagStacje_1"),
                                      QStringLiteral("GlowneStacje_1"),     QStringLiteral("OdcinkiZabronione_1"),
                                      QStringLiteral("StacjeZabronione_1"), QStringLiteral("Kalendarz_1"),
                                      QStringLiteral("Trasa_1"),            QStringLiteral("ListaPociagow")};
    const QString folder = fuzz::folderRoboczy() + QStringLiteral("Pociagi/");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QList<QByteArray> czesci = fuzz::podziel(dane, rozmiar, '\x1e', int(nazwy.size()));
    for (int i = 0; i < czesci.size(); ++i)
        fuzz::zapiszPlik(folder + nazwy[i] + QStringLiteral(".cds"), czesci[i]);

    const QStringList wspolne = {QStringLiteral("--network"), fuzz::plikMalejSieci(), QStringLiteral("--dir"),
                                 fuzz::folderRoboczy()};
    fuzz::pomijajBledyPolecen([&] {
        cli::polecenieTrain(QStringList{QStringLiteral("price"), QStringLiteral("1"), QStringLiteral("--level"),
                                        QStringLiteral("2")} + wspolne);
    });
    fuzz::pomijajBledyPolecen([&] { cli::polecenieTrain(QStringList{QStringLiteral("show"), QStringLiteral("1")} + wspolne); });
    fuzz::pomijajBledyPolecen([&] { cli::polecenieTrain(QStringList{QStringLiteral("list")} + wspolne); });
    // Zapis wczytanego pociągu z powrotem (przepisanie plików, lista pociągów).
    fuzz::pomijajBledyPolecen([&] {
        cli::polecenieTrain(QStringList{QStringLiteral("price"), QStringLiteral("1"), QStringLiteral("--save")} + wspolne);
    });
    return 0;
}
