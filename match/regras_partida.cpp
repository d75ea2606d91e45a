#include "regras_partida.h"

bool aceitaEscolha(FasePartida fase)
{
    return fase == FasePartida::Esperando;
}

bool aceitaConfirmacao(FasePartida fase)
{
    return fase == FasePartida::Escolhida;
}

bool aceitaDesistencia(FasePartida fase)
{
    return fase == FasePartida::Esperando || fase == FasePartida::Escolhida;
}

bool aceitaAjuda(FasePartida fase)
{
    return fase == FasePartida::Esperando || fase == FasePartida::Escolhida;
}

bool aceitaSaida(FasePartida fase)
{
    return fase != FasePartida::Julgando && fase != FasePartida::Encerrada;
}

FasePartida mudaFase(FasePartida atual, FasePartida nova)
{
    return atual == FasePartida::Encerrada ? atual : nova;
}

bool respostaCerta(int escolhida, int certa)
{
    return escolhida >= 1 && escolhida <= 3 && escolhida == certa;
}

Placar placarDepois(Placar antes, bool certa)
{
    certa ? ++antes.pro : ++antes.contra;
    return antes;
}

Bonus verificaBonus(Placar placar, bool ajudaUsada)
{
    Bonus bonus;
    if (placar.pro < placar.contra)
        return bonus;
    if (placar.pro == placar.contra) {
        bonus.pacote = 1;
        return bonus;
    }
    if (placar.pro == 4 && placar.contra == 0) {
        ++bonus.figurinhas;
        bonus.texto +=
            QStringLiteral(" Você ganhou uma figurinha bônus por não ter tomado nenhum gol.");
    }
    if (!ajudaUsada) {
        ++bonus.figurinhas;
        bonus.texto += QStringLiteral(" Você ganhou uma figurinha bônus por não ter usado ajuda.");
    }
    bonus.pacote = quint8(3 + bonus.figurinhas);
    return bonus;
}

Resultado resultadoFinal(Placar placar)
{
    if (placar.pro > placar.contra)
        return {QStringLiteral("Você ganhou!"), 3, QColor(0, 255, 0)};
    if (placar.pro == placar.contra)
        return {QStringLiteral("Empatou!"), 1, QColor(255, 255, 255)};
    return {QStringLiteral("Você perdeu!"), 0, QColor(255, 128, 0)};
}

EfeitoPenalti efeitoPenalti(qint32 chutes, bool fezGol)
{
    if (chutes == 1)
        return fezGol ? EfeitoPenalti{true, 0, true} : EfeitoPenalti{false, 2, true};
    if (chutes == 2 && !fezGol)
        return {false, 1, false};
    return {};
}
