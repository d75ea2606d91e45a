// The two aids, driving the real message dialog and penalty screen.

#include "app/tf_prin.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_placar.h"
#include "tests/support/modal_driver.h"
#include "tests/support/screen_test.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void kick(int kicks, bool goal)
{
    for (int i = 0; i < kicks; ++i)
        fAjudaGol->imJogadorClick();
    if (kicks > 0)
        goal ? fAjudaGol->TerminaGol() : fAjudaGol->TerminaDefesa();
    fAjudaGol->imSairClick();
}

int visible(const auto& pictures)
{
    int n = 0;
    for (const Picture* p : pictures)
        n += !p->isHidden();
    return n;
}

} // namespace

class TstAjudas : public ScreenTest {
    Q_OBJECT

    void useTechnicalAid(int kicks, bool goal)
    {
        ModalDriver driver;
        driver.when(QStringLiteral("fAjudaGol"), [kicks, goal](QWidget*) { kick(kicks, goal); });
        fJogo->bbAuxilioClick();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        QCOMPARE(fAjudaGol->Chutes, kicks);
    }

    void answerToDialog(QPushButton* TfMensagens::*button)
    {
        ModalDriver driver;
        driver.when(QStringLiteral("fMensagens"), [button](QWidget*) {
            QVERIFY(fMensagens->bbCancelar->isHidden());
            QVERIFY(fMensagens->Image2->fileName().endsWith(QStringLiteral("ImagemPgt1.jpg")));
            QTest::mouseClick(fMensagens->*button, Qt::LeftButton);
        });
        fJogo->bbSubstClick();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(!fMensagens->bbCancelar->isHidden());
    }

    static void finishAnimation()
    {
        fJogo->tmBolas.stop();
        for (int tick = 0; tick < 25; ++tick)
            fJogo->tmBolasTimer();
    }

private Q_SLOTS:
    void init()
    {
        begin({.screenWidth = 1200});
        folder->writeBank(40);
        fPrin = new TfPrin;
        fMensagens = new TfMensagens;
        fPlacar = new TfPlacar;
        fAjudaGol = new TfAjudaGol;
        fJogo = new TfJogo;
        fJogo->NomeJogador = QStringLiteral("Ana");
        fJogo->FormActivate();
    }

    void cleanup() { end(); }

    void technicalAid_data()
    {
        QTest::addColumn<int>("kicks");
        QTest::addColumn<bool>("goal");
        QTest::addColumn<int>("against");
        QTest::addColumn<bool>("struckOut");
        QTest::addColumn<bool>("aidLeft");
        QTest::addColumn<bool>("aidUsed");
        QTest::addColumn<bool>("questionEnds");

        QTest::newRow("one kick, goal") << 1 << true << 0 << true << false << true << false;
        QTest::newRow("one kick, saved") << 1 << false << 2 << false << false << true << true;
        QTest::newRow("two kicks, saved") << 2 << false << 1 << false << true << false << true;
        QTest::newRow("two kicks, goal") << 2 << true << 0 << false << true << false << false;
        QTest::newRow("left without kicking") << 0 << false << 0 << false << true << false << false;
        QTest::newRow("three kicks") << 3 << false << 0 << false << true << false << false;
    }

    void technicalAid()
    {
        QFETCH(int, kicks);
        QFETCH(bool, goal);
        QFETCH(int, against);
        QFETCH(bool, struckOut);
        QFETCH(bool, aidLeft);
        QFETCH(bool, aidUsed);
        QFETCH(bool, questionEnds);

        const int question = QuestaoAtual;
        const int right = OpcaoCerta;
        fJogo->lbOp1Click(fJogo->rotuloTexto(right));
        useTechnicalAid(kicks, goal);

        QVERIFY(!fJogo->isHidden() || !fJogo->isVisible());
        QCOMPARE(OpcaoEscolhida, 0);
        QCOMPARE(fPrin->GolsContra, against);
        QCOMPARE(visible(fJogo->imBolaPerd), against);
        QCOMPARE(OpcaoEliminada != 0, struckOut);
        QVERIFY(OpcaoEliminada != right);
        QCOMPARE(fJogo->bbAuxilio->isEnabled(), aidLeft);
        QCOMPARE(AjudaUsada, aidUsed);
        QCOMPARE(fJogo->tmBolas.isActive(), questionEnds);
        QVERIFY(fJogo->dbtComplemento->isHidden());
        if (struckOut) {
            QCOMPARE(fJogo->painel(OpcaoEliminada)->color(), QColor(166, 202, 240));
            fJogo->lbOp1Click(fJogo->rotuloLetra(OpcaoEliminada));
            QCOMPARE(recorder->messageBoxes,
                     QStringList{QStringLiteral("Não escolha a opção que já foi eliminada")});
            QCOMPARE(OpcaoEscolhida, 0);
        }
        if (questionEnds) {
            finishAnimation();
            QVERIFY(QuestaoAtual != question);
            QCOMPARE(NumQuestao, 2);
            // The closing of a question does not give the aid back.
            QCOMPARE(fJogo->bbAuxilio->isEnabled(), aidLeft);
        } else {
            QCOMPARE(QuestaoAtual, question);
        }
    }

