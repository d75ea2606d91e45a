// Build-time generator of the sticker catalogue: the legend file and one picture per sticker,
// drawn from the readable sticker list (and the match list, for the scores of match stickers).

#include "common/formata_numero.h"
#include "content/recursos/recursos.h"
#include "data/catalogo.h"
#include "data/cp1252.h"
#include "tools/desenho/camisa.h"
#include "tools/desenho/desenho.h"
#include "tools/sorteio/sorteio.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>

using desenho::falha;

namespace {

constexpr int kLado = 320;

// The picture each row asks for in its "desenho" column.
enum class Motivo {
    Bandeira,
    Placar,
    Estadio,
    Trofeu,
    Chuteira,
    Luva,
    BolaPremio,
    Jogador,
    Capitao,
    Bola,
    Barras,
    Gol,
    Penalti,
    Cartoes,
    Prancheta,
    Camisa,
    Estrelas,
    Bandeiras,
    Torcida,
    Podio,
    Calendario,
    Cidades
};

struct Figurinha {
    int numero = 0;
    QString tipo, chave, titulo, subtitulo, legenda;
    Motivo motivo = Motivo::Bola;
    // Player stickers: the team and the name on the shirt, and how many earlier player stickers
    // of the same team the list has (each of them gets another pattern).
    QString selecao, nome;
    int vez = 0;
};

// "jogador:BRA:NEYMAR" or "capitao:..." for a player; a bare picture name for the rest.
void leDesenho(Figurinha& f, const QString& texto, qsizetype linha)
{
    static const QHash<QString, Motivo> nomes = {
        {QStringLiteral("bandeira"), Motivo::Bandeira},
        {QStringLiteral("placar"), Motivo::Placar},
        {QStringLiteral("estadio"), Motivo::Estadio},
        {QStringLiteral("trofeu"), Motivo::Trofeu},
        {QStringLiteral("chuteira"), Motivo::Chuteira},
        {QStringLiteral("luva"), Motivo::Luva},
        {QStringLiteral("bola-premio"), Motivo::BolaPremio},
        {QStringLiteral("jogador"), Motivo::Jogador},
        {QStringLiteral("capitao"), Motivo::Capitao},
        {QStringLiteral("bola"), Motivo::Bola},
        {QStringLiteral("barras"), Motivo::Barras},
        {QStringLiteral("gol"), Motivo::Gol},
        {QStringLiteral("penalti"), Motivo::Penalti},
        {QStringLiteral("cartoes"), Motivo::Cartoes},
        {QStringLiteral("prancheta"), Motivo::Prancheta},
        {QStringLiteral("camisa"), Motivo::Camisa},
        {QStringLiteral("estrelas"), Motivo::Estrelas},
        {QStringLiteral("bandeiras"), Motivo::Bandeiras},
        {QStringLiteral("torcida"), Motivo::Torcida},
        {QStringLiteral("podio"), Motivo::Podio},
        {QStringLiteral("calendario"), Motivo::Calendario},
        {QStringLiteral("cidades"), Motivo::Cidades}};
    const QStringList partes = texto.trimmed().split(QLatin1Char(':'));
    const auto it = nomes.constFind(partes.first().toLower());
    if (it == nomes.constEnd())
        falha(QStringLiteral("linha %1: desenho desconhecido \"%2\"").arg(linha).arg(texto));
    f.motivo = *it;
    const bool jogador = f.motivo == Motivo::Jogador || f.motivo == Motivo::Capitao;
    if (jogador &&
        (partes.size() != 3 || !desenho::temBandeira(partes[1]) || partes[2].trimmed().isEmpty()))
        falha(QStringLiteral("linha %1: o desenho de jogador é jogador:SELEÇÃO:NOME, não \"%2\"")
                  .arg(linha)
                  .arg(texto));
    if (!jogador && partes.size() != 1)
        falha(QStringLiteral("linha %1: desenho desconhecido \"%2\"").arg(linha).arg(texto));
    if (jogador) {
        f.selecao = partes[1].toUpper();
        f.nome = partes[2].trimmed();
    }
}

struct Jogo {
    QString mandante, visitante;
    int golsMandante = 0, golsVisitante = 0;
    QString penaltis; // "4-2" in the same order, or empty
};

QStringList linhasDe(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        falha(QStringLiteral("não foi possível abrir %1").arg(caminho));
    return QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'));
}

QList<Figurinha> leLista(const QString& caminho)
{
    QList<Figurinha> lista;
    QHash<QString, int> vezes;
    const QStringList linhas = linhasDe(caminho);
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        if (linhas[i].trimmed().isEmpty())
            continue;
        const QStringList c = linhas[i].split(QLatin1Char('\t'));
        // An 8th column, "fonte", names the fact the legend comes from; drawing ignores it.
        if (c.size() != 7 && c.size() != 8)
            falha(QStringLiteral("linha %1: são esperadas 7 colunas (8 com a fonte)").arg(i + 1));
        Figurinha f;
        f.numero = c[0].toInt();
        f.tipo = c[1].trimmed().toLower();
        f.chave = c[2].trimmed();
        f.titulo = c[3].trimmed();
        f.subtitulo = c[4].trimmed();
        f.legenda = c[5];
        leDesenho(f, c[6], i + 1);
        if (!f.selecao.isEmpty())
            f.vez = vezes[f.selecao]++;
        lista.append(f);
        if (lista.last().numero != int(lista.size()))
            falha(QStringLiteral("linha %1: número fora de ordem").arg(i + 1));
    }
    if (lista.size() != kFigurasCatalogo)
        falha(QStringLiteral("são %1 figurinhas; o catálogo tem %2")
                  .arg(lista.size())
                  .arg(kFigurasCatalogo));
    return lista;
}

