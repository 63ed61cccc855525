#include "Wyjscie.h"

#include <cstdio>

namespace tks::cli {

void wypiszJson(const QJsonObject& o)
{
    const QByteArray b = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}

void wypiszJsonWiersz(const QJsonObject& o)
{
    QByteArray b = QJsonDocument(o).toJson(QJsonDocument::Compact);
    b.append('\n');
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}

void wypiszBlad(const QString& tekst)
{
    QString t = tekst;
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray b = t.toUtf8() + '\n';
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fflush(stderr);
}

} // namespace tks::cli
