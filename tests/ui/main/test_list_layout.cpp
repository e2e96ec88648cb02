// Where the events list and the works list go in their windows and how wide their columns
// are, in twips.
#include "ui/main/ListLayout.h"
#include "ui/worktime/WorkListLayout.h"

#include <QTest>
#include <optional>

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

    void layout_data()
    {
        QTest::addColumn<int>("innerWidth");
        QTest::addColumn<int>("innerHeight");
        QTest::addColumn<int>("listWidth");
        QTest::addColumn<int>("listHeight"); // -1: left as it was
        QTest::addColumn<int>("share"); // each counter's width; -1: left as it was
        QTest::addColumn<int>("need"); // a counter's need; -1: none
        QTest::addColumn<int>("name");
        QTest::newRow("design") << 9840 << 4500 << 9660 << 3825 << 457 << -1 << 457; // 2740 / 6 = 456.67
        QTest::newRow("nothing to share") << 7100 << 675 << 6920 << 0 << 0 << -1 << 0;
        QTest::newRow("half rounds to even")
            << 7283 << 4500 << 7103 << 3825 << 30 << -1 << 30; // 183 / 6 = 30.5
        QTest::newRow("half rounds up to even") << 7301 << 4500 << 7121 << 3825 << 34 << -1 << 34; // 201 / 6
        QTest::newRow("too narrow for shares") << 7000 << 600 << 6820 << -1 << -1 << 900 << -1;
        QTest::newRow("counters leave the rest to names")
            << 13500 << 4800 << 13320 << 4125 << 900 << 900 << 1902;
        QTest::newRow("counters needing more share equally")
            << 9840 << 4500 << 9660 << 3825 << 457 << 900 << 457;
    }
    void layout()
    {
        QFETCH(int, innerWidth);
        QFETCH(int, innerHeight);
        QFETCH(int, listWidth);
        QFETCH(int, listHeight);
        QFETCH(int, share);
        QFETCH(int, need);
        QFETCH(int, name);
        const WorkListLayout layout = layoutWorkList(
            innerWidth, innerHeight, 1234, need < 0 ? std::nullopt : std::optional<int>(need));
        QCOMPARE(layout.width.value_or(-1), listWidth);
        QCOMPARE(layout.height.value_or(-1), listHeight);
        const std::array<int, 11> columns
            = { name, 820, 2000, 2000, 800, 900, share, share, share, share, share };
        for (int column = 0; column < 11; ++column)
            QCOMPARE(layout.columns[column].value_or(-1), columns[column]);
    }

    void narrowWindowKeepsListWidthForColumns()
    {
        const WorkListLayout layout = layoutWorkList(100, 100, 7520);
        QVERIFY(!layout.width);
        QVERIFY(!layout.height);
        QCOMPARE(layout.columns[0].value_or(-1), 100); // (7520 - 6920) / 6
    }
};

QTEST_APPLESS_MAIN(TestListLayout)
#include "test_list_layout.moc"
