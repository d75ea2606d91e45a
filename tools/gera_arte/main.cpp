// Build-time generator of the screen art compiled into the program (balls, buttons, icons,
// backgrounds, the penalty scene) and of the sponsor banner in the game folder.
// Every picture is drawn at twice its design size.

#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "tools/desenho/desenho.h"
#include "tools/sorteio/sorteio.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

using desenho::falha;

namespace {

constexpr int kEscala = 2;

const QColor kOuro(0xf2, 0xc9, 0x4c);

void sombraSuave(QPainter& p, const QRectF& elipse, int alfa)
{
    QRadialGradient g(elipse.center(), elipse.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, alfa));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(elipse.center());
    p.scale(1, elipse.height() / elipse.width());
    p.translate(-elipse.center());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(elipse.center(), elipse.width() / 2, elipse.width() / 2);
    p.restore();
}

QImage bolaColorida(int largura, int altura, const QColor& corpo, const QColor& gomos)
{
    QImage img = desenho::telaTransparente(largura, altura);
    QPainter p(&img);
    const qreal d = qMin(largura, altura) - 4;
    desenho::bola(p, QRectF((largura - d) / 2, (altura - d) / 2, d, d), corpo, gomos);
    return img;
}

QImage campoEscuro(int largura, int altura)
{
    QImage img = desenho::telaOpaca(largura, altura, QColor(0x0b, 0x3a, 0x1d));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int faixas = 12;
    for (int i = 0; i < faixas; ++i)
        if (i % 2)
            p.fillRect(QRectF(largura * i / qreal(faixas), 0, largura / qreal(faixas) + 1, altura),
                       QColor(0x0e, 0x44, 0x22));
    const qreal l = largura / 400.0;
    const QRectF m(largura * 0.04, altura * 0.06, largura * 0.92, altura * 0.88);
    p.setPen(QPen(QColor(255, 255, 255, 38), 3 * l));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m);
    p.drawLine(QPointF(m.center().x(), m.top()), QPointF(m.center().x(), m.bottom()));
    p.drawEllipse(m.center(), m.height() * 0.17, m.height() * 0.17);
    p.drawRect(
        QRectF(m.left(), m.center().y() - m.height() * 0.3, m.width() * 0.14, m.height() * 0.6));
    p.drawRect(QRectF(m.right() - m.width() * 0.14, m.center().y() - m.height() * 0.3,
                      m.width() * 0.14, m.height() * 0.6));
    // Darker edges keep light text readable anywhere.
    QRadialGradient vinheta(QPointF(largura / 2.0, altura / 2.0), largura * 0.7);
    vinheta.setColorAt(0, QColor(0, 0, 0, 40));
    vinheta.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(img.rect(), vinheta);
    return img;
}

QImage botaoAlto(const QColor& cor, const std::function<void(QPainter&, const QRectF&)>& simbolo)
{
    const int w = 60 * kEscala, h = 113 * kEscala;
    QImage img = desenho::telaTransparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(4, 4, w - 8, h - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(2, 4), 22, 22);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, cor.lighter(135));
    g.setColorAt(0.5, cor);
    g.setColorAt(1, cor.darker(150));
    p.setPen(QPen(cor.darker(220), 4));
    p.setBrush(g);
    p.drawRoundedRect(r, 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(r.left() + 10, r.top() + 8, r.width() - 20, r.height() * 0.22), 14,
                      14);
    simbolo(p, QRectF(r.left() + 12, r.center().y() - 46, r.width() - 24, 92));
    return img;
}

void tique(QPainter& p, const QRectF& r)
{
    QPainterPath t;
    t.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.55);
    t.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.82);
    t.lineTo(r.left() + r.width() * 0.94, r.top() + r.height() * 0.18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 60, 20), 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t);
    p.setPen(QPen(Qt::white, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t);
}

void xis(QPainter& p, const QRectF& r, const QColor& sombra)
{
    const QRectF q(r.center().x() - r.width() * 0.38, r.center().y() - r.width() * 0.38,
                   r.width() * 0.76, r.width() * 0.76);
    for (const auto& [cor, largura] : {std::pair{sombra, 24}, std::pair{QColor(Qt::white), 15}}) {
        p.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(q.topLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomLeft());
    }
}

