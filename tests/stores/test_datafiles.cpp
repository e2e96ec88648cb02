#include "platform/DataFolder.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "stores/DataFiles.h"
#include "stores/MessageTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Hidden and system live in an extended attribute; some file systems have none.
bool hasExtendedAttributes(const QString& folder)
{
    const QString probe = folder + u"/probe"_s;
    writeFile(probe, QByteArray());
    const bool supported
        = setFileAttributes(probe, FileAttribute::Hidden) && fileAttributes(probe) == FileAttribute::Hidden;
    QFile::remove(probe);
    return supported;
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartCreatesTheThreeFilesHidden()
    {
        QTemporaryDir dir;
        const bool attributes = hasExtendedAttributes(dir.path());
        QString error;
        QVERIFY2(ensureDataFiles(dir.path(), FileSystem(), &error), qPrintable(error));
        for (const QString& name : { u"krn.dll"_s, u"works.dll"_s, u"events.dll"_s }) {
            const QFileInfo info(dir.filePath(name));
            QVERIFY2(info.exists(), qPrintable(name));
            QCOMPARE(info.size(), 0);
            if (attributes)
                QCOMPARE(fileAttributes(info.filePath()), FileAttribute::Hidden | FileAttribute::System);
        }
    }

    void existingFilesKeepTheirContent()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(u"events.dll"_s), "Party\t2030/01/01 00:00:00\n");
        QVERIFY(ensureDataFiles(dir.path(), FileSystem()));
        QFile file(dir.filePath(u"events.dll"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Party\t2030/01/01 00:00:00\n"));
    }

    void everyDllIsHiddenWhateverItsCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("upper-case ending") << u"EXTRA.DLL"_s << true;
        QTest::newRow("mixed-case ending") << u"Other.Dll"_s << true;
        QTest::newRow("not a dll") << u"notes.txt"_s << false;
        QTest::newRow("dll inside the name") << u"dll.backup"_s << false;
    }
    void everyDllIsHiddenWhateverItsCase()
    {
        QFETCH(QString, name);
        QFETCH(bool, hidden);
        QTemporaryDir dir;
        if (!hasExtendedAttributes(dir.path()))
            QSKIP("This file system keeps no extended attributes.");
        writeFile(dir.filePath(name), "x");
        QVERIFY(ensureDataFiles(dir.path(), FileSystem()));
        const int expected = hidden ? FileAttribute::Hidden | FileAttribute::System : FileAttribute::Normal;
        QCOMPARE(fileAttributes(dir.filePath(name)), expected);
    }

    void aReadOnlyEventsFileIsHiddenAndWritable()
    {
        QTemporaryDir dir;
        const QString events = dir.filePath(u"events.dll"_s);
        writeFile(events, "A\t2000/01/01 00:00:00\n");
        QVERIFY(setFileAttributes(events, FileAttribute::ReadOnly));
        QCOMPARE(fileAttributes(events) & FileAttribute::ReadOnly, int(FileAttribute::ReadOnly));
        QVERIFY(ensureDataFiles(dir.path(), FileSystem()));
        QCOMPARE(fileAttributes(events) & FileAttribute::ReadOnly, 0);
        if (hasExtendedAttributes(dir.path()))
            QCOMPARE(fileAttributes(events), FileAttribute::Hidden | FileAttribute::System);
    }

    void stopsAtItsFirstFailure()
    {
        QTemporaryDir dir;
        // A folder that is really a file cannot hold the data files.
        const QString notAFolder = dir.filePath(u"plain"_s);
        writeFile(notAFolder, "x");
        QString error;
        QVERIFY(!ensureDataFiles(notAFolder, FileSystem(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(notAFolder + u"/works.dll"_s));
    }

    void unreadableFileKeepsItsMode()
    {
        QTemporaryDir dir;
        const QString events = dir.filePath(u"events.dll"_s);
        writeFile(events, "A\t2000/01/01 00:00:00\n");
        QVERIFY(QFile::setPermissions(events, QFileDevice::Permissions()));
        ensureDataFiles(dir.path(), FileSystem());
        const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QCOMPARE(QFileInfo(events).permissions() & owner, QFileDevice::Permissions());
    }

    void staleTemporariesAreSwept()
    {
        QTemporaryDir dir;
        const QStringList kept { u"events.dll"_s, u"notes.txt.Ab12Cd"_s, u"works.dll.Ab12Cd7"_s,
            u"works.dll.abc"_s };
        for (const QString& name : kept + QStringList { u"events.dll.Ab12Cd"_s, u"KRN.DLL.x9Y8z7"_s })
            writeFile(dir.filePath(name), "x");
        QCOMPARE(sweepStaleTemporaries(dir.path()), 2);
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, kept);
    }

    void messagesAreReadAnewEachTime()
    {
        QTemporaryDir dir;
        const QString tips = dir.filePath(u"tips.dll"_s);
        writeFile(tips, "[Message & Text]\r\nNEED EVENT=Name it.\r\n");
        QCOMPARE(messageText(dir.path(), u"NEED EVENT"_s), u"Name it."_s);
        QCOMPARE(messageText(dir.path(), u"need event"_s), u"Name it."_s);
        writeFile(tips, "[Message & Text]\r\nNEED EVENT=Give it a name.\r\n");
        QCOMPARE(messageText(dir.path(), u"NEED EVENT"_s), u"Give it a name."_s);
        writeFile(tips, "[Message & Text]\r\nFIND=Find:\r\n");
        QCOMPARE(messageText(dir.path(), u"NEED EVENT"_s), QString());
        QFile::remove(tips);
        QCOMPARE(messageText(dir.path(), u"FIND"_s), QString());
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
