// The button's input rules, one row per input and condition.
#include "ButtonWindow.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

class TestVantricInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicks_data();
    void clicks();
    void rightButtonRaisesMouseEventsOnly();
    void doubleClickReplaysTheLastPress();
    void windowReportsEnterAndEscAsAccessKeys_data();
    void windowReportsEnterAndEscAsAccessKeys();
    void accessLetterFocusesWithoutClick();
    void unusedKeysGoOnToTheWindow();

private:
    void perform(ButtonWindow& w, const QString& action);
};

namespace {

void sendRepeat(QWidget* target, QEvent::Type type, Qt::Key key, const QString& text)
{
    QKeyEvent event(type, key, Qt::NoModifier, text, true);
    QApplication::sendEvent(target, &event);
}

} // namespace

void TestVantricInput::perform(ButtonWindow& w, const QString& action)
{
    Vantric* b = w.button;
    const QPoint in(10, 10);
    const QPoint out(b->width() + 20, b->height() / 2);
    if (action == QLatin1String("space-down"))
        QTest::keyPress(b, Qt::Key_Space);
    else if (action == QLatin1String("space-repeat"))
        sendRepeat(b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    else if (action == QLatin1String("space-repeat-up"))
        sendRepeat(b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    else if (action == QLatin1String("space-up"))
        QTest::keyRelease(b, Qt::Key_Space);
    else if (action == QLatin1String("enter-down"))
        QTest::keyPress(b, Qt::Key_Return);
    else if (action == QLatin1String("enter-repeat"))
        sendRepeat(b, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    else if (action == QLatin1String("enter-up"))
        QTest::keyRelease(b, Qt::Key_Return);
    else if (action == QLatin1String("shift-down"))
        QTest::keyPress(b, Qt::Key_Shift, Qt::ShiftModifier);
    else if (action == QLatin1String("shift-enter-down"))
        QTest::keyPress(b, Qt::Key_Return, Qt::ShiftModifier);
    else if (action == QLatin1String("shift-enter-up"))
        QTest::keyRelease(b, Qt::Key_Return, Qt::ShiftModifier);
    else if (action == QLatin1String("shift-up"))
        QTest::keyRelease(b, Qt::Key_Shift);
    else if (action == QLatin1String("a-down"))
        QTest::keyPress(b, Qt::Key_A);
    else if (action == QLatin1String("a-up-elsewhere"))
        QTest::keyRelease(w.other, Qt::Key_A);
    else if (action == QLatin1String("focus-away"))
        w.other->setFocus();
    else if (action == QLatin1String("focus-back"))
        b->setFocus();
    else if (action == QLatin1String("left-press"))
        QTest::mousePress(b, Qt::LeftButton, {}, in);
    else if (action == QLatin1String("left-release"))
        QTest::mouseRelease(b, Qt::LeftButton, {}, in);
    else if (action == QLatin1String("left-release-outside"))
        QTest::mouseRelease(b, Qt::LeftButton, {}, out);
    else if (action == QLatin1String("middle-press"))
        QTest::mousePress(b, Qt::MiddleButton, {}, in);
    else if (action == QLatin1String("middle-release"))
        QTest::mouseRelease(b, Qt::MiddleButton, {}, in);
    else if (action == QLatin1String("right-press"))
        QTest::mousePress(b, Qt::RightButton, {}, in);
    else if (action == QLatin1String("right-release"))
        QTest::mouseRelease(b, Qt::RightButton, {}, in);
    else if (action == QLatin1String("double-click"))
        QTest::mouseDClick(b, Qt::LeftButton, {}, in); // the double-click event alone
    else if (action == QLatin1String("access-enter"))
        b->AccessKeyPress(13);
    else if (action == QLatin1String("access-esc"))
        b->AccessKeyPress(27);
    else if (action == QLatin1String("access-letter"))
        b->AccessKeyPress('a');
    else if (action == QLatin1String("disable"))
        b->SetEnabled(false);
    else
        QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
}

void TestVantricInput::clicks_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("pressed");

    const auto a = [](const char* list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
    QTest::newRow("space down presses and clicks") << a("space-down") << 1 << true;
    QTest::newRow("held space clicks once")
        << a("space-down space-repeat space-repeat space-repeat space-up") << 1 << false;
    QTest::newRow("held space with repeated releases clicks once")
        << a("space-down space-repeat-up space-repeat space-repeat-up space-repeat space-up") << 1 << false;
    QTest::newRow("two space presses click twice")
        << a("space-down space-up space-down space-up") << 2 << false;
    QTest::newRow("enter clicks at key-down") << a("enter-down") << 1 << false;
    QTest::newRow("held enter clicks once")
        << a("enter-down enter-repeat enter-repeat enter-up") << 1 << false;
    QTest::newRow("shift+enter does not click")
        << a("shift-down shift-enter-down shift-enter-up shift-up") << 0 << false;
    QTest::newRow("space while another key is down") << a("a-down space-down") << 0 << false;
    QTest::newRow("latch survives a focus change")
        << a("a-down focus-away a-up-elsewhere focus-back space-down space-up") << 0 << false;
    QTest::newRow("second press after the latch clicks")
        << a("a-down focus-away a-up-elsewhere focus-back enter-down enter-up enter-down enter-up") << 1
        << false;
    QTest::newRow("focus leaving unpresses") << a("space-down focus-away") << 1 << false;
    QTest::newRow("left press presses") << a("left-press") << 0 << true;
    QTest::newRow("left click") << a("left-press left-release") << 1 << false;
    QTest::newRow("release outside does not click") << a("left-press left-release-outside") << 0 << false;
    QTest::newRow("middle click") << a("middle-press middle-release") << 1 << false;
    QTest::newRow("right press does not press") << a("right-press") << 0 << false;
    QTest::newRow("right click does not click") << a("right-press right-release") << 0 << false;
    // The platform's double click arrives in place of the second press.
    QTest::newRow("fast double click clicks twice")
        << a("left-press left-release double-click left-release") << 2 << false;
    QTest::newRow("double click after its own press clicks twice")
        << a("left-press left-release left-press double-click left-release") << 2 << false;
    QTest::newRow("right double click does not click")
        << a("right-press right-release double-click right-release") << 0 << false;
    QTest::newRow("access key enter") << a("access-enter") << 1 << false;
    QTest::newRow("access key esc") << a("access-esc") << 1 << false;
    QTest::newRow("access key letter") << a("access-letter") << 0 << false;
    QTest::newRow("disabled access key enter") << a("disable access-enter") << 0 << false;
    QTest::newRow("disabled access key esc") << a("disable access-esc") << 0 << false;
}

void TestVantricInput::clicks()
{
    QFETCH(QStringList, actions);
    QFETCH(int, clicks);
    QFETCH(bool, pressed);

    ButtonWindow w;
    QVERIFY(w.ready());
    QSignalSpy clickSpy(w.button, &Vantric::Click);
    for (const QString& action : actions)
        perform(w, action);
    QCOMPARE(clickSpy.count(), clicks);
    QCOMPARE(w.button->isPressed(), pressed);
}

void TestVantricInput::rightButtonRaisesMouseEventsOnly()
{
    ButtonWindow w;
    QVERIFY(w.ready());
    QSignalSpy downs(w.button, &Vantric::MouseDown);
    QSignalSpy ups(w.button, &Vantric::MouseUp);
    QSignalSpy clickSpy(w.button, &Vantric::Click);
    QTest::mousePress(w.button, Qt::RightButton, Qt::ShiftModifier, QPoint(7, 9));
    QTest::mouseRelease(w.button, Qt::RightButton, Qt::ShiftModifier, QPoint(7, 9));
    QCOMPARE(clickSpy.count(), 0);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(ups.count(), 1);
    // Button 2 is the right button, Shift 1 the Shift key; coordinates in the button's pixels.
    QCOMPARE(downs.at(0).at(0).value<qint16>(), qint16(2));
    QCOMPARE(downs.at(0).at(1).value<qint16>(), qint16(1));
    QCOMPARE(downs.at(0).at(2).toFloat(), 7.0f);
    QCOMPARE(downs.at(0).at(3).toFloat(), 9.0f);
}

void TestVantricInput::doubleClickReplaysTheLastPress()
{
    ButtonWindow w;
    QVERIFY(w.ready());
    QSignalSpy downs(w.button, &Vantric::MouseDown);
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(11, 13));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(11, 13));
    QTest::mouseDClick(w.button, Qt::LeftButton, {}, QPoint(30, 20));
    QVERIFY(w.button->isPressed());
    QCOMPARE(downs.count(), 2);
    // The replay carries the button and position of the last press.
    QCOMPARE(downs.at(1).at(0).value<qint16>(), qint16(1));
    QCOMPARE(downs.at(1).at(2).toFloat(), 11.0f);
    QCOMPARE(downs.at(1).at(3).toFloat(), 13.0f);
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(30, 20));
}

