#pragma once
// Odczyt i zapis wartości little-endian w buforze, z kontrolą granic przy odczycie.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace tks {

class PisarzBajtow {
public:
    explicit PisarzBajtow(QByteArray& bufor) : b_(bufor) {}
    template <typename T>
    void pisz(T v)
    {
        static_assert(std::is_arithmetic_v<T>);
        char tmp[sizeof(T)];
        std::memcpy(tmp, &v, sizeof(T));   // platformy docelowe są little-endian
        b_.append(tmp, sizeof(T));
    }
    void piszBajty(const void* p, qsizetype n) { b_.append(static_cast<const char*>(p), n); }
    qsizetype pozycja() const { return b_.size(); }
    QByteArray& bufor() { return b_; }

private:
    QByteArray& b_;
};

class CzytnikBajtow {
public:
    CzytnikBajtow(const char* dane, qsizetype rozmiar) : p_(dane), n_(rozmiar) {}
    qsizetype pozostalo() const { return n_ - poz_; }
    qsizetype pozycja() const { return poz_; }
    bool koniec() const { return poz_ >= n_; }
    // Zwraca false (i nic nie czyta), gdy brakuje bajtów.
    template <typename T>
    bool czytaj(T& v)
    {
        static_assert(std::is_arithmetic_v<T>);
        if (pozostalo() < qsizetype(sizeof(T)))
            return false;
        std::memcpy(&v, p_ + poz_, sizeof(T));
        poz_ += sizeof(T);
        return true;
    }
    bool czytajBajty(void* cel, qsizetype n)
    {
        if (n < 0 || pozostalo() < n)
            return false;
        std::memcpy(cel, p_ + poz_, size_t(n));
        poz_ += n;
        return true;
    }
    bool pomin(qsizetype n)
    {
        if (n < 0 || pozostalo() < n)
            return false;
        poz_ += n;
        return true;
    }
    const char* biezacy() const { return p_ + poz_; }

private:
    const char* p_;
    qsizetype n_;
    qsizetype poz_ = 0;
};

} // namespace tks
