// Imports an iCalendar file of 10,000 events into an events file, as the Event menu and
// krn --import do, and exports them again; prints the times of five runs and their median.
#include "exchange/Calendar.h"
#include "exchange/CalendarImport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int eventCount = 10000;

// A third all-day yearly birthdays, a third in UTC, a third in a named zone.
QByteArray bigCalendar()
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//Bench//EN\r\n";
    for (int i = 0; i < eventCount; ++i) {
        const QByteArray number = QByteArray::number(i);
        const QByteArray day = QByteArray::number(1950 + i % 70) + "0" + QByteArray::number(1 + i % 9) + "1"
            + QByteArray::number(i % 9);
        text += "BEGIN:VEVENT\r\nUID:bench-" + number
            + "@example.org\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Event number " + number + "\r\n";
        if (i % 3 == 0)
            text += "DTSTART;VALUE=DATE:" + day + "\r\nRRULE:FREQ=YEARLY\r\n";
        else if (i % 3 == 1)
            text += "DTSTART:" + day + "T101500Z\r\n";
        else
            text += "DTSTART;TZID=America/New_York:" + day + "T183000\r\n";
        text += "END:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    QTemporaryDir folder;
    const QString ics = QDir(folder.path()).filePath(QStringLiteral("big.ics"));
    const QString events = QDir(folder.path()).filePath(QStringLiteral("events.dll"));
    const QByteArray calendar = bigCalendar();
    if (!writeFile(ics, calendar))
        return 1;
    std::vector<double> imports;
    std::vector<double> exports;
    const std::clock_t cpuStart = std::clock();
    for (int run = 0; run < 5; ++run) {
        if (!writeFile(
                events, "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n"))
            return 1;
        QElapsedTimer timer;
        timer.start();
        const auto result = importCalendar(ics, events);
        imports.push_back(timer.nsecsElapsed() / 1e6);
        if (!result || result->added.size() != eventCount)
            return 1;
        timer.restart();
        const QByteArray written = writeCalendar(result->added, QDateTime::currentDateTime());
        exports.push_back(timer.nsecsElapsed() / 1e6);
        std::printf(
            "run %d: import %.1f ms (%lld added, %lld bytes of iCalendar), export %.1f ms (%lld bytes)\n",
            run + 1, imports.back(), qint64(result->added.size()), qint64(calendar.size()), exports.back(),
            qint64(written.size()));
    }
    std::printf("median of 5: import of %d events %.1f ms, export %.1f ms\n", eventCount, median(imports),
        median(exports));
    // Wall times follow the machine's load; the processor time of the runs does not.
    std::printf("processor time of the 5 imports and exports: %.1f ms\n",
        1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    return 0;
}
