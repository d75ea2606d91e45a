#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces a file's content in one step: a crash or a full disk never leaves it half written,
// and a read-only file is refused rather than replaced. Returns false and an error text when
// the file could not be written.
bool gravaAtomico(const QString& caminho, const std::function<bool(QIODevice&)>& escreve,
                  QString* erro);
