#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "data/catalogo.h"
#include "data/jogadores.h"
#include "match/estado_partida.h"
#include "shell/tf_nome.h"
#include "tests/support/screen_test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

int stickersOwned()
{
    int total = 0;
    for (int n = 1; n <= kFigurinhasAlbum; ++n)
        total += JogadorAtual.figurinha(n).Qtd;
    return total;
}

QString shownFile(const Picture* picture)
{
    return QFileInfo(picture->fileName()).fileName();
}

QImage asImage(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// What a slot of the album must look like: the sticker's picture alone, stretched over it.
QImage expectedSlot(int n)
{
    Picture reference;
    reference.resize(150, 150);
    reference.load(n == 0
                       ? QStringLiteral("PastaImg/imagem0.jpg")
                       : QStringLiteral("PastaImg/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0')));
    return asImage(reference.grab());
}

// What the album paints in its K-th slot (K = 1 to 12), with whatever lies over the picture.
QImage paintedSlot(int k)
{
    const Panel* slot = fAlbum->pn[size_t(k - 1)];
    return asImage(fAlbum->grab(slot->geometry()));
}

void writePlayers(const QString& file, const QList<QList<int>>& stickersOfEach)
{
    QByteArray bytes;
    int i = 0;
    for (const QList<int>& stickers : stickersOfEach) {
        tJogador j;
        zeraRegistro(j);
        j.Nome.defineTexto(QStringLiteral("Jogador%1").arg(++i));
        for (int n : stickers)
            ++j.figurinha(n).Qtd;
        bytes += bytesDe(j);
    }
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

} // namespace

class TstAlbum : public ScreenTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        begin({.runEvents = false, .inFolder = true});
        CarregaLegendas();
        zeraRegistro(JogadorAtual);
        IdxJogador = 0;
        UltimaFigurinhaDistribuida = 0;
        fPacotinho = new TfPacotinho;
        fAlbum = new TfAlbum;
    }

    void cleanup() { end(); }

    void packetDealsItsSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("dealt");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("11") << 11 << 10;
    }

    void packetDealsItsSize()
    {
        QFETCH(int, size);
        QFETCH(int, dealt);
        TamPacotinho = quint8(size);
        fPacotinho->novoPacote();
        QVERIFY(fPacotinho->BitBtn1->isEnabled());
        fPacotinho->BitBtn1Click();
        QCOMPARE(stickersOwned(), dealt);
        for (int k = 0; k < 10; ++k) {
            const Picture* slot = fPacotinho->im[size_t(k)];
            if (k < dealt) {
                QVERIFY(slot->tag() >= 1 && slot->tag() <= 138);
                QVERIFY(JogadorAtual.figurinha(slot->tag()).Qtd >= 1);
            } else {
                QCOMPARE(slot->tag(), 0);
            }
        }
        QCOMPARE(int(TamPacotinho), size);
        // The packet is dealt once.
        QVERIFY(!fPacotinho->BitBtn1->isEnabled());
        fPacotinho->BitBtn1Click();
        QCOMPARE(stickersOwned(), dealt);
    }

    void sameStickerTwiceCountsTwice()
    {
        TamPacotinho = 2;
        recorder->forcedRandom = {25, 25};
        JogadorAtual.figurinha(25).Qtd = 2;
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        QCOMPARE(JogadorAtual.figurinha(25).Qtd, quint8(4));
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("3"));
    }

    void packetSaysWhatItHolds_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("line");
        QTest::newRow("1") << 1 << QStringLiteral("Você ganhou 1 figurinha!");
        QTest::newRow("3") << 3 << QStringLiteral("Você ganhou 3 figurinhas!");
        QTest::newRow("5") << 5 << QStringLiteral("Você ganhou 5 figurinhas!");
    }

    void packetSaysWhatItHolds()
    {
        QFETCH(int, size);
        QFETCH(QString, line);
        TamPacotinho = quint8(size);
        fPacotinho->novoPacote();
        fPacotinho->show();
        QCOMPARE(fPacotinho->lbGanhou->text(), line);
        QVERIFY(fPacotinho->lbGanhou->isVisible());
        // Its own line: inside the screen, over none of the slots or buttons.
        const QRect where = fPacotinho->lbGanhou->geometry();
        QVERIFY(fPacotinho->rect().contains(where));
        for (const QWidget* other :
             {static_cast<QWidget*>(fPacotinho->p[5]), static_cast<QWidget*>(fPacotinho->BitBtn1)})
            QVERIFY(!where.intersects(other->geometry()));
        QVERIFY(fPacotinho->lbGanhou->fontMetrics().horizontalAdvance(line) <= where.width());
        fPacotinho->hide();
    }

    void failedDrawKeepsWhatWasDealt()
    {
        TamPacotinho = 4;
        QFile::remove(folder->file(QStringLiteral("PastaImg/imagem00030.bmp")));
        recorder->forcedRandom = {10, 30, 40};
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QCOMPARE(stickersOwned(), 1);
        QCOMPARE(JogadorAtual.figurinha(10).Qtd, quint8(1));
        QCOMPARE(fPacotinho->im[2]->tag(), 0);
    }

    void duplicates()
    {
        JogadorAtual.figurinha(3).Qtd = 1;
        JogadorAtual.figurinha(50).Qtd = 2;
        JogadorAtual.figurinha(1200).Qtd = 5;
        QCOMPARE(fAlbum->ContaRepetidas(), 5);
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("5"));
        zeraRegistro(JogadorAtual);
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("0"));
    }

    void collectorFigures_data()
    {
        QTest::addColumn<QList<int>>("owned");
        QTest::addColumn<QString>("ocultas");
        QTest::addColumn<QString>("progress");
        QTest::newRow("none") << QList<int>{} << QStringLiteral("138")
                              << QStringLiteral("0 de 138 figurinhas");
        // Slots past 138 cannot be won, so they count for neither figure.
        QTest::newRow("1, 2, 3 twice, 139, 500")
            << QList<int>{1, 2, 3, 3, 139, 500} << QStringLiteral("135")
            << QStringLiteral("3 de 138 figurinhas");
        QList<int> all;
        for (int n = 1; n <= 138; ++n)
            all << n;
        QTest::newRow("all") << all << QStringLiteral("0")
                             << QStringLiteral("138 de 138 figurinhas");
    }

    void collectorFigures()
    {
        QFETCH(QList<int>, owned);
        QFETCH(QString, ocultas);
        QFETCH(QString, progress);
        for (int n : owned)
            ++JogadorAtual.figurinha(n).Qtd;
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->StaticText5->text(), ocultas);
        QCOMPARE(fAlbum->lbProgresso->text(), progress);
    }

    void figuresFollowThePacket()
    {
        JogadorAtual.figurinha(3).Qtd = 1;
        TamPacotinho = 2;
        recorder->forcedRandom = {3, 40};
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        fAlbum->FormActivate();
        QCOMPARE(fAlbum->stRepet->text(), QStringLiteral("1"));
        QCOMPARE(fAlbum->StaticText5->text(), QStringLiteral("136"));
        QCOMPARE(fAlbum->lbProgresso->text(), QStringLiteral("2 de 138 figurinhas"));
    }

    void verShowsThePageOfTheLastDealt()
    {
        // None dealt in this run: page 1.
        for (int i = 0; i < 4; ++i)
            fAlbum->BitBtn2Click();
        QTest::mouseClick(fAlbum->BitBtn3, Qt::LeftButton);
        QCOMPARE(fAlbum->Pagina, 1);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));

        TamPacotinho = 2;
        recorder->forcedRandom = {5, 100};
        fPacotinho->novoPacote();
        fPacotinho->BitBtn1Click();
        QTest::mouseClick(fAlbum->BitBtn3, Qt::LeftButton);
        QCOMPARE(fAlbum->Pagina, 9);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("9"));
        // Sticker 100 is the fourth of page 9 (97 to 108), painted with its own picture.
        QCOMPARE(fAlbum->numeros[3]->text(), QStringLiteral("100"));
        QCOMPARE(paintedSlot(4), expectedSlot(100));
        QCOMPARE(paintedSlot(5), expectedSlot(0));
    }

    void ownedStickerIsPaintedWhole()
    {
        JogadorAtual.figurinha(14).Qtd = 1;
        fAlbum->BitBtn2Click();
        // Nothing covers any part of the picture, its text in the corners included.
        QCOMPARE(paintedSlot(2), expectedSlot(14));
        const Label* number = fAlbum->numeros[1];
        fAlbum->show();
        QVERIFY(number->isVisible());
        QVERIFY(fAlbum->rect().contains(number->geometry()));
        QVERIFY(number->fontMetrics().horizontalAdvance(number->text()) <= number->width());
        for (const Panel* slot : fAlbum->pn)
            QVERIFY(!number->geometry().intersects(slot->geometry()));
        fAlbum->hide();
    }

    // The page on screen belongs to the player being shown, whichever entry opens the album.
    void entriesDrawTheShownPlayer_data()
    {
        QTest::addColumn<bool>("fromPacket");
        QTest::newRow("packet's Ver álbum") << true;
        QTest::newRow("player screen's Ver álbum") << false;
    }

    void entriesDrawTheShownPlayer()
    {
        QFETCH(bool, fromPacket);
        writePlayers(folder->file(QStringLiteral("TernavoAlbum.tnv")), {{1, 2}, {2}});
        fNome = new TfNome;
        fNome->FormActivate();
        QImage first;
        QImage second;
        for (QImage* painted : {&first, &second})
            recorder->modalScripts.push_back([painted](QDialog&) {
                *painted = paintedSlot(1);
                return 0;
            });
        for (int row : {0, 1}) {
            if (fromPacket) {
                EscolheJogador(row + 1);
                fPacotinho->btAlbumClick();
            } else {
                fNome->sgJogadores->setCurrentCell(row, 0);
                fNome->btAlbumClick();
            }
        }
        QCOMPARE(recorder->modalShows.size(), 2);
        QCOMPARE(first, expectedSlot(1));
        QCOMPARE(second, expectedSlot(0));
        delete fNome;
        fNome = nullptr;
    }

    void arrowsTurnPagesWhateverHasTheFocus()
    {
        fAlbum->show();
        QVERIFY(QTest::qWaitForWindowActive(fAlbum));
        for (QPushButton* button :
             {fAlbum->BitBtn1, fAlbum->BitBtn2, fAlbum->BitBtn3, fAlbum->btFechar}) {
            fAlbum->BitBtn1Click();
            button->setFocus();
            QCOMPARE(QApplication::focusWidget(), button);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QCOMPARE(fAlbum->Pagina, 2);
            QCOMPARE(fAlbum->numeros[0]->text(), QStringLiteral("13"));
            QCOMPARE(fAlbum->stPag->text(), QStringLiteral("2"));
            // The key turned the page and left the focus where it was.
            QCOMPARE(QApplication::focusWidget(), button);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
            QCOMPARE(fAlbum->stPag->text(), QStringLiteral("3"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            QCOMPARE(fAlbum->stPag->text(), QStringLiteral("2"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
            QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
            QCOMPARE(QApplication::focusWidget(), button);
        }
        fAlbum->hide();
    }

    void pageTwoShowsStickerFourteen()
    {
        JogadorAtual.figurinha(14).Qtd = 1;
        fAlbum->BitBtn2Click();
        QCOMPARE(fAlbum->Pagina, 2);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("2"));
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(fAlbum->numeros[size_t(k)]->text(), QString::number(13 + k));
            QCOMPARE(shownFile(fAlbum->im[size_t(k)]),
                     k == 1 ? QStringLiteral("imagem00014.bmp") : QStringLiteral("imagem0.jpg"));
        }
    }

    void pagesStopAtTheEnds()
    {
        fAlbum->BitBtn1Click();
        QCOMPARE(fAlbum->Pagina, 1);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
        for (int i = 0; i < 120; ++i)
            fAlbum->BitBtn2Click();
        QCOMPARE(fAlbum->Pagina, 100);
        QCOMPARE(fAlbum->numeros[11]->text(), QStringLiteral("1200"));
        fAlbum->BitBtn1Click();
        QCOMPARE(fAlbum->Pagina, 99);
    }

    void missingPictureStopsThePage()
    {
        JogadorAtual.figurinha(16).Qtd = 1;
        QFile::remove(folder->file(QStringLiteral("PastaImg/imagem00016.bmp")));
        fAlbum->BitBtn2Click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QCOMPARE(fAlbum->Pagina, 2);
        QCOMPARE(fAlbum->stPag->text(), QStringLiteral("1"));
    }

    void leavingStoresTheCurrentPlayer()
    {
        QByteArray bytes;
        for (const char* name : {"Ana", "Bia", "Caio"}) {
            tJogador j;
            zeraRegistro(j);
            j.Nome.defineTexto(QLatin1String(name));
            bytes += bytesDe(j);
        }
        QFile file(folder->file(QStringLiteral("TernavoAlbum.tnv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        CarregaJogadores();
        EscolheJogador(2);
        JogadorAtual.figurinha(7).Qtd = 3;
        fAlbum->FormDeactivate();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QCOMPARE(after.size(), 3 * 19304);
        QCOMPARE(after.sliced(19304, 19304), bytesDe(JogadorAtual).toByteArray());
        QCOMPARE(after.sliced(0, 19304), bytes.sliced(0, 19304));
    }
};

QTEST_MAIN(TstAlbum)
#include "tst_album.moc"
