// The per-user game folder of an installed game: seeded whole or not at all, and an upgrade of
// the bank keeps what the player has drawn and never touches the legend or player file.

#include "data/banco_questoes.h"
#include "data/pasta_usuario.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A bank of one record per code; the codes in `drawn` have Usada = 1.
QByteArray bank(const QList<QByteArray>& codes, const QList<QByteArray>& drawn = {})
{
    QByteArray bytes;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        tQuestao q;
        zeraRegistro(q);
        q.Codigo.define(codes[i]);
        q.Pergunta.define("pergunta " + codes[i]);
        q.Numero = qint32(i + 1);
        q.Usada = drawn.contains(codes[i]) ? 1 : 0;
        bytes += bytesDe(q).toByteArray();
    }
    return bytes;
}

QMap<QByteArray, int> drawnFlags(const QByteArray& bytes)
{
    QMap<QByteArray, int> flags;
    for (qsizetype i = 0; i + qsizetype(sizeof(tQuestao)) <= bytes.size(); i += sizeof(tQuestao)) {
        tQuestao q;
        copiaBytes(q, bytes.constData() + i);
        flags[q.Codigo.valor()] = q.Usada;
    }
    return flags;
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TstPastaUsuario : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString content;
    QString user;

    // Everything in the temporary folder but the content: what a start left behind.
    QStringList leftBehind() const
    {
        QStringList names =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
        names.removeAll(QStringLiteral("instalado"));
        names.removeAll(QStringLiteral("movido"));
        return names;
    }

private Q_SLOTS:
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        content = dir.filePath(QStringLiteral("instalado")) + QLatin1Char('/');
        user = dir.filePath(QStringLiteral("dribolex")) + QLatin1Char('/');
        write(content + QStringLiteral("Quest1.Dat"), bank({"A0000101", "B0000101", "C0000101"}));
        write(content + QStringLiteral("PastaImg/LegendasImg.Dat"), QByteArray(160, 'L'));
        write(content + QStringLiteral("PastaImg/imagem00001.bmp"), "BM");
        write(content + QStringLiteral("sons/apito.wav"), "RIFF");
    }

    void firstStartCopiesWhatTheGameWritesAndLinksTheRest()
    {
        QString erro;
        QVERIFY2(preparaPastaDoUsuario(content, user, &erro), qPrintable(erro));
        for (const char* copied : {"Quest1.Dat", "PastaImg/LegendasImg.Dat"}) {
            const QFileInfo file(user + QLatin1String(copied));
            QVERIFY2(file.isFile() && !file.isSymLink() && file.isWritable(), copied);
            QCOMPARE(readAll(file.filePath()), readAll(content + QLatin1String(copied)));
        }
        QVERIFY(QFileInfo(user + QStringLiteral("PastaImg")).isDir());
        QVERIFY(!QFileInfo(user + QStringLiteral("PastaImg")).isSymLink());
        QCOMPARE(QFileInfo(user + QStringLiteral("PastaImg/imagem00001.bmp")).symLinkTarget(),
                 content + QStringLiteral("PastaImg/imagem00001.bmp"));
        QCOMPARE(readAll(user + QStringLiteral("sons/apito.wav")), QByteArray("RIFF"));
        QCOMPARE(leftBehind(), QStringList{QStringLiteral("dribolex")});
    }

    void upgradeCarriesDrawnFlagsByCode()
    {
        QString erro;
        QVERIFY2(preparaPastaDoUsuario(content, user, &erro), qPrintable(erro));
        // The player drew B, added a player and drew a sticker.
        write(user + QStringLiteral("Quest1.Dat"),
              bank({"A0000101", "B0000101", "C0000101"}, {"B0000101"}));
        write(user + QStringLiteral("TernavoAlbum.tnv"), QByteArray(19304, 'J'));
        write(user + QStringLiteral("PastaImg/LegendasImg.Dat"), QByteArray(160, 'S'));

        // A later start with the same bank installed keeps the player's one as it is.
        QVERIFY2(preparaPastaDoUsuario(content, user, &erro), qPrintable(erro));
        QCOMPARE(drawnFlags(readAll(user + QStringLiteral("Quest1.Dat")))["B0000101"], 1);

        // The upgrade ships A, B, D.
        write(content + QStringLiteral("Quest1.Dat"), bank({"A0000101", "B0000101", "D0000101"}));
        write(content + QStringLiteral("PastaImg/LegendasImg.Dat"), QByteArray(320, 'N'));
        QVERIFY2(preparaPastaDoUsuario(content, user, &erro), qPrintable(erro));

        const QByteArray upgraded = readAll(user + QStringLiteral("Quest1.Dat"));
        const QMap<QByteArray, int> expected = {{"A0000101", 0}, {"B0000101", 1}, {"D0000101", 0}};
        QCOMPARE(drawnFlags(upgraded), expected);
        QCOMPARE(upgraded.size(), 3 * qsizetype(sizeof(tQuestao)));
        QCOMPARE(readAll(user + QStringLiteral("TernavoAlbum.tnv")), QByteArray(19304, 'J'));
        QCOMPARE(readAll(user + QStringLiteral("PastaImg/LegendasImg.Dat")), QByteArray(160, 'S'));
    }

    void laterStartAddsWhatIsMissingAndKeepsWhatIsThere()
    {
        QString erro;
        QVERIFY2(preparaPastaDoUsuario(content, user, &erro), qPrintable(erro));
        // The player replaced a sound; the install moved; an upgrade brought a new picture.
        QFile::remove(user + QStringLiteral("sons"));
        write(user + QStringLiteral("sons"), "meu");
        const QString moved = dir.filePath(QStringLiteral("movido")) + QLatin1Char('/');
        QVERIFY(QDir().rename(content, moved));
        write(moved + QStringLiteral("PastaImg/imagem00002.bmp"), "BM2");

        QVERIFY2(preparaPastaDoUsuario(moved, user, &erro), qPrintable(erro));
        QCOMPARE(readAll(user + QStringLiteral("PastaImg/imagem00001.bmp")), QByteArray("BM"));
        QCOMPARE(readAll(user + QStringLiteral("PastaImg/imagem00002.bmp")), QByteArray("BM2"));
        QCOMPARE(readAll(user + QStringLiteral("sons")), QByteArray("meu"));
        QVERIFY(!QFileInfo(user + QStringLiteral("Quest1.Dat")).isSymLink());
    }

    void carriedFlagsFollowTheCodeNotThePosition()
    {
        // B moves to the front and a record without a code matches nothing.
        const QByteArray old = bank({"A0000101", "B0000101", ""}, {"B0000101", ""});
        const QByteArray fresh = bank({"B0000101", "", "A0000101"});
        const QMap<QByteArray, int> expected = {{"", 0}, {"A0000101", 0}, {"B0000101", 1}};
        QCOMPARE(drawnFlags(atualizaBanco(fresh, old)), expected);
    }

    void folderThatCannotBeMadeLeavesNothing_data()
    {
        QTest::addColumn<QString>("breaks");
        QTest::newRow("pasta-mae-é-arquivo") << QStringLiteral("parent");
        QTest::newRow("falha-no-meio") << QStringLiteral("content");
        QTest::newRow("pasta-é-arquivo") << QStringLiteral("user");
    }

    void folderThatCannotBeMadeLeavesNothing()
    {
        QFETCH(QString, breaks);
        if (breaks == QLatin1String("parent")) {
            write(dir.filePath(QStringLiteral("casa")), "x");
            user = dir.filePath(QStringLiteral("casa/dribolex/"));
        } else if (breaks == QLatin1String("content")) {
            // The legend file is copied after the bank: a copy that fails half-way through.
            const QString legends = content + QStringLiteral("PastaImg/LegendasImg.Dat");
            QFile::remove(legends);
            QVERIFY(QFile::link(content + QStringLiteral("nada"), legends));
        } else {
            write(dir.filePath(QStringLiteral("dribolex")), "x");
        }
        const QStringList before = leftBehind();
        QString erro;
        QVERIFY(!preparaPastaDoUsuario(content, user, &erro));
        QVERIFY2(erro.startsWith(QStringLiteral("não foi possível")) ||
                     erro.startsWith(QStringLiteral("a pasta")),
                 qPrintable(erro));
        QCOMPARE(leftBehind(), before);
    }
};

QTEST_GUILESS_MAIN(TstPastaUsuario)
#include "tst_pasta_usuario.moc"
