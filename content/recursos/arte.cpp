// The screen pictures generated at build time live under the /arte resource prefix.

#include "recursos.h"

QString caminhoArte(QStringView nome)
{
    return QStringLiteral(":/arte/").append(nome);
}
