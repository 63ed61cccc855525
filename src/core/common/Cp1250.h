#pragma once
// Strona kodowa 1250 (Windows, Europa Środkowa) - nazwy w pliku sieci są
// zapisane jednym bajtem na znak. Tablica własna, bez zależności od ICU.

#include <QByteArray>
#include <QString>

namespace tks {

QString zCp1250(const char* dane, int dlugosc);
inline QString zCp1250(const QByteArray& b) { return zCp1250(b.constData(), int(b.size())); }
// Znak spoza strony kodowej zamienia się na '?'.
QByteArray naCp1250(const QString& s);

} // namespace tks