QList<Jogo> leJogos(const QString& caminho)
{
    QList<Jogo> jogos;
    const QStringList linhas = linhasDe(caminho);
    bool cabecalho = true;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QString& linha = linhas[i];
        if (linha.trimmed().isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        if (cabecalho) {
            cabecalho = false;
            continue;
        }
        const QStringList c = linha.split(QLatin1Char('\t'));
        bool ok1 = false, ok2 = false;
        if (c.size() != 9)
            falha(QStringLiteral("%1, linha %2: são esperadas 9 colunas").arg(caminho).arg(i + 1));
        Jogo j{c[3].trimmed(), c[4].trimmed(), c[5].toInt(&ok1), c[6].toInt(&ok2), c[7].trimmed()};
        if (!ok1 || !ok2 || !desenho::temBandeira(j.mandante) || !desenho::temBandeira(j.visitante))
            falha(QStringLiteral("%1, linha %2: jogo inválido").arg(caminho).arg(i + 1));
        jogos.append(j);
    }
    if (jogos.isEmpty())
        falha(QStringLiteral("%1 não tem jogos").arg(caminho));
    return jogos;
}

// The match of a key like "ARG-FRA"; a key in the other order finds the match turned round.
Jogo achaJogo(const QList<Jogo>& jogos, const Figurinha& f)
{
    const QStringList lados =
        f.chave.toUpper().split(QRegularExpression(QStringLiteral("\\s*[-_]\\s*|\\s+X\\s+")));
    if (lados.size() != 2 || !desenho::temBandeira(lados[0]) || !desenho::temBandeira(lados[1]))
        falha(QStringLiteral("figurinha %1: chave de jogo inválida \"%2\"")
                  .arg(f.numero)
                  .arg(f.chave));
    for (const Jogo& j : jogos)
        if (j.mandante == lados[0] && j.visitante == lados[1])
            return j;
    for (const Jogo& j : jogos)
        if (j.mandante == lados[1] && j.visitante == lados[0]) {
            QString pen = j.penaltis;
            if (!pen.isEmpty())
                pen = pen.section(QLatin1Char('-'), 1, 1) + QLatin1Char('-') +
                      pen.section(QLatin1Char('-'), 0, 0);
            return {j.visitante, j.mandante, j.golsVisitante, j.golsMandante, pen};
        }
    falha(QStringLiteral("figurinha %1: o jogo %2 não está na lista de jogos")
              .arg(f.numero)
              .arg(f.chave));
}

QColor corSelecao(const QString& codigo)
{
    static const QHash<QString, QRgb> cores = {
        {QStringLiteral("QAT"), 0x8a1538}, {QStringLiteral("ECU"), 0x034ea2},
        {QStringLiteral("SEN"), 0x00753a}, {QStringLiteral("NED"), 0x21468b},
        {QStringLiteral("ENG"), 0xb80f20}, {QStringLiteral("IRN"), 0x1d8a37},
        {QStringLiteral("USA"), 0x3c3b6e}, {QStringLiteral("WAL"), 0xc00a2e},
        {QStringLiteral("ARG"), 0x2f6fae}, {QStringLiteral("KSA"), 0x006c35},
        {QStringLiteral("MEX"), 0x006847}, {QStringLiteral("POL"), 0xc41236},
        {QStringLiteral("FRA"), 0x002395}, {QStringLiteral("AUS"), 0x012169},
        {QStringLiteral("DEN"), 0xc8102e}, {QStringLiteral("TUN"), 0xd10012},
        {QStringLiteral("ESP"), 0xaa151b}, {QStringLiteral("CRC"), 0x002b7f},
        {QStringLiteral("GER"), 0x262626}, {QStringLiteral("JPN"), 0xbc002d},
        {QStringLiteral("BEL"), 0xb8202c}, {QStringLiteral("CAN"), 0xc8061f},
        {QStringLiteral("MAR"), 0xb0232a}, {QStringLiteral("CRO"), 0x171796},
        {QStringLiteral("BRA"), 0x008a34}, {QStringLiteral("SRB"), 0x0c4076},
        {QStringLiteral("SUI"), 0xc8261a}, {QStringLiteral("CMR"), 0x007a5e},
        {QStringLiteral("POR"), 0x006600}, {QStringLiteral("GHA"), 0x006b3f},
        {QStringLiteral("URU"), 0x0038a8}, {QStringLiteral("KOR"), 0x0047a0}};
    return QColor(cores.value(codigo.toUpper(), 0x1f4e5f));
}

