#include "banco_tsv.h"

#include "banco_questoes.h"

#include <QStringDecoder>

#include <array>
#include <cstring>

namespace {

constexpr int kColunas = 8;
const std::array<const char*, kColunas> kNomesColunas = {
    "numero",     "codigo",       "usada",        "pergunta",
    "resp_certa", "resp_errada1", "resp_errada2", "complemento"};

QString escapa(const QString& texto)
{
    QString saida;
    saida.reserve(texto.size());
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case '\\': saida += QLatin1String("\\\\"); break;
        case '\t': saida += QLatin1String("\\t"); break;
        case '\n': saida += QLatin1String("\\n"); break;
        case '\r': saida += QLatin1String("\\r"); break;
        default: saida += c;
        }
    }
    return saida;
}

bool desescapa(const QString& campo, QString* texto)
{
    texto->clear();
    for (qsizetype i = 0; i < campo.size(); ++i) {
        if (campo[i] != QLatin1Char('\\')) {
            *texto += campo[i];
            continue;
        }
        if (++i == campo.size())
            return false;
        switch (campo[i].unicode()) {
        case '\\': *texto += QLatin1Char('\\'); break;
        case 't': *texto += QLatin1Char('\t'); break;
        case 'n': *texto += QLatin1Char('\n'); break;
        case 'r': *texto += QLatin1Char('\r'); break;
        default: return false;
        }
    }
    return true;
}

int registrosInteiros(QByteArrayView banco)
{
    return int(banco.size() / qsizetype(sizeof(tQuestao)));
}

tQuestao registro(QByteArrayView banco, int k)
{
    tQuestao q;
    copiaBytes(q, banco.data() + qsizetype(k - 1) * qsizetype(sizeof(tQuestao)));
    return q;
}

template <class Campo> QString textoRestaurado(const Campo& campo, QByteArrayView codigo)
{
    return fromCp1252(RestauraTexto(campo.valor(), codigo));
}

// Stores one text in its field, scrambled with the record's code; the empty text becomes the
// marker. Returns an error text, empty when the text fits.
template <class Campo>
QString guardaTexto(Campo& campo, const QString& texto, QByteArrayView codigo)
{
    if (texto.isEmpty()) {
        campo.define(kMarcadorVazio);
        return {};
    }
    bool ok = false;
    const QByteArray bytes = toCp1252(texto, &ok);
    if (!ok)
        return QStringLiteral("tem um caractere que não existe em Windows-1252");
    if (bytes.size() > Campo::capacidade) {
        return QStringLiteral("tem %1 caracteres; o máximo é %2")
            .arg(bytes.size())
            .arg(Campo::capacidade);
    }
    const QByteArray guardado = EmbaralhaTexto(bytes, codigo);
    if (RestauraTexto(guardado, codigo) != bytes)
        return QStringLiteral("não pode ser gravado com este código (escolha outro código)");
    campo.define(guardado);
    return {};
}

QString erroNaLinha(int linha, int coluna, const QString& erro)
{
    return QStringLiteral("linha %1, coluna %2: %3")
        .arg(linha)
        .arg(QLatin1String(kNomesColunas[size_t(coluna)]), erro);
}

} // namespace

QByteArray codigoGerado(int posicao)
{
    // "P", four digits of the position, the sign digit, then "8" naming the last character,
    // the digit of the shift.
    const int sinal = (posicao * 3) % 10;
    const int desloc = (posicao * 7 + 3) % 10;
    return QByteArray("P") + QByteArray::number(posicao % 10000).rightJustified(4, '0') +
           char('0' + sinal) + '8' + char('0' + desloc);
}

