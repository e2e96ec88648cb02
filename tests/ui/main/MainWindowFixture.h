#pragma once

#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "tests/support/FakeNotifier.h"
#include "tests/support/FakeTray.h"
#include "ui/main/mdlPubSelf.h"

#include <QTemporaryDir>
#include <memory>

class frmPubMain;
class Program;

// One Kronvel on a fresh temporary data folder, with a fake clock (2010/01/01 12:00:00),
// scripted boxes and a scripted desktop. Write files into folder() before start().
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();

    QString folder() const { return m_dir.path(); }
    QString path(const QString& fileName) const;
    void writeFile(const QString& fileName, const QByteArray& bytes) const;
    QByteArray readFile(const QString& fileName) const;
    // The settings file holding the 22 defaults, then the given changes.
    void writeSettings(const QList<std::pair<QString, QString>>& systemChanges) const;

    // Starts Kronvel on the folder; false when the start-up declined (another instance).
    bool start();
    frmPubMain& window() const;
    Program& program() const;

    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    FakeTray tray;
    FakeNotifier notifier;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<mdlPubSelf> m_self;
};
