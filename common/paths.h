#pragma once

#include <QString>

// Joins a folder and one of the game's path texts. Backslashes and slashes are separators,
// doubled separators and "." collapse, and every name is matched without regard to letter case
// against what exists on disk. Names that match nothing are kept as written.
QString resolvePath(const QString& folder, const QString& text);
