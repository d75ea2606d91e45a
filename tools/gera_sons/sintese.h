#pragma once

// Small synthesis toolkit for the build-time sound generator: deterministic noise, filters,
// envelopes, seamless loops and 16-bit PCM WAV output.

#include "tools/sorteio/sorteio.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sintese {

constexpr int kTaxa = 44100;
using Sinal = std::vector<float>;

// Noise on the shared generator: the same seed gives the same sound on every build.
class Ruido : public Sorteio {
public:
    using Sorteio::Sorteio;
    float branco();                          // uniform in [-1, 1]
    float entre(float minimo, float maximo); // uniform in [minimo, maximo]
};

// RBJ biquad filter.
class Biquad {
public:
    static Biquad passaBanda(float frequencia, float q);
    static Biquad passaBaixa(float frequencia, float q);
    static Biquad passaAlta(float frequencia, float q);
    float processa(float x);

private:
    Biquad(double nb0, double nb1, double nb2, double na0, double na1, double na2);
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

Sinal silencio(double segundos);
std::size_t amostras(double segundos);
// Adds fonte into destino starting at sample inicio (clipped to destino's length).
void mistura(Sinal& destino, const Sinal& fonte, std::size_t inicio, float ganho = 1);
// The same for a loop: what runs past the end comes in again at the start.
void misturaEmLaco(Sinal& laco, const Sinal& fonte, std::size_t inicio, float ganho = 1);
// Linear fade in and out, in seconds.
void fades(Sinal& s, double entrada, double saida);
// Scales so the highest peak sits at pico (linear, e.g. 0.66 = -3.6 dBFS).
void normaliza(Sinal& s, float pico);
// Turns a signal of duracao + cauda seconds into a loop of duracao seconds: the tail is blended
// into the head, so the last sample leads into the first as two neighbouring samples do.
Sinal fechaLaco(const Sinal& s, double duracao);
// Turns a loop so that it starts at its gentlest zero crossing: it then starts and ends at zero,
// and its last sample still leads into its first.
void comecaNoZero(Sinal& laco);

// A voice: a buzzing pulse at f0 (with vibrato and a pitch glide to f0fim) through two formants.
Sinal voz(double segundos, float f0, float f0fim, float f1, float f2, Ruido& r);
// Band-limited noise with a slowly wandering loudness.
Sinal murmurio(double segundos, float centro, float q, Ruido& r);

// Writes 16-bit PCM mono; returns false on failure.
bool gravaWav(const std::string& caminho, const Sinal& s);

} // namespace sintese
