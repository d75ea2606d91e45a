#pragma once

#include "game_folder.h"
#include "recording_platform.h"

#include <QObject>

#include <memory>

// What the screen tests share: a program folder, the recording platform on it and, for the tests
// that read files by their relative names, that folder as the working folder. A test class
// derives from it, calls begin() in init() and end() in cleanup().
class ScreenTest : public QObject {
protected:
    struct Setup {
        // Lets pending events run when the game asks.
        bool runEvents = true;
        int screenWidth = 1280;
        bool inFolder = false;
    };

    // A folder made before the first begin() (in initTestCase) is kept for the whole case;
    // otherwise each test gets a fresh one.
    void begin(const Setup& setup);
    // Destroys every screen the test made, then the platform and a folder of the test's own.
    void end();

    std::unique_ptr<GameFolder> folder;
    std::unique_ptr<RecordingPlatform> recorder;

private:
    bool ownFolder = false;
    QString previousFolder;
};
