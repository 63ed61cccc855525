#pragma once
// Wzorcowy odczyt pliku sieci: odczyt sprzed przyspieszenia startu, rekord po
// rekordzie i pole po polu z całego pliku w pamięci, odszyfrowanego bajt po bajcie.
// Szybszy odczyt w network/PlikSieci.cpp musi dawać ten sam model (wszystkie pola
// wszystkich tablic) i te same komunikaty o błędach.

#include "network/Siec.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tks::test {

// Szyfrowanie bajt po bajcie: bajt na pozycji p (od 1) XOR ((p mod okres) + przesunięcie).
void przeksztalcKluczemWzorcowo(QByteArray& dane);
std::optional<Siec> czytajZawartoscSieciWzorcowo(const QByteArray& jawna, QString& blad);
bool WczytajLinieZPlikuWzorcowo(Siec& s, const QString& sciezka, QString& blad);

} // namespace tks::test
