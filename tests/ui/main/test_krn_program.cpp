#include "platform/FileAttributes.h"

#include <KronvelVersion.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString krn = QStringLiteral(KRN_BINARY);

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A krn with a display of its own (offscreen) or none at all.
QProcessEnvironment environment(bool display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    if (display)
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    else
        env.remove(u"QT_QPA_PLATFORM"_s);
    return env;
}

} // namespace

// The real program, started as a user would start it, on a temporary data folder.
class TestKrnProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndStopsLeavingItsFiles()
    {
        QTemporaryDir data;
        QProcess program;
        program.setProcessEnvironment(environment(true));
        program.start(krn, { u"--data-dir"_s, data.path() });
        QVERIFY(program.waitForStarted());
        const QString events = QDir(data.path()).filePath(u"events.dll"_s);
        QTRY_COMPARE_WITH_TIMEOUT(readFile(events).count('\n'), 2, 10000);

        // A second start on the same folder ends at once and changes nothing.
        const QString settings = QDir(data.path()).filePath(u"krn.dll"_s);
        QTest::qWait(500); // let the first window settle its position
        const QByteArray settingsBefore = readFile(settings);
        const QDateTime settingsTime = QFileInfo(settings).lastModified();
        QProcess second;
        second.setProcessEnvironment(environment(true));
        second.start(krn, { u"--data-dir"_s, data.path() });
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QFileInfo(settings).lastModified(), settingsTime);

        program.terminate(); // SIGTERM closes the window the ordinary way
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(readFile(events),
            "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n");
        const QByteArray written = readFile(settings);
        QVERIFY(written.startsWith(settingsBefore.left(written.indexOf("[Position]"))));
        for (const char* line :
            { "Year=3", "Refresh=1", "Sat=N", "Name=Tahoma", "Finished=255", "[Position]", "Width=" })
            QVERIFY2(written.contains(line), line);
        QVERIFY(QFileInfo::exists(QDir(data.path()).filePath(u"works.dll"_s)));
        for (const char* text : { "tips.dll", "menus.dll", "menutips.dll", "help/index.html" })
            QVERIFY2(QFileInfo::exists(QDir(data.path()).filePath(QString::fromLatin1(text))), text);
        const int attributes = fileAttributes(events);
        QVERIFY(attributes == (FileAttribute::Hidden | FileAttribute::System)
            || attributes == FileAttribute::Normal);
    }

    void stopWhileAStartBoxIsOpen()
    {
        QTemporaryDir data; // an events file that is a folder: the start reports it in boxes
        QVERIFY(QDir(data.path()).mkdir(u"events.dll"_s));
        QProcess program;
        program.setProcessEnvironment(environment(true));
        program.start(krn, { u"--data-dir"_s, data.path() });
        QVERIFY(program.waitForStarted());
        QTest::qWait(2000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    // Qt's own options reach Qt, krn's reach krn, and a window opens.
    void qtOptionsAreTakenBesideKronvelsOwn()
    {
        QTemporaryDir data;
        QProcess program;
        program.setProcessEnvironment(environment(false));
        program.start(krn,
            { u"-platform"_s, u"offscreen"_s, u"-style"_s, u"Fusion"_s, u"-reverse"_s, u"--data-dir"_s,
                data.path() });
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QDir(data.path()).filePath(u"events.dll"_s)), 10000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!program.readAllStandardError().contains("krn:")); // no complaint about an option
    }

    // Without a display: the answer, its stream and the exit status, as GNU programs give them.
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("version") << QStringList { u"--version"_s } << 0
                                 << QByteArray("Kronvel " KRN_VERSION_TEXT "\n") << QByteArray();
        QTest::newRow("version after Qt options")
            << QStringList { u"-style"_s, u"Fusion"_s, u"-platform"_s, u"xcb"_s, u"-v"_s } << 0
            << QByteArray("Kronvel " KRN_VERSION_TEXT "\n") << QByteArray();
        QTest::newRow("unknown option") << QStringList { u"--bogus"_s } << 2 << QByteArray()
                                        << QByteArray("krn: Unknown option 'bogus'.\n"
                                                      "Try 'krn --help' for more information.\n");
        QTest::newRow("stray argument") << QStringList { u"-reverse"_s, u"file"_s } << 2 << QByteArray()
                                        << QByteArray("krn: unexpected argument 'file'\n"
                                                      "Try 'krn --help' for more information.\n");
    }

    void answersWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QProcess program;
        program.setProcessEnvironment(environment(false));
        program.start(krn, arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(program.readAllStandardOutput(), out);
        QCOMPARE(program.readAllStandardError(), err);
    }

    void listPrintsTheEventsWithoutADisplay()
    {
        QTemporaryDir data;
        QFile events(QDir(data.path()).filePath(u"events.dll"_s));
        QVERIFY(events.open(QIODevice::WriteOnly));
        events.write("Launch\t2000/1/1 00:00:00\nlaunch\t2001/01/01 00:00:00\nno tab here\n");
        events.close();

        QProcess program;
        program.setProcessEnvironment(environment(false));
        program.start(krn, { u"--list"_s, u"--data-dir"_s, data.path() });
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        const QList<QByteArray> lines = program.readAllStandardOutput().split('\n');
        QCOMPARE(lines.size(), 2); // one event and the end of its line
        const QList<QByteArray> fields = lines.first().split('\t');
        QCOMPARE(fields.size(), 10);
        QCOMPARE(fields[0], "Launch");
        QCOMPARE(fields[1], "Past");
        QCOMPARE(fields[2], "2000/01/01 00:00:00");
        // Default decimals: three for years, none for seconds, the decimal point always written.
        QVERIFY(fields[3].indexOf('.') == fields[3].size() - 4);
        QVERIFY(fields[9].endsWith('.'));
        // The first run wrote the defaults, as the window's load does.
        QVERIFY(readFile(QDir(data.path()).filePath(u"krn.dll"_s)).contains("Year=3"));
    }
};

QTEST_GUILESS_MAIN(TestKrnProgram)
#include "test_krn_program.moc"
