#pragma once

#include "registro.h"

#include <QtEndian>

#pragma pack(push, 1)
// One record of the question bank, 576 bytes. The five texts are stored scrambled; Codigo names
// the digits that restore them.
struct tQuestao {
    TextoCurto<10> Codigo;
    TextoCurto<150> Pergunta;
    TextoCurto<100> RespCerta;
    TextoCurto<100> RespErrada1;
    TextoCurto<100> RespErrada2;
    TextoCurto<100> Complemento;
    quint8 preenchimento1[2];
    qint32_le Numero;
    quint8 Usada;
    quint8 preenchimento2[3];
};
#pragma pack(pop)
static_assert(sizeof(tQuestao) == 576);
static_assert(offsetof(tQuestao, Pergunta) == 11 && offsetof(tQuestao, Complemento) == 465);
static_assert(offsetof(tQuestao, Numero) == 568 && offsetof(tQuestao, Usada) == 572);

inline constexpr int kCapacidadeBanco = 2500;
// A stored text equal to this marker stands for the empty text.
inline constexpr char kMarcadorVazio[] = "&#&#&#&#&#%$%$%$%$%$";

// The working table (texts restored) and the records as read (texts scrambled), entry k holding
// record k of the file.
extern Tabela<tQuestao, kCapacidadeBanco> Questoes;
extern Tabela<tQuestao, kCapacidadeBanco> QuestoesArquivo;
extern qint32 NumQuestoes;
extern QString NomeArqQuest;

// True when the code has the three digits that restoration needs; a record without them loads
// but is never drawn.
bool codigoValido(QByteArrayView codigo);

// Restores one stored text with its record's code; a record whose code lacks its digits, and a
// text of one character, come back unchanged.
QByteArray RestauraTexto(QByteArrayView texto, QByteArrayView codigo);
// The inverse of RestauraTexto for a valid code: the stored form of a text.
QByteArray EmbaralhaTexto(QByteArrayView texto, QByteArrayView codigo);

void CarregaQuestoes();
void GravaQuestoes();
// True once a load has succeeded; the bank is never saved over a file that failed to load.
bool bancoCarregado();
