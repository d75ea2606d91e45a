#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

// A drawn shape: a rectangle or a circle, filled with the palette's window colour unless it has
// no fill, outlined with a pen drawn inside its bounds.
class Forma : public QWidget {
public:
    enum class Tipo { Retangulo, Circulo };

    Forma(QWidget* parent, const QRect& geometria, Tipo tipoDaForma, const QColor& preenchimento,
          const QColor& corCaneta, int largura);

    static void pintaForma(QWidget* forma, const QColor& cor);

    // Reports a press of any mouse button.
    std::function<void()> aoPressionar;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    Tipo tipo;
    QColor caneta;
    int larguraCaneta;
    bool cheia = false;
};
