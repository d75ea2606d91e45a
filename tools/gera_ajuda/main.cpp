// Build-time generator of the help pages: each readable page text in content/ajuda/ becomes a
// 1026 x 962 JPEG with a title band, a simple illustration and the text in large type.

#include "content/recursos/ajuda_paginas.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "tools/desenho/desenho.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextDocument>

#include <functional>

using desenho::falha;

namespace {

constexpr int kLargura = 1026, kAltura = 962;
const QRectF kFigura(36, 142, kLargura - 72, 270);
const QRectF kTexto(44, 430, kLargura - 88, kAltura - 430 - 30);
const QColor kVerde(0x0b, 0x5d, 0x2a), kOuro(0xf2, 0xc9, 0x4c), kTinta(0x1d, 0x2b, 0x22);

struct Pagina {
    QString arquivo, titulo, figura, corpo;
};

Pagina lePagina(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        falha(QStringLiteral("não foi possível abrir %1").arg(caminho));
    Pagina pagina;
    pagina.arquivo = QFileInfo(caminho).completeBaseName();
    QStringList corpo;
    bool noCorpo = false;
    for (const QString& linha : QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'))) {
        if (linha.startsWith(QLatin1Char('#')))
            continue;
        if (noCorpo) {
            corpo << linha;
        } else if (linha.startsWith(QStringLiteral("Título:"))) {
            pagina.titulo = linha.section(QLatin1Char(':'), 1).trimmed();
        } else if (linha.startsWith(QStringLiteral("Figura:"))) {
            pagina.figura = linha.section(QLatin1Char(':'), 1).trimmed();
        } else if (linha.trimmed().isEmpty()) {
            noCorpo = true;
        } else {
            falha(QStringLiteral("%1: linha inesperada antes do texto: %2").arg(caminho, linha));
        }
    }
    pagina.corpo = corpo.join(QLatin1Char('\n')).trimmed();
    if (pagina.titulo.isEmpty() || pagina.figura.isEmpty() || pagina.corpo.isEmpty())
        falha(QStringLiteral("%1: faltam o título, a figura ou o texto").arg(caminho));
    return pagina;
}

// Paragraphs, "- " list items and **bold** into the little HTML QTextDocument understands.
QString html(const QString& corpo)
{
    QString saida;
    bool naLista = false;
    static const QRegularExpression negrito(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    for (const QString& bloco : corpo.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")))) {
        for (const QString& bruta : bloco.split(QLatin1Char('\n'))) {
            const QString linha = bruta.trimmed();
            if (linha.isEmpty())
                continue;
            const bool item = linha.startsWith(QStringLiteral("- "));
            QString texto = (item ? linha.mid(2) : linha).toHtmlEscaped();
            texto.replace(negrito, QStringLiteral("<b>\\1</b>"));
            if (item && !naLista)
                saida += QStringLiteral("<ul style=\"margin-left:0px; -qt-list-indent:1\">");
            if (!item && naLista)
                saida += QStringLiteral("</ul>");
            naLista = item;
            saida += item ? QStringLiteral("<li style=\"margin-bottom:10px\">%1</li>").arg(texto)
                          : QStringLiteral("<p style=\"margin-bottom:18px\">%1</p>").arg(texto);
        }
    }
    if (naLista)
        saida += QStringLiteral("</ul>");
    return saida;
}

// Draws a text of the page whole inside its box, at the font's size or, when minimo is given,
// shrunk as far as minimo pixels. A text that does not fit even then stops the build: no page
// may show a text cut at the edge of its box.
void escreve(QPainter& p, const QString& pagina, const QRectF& caixa, const QString& texto,
             const QFont& f, int alinhamento, qreal minimo = 0)
{
    // The display face is capitals only: its lines need no room for descenders.
    const qreal entrelinha = f.family() == fonteDestaque() ? 0.82 : 1.0;
    QFont menor = f;
    if (minimo > 0)
        menor.setPixelSize(qRound(minimo));
    if (!desenho::cabeNaCaixa(texto, menor, caixa, entrelinha))
        falha(QStringLiteral("%1: \"%2\" não cabe no seu espaço (%3 x %4)")
                  .arg(pagina, texto)
                  .arg(caixa.width())
                  .arg(caixa.height()));
    desenho::textoAjustado(p, caixa, texto, f, minimo > 0 ? minimo : f.pixelSize(), alinhamento,
                           entrelinha);
}

// Lays the text out at the largest size that fits the text box.
void desenhaTexto(QPainter& p, const Pagina& pagina)
{
    QTextDocument documento;
    documento.setDocumentMargin(0);
    documento.setHtml(html(pagina.corpo));
    documento.setTextWidth(kTexto.width());
    int tamanho = 36;
    for (;; --tamanho) {
        documento.setDefaultFont(desenho::fonteTexto(tamanho));
        if (documento.size().height() <= kTexto.height())
            break;
        if (tamanho <= 28)
            falha(QStringLiteral("%1: o texto não cabe na página").arg(pagina.arquivo));
    }
    p.save();
    p.translate(kTexto.topLeft());
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.palette.setColor(QPalette::Text, kTinta);
    documento.documentLayout()->draw(&p, contexto);
    p.restore();
}

class Figuras {
public:
    explicit Figuras(const QString& pastaArte)
        : arte(pastaArte)
    {
    }

    void desenha(QPainter& p, const Pagina& pagina)
    {
        const QHash<QString, void (Figuras::*)(QPainter&)> tabela = {
            {QStringLiteral("menu"), &Figuras::menu},
            {QStringLiteral("ajudas"), &Figuras::ajudas},
            {QStringLiteral("finalizar"), &Figuras::finalizar},
            {QStringLiteral("placar"), &Figuras::placar},
            {QStringLiteral("auxilio"), &Figuras::auxilio},
            {QStringLiteral("imagens"), &Figuras::imagens},
            {QStringLiteral("substituicao"), &Figuras::substituicao},
            {QStringLiteral("album"), &Figuras::album},
            {QStringLiteral("penalti"), &Figuras::penalti},
            {QStringLiteral("pergunta"), &Figuras::pergunta}};
        const auto figura = tabela.value(pagina.figura);
        if (!figura)
            falha(QStringLiteral("%1: figura desconhecida \"%2\"")
                      .arg(pagina.arquivo, pagina.figura));
        onde = pagina.arquivo;
        p.save();
        (this->*figura)(p);
        p.restore();
    }

private:
    QString arte;
    // The page being drawn, for the failure messages.
    QString onde;

    QImage peca(QStringView nome) const
    {
        QImage imagem(QStringLiteral("%1/%2").arg(arte, nome));
        if (imagem.isNull())
            falha(QStringLiteral("arte ausente: %1/%2").arg(arte, nome));
        return imagem;
    }

    // A picture from the screen art, fitted into r without distortion.
    void poe(QPainter& p, QStringView nome, const QRectF& r) const
    {
        const QImage imagem = peca(nome);
        QSizeF tamanho = imagem.size().scaled(r.size().toSize(), Qt::KeepAspectRatio);
        QRectF alvo(QPointF(0, 0), tamanho);
        alvo.moveCenter(r.center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(alvo, imagem);
    }

    // A picture from the screen art covering r whole: cut to r's proportions, not distorted.
    void cobre(QPainter& p, QStringView nome, const QRectF& r) const
    {
        const QImage imagem = peca(nome);
        QRectF recorte(QPointF(0, 0), r.size().scaled(imagem.size(), Qt::KeepAspectRatio));
        recorte.moveCenter(QRectF(imagem.rect()).center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, imagem, recorte);
    }

    void texto(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
               int alinhamento = Qt::AlignCenter) const
    {
        escreve(p, onde, r, texto, f, alinhamento);
    }

    void rotulo(QPainter& p, const QRectF& r, const QString& texto, qreal tamanho = 30) const
    {
        p.setPen(kTinta);
        this->texto(p, r, texto, desenho::fonteTexto(tamanho, true));
    }

    void botao(QPainter& p, const QRectF& r, const QString& texto, const QColor& cor,
               qreal tamanho = 32) const
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(r.translated(3, 5), 16, 16);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, cor.lighter(130));
        g.setColorAt(1, cor.darker(125));
        p.setPen(QPen(cor.darker(200), 3));
        p.setBrush(g);
        p.drawRoundedRect(r, 16, 16);
        p.setPen(Qt::white);
        this->texto(p, r, texto, desenho::fonteTexto(tamanho, true));
    }

    static void seta(QPainter& p, QPointF de, QPointF para)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kVerde, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(de, para);
        const QLineF linha(para, de);
        QLineF a = linha;
        a.setLength(26);
        a.setAngle(linha.angle() + 30);
        QLineF b = linha;
        b.setLength(26);
        b.setAngle(linha.angle() - 30);
        p.drawLine(a);
        p.drawLine(b);
    }

