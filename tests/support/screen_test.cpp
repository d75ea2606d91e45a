#include "screen_test.h"

#include "app/inicio.h"

#include <QDir>

void ScreenTest::begin(const Setup& setup)
{
    ownFolder = !folder;
    if (ownFolder)
        folder = std::make_unique<GameFolder>();
    recorder = std::make_unique<RecordingPlatform>(folder->path());
    recorder->runEvents = setup.runEvents;
    recorder->width = setup.screenWidth;
    if (setup.inFolder) {
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder->path());
    }
}

void ScreenTest::end()
{
    DestroiTelas();
    if (!previousFolder.isEmpty())
        QDir::setCurrent(previousFolder);
    previousFolder.clear();
    recorder.reset();
    if (ownFolder)
        folder.reset();
}
