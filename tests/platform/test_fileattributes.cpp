#include "platform/FileAttributes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

QString makeFile(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("data\r\n");
    return path;
}

QByteArray storedText(const QString& path)
{
    char buffer[64] = {};
    const ssize_t length
        = ::getxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", buffer, sizeof buffer);
    return length < 0 ? QByteArray() : QByteArray(buffer, int(length));
}

bool hasWriteBits(const QString& path)
{
    struct stat status = {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH);
}

} // namespace

class TestFileAttributes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString probe = makeFile(m_dir, QStringLiteral("probe"));
        if (::setxattr(QFile::encodeName(probe).constData(), "user.test", "1", 1, 0) != 0)
            QSKIP("The temporary folder's file system has no user extended attributes");
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("attributes");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("normal") << int(FileAttribute::Normal) << QByteArray();
        QTest::newRow("hidden") << int(FileAttribute::Hidden) << QByteArray("0x2");
        QTest::newRow("system") << int(FileAttribute::System) << QByteArray("0x4");
        QTest::newRow("hidden and system")
            << int(FileAttribute::Hidden | FileAttribute::System) << QByteArray("0x6");
        QTest::newRow("read-only") << int(FileAttribute::ReadOnly) << QByteArray();
        QTest::newRow("all three") << int(
            FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System)
                                   << QByteArray("0x6");
        QTest::newRow("archive and hidden")
            << int(FileAttribute::Archive | FileAttribute::Hidden) << QByteArray("0x22");
    }

    void roundTrip()
    {
        QFETCH(int, attributes);
        QFETCH(QByteArray, stored);
        const QString path = makeFile(m_dir, QString::fromLatin1(QTest::currentDataTag()));
        QString error;
        QVERIFY2(setFileAttributes(path, attributes, &error), qPrintable(error));
        QCOMPARE(fileAttributes(path), attributes);
        QCOMPARE(storedText(path), stored);
        QCOMPARE(hasWriteBits(path), !(attributes & FileAttribute::ReadOnly));
    }

    void normalClearsEverything()
    {
        const QString path = makeFile(m_dir, QStringLiteral("cleared"));
        QVERIFY(
            setFileAttributes(path, FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System));
        QString error;
        QVERIFY2(setFileAttributes(path, FileAttribute::Normal, &error), qPrintable(error));
        QCOMPARE(fileAttributes(path), int(FileAttribute::Normal));
        QVERIFY(storedText(path).isEmpty());
        QVERIFY(hasWriteBits(path));
    }

    void hiddenAndSystemReplaceReadOnly()
    {
        // What the data-file housekeeping does to a read-only events file.
        const QString path = makeFile(m_dir, QStringLiteral("events.dll"));
        QVERIFY(setFileAttributes(path, FileAttribute::ReadOnly));
        QVERIFY(setFileAttributes(path, FileAttribute::Hidden | FileAttribute::System));
        QCOMPARE(fileAttributes(path), FileAttribute::Hidden | FileAttribute::System);
    }

    void missingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("missing"));
        QString error;
        QVERIFY(!setFileAttributes(path, FileAttribute::Hidden, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(fileAttributes(path), -1);
    }

    void foreignTextIsIgnored()
    {
        const QString path = makeFile(m_dir, QStringLiteral("foreign"));
        ::setxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", "\x01\x02", 2, 0);
        QCOMPARE(fileAttributes(path), int(FileAttribute::Normal));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFileAttributes)
#include "test_fileattributes.moc"
