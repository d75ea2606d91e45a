#include "estado_partida.h"

qint32 QuestaoAtual = 0;
qint32 TotalQuestoes = 4;
qint32 NumQuestao = 1;
qint32 OpcaoCerta = 0;
qint32 OpcaoEscolhida = 0;
qint32 OpcaoEliminada = 0;
bool AjudaUsada = false;
bool FimDeJogo = false;
qint32 QuadroAnim = 0;
qint32 TiquesAnim = 0;
QList<qint32> Candidatas;
QList<qint32> SorteadasNaPartida;
FasePartida Fase = FasePartida::Sorteio;
quint8 TamPacotinho = 0;
int BonusPartida = 0;
