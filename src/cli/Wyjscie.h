#pragma once
// Wypisywanie wyniku (JSON na standardowe wyjście, UTF-8).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tks::cli {

void wypiszJson(const QJsonObject& o);
void wypiszJsonWiersz(const QJsonObject& o);   // jeden obiekt w jednej linii
void wypiszBlad(const QString& tekst);          // jedna linia na stderr

} // namespace tks::cli
