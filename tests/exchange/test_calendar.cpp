#include "exchange/Calendar.h"
#include "exchange/CalendarImport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray calendar(const QByteArray& body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray vevent(const QByteArray& lines)
{
    return "BEGIN:VEVENT\r\nUID:x\r\nDTSTAMP:20260101T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

// A zone that the file itself defines, five hours ahead of UTC all year.
const QByteArray plusFive
    = "BEGIN:VTIMEZONE\r\nTZID:Custom/Plus5\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
      "TZOFFSETFROM:+0500\r\nTZOFFSETTO:+0500\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

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

} // namespace

// Calendars read in Central European time (the test's TZ), so UTC and zoned starts move.
class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEachKindOfStart_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("moment");
        QTest::newRow("all-day")
            << "SUMMARY:Holiday\r\nDTSTART;VALUE=DATE:20261225\r\nDTEND;VALUE=DATE:20261226\r\n"_ba
            << u"Holiday"_s << u"2026/12/25 00:00:00"_s;
        QTest::newRow("timed, no zone") << "SUMMARY:Meeting\r\nDTSTART:20100101T120000\r\n"_ba << u"Meeting"_s
                                        << u"2010/01/01 12:00:00"_s;
        QTest::newRow("UTC in summer")
            << "SUMMARY:Call\r\nDTSTART:20260701T100000Z\r\n"_ba << u"Call"_s << u"2026/07/01 12:00:00"_s;
        QTest::newRow("UTC in winter")
            << "SUMMARY:Call\r\nDTSTART:20260115T100000Z\r\n"_ba << u"Call"_s << u"2026/01/15 11:00:00"_s;
        QTest::newRow("system zone") << "SUMMARY:NY\r\nDTSTART;TZID=America/New_York:20260701T120000\r\n"_ba
                                     << u"NY"_s << u"2026/07/01 18:00:00"_s;
        QTest::newRow("zone of the file") << plusFive
                + "BEGIN:VEVENT\r\nSUMMARY:East\r\nDTSTART;TZID=Custom/"
                  "Plus5:20260101T120000\r\nEND:VEVENT\r\n"
                                          << u"East"_s << u"2026/01/01 08:00:00"_s;
        QTest::newRow("yearly birthday")
            << "SUMMARY:Ann's birthday\r\nDTSTART;VALUE=DATE:19800229\r\nRRULE:FREQ=YEARLY\r\n"_ba
            << u"Ann's birthday"_s << u"1980/02/29 00:00:00"_s;
        QTest::newRow("controls and escapes")
            << "SUMMARY:\\ttab\there\\nnew\\, line\x01\r\nDTSTART:20260101T000000\r\n"_ba
            << u"tab here new, line"_s << u"2026/01/01 00:00:00"_s;
    }
    void readsEachKindOfStart()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, name);
        QFETCH(QString, moment);
        const QByteArray body = lines.startsWith("BEGIN:") ? lines : vevent(lines);
        const auto contents = readCalendar(calendar(body));
        QVERIFY(contents);
        QCOMPARE(contents->skipped.size(), 0);
        QCOMPARE(contents->events.size(), 1);
        QCOMPARE(contents->events[0].name, name);
        QCOMPARE(contents->events[0].moment.toText(), moment);
    }

    // The new lines take the events file's encoding and line breaks; its own lines keep their bytes.
    void importAddsNewNamesInOneWriteAndSaysWhatItSkipped_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("UTF-8, CRLF, last line unended")
            << "Birth (for test)\t1975/09/21 00:00:00\r\nCaf\xc3\xa9\t2001/01/01 00:00:00"_ba
            << "Birth (for test)\t1975/09/21 00:00:00\r\nCaf\xc3\xa9\t2001/01/01 00:00:00\r\nNew "
               "year\t2027/01/01 "
               "00:00:00\r\nM\xc3\xbcller\t2027/06/01 00:00:00\r\n"_ba;
        QTest::newRow("Windows-1252")
            << "Birth (for test)\t1975/09/21 00:00:00\nK\xf6ln\t2001/01/01 00:00:00\n"_ba
            << "Birth (for test)\t1975/09/21 00:00:00\nK\xf6ln\t2001/01/01 00:00:00\nNew "
               "year\t2027/01/01 00:00:00\nM\xfcller\t2027/06/01 00:00:00\n"_ba;
    }
    void importAddsNewNamesInOneWriteAndSaysWhatItSkipped()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir folder;
        const QString events = QDir(folder.path()).filePath(u"events.dll"_s);
        const QString ics = QDir(folder.path()).filePath(u"in.ics"_s);
        QVERIFY(writeFile(events, before));
        QVERIFY(writeFile(ics,
            calendar(vevent("SUMMARY:birth (FOR TEST) \r\nDTSTART;VALUE=DATE:19750921\r\n")
                + vevent("SUMMARY:New year\r\nDTSTART;VALUE=DATE:20270101\r\n")
                + vevent("SUMMARY:new YEAR\r\nDTSTART;VALUE=DATE:20280101\r\n")
                + vevent("DTSTART;VALUE=DATE:20280101\r\n")
                + vevent("SUMMARY:Moved\r\nRECURRENCE-ID:20270101T100000\r\nDTSTART:20270102T100000\r\n")
                + vevent("SUMMARY:No start\r\n")
                + vevent("SUMMARY:M\xc3\xbcller\r\nDTSTART;VALUE=DATE:20270601\r\n"))));
        QString error;
        const auto result = importCalendar(ics, events, &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(result->added.size(), 2);
        QStringList skipped;
        for (const SkippedEntry& entry : result->skipped)
            skipped << entry.name;
        QCOMPARE(skipped,
            (QStringList { u""_s, u"Moved"_s, u"No start"_s, u"birth (FOR TEST)"_s, u"new YEAR"_s }));
        QCOMPARE(readFile(events), after);
    }

    void refusesWhatIsNoCalendarAndLeavesTheEventsAlone_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << "Birthday: 21 September 1975\n"_ba;
        QTest::newRow("events file") << "Birth (for test)\t1975/09/21 00:00:00\n"_ba;
        QTest::newRow("cut off") << calendar(vevent("SUMMARY:x\r\nDTSTART:20260101T000000\r\n")).left(90);
        QTest::newRow("event without calendar") << vevent("SUMMARY:x\r\nDTSTART:20260101T000000\r\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void refusesWhatIsNoCalendarAndLeavesTheEventsAlone()
    {
        QFETCH(QByteArray, text);
        QTemporaryDir folder;
        const QString events = QDir(folder.path()).filePath(u"events.dll"_s);
        const QString ics = QDir(folder.path()).filePath(u"in.ics"_s);
        const QByteArray before
            = "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n";
        QVERIFY(writeFile(events, before));
        QVERIFY(writeFile(ics, text));
        const QDateTime modified = QFileInfo(events).lastModified();
        QString error;
        QVERIFY(!importCalendar(ics, events, &error));
        QVERIFY2(error.contains(u"not an iCalendar file"_s), qPrintable(error));
        QCOMPARE(readFile(events), before);
        QCOMPARE(QFileInfo(events).lastModified(), modified);
    }

    void exportReadsBackUnchanged()
    {
        const QVector<EventEntry> events = {
            { u"Birth (for test)"_s, *Moment::parse(u"1975/09/21 00:00:00"_s) },
            { u"Comma, semicolon; back\\slash \"quoted\""_s, *Moment::parse(u"2010/01/01 12:00:00"_s) },
            { u"Ein sehr langer Name mit Umlauten äöü und Zeichen ✓✓✓ der über fünfundsiebzig Bytes geht"_s,
                *Moment::parse(u"2026/03/29 02:30:00"_s) }, // a wall-clock time the zone skips
            { u"  Early"_s, *Moment::parse(u"0100/01/01 00:00:01"_s) },
        };
        const QByteArray first = writeCalendar(events, QDateTime(QDate(2026, 12, 8), QTime(5, 0)));
        const auto read = readCalendar(first);
        QVERIFY(read);
        QCOMPARE(read->events.size(), events.size());
        for (qsizetype i = 0; i < events.size(); ++i) {
            QCOMPARE(read->events[i].name, events[i].name.trimmed());
            QCOMPARE(read->events[i].moment, events[i].moment);
        }
        QVERIFY(first.contains("DTSTART;VALUE=DATE:19750921\r\n"));
        // The same names give the same UIDs, whenever they are exported.
        const QByteArray second = writeCalendar(events, QDateTime(QDate(2027, 1, 1), QTime(0, 0)));
        const auto uids = [](const QByteArray& text) {
            QByteArrayList lines;
            for (const QByteArray& line : text.split('\n'))
                if (line.startsWith("UID:"))
                    lines << line;
            return lines;
        };
        QCOMPARE(uids(first).size(), events.size());
        QCOMPARE(uids(second), uids(first));
        QVERIFY(first != second);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "test_calendar.moc"