QString selecaoCitada(const Figurinha& f);

QColor corDaFaixa(const Figurinha& f)
{
    if (f.tipo == QLatin1String("selecao"))
        return corSelecao(f.chave);
    if (f.tipo == QLatin1String("estadio"))
        return QColor(0x6e, 0x12, 0x30);
    if (f.tipo == QLatin1String("jogo"))
        return QColor(0x0b, 0x2f, 0x6b);
    if (f.tipo == QLatin1String("premio") || f.tipo == QLatin1String("trofeu"))
        return QColor(0x7a, 0x55, 0x05);
    if (f.tipo == QLatin1String("recorde"))
        return QColor(0xa3, 0x2b, 0x1c);
    const QString codigo = selecaoCitada(f);
    return codigo.isEmpty() ? QColor(0x0b, 0x5d, 0x2a) : corSelecao(codigo);
}

// A flag with a thin dark edge and a soft shadow, as large as fits in area.
void bandeiraEmoldurada(QPainter& p, const QRectF& area, const QString& codigo)
{
    const qreal proporcao = desenho::proporcaoBandeira(codigo);
    QSizeF tamanho(area.width(), area.width() / proporcao);
    if (tamanho.height() > area.height())
        tamanho = QSizeF(area.height() * proporcao, area.height());
    QRectF r(QPointF(0, 0), tamanho);
    r.moveCenter(area.center());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(r.translated(4, 5));
    desenho::bandeira(p, r, codigo);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

void fundoCeu(QPainter& p, const QRectF& area, const QColor& topo, const QColor& base)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, topo);
    g.setColorAt(1, base);
    p.fillRect(area, g);
}

void desenhaSelecao(QPainter& p, const QRectF& area, const Figurinha& f)
{
    fundoCeu(p, area, QColor(0xe9, 0xf1, 0xf7), QColor(0xc9, 0xdc, 0xe8));
    bandeiraEmoldurada(p, area.adjusted(24, 22, -24, -18), f.chave);
}

void desenhaJogo(QPainter& p, const QRectF& area, const Jogo& j)
{
    fundoCeu(p, area, QColor(0x12, 0x2a, 0x55), QColor(0x06, 0x12, 0x2c));
    const qreal largura = 104, altura = 70, topo = area.top() + 16;
    bandeiraEmoldurada(p, QRectF(area.left() + 14, topo, largura, altura), j.mandante);
    bandeiraEmoldurada(p, QRectF(area.right() - 14 - largura, topo, largura, altura), j.visitante);
    p.setPen(Qt::white);
    p.setFont(desenho::fonteDestaque(30));
    p.drawText(QRectF(area.left() + 14, topo + altura + 2, largura, 30), Qt::AlignCenter,
               j.mandante);
    p.drawText(QRectF(area.right() - 14 - largura, topo + altura + 2, largura, 30), Qt::AlignCenter,
               j.visitante);
    p.setPen(QColor(0xf2, 0xc9, 0x4c));
    p.drawText(QRectF(area.center().x() - 30, topo, 60, altura), Qt::AlignCenter,
               QStringLiteral("×"));
    const QString placar = QStringLiteral("%1 – %2").arg(j.golsMandante).arg(j.golsVisitante);
    const qreal yPlacar = topo + altura + 28;
    const qreal alturaPlacar = j.penaltis.isEmpty() ? area.bottom() - yPlacar : 50;
    desenho::textoContornado(p, QRectF(area.left(), yPlacar, area.width(), alturaPlacar), placar,
                             desenho::fonteDestaque(56), Qt::white, QColor(0, 0, 0, 160), 2,
                             Qt::AlignCenter);
    if (!j.penaltis.isEmpty()) {
        p.setPen(QColor(0xf2, 0xc9, 0x4c));
        p.setFont(desenho::fonteTexto(17, true));
        p.drawText(QRectF(area.left(), yPlacar + 46, area.width(), area.bottom() - yPlacar - 46),
                   Qt::AlignCenter,
                   QStringLiteral("pênaltis %1")
                       .arg(QString(j.penaltis).replace(QLatin1Char('-'), QStringLiteral(" – "))));
    }
}

int varianteEstadio(const Figurinha& f)
{
    const QString texto = (f.chave + QLatin1Char(' ') + f.titulo).toLower();
    const struct {
        const char* nome;
        int variante;
    } estadios[] = {{"lusail", 0},  {"bayt", 1},      {"974", 2},   {"janoub", 3}, {"thumama", 4},
                    {"khalifa", 5}, {"education", 6}, {"ahmad", 7}, {"rayyan", 7}};
    for (const auto& e : estadios)
        if (texto.contains(QLatin1String(e.nome)))
            return e.variante;
    return 7;
}

