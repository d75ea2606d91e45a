#include "banco_questoes.h"

#include "arquivo_atomico.h"
#include "common/platform.h"

#include <QFile>

#include <cerrno>

Tabela<tQuestao, kCapacidadeBanco> Questoes;
Tabela<tQuestao, kCapacidadeBanco> QuestoesArquivo;
qint32 NumQuestoes = 0;
QString NomeArqQuest;

namespace {

bool carregado = false;
// Whole records past the table's capacity, written back untouched.
QByteArray excedente;

int digito(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// The shift of a valid code: the sign comes from character 6, the amount from the character
// that character 7 names.
int deslocamento(QByteArrayView codigo)
{
    const int d6 = digito(codigo[5]);
    const int n = digito(codigo[6]);
    const int k = digito(codigo[n - 1]);
    return d6 % 2 == 1 ? k : -k;
}

QByteArray trocaPares(QByteArrayView texto, int desloc)
{
    QByteArray saida(texto.data(), texto.size());
    for (qsizetype i = 0; i + 1 < saida.size(); i += 2) {
        const int a = quint8(texto[i]);
        const int b = quint8(texto[i + 1]);
        saida[i] = char(quint8((b + desloc + 256) % 256));
        saida[i + 1] = char(quint8((a + desloc + 256) % 256));
    }
    return saida;
}

QString mensagemAbertura()
{
    return QStringLiteral("Problemas para abrir o arquivo \rNomeArqQuest: ") + NomeArqQuest;
}

template <class Campo> void restauraCampo(Campo& campo, QByteArrayView codigo)
{
    campo.define(RestauraTexto(campo.valor(), codigo));
}

} // namespace

bool codigoValido(QByteArrayView codigo)
{
    if (codigo.size() < 7 || digito(codigo[5]) < 0)
        return false;
    const int n = digito(codigo[6]);
    return n >= 1 && n <= codigo.size() && digito(codigo[n - 1]) >= 0;
}

QByteArray RestauraTexto(QByteArrayView texto, QByteArrayView codigo)
{
    if (texto == QByteArrayView(kMarcadorVazio))
        return {};
    if (!codigoValido(codigo))
        return QByteArray(texto.data(), texto.size());
    return trocaPares(texto, deslocamento(codigo));
}

QByteArray EmbaralhaTexto(QByteArrayView texto, QByteArrayView codigo)
{
    if (!codigoValido(codigo))
        return QByteArray(texto.data(), texto.size());
    return trocaPares(texto, -deslocamento(codigo));
}

bool bancoCarregado()
{
    return carregado;
}

void CarregaQuestoes()
{
    NomeArqQuest = programFile(QStringLiteral("Quest1.Dat"));
    Questoes.zera();
    QuestoesArquivo.zera();
    NumQuestoes = 0;
    carregado = false;
    excedente.clear();
    removeTemporarios(NomeArqQuest);

    QFile arquivo(NomeArqQuest);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        platform().errorBox(mensagemAbertura());
        return;
    }
    if (arquivo.size() > kTamanhoMaximo) {
        platform().errorBox(QStringLiteral("O banco de perguntas %1 é grande demais (%2 bytes) "
                                           "e não foi carregado.")
                                .arg(NomeArqQuest)
                                .arg(arquivo.size()));
        return;
    }

    int k = 0;
    char registro[sizeof(tQuestao)];
    while (k < kCapacidadeBanco) {
        platform().processEvents();
        const qint64 lidos = arquivo.read(registro, sizeof registro);
        if (lidos < qint64(sizeof registro))
            break;
        ++k;
        copiaBytes(Questoes[k], registro);
        copiaBytes(QuestoesArquivo[k], registro);
    }
    if (k == kCapacidadeBanco) {
        excedente = arquivo.readAll();
        excedente.truncate(excedente.size() - excedente.size() % qsizetype(sizeof(tQuestao)));
    }
    if (arquivo.error() != QFileDevice::NoError) {
        const int motivo = errno;
        Questoes.zera();
        QuestoesArquivo.zera();
        platform().errorBox(mensagemAbertura() + QStringLiteral("\r") +
                            motivoFalhaLeitura(NomeArqQuest, motivo) + QLatin1Char('.'));
        return;
    }
    NumQuestoes = k;
    arquivo.close();

    for (k = 1; k <= NumQuestoes; ++k) {
        platform().processEvents();
        tQuestao& q = Questoes[k];
        const QByteArray codigo = q.Codigo.valor();
        restauraCampo(q.Pergunta, codigo);
        restauraCampo(q.RespCerta, codigo);
        restauraCampo(q.RespErrada1, codigo);
        restauraCampo(q.RespErrada2, codigo);
        restauraCampo(q.Complemento, codigo);
    }
    carregado = true;
}

void GravaQuestoes()
{
    if (!carregado)
        return;
    QString erro;
    const bool gravou = gravaAtomico(
        NomeArqQuest,
        [](QIODevice& saida) {
            for (int k = 1; k <= NumQuestoes; ++k) {
                platform().processEvents();
                const QByteArrayView bytes = bytesDe(QuestoesArquivo[k]);
                if (saida.write(bytes.data(), bytes.size()) != bytes.size())
                    return false;
            }
            return saida.write(excedente) == excedente.size();
        },
        &erro);
    if (!gravou)
        platform().errorBox(mensagemAbertura() + QStringLiteral("\r") + erro + QLatin1Char('.'));
}
