#include "Vantric.h"
#include "components/ProfileFile.h"
#include "models/EventListModel.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"
#include "ui/main/mdlPubTrayIcon.h"
#include "ui/reminders/EventReminders.h"
#include "ui/reminders/frmPubReminders.h"

#include <QAction>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// The fixture's clock starts at 2010/01/01 12:00:00; "Launch" comes due five seconds later.
const QByteArray events = "Old\t2000/01/01 00:00:00\nLaunch\t2010/01/01 12:00:05\n";

void comeDue(MainWindowFixture& f)
{
    f.clock.advance(5);
    f.window().reminders().scheduler().check();
}

int rowOf(MainWindowFixture& f, const QString& name)
{
    return f.window().events().findName(name);
}

} // namespace

class TestEventReminders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dueEventIsNotifiedAndAClickShowsIt()
    {
        MainWindowFixture f;
        f.writeFile(u"events.dll"_s, events);
        QVERIFY(f.start());
        QVERIFY(f.notifier.notices.isEmpty());
        comeDue(f);
        QCOMPARE(f.notifier.notices.size(), 1);
        QCOMPARE(f.notifier.notices[0].title, u"Launch"_s);
        QCOMPARE(f.notifier.notices[0].body, u"Launch is due now (2010/01/01 12:00:05)."_s);
        // The row keeps its type until the next load.
        QCOMPARE(f.window().events().event(rowOf(f, u"Launch"_s)).type, u"Future"_s);

        f.window().lsv().setCurrentRow(rowOf(f, u"Old"_s));
        f.window().showMinimized();
        QTRY_VERIFY(f.window().trayIcon().inTray());
        f.notifier.click(u"Launch"_s);
        QVERIFY(!f.window().trayIcon().inTray());
        QCOMPARE(f.window().lsv().currentRow(), rowOf(f, u"Launch"_s));
        QCOMPARE(f.window().lsv().selectedRows(), QList<int> { rowOf(f, u"Launch"_s) });
    }

    void withoutANotificationServiceTheTrayOrThePanelTells()
    {
        MainWindowFixture f;
        f.writeFile(u"events.dll"_s, events + "Later\t2010/01/01 12:00:10\n");
        f.notifier.refuses = true;
        QVERIFY(f.start());
        f.window().showMinimized();
        QTRY_VERIFY(f.window().trayIcon().inTray());
        comeDue(f);
        QCOMPARE(f.tray.messages, QStringList { u"Launch\nLaunch is due now (2010/01/01 12:00:05)."_s });
        Q_EMIT f.tray.messageClicked();
        QCOMPARE(f.window().lsv().currentRow(), rowOf(f, u"Launch"_s));
        // Back on screen, with no icon to carry a message: the first status panel.
        comeDue(f);
        QCOMPARE(f.window().panel(1).text(), u"Later: Later is due now (2010/01/01 12:00:10)."_s);
    }

    void choicesAreWrittenToTheirSection()
    {
        MainWindowFixture f;
        QVERIFY(f.start());
        auto* entry = f.window().findChild<QAction*>(u"mentr"_s);
        QVERIFY(entry);
        QCOMPARE(entry->text(), u"&Reminders..."_s);
        frmPubReminders& dialog = f.window().reminders().dialog();
        QTimer::singleShot(0, &dialog, [&] {
            QCOMPARE(dialog.windowTitle(), u"Reminders"_s);
            QVERIFY(!dialog.txtAheadDays->isEnabled());
            QTest::mouseClick(dialog.cbxAhead, Qt::LeftButton, {}, QPoint(5, dialog.cbxAhead->height() / 2));
            dialog.txtAheadDays->setText(u"a week"_s);
            QTest::mouseClick(dialog.sbt[0], Qt::LeftButton);
            // Refused: the box says why and the dialog stays.
            QCOMPARE(f.boxes.shown().size(), 1);
            QVERIFY(dialog.isVisible());
            dialog.txtAheadDays->setText(u"7, 1"_s);
            dialog.cbxRound->setChecked(false);
            if (const QByteArray folder = qgetenv("KRN_SCREENSHOTS"); !folder.isEmpty())
                dialog.grab().save(QString::fromLocal8Bit(folder) + u"/reminders.png"_s);
            QTest::mouseClick(dialog.sbt[0], Qt::LeftButton);
        });
        entry->trigger();
        QVERIFY(!dialog.isVisible());
        const ReminderChoices expected { true, true, { 1, 7 }, true, false, false };
        QCOMPARE(f.window().reminders().scheduler().choices(), expected);
        const QString krn = f.path(u"krn.dll"_s);
        QCOMPARE(ProfileFile::readText(krn, u"Reminders"_s, u"AheadDays"_s), u"1, 7"_s);
        QCOMPARE(ProfileFile::readText(krn, u"Reminders"_s, u"Round"_s), u"N"_s);
        QCOMPARE(ProfileFile::readText(krn, u"System"_s, u"Year"_s), u"3"_s);
    }

    void rowTooltipShowsTheNextRoundNumber()
    {
        MainWindowFixture f;
        f.writeFile(u"events.dll"_s, events);
        QVERIFY(f.start());
        f.window().show();
        ReportList& list = f.window().lsv();
        const QRect rect = list.visualRect(f.window().events().index(rowOf(f, u"Old"_s), 0));
        QHelpEvent help(QEvent::ToolTip, rect.center(), list.viewport()->mapToGlobal(rect.center()));
        QCoreApplication::sendEvent(list.viewport(), &help);
        // 2000/01/01 to 2010/01/01 12:00:00 is 87,684 hours: 90,000 hours come first.
        QCOMPARE(QToolTip::text(), u"Next round number: 90,000 hours on 2010/04/08 00:00:00"_s);
    }
};

QTEST_MAIN(TestEventReminders)
#include "test_event_reminders.moc"