    // A small sticker card: frame, flag or grey placeholder, coloured band with the name.
    void cartao(QPainter& p, const QRectF& r, const QString& codigo, const QString& nome,
                const QColor& cor) const
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(r, kOuro);
        const QRectF dentro =
            r.adjusted(r.width() * 0.04, r.width() * 0.04, -r.width() * 0.04, -r.width() * 0.04);
        if (codigo.isEmpty()) {
            p.fillRect(dentro, QColor(0xdc, 0xde, 0xe1));
            p.setPen(QPen(QColor(0x80, 0x84, 0x8a), 3, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(dentro.adjusted(5, 5, -5, -5), 8, 8);
            p.setPen(QColor(0x80, 0x84, 0x8a));
            texto(p, dentro, QStringLiteral("?"), desenho::fonteDestaque(r.height() * 0.55));
            return;
        }
        const QRectF area(dentro.left(), dentro.top(), dentro.width(), dentro.height() * 0.62);
        p.fillRect(area, QColor(0xe4, 0xee, 0xf4));
        const qreal proporcao = desenho::proporcaoBandeira(codigo);
        QRectF bandeira(0, 0, area.width() * 0.8, area.width() * 0.8 / proporcao);
        if (bandeira.height() > area.height() * 0.8)
            bandeira.setSize(QSizeF(area.height() * 0.8 * proporcao, area.height() * 0.8));
        bandeira.moveCenter(area.center());
        desenho::bandeira(p, bandeira, codigo);
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bandeira);
        const QRectF faixa(dentro.left(), area.bottom(), dentro.width(),
                           dentro.bottom() - area.bottom());
        p.fillRect(faixa, cor);
        p.setPen(Qt::white);
        escreve(p, onde, faixa.adjusted(4, 2, -4, -2), nome.toUpper(),
                desenho::fonteDestaque(faixa.height() * 0.7), Qt::AlignCenter, 10);
    }

