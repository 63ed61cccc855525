#pragma once
// Wzorcowe wyszukiwanie drogi minimalnej: prosta kolejka FIFO dokładnie według
// opisu algorytmu, etykiety czytane i zapisywane wprost w rekordach stacji.
// Szybsza wersja w routing/Wyszukiwanie.cpp musi dawać te same etykiety,
// poprzedników, znaczniki Wybieralna i tę samą kolejkę.

namespace tks {
class Droga;
}

namespace tks::test {

bool WzorcoweObliczMinOdleglosci(Droga& d, int od, int doSt, int linia);

} // namespace tks::test
