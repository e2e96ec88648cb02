#include "tests/ui/main/CommandDriver.h"

#include "models/EventListModel.h"
#include "ui/common/ReportList.h"
#include "ui/main/frmPubMain.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace CommandDriver {

bool activate(frmPubMain& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void press(frmPubMain& window, int key, Qt::KeyboardModifiers modifiers)
{
    window.lsv().setFocus();
    QTest::keyClick(&window.lsv(), Qt::Key(key), modifiers);
}

QPoint rowCentre(const ReportList& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

void clickRow(ReportList& list, int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rowCentre(list, row));
}

void clickToolbar(frmPubMain& window, int number)
{
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("tlb"));
    QAction* button = window.findChild<QAction*>(u"tlb(" % QString::number(number) % u')');
    if (toolbar && button)
        QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
}

void whenModalShows(std::function<void(QWidget* modal)> action)
{
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        // Shown is not enough: until the window is activated, keys go to the focus of the
        // window below it (seen when the program runs slower, as under the sanitizers).
        const bool shown = modal && modal->isVisible() && modal->isActiveWindow();
        if (!shown && ++*ticks < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!shown)
            return;
        QPointer<QWidget> window(modal);
        action(modal);
        // A window the action left open would hold the test forever; it is closed, and the
        // test's checks then fail instead.
        QTimer::singleShot(3000, [window] {
            if (window && window->isVisible())
                window->close();
        });
    });
    timer->start(10);
}

QStringList names(const frmPubMain& window)
{
    QStringList result;
    for (int row = 0; row < window.events().rowCount(); ++row)
        result << window.events().cellText(row, EventListModel::Name);
    return result;
}

QStringList selectedNames(const frmPubMain& window)
{
    QStringList result;
    for (int row : window.lsv().selectedRows())
        result << window.events().cellText(row, EventListModel::Name);
    return result;
}

} // namespace CommandDriver
