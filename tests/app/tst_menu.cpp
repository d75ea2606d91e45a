#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "app/inicio.h"
#include "app/tf_prin.h"
#include "app/tf_trocas.h"
#include "common/ajusta_tela.h"
#include "data/banco_questoes.h"
#include "data/catalogo.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/sons.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_nome.h"
#include "shell/tf_placar.h"
#include "tests/support/modal_driver.h"
#include "tests/support/screen_test.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TstMenu : public ScreenTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        begin({.inFolder = true});
        QDir(folder->path()).mkpath(QStringLiteral("ImgPatroc"));
        QImage logo(16, 5, QImage::Format_RGB32);
        logo.fill(Qt::green);
        logo.save(folder->file(QStringLiteral("ImgPatroc/LogoTernavo.bmp")));
        SomLigado = false;
        CriaTelas();
    }

    void cleanup() { end(); }

    void startUpCreatesEveryScreen()
    {
        for (const QObject* screen : std::initializer_list<const QObject*>{
                 fPrin, fJogo, fAjudaGol, fNome, fMensagens, fPlacar, fAlbum, fPacotinho, fTrocas})
            QVERIFY(screen);
        // The menu set the common scale before any later screen scaled itself against it.
        QCOMPARE(LarguraBase, 1400);
        QCOMPARE(fJogo->size(), QSize(1002, 713));
        QCOMPARE(fPrin->size(), QSize(665, 622));
        QCOMPARE(fTrocas->windowTitle(), QStringLiteral("fTrocas"));
        QCOMPARE(NomeArqLegenda, folder->file(QStringLiteral("PastaImg/LegendasImg.Dat")));
        QCOMPARE(NumQuestoes, 12);
        // The album opened on page 1 of an empty album: twelve placeholders.
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
        QVERIFY(fAlbum->im[11]->fileName().endsWith(QStringLiteral("imagem0.jpg")));
        QVERIFY(recorder->errorBoxes.isEmpty());
        QVERIFY(recorder->errorReports.isEmpty());
    }

    void closingSavesTheBankOfALiveMatch()
    {
        fJogo->NomeJogador = QStringLiteral("Ana");
        fJogo->FormActivate();
        const int drawn = QuestaoAtual;
        DestroiTelas();
        CarregaQuestoes();
        QCOMPARE(Questoes[drawn].Usada, quint8(1));
        CriaTelas();
    }

    void focusStepFollowsTheSoundSwitch()
    {
        // The penalty screen's creation has seeded the generator already.
        const int seeded = recorder->reseeds;
        recorder->forcedRandom = {99};
        fPrin->FormActivate();
        QCOMPARE(recorder->sounds, QStringList{u"stop"_s});
        QVERIFY(fPrin->imComSom->isHidden() && !fPrin->imSemSom->isHidden());
        QVERIFY(fPrin->imPropaganda->fileName().endsWith(QStringLiteral("LogoTernavo.bmp")));
        QCOMPARE(recorder->reseeds, seeded + 1);
        QVERIFY(recorder->sleeps.isEmpty());

        fPrin->chaveSom().liga();
        QVERIFY(SomLigado);
        QVERIFY(!fPrin->imComSom->isHidden() && fPrin->imSemSom->isHidden());
        recorder->forcedRandom = {99};
        fPrin->FormActivate();
        QCOMPARE(recorder->sounds,
                 (QStringList{u"stop"_s, u"loop estadio1.wav"_s, u"loop estadio1.wav"_s}));
        fPrin->chaveSom().desliga();
        QVERIFY(!SomLigado);
        QCOMPARE(recorder->sounds.last(), QStringLiteral("stop"));
    }

    void openingSteps_data()
    {
        QTest::addColumn<int>("gap");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("239") << 239 << QList<int>{47, 47, 47, 47, 47};
        QTest::newRow("80") << 80 << QList<int>{40, 40};
        QTest::newRow("below 40") << 39 << QList<int>{};
    }

    void openingSteps()
    {
        QFETCH(int, gap);
        QFETCH(QList<int>, steps);
        QCOMPARE(passosAbertura(gap), steps);
    }

    void openingAnimationRunsThreeTimesInTen()
    {
        const int full = fPrin->height();
        const int gap = fPrin->pnOpcoes->height();
        recorder->forcedRandom = {29, 2};
        fPrin->FormActivate();
        QList<int> expected{3000};
        expected += QList<int>(int(passosAbertura(gap).size()), 40);
        QCOMPARE(recorder->sleeps, expected);
        QCOMPARE(fPrin->height(), full);
        QCOMPARE(fPrin->pnPropaganda->y() + fPrin->pnPropaganda->height(), full);

        recorder->sleeps.clear();
        recorder->forcedRandom = {30};
        fPrin->FormActivate();
        QVERIFY(recorder->sleeps.isEmpty());
    }

    void missingLogoSkipsTheAnimation()
    {
        QFile::remove(folder->file(QStringLiteral("ImgPatroc/LogoTernavo.bmp")));
        recorder->forcedRandom = {0};
        fPrin->FormActivate();
        QCOMPARE(recorder->errorReports.size(), 1);
        QVERIFY(recorder->sleeps.isEmpty());
    }

    void playResetsTheNameBox()
    {
        fNome->edNome->setText(QStringLiteral("Digite aqui seu nome"));
        SomLigado = true;
        QString seen;
        recorder->modalScripts.push_back([&seen](QDialog& screen) {
            seen = screen.objectName() + QLatin1Char(':') + fNome->edNome->text();
            return 0;
        });
        fPrin->Jogar();
        QCOMPARE(seen, QStringLiteral("fNome:Digite seu nome"));
        QCOMPARE(recorder->sounds, QStringList{u"stop"_s});
    }

    void pickingAPlayerLeadsToTheMatchWithoutTheMenusFocusStep()
    {
        // As after a first match: the match screen is created again for the next one, and
        // loading its bank lets events run between the player screen and the match.
        delete fJogo;
        fJogo = nullptr;
        QFile(QStringLiteral("TernavoAlbum.tnv")).open(QIODevice::WriteOnly);
        SomLigado = true;
        fPrin->show();
        QTRY_VERIFY(fPrin->isActiveScreen());
        const int full = fPrin->height();
        recorder->clearRecords();
        QStringList heard;
        QList<int> waited;
        int height = 0;
        ModalDriver driver;
        driver.when(QStringLiteral("fNome"), [this](QWidget*) {
            // Would the menu's focus step run now, its opening animation would play.
            recorder->forcedRandom = {0};
            QTableWidget* grid = fNome->sgJogadores;
            const QPoint row = grid->visualRect(grid->model()->index(0, 0)).center();
            // A double click comes after the press of its first click.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row);
        });
        driver.when(QStringLiteral("fJogo"), [&](QWidget* match) {
            heard = recorder->sounds;
            waited = recorder->sleeps;
            height = fPrin->height();
            fPrin->grab().save(QStringLiteral(DRIBOLEX_TEST_GRABS "/menu-sob-a-partida.png"));
            match->close();
        });
        fPrin->Jogar();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        QVERIFY(!heard.contains(QStringLiteral("loop estadio1.wav")));
        QVERIFY(waited.isEmpty());
        QCOMPARE(height, full);
        // Back from player selection the menu is active again, and its focus step runs once.
        QTRY_VERIFY(fPrin->isActiveScreen());
        QCOMPARE(recorder->sounds.count(QStringLiteral("loop estadio1.wav")), 1);
        fPrin->hide();
    }

    void explainOpensPageOneWithBack()
    {
        QString seen;
        recorder->modalScripts.push_back([&seen](QDialog&) {
            seen = fMensagens->bbCancelar->text() + QLatin1Char('|') +
                   QString::number(fMensagens->bbSim->isHidden()) +
                   QString::number(fMensagens->bbNao->isHidden()) +
                   QString::number(fMensagens->bbCancelar->isHidden()) + QLatin1Char('|') +
                   QFileInfo(fMensagens->Image2->fileName()).fileName();
            return 0;
        });
        fPrin->Explicar();
        QCOMPARE(seen, QStringLiteral("voltar|110|ImagemExp1.jpg"));
        QVERIFY(!fMensagens->bbSim->isHidden() && !fMensagens->bbNao->isHidden());
        QCOMPARE(fMensagens->bbCancelar->text(), QStringLiteral("voltar"));
    }

    void explainWithoutItsPageLeavesTheDialogWhole()
    {
        QFile::remove(folder->file(QStringLiteral("PastaImgHelp/ImagemExp1.jpg")));
        fPrin->Explicar();
        QVERIFY(recorder->modalShows.isEmpty());
        QCOMPARE(recorder->errorReports.size(), 1);
        QVERIFY(!fMensagens->bbSim->isHidden() && !fMensagens->bbNao->isHidden());
    }

    void quitWhistlesAndCloses()
    {
        fPrin->show();
        fPrin->FimDeJogo();
        QCOMPARE(recorder->sounds, QStringList{u"once apito.wav"_s});
        QVERIFY(fPrin->isHidden());
        fPrin->imPropagandaClick();
        QCOMPARE(recorder->links, QStringList{QString()});
    }
};

QTEST_MAIN(TstMenu)
#include "tst_menu.moc"
