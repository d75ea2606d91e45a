#include "desktop_platform.h"
#include "game_application.h"
#include "tf_jogo.h"
#include "tf_prin.h"

int main(int argc, char** argv)
{
    GameApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dribolex"));
    app.setApplicationDisplayName(QStringLiteral("Dribolex 2018"));
    DesktopPlatform desktop;
    setPlatform(&desktop);

    fPrin = new TfPrin;
    fJogo = new TfJogo;
    fJogo->NomeJogador = QStringLiteral("Torcedor");
    platform().showModal(*fJogo);
    delete fJogo;
    delete fPrin;
    return 0;
}