QImage altoFalante(bool ligado)
{
    const int lado = 45 * kEscala;
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 100.0, lado / 100.0);
    QPainterPath corpo;
    corpo.moveTo(12, 38);
    corpo.lineTo(30, 38);
    corpo.lineTo(52, 18);
    corpo.lineTo(52, 82);
    corpo.lineTo(30, 62);
    corpo.lineTo(12, 62);
    corpo.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(corpo);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(corpo);
    if (ligado) {
        for (int i = 0; i < 3; ++i) {
            const QRectF arco(50 - 10 - i * 11, 50 - 10 - i * 11, 20 + i * 22, 20 + i * 22);
            p.setPen(QPen(QColor(20, 20, 20), 9, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arco.translated(6, 0), -45 * 16, 90 * 16);
            p.setPen(QPen(kOuro, 5, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(arco.translated(6, 0), -45 * 16, 90 * 16);
        }
    } else {
        for (const auto& [cor, largura] :
             {std::pair{QColor(20, 20, 20), 12}, std::pair{QColor(0xe0, 0x24, 0x24), 7}}) {
            p.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(62, 34), QPointF(90, 66));
            p.drawLine(QPointF(90, 34), QPointF(62, 66));
        }
    }
    return img;
}

QImage proibido(int lado)
{
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(lado / 2.0, lado / 2.0);
    const qreal r = lado / 2.0 - 3;
    p.setPen(QPen(Qt::white, lado * 0.05));
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    g.setColorAt(0, QColor(0xf0, 0x40, 0x40));
    g.setColorAt(1, QColor(0xa8, 0x0c, 0x0c));
    p.setBrush(g);
    p.drawEllipse(c, r - lado * 0.025, r - lado * 0.025);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - r * 0.66, c.y() - r * 0.17, r * 1.32, r * 0.34), r * 0.05,
                      r * 0.05);
    return img;
}

void ceuNoturno(QPainter& p, const QRectF& r, quint32 semente)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x03, 0x07, 0x1e));
    g.setColorAt(1, QColor(0x14, 0x2a, 0x5c));
    p.fillRect(r, g);
    Sorteio s(semente);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 80; ++i) {
        p.setBrush(QColor(255, 255, 255, 60 + int(s.proximo() % 150)));
        const qreal raio = 0.8 + s.real() * 1.6;
        p.drawEllipse(
            QPointF(r.left() + s.real() * r.width(), r.top() + s.real() * r.height() * 0.6), raio,
            raio);
    }
}

void refletor(QPainter& p, QPointF topo, qreal escala, qreal alturaMastro)
{
    p.setPen(QPen(QColor(0x30, 0x34, 0x40), 4 * escala));
    p.drawLine(topo + QPointF(0, 10 * escala), topo + QPointF(0, alturaMastro));
    // Glow and beam first, the lamp panel on top.
    QRadialGradient brilho(topo, 90 * escala);
    brilho.setColorAt(0, QColor(255, 250, 220, 200));
    brilho.setColorAt(0.2, QColor(255, 245, 200, 70));
    brilho.setColorAt(1, QColor(255, 245, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brilho);
    p.drawEllipse(topo, 90 * escala, 90 * escala);
    p.setBrush(QColor(255, 252, 235));
    p.setPen(QPen(QColor(0x30, 0x34, 0x40), 2 * escala));
    p.drawRoundedRect(
        QRectF(topo.x() - 22 * escala, topo.y() - 10 * escala, 44 * escala, 20 * escala),
        3 * escala, 3 * escala);
    p.setPen(QPen(QColor(0xd8, 0xd0, 0xa0), 1.5 * escala));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(topo.x() - 22 * escala + i * 11 * escala, topo.y() - 10 * escala),
                   QPointF(topo.x() - 22 * escala + i * 11 * escala, topo.y() + 10 * escala));
}