    // After a missed kick the right option blinks on a question that is closed: the mouse can
    // no more answer it than the keys can.
    void closedQuestionTakesNoClicksAfterAMissedKick()
    {
        const int right = OpcaoCerta;
        useTechnicalAid(1, false);
        QVERIFY(fJogo->tmBolas.isActive());
        QTest::mouseClick(fJogo->rotuloTexto(right), Qt::LeftButton);
        QTest::mouseClick(fJogo->imSim, Qt::LeftButton);
        QCOMPARE(fJogo->painel(right)->color(), QColor(0, 255, 0));
        QCOMPARE(fJogo->rotuloTexto(right)->fontColor(), QColor(0, 0, 128));
        QVERIFY(fJogo->imSim->isHidden() && fJogo->imNao->isHidden());
        QCOMPARE(OpcaoEscolhida, 0);
        QCOMPARE(fPrin->GolsPro, 0);
        QVERIFY(fJogo->dbtComplemento->isHidden());
        finishAnimation();
        QCOMPARE(NumQuestao, 2);
        QCOMPARE(fPrin->GolsPro, 0);
        QCOMPARE(fPrin->GolsContra, 2);
        QVERIFY(!FimDeJogo);
    }

    void aidComesBackWithTheNextAnswer()
    {
        useTechnicalAid(1, true);
        QVERIFY(!fJogo->bbAuxilio->isEnabled());
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        fJogo->imSimClick();
        QVERIFY(fJogo->bbAuxilio->isEnabled());
        QCOMPARE(OpcaoEliminada, 0);
        // No aid while the answer is being closed.
        fJogo->bbAuxilioClick();
        fJogo->bbSubstClick();
        QVERIFY(recorder->modalShows.filter(QStringLiteral("fAjudaGol")).size() == 1);
        QVERIFY(recorder->modalShows.filter(QStringLiteral("fMensagens")).isEmpty());
    }

    void substitutionKeepsTheOrdinal()
    {
        finishAnimationAfterAnswer();
        useTechnicalAid(1, true);
        const int question = QuestaoAtual;
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        answerToDialog(&TfMensagens::bbSim);
        QVERIFY(QuestaoAtual != question);
        QCOMPARE(NumQuestao, 2);
        QCOMPARE(fJogo->lbNumQuestao->text(), QStringLiteral("2"));
        QCOMPARE(fJogo->lbPergunta->text(), QStringLiteral("Pergunta %1?").arg(QuestaoAtual));
        QCOMPARE(OpcaoEliminada, 0);
        QCOMPARE(OpcaoEscolhida, 0);
        QVERIFY(fJogo->bbAuxilio->isEnabled());
        QVERIFY(AjudaUsada);
        QCOMPARE(fJogo->rotuloTexto(OpcaoCerta)->text(),
                 QStringLiteral("Certa %1").arg(QuestaoAtual));
    }

    void substitutionAnsweredNoChangesNothing()
    {
        useTechnicalAid(1, true);
        AjudaUsada = false;
        const int question = QuestaoAtual;
        const int struck = OpcaoEliminada;
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        answerToDialog(&TfMensagens::bbNao);
        QCOMPARE(QuestaoAtual, question);
        QCOMPARE(OpcaoEliminada, struck);
        QCOMPARE(OpcaoEscolhida, 0);
        QVERIFY(!AjudaUsada);
        QVERIFY(fJogo->p1->isEnabled());
    }

