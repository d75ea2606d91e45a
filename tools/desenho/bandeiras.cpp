// Simplified team flags: true colours and layout, emblems reduced to a few shapes.

#include "desenho.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <functional>

namespace desenho {

namespace {

using Pintor = std::function<void(QPainter&)>;

struct Bandeira {
    QString nome;
    qreal largura, altura; // drawing units; also the proportion shown
    Pintor pinta;
};

void faixasH(QPainter& p, qreal w, qreal h, std::initializer_list<std::pair<QColor, qreal>> fx)
{
    qreal total = 0;
    for (const auto& f : fx)
        total += f.second;
    qreal y = 0;
    for (const auto& f : fx) {
        const qreal a = h * f.second / total;
        p.fillRect(QRectF(0, y, w, a + 0.02 * h), f.first);
        y += a;
    }
}

void faixasV(QPainter& p, qreal w, qreal h, std::initializer_list<std::pair<QColor, qreal>> fx)
{
    qreal total = 0;
    for (const auto& f : fx)
        total += f.second;
    qreal x = 0;
    for (const auto& f : fx) {
        const qreal l = w * f.second / total;
        p.fillRect(QRectF(x, 0, l + 0.02 * w, h), f.first);
        x += l;
    }
}

void preenche(QPainter& p, const QPainterPath& caminho, const QColor& cor)
{
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPath(caminho);
}

// A sun with alternating straight and wavy rays, as on the Argentine and Uruguayan flags.
void solDeMaio(QPainter& p, QPointF c, qreal r, int raios)
{
    const QColor ouro(0xf6, 0xb4, 0x0e), borda(0x85, 0x34, 0x0a);
    QPainterPath pontas;
    for (int i = 0; i < raios; ++i) {
        const qreal a = 2 * M_PI * i / raios - M_PI / 2;
        const qreal comprimento = i % 2 == 0 ? r * 2.0 : r * 1.7;
        const qreal meia = M_PI / raios * 0.55;
        pontas.moveTo(c.x() + r * 0.9 * qCos(a - meia), c.y() + r * 0.9 * qSin(a - meia));
        pontas.lineTo(c.x() + comprimento * qCos(a), c.y() + comprimento * qSin(a));
        pontas.lineTo(c.x() + r * 0.9 * qCos(a + meia), c.y() + r * 0.9 * qSin(a + meia));
        pontas.closeSubpath();
    }
    p.setPen(QPen(borda, r * 0.06));
    p.setBrush(ouro);
    p.drawPath(pontas);
    p.drawEllipse(c, r, r);
    // A simple face: eyes and mouth.
    p.setBrush(borda);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.15), r * 0.1, r * 0.1);
    p.drawEllipse(QPointF(c.x() + r * 0.35, c.y() - r * 0.15), r * 0.1, r * 0.1);
    p.setPen(QPen(borda, r * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.3, c.y() + r * 0.05, r * 0.6, r * 0.4), 200 * 16, 140 * 16);
}

// The Union Jack filling w x h.
void unionJack(QPainter& p, qreal w, qreal h)
{
    const QColor azul(0x01, 0x21, 0x69), vermelho(0xc8, 0x10, 0x2e);
    p.fillRect(QRectF(0, 0, w, h), azul);
    p.save();
    p.setClipRect(QRectF(0, 0, w, h));
    p.scale(w / 60.0, h / 30.0);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(QPointF(0, 0), QPointF(60, 30));
    p.drawLine(QPointF(60, 0), QPointF(0, 30));
    // Red diagonals offset the same way round the centre (counterchanged).
    p.setPen(QPen(vermelho, 2));
    const QPointF c(30, 15);
    for (const QPointF canto : {QPointF(0, 0), QPointF(60, 0), QPointF(60, 30), QPointF(0, 30)}) {
        const QPointF d = canto - c;
        const qreal n = std::hypot(d.x(), d.y());
        const QPointF desvio(d.y() / n * 1.0, -d.x() / n * 1.0);
        p.drawLine(c + desvio, canto + desvio);
    }
    p.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    p.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    p.fillRect(QRectF(27, 0, 6, 30), vermelho);
    p.fillRect(QRectF(0, 12, 60, 6), vermelho);
    p.restore();
}

QPainterPath folhaDeBordo(QPointF c, qreal tamanho)
{
    // Right half of the leaf from the top point down to the stem, y up.
    static const qreal metade[][2] = {{0, 0.50},    {0.07, 0.36},  {0.15, 0.40},  {0.12, 0.12},
                                      {0.27, 0.28}, {0.30, 0.21},  {0.45, 0.25},  {0.39, 0.07},
                                      {0.45, 0.04}, {0.22, -0.15}, {0.26, -0.24}, {0.03, -0.20},
                                      {0.03, -0.46}};
    QPolygonF poligono;
    for (const auto& v : metade)
        poligono << QPointF(c.x() + v[0] * tamanho, c.y() - v[1] * tamanho);
    for (int i = int(std::size(metade)) - 1; i >= 1; --i)
        poligono << QPointF(c.x() - metade[i][0] * tamanho, c.y() - metade[i][1] * tamanho);
    QPainterPath caminho;
    caminho.addPolygon(poligono);
    caminho.closeSubpath();
    return caminho;
}

// A small shield outline: flat top, round point at the bottom.
QPainterPath escudo(const QRectF& r)
{
    QPainterPath s;
    s.moveTo(r.topLeft());
    s.lineTo(r.topRight());
    s.lineTo(r.right(), r.top() + r.height() * 0.55);
    s.quadTo(r.right(), r.bottom(), r.center().x(), r.bottom());
    s.quadTo(r.left(), r.bottom(), r.left(), r.top() + r.height() * 0.55);
    s.closeSubpath();
    return s;
}

void coroa(QPainter& p, const QRectF& r, const QColor& cor)
{
    QPainterPath c;
    c.moveTo(r.left(), r.bottom());
    c.lineTo(r.left(), r.top() + r.height() * 0.3);
    c.lineTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.6);
    c.lineTo(r.center().x(), r.top());
    c.lineTo(r.right() - r.width() * 0.25, r.top() + r.height() * 0.6);
    c.lineTo(r.right(), r.top() + r.height() * 0.3);
    c.lineTo(r.right(), r.bottom());
    c.closeSubpath();
    p.setPen(QPen(cor.darker(180), r.height() * 0.06));
    p.setBrush(cor);
    p.drawPath(c);
}

