#include "models/EventListModel.h"
#include "tests/ui/main/CommandDriver.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/main/frmPubMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CommandDriver;
using Icon = MessageBoxes::Icon;

namespace {

const QByteArray threeEvents
    = "Alpha\t2009/01/01 00:00:00\nBeta\t2009/02/01 00:00:00\nGamma\t2009/03/01 00:00:00\n";

// Opens a menu of the menu bar by its access key and picks an entry by its own.
void chooseFromMenu(QWidget& window, Qt::Key menu, Qt::Key entry)
{
    QTest::keyClick(&window, menu, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), entry);
}

// The access keys of a menu's entries, lower case, in order.
QString accessKeys(const QMenu& menu)
{
    QString keys;
    static const QRegularExpression key(u"&([^&])"_s);
    for (const QAction* action : menu.actions()) {
        const auto match = key.match(action->text().remove(u"&&"_s));
        if (match.hasMatch())
            keys += match.captured(1).toLower();
    }
    return keys;
}

} // namespace

class TestExchangeMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachMenuHasItsOwnAccessKeysAndTheNewEntriesTheirTips()
    {
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        for (const QMenu* menu : kronvel.window().menuBar()->findChildren<QMenu*>()) {
            const QString keys = accessKeys(*menu);
            for (const QChar key : keys)
                QVERIFY2(keys.count(key) == 1, qPrintable(menu->objectName() + u": "_s + keys));
        }
        const QMenu* mene = kronvel.window().findChild<QMenu*>(u"mene"_s);
        QVERIFY(accessKeys(*mene).contains(u"ip"_s));
        const QString tips = QString::fromUtf8(kronvel.readFile(u"menutips.dll"_s));
        QVERIFY(tips.contains(u"\n&Import Calendar...="_s) && tips.contains(u"\nEx&port...="_s));
    }

    void importAddsTheNewEventsAndSaysWhatItSkipped()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        kronvel.writeFile(u"in.ics"_s,
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:ALPHA\r\nDTSTART:20090101T000000\r\n"
            "END:VEVENT\r\nBEGIN:VEVENT\r\nSUMMARY:Delta\r\nDTSTART;VALUE=DATE:20200202\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n");
        QVERIFY(kronvel.start() && activate(kronvel.window()));
        kronvel.desktop.queueOpenResult({ kronvel.path(u"in.ics"_s) });
        chooseFromMenu(kronvel.window(), Qt::Key_V, Qt::Key_I);
        QCOMPARE(kronvel.desktop.lastTitle(), u"Import Calendar"_s);
        QCOMPARE(kronvel.desktop.lastFilter(), u"iCalendar Files (*.ics);;All Files (*)"_s);
        QCOMPARE(names(kronvel.window()), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s, u"Delta"_s }));
        QCOMPARE(kronvel.window().events().cellText(3, EventListModel::Type), u"Future"_s);
        QCOMPARE(kronvel.window().panel(2).text(), u"Events: 4"_s);
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents + "Delta\t2020/02/02 00:00:00\n");
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(kronvel.boxes.shown()[0].icon, Icon::Information);
        QVERIFY2(kronvel.boxes.shown()[0].text.contains(u": 1. Skipped: 1.\n'ALPHA': "_s),
            qPrintable(kronvel.boxes.shown()[0].text));
    }

    void importOfSomethingElseWarnsAndChangesNothing()
    {
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        kronvel.writeFile(u"notes.txt"_s, "Alpha: first of January\n");
        QVERIFY(kronvel.start() && activate(kronvel.window()));
        kronvel.desktop.queueOpenResult({ kronvel.path(u"notes.txt"_s) });
        chooseFromMenu(kronvel.window(), Qt::Key_V, Qt::Key_I);
        QCOMPARE(kronvel.boxes.shown().size(), 1);
        QCOMPARE(kronvel.boxes.shown()[0].icon, Icon::Warning);
        QVERIFY(kronvel.boxes.shown()[0].text.contains(u"not an iCalendar file"_s));
        QCOMPARE(kronvel.readFile(u"events.dll"_s), threeEvents);
        QCOMPARE(names(kronvel.window()), QStringList({ u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
    }

    void exportWritesTheFormatOfTheEnding_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("iCalendar") << u"out.ics"_s << "BEGIN:VCALENDAR"_ba;
        QTest::newRow("CSV") << u"OUT.CSV"_s << "name,type,moment,"_ba;
        QTest::newRow("JSON") << u"out.json"_s << "[\n  {\"name\": \"Alpha\", \"type\": \"Past\""_ba;
        QTest::newRow("other") << u"out.txt"_s << QByteArray();
    }
    void exportWritesTheFormatOfTheEnding()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        MainWindowFixture kronvel;
        kronvel.writeFile(u"events.dll"_s, threeEvents);
        QVERIFY(kronvel.start() && activate(kronvel.window()));
        kronvel.desktop.queueSaveResult(kronvel.path(file));
        chooseFromMenu(kronvel.window(), Qt::Key_V, Qt::Key_P);
        QCOMPARE(kronvel.desktop.lastTitle(), u"Export Events"_s);
        QCOMPARE(kronvel.desktop.lastDefaultExtension(), u"ics"_s);
        QCOMPARE(QFileInfo::exists(kronvel.path(file)), !start.isEmpty());
        QVERIFY(kronvel.readFile(file).startsWith(start));
        QCOMPARE(kronvel.boxes.shown().size(), start.isEmpty() ? 1 : 0);
        QCOMPARE(kronvel.readFile(file).count("Gamma"), start.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestExchangeMenu)
#include "test_exchange_menu.moc"
