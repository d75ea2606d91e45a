#include "screen.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace {

// The program's last two focus windows, so that coming back from another program (the same
// window again) can be told apart from coming back from another window of the program.
QPointer<QWindow> currentFocus;
QPointer<QWindow> previousFocus;

void trackFocus()
{
    static const bool connected = [] {
        QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, [](QWindow* window) {
            if (!window || window == currentFocus)
                return;
            previousFocus = currentFocus;
            currentFocus = window;
        });
        return true;
    }();
    Q_UNUSED(connected);
}

} // namespace

Screen::Screen(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    trackFocus();
}

void Screen::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        const bool backFromOutside = active && previousFocus == windowHandle();
        if (!backFromOutside) {
            active = true;
            FormActivate();
        }
    } else if (active && QGuiApplication::focusWindow()) {
        deactivate();
    }
}

void Screen::deactivate()
{
    active = false;
    FormDeactivate();
}

void Screen::showEvent(QShowEvent* event)
{
    if (!centred) {
        centred = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = geometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void Screen::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (active)
        deactivate();
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
