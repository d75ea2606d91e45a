#pragma once

#include "platform.h"
#include "sound_player.h"

#include <QRandomGenerator>

// The platform of the real game: Qt boxes and windows, SDL sound, the system clock.
class DesktopPlatform : public Platform {
public:
    // Empty folders stand for the program's own folder and the current folder.
    explicit DesktopPlatform(const QString& programFolder = {}, const QString& workingFolder = {});

    void playOnce(const QString& path) override;
    void playLooped(const QString& path) override;
    void playAndWait(const QString& path) override;
    void stopSound() override;

    void sleep(int ms) override;
    void processEvents() override;

    void errorBox(const QString& text) override;
    void messageBox(const QString& text) override;
    bool confirm(const QString& text) override;
    void reportError(const QString& text) override;
    void closeBoxes() override;

    int showModal(QDialog& screen) override;
    void openLink(const QString& link) override;

    int screenWidth() override;
    QString programFolder() override;
    QString workingFolder() override;

    int random(int n) override;
    void reseedRandom() override;

private:
    SoundPlayer sound;
    QRandomGenerator generator;
    QString program;
    QString working;
};