// Rows of spectators: coloured heads and shoulders on dark stands.
void torcida(QPainter& p, const QRectF& r, qreal tamanho, quint32 semente, int escurecer)
{
    Sorteio s(semente);
    const QColor camisas[] = {QColor(0xf5, 0xd0, 0x20), QColor(0x1e, 0x8a, 0x3c),
                              QColor(0x2a, 0x5d, 0xb0), QColor(0xe0, 0xe0, 0xe0),
                              QColor(0xc8, 0x2a, 0x2a), QColor(0x8a, 0x15, 0x38),
                              QColor(0x74, 0xac, 0xdf)};
    const QColor peles[] = {QColor(0x8d, 0x55, 0x24), QColor(0xc6, 0x86, 0x42),
                            QColor(0xe0, 0xac, 0x69), QColor(0xf1, 0xc2, 0x7d),
                            QColor(0x5c, 0x3a, 0x1e)};
    p.fillRect(r, QColor(0x16, 0x18, 0x22));
    p.setPen(Qt::NoPen);
    int linha = 0;
    for (qreal y = r.top() + tamanho; y < r.bottom() + tamanho; y += tamanho * 1.25, ++linha) {
        p.fillRect(QRectF(r.left(), y + tamanho * 0.55, r.width(), tamanho * 0.18),
                   QColor(0x2a, 0x2c, 0x38));
        for (qreal x = r.left() + (linha % 2) * tamanho * 0.5 - tamanho; x < r.right() + tamanho;
             x += tamanho * (0.9 + s.real() * 0.3)) {
            const QColor camisa = camisas[s.proximo() % std::size(camisas)];
            const QColor pele = peles[s.proximo() % std::size(peles)];
            const qreal dy = (s.real() - 0.5) * tamanho * 0.15;
            p.setBrush(camisa.darker(100 + escurecer));
            p.drawRoundedRect(QRectF(x - tamanho * 0.4, y + dy, tamanho * 0.8, tamanho * 0.7),
                              tamanho * 0.3, tamanho * 0.3);
            p.setBrush(pele.darker(100 + escurecer));
            p.drawEllipse(QPointF(x, y + dy - tamanho * 0.12), tamanho * 0.24, tamanho * 0.26);
            if (s.proximo() % 9 == 0) { // a raised arm
                p.setBrush(pele.darker(100 + escurecer));
                p.drawRoundedRect(QRectF(x + tamanho * 0.3, y + dy - tamanho * 0.7, tamanho * 0.14,
                                         tamanho * 0.7),
                                  tamanho * 0.07, tamanho * 0.07);
            }
        }
    }
}

