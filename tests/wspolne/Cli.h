#pragma once
// Uruchamianie prawdziwego programu taksatura-cli w testach.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tks::test {

struct WynikCli {
    int kod = -1;
    QByteArray wyjscie;
    QString bledy;
    QJsonObject json() const { return QJsonDocument::fromJson(wyjscie).object(); }
};

inline WynikCli uruchomCli(const QStringList& argumenty, const QByteArray& wejscie = {},
                           const QString& folder = QStringLiteral(TKS_RUN_DIR))
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(TKS_CLI), argumenty);
    p.waitForStarted();
    if (!wejscie.isEmpty())
        p.write(wejscie);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    WynikCli w;
    w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    w.wyjscie = p.readAllStandardOutput();
    w.bledy = QString::fromUtf8(p.readAllStandardError());
    return w;
}

inline QString plikSieciPrzykladowej() { return QStringLiteral(TKS_RUN_DIR "/FDane.bin"); }

} // namespace tks::test
