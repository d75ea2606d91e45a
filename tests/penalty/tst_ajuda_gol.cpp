#include "app/tf_prin.h"
#include "match/tf_jogo.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/tf_mensagens.h"
#include "tests/support/modal_driver.h"
#include "tests/support/screen_test.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kNavy(0, 0, 128);

// The force bars from bar 1 up: 'N' navy, 'S' sky blue, '?' anything else.
QString bars()
{
    QString s;
    for (const QWidget* bar : fAjudaGol->shForca) {
        const QColor c = bar->palette().color(QPalette::Window);
        s += c == kNavy ? QLatin1Char('N') : c == kSkyBlue ? QLatin1Char('S') : QLatin1Char('?');
    }
    return s;
}

void releaseKey(int key, bool autoRepeat = false)
{
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(fAjudaGol, &event);
}

// Runs ball ticks until the screen ends the flight; returns how many it took.
int flyToTheEnd(int limit = 1000)
{
    int ticks = 0;
    while (fAjudaGol->tBola.isActive() && ticks < limit) {
        fAjudaGol->tBolaTimer();
        ++ticks;
    }
    return ticks;
}

void placeKeeper(int left)
{
    fAjudaGol->imGoleiro->move(left, fAjudaGol->imGoleiro->y());
}

int kicker()
{
    return fAjudaGol->imJogador->x();
}

// Share of the area, as last painted on the penalty screen's window, in the messages' yellow.
double paintedYellow(const QRect& area)
{
    const QImage shot = fAjudaGol->screen()->grabWindow(fAjudaGol->winId()).toImage();
    int yellow = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            yellow += shot.pixelColor(x, y) == QColor(255, 255, 0);
    }
    return double(yellow) / (area.width() * area.height());
}

} // namespace

class TstAjudaGol : public ScreenTest {
    Q_OBJECT

private Q_SLOTS:
    // One program folder for all: writing its pictures is the slow part of a test.
    void initTestCase() { folder = std::make_unique<GameFolder>(); }

    void cleanupTestCase() { folder.reset(); }

    void init()
    {
        // Screen width 1200 keeps the penalty screen at its design size.
        begin({.runEvents = false, .screenWidth = 1200});
        fPrin = new TfPrin;
        fJogo = new TfJogo;
        fMensagens = new TfMensagens;
        fAjudaGol = new TfAjudaGol;
        recorder->clearRecords();
    }

    void cleanup() { end(); }

    void creationScalesByScreenWidth_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("keeper");
        QTest::addColumn<int>("ballTop");
        QTest::addColumn<int>("messageFont");