void desenhaEstadio(QPainter& p, const QRectF& area, const Figurinha& f)
{
    fundoCeu(p, area, QColor(0x1b, 0x23, 0x5c), QColor(0xf0, 0x9a, 0x4a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(area.left() + 20 + (i * 97) % int(area.width() - 40),
                              area.top() + 10 + (i * 37) % 50),
                      1.3, 1.3);
    const QColor cores[] = {QColor(0xd4, 0xa0, 0x3a), QColor(0xe8, 0xe0, 0xcc),
                            QColor(0x9b, 0x5c, 0x3a), QColor(0xf0, 0xf0, 0xf0),
                            QColor(0xe4, 0xdc, 0xd0), QColor(0xb0, 0xb8, 0xc8),
                            QColor(0x5a, 0x7d, 0xb8), QColor(0xc8, 0x8a, 0x5a)};
    const int v = varianteEstadio(f);
    desenho::estadio(p, area.adjusted(10, 14, -10, 0), v, cores[v]);
}

void desenhaPremio(QPainter& p, const QRectF& area, const Figurinha& f)
{
    QRadialGradient g(area.center(), area.width() * 0.6);
    g.setColorAt(0, QColor(0x6b, 0x1d, 0x3a));
    g.setColorAt(1, QColor(0x22, 0x08, 0x16));
    p.fillRect(area, g);
    // Rays behind the object.
    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 120, 28));
    for (int i = 0; i < 12; ++i) {
        QPainterPath raio;
        const qreal a = i * M_PI / 6, b = a + M_PI / 14;
        raio.moveTo(area.center());
        raio.lineTo(area.center() + QPointF(400 * qCos(a), 400 * qSin(a)));
        raio.lineTo(area.center() + QPointF(400 * qCos(b), 400 * qSin(b)));
        raio.closeSubpath();
        p.drawPath(raio);
    }
    p.restore();
    const QString texto = (f.chave + QLatin1Char(' ') + f.titulo).toLower();
    QColor metal(0xe8, 0xb9, 0x2e);
    if (texto.contains(QLatin1String("prata")))
        metal = QColor(0xc8, 0xcc, 0xd4);
    else if (texto.contains(QLatin1String("bronze")))
        metal = QColor(0xc0, 0x7a, 0x3a);
    const QPointF c = area.center();
    if (f.motivo == Motivo::Chuteira)
        desenho::chuteira(p, QRectF(c.x() - 100, c.y() - 56, 200, 125), metal);
    else if (f.motivo == Motivo::Luva)
        desenho::luva(p, QRectF(c.x() - 58, c.y() - 76, 116, 150), metal);
    else if (f.motivo == Motivo::BolaPremio)
        desenho::bola(p, QRectF(c.x() - 70, c.y() - 70, 140, 140), metal.lighter(115),
                      metal.darker(190));
    else
        desenho::trofeu(p, QRectF(c.x() - 50, area.top() + 10, 100, area.height() - 18), metal);
}

// The team a sticker is about: its key, or the first team named in its title or subtitle.
QString selecaoCitada(const Figurinha& f)
{
    if (desenho::temBandeira(f.chave))
        return f.chave.toUpper();
    for (const QString& texto : {f.titulo, f.subtitulo}) {
        qsizetype melhor = -1;
        QString codigo;
        for (const QString& c : desenho::codigosSelecoes()) {
            const QRegularExpression nome(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(desenho::nomeSelecao(c))),
                QRegularExpression::CaseInsensitiveOption |
                    QRegularExpression::UseUnicodePropertiesOption);
            const qsizetype onde = texto.indexOf(nome);
            if (onde >= 0 && (melhor < 0 || onde < melhor)) {
                melhor = onde;
                codigo = c;
            }
        }
        if (!codigo.isEmpty())
            return codigo;
    }
    return {};
}

// Number of titles in words like "pentacampeão" or "tricampeã".
int titulos(const Figurinha& f)
{
    const QString texto = (f.titulo + QLatin1Char(' ') + f.subtitulo).toLower();
    const struct {
        const char* prefixo;
        int n;
    } prefixos[] = {{"hexa", 6}, {"penta", 5}, {"tetra", 4}, {"tri", 3}, {"bi", 2}};
    for (const auto& pr : prefixos)
        if (texto.contains(QString::fromUtf8(pr.prefixo) + QStringLiteral("campe")))
            return pr.n;
    return 1;
}

void cartao(QPainter& p, QPointF centro, qreal angulo, const QColor& cor)
{
    p.save();
    p.translate(centro);
    p.rotate(angulo);
    p.setPen(QPen(cor.darker(200), 3));
    p.setBrush(cor);
    p.drawRoundedRect(QRectF(-34, -50, 68, 100), 7, 7);
    p.restore();
}

void golComRede(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    for (qreal x = r.left(); x <= r.right(); x += r.width() / 16)
        p.drawLine(QPointF(x, r.top()), QPointF(x + (r.center().x() - x) * 0.12, r.bottom()));
    for (qreal y = r.top(); y <= r.bottom(); y += r.height() / 7)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{r.bottomLeft(), r.topLeft(), r.topRight(), r.bottomRight()});
}

