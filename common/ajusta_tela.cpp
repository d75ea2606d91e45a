#include "ajusta_tela.h"

#include "platform.h"

#include <QWidget>

int LarguraBase = 0;

namespace {

int mulDiv(int value, int numerator, int denominator)
{
    const qint64 product = qint64(value) * numerator;
    const qint64 half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

void scaleFont(QWidget& widget, int numerator, int denominator)
{
    if (!widget.testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget.font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, mulDiv(font.pixelSize(), numerator, denominator)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * numerator / denominator);
    widget.setFont(font);
}

} // namespace

void scaleScreen(QWidget& screen, int numerator, int denominator)
{
    const auto children = screen.findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        const QRect g = child->geometry();
        child->setGeometry(
            mulDiv(g.x(), numerator, denominator), mulDiv(g.y(), numerator, denominator),
            mulDiv(g.width(), numerator, denominator), mulDiv(g.height(), numerator, denominator));
        scaleFont(*child, numerator, denominator);
    }
    scaleFont(screen, numerator, denominator);
    screen.resize(mulDiv(screen.width(), numerator, denominator),
                  mulDiv(screen.height(), numerator, denominator));
}

int fontSizeForMonitor(int monitorWidth)
{
    if (monitorWidth >= 600 && monitorWidth <= 700)
        return 7;
    if (monitorWidth >= 701 && monitorWidth <= 850)
        return 8;
    if (monitorWidth >= 851 && monitorWidth <= 1200)
        return 10;
    return 11;
}

void AjustaTela(QWidget& tela)
{
    scaleScreen(tela, LarguraBase, 1280);
    platform().processEvents();
    QFont font = tela.font();
    font.setPointSize(fontSizeForMonitor(platform().screenWidth()));
    tela.setFont(font);
}
