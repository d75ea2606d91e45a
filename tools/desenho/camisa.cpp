// A football shirt from the back: cut, pattern, cuffs and collar, the printed name, the armband.

#include "camisa.h"

#include "desenho.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace desenho {

namespace {

// The shirt is drawn on a 200 x 170 grid.
constexpr qreal kLargura = 200, kAltura = 170;

QPainterPath corpo()
{
    QPainterPath c;
    c.moveTo(72, 8);
    c.quadTo(100, 16, 128, 8);
    c.lineTo(150, 16);
    c.lineTo(150, 162);
    c.quadTo(100, 168, 50, 162);
    c.lineTo(50, 16);
    c.closeSubpath();
    return c;
}

QPainterPath manga(bool esquerda)
{
    QPainterPath m;
    m.moveTo(50, 16);
    m.lineTo(14, 34);
    m.lineTo(2, 72);
    m.lineTo(34, 84);
    m.lineTo(50, 60);
    m.closeSubpath();
    if (esquerda)
        return m;
    QTransform espelho;
    espelho.translate(kLargura, 0);
    espelho.scale(-1, 1);
    return espelho.map(m);
}

// The cuff: the last stretch of the sleeve towards its open end.
QPainterPath punho(bool esquerda)
{
    QPainterPath faixa;
    faixa.moveTo(2, 72);
    faixa.lineTo(34, 84);
    faixa.lineTo(37, 76);
    faixa.lineTo(5, 63);
    faixa.closeSubpath();
    if (esquerda)
        return faixa;
    QTransform espelho;
    espelho.translate(kLargura, 0);
    espelho.scale(-1, 1);
    return espelho.map(faixa);
}

void estampa(QPainter& p, Padrao padrao, const QColor& cor)
{
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    switch (padrao) {
    case Padrao::Liso:
        p.drawRect(QRectF(50, 0, 10, kAltura));
        p.drawRect(QRectF(140, 0, 10, kAltura));
        break;
    case Padrao::Listras:
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(50 + 10 + i * 20, 0, 10, kAltura));
        break;
    case Padrao::Aros:
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(0, 44 + i * 32, kLargura, 16));
        break;
    case Padrao::Faixa: {
        QPainterPath faixa;
        faixa.moveTo(50, 30);
        faixa.lineTo(50, 62);
        faixa.lineTo(150, 170);
        faixa.lineTo(150, 138);
        faixa.closeSubpath();
        p.drawPath(faixa);
        break;
    }
    case Padrao::Metades: p.drawRect(QRectF(100, 0, 100, kAltura)); break;
    case Padrao::Xadrez:
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 9; ++j)
                if ((i + j) % 2 == 0)
                    p.drawRect(QRectF(50 + i * 10, 6 + j * 18.2, 10, 18.2));
        break;
    case Padrao::Riscas:
        for (qreal x = 56; x < 150; x += 8)
            p.drawRect(QRectF(x, 0, 2.2, kAltura));
        break;
    case Padrao::Chevron: {
        QPainterPath v;
        v.moveTo(40, 74);
        v.lineTo(100, 112);
        v.lineTo(160, 74);
        v.lineTo(160, 96);
        v.lineTo(100, 134);
        v.lineTo(40, 96);
        v.closeSubpath();
        p.drawPath(v);
        break;
    }
    case Padrao::Ombros: {
        QPainterPath ombros;
        ombros.moveTo(0, 0);
        ombros.lineTo(kLargura, 0);
        ombros.lineTo(kLargura, 58);
        ombros.cubicTo(140, 78, 60, 78, 0, 58);
        ombros.closeSubpath();
        p.drawPath(ombros);
        break;
    }
    case Padrao::Ondas:
        for (int i = 0; i < 3; ++i) {
            QPainterPath onda;
            const qreal y = 66 + i * 34;
            onda.moveTo(40, y);
            for (int k = 0; k < 4; ++k)
                onda.cubicTo(40 + k * 30 + 10, y - 9, 40 + k * 30 + 20, y + 9, 40 + k * 30 + 30, y);
            for (int k = 3; k >= 0; --k)
                onda.cubicTo(40 + k * 30 + 20, y + 19, 40 + k * 30 + 10, y + 1, 40 + k * 30,
                             y + 10);
            onda.closeSubpath();
            p.drawPath(onda);
        }
        break;
    }
}

