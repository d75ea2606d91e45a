#include "comandos.h"

#include "data/arquivo_atomico.h"
#include "data/banco_questoes.h"
#include "data/banco_tsv.h"

#include <QFile>
#include <QIODevice>

#include <cerrno>

namespace {

enum Saida { Sucesso = 0, ProblemasEncontrados = 1, ErroDeUso = 2 };

const QString kOpcaoVazio = QStringLiteral("--vazio");

class Comandos {
public:
    Comandos(QIODevice& saidaPadrao, QIODevice& saidaErros)
        : saida(saidaPadrao)
        , erros(saidaErros)
    {
    }

    int executa(QStringList args);

private:
    QIODevice& saida;
    QIODevice& erros;

    // Every byte of the text, NULs included.
    void escreveErro(const QString& texto) { erros.write(texto.toLocal8Bit() + '\n'); }
    int uso();
    bool le(const QString& caminho, QByteArray* dados);
    bool grava(const QString& caminho, const QByteArray& dados);
    int exportar(const QString& banco);
    int importar(const QString& tsv, const QString& banco, bool aceitaVazio);
    int zerar(const QString& banco);
    int verificar(const QString& banco);
};

int Comandos::uso()
{
    escreveErro(QStringLiteral(
        "Uso:\n"
        "  banco-perguntas exportar BANCO        escreve o banco em TSV (UTF-8) na saída\n"
        "  banco-perguntas importar [--vazio] TSV BANCO\n"
        "                                        grava um banco a partir de um TSV; um TSV sem\n"
        "                                        perguntas só substitui um banco com perguntas\n"
        "                                        com --vazio\n"
        "  banco-perguntas zerar BANCO           marca todas as perguntas como não sorteadas\n"
        "  banco-perguntas verificar BANCO       confere o formato do banco"));
    return ErroDeUso;
}

bool Comandos::le(const QString& caminho, QByteArray* dados)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        const int motivo = errno;
        escreveErro(QStringLiteral("Não foi possível abrir %1: %2.")
                        .arg(caminho, motivoFalhaLeitura(caminho, motivo)));
        return false;
    }
    if (arquivo.size() > kTamanhoMaximo) {
        escreveErro(
            QStringLiteral("%1 é grande demais (%2 bytes).").arg(caminho).arg(arquivo.size()));
        return false;
    }
    *dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        const int motivo = errno;
        escreveErro(QStringLiteral("Não foi possível ler %1: %2.")
                        .arg(caminho, motivoFalhaLeitura(caminho, motivo)));
        return false;
    }
    return true;
}

bool Comandos::grava(const QString& caminho, const QByteArray& dados)
{
    removeTemporarios(caminho);
    QString erro;
    const bool ok = gravaAtomico(
        caminho, [&dados](QIODevice& destino) { return destino.write(dados) == dados.size(); },
        &erro);
    if (!ok)
        escreveErro(QStringLiteral("Não foi possível gravar %1: %2. O arquivo ficou como estava.")
                        .arg(caminho, erro));
    return ok;
}

int Comandos::exportar(const QString& banco)
{
    QByteArray dados;
    if (!le(banco, &dados))
        return ErroDeUso;
    const QByteArray tsv = exportaBanco(dados);
    if (saida.write(tsv) != tsv.size()) {
        escreveErro(QStringLiteral("Não foi possível escrever na saída."));
        return ErroDeUso;
    }
    return Sucesso;
}

int Comandos::importar(const QString& tsv, const QString& banco, bool aceitaVazio)
{
    QByteArray dados;
    if (!le(tsv, &dados))
        return ErroDeUso;
    const ResultadoImportacao resultado = importaBanco(dados);
    if (!resultado.erro.isEmpty()) {
        escreveErro(QStringLiteral("%1: %2. Nada foi gravado.").arg(tsv, resultado.erro));
        return ErroDeUso;
    }
    if (resultado.banco.isEmpty() && !aceitaVazio) {
        QFile atual(banco);
        if (atual.size() >= qint64(sizeof(tQuestao))) {
            escreveErro(QStringLiteral("%1 não tem perguntas e %2 tem: nada foi gravado. Para "
                                       "esvaziar o banco, use importar --vazio.")
                            .arg(tsv, banco));
            return ErroDeUso;
        }
    }
    const qsizetype registros = resultado.banco.size() / qsizetype(sizeof(tQuestao));
    if (registros > kCapacidadeBanco)
        escreveErro(QStringLiteral("Aviso: são %1 perguntas; o jogo sorteia só as %2 primeiras e "
                                   "guarda as outras como estão.")
                        .arg(registros)
                        .arg(kCapacidadeBanco));
    return grava(banco, resultado.banco) ? Sucesso : ErroDeUso;
}

int Comandos::zerar(const QString& banco)
{
    QByteArray dados;
    if (!le(banco, &dados))
        return ErroDeUso;
    return grava(banco, zeraBanco(dados)) ? Sucesso : ErroDeUso;
}

int Comandos::verificar(const QString& banco)
{
    QByteArray dados;
    if (!le(banco, &dados))
        return ErroDeUso;
    const Verificacao v = verificaBanco(dados);
    QString relatorio =
        QStringLiteral("%1 perguntas, %2 já sorteadas.\n").arg(v.registros).arg(v.sorteadas);
    for (const QString& problema : v.problemas)
        relatorio += problema + QLatin1Char('\n');
    if (v.problemas.isEmpty())
        relatorio += QStringLiteral("Nenhum problema encontrado.\n");
    saida.write(relatorio.toLocal8Bit());
    return v.problemas.isEmpty() ? Sucesso : ProblemasEncontrados;
}

int Comandos::executa(QStringList args)
{
    const QString comando = args.value(0);
    if (comando == QLatin1String("exportar") && args.size() == 2)
        return exportar(args[1]);
    if (comando == QLatin1String("importar")) {
        const bool aceitaVazio = args.removeAll(kOpcaoVazio) > 0;
        if (args.size() == 3)
            return importar(args[1], args[2], aceitaVazio);
    }
    if (comando == QLatin1String("zerar") && args.size() == 2)
        return zerar(args[1]);
    if (comando == QLatin1String("verificar") && args.size() == 2)
        return verificar(args[1]);
    return uso();
}

} // namespace

int executaComando(const QStringList& args, QIODevice& saida, QIODevice& erros)
{
    return Comandos(saida, erros).executa(args);
}
