#include "desktop_platform.h"

#include "screen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QUrl>

#include <chrono>

namespace {

// The game's texts separate lines with a carriage return; Qt's labels want a line feed.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The boxes up at this moment, innermost last.
QList<QPointer<QMessageBox>> openBoxes;

void execBox(QMessageBox& box)
{
    openBoxes << &box;
    box.exec();
    openBoxes.removeAll(&box);
}

QMessageBox* makeBox(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    auto* box = new QMessageBox(icon, title, displayText(text), QMessageBox::NoButton,
                                QApplication::activeWindow());
    return box;
}

void showOk(QMessageBox::Icon icon, const QString& title, const QString& text,
            bool outsideScreenOrder = false)
{
    QScopedPointer<QMessageBox> box(makeBox(icon, title, text));
    box->setProperty(kOutsideScreenOrder, outsideScreenOrder);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    execBox(*box);
}

} // namespace

DesktopPlatform::DesktopPlatform(const QString& programFolder, const QString& workingFolder)
    : program(programFolder)
    , working(workingFolder)
{
    reseedRandom();
}

void DesktopPlatform::playOnce(const QString& path)
{
    sound.playOnce(path);
}

void DesktopPlatform::playLooped(const QString& path)
{
    sound.playLooped(path);
}

void DesktopPlatform::playAndWait(const QString& path)
{
    sound.playAndWait(path);
}

void DesktopPlatform::stopSound()
{
    sound.stop();
}

void DesktopPlatform::sleep(int ms)
{
    QThread::msleep(ulong(ms));
}

void DesktopPlatform::processEvents()
{
    QCoreApplication::processEvents();
}

void DesktopPlatform::errorBox(const QString& text)
{
    showOk(QMessageBox::Critical, QStringLiteral("Erro"), text);
}

void DesktopPlatform::messageBox(const QString& text)
{
    showOk(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text);
}

bool DesktopPlatform::confirm(const QString& text)
{
    QScopedPointer<QMessageBox> box(
        makeBox(QMessageBox::Question, QStringLiteral("Confirmação"), text));
    QPushButton* yes = box->addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* no = box->addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    execBox(*box);
    return box->clickedButton() == yes;
}

void DesktopPlatform::reportError(const QString& text)
{
    showOk(QMessageBox::Critical, QApplication::applicationDisplayName(), text, true);
}

void DesktopPlatform::closeBoxes()
{
    for (const QPointer<QMessageBox>& box : openBoxes) {
        // done() rather than a close: no button counts as clicked.
        if (box)
            box->done(QDialog::Rejected);
    }
}

int DesktopPlatform::showModal(QDialog& screen)
{
    return screen.exec();
}

void DesktopPlatform::openLink(const QString& link)
{
    if (!link.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(link));
}

int DesktopPlatform::screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 1280;
}

QString DesktopPlatform::programFolder()
{
    return program.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : program;
}

QString DesktopPlatform::workingFolder()
{
    return working.isEmpty() ? Platform::workingFolder() : working;
}

int DesktopPlatform::random(int n)
{
    return n > 0 ? int(generator.bounded(quint32(n))) : 0;
}

void DesktopPlatform::reseedRandom()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator.seed(quint32(quint64(ticks) ^ (quint64(ticks) >> 32)));
}
