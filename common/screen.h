#pragma once

#include <QDialog>

// A screen of the game: a borderless window shown centred, with a focus step that runs each
// time it becomes the program's active window after another window of the program (not when
// the player merely comes back from another program), and a step that runs when it stops
// being the active window or closes.
class Screen : public QDialog {
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    virtual void FormActivate() {}
    virtual void FormDeactivate() {}

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // A screen is not closed by Escape or Enter unless it says so itself.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void deactivate();

    bool centred = false;
    bool active = false;
};
