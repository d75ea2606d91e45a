#include "catalogo.h"

#include "arquivo_atomico.h"
#include "common/formata_numero.h"
#include "common/game_error.h"
#include "common/platform.h"

#include <QFile>

#include <cerrno>

Tabela<tLegenda, kCapacidadeLegendas> Legendas;
QString NomeArqLegenda;

namespace {

// Whole records past the 139 of the catalogue, kept in the file as they were read.
QByteArray excedente;
// A legend file that failed to load is never written over; the player is told so once.
bool protegido = false;
bool avisado = false;
bool sorteando = false;

QString mensagemAbertura()
{
    return QStringLiteral("Problemas para abrir o arquivo \rNomeArqLegenda: ") + NomeArqLegenda;
}

void gravaLegendas()
{
    if (protegido) {
        if (!avisado)
            platform().errorBox(QStringLiteral("As legendas não puderam ser lidas de %1; para não "
                                               "apagá-las, esse arquivo não será gravado e as "
                                               "figuras sorteadas agora não ficam marcadas.")
                                    .arg(NomeArqLegenda));
        avisado = true;
        return;
    }
    QString erro;
    const bool gravou = gravaAtomico(
        NomeArqLegenda,
        [](QIODevice& saida) {
            for (int k = 1; k <= kFigurasCatalogo; ++k) {
                platform().processEvents();
                const QByteArrayView bytes = bytesDe(Legendas[k]);
                if (saida.write(bytes.data(), bytes.size()) != bytes.size())
                    return false;
            }
            return saida.write(excedente) == excedente.size();
        },
        &erro);
    if (!gravou) {
        platform().errorBox(mensagemAbertura() + QStringLiteral("\r") + erro + QLatin1Char('.'));
        throw GameError(erro, true);
    }
}

} // namespace

void CarregaLegendas()
{
    NomeArqLegenda = programFile(QStringLiteral("PastaImg\\LegendasImg.Dat"));
    Legendas.zera();
    excedente.clear();
    protegido = true;
    avisado = false;
    removeTemporarios(NomeArqLegenda);

    QFile arquivo(NomeArqLegenda);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        platform().errorBox(mensagemAbertura());
        return;
    }
    if (arquivo.size() > kTamanhoMaximo) {
        platform().errorBox(QStringLiteral("O arquivo de legendas %1 é grande demais (%2 bytes) "
                                           "e não foi carregado.")
                                .arg(NomeArqLegenda)
                                .arg(arquivo.size()));
        return;
    }
    char registro[sizeof(tLegenda)];
    int k = 0;
    while (k < kCapacidadeLegendas) {
        const qint64 lidos = arquivo.read(registro, sizeof registro);
        if (lidos < 0) {
            const int motivo = errno;
            Legendas.zera();
            platform().errorBox(mensagemAbertura() + QStringLiteral("\r") +
                                motivoFalhaLeitura(NomeArqLegenda, motivo) + QLatin1Char('.'));
            return;
        }
        if (lidos < qint64(sizeof registro))
            break;
        ++k;
        copiaBytes(Legendas[k], registro);
        platform().processEvents();
    }
    // Only whole records beyond the catalogue are kept; the table itself stops at 2000.
    if (arquivo.size() > qint64(kFigurasCatalogo * sizeof(tLegenda))) {
        arquivo.seek(qint64(kFigurasCatalogo * sizeof(tLegenda)));
        excedente = arquivo.readAll();
        excedente.truncate(excedente.size() - excedente.size() % qsizetype(sizeof(tLegenda)));
        if (arquivo.error() != QFileDevice::NoError) {
            const int motivo = errno;
            Legendas.zera();
            platform().errorBox(mensagemAbertura() + QStringLiteral("\r") +
                                motivoFalhaLeitura(NomeArqLegenda, motivo) + QLatin1Char('.'));
            return;
        }
    }
    protegido = false;
}

int sorteiaFigura(quint8 modo)
{
    if (sorteando)
        return 0;
    sorteando = true;
    struct Fim {
        ~Fim() { sorteando = false; }
    } fim;

    int livres = 0;
    for (int k = 1; k <= kFigurasCatalogo; ++k) {
        platform().processEvents();
        if (Legendas[k].Sorteada != 1)
            ++livres;
    }
    if (livres <= kLimiteCiclo) {
        for (int k = 1; k <= kFigurasCatalogo; ++k) {
            platform().processEvents();
            Legendas[k].Sorteada = 0;
        }
    }

    platform().reseedRandom();
    int n = 0;
    do {
        n = platform().random(kFigurasCatalogo);
    } while (n == 0 || (modo != 0 && Legendas[n].Sorteada == 1));
    Legendas[n].Sorteada = 1;

    gravaLegendas();
    return n;
}

QString caminhoFigura(int n)
{
    return programFile(QStringLiteral("\\PastaImg\\imagem") + numeroCincoDigitos(n) +
                       QStringLiteral(".bmp"));
}
