#include "common/ajusta_tela.h"
#include "tests/support/recording_platform.h"

#include <QLabel>
#include <QTest>

class TstAjustaTela : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fontSize_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<int>("points");
        QTest::newRow("below 600") << 599 << 11;
        QTest::newRow("600") << 600 << 7;
        QTest::newRow("700") << 700 << 7;
        QTest::newRow("701") << 701 << 8;
        QTest::newRow("850") << 850 << 8;
        QTest::newRow("851") << 851 << 10;
        QTest::newRow("1024") << 1024 << 10;
        QTest::newRow("1200") << 1200 << 10;
        QTest::newRow("1280") << 1280 << 11;
        QTest::newRow("1920") << 1920 << 11;
    }

    void fontSize()
    {
        QFETCH(int, monitor);
        QFETCH(int, points);
        RecordingPlatform recorder;
        recorder.width = monitor;
        LarguraBase = 1400;
        QWidget screen;
        screen.resize(100, 100);
        AjustaTela(screen);
        QCOMPARE(screen.font().pointSize(), points);
    }

    void scalesPositionsSizesAndFonts()
    {
        RecordingPlatform recorder;
        LarguraBase = 1400;
        QWidget screen;
        screen.resize(916, 652);
        auto* label = new QLabel(&screen);
        label->setGeometry(100, 12, 785, 125);
        QFont font = label->font();
        font.setPixelSize(33);
        label->setFont(font);
        auto* plain = new QLabel(&screen);
        plain->setGeometry(20, 140, 500, 80);

        AjustaTela(screen);

        // 1400 : 1280 = 1.09375, each value rounded.
        QCOMPARE(screen.size(), QSize(1002, 713));
        QCOMPARE(label->geometry(), QRect(109, 13, 859, 137));
        QCOMPARE(label->font().pixelSize(), 36);
        QCOMPARE(plain->geometry(), QRect(22, 153, 547, 88));
        // A control without a font of its own follows the screen's.
        QCOMPARE(plain->font().pointSize(), 11);
        QVERIFY(recorder.eventRuns > 0);
    }
};

QTEST_MAIN(TstAjustaTela)
#include "tst_ajusta_tela.moc"
