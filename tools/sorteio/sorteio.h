#pragma once

// Small deterministic generator (xorshift32) shared by the build-time generators: the same seed
// gives the same crowds, stars, noise and sticker patterns on every build.

#include <cstdint>

class Sorteio {
public:
    explicit Sorteio(std::uint32_t semente)
        : estado(semente ? semente : 1)
    {
    }
    std::uint32_t proximo()
    {
        estado ^= estado << 13;
        estado ^= estado >> 17;
        estado ^= estado << 5;
        return estado;
    }
    // Uniform in [0, 1).
    double real() { return (proximo() % 100000) / 100000.0; }

private:
    std::uint32_t estado;
};