// A stroke of a broad, slanted nib along caminho: thick across the nib, thin along it, the look of
// a pen held at a fixed angle.
QPainterPath pena(const QPainterPath& caminho, qreal largura, qreal anguloGraus = 40)
{
    const qreal a = qDegreesToRadians(anguloGraus);
    const QPointF meia(largura / 2 * qCos(a), -largura / 2 * qSin(a));
    QPainterPath traco;
    constexpr int passos = 48;
    QPointF anterior = caminho.pointAtPercent(0);
    for (int i = 1; i <= passos; ++i) {
        const QPointF ponto = caminho.pointAtPercent(qreal(i) / passos);
        QPainterPath trecho;
        trecho.addPolygon(QPolygonF{anterior - meia, anterior + meia, ponto + meia, ponto - meia,
                                    anterior - meia});
        traco.addPath(trecho);
        anterior = ponto;
    }
    traco.setFillRule(Qt::WindingFill);
    return traco;
}

// The red dragon passant towards the hoist, on a 100 x 64 grid placed over both bands.
void dragao(QPainter& p)
{
    const QColor vermelho(0xc8, 0x10, 0x2e);
    p.save();
    p.translate(0.8, 0.3);
    p.scale(0.034, 0.038);
    QPainterPath d;
    d.setFillRule(Qt::WindingFill);
    // Body: chest, arched back, rump and belly.
    QPainterPath corpo;
    corpo.moveTo(24, 30);
    corpo.cubicTo(36, 20, 56, 20, 72, 27);
    corpo.cubicTo(81, 29, 83, 40, 76, 44);
    corpo.cubicTo(62, 51, 40, 51, 28, 46);
    corpo.cubicTo(19, 42, 17, 34, 24, 30);
    d.addPath(corpo);
    // Neck rising to the head.
    QPainterPath pescoco;
    pescoco.moveTo(21, 36);
    pescoco.cubicTo(13, 30, 11, 21, 15, 13);
    pescoco.lineTo(23, 13);
    pescoco.cubicTo(21, 21, 26, 27, 33, 29);
    pescoco.closeSubpath();
    d.addPath(pescoco);
    // Head with open jaws, ears and a barbed tongue.
    QPainterPath cabeca;
    cabeca.moveTo(17, 7);
    cabeca.cubicTo(12, 5, 6, 6, 1.5, 8.5);
    cabeca.lineTo(1, 10.5);
    cabeca.lineTo(8, 11.5);
    cabeca.lineTo(2.5, 15);
    cabeca.cubicTo(8, 17.5, 15, 17.5, 21, 15);
    cabeca.cubicTo(25, 12, 23, 7, 17, 7);
    d.addPath(cabeca);
    d.addPolygon(QPolygonF{QPointF(15, 8), QPointF(17.5, 0.5), QPointF(20, 8)});
    d.addPolygon(QPolygonF{QPointF(19, 8.5), QPointF(25, 2), QPointF(22.5, 10)});
    d.addPolygon(QPolygonF{QPointF(7, 12.4), QPointF(-1, 12.1), QPointF(-1, 10.6),
                           QPointF(-5, 12.8), QPointF(-1, 15), QPointF(-1, 13.5),
                           QPointF(7, 13.6)});
    // The raised wing, its top in spikes and its lower edge in scallops.
    QPainterPath asa;
    asa.moveTo(33, 27);
    asa.cubicTo(29, 16, 31, 6, 38, -1);
    asa.lineTo(43, 6);
    asa.lineTo(49, -2.5);
    asa.lineTo(53, 5.5);
    asa.lineTo(61, -1.5);
    asa.lineTo(63, 7);
    asa.lineTo(72, 3);
    asa.cubicTo(70, 13, 66, 20, 60, 26);
    asa.cubicTo(58, 22, 52, 22, 50, 25.5);
    asa.cubicTo(48, 22, 42, 22, 40, 26.5);
    asa.closeSubpath();
    d.addPath(asa);
    // Legs: the near foreleg raised, the others planted, each ending in three claws.
    QPainterPathStroker perna;
    perna.setWidth(7);
    perna.setCapStyle(Qt::RoundCap);
    perna.setJoinStyle(Qt::RoundJoin);
    const struct {
        QPointF quadril, joelho, pe;
    } pernas[] = {{{24, 40}, {13, 45}, {8, 38}},
                  {{32, 44}, {30, 52}, {25, 58}},
                  {{62, 44}, {64, 52}, {58, 58}},
                  {{72, 40}, {79, 50}, {73, 58}}};
    for (const auto& l : pernas) {
        QPainterPath osso;
        osso.moveTo(l.quadril);
        osso.quadTo(l.joelho, l.pe);
        d.addPath(perna.createStroke(osso));
        for (int k = 0; k < 3; ++k) {
            const QPointF base = l.pe + QPointF(-1.5, -2 + k * 2);
            d.addPolygon(
                QPolygonF{base + QPointF(0, -1), base + QPointF(-5, 0.4), base + QPointF(0, 1)});
        }
    }
    // Tail curling up over the back to a spade-shaped tip.
    QPainterPath cauda;
    cauda.moveTo(76, 37);
    cauda.cubicTo(94, 42, 100, 24, 90, 18);
    cauda.cubicTo(83, 14, 85, 7, 90, 5);
    QPainterPathStroker grossura;
    grossura.setWidth(3.6);
    grossura.setCapStyle(Qt::RoundCap);
    d.addPath(grossura.createStroke(cauda));
    d.addPolygon(QPolygonF{QPointF(87, 6), QPointF(90, -2), QPointF(97, 2), QPointF(91, 8)});
    p.setPen(Qt::NoPen);
    p.setBrush(vermelho);
    p.drawPath(d.simplified());
    // White details: the eye, the teeth and the ribs of the wing.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 9.6), 1.2, 1.0);
    p.setPen(QPen(QColor(0x8a, 0x08, 0x1c), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF ponta : {QPointF(43, 6), QPointF(53, 5.5), QPointF(63, 7)})
        p.drawLine(QPointF(38, 24), ponta);
    p.restore();
}

// The creed as a band of flowing script over the sword, the hilt towards the fly.
void escritaEEspada(QPainter& p)
{
    p.save();
    p.translate(0.5, 0.42);
    p.scale(0.02, 0.02); // a 100 x 60 grid over the middle of the flag
    QPainterPath escrita;
    escrita.setFillRule(Qt::WindingFill);
    const qreal nib = 4.2;
    // The joined baseline, written from right to left with its bowls and rises.
    QPainterPath linha;
    linha.moveTo(97, 30);
    linha.cubicTo(92, 34, 88, 26, 84, 31);
    linha.cubicTo(80, 36, 74, 36, 70, 31);
    linha.cubicTo(66, 27, 62, 34, 56, 33);
    linha.cubicTo(50, 32, 48, 27, 42, 31);
    linha.cubicTo(36, 35, 30, 36, 26, 31);
    linha.cubicTo(22, 27, 18, 33, 12, 32);
    linha.cubicTo(8, 31, 5, 28, 3, 30);
    escrita.addPath(pena(linha, nib));
    // Tall letters rising from the baseline, some hooked at the top.
    const struct {
        qreal x, base, topo, gancho;
    } hastes[] = {{93, 31, 6, 0},  {86, 30, 9, -4}, {81, 33, 5, 0}, {74, 34, 8, 0}, {66, 30, 4, 4},
                  {60, 33, 10, 0}, {52, 32, 6, -4}, {46, 30, 5, 0}, {38, 33, 9, 0}, {31, 34, 4, 3},
                  {20, 30, 7, 0},  {15, 31, 6, -3}, {7, 30, 10, 0}};
    for (const auto& h : hastes) {
        QPainterPath haste;
        haste.moveTo(h.x + 1, h.base);
        haste.cubicTo(h.x - 0.5, h.base - 8, h.x + 1.5, h.topo + 6, h.x, h.topo);
        if (h.gancho != 0)
            haste.quadTo(h.x + h.gancho * 0.3, h.topo - 3, h.x + h.gancho, h.topo - 1);
        escrita.addPath(pena(haste, nib * 0.9));
    }
    // Deep bowls and a long returning sweep below the line.
    for (const QPointF c : {QPointF(78, 36), QPointF(44, 35), QPointF(24, 36)}) {
        QPainterPath bacia;
        bacia.moveTo(c + QPointF(5, -4));
        bacia.cubicTo(c + QPointF(6, 6), c + QPointF(-6, 6), c + QPointF(-5, -1));
        escrita.addPath(pena(bacia, nib * 0.8));
    }
    QPainterPath volta;
    volta.moveTo(58, 34);
    volta.cubicTo(56, 44, 34, 46, 14, 42);
    escrita.addPath(pena(volta, nib));
    // Dots and small marks above and below the letters.
    const qreal lado = 1.6;
    for (const QPointF ponto :
         {QPointF(89, 22), QPointF(70, 24), QPointF(56, 24), QPointF(34, 25), QPointF(28, 42),
          QPointF(11, 23), QPointF(64, 42), QPointF(84, 41)}) {
        QPainterPath losango;
        losango.addPolygon(QPolygonF{ponto + QPointF(0, -lado), ponto + QPointF(lado, 0),
                                     ponto + QPointF(0, lado), ponto + QPointF(-lado, 0)});
        escrita.addPath(losango);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(escrita);

    // The sword: a curved blade narrowing to the point, a guard, the grip and the pommel.
    QPainterPath lamina;
    lamina.moveTo(6, 52);
    lamina.cubicTo(30, 48, 60, 47, 84, 48.5);
    lamina.lineTo(84, 53.5);
    lamina.cubicTo(60, 53, 30, 53.5, 6, 52);
    p.drawPath(lamina);
    p.drawRoundedRect(QRectF(83.5, 45, 3, 12), 1.2, 1.2);
    p.drawRoundedRect(QRectF(86.5, 49.3, 9, 3.4), 1.5, 1.5);
    p.drawEllipse(QPointF(96.5, 51), 2.2, 2.2);
    p.restore();
}

const QHash<QString, Bandeira>& tabela()
{
    static const QHash<QString, Bandeira> bandeiras = [] {
        QHash<QString, Bandeira> b;
        b[QStringLiteral("QAT")] = {QStringLiteral("Catar"), 22, 11, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 22, 11), QColor(0x8a, 0x15, 0x38));
                                        QPolygonF serra;
                                        serra << QPointF(0, 0) << QPointF(5.2, 0);
                                        for (int i = 0; i < 9; ++i)
                                            serra << QPointF(7.6, (i + 0.5) * 11 / 9.0)
                                                  << QPointF(5.2, (i + 1) * 11 / 9.0);
                                        serra << QPointF(0, 11);
                                        p.setPen(Qt::NoPen);
                                        p.setBrush(Qt::white);
                                        p.drawPolygon(serra);
                                    }};
        b[QStringLiteral("ECU")] = {QStringLiteral("Equador"), 3, 2, [](QPainter& p) {
                                        faixasH(p, 3, 2,
                                                {{QColor(0xff, 0xdd, 0x00), 2},
                                                 {QColor(0x03, 0x4e, 0xa2), 1},
                                                 {QColor(0xed, 0x1c, 0x24), 1}});
                                        // Coat of arms: an oval under a condor.
                                        p.setPen(QPen(QColor(0xb8, 0x8a, 0x00), 0.04));
                                        p.setBrush(QColor(0x7c, 0xc3, 0xe8));
                                        p.drawEllipse(QPointF(1.5, 1.05), 0.26, 0.34);
                                        p.setPen(Qt::NoPen);
                                        p.setBrush(QColor(0x2e, 0x8b, 0x3e));
                                        p.drawChord(QRectF(1.26, 0.75, 0.48, 0.62), 200 * 16,
                                                    140 * 16);
                                        QPainterPath condor;
                                        condor.moveTo(1.5, 0.72);
                                        condor.lineTo(1.05, 0.55);
                                        condor.lineTo(1.3, 0.74);
                                        condor.lineTo(1.5, 0.80);
                                        condor.lineTo(1.7, 0.74);
                                        condor.lineTo(1.95, 0.55);
                                        condor.closeSubpath();
                                        preenche(p, condor, QColor(0x4a, 0x3a, 0x2a));
                                    }};
        b[QStringLiteral("SEN")] = {QStringLiteral("Senegal"), 3, 2, [](QPainter& p) {
                                        faixasV(p, 3, 2,
                                                {{QColor(0x00, 0x85, 0x3f), 1},
                                                 {QColor(0xfd, 0xef, 0x42), 1},
                                                 {QColor(0xe3, 0x1b, 0x23), 1}});
                                        preenche(p, estrela(QPointF(1.5, 1.02), 0.36, 0.145, 5),
                                                 QColor(0x00, 0x85, 0x3f));
                                    }};
        b[QStringLiteral("NED")] = {QStringLiteral("Holanda"), 3, 2, [](QPainter& p) {
                                        faixasH(p, 3, 2,
                                                {{QColor(0xae, 0x1c, 0x28), 1},
                                                 {Qt::white, 1},
                                                 {QColor(0x21, 0x46, 0x8b), 1}});
                                    }};
        b[QStringLiteral("ENG")] = {QStringLiteral("Inglaterra"), 5, 3, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 5, 3), Qt::white);
                                        const QColor v(0xce, 0x11, 0x24);
                                        p.fillRect(QRectF(2.2, 0, 0.6, 3), v);
                                        p.fillRect(QRectF(0, 1.2, 5, 0.6), v);
                                    }};
        b[QStringLiteral("IRN")] = {
            QStringLiteral("Irã"), 7, 4, [](QPainter& p) {
                const QColor verde(0x23, 0x9f, 0x40), vermelho(0xda, 0x00, 0x00);
                faixasH(p, 7, 4, {{verde, 1}, {Qt::white, 1}, {vermelho, 1}});
                // Repeated script along the white band's edges, reduced to small marks.
                for (int i = 0; i < 11; ++i) {
                    const qreal x = 0.2 + i * 0.62;
                    p.fillRect(QRectF(x, 1.2, 0.32, 0.08), Qt::white);
                    p.fillRect(QRectF(x, 1.25, 0.06, 0.08), Qt::white);
                    p.fillRect(QRectF(x, 2.72, 0.32, 0.08), Qt::white);
                    p.fillRect(QRectF(x + 0.26, 2.67, 0.06, 0.08), Qt::white);
                }
                // Emblem: mirrored crescents round a central stroke.
                p.setPen(QPen(vermelho, 0.09, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(3.0, 1.5, 1.0, 1.0), 200 * 16, 160 * 16);
                p.drawArc(QRectF(3.1, 1.45, 0.8, 0.9), 210 * 16, 120 * 16);
                p.drawArc(QRectF(2.9, 1.52, 0.6, 0.86), 100 * 16, 160 * 16);
                p.drawArc(QRectF(3.5, 1.52, 0.6, 0.86), 280 * 16, 160 * 16);
                p.drawLine(QPointF(3.5, 1.45), QPointF(3.5, 2.45));
            }};
        b[QStringLiteral("USA")] = {
            QStringLiteral("Estados Unidos"), 1.9, 1, [](QPainter& p) {
                for (int i = 0; i < 13; ++i)
                    p.fillRect(QRectF(0, i / 13.0, 1.9, 1 / 13.0 + 0.002),
                               i % 2 ? QColor(Qt::white) : QColor(0xb2, 0x22, 0x34));
                const qreal cw = 0.76, ch = 7 / 13.0;
                p.fillRect(QRectF(0, 0, cw, ch), QColor(0x3c, 0x3b, 0x6e));
                QPainterPath estrelas;
                for (int linha = 0; linha < 9; ++linha) {
                    const int n = linha % 2 == 0 ? 6 : 5;
                    for (int j = 0; j < n; ++j) {
                        const qreal x = (linha % 2 == 0 ? 2 * j + 1 : 2 * j + 2) * cw / 12;
                        estrelas.addPath(
                            estrela(QPointF(x, (linha + 1) * ch / 10), 0.0308, 0.0118, 5));
                    }
                }
                preenche(p, estrelas, Qt::white);
            }};
        b[QStringLiteral("WAL")] = {QStringLiteral("País de Gales"), 5, 3, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 5, 1.5), Qt::white);
                                        p.fillRect(QRectF(0, 1.5, 5, 1.5),
                                                   QColor(0x00, 0xb1, 0x40));
                                        dragao(p);
                                    }};
        b[QStringLiteral("ARG")] = {
            QStringLiteral("Argentina"), 3, 2, [](QPainter& p) {
                const QColor celeste(0x74, 0xac, 0xdf);
                faixasH(p, 3, 2, {{celeste, 1}, {Qt::white, 1}, {celeste, 1}});
                solDeMaio(p, QPointF(1.5, 1.0), 0.12, 32);
            }};
        b[QStringLiteral("KSA")] = {QStringLiteral("Arábia Saudita"), 3, 2, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 3, 2), QColor(0x00, 0x6c, 0x35));
                                        escritaEEspada(p);
                                    }};
        b[QStringLiteral("MEX")] = {QStringLiteral("México"), 7, 4, [](QPainter& p) {
                                        faixasV(p, 7, 4,
                                                {{QColor(0x00, 0x68, 0x47), 1},
                                                 {Qt::white, 1},
                                                 {QColor(0xce, 0x11, 0x26), 1}});
                                        // Eagle on a cactus over a wreath.
                                        p.setPen(QPen(QColor(0x3a, 0x6b, 0x2a), 0.1));
                                        p.setBrush(Qt::NoBrush);
                                        p.drawArc(QRectF(2.85, 1.2, 1.3, 1.6), 200 * 16, 140 * 16);
                                        p.setPen(Qt::NoPen);
                                        p.setBrush(QColor(0x4e, 0x8f, 0x3a));
                                        p.drawEllipse(QRectF(3.3, 2.15, 0.4, 0.3));
                                        p.drawEllipse(QRectF(3.1, 2.0, 0.3, 0.25));
                                        p.drawEllipse(QRectF(3.6, 2.0, 0.3, 0.25));
                                        QPainterPath aguia;
                                        aguia.moveTo(3.2, 2.05);
                                        aguia.quadTo(3.0, 1.6, 3.2, 1.35);
                                        aguia.lineTo(3.45, 1.55);
                                        aguia.quadTo(3.55, 1.3, 3.75, 1.4);
                                        aguia.lineTo(3.9, 1.3);
                                        aguia.quadTo(3.95, 1.8, 3.75, 2.05);
                                        aguia.closeSubpath();
                                        preenche(p, aguia, QColor(0x7b, 0x4a, 0x1e));
                                        p.setBrush(QColor(0xc8, 0x9b, 0x3c));
                                        p.drawEllipse(QPointF(3.78, 1.45), 0.08, 0.07);
                                    }};
        b[QStringLiteral("POL")] = {
            QStringLiteral("Polônia"), 8, 5, [](QPainter& p) {
                faixasH(p, 8, 5, {{Qt::white, 1}, {QColor(0xdc, 0x14, 0x3c), 1}});
            }};
        b[QStringLiteral("FRA")] = {QStringLiteral("França"), 3, 2, [](QPainter& p) {
                                        faixasV(p, 3, 2,
                                                {{QColor(0x00, 0x23, 0x95), 1},
                                                 {Qt::white, 1},
                                                 {QColor(0xed, 0x29, 0x39), 1}});
                                    }};
        b[QStringLiteral("AUS")] = {
            QStringLiteral("Austrália"), 2, 1, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 2, 1), QColor(0x01, 0x21, 0x69));
                unionJack(p, 1, 0.5);
                QPainterPath e;
                e.addPath(estrela(QPointF(0.5, 0.75), 0.15, 0.065, 7));
                e.addPath(estrela(QPointF(1.5, 0.8333), 0.0667, 0.029, 7));
                e.addPath(estrela(QPointF(1.5, 0.1667), 0.0667, 0.029, 7));
                e.addPath(estrela(QPointF(1.2, 0.4), 0.0667, 0.029, 7));
                e.addPath(estrela(QPointF(1.733, 0.3667), 0.0667, 0.029, 7));
                e.addPath(estrela(QPointF(1.6167, 0.5333), 0.0417, 0.018, 5));
                preenche(p, e, Qt::white);
            }};
        b[QStringLiteral("DEN")] = {QStringLiteral("Dinamarca"), 37, 28, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 37, 28), QColor(0xc8, 0x10, 0x2e));
                                        p.fillRect(QRectF(12, 0, 4, 28), Qt::white);
                                        p.fillRect(QRectF(0, 12, 37, 4), Qt::white);
                                    }};
        b[QStringLiteral("TUN")] = {QStringLiteral("Tunísia"), 3, 2, [](QPainter& p) {
                                        const QColor v(0xe7, 0x00, 0x13);
                                        p.fillRect(QRectF(0, 0, 3, 2), v);
                                        p.setPen(Qt::NoPen);
                                        p.setBrush(Qt::white);
                                        p.drawEllipse(QPointF(1.5, 1), 0.5, 0.5);
                                        p.save();
                                        p.scale(0.01, 0.01);
                                        QPainterPath lua;
                                        lua.addEllipse(QPointF(150, 100), 37.5, 37.5);
                                        QPainterPath corte;
                                        corte.addEllipse(QPointF(159.4, 100), 30, 30);
                                        preenche(p, lua.subtracted(corte), v);
                                        p.restore();
                                        preenche(p, estrela(QPointF(1.58, 1), 0.225, 0.09, 5, 180),
                                                 v);
                                    }};
        b[QStringLiteral("ESP")] = {
            QStringLiteral("Espanha"), 3, 2, [](QPainter& p) {
                const QColor vermelho(0xaa, 0x15, 0x1b), amarelo(0xf1, 0xbf, 0x00);
                faixasH(p, 3, 2, {{vermelho, 1}, {amarelo, 2}, {vermelho, 1}});
                // Arms towards the hoist: crowned quartered shield between two pillars.
                const QRectF s(0.82, 0.78, 0.36, 0.46);
                QPainterPath contorno = escudo(s);
                p.save();
                p.setClipPath(contorno);
                p.fillRect(QRectF(s.left(), s.top(), s.width() / 2, s.height() / 2), vermelho);
                p.fillRect(QRectF(s.center().x(), s.top(), s.width() / 2, s.height() / 2),
                           QColor(0xf5, 0xf0, 0xe0));
                p.fillRect(QRectF(s.left(), s.center().y(), s.width() / 2, s.height() / 2),
                           QColor(0xf5, 0xf0, 0xe0));
                p.fillRect(QRectF(s.center().x(), s.center().y(), s.width() / 2, s.height() / 2),
                           QColor(0xd8, 0x2b, 0x2b));
                p.restore();
                p.setPen(QPen(QColor(0x6b, 0x4b, 0x00), 0.02));
                p.setBrush(Qt::NoBrush);
                p.drawPath(contorno);
                coroa(p, QRectF(0.86, 0.62, 0.28, 0.14), QColor(0xe8, 0xb4, 0x20));
                p.setPen(QPen(QColor(0x6b, 0x4b, 0x00), 0.015));
                p.setBrush(QColor(0xe0, 0xe0, 0xe0));
                p.drawRect(QRectF(0.68, 0.8, 0.07, 0.46));
                p.drawRect(QRectF(1.25, 0.8, 0.07, 0.46));
            }};
        b[QStringLiteral("CRC")] = {
            QStringLiteral("Costa Rica"), 5, 3, [](QPainter& p) {
                const QColor azul(0x00, 0x2b, 0x7f);
                faixasH(p, 5, 3,
                        {{azul, 1},
                         {Qt::white, 1},
                         {QColor(0xce, 0x11, 0x26), 2},
                         {Qt::white, 1},
                         {azul, 1}});
                p.setPen(QPen(QColor(0xd4, 0xa0, 0x17), 0.04));
                p.setBrush(Qt::white);
                p.drawEllipse(QPointF(1.55, 1.5), 0.3, 0.36);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x29, 0x6e, 0xc4));
                p.drawChord(QRectF(1.29, 1.18, 0.52, 0.64), 180 * 16, 180 * 16);
                p.setBrush(QColor(0x2e, 0x8b, 0x3e));
                p.drawPolygon(QPolygonF{QPointF(1.3, 1.55), QPointF(1.45, 1.3), QPointF(1.55, 1.45),
                                        QPointF(1.65, 1.28), QPointF(1.8, 1.55)});
            }};
        b[QStringLiteral("GER")] = {QStringLiteral("Alemanha"), 5, 3, [](QPainter& p) {
                                        faixasH(p, 5, 3,
                                                {{Qt::black, 1},
                                                 {QColor(0xdd, 0x00, 0x00), 1},
                                                 {QColor(0xff, 0xce, 0x00), 1}});
                                    }};
        b[QStringLiteral("JPN")] = {QStringLiteral("Japão"), 3, 2, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 3, 2), Qt::white);
                                        p.setPen(Qt::NoPen);
                                        p.setBrush(QColor(0xbc, 0x00, 0x2d));
                                        p.drawEllipse(QPointF(1.5, 1), 0.6, 0.6);
                                    }};
        b[QStringLiteral("BEL")] = {QStringLiteral("Bélgica"), 15, 13, [](QPainter& p) {
                                        faixasV(p, 15, 13,
                                                {{Qt::black, 1},
                                                 {QColor(0xfd, 0xda, 0x24), 1},
                                                 {QColor(0xef, 0x33, 0x40), 1}});
                                    }};
        b[QStringLiteral("CAN")] = {QStringLiteral("Canadá"), 2, 1, [](QPainter& p) {
                                        const QColor v(0xd8, 0x06, 0x21);
                                        faixasV(p, 2, 1, {{v, 1}, {Qt::white, 2}, {v, 1}});
                                        preenche(p, folhaDeBordo(QPointF(1, 0.5), 0.8), v);
                                    }};
        b[QStringLiteral("MAR")] = {QStringLiteral("Marrocos"), 3, 2, [](QPainter& p) {
                                        p.fillRect(QRectF(0, 0, 3, 2), QColor(0xc1, 0x27, 0x2d));
                                        QPolygonF v;
                                        for (int i = 0; i < 5; ++i) {
                                            const qreal a = qDegreesToRadians(-90 + i * 144.0);
                                            v << QPointF(1.5 + 0.42 * qCos(a),
                                                         1.03 + 0.42 * qSin(a));
                                        }
                                        v << v.first();
                                        p.setPen(QPen(QColor(0x00, 0x62, 0x33), 0.07, Qt::SolidLine,
                                                      Qt::FlatCap, Qt::MiterJoin));
                                        p.setBrush(Qt::NoBrush);
                                        p.drawPolyline(v);
                                    }};
        b[QStringLiteral("CRO")] = {
            QStringLiteral("Croácia"), 2, 1, [](QPainter& p) {
                const QColor vermelho(0xff, 0x00, 0x00);
                faixasH(p, 2, 1, {{vermelho, 1}, {Qt::white, 1}, {QColor(0x17, 0x17, 0x96), 1}});
                // Chequered shield of 5 x 5 squares, red first, under a crown of five small
                // shields.
                const QRectF s(0.83, 0.3, 0.34, 0.45);
                const QPainterPath contorno = escudo(s);
                p.save();
                p.setClipPath(contorno);
                p.fillRect(s, Qt::white);
                const qreal lado = s.width() / 5;
                for (int i = 0; i < 5; ++i)
                    for (int j = 0; j < 6; ++j)
                        if ((i + j) % 2 == 0)
                            p.fillRect(QRectF(s.left() + i * lado, s.top() + j * lado, lado, lado),
                                       vermelho);
                p.restore();
                p.setPen(QPen(vermelho, 0.012));
                p.setBrush(Qt::NoBrush);
                p.drawPath(contorno);
                const QColor coroa[] = {QColor(0x2a, 0x6e, 0xbb), QColor(0x16, 0x1f, 0x6e),
                                        QColor(0x2a, 0x6e, 0xbb), QColor(0x16, 0x1f, 0x6e),
                                        QColor(0xe8, 0x1c, 0x24)};
                for (int i = 0; i < 5; ++i) {
                    const qreal x = s.left() + i * s.width() / 5;
                    const qreal y = s.top() - 0.075 -
                                    (i == 2               ? 0.02
                                     : (i == 1 || i == 3) ? 0.01
                                                          : 0);
                    p.setPen(QPen(vermelho, 0.008));
                    p.setBrush(coroa[i]);
                    p.drawPath(escudo(QRectF(x + 0.004, y, s.width() / 5 - 0.008, 0.075)));
                }
            }};
        b[QStringLiteral("BRA")] = {
            QStringLiteral("Brasil"), 20, 14, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 20, 14), QColor(0x00, 0x9c, 0x3b));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xff, 0xdf, 0x00));
                p.drawPolygon(QPolygonF{QPointF(1.7, 7), QPointF(10, 1.7), QPointF(18.3, 7),
                                        QPointF(10, 12.3)});
                QPainterPath globo;
                globo.addEllipse(QPointF(10, 7), 3.5, 3.5);
                preenche(p, globo, QColor(0x00, 0x27, 0x76));
                // The band: arcs centred 2 modules left of the foot of the vertical diameter.
                QPainterPath fora, dentro;
                fora.addEllipse(QPointF(8, 14), 8.5, 8.5);
                dentro.addEllipse(QPointF(8, 14), 8, 8);
                preenche(p, fora.subtracted(dentro).intersected(globo), Qt::white);
                // The motto as small green marks along the band.
                p.setPen(QPen(QColor(0x00, 0x9c, 0x3b), 0.22, Qt::SolidLine, Qt::FlatCap));
                for (int i = 0; i < 15; ++i) {
                    if (i == 5 || i == 7)
                        continue;
                    const qreal a = qDegreesToRadians(-118.0 + i * 3.7);
                    const QPointF c(8 + 8.25 * qCos(a), 14 + 8.25 * qSin(a));
                    const QPointF t(-qSin(a) * 0.11, qCos(a) * 0.11);
                    p.drawLine(c - t, c + t);
                }
                // Stars: Spica above the band, the rest below.
                QPainterPath estrelas;
                const qreal pos[][3] = {{9.2, 4.5, 0.2},   {10.6, 8.3, 0.2},  {10.2, 9.6, 0.18},
                                        {11.0, 9.9, 0.14}, {9.8, 8.9, 0.12},  {8.2, 8.6, 0.18},
                                        {7.6, 9.3, 0.14},  {8.6, 10.0, 0.12}, {11.8, 8.4, 0.16},
                                        {12.4, 9.0, 0.14}, {12.0, 7.8, 0.12}, {9.0, 7.5, 0.12},
                                        {7.3, 8.0, 0.12},  {10.3, 10.3, 0.1}, {12.9, 8.2, 0.1}};
                for (const auto& e : pos)
                    estrelas.addPath(estrela(QPointF(e[0], e[1]), e[2], e[2] * 0.42, 5));
                preenche(p, estrelas, Qt::white);
            }};
        b[QStringLiteral("SRB")] = {
            QStringLiteral("Sérvia"), 3, 2, [](QPainter& p) {
                faixasH(
                    p, 3, 2,
                    {{QColor(0xc6, 0x36, 0x3c), 1}, {QColor(0x0c, 0x40, 0x76), 1}, {Qt::white, 1}});
                // Arms towards the hoist: white two-headed eagle behind a red shield with a cross.
                const QPointF c(1.05, 1.0);
                QPainterPath asas;
                asas.moveTo(c.x(), c.y() - 0.25);
                asas.lineTo(c.x() - 0.34, c.y() - 0.42);
                asas.lineTo(c.x() - 0.3, c.y() + 0.2);
                asas.lineTo(c.x(), c.y() + 0.42);
                asas.lineTo(c.x() + 0.3, c.y() + 0.2);
                asas.lineTo(c.x() + 0.34, c.y() - 0.42);
                asas.closeSubpath();
                p.setPen(QPen(QColor(0x90, 0x80, 0x60), 0.015));
                p.setBrush(Qt::white);
                p.drawPath(asas);
                const QRectF s(c.x() - 0.14, c.y() - 0.17, 0.28, 0.36);
                p.setBrush(QColor(0xc6, 0x36, 0x3c));
                p.drawPath(escudo(s));
                p.fillRect(QRectF(c.x() - 0.025, s.top() + 0.04, 0.05, 0.26), Qt::white);
                p.fillRect(QRectF(s.left() + 0.04, c.y() - 0.03, 0.2, 0.05), Qt::white);
                coroa(p, QRectF(c.x() - 0.16, c.y() - 0.5, 0.32, 0.15), QColor(0xe0, 0xb0, 0x30));
            }};
        b[QStringLiteral("SUI")] = {
            QStringLiteral("Suíça"), 1, 1, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 1, 1), QColor(0xda, 0x29, 0x1c));
                p.fillRect(QRectF(13 / 32.0, 6 / 32.0, 6 / 32.0, 20 / 32.0), Qt::white);
                p.fillRect(QRectF(6 / 32.0, 13 / 32.0, 20 / 32.0, 6 / 32.0), Qt::white);
            }};
        b[QStringLiteral("CMR")] = {
            QStringLiteral("Camarões"), 3, 2, [](QPainter& p) {
                const QColor amarelo(0xfc, 0xd1, 0x16);
                faixasV(
                    p, 3, 2,
                    {{QColor(0x00, 0x7a, 0x5e), 1}, {QColor(0xce, 0x11, 0x26), 1}, {amarelo, 1}});
                preenche(p, estrela(QPointF(1.5, 1.03), 0.32, 0.128, 5), amarelo);
            }};
        b[QStringLiteral("POR")] = {
            QStringLiteral("Portugal"), 3, 2, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 1.2, 2), QColor(0x00, 0x66, 0x00));
                p.fillRect(QRectF(1.2, 0, 1.8, 2), QColor(0xff, 0x00, 0x00));
                // Armillary sphere with the shield over the border of the colours.
                const QPointF c(1.2, 1.0);
                const QColor ouro(0xff, 0xe0, 0x00);
                p.setPen(QPen(ouro, 0.05));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(c, 0.4, 0.4);
                p.setPen(QPen(ouro, 0.035));
                p.drawEllipse(c, 0.4, 0.14);
                p.drawLine(c - QPointF(0.4, 0.12), c + QPointF(0.4, -0.12));
                p.drawLine(c - QPointF(0.4, -0.15), c + QPointF(0.4, 0.15));
                const QRectF s(c.x() - 0.2, c.y() - 0.23, 0.4, 0.48);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xff, 0x00, 0x00));
                p.drawPath(escudo(s));
                p.setBrush(Qt::white);
                p.drawPath(escudo(s.adjusted(0.065, 0.065, -0.065, -0.065)));
                p.setBrush(QColor(0x00, 0x38, 0x97));
                for (const QPointF d : {QPointF(0, -0.09), QPointF(-0.07, 0), QPointF(0, 0),
                                        QPointF(0.07, 0), QPointF(0, 0.09)})
                    p.drawRect(QRectF(c.x() + d.x() - 0.025, c.y() + d.y() - 0.03, 0.05, 0.06));
                p.setBrush(ouro);
                for (int i = 0; i < 7; ++i) {
                    const qreal a = qDegreesToRadians(-90 + i * 51.4);
                    p.drawRect(QRectF(c.x() + 0.165 * qCos(a) - 0.018,
                                      c.y() + 0.2 * qSin(a) - 0.018, 0.036, 0.036));
                }
            }};
        b[QStringLiteral("GHA")] = {QStringLiteral("Gana"), 3, 2, [](QPainter& p) {
                                        faixasH(p, 3, 2,
                                                {{QColor(0xce, 0x11, 0x26), 1},
                                                 {QColor(0xfc, 0xd1, 0x16), 1},
                                                 {QColor(0x00, 0x6b, 0x3f), 1}});
                                        preenche(p, estrela(QPointF(1.5, 1.03), 0.33, 0.13, 5),
                                                 Qt::black);
                                    }};
        b[QStringLiteral("URU")] = {QStringLiteral("Uruguai"), 3, 2, [](QPainter& p) {
                                        for (int i = 0; i < 9; ++i)
                                            p.fillRect(QRectF(0, i * 2 / 9.0, 3, 2 / 9.0 + 0.005),
                                                       i % 2 ? QColor(0x00, 0x38, 0xa8)
                                                             : QColor(Qt::white));
                                        p.fillRect(QRectF(0, 0, 10 / 9.0, 10 / 9.0), Qt::white);
                                        solDeMaio(p, QPointF(5 / 9.0, 5 / 9.0), 0.16, 16);
                                    }};
        b[QStringLiteral("KOR")] = {
            QStringLiteral("Coreia do Sul"), 3, 2, [](QPainter& p) {
                p.fillRect(QRectF(0, 0, 3, 2), Qt::white);
                const qreal angulo = qRadiansToDegrees(std::atan2(2.0, 3.0));
                // Taegeuk split along the diagonal from the upper-left to the lower-right corner.
                p.save();
                p.translate(1.5, 1);
                p.rotate(angulo);
                // Built at 100x scale: path operations flatten curves to absolute tolerances.
                p.scale(0.01, 0.01);
                QPainterPath circulo;
                circulo.addEllipse(QPointF(0, 0), 50, 50);
                preenche(p, circulo, QColor(0x00, 0x47, 0xa0));
                QPainterPath metade;
                metade.moveTo(50, 0);
                metade.arcTo(QRectF(-50, -50, 100, 100), 0, 180);
                metade.closeSubpath();
                QPainterPath esq, dir;
                esq.addEllipse(QPointF(-25, 0), 25, 25);
                dir.addEllipse(QPointF(25, 0), 25, 25);
                preenche(p, metade.united(esq).subtracted(dir), QColor(0xcd, 0x2e, 0x3a));
                p.restore();
                // Trigrams on the diagonals: 1 = solid bar, 0 = broken bar.
                const struct {
                    qreal dx, dy;
                    int barras[3];
                } trigramas[] = {
                    {-1, -1, {1, 1, 1}}, {1, -1, {0, 1, 0}}, {-1, 1, {1, 0, 1}}, {1, 1, {0, 0, 0}}};
                for (const auto& t : trigramas) {
                    const qreal n = std::hypot(3.0, 2.0);
                    const QPointF eixo(t.dx * 3 / n, t.dy * 2 / n);
                    p.save();
                    p.translate(QPointF(1.5, 1) + eixo * 0.9);
                    p.rotate(qRadiansToDegrees(std::atan2(eixo.y(), eixo.x())));
                    for (int k = 0; k < 3; ++k) {
                        const qreal x = -0.125 + k * (1 / 12.0 + 1 / 24.0);
                        if (t.barras[k])
                            p.fillRect(QRectF(x, -0.25, 1 / 12.0, 0.5), Qt::black);
                        else {
                            p.fillRect(QRectF(x, -0.25, 1 / 12.0, 0.229), Qt::black);
                            p.fillRect(QRectF(x, 0.021, 1 / 12.0, 0.229), Qt::black);
                        }
                    }
                    p.restore();
                }
            }};
        return b;
    }();
    return bandeiras;
}

} // namespace

