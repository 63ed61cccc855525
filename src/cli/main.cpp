// taksatura-cli: drugi interfejs programu, te same reguły co okna.

#include "Argumenty.h"
#include "Polecenia.h"
#include "Wyjscie.h"

#include <QCoreApplication>
#include <functional>
#include <map>

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
    "Warunki: --criterion N --kind K --band B --controls BITY --vmax V --line N\n"
    "Operacje (w kolejności podania): --start S --end S --via S --avoid-station S --avoid-segment N\n"
    "  --remove-point K --remove S   (S: IdObEksp, @indeks albo dokładna nazwa stacji)\n";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
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
    }
}