    void menu(QPainter& p)
    {
        const QStringView pecas[] = {arte::kMenuJogar, arte::kMenuExplicar, arte::kMenuSair,
                                     arte::kSomDesligado};
        const QStringList nomes = {QStringLiteral("Jogar"), QStringLiteral("Explicar"),
                                   QStringLiteral("Fim de Jogo"), QStringLiteral("Som")};
        for (int i = 0; i < 4; ++i) {
            const QRectF coluna(kFigura.left() + i * kFigura.width() / 4, kFigura.top(),
                                kFigura.width() / 4, kFigura.height());
            const qreal lado = i == 3 ? 110 : 200;
            poe(p, pecas[i],
                QRectF(coluna.center().x() - lado / 2, coluna.top() + 105 - lado / 2, lado, lado));
            rotulo(p, QRectF(coluna.left(), coluna.top() + 210, coluna.width(), 50), nomes[i]);
        }
    }

    void ajudas(QPainter& p)
    {
        botao(p, QRectF(80, 200, 380, 100), QStringLiteral("Substituição"),
              QColor(0x1f, 0x6f, 0xc8));
        botao(p, QRectF(566, 200, 380, 100), QStringLiteral("Auxílio Técnico"),
              QColor(0xd9, 0x6a, 0x10));
        rotulo(p, QRectF(80, 320, 380, 80), QStringLiteral("troca a pergunta"), 28);
        rotulo(p, QRectF(566, 320, 380, 80), QStringLiteral("cobrança de pênalti"), 28);
    }

