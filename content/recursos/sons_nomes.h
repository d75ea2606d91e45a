#pragma once

// The game's sounds in its sons folder, by file name. The build reads the names from this file:
// one constant a line, every name in kTodos.
namespace som {
inline constexpr char kEstadio1[] = "estadio1.wav";
inline constexpr char kEstadio2[] = "Estadio2.wav";
inline constexpr char kTempo[] = "Tempo.wav";
inline constexpr char kGoleiro[] = "goleiro.wav";
inline constexpr char kApito[] = "apito.wav";
inline constexpr char kAcerto[] = "acerto.wav";
inline constexpr char kErrada1[] = "errada1.wav";
inline constexpr char kErrada2[] = "errada2.wav";
inline constexpr char kSaida[] = "Saida.wav";
inline constexpr char kSuspense[] = "suspense.wav";
inline constexpr char kCerto4[] = "certo4.wav";

inline constexpr const char* kTodos[] = {kEstadio1, kEstadio2, kTempo, kGoleiro,  kApito, kAcerto,
                                         kErrada1,  kErrada2,  kSaida, kSuspense, kCerto4};
} // namespace som
