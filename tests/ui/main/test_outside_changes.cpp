// Changes made outside Kronvel in its data folder, seen by a running main window.
#include "models/EventListModel.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/MainCommands.h"
#include "ui/main/OutsideChanges.h"
#include "ui/main/frmPubMain.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

void append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(bytes);
}

QStringList selectedNames(const frmPubMain& window)
{
    QStringList names;
    for (int row : window.lsv().selectedRows())
        names << window.events().event(row).name;
    names.sort();
    return names;
}

QString cell(const frmPubMain& window, const QString& name)
{
    return window.events().cellText(window.events().findName(name), EventListModel::DateTime);
}

} // namespace

class TestOutsideChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appendedLineKeepsWhatTheUserDid();
    void settingsAndConflictCopyFollowed();
};

void TestOutsideChanges::appendedLineKeepsWhatTheUserDid()
{
    MainWindowFixture fixture;
    QByteArray lines;
    for (int i = 0; i < 400; ++i)
        lines += "Event " + QByteArray::number(1000 + i) + "\t2000/01/01 00:00:00\n";
    fixture.writeFile(u"events.dll"_s, lines);
    QVERIFY(fixture.start());
    frmPubMain& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ReportList& list = window.lsv();
    EventListModel& events = window.events();
    // Sorted by name, descending, by a click on the header; two rows selected, a third current.
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, { header->sectionViewportPosition(0) + 5, 5 });
    QCOMPARE(events.sortOrder(), Qt::DescendingOrder);
    list.setSelected(events.findName(u"Event 1100"), true);
    list.setSelected(events.findName(u"Event 1300"), true);
    list.setCurrentRow(events.findName(u"Event 1200"));
    list.setSelected(events.findName(u"Event 1200"), false);
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
    const int scrolled = list.verticalScrollBar()->value();
    QVERIFY(scrolled > 0);

    QSignalSpy followed(window.findChild<OutsideChanges*>(), &OutsideChanges::followed);
    append(fixture.path(u"events.dll"_s), "Event 2000\t2030/01/01 00:00:00\n");
    QTRY_COMPARE_WITH_TIMEOUT(events.rowCount(), 401, 1000);
    QCOMPARE(events.event(0).name, u"Event 2000"_s); // its sorted place
    QCOMPARE(events.sortColumn(), 0);
    QCOMPARE(events.sortOrder(), Qt::DescendingOrder);
    QCOMPARE(selectedNames(window), QStringList({ u"Event 1100"_s, u"Event 1300"_s }));
    QCOMPARE(events.event(list.currentRow()).name, u"Event 1200"_s);
    QCOMPARE(list.verticalScrollBar()->value(), scrolled);
    QCOMPARE(window.panel(2).text(), u"Events: 401"_s);
    QCOMPARE(followed.count(), 1);

    // Kronvel's own write (the delete command, answered Yes) is not read back.
    fixture.boxes.queueAnswer(MessageBoxes::Answer::Yes);
    QVERIFY(window.commands().run(u"mendd"_s));
    QCOMPARE(events.rowCount(), 399);
    QTest::qWait(500);
    QCOMPARE(followed.count(), 1);

    // Every line changed (all dates moved): the list is loaded anew and still keeps its state.
    list.selectNoRows();
    list.setSelected(events.findName(u"Event 1050"), true);
    list.setCurrentRow(events.findName(u"Event 1200"));
    const int before = list.verticalScrollBar()->value();
    fixture.writeFile(
        u"events.dll"_s, QByteArray(fixture.readFile(u"events.dll"_s)).replace("2000/01/01", "2001/02/03"));
    QTRY_COMPARE_WITH_TIMEOUT(followed.count(), 2, 1000);
    QCOMPARE(cell(window, u"Event 1050"_s), u"2001/02/03 00:00:00"_s);
    QCOMPARE(events.sortOrder(), Qt::DescendingOrder);
    QCOMPARE(selectedNames(window), QStringList({ u"Event 1050"_s }));
    QCOMPARE(events.event(list.currentRow()).name, u"Event 1200"_s);
    QCOMPARE(list.verticalScrollBar()->value(), before);
}

void TestOutsideChanges::settingsAndConflictCopyFollowed()
{
    MainWindowFixture fixture;
    fixture.writeSettings({});
    QVERIFY(fixture.start());
    frmPubMain& window = fixture.window();
    QCOMPARE(window.tim().interval(), 1000);
    const QByteArray settings = fixture.readFile(u"krn.dll"_s);
    fixture.writeFile(u"krn.dll"_s, QByteArray(settings).replace("Refresh=1", "Refresh=7"));
    QTRY_COMPARE_WITH_TIMEOUT(window.tim().interval(), 7000, 1000);
    QCOMPARE(fixture.program().settings().value(SettingKey::Refresh), u"7"_s);

    const QString copy = u"krn.sync-conflict-20261208-061500-ABCDEFG.dll"_s;
    fixture.writeFile(copy, settings);
    QTRY_VERIFY_WITH_TIMEOUT(window.panel(1).text().contains(copy), 1000);
    window.panel(1).setText(u"Ready."_s);
    append(fixture.path(u"events.dll"_s), "Outside\t2030/01/01 00:00:00\n");
    QTRY_VERIFY_WITH_TIMEOUT(window.events().containsName(u"Outside"), 1000);
    QCOMPARE(window.panel(1).text(), u"Ready."_s); // told once
    QVERIFY(QFile::exists(fixture.path(copy)));
}

QTEST_MAIN(TestOutsideChanges)
#include "test_outside_changes.moc"