QImage titulo()
{
    const int w = 608 * kEscala, h = 141 * kEscala;
    QImage img = desenho::telaOpaca(w, h, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    ceuNoturno(p, QRectF(0, 0, w, h), 7);
    // Far stand, roof line, then the lit pitch at the bottom.
    QPainterPath arquibancada;
    arquibancada.moveTo(0, h * 0.62);
    arquibancada.quadTo(w / 2.0, h * 0.38, w, h * 0.62);
    arquibancada.lineTo(w, h * 0.85);
    arquibancada.lineTo(0, h * 0.85);
    arquibancada.closeSubpath();
    p.save();
    p.setClipPath(arquibancada);
    torcida(p, QRectF(0, h * 0.38, w, h * 0.5), 14, 11, 60);
    p.restore();
    p.setPen(QPen(QColor(0xc8, 0xcc, 0xd8), 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath teto;
    teto.moveTo(0, h * 0.62);
    teto.quadTo(w / 2.0, h * 0.38, w, h * 0.62);
    p.drawPath(teto);
    QLinearGradient gramado(0, h * 0.85, 0, h);
    gramado.setColorAt(0, QColor(0x3c, 0xa8, 0x50));
    gramado.setColorAt(1, QColor(0x1c, 0x6a, 0x2e));
    p.fillRect(QRectF(0, h * 0.85, w, h * 0.15), gramado);
    for (const qreal x : {0.08, 0.3, 0.7, 0.92})
        refletor(p, QPointF(w * x, h * 0.14), 1.2, h * 0.5);
    return img;
}

QImage fundoNome()
{
    const int w = 600 * kEscala, h = 450 * kEscala;
    QImage img = desenho::telaOpaca(w, h, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    torcida(p, QRectF(0, 0, w, h), 56, 23, 90);
    QLinearGradient veu(0, 0, 0, h);
    veu.setColorAt(0, QColor(0, 0, 0, 120));
    veu.setColorAt(0.5, QColor(0, 0, 0, 150));
    veu.setColorAt(1, QColor(0, 0, 0, 200));
    p.fillRect(img.rect(), veu);
    return img;
}

QImage fundoMensagens()
{
    const int w = 776 * kEscala, h = 560 * kEscala;
    QImage img = desenho::telaOpaca(w, h, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0x1f, 0x5f, 0xc0));
    g.setColorAt(1, QColor(0x0a, 0x22, 0x5a));
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 14));
    for (int i = -4; i < 12; ++i) {
        QPainterPath faixa;
        faixa.moveTo(i * 180.0, 0);
        faixa.lineTo(i * 180.0 + 90, 0);
        faixa.lineTo(i * 180.0 + 90 - h * 0.6, h);
        faixa.lineTo(i * 180.0 - h * 0.6, h);
        faixa.closeSubpath();
        p.drawPath(faixa);
    }
    p.setOpacity(0.08);
    desenho::bola(p, QRectF(w - h * 0.55, h * 0.5, h * 0.7, h * 0.7), Qt::white, Qt::black);
    return img;
}

QImage paginaInicial()
{
    const int w = 513 * kEscala, h = 481 * kEscala;
    QImage img = desenho::telaOpaca(w, h, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0xf4, 0xf1, 0xe6));
    g.setColorAt(1, QColor(0xd9, 0xe8, 0xd6));
    p.fillRect(img.rect(), g);
    desenho::campo(p, QRectF(0, h * 0.72, w, h * 0.28), 4);
    sombraSuave(p, QRectF(w / 2.0 - 190, h * 0.62, 380, 60), 110);
    desenho::bola(p, QRectF(w / 2.0 - 190, h * 0.2, 380, 380), Qt::white, QColor(25, 25, 25));
    desenho::textoContornado(p, QRectF(0, h * 0.02, w, h * 0.2), QStringLiteral("DRIBOLEX"),
                             desenho::fonteDestaque(170), QColor(0x0b, 0x5d, 0x2a), Qt::white, 5,
                             Qt::AlignCenter);
    return img;
}

