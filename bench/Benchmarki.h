#pragma once
// Wspólne elementy programu benchmarków: rejestracja benchmarków skali
// i pomiary pojedynczych zapytań do podsumowania.

#include "SiecSkali.h"

#include <map>
#include <string>
#include <vector>

namespace tks::bench {

void zarejestrujBenchmarkiSkali(const std::vector<int>& rozmiary);
// Porównanie tras, wyjaśnienie braku drogi, profil prędkości do wykresu.
void zarejestrujBenchmarkiWgladu(const std::vector<int>& rozmiary);
// Czasy pojedynczych zapytań (ours i Dijkstra) według klucza kluczZapytan.
std::map<std::string, CzasyZapytan>& czasyZapytan();
// "z celem/N/krK" albo "bez celu/N" (kryterium < 0).
std::string kluczZapytan(int n, int kryterium);
// Folder, do którego przerysowania zapisują obrazy (pusty: nie zapisują).
std::string& katalogObrazow();

} // namespace tks::bench