        // The keeper starts at goal left + (goal width - goal left) div 2.
        QTest::newRow("design") << 1200 << QSize(312, 500) << 24 + (261 - 24) / 2 << 380 << 20;
        QTest::newRow("1280") << 1280 << QSize(333, 533) << 26 + (278 - 26) / 2 << 405 << 21;
        QTest::newRow("double") << 2400 << QSize(624, 1000) << 48 + (522 - 48) / 2 << 760 << 40;
    }

    void creationScalesByScreenWidth()
    {
        QFETCH(int, screenWidth);
        QFETCH(QSize, size);
        QFETCH(int, keeper);
        QFETCH(int, ballTop);
        QFETCH(int, messageFont);
        delete fAjudaGol;
        recorder->width = screenWidth;
        PosGoleiro = -1;
        GoleiroDireita = true;
        fAjudaGol = new TfAjudaGol;

        QCOMPARE(fAjudaGol->size(), size);
        QCOMPARE(PosGoleiro, keeper);
        QCOMPARE(fAjudaGol->imGoleiro->x(), keeper);
        QVERIFY(!GoleiroDireita);
        QCOMPARE(TopoBolaInicial, ballTop);
        QCOMPARE(fAjudaGol->lbAcerto->font().pixelSize(), messageFont);
        QCOMPARE(fAjudaGol->lbErro->font().pixelSize(), messageFont);
        QCOMPARE(recorder->reseeds, 1);
        QVERIFY(!fAjudaGol->tGoleiro.isActive() && !fAjudaGol->tBola.isActive());
        QVERIFY(fAjudaGol->lbAcerto->isHidden() && fAjudaGol->lbErro->isHidden());
    }

    void turnStartResetsAllButTheKeeper()
    {
        PosGoleiro = 200;
        placeKeeper(190);
        GoleiroDireita = true;
        fAjudaGol->Chutes = 3;
        fAjudaGol->FezGol = true;
        fAjudaGol->shForca1MouseDown(4);
        fAjudaGol->Image3DblClick();
        fAjudaGol->imBola->move(7, 9);
        fAjudaGol->tBola.start();

        fAjudaGol->FormActivate();
        QCOMPARE(recorder->sounds, QStringList{u"loop goleiro.wav"_s});
        QCOMPARE(fAjudaGol->imBola->pos(), QPoint(134 - 6, 380));
        QCOMPARE(PosBola, 380);
        QCOMPARE(kicker(), 312 / 2 - 45 / 2);
        QVERIFY(fAjudaGol->tGoleiro.isActive());
        QVERIFY(!fAjudaGol->tBola.isActive());
        QCOMPARE(fAjudaGol->Chutes, 0);
        QVERIFY(!fAjudaGol->FezGol);
        QCOMPARE(Forca, 0);
        QCOMPARE(bars(), QStringLiteral("SSSSS"));
        QCOMPARE(PosGoleiro, 200);
        QCOMPARE(fAjudaGol->imGoleiro->x(), 190);
        QVERIFY(GoleiroDireita);
    }

    void keeperTick_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("endRight");

        // Goal 24..285, keeper 45 wide: L = 27, R = 240. rnd(60) at the edges, rnd(25)
        // between them; a drawn 59 tells them apart (59 mod 25 = 9).
        QTest::newRow("left of L turns right") << 26 << false << 59 << 85 << true;
        QTest::newRow("left of L, step 0 stays") << 26 << false << 0 << 26 << true;
        QTest::newRow("far left of L") << 3 << true << 10 << 13 << true;
        QTest::newRow("on L walks left past it") << 27 << false << 24 << 3 << false;
        QTest::newRow("on L walking right") << 27 << true << 24 << 51 << true;
        QTest::newRow("middle walking left") << 150 << false << 59 << 141 << false;
        QTest::newRow("middle walking right") << 150 << true << 59 << 159 << true;
        QTest::newRow("below R walks past it") << 239 << true << 24 << 263 << true;
        QTest::newRow("on R turns left") << 240 << true << 59 << 181 << false;
        QTest::newRow("on R, step 0 stays") << 240 << true << 0 << 240 << false;
        QTest::newRow("right of R") << 263 << false << 10 << 253 << false;
    }

    void keeperTick()
    {
        QFETCH(int, start);
        QFETCH(bool, right);
        QFETCH(int, drawn);
        QFETCH(int, end);
        QFETCH(bool, endRight);
        placeKeeper(100);
        PosGoleiro = start;
        GoleiroDireita = right;
        recorder->forcedRandom = {drawn};

        fAjudaGol->tGoleiroTimer();
        QCOMPARE(fAjudaGol->imGoleiro->x(), start);
        QCOMPARE(PosGoleiro, end);
        QCOMPARE(GoleiroDireita, endRight);
        QVERIFY(recorder->forcedRandom.empty());
    }

    void aimLimits_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("left");

        // l/r: arrow clicks, L/R: arrow double clicks, </>: arrow keys. Width 312: W div 3 =
        // 104, (W div 3) x 2 - 10 = 198, start 134.
        QTest::newRow("clicks left stop at 99") << "llllllllll" << 99;
        QTest::newRow("clicks right stop at 199") << "rrrrrrrrrrrrrrrrrrrr" << 199;
        QTest::newRow("keys left stop at 99") << "<<<<<<<<<<" << 99;
        QTest::newRow("keys right stop at 199") << ">>>>>>>>>>>>>>>>>>>>" << 199;
        QTest::newRow("leftmost") << "L" << 104;
        QTest::newRow("rightmost") << "R" << 198;
        QTest::newRow("leftmost, one more step") << "Ll" << 99;
        QTest::newRow("rightmost, one more step") << "Rr" << 203;
        QTest::newRow("rightmost, two more steps") << "Rr>" << 203;
        QTest::newRow("leftmost from the right") << "rrrL" << 104;
        QTest::newRow("back and forth") << "lll>r" << 129;
    }

    void aimLimits()
    {
        QFETCH(QString, steps);
        QFETCH(int, left);
        fAjudaGol->FormActivate();
        QCOMPARE(kicker(), 134);
        const int top = fAjudaGol->imJogador->y();
        for (const QChar step : steps) {
            switch (step.toLatin1()) {
            case 'l': fAjudaGol->Image1Click(); break;
            case 'r': fAjudaGol->Image3Click(); break;
            case 'L': fAjudaGol->Image1DblClick(); break;
            case 'R': fAjudaGol->Image3DblClick(); break;
            case '<': releaseKey(Qt::Key_Left); break;
            case '>': releaseKey(Qt::Key_Right); break;
            }
            QCOMPARE(fAjudaGol->imBola->x(), kicker() - 6);
        }
        QCOMPARE(kicker(), left);
        QCOMPARE(fAjudaGol->imJogador->y(), top);
    }

    void doubleClickIsOneClickAndOneDoubleClick()
    {
        fAjudaGol->FormActivate();
        // What the window system sends for a double click: the second press may come or not.
        QTest::mouseClick(fAjudaGol->Image1, Qt::LeftButton);
        QTest::mouseDClick(fAjudaGol->Image1, Qt::LeftButton);
        QTest::mouseRelease(fAjudaGol->Image1, Qt::LeftButton);
        QCOMPARE(kicker(), 104);
        QTest::mouseClick(fAjudaGol->Image1, Qt::LeftButton);
        QCOMPARE(kicker(), 99);

        QTest::mouseClick(fAjudaGol->Image3, Qt::LeftButton);
        QTest::mousePress(fAjudaGol->Image3, Qt::LeftButton);
        QTest::mouseDClick(fAjudaGol->Image3, Qt::LeftButton);
        QTest::mouseRelease(fAjudaGol->Image3, Qt::LeftButton);
        QCOMPARE(kicker(), 198);

        QTest::mouseClick(fAjudaGol->imBola, Qt::LeftButton);
        QTest::mouseDClick(fAjudaGol->imBola, Qt::LeftButton);
        QTest::mouseRelease(fAjudaGol->imBola, Qt::LeftButton);
        QCOMPARE(fAjudaGol->Chutes, 1);
        QTest::mouseClick(fAjudaGol->imJogador, Qt::LeftButton);
        QCOMPARE(fAjudaGol->Chutes, 2);
    }

    void forceStaysWithinZeroToFive_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("force");
        QTest::addColumn<QString>("painted");

        // u/d: Up and Down keys; 1..5: a press on that bar (right button).
        QTest::newRow("up seven times") << "uuuuuuu" << 5 << "NNNNN";
        QTest::newRow("down from zero") << "ddd" << 0 << "SSSSS";
        QTest::newRow("up three, down one") << "uuud" << 2 << "NNSSS";
        QTest::newRow("bar 4") << "4" << 4 << "NNNNS";
        QTest::newRow("bar 4, up three") << "4uuu" << 5 << "NNNNN";
        QTest::newRow("bar 1, down twice") << "1dd" << 0 << "SSSSS";
        QTest::newRow("bar 5, then bar 2") << "52" << 2 << "NNSSS";
        QTest::newRow("bar 3, down, up") << "3du" << 3 << "NNNSS";
    }

    void forceStaysWithinZeroToFive()
    {
        QFETCH(QString, presses);
        QFETCH(int, force);
        QFETCH(QString, painted);
        fAjudaGol->FormActivate();
        for (const QChar press : presses) {
            if (press == QLatin1Char('u'))
                releaseKey(Qt::Key_Up);
            else if (press == QLatin1Char('d'))
                releaseKey(Qt::Key_Down);
            else
                QTest::mousePress(fAjudaGol->shForca[size_t(press.digitValue() - 1)],
                                  Qt::RightButton);
            QVERIFY(Forca >= 0 && Forca <= 5);
        }
        QCOMPARE(Forca, force);
        QCOMPARE(bars(), painted);
    }

    void everyKeyReleaseReAimsAndRepaints_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("kicks");

        QTest::newRow("X") << int(Qt::Key_X) << 3 << 0;
        QTest::newRow("space") << int(Qt::Key_Space) << 3 << 0;
        QTest::newRow("shift") << int(Qt::Key_Shift) << 3 << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 3 << 0;
        QTest::newRow("return") << int(Qt::Key_Return) << 3 << 1;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 3 << 1;
        QTest::newRow("up") << int(Qt::Key_Up) << 4 << 0;
        QTest::newRow("down") << int(Qt::Key_Down) << 2 << 0;
    }

    void everyKeyReleaseReAimsAndRepaints()
    {
        QFETCH(int, key);
        QFETCH(int, force);
        QFETCH(int, kicks);
        fAjudaGol->FormActivate();
        Forca = 3;
        fAjudaGol->imBola->move(10, fAjudaGol->imBola->y());
        QCOMPARE(bars(), QStringLiteral("SSSSS"));

        QTest::keyRelease(fAjudaGol, Qt::Key(key));
        QCOMPARE(fAjudaGol->imBola->x(), kicker() - 6);
        QCOMPARE(Forca, force);
        QCOMPARE(bars(), QString(force, QLatin1Char('N')) + QString(5 - force, QLatin1Char('S')));
        QCOMPARE(fAjudaGol->Chutes, kicks);
        QCOMPARE(fAjudaGol->tBola.isActive(), kicks > 0);
    }

    void heldKeyActsOnceWhenReleased()
    {
        fAjudaGol->FormActivate();
        for (int i = 0; i < 3; ++i) {
            releaseKey(Qt::Key_Up, true);
            releaseKey(Qt::Key_Right, true);
            releaseKey(Qt::Key_Return, true);
        }
        QCOMPARE(Forca, 0);
        QCOMPARE(kicker(), 134);
        QCOMPARE(fAjudaGol->Chutes, 0);
        releaseKey(Qt::Key_Up);
        releaseKey(Qt::Key_Right);
        QCOMPARE(Forca, 1);
        QCOMPARE(kicker(), 139);
    }

    void flight_data()
    {
        QTest::addColumn<int>("force");
        QTest::addColumn<QString>("secondKick");
        QTest::addColumn<int>("ticks");

        // 380 - (76 + 53 div 3) = 287 pixels at 2 x force + 1 a tick.
        QTest::newRow("force 0") << 0 << QString() << 287;
        QTest::newRow("force 1") << 1 << QString() << 96;
        QTest::newRow("force 2") << 2 << QString() << 58;
        QTest::newRow("force 3") << 3 << QString() << 41;
        QTest::newRow("force 4") << 4 << QString() << 32;
        QTest::newRow("force 5") << 5 << QString() << 27;
        QTest::newRow("force 2, ball clicked in flight") << 2 << "ball" << 58;
        QTest::newRow("force 2, kicker clicked in flight") << 2 << "kicker" << 58;
        QTest::newRow("force 4, Enter in flight") << 4 << "enter" << 32;
    }

    void flight()
    {
        QFETCH(int, force);
        QFETCH(QString, secondKick);
        QFETCH(int, ticks);
        fAjudaGol->FormActivate();
        placeKeeper(240);
        Forca = force;
        QTest::keyRelease(fAjudaGol, Qt::Key_Return);
        QVERIFY(fAjudaGol->tBola.isActive());

        int flown = flyToTheEnd(ticks / 2);
        QCOMPARE(fAjudaGol->imBola->y(), 380 - (flown - 1) * (2 * force + 1));
        if (secondKick == QLatin1String("ball"))
            QTest::mouseClick(fAjudaGol->imBola, Qt::LeftButton);
        else if (secondKick == QLatin1String("kicker"))
            QTest::mouseClick(fAjudaGol->imJogador, Qt::LeftButton);
        else if (secondKick == QLatin1String("enter"))
            QTest::keyRelease(fAjudaGol, Qt::Key_Return);
        flown += flyToTheEnd();

        const int kicks = secondKick.isEmpty() ? 1 : 2;
        QCOMPARE(flown, ticks);
        QCOMPARE(fAjudaGol->Chutes, kicks);
        QVERIFY(fAjudaGol->FezGol);
        QCOMPARE(PosBola, 380 - ticks * (2 * force + 1));
        // The goal puts the ball 30 pixels on into the net.
        QCOMPARE(fAjudaGol->imBola->y(), PosBola - 30);
        QCOMPARE(recorder->sounds.count(QStringLiteral("once suspense.wav")), kicks);
    }

    void forceChangedInFlightChangesTheSpeedAtOnce()
    {
        fAjudaGol->FormActivate();
        placeKeeper(240);
        fAjudaGol->imJogadorClick();
        int flown = flyToTheEnd(10);
        QCOMPARE(PosBola, 370);
        for (int i = 0; i < 5; ++i)
            releaseKey(Qt::Key_Up);
        fAjudaGol->tBolaTimer();
        QCOMPARE(PosBola, 359);
        flown += 1 + flyToTheEnd();
        // From 359 at 11 a tick: 25 more ticks to reach 93.
        QCOMPARE(flown, 36);
        QVERIFY(fAjudaGol->FezGol);
    }

    void aimingInFlightSteersTheBall()
    {
        fAjudaGol->FormActivate();
        placeKeeper(30);
        fAjudaGol->imJogadorClick();
        flyToTheEnd(10);
        const int top = fAjudaGol->imBola->y();
        fAjudaGol->Image3DblClick();
        QCOMPARE(fAjudaGol->imBola->pos(), QPoint(198 - 6, top));
        releaseKey(Qt::Key_Left);
        QCOMPARE(fAjudaGol->imBola->pos(), QPoint(193 - 6, top));
        flyToTheEnd();
        QVERIFY(fAjudaGol->FezGol);
        QCOMPARE(fAjudaGol->imBola->x(), 187);
    }

    void saveOrGoal_data()
    {
        QTest::addColumn<int>("ballLeft");
        QTest::addColumn<bool>("goal");

        // Keeper at 100..145, ball 20 wide: a save needs the ball's centre past the keeper's
        // left edge and the ball's left edge short of the keeper's right edge.
        QTest::newRow("centre on the keeper's left edge") << 90 << true;
        QTest::newRow("centre one pixel in from the left") << 91 << false;
        QTest::newRow("left edge on the keeper's right edge") << 145 << true;
        QTest::newRow("left edge one pixel in from the right") << 144 << false;
        QTest::newRow("straight at the keeper") << 112 << false;
        QTest::newRow("wide left") << 20 << true;
        QTest::newRow("wide right") << 230 << true;
    }

    void saveOrGoal()
    {
        QFETCH(int, ballLeft);
        QFETCH(bool, goal);
        fAjudaGol->move(40, 60);
        fAjudaGol->FormActivate();
        placeKeeper(100);
        Forca = 5;
        fAjudaGol->imJogadorClick();
        fAjudaGol->imBola->move(ballLeft, fAjudaGol->imBola->y());

        struct {
            bool called = false;
            bool goalShown = false;
            bool saveShown = false;
            bool timersOff = false;
            bool fezGol = false;
            QPoint ball;
        } during;
        recorder->onPlayAndWait = [&during](const QString&) {
            during.called = true;
            during.goalShown = !fAjudaGol->lbAcerto->isHidden();
            during.saveShown = !fAjudaGol->lbErro->isHidden();
            during.timersOff = !fAjudaGol->tBola.isActive() && !fAjudaGol->tGoleiro.isActive();
            during.fezGol = fAjudaGol->FezGol;
            during.ball = fAjudaGol->imBola->pos();
        };
        QCOMPARE(flyToTheEnd(), 27);

        QVERIFY(during.called);
        QCOMPARE(during.goalShown, goal);
        QCOMPARE(during.saveShown, !goal);
        QVERIFY(during.timersOff);
        QCOMPARE(during.fezGol, goal);
        // A goal goes 30 pixels on into the net; a save sits in the keeper's hands.
        QCOMPARE(during.ball, goal ? QPoint(ballLeft, 380 - 27 * 11 - 30)
                                   : QPoint(100 + (45 - 20) / 2, 76 + (53 - 20) / 2));

        QCOMPARE(fAjudaGol->FezGol, goal);
        QCOMPARE(fAjudaGol->Chutes, 1);
        QVERIFY(fAjudaGol->lbAcerto->isHidden() && fAjudaGol->lbErro->isHidden());
        QCOMPARE(recorder->sounds, (QStringList{u"loop goleiro.wav"_s, u"once suspense.wav"_s,
                                                goal ? u"wait certo4.wav"_s : u"wait errada1.wav"_s,
                                                u"once saida.wav"_s}));
        QCOMPARE(recorder->sleeps, QList<int>(fJogo->height() / 5, 30));
        QCOMPARE(fAjudaGol->y(), 60);
    }

    // The slide after an ending lets no event run: the message must be painted away when its
    // cue ends, not after the slide.
    void resultMessageIsPaintedOnlyWhileItsCuePlays_data()
    {
        QTest::addColumn<bool>("goal");
        QTest::newRow("goal") << true;
        QTest::newRow("save") << false;
    }

    void resultMessageIsPaintedOnlyWhileItsCuePlays()
    {
        QFETCH(bool, goal);
        fAjudaGol->show();
        QVERIFY(QTest::qWaitForWindowExposed(fAjudaGol));
        fAjudaGol->FormActivate();
        const QRect area = (goal ? fAjudaGol->lbAcerto : fAjudaGol->lbErro)->geometry();
        QCOMPARE(paintedYellow(area), 0.0);
        double whileCuePlays = -1;
        const QString grabs = QStringLiteral(DRIBOLEX_TEST_GRABS "/penalti-%1-%2.png")
                                  .arg(goal ? u"gol"_s : u"defesa"_s);
        recorder->onPlayAndWait = [&](const QString&) {
            whileCuePlays = paintedYellow(area);
            fAjudaGol->grab().save(grabs.arg(u"durante-o-som"_s));
        };
        goal ? fAjudaGol->TerminaGol() : fAjudaGol->TerminaDefesa();
        QVERIFY2(whileCuePlays > 0.5, qPrintable(QString::number(whileCuePlays)));
        QCOMPARE(paintedYellow(area), 0.0);
        fAjudaGol->grab().save(grabs.arg(u"depois-do-som"_s));
        fAjudaGol->tGoleiro.stop();
    }

    void leaving_data()
    {
        QTest::addColumn<int>("kicks");
        QTest::addColumn<int>("ticks");

        QTest::newRow("before kicking") << 0 << 0;
        QTest::newRow("in flight") << 1 << 40;
        QTest::newRow("kicked twice, in flight") << 2 << 40;
    }

    void leaving()
    {
        QFETCH(int, kicks);
        QFETCH(int, ticks);
        fAjudaGol->show();
        const int top = fAjudaGol->y();
        fAjudaGol->FormActivate();
        placeKeeper(100);
        for (int k = 0; k < kicks; ++k)
            fAjudaGol->imJogadorClick();
        flyToTheEnd(ticks);
        const QPoint ball = fAjudaGol->imBola->pos();
        recorder->sounds.clear();

        QTest::mouseClick(fAjudaGol->imSair, Qt::LeftButton);
        QCOMPARE(fAjudaGol->Chutes, kicks);
        QVERIFY(!fAjudaGol->FezGol);
        QCOMPARE(recorder->sounds, QStringList{u"once saida.wav"_s});
        QCOMPARE(recorder->sleeps, QList<int>(fJogo->height() / 5, 30));
        QVERIFY(fAjudaGol->isHidden());
        QCOMPARE(fAjudaGol->y(), top);

        // Nothing of the kick happens afterwards.
        QTest::qWait(60);
        QVERIFY(!fAjudaGol->tBola.isActive() && !fAjudaGol->tGoleiro.isActive());
        QCOMPARE(fAjudaGol->imBola->pos(), ball);
        QCOMPARE(recorder->sounds, QStringList{u"once saida.wav"_s});
        QVERIFY(fAjudaGol->lbAcerto->isHidden() && fAjudaGol->lbErro->isHidden());
    }

    void matchShowsItAndReadsTheResult()
    {
        Forca = 3;
        fAjudaGol->Chutes = 7;
        fAjudaGol->FezGol = true;
        // Once the turn has started: force 5 on its bar, Enter, and the timers do the rest. The
        // screen closes itself, which the modal driver would take for a window left open.
        bool kicked = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, fAjudaGol, [&kicked] {
            if (kicked || !fAjudaGol->isActiveScreen())
                return;
            kicked = true;
            QTest::mousePress(fAjudaGol->shForca[4], Qt::LeftButton);
            QTest::keyRelease(fAjudaGol, Qt::Key_Return);
        });
        poll.start();
        bool tooLong = false;
        QTimer::singleShot(5000, fAjudaGol, [&tooLong] {
            tooLong = true;
            fAjudaGol->close();
        });
        platform().showModal(*fAjudaGol);

        QVERIFY(kicked);
        QVERIFY(!tooLong);
        QCOMPARE(fAjudaGol->Chutes, 1);
        QCOMPARE(recorder->sounds,
                 (QStringList{u"loop goleiro.wav"_s, u"once suspense.wav"_s,
                              fAjudaGol->FezGol ? u"wait certo4.wav"_s : u"wait errada1.wav"_s,
                              u"once saida.wav"_s}));
        QVERIFY(fAjudaGol->isHidden());
    }

    void helpClosedInFlightStartsAFreshTurn()
    {
        QStringList whileOpen;
        struct {
            QPoint ball;
            qint32 posBola = 0;
            qint32 chutes = -1;
            qint32 forca = -1;
            QString bars;
            bool ballTimer = true;
            bool keeperTimer = false;
        } after;
        ModalDriver driver;
        driver.when(QStringLiteral("fAjudaGol"), [this](QWidget*) {
            fAjudaGol->Image3DblClick();
            fAjudaGol->shForca1MouseDown(2);
            fAjudaGol->imJogadorClick();
            flyToTheEnd(10);
            recorder->sounds.clear();
            QTest::mouseClick(fAjudaGol->Image2, Qt::LeftButton);
        });
        driver.when(QStringLiteral("fMensagens"), [&whileOpen](QWidget*) {
            whileOpen << fMensagens->bbCancelar->text()
                      << QString::number(fMensagens->bbSim->isHidden())
                      << QString::number(fMensagens->bbNao->isHidden())
                      << QString::number(fMensagens->bbCancelar->isHidden())
                      << QFileInfo(fMensagens->Image2->fileName()).fileName()
                      << QString::number(fAjudaGol->tBola.isActive());
            QTest::mouseClick(fMensagens->bbCancelar, Qt::LeftButton);
        });
        driver.when(QStringLiteral("fAjudaGol"), [&after](QWidget*) {
            after.ball = fAjudaGol->imBola->pos();
            after.posBola = PosBola;
            after.chutes = fAjudaGol->Chutes;
            after.forca = Forca;
            after.bars = bars();
            after.ballTimer = fAjudaGol->tBola.isActive();
            after.keeperTimer = fAjudaGol->tGoleiro.isActive();
            QTest::mouseClick(fAjudaGol->imSair, Qt::LeftButton);
        });
        platform().showModal(*fAjudaGol);

        QVERIFY2(driver.failures.isEmpty(), qPrintable(driver.failures.join(u'\n')));
        QVERIFY(driver.finished());
        // The game goes on while the page is open.
        QCOMPARE(whileOpen,
                 (QStringList{u"OK"_s, u"1"_s, u"1"_s, u"0"_s, u"ImagemExp14.jpg"_s, u"1"_s}));
        QCOMPARE(recorder->modalShows, (QStringList{u"fAjudaGol"_s, u"fMensagens"_s}));
        QVERIFY(!fMensagens->bbSim->isHidden() && !fMensagens->bbNao->isHidden());
        QCOMPARE(fMensagens->bbCancelar->text(), QStringLiteral("OK"));

        QCOMPARE(after.ball, QPoint(134 - 6, TopoBolaInicial));
        QCOMPARE(after.posBola, TopoBolaInicial);
        QCOMPARE(after.chutes, 0);
        QCOMPARE(after.forca, 0);
        QCOMPARE(after.bars, QStringLiteral("SSSSS"));
        QVERIFY(!after.ballTimer);
        QVERIFY(after.keeperTimer);
        QCOMPARE(recorder->sounds, (QStringList{u"loop tempo.wav"_s, u"stop"_s,
                                                u"loop goleiro.wav"_s, u"once saida.wav"_s}));
    }

    void helpPageMissingIsReportedAndNotShown()
    {
        GameFolder withoutPage;
        QVERIFY(QFile::remove(withoutPage.file(QStringLiteral("PastaImgHelp/ImagemExp14.jpg"))));
        recorder->folder = withoutPage.path();
        fAjudaGol->FormActivate();
        fAjudaGol->imJogadorClick();
        fAjudaGol->Image2Click();
        QCOMPARE(recorder->errorReports.size(), 1);
        QVERIFY(recorder->errorReports.first().contains(QStringLiteral("ImagemExp14.jpg")));
        QVERIFY(recorder->modalShows.isEmpty());
        QVERIFY(!fMensagens->bbSim->isHidden() && !fMensagens->bbNao->isHidden());
        // The turn goes on.
        QVERIFY(fAjudaGol->tBola.isActive());
        QCOMPARE(fAjudaGol->Chutes, 1);
    }

    void picturesSayWhatTheyDo()
    {
        const Picture* clickable[] = {fAjudaGol->imJogador, fAjudaGol->imBola, fAjudaGol->Image1,
                                      fAjudaGol->Image3,    fAjudaGol->Image2, fAjudaGol->imSair};
        for (const Picture* p : clickable)
            QVERIFY(!p->accessibleName().isEmpty());
        for (const QWidget* bar : fAjudaGol->shForca)
            QVERIFY(!bar->accessibleName().isEmpty());
        QCOMPARE(fAjudaGol->imJogador->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(fAjudaGol->imSair->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(fAjudaGol->Image2->cursor().shape(), Qt::WhatsThisCursor);
        QCOMPARE(fAjudaGol->lbAcerto->text(),
                 QStringLiteral("Você fez um gol! uma alternativa errada será eliminada das "
                                "opções possíveis!"));
        QCOMPARE(fAjudaGol->lbErro->text(),
                 QStringLiteral("Você ERROU a cobrança de pênalti! irá sofrer 2 gols na sua "
                                "pontuação!"));
    }
};

QTEST_MAIN(TstAjudaGol)
#include "tst_ajuda_gol.moc"
