#pragma once

#include <QString>

#include <functional>

class QIODevice;

// The steps of a save, in order; each one is checked.
enum class EtapaGravacao { Criar, Escrever, Descarregar, Sincronizar, Fechar, Renomear };

// Replaces a file's content in one step: the data goes to a temporary sibling that is flushed,
// synced to disk and closed before it is renamed over the file, so a crash, a full disk or a
// late write-back error never leaves the file half written. A read-only file is refused. Any
// failed step keeps the old file, removes the temporary one and returns false with the reason
// in Portuguese.
bool gravaAtomico(const QString& caminho, const std::function<bool(QIODevice&)>& escreve,
                  QString* erro);

// Removes the temporary siblings an interrupted save of this file left behind (only names the
// save creates: the file's name, ".gravando." and six letters or digits); never the file itself.
void removeTemporarios(const QString& caminho);

// The reason a file operation failed, in Portuguese, from the system's error number.
QString textoErroSistema(int erro);
// The reason a file could not be opened or read, in Portuguese: a folder in the file's place is
// told apart from the error number, which the open of a folder does not always set.
QString motivoFalhaLeitura(const QString& caminho, int erro);

// Fault injection for tests: the next save fails at this step with this error number, after
// doing the step's work where that is safe (the temporary file is still closed and removed).
void injetaFalhaGravacao(EtapaGravacao etapa, int erro);
