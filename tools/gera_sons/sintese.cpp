// Synthesis toolkit used by gera_sons.

#include "sintese.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace sintese {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

float Ruido::branco()
{
    return float(proximo() % 2000001) / 1000000.0f - 1.0f;
}

float Ruido::entre(float minimo, float maximo)
{
    return minimo + (maximo - minimo) * float(proximo() % 1000001) / 1000000.0f;
}

namespace {

struct Coef {
    double b0, b1, b2, a0, a1, a2;
};

Coef rbj(int tipo, float frequencia, float q)
{
    const double w = 2 * kPi * frequencia / kTaxa;
    const double alfa = std::sin(w) / (2 * q), c = std::cos(w);
    switch (tipo) {
    case 0: // band pass, 0 dB peak
        return {alfa, 0, -alfa, 1 + alfa, -2 * c, 1 - alfa};
    case 1: // low pass
        return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alfa, -2 * c, 1 - alfa};
    default: // high pass
        return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alfa, -2 * c, 1 - alfa};
    }
}

} // namespace

Biquad::Biquad(double nb0, double nb1, double nb2, double na0, double na1, double na2)
    : b0(float(nb0 / na0))
    , b1(float(nb1 / na0))
    , b2(float(nb2 / na0))
    , a1(float(na1 / na0))
    , a2(float(na2 / na0))
{
}

Biquad Biquad::passaBanda(float frequencia, float q)
{
    const Coef k = rbj(0, frequencia, q);
    return Biquad(k.b0, k.b1, k.b2, k.a0, k.a1, k.a2);
}

Biquad Biquad::passaBaixa(float frequencia, float q)
{
    const Coef k = rbj(1, frequencia, q);
    return Biquad(k.b0, k.b1, k.b2, k.a0, k.a1, k.a2);
}

Biquad Biquad::passaAlta(float frequencia, float q)
{
    const Coef k = rbj(2, frequencia, q);
    return Biquad(k.b0, k.b1, k.b2, k.a0, k.a1, k.a2);
}

float Biquad::processa(float x)
{
    const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

std::size_t amostras(double segundos)
{
    return std::size_t(std::llround(segundos * kTaxa));
}

Sinal silencio(double segundos)
{
    return Sinal(amostras(segundos), 0.0f);
}

void mistura(Sinal& destino, const Sinal& fonte, std::size_t inicio, float ganho)
{
    for (std::size_t i = 0; i < fonte.size() && inicio + i < destino.size(); ++i)
        destino[inicio + i] += fonte[i] * ganho;
}

void misturaEmLaco(Sinal& laco, const Sinal& fonte, std::size_t inicio, float ganho)
{
    for (std::size_t i = 0; i < fonte.size() && !laco.empty(); ++i)
        laco[(inicio + i) % laco.size()] += fonte[i] * ganho;
}

void fades(Sinal& s, double entrada, double saida)
{
    const std::size_t a = std::min(amostras(entrada), s.size());
    const std::size_t b = std::min(amostras(saida), s.size());
    for (std::size_t i = 0; i < a; ++i)
        s[i] *= float(i) / float(a);
    for (std::size_t i = 0; i < b; ++i)
        s[s.size() - 1 - i] *= float(i) / float(b);
}

void normaliza(Sinal& s, float pico)
{
    float maior = 0;
    for (float x : s)
        maior = std::max(maior, std::fabs(x));
    if (maior <= 0)
        return;
    const float ganho = pico / maior;
    for (float& x : s)
        x *= ganho;
}

Sinal fechaLaco(const Sinal& s, double duracao)
{
    const std::size_t n = amostras(duracao);
    const std::size_t cauda = s.size() - n;
    Sinal laco(s.begin(), s.begin() + std::ptrdiff_t(n));
    for (std::size_t i = 0; i < cauda; ++i) {
        // Equal-power blend: the tail dominates at sample 0, the head by the end of the blend.
        const double t = double(i) / double(cauda);
        laco[i] = float(s[i] * std::sin(t * kPi / 2) + s[n + i] * std::cos(t * kPi / 2));
    }
    return laco;
}

void comecaNoZero(Sinal& laco)
{
    std::size_t melhor = 0;
    float menor = std::numeric_limits<float>::max();
    for (std::size_t i = 1; i < laco.size(); ++i) {
        if ((laco[i - 1] < 0) == (laco[i] < 0))
            continue;
        const float passo = std::fabs(laco[i - 1]) + std::fabs(laco[i]);
        if (passo < menor) {
            menor = passo;
            melhor = i;
        }
    }
    std::rotate(laco.begin(), laco.begin() + std::ptrdiff_t(melhor), laco.end());
}

Sinal voz(double segundos, float f0, float f0fim, float f1, float f2, Ruido& r)
{
    Sinal s(amostras(segundos));
    Biquad formante1 = Biquad::passaBanda(f1, 6), formante2 = Biquad::passaBanda(f2, 8);
    const float vibrato = r.entre(4.5f, 6.5f), profundidade = r.entre(0.01f, 0.03f);
    double fase = r.entre(0, 1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const double u = t / segundos;
        const double f =
            (f0 + (f0fim - f0) * u) * (1 + profundidade * std::sin(2 * kPi * vibrato * t));
        fase += f / kTaxa;
        fase -= std::floor(fase);
        const float pulso = float(1 - 2 * fase) + 0.15f * r.branco();
        s[i] = formante1.processa(pulso) + 0.6f * formante2.processa(pulso);
    }
    // Soft start and end of each voice.
    fades(s, std::min(0.08, segundos / 3), std::min(0.15, segundos / 3));
    return s;
}

Sinal murmurio(double segundos, float centro, float q, Ruido& r)
{
    Sinal s(amostras(segundos));
    Biquad filtro = Biquad::passaBanda(centro, q);
    Biquad suave = Biquad::passaBaixa(centro * 2.5f, 0.7f);
    const float f1 = r.entre(0.15f, 0.3f), f2 = r.entre(0.4f, 0.7f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const float volume =
            float(0.75 + 0.15 * std::sin(2 * kPi * f1 * t) + 0.1 * std::sin(2 * kPi * f2 * t + 1));
        s[i] = suave.processa(filtro.processa(r.branco())) * volume;
    }
    return s;
}

bool gravaWav(const std::string& caminho, const Sinal& s)
{
    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t dados = std::uint32_t(s.size() * 2);
    std::vector<unsigned char> b;
    const auto u32 = [&](std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<unsigned char>(v >> (8 * k)));
    };
    const auto u16 = [&](std::uint16_t v) {
        b.push_back(static_cast<unsigned char>(v));
        b.push_back(static_cast<unsigned char>(v >> 8));
    };
    const auto tag = [&](const char* t) {
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<unsigned char>(t[k]));
    };
    tag("RIFF");
    u32(36 + dados);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kTaxa);
    u32(kTaxa * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(dados);
    for (float x : s) {
        const long v = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace sintese
