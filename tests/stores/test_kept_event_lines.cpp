#include "components/RawLines.h"
#include "core/SpanSeconds.h"
#include "stores/KeptEventLines.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const Moment now = *Moment::parse(u"2026/12/07 12:00:00");

// The events file as read whole, line by line, by the rule of the events file.
QStringList readWhole(const QByteArray& bytes)
{
    QStringList events;
    QSet<QString> names;
    for (const QString& line : RawLines::split(bytes).texts()) {
        const auto event = EventLine::parse(line);
        const QString key = event ? event->name.trimmed().toCaseFolded() : QString();
        if (!event || names.contains(key))
            continue;
        names.insert(key);
        events << event->name + u'|' + (secondsUntilNow(event->moment, now) > 0 ? u"Past"_s : u"Future"_s)
                + u'|' + event->moment.toText();
    }
    return events;
}

QStringList texts(const QVector<EventRecord>& events)
{
    QStringList all;
    for (const EventRecord& event : events)
        all << event.name + u'|' + event.type + u'|' + event.moment.toText();
    return all;
}

QByteArray utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? "\xff\xfe" : "\xfe\xff";
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

} // namespace

class TestKeptEventLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A file read, changed and read again through the kept lines gives what reading the
    // changed file whole gives, and reads no more lines than the change brought.
    void changeReadsAsWhole_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("mostRead"); // -1: any

        const QByteArray abc = "a\t2000/01/01 00:00:00\nb\t2001/01/01\nc\t2030/01/01\n";
        QTest::newRow("append") << abc << abc + "d\t2031/2/3 4:05\n" << 1;
        QTest::newRow("append many, CRLF")
            << QByteArray("a\t2000/01/01\r\n") << QByteArray("a\t2000/01/01\r\nb\t2001/01/01\r\nc\r\n") << 2;
        QTest::newRow("LF after a lone CR")
            << QByteArray("a\t2000/01/01\r") << QByteArray("a\t2000/01/01\r\nb\t2001/01/01\n") << -1;
        QTest::newRow("append to an unended line")
            << QByteArray("a\t2000/01/01") << QByteArray("a\t2000/01/01 12:00:00\nb\t2001/01/01\n") << -1;
        QTest::newRow("edit in the middle")
            << abc << QByteArray("a\t2000/01/01 00:00:00\nb\t2041/01/01\nc\t2030/01/01\n") << 1;
        QTest::newRow("remove lines") << abc + "d\t2002/01/01\n"
                                      << QByteArray("b\t2001/01/01\nd\t2002/01/01\n") << 0;
        QTest::newRow("two lines joined")
            << abc << QByteArray("a\t2000/01/01 00:00:00 b\t2001/01/01\nc\t2030/01/01\n") << 1;
        QTest::newRow("twin appended") << abc << abc + " B \t2031/01/01\n" << 1;
        QTest::newRow("twins by case folding")
            << QByteArray("k\t2000/01/01\n\xc3\xa4rger\t2001/01/01\n")
            << QByteArray("k\t2000/01/01\n\xc3\xa4rger\t2001/01/01\n\xe2\x84\xaa\t2002/01/01\n"
                          " \xc3\x84RGER\t2003/01/01\nK\xe4se\t2004/01/01\n")
            << 3;
        QTest::newRow("twin inserted before")
            << abc << QByteArray("a\t2000/01/01 00:00:00\nB\t2031/01/01\n") + abc.mid(22) << 1;
        QTest::newRow("listed twin removed") << QByteArray("a\t2000/01/01\nA\t2010/01/01\nb\t2001/01/01\n")
                                             << QByteArray("A\t2010/01/01\nb\t2001/01/01\n") << 0;
        QTest::newRow("lines that are no event")
            << abc << QByteArray("a\t2000/01/01 00:00:00\nno tab\nb\tnot a date\n") << 2;
        QTest::newRow("CR only") << QByteArray("a\t2000/01/01\rb\t2001/01/01\rc\t2002/01/01\r")
                                 << QByteArray("a\t2000/01/01\rb\t2011/01/01\rc\t2002/01/01\rd\t2003/01/01\r")
                                 << 2;
        QTest::newRow("Windows-1252") << QByteArray("K\xe4se\t2000/01/01\r\n")
                                      << QByteArray("K\xe4se\t2000/01/01\r\nM\xfcll\t2001/01/01\r\n") << 1;
        QTest::newRow("UTF-8 beside Windows-1252")
            << QByteArray("K\xc3\xa4se\t2000/01/01\nM\xfcll\t2001/01/01\n")
            << QByteArray("k\xc3\x84SE\t2002/01/01\nM\xfcll\t2001/01/01\n") << 1;
        const QString wide = u"Käse\t2000/01/01\r\nÜber\t2001/01/01\r\n"_s;
        QTest::newRow("UTF-16LE append")
            << utf16(wide, true) << utf16(wide + u"Ωmega\t2030/01/01\r\n"_s, true) << 1;
        QTest::newRow("UTF-16BE edit")
            << utf16(wide, false) << utf16(u"Käse\t2000/01/01\r\nÜber\t2031/01/01\r\n"_s, false) << 1;
        QTest::newRow("UTF-16 odd last byte")
            << utf16(wide, true) + 'x' << utf16(wide, true) + QByteArray("x\0\r\0\n\0", 6) << -1;
        QTest::newRow("mark added") << abc << "\xef\xbb\xbf" + abc << -1;
        QTest::newRow("UTF-16 to UTF-8") << utf16(wide, true) << wide.toUtf8() << -1;
        QTest::newRow("emptied") << abc << QByteArray() << 0;
    }
    void changeReadsAsWhole()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, mostRead);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"events.dll"_s);
        // Written as synchronising tools and Kronvel write: a new file renamed over the old.
        const auto write = [&path](const QByteArray& bytes) {
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            QVERIFY(file.commit());
        };
        KeptEventLines kept;
        write(before);
        const auto first = kept.read(path, now);
        QVERIFY(first);
        QCOMPARE(texts(first->events), readWhole(before));
        write(after);
        const auto second = kept.read(path, now);
        QVERIFY(second);
        QCOMPARE(texts(second->events), readWhole(after));
        QCOMPARE(second->lineCount, RawLines::split(after).lines.size());
        if (mostRead >= 0)
            QVERIFY2(kept.linesRead() <= mostRead, qPrintable(QString::number(kept.linesRead())));
        // Read again unchanged: nothing is read, the same comes out.
        QCOMPARE(texts(kept.read(path, now)->events), readWhole(after));
        QCOMPARE(kept.linesRead(), qsizetype(0));
    }

    // A file that cannot be read (here a folder in its place) fails with a reason; the next
    // read of a file there reads it as it is.
    void unreadableFileFails()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"events.dll"_s);
        const QByteArray content = "a\t2000/01/01\nb\t2001/01/01\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        KeptEventLines kept;
        QVERIFY(kept.read(path, now));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(folder.path()).mkdir(u"events.dll"_s));
        QString error;
        QVERIFY(!kept.read(path, now, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QDir(folder.path()).rmdir(u"events.dll"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content + "c\t2002/01/01\n");
        file.close();
        const auto read = kept.read(path, now);
        QVERIFY(read);
        QCOMPARE(texts(read->events), readWhole(content + "c\t2002/01/01\n"));
    }
};

QTEST_GUILESS_MAIN(TestKeptEventLines)
#include "test_kept_event_lines.moc"
