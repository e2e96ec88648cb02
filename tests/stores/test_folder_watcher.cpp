#include "components/TextLineFile.h"
#include "stores/ConflictCopies.h"
#include "stores/FolderWatcher.h"
#include "stores/SettingsFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QStringList watchedNames { u"events.dll"_s, u"krn.dll"_s };

bool writeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    return file.open(mode) && file.write(bytes) == bytes.size();
}

// Nothing more comes once the watcher has had well over its settle time.
void waitBeyondSettling()
{
    QTest::qWait(500);
}

} // namespace

class TestFolderWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void outsideChangeReportedOnce_data();
    void outsideChangeReportedOnce();
    void ownWritesNotReported();
    void outsideChangeBeforeOwnWriteStillReported();
    void conflictCopyReportedOnce();
    void conflictCopyNames_data();
    void conflictCopyNames();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString events() const { return m_dir->filePath(u"events.dll"_s); }
};

void TestFolderWatcher::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(writeFile(events(), "Birth\t1975/09/21 00:00:00\n"));
    QVERIFY(writeFile(m_dir->filePath(u"krn.dll"_s), "[System]\nYear=3\n"));
}

void TestFolderWatcher::outsideChangeReportedOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("times"); // changes made one after the other, each reported

    QTest::newRow("line appended") << u"append"_s << 1;
    QTest::newRow("replaced by rename, twice") << u"rename"_s << 2;
    QTest::newRow("written in three steps") << u"steps"_s << 1;
    QTest::newRow("deleted") << u"delete"_s << 1;
}

void TestFolderWatcher::outsideChangeReportedOnce()
{
    QFETCH(QString, how);
    QFETCH(int, times);
    FolderWatcher watcher(m_dir->path(), watchedNames);
    QSignalSpy changed(&watcher, &FolderWatcher::fileChanged);
    for (int time = 1; time <= times; ++time) {
        const QByteArray line = "Outside " + QByteArray::number(time) + "\t2030/01/01 00:00:00\n";
        if (how == u"append") {
            QVERIFY(writeFile(events(), line, QIODevice::Append));
        } else if (how == u"rename") {
            const QString temporary = m_dir->filePath(u".syncthing.events.dll.tmp"_s);
            QVERIFY(writeFile(temporary, "Birth\t1975/09/21 00:00:00\n" + line));
            // One atomic rename over the file, as synchronising tools and editors save.
            QCOMPARE(std::rename(
                         QFile::encodeName(temporary).constData(), QFile::encodeName(events()).constData()),
                0);
        } else if (how == u"steps") {
            QFile file(events());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            for (const QByteArray& part :
                { QByteArray("Birth\t1975/09/21"), QByteArray(" 00:00:00\n"), line }) {
                file.write(part);
                file.flush();
                QTest::qWait(40);
            }
        } else {
            QVERIFY(QFile::remove(events()));
        }
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), time, 1000);
        QCOMPARE(changed.last().at(0).toString(), u"events.dll"_s);
    }
    waitBeyondSettling();
    QCOMPARE(changed.count(), times);
}

void TestFolderWatcher::ownWritesNotReported()
{
    FolderWatcher watcher(m_dir->path(), watchedNames);
    QSignalSpy changed(&watcher, &FolderWatcher::fileChanged);
    TextLineFile lines;
    lines.setWriteWatch(&watcher);
    QVERIFY(lines.appendLine(events(), u"Own\t2030/01/01 00:00:00"_s));
    QVERIFY(lines.removeKeyedLine(events(), u"Birth"_s, u"\t"_s, TextLineFile::Binary));
    QVERIFY(SettingsFile(m_dir->filePath(u"krn.dll"_s), &watcher).writeValue(SettingKey::Refresh, u"5"_s));
    waitBeyondSettling();
    QCOMPARE(changed.count(), 0);
    // The watch is taken up again after the program's own replacements.
    QVERIFY(writeFile(events(), "Outside\t2030/01/01 00:00:00\n", QIODevice::Append));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 1000);
}

void TestFolderWatcher::outsideChangeBeforeOwnWriteStillReported()
{
    FolderWatcher watcher(m_dir->path(), watchedNames);
    watcher.setSettleTime(300);
    QSignalSpy changed(&watcher, &FolderWatcher::fileChanged);
    TextLineFile lines;
    lines.setWriteWatch(&watcher);
    QVERIFY(writeFile(events(), "Outside\t2030/01/01 00:00:00\n", QIODevice::Append));
    QTest::qWait(20);
    // The program writes on top of the file as it is, with the outside line still to show.
    QVERIFY(lines.appendLine(events(), u"Own\t2030/01/01 00:00:00"_s));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 1000);
    QFile file(events());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
        "Birth\t1975/09/21 00:00:00\nOutside\t2030/01/01 00:00:00\nOwn\t2030/01/01 00:00:00\n");
}

void TestFolderWatcher::conflictCopyReportedOnce()
{
    const QString early = u"events (conflicted copy 2026-12-01 101010).dll"_s;
    QVERIFY(writeFile(m_dir->filePath(early), "Old\t2000/01/01 00:00:00\n"));
    FolderWatcher watcher(m_dir->path(), watchedNames);
    QSignalSpy found(&watcher, &FolderWatcher::conflictCopiesFound);
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 1000);
    QCOMPARE(found.last().at(0).toStringList(), QStringList { early });
    const QString later = u"events.sync-conflict-20261208-061500-ABCDEFG.dll"_s;
    QVERIFY(writeFile(m_dir->filePath(later), "Other\t2000/01/01 00:00:00\n"));
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), 2, 1000);
    QCOMPARE(found.last().at(0).toStringList(), QStringList { later });
    // More changes in the folder tell neither again, and both copies stay.
    QVERIFY(writeFile(events(), "New\t2030/01/01 00:00:00\n", QIODevice::Append));
    QVERIFY(writeFile(m_dir->filePath(later), "Changed\t2000/01/01 00:00:00\n"));
    waitBeyondSettling();
    QCOMPARE(found.count(), 2);
    QVERIFY(QFile::exists(m_dir->filePath(early)) && QFile::exists(m_dir->filePath(later)));
}

void TestFolderWatcher::conflictCopyNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("copy");

    QTest::newRow("syncthing") << u"events.sync-conflict-20261208-061500-ABCDEFG.dll"_s << true;
    QTest::newRow("nextcloud") << u"works (conflicted copy 2026-12-08 061500).dll"_s << true;
    QTest::newRow("dropbox, capitals") << u"KRN (Anna's Conflicted Copy 2026-12-08).DLL"_s << true;
    QTest::newRow("the file itself") << u"events.dll"_s << false;
    QTest::newRow("other file") << u"notes-conflict.dll"_s << false;
    QTest::newRow("other ending") << u"events.sync-conflict-20261208.txt"_s << false;
    QTest::newRow("texts are no data") << u"tips (conflicted copy).dll"_s << false;
}

void TestFolderWatcher::conflictCopyNames()
{
    QFETCH(QString, name);
    QFETCH(bool, copy);
    QCOMPARE(isConflictCopy(name), copy);
}

QTEST_GUILESS_MAIN(TestFolderWatcher)
#include "test_folder_watcher.moc"
