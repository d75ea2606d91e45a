#include "app/tf_prin.h"
#include "data/banco_questoes.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/sons.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_placar.h"
#include "tests/support/screen_test.h"

#include <QDebug>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

int visible(const auto& pictures)
{
    int n = 0;
    for (const Picture* p : pictures)
        n += !p->isHidden();
    return n;
}

const QString kStartsOver =
    QStringLiteral("Todas as perguntas do banco já foram sorteadas. Elas vão começar de novo.");

const QStringList kCheers = {u"Muito bem "_s,       u"Graaaaaande "_s, u"Mais um gol "_s,
                             u"Gooooooolll, do "_s, u"Goleada "_s,     u"Goooooolll "_s};

} // namespace

class TstJogo : public ScreenTest {
    Q_OBJECT

    void startMatch(const QString& name = QStringLiteral("Ana"))
    {
        fJogo = new TfJogo;
        fJogo->NomeJogador = name;
        fJogo->FormActivate();
    }

    int wrongPosition() const
    {
        for (int p = 1; p <= 3; ++p) {
            if (p != OpcaoCerta && p != OpcaoEliminada)
                return p;
        }
        return 0;
    }

    void answer(bool right)
    {
        const int position = right ? OpcaoCerta : wrongPosition();
        fJogo->lbOp1Click(fJogo->rotuloLetra(position));
        fJogo->imSimClick();
    }

    static void runAnimation()
    {
        for (int tick = 0; tick < 25; ++tick)
            fJogo->tmBolasTimer();
    }

    static void showScreen()
    {
        fJogo->show();
        QVERIFY(QTest::qWaitForWindowExposed(fJogo));
    }

    static QList<Label*> optionLabels()
    {
        return {fJogo->lbOpA, fJogo->lbOpB, fJogo->lbOpC, fJogo->lbOp1, fJogo->lbOp2, fJogo->lbOp3};
    }

    // A label as painted with the given text in place of its own.
    static QImage paintedWith(Label* label, const QString& text)
    {
        const QString own = label->text();
        label->setText(text);
        const QImage image = label->grab().toImage();
        label->setText(own);
        return image;
    }

    // The screen rect of a control of the match screen.
    static QRect onScreen(const QWidget* control)
    {
        return QRect(control->mapTo(fJogo, QPoint(0, 0)), control->size());
    }

private Q_SLOTS:
    void init()
    {
        begin({.runEvents = false});
        SomLigado = false;
        fPrin = new TfPrin;
        fPlacar = new TfPlacar;
    }

    void cleanup() { end(); }

    void wholeMatch_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("stickers");
        QTest::addColumn<QString>("bonus");
        QTest::addColumn<QString>("result");

