#include "platform.h"

#include "paths.h"

#include <QDir>

namespace {
Platform* current = nullptr;
}

Platform& platform()
{
    Q_ASSERT(current);
    return *current;
}

Platform* setPlatform(Platform* p)
{
    Platform* previous = current;
    current = p;
    return previous;
}

QString Platform::workingFolder()
{
    return QDir::currentPath() + QLatin1Char('/');
}

QString programFile(const QString& text)
{
    return resolvePath(platform().programFolder(), text);
}

QString workingFile(const QString& text)
{
    return resolvePath(platform().workingFolder(), text);
}