    void finalizar(QPainter& p)
    {
        poe(p, arte::kSair, QRectF(120, 172, 200, 200));
        seta(p, QPointF(360, 272), QPointF(470, 272));
        // The confirmation box, its blue background under the whole frame and the text.
        const QRectF caixa(510, 172, 420, 210);
        QPainterPath contorno;
        contorno.addRoundedRect(caixa, 10, 10);
        p.save();
        p.setClipPath(contorno);
        cobre(p, arte::kFundoMensagens, caixa);
        p.restore();
        p.setPen(QPen(Qt::white, 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(contorno);
        p.setPen(Qt::white);
        texto(p, QRectF(caixa.left() + 20, caixa.top() + 10, caixa.width() - 40, 100),
              QStringLiteral("Deseja mesmo sair deste jogo?"), desenho::fonteTexto(28, true));
        botao(p, QRectF(caixa.left() + 40, caixa.top() + 120, 150, 70), QStringLiteral("Sim"),
              QColor(0x1f, 0xa8, 0x45));
        botao(p, QRectF(caixa.right() - 190, caixa.top() + 120, 150, 70), QStringLiteral("Não"),
              QColor(0xc8, 0x2a, 0x2a));
    }

    void placar(QPainter& p)
    {
        const QRectF painel(60, 150, 560, 255);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kOuro, 5));
        p.setBrush(QColor(0x10, 0x1c, 0x2e));
        p.drawRoundedRect(painel, 18, 18);
        p.setPen(kOuro);
        texto(p, QRectF(painel.left(), painel.top() + 10, painel.width(), 60),
              QStringLiteral("PLACAR FINAL"), desenho::fonteDestaque(52));
        p.setPen(Qt::white);
        texto(p, QRectF(painel.left(), painel.top() + 66, painel.width(), 90),
              QStringLiteral("3 × 1"), desenho::fonteDestaque(86));
        for (int i = 0; i < 4; ++i)
            poe(p, i < 3 ? arte::kBolaBranca : arte::kBolaVermelha,
                QRectF(painel.center().x() - 96 + i * 50, painel.top() + 158, 40, 40));
        p.setPen(QColor(0x6e, 0xe0, 0x8a));
        texto(p, QRectF(painel.left(), painel.top() + 200, painel.width(), 50),
              QStringLiteral("VOCÊ GANHOU!"), desenho::fonteDestaque(44));
        const QString codigos[] = {QStringLiteral("QAT"), QString(), QString()};
        for (int i = 0; i < 3; ++i)
            cartao(p, QRectF(660 + i * 100 - (i == 0 ? 0 : 0), 180 + (i % 2) * 20, 96, 96),
                   codigos[i], QStringLiteral("Catar"), QColor(0x8a, 0x15, 0x38));
        rotulo(p, QRectF(650, 310, 310, 60), QStringLiteral("+3 figurinhas"), 32);
    }

