#include "common/desktop_platform.h"
#include "common/game_application.h"
#include "common/game_error.h"
#include "common/sound_player.h"
#include "tests/support/recording_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>

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

// A mono 16-bit wave of the given length.
void writeWave(const QString& path, int milliseconds)
{
    const int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    QByteArray samples(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i)
        qToLittleEndian(qint16(std::sin(i * 0.1) * 3000), samples.data() + 2 * i);
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
