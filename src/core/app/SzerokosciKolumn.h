#pragma once
// Szerokości kolumn siatek ustawione przez użytkownika, pamiętane w pliku
// ustawień: sekcja "Kolumny", klucz "<okno>.<kolumna>", wartość w pikselach.
// Kolumn, których użytkownik nie ruszał, tu nie ma: siatka dopasowuje je do treści.

#include <QHash>
#include <QString>
#include <QStringList>

namespace tks {

inline constexpr int kMinSzerokoscKolumny = 8;
inline constexpr int kMaxSzerokoscKolumny = 4000;

// Zapamiętane szerokości podanych kolumn okna; wartość spoza
// kMinSzerokoscKolumny..kMaxSzerokoscKolumny (ręcznie zepsuty plik) jest pomijana.
QHash<QString, int> WczytajSzerokosciKolumn(const QString& plikUstawien, const QString& okno,
                                            const QStringList& kolumny);
// Dopisuje szerokości do pliku ustawień (inne klucze zostają); false i opis w `blad`.
bool ZapiszSzerokosciKolumn(const QString& plikUstawien, const QString& okno, const QHash<QString, int>& szerokosci,
                            QString& blad);

} // namespace tks
