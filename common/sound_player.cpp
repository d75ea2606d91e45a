#include "sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 44100;
constexpr int kChannel = 0;
// Short enough to sound like a stop, long enough not to click.
constexpr int kFadeFrames = kRate * 15 / 1000;
// A fade is mixed within the next device buffer (23 ms); past this the mixer has stalled.
constexpr Uint32 kFadeWaitMs = 250;

// Two short rising tones with a soft decay, in the device format (16-bit stereo). Each tone
// also fades out at its end, so that neither stops with a click.
QByteArray makeAlert()
{
    const int frames = kRate * 3 / 10;
    QByteArray bytes(frames * 2 * int(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(bytes.data());
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / kRate;
        const bool second = i >= frames / 2;
        const double local = second ? t - 0.15 : t;
        const double freq = second ? 880.0 : 660.0;
        const double envelope = std::exp(-local * 18.0) * std::min(1.0, local * 400.0) *
                                std::min(1.0, (0.15 - local) * 400.0);
        const auto sample = qint16(std::sin(2 * std::numbers::pi * freq * t) * envelope * 9000);
        out[2 * i] = sample;
        out[2 * i + 1] = sample;
    }
    return bytes;
}

} // namespace

SoundPlayer::~SoundPlayer()
{
    if (state != State::Open)
        return;
    fadeOut();
    for (Mix_Chunk* chunk : std::as_const(chunks)) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
    Mix_FreeChunk(alert);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::open()
{
    if (state == State::Closed) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        state = State::Silent;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        alertSamples = makeAlert();
        alert = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(alertSamples.data()),
                                  Uint32(alertSamples.size()));
        state = State::Open;
    }
    return state == State::Open;
}

Mix_Chunk* SoundPlayer::chunkFor(const QString& path)
{
    auto it = chunks.constFind(path);
    if (it == chunks.cend())
        it = chunks.insert(path, Mix_LoadWAV(QFile::encodeName(path).constData()));
    return it.value() ? it.value() : alert;
}

// Mix_FadeOutChannel would not do: it sets the volume once per device buffer and halts at the
// last step, which still clicks. This ramp is applied sample by sample as the sound is mixed.
void SoundPlayer::fadeEffect(int, void* stream, int length, void* data)
{
    auto& fade = *static_cast<Fade*>(data);
    if (!fade.requested)
        return;
    auto* samples = static_cast<Sint16*>(stream);
    const int count = length / int(sizeof(Sint16));
    for (int i = 0; i < count; i += 2) {
        // A squared ramp: the last milliseconds before silence are far below the sound.
        const float ramp = float(fade.framesLeft) / kFadeFrames;
        const float gain = ramp * ramp;
        samples[i] = Sint16(float(samples[i]) * gain);
        samples[i + 1] = Sint16(float(samples[i + 1]) * gain);
        if (fade.framesLeft > 0)
            --fade.framesLeft;
    }
    if (fade.framesLeft == 0)
        fade.silent = true;
}

void SoundPlayer::fadeOut()
{
    if (!Mix_Playing(kChannel))
        return;
    fade.requested = true;
    const Uint32 deadline = SDL_GetTicks() + kFadeWaitMs;
    while (!fade.silent && Mix_Playing(kChannel) && SDL_GetTicks() < deadline)
        SDL_Delay(1);
    Mix_HaltChannel(kChannel);
}

void SoundPlayer::start(const QString& path, int loops)
{
    if (!open())
        return;
    Mix_Chunk* chunk = chunkFor(path);
    // One channel: the next sound starts once the last one has faded.
    fadeOut();
    // A fade registered just as its sound ended would stay behind on the idle channel.
    Mix_UnregisterAllEffects(kChannel);
    fade.requested = false;
    fade.silent = false;
    fade.framesLeft = kFadeFrames;
    if (Mix_PlayChannel(kChannel, chunk, loops) == kChannel)
        Mix_RegisterEffect(kChannel, &SoundPlayer::fadeEffect, nullptr, &fade);
}

void SoundPlayer::playOnce(const QString& path)
{
    start(path, 0);
}

void SoundPlayer::playLooped(const QString& path)
{
    start(path, -1);
}

void SoundPlayer::playAndWait(const QString& path)
{
    start(path, 0);
    if (state != State::Open)
        return;
    while (Mix_Playing(kChannel))
        SDL_Delay(5);
}

void SoundPlayer::stop()
{
    if (state == State::Open)
        fadeOut();
}
