#include "platform/ui/QtDesktop.h"
#include "platform/ui/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

// Runs action on the next modal box once it is shown.
void whenModalShown(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(10);
}

} // namespace

class TestQtDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findAndCloseWindow()
    {
        QtDesktop desktop;
        QWidget help;
        help.setWindowTitle(QStringLiteral("KRN Help"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));

        QCOMPARE(desktop.findWindow(QStringLiteral("No Such Window")), quintptr(0));
        const quintptr handle = desktop.findWindow(QStringLiteral("krn help"));
        QCOMPARE(handle, reinterpret_cast<quintptr>(&help));
        QVERIFY(desktop.sendWindowMessage(handle, 0, 0, 0));
        QVERIFY(help.isVisible());
        QVERIFY(desktop.sendWindowMessage(handle, 16, 0, 0));
        QVERIFY(!help.isVisible());
        QVERIFY(!desktop.sendWindowMessage(quintptr(1), 16, 0, 0));
    }

    void colorEncoding()
    {
        QCOMPARE(QtDesktop::encodeColor(0xFF, 0, 0), qint32(0x0000FF));
        QCOMPARE(QtDesktop::encodeColor(0x12, 0x34, 0x56), qint32(0x563412));
        QCOMPARE(QtDesktop::encodeColor(255, 255, 255), qint32(0xFFFFFF));
    }

    void boxes_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("expectedIcon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("answer");
        QTest::newRow("question yes") << int(MessageBoxes::Icon::Question) << int(QMessageBox::Question)
                                      << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                      << int(QMessageBox::Yes) << int(MessageBoxes::Answer::Yes);
        QTest::newRow("question cancel") << int(MessageBoxes::Icon::Question) << int(QMessageBox::Question)
                                         << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                         << int(QMessageBox::Cancel) << int(MessageBoxes::Answer::Cancel);
        QTest::newRow("information") << int(MessageBoxes::Icon::Information) << int(QMessageBox::Information)
                                     << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                     << int(MessageBoxes::Answer::Ok);
        QTest::newRow("warning") << int(MessageBoxes::Icon::Warning) << int(QMessageBox::Warning)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                 << int(MessageBoxes::Answer::Ok);
    }

    void boxes()
    {
        QFETCH(int, icon);
        QFETCH(int, expectedIcon);
        QFETCH(int, buttons);
        QFETCH(int, pressed);
        QFETCH(int, answer);
        QString title;
        QString text;
        int shownIcon = -1;
        int shownButtons = -1;
        whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            shownIcon = int(box->icon());
            shownButtons = int(box->standardButtons());
            box->button(QMessageBox::StandardButton(pressed))->click();
        });
        QtMessageBoxes boxes;
        QCOMPARE(
            int(boxes.show(nullptr, QStringLiteral("Clear all events?"), MessageBoxes::Icon(icon))), answer);
        QCOMPARE(title, QStringLiteral("Kronvel"));
        QCOMPARE(text, QStringLiteral("Clear all events?"));
        QCOMPARE(shownIcon, expectedIcon);
        QCOMPARE(shownButtons, buttons);
    }

    void input()
    {
        QString title;
        whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            if (!dialog)
                return;
            title = dialog->windowTitle();
            dialog->setTextValue(QStringLiteral("typed"));
            dialog->accept();
        });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.input(nullptr, QStringLiteral("Find:"), QString()),
            std::optional<QString>(QStringLiteral("typed")));
        QCOMPARE(title, QStringLiteral("Kronvel"));

        whenModalShown([](QWidget* modal) {
            if (auto* dialog = qobject_cast<QInputDialog*>(modal))
                dialog->reject();
        });
        QCOMPARE(boxes.input(nullptr, QStringLiteral("Find:"), QString()), std::optional<QString>());
    }
};

QTEST_MAIN(TestQtDesktop)
#include "test_qtdesktop.moc"
