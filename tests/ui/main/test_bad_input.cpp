#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "models/EventListModel.h"
#include "ui/main/frmPubMain.h"

#include <QDirIterator>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString corpus = QStringLiteral(KRN_CORPUS);

// Cases git cannot hold are made here; the others are folders of the corpus.
void prepare(const QString& folder, const QString& name)
{
    const QString events = folder + u"/events.dll"_s;
    if (name == u"long line")
        TestFiles::write(
            events, QByteArray(1 << 20, 'x') + "\t2000/01/01 00:00:00\nB\t2001/01/01 00:00:00\n");
    else if (name == u"data folder a file")
        TestFiles::write(events, "A\t2000/01/01 00:00:00\n");
    else if (name == u"read-only" || name == u"unreadable") {
        TestFiles::write(events, "A\t2000/01/01 00:00:00\n");
        QFile::setPermissions(events, name == u"read-only" ? QFile::ReadOwner : QFileDevice::Permissions());
    } else if (name == u"settings a fifo") {
        TestFiles::makeSpecial(folder + u"/krn.dll"_s, u"fifo"_s);
    } else if (name.contains(u' ') || name == u"folder" || name == u"fifo") {
        TestFiles::makeSpecial(events, name, folder + u"/target"_s, "A\t2000/01/01 00:00:00\n");
    } else {
        for (QDirIterator it(corpus + u'/' + name, QDir::Files); it.hasNext();) {
            const QString source = it.next();
            QFile::copy(source, folder + u'/' + it.fileName());
        }
    }
}

} // namespace

// Broken, odd and special files under "krn --list" and a start of the window: nothing
// crashes or hangs, the good lines are shown, and reading rewrites no file.
class TestBadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("readable");
        const bool root = TestFiles::runsAsRoot();
        const QStringList a { u"A"_s };
        const QStringList none;
        const auto row = [](const QString& name, const QStringList& shown, bool readable = true) {
            QTest::newRow(qPrintable(name)) << name << shown << readable;
        };
        row(u"binary"_s, { u"Good"_s });
        row(u"nul-in-name"_s, { u"Na\0me"_s, u"After"_s });
        row(u"invalid-utf8"_s, { u"\u00c3(bad\u00f0(\u0152"_s, u"Ok"_s });
        row(u"cp1252"_s, { u"Caf\u00e9 \u20ac"_s });
        row(u"utf16"_s, { u"Tea\u20ac"_s });
        row(u"cr-only"_s, { u"A"_s, u"B"_s, u"C"_s });
        row(u"absurd-settings"_s, a);
        row(u"duplicates"_s, a);
        row(u"empty"_s, { u"Birth (for test)"_s, u"Marrying (for test)"_s });
        row(u"bad-lines"_s, { QString(), u"Good"_s });
        row(u"long line"_s, { QString(1 << 20, u'x'), u"B"_s });
        row(u"read-only"_s, a);
        row(u"unreadable"_s, root ? a : none, root);
        row(u"settings a fifo"_s, { u"Birth (for test)"_s, u"Marrying (for test)"_s }, false);
        row(u"link to file"_s, a);
        for (const QString& special : { u"folder"_s, u"fifo"_s, u"link loop"_s, u"link to device"_s })
            row(special, none, false);
        row(u"data folder a file"_s, none, false);
    }

    void corpus()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, shown);
        QFETCH(bool, readable);
        MainWindowFixture fixture;
        prepare(fixture.folder(), name);
        const QString folder
            = name == u"data folder a file" ? fixture.path(u"events.dll"_s) : fixture.folder();
        // Only a regular file is read here: a FIFO would wait for a writer.
        const QByteArray before = QFileInfo(fixture.path(u"events.dll"_s)).isFile()
            ? fixture.readFile(u"events.dll"_s)
            : QByteArray();

        QProcess list;
        list.start(QStringLiteral(KRN_BINARY), { u"--list"_s, u"--data-dir"_s, folder });
        QVERIFY(list.waitForFinished(30000));
        QCOMPARE(list.exitStatus(), QProcess::NormalExit);
        QCOMPARE(list.exitCode(), readable ? 0 : 1);
        QCOMPARE(list.readAllStandardError().isEmpty(), readable);
        QStringList listed;
        for (const QString& line :
            QString::fromUtf8(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            listed << line.section(u'\t', 0, 0);
        QCOMPARE(listed, shown);
        if (!before.isEmpty() && readable)
            QCOMPARE(fixture.readFile(u"events.dll"_s), before);
        if (folder != fixture.folder())
            return;

        QVERIFY(fixture.start());
        QStringList rows;
        for (int row = 0; row < fixture.window().events().rowCount(); ++row)
            rows << fixture.window().events().cellText(row, 0);
        QCOMPARE(rows, shown);
        if (!before.isEmpty() && readable)
            QCOMPARE(fixture.readFile(u"events.dll"_s), before);
        QCOMPARE(fixture.boxes.shown().isEmpty(), readable);
    }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
