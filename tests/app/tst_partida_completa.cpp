// The road of a match, with the real screens shown modally one over the other: the menu, a
// new player, four answers, the scoreboard, the packet and the album, then a restart.

#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "app/inicio.h"
#include "app/tf_prin.h"
#include "data/jogadores.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"
#include "shell/tf_nome.h"
#include "shell/tf_placar.h"
#include "tests/support/game_folder.h"
#include "tests/support/modal_driver.h"
#include "tests/support/recording_platform.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

class TstPartidaCompleta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newPlayerWinsAndKeepsTheStickers()
    {
        GameFolder folder;
        RecordingPlatform recorder(folder.path());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        CriaTelas();
        fPrin->show();

        ModalDriver driver(60000);
        QString scoreboard;
        driver.when(QStringLiteral("fNome"), [](QWidget*) {
            QVERIFY(fNome->sgJogadores->isHidden());
            fNome->edNome->setText(QStringLiteral("Ana"));
            QTest::keyClick(fNome->edNome, Qt::Key_Return);
            fNome->edeMail->setText(QStringLiteral("ana@jogo.br"));
            QTest::keyClick(fNome->edeMail, Qt::Key_Return);
        });
        driver.when(QStringLiteral("fJogo"), [](QWidget*) {
            for (int q = 1; q <= 4; ++q) {
                QCOMPARE(fJogo->lbNumQuestao->text(), QString::number(q));
                fJogo->lbOp1Click(fJogo->rotuloTexto(OpcaoCerta));
                QTest::mouseClick(fJogo->imSim, Qt::LeftButton);
                fJogo->tmBolas.stop();
                for (int tick = 0; tick < 25; ++tick)
                    fJogo->tmBolasTimer();
            }
        });
        driver.when(QStringLiteral("fPlacar"), [&scoreboard](QWidget*) {
            scoreboard = fPlacar->lbPlacar->text() + QLatin1Char(' ') + fPlacar->lbGanhou->text();
            QTest::mouseClick(fPlacar->Label2, Qt::LeftButton);
        });
        driver.when(QStringLiteral("fPacotinho"), [](QWidget*) {
            QTest::mouseClick(fPacotinho->BitBtn1, Qt::LeftButton);
            QTest::mouseClick(fPacotinho->btAlbum, Qt::LeftButton);
        });
        driver.when(QStringLiteral("fAlbum"), [](QWidget*) {
            QCOMPARE(fAlbum->stRepet->text(), QString::number(fAlbum->ContaRepetidas()));
            fAlbum->close();
        });
        driver.when(QStringLiteral("fPacotinho"), [](QWidget* packet) { packet->close(); });

        QTimer::singleShot(0, fPrin, &TfPrin::Jogar);
        QTRY_VERIFY_WITH_TIMEOUT(driver.finished() && !QApplication::activeModalWidget(), 60000);
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QCOMPARE(scoreboard, QStringLiteral("4 x 0 Você ganhou!"));
        QCOMPARE(TamPacotinho, quint8(5));
        QVERIFY(!fJogo);
        QTRY_VERIFY(fPrin->isActiveScreen());

        DestroiTelas();
        CriaTelas();
        CarregaJogadores();
        QCOMPARE(QtdJogadores, 1);
        QCOMPARE(Jogadores[1].Nome.texto(), QStringLiteral("Ana"));
        int stickers = 0;
        for (int n = 1; n <= kFigurinhasAlbum; ++n)
            stickers += Jogadores[1].figurinha(n).Qtd;
        QCOMPARE(stickers, 5);
        DestroiTelas();
        QDir::setCurrent(previous);
    }
};

QTEST_MAIN(TstPartidaCompleta)
#include "tst_partida_completa.moc"
