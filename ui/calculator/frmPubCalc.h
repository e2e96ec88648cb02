#pragma once

#include "models/CalcViewModel.h"
#include "ui/calculator/CalcControls.h"

#include <QDialog>

class Program;

// The date/time calculator: the span between Begin and End in every unit with its workdays
// and weekdays ("E"), and a based-on moment shifted by a quantity of a unit ("D"). No command
// buttons: every change of an input recomputes its part at once; Esc closes the window.
class frmPubCalc : public QDialog
{
    Q_OBJECT

public:
    frmPubCalc(Program& program, QWidget* parent = nullptr);
    ~frmPubCalc() override;

    // Back to the load state: every picker at now, add, a quantity of 1 in "Days", both parts
    // calculated ("D" first). Not shown.
    void setUp();
    // The above, then shown modal; returns when the window closes.
    int openCalculator();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectControls();
    void calculate(QChar mode);
    void calculateSpan();
    void calculateShift();
    void stepQuantity(int delta);
    void fitToFrame();

    Program& m_program;
    CalcViewModel m_model;
    CalcControls c;
    bool m_loading = false; // no calculation while the load fills the controls
};
