#include "platform/SingleInstance.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList contents(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondInstanceIsRefused()
    {
        QTemporaryDir folder;
        SingleInstance first(folder.path());
        QVERIFY(first.acquire());
        QVERIFY(first.acquire()); // asking again keeps the lock

        SingleInstance second(folder.path());
        QVERIFY(!second.acquire());
        QCOMPARE(contents(folder.path()), QStringList());
    }

    void otherSpellingOfTheSameFolderIsRefused()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("data")));
        const QString data = folder.filePath(QStringLiteral("data"));
        QVERIFY(QFile::link(data, folder.filePath(QStringLiteral("link"))));

        SingleInstance first(data);
        QVERIFY(first.acquire());
        SingleInstance viaLink(folder.filePath(QStringLiteral("link")));
        QVERIFY(!viaLink.acquire());
        SingleInstance withDots(data + QStringLiteral("/./"));
        QVERIFY(!withDots.acquire());
        QCOMPARE(contents(data), QStringList());
    }

    void otherFolderIsFree()
    {
        QTemporaryDir one;
        QTemporaryDir two;
        SingleInstance first(one.path());
        SingleInstance second(two.path());
        QVERIFY(first.acquire());
        QVERIFY(second.acquire());
    }

    void lockIsReleasedOnExit()
    {
        QTemporaryDir folder;
        {
            SingleInstance first(folder.path());
            QVERIFY(first.acquire());
        }
        SingleInstance next(folder.path());
        QVERIFY(next.acquire());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