QByteArray exportaBanco(QByteArrayView banco)
{
    QString saida = QLatin1String(kCabecalhoTsv) + QLatin1Char('\n');
    const int total = registrosInteiros(banco);
    for (int k = 1; k <= total; ++k) {
        const tQuestao q = registro(banco, k);
        const QByteArray codigo = q.Codigo.valor();
        const QStringList campos = {
            QString::number(qint32(q.Numero)),
            escapa(fromCp1252(codigo)),
            q.Usada == 1 ? QStringLiteral("1") : QStringLiteral("0"),
            escapa(textoRestaurado(q.Pergunta, codigo)),
            escapa(textoRestaurado(q.RespCerta, codigo)),
            escapa(textoRestaurado(q.RespErrada1, codigo)),
            escapa(textoRestaurado(q.RespErrada2, codigo)),
            escapa(textoRestaurado(q.Complemento, codigo)),
        };
        saida += campos.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return saida.toUtf8();
}

ResultadoImportacao importaBanco(QByteArrayView tsv)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString texto = utf8.decode(tsv);
    if (utf8.hasError())
        return {{}, QStringLiteral("o arquivo não está em UTF-8")};

    QStringList linhas = texto.split(QLatin1Char('\n'));
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    for (QString& linha : linhas) {
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
    }
    // A trailing "fonte" column names where each question comes from; the bank does not store it.
    const bool comFonte = !linhas.isEmpty() &&
                          linhas.first() == QLatin1String(kCabecalhoTsv) + QLatin1String("\tfonte");
    const int colunas = comFonte ? kColunas + 1 : kColunas;
    if (linhas.isEmpty() || (!comFonte && linhas.first() != QLatin1String(kCabecalhoTsv)))
        return {{},
                QStringLiteral("linha 1: falta o cabeçalho \"%1\"")
                    .arg(QString::fromLatin1(kCabecalhoTsv)
                             .replace(QLatin1Char('\t'), QStringLiteral("<TAB>")))};

    QByteArray banco;
    banco.reserve((linhas.size() - 1) * qsizetype(sizeof(tQuestao)));
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        const int linha = int(i) + 1;
        const int posicao = int(i);
        const QStringList campos = linhas[i].split(QLatin1Char('\t'));
        if (campos.size() != colunas) {
            return {{},
                    QStringLiteral("linha %1: %2 colunas; são esperadas %3")
                        .arg(linha)
                        .arg(campos.size())
                        .arg(colunas)};
        }
        QStringList valores;
        for (int c = 0; c < kColunas; ++c) {
            QString valor;
            if (!desescapa(campos[c], &valor))
                return {{}, erroNaLinha(linha, c, QStringLiteral("sequência de escape inválida"))};
            valores << valor;
        }

        tQuestao q;
        zeraRegistro(q);
        QByteArray codigo = codigoGerado(posicao);
        if (!valores[1].isEmpty()) {
            bool ok = false;
            codigo = toCp1252(valores[1], &ok);
            if (!ok || codigo.size() > 10 || !codigoValido(codigo)) {
                return {{},
                        erroNaLinha(linha, 1,
                                    QStringLiteral("código inválido: precisa de até 10 "
                                                   "caracteres, com dígitos no 6º e no 7º "
                                                   "caractere e no caractere que o 7º indica"))};
            }
        }
        q.Codigo.define(codigo);
        if (valores[2] != QLatin1String("0") && valores[2] != QLatin1String("1"))
            return {{}, erroNaLinha(linha, 2, QStringLiteral("deve ser 0 ou 1"))};
        q.Usada = valores[2] == QLatin1String("1") ? 1 : 0;
        q.Numero = posicao;

        const QString erros[] = {
            guardaTexto(q.Pergunta, valores[3], codigo),
            guardaTexto(q.RespCerta, valores[4], codigo),
            guardaTexto(q.RespErrada1, valores[5], codigo),
            guardaTexto(q.RespErrada2, valores[6], codigo),
            guardaTexto(q.Complemento, valores[7], codigo),
        };
        for (int c = 0; c < 5; ++c) {
            if (!erros[c].isEmpty())
                return {{}, erroNaLinha(linha, c + 3, erros[c])};
        }
        banco += bytesDe(q);
    }
    return {banco, {}};
}

QByteArray zeraBanco(QByteArrayView banco)
{
    QByteArray saida(banco.data(), banco.size());
    const int total = registrosInteiros(banco);
    for (int k = 1; k <= total; ++k)
        saida[qsizetype(k - 1) * qsizetype(sizeof(tQuestao)) + offsetof(tQuestao, Usada)] = 0;
    return saida;
}

Verificacao verificaBanco(QByteArrayView banco)
{
    Verificacao v;
    v.registros = registrosInteiros(banco);
    for (int k = 1; k <= v.registros; ++k) {
        const tQuestao q = registro(banco, k);
        if (q.Usada == 1)
            ++v.sorteadas;
        const QString onde = QStringLiteral("registro %1: ").arg(k);
        if (q.Codigo.tamanho > 10 || !codigoValido(q.Codigo.valor()))
            v.problemas
                << onde + QStringLiteral("código \"%1\" sem os três dígitos").arg(q.Codigo.texto());
        if (q.Numero != k)
            v.problemas
                << onde +
                       QStringLiteral("Numero é %1, deveria ser %2").arg(qint32(q.Numero)).arg(k);
        const struct {
            const char* nome;
            int tamanho;
            int capacidade;
        } campos[] = {
            {"Codigo", q.Codigo.tamanho, 10},
            {"Pergunta", q.Pergunta.tamanho, 150},
            {"RespCerta", q.RespCerta.tamanho, 100},
            {"RespErrada1", q.RespErrada1.tamanho, 100},
            {"RespErrada2", q.RespErrada2.tamanho, 100},
            {"Complemento", q.Complemento.tamanho, 100},
        };
        for (const auto& campo : campos) {
            if (campo.tamanho > campo.capacidade)
                v.problemas << onde + QStringLiteral("%1 tem tamanho %2, acima da capacidade %3")
                                          .arg(QLatin1String(campo.nome))
                                          .arg(campo.tamanho)
                                          .arg(campo.capacidade);
        }
    }
    const qsizetype resto = banco.size() % qsizetype(sizeof(tQuestao));
    if (resto != 0)
        v.problemas << QStringLiteral("registro parcial de %1 bytes no fim do arquivo").arg(resto);
    return v;
}
