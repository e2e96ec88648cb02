// Writes through the settings, events and works stores, killed with SIGKILL at random moments:
// after every kill each file reads whole and holds the state before or after the write in flight.
#include "KillRun.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

class TestKillWrites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesSurviveKills_data()
    {
        QTest::addColumn<int>("maxDelayMs");
        // Kills at the very start of a write, and further into runs of writes.
        QTest::newRow("early") << 2;
        QTest::newRow("later") << 25;
    }

    void filesSurviveKills()
    {
        QFETCH(int, maxDelayMs);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString driver = QCoreApplication::applicationDirPath() + u"/kill_driver";
        const KillFigures figures = runKills(driver, folder.path(), 20, quint32(maxDelayMs), maxDelayMs);
        QVERIFY2(figures.problems.isEmpty(), qPrintable(figures.problems.join(u'\n')));
        QCOMPARE(figures.kills, 20);
        QCOMPARE(figures.mismatches, 0);
        QCOMPARE(figures.recordsLost, 0);
        QVERIFY(figures.killsInsideWrite > 0);
        QVERIFY(figures.steps > 0);
    }
};

QTEST_GUILESS_MAIN(TestKillWrites)
#include "test_kill_writes.moc"
