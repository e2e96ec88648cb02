// The about box as a user meets it: opened modeless over the main window, its texts, its
// links opened through the scripted desktop, closed and opened again.
#include "Vantric.h"
#include "platform/Twips.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "ui/common/Program.h"
#include "ui/options/frmPubAbout.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A data folder with the given tips.dll (the shipped one by default), the program and a
// stand-in main window.
struct AboutFixture
{
    explicit AboutFixture(const QByteArray& tips = {})
    {
        const QString path = dir.filePath(u"tips.dll"_s);
        if (tips.isEmpty()) {
            QFile::copy(QStringLiteral(KRN_SHIPPED_TIPS), path);
        } else {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(tips);
        }
        program = std::make_unique<Program>(dir.path(), clock, boxes, desktop);
        mainWindow.resize(300, 200);
        box = std::make_unique<frmPubAbout>(*program, &mainWindow);
    }

    template <typename T> T* child(const QString& name) const { return box->findChild<T*>(name); }

    QTemporaryDir dir;
    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    std::unique_ptr<Program> program;
    QWidget mainWindow;
    std::unique_ptr<frmPubAbout> box;
};

void clickOn(QWidget* control)
{
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsNameVersionAndNotice();
    void modelessOverTheMainWindow();
    void links_data();
    void links();
    void missingAddressesOpenNothing();
    void closeHidesAndReopenReloads();
    void sizedAroundTheFrame();
    void showsWhileTheMainWindowIsHidden();
};

void TestAboutBox::showsNameVersionAndNotice()
{
    AboutFixture f;
    f.box->open();
    QCOMPARE(f.box->windowTitle(), u"About Kronvel"_s);
    QCOMPARE(f.child<QLabel>(u"Label1"_s)->text(), u"Kronvel"_s);
    QCOMPARE(f.child<QLabel>(u"Label2"_s)->text(), u"Version 2.21 Build 20080613#13"_s);
    QVERIFY(!f.child<QLabel>(u"Label3"_s)->text().isEmpty());
    QCOMPARE(f.child<Vantric>(u"sbtClose"_s)->Caption(), u"Close"_s);
    QCOMPARE(f.child<Vantric>(u"sbtMailer"_s)->Caption(), u"Feedback"_s);
    QCOMPARE(f.child<Vantric>(u"sbtWeb"_s)->Caption(), u"Home Page"_s);
    QVERIFY(f.child<Vantric>(u"sbtWeb"_s)->Picture().hasImage());
    QVERIFY(!f.child<QLabel>(u"imgProdLogo"_s)->pixmap().isNull());
    QVERIFY(!f.child<QLabel>(u"imgCompLogo"_s)->pixmap().isNull());
    const QFont font = f.child<QLabel>(u"Label2"_s)->font();
    QCOMPARE(font.pointSizeF(), 8.25);
}

void TestAboutBox::modelessOverTheMainWindow()
{
    AboutFixture f;
    f.mainWindow.show();
    f.box->open();
    QVERIFY(QTest::qWaitForWindowExposed(f.box.get()));
    QVERIFY(!f.box->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(f.box->isWindow());
    QCOMPARE(f.box->parentWidget(), &f.mainWindow);
}

void TestAboutBox::links_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("product logo") << u"imgProdLogo"_s << u"https://kronvel.example.org/"_s;
    QTest::newRow("publisher logo") << u"imgCompLogo"_s << u"https://kronvel.example.org"_s;
    QTest::newRow("home page") << u"sbtWeb"_s << u"https://kronvel.example.org"_s;
    QTest::newRow("feedback") << u"sbtMailer"_s << u"mailto:support@kronvel.example.org"_s;
}

void TestAboutBox::links()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    AboutFixture f;
    f.box->open();
    QVERIFY(QTest::qWaitForWindowExposed(f.box.get()));
    clickOn(f.child<QWidget>(control));
    QCOMPARE(f.desktop.openedAddresses(), QStringList { address });
    // The box stays open.
    QVERIFY(f.box->isVisible());
}

void TestAboutBox::missingAddressesOpenNothing()
{
    AboutFixture f("[Links]\nWeb=\nMail=\n[frmPubAbout]\nCaption=About\n");
    f.box->open();
    QVERIFY(QTest::qWaitForWindowExposed(f.box.get()));
    for (const char* control : { "imgProdLogo", "imgCompLogo", "sbtWeb", "sbtMailer" })
        clickOn(f.child<QWidget>(QString::fromLatin1(control)));
    QCOMPARE(f.desktop.calls(), QStringList());
    QCOMPARE(f.box->windowTitle(), u"About"_s);
}

void TestAboutBox::closeHidesAndReopenReloads()
{
    AboutFixture f;
    f.mainWindow.show();
    f.box->open();
    QVERIFY(QTest::qWaitForWindowExposed(f.box.get()));
    clickOn(f.child<QWidget>(u"sbtClose"_s));
    QVERIFY(!f.box->isVisible());
    QVERIFY(f.mainWindow.isVisible());
    // Each opening loads the box again: its texts come back from tips.dll.
    const QString notice = f.child<QLabel>(u"Label3"_s)->text();
    f.child<QLabel>(u"Label3"_s)->setText(u"changed"_s);
    f.box->open();
    QVERIFY(f.box->isVisible());
    QCOMPARE(f.child<QLabel>(u"Label3"_s)->text(), notice);
    // While it is open, opening it again reloads nothing.
    f.child<QLabel>(u"Label3"_s)->setText(u"changed"_s);
    f.box->open();
    QCOMPARE(f.child<QLabel>(u"Label3"_s)->text(), u"changed"_s);
    // Esc closes it too.
    QTest::keyClick(f.box.get(), Qt::Key_Escape);
    QVERIFY(!f.box->isVisible());
}

void TestAboutBox::sizedAroundTheFrame()
{
    AboutFixture f;
    f.box->open();
    const QRect frame = f.child<QFrame>(u"fra"_s)->geometry();
    const int margin = Twips::toPixels(90, f.box->logicalDpiX());
    const QSize wanted(frame.right() + 1 + margin, frame.bottom() + 1 + margin);
    QCOMPARE(f.box->size(), wanted);
    // A resize runs the sizing again; it gives the same size and stops there.
    f.box->resize(wanted * 2);
    QCOMPARE(f.box->size(), wanted);
    f.box->resize(wanted);
    QCOMPARE(f.box->size(), wanted);
    for (const QWidget* control : f.box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(frame.contains(control->geometry()) || control->objectName() == u"fra",
            qPrintable(control->objectName()));
    }
}

void TestAboutBox::showsWhileTheMainWindowIsHidden()
{
    // The main window lives in the tray: the about box shows without bringing it back.
    AboutFixture f;
    f.mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.mainWindow));
    f.mainWindow.hide();
    f.box->open();
    QVERIFY(QTest::qWaitForWindowExposed(f.box.get()));
    QVERIFY(f.box->isVisible());
    QVERIFY(!f.mainWindow.isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
