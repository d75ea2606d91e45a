#include "label.h"

#include <QMouseEvent>

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

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}
