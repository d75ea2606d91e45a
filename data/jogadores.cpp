#include "jogadores.h"

#include "arquivo_atomico.h"
#include "common/game_error.h"
#include "common/platform.h"

#include <QFile>

#include <cerrno>

Tabela<tJogador, kCapacidadeJogadores> Jogadores;
qint32 QtdJogadores = 0;
tJogador JogadorAtual;
qint32 IdxJogador = 0;

namespace {

// Whole records past the table's capacity, kept in the file as they were read.
QByteArray excedente;
// The file is written only after a load that succeeded, so a failed read never shortens it.
bool carregado = false;

[[noreturn]] void falha(const QString& acao, const QString& erro)
{
    throw GameError(QStringLiteral("Não foi possível %1 o arquivo de jogadores %2: %3.")
                        .arg(acao, caminhoJogadores(), erro));
}

// The reason comes from errno, read before anything else can change it.
[[noreturn]] void falhaSistema(const QString& acao)
{
    const int motivo = errno;
    falha(acao, motivoFalhaLeitura(caminhoJogadores(), motivo));
}

} // namespace

QString caminhoJogadores()
{
    return workingFile(QStringLiteral(".\\TernavoAlbum.tnv"));
}

bool CarregaJogadores(const std::function<void(int k, const tJogador&)>& recebe)
{
    zeraRegistro(JogadorAtual);
    Jogadores.zera();
    QtdJogadores = 0;
    excedente.clear();
    carregado = false;
    removeTemporarios(caminhoJogadores());

    QFile arquivo(caminhoJogadores());
    if (!arquivo.exists()) {
        if (!arquivo.open(QIODevice::WriteOnly))
            falhaSistema(QStringLiteral("criar"));
        arquivo.close();
        carregado = true;
        return false;
    }
    if (!arquivo.open(QIODevice::ReadOnly))
        falhaSistema(QStringLiteral("abrir"));
    if (arquivo.size() > kTamanhoMaximo)
        falha(QStringLiteral("ler"), QStringLiteral("o arquivo é grande demais"));

    char registro[sizeof(tJogador)];
    while (QtdJogadores < kCapacidadeJogadores) {
        platform().processEvents();
        const qint64 lidos = arquivo.read(registro, sizeof registro);
        if (lidos < 0)
            falhaSistema(QStringLiteral("ler"));
        if (lidos < qint64(sizeof registro))
            break;
        copiaBytes(JogadorAtual, registro);
        ++QtdJogadores;
        Jogadores[QtdJogadores] = JogadorAtual;
        if (recebe)
            recebe(QtdJogadores, JogadorAtual);
    }
    if (QtdJogadores == kCapacidadeJogadores) {
        excedente = arquivo.readAll();
        if (arquivo.error() != QFileDevice::NoError)
            falhaSistema(QStringLiteral("ler"));
        excedente.truncate(excedente.size() - excedente.size() % qsizetype(sizeof(tJogador)));
    }
    carregado = true;
    return true;
}

void GravaJogadores(bool processaEventos)
{
    if (!carregado)
        throw GameError(QStringLiteral("O arquivo de jogadores %1 não foi gravado: ele não pôde "
                                       "ser lido, e gravá-lo apagaria o que guarda. Os jogadores "
                                       "e as figurinhas novos não ficaram guardados.")
                            .arg(caminhoJogadores()));
    QString erro;
    const bool gravou = gravaAtomico(
        caminhoJogadores(),
        [processaEventos](QIODevice& saida) {
            for (int k = 1; k <= QtdJogadores; ++k) {
                if (processaEventos)
                    platform().processEvents();
                const QByteArrayView bytes = bytesDe(Jogadores[k]);
                if (saida.write(bytes.data(), bytes.size()) != bytes.size())
                    return false;
            }
            return saida.write(excedente) == excedente.size();
        },
        &erro);
    if (!gravou)
        falha(QStringLiteral("gravar"), erro);
}

void EscolheJogador(int i)
{
    if (i < 1 || i > kCapacidadeJogadores)
        return;
    IdxJogador = i;
    JogadorAtual = Jogadores[i];
}

void GuardaJogadorAtual()
{
    if (IdxJogador >= 1 && IdxJogador <= kCapacidadeJogadores)
        Jogadores[IdxJogador] = JogadorAtual;
}

bool AcrescentaJogador(const QString& nome, const QString& eMail)
{
    if (QtdJogadores >= kCapacidadeJogadores) {
        platform().messageBox(
            QStringLiteral("O álbum já tem %1 jogadores, o máximo. Escolha um jogador da lista.")
                .arg(kCapacidadeJogadores));
        return false;
    }
    ++QtdJogadores;
    tJogador& novo = Jogadores[QtdJogadores];
    zeraRegistro(novo);
    novo.Nome.defineTexto(nome.left(30));
    novo.eMail.defineTexto(eMail.left(50));
    return true;
}

void AcrescentaFigurinha(int n)
{
    if (n < 1 || n > kFigurinhasAlbum)
        return;
    quint8& qtd = JogadorAtual.figurinha(n).Qtd;
    if (qtd < 255)
        ++qtd;
}
