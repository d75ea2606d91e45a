#pragma once

#include <QWidget>

// A panel with the bevelled frames of the game's screens: an outer and an inner bevel (none,
// lowered or raised) of a given width, an optional single black border and a fill colour. Its
// font colour is the colour its labels take.
class Panel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Lowered, Raised };

    explicit Panel(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return fill; }
    void setFontColor(const QColor& color) { textColor = color; }
    QColor fontColor() const { return textColor; }

    void setBevelOuter(Bevel bevel);
    Bevel bevelOuter() const { return outer; }
    void setBevelInner(Bevel bevel);
    void setBevelWidth(int width);
    void setBorderWidth(int width);
    void setSingleBorder(bool on);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor fill = Qt::lightGray;
    QColor textColor = Qt::black;
    Bevel outer = Bevel::Raised;
    Bevel inner = Bevel::None;
    int bevel = 1;
    int border = 0;
    bool single = false;
};
