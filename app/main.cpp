#include "common/desktop_platform.h"
#include "common/game_application.h"
#include "common/pastas.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "data/pasta_usuario.h"
#include "inicio.h"
#include "tf_prin.h"

#include <QDir>

int main(int argc, char** argv)
{
    GameApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dribolex"));
    app.setApplicationDisplayName(QStringLiteral("Dribolex 2018"));
    carregaFontes();
    app.setFont(QFont(fonteTexto()));
    app.setWindowIcon(QIcon(caminhoArte(arte::kIcone)));

    // An installed game plays in the per-user folder; a game folder plays where it lies.
    const PastasDoJogo pastas = pastasDoJogo();
    DesktopPlatform desktop(pastas.usuario, pastas.usuario);
    setPlatform(&desktop);
    if (pastas.instalado()) {
        QString erro;
        if (!preparaPastaDoUsuario(pastas.conteudo, pastas.usuario, &erro) ||
            !QDir::setCurrent(pastas.usuario)) {
            desktop.errorBox(QStringLiteral("Não foi possível preparar a pasta do jogo\r%1\r\r%2."
                                            "\r\rVerifique se há espaço livre e permissão de "
                                            "escrita. O jogo não foi aberto.")
                                 .arg(QDir::toNativeSeparators(pastas.usuario), erro));
            return 1;
        }
    }

    CriaTelas();
    fPrin->show();
    const int resultado = app.exec();
    DestroiTelas();
    LinkPropaganda.clear();
    return resultado;
}
