#pragma once

#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "ui/common/Program.h"

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class frmPubWorkTime;
class ReportList;
class Vantric;
class WorkListModel;

// A data folder with the shipped texts, default settings and a works file, a main window,
// and the work-time window over it, loaded and shown without blocking so a test can drive it.
struct WorkTimeFixture
{
    explicit WorkTimeFixture(const QStringList& workLines);
    ~WorkTimeFixture();

    // Loads and shows the window as opening does, and waits until it is active.
    void open();
    void close();
    QStringList fileLines() const;
    QString worksPath() const;
    QString lastBox() const;
    void select(const QStringList& names);
    int rowOf(const QString& name) const;
    QString cell(const QString& name, int column) const;

    Vantric* button(int index) const;
    ReportList& list() const;
    WorkListModel& model() const;

    QTemporaryDir dir;
    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    std::unique_ptr<Program> program;
    QWidget mainWindow;
    std::unique_ptr<frmPubWorkTime> window;
};
