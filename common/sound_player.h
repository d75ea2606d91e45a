#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

struct Mix_Chunk;

// Wave playback over SDL2_mixer on one channel, so one sound plays at a time. The audio device
// is opened at the first sound; without one the game stays silent. A file that cannot be
// played is replaced by a short built-in alert.
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

    bool open();
    Mix_Chunk* chunkFor(const QString& path);
    void start(const QString& path, int loops);

    State state = State::Closed;
    QHash<QString, Mix_Chunk*> chunks;
    QByteArray alertSamples;
    Mix_Chunk* alert = nullptr;
};
