#include "ui/main/ListLayout.h"

#include <QTest>

class TestListLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void halvesRoundToEven_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("expected");
        QTest::newRow("below half") << 601 << 100;
        QTest::newRow("half, even below") << 603 << 100;
        QTest::newRow("half, odd below") << 609 << 102;
        QTest::newRow("above half") << 604 << 101;
        QTest::newRow("negative half") << -9 << -2;
        QTest::newRow("negative") << -8 << -1;
    }
    void halvesRoundToEven()
    {
        QFETCH(int, numerator);
        QFETCH(int, expected);
        QCOMPARE(roundHalfEven(numerator, 6), expected);
    }

    void columnsShareTheWidth_data()
    {
        QTest::addColumn<int>("areaWidth");
        QTest::addColumn<int>("share");
        // The list is 180 narrower than the area; the fixed columns and 400 take 4,850.
        QTest::newRow("design size") << 9480 << 742; // (9300 - 4850) / 6 = 741.67
        QTest::newRow("half rounds down to even") << 5633 << 100; // 603 / 6 = 100.5
        QTest::newRow("half rounds up to even") << 5639 << 102; // 609 / 6 = 101.5
    }
    void columnsShareTheWidth()
    {
        QFETCH(int, areaWidth);
        QFETCH(int, share);
        const ListLayout layout = layoutList(areaWidth, 5000, 0);
        QCOMPARE(layout.width, std::optional<int>(areaWidth - 180));
        QCOMPARE(layout.height, std::optional<int>(5000 - 135));
        const std::array<std::optional<int>, 10> expected
            = { share, 750, 2000, 800, 900, share, share, share, share, share };
        QCOMPARE(layout.columns, expected);
    }

    void negativeSizesAreSkipped()
    {
        // A window too narrow and too low: the list keeps its size, and the columns follow the
        // width it keeps.
        const ListLayout narrow = layoutList(100, 100, 5453);
        QVERIFY(!narrow.width);
        QVERIFY(!narrow.height);
        QCOMPARE(narrow.columns[0], std::optional<int>(100));
        // A list too narrow for its fixed columns leaves the shared columns as they were.
        const ListLayout tight = layoutList(3000, 3000, 0);
        QCOMPARE(tight.width, std::optional<int>(2820));
        QVERIFY(!tight.columns[0]);
        QVERIFY(!tight.columns[9]);
        QCOMPARE(tight.columns[2], std::optional<int>(2000));
    }
};

QTEST_APPLESS_MAIN(TestListLayout)
#include "test_list_layout.moc"
