#include "arquivo_atomico.h"

#include <QFileInfo>
#include <QSaveFile>

bool gravaAtomico(const QString& caminho, const std::function<bool(QIODevice&)>& escreve,
                  QString* erro)
{
    const QFileInfo info(caminho);
    if (info.exists() && !info.isWritable()) {
        if (erro)
            *erro = QStringLiteral("o arquivo é somente leitura");
        return false;
    }
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    if (!escreve(arquivo)) {
        if (erro)
            *erro = arquivo.errorString();
        arquivo.cancelWriting();
        return false;
    }
    if (!arquivo.commit()) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    return true;
}
