#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// krn without a display, as over a remote shell.
Run krn(const QString& folder, QStringList arguments)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : { u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s })
        env.remove(name);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KRN_BINARY), arguments << u"--data-dir"_s << folder);
    if (!program.waitForFinished(20000))
        return {};
    return { program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError() };
}

QString pathIn(const QTemporaryDir& folder, const QString& name)
{
    return QDir(folder.path()).filePath(name);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray calendar
    = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n"
      "BEGIN:VEVENT\r\nUID:1\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Jo's birthday\r\n"
      "DTSTART;VALUE=DATE:19900512\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:2\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Launch\\, finally\r\n"
      "DTSTART:20300101T093000\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:3\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:BIRTH (FOR TEST)\r\n"
      "DTSTART;VALUE=DATE:19750921\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

} // namespace

class TestKrnExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsTheListsAndTheReportInEachFormat()
    {
        QTemporaryDir data;
        QVERIFY(writeFile(pathIn(data, u"events.dll"_s), "Smith, John\t2000/01/01 00:00:00\n"));
        QVERIFY(writeFile(pathIn(data, u"works.dll"_s),
            "Write\tFinished\t2026/03/31 23:00:00\t2026/04/01 00:00:00\t0\t-\t3600\n"));
        const Run csv = krn(data.path(), { u"--list"_s, u"--format"_s, u"csv"_s });
        QCOMPARE(csv.status, 0);
        QVERIFY(csv.out.startsWith("name,type,moment,years,months,weeks,days,hours,minutes,seconds\r\n"
                                   "\"Smith, John\",Past,2000-01-01T00:00:00,"));
        // The same as a plain --list; the counters run on between the two starts.
        const QList<QByteArray> tsv
            = krn(data.path(), { u"--list"_s, u"--format"_s, u"tsv"_s }).out.split('\t');
        const QList<QByteArray> plain = krn(data.path(), { u"--list"_s }).out.split('\t');
        QCOMPARE(tsv.size(), 10);
        QCOMPARE(tsv.mid(0, 3), plain.mid(0, 3));

        const Run works = krn(data.path(), { u"--works"_s, u"--format"_s, u"json"_s });
        QCOMPARE(works.status, 0);
        const QJsonArray array = QJsonDocument::fromJson(works.out).array();
        QCOMPARE(array.size(), 1);
        QCOMPARE(array[0]["usedSeconds"_L1].toDouble(), 3600.0);
        QCOMPARE(array[0]["finished"_L1].toString(), u"2026-04-01T00:00:00"_s);
        const Run report = krn(data.path(), { u"--report"_s, u"month"_s, u"--format"_s, u"csv"_s });
        QCOMPARE(report.out, "period,works,seconds,hours\r\n2026-03,1,3600,1.00\r\n"_ba);
    }

    void importsAndExportsACalendarThatReadsBackTheSame()
    {
        QTemporaryDir first;
        QVERIFY(writeFile(pathIn(first, u"in.ics"_s), calendar));
        const Run imported = krn(first.path(), { u"--import"_s, pathIn(first, u"in.ics"_s) });
        QCOMPARE(imported.status, 0);
        QVERIFY2(imported.out.contains("Added 2 events")
                && imported.out.contains("Skipped 1:\n  BIRTH (FOR TEST): "),
            imported.out);
        const QByteArray events = readFile(pathIn(first, u"events.dll"_s));
        QCOMPARE(events,
            "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n"
            "Jo's birthday\t1990/05/12 00:00:00\nLaunch, finally\t2030/01/01 09:30:00\n"_ba);
        QCOMPARE(krn(first.path(), { u"--export"_s, pathIn(first, u"out.ics"_s) }).status, 0);

        QTemporaryDir second;
        const Run again = krn(second.path(), { u"--import"_s, pathIn(first, u"out.ics"_s) });
        QVERIFY2(again.out.contains("Added 2 events") && again.out.contains("Skipped 2:"), again.out);
        QCOMPARE(readFile(pathIn(second, u"events.dll"_s)), events);
    }

    void aRunningWindowsFolderIsOnlyRead()
    {
        QTemporaryDir data;
        const QByteArray events = "Launch\t2030/01/01 00:00:00\n";
        QVERIFY(writeFile(pathIn(data, u"events.dll"_s), events));
        QVERIFY(writeFile(pathIn(data, u"works.dll"_s), QByteArray()));
        QVERIFY(writeFile(pathIn(data, u"in.ics"_s), calendar));
        SingleInstance window(data.path());
        QVERIFY(window.acquire());

        const Run imported = krn(data.path(), { u"--import"_s, pathIn(data, u"in.ics"_s) });
        QCOMPARE(imported.status, 1);
        QVERIFY2(imported.err.contains("running"), imported.err);
        QVERIFY(krn(data.path(), { u"--works"_s }).out.startsWith("Test work\tStarted\t"));
        QCOMPARE(krn(data.path(), { u"--export"_s, pathIn(data, u"out.json"_s) }).status, 0);
        QCOMPARE(QJsonDocument::fromJson(readFile(pathIn(data, u"out.json"_s))).array().size(), 1);
        QCOMPARE(readFile(pathIn(data, u"events.dll"_s)), events);
        QCOMPARE(readFile(pathIn(data, u"works.dll"_s)), QByteArray());
        QVERIFY(!QFileInfo::exists(pathIn(data, u"krn.dll"_s)));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown format") << QStringList { u"--list"_s, u"--format"_s, u"xml"_s } << 2;
        QTest::newRow("format alone") << QStringList { u"--format"_s, u"csv"_s } << 2;
        QTest::newRow("two lists") << QStringList { u"--list"_s, u"--works"_s } << 2;
        QTest::newRow("unknown period") << QStringList { u"--report"_s, u"year"_s } << 2;
        QTest::newRow("export ending") << QStringList { u"--export"_s, u"events.txt"_s } << 2;
        QTest::newRow("missing calendar") << QStringList { u"--import"_s, u"/nonexistent/x.ics"_s } << 1;
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QTemporaryDir data;
        const Run run = krn(data.path(), arguments);
        QCOMPARE(run.status, status);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKrnExchange)
#include "test_krn_exchange.moc"
