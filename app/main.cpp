#include "desktop_platform.h"
#include "game_application.h"

#include <QLabel>

int main(int argc, char** argv)
{
    GameApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dribolex"));
    app.setApplicationDisplayName(QStringLiteral("Dribolex 2018"));
    DesktopPlatform desktop;
    setPlatform(&desktop);

    QLabel janela(QStringLiteral("Dribolex 2018 — Qatar 2022"));
    janela.setAlignment(Qt::AlignCenter);
    janela.resize(608, 569);
    janela.show();
    return app.exec();
}
