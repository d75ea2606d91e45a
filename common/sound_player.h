#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <atomic>

struct Mix_Chunk;

// Wave playback over SDL2_mixer on one channel, so one sound plays at a time. The audio device
// is opened at the first sound; without one the game stays silent. A file that cannot be
// played is replaced by a short built-in alert. A sound stopped or replaced fades out over a
// few milliseconds first: cut off mid-wave it would click.
class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void playOnce(const QString& path);
    void playLooped(const QString& path);
    void playAndWait(const QString& path);
    void stop();

private:
    enum class State { Closed, Open, Silent };

    // Asked for by the user-interface thread, carried out by the mixer's thread on the sound
    // as it is mixed; framesLeft belongs to the mixer while the fade is registered.
    struct Fade {
        std::atomic<bool> requested = false;
        std::atomic<bool> silent = false;
        int framesLeft = 0;
    };
    static void fadeEffect(int channel, void* stream, int length, void* fade);

    bool open();
    Mix_Chunk* chunkFor(const QString& path);
    void start(const QString& path, int loops);
    void fadeOut();

    State state = State::Closed;
    QHash<QString, Mix_Chunk*> chunks;
    QByteArray alertSamples;
    Mix_Chunk* alert = nullptr;
    Fade fade;
};