QImage gol()
{
    const int w = 261 * kEscala, h = 105 * kEscala;
    QImage img = desenho::telaTransparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal poste = 12;
    // Net: back frame slightly smaller, mesh between it and the posts.
    const QRectF frente(poste / 2, poste / 2, w - poste, h - poste / 2);
    const QRectF fundo = frente.adjusted(26, 18, -26, 0);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.6));
    for (qreal x = fundo.left(); x <= fundo.right() + 0.1; x += fundo.width() / 28)
        p.drawLine(QPointF(x, fundo.top()), QPointF(x, fundo.bottom()));
    for (qreal y = fundo.top(); y <= fundo.bottom() + 0.1; y += fundo.height() / 10)
        p.drawLine(QPointF(fundo.left(), y), QPointF(fundo.right(), y));
    for (int i = 0; i <= 8; ++i) {
        const qreal t = i / 8.0;
        p.drawLine(QPointF(frente.left(), frente.top() + t * frente.height()),
                   QPointF(fundo.left(), fundo.top() + t * fundo.height()));
        p.drawLine(QPointF(frente.right(), frente.top() + t * frente.height()),
                   QPointF(fundo.right(), fundo.top() + t * fundo.height()));
    }
    for (int i = 0; i <= 24; ++i) {
        const qreal t = i / 24.0;
        p.drawLine(QPointF(frente.left() + t * frente.width(), frente.top()),
                   QPointF(fundo.left() + t * fundo.width(), fundo.top()));
    }
    // White posts and crossbar with a grey edge.
    QPainterPath quadro;
    quadro.moveTo(frente.left(), h);
    quadro.lineTo(frente.left(), frente.top());
    quadro.lineTo(frente.right(), frente.top());
    quadro.lineTo(frente.right(), h);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), poste + 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(quadro);
    p.setPen(QPen(Qt::white, poste, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(quadro);
    return img;
}

QImage goleiro()
{
    const int w = 45 * kEscala, h = 53 * kEscala;
    QImage img = desenho::telaTransparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(w / 90.0, h / 106.0);
    const QColor camisa(0xff, 0x8c, 0x00), pele(0xc6, 0x86, 0x42), contorno(30, 20, 10);
    p.setPen(QPen(contorno, 2));
    // Legs and boots.
    p.setBrush(pele);
    p.drawRect(QRectF(32, 72, 9, 24));
    p.drawRect(QRectF(49, 72, 9, 24));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(28, 94, 15, 9), 3, 3);
    p.drawRoundedRect(QRectF(47, 94, 15, 9), 3, 3);
    p.setBrush(camisa);
    p.drawRect(QRectF(31, 82, 11, 8));
    p.drawRect(QRectF(48, 82, 11, 8));
    // Shorts, shirt with outstretched arms, gloves.
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRect(QRectF(30, 62, 30, 16));
    QPainterPath tronco;
    tronco.moveTo(30, 64);
    tronco.lineTo(28, 32);
    tronco.lineTo(8, 36);
    tronco.lineTo(4, 28);
    tronco.lineTo(30, 20);
    tronco.lineTo(60, 20);
    tronco.lineTo(86, 28);
    tronco.lineTo(82, 36);
    tronco.lineTo(62, 32);
    tronco.lineTo(60, 64);
    tronco.closeSubpath();
    p.setBrush(camisa);
    p.drawPath(tronco);
    p.setPen(Qt::NoPen);
    p.setBrush(camisa.darker(130));
    p.drawRect(QRectF(31, 40, 28, 4));
    p.setPen(QPen(contorno, 2));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRoundedRect(QRectF(0, 20, 14, 18), 5, 5);
    p.drawRoundedRect(QRectF(76, 20, 14, 18), 5, 5);
    p.setBrush(QColor(0x2a, 0x9d, 0x4a));
    p.drawRect(QRectF(1, 33, 12, 4));
    p.drawRect(QRectF(77, 33, 12, 4));
    // Head.
    p.setBrush(pele);
    p.drawEllipse(QPointF(45, 11), 10, 11);
    p.setBrush(QColor(0x2a, 0x1a, 0x0a));
    p.drawChord(QRectF(35, 0, 20, 16), 20 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(contorno);
    p.drawEllipse(QPointF(41, 12), 1.6, 1.8);
    p.drawEllipse(QPointF(49, 12), 1.6, 1.8);
    return img;
}

QImage batedor()
{
    const int w = 45 * kEscala, h = 57 * kEscala;
    QImage img = desenho::telaTransparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(w / 90.0, h / 114.0);
    const QColor camisa(0x1e, 0x5f, 0xc8), pele(0xe0, 0xac, 0x69), contorno(20, 20, 30);
    p.setPen(QPen(contorno, 2));
    // Seen from behind: legs apart, socks and boots, shorts, shirt with a number, hair.
    p.setBrush(pele);
    p.drawRect(QRectF(28, 76, 11, 18));
    p.drawRect(QRectF(52, 76, 11, 18));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(27, 92, 13, 12));
    p.drawRect(QRectF(51, 92, 13, 12));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(25, 103, 16, 9), 3, 3);
    p.drawRoundedRect(QRectF(50, 103, 16, 9), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(25, 62, 41, 18));
    p.setBrush(camisa);
    QPainterPath tronco;
    tronco.moveTo(26, 66);
    tronco.lineTo(24, 36);
    tronco.lineTo(14, 56);
    tronco.lineTo(6, 52);
    tronco.lineTo(18, 24);
    tronco.lineTo(34, 20);
    tronco.lineTo(56, 20);
    tronco.lineTo(72, 24);
    tronco.lineTo(84, 52);
    tronco.lineTo(76, 56);
    tronco.lineTo(66, 36);
    tronco.lineTo(64, 66);
    tronco.closeSubpath();
    p.drawPath(tronco);
    p.setBrush(pele);
    p.drawEllipse(QPointF(10, 57), 5, 5);
    p.drawEllipse(QPointF(80, 57), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.setFont(desenho::fonteDestaque(30));
    p.setPen(Qt::white);
    p.drawText(QRectF(26, 28, 38, 34), Qt::AlignCenter, QStringLiteral("10"));
    p.setPen(QPen(contorno, 2));
    p.setBrush(pele);
    p.drawEllipse(QPointF(45, 12), 11, 12);
    p.setBrush(QColor(0x2a, 0x1a, 0x0a));
    p.drawChord(QRectF(34, 0, 22, 26), 0, 200 * 16);
    p.drawEllipse(QPointF(45, 9), 10.5, 9);
    return img;
}