        const QString noGoals =
            QStringLiteral(" Você ganhou uma figurinha bônus por não ter tomado nenhum gol.");
        const QString noAid =
            QStringLiteral(" Você ganhou uma figurinha bônus por não ter usado ajuda.");
        QTest::newRow("4 x 0, sound on")
            << "RRRR" << true << 5 << noGoals + noAid << "4 x 0 Você ganhou! #00ff00";
        QTest::newRow("3 x 1, sound off")
            << "RWRR" << false << 4 << noAid << "3 x 1 Você ganhou! #00ff00";
        QTest::newRow("2 x 2, sound on")
            << "WRWR" << true << 1 << QString() << "2 x 2 Empatou! #ffffff";
        QTest::newRow("0 x 4, sound off")
            << "WWWW" << false << 0 << QString() << "0 x 4 Você perdeu! #ff8000";
    }

    void wholeMatch()
    {
        QFETCH(QString, answers);
        QFETCH(bool, sound);
        QFETCH(int, stickers);
        QFETCH(QString, bonus);
        QFETCH(QString, result);
        SomLigado = sound;
        QString scoreboard;
        recorder->modalScripts.push_back([&scoreboard](QDialog& screen) {
            scoreboard = screen.objectName() + u": "_s + fPlacar->lbPlacar->text() + u" "_s +
                         fPlacar->lbGanhou->text() + u" "_s +
                         fPlacar->lbGanhou->fontColor().name() + u" "_s +
                         fPlacar->lbPlacar->fontColor().name();
            return 0;
        });
        TamPacotinho = 99;
        startMatch();
        QCOMPARE(fJogo->lbJogador->text(), QStringLiteral("Jogador: Ana"));
        QCOMPARE(fJogo->lbJogador->x(), fJogo->imBolaPt[0]->x());
        QVERIFY(fJogo->Imagem->tag() >= 1);

        QList<int> shown;
        int pro = 0;
        int contra = 0;
        for (int q = 0; q < 4; ++q) {
            QCOMPARE(fJogo->lbNumQuestao->text(), QString::number(q + 1));
            shown << QuestaoAtual;
            QCOMPARE(fJogo->lbPergunta->text(), QStringLiteral("Pergunta %1?").arg(QuestaoAtual));
            recorder->sounds.clear();
            const bool right = answers[q] == QLatin1Char('R');
            answer(right);
            right ? ++pro : ++contra;

            QCOMPARE(fPrin->GolsPro, pro);
            QCOMPARE(fPrin->GolsContra, contra);
            QCOMPARE(visible(fJogo->imBolaPt), pro);
            QCOMPARE(visible(fJogo->imBolaPerd), contra);
            if (right) {
                const QString cheer = fJogo->lbJogador->text();
                QVERIFY2(cheer == QStringLiteral("Parabéns Ana") ||
                             cheer == kCheers[pro - 1] + u"Ana"_s,
                         qPrintable(cheer));
                QCOMPARE(fJogo->lbJogador->x(), fJogo->imBolaPt[size_t(pro)]->x());
            }
            const QStringList cues =
                right ? QStringList{u"once acerto.wav"_s}
                      : QStringList{u"once errada1.wav"_s, u"once errada2.wav"_s};
            if (sound) {
                QCOMPARE(recorder->sounds.size(), 1);
                QVERIFY(cues.contains(recorder->sounds.first()));
            } else {
                QVERIFY(recorder->sounds.isEmpty());
            }
            QVERIFY(!fJogo->dbtComplemento->isHidden());
            QCOMPARE(fJogo->dbtComplemento->text(),
                     QStringLiteral("Complemento %1.").arg(QuestaoAtual));
            QVERIFY(fJogo->tmBolas.isActive());
            if (q == 3) {
                QCOMPARE(fJogo->lbBonus->text(), bonus);
                QVERIFY(!fJogo->lbBonus->isHidden());
            }
            runAnimation();
            QVERIFY(fJogo->dbtComplemento->isHidden());
        }
        QCOMPARE(int(TamPacotinho), stickers);
        QCOMPARE(scoreboard, u"fPlacar: "_s + result + u" "_s + result.section(u' ', -1));
        QVERIFY(fJogo->concluida);
        QCOMPARE(fPrin->GolsPro, 0);
        QCOMPARE(fPrin->GolsContra, 0);
        QVERIFY(fJogo->lbBonus->isHidden());
        QCOMPARE(NumQuestao, 1);
        QCOMPARE(QSet<int>(shown.begin(), shown.end()).size(), 4);

        delete fJogo;
        CarregaQuestoes();
        for (int k : shown)
            QCOMPARE(Questoes[k].Usada, quint8(1));
    }

    // 4 x 0 without aid earns both bonus lines: together they wrap into the strip under the
    // balls, whole, inside the screen and clear of the exit icon.
    void bothBonusLinesFitUnderTheBalls()
    {
        startMatch();
        showScreen();
        for (int q = 1; q <= 4; ++q) {
            answer(true);
            if (q < 4)
                runAnimation();
        }
        const QString text = fJogo->lbBonus->text();
        QVERIFY(text.contains(QStringLiteral("nenhum gol.")) &&
                text.endsWith(QStringLiteral("usado ajuda.")));
        QVERIFY(fJogo->lbBonus->isVisible());

        const QRect bonus = onScreen(fJogo->lbBonus);
        QVERIFY2(onScreen(fJogo->Panel1).contains(bonus), qPrintable(QDebug::toString(bonus)));
        QVERIFY(!bonus.intersects(onScreen(fJogo->imSair)));
        QVERIFY(!bonus.intersects(onScreen(fJogo->imComSom)));
        for (const Picture* ball : fJogo->imBolaPt)
            QVERIFY(!bonus.intersects(onScreen(ball)));
        for (const Picture* ball : fJogo->imBolaPerd)
            QVERIFY(!bonus.intersects(onScreen(ball)));

        // The whole text at the label's own size, in two lines.
        const QFontMetrics metrics(fJogo->lbBonus->font());
        const QRect area = fJogo->lbBonus->contentsRect();
        const QRect needed =
            metrics.boundingRect(area, int(fJogo->lbBonus->alignment()) | Qt::TextWordWrap, text);
        QVERIFY2(area.contains(needed),
                 qPrintable(QDebug::toString(needed) + u" in "_s + QDebug::toString(area)));
        QCOMPARE(needed.height() / metrics.lineSpacing(), 2);
    }

    void markerBlinksWhiteBlueYellowGreen()
    {
        startMatch();
        answer(true);
        QuadroAnim = 0;
        const int right = OpcaoCerta;
        const int ordinal = NumQuestao;
        const auto& markers = fJogo->marcadores[size_t(right - 1)];
        for (int tick = 1; tick < 25; ++tick) {
            fJogo->tmBolasTimer();
            for (int f = 0; f < 4; ++f) {
                const bool expected = tick >= 2 && f == (tick - 2) % 4;
                QCOMPARE(!markers[size_t(f)]->isHidden(), expected);
            }
            for (int other = 1; other <= 3; ++other) {
                if (other != right)
                    QCOMPARE(visible(fJogo->marcadores[size_t(other - 1)]), 0);
            }
            QVERIFY(!fJogo->p1->isEnabled());
        }
        fJogo->tmBolasTimer();
        QCOMPARE(visible(markers), 0);
        QVERIFY(!fJogo->tmBolas.isActive());
        QVERIFY(fJogo->p1->isEnabled() && fJogo->p2->isEnabled() && fJogo->p3->isEnabled());
        QCOMPARE(fJogo->painel(right)->bevelOuter(), Panel::Bevel::Lowered);
        QCOMPARE(NumQuestao, ordinal + 1);
        QCOMPARE(fJogo->lbNumQuestao->text(), QString::number(ordinal + 1));
        QCOMPARE(OpcaoEscolhida, 0);
    }

    void drawNeverRepeatsAndPlacesTheRightOptionEverywhere()
    {
        folder->writeBank(700);
        fJogo = new TfJogo;
        QSet<int> drawn;
        int rightAt[4] = {};
        int firstWrongAt[4] = {};
        for (int i = 0; i < 600; ++i) {
            QVERIFY(fJogo->SorteiaQuestao());
            QVERIFY(!drawn.contains(QuestaoAtual));
            drawn.insert(QuestaoAtual);
            OpcaoCerta = fJogo->MostraOpcoes();
            ++rightAt[OpcaoCerta];
            QCOMPARE(fJogo->rotuloTexto(OpcaoCerta)->text(),
                     QStringLiteral("Certa %1").arg(QuestaoAtual));
            for (int p = 1; p <= 3; ++p) {
                if (fJogo->rotuloTexto(p)->text() == QStringLiteral("Errada1 %1").arg(QuestaoAtual))
                    ++firstWrongAt[p];
            }
            QCOMPARE(Questoes[QuestaoAtual].Usada, quint8(1));
            QCOMPARE(QuestoesArquivo[QuestaoAtual].Usada, quint8(1));
        }
        for (int p = 1; p <= 3; ++p) {
            QVERIFY2(rightAt[p] > 150 && rightAt[p] < 250, qPrintable(QString::number(rightAt[p])));
            QVERIFY(firstWrongAt[p] > 150);
        }
    }

    void lastUndrawnQuestionIsTaken()
    {
        QList<bool> drawn(9, true);
        drawn[6] = false;
        folder->writeBank(9, drawn);
        startMatch();
        QCOMPARE(QuestaoAtual, 7);
        QVERIFY(recorder->messageBoxes.isEmpty());
    }

    void exhaustedBankStartsOver()
    {
        folder->writeBank(5, QList<bool>(5, true));
        startMatch();
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral("Todas as perguntas do banco já foram sorteadas. Elas "
                                            "vão começar de novo.")});
        QVERIFY(QuestaoAtual >= 1 && QuestaoAtual <= 5);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(QuestoesArquivo[k].Usada, quint8(k == QuestaoAtual ? 1 : 0));
    }

    void exhaustedBankNeverOffersTheMatchsQuestionsAgain()
    {
        // Two undrawn questions: the third draw of the match starts the bank over.
        for (int round = 0; round < 8; ++round) {
            folder->writeBank(4, {true, true, false, false});
            recorder->messageBoxes.clear();
            startMatch();
            QList<int> shown{QuestaoAtual};
            answer(true);
            runAnimation();
            shown << QuestaoAtual;
            answer(true);
            runAnimation();
            QCOMPARE(recorder->messageBoxes, QStringList{kStartsOver});
            QVERIFY2(!shown.contains(QuestaoAtual), qPrintable(QString::number(QuestaoAtual)));
            QCOMPARE(fJogo->lbPergunta->text(), QStringLiteral("Pergunta %1?").arg(QuestaoAtual));
            for (int k : shown)
                QCOMPARE(QuestoesArquivo[k].Usada, quint8(1));
            delete fJogo;
            fJogo = nullptr;
        }
    }

    void bankNoLargerThanTheMatchEndsItWithoutResult()
    {
        folder->writeBank(2);
        TamPacotinho = 7;
        startMatch();
        const QList<int> shown{QuestaoAtual};
        answer(true);
        runAnimation();
        answer(true);
        runAnimation();
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral(
                     "O banco de perguntas não tem mais perguntas novas para esta partida.")});
        QVERIFY(fJogo->isHidden());
        QVERIFY(!fJogo->concluida);
        QVERIFY(recorder->modalShows.isEmpty());
        QCOMPARE(TamPacotinho, quint8(7));
    }

    // Clicks arrive while the balls of a judgement grow (each ball lets events run once): none
    // of them may act on the answer being judged.
    void inputWhileTheBallsGrowIsRefused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("technical aid") << "bbAuxilio";
        QTest::newRow("substitution") << "bbSubst";
        QTest::newRow("exit") << "imSair";
    }

    void inputWhileTheBallsGrowIsRefused()
    {
        QFETCH(QString, control);
        fMensagens = new TfMensagens;
        fAjudaGol = new TfAjudaGol;
        TamPacotinho = 4;
        startMatch();
        answer(true);
        runAnimation();
        // Whatever a refused screen would have answered: a missed kick, a yes to substituting.
        recorder->modalScripts.push_back([](QDialog& screen) {
            fAjudaGol->Chutes = 1;
            fAjudaGol->FezGol = false;
            fMensagens->Resposta = QStringLiteral("S");
            return screen.result();
        });
        const int question = QuestaoAtual;
        fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
        QWidget* target = control == QLatin1String("bbAuxilio") ? fJogo->bbAuxilio
                          : control == QLatin1String("bbSubst")
                              ? static_cast<QWidget*>(fJogo->bbSubst)
                              : fJogo->imSair;
        recorder->duringEventRun(2, [target] { QTest::mouseClick(target, Qt::LeftButton); });
        recorder->sounds.clear();
        fJogo->imSimClick();

        QVERIFY(recorder->modalShows.isEmpty());
        QVERIFY(recorder->confirmations.isEmpty());
        QVERIFY(recorder->sounds.isEmpty());
        QCOMPARE(fPrin->GolsPro, 2);
        QCOMPARE(fPrin->GolsContra, 0);
        QCOMPARE(visible(fJogo->imBolaPt), 2);
        QCOMPARE(visible(fJogo->imBolaPerd), 0);
        QVERIFY(!AjudaUsada);
        QCOMPARE(QuestaoAtual, question);
        QCOMPARE(fJogo->lbPergunta->text(), QStringLiteral("Pergunta %1?").arg(question));
        QCOMPARE(fJogo->dbtComplemento->text(), QStringLiteral("Complemento %1.").arg(question));
        QVERIFY(fJogo->bbAuxilio->isEnabled());
        QVERIFY(fJogo->tmBolas.isActive());
        QCOMPARE(TamPacotinho, quint8(4));
        runAnimation();
        QCOMPARE(NumQuestao, 3);
    }

    // The exit question is left up while the last answer's animation runs on under it.
    void exitQuestionUpWhileTheMatchEnds_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("beforeTheEnd");
        QTest::newRow("Sim after the end") << true << false;
        QTest::newRow("Não after the end") << false << false;
        QTest::newRow("Sim before the end") << true << true;
    }

    void exitQuestionUpWhileTheMatchEnds()
    {
        QFETCH(bool, yes);
        QFETCH(bool, beforeTheEnd);
        TamPacotinho = 2;
        startMatch();
        // 25 ticks in a quarter of a second.
        fJogo->tmBolas.setInterval(10);
        for (int q = 1; q <= 3; ++q) {
            answer(true);
            runAnimation();
        }
        answer(true);
        QStringList boxesUnderTheScoreboard{QStringLiteral("no scoreboard")};
        recorder->modalScripts.push_back([this, &boxesUnderTheScoreboard](QDialog&) {
            boxesUnderTheScoreboard = recorder->openBoxes;
            return 0;
        });
        recorder->confirmAnswers = {{yes, beforeTheEnd ? 40 : 1000}};
        recorder->sounds.clear();
        recorder->sleeps.clear();
        fJogo->imSairClick();
        QTest::qWait(400);

        QVERIFY(recorder->openBoxes.isEmpty());
        QVERIFY(fJogo->isHidden());
        if (beforeTheEnd) {
            QVERIFY(recorder->modalShows.isEmpty());
            QVERIFY(!fJogo->concluida);
            QCOMPARE(TamPacotinho, quint8(2));
            QVERIFY(recorder->sounds.contains(QStringLiteral("once saida.wav")));
            return;
        }
        QCOMPARE(recorder->modalShows, QStringList{QStringLiteral("fPlacar")});
        QCOMPARE(boxesUnderTheScoreboard, QStringList());
        QCOMPARE(fPlacar->lbPlacar->text(), QStringLiteral("4 x 0"));
        QVERIFY(fJogo->concluida);
        QCOMPARE(TamPacotinho, quint8(5));
        QCOMPARE(recorder->sounds, QStringList{QStringLiteral("once apito.wav")});
        QVERIFY(!recorder->sleeps.contains(20));
    }

    void emptyBankClosesTheScreenWithoutResult()
    {
        folder->writeBank(0);
        TamPacotinho = 7;
        fJogo = new TfJogo;
        bool stillOpen = false;
        QTimer::singleShot(3000, fJogo, [&stillOpen] {
            stillOpen = true;
            fJogo->close();
        });
        platform().showModal(*fJogo);
        QVERIFY(!stillOpen);
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral(
                     "O banco de perguntas está vazio: não há perguntas para jogar.")});
        QCOMPARE(TamPacotinho, quint8(7));
    }

    void optionLooks()
    {
        startMatch();
        const QColor lime(0, 255, 0), navy(0, 0, 128), grey(128, 128, 128);
        fJogo->lbOp1Click(fJogo->lbOp2);
        QCOMPARE(fJogo->p2->color(), navy);
        QCOMPARE(fJogo->lbOp2->fontColor(), QColor(Qt::white));
        QCOMPARE(fJogo->lbOpB->fontColor(), QColor(Qt::white));
        QCOMPARE(fJogo->p1->color(), lime);
        QCOMPARE(fJogo->lbOp1->fontColor(), navy);
        QCOMPARE(fJogo->p3->color(), lime);
        QVERIFY(!fJogo->imSim->isHidden() && !fJogo->imNao->isHidden());
        QVERIFY(!fJogo->p1->isEnabled());

        fJogo->imNaoClick();
        QCOMPARE(fJogo->p2->color(), lime);
        QCOMPARE(fJogo->lbOp2->fontColor(), navy);
        QCOMPARE(OpcaoEscolhida, 0);
        QVERIFY(fJogo->p1->isEnabled());
        QVERIFY(fJogo->imSim->isHidden());

        fJogo->EliminaOpcao(3);
        QCOMPARE(fJogo->p3->color(), QColor(166, 202, 240));
        QVERIFY(fJogo->lbOp3->font().strikeOut());
        fJogo->lbOp1Click(fJogo->lbOpC);
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral("Não escolha a opção que já foi eliminada")});
        QCOMPARE(OpcaoEscolhida, 0);
        QVERIFY(fJogo->imSim->isHidden());
        fJogo->lbOp1Click(fJogo->lbOp1);
        QCOMPARE(fJogo->p1->color(), navy);
        QCOMPARE(fJogo->lbOp3->fontColor(), grey);
        QCOMPARE(fJogo->lbOpC->fontColor(), grey);
    }

    // The options are bold from the first question to the last: neither the neutral look of
    // the next question nor a struck-out option takes the weight away.
    void optionsKeepTheirFaceThroughTheMatch()
    {
        startMatch();
        showScreen();
        QList<QImage> firstLook;
        QStringList firstTexts;
        for (Label* l : optionLabels()) {
            QVERIFY(l->font().bold());
            firstTexts << l->text();
            firstLook << l->grab().toImage();
        }
        const auto looksAsAtFirst = [&](const char* when) {
            const QList<Label*> labels = optionLabels();
            for (int i = 0; i < labels.size(); ++i) {
                const QString what =
                    QStringLiteral("%1, %2").arg(QLatin1String(when), labels[i]->objectName());
                QVERIFY2(labels[i]->font().bold(), qPrintable(what));
                QVERIFY2(!labels[i]->font().strikeOut(), qPrintable(what));
                QVERIFY2(paintedWith(labels[i], firstTexts[i]) == firstLook[i], qPrintable(what));
            }
        };

        answer(false);
        runAnimation();
        QCOMPARE(NumQuestao, 2);
        looksAsAtFirst("second question");
        if (QTest::currentTestFailed())
            return;

        const int struck = wrongPosition();
        fJogo->EliminaOpcao(struck);
        for (Label* l : optionLabels())
            QVERIFY2(l->font().bold(), qPrintable(l->objectName()));
        QVERIFY(fJogo->rotuloTexto(struck)->font().strikeOut());
        QVERIFY(fJogo->rotuloLetra(struck)->font().strikeOut());
        answer(true);
        runAnimation();
        looksAsAtFirst("question after a struck-out option");
    }

    void goalBalls()
    {
        startMatch();
        recorder->sleeps.clear();
        fJogo->MostraBolasPt(2);
        QCOMPARE(recorder->sleeps, QList<int>(12, 100));
        QCOMPARE(visible(fJogo->imBolaPt), 2);
        QCOMPARE(fJogo->imBolaPt[0]->size(), fJogo->imBolaPt[5]->size());
        QCOMPARE(fJogo->lbJogador->x(), fJogo->imBolaPt[2]->x());
        fJogo->MostraBolasPt(6);
        const Picture* last = fJogo->imBolaPt[5];
        QCOMPARE(fJogo->lbJogador->x(), last->x() + last->width() + 5);
        const QString caption = fJogo->lbJogador->text();
        fJogo->MostraBolasPt(7);
        QCOMPARE(visible(fJogo->imBolaPt), 0);
        QCOMPARE(fJogo->lbJogador->text(), caption);

        fJogo->MostraBolasPerd(8);
        QCOMPARE(visible(fJogo->imBolaPerd), 8);
        fJogo->MostraBolasPerd(9);
        QCOMPARE(visible(fJogo->imBolaPerd), 0);
    }

    void soundSwitch()
    {
        SomLigado = true;
        startMatch();
        QCOMPARE(recorder->sounds, QStringList{u"loop estadio2.wav"_s});
        QVERIFY(!fJogo->imComSom->isHidden() && fJogo->imSemSom->isHidden());
        fJogo->chaveSom().desliga();
        QVERIFY(!SomLigado);
        QVERIFY(fJogo->imComSom->isHidden() && !fJogo->imSemSom->isHidden());
        fJogo->chaveSom().liga();
        QVERIFY(SomLigado);
        QCOMPARE(recorder->sounds,
                 (QStringList{u"loop estadio2.wav"_s, u"stop"_s, u"loop estadio2.wav"_s}));

        // Coming back to the screen resumes the crowd but not a new match.
        const int question = QuestaoAtual;
        fJogo->chaveSom().desliga();
        fJogo->FormActivate();
        QCOMPARE(recorder->sounds.last(), QStringLiteral("stop"));
        QCOMPARE(QuestaoAtual, question);
        QCOMPARE(NumQuestao, 1);
    }

    void keyboardPlay()
    {
        startMatch();
        QVERIFY(fJogo->lbOpB->toolTip().contains(QStringLiteral("2")));
        QTest::keyClick(fJogo, Qt::Key_2);
        QCOMPARE(OpcaoEscolhida, 2);
        QTest::keyClick(fJogo, Qt::Key_Escape);
        QCOMPARE(OpcaoEscolhida, 0);
        QTest::keyClick(fJogo, Qt::Key_C);
        QCOMPARE(OpcaoEscolhida, 3);
        QTest::keyClick(fJogo, Qt::Key_A);
        QCOMPARE(OpcaoEscolhida, 3);
        QTest::keyClick(fJogo, Qt::Key_Return);
        QVERIFY(fJogo->tmBolas.isActive());
        QCOMPARE(fPrin->GolsPro + fPrin->GolsContra, 1);
        for (const Picture* p :
             {fJogo->imSim, fJogo->imNao, fJogo->imSair, fJogo->imComSom, fJogo->imSemSom})
            QVERIFY(!p->accessibleName().isEmpty());
    }

    void leavingAfterTheFourthAnswerEarnsNothing()
    {
        TamPacotinho = 2;
        startMatch();
        for (int q = 1; q <= 4; ++q) {
            answer(true);
            if (q < 4)
                runAnimation();
        }
        QCOMPARE(TamPacotinho, quint8(5));
        fJogo->imSairClick();
        QCOMPARE(TamPacotinho, quint8(2));
        QVERIFY(!fJogo->concluida);
        QVERIFY(recorder->modalShows.isEmpty());
    }

    void leavingTheMatch()
    {
        TamPacotinho = 9;
        startMatch();
        fJogo->lbOp1Click(fJogo->lbOp1);
        recorder->confirmAnswers = {false};
        fJogo->imSairClick();
        QCOMPARE(recorder->confirmations,
                 QStringList{QStringLiteral("Deseja mesmo sair deste jogo?")});
        QCOMPARE(recorder->sounds.last(), QStringLiteral("once apito.wav"));
        QCOMPARE(OpcaoEscolhida, 1);

        fJogo->show();
        const int top = fJogo->y();
        recorder->sounds.clear();
        recorder->sleeps.clear();
        fJogo->imSairClick();
        QCOMPARE(recorder->sounds, (QStringList{u"once apito.wav"_s, u"once saida.wav"_s}));
        QCOMPARE(recorder->sleeps, QList<int>(fJogo->height() / 4, 20));
        QVERIFY(fJogo->isHidden());
        QCOMPARE(fJogo->y(), top);
        QCOMPARE(TamPacotinho, quint8(9));
    }
};

QTEST_MAIN(TstJogo)
#include "tst_jogo.moc"