    void auxilio(QPainter& p)
    {
        penaltiCena(p, QRectF(60, 150, 520, 260), false);
        seta(p, QPointF(600, 280), QPointF(680, 280));
        const QString letras[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        const QStringView bolas[] = {arte::kBolaAzul, arte::kBolaAmarela, arte::kBolaVerde};
        for (int i = 0; i < 3; ++i) {
            const QRectF linha(710, 160 + i * 82, 260, 72);
            poe(p, bolas[i], QRectF(linha.left(), linha.top(), 72, 68));
            p.setPen(QColor(0x1d, 0x2b, 0x22));
            texto(p, QRectF(linha.left() + 86, linha.top(), 60, 72), letras[i],
                  desenho::fonteDestaque(52), Qt::AlignLeft | Qt::AlignVCenter);
            if (i == 1) {
                p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 9, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(linha.left() - 8, linha.center().y()),
                           QPointF(linha.left() + 180, linha.center().y()));
            }
        }
    }

    void penaltiCena(QPainter& p, const QRectF& r, bool comControles)
    {
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gramado(r.topLeft(), r.bottomLeft());
        gramado.setColorAt(0, QColor(0x3c, 0xa8, 0x50));
        gramado.setColorAt(1, QColor(0x1c, 0x6a, 0x2e));
        p.setPen(Qt::NoPen);
        p.setBrush(gramado);
        p.drawRoundedRect(r, 14, 14);
        const qreal golL = qMin(r.width() * (comControles ? 0.62 : 0.7), r.height() * 1.2);
        const QRectF golR(r.center().x() - golL / 2, r.top() + 14, golL, golL * 105 / 261);
        poe(p, arte::kGol, golR);
        const qreal gH = golR.height() * 0.78;
        poe(p, arte::kGoleiro,
            QRectF(golR.center().x() + golL * 0.12, golR.bottom() - gH, gH * 45 / 53, gH));
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        p.drawLine(QPointF(r.left() + 10, golR.bottom()), QPointF(r.right() - 10, golR.bottom()));
        // The kicker stands behind and to the left of the ball on the spot.
        const qreal bH = (r.bottom() - golR.bottom()) * 0.95;
        poe(p, arte::kBola,
            QRectF(r.center().x() - bH * 0.1, golR.bottom() + bH * 0.22, bH * 0.2, bH * 0.2));
        poe(p, arte::kBatedor,
            QRectF(r.center().x() - bH * 0.75, r.bottom() - bH, bH * 45 / 57, bH));
    }

    void imagens(QPainter& p)
    {
        cartao(p, QRectF(100, 150, 220, 220), QStringLiteral("QAT"), QStringLiteral("Catar"),
               QColor(0x8a, 0x15, 0x38));
        rotulo(p, QRectF(60, 372, 300, 40), QStringLiteral("Catar, o país-sede"), 26);
        seta(p, QPointF(380, 275), QPointF(470, 275));
        cartao(p, QRectF(510, 170, 180, 180), QStringLiteral("BRA"), QStringLiteral("Brasil"),
               QColor(0x00, 0x8a, 0x34));
        cartao(p, QRectF(720, 170, 180, 180), QString(), QString(), QColor());
        rotulo(p, QRectF(500, 356, 200, 40), QStringLiteral("já é sua"), 26);
        rotulo(p, QRectF(710, 356, 200, 40), QStringLiteral("falta ganhar"), 26);
    }