// A player's shirt in the team's colours under stadium lights. Each player sticker of a team
// wears another pattern and swaps the colours round, so no two look alike.
void desenhaJogador(QPainter& p, const QRectF& area, const Figurinha& f)
{
    QList<QColor> cores = desenho::coresDaBandeira(f.selecao);
    if (cores.size() == 1)
        cores << cores.first().darker(150);
    const qsizetype n = cores.size();
    int base = 0;
    for (const QChar letra : f.selecao)
        base += letra.unicode();
    desenho::Camisa camisa;
    camisa.corpo = cores[f.vez % n];
    camisa.detalhe = cores[(f.vez + 1) % n];
    camisa.mangas = f.vez % 3 == 1 ? camisa.detalhe : camisa.corpo;
    camisa.padrao = desenho::Padrao((base + f.vez) % desenho::kPadroes);
    camisa.nome = f.nome;
    camisa.capitao = f.motivo == Motivo::Capitao;

    fundoCeu(p, area, QColor(0x0c, 0x12, 0x26), camisa.detalhe.darker(260));
    Sorteio sorteio(quint32(f.numero) * 2654435761u);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QPointF centro(area.left() + sorteio.real() * area.width(),
                             area.top() + sorteio.real() * area.height() * 0.7);
        const qreal raio = 4 + sorteio.real() * 12;
        QRadialGradient luz(centro, raio);
        luz.setColorAt(0, QColor(255, 244, 214, 40 + int(sorteio.proximo() % 50)));
        luz.setColorAt(1, QColor(255, 244, 214, 0));
        p.setBrush(luz);
        p.drawEllipse(centro, raio, raio);
    }
    const QRectF caixa(area.left() + 6, area.top() + 8, area.width() - 96, area.height() - 12);
    p.save();
    p.translate(caixa.center());
    p.rotate(-5 + sorteio.real() * 10);
    p.translate(-caixa.center());
    desenho::camisa(p, caixa, camisa);
    p.restore();
    bandeiraEmoldurada(p, QRectF(area.right() - 84, area.top() + 10, 74, 50), f.selecao);
}

