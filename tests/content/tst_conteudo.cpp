// What the build lays out in the game folder from the content sources: sticker and help
// pictures and the banner.

#include "content/recursos/ajuda_paginas.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

const QString kJogo = QStringLiteral(DRIBOLEX_GAME_DIR "/");

QByteArray le(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bits per pixel of a BMP file, or 0 when it is not one.
int bitsBmp(const QByteArray& b)
{
    if (b.size() < 30 || !b.startsWith("BM"))
        return 0;
    return qFromLittleEndian<quint16>(b.constData() + 28);
}

} // namespace

class TstConteudo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stickersAre24BitCards()
    {
        for (int n = 1; n <= 139; ++n) {
            const QString nome =
                kJogo + QStringLiteral("PastaImg/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0'));
            const QByteArray bytes = le(nome);
            QCOMPARE(bitsBmp(bytes), 24);
            QCOMPARE(QImage::fromData(bytes).size(), QSize(320, 320));
        }
        QImageReader vazia(kJogo + QStringLiteral("PastaImg/imagem0.jpg"));
        QCOMPARE(vazia.format(), QByteArray("jpeg"));
        QCOMPARE(vazia.read().size(), QSize(320, 320));
    }

    void helpPagesAreLargeJpegs_data()
    {
        QTest::addColumn<QString>("pagina");
        for (QStringView p : ajuda::kTodas)
            QTest::newRow(qPrintable(p.toString())) << p.toString();
    }

    void helpPagesAreLargeJpegs()
    {
        QFETCH(QString, pagina);
        QImageReader leitor(kJogo + QStringLiteral("PastaImgHelp/") + pagina);
        QCOMPARE(leitor.format(), QByteArray("jpeg"));
        const QImage imagem = leitor.read();
        QCOMPARE(imagem.size(), QSize(1026, 962));
        // The page is mostly light paper with dark text on it, not a blank or black sheet.
        int claros = 0, escuros = 0;
        for (int y = 430; y < 930; y += 4)
            for (int x = 40; x < 990; x += 4) {
                claros += qGray(imagem.pixel(x, y)) > 200;
                escuros += qGray(imagem.pixel(x, y)) < 90;
            }
        QVERIFY(claros > escuros * 3);
        QVERIFY(escuros > 300);
    }

    void bannerIs24BitBmp()
    {
        const QByteArray bytes = le(kJogo + QStringLiteral("ImgPatroc/LogoTernavo.bmp"));
        QCOMPARE(bitsBmp(bytes), 24);
        QCOMPARE(QImage::fromData(bytes).size(), QSize(1216, 378));
    }
};

QTEST_GUILESS_MAIN(TstConteudo)
#include "tst_conteudo.moc"
