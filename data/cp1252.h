#pragma once

#include <QByteArray>
#include <QString>

// The files' texts are single-byte Windows-1252 strings; every byte value has a character.
QString fromCp1252(QByteArrayView bytes);
// Returns an empty optional-like result through ok = false when a character has no byte.
QByteArray toCp1252(const QString& text, bool* ok = nullptr);
