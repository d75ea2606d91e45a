// The game folder that the build lays out holds everything the game loads.

#include "data/banco_questoes.h"
#include "data/catalogo.h"
#include "tests/support/recording_platform.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTest>

class TstPastaDoJogo : public QObject {
    Q_OBJECT

    const QString game = QStringLiteral(DRIBOLEX_GAME_DIR "/");

private Q_SLOTS:
    void programsAreThere()
    {
        for (const char* name : {"dribolex", "banco-perguntas"}) {
            const QFileInfo program(game + QLatin1String(name));
            QVERIFY2(program.isExecutable(), name);
        }
    }

    void bankLoadsWithEveryText()
    {
        RecordingPlatform recorder(game);
        recorder.runEvents = false;
        CarregaQuestoes();
        QVERIFY(recorder.errorBoxes.isEmpty());
        QVERIFY(NumQuestoes > 0);
        for (int k = 1; k <= NumQuestoes; ++k) {
            const tQuestao& q = Questoes[k];
            QCOMPARE(qint32(q.Numero), k);
            QVERIFY(codigoValido(q.Codigo.valor()));
            for (const QString& text :
                 {q.Pergunta.texto(), q.RespCerta.texto(), q.RespErrada1.texto(),
                  q.RespErrada2.texto(), q.Complemento.texto()})
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QString::number(k)));
        }
    }

    void catalogueHasEveryPictureAndLegend()
    {
        RecordingPlatform recorder(game);
        recorder.runEvents = false;
        CarregaLegendas();
        QVERIFY(recorder.errorBoxes.isEmpty());
        QCOMPARE(QFileInfo(NomeArqLegenda).size(), 139 * 160);
        for (int n = 1; n <= 139; ++n) {
            QVERIFY2(!Legendas[n].Legenda.texto().isEmpty(), qPrintable(QString::number(n)));
            QImageReader reader(caminhoFigura(n));
            QVERIFY2(!reader.read().isNull(), qPrintable(caminhoFigura(n)));
        }
        QImageReader placeholder(programFile(QStringLiteral("PastaImg\\imagem0.jpg")));
        QVERIFY(!placeholder.read().isNull());
    }
};

QTEST_GUILESS_MAIN(TstPastaDoJogo)
#include "tst_pasta_do_jogo.moc"
