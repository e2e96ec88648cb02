#include "platform/Twips.h"

#include <QTest>

class TestTwips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("twips");
        QTest::newRow("96 dpi") << 96.0 << 100 << 1500;
        QTest::newRow("120 dpi") << 120.0 << 100 << 1200;
        QTest::newRow("144 dpi") << 144.0 << 144 << 1440;
        QTest::newRow("negative position") << 96.0 << -4 << -60;
        QTest::newRow("broken dpi") << 0.0 << 2 << 30;
    }

    void conversions()
    {
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QFETCH(int, twips);
        QCOMPARE(Twips::fromPixels(pixels, dpi), twips);
        QCOMPARE(Twips::toPixels(twips, dpi), pixels);
    }

    void perPixel() { QCOMPARE(Twips::perPixel(96.0), 15.0); }
};

QTEST_GUILESS_MAIN(TestTwips)
#include "test_twips.moc"
