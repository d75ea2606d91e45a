// Build-time generator of the sticker catalogue: the legend file and one picture per sticker,
// drawn from the readable sticker list.

#include "catalogo.h"
#include "cp1252.h"
#include "formata_numero.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

struct Figurinha {
    int numero = 0;
    QString tipo, chave, titulo, subtitulo, legenda;
};

[[noreturn]] void falha(const QString& texto)
{
    std::fprintf(stderr, "gera_figurinhas: %s\n", texto.toLocal8Bit().constData());
    std::exit(1);
}

QList<Figurinha> leLista(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        falha(QStringLiteral("não foi possível abrir %1").arg(caminho));
    QList<Figurinha> lista;
    const QStringList linhas = QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        if (linhas[i].trimmed().isEmpty())
            continue;
        const QStringList c = linhas[i].split(QLatin1Char('\t'));
        if (c.size() != 6)
            falha(QStringLiteral("linha %1: são esperadas 6 colunas").arg(i + 1));
        lista.append({c[0].toInt(), c[1], c[2], c[3], c[4], c[5]});
        if (lista.last().numero != int(lista.size()))
            falha(QStringLiteral("linha %1: número fora de ordem").arg(i + 1));
    }
    if (lista.size() != kFigurasCatalogo)
        falha(QStringLiteral("são %1 figurinhas; o catálogo tem %2")
                  .arg(lista.size())
                  .arg(kFigurasCatalogo));
    return lista;
}

QImage desenha(const Figurinha& f)
{
    QImage imagem(320, 320, QImage::Format_RGB32);
    imagem.fill(QColor(0x0b, 0x5d, 0x2a));
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c), 10));
    p.drawRect(imagem.rect().adjusted(5, 5, -5, -5));
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setBold(true);
    fonte.setPixelSize(30);
    p.setFont(fonte);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 60, 280, 120), Qt::AlignCenter | Qt::TextWordWrap, f.titulo);
    fonte.setPixelSize(20);
    fonte.setBold(false);
    p.setFont(fonte);
    p.drawText(QRect(20, 190, 280, 60), Qt::AlignCenter | Qt::TextWordWrap, f.subtitulo);
    p.drawText(QRect(20, 260, 280, 40), Qt::AlignCenter, numeroCincoDigitos(f.numero));
    return imagem;
}

void gravaLegendas(const QList<Figurinha>& lista, const QString& pasta)
{
    QByteArray dados;
    for (const Figurinha& f : lista) {
        tLegenda registro;
        zeraRegistro(registro);
        bool ok = false;
        const QByteArray texto = toCp1252(f.legenda, &ok);
        if (!ok || texto.size() > 150)
            falha(QStringLiteral("legenda %1 não cabe no arquivo").arg(f.numero));
        registro.Legenda.define(texto);
        dados += bytesDe(registro);
    }
    QFile arquivo(pasta + QStringLiteral("/LegendasImg.Dat"));
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(dados) != dados.size())
        falha(QStringLiteral("não foi possível gravar %1").arg(arquivo.fileName()));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        falha(QStringLiteral("uso: gera_figurinhas LISTA.tsv PASTA"));
    const QString pasta = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(pasta);
    const QList<Figurinha> lista = leLista(QString::fromLocal8Bit(argv[1]));
    for (const Figurinha& f : lista) {
        const QString nome = pasta + QStringLiteral("/imagem") + numeroCincoDigitos(f.numero) +
                             QStringLiteral(".bmp");
        if (!desenha(f).save(nome, "BMP"))
            falha(QStringLiteral("não foi possível gravar %1").arg(nome));
    }
    QImage vazia(320, 320, QImage::Format_RGB32);
    vazia.fill(QColor(0xdd, 0xdd, 0xdd));
    if (!vazia.save(pasta + QStringLiteral("/imagem0.jpg"), "JPEG", 90))
        falha(QStringLiteral("não foi possível gravar imagem0.jpg"));
    gravaLegendas(lista, pasta);
    return 0;
}
