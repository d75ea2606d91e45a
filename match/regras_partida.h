#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Where the match stands. Every input handler of the match screen asks it first, since clicks
// and keys also arrive while the game lets events run in the middle of a step.
enum class FasePartida {
    Sorteio,   // a question is being drawn: the first one, a substitute or the next one
    Esperando, // waiting for a choice
    Escolhida, // an option chosen, awaiting confirmation or withdrawal
    Julgando,  // an answer or a missed kick is being judged: the balls grow
    Animacao,  // the answer animation runs
    Encerrada, // the match ran to its end, was left, or has no question to play
};

bool aceitaEscolha(FasePartida fase);
bool aceitaConfirmacao(FasePartida fase);
bool aceitaDesistencia(FasePartida fase);
bool aceitaAjuda(FasePartida fase);
bool aceitaSaida(FasePartida fase);
// A match that is over stays over, whatever a step still running asks for afterwards.
FasePartida mudaFase(FasePartida atual, FasePartida nova);

struct Placar {
    qint32 pro = 0;
    qint32 contra = 0;
    bool operator==(const Placar&) const = default;
};

// Right only when an option was chosen and it is the right one.
bool respostaCerta(int escolhida, int certa);
// A right answer is a goal for, a wrong one a goal against.
Placar placarDepois(Placar antes, bool certa);

// The check at the fourth confirmation.
struct Bonus {
    // The packet it announces; none on a loss, which leaves the packet as it was.
    std::optional<quint8> pacote;
    int figurinhas = 0;
    QString texto;
};
Bonus verificaBonus(Placar placar, bool ajudaUsada);

struct Resultado {
    QString texto;
    int figurinhas;
    QColor cor;
};
Resultado resultadoFinal(Placar placar);

// What a penalty kick turn does to the question on screen.
struct EfeitoPenalti {
    bool eliminaOpcao = false;
    // Goals against it costs; a turn that costs goals ends the question.
    int golsContra = 0;
    // The aid is spent: disabled on this question and counted against the no-aid bonus.
    bool gastaAjuda = false;
    bool operator==(const EfeitoPenalti&) const = default;
};
EfeitoPenalti efeitoPenalti(qint32 chutes, bool fezGol);
