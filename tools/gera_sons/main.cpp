// Build-time generator of the game's sounds: crowd loops, clock tick, tension pulse, whistle and
// the short cues, synthesized deterministically as 16-bit PCM mono WAV at 44100 Hz.

#include "content/recursos/sons_nomes.h"
#include "sintese.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <utility>

using namespace sintese;

namespace {

constexpr double kPi = 3.14159265358979323846;
// Peaks at about -3.5 dBFS, safely under the -3 dBFS ceiling after rounding.
constexpr float kPico = 0.668f;

[[noreturn]] void falha(const std::string& texto)
{
    std::fprintf(stderr, "gera_sons: %s\n", texto.c_str());
    std::exit(1);
}

// A short percussive hit: noise through a band pass plus a decaying tone.
Sinal batida(double segundos, float centro, float tom, float decaimento, Ruido& r)
{
    Sinal s(amostras(segundos));
    Biquad f = Biquad::passaBanda(centro, 1.2f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const float env = float(std::exp(-t * decaimento)) * float(std::min(1.0, t / 0.0015));
        s[i] = env * (f.processa(r.branco()) * 1.5f + 0.5f * float(std::sin(2 * kPi * tom * t)));
    }
    return s;
}

// Crowd bed: murmur plus many overlapping voices spread over the whole length (and the tail).
Sinal torcida(double segundos, double cauda, int vozes, float animacao, std::uint32_t semente)
{
    Ruido r(semente);
    const double total = segundos + cauda;
    Sinal s = murmurio(total, 700, 0.8f, r);
    for (float& x : s)
        x *= 0.6f;
    Sinal grave = murmurio(total, 220, 0.9f, r);
    mistura(s, grave, 0, 0.5f);
    const float vogais[][2] = {{700, 1100}, {500, 900}, {400, 2000}, {600, 1700}, {300, 2300}};
    for (int v = 0; v < vozes; ++v) {
        const double dur = r.entre(0.4f, 1.6f);
        const double inicio = r.entre(0, float(total - dur));
        const float f0 = r.entre(110, 260) * animacao;
        const auto& vogal = vogais[r.proximo() % 5];
        mistura(s, voz(dur, f0, f0 * r.entre(0.9f, 1.15f), vogal[0], vogal[1], r), amostras(inicio),
                r.entre(0.04f, 0.1f));
    }
    return s;
}

// Slow swells of the whole crowd, a whole number of them over the loop so that they join.
void respira(Sinal& s, double duracao, int ondas)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double u = double(i) / kTaxa / duracao;
        s[i] *= float(1 + 0.2 * std::sin(2 * kPi * ondas * u) +
                      0.08 * std::sin(2 * kPi * (ondas + 2) * u + 1));
    }
}

// The crowd loops play for as long as a screen is open: over 20 s, their repeats go unnoticed.
Sinal estadio1()
{
    // A calm murmur with scattered voices.
    const double duracao = 20.5, cauda = 0.6;
    Sinal s = torcida(duracao, cauda, 170, 1.0f, 1001);
    respira(s, duracao, 3);
    s = fechaLaco(s, duracao);
    comecaNoZero(s);
    normaliza(s, kPico * 0.9f);
    return s;
}

Sinal estadio2()
{
    // A livelier crowd with a rhythmic clap: three claps and a rest, over and over.
    const double compasso = 1.2, duracao = 18 * compasso, cauda = 0.6;
    Sinal s = torcida(duracao, cauda, 300, 1.2f, 2002);
    respira(s, duracao, 4);
    Ruido r(2003);
    for (double t = 0.05; t < duracao + cauda - 0.2; t += compasso)
        for (int k = 0; k < 3; ++k)
            for (int pessoa = 0; pessoa < 6; ++pessoa)
                mistura(s, batida(0.12, r.entre(1200, 2200), 0, 38, r),
                        amostras(t + k * 0.3 + r.entre(0, 0.025f)), 0.18f);
    s = fechaLaco(s, duracao);
    comecaNoZero(s);
    normaliza(s, kPico * 0.9f);
    return s;
}

