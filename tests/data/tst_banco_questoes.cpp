#include "data/banco_questoes.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A record whose texts are stored scrambled with its code, with noise in every byte that
// carries no meaning, so that a save that rewrites them would show.
tQuestao record(int numero, const QByteArray& codigo, const QStringList& textos, quint8 usada)
{
    tQuestao q;
    auto* bytes = reinterpret_cast<quint8*>(&q);
    for (size_t i = 0; i < sizeof q; ++i)
        bytes[i] = quint8((i * 37 + numero * 11) % 251);
    q.Codigo.define(codigo);
    auto store = [&codigo](auto& field, const QString& text) {
        field.define(text.isEmpty() ? QByteArray(kMarcadorVazio)
                                    : EmbaralhaTexto(toCp1252(text), codigo));
    };
    store(q.Pergunta, textos.value(0));
    store(q.RespCerta, textos.value(1));
    store(q.RespErrada1, textos.value(2));
    store(q.RespErrada2, textos.value(3));
    store(q.Complemento, textos.value(4));
    q.Numero = numero;
    q.Usada = usada;
    return q;
}

QByteArray bankOf(int count)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k) {
        const tQuestao q =
            record(k, "AB5CD13",
                   {QStringLiteral("Pergunta %1, é?").arg(k), QStringLiteral("Sim"),
                    QStringLiteral("Não"), QStringLiteral("Talvez"), QStringLiteral("Porque sim.")},
                   k % 3 == 0 ? 1 : 0);
        bytes += bytesDe(q);
    }
    return bytes;
}

} // namespace

class TstBancoQuestoes : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString bank() const { return dir.filePath(QStringLiteral("Quest1.Dat")); }

