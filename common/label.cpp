#include "label.h"

#include <QMouseEvent>
#include <QPainter>

Label::Label(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

void Label::setFontColor(const QColor& color)
{
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::WindowText, color);
    setPalette(p);
}

QColor Label::fontColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void Label::setAutoSize(bool on)
{
    autoSize = on;
    if (autoSize)
        adjustSize();
}

void Label::setCaption(const QString& text)
{
    setText(text);
    if (autoSize)
        adjustSize();
}

void Label::setPixelFont(int pixels, bool bold, const QString& family)
{
    QFont f = font();
    if (!family.isEmpty())
        f.setFamily(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    setFont(f);
    if (autoSize)
        adjustSize();
}

void Label::setShrinkToFit(bool on)
{
    shrinkToFit = on;
    update();
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!shrinkToFit || font().pixelSize() <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect();
    const int flags = int(alignment()) | Qt::TextWordWrap;
    QFont f = font();
    while (f.pixelSize() > 8 &&
           QFontMetrics(f).boundingRect(area, flags, text()).height() > area.height())
        f.setPixelSize(f.pixelSize() - 1);
    QPainter painter(this);
    painter.setFont(f);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
