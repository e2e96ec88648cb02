#include "platform/DataFolder.h"
#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QLocale>
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

using namespace Qt::StringLiterals;

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
            << QStringLiteral("given") << QStringLiteral("usr/bin") << QStringLiteral("given");
        QTest::newRow("command line folder created")
            << QStringLiteral("new/deeper") << QString() << QStringLiteral("new/deeper");
        QTest::newRow("unpacked into a folder of its own")
            << QString() << QStringLiteral("kronvel") << QStringLiteral("kronvel");
        QTest::newRow("installed under /usr")
            << QString() << QStringLiteral("usr/bin") << QStringLiteral("<user>");
        QTest::newRow("installed for the user")
            << QString() << QStringLiteral("home/.local/bin/") << QStringLiteral("<user>");
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
        for (const char* folder : { "kronvel", "usr/bin", "home/.local/bin" })
            QVERIFY(base.mkpath(QString::fromLatin1(folder)));
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

    // Earlier releases kept the per-user files in .../Kronvel/Kronvel; they move once.
    void doubledFolderMovesOnce()
    {
        const QDir generic(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString old = generic.filePath(QStringLiteral("Kronvel/Kronvel"));
        QDir(user).removeRecursively();
        QVERIFY(QDir().mkpath(old));
        QFile events(QDir(old).filePath(QStringLiteral("events.dll")));
        QVERIFY(events.open(QIODevice::WriteOnly));
        events.write("Launch\t2000/01/01 00:00:00\n");
        events.close();

        QCOMPARE(resolveDataFolder(QString(), QStringLiteral("/usr/bin")), QDir::cleanPath(user));
        QCOMPARE(readBytes(QDir(user).filePath(QStringLiteral("events.dll"))),
            QByteArray("Launch\t2000/01/01 00:00:00\n"));
        QVERIFY(!QFileInfo::exists(generic.filePath(QStringLiteral("Kronvel"))));

        // Once only: a doubled folder that turns up again is left alone.
        QVERIFY(QDir().mkpath(old));
        QFile later(QDir(old).filePath(QStringLiteral("events.dll")));
        QVERIFY(later.open(QIODevice::WriteOnly));
        later.write("Other\t2001/01/01 00:00:00\n");
        later.close();
        resolveDataFolder(QString(), QStringLiteral("/usr/bin"));
        QCOMPARE(readBytes(QDir(user).filePath(QStringLiteral("events.dll"))),
            QByteArray("Launch\t2000/01/01 00:00:00\n"));
        QVERIFY(QFileInfo::exists(later.fileName()));
        QDir(generic.filePath(QStringLiteral("Kronvel"))).removeRecursively();
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

    void firstStartTakesTheTextsOfTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("hasTexts");
        QTest::addColumn<QString>("set");
        QTest::newRow("German, first start") << u"de_DE"_s << false << u":/shipped-de"_s;
        QTest::newRow("Austrian German") << u"de_AT"_s << false << u":/shipped-de"_s;
        QTest::newRow("German, existing folder") << u"de_DE"_s << true << u":/shipped"_s;
        QTest::newRow("English") << u"en_GB"_s << false << u":/shipped"_s;
        QTest::newRow("no set for French") << u"fr_FR"_s << false << u":/shipped"_s;
    }
    void firstStartTakesTheTextsOfTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(bool, hasTexts);
        QFETCH(QString, set);
        QTemporaryDir folder;
        if (hasTexts)
            QVERIFY(QFile(folder.filePath(u"tips.dll"_s)).open(QIODevice::WriteOnly));
        QCOMPARE(shippedTextSet(folder.path(), u":/shipped"_s, QLocale(locale)), set);
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
