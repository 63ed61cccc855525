#pragma once
// Pamięć modelu sieci liczona z rozmiarów jego tablic.

#include "network/Siec.h"

#include <cstddef>

namespace tks::bench {

// Bajty zajmowane przez model: pojemności tablic z nagłówkami wektorów i
// typowym narzutem przydziału sterty na każdą tablicę.
std::size_t rozmiarModelu(const Siec& s);

} // namespace tks::bench
