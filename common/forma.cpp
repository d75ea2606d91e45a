#include "forma.h"

#include <QPainter>

Forma::Forma(QWidget* parent, const QRect& geometria, Tipo tipoDaForma, const QColor& preenchimento,
             const QColor& corCaneta, int largura)
    : QWidget(parent)
    , tipo(tipoDaForma)
    , caneta(corCaneta)
    , larguraCaneta(largura)
{
    setGeometry(geometria);
    cheia = preenchimento.isValid();
    if (cheia)
        pintaForma(this, preenchimento);
}

void Forma::pintaForma(QWidget* forma, const QColor& cor)
{
    QPalette p = forma->palette();
    p.setColor(QPalette::Window, cor);
    forma->setPalette(p);
    forma->update();
}

void Forma::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, tipo == Tipo::Circulo);
    const qreal meia = larguraCaneta / 2.0;
    const QRectF area = QRectF(rect()).adjusted(meia, meia, -meia, -meia);
    painter.setBrush(cheia ? palette().color(QPalette::Window) : QColor(Qt::transparent));
    if (larguraCaneta > 0)
        painter.setPen(QPen(caneta, larguraCaneta, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    if (tipo == Tipo::Circulo)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}

void Forma::mousePressEvent(QMouseEvent*)
{
    if (aoPressionar)
        aoPressionar();
}
