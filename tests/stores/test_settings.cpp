#include "components/ProfileFile.h"
#include "stores/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(u"krn.dll"_s); }

    void writeFile(const QByteArray& content)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void firstRunWritesTheDefaults()
    {
        writeFile(QByteArray());
        const Settings settings = SettingsFile(path()).readAtStartup();
        QCOMPARE(settings.value(SettingKey::Year), u"3"_s);
        QCOMPARE(settings.value(SettingKey::Second), u"0"_s);
        QCOMPARE(settings.value(SettingKey::Refresh), u"1"_s);
        QCOMPARE(settings.value(SettingKey::Tues), u"Y"_s);
        QCOMPARE(settings.value(SettingKey::Sat), u"N"_s);
        QCOMPARE(settings.value(SettingKey::Name), u"Tahoma"_s);
        QCOMPARE(settings.value(SettingKey::Back), u"-2147483643"_s);
        QCOMPARE(settings.value(SettingKey::Finished), u"255"_s);
        // No position is saved yet, so the window starts maximized.
        QCOMPARE(settings.value(SettingKey::Width), QString());

        // The 22 defaults, in record order, and nothing else.
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QStringList keys;
        for (const QByteArray& line : lines) {
            if (line.contains('='))
                keys << QString::fromUtf8(line.left(line.indexOf('=')));
        }
        QCOMPARE(keys,
            QStringList({ u"Year"_s, u"Month"_s, u"Week"_s, u"Day"_s, u"Hour"_s, u"Minute"_s, u"Second"_s,
                u"Refresh"_s, u"Sun"_s, u"Mon"_s, u"Tues"_s, u"Wed"_s, u"Thur"_s, u"Fri"_s, u"Sat"_s,
                u"Name"_s, u"Size"_s, u"Back"_s, u"General"_s, u"Future"_s, u"Paused"_s, u"Finished"_s }));
    }

    void missingValuesAreFilledIn()
    {
        // What a first run killed midway could leave: Year and only some of the rest.
        writeFile("[System]\r\nYear=5\r\nRefresh=\r\n[List]\r\nName=Arial\r\n");
        const Settings settings = SettingsFile(path()).readAtStartup();
        QCOMPARE(settings.value(SettingKey::Year), u"5"_s);
        QCOMPARE(settings.value(SettingKey::Refresh), u"1"_s);
        QCOMPARE(settings.value(SettingKey::Month), u"3"_s);
        QCOMPARE(settings.value(SettingKey::Name), u"Arial"_s);
        QCOMPARE(settings.value(SettingKey::Finished), u"255"_s);
        QCOMPARE(settings.value(SettingKey::Width), QString());
        QCOMPARE(ProfileFile::readText(path(), u"System"_s, u"Refresh"_s), u"1"_s);
    }

    void defaultsLeaveThePositionAlone()
    {
        writeFile("[Position]\nLeft=1500\nTop=900\nWidth=\nHeight=6000\n[System]\nYear=7\n");
        const SettingsFile file(path());
        QVERIFY(file.writeDefaults());
        const Settings settings = file.read();
        QCOMPARE(settings.value(SettingKey::Year), u"3"_s);
        QCOMPARE(settings.value(SettingKey::Left), u"1500"_s);
        QCOMPARE(settings.value(SettingKey::Top), u"900"_s);
        QCOMPARE(settings.value(SettingKey::Width), QString());
        QCOMPARE(settings.value(SettingKey::Height), u"6000"_s);
    }

    void valuesAreKeptExactlyAsRead()
    {
        writeFile("[system]\r\nyear = 12 \r\nSECOND=12\r\nRefresh=abc\r\n");
        const Settings settings = SettingsFile(path()).readAtStartup();
        QCOMPARE(settings.value(SettingKey::Year), u"12"_s);
        QCOMPARE(settings.decimals(TimeUnit::Seconds), u"12"_s);
        QCOMPARE(settings.value(SettingKey::Refresh), u"abc"_s);
    }

    void workdaysCountFromSunday_data()
    {
        QTest::addColumn<int>("dayOfWeek");
        QTest::addColumn<bool>("workday");
        QTest::newRow("Sunday") << 1 << false;
        QTest::newRow("Monday") << 2 << true;
        QTest::newRow("Thursday") << 5 << true;
        QTest::newRow("Saturday") << 7 << false;
        QTest::newRow("out of range") << 8 << false;
    }
    void workdaysCountFromSunday()
    {
        QFETCH(int, dayOfWeek);
        QFETCH(bool, workday);
        writeFile(QByteArray());
        const Settings settings = SettingsFile(path()).readAtStartup();
        QCOMPARE(settings.isWorkday(dayOfWeek), workday);
    }

    void aWriteThatFailsIsReported()
    {
        const QString blocked = m_dir.filePath(u"not-a-folder"_s);
        QFile plain(blocked);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QString error;
        QVERIFY(!SettingsFile(blocked + u"/krn.dll"_s).writeValue(SettingKey::Left, u"10"_s, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
