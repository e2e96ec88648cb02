#include "components/TextLineFile.h"
#include "models/EventListModel.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "stores/EventsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const Moment now = *Moment::parse(u"2026/12/07 12:00:00");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QStringList rowsOf(const EventListModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.cellText(row, 0) + u'|' + model.cellText(row, 1) + u'|' + model.cellText(row, 2);
    return rows;
}

} // namespace

class TestEventsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TextLineFile m_lines;
    FileSystem m_fileSystem;
    EventsFile file() const { return EventsFile(m_dir.path(), m_lines, m_fileSystem); }

private Q_SLOTS:
    void init() { QFile::remove(m_dir.filePath(u"events.dll"_s)); }

    void loads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QByteArray>("fileAfter");

        const QByteArray samples
            = "Birth (for test)\t1975/09/21 00:00:00\nMarrying (for test)\t2010/01/01 12:00:00\n";
        const QStringList sampleRows = { u"Birth (for test)|Past|1975/09/21 00:00:00"_s,
            u"Marrying (for test)|Past|2010/01/01 12:00:00"_s };
        QTest::newRow("missing file gets the samples") << QByteArray("<missing>") << sampleRows << samples;
        QTest::newRow("empty file gets the samples") << QByteArray() << sampleRows << samples;
        QTest::newRow("one line is just that event") << QByteArray("Trip\t2027/01/01 08:00:00\n")
                                                     << QStringList { u"Trip|Future|2027/01/01 08:00:00"_s }
                                                     << QByteArray("Trip\t2027/01/01 08:00:00\n");
        QTest::newRow("short date is normalised in the list only")
            << QByteArray("Wed\t2010/1/1 12:00:00\r\n") << QStringList { u"Wed|Past|2010/01/01 12:00:00"_s }
            << QByteArray("Wed\t2010/1/1 12:00:00\r\n");
        QTest::newRow("the second at load is future, one before is past")
            << QByteArray("Now\t2026/12/07 12:00:00\nJust gone\t2026/12/07 11:59:59\n")
            << QStringList { u"Now|Future|2026/12/07 12:00:00"_s, u"Just gone|Past|2026/12/07 11:59:59"_s }
            << QByteArray("Now\t2026/12/07 12:00:00\nJust gone\t2026/12/07 11:59:59\n");
        QTest::newRow("a repeated name in another case is listed once")
            << QByteArray("Party\t2000/01/01 00:00:00\nPARTY \t2001/01/01 00:00:00\n")
            << QStringList { u"Party|Past|2000/01/01 00:00:00"_s }
            << QByteArray("Party\t2000/01/01 00:00:00\nPARTY \t2001/01/01 00:00:00\n");
        QTest::newRow("lines without a tab or a date are skipped")
            << QByteArray("no tab here\nBad\tsoon\nGood\t2000/01/01\n")
            << QStringList { u"Good|Past|2000/01/01 00:00:00"_s }
            << QByteArray("no tab here\nBad\tsoon\nGood\t2000/01/01\n");
        QTest::newRow("Windows-1252 names") << QByteArray("Caf\xe9\t2000/01/01 00:00:00\r\n")
                                            << QStringList { u"Caf\u00e9|Past|2000/01/01 00:00:00"_s }
                                            << QByteArray("Caf\xe9\t2000/01/01 00:00:00\r\n");
    }
    void loads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        QFETCH(QByteArray, fileAfter);
        if (content != "<missing>")
            writeFile(file().path(), content);
        EventListModel model;
        QVERIFY(model.loadFrom(file(), now));
        QCOMPARE(rowsOf(model), rows);
        QCOMPARE(readAll(file().path()), fileAfter);
    }

    void loadCountsEveryRowToNow()
    {
        writeFile(file().path(), "Hour ago\t2026/12/07 11:00:00\n");
        EventListModel model;
        model.setDecimals({ u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s });
        QVERIFY(model.loadFrom(file(), now));
        QCOMPARE(
            model.cellText(0, EventListModel::Seconds), QLocale().toString(3600) + QLocale().decimalPoint());
    }

    void appendRemoveAndClear()
    {
        QVERIFY(file().append(u"A"_s, u"2000/01/01 00:00:00"_s));
        QVERIFY(file().append(u"B"_s, u"2001/01/01 00:00:00"_s));
        QVERIFY(file().append(u"b"_s, u"2002/01/01 00:00:00"_s));
        QVERIFY(file().remove(u"B"_s));
        QCOMPARE(readAll(file().path()), QByteArray("A\t2000/01/01 00:00:00\nb\t2002/01/01 00:00:00\n"));
        QVERIFY(file().clear());
        QCOMPARE(readAll(file().path()), QByteArray());
        // The next load brings the samples back.
        EventListModel model;
        QVERIFY(model.loadFrom(file(), now));
        QCOMPARE(model.rowCount(), 2);
    }

    void clearKeepsALink()
    {
        const QString target = m_dir.filePath(u"elsewhere"_s);
        writeFile(target, "A\t2000/01/01 00:00:00\n");
        QVERIFY(QFile::link(target, file().path()));
        QVERIFY(file().clear());
        QVERIFY(QFileInfo(file().path()).isSymLink());
        QCOMPARE(readAll(target), QByteArray());
    }

    void removeManyInOneWrite()
    {
        writeFile(file().path(),
            "A\t2000/01/01 00:00:00\nB\t2001/01/01 00:00:00\nb\t2002/01/01 00:00:00\n"
            "C\t2003/01/01 00:00:00\n");
        QVERIFY(file().remove(QStringList({ u"C"_s, u"B"_s, u"missing"_s })));
        QCOMPARE(readAll(file().path()), QByteArray("A\t2000/01/01 00:00:00\nb\t2002/01/01 00:00:00\n"));
    }

    void saveAsOverAReadOnlyFileReplacesIt()
    {
        writeFile(file().path(), "A\t2000/01/01 00:00:00\n");
        setFileAttributes(file().path(), FileAttribute::Hidden | FileAttribute::System);
        const QString saved = m_dir.filePath(u"saved.krn"_s);
        writeFile(saved, "old content\n");
        QVERIFY(setFileAttributes(saved, FileAttribute::ReadOnly));
        QString error;
        QVERIFY2(file().saveAs(saved, &error), qPrintable(error));
        QCOMPARE(readAll(saved), QByteArray("A\t2000/01/01 00:00:00\n"));
        QCOMPARE(fileAttributes(saved), int(FileAttribute::Normal));
    }

    void saveAsIntoAMissingFolderFails()
    {
        writeFile(file().path(), "A\t2000/01/01 00:00:00\n");
        QString error;
        QVERIFY(!file().saveAs(m_dir.filePath(u"no/such/folder/saved.krn"_s), &error));
        QVERIFY(!error.isEmpty());
    }

    void replaceWithTakesTheFileUnexamined()
    {
        writeFile(file().path(), "A\t2000/01/01 00:00:00\n");
        const QString other = m_dir.filePath(u"other.krn"_s);
        writeFile(other, "Only\t2030/05/05 05:05:05\n");
        QVERIFY(file().replaceWith(other));
        EventListModel model;
        QVERIFY(model.loadFrom(file(), now));
        QCOMPARE(rowsOf(model), QStringList { u"Only|Future|2030/05/05 05:05:05"_s });
        // A missing source leaves the events as they were.
        QVERIFY(!file().replaceWith(m_dir.filePath(u"missing.krn"_s)));
        QCOMPARE(readAll(file().path()), QByteArray("Only\t2030/05/05 05:05:05\n"));
    }
};

QTEST_GUILESS_MAIN(TestEventsFile)
#include "test_events_file.moc"
