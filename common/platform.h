#pragma once

#include <QString>

class QDialog;

// The one seam between the game and the machine: sound, waits, boxes, modal show, shell, screen,
// program folder and the random generator. The game installs the desktop implementation; tests
// install a recording double.
class Platform {
public:
    virtual ~Platform() = default;

    // Sound: one sound at a time; starting one ends the one playing.
    virtual void playOnce(const QString& path) = 0;
    virtual void playLooped(const QString& path) = 0;
    virtual void playAndWait(const QString& path) = 0;
    virtual void stopSound() = 0;

    // Blocks the calling thread; no events are handled meanwhile.
    virtual void sleep(int ms) = 0;
    // Lets pending window events run once.
    virtual void processEvents() = 0;

    virtual void errorBox(const QString& text) = 0;
    virtual void messageBox(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;
    // The default report of an error that ended an event handler.
    virtual void reportError(const QString& text) = 0;
    // Closes the boxes still up, for a step that makes their question moot; a confirmation
    // closed this way answers no.
    virtual void closeBoxes() = 0;

    virtual int showModal(QDialog& screen) = 0;
    virtual void openLink(const QString& link) = 0;

    virtual int screenWidth() = 0;
    // The folder of the program file, ending with a separator.
    virtual QString programFolder() = 0;
    // The folder relative names are taken from, ending with a separator; the current folder
    // unless the platform says otherwise.
    virtual QString workingFolder();

    // Uniform over 0 .. n - 1.
    virtual int random(int n) = 0;
    virtual void reseedRandom() = 0;
};

Platform& platform();
// The caller keeps ownership; the previous platform is returned.
Platform* setPlatform(Platform* p);

// A game file named by one of the game's path texts ("\sons\apito.wav", "PastaImg\x.bmp"),
// relative to the program folder.
QString programFile(const QString& text);
// A file relative to the working folder (".\TernavoAlbum.tnv").
QString workingFile(const QString& text);
