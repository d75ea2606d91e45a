#include "desktop_platform.h"
#include "game_application.h"
#include "inicio.h"
#include "recursos.h"
#include "tf_prin.h"

int main(int argc, char** argv)
{
    GameApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dribolex"));
    app.setApplicationDisplayName(QStringLiteral("Dribolex 2018"));
    carregaFontes();
    app.setFont(QFont(fonteTexto()));
    app.setWindowIcon(QIcon(caminhoArte(u"icone.png")));
    DesktopPlatform desktop;
    setPlatform(&desktop);

    CriaTelas();
    fPrin->show();
    const int resultado = app.exec();
    DestroiTelas();
    LinkPropaganda.clear();
    return resultado;
}
