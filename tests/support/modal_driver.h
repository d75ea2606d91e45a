#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

// Drives the real modal windows of a flow: each step waits until the named screen is the
// active modal window and has run its focus step, then acts on it. Anything left open past
// the time limit, or a window nobody expected, is closed and reported, so no test can hang.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(int limitMs = 20000);

    void when(const QString& screen, std::function<void(QWidget*)> action);
    bool finished() const { return steps.empty(); }

    QStringList failures;

private:
    void poll();

    struct Step {
        QString screen;
        std::function<void(QWidget*)> action;
    };
    std::deque<Step> steps;
    QTimer timer;
    QElapsedTimer clock;
    QElapsedTimer unexpected;
    int limit;
    bool pending = false;
};
