#pragma once

#include "stores/Settings.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeMessageBoxes.h"
#include "ui/common/Program.h"

#include <QList>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class frmPubOptions;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class ReportList;
class Vantric;

// A data folder with the shipped tips.dll and a settings file, a stand-in main window, and
// the options dialog over it, set up and shown without blocking so a test can type into it.
// Each hand-over to the main window records the settings record as it was at that moment.
struct OptionsFixture
{
    // settingsText: the whole settings file; empty writes the defaults.
    explicit OptionsFixture(const QByteArray& settingsText = {});
    ~OptionsFixture();

    void open();
    QString settingsPath() const;
    QByteArray settingsBytes() const;
    QString fileValue(const QString& section, const QString& key) const;
    QString lastBox() const;
    // Clicks a button of the dialog as the user does.
    void click(int index) const;

    Vantric* sbt(int index) const;
    QLineEdit* txt(int index) const;
    QCheckBox* cbx(int index) const;
    QComboBox* cbb(int index) const;
    QLabel* lbl(int index) const;
    ReportList* lsv() const;

    QTemporaryDir dir;
    FakeClock clock;
    FakeMessageBoxes boxes;
    FakeDesktop desktop;
    std::unique_ptr<Program> program;
    QWidget mainWindow;
    QList<Settings> handedOver;
    std::unique_ptr<frmPubOptions> dialog;
};
