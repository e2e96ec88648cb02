#include "CommandDriver.h"
#include "MainWindowFixture.h"
#include "Vantric.h"
#include "VantricAccessibleFactory.h"
#include "ui/main/MainCommands.h"
#include "ui/main/frmPubMain.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Parts of a composite control (a spin box's editor, a list's viewport) speak through it.
bool isInnerPart(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    return widget.focusProxy() || qobject_cast<const QAbstractSpinBox*>(parent)
        || qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractItemView*>(parent)
        || (parent && qobject_cast<const QAbstractItemView*>(parent->parentWidget()));
}

QString nameOf(const QWidget& widget)
{
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                         : widget.objectName();
}

// What a screen reader would miss: a focusable control with no interface, no name or only a
// client's role (a screen reader's "filler"), and a Vantric that is no push button with a press action.
QStringList faultsOf(QWidget& window)
{
    QStringList faults;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || !(widget->focusPolicy() & Qt::TabFocus) || isInnerPart(*widget))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face) {
            faults << nameOf(*widget) + u": no interface"_s;
            continue;
        }
        const QAccessible::Role role = face->role();
        if (role == QAccessible::NoRole || role == QAccessible::Client)
            faults << nameOf(*widget) + u": no role"_s;
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            faults << nameOf(*widget) + u": no name"_s;
        if (qobject_cast<Vantric*>(widget)) {
            const QAccessibleActionInterface* actions = face->actionInterface();
            if (role != QAccessible::Button || !actions
                || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                faults << nameOf(*widget) + u": cannot be pressed"_s;
        }
    }
    return faults;
}

// Every enabled Vantric pressed through its action clicks once; the window's own handlers
// are cut off first, so no command runs.
QStringList unpressable(QWidget& window)
{
    QStringList faults;
    for (Vantric* button : window.findChildren<Vantric*>()) {
        if (!button->isEnabled())
            continue;
        QObject::disconnect(button, &Vantric::Click, nullptr, nullptr);
        QSignalSpy clicks(button, &Vantric::Click);
        QAccessibleActionInterface* actions
            = QAccessible::queryAccessibleInterface(button)->actionInterface();
        if (actions)
            actions->doAction(QAccessibleActionInterface::pressAction());
        if (clicks.size() != 1)
            faults << nameOf(*button) + u": press gave "_s + QString::number(clicks.size()) + u" clicks"_s;
    }
    return faults;
}

} // namespace

// Every window as a screen reader finds it: each control named, with its role, and every
// button pressable through its action.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Orvane::installVantricAccessibility(); }

    void everyControlIsNamedAndEveryButtonPressable_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("main window") << QString();
        QTest::newRow("editor") << u"menen"_s;
        QTest::newRow("work time") << u"mentw"_s;
        QTest::newRow("calculator") << u"mentc"_s;
        QTest::newRow("options") << u"mento"_s;
        QTest::newRow("about") << u"menha"_s;
    }
    void everyControlIsNamedAndEveryButtonPressable()
    {
        QFETCH(QString, command);
        MainWindowFixture kronvel;
        QVERIFY(kronvel.start());
        frmPubMain& main = kronvel.window();
        QVERIFY(CommandDriver::activate(main));
        QStringList faults;
        bool walked = false;
        const auto walk = [&faults, &walked](QWidget* window) {
            faults = faultsOf(*window) + unpressable(*window);
            walked = true;
            window->close();
        };
        if (command.isEmpty()) {
            walk(&main);
        } else if (command == u"menha") {
            QVERIFY(main.commands().run(command));
            QWidget* about = main.findChild<QWidget*>(u"frmPubAbout"_s);
            QVERIFY(about);
            QTRY_VERIFY(about->isVisible());
            walk(about);
        } else {
            CommandDriver::whenModalShows(walk);
            QVERIFY(main.commands().run(command));
        }
        QVERIFY(walked);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
