#pragma once

#include <QPixmap>
#include <QWidget>

// A picture control: shows its picture stretched over the whole control, paints nothing else
// (so what lies behind shows through), carries an integer tag and reports clicks.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(QWidget* parent = nullptr);

    // Loads a picture file; throws GameError when it cannot be read.
    void load(const QString& path);
    // Shows one of the program's own pictures, decoded only when first painted, at the size it
    // is painted, and shared with every control that paints it at that size.
    void setArt(const QString& path);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return picture; }
    QString fileName() const { return file; }

    int tag() const { return tagValue; }
    void setTag(int value) { tagValue = value; }

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture;
    QString file;
    bool art = false;
    int tagValue = 0;
};
