// The readable sources of the game's content: the questions and the sticker list.

#include "data/banco_tsv.h"
#include "data/cp1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QStringList rows(const char* name)
{
    QFile file(QStringLiteral(DRIBOLEX_SOURCE_DIR "/content/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString normalized(const QString& text)
{
    return text.simplified().toLower().remove(QRegularExpression(QStringLiteral("[?.!,:;\"]")));
}

bool fitsCp1252(const QString& text, int capacity)
{
    bool ok = false;
    const QByteArray bytes = toCp1252(text, &ok);
    return ok && bytes.size() <= capacity;
}

} // namespace

class TstFontes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionsImportCleanly()
    {
        QFile file(QStringLiteral(DRIBOLEX_SOURCE_DIR "/content/perguntas.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const ResultadoImportacao result = importaBanco(file.readAll());
        QVERIFY2(result.erro.isEmpty(), qPrintable(result.erro));
    }

    void questionsAreCompleteAndDistinct()
    {
        const QStringList lines = rows("perguntas.tsv");
        QVERIFY(lines.size() > 300);
        QSet<QString> questions;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QString where = QStringLiteral("linha %1").arg(i + 1);
            const QStringList c = lines[i].split(QLatin1Char('\t'));
            QVERIFY2(c.size() == 9, qPrintable(where));
            for (int col = 3; col < 8; ++col) {
                QVERIFY2(!c[col].trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(c[col] == c[col].trimmed(), qPrintable(where));
                QVERIFY2(!c[col].contains(QLatin1Char('\\')), qPrintable(where));
            }
            QVERIFY2(!questions.contains(normalized(c[3])), qPrintable(where));
            questions.insert(normalized(c[3]));
            const QSet<QString> options = {normalized(c[4]), normalized(c[5]), normalized(c[6])};
            QVERIFY2(options.size() == 3, qPrintable(where));
        }
    }

    void stickersFitTheirCards()
    {
        const QStringList lines = rows("figurinhas.tsv");
        QCOMPARE(lines.size(), 140);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QString where = QStringLiteral("linha %1").arg(i + 1);
            const QStringList c = lines[i].split(QLatin1Char('\t'));
            QVERIFY2(c.size() == 8, qPrintable(where));
            QCOMPARE(c[0].toInt(), int(i));
            QVERIFY2(!c[3].isEmpty() && fitsCp1252(c[3], 22), qPrintable(where));
            QVERIFY2(fitsCp1252(c[4], 34), qPrintable(where));
            QVERIFY2(!c[5].isEmpty() && fitsCp1252(c[5], 150), qPrintable(where));
        }
    }

    // The packet deals 1 to 138 only: the trophy and the prizes must be among them.
    void theTrophyCanBeWon()
    {
        const QStringList lines = rows("figurinhas.tsv");
        QCOMPARE(lines.size(), 140);
        int trophies = 0;
        for (qsizetype i = 1; i < 139; ++i) {
            if (lines[i].split(QLatin1Char('\t')).value(1) == QLatin1String("trofeu"))
                ++trophies;
        }
        QCOMPARE(trophies, 1);
        const QString last = lines[139].split(QLatin1Char('\t')).value(1);
        QVERIFY2(last != QLatin1String("trofeu") && last != QLatin1String("premio"),
                 qPrintable(last));
    }
};

QTEST_APPLESS_MAIN(TstFontes)
#include "tst_fontes.moc"
