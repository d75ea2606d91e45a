// Prints how long start-up takes: fonts, the nine screens with their creation steps (picture
// catalogue, question bank, album page), on the game folder the build lays out.

#include "app/inicio.h"
#include "common/desktop_platform.h"
#include "content/recursos/recursos.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class GameFolderPlatform : public DesktopPlatform {
public:
    QString programFolder() override { return QStringLiteral(DRIBOLEX_GAME_DIR "/"); }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer total;
    total.start();
    QApplication app(argc, argv);
    const double appMs = double(total.nsecsElapsed()) / 1e6;
    GameFolderPlatform desktop;
    setPlatform(&desktop);
    // The player file is not touched at start-up, but keep any run away from the real one.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir(work.path()).mkpath(QStringLiteral("PastaImg"));
    QFile::copy(QStringLiteral(DRIBOLEX_GAME_DIR "/PastaImg/imagem0.jpg"),
                work.filePath(QStringLiteral("PastaImg/imagem0.jpg")));

    QElapsedTimer timer;
    timer.start();
    carregaFontes();
    const double fontsMs = double(timer.nsecsElapsed()) / 1e6;

    QList<double> screens;
    for (int i = 0; i < 9; ++i) {
        timer.restart();
        CriaTelas();
        screens << double(timer.nsecsElapsed()) / 1e6;
        DestroiTelas();
    }
    std::sort(screens.begin(), screens.end());
    std::printf("objeto da aplicação:              %8.1f ms\n", appMs);
    std::printf("fontes do jogo:                   %8.1f ms\n", fontsMs);
    std::printf("nove telas (mediana de 9):         %8.1f ms (primeira vez: a maior, %.1f ms)\n",
                screens[screens.size() / 2], screens.last());
    return 0;
}
