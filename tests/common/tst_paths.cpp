#include "common/paths.h"
#include "common/platform.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstPaths : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString root() const { return dir.path() + QLatin1Char('/'); }

    static void touch(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sons")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("PastaImg")));
        touch(root() + QStringLiteral("sons/estadio2.wav"));
        touch(root() + QStringLiteral("sons/Saida.wav"));
        touch(root() + QStringLiteral("PastaImg/LegendasImg.Dat"));
        touch(root() + QStringLiteral("Quest1.Dat"));
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("capitals in the text") << "\\sons\\Estadio2.wav"
                                              << "sons/estadio2.wav";
        QTest::newRow("same file in lower case") << "\\sons\\estadio2.wav"
                                                 << "sons/estadio2.wav";
        QTest::newRow("capitals on disk") << "\\sons\\saida.wav"
                                          << "sons/Saida.wav";
        QTest::newRow("folder in other case") << "pastaimg\\legendasimg.dat"
                                              << "PastaImg/LegendasImg.Dat";
        QTest::newRow("dot folder") << ".\\PastaImg\\LegendasImg.Dat"
                                    << "PastaImg/LegendasImg.Dat";
        QTest::newRow("doubled separators") << "\\\\sons\\\\apito.wav"
                                            << "sons/apito.wav";
        QTest::newRow("forward slashes") << "sons/SAIDA.WAV"
                                         << "sons/Saida.wav";
        QTest::newRow("missing file keeps its name") << "\\sons\\Tempo.wav"
                                                     << "sons/Tempo.wav";
        QTest::newRow("missing folder keeps the rest") << "\\Nada\\Quest1.Dat"
                                                       << "Nada/Quest1.Dat";
        QTest::newRow("plain name") << "quest1.dat"
                                    << "Quest1.Dat";
    }

    void resolve()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(resolvePath(root(), text), root() + expected);
    }

    void programAndWorkingFolders()
    {
        RecordingPlatform recorder(root());
        QCOMPARE(programFile(QStringLiteral("\\SONS\\estadio2.WAV")),
                 root() + QStringLiteral("sons/estadio2.wav"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root() + QStringLiteral("PastaImg")));
        QCOMPARE(workingFile(QStringLiteral(".\\legendasimg.dat")),
                 root() + QStringLiteral("PastaImg/LegendasImg.Dat"));
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(TstPaths)
#include "tst_paths.moc"