    void substituicao(QPainter& p)
    {
        const auto folha = [&](const QRectF& r, const QString& escrito) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0x0a, 0x22, 0x5a), 4));
            p.setBrush(QColor(0x1f, 0x5f, 0xc0));
            p.drawRoundedRect(r, 16, 16);
            p.setPen(Qt::white);
            texto(p, r.adjusted(16, 0, -16, 0), escrito, desenho::fonteTexto(30, true));
        };
        folha(QRectF(70, 180, 330, 190), QStringLiteral("Pergunta difícil"));
        folha(QRectF(626, 180, 330, 190), QStringLiteral("Nova pergunta"));
        // Two curved arrows: the swap.
        p.setPen(QPen(kVerde, 10, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF roda(433, 195, 160, 160);
        p.drawArc(roda, 30 * 16, 120 * 16);
        p.drawArc(roda, 210 * 16, 120 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kVerde);
        p.drawPolygon(QPolygonF{QPointF(584, 210), QPointF(598, 250), QPointF(558, 244)});
        p.drawPolygon(QPolygonF{QPointF(442, 340), QPointF(428, 300), QPointF(468, 306)});
    }

    void album(QPainter& p)
    {
        const QRectF pagina(60, 150, 560, 262);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 4));
        p.setBrush(QColor(0xf4, 0xec, 0xd6));
        p.drawRoundedRect(pagina, 10, 10);
        const QString codigos[12] = {QStringLiteral("BRA"),
                                     QString(),
                                     QStringLiteral("ARG"),
                                     QString(),
                                     QStringLiteral("FRA"),
                                     QString(),
                                     QString(),
                                     QStringLiteral("CRO"),
                                     QString(),
                                     QStringLiteral("MAR"),
                                     QString(),
                                     QString()};
        const QString nomes[12] = {QStringLiteral("Brasil"),
                                   {},
                                   QStringLiteral("Argentina"),
                                   {},
                                   QStringLiteral("França"),
                                   {},
                                   {},
                                   QStringLiteral("Croácia"),
                                   {},
                                   QStringLiteral("Marrocos"),
                                   {},
                                   {}};
        for (int i = 0; i < 12; ++i) {
            const QRectF r(pagina.left() + 20 + (i % 6) * 89, pagina.top() + 14 + (i / 6) * 122, 80,
                           110);
            cartao(p, QRectF(r.left(), r.top() + 15, 80, 80), codigos[i], nomes[i],
                   QColor(0x0b, 0x3d, 0x91));
        }
        botao(p, QRectF(660, 150, 300, 72), QStringLiteral("Anterior"), kVerde);
        botao(p, QRectF(660, 245, 300, 72), QStringLiteral("Próxima"), kVerde);
        botao(p, QRectF(660, 340, 300, 72), QStringLiteral("Repetidas"), QColor(0x1f, 0x6f, 0xc8));
    }

    static void tecla(QPainter& p, const QRectF& r, const std::function<void(const QRectF&)>& marca)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x50, 0x50, 0x58), 3));
        p.setBrush(QColor(0xf2, 0xf2, 0xf4));
        p.drawRoundedRect(r, 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(kTinta);
        marca(r);
    }

    static void triangulo(QPainter& p, const QRectF& r, int graus)
    {
        p.save();
        p.translate(r.center());
        p.rotate(graus);
        const qreal s = r.height() * 0.26;
        p.drawPolygon(QPolygonF{QPointF(s, 0), QPointF(-s * 0.7, -s), QPointF(-s * 0.7, s)});
        p.restore();
    }

    void penalti(QPainter& p)
    {
        penaltiCena(p, QRectF(36, 146, 470, 270), true);
        // Controls: arrows to aim, force bars, keys, help and exit.
        poe(p, arte::kSetaEsquerda, QRectF(535, 148, 88, 45));
        poe(p, arte::kSetaDireita, QRectF(645, 148, 88, 45));
        // The force bars as the penalty screen draws them: five equal squares stacked upwards,
        // navy up to the chosen force (here 3), sky blue above it.
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(i < 3 ? QColor(0, 0, 128) : QColor(166, 202, 240));
            p.drawRect(QRectF(624, 290 - i * 22, 20, 20));
        }
        rotulo(p, QRectF(520, 314, 230, 40), QStringLiteral("força 3 de 5"), 26);
        tecla(p, QRectF(780, 160, 56, 50), [&](const QRectF& r) { triangulo(p, r, 180); });
        tecla(p, QRectF(846, 160, 56, 50), [&](const QRectF& r) { triangulo(p, r, 0); });
        tecla(p, QRectF(780, 240, 56, 50), [&](const QRectF& r) { triangulo(p, r, -90); });
        tecla(p, QRectF(846, 240, 56, 50), [&](const QRectF& r) { triangulo(p, r, 90); });
        tecla(p, QRectF(780, 320, 122, 50), [&](const QRectF& r) {
            p.setPen(kTinta);
            texto(p, r, QStringLiteral("Enter"), desenho::fonteTexto(26, true));
        });
        poe(p, arte::kAjuda, QRectF(918, 160, 70, 70));
        poe(p, arte::kSair, QRectF(918, 250, 70, 70));
    }

    void pergunta(QPainter& p)
    {
        poe(p, arte::kAjuda, QRectF(120, 175, 200, 200));
        botao(p, QRectF(430, 190, 220, 100), QStringLiteral("SIM"), QColor(0x1f, 0xa8, 0x45), 44);
        botao(p, QRectF(700, 190, 220, 100), QStringLiteral("NÃO"), QColor(0xc8, 0x2a, 0x2a), 44);
        rotulo(p, QRectF(420, 300, 240, 80), QStringLiteral("nova pergunta\n(ajuda usada)"), 24);
        rotulo(p, QRectF(690, 300, 240, 80), QStringLiteral("continua a mesma"), 24);
    }
};