QImage seta(int w, int h, bool direita, const QColor& cor, const QColor& borda)
{
    QImage img = desenho::telaTransparente(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = h * 0.12;
    QPolygonF s;
    const qreal ponta = qMin(w * 0.45, h * 0.9);
    s << QPointF(m, h / 2.0) << QPointF(m + ponta, m) << QPointF(m + ponta, h * 0.3)
      << QPointF(w - m, h * 0.3) << QPointF(w - m, h * 0.7) << QPointF(m + ponta, h * 0.7)
      << QPointF(m + ponta, h - m);
    if (direita)
        for (QPointF& ponto : s)
            ponto.setX(w - ponto.x());
    p.setPen(QPen(borda, h * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, cor.lighter(125));
    g.setColorAt(1, cor.darker(120));
    p.setBrush(g);
    p.drawPolygon(s);
    return img;
}

QImage chevron(int lado, bool direita)
{
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF t{QPointF(lado * 0.68, lado * 0.16), QPointF(lado * 0.26, lado * 0.5),
                QPointF(lado * 0.68, lado * 0.84)};
    if (direita)
        for (QPointF& ponto : t)
            ponto.setX(lado - ponto.x());
    p.setPen(
        QPen(QColor(0x0b, 0x4d, 0x24), lado * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x1a, 0x8a, 0x3e));
    p.drawPolygon(t);
    return img;
}

QImage iconeAjuda(int lado)
{
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(lado / 2.0, lado / 2.0);
    QRadialGradient g(c - QPointF(lado * 0.15, lado * 0.15), lado * 0.7);
    g.setColorAt(0, QColor(0x4a, 0x90, 0xe2));
    g.setColorAt(1, QColor(0x10, 0x3a, 0x8a));
    p.setPen(QPen(Qt::white, lado * 0.05));
    p.setBrush(g);
    p.drawEllipse(c, lado / 2.0 - lado * 0.05, lado / 2.0 - lado * 0.05);
    p.setPen(Qt::white);
    p.setFont(desenho::fonteDestaque(lado * 0.72));
    p.drawText(QRectF(0, lado * 0.04, lado, lado), Qt::AlignCenter, QStringLiteral("?"));
    return img;
}

QImage menuJogar()
{
    const int lado = 170 * kEscala;
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Motion lines behind the ball, the ball, and the boot that just struck it.
    p.setPen(QPen(QColor(255, 255, 255, 200), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(120 + i * 10, 70 + i * 34), QPointF(170 + i * 10, 70 + i * 34));
    sombraSuave(p, QRectF(170, 250, 150, 30), 120);
    desenho::bola(p, QRectF(180, 50, 150, 150), Qt::white, QColor(25, 25, 25));
    p.save();
    p.translate(10, 150);
    p.rotate(-18);
    desenho::chuteira(p, QRectF(0, 30, 190, 118), QColor(0xe0, 0x30, 0x30));
    p.restore();
    return img;
}

QImage menuExplicar()
{
    const int lado = 170 * kEscala;
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A board on a post with a big question mark.
    p.setPen(QPen(QColor(0x4a, 0x30, 0x18), 3));
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(QRectF(158, 230, 24, 100));
    const QRectF quadro(34, 20, 272, 220);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 14));
    QLinearGradient g(quadro.topLeft(), quadro.bottomLeft());
    g.setColorAt(0, QColor(0x2a, 0x7a, 0x48));
    g.setColorAt(1, QColor(0x14, 0x4a, 0x2a));
    p.setBrush(g);
    p.drawRoundedRect(quadro, 18, 18);
    desenho::textoContornado(p, quadro, QStringLiteral("?"), desenho::fonteDestaque(210),
                             QColor(0xff, 0xe0, 0x40), QColor(0x10, 0x30, 0x18), 6,
                             Qt::AlignCenter);
    return img;
}

QImage menuSair()
{
    const int lado = 170 * kEscala;
    QImage img = desenho::telaTransparente(lado, lado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The referee's raised hand holding the red card.
    p.save();
    p.translate(170, 150);
    p.rotate(12);
    p.setPen(QPen(QColor(0x60, 0x00, 0x00), 6));
    QLinearGradient g(-70, -120, 70, 100);
    g.setColorAt(0, QColor(0xff, 0x3a, 0x3a));
    g.setColorAt(1, QColor(0xb0, 0x08, 0x08));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-72, -135, 144, 200), 14, 14);
    p.restore();
    const QColor pele(0xc6, 0x86, 0x42), contorno(0x50, 0x2a, 0x10);
    p.setPen(QPen(contorno, 4));
    p.setBrush(QColor(0x20, 0x20, 0x20)); // black sleeve
    p.drawRoundedRect(QRectF(130, 272, 80, 70), 10, 10);
    p.setBrush(pele);
    p.drawRoundedRect(QRectF(126, 196, 90, 86), 26, 26);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(132 + i * 20, 178 + (i == 0 ? 10 : 0), 20, 44), 10, 10);
    p.drawRoundedRect(QRectF(110, 214, 44, 22), 11, 11);
    return img;
}

