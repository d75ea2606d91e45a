#include "common/game_error.h"
#include "data/jogadores.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray player(const QString& nome, const QString& eMail, int sticker = 0, quint8 count = 0)
{
    tJogador j;
    zeraRegistro(j);
    j.Nome.defineTexto(nome);
    j.eMail.defineTexto(eMail);
    j.reservado[5] = 0x5a;
    if (sticker)
        j.figurinha(sticker).Qtd = count;
    return bytesDe(j).toByteArray();
}

QByteArray threePlayers()
{
    return player(QStringLiteral("Ana"), QStringLiteral("ana@x.br"), 1, 1) +
           player(QStringLiteral("João"), QStringLiteral("joao@x.br"), 25, 2) +
           player(QStringLiteral("Zé"), QStringLiteral("ze@x.br"), 138, 5);
}

} // namespace

class TstJogadores : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString previous;
    QString file() const { return dir.filePath(QStringLiteral("TernavoAlbum.tnv")); }

    void write(const QByteArray& bytes)
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(previous); }
    void init()
    {
        QFile::remove(file());
        IdxJogador = 0;
    }

    void missingFileIsCreatedEmpty()
    {
        RecordingPlatform recorder;
        QVERIFY(!CarregaJogadores());
        QCOMPARE(QtdJogadores, 0);
        QVERIFY(QFile::exists(file()));
        QCOMPARE(QFileInfo(file()).size(), 0);
        GravaJogadores(false);
        QCOMPARE(QFileInfo(file()).size(), 0);
    }

    void emptyFileGivesNoPlayers()
    {
        RecordingPlatform recorder;
        write({});
        QVERIFY(CarregaJogadores());
        QCOMPARE(QtdJogadores, 0);
        QCOMPARE(bytesDe(JogadorAtual).toByteArray(), QByteArray(19304, '\0'));
    }

    void threeRecordsFillTheTableInOrder()
    {
        RecordingPlatform recorder;
        write(threePlayers());
        IdxJogador = 2;
        QStringList handed;
        QVERIFY(CarregaJogadores([&handed](int k, const tJogador& j) {
            handed << QString::number(k) + j.Nome.texto();
        }));
        QCOMPARE(handed, (QStringList{QStringLiteral("1Ana"), QStringLiteral("2João"),
                                      QStringLiteral("3Zé")}));
        QCOMPARE(QtdJogadores, 3);
        QCOMPARE(bytesDe(JogadorAtual).toByteArray(), threePlayers().sliced(2 * 19304));
        QCOMPARE(bytesDe(Jogadores[4]).toByteArray(), QByteArray(19304, '\0'));
        QCOMPARE(bytesDe(Jogadores[50]).toByteArray(), QByteArray(19304, '\0'));
        QCOMPARE(IdxJogador, 2);
        QVERIFY(recorder.eventRuns >= 3);
    }

    void partialTailIsLeftOut()
    {
        RecordingPlatform recorder;
        write(threePlayers() + QByteArray(100, 'q'));
        CarregaJogadores();
        QCOMPARE(QtdJogadores, 3);
        GravaJogadores(true);
        QCOMPARE(readAll(file()), threePlayers());
    }

    void appendedPlayerHasAnEmptyAlbum()
    {
        RecordingPlatform recorder;
        write(threePlayers());
        CarregaJogadores();
        QVERIFY(AcrescentaJogador(QStringLiteral("Ana Júlia"), QStringLiteral("ana@jogo.br")));
        GravaJogadores(false);
        const QByteArray bytes = readAll(file());
        QCOMPARE(bytes.size(), 4 * 19304);
        QByteArray expected(19304, '\0');
        expected[0] = char(11);
        expected.replace(1, 11, "ana@jogo.br");
        expected[51] = char(9);
        expected.replace(52, 9, QByteArray("Ana J\xfalia"));
        QCOMPARE(bytes.sliced(3 * 19304), expected);
    }

    void namesAndAddressesAreCut()
    {
        RecordingPlatform recorder;
        write({});
        CarregaJogadores();
        AcrescentaJogador(QString(40, QLatin1Char('n')), QString(60, QLatin1Char('e')));
        QCOMPARE(Jogadores[1].Nome.texto(), QString(30, QLatin1Char('n')));
        QCOMPARE(Jogadores[1].eMail.texto(), QString(50, QLatin1Char('e')));
    }

    void stickerCountsSitAtTheirOffset()
    {
        RecordingPlatform recorder;
        write(threePlayers());
        CarregaJogadores();
        EscolheJogador(2);
        QCOMPARE(IdxJogador, 2);
        QCOMPARE(JogadorAtual.Nome.texto(), QStringLiteral("João"));
        QCOMPARE(quint8(bytesDe(JogadorAtual).toByteArray()[492]), quint8(2));
        AcrescentaFigurinha(25);
        QCOMPARE(quint8(bytesDe(JogadorAtual).toByteArray()[492]), quint8(3));
        JogadorAtual.figurinha(7).Qtd = 255;
        AcrescentaFigurinha(7);
        QCOMPARE(JogadorAtual.figurinha(7).Qtd, quint8(255));
    }

    void storingTheWorkingCopy()
    {
        RecordingPlatform recorder;
        write(threePlayers());
        CarregaJogadores();
        JogadorAtual.figurinha(3).Qtd = 4;
        IdxJogador = 0;
        GuardaJogadorAtual();
        GravaJogadores(true);
        QCOMPARE(readAll(file()), threePlayers());

        EscolheJogador(2);
        JogadorAtual.figurinha(3).Qtd = 4;
        GuardaJogadorAtual();
        GravaJogadores(true);
        const QByteArray bytes = readAll(file());
        QCOMPARE(bytes.size(), 3 * 19304);
        QCOMPARE(quint8(bytes[19304 + 92 + 16 * 3]), quint8(4));
        QCOMPARE(bytes.sliced(0, 19304), threePlayers().sliced(0, 19304));
    }

    void playersPastFiftyAreKeptAndNoMoreAreAdded()
    {
        RecordingPlatform recorder;
        QByteArray bytes;
        for (int k = 1; k <= 53; ++k)
            bytes += player(QStringLiteral("Jogador %1").arg(k), QStringLiteral("j@x"));
        write(bytes);
        CarregaJogadores();
        QCOMPARE(QtdJogadores, 50);
        QVERIFY(!AcrescentaJogador(QStringLiteral("Novo"), QStringLiteral("n@x")));
        QCOMPARE(recorder.messageBoxes.size(), 1);
        QCOMPARE(QtdJogadores, 50);
        GravaJogadores(false);
        QCOMPARE(readAll(file()), bytes);
    }

    void failedLoadNeverShortensTheFile()
    {
        RecordingPlatform recorder;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TernavoAlbum.tnv")));
        QVERIFY_THROWS_EXCEPTION(GameError, CarregaJogadores());
        QVERIFY_THROWS_EXCEPTION(GameError, GravaJogadores(false));
        QVERIFY(QFileInfo(file()).isDir());
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("TernavoAlbum.tnv")));
    }

    // After a reload that failed, a save that is refused says so instead of dropping the new
    // player without a word, and the file stays as it was.
    void saveRefusedAfterAFailedReloadIsReported()
    {
        RecordingPlatform recorder;
        write(threePlayers());
        CarregaJogadores();
        QVERIFY(QFile::rename(file(), file() + QStringLiteral(".fora")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TernavoAlbum.tnv")));
        QVERIFY_THROWS_EXCEPTION(GameError, CarregaJogadores());
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("TernavoAlbum.tnv")));
        QVERIFY(QFile::rename(file() + QStringLiteral(".fora"), file()));

        AcrescentaJogador(QStringLiteral("Bia"), QStringLiteral("b@x"));
        for (int round = 0; round < 2; ++round) {
            try {
                GravaJogadores(false);
                QFAIL("the refused save said nothing");
            } catch (const GameError& error) {
                QVERIFY2(error.text().contains(QStringLiteral("não foi gravado")),
                         qPrintable(error.text()));
            }
        }
        QCOMPARE(readAll(file()), threePlayers());
    }

    void failedSaveIsReported()
    {
        RecordingPlatform recorder;
        write({});
        CarregaJogadores();
        AcrescentaJogador(QStringLiteral("Ana"), QStringLiteral("a@x"));
        // Something that is not a file now stands where the file was.
        QVERIFY(QFile::remove(file()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TernavoAlbum.tnv")));
        try {
            GravaJogadores(false);
            QFAIL("the save should have failed");
        } catch (const GameError& error) {
            QVERIFY(error.text().startsWith(
                QStringLiteral("Não foi possível gravar o arquivo de jogadores")));
        }
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("TernavoAlbum.tnv")));
    }
};

QTEST_GUILESS_MAIN(TstJogadores)
#include "tst_jogadores.moc"
