#include "modal_driver.h"

#include "common/screen.h"

#include <QApplication>
#include <QWidget>

namespace {
// How long a window nobody expects may stay up before the driver closes it: a step's action
// may still be on its way to opening the expected one.
constexpr int kGraceMs = 1000;
} // namespace

ModalDriver::ModalDriver(int limitMs)
    : limit(limitMs)
{
    clock.start();
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
    timer.start();
}

void ModalDriver::when(const QString& screen, std::function<void(QWidget*)> action)
{
    steps.push_back({screen, std::move(action)});
}

void ModalDriver::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (clock.elapsed() > limit) {
        if (modal) {
            failures << QStringLiteral("still open after the time limit: ") + modal->objectName();
            modal->close();
        }
        return;
    }
    if (!modal || pending)
        return;
    if (const auto* screen = qobject_cast<Screen*>(modal); screen && !screen->isActiveScreen())
        return;
    if (steps.empty() || steps.front().screen != modal->objectName()) {
        if (!unexpected.isValid()) {
            unexpected.start();
        } else if (unexpected.elapsed() > kGraceMs) {
            failures << QStringLiteral("unexpected window: ") + modal->objectName();
            modal->close();
            unexpected.invalidate();
        }
        return;
    }
    unexpected.invalidate();
    auto action = std::move(steps.front().action);
    steps.pop_front();
    // Acting from a timer of its own lets an action open a further modal window while this
    // driver goes on polling.
    pending = true;
    QTimer::singleShot(0, modal, [this, action = std::move(action), modal] {
        pending = false;
        action(modal);
    });
}
