#pragma once

#include <QByteArray>
#include <QString>

// The files' texts are single-byte Windows-1252 strings; every byte value has a character.
QString fromCp1252(QByteArrayView bytes);
// Encodes the text; *ok turns false when a character has no byte, so the bytes would not read
// back as the text.
QByteArray toCp1252(const QString& text, bool* ok = nullptr);
