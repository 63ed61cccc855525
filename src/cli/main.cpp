// taksatura-cli: drugi interfejs programu, te same reguły co okna.

#include "Argumenty.h"
#include "Polecenia.h"
#include "Wyjscie.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <unistd.h>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <new>
#include <exception>
#include <memory>

using namespace tks::cli;

namespace {

const char* kPomoc =
    "Użycie: taksatura-cli POLECENIE [opcje]\n"
    "Polecenia:\n"
    "  build-network --db POŁĄCZENIE [--out PLIK]   wczytanie sieci z bazy i zapis pliku sieci\n"
    "  dump-network [--network PLIK]               cały model sieci jako JSON\n"
    "  calendar [--network PLIK] < kalendarz.json  dni kursowania i opis kalendarza\n"
    "  geo2map X Y                                 punkt płaszczyzny mapy dla surowych współrzędnych\n"
    "  route [warunki] [operacje] [--level L]      trasa po operacjach: punkty, elementy, nagłówek, czas, wiersze\n"
    "  search-batch [warunki]                      wyszukiwania \"OD DO\" (indeksy stacji) ze standardowego wejścia\n"
    "  train list | show ID | delete ID            zapisane pociągi w folderze Pociagi/ (--dir FOLDER)\n"
    "  train price ID [--level L] [--save]         pociąg wczytany i wyceniony na obecnej sieci\n"
    "  train save [warunki] [operacje] --number NR [--name NAZWA] [--calendar PLIK.json]   zapis nowego pociągu\n"
    "  render-map [warunki] [operacje] --out PLIK.png [--width W --height H] [--zoom Z] [--centre X,Y]\n"
    "                                              mapa jak w oknie głównym (domyślnie 1600×1000, 1×)\n"
    "  report [warunki] [operacje] --level L --out PLIK.pdf|PLIK.txt [--number NR --name NAZWA]\n"
    "                                              wydruk trasy (PDF) albo trasa rozdzielana tabulatorami\n"
    "  generate-network [--stations N] [--seed S] [--out PLIK]\n"
    "                                              sieć w skali kraju do pomiarów wydajności (domyślnie 20000 stacji)\n"
    "  print-map --kind 0|1|2 [warunki] [operacje] --out PLIK.pdf|PLIK.png [--mono] [--rate-kind K]\n"
    "                                              strona wydruku mapki: cała sieć, okno, dopasowanie do trasy\n"
    "  compare [warunki] [operacje]                trasy najkrótsza, najtańsza i najszybsza obok siebie\n"
    "  profile [warunki] [operacje] --out PLIK.png|PLIK.pdf|PLIK.csv\n"
    "                                              profil prędkości trasy: wykres albo wiersze co 100 m\n"
    "  stations --find TEKST [warunki] [operacje] [--mode 1|2|3]\n"
    "                                              lista okna \"Wybierz stację:\" i stacja wybrana dla tekstu\n"
    "  summary [--kind K] [--out PLIK.pdf|PLIK.xlsx|PLIK.txt]\n"
    "                                              zestawienie zapisanych pociągów z sumami (JSON, wydruk, arkusz, tekst)\n"
    "  train reprice-all [--save] [--out PLIK.xlsx]  wszystkie pociągi przeliczone na obecnej sieci\n"
    "  price-batch --in TRASY.csv --out WYNIKI.csv|WYNIKI.xlsx\n"
    "                                              wycena tras z pliku CSV (kolumny start, end, via, kind, band,\n"
    "                                              criterion, vmax, number)\n"
    "Warunki: --criterion N --kind K --band B --controls BITY --vmax V --line N\n"
    "Operacje (w kolejności podania): --start S --end S --via S --avoid-station S --avoid-segment N\n"
    "  --remove-point K --remove S   (S: IdObEksp, @indeks albo dokładna nazwa stacji)\n";

} // namespace

int main(int argc, char** argv)
{
    // Przekroczony limit rozmiaru pliku: zapis ma się nie udać z komunikatem
    // (stary plik zostaje), a nie kończyć programu sygnałem.
    std::signal(SIGXFSZ, SIG_IGN);
    // Rysowanie mapy i wydruk mierzą tekst czcionkami: aplikacja z platformą, zawsze bez ekranu.
    const bool rysuje = argc > 1 && (std::strcmp(argv[1], "render-map") == 0 || std::strcmp(argv[1], "report") == 0 ||
                                         std::strcmp(argv[1], "print-map") == 0 || std::strcmp(argv[1], "summary") == 0);
    // Wykres profilu (Qt Charts) potrzebuje aplikacji z widżetami (też bez ekranu).
    const bool wykres = argc > 1 && std::strcmp(argv[1], "profile") == 0;
    if (rysuje || wykres) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // folder roboczy platformy jak domyślny Qt, ale bez ostrzeżenia na stderr
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QString dir = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(getuid());
            if (QDir().mkpath(dir) &&
                QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
        }
    }
    const std::unique_ptr<QCoreApplication> app =
        wykres   ? std::make_unique<QApplication>(argc, argv)
        : rysuje ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(kPomoc, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const std::map<QString, std::function<int(const QStringList&)>> polecenia = {
        {QStringLiteral("build-network"), polecenieBuildNetwork},
        {QStringLiteral("dump-network"), polecenieDumpNetwork},
        {QStringLiteral("geo2map"), polecenieGeo2Map},
        {QStringLiteral("calendar"), polecenieCalendar},
        {QStringLiteral("route"), polecenieRoute},
        {QStringLiteral("search-batch"), polecenieSearchBatch},
        {QStringLiteral("train"), polecenieTrain},
        {QStringLiteral("render-map"), polecenieRenderMap},
        {QStringLiteral("report"), polecenieReport},
        {QStringLiteral("generate-network"), polecenieGenerateNetwork},
        {QStringLiteral("print-map"), polecenieDrukujMape},
        {QStringLiteral("compare"), polecenieCompare},
        {QStringLiteral("profile"), polecenieProfile},
        {QStringLiteral("stations"), polecenieStations},
        {QStringLiteral("summary"), polecenieSummary},
        {QStringLiteral("price-batch"), polecenieBatchPricing},
    };
    const QString nazwa = args.takeFirst();
    const auto it = polecenia.find(nazwa);
    if (it == polecenia.end()) {
        wypiszBlad(QStringLiteral("Nieznane polecenie: %1 (taksatura-cli --help pokazuje listę poleceń).").arg(nazwa));
        return 2;
    }
    try {
        return it->second(args);
    } catch (const BladUzycia& e) {
        wypiszBlad(QString::fromStdString(e.what()));
        return 2;
    } catch (const BladOperacji& e) {
        wypiszBlad(QString::fromStdString(e.what()));
        return 1;
    } catch (const std::bad_alloc&) {
        wypiszBlad(QStringLiteral("Za mało pamięci, by wykonać polecenie %1.").arg(nazwa));
        return 1;
    } catch (const std::exception& e) {
        wypiszBlad(QStringLiteral("Polecenie %1 przerwane błędem wewnętrznym: %2").arg(nazwa, QString::fromLocal8Bit(e.what())));
        return 1;
    }
}
