#include "game_folder.h"

#include "content/recursos/ajuda_paginas.h"
#include "data/banco_tsv.h"
#include "data/catalogo.h"

#include <QDir>
#include <QFile>
#include <QImage>

GameFolder::GameFolder()
{
    QDir(dir.path()).mkpath(QStringLiteral("PastaImg"));
    QDir(dir.path()).mkpath(QStringLiteral("PastaImgHelp"));
    QByteArray legends;
    QImage picture(8, 8, QImage::Format_RGB32);
    for (int n = 1; n <= 139; ++n) {
        tLegenda l;
        zeraRegistro(l);
        l.Legenda.defineTexto(QStringLiteral("Legenda %1").arg(n));
        legends += bytesDe(l);
        picture.fill(QColor(n, 100, 50));
        picture.save(file(QStringLiteral("PastaImg/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0'))));
    }
    picture.fill(Qt::gray);
    picture.save(file(QStringLiteral("PastaImg/imagem0.jpg")));
    QFile legendFile(file(QStringLiteral("PastaImg/LegendasImg.Dat")));
    if (legendFile.open(QIODevice::WriteOnly))
        legendFile.write(legends);
    for (QStringView page : ajuda::kTodas) {
        picture.fill(QColor(qHash(page) % 256, 0, 0));
        picture.save(file(QStringLiteral("PastaImgHelp/%1").arg(page)));
    }
    writeBank(12);
}

void GameFolder::writeBank(int n, const QList<bool>& drawn)
{
    QByteArray tsv = QByteArray(kCabecalhoTsv) + '\n';
    for (int k = 1; k <= n; ++k) {
        tsv += QStringLiteral("%1\t\t%2\tPergunta %1?\tCerta %1\tErrada1 %1\tErrada2 %1\t"
                              "Complemento %1.\n")
                   .arg(k)
                   .arg(drawn.value(k - 1) ? 1 : 0)
                   .toUtf8();
    }
    QFile bank(file(QStringLiteral("Quest1.Dat")));
    if (bank.open(QIODevice::WriteOnly))
        bank.write(importaBanco(tsv).banco);
}
