// Writing a new or changed event through to the events file, in the order that loses nothing.
#include "components/TextLineFile.h"
#include "platform/FileSystem.h"
#include "stores/EventWrite.h"
#include "stores/EventsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestEditorWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writes_data();
    void writes();
    void readOnlyFileChangesNothing_data();
    void readOnlyFileChangesNothing();
};

namespace {

const QStringList start
    = { QStringLiteral("Birthday\t1975/09/21 00:00:00"), QStringLiteral("Wedding\t2010/01/01 12:00:00") };

struct Folder
{
    Folder()
    {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(QString(start.join(u'\n') + u'\n').toUtf8());
    }
    ~Folder() { QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner); }
    QString path() const { return dir.filePath(QStringLiteral("events.dll")); }
    QStringList lines() const { return TextLineFile::readLines(path()).value_or(QStringList()); }

    QTemporaryDir dir;
    TextLineFile textLines;
    FileSystem fileSystem;
    EventsFile file { dir.path(), textLines, fileSystem };
};

} // namespace

void TestEditorWrite::writes_data()
{
    QTest::addColumn<QString>("oldName"); // empty: a new event
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("new") << QString() << QStringLiteral("Trip")
                         << (start + QStringList { QStringLiteral("Trip\t2020/02/02 02:02:02") });
    QTest::newRow("renamed") << QStringLiteral("Birthday") << QStringLiteral("Born")
                             << QStringList { start.at(1), QStringLiteral("Born\t2020/02/02 02:02:02") };
    // Appending first would leave two "Birthday" lines, and removing then takes both.
    QTest::newRow("same name, new moment")
        << QStringLiteral("Birthday") << QStringLiteral("Birthday")
        << QStringList { start.at(1), QStringLiteral("Birthday\t2020/02/02 02:02:02") };
    QTest::newRow("letter case only")
        << QStringLiteral("Birthday") << QStringLiteral("BIRTHDAY")
        << QStringList { start.at(1), QStringLiteral("BIRTHDAY\t2020/02/02 02:02:02") };
}

void TestEditorWrite::writes()
{
    QFETCH(QString, oldName);
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    Folder folder;
    const EventWriteResult result = writeEvent(
        folder.file, oldName.isEmpty() ? nullptr : &oldName, name, QStringLiteral("2020/02/02 02:02:02"));
    QVERIFY(result.newLineWritten);
    QCOMPARE(result.oldLineRemoved, !oldName.isEmpty());
    QCOMPARE(result.error, QString());
    QCOMPARE(folder.lines(), lines);
}

void TestEditorWrite::readOnlyFileChangesNothing_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("name");
    QTest::newRow("new") << QString() << QStringLiteral("Trip");
    QTest::newRow("renamed") << QStringLiteral("Birthday") << QStringLiteral("Born");
    QTest::newRow("same name") << QStringLiteral("Birthday") << QStringLiteral("Birthday");
}

void TestEditorWrite::readOnlyFileChangesNothing()
{
    QFETCH(QString, oldName);
    QFETCH(QString, name);
    Folder folder;
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner));
    const EventWriteResult result = writeEvent(
        folder.file, oldName.isEmpty() ? nullptr : &oldName, name, QStringLiteral("2020/02/02 02:02:02"));
    QVERIFY(!result.newLineWritten);
    QVERIFY(!result.oldLineRemoved);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(folder.lines(), start);
}

QTEST_GUILESS_MAIN(TestEditorWrite)
#include "test_editor_write.moc"