    void substitutionWithNoNewQuestionKeepsTheQuestion()
    {
        delete fJogo;
        folder->writeBank(1);
        fJogo = new TfJogo;
        fJogo->FormActivate();
        QCOMPARE(QuestaoAtual, 1);
        answerToDialog(&TfMensagens::bbSim);
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral(
                     "O banco de perguntas não tem mais perguntas novas para esta partida.")});
        QCOMPARE(fJogo->lbPergunta->text(), QStringLiteral("Pergunta 1?"));
        QVERIFY(!AjudaUsada);
        // The question is still open.
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        QVERIFY(!fJogo->imSim->isHidden());
    }

    void aidOnTheFourthQuestionBringsAFifth()
    {
        for (int q = 1; q <= 3; ++q)
            finishAnimationAfterAnswer();
        QCOMPARE(NumQuestao, 4);
        useTechnicalAid(1, false);
        finishAnimation();
        QCOMPARE(NumQuestao, 5);
        QCOMPARE(fJogo->lbNumQuestao->text(), QStringLiteral("5"));
        QVERIFY(fJogo->lbBonus->isHidden());

        ModalDriver driver;
        QString score;
        driver.when(QStringLiteral("fPlacar"), [&score](QWidget*) {
            score = fPlacar->lbPlacar->text();
            fPlacar->Panel1Click();
        });
        finishAnimationAfterAnswer();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QCOMPARE(score, QStringLiteral("4 x 2"));
        QVERIFY(fJogo->concluida);
        QCOMPARE(TamPacotinho, quint8(3));
    }

    void endOfMatchAfterAnAid_data()
    {
        QTest::addColumn<bool>("penaltyMissed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("bonus");
        QTest::addColumn<int>("stickers");
        QTest::newRow("4 x 0 after a substitution")
            << false << "4 x 0 Você ganhou! #00ff00"
            << " Você ganhou uma figurinha bônus por não ter tomado nenhum gol." << 4;
        QTest::newRow("0 x 5 after a missed penalty")
            << true << "0 x 5 Você perdeu! #ff8000" << QString() << 0;
    }

    void endOfMatchAfterAnAid()
    {
        QFETCH(bool, penaltyMissed);
        QFETCH(QString, result);
        QFETCH(QString, bonus);
        QFETCH(int, stickers);
        if (penaltyMissed) {
            useTechnicalAid(1, false);
            finishAnimation();
        } else {
            answerToDialog(&TfMensagens::bbSim);
        }
        QString scoreboard;
        ModalDriver driver;
        driver.when(QStringLiteral("fPlacar"), [&scoreboard](QWidget*) {
            scoreboard = fPlacar->lbPlacar->text() + QLatin1Char(' ') + fPlacar->lbGanhou->text() +
                         QLatin1Char(' ') + fPlacar->lbGanhou->fontColor().name();
            QCOMPARE(fPlacar->lbPlacar->fontColor(), fPlacar->lbGanhou->fontColor());
            fPlacar->Panel1Click();
        });
        while (NumQuestao < 4) {
            penaltyMissed ? finishAnimationAfterWrongAnswer() : finishAnimationAfterAnswer();
        }
        const int wrong = OpcaoCerta % 3 + 1;
        fJogo->lbOp1Click(fJogo->rotuloTexto(penaltyMissed ? wrong : OpcaoCerta));
        fJogo->imSimClick();
        QCOMPARE(fJogo->lbBonus->text(), bonus);
        QVERIFY(!fJogo->lbBonus->isHidden());
        finishAnimation();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QCOMPARE(scoreboard, result);
        QCOMPARE(int(TamPacotinho), stickers);
        QCOMPARE(fPrin->GolsPro + fPrin->GolsContra, 0);
    }

private:
    void finishAnimationAfterWrongAnswer()
    {
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta % 3 + 1));
        fJogo->imSimClick();
        finishAnimation();
    }

    void finishAnimationAfterAnswer()
    {
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        fJogo->imSimClick();
        finishAnimation();
    }
};

QTEST_MAIN(TstAjudas)
#include "tst_ajudas.moc"
