#pragma once

#include <QDialog>

// A window with this property set to true (the system's error report) opens over a screen
// without taking its place as the active screen.
extern const char* const kOutsideScreenOrder;

// A screen of the game: a borderless window shown centred. Its focus step runs each time it
// becomes the program's active window (when it is shown, and when a window of the program shown
// over it closes), and its leaving step each time another window of the program covers it or it
// closes. Which window is active is decided by the program itself, in the order windows are
// shown and hidden, so it does not depend on a window manager.
class Screen : public QDialog {
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    virtual void FormActivate() {}
    virtual void FormDeactivate() {}

    // Hides the screen for a while without ending its modal showing.
    void hideForAWhile();
    void setVisible(bool visible) override;

    // True from the end of the focus step to the leaving step.
    bool isActiveScreen() const { return active && settled; }

    // Held by a screen that closes to show the next one in its place: while one lives, the
    // windows that were open when it began stay behind, none of them becomes active when a
    // screen over it closes, and the top window becomes active once the hand-over ends.
    class HandOver {
    public:
        HandOver();
        ~HandOver();
        HandOver(const HandOver&) = delete;
        HandOver& operator=(const HandOver&) = delete;
    };

protected:
    void showEvent(QShowEvent* event) override;
    // A screen is not closed by Escape or Enter unless it says so itself.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ActiveWindows;
    void activate();
    void deactivate();

    bool centred = false;
    bool active = false;
    bool settled = false;
    bool keepShowing = false;
};
