// banco-perguntas: exports, imports, clears and checks the game's question bank.

#include "arquivo_atomico.h"
#include "banco_tsv.h"

#include <QFile>
#include <QIODevice>

#include <cstdio>

namespace {

enum Saida { Sucesso = 0, ProblemasEncontrados = 1, ErroDeUso = 2 };

constexpr qint64 kTamanhoMaximo = 64 * 1024 * 1024;

void escreveErro(const QString& texto)
{
    std::fputs(texto.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int uso()
{
    escreveErro(QStringLiteral(
        "Uso:\n"
        "  banco-perguntas exportar BANCO        escreve o banco em TSV (UTF-8) na saída\n"
        "  banco-perguntas importar TSV BANCO    grava um banco a partir de um TSV\n"
        "  banco-perguntas zerar BANCO           marca todas as perguntas como não sorteadas\n"
        "  banco-perguntas verificar BANCO       confere o formato do banco"));
    return ErroDeUso;
}

bool le(const QString& caminho, QByteArray* dados)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        escreveErro(
            QStringLiteral("Não foi possível abrir %1: %2.").arg(caminho, arquivo.errorString()));
        return false;
    }
    if (arquivo.size() > kTamanhoMaximo) {
        escreveErro(
            QStringLiteral("%1 é grande demais (%2 bytes).").arg(caminho).arg(arquivo.size()));
        return false;
    }
    *dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        escreveErro(
            QStringLiteral("Não foi possível ler %1: %2.").arg(caminho, arquivo.errorString()));
        return false;
    }
    return true;
}

bool grava(const QString& caminho, const QByteArray& dados)
{
    QString erro;
    const bool ok = gravaAtomico(
        caminho, [&dados](QIODevice& saida) { return saida.write(dados) == dados.size(); }, &erro);
    if (!ok)
        escreveErro(QStringLiteral("Não foi possível gravar %1: %2.").arg(caminho, erro));
    return ok;
}

int exportar(const QString& banco)
{
    QByteArray dados;
    if (!le(banco, &dados))
        return ErroDeUso;
    const QByteArray tsv = exportaBanco(dados);
    if (std::fwrite(tsv.constData(), 1, size_t(tsv.size()), stdout) != size_t(tsv.size()) ||
        std::fflush(stdout) != 0) {
        escreveErro(QStringLiteral("Não foi possível escrever na saída."));
        return ErroDeUso;
    }
    return Sucesso;
}

int importar(const QString& tsv, const QString& banco)
{
    QByteArray dados;
    if (!le(tsv, &dados))
        return ErroDeUso;
    const ResultadoImportacao resultado = importaBanco(dados);
    if (!resultado.erro.isEmpty()) {
        escreveErro(QStringLiteral("%1: %2. Nada foi gravado.").arg(tsv, resultado.erro));
        return ErroDeUso;
    }
    return grava(banco, resultado.banco) ? Sucesso : ErroDeUso;
}

int zerar(const QString& banco)
{
    QByteArray dados;
    if (!le(banco, &dados))
        return ErroDeUso;
    return grava(banco, zeraBanco(dados)) ? Sucesso : ErroDeUso;
}

int verificar(const QString& banco)
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
    std::fputs(relatorio.toLocal8Bit().constData(), stdout);
    return v.problemas.isEmpty() ? Sucesso : ProblemasEncontrados;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString comando = args.value(0);
    if (comando == QLatin1String("exportar") && args.size() == 2)
        return exportar(args[1]);
    if (comando == QLatin1String("importar") && args.size() == 3)
        return importar(args[1], args[2]);
    if (comando == QLatin1String("zerar") && args.size() == 2)
        return zerar(args[1]);
    if (comando == QLatin1String("verificar") && args.size() == 2)
        return verificar(args[1]);
    return uso();
}
