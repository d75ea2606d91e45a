#pragma once

#include "registro.h"

#pragma pack(push, 1)
// One picture's legend and drawn flag, 160 bytes; record k belongs to picture k.
struct tLegenda {
    quint8 reservado1[4];
    TextoCurto<150> Legenda;
    quint8 Sorteada;
    quint8 reservado2[4];
};
#pragma pack(pop)
static_assert(sizeof(tLegenda) == 160);
static_assert(offsetof(tLegenda, Sorteada) == 155);

inline constexpr int kCapacidadeLegendas = 2000;
// The draw works on pictures 1 to 139 and deals 1 to 138.
inline constexpr int kFigurasCatalogo = 139;
inline constexpr int kMaiorFiguraSorteada = 138;
// A new cycle begins when no more than this many of the 139 are left undrawn.
inline constexpr int kLimiteCiclo = 20;

extern Tabela<tLegenda, kCapacidadeLegendas> Legendas;
extern QString NomeArqLegenda;

void CarregaLegendas();

// Steps of the draw up to the rewrite of the legend file: returns the picture number, or 0 when
// a draw is already under way. Throws GameError when the file cannot be rewritten.
int sorteiaFigura(quint8 modo);
// The picture file of picture n, beside the program.
QString caminhoFigura(int n);

// Draws one picture (mode 0: any picture; other modes: only those not yet drawn in this cycle)
// and shows it with its legend. Returns the picture number, or 0 when refused because a draw
// is already under way.
template <class Imagem, class Rotulo> int SorteiaImagem(quint8 modo, Imagem& imagem, Rotulo& rotulo)
{
    const int n = sorteiaFigura(modo);
    if (n == 0)
        return 0;
    imagem.load(caminhoFigura(n));
    imagem.setTag(n);
    rotulo.setText(Legendas[n].Legenda.texto());
    return n;
}
