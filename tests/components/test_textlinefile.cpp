#include "components/TextLineFile.h"

#include "TestFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An events file as the original wrote it: CRLF lines, Windows-1252 names.
const QByteArray kEvents = "Birthday\t2010/01/01 12:00:00\r\n"
                           "Caf\xe9\t2011/02/03 04:05:06\r\n"
                           "birthday party\t2012/01/01 00:00:00\r\n"
                           "BIRTHDAY\t2013/01/01 00:00:00\r\n";

const QString kTab = QStringLiteral("\t");

enum class Change { Append, AppendOutside1252, Remove, Rename, Replace };

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(TextLineFile::KeyedLine)

class TestTextLineFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void countLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("missing file") << QByteArray("<missing>") << 0;
        QTest::newRow("one LF line") << QByteArray("a\n") << 1;
        QTest::newRow("CRLF lines") << kEvents << 4;
        QTest::newRow("last line without a break") << QByteArray("a\nb") << 2;
        QTest::newRow("blank line counts") << QByteArray("a\r\n\r\nb\r\n") << 3;
        QTest::newRow("CR-only lines") << QByteArray("a\rb\rc\r") << 3;
        QTest::newRow("lone CR inside CRLF") << QByteArray("a\r\nb\rc\r\n") << 3;
    }

    void countLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        const QString path = file();
        if (bytes != "<missing>")
            QVERIFY(TestFiles::write(path, bytes));
        QCOMPARE(TextLineFile().countLines(path), count);
    }

    void appendLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray line = "Caf\xc3\xa9\t2020/01/01 00:00:00";
        const QByteArray line1252 = "Caf\xe9\t2020/01/01 00:00:00";
        QTest::newRow("new file uses LF") << QByteArray("<missing>") << QByteArray(line + "\n");
        QTest::newRow("empty file uses LF") << QByteArray() << QByteArray(line + "\n");
        QTest::newRow("Windows-1252 CRLF file keeps CRLF, 1252 and old bytes")
            << kEvents << QByteArray(kEvents + line1252 + "\r\n");
        QTest::newRow("ASCII LF file takes Windows-1252")
            << QByteArray("a\tb\n") << QByteArray("a\tb\n" + line1252 + "\n");
        QTest::newRow("UTF-8 file") << QByteArray("\xc3\xa9\n") << QByteArray("\xc3\xa9\n" + line + "\n");
        QTest::newRow("CR-only file") << QByteArray("a\tb\r") << QByteArray("a\tb\r" + line1252 + "\r");
        QTest::newRow("unended CRLF line is ended first")
            << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n" + line1252 + "\r\n");
        QTest::newRow("unended single line is ended with LF")
            << QByteArray("a") << QByteArray("a\n" + line1252 + "\n");
    }

    void appendLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString path = file();
        if (before != "<missing>")
            QVERIFY(TestFiles::write(path, before));
        QString error;
        QVERIFY2(TextLineFile().appendLine(path, QStringLiteral("Caf\u00e9\t2020/01/01 00:00:00"), &error),
            qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
    }

    void removeKeyedLine_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("compare");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("binary compare is exact")
            << QStringLiteral("Birthday") << int(TextLineFile::Binary)
            << QByteArray("Caf\xe9\t2011/02/03 04:05:06\r\nbirthday party\t2012/01/01 00:00:00\r\n"
                          "BIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("text compare ignores case")
            << QStringLiteral("birthday") << int(TextLineFile::Text)
            << QByteArray("Caf\xe9\t2011/02/03 04:05:06\r\nbirthday party\t2012/01/01 00:00:00\r\n");
        QTest::newRow("Windows-1252 key")
            << QStringLiteral("Caf\u00e9") << int(TextLineFile::Binary)
            << QByteArray("Birthday\t2010/01/01 12:00:00\r\nbirthday party\t2012/01/01 00:00:00\r\n"
                          "BIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("key is the whole text before the tab")
            << QStringLiteral("birthday party") << int(TextLineFile::Binary)
            << QByteArray("Birthday\t2010/01/01 12:00:00\r\nCaf\xe9\t2011/02/03 04:05:06\r\n"
                          "BIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("missing key leaves the file unchanged")
            << QStringLiteral("Nothing") << int(TextLineFile::Text) << kEvents;
        QTest::newRow("a prefix is no key") << QStringLiteral("Birth") << int(TextLineFile::Text) << kEvents;
    }

    void removeKeyedLine()
    {
        QFETCH(QString, key);
        QFETCH(int, compare);
        QFETCH(QByteArray, after);
        const QString path = file();
        QVERIFY(TestFiles::write(path, kEvents));
        QString error;
        QVERIFY2(TextLineFile().removeKeyedLine(path, key, kTab, compare, &error), qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
    }

    void removeKeyedLines_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("compare");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("binary compare is exact, missing keys are passed over")
            << QStringList(
                   { QStringLiteral("Birthday"), QStringLiteral("Caf\u00e9"), QStringLiteral("None") })
            << int(TextLineFile::Binary)
            << QByteArray("birthday party\t2012/01/01 00:00:00\r\nBIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("text compare ignores case")
            << QStringList({ QStringLiteral("birthday"), QStringLiteral("BIRTHDAY PARTY") })
            << int(TextLineFile::Text) << QByteArray("Caf\xe9\t2011/02/03 04:05:06\r\n");
        QTest::newRow("no keys leave the file unchanged")
            << QStringList() << int(TextLineFile::Binary) << kEvents;
    }

    void removeKeyedLines()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, compare);
        QFETCH(QByteArray, after);
        const QString path = file();
        QVERIFY(TestFiles::write(path, kEvents));
        QString error;
        QVERIFY2(TextLineFile().removeKeyedLines(path, keys, kTab, compare, &error), qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
    }

    void removeFromMissingFile()
    {
        QVERIFY(TextLineFile().removeKeyedLine(file(), QStringLiteral("a"), kTab, TextLineFile::Binary));
        QVERIFY(!QFile::exists(file()));
    }

    void renameKey_data()
    {
        QTest::addColumn<QString>("oldKey");
        QTest::addColumn<int>("compare");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("in place, rest unchanged")
            << QStringLiteral("birthday party") << int(TextLineFile::Binary)
            << QByteArray("Birthday\t2010/01/01 12:00:00\r\nCaf\xe9\t2011/02/03 04:05:06\r\n"
                          "Jubil\xe9\t2012/01/01 00:00:00\r\nBIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("text compare renames the first match")
            << QStringLiteral("BIRTHDAY") << int(TextLineFile::Text)
            << QByteArray("Jubil\xe9\t2010/01/01 12:00:00\r\nCaf\xe9\t2011/02/03 04:05:06\r\n"
                          "birthday party\t2012/01/01 00:00:00\r\nBIRTHDAY\t2013/01/01 00:00:00\r\n");
        QTest::newRow("missing key leaves the file unchanged")
            << QStringLiteral("Nothing") << int(TextLineFile::Text) << kEvents;
    }

    void renameKey()
    {
        QFETCH(QString, oldKey);
        QFETCH(int, compare);
        QFETCH(QByteArray, after);
        const QString path = file();
        QVERIFY(TestFiles::write(path, kEvents));
        QString error;
        QVERIFY2(TextLineFile().renameKey(path, oldKey, QStringLiteral("Jubil\u00e9"), kTab, compare, &error),
            qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
    }

    void replaceKeyedLines_data()
    {
        using Lines = QList<TextLineFile::KeyedLine>;
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Lines>("replacements");
        QTest::addColumn<QByteArray>("after");
        const QString future = QStringLiteral("\t2030/01/01 00:00:00");
        QTest::newRow("same key moves to the end")
            << kEvents << Lines { { QStringLiteral("Birthday"), u"Birthday" + future } }
            << QByteArray("Caf\xe9\t2011/02/03 04:05:06\r\nbirthday party\t2012/01/01 00:00:00\r\n"
                          "BIRTHDAY\t2013/01/01 00:00:00\r\nBirthday\t2030/01/01 00:00:00\r\n");
        QTest::newRow("new key in another case")
            << kEvents << Lines { { QStringLiteral("BIRTHDAY"), u"Birthday!" + future } }
            << QByteArray("Birthday\t2010/01/01 12:00:00\r\nCaf\xe9\t2011/02/03 04:05:06\r\n"
                          "birthday party\t2012/01/01 00:00:00\r\nBirthday!\t2030/01/01 00:00:00\r\n");
        QTest::newRow("a missing key only appends")
            << kEvents << Lines { { QStringLiteral("Nothing"), u"New" + future } }
            << QByteArray(kEvents + "New\t2030/01/01 00:00:00\r\n");
        QTest::newRow("an exact twin stays")
            << QByteArray("A\t1\nB\t2\nA\t3\n") << Lines { { QStringLiteral("A"), QStringLiteral("A\t4") } }
            << QByteArray("B\t2\nA\t3\nA\t4\n");
        QTest::newRow("many in one write") << QByteArray("A\t1\nB\t2\nC\t3\nA\t9\n")
                                           << Lines { { QStringLiteral("C"), QStringLiteral("C\t5") },
                                                  { QStringLiteral("A"), QStringLiteral("A\t4") } }
                                           << QByteArray("B\t2\nA\t9\nC\t5\nA\t4\n");
        QTest::newRow("a key given twice meets its own new line")
            << QByteArray("A\t1\nB\t2\n")
            << Lines { { QStringLiteral("A"), QStringLiteral("A\t4") },
                   { QStringLiteral("A"), QStringLiteral("A\t5") } }
            << QByteArray("B\t2\nA\t5\n");
    }

    // One write for all replacements gives the file that one write per replacement gives.
    void replaceKeyedLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QList<TextLineFile::KeyedLine>, replacements);
        const QString batched = file();
        const QString single = m_dir->filePath(QStringLiteral("single.dll"));
        QVERIFY(TestFiles::write(batched, before) && TestFiles::write(single, before));
        QString error;
        QVERIFY2(TextLineFile().replaceKeyedLines(batched, replacements, kTab, TextLineFile::Binary, &error),
            qPrintable(error));
        for (const auto& [key, line] : replacements)
            QVERIFY(TextLineFile().replaceKeyedLine(single, key, line, kTab, TextLineFile::Binary));
        QTEST(TestFiles::read(batched), "after");
        QTEST(TestFiles::read(single), "after");
    }

    void changeKeepsBreaksAndEncoding_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QByteArray>("after");
        // Each change names key "b" and brings the text "\u00e9\t9" or "\u03a9\t9".
        QTest::newRow("CR-only: remove keeps the other records")
            << QByteArray("a\t1\rb\t2\rc\t3\r") << Change::Remove << QByteArray("a\t1\rc\t3\r");
        QTest::newRow("CR-only: replace moves the record to the end")
            << QByteArray("a\t1\rb\t2\rc\t3\r") << Change::Replace << QByteArray("a\t1\rc\t3\r\xe9\t9\r");
        QTest::newRow("text 1252 cannot hold makes the whole file UTF-8") << QByteArray(
            "a\t\xe9\r\n") << Change::AppendOutside1252 << QByteArray("a\t\xc3\xa9\r\n\xce\xa9\t9\r\n");
        QTest::newRow("UTF-8 file, a 1252 line keeps its bytes") << QByteArray(
            "a\t\xe9\nb\t\xc3\xa9\n") << Change::Replace << QByteArray("a\t\xe9\n\xc3\xa9\t9\n");
        QTest::newRow("UTF-8 byte-order mark kept") << QByteArray(
            "\xef\xbb\xbf"
            "b\t1\n") << Change::Rename << QByteArray("\xef\xbb\xbf\xc3\xa9\t1\n");
        QTest::newRow("UTF-16 big-endian") << QByteArray("\xfe\xff\0b\0\t\0001\0\r\0\n", 12) << Change::Rename
                                           << QByteArray("\xfe\xff\0\xe9\0\t\0001\0\r\0\n", 12);
    }

    void changeKeepsBreaksAndEncoding()
    {
        QFETCH(QByteArray, before);
        QFETCH(Change, change);
        QFETCH(QByteArray, after);
        const QString path = file();
        QVERIFY(TestFiles::write(path, before));
        const TextLineFile lines;
        const QString b = QStringLiteral("b");
        const QString text = QStringLiteral("\u00e9\t9");
        QString error;
        bool changed = false;
        switch (change) {
        case Change::Append:
        case Change::AppendOutside1252:
            changed = lines.appendLine(
                path, change == Change::Append ? text : QStringLiteral("\u03a9\t9"), &error);
            break;
        case Change::Remove:
            changed = lines.removeKeyedLine(path, b, kTab, TextLineFile::Binary, &error);
            break;
        case Change::Replace:
            changed = lines.replaceKeyedLine(path, b, text, kTab, TextLineFile::Binary, &error);
            break;
        case Change::Rename:
            changed = lines.renameKey(path, b, QStringLiteral("\u00e9"), kTab, TextLineFile::Binary, &error);
            break;
        }
        QVERIFY2(changed, qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
    }

    void failedChangeKeepsFile_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<TestFiles::Failure>("failure");
        const std::pair<Change, const char*> changes[] = { { Change::Append, "append" },
            { Change::Remove, "remove" }, { Change::Rename, "rename" }, { Change::Replace, "replace" } };
        for (const auto& [change, name] : changes) {
            QTest::addRow("%s, read-only file", name) << change << TestFiles::Failure::ReadOnlyFile;
            QTest::addRow("%s, read-only folder", name) << change << TestFiles::Failure::ReadOnlyFolder;
        }
    }

    void failedChangeKeepsFile()
    {
        QFETCH(Change, change);
        QFETCH(TestFiles::Failure, failure);
        if (failure == TestFiles::Failure::ReadOnlyFolder && TestFiles::runsAsRoot())
            QSKIP("Running as root: a read-only folder does not stop root's writes");
        const QString path = file();
        QVERIFY(TestFiles::write(path, kEvents));
        if (failure == TestFiles::Failure::ReadOnlyFile)
            QVERIFY(setFileAttributes(path, FileAttribute::ReadOnly));
        else
            TestFiles::makeReadOnlyFolder(m_dir->path(), true);

        const TextLineFile lines;
        QString error;
        bool changed = false;
        switch (change) {
        case Change::Append:
        case Change::AppendOutside1252:
            changed = lines.appendLine(path, QStringLiteral("New\t2020/01/01 00:00:00"), &error);
            break;
        case Change::Remove:
            changed
                = lines.removeKeyedLine(path, QStringLiteral("Birthday"), kTab, TextLineFile::Binary, &error);
            break;
        case Change::Replace:
            changed = lines.replaceKeyedLine(path, QStringLiteral("Birthday"),
                QStringLiteral("Birthday\t2020/01/01 00:00:00"), kTab, TextLineFile::Binary, &error);
            break;
        case Change::Rename:
            changed = lines.renameKey(
                path, QStringLiteral("Birthday"), QStringLiteral("X"), kTab, TextLineFile::Binary, &error);
            break;
        }
        TestFiles::makeReadOnlyFolder(m_dir->path(), false);
        setFileAttributes(path, FileAttribute::Normal);
        QVERIFY(!changed);
        QVERIFY(error.contains(path));
        QCOMPARE(TestFiles::read(path), kEvents);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
            QStringList(QStringLiteral("events.dll")));
    }

    void onlyRegularFilesAreReadAndWritten_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : { "folder", "fifo", "link loop", "link to device", "link to file" })
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void onlyRegularFilesAreReadAndWritten()
    {
        QFETCH(QString, kind);
        const QString path = file();
        const QString target = m_dir->filePath(QStringLiteral("target"));
        QVERIFY(TestFiles::makeSpecial(path, kind, target, "a\t0\n"));
        const bool regular = kind == u"link to file";
        const TextLineFile lines;
        QString error;
        QCOMPARE(lines.appendLine(path, QStringLiteral("x\t1"), &error), regular);
        QCOMPARE(
            lines.removeKeyedLine(path, QStringLiteral("a"), kTab, TextLineFile::Binary, &error), regular);
        QCOMPARE(lines.countLines(path), regular ? 1 : 0);
        QCOMPARE(QFileInfo(path).isSymLink(), kind.contains(u"link"));
        QCOMPARE(QFileInfo(path).isDir(), kind == u"folder");
        if (regular)
            QCOMPARE(TestFiles::read(target), "x\t1\n");
        else
            QVERIFY(error.contains(path));
    }

    void appendWhereNoFileCanBe()
    {
        // A path whose parent is a regular file fails for every user, root included.
        const QString parent = file();
        QVERIFY(TestFiles::write(parent, kEvents));
        QString error;
        QVERIFY(
            !TextLineFile().appendLine(parent + QStringLiteral("/works.dll"), QStringLiteral("w"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFiles::read(parent), kEvents);
    }

    void readLines()
    {
        const QString path = file();
        QVERIFY(TestFiles::write(path, "Caf\xe9\tx\r\nJubil\xc3\xa9\ty\nlast"));
        const QStringList expected { QStringLiteral("Caf\u00e9\tx"), QStringLiteral("Jubil\u00e9\ty"),
            QStringLiteral("last") };
        QCOMPARE(TextLineFile::readLines(path), std::optional<QStringList>(expected));

        QByteArray bytes = TestFiles::read(path);
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QCOMPARE(TextLineFile::readLines(device), expected);

        QString error;
        QVERIFY(!TextLineFile::readLines(m_dir->filePath(QStringLiteral("none")), &error).has_value());
        QVERIFY(!error.isEmpty());
    }

private:
    QString file() const { return m_dir->filePath(QStringLiteral("events.dll")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestTextLineFile)
#include "test_textlinefile.moc"