bool clara(const QColor& cor)
{
    return 0.299 * cor.redF() + 0.587 * cor.greenF() + 0.114 * cor.blueF() > 0.6;
}

} // namespace

void camisa(QPainter& p, const QRectF& caixa, const Camisa& c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal escala = qMin(caixa.width() / kLargura, caixa.height() / kAltura);
    p.translate(caixa.center() - QPointF(kLargura, kAltura) * escala / 2);
    p.scale(escala, escala);
    const QPainterPath tronco = corpo();
    const QPainterPath mangas = manga(true).united(manga(false));
    const QPen contorno(c.corpo.darker(250), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // A soft shadow under the shirt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(tronco.united(mangas).translated(4, 5));

    p.setBrush(c.mangas);
    p.drawPath(mangas);
    p.setBrush(c.corpo);
    p.drawPath(tronco);
    p.save();
    p.setClipPath(tronco);
    estampa(p, c.padrao, c.detalhe);
    p.restore();
    p.setBrush(c.mangas == c.detalhe ? c.corpo : c.detalhe);
    p.drawPath(punho(true));
    p.drawPath(punho(false));

    // Folds: light from the left, shade towards the right side and the hem.
    QLinearGradient dobras(0, 0, kLargura, 0);
    dobras.setColorAt(0, QColor(255, 255, 255, 50));
    dobras.setColorAt(0.45, QColor(255, 255, 255, 0));
    dobras.setColorAt(0.8, QColor(0, 0, 0, 30));
    dobras.setColorAt(1, QColor(0, 0, 0, 70));
    p.setBrush(dobras);
    p.drawPath(tronco.united(mangas));

    if (c.capitao) {
        QPainterPath faixa;
        faixa.moveTo(12, 46);
        faixa.lineTo(46, 58);
        faixa.lineTo(42, 70);
        faixa.lineTo(8, 58);
        faixa.closeSubpath();
        p.setPen(QPen(QColor(0x6a, 0x4a, 0x00), 1.2));
        p.setBrush(QColor(0xf5, 0xd0, 0x20));
        p.drawPath(faixa);
        p.save();
        p.translate(27, 58);
        p.rotate(19);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.setFont(fonteDestaque(14));
        p.drawText(QRectF(-8, -8, 16, 16), Qt::AlignCenter, QStringLiteral("C"));
        p.restore();
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(contorno);
    p.drawPath(tronco.united(mangas));
    // The back of the collar.
    p.setPen(QPen(c.detalhe == c.corpo ? c.corpo.darker(160) : c.detalhe, 5, Qt::SolidLine,
                  Qt::RoundCap));
    QPainterPath gola;
    gola.moveTo(74, 10);
    gola.quadTo(100, 18, 126, 10);
    p.drawPath(gola);

    // The name across the shoulders, as large as fits.
    const QString nome = c.nome.toUpper();
    QFont f = fonteDestaque(30);
    while (f.pixelSize() > 12 && QFontMetricsF(f).horizontalAdvance(nome) > 88)
        f.setPixelSize(f.pixelSize() - 1);
    const bool fundoClaro = clara(c.corpo);
    textoContornado(p, QRectF(50, 22, 100, 36), nome, f,
                    fundoClaro ? QColor(0x14, 0x1c, 0x30) : QColor(Qt::white),
                    fundoClaro ? QColor(255, 255, 255, 200) : QColor(0, 0, 0, 150), 1.6,
                    Qt::AlignCenter);
    p.restore();
}

} // namespace desenho
