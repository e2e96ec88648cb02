#include "components/ProfileFile.h"
#include "stores/ReminderSettingsFile.h"
#include "stores/ShownRemindersFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestReminderFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void shownRemindersRoundTrip()
    {
        const ReminderState state { *Moment::parse(u"2026/12/08 10:00:00"_s),
            *Moment::parse(u"2026/12/08 11:00:00"_s),
            { u"2026/12/08 10:00:05\tD0s\tLaunch"_s, u"2026/12/07 00:00:00\tY51s\tGeburt ü"_s } };
        QVERIFY(ShownRemindersFile::write(path(u"reminders.dll"_s), state));
        QCOMPARE(ShownRemindersFile::read(path(u"reminders.dll"_s)), state);
    }

    void unreadableShownRemindersStartAfresh_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no head") << QByteArray("2026/12/08 10:00:05\tD0s\tLaunch\n");
        QTest::newRow("bad moment") << QByteArray("Checked\t2026/13/08 10:00:00\t2026/12/08 10:00:00\n");
    }
    void unreadableShownRemindersStartAfresh()
    {
        QFETCH(QByteArray, content);
        writeFile(u"bad.dll"_s, content);
        QVERIFY(!ShownRemindersFile::read(path(u"bad.dll"_s)));
        QVERIFY(!ShownRemindersFile::read(path(u"missing.dll"_s)));
    }

    void choicesLiveInTheirOwnSection()
    {
        const QByteArray system = "[System]\r\nYear=3\r\nRefresh=1\r\n";
        writeFile(u"krn.dll"_s, system);
        QCOMPARE(ReminderSettingsFile::read(path(u"krn.dll"_s)), ReminderChoices {});
        const ReminderChoices changed { false, true, { 2, 30 }, false, true, false };
        QVERIFY(ReminderSettingsFile::write(path(u"krn.dll"_s), changed));
        QCOMPARE(ReminderSettingsFile::read(path(u"krn.dll"_s)), changed);
        QFile file(path(u"krn.dll"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(system));
        // A hand-edited value that cannot be read takes its default.
        ProfileFile::writeText(path(u"krn.dll"_s), u"Reminders"_s, u"Due"_s, u"maybe"_s);
        ProfileFile::writeText(path(u"krn.dll"_s), u"Reminders"_s, u"AheadDays"_s, u"0"_s);
        const ReminderChoices read = ReminderSettingsFile::read(path(u"krn.dll"_s));
        QVERIFY(read.due);
        QCOMPARE(read.aheadDays, (QList<int> { 1, 7 }));
    }

    void daysAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("two") << u"1, 7"_s << u"1, 7"_s;
        QTest::newRow("unordered, repeated") << u"7,1,7"_s << u"1, 7"_s;
        QTest::newRow("zero") << u"0"_s << QString();
        QTest::newRow("ten years and a day") << u"3651"_s << QString();
        QTest::newRow("words") << u"a week"_s << QString();
        QTest::newRow("nothing") << u" , "_s << QString();
    }
    void daysAhead()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const auto days = ReminderSettingsFile::parseDays(typed);
        QCOMPARE(days ? ReminderSettingsFile::daysText(*days) : QString(), stored);
    }
};

QTEST_GUILESS_MAIN(TestReminderFiles)
#include "test_reminder_files.moc"