void desenhaGenerico(QPainter& p, const QRectF& area, const Figurinha& f)
{
    const Motivo motivo = f.motivo;
    const QString codigo = selecaoCitada(f);
    const QColor ouro(0xf2, 0xc9, 0x4c);
    bool mostraBandeira = !codigo.isEmpty();
    // Centred objects step aside for the flag badge in the upper-right corner.
    const bool afasta =
        mostraBandeira &&
        (motivo == Motivo::Cartoes || motivo == Motivo::Prancheta || motivo == Motivo::Camisa ||
         motivo == Motivo::Podio || motivo == Motivo::Calendario);
    const QPointF c = area.center() - QPointF(afasta ? 36 : 0, 0);
    desenho::campo(p, area, 2.5);
    const auto sombra = [&](QPointF pe, qreal largura) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawEllipse(QRectF(pe.x() - largura / 2, pe.y() - 10, largura, 20));
    };
    switch (motivo) {
    default: // the pictures of their own, drawn by desenha()
        break;
    case Motivo::Gol:
        golComRede(p, QRectF(c.x() - 110, area.top() + 28, 220, 110));
        sombra(QPointF(c.x() + 40, area.top() + 138), 60);
        desenho::bola(p, QRectF(c.x() + 12, area.top() + 78, 58, 58), Qt::white,
                      QColor(25, 25, 25));
        break;
    case Motivo::Penalti:
        golComRede(p, QRectF(c.x() - 80, area.top() + 18, 160, 70));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(area.left() + 10, area.top() + 88),
                   QPointF(area.right() - 10, area.top() + 88));
        sombra(QPointF(c.x(), area.bottom() - 22), 56);
        desenho::bola(p, QRectF(c.x() - 26, area.bottom() - 70, 52, 52), Qt::white,
                      QColor(25, 25, 25));
        break;
    case Motivo::Cartoes:
        cartao(p, c + QPointF(-36, 4), -14, QColor(0xff, 0xd4, 0x1c));
        cartao(p, c + QPointF(36, 0), 12, QColor(0xe0, 0x1e, 0x1e));
        break;
    case Motivo::Prancheta: {
        const QRectF quadro(c.x() - 100, area.top() + 22, 200, area.height() - 36);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 4));
        p.setBrush(QColor(0x1e, 0x5a, 0x32));
        p.drawRoundedRect(quadro, 10, 10);
        p.setBrush(QColor(0x9a, 0x9a, 0xa0));
        p.drawRoundedRect(QRectF(c.x() - 30, quadro.top() - 10, 60, 18), 5, 5);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (const QPointF o : {QPointF(-55, 20), QPointF(-10, 60), QPointF(35, 30)})
            p.drawEllipse(c + o, 11, 11);
        for (const QPointF x : {QPointF(50, -30), QPointF(-40, -25)}) {
            p.drawLine(c + x + QPointF(-10, -10), c + x + QPointF(10, 10));
            p.drawLine(c + x + QPointF(10, -10), c + x + QPointF(-10, 10));
        }
        QPainterPath jogada;
        jogada.moveTo(c + QPointF(-44, 12));
        jogada.quadTo(c + QPointF(-20, -40), c + QPointF(30, -10));
        p.setPen(QPen(QColor(0xff, 0xe0, 0x60), 3, Qt::DashLine, Qt::RoundCap));
        p.drawPath(jogada);
        break;
    }
    case Motivo::Camisa: {
        const QColor cor =
            codigo.isEmpty() ? QColor(0xf5, 0xd0, 0x20) : corSelecao(codigo).lighter(110);
        QPainterPath camisa;
        camisa.moveTo(c + QPointF(-38, -72));
        camisa.lineTo(c + QPointF(-92, -46));
        camisa.lineTo(c + QPointF(-74, -6));
        camisa.lineTo(c + QPointF(-56, -16));
        camisa.lineTo(c + QPointF(-56, 78));
        camisa.lineTo(c + QPointF(56, 78));
        camisa.lineTo(c + QPointF(56, -16));
        camisa.lineTo(c + QPointF(74, -6));
        camisa.lineTo(c + QPointF(92, -46));
        camisa.lineTo(c + QPointF(38, -72));
        camisa.quadTo(c + QPointF(0, -46), c + QPointF(-38, -72));
        p.setPen(QPen(cor.darker(220), 3));
        p.setBrush(cor);
        p.drawPath(camisa);
        const QRegularExpressionMatch numero =
            QRegularExpression(QStringLiteral("\\d+")).match(f.titulo);
        if (numero.hasMatch())
            desenho::textoContornado(p, QRectF(c.x() - 56, c.y() - 40, 112, 110), numero.captured(),
                                     desenho::fonteDestaque(84), Qt::white, QColor(0, 0, 0, 170), 3,
                                     Qt::AlignCenter);
        break;
    }
    case Motivo::Estrelas: {
        const int n = titulos(f);
        const qreal passo = qMin(52.0, (area.width() - 40) / n);
        for (int i = 0; i < n; ++i) {
            const QPointF centro(c.x() + (i - (n - 1) / 2.0) * passo, area.top() + 38);
            p.setPen(QPen(QColor(0x6a, 0x4a, 0x00), 2));
            p.setBrush(ouro);
            p.drawPath(desenho::estrela(centro, passo * 0.42, passo * 0.18, 5));
        }
        if (!codigo.isEmpty())
            bandeiraEmoldurada(p, QRectF(c.x() - 80, area.top() + 74, 160, area.height() - 86),
                               codigo);
        mostraBandeira = false;
        break;
    }
    case Motivo::Bandeiras: {
        const QStringList codigos = desenho::codigosSelecoes();
        const qreal w = (area.width() - 20) / 8, h = (area.height() - 20) / 4;
        for (int i = 0; i < codigos.size(); ++i) {
            const QRectF celula(area.left() + 10 + (i % 8) * w, area.top() + 10 + (i / 8) * h, w,
                                h);
            bandeiraEmoldurada(p, celula.adjusted(3, 6, -3, -6), codigos[i]);
        }
        mostraBandeira = false;
        break;
    }
    case Motivo::Torcida: {
        p.fillRect(QRectF(area.left(), area.top(), area.width(), area.height() * 0.72),
                   QColor(0x1c, 0x1e, 0x2a));
        const QColor cores[] = {QColor(0xf5, 0xd0, 0x20), QColor(0x2a, 0x5d, 0xb0),
                                QColor(0xe0, 0xe0, 0xe0), QColor(0xc8, 0x2a, 0x2a),
                                QColor(0x1e, 0x8a, 0x3c), QColor(0x8a, 0x15, 0x38)};
        p.setPen(Qt::NoPen);
        for (int linha = 0; linha < 6; ++linha)
            for (int i = 0; i < 16; ++i) {
                const QPointF pos(area.left() + 10 + i * 18 + (linha % 2) * 9,
                                  area.top() + 16 + linha * 21);
                p.setBrush(cores[(i * 7 + linha * 3) % 6]);
                p.drawRoundedRect(QRectF(pos.x() - 7, pos.y() + 3, 14, 12), 4, 4);
                p.setBrush(QColor(0xd8, 0xa0, 0x70).darker(100 + (i * 13 + linha * 5) % 60));
                p.drawEllipse(pos, 5, 5);
            }
        break;
    }
    case Motivo::Podio: {
        const qreal base = area.bottom() - 14;
        const struct {
            qreal dx, altura;
            const char* lugar;
        } blocos[] = {{-74, 60, "2"}, {0, 100, "1"}, {74, 44, "3"}};
        for (const auto& b : blocos) {
            const QRectF r(c.x() + b.dx - 36, base - b.altura, 72, b.altura);
            p.setPen(QPen(QColor(0x30, 0x30, 0x30), 3));
            p.setBrush(b.lugar[0] == '1' ? ouro : QColor(0xe8, 0xe8, 0xee));
            p.drawRect(r);
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.setFont(desenho::fonteDestaque(40));
            p.drawText(r, Qt::AlignCenter, QString::fromLatin1(b.lugar));
        }
        break;
    }
    case Motivo::Calendario: {
        const QRectF folha(c.x() - 80, area.top() + 16, 160, area.height() - 28);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
        p.setBrush(Qt::white);
        p.drawRoundedRect(folha, 10, 10);
        p.setBrush(QColor(0x8a, 0x15, 0x38));
        p.drawRoundedRect(QRectF(folha.left(), folha.top(), folha.width(), 44), 10, 10);
        p.setPen(Qt::white);
        p.setFont(desenho::fonteDestaque(36));
        p.drawText(QRectF(folha.left(), folha.top(), folha.width(), 44), Qt::AlignCenter,
                   QStringLiteral("2022"));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 28; ++i) {
            p.setBrush(i == 19 ? QColor(0xd0, 0x20, 0x20) : QColor(0xc8, 0xc8, 0xd0));
            p.drawRect(
                QRectF(folha.left() + 12 + (i % 7) * 20, folha.top() + 56 + (i / 7) * 24, 14, 16));
        }
        break;
    }
    case Motivo::Cidades:
        desenho::estadio(p, area.adjusted(24, 20, -24, -6), 7, QColor(0xc8, 0x8a, 0x5a));
        break;
    case Motivo::Bola:
    case Motivo::Barras: {
        const bool recorde = motivo == Motivo::Barras;
        // The final's ball had a golden base.
        const QColor corpo =
            f.chave.contains(QLatin1String("hilm")) ? QColor(0xf0, 0xd0, 0x70) : QColor(Qt::white);
        const QPointF centro = c + QPointF(recorde ? -40 : 0, 4);
        sombra(QPointF(centro.x(), centro.y() + 52), 110);
        desenho::bola(p, QRectF(centro.x() - 58, centro.y() - 58, 116, 116), corpo,
                      QColor(25, 25, 25));
        if (recorde) {
            // A rising bar chart beside the ball.
            for (int i = 0; i < 3; ++i) {
                const qreal h = 40 + i * 32;
                const QRectF barra(centro.x() + 76 + i * 26, area.bottom() - 22 - h, 20, h);
                p.fillRect(barra, ouro);
                p.setPen(QPen(QColor(60, 40, 0), 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(barra);
            }
        }
        break;
    }
    }
    if (mostraBandeira)
        bandeiraEmoldurada(p, QRectF(area.right() - 84, area.top() + 10, 74, 50), codigo);
}

