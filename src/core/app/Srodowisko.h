#pragma once
// Miejsca programu ustalane przy starcie: folder programu (pociągi, pomoc,
// ustawienia), plik ustawień, plik sieci, okres rozkładu jazdy.

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace tks {

struct Srodowisko {
    QString katalogProgramu;   // z separatorem na końcu
    QString plikUstawien;      // nazwa programu z rozszerzeniem ".ini" w folderze programu
    QString plikSieci;         // "FDane.bin" w bieżącym folderze
    QDate rozkladOd;
    QDate rozkladDo;
};

// Środowisko z argumentów (bez nazwy programu na początku) i pełnej ścieżki
// pliku programu. "--katalog FOLDER" (albo "--katalog=FOLDER") wskazuje inny
// folder programu; inne argumenty są pomijane. Przy błędzie nullopt i opis.
std::optional<Srodowisko> srodowiskoStartu(const QStringList& argumenty, const QString& plikProgramu, QString& blad);

// Przecinek jako separator dziesiętny całego programu (polskie ustawienia liczb).
void UstawPolskieLiczby();

// Plik pomocy "Pomoc/Taksatura.htm" w folderze programu.
QString plikPomocy(const QString& katalogProgramu);
// Folder z separatorem na końcu.
QString zSeparatorem(const QString& katalog);

} // namespace tks
