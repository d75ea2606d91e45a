// The atomic save of the three files and of the bank tool, with each of its steps made to fail.

#include "common/game_error.h"
#include "data/arquivo_atomico.h"
#include "data/banco_questoes.h"
#include "data/catalogo.h"
#include "data/jogadores.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_platform.h"
#include "tools/banco_perguntas/comandos.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

namespace {

enum class Arquivo { Banco, Legendas, Jogadores, Ferramenta };

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) % 251);
    return bytes;
}

// English a system or Qt message would put in front of the player.
bool looksEnglish(const QString& text)
{
    static const QRegularExpression english(
        QStringLiteral("Unknown|error|denied|No space|No such|directory|Permission|device"),
        QRegularExpression::CaseInsensitiveOption);
    return english.match(text).hasMatch();
}

} // namespace

Q_DECLARE_METATYPE(Arquivo)
Q_DECLARE_METATYPE(EtapaGravacao)

class TstArquivoAtomico : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString previous;
    QString folder() const { return dir.path() + QLatin1Char('/'); }

    QString pathOf(Arquivo arquivo) const
    {
        switch (arquivo) {
        case Arquivo::Banco:
        case Arquivo::Ferramenta: return dir.filePath(QStringLiteral("Quest1.Dat"));
        case Arquivo::Legendas: return dir.filePath(QStringLiteral("PastaImg/LegendasImg.Dat"));
        case Arquivo::Jogadores: return dir.filePath(QStringLiteral("TernavoAlbum.tnv"));
        }
        return {};
    }

    QByteArray contentOf(Arquivo arquivo) const
    {
        switch (arquivo) {
        case Arquivo::Banco:
        case Arquivo::Ferramenta: return pattern(3 * int(sizeof(tQuestao)), 1);
        case Arquivo::Legendas: return pattern(kFigurasCatalogo * int(sizeof(tLegenda)), 2);
        case Arquivo::Jogadores: return pattern(2 * int(sizeof(tJogador)), 3);
        }
        return {};
    }

    QStringList siblings() const
    {
        QStringList names;
        for (const QString& sub : {QString(), QStringLiteral("PastaImg")})
            names += QDir(dir.filePath(sub)).entryList(QDir::Files | QDir::Hidden);
        return names;
    }

    // Loads the file, changes something and saves it; returns what the user is told.
    QString save(Arquivo arquivo, RecordingPlatform& recorder, bool* failed)
    {
        *failed = false;
        switch (arquivo) {
        case Arquivo::Banco:
            CarregaQuestoes();
            QuestoesArquivo[1].Usada = 1;
            GravaQuestoes();
            *failed = !recorder.errorBoxes.isEmpty();
            return recorder.errorBoxes.join(QLatin1Char('\n'));
        case Arquivo::Legendas:
            CarregaLegendas();
            try {
                sorteiaFigura(0);
            } catch (const GameError& error) {
                *failed = error.alreadyShown();
            }
            return recorder.errorBoxes.join(QLatin1Char('\n'));
        case Arquivo::Jogadores:
            CarregaJogadores();
            AcrescentaJogador(QStringLiteral("Bia"), QStringLiteral("b@x"));
            try {
                GravaJogadores(false);
            } catch (const GameError& error) {
                *failed = true;
                return error.text();
            }
            return {};
        case Arquivo::Ferramenta: {
            QBuffer out;
            QBuffer err;
            out.open(QIODevice::WriteOnly);
            err.open(QIODevice::WriteOnly);
            *failed = executaComando({QStringLiteral("zerar"), pathOf(arquivo)}, out, err) != 0;
            return QString::fromLocal8Bit(err.data());
        }
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        previous = QDir::currentPath();
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("PastaImg")));
        QVERIFY(QDir::setCurrent(dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(previous); }

    void failedStepKeepsTheFileAndSaysWhy_data()
    {
        QTest::addColumn<Arquivo>("arquivo");
        QTest::addColumn<EtapaGravacao>("etapa");
        QTest::addColumn<int>("erro");
        const struct {
            const char* nome;
            Arquivo arquivo;
        } arquivos[] = {{"banco", Arquivo::Banco},
                        {"legendas", Arquivo::Legendas},
                        {"jogadores", Arquivo::Jogadores},
                        {"ferramenta", Arquivo::Ferramenta}};
        const struct {
            const char* nome;
            EtapaGravacao etapa;
            int erro;
        } etapas[] = {{"criar", EtapaGravacao::Criar, EACCES},
                      {"escrever", EtapaGravacao::Escrever, ENOSPC},
                      {"descarregar", EtapaGravacao::Descarregar, ENOSPC},
                      {"sincronizar", EtapaGravacao::Sincronizar, EIO},
                      {"fechar", EtapaGravacao::Fechar, EIO},
                      {"renomear", EtapaGravacao::Renomear, EROFS}};
        for (const auto& a : arquivos) {
            for (const auto& e : etapas)
                QTest::addRow("%s, %s", a.nome, e.nome) << a.arquivo << e.etapa << e.erro;
        }
    }
    void failedStepKeepsTheFileAndSaysWhy()
    {
        QFETCH(Arquivo, arquivo);
        QFETCH(EtapaGravacao, etapa);
        QFETCH(int, erro);
        RecordingPlatform recorder(folder());
        const QByteArray before = contentOf(arquivo);
        writeAll(pathOf(arquivo), before);
        const QStringList filesBefore = siblings();

        injetaFalhaGravacao(etapa, erro);
        bool failed = false;
        const QString told = save(arquivo, recorder, &failed);
        injetaFalhaGravacao(etapa, 0);

        QVERIFY(failed);
        QVERIFY2(told.contains(textoErroSistema(erro)), qPrintable(told));
        QVERIFY2(!looksEnglish(told), qPrintable(told));
        QCOMPARE(readAll(pathOf(arquivo)), before);
        QCOMPARE(siblings(), filesBefore);
    }

    // Without a fault the same saves go through, keep the file's permissions and leave nothing.
    void saveReplacesTheFile_data()
    {
        QTest::addColumn<Arquivo>("arquivo");
        QTest::newRow("banco") << Arquivo::Banco;
        QTest::newRow("legendas") << Arquivo::Legendas;
        QTest::newRow("jogadores") << Arquivo::Jogadores;
        QTest::newRow("ferramenta") << Arquivo::Ferramenta;
    }
    void saveReplacesTheFile()
    {
        QFETCH(Arquivo, arquivo);
        RecordingPlatform recorder(folder());
        const QByteArray before = contentOf(arquivo);
        writeAll(pathOf(arquivo), before);
        QVERIFY(::chmod(QFile::encodeName(pathOf(arquivo)).constData(), 0640) == 0);
        const QStringList filesBefore = siblings();
        bool failed = true;
        const QString told = save(arquivo, recorder, &failed);
        QVERIFY2(!failed, qPrintable(told));
        QVERIFY(readAll(pathOf(arquivo)) != before);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(pathOf(arquivo)).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
        QCOMPARE(siblings(), filesBefore);
    }

    void messagesArePortuguese_data()
    {
        QTest::addColumn<int>("erro");
        QTest::addColumn<QString>("texto");
        QTest::newRow("sem espaço") << ENOSPC << QStringLiteral("não há espaço livre no disco");
        QTest::newRow("cota") << EDQUOT << QStringLiteral("não há espaço livre no disco");
        QTest::newRow("permissão")
            << EACCES << QStringLiteral("não há permissão de acesso ao arquivo ou à sua pasta");
        QTest::newRow("operação proibida")
            << EPERM << QStringLiteral("não há permissão de acesso ao arquivo ou à sua pasta");
        QTest::newRow("somente leitura") << EROFS << QStringLiteral("o disco só permite leitura");
        QTest::newRow("entrada e saída")
            << EIO << QStringLiteral("houve um erro de leitura ou gravação no disco");
        QTest::newRow("pasta") << EISDIR << QStringLiteral("no lugar do arquivo há uma pasta");
        QTest::newRow("não existe")
            << ENOENT << QStringLiteral("o arquivo ou a sua pasta não existe");
        QTest::newRow("grande demais")
            << EFBIG << QStringLiteral("o arquivo ficaria grande demais");
        QTest::newRow("sem erro") << 0
                                  << QStringLiteral("o sistema recusou a operação (erro número 0)");
        QTest::newRow("outro")
            << EXDEV << QStringLiteral("o sistema recusou a operação (erro número %1)").arg(EXDEV);
    }
    void messagesArePortuguese()
    {
        QFETCH(int, erro);
        QFETCH(QString, texto);
        QCOMPARE(textoErroSistema(erro), texto);
    }

    // A folder in the file's place is named as such even when the open set no error number;
    // a read with no error number is an input/output error, never an unknown one.
    void readFailureNamesTheCause()
    {
        QCOMPARE(motivoFalhaLeitura(dir.path(), 0), textoErroSistema(EISDIR));
        QCOMPARE(motivoFalhaLeitura(dir.filePath(QStringLiteral("nada")), 0),
                 textoErroSistema(EIO));
        QCOMPARE(motivoFalhaLeitura(dir.filePath(QStringLiteral("nada")), ENOENT),
                 textoErroSistema(ENOENT));
    }

    // Only the names an interrupted save leaves are removed, never the file or its neighbours;
    // each loader clears its own file's.
    // The clean-up knows the helper's own temporary names: one seen in the middle of a save
    // is removed when left behind.
    void cleanUpMatchesTheTemporaryOfASave()
    {
        const QString path = dir.filePath(QStringLiteral("proprio.dat"));
        QStringList during;
        QString erro;
        QVERIFY(gravaAtomico(
            path,
            [&](QIODevice& saida) {
                during = QDir(dir.path()).entryList({QStringLiteral("proprio.dat*")});
                return saida.write("novo") == 4;
            },
            &erro));
        QCOMPARE(during.size(), 1);
        writeAll(dir.filePath(during[0]), "resto");
        removeTemporarios(path);
        QVERIFY(!QFile::exists(dir.filePath(during[0])));
        QCOMPARE(readAll(path), QByteArray("novo"));
        QVERIFY(QFile::remove(path));
    }

    void debrisOfAnInterruptedSaveIsRemoved_data()
    {
        QTest::addColumn<Arquivo>("arquivo");
        QTest::newRow("banco") << Arquivo::Banco;
        QTest::newRow("legendas") << Arquivo::Legendas;
        QTest::newRow("jogadores") << Arquivo::Jogadores;
        QTest::newRow("ferramenta") << Arquivo::Ferramenta;
    }
    void debrisOfAnInterruptedSaveIsRemoved()
    {
        QFETCH(Arquivo, arquivo);
        RecordingPlatform recorder(folder());
        const QString path = pathOf(arquivo);
        writeAll(path, contentOf(arquivo));
        const QStringList debris{QStringLiteral(".gravando.aB3xY9"),
                                 QStringLiteral(".gravando.000000")};
        // A user's backup may well have six letters after the dot.
        const QStringList kept{
            QStringLiteral(".gravando.aB3xY"),  QStringLiteral(".gravando.aB3xY9z"),
            QStringLiteral(".gravando.aB-xY9"), QStringLiteral("gravando.aB3xY9"),
            QStringLiteral(".backup"),          QStringLiteral(".aB3xY9")};
        for (const QString& suffix : debris + kept)
            writeAll(path + suffix, "x");
        writeAll(dir.filePath(QStringLiteral("outro.Dat.gravando.aB3xY9")), "x");
        bool failed = true;
        save(arquivo, recorder, &failed);
        QVERIFY(!failed);
        QVERIFY(QFile::exists(path));
        for (const QString& suffix : debris)
            QVERIFY2(!QFile::exists(path + suffix), qPrintable(suffix));
        for (const QString& suffix : kept) {
            QVERIFY2(QFile::exists(path + suffix), qPrintable(suffix));
            QFile::remove(path + suffix);
        }
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("outro.Dat.gravando.aB3xY9"))));
    }
};

QTEST_GUILESS_MAIN(TstArquivoAtomico)
#include "tst_arquivo_atomico.moc"
