#pragma once

#include "regras_partida.h"

#include <QList>

// The state of the running match, one set for the whole program; a new match screen resets
// only what its creation or the match start sets.
extern qint32 QuestaoAtual;
extern qint32 TotalQuestoes;
extern qint32 NumQuestao;
extern qint32 OpcaoCerta;
extern qint32 OpcaoEscolhida;
extern qint32 OpcaoEliminada;
extern bool AjudaUsada;
extern bool FimDeJogo;
extern qint32 QuadroAnim;
extern qint32 TiquesAnim;
// The Numero of every question not yet drawn, rebuilt by each draw.
extern QList<qint32> Candidatas;
// Every question the running match has drawn: a bank that starts over keeps them drawn.
extern QList<qint32> SorteadasNaPartida;
extern FasePartida Fase;

// Stickers earned by the last completed match.
extern quint8 TamPacotinho;
// Bonus stickers announced at the fourth confirmation of the running match.
extern int BonusPartida;
