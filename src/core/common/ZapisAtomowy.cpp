#include "ZapisAtomowy.h"

#include "BledyPlikow.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <limits>
#include <memory>
#include <unistd.h>

namespace tks {

bool zapiszAtomowo(const QString& sciezka, const QByteArray& dane, QString& blad)
{
    // jak zapis razem jednego pliku: plik tymczasowy z numerem procesu w nazwie, więc
    // pozostałość po zabitym programie zostaje rozpoznana i usunięta przy następnym
    // zapisie albo wczytaniu
    return zapiszAtomowoRazem({{sciezka, dane}}, blad);
}

namespace {

// Pliki tymczasowe zapisu razem: "<plik>.tmp-<pid>-XXXXXX". Numer procesu w nazwie
// pozwala poznać pozostałości zapisu przerwanego zabiciem programu (proces już
// nie istnieje) i odróżnić je od zapisu, który właśnie trwa w innym programie.
QString przedrostekTymczasowego(const QString& sciezka) { return QFileInfo(sciezka).fileName() + QStringLiteral(".tmp-"); }

} // namespace

void usunPozostalosciZapisu(const QString& sciezka)
{
    const QFileInfo cel(sciezka);
    const QString przedrostek = przedrostekTymczasowego(sciezka);
    const QDir folder = cel.absoluteDir();
    const QStringList nazwy = folder.entryList({przedrostek + QStringLiteral("*")}, QDir::Files | QDir::Hidden);
    for (const QString& nazwa : nazwy) {
        const QString reszta = nazwa.mid(przedrostek.size());
        bool ok = false;
        const qint64 pid = reszta.section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
        if (!ok || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
            continue;
        if (pid_t(pid) != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(nazwa));
    }
}

namespace {

// Dziennik zapisu razem: "<pierwszy plik>.zapis". Powstaje (atomowo, po fsync),
// gdy wszystkie pliki tymczasowe są już całe na dysku, i znika po ostatniej zamianie
// nazwy. Pierwsza linia to numer procesu, dalej pary "tymczasowy<TAB>docelowy".
// Zapis przerwany między zamianami nazw jest kończony według dziennika, więc pliki
// nigdy nie zostają w dwóch różnych wersjach naraz.
QString plikDziennika(const QString& pierwszy) { return pierwszy + QStringLiteral(".zapis"); }

bool procesDziala(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return pid_t(pid) == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

bool zapiszDziennik(const QString& sciezka, const QByteArray& tresc)
{
    QTemporaryFile t(QFileInfo(sciezka).absolutePath() + QLatin1Char('/') + przedrostekTymczasowego(sciezka)
                     + QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    t.setAutoRemove(false);
    if (!t.open())
        return false;
    const bool ok = t.write(tresc) == tresc.size() && t.flush() && ::fsync(t.handle()) == 0;
    t.close();
    if (!ok || std::rename(QFile::encodeName(t.fileName()).constData(), QFile::encodeName(sciezka).constData()) != 0) {
        t.remove();
        return false;
    }
    return true;
}

} // namespace

void dokonczPrzerwanyZapis(const QStringList& pliki)
{
    if (pliki.isEmpty())
        return;
    const QString dziennik = plikDziennika(pliki.front());
    QFile f(dziennik);
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> linie = f.readAll().split('\n');
        f.close();
        bool ok = false;
        const qint64 pid = linie.value(0).toLongLong(&ok);
        if (ok && procesDziala(pid) && pid != ::getpid())
            return;   // zapis trwa w innym programie
        for (qsizetype i = 1; i < linie.size(); ++i) {
            const QList<QByteArray> para = linie[i].split('\t');
            if (para.size() == 2 && QFile::exists(QFile::decodeName(para[0])))
                std::rename(para[0].constData(), para[1].constData());
        }
        QFile::remove(dziennik);
    }
    usunPozostalosciZapisu(dziennik);
    for (const QString& p : pliki)
        usunPozostalosciZapisu(p);
}

bool zapiszAtomowoRazem(const std::vector<std::pair<QString, QByteArray>>& pliki, QString& blad)
{
    QStringList cele;
    for (const auto& p : pliki)
        cele.append(p.first);
    dokonczPrzerwanyZapis(cele);
    std::vector<std::unique_ptr<QTemporaryFile>> tymczasowe;
    const auto sprzatnij = [&] {
        for (auto& t : tymczasowe)
            t->remove();
    };
    for (const auto& [sciezka, dane] : pliki) {
        const QString nazwa = QDir::toNativeSeparators(sciezka);
        if (QFileInfo(sciezka).isDir()) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": to jest folder, nie plik").arg(nazwa);
            sprzatnij();
            return false;
        }
        auto t = std::make_unique<QTemporaryFile>(
            QFileInfo(sciezka).absolutePath() + QLatin1Char('/') + przedrostekTymczasowego(sciezka)
            + QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
        t->setAutoRemove(false);
        if (!t->open()) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": %2").arg(nazwa, opisBleduPliku(*t, sciezka, true));
            sprzatnij();
            return false;
        }
        tymczasowe.push_back(std::move(t));
        QTemporaryFile& f = *tymczasowe.back();
        // uprawnienia jak zwykłego pliku (plik tymczasowy ma tylko dla właściciela)
        f.setPermissions(QFile::exists(sciezka) ? QFile::permissions(sciezka)
                                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (f.write(dane) != dane.size() || !f.flush() || ::fsync(f.handle()) != 0) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": błąd zapisu (pełny dysk albo przekroczony limit "
                                  "rozmiaru pliku)").arg(nazwa);
            sprzatnij();
            return false;
        }
        f.close();
    }
    // Wszystkie pliki są na dysku: dziennik, potem zamiany nazw. Zabicie programu
    // między zamianami kończy następne wczytanie albo zapis (dokonczPrzerwanyZapis).
    const bool zDziennikiem = pliki.size() > 1;
    const QString dziennik = plikDziennika(pliki.empty() ? QString() : pliki.front().first);
    if (zDziennikiem) {
        QByteArray tresc = QByteArray::number(qint64(::getpid())) + '\n';
        for (std::size_t i = 0; i < pliki.size(); ++i)
            tresc += QFile::encodeName(tymczasowe[i]->fileName()) + '\t' + QFile::encodeName(pliki[i].first) + '\n';
        if (!zapiszDziennik(dziennik, tresc)) {
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": błąd zapisu (pełny dysk albo przekroczony limit "
                                  "rozmiaru pliku)").arg(QDir::toNativeSeparators(dziennik));
            sprzatnij();
            return false;
        }
    }
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        // rename zastępuje plik docelowy atomowo
        if (std::rename(QFile::encodeName(tymczasowe[i]->fileName()).constData(),
                        QFile::encodeName(pliki[i].first).constData()) != 0) {
            if (zDziennikiem)
                QFile::remove(dziennik);
            blad = QStringLiteral("Nie można zapisać pliku \"%1\": nie można zastąpić pliku (brak uprawnień do folderu?)")
                       .arg(QDir::toNativeSeparators(pliki[i].first));
            for (std::size_t j = i; j < tymczasowe.size(); ++j)
                tymczasowe[j]->remove();
            return false;
        }
    }
    if (zDziennikiem)
        QFile::remove(dziennik);
    return true;
}

} // namespace tks
