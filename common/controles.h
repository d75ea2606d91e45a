#pragma once

#include "label.h"
#include "panel.h"
#include "picture.h"

#include <QPushButton>

// The controls the screens are built of, each placed at its design geometry with its look.

// A picture showing one of the program's own pictures, when given; a name given is both what
// a screen reader says and the tooltip.
Picture* novaFigura(QWidget* parent, const QRect& geometry, const QString& arte = {},
                    const QString& nome = {});

// A label of the given colour and pixel font; an empty family keeps the screen's.
Label* novoRotulo(QWidget* parent, const QRect& geometry, const QString& texto, const QColor& cor,
                  int pixels, bool negrito = false, const QString& familia = {});

// A panel of the given fill; an invalid colour keeps the panel's own.
Panel* novoPainel(QWidget* parent, const QRect& geometry, const QColor& cor = {});

// A button that is never the default one, in the given pixel font (an empty
// family keeps the screen's) and text colour (an invalid one keeps the style's).
QPushButton* novoBotao(QWidget* parent, const QString& texto, const QRect& geometry, int pixels,
                       bool negrito, const QString& familia = {}, const QColor& cor = {});
