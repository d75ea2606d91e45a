#include "common/desktop_platform.h"
#include "common/game_application.h"
#include "common/game_error.h"
#include "common/sound_player.h"
#include "tests/support/recording_platform.h"

#include <SDL_mixer.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

class Thrower : public QObject {
public:
    int handled = 0;
    bool shown = false;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        throw GameError(QStringLiteral("Não foi possível abrir a imagem."), shown);
    }
};

// A quiet mono 16-bit wave of the given length.
void writeWave(
    const QString& path, int milliseconds, int rate = 22050,
    double (*sample)(int) = [](int i) { return std::sin(i * 0.1) * 3000; })
{
    const int frames = rate * milliseconds / 1000;
    QByteArray samples(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian(qint16(sample(i)), samples.data() + 2 * i);
    QByteArray header("RIFF");
    auto put32 = [&header](quint32 v) { header.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&header](quint16 v) { header.append(reinterpret_cast<const char*>(&v), 2); };
    put32(quint32(36 + samples.size()));
    header += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    header += "data";
    put32(quint32(samples.size()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header + samples);
}

// Loud, and never near zero once it has risen over its first 10 ms: wherever it is cut off, the
// output jumps.
double loudWithOffset(int i)
{
    return std::min(1.0, i / 441.0) * (12000 + 4000 * std::sin(2 * std::numbers::pi * i / 200));
}

// What the mixer hands to the device (first channel), as the driver consumes it.
class MixTap {
public:
    MixTap() { Mix_SetPostMix(&MixTap::take, this); }
    ~MixTap() { Mix_SetPostMix(nullptr, nullptr); }
    MixTap(const MixTap&) = delete;
    MixTap& operator=(const MixTap&) = delete;

    QList<qint16> samples() const
    {
        QMutexLocker lock(&mutex);
        return taken;
    }

private:
    static void take(void* self, Uint8* stream, int length)
    {
        auto* tap = static_cast<MixTap*>(self);
        const auto* frames = reinterpret_cast<const qint16*>(stream);
        QMutexLocker lock(&tap->mutex);
        for (int i = 0; i < length / 4; ++i)
            tap->taken << frames[2 * i];
    }

    mutable QMutex mutex;
    QList<qint16> taken;
};

// The largest step between neighbouring samples; once the output has fallen silent for good, the
// peak of the millisecond before, and how many samples ran from the last loud one to silence.
struct Ending {
    int largestStep = 0;
    int levelBeforeSilence = 0;
    int loudFramesBeforeSilence = 0;
};

Ending ending(const QList<qint16>& s)
{
    Ending e;
    for (qsizetype i = 1; i < s.size(); ++i)
        e.largestStep = std::max(e.largestStep, std::abs(s[i] - s[i - 1]));
    qsizetype silent = s.size();
    while (silent > 0 && s[silent - 1] == 0)
        --silent;
    if (silent == s.size())
        return e;
    for (qsizetype i = std::max<qsizetype>(0, silent - 44); i < silent; ++i)
        e.levelBeforeSilence = std::max(e.levelBeforeSilence, std::abs(int(s[i])));
    qsizetype loud = silent;
    while (loud > 0 && std::abs(s[loud - 1]) < 8000)
        --loud;
    e.loudFramesBeforeSilence = int(silent - loud);
    return e;
}

qint64 timePlayAndWait(SoundPlayer& player, const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    player.playAndWait(path);
    return timer.elapsed();
}

} // namespace

class TstPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapedErrorIsReportedAndTheProgramGoesOn()
    {
        RecordingPlatform recorder;
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(recorder.errorReports,
                 QStringList{QStringLiteral("Não foi possível abrir a imagem.")});

        thrower.shown = true;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(thrower.handled, 2);
        QCOMPARE(recorder.errorReports.size(), 1);
    }

    void closedConfirmationAnswersNo()
    {
        DesktopPlatform desktop;
        bool wasUp = false;
        QTimer::singleShot(50, [&desktop, &wasUp] {
            wasUp = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
            desktop.closeBoxes();
        });
        QVERIFY(!desktop.confirm(QStringLiteral("Deseja mesmo sair deste jogo?")));
        QVERIFY(wasUp);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void playAndWaitLastsAsLongAsTheSound()
    {
        QTemporaryDir dir;
        const QString wave = dir.filePath(QStringLiteral("curto.wav"));
        writeWave(wave, 400);
        SoundPlayer player;
        const qint64 elapsed = timePlayAndWait(player, wave);
        QVERIFY2(elapsed >= 350, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }

    void stopFadesOutWithinMilliseconds()
    {
        QTemporaryDir dir;
        const QString wave = dir.filePath(QStringLiteral("alto.wav"));
        writeWave(wave, 3000, 44100, loudWithOffset);
        SoundPlayer player;
        player.playLooped(wave);
        MixTap tap;
        QTest::qSleep(150);
        QElapsedTimer timer;
        timer.start();
        player.stop();
        const qint64 stopTook = timer.elapsed();
        QTest::qSleep(100);
        const QList<qint16> heard = tap.samples();
        QVERIFY(std::any_of(heard.cbegin(), heard.cend(), [](qint16 x) { return x > 15000; }));
        const Ending e = ending(heard);
        QVERIFY2(e.levelBeforeSilence > 0, "the sound never stopped");
        // -40 dBFS, and from the full sound to silence in under 20 ms.
        QVERIFY2(e.levelBeforeSilence < 328, qPrintable(QString::number(e.levelBeforeSilence)));
        QVERIFY2(e.largestStep < 500, qPrintable(QString::number(e.largestStep)));
        QVERIFY2(e.loudFramesBeforeSilence < 882,
                 qPrintable(QString::number(e.loudFramesBeforeSilence)));
        QVERIFY2(stopTook < 300, qPrintable(QString::number(stopTook)));
    }

    void replacedSoundFadesBeforeTheNextStarts()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("primeiro.wav"));
        const QString second = dir.filePath(QStringLiteral("segundo.wav"));
        writeWave(first, 3000, 44100, loudWithOffset);
        writeWave(second, 3000, 44100, [](int i) { return -loudWithOffset(i); });
        SoundPlayer player;
        player.playLooped(first);
        MixTap tap;
        QTest::qSleep(150);
        player.playOnce(second);
        QTest::qSleep(150);
        player.playOnce(first);
        QTest::qSleep(150);
        const QList<qint16> heard = tap.samples();
        // Both sounds were heard, in turn, and each change went through silence smoothly.
        const auto firstHeard =
            std::find_if(heard.cbegin(), heard.cend(), [](qint16 x) { return x > 15000; });
        const auto secondHeard =
            std::find_if(firstHeard, heard.cend(), [](qint16 x) { return x < -15000; });
        QVERIFY(secondHeard != heard.cend());
        QVERIFY(std::find_if(secondHeard, heard.cend(), [](qint16 x) { return x > 15000; }) !=
                heard.cend());
        const int step = ending(heard).largestStep;
        QVERIFY2(step < 500, qPrintable(QString::number(step)));
    }

    void missingFilePlaysTheAlert()
    {
        SoundPlayer player;
        const qint64 elapsed = timePlayAndWait(player, QStringLiteral("/nao/existe.wav"));
        QVERIFY2(elapsed >= 250, qPrintable(QString::number(elapsed)));
        player.playLooped(QStringLiteral("/nao/existe.wav"));
        player.stop();
    }

    void noAudioDeviceMeansSilence()
    {
        qputenv("SDL_AUDIODRIVER", "sem-dispositivo");
        {
            SoundPlayer player;
            QTemporaryDir dir;
            const QString wave = dir.filePath(QStringLiteral("curto.wav"));
            writeWave(wave, 400);
            QVERIFY(timePlayAndWait(player, wave) < 100);
            player.playLooped(wave);
            player.stop();
        }
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
};

int main(int argc, char** argv)
{
    GameApplication app(argc, argv);
    TstPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
