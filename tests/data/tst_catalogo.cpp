#include "common/game_error.h"
#include "common/picture.h"
#include "data/catalogo.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QByteArray legendFile(int records, const std::function<quint8(int)>& flag)
{
    QByteArray bytes;
    for (int k = 1; k <= records; ++k) {
        tLegenda l;
        zeraRegistro(l);
        l.reservado1[0] = quint8(k);
        l.reservado2[3] = quint8(255 - k);
        l.Legenda.defineTexto(QStringLiteral("Legenda número %1").arg(k));
        l.Sorteada = flag(k);
        bytes += bytesDe(l);
    }
    return bytes;
}

quint8 flagInFile(const QByteArray& bytes, int k)
{
    return quint8(bytes[(k - 1) * 160 + 155]);
}

} // namespace

class TstCatalogo : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder() const { return dir.path() + QLatin1Char('/'); }
    QString legends() const { return dir.filePath(QStringLiteral("PastaImg/LegendasImg.Dat")); }

    void writeLegends(const QByteArray& bytes)
    {
        QFile file(legends());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("PastaImg")));
        QImage image(4, 4, QImage::Format_RGB32);
        for (int n = 1; n <= 139; ++n) {
            image.fill(QColor(n, 0, 0));
            QVERIFY(image.save(dir.filePath(
                QStringLiteral("PastaImg/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0')))));
        }
    }

    void cycleIsKeptWithTwentyOneUndrawn()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int k) { return quint8(k <= 118 ? 1 : 0); }));
        CarregaLegendas();
        for (int i = 0; i < 20; ++i) {
            Legendas.zera();
            writeLegends(legendFile(139, [](int k) { return quint8(k <= 118 ? 1 : 0); }));
            CarregaLegendas();
            const int n = sorteiaFigura(1);
            QVERIFY2(n >= 119 && n <= 138, qPrintable(QString::number(n)));
            const QByteArray after = readAll(legends());
            for (int k = 1; k <= 118; ++k)
                QCOMPARE(flagInFile(after, k), quint8(1));
        }
    }

    void cycleResetsWithTwentyUndrawn()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int k) { return quint8(k <= 119 ? 1 : 0); }));
        CarregaLegendas();
        const int n = sorteiaFigura(1);
        const QByteArray after = readAll(legends());
        int marked = 0;
        for (int k = 1; k <= 139; ++k)
            marked += flagInFile(after, k) == 1;
        QCOMPARE(marked, 1);
        QCOMPARE(flagInFile(after, n), quint8(1));
    }

    void drawNeverYieldsZeroOrTheLastPicture()
    {
        RecordingPlatform recorder(folder());
        recorder.runEvents = false;
        writeLegends(legendFile(139, [](int) { return quint8(0); }));
        CarregaLegendas();
        recorder.forcedRandom = {0, 0, 5};
        QCOMPARE(sorteiaFigura(0), 5);
        QSet<int> seen;
        for (int i = 0; i < 1200; ++i) {
            const int n = sorteiaFigura(0);
            QVERIFY(n >= 1 && n <= 138);
            seen.insert(n);
        }
        QVERIFY(seen.size() > 130);
        QCOMPARE(recorder.reseeds, 1201);
    }

    void modeZeroMayDealAMarkedPicture()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int k) { return quint8(k == 9 ? 1 : 0); }));
        CarregaLegendas();
        recorder.forcedRandom = {9};
        QCOMPARE(sorteiaFigura(0), 9);
        recorder.forcedRandom = {9, 10};
        QCOMPARE(sorteiaFigura(1), 10);
    }

    void drawShowsThePictureAndItsLegend()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int) { return quint8(0); }));
        CarregaLegendas();
        Picture picture;
        QLabel label;
        recorder.forcedRandom = {7};
        QCOMPARE(SorteiaImagem(1, picture, label), 7);
        QCOMPARE(picture.tag(), 7);
        QCOMPARE(picture.fileName(), dir.filePath(QStringLiteral("PastaImg/imagem00007.bmp")));
        QCOMPARE(picture.pixmap().toImage().pixelColor(0, 0), QColor(7, 0, 0));
        QCOMPARE(label.text(), QStringLiteral("Legenda número 7"));
        const QByteArray after = readAll(legends());
        QCOMPARE(after.size(), 22240);
        QCOMPARE(flagInFile(after, 7), quint8(1));
        // Reserved bytes are written back as they were.
        QCOMPARE(quint8(after[6 * 160]), quint8(7));
        QCOMPARE(quint8(after[6 * 160 + 159]), quint8(255 - 7));
    }

    void shortFileIsFilledWithZeroRecords()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(100, [](int) { return quint8(1); }));
        CarregaLegendas();
        QCOMPARE(Legendas[101].Legenda.tamanho, quint8(0));
        recorder.forcedRandom = {120};
        QCOMPARE(sorteiaFigura(1), 120);
        const QByteArray after = readAll(legends());
        QCOMPARE(after.size(), 139 * 160);
        for (int k = 101; k <= 139; ++k) {
            const QByteArray expected(160, '\0');
            QByteArray record = after.sliced((k - 1) * 160, 160);
            if (k == 120)
                record[155] = 0;
            QCOMPARE(record, expected);
        }
    }

    void recordsPastTheCatalogueAreKept()
    {
        RecordingPlatform recorder(folder());
        const QByteArray bytes = legendFile(150, [](int) { return quint8(0); });
        writeLegends(bytes + QByteArray(30, 'z'));
        CarregaLegendas();
        QCOMPARE(Legendas[150].Legenda.texto(), QStringLiteral("Legenda número 150"));
        recorder.forcedRandom = {3};
        sorteiaFigura(1);
        const QByteArray after = readAll(legends());
        QCOMPARE(after.size(), 150 * 160);
        QCOMPARE(after.sliced(139 * 160), bytes.sliced(139 * 160));
    }

    void secondDrawWhileOneRunsIsRefused()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int) { return quint8(0); }));
        CarregaLegendas();
        int inner = -1;
        QTimer::singleShot(0, this, [&inner] { inner = sorteiaFigura(0); });
        const int outer = sorteiaFigura(0);
        QCOMPARE(inner, 0);
        QVERIFY(outer >= 1);
        QVERIFY(sorteiaFigura(0) >= 1);
    }

    void missingLegendFileLeavesAnEmptyCatalogue()
    {
        QTemporaryDir empty;
        RecordingPlatform recorder(empty.path() + QLatin1Char('/'));
        CarregaLegendas();
        QCOMPARE(recorder.errorBoxes,
                 QStringList{QStringLiteral("Problemas para abrir o arquivo \rNomeArqLegenda: ") +
                             empty.path() + QStringLiteral("/PastaImg/LegendasImg.Dat")});
        QCOMPARE(Legendas[1].Legenda.tamanho, quint8(0));
    }

    void failedRewriteEndsTheDrawWithoutShowingIt()
    {
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkpath(QStringLiteral("PastaImg")));
        RecordingPlatform recorder(other.path() + QLatin1Char('/'));
        QFile file(other.filePath(QStringLiteral("PastaImg/LegendasImg.Dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(legendFile(139, [](int) { return quint8(0); }));
        file.close();
        CarregaLegendas();
        const QString path = NomeArqLegenda;
        QVERIFY(other.remove());

        Picture picture;
        QLabel label(QStringLiteral("antes"));
        bool shown = false;
        try {
            SorteiaImagem(1, picture, label);
        } catch (const GameError& error) {
            shown = error.alreadyShown();
        }
        QVERIFY(shown);
        QCOMPARE(recorder.errorBoxes,
                 QStringList{QStringLiteral("Problemas para abrir o arquivo \rNomeArqLegenda: ") +
                             path + QStringLiteral("\ro arquivo ou a sua pasta não existe.")});
        QCOMPARE(picture.tag(), 0);
        QCOMPARE(label.text(), QStringLiteral("antes"));
    }

    // A legend file that exists but cannot be read is never written over: the draws go on
    // showing their pictures, and the player is told once that the flags are not kept.
    void unreadableLegendFileIsNeverWrittenOver()
    {
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkpath(QStringLiteral("PastaImg/LegendasImg.Dat")));
        for (int n : {5, 6}) {
            QVERIFY(
                QFile::copy(dir.filePath(QStringLiteral("PastaImg/imagem0000%1.bmp").arg(n)),
                            other.filePath(QStringLiteral("PastaImg/imagem0000%1.bmp").arg(n))));
        }
        RecordingPlatform recorder(other.path() + QLatin1Char('/'));
        CarregaLegendas();
        QCOMPARE(recorder.errorBoxes.size(), 1);

        Picture picture;
        QLabel label;
        recorder.forcedRandom = {5, 6};
        QCOMPARE(SorteiaImagem(1, picture, label), 5);
        QCOMPARE(picture.tag(), 5);
        QCOMPARE(SorteiaImagem(1, picture, label), 6);
        QVERIFY(QFileInfo(other.filePath(QStringLiteral("PastaImg/LegendasImg.Dat"))).isDir());
        const QStringList told = recorder.errorBoxes + recorder.messageBoxes;
        QCOMPARE(told.size(), 2);
        QVERIFY2(told.last().contains(QStringLiteral("não será gravado")), qPrintable(told.last()));
    }

    void missingPictureEndsTheDrawAfterTheFlagIsSaved()
    {
        RecordingPlatform recorder(folder());
        writeLegends(legendFile(139, [](int) { return quint8(0); }));
        CarregaLegendas();
        const QString picturePath = dir.filePath(QStringLiteral("PastaImg/imagem00011.bmp"));
        QVERIFY(QFile::rename(picturePath, picturePath + QStringLiteral(".fora")));
        Picture picture;
        QLabel label;
        recorder.forcedRandom = {11};
        QVERIFY_THROWS_EXCEPTION(GameError, SorteiaImagem(1, picture, label));
        QCOMPARE(flagInFile(readAll(legends()), 11), quint8(1));
        QCOMPARE(picture.tag(), 0);
        QVERIFY(label.text().isEmpty());
        QVERIFY(QFile::rename(picturePath + QStringLiteral(".fora"), picturePath));
    }
};

QTEST_MAIN(TstCatalogo)
#include "tst_catalogo.moc"