private Q_SLOTS:
    void init()
    {
        QVERIFY(dir.isValid());
        QFile::remove(bank());
    }

    void restauraTexto_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("expected");

        // "AB5CD13": digit 6 odd (plus), character 7 names character 3, a 5.
        QTest::newRow("marker is the empty text")
            << QByteArray(kMarcadorVazio) << QByteArray("AB5CD13") << QByteArray();
        QTest::newRow("marker inside longer text is text")
            << QByteArray("x&#&#&#&#&#%$%$%$%$%$") << QByteArray("AB0CD13")
            << QByteArray("&x&#&#&#&#%#%$%$%$%$$");
        QTest::newRow("two characters swapped and shifted")
            << QByteArray("ab") << QByteArray("AB5CD13") << QByteArray("gf");
        QTest::newRow("odd length keeps the last one")
            << QByteArray("abc") << QByteArray("AB5CD13") << QByteArray("gfc");
        QTest::newRow("even digit 6 shifts down")
            << QByteArray("gf") << QByteArray("AB5CD23") << QByteArray("ab");
        QTest::newRow("zero counts as even")
            << QByteArray("dd") << QByteArray("AB3CD03") << QByteArray("aa");
        QTest::newRow("k = 0 only swaps")
            << QByteArray("abcd") << QByteArray("AB0CD13") << QByteArray("badc");
        QTest::newRow("character 7 may name itself")
            << QByteArray("aa") << QByteArray("ABCDE17") << QByteArray("hh");
        QTest::newRow("255 + 1 wraps to 0")
            << QByteArray("\x00\xff", 2) << QByteArray("ZZ1ZZ13") << QByteArray("\x00\x01", 2);
        QTest::newRow("0 - 1 wraps to 255")
            << QByteArray("\x05\x00", 2) << QByteArray("ZZ1ZZ23") << QByteArray("\xff\x04", 2);
        QTest::newRow("one character stays")
            << QByteArray("a") << QByteArray("AB5CD13") << QByteArray("a");
        QTest::newRow("code too short")
            << QByteArray("ab") << QByteArray("AB5CD1") << QByteArray("ab");
        QTest::newRow("digit 6 missing")
            << QByteArray("ab") << QByteArray("AB5CDX3") << QByteArray("ab");
        QTest::newRow("character 7 is 0")
            << QByteArray("ab") << QByteArray("AB5CD10") << QByteArray("ab");
        QTest::newRow("character 7 past the end")
            << QByteArray("ab") << QByteArray("AB5CD19") << QByteArray("ab");
        QTest::newRow("named character not a digit")
            << QByteArray("ab") << QByteArray("ABXCD13") << QByteArray("ab");
    }

    void restauraTexto()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, expected);
        QCOMPARE(RestauraTexto(stored, code), expected);
    }

    void embaralhaIsTheInverse()
    {
        QByteArray text;
        for (int i = 0; i < 256; ++i)
            text += char(i);
        for (const char* code : {"AB5CD13", "AB5CD23", "AB9CD03", "AB0CD13", "P00016891"}) {
            QCOMPARE(RestauraTexto(EmbaralhaTexto(text, code), code), text);
            QCOMPARE(RestauraTexto(EmbaralhaTexto(text.left(7), code), code), text.left(7));
        }
    }

    void loadRestoresTextsAndKeepsTheStoredRecords()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        const QByteArray bytes = bankOf(3) + QByteArray(100, 'x');
        writeAll(bank(), bytes);

        CarregaQuestoes();

        QCOMPARE(NumQuestoes, 3);
        QCOMPARE(NomeArqQuest, bank());
        QCOMPARE(Questoes[2].Pergunta.texto(), QStringLiteral("Pergunta 2, é?"));
        QCOMPARE(Questoes[2].RespErrada1.texto(), QStringLiteral("Não"));
        QCOMPARE(Questoes[2].Complemento.texto(), QStringLiteral("Porque sim."));
        QCOMPARE(Questoes[3].Usada, quint8(1));
        QCOMPARE(qint32(Questoes[3].Numero), 3);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(bytesDe(QuestoesArquivo[k]), QByteArrayView(bytes).sliced((k - 1) * 576, 576));
        QCOMPARE(Questoes[4].Numero, 0);
        QVERIFY(recorder.eventRuns >= 6);
        QVERIFY(recorder.errorBoxes.isEmpty());
    }

    void saveChangesOnlyTheDrawnFlags()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        const QByteArray bytes = bankOf(3);
        writeAll(bank(), bytes + QByteArray(100, 'x'));
        CarregaQuestoes();
        Questoes[2].Usada = 1;
        QuestoesArquivo[2].Usada = 1;

        GravaQuestoes();

        QByteArray expected = bytes;
        expected[576 + 572] = 1;
        QCOMPARE(readAll(bank()), expected);
    }

    void emptyBankLoadsAndSavesEmpty()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        writeAll(bank(), {});
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 0);
        QVERIFY(bancoCarregado());
        GravaQuestoes();
        QVERIFY(QFile::exists(bank()));
        QCOMPARE(QFileInfo(bank()).size(), 0);
    }

    void recordsPastTheCapacityAreWrittenBackUntouched()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        recorder.runEvents = false;
        const QByteArray bytes = bankOf(2503);
        writeAll(bank(), bytes + QByteArray(10, 'y'));
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 2500);
        QuestoesArquivo[2500].Usada = 1;
        GravaQuestoes();

        QByteArray expected = bytes;
        expected[2499 * 576 + 572] = 1;
        QCOMPARE(readAll(bank()), expected);
    }

    void missingBankShowsTheErrorAndIsNotCreated()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 0);
        QCOMPARE(recorder.errorBoxes,
                 QStringList{QStringLiteral("Problemas para abrir o arquivo \rNomeArqQuest: ") +
                             bank()});
        GravaQuestoes();
        QVERIFY(!QFile::exists(bank()));
    }

    void failedSaveShowsTheErrorAndKeepsTheFile()
    {
        QTemporaryDir folder;
        RecordingPlatform recorder(folder.path() + QLatin1Char('/'));
        const QString path = folder.filePath(QStringLiteral("Quest1.Dat"));
        writeAll(path, bankOf(2));
        CarregaQuestoes();
        // The folder disappears under the game: nothing can be written there any more.
        QVERIFY(folder.remove());
        GravaQuestoes();
        QCOMPARE(recorder.errorBoxes,
                 QStringList{QStringLiteral("Problemas para abrir o arquivo \rNomeArqQuest: ") +
                             path + QStringLiteral("\ro arquivo ou a sua pasta não existe.")});
    }

    void nameIsMatchedWithoutRegardToCase()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        const QString lower = dir.filePath(QStringLiteral("quest1.dat"));
        writeAll(lower, bankOf(1));
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 1);
        QCOMPARE(NomeArqQuest, lower);
        QFile::remove(lower);
    }

    void recordWithoutDigitsLoadsUnchangedAndTheRestLoads()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        tQuestao bad = record(1, "SEMDIGITO", {}, 0);
        bad.Pergunta.define("xy");
        const QByteArray bytes = bytesDe(bad).toByteArray() + bankOf(2).sliced(576);
        writeAll(bank(), bytes);
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 2);
        QCOMPARE(Questoes[1].Pergunta.valor(), QByteArray("xy"));
        QCOMPARE(Questoes[2].Pergunta.texto(), QStringLiteral("Pergunta 2, é?"));
    }

    void overlongLengthByteIsReadAsTheWholeField()
    {
        RecordingPlatform recorder(dir.path() + QLatin1Char('/'));
        tQuestao q = record(1, "AB0CD13", {QStringLiteral("abc")}, 0);
        q.Pergunta.tamanho = 255;
        writeAll(bank(), bytesDe(q).toByteArray());
        CarregaQuestoes();
        QCOMPARE(NumQuestoes, 1);
        QCOMPARE(Questoes[1].Pergunta.valor().size(), 150);
        GravaQuestoes();
        QCOMPARE(readAll(bank()), bytesDe(q).toByteArray());
    }
};

QTEST_GUILESS_MAIN(TstBancoQuestoes)
#include "tst_banco_questoes.moc"
