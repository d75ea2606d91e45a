#pragma once

#include <QApplication>

// The application object: an error that escapes an event handler is shown in the default error
// report and the program goes on with the next event.
class GameApplication : public QApplication {
public:
    GameApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
