// The settings read as numbers: each parsed by its one rule, whichever window reads it.
#include "stores/SettingValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSettingValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refreshInterval_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("milliseconds"); // -1: no value
        QTest::newRow("default") << u"1"_s << 1000;
        QTest::newRow("blanks") << u" 65 "_s << 65000;
        QTest::newRow("zero stops") << u"0"_s << 0;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("negative") << u"-1"_s << -1;
        QTest::newRow("text") << u"often"_s << -1;
        QTest::newRow("too long") << u"2147484"_s << -1;
    }
    void refreshInterval()
    {
        QFETCH(QString, setting);
        QTEST(SettingValues::parseRefreshMs(setting).value_or(-1), "milliseconds");
    }
};

QTEST_MAIN(TestSettingValues)
#include "test_setting_values.moc"
