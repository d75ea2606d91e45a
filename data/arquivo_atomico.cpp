#include "arquivo_atomico.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMarcaTemporario[] = ".gravando.";

EtapaGravacao etapaInjetada = EtapaGravacao::Criar;
int erroInjetado = 0;

// The error a step ends with: the injected one for that step, else errno when the step failed.
int resultado(EtapaGravacao etapa, bool ok)
{
    if (erroInjetado != 0 && etapa == etapaInjetada) {
        const int erro = erroInjetado;
        erroInjetado = 0;
        return erro;
    }
    if (ok)
        return 0;
    // A short write that set no error means the disk filled up.
    return errno != 0 ? errno : ENOSPC;
}

// The permissions of the new file: those of the file it replaces, or the default ones.
mode_t permissoes(const QByteArray& destino)
{
    struct stat st;
    if (::stat(destino.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

} // namespace

void injetaFalhaGravacao(EtapaGravacao etapa, int erro)
{
    etapaInjetada = etapa;
    erroInjetado = erro;
}

QString textoErroSistema(int erro)
{
    switch (erro) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("não há espaço livre no disco");
    case EACCES:
    case EPERM: return QStringLiteral("não há permissão de acesso ao arquivo ou à sua pasta");
    case EROFS: return QStringLiteral("o disco só permite leitura");
    case EIO: return QStringLiteral("houve um erro de leitura ou gravação no disco");
    case EISDIR: return QStringLiteral("no lugar do arquivo há uma pasta");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("o arquivo ou a sua pasta não existe");
    case EFBIG: return QStringLiteral("o arquivo ficaria grande demais");
    case ENAMETOOLONG: return QStringLiteral("o nome do arquivo é longo demais");
    case EMFILE:
    case ENFILE: return QStringLiteral("há arquivos abertos demais");
    default: return QStringLiteral("o sistema recusou a operação (erro número %1)").arg(erro);
    }
}

QString motivoFalhaLeitura(const QString& caminho, int erro)
{
    if (QFileInfo(caminho).isDir())
        return textoErroSistema(EISDIR);
    return textoErroSistema(erro != 0 ? erro : EIO);
}

bool gravaAtomico(const QString& caminho, const std::function<bool(QIODevice&)>& escreve,
                  QString* erro)
{
    const auto falha = [erro](const QString& motivo) {
        if (erro)
            *erro = motivo;
        return false;
    };
    const QFileInfo info(caminho);
    if (info.isDir())
        return falha(textoErroSistema(EISDIR));
    if (info.exists() && !info.isWritable())
        return falha(QStringLiteral("o arquivo é somente leitura"));
    // A link is followed, so the file it names is replaced and the link stays.
    const QString alvo = info.isSymLink() && info.exists() ? info.canonicalFilePath() : caminho;
    const QByteArray destino = QFile::encodeName(alvo);
    // A name of its own, so that the clean-up can never take a user's "Quest1.Dat.backup".
    QByteArray temporario = destino + kMarcaTemporario + "XXXXXX";

    errno = 0;
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    int codigo = resultado(EtapaGravacao::Criar, fd >= 0);
    if (codigo != 0) {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(temporario.constData());
        }
        return falha(textoErroSistema(codigo));
    }
    bool aberto = true;
    const auto desiste = [&](int motivo) {
        if (aberto)
            ::close(fd);
        ::unlink(temporario.constData());
        return falha(textoErroSistema(motivo));
    };
    ::fchmod(fd, permissoes(destino));

    {
        QFile arquivo;
        if (!arquivo.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return desiste(EIO);
        errno = 0;
        codigo = resultado(EtapaGravacao::Escrever,
                           escreve(arquivo) && arquivo.error() == QFileDevice::NoError);
        if (codigo != 0)
            return desiste(codigo);
        errno = 0;
        codigo = resultado(EtapaGravacao::Descarregar, arquivo.flush());
        if (codigo != 0)
            return desiste(codigo);
    }
    errno = 0;
    codigo = resultado(EtapaGravacao::Sincronizar, ::fdatasync(fd) == 0);
    if (codigo != 0)
        return desiste(codigo);
    errno = 0;
    aberto = false;
    codigo = resultado(EtapaGravacao::Fechar, ::close(fd) == 0);
    if (codigo != 0)
        return desiste(codigo);
    errno = 0;
    const bool renomeou = erroInjetado != 0 && etapaInjetada == EtapaGravacao::Renomear
                              ? false
                              : ::rename(temporario.constData(), destino.constData()) == 0;
    codigo = resultado(EtapaGravacao::Renomear, renomeou);
    if (codigo != 0)
        return desiste(codigo);
    // The new name is made durable too; the data already is, so this is not a failure.
    const int pasta = ::open(QFile::encodeName(QFileInfo(alvo).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pasta >= 0) {
        ::fsync(pasta);
        ::close(pasta);
    }
    return true;
}

void removeTemporarios(const QString& caminho)
{
    const QFileInfo info(caminho);
    const QRegularExpression nome(
        QStringLiteral("^%1%2[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(info.fileName()),
                 QRegularExpression::escape(QLatin1String(kMarcaTemporario))));
    QDir pasta = info.absoluteDir();
    const QStringList arquivos = pasta.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& arquivo : arquivos) {
        if (nome.match(arquivo).hasMatch())
            pasta.remove(arquivo);
    }
}
