#pragma once

#include "registro.h"

#include <functional>

#pragma pack(push, 1)
// One album slot, 16 bytes: how many copies of the sticker the player owns.
struct tFigurinha {
    quint8 reservado1[4];
    quint8 Qtd;
    quint8 reservado2[11];
};

// One player, 19304 bytes: e-mail, name and the 1200-slot album.
struct tJogador {
    TextoCurto<50> eMail;
    TextoCurto<30> Nome;
    quint8 reservado[22];
    tFigurinha Figurinhas[1200];

    tFigurinha& figurinha(int n) { return Figurinhas[n - 1]; }
    const tFigurinha& figurinha(int n) const { return Figurinhas[n - 1]; }
};
#pragma pack(pop)
static_assert(sizeof(tFigurinha) == 16);
static_assert(sizeof(tJogador) == 19304);
static_assert(offsetof(tJogador, Nome) == 51 && offsetof(tJogador, Figurinhas) == 104);

inline constexpr int kCapacidadeJogadores = 50;
inline constexpr int kFigurinhasAlbum = 1200;

extern Tabela<tJogador, kCapacidadeJogadores> Jogadores;
extern qint32 QtdJogadores;
extern tJogador JogadorAtual;
extern qint32 IdxJogador;

// The player file, relative to the working folder.
QString caminhoJogadores();

// Reads the file into the table, handing each record to the caller in file order. A missing
// file is created empty. Returns false when the file did not exist. Throws GameError on any
// other failure.
bool CarregaJogadores(const std::function<void(int k, const tJogador&)>& recebe = {});
// Writes the table as the whole new content of the file; throws GameError on failure.
void GravaJogadores(bool processaEventos);
// Makes row i (1-based) the current player.
void EscolheJogador(int i);
// Puts the working copy back into its entry of the table.
void GuardaJogadorAtual();
// Appends a player with an empty album; refused with a message when the table is full.
bool AcrescentaJogador(const QString& nome, const QString& eMail);
// One more copy of sticker n in the working copy; a count of 255 stays 255.
void AcrescentaFigurinha(int n);
