#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString findEntry(const QString& dir, const QString& name)
{
    const QString exact = dir + name;
    if (QFileInfo::exists(exact))
        return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolvePath(const QString& folder, const QString& text)
{
    QString joined = folder + QLatin1Char('/') + text;
    joined.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = joined.startsWith(QLatin1Char('/'));

    QStringList parts;
    for (const QString& part : joined.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..") && !parts.isEmpty() && parts.last() != QLatin1String(".."))
            parts.removeLast();
        else
            parts.append(part);
    }

    QString result = absolute ? QStringLiteral("/") : QString();
    bool onDisk = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString name = parts[i];
        if (onDisk) {
            const QString found = findEntry(result.isEmpty() ? QStringLiteral("./") : result, name);
            if (found.isEmpty())
                onDisk = false;
            else
                name = found;
        }
        result += name;
        if (i + 1 < parts.size())
            result += QLatin1Char('/');
    }
    return result;
}
