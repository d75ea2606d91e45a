#include "pasta_usuario.h"

#include "banco_questoes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>

namespace {

const QString kBanco = QStringLiteral("Quest1.Dat");
// The content files the game writes back; each user gets a copy of their own.
const QStringList kGravaveis = {kBanco, QStringLiteral("PastaImg/LegendasImg.Dat")};

constexpr qsizetype kRegistro = sizeof(tQuestao);
constexpr qsizetype kUsada = offsetof(tQuestao, Usada);

QByteArray codigoDe(const char* registro)
{
    tQuestao q;
    copiaBytes(q, registro);
    return q.Codigo.valor();
}

// Equal but for the drawn flags: the same bank as shipped, whatever the player has drawn.
bool mesmoBanco(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && (i % kRegistro != kUsada || i / kRegistro >= a.size() / kRegistro))
            return false;
    }
    return true;
}

bool le(const QString& caminho, QByteArray* bytes, QString* erro)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        *erro = QStringLiteral("não foi possível ler %1 (%2)").arg(caminho, arquivo.errorString());
        return false;
    }
    *bytes = arquivo.readAll();
    return true;
}

// Copies the files the game writes and links the rest, adding only what the folder lacks.
bool semeia(const QString& origem, const QString& destino, const QString& relativo, QString* erro)
{
    const QFileInfoList itens = QDir(origem).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& item : itens) {
        const QString nome = relativo + item.fileName();
        const QString alvo = destino + QLatin1Char('/') + item.fileName();
        const bool guardaGravavel =
            item.isDir() &&
            std::any_of(kGravaveis.begin(), kGravaveis.end(),
                        [&](const QString& g) { return g.startsWith(nome + QLatin1Char('/')); });
        // A link left dangling by a moved or upgraded install is made again.
        const QFileInfo existente(alvo);
        if (existente.isSymLink() && !existente.exists())
            QFile::remove(alvo);
        if (guardaGravavel) {
            if (!existente.isDir() && !QDir().mkdir(alvo)) {
                *erro = QStringLiteral("não foi possível criar %1").arg(alvo);
                return false;
            }
            if (!semeia(item.absoluteFilePath(), alvo, nome + QLatin1Char('/'), erro))
                return false;
            continue;
        }
        // What the folder holds is the player's and is never replaced.
        if (QFileInfo::exists(alvo))
            continue;
        bool ok;
        if (kGravaveis.contains(nome)) {
            ok = QFile::copy(item.absoluteFilePath(), alvo) &&
                 QFile::setPermissions(alvo, QFile::permissions(alvo) | QFile::WriteOwner |
                                                 QFile::ReadOwner);
        } else {
            // Read-only content is linked, so it follows upgrades of the installed game.
            ok = QFile::link(item.absoluteFilePath(), alvo);
        }
        if (!ok) {
            *erro = QStringLiteral("não foi possível criar %1").arg(alvo);
            return false;
        }
    }
    return true;
}

bool criaPasta(const QString& conteudo, const QString& usuario, QString* erro)
{
    const QFileInfo destino(QDir::cleanPath(usuario));
    const QString pai = destino.absolutePath();
    if (!QDir().mkpath(pai)) {
        *erro = QStringLiteral("não foi possível criar a pasta %1").arg(pai);
        return false;
    }
    QTemporaryDir temporaria(pai + QStringLiteral("/.dribolex-XXXXXX"));
    if (!temporaria.isValid()) {
        *erro = QStringLiteral("não foi possível escrever em %1 (%2)")
                    .arg(pai, temporaria.errorString());
        return false;
    }
    if (!semeia(conteudo, temporaria.path(), QString(), erro))
        return false;
    if (!QDir().rename(temporaria.path(), destino.absoluteFilePath())) {
        // Another start may have won the race; its folder is as good as ours.
        if (QFileInfo(usuario).isDir())
            return true;
        *erro = QStringLiteral("não foi possível criar a pasta %1").arg(usuario);
        return false;
    }
    temporaria.setAutoRemove(false);
    return true;
}

bool atualizaPasta(const QString& conteudo, const QString& usuario, QString* erro)
{
    const QFileInfo pasta(QDir::cleanPath(usuario));
    if (!pasta.isDir() || !pasta.isWritable()) {
        *erro = QStringLiteral("a pasta %1 não é uma pasta em que se possa escrever").arg(usuario);
        return false;
    }
    if (!semeia(conteudo, QDir::cleanPath(usuario), QString(), erro))
        return false;
    QByteArray novo, atual;
    if (!le(conteudo + kBanco, &novo, erro))
        return false;
    const QString caminho = usuario + kBanco;
    if (QFileInfo::exists(caminho) && !le(caminho, &atual, erro))
        return false;
    if (mesmoBanco(novo, atual))
        return true;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(atualizaBanco(novo, atual)) < 0 ||
        !arquivo.commit()) {
        *erro =
            QStringLiteral("não foi possível gravar %1 (%2)").arg(caminho, arquivo.errorString());
        return false;
    }
    return true;
}

} // namespace

QByteArray atualizaBanco(const QByteArray& novo, const QByteArray& antigo)
{
    QHash<QByteArray, bool> sorteadas;
    for (qsizetype i = 0; i + kRegistro <= antigo.size(); i += kRegistro) {
        const QByteArray codigo = codigoDe(antigo.constData() + i);
        bool& sorteada = sorteadas[codigo];
        sorteada = sorteada || antigo[i + kUsada] == 1;
    }
    QByteArray banco = novo;
    for (qsizetype i = 0; i + kRegistro <= banco.size(); i += kRegistro) {
        const QByteArray codigo = codigoDe(banco.constData() + i);
        const auto velha = sorteadas.constFind(codigo);
        if (!codigo.isEmpty() && velha != sorteadas.cend())
            banco[i + kUsada] = *velha ? 1 : 0;
    }
    return banco;
}

bool preparaPastaDoUsuario(const QString& conteudo, const QString& usuario, QString* erro)
{
    erro->clear();
    const QFileInfo pasta(QDir::cleanPath(usuario));
    if (pasta.exists() || pasta.isSymLink())
        return atualizaPasta(conteudo, usuario, erro);
    return criaPasta(conteudo, usuario, erro);
}
