// Odtworzenie przykładów zebranych przy losowym sprawdzaniu czytnika: każdy
// plik z podanych folderów (albo podany plik) idzie raz przez ten sam kod.
// Błąd (wyjątek, przerwanie) kończy test tak jak przy pierwszym znalezieniu.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> pliki;
    for (int i = 1; i < argc; ++i) {
        const fs::path p(argv[i]);
        if (fs::is_directory(p)) {
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file())
                    pliki.push_back(e.path());
        } else {
            pliki.push_back(p);
        }
    }
    if (pliki.empty()) {
        std::fprintf(stderr, "Brak przykładów do odtworzenia.\n");
        return 1;
    }
    for (const auto& p : pliki) {
        std::ifstream f(p, std::ios::binary);
        const std::vector<char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s (%zu B)\n", p.c_str(), b.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
    }
    std::fprintf(stderr, "Odtworzono %zu przykładów.\n", pliki.size());
    return 0;
}
