#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        // Read-only files are made writable again so that the folder can be removed.
        const auto names = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : names)
            setFileAttributes(m_dir->filePath(name), FileAttribute::Normal);
        m_dir.reset();
    }

    void fileExists()
    {
        writeBytes(path(QStringLiteral("a.dll")), "x");
        QVERIFY(m_files.fileExists(path(QStringLiteral("a.dll"))));
        QVERIFY(!m_files.fileExists(path(QStringLiteral("b.dll"))));
        QVERIFY(!m_files.fileExists(m_dir->path()));
    }

    void createTextFile()
    {
        const QString file = path(QStringLiteral("krn.dll"));
        QVERIFY(m_files.createTextFile(file, true));
        QCOMPARE(readBytes(file), QByteArray());

        writeBytes(file, "kept");
        QString error;
        QVERIFY(!m_files.createTextFile(file, false, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(file), QByteArray("kept"));

        QVERIFY(m_files.createTextFile(file, true));
        QCOMPARE(readBytes(file), QByteArray());
    }

    void copyFile_data()
    {
        QTest::addColumn<QByteArray>("existing"); // destination bytes before; "<missing>" for none
        QTest::addColumn<int>("destinationAttributes");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("copied");
        QTest::newRow("new destination") << QByteArray("<missing>") << 0 << true << true;
        QTest::newRow("overwrites") << QByteArray("old") << 0 << true << true;
        QTest::newRow("overwrites hidden") << QByteArray("old") << int(FileAttribute::Hidden) << true << true;
        QTest::newRow("no overwrite") << QByteArray("old") << 0 << false << false;
        QTest::newRow("read-only destination")
            << QByteArray("old") << int(FileAttribute::ReadOnly) << true << false;
    }

    void copyFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(int, destinationAttributes);
        QFETCH(bool, overwrite);
        QFETCH(bool, copied);
        const QString source = path(QStringLiteral("events.dll"));
        const QString destination = path(QStringLiteral("saved.krn"));
        writeBytes(source, "a\t2010/01/01 12:00:00\r\n");
        if (existing != "<missing>") {
            writeBytes(destination, existing);
            QVERIFY(setFileAttributes(destination, destinationAttributes));
        }
        QString error;
        QCOMPARE(m_files.copyFile(source, destination, overwrite, &error), copied);
        QCOMPARE(error.isEmpty(), copied);
        QCOMPARE(readBytes(destination), copied ? readBytes(source) : existing);
    }

    void copyMissingSource()
    {
        QString error;
        QVERIFY(!m_files.copyFile(path(QStringLiteral("none")), path(QStringLiteral("copy")), true, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path(QStringLiteral("copy"))));
    }

    void deleteFile_data()
    {
        QTest::addColumn<int>("attributes");
        QTest::addColumn<bool>("force");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("normal") << 0 << false << true;
        QTest::newRow("hidden and system")
            << int(FileAttribute::Hidden | FileAttribute::System) << false << true;
        QTest::newRow("read-only refused") << int(FileAttribute::ReadOnly) << false << false;
        QTest::newRow("read-only forced") << int(FileAttribute::ReadOnly) << true << true;
    }

    void deleteFile()
    {
        QFETCH(int, attributes);
        QFETCH(bool, force);
        QFETCH(bool, deleted);
        const QString file = path(QStringLiteral("works.dll"));
        writeBytes(file, "w");
        QVERIFY(setFileAttributes(file, attributes));
        QString error;
        QCOMPARE(m_files.deleteFile(file, force, &error), deleted);
        QCOMPARE(error.isEmpty(), deleted);
        QCOMPARE(QFile::exists(file), !deleted);
    }

    void deleteMissing()
    {
        QString error;
        QVERIFY(!m_files.deleteFile(path(QStringLiteral("none")), false, &error));
        QVERIFY(!error.isEmpty());
    }

    void filesIn()
    {
        writeBytes(path(QStringLiteral("b.dll")), "");
        writeBytes(path(QStringLiteral("A.DLL")), "");
        writeBytes(path(QStringLiteral(".hidden")), "");
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.dll")));
        const auto names = m_files.filesIn(m_dir->path());
        QVERIFY(names.has_value());
        QCOMPARE(*names,
            (QStringList { QStringLiteral(".hidden"), QStringLiteral("A.DLL"), QStringLiteral("b.dll") }));
    }

    void filesInMissingFolder()
    {
        QString error;
        QVERIFY(!m_files.filesIn(path(QStringLiteral("nowhere")), &error).has_value());
        QVERIFY(!error.isEmpty());
    }

    void setAttributes()
    {
        const QString file = path(QStringLiteral("tips.dll"));
        writeBytes(file, "");
        QVERIFY(m_files.setAttributes(file, FileAttribute::ReadOnly));
        QVERIFY(m_files.setAttributes(file, FileAttribute::Normal));
        QCOMPARE(fileAttributes(file), int(FileAttribute::Normal));
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FileSystem m_files;
};

QTEST_GUILESS_MAIN(TestFileSystem)
#include "test_filesystem.moc"
