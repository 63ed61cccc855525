#pragma once
// Generator sieci w skali kraju do pomiarów wydajności: linie jako łańcuchy
// punktów eksploatacyjnych rozłożone na obszarze kraju, węzły na
// skrzyżowaniach i stykach linii, atrybuty odcinków w typowych proporcjach,
// prędkości, stawki trzech rodzajów w sześciu przedziałach masy i kontury.
// Ta sama liczba stacji i to samo ziarno dają bajtowo ten sam model.
// Narzędzie, nie część modelu: z modelu korzysta tylko przez Siec.

#include "Siec.h"

#include <cstdint>

namespace tks {

// Powtarzalny ciąg liczb losowych (splitmix64): ten sam na każdej platformie
// i w każdej bibliotece standardowej (bez rozkładów std).
class Losowanie {
public:
    explicit Losowanie(std::uint64_t ziarno) : stan_(ziarno) {}
    std::uint64_t nastepna()
    {
        std::uint64_t z = (stan_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Liczba z [0, 1) z 53 bitów.
    double ulamek() { return double(nastepna() >> 11) * (1.0 / 9007199254740992.0); }
    // Liczba całkowita z [0, n).
    int ponizej(int n) { return n <= 0 ? 0 : int((nastepna() >> 16) % std::uint64_t(n)); }
    bool szansa(double p) { return ulamek() < p; }

private:
    std::uint64_t stan_;
};

struct ParametryGeneratora {
    int stacje = 20000;
    std::uint64_t ziarno = 1;
};

// Zmienia się przy każdej zmianie wyniku generatora (pliki zapamiętane przez
// benchmarki mają ją w nazwie).
inline constexpr int kWersjaGeneratora = 3;

inline constexpr int kMinStacjiGeneratora = 2;
inline constexpr int kMaxStacjiGeneratora = 1000000;

// Co powstało (podsumowanie polecenia generate-network).
struct OpisGenerowania {
    int linie = 0;
    int wezly = 0;          // stacje z co najmniej trzema odcinkami
    int skrzyzowania = 0;   // wspólne stacje linii, które się przecinają lub stykają
    int wiadukty = 0;       // skrzyżowania bez wspólnej stacji
};

// Sieć o `p.stacje` stacjach (między kMinStacjiGeneratora a kMaxStacjiGeneratora).
// Stacje i odcinki są ponumerowane jak z bazy: według numeru linii i kilometrażu.
// Numery linii powyżej 32767 zaczynają się od nowa (pole 16-bitowe).
// Wartości pochodnych nie buduje (jak po wczytaniu pliku).
Siec GenerujSiec(const ParametryGeneratora& p, OpisGenerowania* opis = nullptr);

} // namespace tks
