#include "components/ProfileFile.h"

#include "TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Written as the original program and a person editing it would: CRLF, Windows-1252,
// stray blanks, a duplicate key and a duplicate section.
const QByteArray kSettings = "; Kronvel\r\n"
                             "[System]\r\n"
                             "Year = 2\r\n"
                             "  refresh=1  \r\n"
                             "YEAR=9\r\n"
                             "Name=Caf\xe9 cr\xe8me \x80\r\n"
                             "Quoted=\"  spaced  \"\r\n"
                             "\r\n"
                             "[List]\r\n"
                             "Font=Arial\r\n"
                             "\r\n"
                             "[ system ]\r\n"
                             "Extra=second\r\n";

// UTF-16 little-endian with its byte-order mark.
QByteArray utf16(const QString& text)
{
    QByteArray bytes("\xff\xfe");
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void read_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QStringLiteral("List") << QStringLiteral("Font") << QStringLiteral("Arial");
        QTest::newRow("names ignore case")
            << QStringLiteral("SYSTEM") << QStringLiteral("yEaR") << QStringLiteral("2");
        QTest::newRow("blanks trimmed")
            << QStringLiteral("System") << QStringLiteral("Refresh") << QStringLiteral("1");
        QTest::newRow("blanks around the asked names")
            << QStringLiteral(" List ") << QStringLiteral(" Font ") << QStringLiteral("Arial");
        QTest::newRow("first duplicate key wins")
            << QStringLiteral("System") << QStringLiteral("YEAR") << QStringLiteral("2");
        QTest::newRow("first duplicate section wins")
            << QStringLiteral("System") << QStringLiteral("Extra") << QString();
        QTest::newRow("Windows-1252 line") << QStringLiteral("System") << QStringLiteral("Name")
                                           << QStringLiteral("Caf\u00e9 cr\u00e8me \u20ac");
        QTest::newRow("enclosing quotes removed")
            << QStringLiteral("System") << QStringLiteral("Quoted") << QStringLiteral("  spaced  ");
        QTest::newRow("missing key") << QStringLiteral("System") << QStringLiteral("Nothing") << QString();
        QTest::newRow("missing section") << QStringLiteral("Position") << QStringLiteral("Year") << QString();
        QTest::newRow("comment is no key")
            << QStringLiteral("System") << QStringLiteral("; Kronvel") << QString();
    }

    void read()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString path = m_dir->filePath(QStringLiteral("krn.dll"));
        QVERIFY(TestFiles::write(path, kSettings));
        QCOMPARE(ProfileFile::readText(path, section, key), expected);

        QByteArray lf = kSettings;
        lf.replace("\r\n", "\n");
        QBuffer device(&lf);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QCOMPARE(ProfileFile::readText(device, section, key), expected);
    }

    void readMissingFile()
    {
        QCOMPARE(ProfileFile::readText(m_dir->filePath(QStringLiteral("none.dll")), QStringLiteral("System"),
                     QStringLiteral("Year")),
            QString());
    }

    void readIsFreshEveryCall()
    {
        const QString path = m_dir->filePath(QStringLiteral("tips.dll"));
        QVERIFY(TestFiles::write(path, "[Message & Text]\nFIND=Find what?\n"));
        QCOMPARE(ProfileFile::readText(path, QStringLiteral("Message & Text"), QStringLiteral("FIND")),
            QStringLiteral("Find what?"));
        QVERIFY(TestFiles::write(path, "[Message & Text]\nFIND=Search for:\n"));
        QCOMPARE(ProfileFile::readText(path, QStringLiteral("Message & Text"), QStringLiteral("FIND")),
            QStringLiteral("Search for:"));
    }

    void readSection()
    {
        const QString path = m_dir->filePath(QStringLiteral("krn.dll"));
        QVERIFY(TestFiles::write(path, kSettings));
        const auto entries = ProfileFile::readSection(path, QStringLiteral("system"));
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0], std::make_pair(QStringLiteral("Year"), QStringLiteral("2")));
        QCOMPARE(entries[1], std::make_pair(QStringLiteral("refresh"), QStringLiteral("1")));
        QCOMPARE(entries[2].first, QStringLiteral("Name"));
        QCOMPARE(entries[3].first, QStringLiteral("Quoted"));
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<missing>" for no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QByteArray changed = kSettings;
        changed.replace("  refresh=1  \r\n", "refresh=5\r\n");
        QTest::newRow("value replaced, CRLF and other bytes kept")
            << kSettings << QStringLiteral("SYSTEM") << QStringLiteral("Refresh") << QStringLiteral("5")
            << changed;

        changed = kSettings;
        changed.replace("Year = 2\r\n", "Year=3\r\n");
        QTest::newRow("first duplicate key changed")
            << kSettings << QStringLiteral("System") << QStringLiteral("year") << QStringLiteral("3")
            << changed;

        changed = kSettings;
        changed.replace("Quoted=\"  spaced  \"\r\n", "Quoted=\"  spaced  \"\r\nColor=255\r\n");
        QTest::newRow("new key at the end of its section")
            << kSettings << QStringLiteral("System") << QStringLiteral("Color") << QStringLiteral("255")
            << changed;

        QTest::newRow("new section at the end of the file")
            << kSettings << QStringLiteral("Position") << QStringLiteral("Left") << QStringLiteral("10")
            << QByteArray(kSettings + "\r\n[Position]\r\nLeft=10\r\n");

        QTest::newRow("missing file created with LF")
            << QByteArray("<missing>") << QStringLiteral("System") << QStringLiteral("Year")
            << QStringLiteral("2010") << QByteArray("[System]\nYear=2010\n");

        QTest::newRow("LF file stays LF")
            << QByteArray("[a]\nx=1\n\n[b]\ny=2\n") << QStringLiteral("a") << QStringLiteral("z")
            << QStringLiteral("3") << QByteArray("[a]\nx=1\nz=3\n\n[b]\ny=2\n");

        QTest::newRow("empty section gets its key")
            << QByteArray("[a]\r\n[b]\r\nk=1\r\n") << QStringLiteral("a") << QStringLiteral("n")
            << QStringLiteral("1") << QByteArray("[a]\r\nn=1\r\n[b]\r\nk=1\r\n");

        QTest::newRow("last line lacking its break")
            << QByteArray("[a]\r\nx=1") << QStringLiteral("a") << QStringLiteral("x") << QStringLiteral("2")
            << QByteArray("[a]\r\nx=2\r\n");

        // As Windows' own profile functions (code page 1252) read and write them.
        const auto row = [](const char* name, const QByteArray& before, const QString& key,
                             const QString& value, const QByteArray& after) {
            QTest::newRow(name) << before << QStringLiteral("a") << key << value << after;
        };
        row("new file is UTF-8", "<missing>", QStringLiteral("N"), QStringLiteral("Caf\u00e9"),
            "[a]\nN=Caf\xc3\xa9\n");
        row("ASCII file takes Windows-1252", "[a]\r\n", QStringLiteral("N"),
            QStringLiteral("Caf\u00e9 \u20ac"), "[a]\r\nN=Caf\xe9 \x80\r\n");
        row("Windows-1252 key keeps its bytes", "[a]\r\nCl\xe9=1\r\nZ=\x80\r\n", QStringLiteral("Cl\u00e9"),
            QStringLiteral("2"), "[a]\r\nCl\xe9=2\r\nZ=\x80\r\n");
        row("text 1252 cannot hold makes the whole file UTF-8", "[a]\r\nCl\xe9=1\r\n", QStringLiteral("K"),
            QStringLiteral("\u03a9"), "[a]\r\nCl\xc3\xa9=1\r\nK=\xce\xa9\r\n");
        row("UTF-8 file stays UTF-8, other lines keep their bytes", "[a]\nN=Caf\xc3\xa9\nO=\xe9\n",
            QStringLiteral("M"), QStringLiteral("\u00e9"), "[a]\nN=Caf\xc3\xa9\nO=\xe9\nM=\xc3\xa9\n");
        row("UTF-8 byte-order mark", "\xef\xbb\xbf[a]\r\nx=1\r\n", QStringLiteral("x"),
            QStringLiteral("\u00e9"), "\xef\xbb\xbf[a]\r\nx=\xc3\xa9\r\n");
        row("UTF-16 with its byte-order mark", utf16(QStringLiteral("[a]\r\nx=1\r\n")), QStringLiteral("x"),
            QStringLiteral("\u20ac"), utf16(QStringLiteral("[a]\r\nx=\u20ac\r\n")));
        row("lone CR ends a line in a CRLF file", "[a]\r\nx=1\ry=2\r\n", QStringLiteral("y"),
            QStringLiteral("3"), "[a]\r\nx=1\ry=3\r\n");
        row("CR-only file", "[a]\rx=1\r", QStringLiteral("y"), QStringLiteral("2"), "[a]\rx=1\ry=2\r");
        row("bare key line replaced", "[a]\r\nK\r\nL=1\r\n", QStringLiteral("k"), QStringLiteral("2"),
            "[a]\r\nK=2\r\nL=1\r\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString path = m_dir->filePath(QStringLiteral("krn.dll"));
        if (before != "<missing>")
            QVERIFY(TestFiles::write(path, before));
        QString error;
        QVERIFY2(ProfileFile::writeText(path, section, key, value, &error), qPrintable(error));
        QCOMPARE(TestFiles::read(path), after);
        QCOMPARE(ProfileFile::readText(path, section, key), value);
    }

    void failedWriteKeepsFile_data()
    {
        QTest::addColumn<TestFiles::Failure>("failure");
        QTest::newRow("read-only file") << TestFiles::Failure::ReadOnlyFile;
        QTest::newRow("read-only folder") << TestFiles::Failure::ReadOnlyFolder;
    }

    void failedWriteKeepsFile()
    {
        QFETCH(TestFiles::Failure, failure);
        if (failure == TestFiles::Failure::ReadOnlyFolder && TestFiles::runsAsRoot())
            QSKIP("Running as root: a read-only folder does not stop root's writes");
        const QString path = m_dir->filePath(QStringLiteral("krn.dll"));
        QVERIFY(TestFiles::write(path, kSettings));
        if (failure == TestFiles::Failure::ReadOnlyFile)
            QVERIFY(setFileAttributes(path, FileAttribute::ReadOnly));
        else
            TestFiles::makeReadOnlyFolder(m_dir->path(), true);

        QString error;
        const bool written = ProfileFile::writeText(
            path, QStringLiteral("System"), QStringLiteral("Year"), QStringLiteral("1999"), &error);
        TestFiles::makeReadOnlyFolder(m_dir->path(), false);
        setFileAttributes(path, FileAttribute::Normal);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFiles::read(path), kSettings);
    }

    void writeWhereNoFileCanBe()
    {
        // A path whose parent is a regular file fails for every user, root included.
        const QString parent = m_dir->filePath(QStringLiteral("plain"));
        QVERIFY(TestFiles::write(parent, "x"));
        QString error;
        QVERIFY(!ProfileFile::writeText(parent + QStringLiteral("/krn.dll"), QStringLiteral("System"),
            QStringLiteral("Year"), QStringLiteral("1"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFiles::read(parent), QByteArray("x"));
    }

    void hiddenAndSystemKept()
    {
        const QString path = m_dir->filePath(QStringLiteral("krn.dll"));
        QVERIFY(TestFiles::write(path, kSettings));
        const int hidden = FileAttribute::Hidden | FileAttribute::System;
        QVERIFY(setFileAttributes(path, hidden));
        if (fileAttributes(path) != hidden)
            QSKIP("No extended attributes in the temporary folder");
        QVERIFY(ProfileFile::writeText(
            path, QStringLiteral("System"), QStringLiteral("Year"), QStringLiteral("1")));
        QCOMPARE(fileAttributes(path), hidden);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