// Drawn on a 512-pixel design grid and scaled, so every size of the menu icon is drawn, not
// shrunk from a picture.
QImage icone(int tamanho = 256 * kEscala)
{
    const int lado = 512;
    QImage img = desenho::telaTransparente(tamanho, tamanho);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(tamanho) / lado, qreal(tamanho) / lado);
    QPainterPath fundo;
    fundo.addRoundedRect(QRectF(16, 16, lado - 32, lado - 32), 90, 90);
    p.save();
    p.setClipPath(fundo);
    desenho::campo(p, QRectF(16, 16, lado - 32, lado - 32), 8);
    p.restore();
    p.setPen(QPen(kOuro, 16));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fundo);
    sombraSuave(p, QRectF(120, 400, 280, 60), 140);
    desenho::bola(p, QRectF(96, 80, 320, 320), Qt::white, QColor(25, 25, 25));
    return img;
}

QImage logo()
{
    const int w = 608 * kEscala, h = 189 * kEscala;
    QImage img = desenho::telaOpaca(w, h, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    desenho::campo(p, QRectF(0, 0, w, h), 5);
    QLinearGradient veu(0, 0, w, 0);
    veu.setColorAt(0, QColor(0, 30, 10, 90));
    veu.setColorAt(0.5, QColor(0, 30, 10, 150));
    veu.setColorAt(1, QColor(0, 30, 10, 90));
    p.fillRect(img.rect(), veu);
    p.fillRect(QRectF(0, 0, w, 14), kOuro);
    p.fillRect(QRectF(0, h - 14, w, 14), kOuro);
    sombraSuave(p, QRectF(50, h - 70, 280, 44), 150);
    desenho::bola(p, QRectF(60, 40, 270, 270), Qt::white, QColor(25, 25, 25));
    desenho::textoContornado(p, QRectF(340, 8, w - 370, h * 0.66), QStringLiteral("DRIBOLEX"),
                             desenho::fonteDestaque(250), Qt::white, QColor(0x06, 0x2a, 0x12), 8,
                             Qt::AlignCenter);
    desenho::textoContornado(p, QRectF(340, h * 0.64, w - 370, h * 0.3),
                             QStringLiteral("QATAR 2022"), desenho::fonteDestaque(96), kOuro,
                             QColor(0x06, 0x2a, 0x12), 6, Qt::AlignCenter);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    desenho::preparaSemTela();
    desenho::defineNomePrograma("gera_arte");
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        falha(QStringLiteral("uso: gera_arte PASTA_ARTE PASTA_PATROCINIO [PASTA_ICONES]"));
    carregaFontes();
    const QString arte = QString::fromLocal8Bit(argv[1]);
    const QString patrocinio = QString::fromLocal8Bit(argv[2]);

    const QColor escuro(25, 25, 25);
    const int bolaL = 73 * kEscala, bolaA = 69 * kEscala;
    const QList<std::pair<QStringView, std::function<QImage()>>> pecas = {
        {arte::kFundoJogo, [] { return campoEscuro(916 * kEscala, 652 * kEscala); }},
        {arte::kBolaBranca, [&] { return bolaColorida(bolaL, bolaA, Qt::white, escuro); }},
        {arte::kBolaAzul,
         [&] {
             return bolaColorida(bolaL, bolaA, QColor(0x2f, 0x7b, 0xe8), QColor(0x0a, 0x1e, 0x5a));
         }},
        {arte::kBolaAmarela,
         [&] {
             return bolaColorida(bolaL, bolaA, QColor(0xff, 0xd8, 0x1a), QColor(0x5a, 0x3c, 0x00));
         }},
        {arte::kBolaVerde,
         [&] {
             return bolaColorida(bolaL, bolaA, QColor(0x2e, 0xc0, 0x50), QColor(0x05, 0x3a, 0x14));
         }},
        {arte::kBolaVermelha,
         [] {
             return bolaColorida(26 * kEscala, 26 * kEscala, QColor(0xe8, 0x22, 0x22),
                                 QColor(0x40, 0x00, 0x00));
         }},
        {arte::kConfirmar, [] { return botaoAlto(QColor(0x1f, 0xa8, 0x45), tique); }},
        {arte::kDesistir,
         [] {
             return botaoAlto(QColor(0xf0, 0x84, 0x10), [](QPainter& p, const QRectF& r) {
                 xis(p, r, QColor(0x70, 0x30, 0x00));
             });
         }},
        {arte::kSomLigado, [] { return altoFalante(true); }},
        {arte::kSomDesligado, [] { return altoFalante(false); }},
        {arte::kSair, [] { return proibido(49 * kEscala); }},
        {arte::kTitulo, titulo},
        {arte::kMenuJogar, menuJogar},
        {arte::kMenuExplicar, menuExplicar},
        {arte::kMenuSair, menuSair},
        {arte::kFundoNome, fundoNome},
        {arte::kFundoMensagens, fundoMensagens},
        {arte::kPaginaInicial, paginaInicial},
        {arte::kGol, gol},
        {arte::kGoleiro, goleiro},
        {arte::kBatedor, batedor},
        {arte::kBola,
         [] { return bolaColorida(20 * kEscala, 20 * kEscala, Qt::white, QColor(25, 25, 25)); }},
        {arte::kSetaEsquerda,
         [] {
             return seta(49 * kEscala, 25 * kEscala, false, QColor(0xff, 0xd0, 0x20),
                         QColor(0x40, 0x30, 0x00));
         }},
        {arte::kSetaDireita,
         [] {
             return seta(49 * kEscala, 25 * kEscala, true, QColor(0xff, 0xd0, 0x20),
                         QColor(0x40, 0x30, 0x00));
         }},
        {arte::kAjuda, [] { return iconeAjuda(49 * kEscala); }},
        {arte::kSetaAnterior, [] { return chevron(24 * kEscala, false); }},
        {arte::kSetaProxima, [] { return chevron(24 * kEscala, true); }},
        {arte::kIcone, [] { return icone(); }},
    };

    // Draw everything first: a failure leaves no partial set behind.
    QList<QImage> imagens;
    for (const auto& peca : pecas)
        imagens << peca.second();
    const QImage banner = logo();
    // The desktop menu's icons, in the hicolor theme's layout.
    const QList<int> tamanhos = {16, 22, 24, 32, 48, 64, 128, 256, 512};
    QList<QImage> icones;
    if (argc == 4) {
        for (int tamanho : tamanhos)
            icones << icone(tamanho);
    }

    if (!QDir().mkpath(arte) || !QDir().mkpath(patrocinio))
        falha(QStringLiteral("não foi possível criar as pastas de saída"));
    for (qsizetype i = 0; i < pecas.size(); ++i)
        desenho::salva(imagens[i], QStringLiteral("%1/%2").arg(arte, pecas[i].first), 90);
    desenho::salva(banner, patrocinio + QStringLiteral("/LogoTernavo.bmp"));
    for (qsizetype i = 0; i < icones.size(); ++i) {
        const QString pasta =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[3])).arg(tamanhos[i]);
        if (!QDir().mkpath(pasta))
            falha(QStringLiteral("não foi possível criar a pasta %1").arg(pasta));
        desenho::salva(icones[i], pasta + QStringLiteral("/dribolex.png"));
    }
    return 0;
}