void TestVantricInput::windowReportsEnterAndEscAsAccessKeys_data()
{
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("isCancel");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");

    QTest::newRow("enter, default button") << true << false << true << int(Qt::Key_Return) << 1;
    QTest::newRow("keypad enter, default button") << true << false << true << int(Qt::Key_Enter) << 1;
    QTest::newRow("enter, not default") << false << false << true << int(Qt::Key_Return) << 0;
    QTest::newRow("esc, cancel button") << false << true << true << int(Qt::Key_Escape) << 1;
    QTest::newRow("esc, not cancel") << true << false << true << int(Qt::Key_Escape) << 0;
    QTest::newRow("enter, disabled default button") << true << false << false << int(Qt::Key_Return) << 0;
}

void TestVantricInput::windowReportsEnterAndEscAsAccessKeys()
{
    QFETCH(bool, isDefault);
    QFETCH(bool, isCancel);
    QFETCH(bool, enabled);
    QFETCH(int, key);
    QFETCH(int, clicks);

    ButtonWindow w;
    QVERIFY(w.ready());
    w.button->SetDefault(isDefault);
    w.button->SetCancel(isCancel);
    w.button->SetEnabled(enabled);
    w.other->setFocus();
    QSignalSpy clickSpy(w.button, &Vantric::Click);
    QTest::keyClick(w.other, static_cast<Qt::Key>(key));
    QCOMPARE(clickSpy.count(), clicks);
}

void TestVantricInput::accessLetterFocusesWithoutClick()
{
    ButtonWindow w;
    QVERIFY(w.ready());
    w.button->SetCaption(QStringLiteral("&Save"));
    w.other->setFocus();
    QSignalSpy clickSpy(w.button, &Vantric::Click);
    QTest::keyClick(w.other, Qt::Key_S, Qt::AltModifier);
    QVERIFY(w.button->hasFocus());
    QCOMPARE(clickSpy.count(), 0);
}

void TestVantricInput::unusedKeysGoOnToTheWindow()
{
    QDialog dialog; // closed by Esc on its focused button, as with any button
    auto* button = new Vantric(&dialog);
    button->InitNew();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    button->setFocus();
    QSignalSpy keyDowns(button, &Vantric::KeyDown);
    QTest::keyClick(button, Qt::Key_Escape);
    QCOMPARE(keyDowns.count(), 1);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestVantricInput)
#include "test_vantric_input.moc"
