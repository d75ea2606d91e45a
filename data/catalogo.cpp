#include "catalogo.h"

#include "arquivo_atomico.h"
#include "formata_numero.h"
#include "game_error.h"
#include "platform.h"

#include <QFile>

Tabela<tLegenda, kCapacidadeLegendas> Legendas;
QString NomeArqLegenda;

namespace {

// Whole records past the 139 of the catalogue, kept in the file as they were read.
QByteArray excedente;
// A legend file too large to read is never written over.
bool protegido = false;
bool sorteando = false;
constexpr qint64 kTamanhoMaximo = 64 * 1024 * 1024;

QString mensagemAbertura()
{
    return QStringLiteral("Problemas para abrir o arquivo \rNomeArqLegenda: ") + NomeArqLegenda;
}

void gravaLegendas()
{
    if (protegido)
        return;
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
    protegido = false;
    removeTemporarios(NomeArqLegenda);

    QFile arquivo(NomeArqLegenda);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        platform().errorBox(mensagemAbertura());
        return;
    }
    if (arquivo.size() > kTamanhoMaximo) {
        protegido = true;
        platform().errorBox(QStringLiteral("O arquivo de legendas %1 é grande demais (%2 bytes) "
                                           "e não foi carregado.")
                                .arg(NomeArqLegenda)
                                .arg(arquivo.size()));
        return;
    }
    char registro[sizeof(tLegenda)];
    int k = 0;
    while (k < kCapacidadeLegendas) {
        if (arquivo.read(registro, sizeof registro) < qint64(sizeof registro))
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
    }
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
