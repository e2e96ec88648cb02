#pragma once

#include "core/ReminderRules.h"

#include <QDialog>
#include <array>
#include <functional>

class Program;
class QCheckBox;
class QLabel;
class QLineEdit;
class Vantric;

// The reminder choices, opened from the Tools menu: each kind on or off, the days ahead of
// a future event, and the day before an anniversary. OK writes section "Reminders" of the
// settings file and hands the choices on; a write that fails is reported and changes nothing.
class frmPubReminders : public QDialog
{
    Q_OBJECT

public:
    using Apply = std::function<void(const ReminderChoices&)>;
    frmPubReminders(Program& program, Apply apply, QWidget* parent = nullptr);

    // Shows the stored choices and runs the dialog modal.
    void open(const ReminderChoices& choices);

    QCheckBox* cbxDue = nullptr;
    QCheckBox* cbxAhead = nullptr;
    QLineEdit* txtAheadDays = nullptr;
    QLabel* lblAheadDays = nullptr;
    QCheckBox* cbxAnniversary = nullptr;
    QCheckBox* cbxAnniversaryEve = nullptr;
    QCheckBox* cbxRound = nullptr;
    QLabel* lblRound = nullptr;
    std::array<Vantric*, 2> sbt {};

private:
    void sbt_Click(int index);
    void enableDependents();

    Program& m_program;
    Apply m_apply;
};
