#pragma once

#include "platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <random>

// The test double of the platform: records every call, answers boxes and modal shows from a
// script and returns at once from waits.
class RecordingPlatform final : public Platform {
public:
    explicit RecordingPlatform(const QString& folder = {});
    ~RecordingPlatform() override;

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
    int showModal(QDialog& screen) override;
    void openLink(const QString& link) override;
    int screenWidth() override { return width; }
    QString programFolder() override { return folder; }
    int random(int n) override;
    void reseedRandom() override { ++reseeds; }

    // Sound calls as "once acerto.wav", "loop estadio2.wav", "wait certo4.wav", "stop"; file
    // names in lower case, since the game matches them without regard to case.
    QStringList sounds;
    QList<int> sleeps;
    QStringList errorBoxes;
    QStringList messageBoxes;
    QStringList confirmations;
    QStringList errorReports;
    QStringList modalShows;
    QStringList links;
    int eventRuns = 0;
    int reseeds = 0;

    // Answers of the confirmation box, in order; "Sim" once they run out.
    std::deque<bool> confirmAnswers;
    // What each modal show does, in order; once they run out the screen runs for real.
    std::deque<std::function<int(QDialog&)>> modalScripts;
    // Values the random generator returns, in order, before the seeded generator takes over.
    std::deque<int> forcedRandom;
    // Called during each play-and-wait with its path, while the game waits for the sound.
    std::function<void(const QString&)> onPlayAndWait;
    // Lets pending events run for real when the game asks.
    bool runEvents = true;
    int width = 1280;
    QString folder;

    void clearRecords();

private:
    void recordSound(const char* kind, const QString& path);

    std::mt19937 generator{20221218};
    Platform* previous = nullptr;
};
