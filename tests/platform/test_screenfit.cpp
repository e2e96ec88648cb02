#include "platform/ScreenFit.h"

#include <QTest>

class TestScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("on the first screen stays") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
        QTest::newRow("far off every screen")
            << QRect(143165576, 143165576, 300, 200) << QRect(980, 568, 300, 200);
        QTest::newRow("larger than any screen")
            << QRect(100, 0, 16777215, 16777215) << QRect(1280, 0, 1920, 1080);
        QTest::newRow("too small to use") << QRect(50, 50, 1, 1) << QRect(50, 50, 200, 100);
        QTest::newRow("across both: onto the one it overlaps most")
            << QRect(1200, 100, 400, 200) << QRect(1280, 100, 400, 200);
    }

    void fit()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, fitted);
        const QList<QRect> screens { QRect(0, 0, 1280, 768), QRect(1280, 0, 1920, 1080) };
        QCOMPARE(fitOnScreens(frame, QSize(200, 100), screens), fitted);
    }
};

QTEST_GUILESS_MAIN(TestScreenFit)
#include "test_screenfit.moc"
