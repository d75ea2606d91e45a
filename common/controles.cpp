#include "controles.h"

Picture* novaFigura(QWidget* parent, const QRect& geometry, const QString& arte,
                    const QString& nome)
{
    auto* p = new Picture(parent);
    p->setGeometry(geometry);
    if (!arte.isEmpty())
        p->setArt(arte);
    if (!nome.isEmpty()) {
        p->setAccessibleName(nome);
        p->setToolTip(nome);
    }
    return p;
}

Label* novoRotulo(QWidget* parent, const QRect& geometry, const QString& texto, const QColor& cor,
                  int pixels, bool negrito, const QString& familia)
{
    auto* l = new Label(texto, parent);
    l->setGeometry(geometry);
    l->setFontColor(cor);
    l->setPixelFont(pixels, negrito, familia);
    return l;
}

Panel* novoPainel(QWidget* parent, const QRect& geometry, const QColor& cor)
{
    auto* p = new Panel(parent);
    p->setGeometry(geometry);
    if (cor.isValid())
        p->setColor(cor);
    return p;
}

QPushButton* novoBotao(QWidget* parent, const QString& texto, const QRect& geometry, int pixels,
                       bool negrito, const QString& familia, const QColor& cor)
{
    auto* b = new QPushButton(texto, parent);
    b->setGeometry(geometry);
    QFont f = b->font();
    if (!familia.isEmpty())
        f.setFamily(familia);
    f.setPixelSize(pixels);
    f.setBold(negrito);
    b->setFont(f);
    b->setAutoDefault(false);
    if (cor.isValid()) {
        QPalette p = b->palette();
        p.setColor(QPalette::ButtonText, cor);
        b->setPalette(p);
    }
    return b;
}
