#pragma once

#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "ui/common/Program.h"

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class frmPubCalc;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QTimeEdit;

// A data folder with the shipped tips.dll, the default settings in the record, a clock that
// stands at `now`, and the calculator opened without blocking so a test can type into it.
struct CalcFixture
{
    explicit CalcFixture(const QDateTime& now = QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0)));
    ~CalcFixture();

    void open();
    QWidget* window() const;
    template <typename Control> Control* find(const QString& name) const
    {
        return window()->findChild<Control*>(name);
    }
    QLineEdit* box(const QString& name) const;
    QDateEdit* date(const QString& name) const;
    QTimeEdit* time(const QString& name) const;
    // The result pickers as one text "YYYY/MM/DD HH:MM:SS".
    QString resultText() const;
    QString lastBox() const;

    QTemporaryDir dir;
    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    std::unique_ptr<Program> program;
    QWidget mainWindow;
    std::unique_ptr<frmPubCalc> dialog;
};
