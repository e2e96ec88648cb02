#include "platform/SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
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

    void laterStartAsksTheOwnerToShowItsWindow()
    {
        QTemporaryDir folder;
        QTemporaryDir other;
        SingleInstance owner(folder.path());
        QVERIFY(owner.acquire());
        QVERIFY(owner.listenForActivation());
        QSignalSpy asked(&owner, &SingleInstance::activationRequested);

        QVERIFY(!SingleInstance::askOwnerToActivate(other.path())); // nobody owns that folder
        QVERIFY(SingleInstance::askOwnerToActivate(folder.path() + QStringLiteral("/.")));
        QVERIFY(asked.wait(5000));
        QVERIFY(SingleInstance::askOwnerToActivate(folder.path()));
        QTRY_COMPARE(asked.count(), 2);
        QCOMPARE(contents(folder.path()), QStringList());
    }

    void onlyTheOwnerListens()
    {
        QTemporaryDir folder;
        SingleInstance first(folder.path());
        QVERIFY(first.acquire());
        SingleInstance second(folder.path());
        QVERIFY(!second.listenForActivation());
        QVERIFY(!SingleInstance::askOwnerToActivate(folder.path())); // the owner is not listening yet
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
