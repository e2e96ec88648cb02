#pragma once

#include "models/EventListModel.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "ui/common/Program.h"
#include "ui/common/ReportList.h"

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class frmPubDetail;
class Vantric;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QTimeEdit;

// A data folder with the shipped tips.dll and an events file, a main window holding the
// events list, and the editor over it, opened without blocking so a test can type into it.
struct EditorFixture
{
    explicit EditorFixture(const QStringList& eventLines);
    ~EditorFixture();

    void openNew();
    void openModify(const QString& name);
    QStringList fileLines() const;
    QStringList listNames() const;
    QString eventsPath() const;
    // The text of the last box shown, or an empty text when none was.
    QString lastBox() const;

    Vantric* button(int index) const;
    QLineEdit* txtEvent() const;
    QRadioButton* optPas() const;
    QRadioButton* optFut() const;
    QDateEdit* dtpDate() const;
    QTimeEdit* dtpTime() const;

    QTemporaryDir dir;
    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    std::unique_ptr<Program> program;
    EventListModel model;
    QWidget mainWindow;
    ReportList* list = nullptr;
    int countWrites = 0;
    std::unique_ptr<frmPubDetail> dialog;
};
