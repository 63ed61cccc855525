#pragma once
// Rozpoczęcie nowego pociągu.

namespace tks {

class Droga;

// Czyni bieżący pociąg nowym, pustym: nagłówek z domyślnymi wartościami,
// kalendarz domyślny.
void TworzNowyPociag(Droga& d);
// Tworzy puste tabele pociągu (pierwsze pokazanie okna głównego albo zestawienia).
void UtworzTabelePociagu(Droga& d);

} // namespace tks
