#include "panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void drawBevel(QPainter& p, QRect& r, Panel::Bevel bevel, int width)
{
    if (bevel == Panel::Bevel::None)
        return;
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor& topLeft = bevel == Panel::Bevel::Raised ? light : dark;
    const QColor& bottomRight = bevel == Panel::Bevel::Raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

Panel::Panel(QWidget* parent)
    : QWidget(parent)
{
}

void Panel::setColor(const QColor& color)
{
    fill = color;
    update();
}

void Panel::setBevelOuter(Bevel value)
{
    outer = value;
    update();
}

void Panel::setBevelInner(Bevel value)
{
    inner = value;
    update();
}

void Panel::setBevelWidth(int width)
{
    bevel = width;
    update();
}

void Panel::setBorderWidth(int width)
{
    border = width;
    update();
}

void Panel::setSingleBorder(bool on)
{
    single = on;
    update();
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fill);
    QRect r = rect();
    if (single) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    drawBevel(p, r, outer, bevel);
    r.adjust(border, border, -border, -border);
    drawBevel(p, r, inner, bevel);
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
