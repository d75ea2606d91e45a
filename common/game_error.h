#pragma once

#include <QString>

#include <stdexcept>

// An error that ends the event handler it happens in. The application shows its text in the
// default error report, unless the code that threw it has already shown a box of its own.
class GameError : public std::runtime_error {
public:
    explicit GameError(const QString& text, bool alreadyShown = false)
        : std::runtime_error(text.toStdString())
        , shown(alreadyShown)
    {
    }

    QString text() const { return QString::fromStdString(what()); }
    bool alreadyShown() const { return shown; }

private:
    bool shown;
};