QImage desenha(const Figurinha& f, const QList<Jogo>& jogos)
{
    QImage imagem(kLado, kLado, QImage::Format_RGB32);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Gold frame round a dark edge.
    QLinearGradient moldura(0, 0, kLado, kLado);
    moldura.setColorAt(0, QColor(0xf7, 0xd8, 0x6a));
    moldura.setColorAt(0.5, QColor(0xd9, 0xa4, 0x1e));
    moldura.setColorAt(1, QColor(0xf2, 0xc9, 0x4c));
    p.fillRect(imagem.rect(), moldura);
    p.fillRect(QRectF(10, 10, kLado - 20, kLado - 20), QColor(0x12, 0x12, 0x18));
    // A long title takes two lines and a long subtitle two lines: the band grows upwards.
    const QString titulo = f.titulo.toUpper();
    const qreal largura = kLado - 26 - 16;
    const bool semSubtitulo = f.subtitulo.isEmpty();
    const bool umaLinha =
        QFontMetricsF(desenho::fonteDestaque(36)).horizontalAdvance(titulo) <= largura;
    const bool subtituloLongo =
        QFontMetricsF(desenho::fonteTexto(18, true)).horizontalAdvance(f.subtitulo) > largura;
    const qreal alturaTitulo = umaLinha ? 58 : 78;
    const qreal alturaSubtitulo = semSubtitulo ? 0 : subtituloLongo ? 46 : 34;
    const qreal alturaFaixa = qMax(106.0, alturaTitulo + alturaSubtitulo + 10);
    const QRectF faixa(13, kLado - 13 - alturaFaixa, kLado - 26, alturaFaixa);
    const QRectF area(13, 13, kLado - 26, faixa.top() - 15);

    p.save();
    p.setClipRect(area);
    switch (f.motivo) {
    case Motivo::Bandeira:
        if (!desenho::temBandeira(f.chave))
            falha(QStringLiteral("figurinha %1: seleção desconhecida \"%2\"")
                      .arg(f.numero)
                      .arg(f.chave));
        desenhaSelecao(p, area, f);
        break;
    case Motivo::Placar: desenhaJogo(p, area, achaJogo(jogos, f)); break;
    case Motivo::Estadio: desenhaEstadio(p, area, f); break;
    case Motivo::Trofeu:
    case Motivo::Chuteira:
    case Motivo::Luva:
    case Motivo::BolaPremio: desenhaPremio(p, area, f); break;
    case Motivo::Jogador:
    case Motivo::Capitao: desenhaJogador(p, area, f); break;
    default: desenhaGenerico(p, area, f); break;
    }
    p.restore();

    const QColor cor = corDaFaixa(f);
    QLinearGradient g(faixa.topLeft(), faixa.bottomLeft());
    g.setColorAt(0, cor.lighter(115));
    g.setColorAt(1, cor.darker(135));
    p.fillRect(faixa, g);
    p.fillRect(QRectF(faixa.left(), faixa.top() - 2, faixa.width(), 3), QColor(0xf2, 0xc9, 0x4c));

    p.setPen(Qt::white);
    const QRectF caixaTitulo(faixa.left() + 8, faixa.top() + 4, largura,
                             semSubtitulo ? faixa.height() - 8 : alturaTitulo);
    desenho::textoAjustado(p, caixaTitulo, titulo, desenho::fonteDestaque(umaLinha ? 50 : 40), 24,
                           Qt::AlignCenter, 0.82);
    if (!semSubtitulo) {
        p.setPen(QColor(0xff, 0xf1, 0xb8));
        const qreal topo = caixaTitulo.bottom() + 2;
        desenho::textoAjustado(
            p, QRectF(faixa.left() + 8, topo, largura, faixa.bottom() - topo - 4), f.subtitulo,
            desenho::fonteTexto(subtituloLongo ? 18 : 21, true), 13, Qt::AlignCenter);
    }

    // Sticker number in a small badge in the upper-left corner.
    const QRectF selo(18, 18, 46, 30);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c), 2));
    p.setBrush(QColor(0x12, 0x12, 0x18, 220));
    p.drawRoundedRect(selo, 8, 8);
    p.setPen(Qt::white);
    p.setFont(desenho::fonteDestaque(24));
    p.drawText(selo, Qt::AlignCenter, QString::number(f.numero));
    return imagem;
}

