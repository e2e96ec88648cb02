// The works file on disk: the load with its sample work and repeated names, and each write
// of a work, including writes that fail.
#include "components/TextLineFile.h"
#include "core/Moment.h"
#include "core/WorkRecord.h"
#include "platform/FileSystem.h"
#include "stores/WorksFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const Moment now = *Moment::fromCivil(2024, 5, 1, 10, 0, 0);

} // namespace

class TestWorksFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TextLineFile m_lines;
    FileSystem m_fileSystem;

    QString path() const { return m_dir.filePath(u"works.dll"_s); }
    WorksFile file() const { return WorksFile(path(), m_lines, m_fileSystem); }
    void write(const QByteArray& bytes)
    {
        QFile out(path());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QStringList lines() const
    {
        return TextLineFile::readLines(path()).value_or(QStringList { u"<none>"_s });
    }

private Q_SLOTS:
    void cleanup()
    {
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path());
    }

    void emptyFileGetsTheSampleWork_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("missing") << QByteArray("<missing>");
    }
    void emptyFileGetsTheSampleWork()
    {
        QFETCH(QByteArray, bytes);
        if (bytes != "<missing>")
            write(bytes);
        QVector<WorkRecord> works;
        QVERIFY(file().load(&works, now));
        const QString sample = u"Test work\tStarted\t2024/05/01 10:00:00\t-\t0\t-\t0"_s;
        QCOMPARE(works.size(), 1);
        QCOMPARE(works[0].line(), sample);
        QCOMPARE(lines(), QStringList { sample });
    }

    void repeatedNamesLoadOnceAndStay()
    {
        write("Build\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0\r\n\r\n"
              " BUILD \tPaused\t2024/05/01 08:00:00\t-\t0\t2024/05/01 09:00:00\t5\r\n"
              "Short\tFinished\r\n");
        QVector<WorkRecord> works;
        QVERIFY(file().load(&works, now));
        QCOMPARE(works.size(), 2);
        QCOMPARE(works[0].status, u"Started"_s);
        QCOMPARE(works[1].name, u"Short"_s);
        QCOMPARE(works[1].usedSeconds, QString());
        QCOMPARE(lines().size(), 4); // nothing was written
    }

    void writesMoveOrKeepTheLine()
    {
        write("A\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0\n"
              "B\tPaused\t2024/05/01 08:00:00\t-\t7\t2024/05/01 09:00:00\t5\n"
              "C\tStarted\t2024/05/01 07:00:00\t-\t0\t-\t0\n");
        QVERIFY(file().rename(u"A"_s, u"Alpha"_s));
        QCOMPARE(lines()[0], u"Alpha\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0"_s);
        WorkRecord b = WorkRecord::fromLine(lines()[1]);
        b.status = u"Started"_s;
        QVERIFY(file().rewrite(b));
        QCOMPARE(lines().size(), 3);
        QCOMPARE(lines().last(), b.line());
        QVERIFY(file().append(WorkRecord::startedAt(u"D"_s, now)));
        QVERIFY(file().remove({ u"C"_s, u"Alpha"_s }));
        QCOMPARE(lines(), QStringList({ b.line(), u"D\tStarted\t2024/05/01 10:00:00\t-\t0\t-\t0"_s }));
        // Keys match whole names as written, letter case included.
        QVERIFY(file().remove({ u"d"_s }));
        QCOMPARE(lines().size(), 2);
    }

    void clearLeavesAnEmptyFile()
    {
        write("A\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0\n");
        QVERIFY(file().clear());
        QVERIFY(QFile::exists(path()));
        QCOMPARE(QFile(path()).size(), 0);
    }

    void failedWritesLoseNothing()
    {
        const QByteArray before = "A\tStarted\t2024/05/01 09:00:00\t-\t0\t-\t0\n";
        write(before);
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner));
        QString error;
        QVERIFY(!file().append(WorkRecord::startedAt(u"B"_s, now), &error));
        QVERIFY(!error.isEmpty());
        WorkRecord a = WorkRecord::fromLine(QString::fromUtf8(before.trimmed()));
        a.status = u"Paused"_s;
        QVERIFY(!file().rewrite(a));
        QVERIFY(!file().rename(u"A"_s, u"B"_s));
        QVERIFY(!file().remove({ u"A"_s }));
        QVERIFY(!file().clear());
        QFile in(path());
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), before);
    }

    void unwritableEmptyFileSaysWhy()
    {
        write(QByteArray());
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner));
        QVector<WorkRecord> works;
        QString error;
        QVERIFY(!file().load(&works, now, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(works.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWorksFile)
#include "test_works_file.moc"
