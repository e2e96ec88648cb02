// Where the works list goes in the work-time window and how wide its columns are, in twips.
#include "ui/worktime/WorkListLayout.h"

#include <QTest>
#include <optional>

class TestWorkListLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_MAIN(TestWorkListLayout)
#include "test_work_list_layout.moc"
