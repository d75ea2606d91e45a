// The match's rules as plain functions, run without an application object: no widget can be
// created here.

#include "match/regras_partida.h"

#include <QTest>

Q_DECLARE_METATYPE(FasePartida)

namespace {

const QString kSemGols =
    QStringLiteral(" Você ganhou uma figurinha bônus por não ter tomado nenhum gol.");
const QString kSemAjuda =
    QStringLiteral(" Você ganhou uma figurinha bônus por não ter usado ajuda.");

} // namespace

class TstRegrasPartida : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inputEachPhaseTakes_data()
    {
        QTest::addColumn<FasePartida>("fase");
        QTest::addColumn<QString>("takes");
        // c: choice, s: confirm, n: withdraw, a: aids, x: exit.
        QTest::newRow("drawing") << FasePartida::Sorteio << "x";
        QTest::newRow("waiting") << FasePartida::Esperando << "cnax";
        QTest::newRow("chosen") << FasePartida::Escolhida << "snax";
        QTest::newRow("judging") << FasePartida::Julgando << "";
        QTest::newRow("animation") << FasePartida::Animacao << "x";
        QTest::newRow("over") << FasePartida::Encerrada << "";
    }

    void inputEachPhaseTakes()
    {
        QFETCH(FasePartida, fase);
        QFETCH(QString, takes);
        QString taken;
        if (aceitaEscolha(fase))
            taken += u'c';
        if (aceitaConfirmacao(fase))
            taken += u's';
        if (aceitaDesistencia(fase))
            taken += u'n';
        if (aceitaAjuda(fase))
            taken += u'a';
        if (aceitaSaida(fase))
            taken += u'x';
        QCOMPARE(taken, takes);
    }

    void aMatchOverStaysOver()
    {
        for (FasePartida nova :
             {FasePartida::Sorteio, FasePartida::Esperando, FasePartida::Escolhida,
              FasePartida::Julgando, FasePartida::Animacao}) {
            QCOMPARE(mudaFase(FasePartida::Encerrada, nova), FasePartida::Encerrada);
            QCOMPARE(mudaFase(FasePartida::Animacao, nova), nova);
        }
        QCOMPARE(mudaFase(FasePartida::Julgando, FasePartida::Encerrada), FasePartida::Encerrada);
    }

    void judgementAndScore_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("isRight");
        QTest::newRow("A right") << 1 << 1 << true;
        QTest::newRow("C right") << 3 << 3 << true;
        QTest::newRow("B for A") << 2 << 1 << false;
        QTest::newRow("nothing chosen") << 0 << 2 << false;
        QTest::newRow("nothing on screen") << 0 << 0 << false;
    }

    void judgementAndScore()
    {
        QFETCH(int, chosen);
        QFETCH(int, right);
        QFETCH(bool, isRight);
        QCOMPARE(respostaCerta(chosen, right), isRight);
        const Placar antes{2, 1};
        QCOMPARE(placarDepois(antes, isRight), (isRight ? Placar{3, 1} : Placar{2, 2}));
    }

    // The fourth confirmation's bonus, then the end of the match's result and packet.
    void bonusAndResult_data()
    {
        QTest::addColumn<int>("pro");
        QTest::addColumn<int>("contra");
        QTest::addColumn<bool>("aid");
        QTest::addColumn<int>("announced"); // the packet the bonus check sets; -1: unchanged
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("packet");
        QTest::addColumn<QColor>("colour");

        const QColor lime(0, 255, 0), white(255, 255, 255), orange(255, 128, 0);
        QTest::newRow("4 x 0, no aid")
            << 4 << 0 << false << 5 << kSemGols + kSemAjuda << "Você ganhou!" << 5 << lime;
        QTest::newRow("4 x 0 after a substitution")
            << 4 << 0 << true << 4 << kSemGols << "Você ganhou!" << 4 << lime;
        QTest::newRow("3 x 1, no aid")
            << 3 << 1 << false << 4 << kSemAjuda << "Você ganhou!" << 4 << lime;
        QTest::newRow("3 x 2 after a kick")
            << 3 << 2 << true << 3 << QString() << "Você ganhou!" << 3 << lime;
        QTest::newRow("2 x 2") << 2 << 2 << false << 1 << QString() << "Empatou!" << 1 << white;
        QTest::newRow("0 x 0 after kicks")
            << 0 << 0 << true << 1 << QString() << "Empatou!" << 1 << white;
        QTest::newRow("1 x 3, no aid")
            << 1 << 3 << false << -1 << QString() << "Você perdeu!" << 0 << orange;
        QTest::newRow("0 x 5 after a missed kick")
            << 0 << 5 << true << -1 << QString() << "Você perdeu!" << 0 << orange;
    }

    void bonusAndResult()
    {
        QFETCH(int, pro);
        QFETCH(int, contra);
        QFETCH(bool, aid);
        QFETCH(int, announced);
        QFETCH(QString, lines);
        QFETCH(QString, result);
        QFETCH(int, packet);
        QFETCH(QColor, colour);

        const Bonus bonus = verificaBonus({pro, contra}, aid);
        QCOMPARE(bonus.pacote.has_value(), announced >= 0);
        if (bonus.pacote)
            QCOMPARE(int(*bonus.pacote), announced);
        QCOMPARE(bonus.texto, lines);
        QCOMPARE(bonus.figurinhas, int(lines.count(QStringLiteral(" Você"))));

        const Resultado fim = resultadoFinal({pro, contra});
        QCOMPARE(fim.texto, result);
        QCOMPARE(fim.figurinhas + bonus.figurinhas, packet);
        QCOMPARE(fim.cor, colour);
    }

    void penaltyResults_data()
    {
        QTest::addColumn<int>("kicks");
        QTest::addColumn<bool>("goal");
        QTest::addColumn<bool>("strikesOut");
        QTest::addColumn<int>("against");
        QTest::addColumn<bool>("spent");
        QTest::newRow("one kick, goal") << 1 << true << true << 0 << true;
        QTest::newRow("one kick, saved") << 1 << false << false << 2 << true;
        QTest::newRow("two kicks, saved") << 2 << false << false << 1 << false;
        QTest::newRow("two kicks, goal") << 2 << true << false << 0 << false;
        QTest::newRow("no kick") << 0 << false << false << 0 << false;
        QTest::newRow("three kicks, saved") << 3 << false << false << 0 << false;
        QTest::newRow("three kicks, goal") << 3 << true << false << 0 << false;
    }

    void penaltyResults()
    {
        QFETCH(int, kicks);
        QFETCH(bool, goal);
        QFETCH(bool, strikesOut);
        QFETCH(int, against);
        QFETCH(bool, spent);
        QCOMPARE(efeitoPenalti(kicks, goal), (EfeitoPenalti{strikesOut, against, spent}));
    }
};

QTEST_APPLESS_MAIN(TstRegrasPartida)
#include "tst_regras_partida.moc"
