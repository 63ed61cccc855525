#pragma once
// Działanie wykonane przy małym limicie rozmiaru pliku (jak przy pełnym dysku):
// zapis ponad limit się nie udaje, sygnał przekroczenia jest na ten czas ignorowany.

#include <csignal>
#include <sys/resource.h>
#include <utility>

namespace tks::test {

template <class F>
auto zLimitemRozmiaruPliku(rlim_t bajty, F&& f)
{
    rlimit przed{};
    getrlimit(RLIMIT_FSIZE, &przed);
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit maly = przed;
    maly.rlim_cur = bajty;
    setrlimit(RLIMIT_FSIZE, &maly);
    auto wynik = std::forward<F>(f)();
    setrlimit(RLIMIT_FSIZE, &przed);
    std::signal(SIGXFSZ, sygnal);
    return wynik;
}

} // namespace tks::test
