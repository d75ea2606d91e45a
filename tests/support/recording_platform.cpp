#include "recording_platform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

RecordingPlatform::RecordingPlatform(const QString& gameFolder)
    : folder(gameFolder)
{
    previous = setPlatform(this);
}

RecordingPlatform::~RecordingPlatform()
{
    setPlatform(previous);
}

void RecordingPlatform::recordSound(const char* kind, const QString& path)
{
    sounds << QLatin1String(kind) + QLatin1Char(' ') + QFileInfo(path).fileName().toLower();
}

void RecordingPlatform::playOnce(const QString& path)
{
    recordSound("once", path);
}

void RecordingPlatform::playLooped(const QString& path)
{
    recordSound("loop", path);
}

void RecordingPlatform::playAndWait(const QString& path)
{
    recordSound("wait", path);
    if (onPlayAndWait)
        onPlayAndWait(path);
}

void RecordingPlatform::stopSound()
{
    sounds << QStringLiteral("stop");
}

void RecordingPlatform::sleep(int ms)
{
    sleeps << ms;
}

void RecordingPlatform::processEvents()
{
    ++eventRuns;
    if (runEvents && QCoreApplication::instance())
        QCoreApplication::processEvents();
    while (!scriptedEvents.empty() && scriptedEvents.front().at <= eventRuns) {
        const auto action = std::move(scriptedEvents.front().action);
        scriptedEvents.pop_front();
        action();
    }
}

void RecordingPlatform::duringEventRun(int n, std::function<void()> action)
{
    const int at = eventRuns + n;
    auto place = scriptedEvents.begin();
    while (place != scriptedEvents.end() && place->at <= at)
        ++place;
    scriptedEvents.insert(place, {at, std::move(action)});
}

void RecordingPlatform::errorBox(const QString& text)
{
    errorBoxes << text;
}

void RecordingPlatform::messageBox(const QString& text)
{
    messageBoxes << text;
}

bool RecordingPlatform::confirm(const QString& text)
{
    confirmations << text;
    if (confirmAnswers.empty())
        return true;
    const BoxAnswer answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    if (answer.afterMs > 0) {
        openBoxes << text;
        QEventLoop loop;
        boxLoops << &loop;
        QTimer::singleShot(answer.afterMs, &loop, &QEventLoop::quit);
        loop.exec();
        boxLoops.removeOne(&loop);
        openBoxes.removeOne(text);
        // A box the game closed still hands over its answer, as a click just too late would.
    }
    return answer.yes;
}

void RecordingPlatform::reportError(const QString& text)
{
    errorReports << text;
}

void RecordingPlatform::closeBoxes()
{
    closedBoxes << openBoxes;
    openBoxes.clear();
    for (QEventLoop* loop : std::as_const(boxLoops))
        loop->quit();
}

int RecordingPlatform::showModal(QDialog& screen)
{
    modalShows << screen.objectName();
    if (modalScripts.empty())
        return screen.exec();
    const auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    return script(screen);
}

void RecordingPlatform::openLink(const QString& link)
{
    links << link;
}

int RecordingPlatform::random(int n)
{
    if (n <= 0)
        return 0;
    if (!forcedRandom.empty()) {
        const int value = forcedRandom.front();
        forcedRandom.pop_front();
        return value % n;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

void RecordingPlatform::clearRecords()
{
    sounds.clear();
    sleeps.clear();
    errorBoxes.clear();
    messageBoxes.clear();
    confirmations.clear();
    errorReports.clear();
    modalShows.clear();
    links.clear();
    closedBoxes.clear();
    eventRuns = 0;
    reseeds = 0;
    scriptedEvents.clear();
}
