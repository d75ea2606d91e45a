// The question-bank tool, run as its users run it.

#include "data/banco_questoes.h"
#include "data/banco_tsv.h"
#include "tests/support/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTool = QStringLiteral(DRIBOLEX_GAME_DIR "/banco-perguntas");
const QByteArray kHeader = QByteArray(kCabecalhoTsv) + '\n';

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

Run run(const QStringList& args)
{
    QProcess process;
    process.start(kTool, args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray line(const QByteArray& codigo, const QByteArray& usada, const QByteArray& pergunta,
                const QByteArray& certa = "Certa", const QByteArray& errada1 = "Errada 1",
                const QByteArray& errada2 = "Errada 2", const QByteArray& complemento = "Porque.")
{
    return QByteArrayList{"0", codigo, usada, pergunta, certa, errada1, errada2, complemento}.join(
               '\t') +
           '\n';
}

} // namespace

class TstBancoPerguntas : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void importThenExportGivesTheSameTexts()
    {
        const QByteArray tsv =
            kHeader + line("", "0", "Quem venceu a final? É \"fácil\": ação, pênalti, 100%") +
            line("AB5CD13", "1", "Texto com \\\\ barra, \\t tabulação,\\n linha e \\r retorno", "",
                 "Ç", "€ e ñ", "") +
            line("", "0", "Última");
        writeAll(path("in.tsv"), tsv);
        const Run imported = run({QStringLiteral("importar"), path("in.tsv"), path("b.dat")});
        QCOMPARE(imported.code, 0);

        const QByteArray bank = readAll(path("b.dat"));
        QCOMPARE(bank.size(), 3 * 576);
        tQuestao second;
        copiaBytes(second, bank.constData() + 576);
        QCOMPARE(second.RespCerta.valor(), QByteArray(kMarcadorVazio));
        QCOMPARE(qint32(second.Numero), 2);
        QCOMPARE(second.Usada, quint8(1));
        QCOMPARE(second.Codigo.valor(), QByteArray("AB5CD13"));
        tQuestao first;
        copiaBytes(first, bank.constData());
        QVERIFY(codigoValido(first.Codigo.valor()));
        QVERIFY(first.Pergunta.valor() != toCp1252(QStringLiteral("Quem venceu a final?")));

        const Run exported = run({QStringLiteral("exportar"), path("b.dat")});
        QCOMPARE(exported.code, 0);
        const QList<QByteArray> lines = exported.out.split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0] + '\n', kHeader);
        const QList<QByteArray> original = tsv.split('\n');
        for (int i = 1; i <= 3; ++i) {
            const QList<QByteArray> got = lines[i].split('\t');
            const QList<QByteArray> want = original[i].split('\t');
            QCOMPARE(got[0], QByteArray::number(i));
            QCOMPARE(got.mid(2), want.mid(2));
        }
    }

    void aTrailingSourceColumnIsAcceptedAndNotStored()
    {
        const QByteArray header = QByteArray(kCabecalhoTsv) + "\tfonte\n";
        const QByteArray plain =
            kHeader + line("AB5CD13", "0", "Uma") + line("AB5CD13", "0", "Duas");
        QByteArray withSource = plain;
        withSource.replace(kHeader, header);
        withSource.replace("Porque.\n", "Porque.\t4.4\n");
        writeAll(path("plain.tsv"), plain);
        writeAll(path("source.tsv"), withSource);
        QCOMPARE(run({QStringLiteral("importar"), path("plain.tsv"), path("plain.dat")}).code, 0);
        QCOMPARE(run({QStringLiteral("importar"), path("source.tsv"), path("source.dat")}).code, 0);
        QCOMPARE(readAll(path("source.dat")), readAll(path("plain.dat")));

        writeAll(path("short.tsv"), header + line("", "0", "Sem fonte"));
        const Run shortRow = run({QStringLiteral("importar"), path("short.tsv"), path("s.dat")});
        QCOMPARE(shortRow.code, 2);
        QVERIFY2(shortRow.err.contains(QStringLiteral("8 colunas; são esperadas 9")),
                 qPrintable(shortRow.err));
    }

    void importRefusesBadInputAndWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("tsv");
        QTest::addColumn<QString>("message");

        QTest::newRow("no header") << line("", "0", "Sem cabeçalho") << "linha 1";
        QTest::newRow("column count") << kHeader + "1\t\t0\tSó\tquatro\n"
                                      << "linha 2: 5 colunas";
        QTest::newRow("question too long")
            << kHeader + line("", "0", "Ok") + line("", "0", QByteArray(151, 'p'))
            << "linha 3, coluna pergunta: tem 151 caracteres";
        QTest::newRow("accented question too long")
            << kHeader + line("", "0", QString(151, QChar(0xe9)).toUtf8())
            << "linha 2, coluna pergunta";
        QTest::newRow("option too long")
            << kHeader + line("", "0", "Ok", QByteArray(101, 'c')) << "linha 2, coluna resp_certa";
        QTest::newRow("complement too long")
            << kHeader + line("", "0", "Ok", "a", "b", "c", QByteArray(101, 'x'))
            << "linha 2, coluna complemento";
        QTest::newRow("character outside Windows-1252")
            << kHeader + line("", "0", "Bola \xe2\x9a\xbd") << "linha 2, coluna pergunta";
        QTest::newRow("bad code") << kHeader + line("ABCDEFG", "0", "Ok")
                                  << "linha 2, coluna codigo";
        QTest::newRow("code too long")
            << kHeader + line("AB5CD13XXXX", "0", "Ok") << "linha 2, coluna codigo";
        QTest::newRow("drawn flag") << kHeader + line("", "2", "Ok") << "linha 2, coluna usada";
        QTest::newRow("bad escape")
            << kHeader + line("", "0", "Barra \\x") << "linha 2, coluna pergunta";
        QTest::newRow("not UTF-8") << kHeader + line("", "0", "Ol\xe1") << "UTF-8";
    }

    void importRefusesBadInputAndWritesNothing()
    {
        QFETCH(QByteArray, tsv);
        QFETCH(QString, message);
        writeAll(path("bad.tsv"), tsv);
        writeAll(path("keep.dat"), "bank that was there");
        const Run result = run({QStringLiteral("importar"), path("bad.tsv"), path("keep.dat")});
        QCOMPARE(result.code, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(readAll(path("keep.dat")), QByteArray("bank that was there"));
        QFile::remove(path("new.dat"));
        QCOMPARE(run({QStringLiteral("importar"), path("bad.tsv"), path("new.dat")}).code, 2);
        QVERIFY(!QFile::exists(path("new.dat")));
    }

    void zeroClearsOnlyTheDrawnFlags()
    {
        QByteArray bank;
        for (int k = 0; k < 3 * 576 + 40; ++k)
            bank += char((k * 7) % 256);
        writeAll(path("z.dat"), bank);
        QCOMPARE(run({QStringLiteral("zerar"), path("z.dat")}).code, 0);
        QByteArray expected = bank;
        for (int k = 0; k < 3; ++k)
            expected[k * 576 + 572] = 0;
        QCOMPARE(readAll(path("z.dat")), expected);
    }

    void checkAcceptsAGoodBank()
    {
        writeAll(path("ok.tsv"), kHeader + line("", "1", "Uma") + line("", "0", "Duas"));
        QCOMPARE(run({QStringLiteral("importar"), path("ok.tsv"), path("ok.dat")}).code, 0);
        const Run result = run({QStringLiteral("verificar"), path("ok.dat")});
        QCOMPARE(result.code, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("2 perguntas, 1 já sorteadas.").toUtf8()),
                 result.out.constData());
    }

    void checkListsEveryRecordOutsideTheFormat()
    {
        writeAll(path("ok.tsv"),
                 kHeader + line("", "0", "Uma") + line("", "0", "Duas") + line("", "0", "Três"));
        QCOMPARE(run({QStringLiteral("importar"), path("ok.tsv"), path("bad.dat")}).code, 0);
        QByteArray bank = readAll(path("bad.dat"));
        tQuestao q;
        copiaBytes(q, bank.constData());
        // A NUL inside the code must not cut the report short.
        q.Codigo.define(QByteArray("SEM\0DIGIT", 9));
        bank.replace(0, 576, bytesDe(q).toByteArray());
        copiaBytes(q, bank.constData() + 576);
        q.Numero = 7;
        bank.replace(576, 576, bytesDe(q).toByteArray());
        copiaBytes(q, bank.constData() + 2 * 576);
        q.Pergunta.tamanho = 200;
        bank.replace(2 * 576, 576, bytesDe(q).toByteArray());
        writeAll(path("bad.dat"), bank + "resto");

        const Run result = run({QStringLiteral("verificar"), path("bad.dat")});
        QCOMPARE(result.code, 1);
        const QString out = QString::fromUtf8(result.out);
        QVERIFY2(out.contains(QStringLiteral("registro 1: código \"SEM") + QChar(0) +
                              QStringLiteral("DIGIT\"")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("registro 2: Numero é 7")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("registro 3: Pergunta tem tamanho 200")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("registro parcial de 5 bytes")), qPrintable(out));
    }

    void importOfNoQuestionsOverABankNeedsTheFlag()
    {
        writeAll(path("two.tsv"), kHeader + line("", "0", "Uma") + line("", "1", "Duas"));
        QCOMPARE(run({QStringLiteral("importar"), path("two.tsv"), path("v.dat")}).code, 0);
        const QByteArray bank = readAll(path("v.dat"));
        writeAll(path("none.tsv"), kHeader);

        const Run refused = run({QStringLiteral("importar"), path("none.tsv"), path("v.dat")});
        QCOMPARE(refused.code, 2);
        QVERIFY2(refused.err.contains(QStringLiteral("--vazio")), qPrintable(refused.err));
        QCOMPARE(readAll(path("v.dat")), bank);

        QCOMPARE(run({QStringLiteral("importar"), QStringLiteral("--vazio"), path("none.tsv"),
                      path("v.dat")})
                     .code,
                 0);
        QCOMPARE(QFileInfo(path("v.dat")).size(), 0);
        // Nothing is lost when there was nothing: a new or empty bank takes no flag.
        QCOMPARE(run({QStringLiteral("importar"), path("none.tsv"), path("v.dat")}).code, 0);
        QCOMPARE(run({QStringLiteral("importar"), path("none.tsv"), path("novo.dat")}).code, 0);
    }

    void bankPastTheCapacityRoundTrips()
    {
        QByteArray tsv = kHeader;
        for (int k = 1; k <= 3000; ++k)
            tsv += line("", k % 2 ? "0" : "1", "Pergunta " + QByteArray::number(k));
        writeAll(path("3000.tsv"), tsv);
        const Run imported = run({QStringLiteral("importar"), path("3000.tsv"), path("g.dat")});
        QCOMPARE(imported.code, 0);
        QVERIFY2(imported.err.contains(QStringLiteral("2500 primeiras")), qPrintable(imported.err));
        const QByteArray bank = readAll(path("g.dat"));
        QCOMPARE(bank.size(), 3000 * 576);

        const Run exported = run({QStringLiteral("exportar"), path("g.dat")});
        QCOMPARE(exported.code, 0);
        writeAll(path("again.tsv"), exported.out);
        QCOMPARE(run({QStringLiteral("importar"), path("again.tsv"), path("h.dat")}).code, 0);
        QCOMPARE(readAll(path("h.dat")), bank);
    }

    void usageAndFileErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command")
            << QStringList{QStringLiteral("apagar"), QStringLiteral("x")};
        QTest::newRow("missing argument")
            << QStringList{QStringLiteral("importar"), QStringLiteral("x")};
        QTest::newRow("missing bank")
            << QStringList{QStringLiteral("exportar"), QStringLiteral("/nao/existe.dat")};
        QTest::newRow("missing bank to check")
            << QStringList{QStringLiteral("verificar"), QStringLiteral("/nao/existe.dat")};
    }

    void usageAndFileErrors()
    {
        QFETCH(QStringList, args);
        const Run result = run(args);
        QCOMPARE(result.code, 2);
        QVERIFY(!result.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstBancoPerguntas)
#include "tst_banco_perguntas.moc"
