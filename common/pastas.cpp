#include "pastas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

PastasDoJogo pastasDoJogo()
{
    // The installed layout keeps the content at a fixed place relative to the program, so an
    // unpacked package runs where it lies.
    const QDir programa(QCoreApplication::applicationDirPath());
    const QString conteudo =
        QDir::cleanPath(programa.absoluteFilePath(QStringLiteral(DRIBOLEX_CONTEUDO_RELATIVO)));
    if (!QFileInfo(conteudo + QStringLiteral("/Quest1.Dat")).isFile())
        return {};
    const QString dados = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {conteudo + QLatin1Char('/'), dados + QStringLiteral("/dribolex/")};
}