// The picture of a sticker not owned yet: grey card, dashed outline, ball and question mark.
QImage desenhaVazia()
{
    QImage imagem(kLado, kLado, QImage::Format_RGB32);
    imagem.fill(QColor(0xc9, 0xcb, 0xce));
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(10, 10, kLado - 20, kLado - 20), QColor(0xdc, 0xde, 0xe1));
    p.setPen(QPen(QColor(0x80, 0x84, 0x8a), 5, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(22, 22, kLado - 44, kLado - 44), 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb4, 0xb7, 0xbc));
    p.drawEllipse(QPointF(160, 160), 92, 92);
    p.setBrush(QColor(0xa2, 0xa5, 0xab));
    p.drawPolygon(QPolygonF{QPointF(160, 110), QPointF(208, 145), QPointF(190, 200),
                            QPointF(130, 200), QPointF(112, 145)});
    desenho::textoContornado(p, QRectF(0, 40, kLado, 240), QStringLiteral("?"),
                             desenho::fonteDestaque(190), QColor(0xf4, 0xf5, 0xf6),
                             QColor(0x6e, 0x72, 0x78), 4, Qt::AlignCenter);
    return imagem;
}

QByteArray legendas(const QList<Figurinha>& lista)
{
    QByteArray dados;
    for (const Figurinha& f : lista) {
        tLegenda registro;
        zeraRegistro(registro);
        bool ok = false;
        const QByteArray texto = toCp1252(f.legenda, &ok);
        if (!ok || texto.size() > 150)
            falha(QStringLiteral("legenda %1 não cabe no arquivo").arg(f.numero));
        registro.Legenda.define(texto);
        dados += bytesDe(registro);
    }
    return dados;
}

} // namespace

int main(int argc, char** argv)
{
    desenho::preparaSemTela();
    desenho::defineNomePrograma("gera_figurinhas");
    QGuiApplication app(argc, argv);
    if (argc != 4)
        falha(QStringLiteral("uso: gera_figurinhas FIGURINHAS.tsv JOGOS.tsv PASTA"));
    carregaFontes();
    const QString pasta = QString::fromLocal8Bit(argv[3]);
    const QList<Figurinha> lista = leLista(QString::fromLocal8Bit(argv[1]));
    const QList<Jogo> jogos = leJogos(QString::fromLocal8Bit(argv[2]));

    // Everything is drawn before anything is written, so bad input leaves no half output.
    QList<QImage> imagens;
    for (const Figurinha& f : lista)
        imagens << desenha(f, jogos);
    const QByteArray dados = legendas(lista);

    if (!QDir().mkpath(pasta))
        falha(QStringLiteral("não foi possível criar %1").arg(pasta));
    for (const Figurinha& f : lista)
        desenho::salva(imagens[f.numero - 1], pasta + QStringLiteral("/imagem") +
                                                  numeroCincoDigitos(f.numero) +
                                                  QStringLiteral(".bmp"));
    desenho::salva(desenhaVazia(), pasta + QStringLiteral("/imagem0.jpg"), 90);
    QFile arquivo(pasta + QStringLiteral("/LegendasImg.Dat"));
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(dados) != dados.size())
        falha(QStringLiteral("não foi possível gravar %1").arg(arquivo.fileName()));
    return 0;
}
