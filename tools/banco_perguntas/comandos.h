#pragma once

#include <QStringList>

class QIODevice;

// Runs one command of banco-perguntas with its arguments (the command first) and returns the
// exit status; the report goes to saida and the errors to erros, byte for byte.
int executaComando(const QStringList& args, QIODevice& saida, QIODevice& erros);
