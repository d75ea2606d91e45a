// Registers the fonts compiled into the program's resources.

#include "recursos.h"

#include <QFontDatabase>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

struct Familias {
    QString destaque, texto;
};

QString registra(const QString& arquivo)
{
    const int id = QFontDatabase::addApplicationFont(arquivo);
    const QStringList familias = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || familias.isEmpty()) {
        // Without its fonts every screen would fall back silently; stop loudly instead.
        std::fprintf(stderr, "dribolex: fonte %s ausente dos recursos\n", qPrintable(arquivo));
        std::abort();
    }
    return familias.first();
}

const Familias& familias()
{
    static const Familias f = [] {
        Familias r;
        r.destaque = registra(QStringLiteral(":/fontes/BebasNeue-Bold.otf"));
        r.texto = registra(QStringLiteral(":/fontes/OpenSans-Regular.ttf"));
        registra(QStringLiteral(":/fontes/OpenSans-Bold.ttf"));
        return r;
    }();
    return f;
}

} // namespace

void carregaFontes()
{
    familias();
}

QString fonteDestaque()
{
    return familias().destaque;
}

QString fonteTexto()
{
    return familias().texto;
}
