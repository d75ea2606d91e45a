#include "shell/tf_mensagens.h"
#include "tests/support/modal_driver.h"
#include "tests/support/screen_test.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TstMensagens : public ScreenTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        begin({.screenWidth = 1200});
        fMensagens = new TfMensagens;
    }

    void cleanup() { end(); }

    void pageButtonsFollowTheYesButton()
    {
        fMensagens->bbSim->hide();
        fMensagens->FormActivate();
        for (const QPushButton* b : fMensagens->bbExp)
            QVERIFY(!b->isHidden());
        fMensagens->bbSim->show();
        fMensagens->FormActivate();
        for (const QPushButton* b : fMensagens->bbExp)
            QVERIFY(b->isHidden());
    }

    void eachPageButtonLoadsItsPage_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("page");
        QTest::newRow("1") << 1 << "Iniciar o Jogo"
                           << "ImagemExp1.jpg";
        QTest::newRow("2") << 2 << "Ajudas"
                           << "ImagemExp2.jpg";
        QTest::newRow("3") << 3 << "Auxílio Técnico"
                           << "ImagemExp9.jpg";
        QTest::newRow("4") << 4 << "Substituição"
                           << "ImagemExp12.jpg";
        QTest::newRow("5") << 5 << "Álbum"
                           << "ImagemExp13.jpg";
        QTest::newRow("6") << 6 << "Imagens"
                           << "ImagemExp11.jpg";
        QTest::newRow("7") << 7 << "Finalizar"
                           << "ImagemExp7.jpg";
        QTest::newRow("8") << 8 << "Placar"
                           << "ImagemExp8.jpg";
    }

    void eachPageButtonLoadsItsPage()
    {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(QString, page);
        QPushButton* b = fMensagens->bbExp[size_t(button - 1)];
        QCOMPARE(b->text(), caption);
        b->click();
        QCOMPARE(QFileInfo(fMensagens->Image2->fileName()).fileName(), page);
    }

    void missingPageKeepsThePicture()
    {
        fMensagens->bbExp[0]->click();
        QFile::remove(folder->file(QStringLiteral("PastaImgHelp/ImagemExp2.jpg")));
        fMensagens->bbExp[1]->click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QVERIFY(fMensagens->Image2->fileName().endsWith(QStringLiteral("ImagemExp1.jpg")));
    }

    void answersAndSound_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("answer");
        QTest::newRow("SIM") << 0 << "S";
        QTest::newRow("NÃO") << 1 << "N";
        QTest::newRow("voltar") << 2 << "C";
    }

    void answersAndSound()
    {
        QFETCH(int, button);
        QFETCH(QString, answer);
        QPushButton* buttons[] = {fMensagens->bbSim, fMensagens->bbNao, fMensagens->bbCancelar};
        fMensagens->bbCancelar->setText(QStringLiteral("voltar"));
        ModalDriver driver;
        driver.when(QStringLiteral("fMensagens"), [&buttons, button](QWidget*) {
            fMensagens->bbExp[2]->click();
            QTest::mouseClick(buttons[button], Qt::LeftButton);
        });
        platform().showModal(*fMensagens);
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QCOMPARE(fMensagens->Resposta, answer);
        QCOMPARE(recorder->sounds, (QStringList{u"loop tempo.wav"_s, u"stop"_s}));
        QVERIFY(fMensagens->isHidden());
    }

    void iconsSwitchOnlyTheDialogsLoop()
    {
        fMensagens->chaveSom().desliga();
        QVERIFY(fMensagens->imComSom->isHidden() && !fMensagens->imSemSom->isHidden());
        fMensagens->chaveSom().liga();
        QCOMPARE(recorder->sounds, (QStringList{u"stop"_s, u"loop tempo.wav"_s}));
        fMensagens->chaveSom().desliga();
        // The next show starts the loop again while the icon keeps its state.
        fMensagens->show();
        QCOMPARE(recorder->sounds.last(), QStringLiteral("loop tempo.wav"));
        QVERIFY(fMensagens->imComSom->isHidden());
        fMensagens->close();
    }

    void clickedIconsLeaveTheGameSwitchAlone()
    {
        SomLigado = false;
        fMensagens->show();
        QTest::mouseClick(fMensagens->imComSom, Qt::LeftButton);
        QVERIFY(fMensagens->imComSom->isHidden() && !fMensagens->imSemSom->isHidden());
        QTest::mouseClick(fMensagens->imSemSom, Qt::LeftButton);
        QVERIFY(!fMensagens->imComSom->isHidden() && fMensagens->imSemSom->isHidden());
        QCOMPARE(recorder->sounds,
                 (QStringList{u"loop tempo.wav"_s, u"stop"_s, u"loop tempo.wav"_s}));
        QVERIFY(!SomLigado);
        fMensagens->close();
    }

    void firstShowingPaintsOnlyTheSoundOnIcon()
    {
        // What the icon's place shows on the first showing of the run, and once the icons have
        // been switched off and on again, when only the sound-on icon is up for certain.
        const auto iconArea = [] {
            return fMensagens->grab(fMensagens->imComSom->geometry()).toImage();
        };
        QImage first;
        ModalDriver driver;
        driver.when(QStringLiteral("fMensagens"), [&first, &iconArea](QWidget*) {
            first = iconArea();
            fMensagens->bbCancelarClick();
        });
        platform().showModal(*fMensagens);
        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        fMensagens->chaveSom().desliga();
        fMensagens->chaveSom().liga();
        const QImage alone = iconArea();
        QVERIFY(!first.isNull());
        first.save(QStringLiteral(DRIBOLEX_TEST_GRABS "/dialogo-icone-primeira-vez.png"));
        QCOMPARE(first, alone);
    }

    void previousAnswerStaysUntilTheNext()
    {
        fMensagens->bbNaoClick();
        QCOMPARE(fMensagens->Resposta, QStringLiteral("N"));
        fMensagens->show();
        fMensagens->close();
        QCOMPARE(fMensagens->Resposta, QStringLiteral("N"));
    }
};

QTEST_MAIN(TstMensagens)
#include "tst_mensagens.moc"