Sinal tempo()
{
    // Tick and tock, twice a second; the edges of the loop fall in the silence between them.
    Sinal s = silencio(2.0);
    Ruido r(3001);
    for (int k = 0; k < 4; ++k) {
        Sinal tique = batida(0.06, k % 2 ? 2600 : 3400, k % 2 ? 1400 : 1900, 90, r);
        mistura(s, tique, amostras(0.1 + k * 0.5));
    }
    normaliza(s, kPico);
    return s;
}

Sinal apito()
{
    // Pea whistle: a bright tone whose pitch and loudness flutter as the pea spins.
    const double duracao = 0.8;
    Sinal s = silencio(duracao);
    Ruido r(4001);
    Biquad sopro = Biquad::passaBanda(3100, 4);
    double fase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const double trinado = std::sin(2 * kPi * 28 * t);
        const double f = 3000 + 180 * trinado;
        fase += f / kTaxa;
        const float volume = float(0.75 + 0.25 * trinado);
        s[i] = volume * (float(std::sin(2 * kPi * fase)) + 0.2f * float(std::sin(4 * kPi * fase))) +
               0.35f * sopro.processa(r.branco());
    }
    fades(s, 0.02, 0.08);
    normaliza(s, 0.5f); // shrill: a little under the others
    return s;
}

Sinal acerto()
{
    // A cheer swelling up and settling.
    const double duracao = 1.5;
    Sinal s = torcida(duracao, 0, 60, 1.5f, 5001);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        s[i] *= float(std::min(1.0, t / 0.25) * (1 - 0.4 * std::max(0.0, t - 0.6) / 0.9));
    }
    fades(s, 0.01, 0.2);
    normaliza(s, kPico);
    return s;
}

Sinal errada1()
{
    // A descending, slightly rough buzz, pitched where a small speaker still plays it.
    const double duracao = 0.8;
    Sinal s = silencio(duracao);
    Biquad filtro = Biquad::passaBaixa(2400, 0.8f);
    double fase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const double f = 587 * std::pow(0.55, t / duracao) * (1 + 0.02 * std::sin(2 * kPi * 9 * t));
        fase += f / kTaxa;
        fase -= std::floor(fase);
        const double serra = 1 - 2 * fase, quadrada = fase < 0.5 ? 0.6 : -0.6;
        s[i] = filtro.processa(float(0.6 * serra + 0.4 * quadrada));
    }
    fades(s, 0.01, 0.15);
    normaliza(s, 0.4f); // a steady buzz sounds loud: keep it below the others
    return s;
}

Sinal errada2()
{
    // The crowd's disappointed "oooh": round vowels gliding down.
    const double duracao = 0.85;
    Ruido r(6001);
    Sinal s = murmurio(duracao, 450, 1.2f, r);
    for (float& x : s)
        x *= 0.4f;
    for (int v = 0; v < 40; ++v) {
        const float f0 = r.entre(120, 240);
        mistura(s, voz(duracao - r.entre(0, 0.1f), f0, f0 * 0.78f, 420, 800, r),
                amostras(r.entre(0, 0.06f)), 0.12f);
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        s[i] *= float(std::min(1.0, t / 0.15));
    }
    fades(s, 0.01, 0.25);
    normaliza(s, kPico);
    return s;
}

// A soft mallet note.
Sinal nota(double segundos, float f, float brilho)
{
    Sinal s(amostras(segundos));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        const double env = std::exp(-t * 6) * std::min(1.0, t / 0.003);
        s[i] = float(env * (std::sin(2 * kPi * f * t) +
                            brilho * std::sin(2 * kPi * 4 * f * t) * std::exp(-t * 30)));
    }
    return s;
}

