#include "components/ProfileShell.h"

#include "tests/support/FakeDesktop.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestProfileShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toQtFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        const QChar nul(0);
        QTest::newRow("two pairs") << (QStringLiteral("Kronvel Files") + nul + QStringLiteral("*.krn") + nul
            + QStringLiteral("All Files (*.*)") + nul + QStringLiteral("*.*"))
                                   << QStringLiteral("Kronvel Files (*.krn);;All Files (*)");
        QTest::newRow("trailing separator") << (QStringLiteral("Text") + nul + QStringLiteral("*.txt") + nul)
                                            << QStringLiteral("Text (*.txt)");
        QTest::newRow("several patterns") << (QStringLiteral("Lists") + nul + QStringLiteral("*.krn;*.txt"))
                                          << QStringLiteral("Lists (*.krn *.txt)");
        QTest::newRow("events file, any case, every file") << (QStringLiteral("KRN Events File (*.KRN)") + nul
            + QStringLiteral("*.krn") + nul + QStringLiteral("All Files (*.*)") + nul
            + QStringLiteral("*.*")) << QStringLiteral("KRN Events File (*.krn);;All Files (*)");
        QTest::newRow("empty") << QString() << QString();
    }

    void toQtFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(ProfileShell::toQtFilter(filter), expected);
    }

    void openFileDialog()
    {
        FakeDesktop desktop;
        const ProfileShell shell(desktop);
        const QString filter = QStringLiteral("Kronvel Files") + QChar(0) + QStringLiteral("*.krn");
        QString path;
        bool flag = false;
        QCOMPARE(shell.openFileDialog(nullptr, QStringLiteral("Load"), filter, path, flag), QStringList());
        QCOMPARE(desktop.lastFilter(), QStringLiteral("Kronvel Files (*.krn)"));
        QCOMPARE(desktop.lastTitle(), QStringLiteral("Load"));

        desktop.queueOpenResult({ QStringLiteral("/lists/old.krn") });
        QCOMPARE(shell.openFileDialog(nullptr, QStringLiteral("Load"), filter, path, flag),
            QStringList(QStringLiteral("/lists/old.krn")));
        QCOMPARE(path, QStringLiteral("/lists"));
        QVERIFY(!flag);
    }

    void saveFileDialog()
    {
        FakeDesktop desktop;
        const ProfileShell shell(desktop);
        const QString filter = QStringLiteral("Kronvel Files") + QChar(0) + QStringLiteral("*.krn");
        QCOMPARE(shell.saveFileDialog(
                     nullptr, QStringLiteral("Save As"), QString(), filter, QString(), QStringLiteral("krn")),
            QString());
        QCOMPARE(desktop.lastDefaultExtension(), QStringLiteral("krn"));
        desktop.queueSaveResult(QStringLiteral("/lists/new.krn"));
        QCOMPARE(shell.saveFileDialog(
                     nullptr, QStringLiteral("Save As"), QString(), filter, QString(), QStringLiteral("krn")),
            QStringLiteral("/lists/new.krn"));
    }

    void colorAndAddress()
    {
        FakeDesktop desktop;
        const ProfileShell shell(desktop);
        QCOMPARE(shell.chooseColor(nullptr), -1);
        desktop.queueColor(0x563412);
        QCOMPARE(shell.chooseColor(nullptr), 0x563412);
        QVERIFY(shell.openAddress(QStringLiteral("mailto:support@example.org"), 3));
        QCOMPARE(desktop.openedAddresses(), QStringList(QStringLiteral("mailto:support@example.org")));
    }

    void findAndCloseWindow()
    {
        FakeDesktop desktop;
        const ProfileShell shell(desktop);
        QCOMPARE(shell.findWindow(QStringLiteral("KRN Help")) < 1, true);
        QWidget help;
        help.setWindowTitle(QStringLiteral("KRN Help"));
        help.show();
        const qintptr handle = shell.findWindow(QStringLiteral("KRN Help"));
        QVERIFY(handle >= 1);
        QVERIFY(shell.sendWindowMessage(handle, 16, 0, 0));
        QVERIFY(!help.isVisible());
        QVERIFY(!shell.sendWindowMessage(0, 16, 0, 0));
        QCOMPARE(desktop.messages().size(), 1);
    }

    void profileText()
    {
        QTemporaryDir dir;
        FakeDesktop desktop;
        const ProfileShell shell(desktop);
        const QString path = dir.filePath(QStringLiteral("krn.dll"));
        QCOMPARE(shell.readProfileText(path, QStringLiteral("System"), QStringLiteral("Year")), QString());
        QString error;
        QVERIFY2(shell.writeProfileText(
                     path, QStringLiteral("System"), QStringLiteral("Year"), QStringLiteral("2"), &error),
            qPrintable(error));
        QCOMPARE(shell.readProfileText(path, QStringLiteral("system"), QStringLiteral("YEAR")),
            QStringLiteral("2"));
    }
};

QTEST_MAIN(TestProfileShell)
#include "test_profileshell.moc"