bool temBandeira(const QString& codigo)
{
    return tabela().contains(codigo.toUpper());
}

qreal proporcaoBandeira(const QString& codigo)
{
    const Bandeira& b = tabela()[codigo.toUpper()];
    return b.largura / b.altura;
}

QStringList codigosSelecoes()
{
    QStringList codigos = tabela().keys();
    codigos.sort();
    return codigos;
}

QList<QColor> coresDaBandeira(const QString& codigo)
{
    // Counted on a small rendering: the colours covering the most area, alike shades merged.
    QImage amostra(90, 60, QImage::Format_RGB32);
    amostra.fill(Qt::black);
    QPainter p(&amostra);
    bandeira(p, QRectF(amostra.rect()), codigo);
    p.end();
    QHash<QRgb, int> contagem;
    for (int y = 0; y < amostra.height(); ++y)
        for (int x = 0; x < amostra.width(); ++x)
            ++contagem[amostra.pixel(x, y)];
    QList<QPair<int, QRgb>> ordem;
    for (auto it = contagem.cbegin(); it != contagem.cend(); ++it)
        ordem.append({it.value(), it.key()});
    // Ties broken by the colour itself: the hash's order is not the same on every run.
    std::sort(ordem.begin(), ordem.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    const auto distancia = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    QList<QColor> cores;
    const int minimo = amostra.width() * amostra.height() / 40;
    for (const auto& [quantos, rgb] : ordem) {
        if (quantos < minimo || cores.size() == 3)
            break;
        const QColor cor(rgb);
        if (std::none_of(cores.cbegin(), cores.cend(),
                         [&](const QColor& c) { return distancia(c, cor) < 90; }))
            cores << cor;
    }
    return cores;
}

QString nomeSelecao(const QString& codigo)
{
    return tabela().value(codigo.toUpper()).nome;
}

void bandeira(QPainter& p, const QRectF& caixa, const QString& codigo)
{
    const auto it = tabela().constFind(codigo.toUpper());
    if (it == tabela().constEnd())
        falha(QStringLiteral("seleção desconhecida: %1").arg(codigo));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(caixa);
    p.translate(caixa.topLeft());
    p.scale(caixa.width() / it->largura, caixa.height() / it->altura);
    it->pinta(p);
    p.restore();
}

} // namespace desenho