Sinal goleiro()
{
    // The stadium holds its breath: a hushed murmur, a heartbeat knocking at 75 beats a minute
    // and two notes a semitone apart rocking on every half beat, all of it pitched where a
    // small speaker still plays.
    const double pulso = 0.8, duracao = 8 * pulso;
    Ruido r(4501);
    Sinal s = murmurio(duracao + 0.5, 1000, 0.8f, r);
    for (float& x : s)
        x *= 0.3f;
    s = fechaLaco(s, duracao);
    // The beats come back on every lap: added after the blend, which would double them.
    const float notas[] = {329.63f, 349.23f};
    for (int k = 0; k < 8; ++k) {
        const double t = 0.1 + k * pulso;
        misturaEmLaco(s, batida(0.25, 500, 420, 25, r), amostras(t));
        misturaEmLaco(s, batida(0.25, 500, 420, 25, r), amostras(t + 0.2), 0.6f);
        for (int meio = 0; meio < 2; ++meio)
            misturaEmLaco(s, nota(1.0, notas[meio], 0.5f), amostras(t + meio * pulso / 2), 0.25f);
    }
    comecaNoZero(s);
    normaliza(s, kPico);
    return s;
}

Sinal saida()
{
    // Three falling notes: leaving.
    Sinal s = silencio(1.0);
    const float notas[] = {783.99f, 659.25f, 523.25f};
    for (int k = 0; k < 3; ++k)
        mistura(s, nota(1.0 - k * 0.18, notas[k], 0.3f), amostras(k * 0.18));
    fades(s, 0.005, 0.15);
    normaliza(s, kPico);
    return s;
}

Sinal suspense()
{
    // A snare roll growing louder and faster, its drum body tuned up for small speakers.
    const double duracao = 1.0;
    Sinal s = silencio(duracao);
    Ruido r(7001);
    double t = 0;
    while (t < duracao - 0.08) {
        const double u = t / duracao;
        mistura(s, batida(0.09, 2500, 340, 45, r), amostras(t), float(0.25 + 0.75 * u * u));
        t += 0.055 - 0.02 * u;
    }
    fades(s, 0.005, 0.06);
    normaliza(s, kPico);
    return s;
}

Sinal certo4()
{
    // Goal: a big cheer with a bright major fanfare over it.
    const double duracao = 2.0;
    Sinal s = torcida(duracao, 0, 90, 1.6f, 8001);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kTaxa;
        s[i] *= float(std::min(1.0, t / 0.15));
    }
    const float acorde[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    for (int k = 0; k < 4; ++k) {
        Sinal metal(amostras(duracao - 0.1 - k * 0.1));
        Biquad filtro = Biquad::passaBaixa(2500, 0.7f);
        double fase = 0;
        for (std::size_t i = 0; i < metal.size(); ++i) {
            const double tt = double(i) / kTaxa;
            fase += acorde[k] * (1 + 0.004 * std::sin(2 * kPi * 5 * tt)) / kTaxa;
            fase -= std::floor(fase);
            metal[i] = filtro.processa(float(1 - 2 * fase)) *
                       float(std::min(1.0, tt / 0.03) * std::exp(-tt * 1.2));
        }
        mistura(s, metal, amostras(0.05 + k * 0.1), 0.35f);
    }
    fades(s, 0.01, 0.3);
    normaliza(s, kPico);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        falha("uso: gera_sons PASTA");
    const std::filesystem::path pasta = argv[1];
    const std::pair<const char*, std::function<Sinal()>> sons[] = {
        {som::kEstadio1, estadio1}, {som::kEstadio2, estadio2}, {som::kTempo, tempo},
        {som::kGoleiro, goleiro},   {som::kApito, apito},       {som::kAcerto, acerto},
        {som::kErrada1, errada1},   {som::kErrada2, errada2},   {som::kSaida, saida},
        {som::kSuspense, suspense}, {som::kCerto4, certo4}};
    std::vector<Sinal> sinais;
    for (const auto& som : sons)
        sinais.push_back(som.second());
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    if (erro)
        falha("não foi possível criar " + pasta.string());
    for (std::size_t i = 0; i < sinais.size(); ++i)
        if (!gravaWav((pasta / sons[i].first).string(), sinais[i]))
            falha("não foi possível gravar " + (pasta / sons[i].first).string());
    return 0;
}
