#pragma once

#include <QLabel>

// A label of the game's screens: transparent, plain text, a font colour that stays the same when
// its panel is disabled, an optional size that follows its text, a tag and a click signal.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(const QString& text = {}, QWidget* parent = nullptr);

    void setFontColor(const QColor& color);
    QColor fontColor() const;
    // The label takes the size of its text whenever the text changes.
    void setAutoSize(bool on);
    void setCaption(const QString& text);
    void setPixelFont(int pixels, bool bold = false, const QString& family = {});
    // A word-wrapped text too long for the label is drawn smaller instead of being cut.
    void setShrinkToFit(bool on);

    int tag() const { return tagValue; }
    void setTag(int value) { tagValue = value; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool autoSize = false;
    bool shrinkToFit = false;
    int tagValue = 0;
};
