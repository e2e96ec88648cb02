// Hover tracking with the OverTimer, the hover picture, and opening the button's link.
#include "ButtonWindow.h"
#include "RecordingLinkOpener.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

class TestVantricHover : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enteringStartsTheTimerAndLeavingStopsIt();
    void hoverPictureShowsWhileOver();
    void windowOverTheButtonCountsAsLeaving();
    void pressedButtonShowsUnpressedWhileAway();
    void goToUrl_data();
    void goToUrl();
};

namespace {

void moveOver(QWidget* target, const QPoint& at, Qt::MouseButtons buttons = Qt::NoButton,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, buttons, modifiers);
    QApplication::sendEvent(target, &move);
}

Orvane::Picture solid(const QColor& color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return Orvane::Picture::bitmap(pixmap);
}

} // namespace

void TestVantricHover::enteringStartsTheTimerAndLeavingStopsIt()
{
    ButtonWindow w;
    QVERIFY(w.ready());
    bool over = true;
    w.button->SetHoverProbe([&over] { return over; });
    auto* timer = w.button->findChild<QTimer*>(QStringLiteral("OverTimer"));
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QSignalSpy in(w.button, &Vantric::MouseIn);
    QSignalSpy out(w.button, &Vantric::MouseOut);

    QTest::mousePress(w.button, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::mouseRelease(w.button, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    moveOver(w.button, QPoint(5, 5), Qt::NoButton, Qt::ShiftModifier);
    moveOver(w.button, QPoint(6, 6));
    QCOMPARE(in.count(), 1);
    QCOMPARE(in.at(0).at(0).value<qint16>(), qint16(1)); // Shift of the entering move
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    QTest::qWait(40);
    QCOMPARE(out.count(), 0);

    over = false;
    QTRY_COMPARE(out.count(), 1);
    QCOMPARE(out.at(0).at(0).value<qint16>(), qint16(2)); // lastShift: Ctrl of the last press
    QVERIFY(!timer->isActive());
    QVERIFY(!w.button->isHovering());
}

void TestVantricHover::hoverPictureShowsWhileOver()
{
    ButtonWindow w(QSize(80, 60));
    QVERIFY(w.ready());
    Vantric* b = w.button;
    b->SetCaption(QString());
    b->SetPicture(solid(Qt::red));
    b->SetPictureHover(solid(Qt::blue));
    bool over = true;
    b->SetHoverProbe([&over] { return over; });
    const Orvane::FaceRect r = b->pictureRect();
    const QPoint middle((r.left + r.right) / 2, (r.top + r.bottom) / 2);

    moveOver(b, QPoint(10, 10));
    QCOMPARE(b->Picture().pixmap().toImage().pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(b->grab().toImage().pixelColor(middle), QColor(Qt::blue));
    over = false;
    QTRY_VERIFY(!b->isHovering());
    QCOMPARE(b->Picture().pixmap().toImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(b->grab().toImage().pixelColor(middle), QColor(Qt::red));
}

void TestVantricHover::windowOverTheButtonCountsAsLeaving()
{
    ButtonWindow w;
    QVERIFY(w.ready());
    QSignalSpy out(w.button, &Vantric::MouseOut);
    const QPoint inside = w.button->mapToGlobal(QPoint(20, 20));
    QCursor::setPos(inside);
    moveOver(w.button, QPoint(20, 20));
    QVERIFY(w.button->isHovering());
    QTest::qWait(50);
    QCOMPARE(out.count(), 0); // still over the button itself

    QWidget cover;
    cover.setWindowFlags(Qt::ToolTip);
    cover.setGeometry(QRect(inside - QPoint(10, 10), QSize(30, 30)));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QTRY_COMPARE(out.count(), 1);
}

void TestVantricHover::pressedButtonShowsUnpressedWhileAway()
{
    ButtonWindow w(QSize(80, 40));
    QVERIFY(w.ready());
    Vantric* b = w.button;
    b->SetCaption(QString());
    bool over = true;
    b->SetHoverProbe([&over] { return over; });
    QSignalSpy clicks(b, &Vantric::Click);
    const QColor faceColour = b->grab().toImage().pixelColor(40, 20);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    moveOver(b, QPoint(10, 10), Qt::LeftButton);
    const QColor pressedEdge = b->grab().toImage().pixelColor(1, 20);
    QVERIFY(pressedEdge != faceColour);

    over = false;
    moveOver(b, QPoint(120, 10), Qt::LeftButton);
    QTRY_VERIFY(!b->isHovering());
    QVERIFY(b->isPressed()); // the flag survives
    QCOMPARE(b->grab().toImage().pixelColor(1, 20), faceColour); // drawn unpressed and flat

    over = true;
    moveOver(b, QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(b->grab().toImage().pixelColor(1, 20), pressedEdge);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
}

void TestVantricHover::goToUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("shellCalls");
    QTest::addColumn<QStringList>("navigations");
    QTest::newRow("mail link") << "mailto:help@example.org"
                               << QStringList { QStringLiteral("open|mailto:help@example.org|||1") }
                               << QStringList();
    QTest::newRow("mail link in capitals") << "MAILTO:help@example.org" << QStringList()
                                           << QStringList { QStringLiteral("MAILTO:help@example.org||") };
    QTest::newRow("web address") << "https://example.org/" << QStringList()
                                 << QStringList { QStringLiteral("https://example.org/||") };
    QTest::newRow("no address") << "" << QStringList() << QStringList();
}

void TestVantricHover::goToUrl()
{
    QFETCH(QString, url);
    QFETCH(QStringList, shellCalls);
    QFETCH(QStringList, navigations);
    ButtonWindow w;
    QVERIFY(w.ready());
    RecordingLinkOpener links;
    w.button->SetLinkOpener(&links);
    w.button->SetURL(url);
    int clicksBeforeLink = -1;
    QObject::connect(w.button, &Vantric::Click, w.button,
        [&] { clicksBeforeLink = int(links.shellCalls.size() + links.navigations.size()); });
    QTest::keyClick(w.button, Qt::Key_Return);
    QCOMPARE(clicksBeforeLink, 0); // Click comes first, then the link
    QCOMPARE(links.shellCalls, shellCalls);
    QCOMPARE(links.navigations, navigations);
    if (!shellCalls.isEmpty())
        QCOMPARE(links.lastOwner, &w.window);
}

QTEST_MAIN(TestVantricHover)
#include "test_vantric_hover.moc"
