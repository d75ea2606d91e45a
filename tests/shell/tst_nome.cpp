#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "app/tf_prin.h"
#include "data/banco_questoes.h"
#include "data/jogadores.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"
#include "shell/tf_nome.h"
#include "shell/tf_placar.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_driver.h"
#include "tests/support/screen_test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray player(const QString& nome, const QString& eMail)
{
    tJogador j;
    zeraRegistro(j);
    j.Nome.defineTexto(nome);
    j.eMail.defineTexto(eMail);
    return bytesDe(j).toByteArray();
}

} // namespace

class TstNome : public ScreenTest {
    Q_OBJECT

    QString matchName;

    QString album() const { return folder->file(QStringLiteral("TernavoAlbum.tnv")); }

    void writeAlbum(const QByteArray& bytes)
    {
        QFile file(album());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The match shown from the player screen: records who plays and ends at once.
    void expectMatch()
    {
        recorder->modalScripts.push_back([this](QDialog& screen) {
            matchName = screen.objectName() + QLatin1Char(':') + fJogo->NomeJogador;
            return 0;
        });
    }

    // The match shown from the player screen: starts, and is won with a packet of n stickers.
    void expectWonMatch(int stickers, int* question = nullptr)
    {
        recorder->modalScripts.push_back([stickers, question](QDialog&) {
            fJogo->FormActivate();
            if (question)
                *question = QuestaoAtual;
            fJogo->concluida = true;
            TamPacotinho = quint8(stickers);
            return 0;
        });
    }

    QStringList gridRows() const
    {
        QStringList rows;
        for (int r = 0; r < fNome->sgJogadores->rowCount(); ++r) {
            const auto* name = fNome->sgJogadores->item(r, 0);
            const auto* mail = fNome->sgJogadores->item(r, 1);
            rows << (name ? name->text() : QString()) + QLatin1Char('|') +
                        (mail ? mail->text() : QString());
        }
        return rows;
    }

private Q_SLOTS:
    void init()
    {
        begin({.inFolder = true});
        matchName.clear();
        IdxJogador = 0;
        fPrin = new TfPrin;
        fPlacar = new TfPlacar;
        fNome = new TfNome;
    }

    void cleanup() { end(); }

    void firstRunWithoutFile()
    {
        fNome->FormActivate();
        QVERIFY(QFile::exists(album()));
        QCOMPARE(QFileInfo(album()).size(), 0);
        QVERIFY(fNome->sgJogadores->isHidden());
        QVERIFY(!fNome->edNome->isHidden() && !fNome->edeMail->isHidden());
        QCOMPARE(fNome->focusWidget(), fNome->edNome);
    }

    void emptyFileListsOneEmptyRow()
    {
        writeAlbum({});
        fNome->FormActivate();
        QVERIFY(!fNome->sgJogadores->isHidden());
        QCOMPARE(fNome->sgJogadores->rowCount(), 1);
        QVERIFY(!fNome->edNome->isHidden() && !fNome->edeMail->isHidden());

        expectMatch();
        fNome->sgJogadoresDblClick(0);
        QCOMPARE(IdxJogador, 1);
        QCOMPARE(bytesDe(JogadorAtual).toByteArray(), QByteArray(19304, '\0'));
        QCOMPARE(matchName, QStringLiteral("fJogo:"));
        QVERIFY(!fJogo);
    }

    void emptyFileShowsTheBoxesBesideTheList()
    {
        writeAlbum({});
        ModalDriver driver;
        driver.when(QStringLiteral("fNome"), [](QWidget*) {
            const QRect grid = fNome->sgJogadores->geometry();
            for (QLineEdit* box : {fNome->edNome, fNome->edeMail}) {
                QVERIFY(box->isVisible());
                QVERIFY(!box->geometry().intersects(grid));
                QCOMPARE(fNome->Panel1->childAt(box->geometry().center()), box);
            }
            QVERIFY(fNome->sgJogadores->isVisible());
            QVERIFY(
                fNome->sgJogadores->visualRect(fNome->sgJogadores->model()->index(0, 0)).isValid());
            fNome->grab().save(QStringLiteral(DRIBOLEX_TEST_GRABS "/jogadores-arquivo-vazio.png"));
            fNome->close();
        });
        fPrin->Jogar();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
    }

    void typingReplacesThePrompts()
    {
        writeAlbum(player(u"Bia"_s, u"bia@x.br"_s));
        ModalDriver driver;
        driver.when(QStringLiteral("fNome"), [this](QWidget*) {
            QTest::mouseClick(fNome->BitBtn1, Qt::LeftButton);
            // Keys go where the focus is, as the player's keyboard would send them.
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Ana"));
            QCOMPARE(fNome->edNome->text(), QStringLiteral("Ana"));
            fNome->grab().save(QStringLiteral(DRIBOLEX_TEST_GRABS "/jogadores-nome-digitado.png"));
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), fNome->edeMail);
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("ana@x.br"));
            QCOMPARE(fNome->edeMail->text(), QStringLiteral("ana@x.br"));
            expectMatch();
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        });
        fPrin->Jogar();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        QCOMPARE(matchName, QStringLiteral("fJogo:Ana"));
        QCOMPARE(readAll(album()),
                 player(u"Bia"_s, u"bia@x.br"_s) + player(u"Ana"_s, u"ana@x.br"_s));
    }

    void enterOnARowStartsTheMatch()
    {
        writeAlbum(player(u"Ana"_s, u"ana@x.br"_s) + player(u"Bia"_s, u"bia@x.br"_s));
        ModalDriver driver;
        driver.when(QStringLiteral("fNome"), [this](QWidget*) {
            QTableWidget* grid = fNome->sgJogadores;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(0, 0)).center());
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), grid);
            fNome->grab().save(QStringLiteral(DRIBOLEX_TEST_GRABS "/jogadores-enter-na-linha.png"));
            expectMatch();
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        });
        fPrin->Jogar();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        QCOMPARE(matchName, QStringLiteral("fJogo:Bia"));
        QCOMPARE(IdxJogador, 2);
    }

    void stickersAreNotDealtWithoutAPlayerInTheFile()
    {
        // A first run left without typing creates an empty file; its blank row still plays.
        fNome->FormActivate();
        fNome->FormDeactivate();
        fNome->FormActivate();
        QCOMPARE(fNome->sgJogadores->rowCount(), 1);
        expectWonMatch(3);
        recorder->modalScripts.push_back([](QDialog&) { return 0; });
        fNome->sgJogadoresDblClick(0);
        QCOMPARE(recorder->modalShows, QStringList{QStringLiteral("fJogo")});
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral(
                     "As figurinhas desta partida não podem ser guardadas sem um jogador. Para "
                     "criar um, clique em \"Novo Jogador\" na tela dos jogadores e digite o seu "
                     "nome e o seu e-mail.")});
        QCOMPARE(QFileInfo(album()).size(), 0);
    }

    void bankIsSavedBeforeThePacketOpens()
    {
        folder->writeBank(10);
        writeAlbum(player(u"Ana"_s, u"ana@x.br"_s));
        fNome->FormActivate();
        int question = 0;
        expectWonMatch(2, &question);
        QByteArray bankUnderThePacket;
        recorder->modalScripts.push_back([this, &bankUnderThePacket](QDialog&) {
            bankUnderThePacket = readAll(folder->file(QStringLiteral("Quest1.Dat")));
            return 0;
        });
        fNome->sgJogadoresDblClick(0);
        QCOMPARE(recorder->modalShows,
                 (QStringList{QStringLiteral("fJogo"), QStringLiteral("fPacotinho")}));
        QVERIFY(question >= 1 && question <= 10);
        QCOMPARE(bankUnderThePacket.size(), 10 * int(sizeof(tQuestao)));
        tQuestao record;
        memcpy(&record, bankUnderThePacket.constData() + (question - 1) * sizeof(tQuestao),
               sizeof record);
        QCOMPARE(record.Usada, quint8(1));
    }

    void threePlayersAndADoubleClick()
    {
        writeAlbum(player(u"Ana"_s, u"ana@x.br"_s) + player(u"Bia"_s, u"bia@x.br"_s) +
                   player(u"Caio"_s, u"caio@x.br"_s));
        fNome->FormActivate();
        QCOMPARE(gridRows(),
                 (QStringList{u"Ana|ana@x.br"_s, u"Bia|bia@x.br"_s, u"Caio|caio@x.br"_s}));
        QVERIFY(fNome->edNome->isHidden() && fNome->edeMail->isHidden());

        fNome->sgJogadoresClick(0);
        QCOMPARE(JogadorAtual.Nome.texto(), QStringLiteral("Ana"));
        QCOMPARE(IdxJogador, 0);

        expectMatch();
        fNome->sgJogadoresDblClick(1);
        QCOMPARE(IdxJogador, 2);
        QCOMPARE(matchName, QStringLiteral("fJogo:Bia"));
        QVERIFY(fNome->isHidden());
    }

    void newPlayerIsAppendedAndPlays()
    {
        writeAlbum(player(u"Bia"_s, u"bia@x.br"_s));
        fNome->FormActivate();
        fNome->BitBtn1Click();
        QCOMPARE(fNome->lbDescr->text(),
                 QStringLiteral("Digite o seu Nome e eMail. Tecle ENTER para entrar em campo."));
        QVERIFY(fNome->sgJogadores->isHidden());

        fNome->edNome->clear();
        fNome->edNomeKeyPress(Qt::Key_Return);
        QCOMPARE(fNome->edNome->text(), QStringLiteral("Digite seu nome"));
        fNome->edNome->setText(QStringLiteral("Ana"));
        fNome->edNomeKeyPress(Qt::Key_Return);
        QCOMPARE(fNome->focusWidget(), fNome->edeMail);

        fNome->edeMail->clear();
        fNome->edeMailKeyPress(Qt::Key_Return);
        QVERIFY(recorder->modalShows.isEmpty());

        fNome->edeMail->setText(QStringLiteral("ana@x.br"));
        expectMatch();
        fNome->edeMailKeyPress(Qt::Key_Return);
        QCOMPARE(matchName, QStringLiteral("fJogo:Ana"));
        QCOMPARE(IdxJogador, 2);
        QCOMPARE(JogadorAtual.Nome.texto(), QStringLiteral("Ana"));

        fNome->FormDeactivate();
        QCOMPARE(readAll(album()),
                 player(u"Bia"_s, u"bia@x.br"_s) + player(u"Ana"_s, u"ana@x.br"_s));
    }

    void promptTextsAreAcceptedAsNames()
    {
        writeAlbum({});
        fNome->FormActivate();
        fNome->edNome->setText(QStringLiteral("Digite seu nome"));
        fNome->edNomeKeyPress(Qt::Key_Return);
        QCOMPARE(fNome->focusWidget(), fNome->edeMail);
        fNome->edNome->clear();
        fNome->edeMail->setText(QStringLiteral("eMail@"));
        expectMatch();
        fNome->edeMailKeyPress(Qt::Key_Enter);
        QCOMPARE(matchName, QStringLiteral("fJogo:"));
        QCOMPARE(Jogadores[1].eMail.texto(), QStringLiteral("eMail@"));
    }

    void albumOfTheChosenPlayer()
    {
        writeAlbum(player(u"Ana"_s, u"ana@x.br"_s) + player(u"Bia"_s, u"bia@x.br"_s));
        fNome->FormActivate();
        fNome->btAlbumClick();
        QCOMPARE(recorder->messageBoxes,
                 QStringList{QStringLiteral("Escolha um jogador na lista para ver o álbum.")});
        fAlbum = new TfAlbum;
        QString shown;
        recorder->modalScripts.push_back([&shown](QDialog& screen) {
            shown = screen.objectName() + QLatin1Char(':') + QString::number(IdxJogador) +
                    JogadorAtual.Nome.texto();
            return 0;
        });
        fNome->sgJogadores->setCurrentCell(1, 0);
        fNome->btAlbumClick();
        QCOMPARE(shown, QStringLiteral("fAlbum:2Bia"));
        delete fAlbum;
        fAlbum = nullptr;
    }

    void fiftyFirstPlayerIsRefused()
    {
        QByteArray bytes;
        for (int k = 1; k <= 50; ++k)
            bytes += player(QStringLiteral("J%1").arg(k), QStringLiteral("j@x"));
        writeAlbum(bytes);
        fNome->FormActivate();
        fNome->edNome->setText(QStringLiteral("Novo"));
        fNome->edeMail->setText(QStringLiteral("n@x"));
        fNome->edeMailKeyPress(Qt::Key_Return);
        QCOMPARE(recorder->messageBoxes.size(), 1);
        QVERIFY(recorder->modalShows.isEmpty());
    }

    void escapeClosesAndSaves()
    {
        writeAlbum(player(u"Bia"_s, u"bia@x.br"_s) + QByteArray(10, 'x'));
        ModalDriver driver;
        driver.when(QStringLiteral("fNome"), [](QWidget*) {
            QCOMPARE(fNome->edNome->text(), QStringLiteral("Digite seu nome"));
            QTest::keyClick(fNome->edNome, Qt::Key_Escape);
        });
        QVERIFY(!recorder->modalScripts.size());
        fPrin->Jogar();
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        QVERIFY(fNome->isHidden());
        QCOMPARE(readAll(album()), player(u"Bia"_s, u"bia@x.br"_s));
    }
};

QTEST_MAIN(TstNome)
#include "tst_nome.moc"
