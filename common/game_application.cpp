#include "game_application.h"

#include "game_error.h"
#include "platform.h"

GameApplication::GameApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool GameApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const GameError& error) {
        if (!error.alreadyShown())
            platform().reportError(error.text());
    } catch (const std::exception& error) {
        platform().reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        platform().reportError(QStringLiteral("Ocorreu um erro inesperado."));
    }
    return false;
}
