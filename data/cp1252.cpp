#include "cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromCp1252(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray toCp1252(const QString& text, bool* ok)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError() && fromCp1252(bytes) == text;
    return bytes;
}