QImage desenhaPagina(const Pagina& pagina, Figuras& figuras)
{
    QImage imagem = desenho::telaOpaca(kLargura, kAltura, QColor(0xf7, 0xf4, 0xea));
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Title band with a ball at the left.
    QLinearGradient faixa(0, 0, 0, 120);
    faixa.setColorAt(0, kVerde.lighter(130));
    faixa.setColorAt(1, kVerde.darker(130));
    p.fillRect(QRectF(0, 0, kLargura, 120), faixa);
    p.fillRect(QRectF(0, 120, kLargura, 8), kOuro);
    desenho::bola(p, QRectF(28, 18, 84, 84), Qt::white, QColor(25, 25, 25));
    p.setPen(Qt::white);
    escreve(p, pagina.arquivo, QRectF(134, 8, kLargura - 170, 108), pagina.titulo.toUpper(),
            desenho::fonteDestaque(92), Qt::AlignLeft | Qt::AlignVCenter, 60);
    figuras.desenha(p, pagina);
    p.fillRect(QRectF(36, 420, kLargura - 72, 3), QColor(0xd8, 0xd0, 0xb8));
    desenhaTexto(p, pagina);
    p.fillRect(QRectF(0, kAltura - 12, kLargura, 12), kVerde);
    return imagem;
}

// The help file a page's text is drawn into, as the game names it.
QString arquivoDaPagina(const Pagina& pagina)
{
    for (QStringView arquivo : ajuda::kTodas)
        if (QFileInfo(arquivo.toString()).completeBaseName() == pagina.arquivo)
            return arquivo.toString();
    falha(QStringLiteral("%1: não é uma página de ajuda do jogo").arg(pagina.arquivo));
}

} // namespace

int main(int argc, char** argv)
{
    desenho::preparaSemTela();
    desenho::defineNomePrograma("gera_ajuda");
    QGuiApplication app(argc, argv);
    if (argc < 4)
        falha(QStringLiteral("uso: gera_ajuda PASTA_ARTE PASTA_SAIDA PAGINA.txt..."));
    carregaFontes();
    Figuras figuras(QString::fromLocal8Bit(argv[1]));
    const QString saida = QString::fromLocal8Bit(argv[2]);
    QList<std::pair<QString, QImage>> paginas;
    for (int i = 3; i < argc; ++i) {
        const Pagina pagina = lePagina(QString::fromLocal8Bit(argv[i]));
        paginas.append({arquivoDaPagina(pagina), desenhaPagina(pagina, figuras)});
    }
    if (!QDir().mkpath(saida))
        falha(QStringLiteral("não foi possível criar %1").arg(saida));
    for (const auto& [nome, imagem] : paginas)
        desenho::salva(imagem, saida + QLatin1Char('/') + nome, 90);
    return 0;
}
