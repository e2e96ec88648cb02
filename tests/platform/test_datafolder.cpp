#include "platform/DataFolder.h"
#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("kronvel-test"));
        QVERIFY(m_dir.isValid());
    }

    void cleanupTestCase()
    {
        // Test mode points the per-user folder into ~/.qttest; leave nothing behind there.
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("commandLine"); // relative to the temporary folder; empty for none
        QTest::addColumn<QString>("executable"); // likewise
        QTest::addColumn<QString>("expected"); // "<user>" for the per-user data folder
        QTest::newRow("command line wins")
            << QStringLiteral("given") << QStringLiteral("bin") << QStringLiteral("given");
        QTest::newRow("command line folder created")
            << QStringLiteral("new/deeper") << QString() << QStringLiteral("new/deeper");
        QTest::newRow("writable executable folder")
            << QString() << QStringLiteral("bin") << QStringLiteral("bin");
        QTest::newRow("no executable folder")
            << QString() << QStringLiteral("missing") << QStringLiteral("<user>");
        QTest::newRow("executable path is a file")
            << QString() << QStringLiteral("file") << QStringLiteral("<user>");
    }

    void resolve()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        const QDir base(m_dir.path());
        QVERIFY(base.mkpath(QStringLiteral("bin")));
        QFile file(base.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        const QString folder = resolveDataFolder(
            commandLine.isEmpty() ? QString() : base.filePath(commandLine), base.filePath(executable));
        const QString wanted = expected == u"<user>"
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            : base.filePath(expected);
        QCOMPARE(folder, QDir::cleanPath(wanted));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void relativeCommandLineFolderBecomesAbsolute()
    {
        const QString folder = resolveDataFolder(QStringLiteral("relative-data"), QString());
        QVERIFY(QDir::isAbsolutePath(folder));
        QDir(folder).removeRecursively();
    }

    void installShippedFiles()
    {
        QTemporaryDir folder;
        const QString tips = folder.filePath(QStringLiteral("tips.dll"));
        QFile mine(tips);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("[Message & Text]\r\nNEED EVENT=Mine\r\n");
        mine.close();

        QString error;
        QVERIFY2(
            ::installShippedFiles(folder.path(), QStringLiteral(":/shipped"), &error), qPrintable(error));
        QCOMPARE(readBytes(tips), QByteArray("[Message & Text]\r\nNEED EVENT=Mine\r\n"));
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("menus.dll"))),
            QByteArray("[frmPubMain]\nmene=&Event\n"));
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("help/index.html"))), QByteArray("<p>help</p>\n"));
        // Resources are read-only; the copies must not be.
        QCOMPARE(fileAttributes(folder.filePath(QStringLiteral("menus.dll"))), int(FileAttribute::Normal));
    }

    void dataFilePath()
    {
        QCOMPARE(::dataFilePath(QStringLiteral("/data"), QStringLiteral("krn.dll")),
            QStringLiteral("/data/krn.dll"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
