#include "screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

const char* const kOutsideScreenOrder = "foraDaOrdemDasTelas";

// The program's windows in the order they were shown: the last one is the active window.
class ActiveWindows : public QObject {
public:
    static ActiveWindows& instance()
    {
        static ActiveWindows* windows = [] {
            auto* w = new ActiveWindows;
            qApp->installEventFilter(w);
            return w;
        }();
        return *windows;
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
            return false;
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow())
            return false;
        const Qt::WindowType type = widget->windowType();
        if ((type != Qt::Window && type != Qt::Dialog) ||
            widget->property(kOutsideScreenOrder).toBool())
            return false;
        if (event->type() == QEvent::Show)
            shown(widget);
        else
            hidden(widget);
        return false;
    }

    void beginHandOver()
    {
        if (handOvers++ == 0) {
            stack.removeAll(nullptr);
            held = stack;
        }
    }

    void endHandOver()
    {
        if (--handOvers > 0)
            return;
        held.clear();
        stack.removeAll(nullptr);
        if (!stack.isEmpty())
            activateLater(stack.last());
    }

private:
    void shown(QWidget* window)
    {
        stack.removeAll(nullptr);
        if (stack.contains(window))
            return;
        if (!stack.isEmpty())
            leave(stack.last());
        stack.append(window);
        activateLater(window);
    }

    void hidden(QWidget* window)
    {
        stack.removeAll(nullptr);
        const bool wasTop = !stack.isEmpty() && stack.last() == window;
        stack.removeAll(window);
        leave(window);
        if (wasTop && !stack.isEmpty())
            activateLater(stack.last());
    }

    static void leave(QWidget* window)
    {
        if (auto* screen = qobject_cast<Screen*>(window); screen && screen->active)
            screen->deactivate();
    }

    // The focus step runs once the window is up and its modal loop, if any, is running.
    void activateLater(QWidget* window)
    {
        auto* screen = qobject_cast<Screen*>(window);
        if (!screen)
            return;
        QTimer::singleShot(0, screen, [this, screen] {
            if (!stack.isEmpty() && stack.last() == screen && !screen->active &&
                screen->isVisible() && !held.contains(screen))
                screen->activate();
        });
    }

    QList<QPointer<QWidget>> stack;
    // The windows kept behind by the hand-overs under way.
    QList<QPointer<QWidget>> held;
    int handOvers = 0;
};

Screen::Screen(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    ActiveWindows::instance();
}

Screen::HandOver::HandOver()
{
    ActiveWindows::instance().beginHandOver();
}

Screen::HandOver::~HandOver()
{
    ActiveWindows::instance().endHandOver();
}

void Screen::activate()
{
    active = true;
    raise();
    activateWindow();
    FormActivate();
    settled = active;
}

void Screen::deactivate()
{
    active = false;
    settled = false;
    FormDeactivate();
}

void Screen::hideForAWhile()
{
    keepShowing = true;
    hide();
    keepShowing = false;
}

void Screen::setVisible(bool visible)
{
    // QDialog ends its modal loop when it hides; a screen hidden for a while must not.
    if (!visible && keepShowing)
        QWidget::setVisible(false);
    else
        QDialog::setVisible(visible);
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

void Screen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
