#pragma once

#include "common/platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <random>

class QEventLoop;

// The test double of the platform: records every call, answers boxes and modal shows from a
// script and returns at once from waits.
class RecordingPlatform final : public Platform {
public:
    explicit RecordingPlatform(const QString& gameFolder = {});
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
    void closeBoxes() override;
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

    // An answer of the confirmation box. Given after a while, the box runs a nested event loop
    // for that long first, as a player reading it would: real timers tick under it, and the
    // game may close it meanwhile (the answer then comes late, as a click just too late would).
    struct BoxAnswer {
        BoxAnswer(bool answer, int delayMs = 0)
            : yes(answer)
            , afterMs(delayMs)
        {
        }
        bool yes;
        int afterMs;
    };
    // Answers of the confirmation box, in order; "Sim" at once when they run out.
    std::deque<BoxAnswer> confirmAnswers;
    // Texts of the boxes up at this moment, and of those the game closed.
    QStringList openBoxes;
    QStringList closedBoxes;
    // What each modal show does, in order; once they run out the screen runs for real.
    std::deque<std::function<int(QDialog&)>> modalScripts;
    // Values the random generator returns, in order, before the seeded generator takes over.
    std::deque<int> forcedRandom;
    // Called during each play-and-wait with its path, while the game waits for the sound.
    std::function<void(const QString&)> onPlayAndWait;
    // Lets pending events run for real when the game asks.
    bool runEvents = true;
    // A player's action delivered where the game lets events run: the n-th time from now that
    // it does (n = 2 while the second ball grows after a confirmation). Runs whether or not
    // runEvents lets the queued events run.
    void duringEventRun(int n, std::function<void()> action);
    int width = 1280;
    QString folder;

    void clearRecords();

private:
    void recordSound(const char* kind, const QString& path);

    struct Scripted {
        int at;
        std::function<void()> action;
    };
    std::deque<Scripted> scriptedEvents;
    QList<QEventLoop*> boxLoops;

    std::mt19937 generator{20221218};
    Platform* previous = nullptr;
};
