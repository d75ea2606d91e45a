#include "catalogo.h"
#include "estado_partida.h"
#include "game_folder.h"
#include "jogadores.h"
#include "recording_platform.h"
#include "tf_album.h"
#include "tf_pacotinho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

namespace {

int stickersOwned()
{
    int total = 0;
    for (int n = 1; n <= kFigurinhasAlbum; ++n)
        total += JogadorAtual.figurinha(n).Qtd;
    return total;
}

QString shownFile(const Picture* picture)
{
    return QFileInfo(picture->fileName()).fileName();
}

} // namespace

class TstAlbum : public QObject {
    Q_OBJECT

    std::unique_ptr<GameFolder> folder;
    std::unique_ptr<RecordingPlatform> recorder;
    QString previous;

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<GameFolder>();
        recorder = std::make_unique<RecordingPlatform>(folder->path());
        recorder->runEvents = false;
        previous = QDir::currentPath();
        QDir::setCurrent(folder->path());
        CarregaLegendas();
        zeraRegistro(JogadorAtual);
        IdxJogador = 0;
        fPacotinho = new TfPacotinho;
        fAlbum = new TfAlbum;
    }

    void cleanup()
    {
        delete fAlbum;
        fAlbum = nullptr;
        delete fPacotinho;
        fPacotinho = nullptr;
        QDir::setCurrent(previous);
        recorder.reset();
        folder.reset();
    }

    void packetDealsItsSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("dealt");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("11") << 11 << 10;
    }

    void packetDealsItsSize()
    {
        QFETCH(int, size);
        QFETCH(int, dealt);
        TamPacotinho = quint8(size);
        fPacotinho->novoPacote();
        QVERIFY(fPacotinho->BitBtn1->isEnabled());
        fPacotinho->BitBtn1Click();
        QCOMPARE(stickersOwned(), dealt);
        for (int k = 0; k < 10; ++k) {
            const Picture* slot = fPacotinho->im[size_t(k)];
            if (k < dealt) {
                QVERIFY(slot->tag() >= 1 && slot->tag() <= 138);
                QVERIFY(JogadorAtual.figurinha(slot->tag()).Qtd >= 1);
            } else {
                QCOMPARE(slot->tag(), 0);
            }
        }
        QCOMPARE(int(TamPacotinho), size);
        // The packet is dealt once.
        QVERIFY(!fPacotinho->BitBtn1->isEnabled());
        fPacotinho->BitBtn1Click();
        QCOMPARE(stickersOwned(), dealt);
    }

    void sameStickerTwiceCountsTwice()
    {
        TamPacotinho = 2;
        recorder->forcedRandom = {25, 25};
        JogadorAtual.figurinha(25).Qtd = 2;
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        QCOMPARE(JogadorAtual.figurinha(25).Qtd, quint8(4));
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("3"));
    }

    void failedDrawKeepsWhatWasDealt()
    {
        TamPacotinho = 4;
        QFile::remove(folder->file(QStringLiteral("PastaImg/imagem00030.bmp")));
        recorder->forcedRandom = {10, 30, 40};
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QCOMPARE(stickersOwned(), 1);
        QCOMPARE(JogadorAtual.figurinha(10).Qtd, quint8(1));
        QCOMPARE(fPacotinho->im[2]->tag(), 0);
    }

    void duplicates()
    {
        JogadorAtual.figurinha(3).Qtd = 1;
        JogadorAtual.figurinha(50).Qtd = 2;
        JogadorAtual.figurinha(1200).Qtd = 5;
        QCOMPARE(fAlbum->ContaRepetidas(), 5);
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("5"));
        zeraRegistro(JogadorAtual);
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("0"));
    }

    void pageTwoShowsStickerFourteen()
    {
        JogadorAtual.figurinha(14).Qtd = 1;
        fAlbum->BitBtn2Click();
        QCOMPARE(fAlbum->Pagina, 2);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("2"));
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(fAlbum->numeros[size_t(k)]->text(), QString::number(13 + k));
            QCOMPARE(shownFile(fAlbum->im[size_t(k)]),
                     k == 1 ? QStringLiteral("imagem00014.bmp") : QStringLiteral("imagem0.jpg"));
        }
    }

    void pagesStopAtTheEnds()
    {
        fAlbum->BitBtn1Click();
        QCOMPARE(fAlbum->Pagina, 1);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
        for (int i = 0; i < 120; ++i)
            fAlbum->BitBtn2Click();
        QCOMPARE(fAlbum->Pagina, 100);
        QCOMPARE(fAlbum->numeros[11]->text(), QStringLiteral("1200"));
        fAlbum->BitBtn1Click();
        QCOMPARE(fAlbum->Pagina, 99);
    }

    void missingPictureStopsThePage()
    {
        JogadorAtual.figurinha(16).Qtd = 1;
        QFile::remove(folder->file(QStringLiteral("PastaImg/imagem00016.bmp")));
        fAlbum->BitBtn2Click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QCOMPARE(fAlbum->Pagina, 2);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
    }

    void leavingStoresTheCurrentPlayer()
    {
        QByteArray bytes;
        for (const char* name : {"Ana", "Bia", "Caio"}) {
            tJogador j;
            zeraRegistro(j);
            j.Nome.defineTexto(QLatin1String(name));
            bytes += bytesDe(j);
        }
        QFile file(folder->file(QStringLiteral("TernavoAlbum.tnv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        CarregaJogadores();
        EscolheJogador(2);
        JogadorAtual.figurinha(7).Qtd = 3;
        fAlbum->FormDeactivate();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QCOMPARE(after.size(), 3 * 19304);
        QCOMPARE(after.sliced(19304, 19304), bytesDe(JogadorAtual).toByteArray());
        QCOMPARE(after.sliced(0, 19304), bytes.sliced(0, 19304));
    }
};

QTEST_MAIN(TstAlbum)
#include "tst_album.moc"
