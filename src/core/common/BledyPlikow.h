#pragma once
// Polski opis przyczyny błędu pliku (zamiast tekstu systemu po angielsku).

#include <QString>

class QFileDevice;

namespace tks {

// Przyczyna po nieudanym otwarciu, odczycie albo zapisie pliku `sciezka` przez `f`
// (`zapis`: plik był otwierany do zapisu).
QString opisBleduPliku(const QFileDevice& f, const QString& sciezka, bool zapis);

} // namespace tks
